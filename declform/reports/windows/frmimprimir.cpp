#include "frmimprimir.h"

#include "appcontext.h"
#include "barradeestadokova.h"
#include "dberror.h"
#include "declarationlistmodel.h"
#include "frmimpxpag.h"
#include "messages.h"
#include "muestrareporte.h"
#include "openwindow.h"
#include "printeddeclaration.h"
#include "reportdriver.h"
#include "session.h"
#include "shellfiles.h"
#include "spool.h"
#include "windowopener.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

using Field = DeclarationListModel::Field;

constexpr int NameColumn = 1;
constexpr int PeriodColumn = 2;
constexpr int ColumnPadding = 12;
constexpr int FrameRoom = 80; // the frame, the grid's border and its scroll bar

/// MuestraReporte prints without preview in any mode but "Vprevia".
const QString PrintDirectly = QStringLiteral("xx");

const QList<DeclarationListModel::Column> savedColumns = {
    {QStringLiteral("RUC"), Field::Ruc},
    {QStringLiteral("Razón Social"), Field::Nombre},
    {QStringLiteral("Periodo"), Field::Periodo},
    {QStringLiteral("Formulario"), Field::Formulario},
};

const QList<DeclarationListModel::Column> sentColumns = {
    {QStringLiteral("RUC"), Field::Ruc},           {QStringLiteral("Razón Social"), Field::Nombre},
    {QStringLiteral("Periodo"), Field::Periodo},   {QStringLiteral("Formulario"), Field::Formulario},
    {QStringLiteral("Fecha Env."), Field::FecEnv}, {QStringLiteral("Correl"), Field::Correl},
};

QPushButton* command(int index, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QStringLiteral("CmdImprimir_") + QString::number(index));
    button->setAutoDefault(false);
    return button;
}

QRadioButton* option(int index, const QString& text, QWidget* parent)
{
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QStringLiteral("OptImp_") + QString::number(index));
    return button;
}

} // namespace

frmImprimir::frmImprimir(AppContext& ctx, BarradeEstadoKOVA& statusBar, const ReportKinds& kinds,
                         QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_statusBar(statusBar), m_kinds(kinds),
      m_enviadas(ctx.session.declaracionEnviada)
{
    setObjectName(QStringLiteral("frmImprimir"));
    setWindowTitle(m_enviadas ? QStringLiteral("Imprimir") : QStringLiteral("Imprimir "));
    setProperty("HelpContextID",
                m_enviadas ? helpcontext::DeclaracionesEnviadas : helpcontext::DeclaracionesRegistradas);

    auto* frame = new QGroupBox(m_enviadas ? QStringLiteral("Declaraciones Enviadas")
                                           : QStringLiteral("Declaraciones registradas"),
                                this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_model = new DeclarationListModel(m_enviadas ? sentColumns : savedColumns, this);
    m_model->setObjectName(QStringLiteral("Dta1"));
    m_grid = declarationGrid(*m_model, frame);
    m_grid->installEventFilter(this);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_grid);

    m_declaracion = option(0, QStringLiteral("Declaración"), this);
    m_anexos = option(1, QStringLiteral("Anexos"), this);
    m_declaracion->setChecked(true);
    QPushButton* preliminarButton = command(0, QStringLiteral("&Preliminar"), this);
    QPushButton* imprimirButton = command(1, QStringLiteral("&Imprimir"), this);
    QPushButton* salir = command(2, QStringLiteral("&Salir"), this);

    auto* commands = new QHBoxLayout;
    commands->addWidget(m_declaracion);
    commands->addSpacing(12);
    commands->addWidget(m_anexos);
    commands->addStretch();
    commands->addWidget(preliminarButton);
    commands->addWidget(imprimirButton);
    commands->addWidget(salir);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(commands);

    connect(preliminarButton, &QPushButton::clicked, this, &frmImprimir::preliminar);
    connect(imprimirButton, &QPushButton::clicked, this, &frmImprimir::imprimir);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &QTableView::doubleClicked, this, &frmImprimir::preliminar);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (isEnabled())
            showSelected();
    });

    showRows(declaracionesImprimibles(ctx.db, ctx.session, m_enviadas), 0);
    fitColumns();
}

