#include "frmtransferencia.h"

#include "appcontext.h"
#include "dberror.h"
#include "errorreport.h"
#include "hostdatabase.h"
#include "hostutilities.h"
#include "importmessages.h"
#include "reportwriter.h"
#include "session.h"
#include "subjecttotals.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
// Cash-sale files exist from this period on.
const QString CashSalesFrom = QStringLiteral("200504");
// How often a run lets the window breathe: often enough for "&Salir" and the progress bar.
constexpr int EventsEveryMs = 40;
constexpr int ProgressSteps = 1000;
} // namespace

frmTransferencia::frmTransferencia(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setObjectName(QStringLiteral("frmTransferencia"));
    setWindowTitle(importtext::Caption);

    auto* frame3 = new QGroupBox(this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    auto* kinds = new QVBoxLayout(frame3);
    const QString captions[2] = {QStringLiteral("Comprobantes de Percepción"),
                                 QStringLiteral("Comprobante de pago es el comprobante de percepción")};
    for (int i = 0; i < 2; ++i) {
        m_optTipo[i] = new QRadioButton(captions[i], frame3);
        m_optTipo[i]->setObjectName(QStringLiteral("OptTipo_%1").arg(i));
        kinds->addWidget(m_optTipo[i]);
    }
    m_optTipo[0]->setChecked(true);
    if (m_ctx.session.periodoDeclaracion < CashSalesFrom)
        m_optTipo[1]->setEnabled(false);

    auto* frame2 = new QGroupBox(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* label1 = new QLabel(
        QStringLiteral("Seleccione el directorio donde se encuentra el archivo de datos a importar:"),
        frame2);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    (new QVBoxLayout(frame2))->addWidget(label1);

    auto* frame1 = new QGroupBox(QStringLiteral("Directorio :"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QDir::rootPath());
    m_dirDirectorio = new QTreeView(frame1);
    m_dirDirectorio->setObjectName(QStringLiteral("DirDirectorio"));
    m_dirDirectorio->setModel(m_folders);
    m_dirDirectorio->setHeaderHidden(true);
    m_dirDirectorio->setSortingEnabled(true);
    m_dirDirectorio->sortByColumn(0, Qt::AscendingOrder);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_dirDirectorio->hideColumn(column);
    m_dirDirectorio->setMinimumHeight(220);
    // The tree opens on the user's home folder, but nothing counts as chosen until a click.
    const QModelIndex home = m_folders->index(QDir::homePath());
    for (QModelIndex i = home; i.isValid(); i = i.parent())
        m_dirDirectorio->expand(i);
    m_dirDirectorio->scrollTo(home, QAbstractItemView::PositionAtTop);
    connect(m_dirDirectorio->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmTransferencia::DirDirectorio_Change);
    m_lblDirectorio = new QLabel(frame1);
    m_lblDirectorio->setObjectName(QStringLiteral("lblDirectorio"));
    m_lblDirectorio->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* folderLayout = new QVBoxLayout(frame1);
    folderLayout->addWidget(m_dirDirectorio);
    folderLayout->addWidget(m_lblDirectorio);

    m_lblTransferidos = new QLabel(importtext::NoneTransferred, this);
    m_lblTransferidos->setObjectName(QStringLiteral("lblTransferidos"));
    m_lblRechazados = new QLabel(importtext::NoneRefused, this);
    m_lblRechazados->setObjectName(QStringLiteral("lblRechazados"));
    auto* counters = new QHBoxLayout;
    counters->addWidget(m_lblTransferidos);
    counters->addStretch();
    counters->addWidget(m_lblRechazados);

    m_cmdTransferir = new QPushButton(QStringLiteral("&Aceptar"), this);
    m_cmdTransferir->setObjectName(QStringLiteral("cmdTransferir"));
    m_cmdTransferir->setDefault(true);
    m_cmCancelar = new QPushButton(QStringLiteral("&Salir"), this);
    m_cmCancelar->setObjectName(QStringLiteral("cmCancelar"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdTransferir);
    buttons->addWidget(m_cmCancelar);
    connect(m_cmdTransferir, &QPushButton::clicked, this, &frmTransferencia::cmdTransferir_Click);
    connect(m_cmCancelar, &QPushButton::clicked, this, &frmTransferencia::reject);

    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_progress = new QProgressBar(toolbar);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, ProgressSteps);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    toolbar->addWidget(m_progress);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame3);
    layout->addWidget(frame2);
    layout->addWidget(frame1, 1);
    layout->addLayout(counters);
    layout->addLayout(buttons);
    layout->addWidget(toolbar);
    resize(520, 560);
}

void frmTransferencia::DirDirectorio_Change(const QModelIndex& current)
{
    m_folder = current.isValid() ? m_folders->filePath(current) : QString();
    m_lblDirectorio->setText(m_folder);
}

void frmTransferencia::reject()
{
    // A run in progress sees the request before its next line and stops there.
    m_cancel = true;
    QDialog::reject();
}

void frmTransferencia::setRunning(bool running)
{
    m_running = running;
    m_cmdTransferir->setEnabled(!running);
    m_optTipo[0]->setEnabled(!running);
    m_optTipo[1]->setEnabled(!running && m_ctx.session.periodoDeclaracion >= CashSalesFrom);
    m_dirDirectorio->setEnabled(!running);
    m_progress->setValue(0);
    m_sinceEvents.invalidate();
}

void frmTransferencia::setCounters(const QString& transferred, const QString& refused)
{
    m_lblTransferidos->setText(transferred);
    m_lblRechazados->setText(refused);
}

bool frmTransferencia::showProgress(const ImportProgress& progress)
{
    if (!m_sinceEvents.isValid() || m_sinceEvents.hasExpired(EventsEveryMs)) {
        if (progress.size > 0)
            m_progress->setValue(int(progress.position * ProgressSteps / progress.size));
        setCounters(counterCaption(progress.loaded, importtext::Transferidos),
                    counterCaption(progress.refused, importtext::Rechazados));
        QCoreApplication::processEvents();
        m_sinceEvents.start();
    }
    return !m_cancel;
}

void frmTransferencia::cmdTransferir_Click()
{
    if (m_running || !m_ctx.host.PuedeContinuar())
        return;
    m_cancel = false;
    const Session& s = m_ctx.session;
    ImportRun run(
        m_ctx.db, m_ctx.host,
        {m_folder, s.rutaReportes, s.numFormulario, s.rucDeclarante, s.periodoDeclaracion, s.tasaPercepcion});
    const auto progress = [this](const ImportProgress& p) { return showProgress(p); };
    setRunning(true);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const ImportResult result =
        m_optTipo[0]->isChecked() ? run.Transferencia(progress) : run.Transferencia_VC(progress);
    QApplication::restoreOverrideCursor();
    setRunning(false);
    endOfRun(result);
    recomputeTotals();
}

void frmTransferencia::endOfRun(const ImportResult& result)
{
    switch (result.status) {
    case ImportStatus::Cancelled:
        return;
    case ImportStatus::Finished:
        m_progress->setValue(ProgressSteps);
        setCounters(counterCaption(result.loaded, importtext::Transferidos),
                    counterCaption(result.refused, importtext::Rechazados));
        if (result.refused > 0)
            offerErrorReport(result);
        else
            m_ctx.messages.show(transferredMessage(result.paths.input));
        return;
    case ImportStatus::WrongFieldCount:
        setCounters(importtext::NoneTransferred, importtext::NoneRefused);
        break;
    case ImportStatus::LogFailed:
        setCounters(importtext::NoneImported, importtext::NoneRefusedShort);
        break;
    default:
        setCounters(counterCaption(result.loaded, importtext::Transferidos),
                    counterCaption(result.refused, importtext::Rechazados));
        break;
    }
    if (const std::optional<Message> message = Errores_Transferencia(result))
        m_ctx.messages.show(*message);
}

void frmTransferencia::offerErrorReport(const ImportResult& result)
{
    const bool show = m_ctx.messages.show(refusedQuestion(result.paths.log)) == MsgAnswer::Yes;
    QString report;
    try {
        report = produceImportErrorReport(m_ctx.db, m_ctx.session, result.paths.error);
    } catch (const DbError& e) {
        m_ctx.messages.inform(errorBoxText(e), QStringLiteral("Error"), MsgIcon::Critical);
        return;
    } catch (const ReportError& e) {
        m_ctx.messages.show(reportFailedMessage(e.message()));
        return;
    }
    if (!show)
        return;
    if (m_preview)
        m_preview(report);
    else
        m_ctx.messages.show(reportWrittenMessage(report));
}

void frmTransferencia::recomputeTotals()
{
    try {
        CalcularTot(m_ctx.db);
    } catch (const DbError& e) {
        m_ctx.messages.inform(errorBoxText(e), QStringLiteral("Error"), MsgIcon::Critical);
    }
}
