// The commands of the declaration window: save (or register the order number), validate and
// leave; and how the window shows its messages and database errors.
#include "frm947.h"

#include "boxes.h"
#include "clock.h"
#include "dberror.h"
#include "entryedit.h"
#include "formadepagokova.h"
#include "hostdatabase.h"
#include "hostutilities.h"
#include "lists.h"
#include "lookups.h"
#include "orderdigits.h"
#include "save.h"
#include "session.h"
#include "windowsupport.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>

namespace {
const QString OrdenNoValido = QStringLiteral("     El número de orden no es válido");
const QString DigitoIncorrecto = QStringLiteral("     El digito Verificador es incorrecto");
const QString OrdenIncorrecto = QStringLiteral("El número de orden es incorrecto");
const QString DigitoVerificadorIncorrecto = QStringLiteral("Digito verificador incorrecto");
const QString OrdenCambiado = QStringLiteral(" El número de orden ha cambiado. ¿Desea guardar los cambios?");
const QString FormularioModificado =
    QStringLiteral("¿El formulario ha sido modificado, desea guardar los cambios?");
const QString SinInconsistencias = QStringLiteral("La declaración no presenta inconsistencias.");
const QString MensajesTxt = QStringLiteral("Mens.txt");
} // namespace

QMap<int, QString> Frm947::casillas() const
{
    QMap<int, QString> texts;
    for (auto it = m_boxes.constBegin(); it != m_boxes.constEnd(); ++it)
        texts.insert(it.key(), it.value()->text());
    return texts;
}

PaymentData Frm947::pago() const
{
    return {m_pago->formapago(), m_pago->Banco(), m_pago->NumeroCheque(), m_pago->importe()};
}

DeclarationForm Frm947::formulario() const
{
    DeclarationForm form;
    form.key = declaracion().key;
    form.amounts = casillas();
    form.payment = pago();
    form.rectifica = m_rectificaSi->isChecked()   ? QStringLiteral("1")
                     : m_rectificaNo->isChecked() ? QStringLiteral("0")
                                                  : QString();
    form.modalidad = numeroModalidad(modalidadItem());
    form.numeroSujetos = m_numSujetos;
    form.totalBase = m_txtBase->text();
    form.totalPercepcion = m_txtPercepcion->text();
    form.tasaPercepcion = m_ctx.session.tasaPercepcion;
    return form;
}

bool Frm947::Grabar()
{
    WaitCursor wait;
    if (!m_ctx.host.PuedeContinuar())
        return false;
    bool saved = false;
    guarded([&] {
        if (!enviada() && !ValidaContForm1())
            return;
        if (ruc().size() == 8) {
            mensaje(RucDeOcho, MsgIcon::Information);
            return;
        }
        saved = enviada() ? registraOrden() : grabaDeclaracion();
    });
    if (saved)
        m_modificado = false;
    return saved;
}

bool Frm947::grabaDeclaracion()
{
    const DeclarationForm form = formulario();
    const SaveResult saved = GrabaDeclaracion(m_ctx.db, form, Clock::today());
    m_ctx.session.pagoIncompleto = saved.pagoIncompleto;
    if (nueva()) {
        m_mkePeriodo->setEnabled(false);
        m_cmbRuc->setEnabled(false);
    }
    m_modificado = false;
    if (const std::optional<QString> aviso = avisoImporte(form.amounts.value(405), form.amounts.value(410)))
        mensaje(*aviso, MsgIcon::Information);
    mensaje(DescripcionError(m_ctx.db,
                             saved.pagoIncompleto ? DeclaracionGrabadaPagoIncompleto : DeclaracionGrabada),
            MsgIcon::Exclamation);
    return true;
}

