#pragma once

#include <QDialog>

class QPlainTextEdit;
struct AppContext;

/// Shows the inconsistencies the declaration's validation found: the text file named by the
/// session's ArchivoMensajes, read as Windows-1252.
class FrmConsist : public QDialog {
    Q_OBJECT
public:
    /// Reads the file; when it cannot be read, says so and shows an empty notice.
    explicit FrmConsist(AppContext& context, QWidget* parent = nullptr);

    QString text() const;

private:
    QPlainTextEdit* m_text = nullptr;
};

inline const QString ConsistTitle = QStringLiteral("Inconsistencias detectadas");
inline const QString UnreadableMessagesText =
    QStringLiteral("No se pudo leer el archivo de inconsistencias:\n");
