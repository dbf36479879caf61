#include "appcontext.h"
#include "application.h"
#include "barradeestadokova.h"
#include "declarationlist.h"
#include "documentrules.h"
#include "frm947.h"
#include "frmageper.h"
#include "frmconsist.h"
#include "frmimprimir.h"
#include "hostutilities.h"
#include "mdifrm.h"
#include "qtmessages.h"
#include "reportdriver.h"
#include "reporteformulario.h"
#include "session.h"
#include "singleinstance.h"
#include "startup.h"
#include "windowopener.h"
#include "windowsystem.h"

#include <QApplication>

namespace {

/// "MMYYYY" of a chooser from a stored "YYYYMM".
QString chooserPeriod(const QString& periodo)
{
    return periodo.mid(4, 2) + periodo.left(4);
}

/// What the declaration window opens: the subject window, the inconsistency notice, and the
/// main window's status bar.
Frm947Hooks declarationHooks(AppContext& context, BarradeEstadoKOVA& statusBar)
{
    Frm947Hooks hooks;
    hooks.openSubject = [&context](QWidget& parent, const SubjectOpening& opening) {
        const SubjectRow selected{opening.sujeto.numDocPer, opening.sujeto.desRazon,
                                  opening.sujeto.desApellidoP, opening.sujeto.desApellidoM,
                                  opening.sujeto.desNombres};
        FrmAgePer window(context, periodText(context.session.periodoDeclaracion), selected, &parent);
        context.opener.openModal(window);
    };
    hooks.showInconsistencies = [&context](QWidget& parent, const QString&) {
        FrmConsist notice(context, &parent);
        context.opener.openModal(notice);
    };
    hooks.showStatus = [&statusBar](Frm947Hooks::Panel panel, const QString& text) {
        switch (panel) {
        case Frm947Hooks::Panel::Ruc:
            statusBar.setNumdoc(text);
            break;
        case Frm947Hooks::Panel::RazonSocial:
            statusBar.setRazonsocial(text);
            break;
        case Frm947Hooks::Panel::Periodo:
            statusBar.setPeriodoEjercicio(text);
            break;
        }
    };
    return hooks;
}

} // namespace

int main(int argc, char** argv)
{
    // Without a display server there is no QApplication to be had; the start-up check then
    // refuses on the console instead of the program crashing.
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    const std::unique_ptr<Messages> messages = createMessages();
    const std::unique_ptr<WindowSystem> windows = createWindowSystem();
    const SingleInstance instance(QStringLiteral("declform"));
    // The integrator's utility object is part of the program: creating it cannot fail.
    HostUtilities host(*messages);

    if (runStartup(*windows, !instance.isFirst(), host, *messages) != StartupOutcome::Continue)
        return 1;
    if (!qobject_cast<QApplication*>(app.get()))
        return 1;

    Session session;
    WindowOpener opener;
    MDIFrm mainWindow(session, *messages, host, opener);
    // The context exists once the configuration is read and the database open.
    if (!mainWindow.load())
        return 1;
    AppContext& context = mainWindow.context();
    BarradeEstadoKOVA& statusBar = mainWindow.barraDeEstado();

    const Frm947Hooks hooks = declarationHooks(context, statusBar);
    mainWindow.setDeclarationWindow(
        [&context, &hooks](QWidget& parent,
                           const std::optional<DeclarationRow>& chosen) -> std::unique_ptr<QDialog> {
            Frm947Opening opening;
            if (chosen)
                opening = {chosen->ruc, chosen->nombre, chooserPeriod(chosen->periodo)};
            return std::make_unique<Frm947>(context, opening, hooks, &parent);
        });

    ReportKinds reportKinds;
    addDeclarationReports(
        reportKinds, [&context]() -> HostDatabase& { return context.db; }, host);
    mainWindow.setPrintWindow(
        [&context, &statusBar, &reportKinds](QWidget& parent) -> std::unique_ptr<QDialog> {
            return std::make_unique<frmImprimir>(context, statusBar, reportKinds, &parent);
        });

    mainWindow.show();
    return app->exec();
}
