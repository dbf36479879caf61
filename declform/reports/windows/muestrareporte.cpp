#include "muestrareporte.h"

#include "appcontext.h"
#include "frmpreview.h"
#include "reportprinting.h"
#include "windowopener.h"

void MuestraReporte(AppContext& ctx, const QString& fileName, const QString& mode,
                    const std::optional<PageRange>& range, QWidget* parent)
{
    if (mode == ModoVistaPrevia) {
        frmPreview preview(ctx, fileName, range, parent);
        ctx.opener.openModal(preview);
        return;
    }
    if (const std::optional<ReportMarkup> markup = loadReportFile(ctx, fileName))
        printReport(ctx, fileName, *markup, range, parent);
}
