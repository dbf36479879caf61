// Opening of the declaration window and the rules of its header: declarant, period, modality,
// rectification and the moves between tabs.
#include "frm947.h"

#include "clock.h"
#include "entryedit.h"
#include "formadepagokova.h"
#include "lists.h"
#include "orderdigits.h"
#include "period.h"
#include "rates.h"
#include "session.h"
#include "storedboxes.h"
#include "windowsupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTabWidget>

namespace {

const QString IngreseRuc = QStringLiteral("Ingrese el RUC.");
const QString DebeSeleccionarContribuyente = QStringLiteral("Debe seleccionar un Contribuyente.");
const QString DebeIngresarPeriodo = QStringLiteral("Debe ingresar Período.");
const QString SenaleModalidad =
    QStringLiteral("Señale la modalidad por la que ha sido notificado como agente de percepción.");
const QString RecuerdeRectificar = QStringLiteral(
    "Recuerde que debe ingresar toda la información declarada anteriormente inclusive la que no "
    "esta rectificando o sustituyendo.");

/// Average width of a letter in the window's font (AnchoPromedioLetra).
int anchoPromedioLetra(const QWidget& widget)
{
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return widget.fontMetrics().horizontalAdvance(letters) / 52;
}

/// FijaAnchoListaCombo: the drop-down list as wide as `chars` characters.
void fijaAnchoLista(QComboBox& combo, int chars)
{
    combo.view()->setMinimumWidth(anchoPromedioLetra(combo) * (chars - 2));
}

/// AjustaListaCombo: the drop-down list as wide as its longest item.
void ajustaLista(QComboBox& combo)
{
    qsizetype longest = 0;
    for (int i = 0; i < combo.count(); ++i)
        longest = std::max(longest, combo.itemText(i).size());
    fijaAnchoLista(combo, int(longest));
}

} // namespace

bool Frm947::nueva() const
{
    return m_ctx.session.modoOperacion == 0;
}

bool Frm947::enviada() const
{
    return m_ctx.session.declaracionEnviada;
}

QString Frm947::ruc() const
{
    return nueva() ? rucDeItem(m_cmbRuc->currentText()) : m_txtNumRuc->text().trimmed();
}

QString Frm947::periodoTexto() const
{
    return m_mkePeriodo->displayText();
}

QString Frm947::periodo() const
{
    return periodKey(periodoTexto());
}

QString Frm947::modalidadItem() const
{
    return m_cmbModPer->currentData().toString();
}

StoredDeclaration Frm947::declaracion() const
{
    return {{ruc(), periodo(), m_ctx.session.numFormulario}, enviada(), m_ctx.session.correlEnvio};
}

void Frm947::abrir()
{
    WaitCursor wait;
    m_cargando = true;
    const bool sent = enviada();
    m_lblControl->setVisible(sent);
    m_txtControl->setVisible(sent);
    m_frameOrden->setVisible(sent);
    if (sent) {
        const QString orden = m_ctx.session.numeroOrden.trimmed();
        m_numOrden->setText(orden == QLatin1String("0") ? QString() : orden);
        m_txtControl->setText(m_ctx.session.numeroControl.trimmed());
        m_helpContext = 1015;
    } else {
        m_helpContext = 1020;
    }

    guarded([&] {
        cargaLista();
        m_pago->setFormapago(QStringLiteral("X"));
        CargaIdent();
        if (m_rectifica == QLatin1String("0") || m_rectifica == QLatin1String("1")) {
            const int index = m_rectifica == QLatin1String("1") ? 1 : 0;
            (index == 1 ? m_rectificaSi : m_rectificaNo)->setChecked(true);
            onRectifica(index);
        }
        if (!nueva() && sent)
            if (const std::optional<QString> orden = numeroOrdenRegistrado(m_ctx.db, declaracion()))
                m_numOrden->setText(*orden);
        cargaTablasTrabajo(m_ctx.db, declaracion());
        refrescaLista();
        totalesAlAbrir();
        refrescaConteo();
        BuscaTasa();
    });

    if (sent) {
        DesTodo();
        const Session& s = m_ctx.session;
        if (s.numeroOrden.trimmed().size() >= 8)
            m_digitosOrden->setText(DigitosOrden(s.numeroControl, s.numeroOrden));
    }
    m_modificado = false;
    m_cargando = false;
}

