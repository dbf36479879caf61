#include "frm947.h"

#include "boxes.h"
#include "entryedit.h"
#include "formadepagokova.h"
#include "hostutilities.h"
#include "maskedfield.h"
#include "period.h"
#include "windowsupport.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

template <typename W> W* named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QPushButton* button(const QString& caption, const QString& name, QWidget* parent)
{
    auto* b = named(new QPushButton(caption, parent), name);
    // Enter moves between fields; it never presses a button of this window.
    b->setAutoDefault(false);
    return b;
}

QLineEdit* readOnlyField(const QString& name, QWidget* parent)
{
    auto* field = named(new QLineEdit(parent), name);
    field->setReadOnly(true);
    legible(*field);
    return field;
}

} // namespace

Frm947::Frm947(AppContext& context, Frm947Opening opening, Frm947Hooks hooks, QWidget* parent)
    : QDialog(parent), m_ctx(context), m_opening(std::move(opening)), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("Frm947"));
    setWindowTitle(Caption);
    buildUi();
    abrir();
}

Frm947::~Frm947() = default;

void Frm947::buildUi()
{
    m_tabs = named(new QTabWidget(this), QStringLiteral("SSTab1"));
    m_tabs->addTab(buildIdentificacion(), QStringLiteral("&Identificación"));
    m_tabs->addTab(buildPercepcion(), QStringLiteral("&Percepción"));
    m_tabs->addTab(buildDeuda(), QStringLiteral("Deuda &Tributaria"));
    connect(m_tabs, &QTabWidget::currentChanged, this,
            [this](int index) { guarded([&] { onTabChanged(index); }); });

    m_cmdValidar = button(QStringLiteral("&Validar"), QStringLiteral("CmdValidar"), this);
    m_cmdGrabar = button(QStringLiteral("&Grabar"), QStringLiteral("CmdGrabar"), this);
    m_cmdCancelar = button(QStringLiteral("&Salir"), QStringLiteral("CmdCancelar"), this);
    connect(m_cmdValidar, &QPushButton::clicked, this, [this] { Validar(); });
    connect(m_cmdGrabar, &QPushButton::clicked, this, [this] { Grabar(); });
    connect(m_cmdCancelar, &QPushButton::clicked, this, [this] { Salir(); });

    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(m_cmdValidar);
    commands->addWidget(m_cmdGrabar);
    commands->addWidget(m_cmdCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(commands);
    resize(720, 460);
}

QWidget* Frm947::buildIdentificacion()
{
    auto* page = new QWidget;

    m_frameRectifica =
        named(new QGroupBox(QStringLiteral("Rectificatoria"), page), QStringLiteral("FraRectifica"));
    m_preguntaRectifica =
        named(new QLabel(QStringLiteral("¿La presente declaración rectifica o sustituye a otra?"),
                         m_frameRectifica),
              QStringLiteral("LblRectifica"));
    m_preguntaRectifica->setWordWrap(true);
    m_rectificaNo =
        named(new QRadioButton(QStringLiteral("No"), m_frameRectifica), QStringLiteral("OptRectifica_0"));
    m_rectificaSi =
        named(new QRadioButton(QStringLiteral("Si"), m_frameRectifica), QStringLiteral("OptRectifica_1"));
    m_rectificaNo->setChecked(true);
    connect(m_rectificaNo, &QRadioButton::clicked, this, [this] { onRectifica(0); });
    connect(m_rectificaSi, &QRadioButton::clicked, this, [this] { onRectifica(1); });
    auto* rectifica = new QHBoxLayout(m_frameRectifica);
    rectifica->addWidget(m_preguntaRectifica, 1);
    rectifica->addWidget(m_rectificaNo);
    rectifica->addWidget(m_rectificaSi);

    m_frameOrden = named(new QGroupBox(QStringLiteral("Número de Orden"), page), QStringLiteral("FraOrden"));
    m_numOrden = named(new EntryEdit(m_frameOrden), QStringLiteral("TxtNumOrdenE_0"));
    m_numOrden->setMaxLength(10);
    m_digitosOrden = named(new EntryEdit(m_frameOrden), QStringLiteral("TxtNumOrdenE_1"));
    m_digitosOrden->setMaxLength(2);
    m_digitosOrden->setMaximumWidth(40);
    for (EntryEdit* field : {m_numOrden, m_digitosOrden}) {
        field->setKeyFilter([this](int code) { return m_ctx.host.FiltraNumero(code, 0); });
        connect(field, &QLineEdit::textChanged, this, [this] { m_modificado = true; });
    }
    auto* orden = new QHBoxLayout(m_frameOrden);
    orden->addWidget(new QLabel(QStringLiteral("Ingrese el número de orden :"), m_frameOrden));
    orden->addWidget(m_numOrden, 1);
    orden->addWidget(new QLabel(QStringLiteral("-"), m_frameOrden));
    orden->addWidget(m_digitosOrden);

    auto* basicos = named(new QGroupBox(QStringLiteral("Datos Básicos"), page), QStringLiteral("FraBasicos"));
    m_cmbRuc = named(new QComboBox(basicos), QStringLiteral("CmbRuc"));
    m_cmbRuc->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cmbRuc->setMinimumContentsLength(30);
    connect(m_cmbRuc, &QComboBox::activated, this,
            [this](int index) { guarded([&] { onRucChosen(index); }); });
    m_txtNumRuc = readOnlyField(QStringLiteral("TxtNumRuc"), basicos);
    m_txtRazon = readOnlyField(QStringLiteral("TxtRazon"), basicos);
    m_mkePeriodo = named(new EntryEdit(basicos), QStringLiteral("MkePeriodo"));
    m_mkePeriodo->setInputMask(PeriodoMask);
    typeEmptyMaskFromTheStart(*m_mkePeriodo);
    m_mkePeriodo->setKeyFilter(&EntryEdit::digitsOnly);
    m_mkePeriodo->setMaximumWidth(90);
    legible(*m_mkePeriodo);
    connect(m_mkePeriodo, &EntryEdit::typed, this, [this] { m_modificado = true; });
    connect(m_mkePeriodo, &EntryEdit::left, this, [this] { guarded([&] { revisaPeriodo(); }); });
    m_lblControl = named(new QLabel(QStringLiteral("Nro. Control :"), basicos), QStringLiteral("LblControl"));
    m_txtControl = readOnlyField(QStringLiteral("TxtControl"), basicos);
    m_txtControl->setMaxLength(8);
    m_txtControl->setMaximumWidth(90);
    m_txtControl->setFocusPolicy(Qt::NoFocus);

    m_txtNumRuc->setMaximumWidth(120);
    auto* ruc = new QHBoxLayout;
    ruc->addWidget(m_cmbRuc, 1);
    ruc->addWidget(m_txtNumRuc);
    ruc->addStretch();
    auto* periodo = new QHBoxLayout;
    periodo->addWidget(m_mkePeriodo);
    periodo->addStretch();
    periodo->addWidget(m_lblControl);
    periodo->addWidget(m_txtControl);
    auto* datos = new QFormLayout(basicos);
    datos->addRow(QStringLiteral("RUC :"), ruc);
    datos->addRow(QStringLiteral("Razón Social :"), m_txtRazon);
    datos->addRow(QStringLiteral("Período Tributario (mm/aaaa) :"), periodo);

    auto* agente =
        named(new QGroupBox(QStringLiteral("Agente de Percepción"), page), QStringLiteral("FraAgente"));
    auto* instruccion = new QLabel(
        QStringLiteral("Señale la modalidad por la que ha sido notificado como Agente de Percepción"),
        agente);
    instruccion->setWordWrap(true);
    m_cmbModPer = named(new QComboBox(agente), QStringLiteral("CmbModPer"));
    m_cmbModPer->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cmbModPer->setMinimumContentsLength(30);
    legible(*m_cmbModPer);
    connect(m_cmbModPer, &QComboBox::activated, this, [this] { guarded([&] { revisaPeriodo(); }); });
    auto* modalidad = new QVBoxLayout(agente);
    modalidad->addWidget(instruccion);
    modalidad->addWidget(m_cmbModPer);

    auto* top = new QHBoxLayout;
    top->addWidget(m_frameRectifica, 1);
    top->addWidget(m_frameOrden, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(basicos);
    layout->addWidget(agente);
    layout->addStretch();
    return page;
}

QWidget* Frm947::buildPercepcion()
{
    auto* page = new QWidget;
    auto* frame =
        named(new QGroupBox(QStringLiteral("Detalle de Percepciones por Sujeto de Percepción"), page),
              QStringLiteral("FraDetalle"));

    m_subjects = new QStandardItemModel(0, 7, this);
    m_subjects->setObjectName(QStringLiteral("DtaNew_0"));
    m_subjects->setHorizontalHeaderLabels(
        {QStringLiteral("RUC"), QStringLiteral("Nombre o Razón Social"),
         QStringLiteral("Monto Total Cobrado"), QStringLiteral("Importe de la Percepción"),
         QStringLiteral("Ape Pat."), QStringLiteral("Ape Mat."), QStringLiteral("Nombres")});
    m_grid = named(new QTableView(frame), QStringLiteral("GrdDatos_0"));
    m_grid->setModel(m_subjects);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->verticalHeader()->hide();
    const int widths[] = {95, 185, 135, 160, 80, 80};
    for (int column = 0; column < 6; ++column)
        m_grid->setColumnWidth(column, widths[column]);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    // A selected row would turn every caption bold, wider than its column, and cut them.
    m_grid->horizontalHeader()->setHighlightSections(false);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!m_refreshing)
            guarded([&] { refrescaTotales(); });
    });
    connect(m_grid, &QTableView::doubleClicked, this, [this] { onOpciones(1); });

    const QStringList captions = {QStringLiteral("&Nuevo"), QStringLiteral("&Modificar"),
                                  QStringLiteral("&Eliminar"), QStringLiteral("Imp&ortar")};
    auto* commands = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        m_opciones[i] = button(captions[i], QStringLiteral("CmdOpciones_%1").arg(i), frame);
        connect(m_opciones[i], &QPushButton::clicked, this, [this, i] { onOpciones(i); });
        commands->addWidget(m_opciones[i]);
    }
    commands->addStretch();

    m_lblNumTrab = named(new QLabel(frame), QStringLiteral("lblNumTrab_0"));
    m_txtBase = readOnlyField(QStringLiteral("TxtBase"), frame);
    m_txtPercepcion = readOnlyField(QStringLiteral("TxtPercepcion"), frame);
    for (QLineEdit* total : {m_txtBase, m_txtPercepcion}) {
        total->setAlignment(Qt::AlignRight);
        total->setFocusPolicy(Qt::NoFocus);
        total->setMaximumWidth(130);
    }
    auto* totals = new QHBoxLayout;
    totals->addWidget(m_lblNumTrab);
    totals->addStretch();
    totals->addWidget(new QLabel(QStringLiteral("Totales :"), frame));
    totals->addWidget(m_txtBase);
    totals->addWidget(m_txtPercepcion);

    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(m_grid, 1);
    inner->addLayout(totals);
    inner->addLayout(commands);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    return page;
}

