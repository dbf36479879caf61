#include "frmageper.h"

#include "detailwidgets.h"
#include "frmdetageper.h"
#include "hostutilities.h"
#include "messages.h"
#include "receiptstore.h"
#include "session.h"
#include "subjectrules.h"
#include "subjectstore.h"
#include "vbformat.h"
#include "windowopener.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

FrmAgePer::FrmAgePer(const AppContext& ctx, const QString& periodo, const SubjectRow& selected,
                     QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_selected(selected)
{
    setObjectName(QStringLiteral("FrmAgePer"));
    setWindowTitle(Caption);
    buildWindow();
    if (m_ctx.session.declaracionEnviada)
        desActiva();
    m_ctx.session.periodoDeclaracion = periodo.right(4) + periodo.left(2);

    connect(TxtNumRuc, &QLineEdit::textChanged, this, &FrmAgePer::rucChanged);
    companyLayout();
    if (isNewSubject()) {
        setFieldEnabled(TxtNumRuc, true);
    } else {
        setFieldEnabled(TxtNumRuc, false);
        TxtNumRuc->setText(m_selected.ruc.trimmed());
    }
    guarded(m_ctx.messages, [this] { refresh(); });
}

void FrmAgePer::buildWindow()
{
    FraCliente = new QGroupBox(QStringLiteral("Datos del Cliente"), this);
    FraCliente->setObjectName(QStringLiteral("FraCliente"));
    Label2 = makeLabel(FraCliente, "Label2", QStringLiteral("RUC :"));
    Label1 = makeLabel(FraCliente, "Label1", QStringLiteral("Ap. Paterno :"));
    Label3 = makeLabel(FraCliente, "Label3", QStringLiteral("Ap. Materno :"));
    Label4 = makeLabel(FraCliente, "Label4", QStringLiteral("Razón Social :"));
    TxtNumRuc = makeField(FraCliente, "TxtNumRuc", 11, 11);
    TxtApePat = makeField(FraCliente, "TxtApePat", 20, 20);
    TxtApeMat = makeField(FraCliente, "TxtApeMat", 20, 20);
    TxtNombres = makeField(FraCliente, "TxtNombres", 40, 40);
    auto* identity = new QGridLayout(FraCliente);
    const QList<std::pair<QLabel*, QLineEdit*>> rows = {
        {Label2, TxtNumRuc}, {Label1, TxtApePat}, {Label3, TxtApeMat}, {Label4, TxtNombres}};
    for (int row = 0; row < rows.size(); ++row) {
        identity->addWidget(rows[row].first, row, 0);
        identity->addWidget(rows[row].second, row, 1, Qt::AlignLeft);
    }
    identity->setColumnStretch(2, 1);

    FraComprobantes = new QGroupBox(QStringLiteral("Comprobantes de Percepción emitidos"), this);
    FraComprobantes->setObjectName(QStringLiteral("FraComprobantes"));
    GrdPer = makeGrid(FraComprobantes, QStringLiteral("GrdPer"),
                      {QStringLiteral("\nSerie\nComprobante"), QStringLiteral("\nNúmero\nComprobante"),
                       QStringLiteral("Fecha\nde emisión\nComprobante"), QStringLiteral("Monto\nCobrado"),
                       QStringLiteral("Percepción"), QStringLiteral("Tip_cp"), QStringLiteral("Des_CDP")});
    const int widths[] = {90, 90, 100, 120, 110, 60, 180};
    for (int column = 0; column < 7; ++column)
        GrdPer->setColumnWidth(column, widths[column]);
    GrdPer->horizontalHeader()->setStretchLastSection(true);
    TxtBase = new QLineEdit(FraComprobantes);
    TxtBase->setObjectName(QStringLiteral("TxtBase"));
    TxtBase->hide();
    Label5 = makeLabel(FraComprobantes, "Label5", QStringLiteral("Total Percepción :"));
    TxtPercepcion = makeField(FraComprobantes, "TxtPercepcion", 32767, 18);
    TxtPercepcion->setReadOnly(true);
    TxtPercepcion->setFocusPolicy(Qt::NoFocus);
    TxtPercepcion->setAlignment(Qt::AlignRight);
    setFieldGrey(TxtPercepcion, true);
    lblNumTrab = makeLabel(FraComprobantes, "lblNumTrab", recordCount(0));
    const QString captions[] = {QStringLiteral("&Nuevo"), QStringLiteral("&Modificar"),
                                QStringLiteral("&Eliminar")};
    auto* commands = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        CmdOpciones[i] = makeButton(FraComprobantes, QStringLiteral("CmdOpciones_%1").arg(i), captions[i]);
        commands->addWidget(CmdOpciones[i]);
    }
    commands->addStretch();
    auto* totals = new QHBoxLayout;
    totals->addWidget(lblNumTrab);
    totals->addStretch();
    totals->addWidget(Label5);
    totals->addWidget(TxtPercepcion);
    auto* receipts = new QVBoxLayout(FraComprobantes);
    receipts->addWidget(GrdPer);
    receipts->addLayout(totals);
    receipts->addLayout(commands);

    CmdAceptar = makeButton(this, QStringLiteral("CmdAceptar"), QStringLiteral("&Aceptar"));
    CmdSalir = makeButton(this, QStringLiteral("CmdSalir"), QStringLiteral("&Salir"));
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(CmdAceptar);
    closing->addWidget(CmdSalir);
    auto* window = new QVBoxLayout(this);
    window->addWidget(FraCliente);
    window->addWidget(FraComprobantes, 1);
    window->addLayout(closing);
    resize(860, 520);

    const HostUtilities& host = m_ctx.host;
    const auto typed = [this] { m_modificado = true; };
    guardField(TxtNumRuc, {[&host](int key) { return host.FiltraNumero(key, 0); }, {}, true, typed, {}, {}});
    for (QLineEdit* name : {TxtApePat, TxtApeMat, TxtNombres})
        guardField(name, {[&host](int key) { return nameKey(key, host); }, {}, true, typed, {}, {}});

    connect(CmdOpciones[0], &QPushButton::clicked, this,
            [this] { guarded(m_ctx.messages, [this] { nuevo(); }); });
    connect(CmdOpciones[1], &QPushButton::clicked, this,
            [this] { guarded(m_ctx.messages, [this] { modificar(); }); });
    connect(CmdOpciones[2], &QPushButton::clicked, this,
            [this] { guarded(m_ctx.messages, [this] { eliminar(); }); });
    connect(GrdPer, &QTableView::doubleClicked, this,
            [this] { guarded(m_ctx.messages, [this] { modificar(); }); });
    connect(CmdAceptar, &QPushButton::clicked, this,
            [this] { guarded(m_ctx.messages, [this] { aceptar(); }); });
    connect(CmdSalir, &QPushButton::clicked, this, &FrmAgePer::reject);
}