void Frm947::cargaLista()
{
    if (nueva()) {
        m_cmbRuc->addItems(CargaContribuyentes(m_ctx.db, m_ctx.session));
        m_cmbRuc->setCurrentIndex(-1);
        ajustaLista(*m_cmbRuc);
    }
    // The item text keeps the modality's code and number at fixed positions; the list shows
    // the modality's name.
    for (const QString& item : CargaModalidad(m_ctx.db))
        m_cmbModPer->addItem(item.left(40).trimmed(), item);
    m_cmbModPer->setCurrentIndex(-1);
    fijaAnchoLista(*m_cmbModPer, 30);
    m_pago->setBancos(bancos(m_ctx.db));
}

void Frm947::CargaIdent()
{
    if (nueva()) {
        m_txtNumRuc->setEnabled(false);
        m_txtNumRuc->hide();
        m_cmbRuc->setEnabled(true);
        m_cmbRuc->show();
        m_txtRazon->setEnabled(false);
        return;
    }
    m_cmbRuc->setEnabled(false);
    m_cmbRuc->hide();
    m_txtNumRuc->setEnabled(false);
    m_txtRazon->setEnabled(false);
    m_mkePeriodo->setEnabled(false);
    m_txtNumRuc->setText(m_opening.ruc.trimmed());
    m_txtRazon->setText(m_opening.nombre);
    m_mkePeriodo->setText(periodText(m_opening.periodo));
    onRazonChanged();
}

void Frm947::DesTodo()
{
    for (QWidget* field : {static_cast<QWidget*>(m_txtNumRuc), static_cast<QWidget*>(m_txtRazon),
                           static_cast<QWidget*>(m_mkePeriodo), static_cast<QWidget*>(m_cmbModPer)})
        grey(*field);
    m_cmbModPer->setEnabled(false);
    m_preguntaRectifica->setEnabled(false);
    m_rectificaNo->setEnabled(false);
    m_rectificaSi->setEnabled(false);
    for (int i : {0, 2, 3})
        m_opciones[i]->hide();
    m_opciones[1]->setText(QStringLiteral("&Detalle"));
    for (int box : {402, 404, 410}) {
        m_boxes[box]->setEnabled(false);
        grey(*m_boxes[box]);
    }
    m_cmdValidar->hide();
    m_cmdGrabar->setText(QStringLiteral("&Registrar Nro. Orden"));
    m_cmdGrabar->setMinimumWidth(m_cmdGrabar->sizeHint().width() + 20);
    m_cmdCancelar->setMinimumWidth(m_cmdGrabar->minimumWidth());
}

void Frm947::onRucChosen(int index)
{
    const QString item = m_cmbRuc->itemText(index);
    const QString razon = razonDeItem(item);
    if (razon != m_txtRazon->text()) {
        m_txtRazon->setText(razon);
        onRazonChanged();
    }
    ajustaLista(*m_cmbRuc);
    if (nueva() && m_mkePeriodo->isEnabled())
        enfoca(m_mkePeriodo);
    status(Frm947Hooks::Panel::Ruc, rucDeItem(item));
    status(Frm947Hooks::Panel::RazonSocial, m_txtRazon->text());
}

void Frm947::onRazonChanged()
{
    RecuperaCasillas();
    revisaPeriodo();
}

void Frm947::revisaPeriodo()
{
    if (!nueva())
        return;
    WaitCursor wait;
    if (periodoTexto().contains(QLatin1Char('_'))) {
        selectTab(0);
        return;
    }
    if (!ValidaPeriodo())
        return;
    status(Frm947Hooks::Panel::Periodo, periodoTexto());
    if (declaracionRegistrada(m_ctx.db, declaracion().key)) {
        mensaje(DeclaracionYaRegistrada, MsgIcon::Critical);
        enfoca(m_mkePeriodo);
        return;
    }
    BuscaTasa();
}

