#pragma once

#include "appcontext.h"
#include "detailrows.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct DocumentEntry;
struct DocumentFields;
struct VoucherEntry;

/// One payment voucher behind a perception receipt: type, series, number, date and total
/// value; a credit note is stored negative. Opened by the receipt window, with OpcionDetalle
/// "0" for new vouchers (the window stays open for the next one) or "1" for the one chosen in
/// its list.
class frmPerDet : public QDialog {
    Q_OBJECT
public:
    /// `receipt` is the receipt window's RUC, series and number; `selected` its chosen voucher,
    /// read when OpcionDetalle is "1".
    frmPerDet(const AppContext& ctx, const ReceiptKey& receipt, const VoucherRow& selected = {},
              QWidget* parent = nullptr);

    static inline const QString Caption =
        QStringLiteral("0947 - Detalle del Comprobante de Pago Involucrado");

public slots:
    /// "&Salir", Escape and the window's close button leave the same way.
    void reject() override;

private:
    void buildWindow();
    void guardFields();
    void cargaTipoDoc();
    void typeChosen();
    void limpiaCampos();
    bool validaGrabar();
    void fechaLeft();
    bool aceptar();
    void salir();
    QString typeCode() const;
    bool isChanged() const;
    DocumentEntry document() const;
    VoucherEntry entry() const;
    DocumentFields fields() const;

    AppContext m_ctx;
    ReceiptKey m_receipt;
    bool m_cargando = true;
    bool m_modificado = false;

    QComboBox* CmbTipoDoc = nullptr;
    QLabel* LblDesDoc = nullptr;
    QLineEdit* TxtSerie = nullptr;
    QLineEdit* TxtNumero = nullptr;
    QLineEdit* MkeFecEmis = nullptr;
    QLineEdit* TxtMtoDet = nullptr;
    QPushButton* CmdOpciones[2] = {};
};
