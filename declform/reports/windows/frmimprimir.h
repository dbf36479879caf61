#pragma once

#include "declarationlist.h"

#include <QDialog>
#include <optional>

class BarradeEstadoKOVA;
class DeclarationListModel;
class QRadioButton;
class QTableView;
class ReportKinds;
struct AppContext;

/// "Imprimir": the saved declarations (or, when the session says so, the sent ones) the user
/// may see, the choice between the declaration report and its annexes, and the commands that
/// write the report and show it through the page-range dialog ("&Preliminar") or send it
/// straight to the printer ("&Imprimir").
class frmImprimir : public QDialog {
    Q_OBJECT
public:
    /// Reads the list; throws DbError when it cannot. `kinds` runs the report writers.
    frmImprimir(AppContext& ctx, BarradeEstadoKOVA& statusBar, const ReportKinds& kinds,
                QWidget* parent = nullptr);

    int rowCount() const;
    /// The selected row, when the list has one.
    std::optional<DeclarationRow> selectedRow() const;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct WrittenReport {
        QString fileName; ///< as registered in the spool
        int pages = 0;
    };

    void preliminar();
    void imprimir();
    std::optional<WrittenReport> writeReport();
    void fitColumns();
    void showRows(QList<DeclarationRow> rows, int position);
    void reread();
    void showSelected();
    int currentPosition() const;

    AppContext& m_ctx;
    BarradeEstadoKOVA& m_statusBar;
    const ReportKinds& m_kinds;
    const bool m_enviadas;
    bool m_lastReadFailed = false;
    DeclarationListModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QRadioButton* m_declaracion = nullptr;
    QRadioButton* m_anexos = nullptr;
};

/// Shown, titled "Anexos", when the annexes of a declaration without subjects are asked for.
inline const QString NoAnnexesText = QStringLiteral("No existe información de anexos para esta declaración");
inline const QString NoAnnexesTitle = QStringLiteral("Anexos");
