#pragma once

#include <QDialog>

class QLineEdit;
struct AppContext;

/// The page-range dialog: which pages of a report to preview. "&Preliminar" checks the two page
/// numbers and shows those pages; the dialog stays open until "&Cancelar".
class frmImpxPag : public QDialog {
    Q_OBJECT
public:
    /// `fileName` is the report file as registered in the spool, `totalPages` the pages its
    /// writer produced; the caption reads "Impresión de n páginas".
    frmImpxPag(AppContext& ctx, const QString& fileName, int totalPages, QWidget* parent = nullptr);

private:
    void preliminar();

    AppContext& m_ctx;
    QString m_fileName;
    int m_totalPages;
    QLineEdit* m_desde = nullptr;
    QLineEdit* m_hasta = nullptr;
};