bool FrmAgePer::isNewSubject() const
{
    return m_ctx.session.opcionSujeto == QLatin1String("0");
}

void FrmAgePer::companyLayout()
{
    Label4->setText(QStringLiteral("Razón Social :"));
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label3),
                       static_cast<QWidget*>(TxtApePat), static_cast<QWidget*>(TxtApeMat)})
        w->hide();
    TxtNombres->setMaxLength(40);
    TxtNombres->setFixedWidth(fieldWidth(TxtNombres, 40));
}

void FrmAgePer::personLayout()
{
    Label4->setText(QStringLiteral("Nombres :"));
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label3),
                       static_cast<QWidget*>(TxtApePat), static_cast<QWidget*>(TxtApeMat)})
        w->show();
    TxtNombres->setMaxLength(20);
    TxtNombres->setFixedWidth(fieldWidth(TxtNombres, 20));
}

void FrmAgePer::rucChanged(const QString& text)
{
    if (isCompany(text)) {
        companyLayout();
        if (!isNewSubject())
            TxtNombres->setText(m_selected.razon);
    } else if (text.size() > 1) {
        personLayout();
        if (!isNewSubject()) {
            TxtApePat->setText(m_selected.apePat);
            TxtApeMat->setText(m_selected.apeMat);
            TxtNombres->setText(m_selected.nombres);
        }
    }
    if (text.size() != 11)
        return;
    guarded(m_ctx.messages, [&] {
        const QStringList warnings =
            rucWarnings(m_ctx.db, text, m_ctx.session.rucDeclarante, isNewSubject(), m_ctx.host);
        for (const QString& warning : warnings) {
            showError(m_ctx, Caption, warning);
            if (TxtNumRuc->isEnabled())
                TxtNumRuc->setFocus();
        }
    });
}

void FrmAgePer::refresh()
{
    WaitCursor wait;
    const QString ruc = TxtNumRuc->text();
    m_rows = subjectReceipts(m_ctx.db, ruc);
    QList<QStringList> shown;
    const QString amountPattern = QStringLiteral("###,###,###,##0.#0");
    for (const ReceiptRow& row : m_rows)
        shown.append({row.series, row.number, row.date, Format(row.amountCharged, amountPattern),
                      Format(row.perception, amountPattern), row.tipCp, row.desCdp});
    setGridRows(GrdPer, shown, {3, 4});
    lblNumTrab->setText(recordCount(m_rows.size()));
    const SubjectTotals totals = subjectTotals(m_ctx.db, ruc);
    TxtBase->setText(totalText(totals.base, TotalBasePattern));
    TxtPercepcion->setText(totalText(totals.perception, TotalPerceptionPattern));
}