bool Frm947::ValidaPeriodo()
{
    switch (::ValidaPeriodo(periodoTexto(), Clock::today())) {
    case PeriodCheck::Incomplete:
        return false;
    case PeriodCheck::Invalid:
        selectTab(0);
        mensaje(PeriodoNoValido, MsgIcon::Critical);
        if (m_mkePeriodo->isEnabled())
            enfoca(m_mkePeriodo);
        return false;
    case PeriodCheck::Valid:
        break;
    }
    return true;
}

void Frm947::BuscaTasa()
{
    m_ctx.session.tasaPercepcion = ::BuscaTasa(m_ctx.db, codigoModalidad(modalidadItem()), periodo());
}

bool Frm947::ValidaContForm1()
{
    const auto fails = [this](const QString& text, QWidget* focus) {
        selectTab(0);
        if (!text.isEmpty())
            mensaje(text, MsgIcon::Critical);
        if (focus && focus->isEnabled())
            enfoca(focus);
        return false;
    };
    if (nueva() && ruc().isEmpty())
        return fails(DebeSeleccionarContribuyente, m_cmbRuc);
    if (nueva() && periodoTexto() == PeriodoVacio)
        return fails(DebeIngresarPeriodo, m_mkePeriodo);
    if (modalidadItem().trimmed().isEmpty())
        return fails(SenaleModalidad, nullptr);
    // Once saved (or past the header) the period field is locked and the row found is this
    // declaration's own.
    if (nueva() && m_mkePeriodo->isEnabled() && declaracionRegistrada(m_ctx.db, declaracion().key))
        return fails(DeclaracionYaRegistrada, m_mkePeriodo);
    if (periodoTexto().trimmed() == PeriodoVacio)
        return fails({}, m_mkePeriodo);
    if (!ValidaPeriodo())
        return fails({}, m_mkePeriodo);
    return true;
}

void Frm947::onRectifica(int index)
{
    m_rectifica = index == 1 ? QStringLiteral("1") : QStringLiteral("0");
    if (index == 1 && !m_cargando)
        mensaje(RecuerdeRectificar, MsgIcon::Exclamation);
    m_modificado = true;
}

void Frm947::selectTab(int index)
{
    // A tab selected by the rules themselves does not run the rules of a tab change again.
    QScopedValueRollback<bool> inRules(m_inTabRules, true);
    m_tabs->setCurrentIndex(index);
}

void Frm947::onTabChanged(int index)
{
    m_helpContext = index == 1 ? 1021 : index == 2 ? 1018 : 1020;
    if (m_inTabRules)
        return;
    QScopedValueRollback<bool> inRules(m_inTabRules, true);
    if (nueva()) {
        if (ruc().isEmpty()) {
            selectTab(0);
            mensaje(IngreseRuc, MsgIcon::Critical);
            if (m_cmbRuc->isEnabled())
                enfoca(m_cmbRuc);
            return;
        }
        if (periodoTexto().contains(QLatin1Char('_'))) {
            selectTab(0);
            mensaje(PeriodoNoValido, MsgIcon::Critical);
            if (m_mkePeriodo->isEnabled())
                enfoca(m_mkePeriodo);
            return;
        }
    }
    refrescaConteo();
    if (index == 0 || !ValidaContForm1())
        return;
    // From the detail tab on, the declarant, period and modality of a new declaration are fixed:
    // the detail entered belongs to them.
    if (nueva() && index == 1) {
        m_cmbModPer->setEnabled(false);
        m_cmbRuc->setEnabled(false);
        m_mkePeriodo->setEnabled(false);
    }
    if (index == 2 && m_boxes[402]->isEnabled())
        m_boxes[402]->setFocus();
}

void Frm947::Activacion()
{
    if (!nueva())
        m_cmbModPer->setEnabled(false);
    refrescaLista();
    if (enviada())
        enfoca(m_numOrden);
}

void Frm947::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (QWidget* main = parentWidget())
        move(main->window()->geometry().topLeft());
    guarded([&] { Activacion(); });
}
