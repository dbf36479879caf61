#pragma once

#include <QDialog>

/// The about box: the module, its version and the platform it belongs to.
class frmAcercade : public QDialog {
    Q_OBJECT
public:
    explicit frmAcercade(QWidget* parent = nullptr);
};

inline const QString VersionText = QStringLiteral("Versión 1.2");
