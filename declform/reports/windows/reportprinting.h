#pragma once

#include "markupreader.h"
#include "pagerange.h"

#include <QPageLayout>
#include <optional>

class QWidget;
struct AppContext;

/// Message and title when the report file is not in the reports folder.
inline const QString MissingReportText = QStringLiteral("Archivo Físico del Reporte no Existe");
inline const QString MissingReportTitle = QStringLiteral("Error al Imprimir");

/// The page the preview shows and a PDF is written on: A4 without margins, so a position in
/// twips is measured from the corner of the sheet on both.
QPageLayout previewPageLayout(bool landscape);

/// Reads the report file `fileName` (as registered in the spool) from the reports folder; when
/// it is not there, shows "Archivo Físico del Reporte no Existe" and answers nullopt.
std::optional<ReportMarkup> loadReportFile(AppContext& ctx, const QString& fileName);

/// Prints the report on the printer the user picks in the platform's print dialog, opened
/// through the context's opener; only the pages of `range` when there is one. Answers whether
/// the report was printed; every failure (no file, nothing to print, dialog cancelled, printer
/// failure) has been shown.
bool printReport(AppContext& ctx, const QString& fileName, const ReportMarkup& markup,
                 const std::optional<PageRange>& range, QWidget* parent);

/// Writes the pages a printer would get into a PDF file on the preview's page. The same
/// failures are shown, a file that cannot be written as a file error.
bool saveReportPdf(AppContext& ctx, const QString& pdfPath, const ReportMarkup& markup,
                   const std::optional<PageRange>& range);