EntryEdit* Frm947::boxField(int box)
{
    auto* field = named(new EntryEdit, QStringLiteral("TxtValor_%1").arg(box));
    field->setAlignment(Qt::AlignRight);
    field->setKeyFilter(&EntryEdit::digitsOnly);
    field->setMinimumWidth(140);
    if (CasillasEditables.contains(box)) {
        field->setMaxLength(largoAlSalir(box));
    } else {
        field->setEnabled(false);
        grey(*field);
    }
    connect(field, &QLineEdit::textChanged, this, [this, box] { onBoxChanged(box); });
    connect(field, &EntryEdit::typed, this, [this] { m_modificado = true; });
    connect(field, &EntryEdit::entered, this, [this, box] { onBoxEntered(box); });
    connect(field, &EntryEdit::left, this, [this, box] { onBoxLeft(box); });
    m_boxes.insert(box, field);
    return field;
}

QWidget* Frm947::buildDeuda()
{
    auto* page = new QWidget;
    auto* deuda = named(new QGroupBox(page), QStringLiteral("FraDeuda"));
    auto* grid = new QGridLayout(deuda);
    grid->setHorizontalSpacing(8);
    grid->setColumnStretch(0, 1);
    int row = 0;
    for (int box : Casillas) {
        auto* caption = new QLabel(descripcionCasilla(box), deuda);
        // The entered amounts are the lines in between the computed ones, as on the printed form.
        if (CasillasEditables.contains(box) && box != 410)
            caption->setIndent(16);
        auto* number = new QLabel(QString::number(box), deuda);
        number->setFrameShape(QFrame::Box);
        number->setAlignment(Qt::AlignCenter);
        number->setMinimumWidth(36);
        grid->addWidget(caption, row, 0);
        grid->addWidget(number, row, 1);
        grid->addWidget(boxField(box), row, 2);
        ++row;
    }
    grid->setRowStretch(row, 1);

    m_pago = named(new FormaDePagoKOVA(page), QStringLiteral("FormaDePagoKOVA1"));
    connect(m_pago, &FormaDePagoKOVA::cambiado, this, [this] { m_modificado = true; });

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(deuda, 3, Qt::AlignTop);
    layout->addWidget(m_pago, 2, Qt::AlignTop);
    return page;
}
