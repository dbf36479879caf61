#pragma once

#include "appcontext.h"
#include "detailrows.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
struct DocumentEntry;
struct DocumentFields;
struct ReceiptEntry;

/// One perception receipt of a subject: series, number, date, amount charged and the
/// perception at the declaration's rate, and either the payment vouchers behind it or, for a
/// cash sale, the type of the voucher that serves as receipt. Opened by the subject window,
/// with OpcionComprobante "0" for a new receipt or "1" for the one chosen in its list.
class FrmDetAgePer : public QDialog {
    Q_OBJECT
public:
    /// `subjectRuc` is the subject window's RUC; `selected` its chosen receipt, read when
    /// OpcionComprobante is "1".
    FrmDetAgePer(const AppContext& ctx, const QString& subjectRuc, const ReceiptRow& selected = {},
                 QWidget* parent = nullptr);

    static inline const QString Caption = QStringLiteral("Detalle de la Percepción");

public slots:
    /// "&Salir", Escape and the window's close button leave the same way.
    void reject() override;

private:
    void buildWindow();
    void guardFields();
    void typeChosen();
    void cashSaleChosen(bool cashSale);
    void amountChanged();
    void refreshVouchers();
    void desActiva();
    bool validaGrabar();
    void fechaLeft();
    void voucherCommand(int index);
    void openVoucher(const VoucherRow& row);
    bool aceptar();
    void salir();
    DocumentEntry document() const;
    ReceiptEntry entry() const;
    ReceiptKey receiptKey() const;
    bool isCashSale() const;
    bool isChanged() const;
    DocumentFields fields() const;

    AppContext m_ctx;
    QString m_rucSujeto;
    QString m_tipoCP;
    bool m_cargando = true;
    bool m_modificado = false;
    QList<VoucherRow> m_vouchers;

    QGroupBox* FraComprobante = nullptr;
    QGroupBox* FraDetalle = nullptr;
    QLineEdit* TxtNumRuc = nullptr;
    QLabel* LblVentaCont = nullptr;
    QRadioButton* OptVentaCont[2] = {};
    QLabel* LblTipoCP = nullptr;
    QComboBox* CmbTipoCP = nullptr;
    QLabel* LblDesCP = nullptr;
    QLineEdit* TxtSerie = nullptr;
    QLineEdit* TxtNumero = nullptr;
    QLineEdit* MkeFecEmis = nullptr;
    QLineEdit* TxtMtoBase = nullptr;
    QLineEdit* TxtPercepcion = nullptr;
    QTableView* GrdDetPer = nullptr;
    QLabel* lblNumTrab = nullptr;
    QPushButton* CmdOpciones1[3] = {};
    QPushButton* CmdOpciones[2] = {};
};
