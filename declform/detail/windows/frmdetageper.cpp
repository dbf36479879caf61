#include "frmdetageper.h"

#include "detailwidgets.h"
#include "documentrules.h"
#include "documenttypes.h"
#include "fieldrules.h"
#include "frmperdet.h"
#include "messages.h"
#include "receiptstore.h"
#include "session.h"
#include "voucherstore.h"
#include "windowopener.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace {
// Cash sales, whose payment voucher serves as receipt, exist from this period on.
const QString CashSalesFrom = QStringLiteral("200504");
} // namespace

FrmDetAgePer::FrmDetAgePer(const AppContext& ctx, const QString& subjectRuc, const ReceiptRow& selected,
                           QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_rucSujeto(subjectRuc)
{
    setObjectName(QStringLiteral("FrmDetAgePer"));
    setWindowTitle(Caption);
    buildWindow();
    guardFields();
    WaitCursor wait;
    if (m_ctx.session.declaracionEnviada)
        desActiva();
    guarded(m_ctx.messages, [&] {
        CmbTipoCP->addItems(voucherTypeItems(m_ctx.db, false));
        CmbTipoCP->setCurrentIndex(-1);
    });
    TxtNumRuc->setText(m_rucSujeto);

    if (isChanged()) {
        const int index = CmbTipoCP->findText(selected.tipCp.trimmed(), Qt::MatchStartsWith);
        if (!selected.tipCp.trimmed().isEmpty() && index >= 0) {
            CmbTipoCP->setCurrentIndex(index);
            typeChosen();
        }
        m_tipoCP = selected.tipCp.trimmed(); // the stored type is part of the receipt's key
        const bool cashSale = !selected.tipCp.trimmed().isEmpty();
        OptVentaCont[cashSale ? 1 : 0]->setChecked(true);
        cashSaleChosen(cashSale);
        TxtSerie->setText(selected.series);
        TxtNumero->setText(selected.number);
        MkeFecEmis->setText(selected.date);
        TxtMtoBase->setText(amountForDisplay(selected.amountCharged));
        TxtPercepcion->setText(selected.perception);
        setFieldEnabled(TxtSerie, false);
        setFieldEnabled(TxtNumero, false);
        CmbTipoCP->setEnabled(false);
        OptVentaCont[0]->setEnabled(false);
        OptVentaCont[1]->setEnabled(false);
    } else {
        OptVentaCont[0]->setChecked(true);
        cashSaleChosen(false);
    }
    guarded(m_ctx.messages, [this] { refreshVouchers(); });

    if (m_ctx.session.periodoDeclaracion < CashSalesFrom) {
        OptVentaCont[0]->setChecked(true);
        OptVentaCont[0]->setEnabled(false);
        OptVentaCont[1]->setEnabled(false);
        CmbTipoCP->setCurrentIndex(-1);
        CmbTipoCP->setEnabled(false);
    }
    m_cargando = false;
}

void FrmDetAgePer::buildWindow()
{
    FraComprobante = new QGroupBox(QStringLiteral("Comprobante de Percepción Emitido"), this);
    FraComprobante->setObjectName(QStringLiteral("FraComprobante"));
    TxtNumRuc = makeField(FraComprobante, "TxtNumRuc", 11, 11);
    TxtNumRuc->setReadOnly(true);
    TxtNumRuc->setFocusPolicy(Qt::NoFocus);
    setFieldGrey(TxtNumRuc, true);
    LblVentaCont =
        makeLabel(FraComprobante, "LblVentaCont",
                  QStringLiteral("La venta se ha realizado al contado y se ha utilizado el comprobante de "
                                 "pago como comprobante de percepción?"));
    LblVentaCont->setWordWrap(true);
    auto* options = new QWidget(FraComprobante);
    auto* optionsLayout = new QHBoxLayout(options);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    OptVentaCont[1] = new QRadioButton(QStringLiteral("Si"), options);
    OptVentaCont[1]->setObjectName(QStringLiteral("OptVentaCont_1"));
    OptVentaCont[0] = new QRadioButton(QStringLiteral("No"), options);
    OptVentaCont[0]->setObjectName(QStringLiteral("OptVentaCont_0"));
    optionsLayout->addWidget(OptVentaCont[1]);
    optionsLayout->addWidget(OptVentaCont[0]);
    LblTipoCP = makeLabel(FraComprobante, "LblTipoCP", QStringLiteral("Tipo de Comprobante de pago :"));
    CmbTipoCP = new QComboBox(FraComprobante);
    CmbTipoCP->setObjectName(QStringLiteral("CmbTipoCP"));
    CmbTipoCP->setFixedWidth(fieldWidth(CmbTipoCP, 5));
    CmbTipoCP->view()->setMinimumWidth(fieldWidth(CmbTipoCP, 40));
    LblDesCP = makeLabel(FraComprobante, "LblDesCP", {});
    TxtSerie = makeField(FraComprobante, "TxtSerie", 4, 4);
    TxtNumero = makeField(FraComprobante, "TxtNumero", 8, 15);
    MkeFecEmis = makeDateField(FraComprobante, "MkeFecEmis");
    TxtMtoBase = makeField(FraComprobante, "TxtMtoBase", AmountDisplayLength, 15);
    TxtMtoBase->setAlignment(Qt::AlignRight);
    TxtPercepcion = makeField(FraComprobante, "TxtPercepcion", AmountDisplayLength, 15);
    TxtPercepcion->setAlignment(Qt::AlignRight);
    setFieldEnabled(TxtPercepcion, false);

    // Labels in columns 0, 2 and 4, fields beside them; the last column takes the spare width.
    auto* receipt = new QGridLayout(FraComprobante);
    receipt->addWidget(makeLabel(FraComprobante, "LblNumRuc", QStringLiteral("RUC :")), 0, 0);
    receipt->addWidget(TxtNumRuc, 0, 1, Qt::AlignLeft);
    receipt->addWidget(LblVentaCont, 1, 0, 1, 5);
    receipt->addWidget(options, 1, 5, Qt::AlignLeft);
    receipt->addWidget(LblTipoCP, 2, 0, 1, 2);
    auto* type = new QHBoxLayout;
    type->addWidget(CmbTipoCP);
    type->addWidget(LblDesCP, 1);
    receipt->addLayout(type, 2, 2, 1, 4);
    receipt->addWidget(makeLabel(FraComprobante, "LblSerie", QStringLiteral("Serie :")), 3, 0);
    receipt->addWidget(TxtSerie, 3, 1, Qt::AlignLeft);
    receipt->addWidget(makeLabel(FraComprobante, "LblNumero", QStringLiteral("Número :")), 3, 2);
    receipt->addWidget(TxtNumero, 3, 3, Qt::AlignLeft);
    receipt->addWidget(makeLabel(FraComprobante, "LblFecEmis", QStringLiteral("Fecha de emisión :")), 3, 4);
    receipt->addWidget(MkeFecEmis, 3, 5, Qt::AlignLeft);
    receipt->addWidget(makeLabel(FraComprobante, "LblMtoBase", QStringLiteral("Monto Cobrado :")), 4, 0);
    receipt->addWidget(TxtMtoBase, 4, 1, Qt::AlignLeft);
    receipt->addWidget(makeLabel(FraComprobante, "LblPercepcion", QStringLiteral("Percepción :")), 4, 2);
    receipt->addWidget(TxtPercepcion, 4, 3, Qt::AlignLeft);
    receipt->setColumnStretch(5, 1);

    FraDetalle = new QGroupBox(QStringLiteral("Detalle de comprobantes de pago involucrados"), this);
    FraDetalle->setObjectName(QStringLiteral("FraDetalle"));
    GrdDetPer =
        makeGrid(FraDetalle, QStringLiteral("GrdDetPer"),
                 {QStringLiteral("Tipo de Documento"), QStringLiteral("Serie"), QStringLiteral("Número"),
                  QStringLiteral("Fec. Emisión"), QStringLiteral("tip_doc_detcp"), QStringLiteral("Monto")});
    const int widths[] = {230, 60, 130, 90, 90, 120};
    for (int column = 0; column < 6; ++column)
        GrdDetPer->setColumnWidth(column, widths[column]);
    GrdDetPer->horizontalHeader()->setStretchLastSection(true);
    lblNumTrab = makeLabel(FraDetalle, "lblNumTrab", recordCount(0));
    const QString captions[] = {QStringLiteral("&Nuevo"), QStringLiteral("&Modificar"),
                                QStringLiteral("&Eliminar")};
    auto* commands = new QHBoxLayout;
    commands->addWidget(lblNumTrab);
    commands->addStretch();
    for (int i = 0; i < 3; ++i) {
        CmdOpciones1[i] = makeButton(FraDetalle, QStringLiteral("CmdOpciones1_%1").arg(i), captions[i]);
        commands->addWidget(CmdOpciones1[i]);
        connect(CmdOpciones1[i], &QPushButton::clicked, this,
                [this, i] { guarded(m_ctx.messages, [this, i] { voucherCommand(i); }); });
    }
    auto* vouchers = new QVBoxLayout(FraDetalle);
    vouchers->addWidget(GrdDetPer);
    vouchers->addLayout(commands);

    CmdOpciones[0] = makeButton(this, QStringLiteral("CmdOpciones_0"), QStringLiteral("&Aceptar"));
    CmdOpciones[1] = makeButton(this, QStringLiteral("CmdOpciones_1"), QStringLiteral("&Salir"));
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(CmdOpciones[0]);
    closing->addWidget(CmdOpciones[1]);
    auto* window = new QVBoxLayout(this);
    window->addWidget(FraComprobante);
    window->addWidget(FraDetalle, 1);
    window->addLayout(closing);
    resize(820, 540);

    connect(CmbTipoCP, &QComboBox::activated, this, &FrmDetAgePer::typeChosen);
    connect(OptVentaCont[1], &QRadioButton::clicked, this, [this] { cashSaleChosen(true); });
    connect(OptVentaCont[0], &QRadioButton::clicked, this, [this] { cashSaleChosen(false); });
    connect(TxtMtoBase, &QLineEdit::textChanged, this, &FrmDetAgePer::amountChanged);
    connect(GrdDetPer, &QAbstractItemView::doubleClicked, this,
            [this] { guarded(m_ctx.messages, [this] { voucherCommand(1); }); });
    connect(CmdOpciones[0], &QPushButton::clicked, this,
            [this] { guarded(m_ctx.messages, [this] { aceptar(); }); });
    connect(CmdOpciones[1], &QPushButton::clicked, this, &FrmDetAgePer::reject);
}

void FrmDetAgePer::guardFields()
{
    DocumentFieldHooks hooks;
    hooks.kind = DocumentKind::Receipt;
    hooks.type = [this] { return typeCodeOf(CmbTipoCP->currentText()); };
    hooks.cashSale = [this] { return isCashSale(); };
    hooks.typed = [this] { m_modificado = true; };
    hooks.dateMarksChanged = true;
    hooks.dateLeft = [this] { guarded(m_ctx.messages, [this] { fechaLeft(); }); };
    guardDocumentFields(TxtSerie, TxtNumero, MkeFecEmis, TxtMtoBase, m_ctx.host, hooks);
}

bool FrmDetAgePer::isChanged() const
{
    return m_ctx.session.opcionComprobante == QLatin1String("1");
}

bool FrmDetAgePer::isCashSale() const
{
    return OptVentaCont[1]->isChecked();
}

void FrmDetAgePer::typeChosen()
{
    const QString item = CmbTipoCP->currentText();
    LblDesCP->setText(typeDescriptionOf(item));
    // Once a type is chosen the receipt is a cash sale for good.
    OptVentaCont[0]->setEnabled(false);
    OptVentaCont[1]->setEnabled(false);
    const QString code = typeCodeOf(item);
    if (code != QLatin1String("99") && TxtNumero->text().trimmed().size() > 8)
        TxtNumero->clear();
    TxtNumero->setMaxLength(numberLength(code));
    if (TxtSerie->isEnabled())
        TxtSerie->clear();
    m_tipoCP = code;
    moveFocusOn(CmbTipoCP);
}

void FrmDetAgePer::cashSaleChosen(bool cashSale)
{
    LblTipoCP->setEnabled(cashSale);
    CmbTipoCP->setEnabled(cashSale);
    LblDesCP->setEnabled(cashSale);
    FraDetalle->setEnabled(!cashSale);
}

void FrmDetAgePer::amountChanged()
{
    TxtPercepcion->setText(perceptionText(TxtMtoBase->text(), m_ctx.session.tasaPercepcion));
}

void FrmDetAgePer::refreshVouchers()
{
    m_vouchers = m_tipoCP.isEmpty() ? receiptVouchers(m_ctx.db, receiptKey()) : QList<VoucherRow>();
    QList<QStringList> shown;
    for (const VoucherRow& row : m_vouchers)
        shown.append({row.typeDescription, row.series, row.number, row.date, row.typeCode,
                      voucherAmountShown(row.amount)});
    setGridRows(GrdDetPer, shown, {5});
    lblNumTrab->setText(recordCount(m_vouchers.size()));
}

void FrmDetAgePer::desActiva()
{
    setFieldEnabled(MkeFecEmis, false);
    setFieldEnabled(TxtMtoBase, false);
    for (QPushButton* command : CmdOpciones1)
        command->hide();
    CmdOpciones[0]->hide();
}

ReceiptKey FrmDetAgePer::receiptKey() const
{
    return {TxtNumRuc->text(), TxtSerie->text(), TxtNumero->text()};
}

DocumentEntry FrmDetAgePer::document() const
{
    DocumentEntry document;
    document.cashSale = isCashSale();
    document.type = document.cashSale ? typeCodeOf(CmbTipoCP->currentText()) : QString();
    document.series = TxtSerie->text();
    document.number = TxtNumero->text();
    document.date = MkeFecEmis->displayText();
    document.amount = TxtMtoBase->text();
    return document;
}

ReceiptEntry FrmDetAgePer::entry() const
{
    return {m_rucSujeto,
            TxtSerie->text(),
            TxtNumero->text(),
            m_tipoCP,
            MkeFecEmis->displayText(),
            TxtMtoBase->text(),
            TxtPercepcion->text(),
            m_ctx.session.tasaPercepcion};
}

DocumentFields FrmDetAgePer::fields() const
{
    return {CmbTipoCP, TxtSerie, TxtNumero, MkeFecEmis, TxtMtoBase};
}

bool FrmDetAgePer::validaGrabar()
{
    const RuleResult failed = checkReceipt(document(), m_ctx.session.periodoDeclaracion, m_ctx.host);
    if (failed)
        showFailure(m_ctx, Caption, *failed, fields().of(failed->focus));
    return !failed;
}

void FrmDetAgePer::fechaLeft()
{
    const QString date = MkeFecEmis->displayText();
    if (date.contains(u'_'))
        return;
    if (const RuleResult failed = ValidaFecha(date, m_ctx.session.periodoDeclaracion))
        showFailure(m_ctx, Caption, *failed, fields().of(failed->focus));
}

void FrmDetAgePer::voucherCommand(int index)
{
    m_ctx.session.opcionDetalle = QString::number(index);
    m_modificado = true;
    const int row = currentGridRow(GrdDetPer);
    switch (index) {
    case 0:
        if (!validaGrabar())
            return;
        if (!isChanged() &&
            receiptExists(m_ctx.db, m_rucSujeto, TxtSerie->text(), TxtNumero->text(), m_tipoCP)) {
            showError(m_ctx, Caption, AlreadyEntered);
            return;
        }
        openVoucher({});
        // Vouchers may now be stored under this series and number: they can no longer change.
        setFieldEnabled(TxtSerie, false);
        setFieldEnabled(TxtNumero, false);
        break;
    case 1:
        if (row < 0 || !validaGrabar())
            return;
        openVoucher(m_vouchers.at(row));
        break;
    case 2: {
        if (row < 0 || !m_ctx.messages.ask(DeleteQuestion, Caption, MsgAnswer::No))
            return;
        const VoucherRow& voucher = m_vouchers.at(row);
        deleteVoucher(m_ctx.db, receiptKey(), voucher.typeCode, voucher.series, voucher.number);
        refreshVouchers();
        break;
    }
    }
}

void FrmDetAgePer::openVoucher(const VoucherRow& row)
{
    frmPerDet voucher(m_ctx, receiptKey(), row, this);
    m_ctx.opener.openModal(voucher);
    refreshVouchers();
}

bool FrmDetAgePer::aceptar()
{
    if (!validaGrabar())
        return false;
    if (!isCashSale() && m_vouchers.isEmpty()) {
        showError(m_ctx, Caption, NoVouchersEntered);
        return false;
    }
    if (!isChanged()) {
        if (addReceipt(m_ctx.db, entry()) == SaveOutcome::AlreadyExists) {
            showError(m_ctx, Caption, AlreadyEntered);
            return false;
        }
    } else {
        rewriteReceipt(m_ctx.db, entry());
    }
    // The receipt stays stored; the notice only asks for the voucher that is missing.
    if (!m_vouchers.isEmpty() && onlyCreditNotes(m_ctx.db, receiptKey()))
        m_ctx.messages.inform(
            QStringLiteral("Debe ingresar algún comprobante de pago diferente a nota de crédito."), Caption,
            MsgIcon::Information);
    accept();
    return true;
}

void FrmDetAgePer::reject()
{
    guarded(m_ctx.messages, [this] { salir(); });
}

void FrmDetAgePer::salir()
{
    if (m_ctx.session.declaracionEnviada || !m_modificado) {
        QDialog::reject();
        return;
    }
    const bool cashSale = !m_tipoCP.isEmpty();
    const auto stored = [this] {
        return receiptExists(m_ctx.db, TxtNumRuc->text(), TxtSerie->text(), TxtNumero->text(), m_tipoCP);
    };
    // A save started here that is refused keeps the window open with what was typed.
    if (m_vouchers.isEmpty()) {
        if (isChanged() || !stored()) {
            if (cashSale) {
                if (m_ctx.messages.ask(ModifiedQuestion, Caption)) {
                    aceptar();
                    return;
                }
            } else {
                if (!m_ctx.messages.ask(NoReceiptsQuestion, Caption))
                    return;
                deleteReceiptRow(m_ctx.db, TxtNumRuc->text(), TxtSerie->text(), TxtNumero->text(), m_tipoCP);
            }
        }
    } else if (m_ctx.messages.ask(ModifiedQuestion, Caption)) {
        aceptar();
        return;
    }
    // Vouchers never outlive their receipt.
    if (!cashSale && !stored())
        deleteReceiptVouchers(m_ctx.db, receiptKey());
    QDialog::reject();
}