void frmImprimir::fitColumns()
{
    // Every column shows its texts whole; the name keeps at least its usual width and takes any
    // room left, and the window grows for them.
    m_grid->resizeColumnsToContents();
    m_grid->setColumnWidth(NameColumn,
                           std::max(m_grid->columnWidth(NameColumn), twips(m_enviadas ? 3300 : 4000)));
    if (!m_enviadas)
        m_grid->setColumnWidth(PeriodColumn, std::max(m_grid->columnWidth(PeriodColumn), twips(1000)));
    int columns = 0;
    for (int col = 0; col < m_model->columnCount(); ++col) {
        m_grid->setColumnWidth(col, m_grid->columnWidth(col) + ColumnPadding);
        columns += m_grid->columnWidth(col);
    }
    m_grid->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    resize(std::max(twips(9000), columns + FrameRoom), twips(4800));
}

int frmImprimir::rowCount() const
{
    return m_model->rowCount();
}

int frmImprimir::currentPosition() const
{
    const int row = m_grid->currentIndex().row();
    return row >= 0 && row < m_model->rowCount() ? row : -1;
}

std::optional<DeclarationRow> frmImprimir::selectedRow() const
{
    const int position = currentPosition();
    if (position < 0)
        return std::nullopt;
    return m_model->rows().at(position);
}

void frmImprimir::showRows(QList<DeclarationRow> rows, int position)
{
    m_model->setRows(std::move(rows));
    const int count = m_model->rowCount();
    m_grid->setEnabled(count > 0);
    if (count > 0)
        m_grid->setCurrentIndex(m_model->index(std::clamp(position, 0, count - 1), 0));
}

void frmImprimir::reread()
{
    try {
        showRows(declaracionesImprimibles(m_ctx.db, m_ctx.session, m_enviadas),
                 std::max(currentPosition(), 0));
        m_lastReadFailed = false;
    } catch (const DbError& error) {
        // Closing the box activates the dialog again; a failure is reported once, not in a loop.
        if (!m_lastReadFailed)
            m_ctx.messages.inform(errorBoxText(error), ErrorTitle, MsgIcon::None);
        m_lastReadFailed = true;
    }
}

void frmImprimir::showSelected()
{
    if (const std::optional<DeclarationRow> row = selectedRow())
        m_statusBar.showDeclarant(row->ruc.trimmed(), row->nombre.trimmed(), row->formulario,
                                  row->periodoMMYYYY());
}

void frmImprimir::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !isEnabled())
        return;
    reread();
    if (m_grid->isEnabled()) {
        m_grid->setFocus();
        showSelected();
    }
}

bool frmImprimir::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            preliminar();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<frmImprimir::WrittenReport> frmImprimir::writeReport()
{
    const std::optional<DeclarationRow> row = selectedRow();
    if (!row)
        return std::nullopt;
    const bool anexos = m_anexos->isChecked();
    PrintedDeclaration printed = printedDeclarationOf(*row, m_enviadas);
    QString fileName;
    try {
        printed.tiposDocumento = CargaTiposDocumento(m_ctx.db);
        CargarCasillas(m_ctx.db, printed);
        if (anexos && printed.casilla(501).trimmed().isEmpty()) {
            m_ctx.messages.inform(NoAnnexesText, NoAnnexesTitle, MsgIcon::Information);
            return std::nullopt;
        }
        fileName = RegistraSpool(m_ctx.db, anexos ? reportcode::Annexes : reportcode::Declaration, 6,
                                 printed.declaration.key.ruc, m_ctx.session.usuarioSistema);
    } catch (const DbError& error) {
        m_ctx.messages.inform(errorBoxText(error), ErrorTitle, MsgIcon::None);
        return std::nullopt;
    }
    const ReportRun run =
        ImprimeReporte(m_kinds, m_ctx.messages, anexos ? reportkind::Annexes : reportkind::Declaration,
                       reportFilePath(m_ctx.session, fileName), QVariant::fromValue(printed));
    if (!run.ok)
        return std::nullopt;
    return WrittenReport{fileName, run.pages};
}

void frmImprimir::preliminar()
{
    const int position = currentPosition();
    const std::optional<WrittenReport> report = writeReport();
    if (!report)
        return;
    frmImpxPag pages(m_ctx, report->fileName, report->pages, this);
    m_ctx.opener.openModal(pages);
    if (position >= 0 && position < m_model->rowCount())
        m_grid->setCurrentIndex(m_model->index(position, 0));
}

void frmImprimir::imprimir()
{
    if (const std::optional<WrittenReport> report = writeReport())
        MuestraReporte(m_ctx, report->fileName, PrintDirectly, std::nullopt, this);
}
