#include "declformwindows.h"

#include "appcontext.h"
#include "barradeestadokova.h"
#include "declarationlist.h"
#include "documentrules.h"
#include "frmageper.h"
#include "frmconsist.h"
#include "frmimprimir.h"
#include "frmtransferencia.h"
#include "mdifrm.h"
#include "muestrareporte.h"
#include "reporteformulario.h"
#include "session.h"
#include "windowopener.h"

#include <QFileInfo>

namespace {

/// "MMYYYY" of a chooser from a stored "YYYYMM".
QString chooserPeriod(const QString& periodo)
{
    return periodo.mid(4, 2) + periodo.left(4);
}

/// What the declaration window opens: the subject window, the import with its error report,
/// the inconsistency notice, and the main window's status bar.
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
    hooks.openImport = [&context](QWidget& parent) {
        frmTransferencia window(context, &parent);
        window.setErrorReportPreview([&context, &window](const QString& reportPath) {
            MuestraReporte(context, QFileInfo(reportPath).fileName(), ModoVistaPrevia, std::nullopt, &window);
        });
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

DeclformWindows::DeclformWindows(MDIFrm& mainWindow)
    : m_declarationHooks(declarationHooks(mainWindow.context(), mainWindow.barraDeEstado()))
{
    AppContext& context = mainWindow.context();
    mainWindow.setDeclarationWindow(
        [&context, this](QWidget& parent,
                         const std::optional<DeclarationRow>& chosen) -> std::unique_ptr<QDialog> {
            Frm947Opening opening;
            if (chosen)
                opening = {chosen->ruc, chosen->nombre, chooserPeriod(chosen->periodo)};
            return std::make_unique<Frm947>(context, opening, m_declarationHooks, &parent);
        });

    addDeclarationReports(
        m_reportKinds, [&context]() -> HostDatabase& { return context.db; }, context.host);
    BarradeEstadoKOVA& statusBar = mainWindow.barraDeEstado();
    mainWindow.setPrintWindow([&context, &statusBar, this](QWidget& parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<frmImprimir>(context, statusBar, m_reportKinds, &parent);
    });
}
