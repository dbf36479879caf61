#pragma once

#include "appcontext.h"
#include "declarationkey.h"
#include "messages.h"
#include "save.h"
#include "workingtables.h"

#include <QDialog>
#include <QMap>
#include <functional>

class EntryEdit;
class FormaDePagoKOVA;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStandardItemModel;
class QTabWidget;
class QTableView;

/// The declaration chosen in a chooser (its selected row), or nothing for a new declaration.
/// The mode (Session::modoOperacion), whether it was sent (declaracionEnviada) and, for a sent
/// one, NumeroOrden, NumeroControl and CorrelEnvio are read from the session.
struct Frm947Opening {
    QString ruc;     ///< column 0 of the chooser's row
    QString nombre;  ///< column 1
    QString periodo; ///< column 2, MMYYYY
};

/// What the subject window is opened for: a new subject ("0") or the subject selected in the
/// declaration's list ("1"), whose row it reads.
struct SubjectOpening {
    QString opcionSujeto;
    SubjectRow sujeto;
};

/// The windows and services of other parts of declform that Frm947 opens or informs. Each is
/// called with the session already set as those windows expect (OpcionSujeto, RucDeclarante,
/// PeriodoDeclaracion, ArchivoMensajes); a hook left empty does nothing.
struct Frm947Hooks {
    enum class Panel { Ruc, RazonSocial, Periodo };

    /// Opens the subject window (FrmAgePer) modally; the list is read again afterwards.
    std::function<void(QWidget& parent, const SubjectOpening& opening)> openSubject;
    /// Opens the import window (frmTransferencia) modally; the list is read again afterwards.
    std::function<void(QWidget& parent)> openImport;
    /// Shows the inconsistency notice (FrmConsist) for the list file written by the validation.
    std::function<void(QWidget& parent, const QString& archivoMensajes)> showInconsistencies;
    /// Sets a panel of the main window's status bar.
    std::function<void(Panel panel, const QString& text)> showStatus;
};

/// The declaration window "0947 Agentes de Percepción": a new declaration (mode 0), a saved
/// one to modify, or a sent one to register its order number. Open it modally through the
/// context's opener.
class Frm947 : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("0947 Agentes de Percepción");

    Frm947(AppContext& context, Frm947Opening opening, Frm947Hooks hooks = {}, QWidget* parent = nullptr);
    ~Frm947() override;

    /// Unsaved changes exist.
    bool modificado() const { return m_modificado; }
    /// The help topic of what the window shows.
    int helpContext() const { return m_helpContext; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Layout (frm947.cpp).
    void buildUi();
    QWidget* buildIdentificacion();
    QWidget* buildPercepcion();
    QWidget* buildDeuda();
    EntryEdit* boxField(int box);

    // Opening and header (frm947header.cpp).
    void abrir();
    void cargaLista();
    void CargaIdent();
    void DesTodo();
    bool nueva() const;
    bool enviada() const;
    QString ruc() const;
    QString periodoTexto() const;
    QString periodo() const;
    QString modalidadItem() const;
    StoredDeclaration declaracion() const;
    void onRucChosen(int index);
    void onRazonChanged();
    void revisaPeriodo();
    bool ValidaPeriodo();
    void BuscaTasa();
    bool ValidaContForm1();
    void onRectifica(int index);
    void onTabChanged(int index);
    void selectTab(int index);
    void Activacion();

    // Boxes, list and detail commands (frm947detail.cpp).
    bool RecuperaCasillas();
    void MuestraCasilla(int box, const QString& value);
    void onBoxChanged(int box);
    void onBoxEntered(int box);
    void onBoxLeft(int box);
    void refrescaLista();
    void refrescaConteo();
    void refrescaTotales();
    void totalesAlAbrir();
    void onOpciones(int index);
    int filaActual() const;

    // Commands (frm947commands.cpp).
    bool Grabar();
    bool grabaDeclaracion();
    bool registraOrden();
    void Validar();
    void Salir();
    void cierra();
    DeclarationForm formulario() const;
    QMap<int, QString> casillas() const;
    PaymentData pago() const;

    // Services.
    MsgAnswer showMessage(const Message& message);
    void mensaje(const QString& text, MsgIcon icon);
    bool pregunta(const QString& text, MsgAnswer defaultAnswer = MsgAnswer::Yes);
    void status(Frm947Hooks::Panel panel, const QString& text);
    /// Runs a step that reads or writes the database; an engine error is shown in a box and the
    /// step answers false, leaving the window open.
    bool guarded(const std::function<void()>& step);

    AppContext& m_ctx;
    Frm947Opening m_opening;
    Frm947Hooks m_hooks;

    bool m_modificado = false;
    bool m_cargando = false;
    bool m_inTabRules = false;
    bool m_refreshing = false;
    bool m_shown = false;
    bool m_closing = false;
    QString m_rectifica;
    QString m_numSujetos; ///< the count last shown under the list (the label's tag)
    int m_posicionSujeto = -1;
    int m_helpContext = 0;

    QTabWidget* m_tabs = nullptr;
    // Identification.
    QGroupBox* m_frameRectifica = nullptr;
    QLabel* m_preguntaRectifica = nullptr;
    QRadioButton* m_rectificaNo = nullptr;
    QRadioButton* m_rectificaSi = nullptr;
    QComboBox* m_cmbRuc = nullptr;
    QLineEdit* m_txtNumRuc = nullptr;
    QLineEdit* m_txtRazon = nullptr;
    EntryEdit* m_mkePeriodo = nullptr;
    QLabel* m_lblControl = nullptr;
    QLineEdit* m_txtControl = nullptr;
    QComboBox* m_cmbModPer = nullptr;
    QGroupBox* m_frameOrden = nullptr;
    EntryEdit* m_numOrden = nullptr;
    EntryEdit* m_digitosOrden = nullptr;
    // Detail.
    QTableView* m_grid = nullptr;
    QStandardItemModel* m_subjects = nullptr;
    QList<SubjectRow> m_rows;
    QPushButton* m_opciones[4] = {};
    QLineEdit* m_txtBase = nullptr;
    QLineEdit* m_txtPercepcion = nullptr;
    QLabel* m_lblNumTrab = nullptr;
    // Debt.
    QMap<int, EntryEdit*> m_boxes;
    FormaDePagoKOVA* m_pago = nullptr;
    // Commands.
    QPushButton* m_cmdValidar = nullptr;
    QPushButton* m_cmdGrabar = nullptr;
    QPushButton* m_cmdCancelar = nullptr;
};
