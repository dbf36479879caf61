#include "reportprinting.h"

#include "appcontext.h"
#include "hostutilities.h"
#include "markuppainter.h"
#include "messages.h"
#include "reportdriver.h"
#include "reportpages.h"
#include "session.h"
#include "spool.h"
#include "windowopener.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {
void showFailure(Messages& messages, int number, const QString& description = {})
{
    messages.show(reportFailureMessage(number, description));
}

// The pages to print, or none after telling the user there is nothing to print.
QList<MarkupPage> pagesToPrint(Messages& messages, const ReportMarkup& markup,
                               const std::optional<PageRange>& range)
{
    QList<MarkupPage> pages = printedPages(markup, range);
    if (pages.isEmpty())
        showFailure(messages, reporterror::NoData);
    return pages;
}
} // namespace

QPageLayout previewPageLayout(bool landscape)
{
    return QPageLayout(QPageSize(QPageSize::A4), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF());
}

std::optional<ReportMarkup> loadReportFile(AppContext& ctx, const QString& fileName)
{
    const QString path = reportFilePath(ctx.session, fileName);
    std::optional<ReportMarkup> markup;
    if (ctx.host.ExisteArchivo(path))
        markup = readMarkupFile(path);
    if (!markup)
        ctx.messages.inform(MissingReportText, MissingReportTitle, MsgIcon::Critical);
    return markup;
}

bool printReport(AppContext& ctx, const QString& fileName, const ReportMarkup& markup,
                 const std::optional<PageRange>& range, QWidget* parent)
{
    const QList<MarkupPage> pages = pagesToPrint(ctx.messages, markup, range);
    if (pages.isEmpty())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(fileName);
    printer.setPageOrientation(markup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printDialog"));
    // The pages come from the page-range dialog, not from the printer's own range.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (ctx.opener.openModal(dialog) != QDialog::Accepted) {
        showFailure(ctx.messages, reporterror::Cancelled);
        return false;
    }
    if (!printer.isValid() || !printMarkupPages(printer, pages, markup.landscape)) {
        showFailure(ctx.messages, reporterror::NoPrinter);
        return false;
    }
    return true;
}

bool saveReportPdf(AppContext& ctx, const QString& pdfPath, const ReportMarkup& markup,
                   const std::optional<PageRange>& range)
{
    const QList<MarkupPage> pages = pagesToPrint(ctx.messages, markup, range);
    if (pages.isEmpty())
        return false;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(pdfPath);
    pdf.setPageLayout(previewPageLayout(markup.landscape));
    if (!printMarkupPages(pdf, pages, markup.landscape)) {
        showFailure(ctx.messages, reporterror::FileAccess,
                    QStringLiteral("No se puede crear el archivo ") + pdfPath);
        return false;
    }
    return true;
}
