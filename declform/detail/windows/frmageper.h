#pragma once

#include "appcontext.h"
#include "detailrows.h"

#include <QDialog>
#include <QList>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
struct SubjectEntry;

/// One subject of perception of the declaration being edited: its RUC, its name and the
/// perception receipts issued to it, with its totals. Opened by the declaration window, with
/// OpcionSujeto "0" for a new subject or "1" for the one chosen in its list.
class FrmAgePer : public QDialog {
    Q_OBJECT
public:
    /// `periodo` is the declaration window's period field ("MM/YYYY"); `selected` its chosen
    /// subject, read when OpcionSujeto is "1".
    FrmAgePer(const AppContext& ctx, const QString& periodo, const SubjectRow& selected = {},
              QWidget* parent = nullptr);

    static inline const QString Caption = QStringLiteral("Información del Sujeto de Percepción");

public slots:
    /// "&Salir", Escape and the window's close button leave the same way.
    void reject() override;

private:
    void buildWindow();
    void companyLayout();
    void personLayout();
    void rucChanged(const QString& text);
    void refresh();
    void desActiva();
    bool identityOk(bool withNames);
    void nuevo();
    void modificar();
    void eliminar();
    bool aceptar();
    void salir();
    void openReceipt(const ReceiptRow& row);
    SubjectEntry entry() const;
    bool isNewSubject() const;

    AppContext m_ctx;
    SubjectRow m_selected;
    bool m_modificado = false;
    QList<ReceiptRow> m_rows;

    QGroupBox* FraCliente = nullptr;
    QGroupBox* FraComprobantes = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* TxtNumRuc = nullptr;
    QLineEdit* TxtApePat = nullptr;
    QLineEdit* TxtApeMat = nullptr;
    QLineEdit* TxtNombres = nullptr;
    QLineEdit* TxtBase = nullptr;
    QLineEdit* TxtPercepcion = nullptr;
    QTableView* GrdPer = nullptr;
    QLabel* lblNumTrab = nullptr;
    QPushButton* CmdOpciones[3] = {};
    QPushButton* CmdAceptar = nullptr;
    QPushButton* CmdSalir = nullptr;
};