bool Frm947::registraOrden()
{
    const QString orden = m_numOrden->text();
    switch (revisaNumeroOrden(m_ctx.session.numeroControl, orden, m_digitosOrden->text())) {
    case OrderNumberCheck::TooShort:
        mensaje(OrdenNoValido, MsgIcon::Critical);
        enfoca(m_digitosOrden);
        return false;
    case OrderNumberCheck::WrongDigits:
        mensaje(DigitoIncorrecto, MsgIcon::Critical);
        enfoca(m_digitosOrden);
        return false;
    case OrderNumberCheck::Valid:
        break;
    }
    registraNumeroOrden(m_ctx.db, declaracion(), orden);
    m_modificado = false;
    mensaje(DescripcionError(m_ctx.db, DeclaracionGrabada), MsgIcon::Exclamation);
    return true;
}

void Frm947::Validar()
{
    WaitCursor wait;
    if (!m_ctx.host.PuedeContinuar())
        return;
    guarded([&] {
        if (!ValidaContForm1())
            return;
        const QMap<int, QString> boxes = casillas();
        if (const std::optional<QString> aviso = avisoImporte(boxes.value(405), boxes.value(410)))
            mensaje(*aviso, MsgIcon::Information);

        Session& session = m_ctx.session;
        session.pagoIncompleto = false;
        session.archivoMensajes = session.rutaSistema + MensajesTxt;
        const QStringList lines = inconsistencias(boxes, pago());
        QString error;
        if (!escribeMensajes(session.archivoMensajes, lines, &error)) {
            mensaje(session.archivoMensajes + QLatin1Char('\n') + error, MsgIcon::Critical);
            return;
        }
        session.pagoIncompleto = !lines.isEmpty();
        if (!session.pagoIncompleto)
            mensaje(SinInconsistencias, MsgIcon::Exclamation);
        else if (m_hooks.showInconsistencies)
            m_hooks.showInconsistencies(*this, session.archivoMensajes);
    });
}

void Frm947::Salir()
{
    if (m_modificado && enviada()) {
        if (pregunta(OrdenCambiado)) {
            switch (
                revisaNumeroOrden(m_ctx.session.numeroControl, m_numOrden->text(), m_digitosOrden->text())) {
            case OrderNumberCheck::TooShort:
                mensaje(OrdenIncorrecto, MsgIcon::Critical);
                return;
            case OrderNumberCheck::WrongDigits:
                mensaje(DigitoVerificadorIncorrecto, MsgIcon::Critical);
                return;
            case OrderNumberCheck::Valid:
                break;
            }
            if (!Grabar())
                return;
        }
    } else if (m_modificado) {
        // A save that was refused or failed keeps the window open with everything entered.
        if (pregunta(FormularioModificado) && !Grabar())
            return;
    }
    cierra();
}

void Frm947::cierra()
{
    status(Frm947Hooks::Panel::Ruc, QString());
    m_closing = true;
    QDialog::done(QDialog::Rejected);
}

void Frm947::reject()
{
    Salir();
}

void Frm947::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    Salir();
}

MsgAnswer Frm947::showMessage(const Message& message)
{
    // A message box shows the normal pointer even while a command runs.
    int waiting = 0;
    while (QGuiApplication::overrideCursor()) {
        QGuiApplication::restoreOverrideCursor();
        ++waiting;
    }
    const MsgAnswer answer = m_ctx.messages.show(message);
    while (waiting-- > 0)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    return answer;
}

void Frm947::mensaje(const QString& text, MsgIcon icon)
{
    showMessage({text, Caption, icon, MsgButtons::Ok, MsgAnswer::Ok});
}

bool Frm947::pregunta(const QString& text, MsgAnswer defaultAnswer)
{
    return showMessage({text, Caption, MsgIcon::Question, MsgButtons::YesNo, defaultAnswer}) ==
           MsgAnswer::Yes;
}

void Frm947::status(Frm947Hooks::Panel panel, const QString& text)
{
    if (m_hooks.showStatus)
        m_hooks.showStatus(panel, text);
}

bool Frm947::guarded(const std::function<void()>& step)
{
    try {
        step();
        return true;
    } catch (const DbError& error) {
        mensaje(errorBoxText(error), MsgIcon::Critical);
        return false;
    }
}
