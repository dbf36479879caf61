#include "frmperdet.h"

#include "detailwidgets.h"
#include "documentrules.h"
#include "documenttypes.h"
#include "fieldrules.h"
#include "messages.h"
#include "session.h"
#include "voucherstore.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int AmountLength = 18;
constexpr int CreditNoteAmountLength = 17; // one character less: the amount is stored with its minus sign
} // namespace

frmPerDet::frmPerDet(const AppContext& ctx, const ReceiptKey& receipt, const VoucherRow& selected,
                     QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_receipt(receipt)
{
    setObjectName(QStringLiteral("frmPerDet"));
    setWindowTitle(Caption);
    buildWindow();
    guardFields();
    WaitCursor wait;
    guarded(m_ctx.messages, [this] { cargaTipoDoc(); });
    if (isChanged()) {
        const int index = CmbTipoDoc->findText(selected.typeCode, Qt::MatchStartsWith);
        if (index >= 0) {
            CmbTipoDoc->setCurrentIndex(index);
            typeChosen();
        }
        TxtSerie->setText(selected.series);
        TxtNumero->setText(selected.number);
        MkeFecEmis->setText(selected.date);
        TxtMtoDet->setText(voucherAmountForEditing(selected.typeCode, selected.amount));
        // The voucher's key cannot change.
        setFieldEnabled(CmbTipoDoc, false);
        setFieldEnabled(TxtSerie, false);
        setFieldEnabled(TxtNumero, false);
    }
    m_cargando = false;
}

void frmPerDet::buildWindow()
{
    CmbTipoDoc = new QComboBox(this);
    CmbTipoDoc->setObjectName(QStringLiteral("CmbTipoDoc"));
    CmbTipoDoc->setFixedWidth(fieldWidth(CmbTipoDoc, 5));
    CmbTipoDoc->view()->setMinimumWidth(fieldWidth(CmbTipoDoc, 40));
    LblDesDoc = makeLabel(this, "LblDesDoc", {});
    TxtSerie = makeField(this, "TxtSerie", 4, 4);
    TxtNumero = makeField(this, "TxtNumero", 8, 15);
    MkeFecEmis = makeDateField(this, "MkeFecEmis");
    TxtMtoDet = makeField(this, "TxtMtoDet", AmountLength, 15);
    TxtMtoDet->setAlignment(Qt::AlignRight);

    auto* grid = new QGridLayout;
    grid->addWidget(makeLabel(this, "LblTipoDoc", QStringLiteral("Tipo de doc. :")), 0, 0);
    auto* type = new QHBoxLayout;
    type->addWidget(CmbTipoDoc);
    type->addWidget(LblDesDoc, 1);
    grid->addLayout(type, 0, 1, 1, 3);
    grid->addWidget(makeLabel(this, "LblSerie", QStringLiteral("Serie :")), 1, 0);
    grid->addWidget(TxtSerie, 1, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel(this, "LblNumero", QStringLiteral("Nro. documento :")), 1, 2);
    grid->addWidget(TxtNumero, 1, 3, Qt::AlignLeft);
    grid->addWidget(makeLabel(this, "LblFecEmis", QStringLiteral("Fecha de emisión:")), 2, 0);
    grid->addWidget(MkeFecEmis, 2, 1, 1, 3, Qt::AlignLeft);
    grid->setColumnStretch(4, 1);
    auto* amount = new QHBoxLayout;
    amount->addWidget(makeLabel(this, "LblMtoDet", QStringLiteral("Valor Total del Comprobante de Pago :")));
    amount->addWidget(TxtMtoDet);
    amount->addStretch();

    CmdOpciones[0] = makeButton(this, QStringLiteral("CmdOpciones_0"), QStringLiteral("&Aceptar"));
    CmdOpciones[1] = makeButton(this, QStringLiteral("CmdOpciones_1"), QStringLiteral("&Salir"));
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(CmdOpciones[0]);
    closing->addWidget(CmdOpciones[1]);
    auto* window = new QVBoxLayout(this);
    window->addLayout(grid);
    window->addLayout(amount);
    window->addStretch();
    window->addLayout(closing);
    resize(520, 200);

    connect(CmbTipoDoc, &QComboBox::activated, this, &frmPerDet::typeChosen);
    connect(CmdOpciones[0], &QPushButton::clicked, this,
            [this] { guarded(m_ctx.messages, [this] { aceptar(); }); });
    connect(CmdOpciones[1], &QPushButton::clicked, this, &frmPerDet::reject);
}

void frmPerDet::guardFields()
{
    guardField(CmbTipoDoc, {});
    DocumentFieldHooks hooks;
    hooks.kind = DocumentKind::Voucher;
    hooks.type = [this] { return typeCode(); };
    hooks.typed = [this] { m_modificado = true; };
    hooks.dateLeft = [this] { guarded(m_ctx.messages, [this] { fechaLeft(); }); };
    guardDocumentFields(TxtSerie, TxtNumero, MkeFecEmis, TxtMtoDet, m_ctx.host, hooks);
}

bool frmPerDet::isChanged() const
{
    return m_ctx.session.opcionDetalle == QLatin1String("1");
}

QString frmPerDet::typeCode() const
{
    return typeCodeOf(CmbTipoDoc->currentText());
}

void frmPerDet::cargaTipoDoc()
{
    CmbTipoDoc->clear();
    CmbTipoDoc->addItems(voucherTypeItems(m_ctx.db, true));
    CmbTipoDoc->setCurrentIndex(-1);
}

void frmPerDet::typeChosen()
{
    LblDesDoc->setText(typeDescriptionOf(CmbTipoDoc->currentText()));
    const QString code = typeCode();
    if (code != QLatin1String("99") && TxtNumero->text().trimmed().size() > 8)
        TxtNumero->clear();
    TxtNumero->setMaxLength(numberLength(code));
    if (code == CreditNoteType) {
        TxtMtoDet->clear();
        TxtMtoDet->setMaxLength(CreditNoteAmountLength);
    } else {
        TxtMtoDet->setMaxLength(AmountLength);
    }
    moveFocusOn(CmbTipoDoc);
}

void frmPerDet::limpiaCampos()
{
    cargaTipoDoc();
    LblDesDoc->clear();
    TxtSerie->clear();
    TxtNumero->clear();
    TxtMtoDet->clear();
    MkeFecEmis->clear();
    CmbTipoDoc->setFocus();
}

DocumentFields frmPerDet::fields() const
{
    return {CmbTipoDoc, TxtSerie, TxtNumero, MkeFecEmis, TxtMtoDet};
}

DocumentEntry frmPerDet::document() const
{
    DocumentEntry document;
    document.type = typeCode();
    document.series = TxtSerie->text();
    document.number = TxtNumero->text();
    document.date = MkeFecEmis->displayText();
    document.amount = TxtMtoDet->text();
    return document;
}

VoucherEntry frmPerDet::entry() const
{
    return {m_receipt,        typeCode(), TxtSerie->text(), TxtNumero->text(), MkeFecEmis->displayText(),
            TxtMtoDet->text()};
}

bool frmPerDet::validaGrabar()
{
    const RuleResult failed =
        checkVoucher(document(), m_ctx.session.periodoDeclaracion, m_ctx.host, m_ctx.messages, Caption);
    if (failed)
        showFailure(m_ctx, Caption, *failed, fields().of(failed->focus));
    return !failed;
}

void frmPerDet::fechaLeft()
{
    const QString date = MkeFecEmis->displayText();
    if (date.contains(u'_'))
        return;
    const RuleResult failed =
        ValidaFechaOrigen(date, m_ctx.session.periodoDeclaracion, m_ctx.messages, Caption, m_cargando);
    if (failed)
        showFailure(m_ctx, Caption, *failed, fields().of(failed->focus));
}

bool frmPerDet::aceptar()
{
    if (!validaGrabar())
        return false;
    if (!isChanged()) {
        if (addVoucher(m_ctx.db, entry()) == SaveOutcome::AlreadyExists) {
            showError(m_ctx, Caption, AlreadyEntered);
            return false;
        }
    } else {
        rewriteVoucher(m_ctx.db, entry());
    }
    m_ctx.messages.inform(QStringLiteral("La información se grabó satisfactoriamente"), Caption,
                          MsgIcon::Information);
    if (isChanged()) {
        accept();
    } else {
        // Ready for the next voucher of the same receipt.
        limpiaCampos();
        m_modificado = false;
    }
    return true;
}

void frmPerDet::reject()
{
    guarded(m_ctx.messages, [this] { salir(); });
}

void frmPerDet::salir()
{
    // The window closes also when the save asked for here is refused; what was typed is lost.
    if (m_modificado && m_ctx.messages.ask(ModifiedQuestion, Caption) && aceptar() && isChanged())
        return;
    QDialog::reject();
}
