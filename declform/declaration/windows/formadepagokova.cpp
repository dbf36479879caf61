#include "formadepagokova.h"

#include "entryedit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>

FormaDePagoKOVA::FormaDePagoKOVA(QWidget* parent) : QGroupBox(QStringLiteral("Forma de Pago"), parent)
{
    m_efectivo = new QRadioButton(QStringLiteral("&Efectivo"), this);
    m_efectivo->setObjectName(QStringLiteral("OptFormaPago_0"));
    m_cheque = new QRadioButton(QStringLiteral("C&heque"), this);
    m_cheque->setObjectName(QStringLiteral("OptFormaPago_1"));
    // Neither button is checked while no form of payment is chosen ("X").
    auto* group = new QButtonGroup(this);
    group->setExclusive(false);
    group->addButton(m_efectivo);
    group->addButton(m_cheque);

    m_bancos = new QComboBox(this);
    m_bancos->setObjectName(QStringLiteral("CmbBanco"));
    m_numeroCheque = new EntryEdit(this);
    m_numeroCheque->setObjectName(QStringLiteral("TxtNumeroCheque"));
    m_numeroCheque->setMaxLength(15);
    m_numeroCheque->setKeyFilter(&EntryEdit::digitsOnly);
    m_importe = new QLineEdit(this);
    m_importe->setObjectName(QStringLiteral("TxtImporte"));
    m_importe->setReadOnly(true);
    m_importe->setFocusPolicy(Qt::NoFocus);
    m_importe->setAlignment(Qt::AlignRight);

    auto* options = new QHBoxLayout;
    options->addWidget(m_efectivo);
    options->addWidget(m_cheque);
    options->addStretch();
    auto* layout = new QFormLayout(this);
    layout->addRow(options);
    layout->addRow(QStringLiteral("Banco :"), m_bancos);
    layout->addRow(QStringLiteral("Nro. Cheque :"), m_numeroCheque);
    layout->addRow(QStringLiteral("Importe a pagar :"), m_importe);

    connect(m_efectivo, &QRadioButton::clicked, this, [this] {
        setFormapago(QStringLiteral("E"));
        emit cambiado();
    });
    connect(m_cheque, &QRadioButton::clicked, this, [this] {
        setFormapago(QStringLiteral("C"));
        emit cambiado();
    });
    connect(m_bancos, &QComboBox::activated, this, [this](int index) {
        m_banco = m_bancos->itemData(index).toString();
        emit cambiado();
    });
    connect(m_numeroCheque, &EntryEdit::typed, this, &FormaDePagoKOVA::cambiado);
    updateFields();
}

void FormaDePagoKOVA::setBancos(const QList<Bank>& banks)
{
    m_bancos->clear();
    for (const Bank& bank : banks)
        m_bancos->addItem(bank.code + QStringLiteral(" - ") + bank.name, bank.code);
    setBanco(m_banco);
}

void FormaDePagoKOVA::setFormapago(const QString& code)
{
    m_formapago = code;
    updateFields();
}

void FormaDePagoKOVA::setBanco(const QString& code)
{
    m_banco = code;
    m_bancos->setCurrentIndex(m_bancos->findData(code.trimmed()));
}

QString FormaDePagoKOVA::NumeroCheque() const
{
    return m_numeroCheque->text();
}

void FormaDePagoKOVA::setNumeroCheque(const QString& number)
{
    m_numeroCheque->setText(number);
}

QString FormaDePagoKOVA::importe() const
{
    return m_importe->text();
}

void FormaDePagoKOVA::setImporte(const QString& amount)
{
    m_importe->setText(amount);
}

void FormaDePagoKOVA::setEstado(const QString& estado)
{
    m_estado = estado;
    updateFields();
}

void FormaDePagoKOVA::updateFields()
{
    const bool editable = m_estado != QLatin1String("0");
    m_efectivo->setChecked(m_formapago == QLatin1String("E"));
    m_cheque->setChecked(m_formapago == QLatin1String("C"));
    m_efectivo->setEnabled(editable);
    m_cheque->setEnabled(editable);
    const bool cheque = editable && m_formapago == QLatin1String("C");
    m_bancos->setEnabled(cheque);
    m_numeroCheque->setEnabled(cheque);
}
