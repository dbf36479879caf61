#pragma once

#include "importrun.h"

#include <QDialog>
#include <QElapsedTimer>
#include <functional>

struct AppContext;
class QFileSystemModel;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeView;

/// "Importar": loads a detail file of the declaration being edited into the working tables.
/// The user picks the kind of file and the folder that holds it; the file's name follows from
/// the declarant and the period.
class frmTransferencia : public QDialog {
    Q_OBJECT
public:
    explicit frmTransferencia(AppContext& context, QWidget* parent = nullptr);

    /// Shows a registered error report; called with the report file's full path when the user
    /// asks to see it. Without it the window tells where the report was written.
    void setErrorReportPreview(std::function<void(const QString& reportPath)> preview)
    {
        m_preview = std::move(preview);
    }

    /// The folder the file is read from; empty until the user picks one.
    const QString& importFolder() const { return m_folder; }
    bool running() const { return m_running; }

public slots:
    void reject() override;

private slots:
    void cmdTransferir_Click();
    void DirDirectorio_Change(const QModelIndex& current);

private:
    bool showProgress(const ImportProgress& progress);
    void setRunning(bool running);
    void setCounters(const QString& transferred, const QString& refused);
    void endOfRun(const ImportResult& result);
    void offerErrorReport(const ImportResult& result);
    void recomputeTotals();

    AppContext& m_ctx;
    QRadioButton* m_optTipo[2] = {};
    QTreeView* m_dirDirectorio = nullptr;
    QFileSystemModel* m_folders = nullptr;
    QLabel* m_lblDirectorio = nullptr;
    QLabel* m_lblTransferidos = nullptr;
    QLabel* m_lblRechazados = nullptr;
    QPushButton* m_cmdTransferir = nullptr;
    QPushButton* m_cmCancelar = nullptr;
    QProgressBar* m_progress = nullptr;

    QString m_folder;
    bool m_running = false;
    bool m_cancel = false;
    QElapsedTimer m_sinceEvents;
    std::function<void(const QString&)> m_preview;
};
