#pragma once

#include "lists.h"

#include <QGroupBox>

class EntryEdit;
class QComboBox;
class QLineEdit;
class QRadioButton;

/// The integrator's payment panel: the form of payment (cash or cheque), the bank and the
/// cheque number, and the amount to pay the declaration passes to it. Its properties keep
/// the component's own names.
class FormaDePagoKOVA : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QString formapago READ formapago WRITE setFormapago)
    Q_PROPERTY(QString Banco READ Banco WRITE setBanco)
    Q_PROPERTY(QString NumeroCheque READ NumeroCheque WRITE setNumeroCheque)
    Q_PROPERTY(QString importe READ importe WRITE setImporte)
    Q_PROPERTY(QString Estado READ Estado WRITE setEstado)
public:
    explicit FormaDePagoKOVA(QWidget* parent = nullptr);

    /// The banks the user may choose for a cheque.
    void setBancos(const QList<Bank>& banks);

    /// "E" cash, "C" cheque, "X" none chosen.
    QString formapago() const { return m_formapago; }
    void setFormapago(const QString& code);
    /// The chosen bank's code; "" when none is chosen.
    QString Banco() const { return m_banco; }
    void setBanco(const QString& code);
    QString NumeroCheque() const;
    void setNumeroCheque(const QString& number);
    QString importe() const;
    void setImporte(const QString& amount);
    /// "0" shows a declaration that was sent: the panel can no longer be changed.
    QString Estado() const { return m_estado; }
    void setEstado(const QString& estado);

signals:
    /// The user changed the form of payment, the bank or the cheque number.
    void cambiado();

private:
    void updateFields();

    QRadioButton* m_efectivo;
    QRadioButton* m_cheque;
    QComboBox* m_bancos;
    EntryEdit* m_numeroCheque;
    QLineEdit* m_importe;
    QString m_formapago = QStringLiteral("X");
    QString m_banco;
    QString m_estado;
};