void FrmAgePer::desActiva()
{
    for (QLineEdit* name : {TxtApePat, TxtApeMat, TxtNombres})
        setFieldEnabled(name, false);
    CmdOpciones[0]->hide();
    CmdOpciones[2]->hide();
    CmdAceptar->hide();
    CmdOpciones[1]->setText(QStringLiteral("&Detalle"));
}

bool FrmAgePer::identityOk(bool withNames)
{
    const SubjectIdentity identity{TxtNumRuc->text(), TxtApePat->text(), TxtApeMat->text(),
                                   TxtNombres->text()};
    const auto failure = checkSubjectIdentity(identity, m_ctx.session.rucDeclarante, withNames, m_ctx.host);
    if (!failure)
        return true;
    showError(m_ctx, Caption, failure->message);
    QLineEdit* fields[] = {TxtNumRuc, TxtApePat, TxtApeMat, TxtNombres};
    QLineEdit* focus = fields[int(failure->focus)];
    if (focus->isEnabled())
        focus->setFocus();
    return false;
}

void FrmAgePer::nuevo()
{
    m_ctx.session.opcionComprobante = QStringLiteral("0");
    if (!identityOk(true))
        return;
    if (isNewSubject() && subjectExists(m_ctx.db, TxtNumRuc->text())) {
        showError(m_ctx, Caption, RucAlreadyEntered);
        if (TxtNumRuc->isEnabled())
            TxtNumRuc->setFocus();
        return;
    }
    openReceipt({});
    // Receipts may now be stored under this RUC: it can no longer change.
    setFieldEnabled(TxtNumRuc, false);
    m_modificado = true;
}

void FrmAgePer::modificar()
{
    m_ctx.session.opcionComprobante = QStringLiteral("1");
    const int row = currentGridRow(GrdPer);
    if (row < 0)
        return;
    if (!identityOk(false))
        return;
    openReceipt(m_rows.at(row));
    m_modificado = true;
}

void FrmAgePer::eliminar()
{
    const int row = currentGridRow(GrdPer);
    if (row < 0)
        return;
    if (!m_ctx.messages.ask(DeleteQuestion, Caption, MsgAnswer::No))
        return;
    const ReceiptRow& receipt = m_rows.at(row);
    deleteReceipt(m_ctx.db, TxtNumRuc->text(), receipt.series, receipt.number, receipt.tipCp);
    refresh();
}

void FrmAgePer::openReceipt(const ReceiptRow& row)
{
    FrmDetAgePer receipt(m_ctx, TxtNumRuc->text(), row, this);
    m_ctx.opener.openModal(receipt);
    refresh();
}

SubjectEntry FrmAgePer::entry() const
{
    return {TxtNumRuc->text(),  TxtNombres->text(), TxtApePat->text(),    TxtApeMat->text(),
            int(m_rows.size()), TxtBase->text(),    TxtPercepcion->text()};
}

bool FrmAgePer::aceptar()
{
    if (!identityOk(true))
        return false;
    if (m_rows.isEmpty()) {
        showError(m_ctx, Caption, NoVouchersEntered);
        return false;
    }
    if (isNewSubject()) {
        if (addSubject(m_ctx.db, entry()) == SaveOutcome::AlreadyExists) {
            showError(m_ctx, Caption, RucAlreadyEntered);
            if (TxtNumRuc->isEnabled())
                TxtNumRuc->setFocus();
            return false;
        }
    } else {
        rewriteSubject(m_ctx.db, entry());
    }
    accept();
    return true;
}

void FrmAgePer::reject()
{
    guarded(m_ctx.messages, [this] { salir(); });
}

void FrmAgePer::salir()
{
    if (m_ctx.session.declaracionEnviada) {
        QDialog::reject();
        return;
    }
    const QString ruc = TxtNumRuc->text();
    if (!isNewSubject() && m_rows.isEmpty()) {
        if (!m_ctx.messages.ask(NoReceiptsQuestion, Caption))
            return;
        deleteSubject(m_ctx.db, ruc);
        QDialog::reject();
        return;
    }
    if (!isNewSubject() && subjectExists(m_ctx.db, ruc))
        rewriteSubjectTotals(m_ctx.db, entry());
    // A save started here that is refused keeps the window open with what was typed, so a
    // subject's receipts are never left behind without it.
    if (m_modificado && m_ctx.messages.ask(ModifiedQuestion, Caption)) {
        aceptar();
        return;
    }
    if (isNewSubject() && !subjectExists(m_ctx.db, ruc))
        discardSubjectDetail(m_ctx.db, ruc);
    QDialog::reject();
}
