#pragma once

#include "markupreader.h"

#include <QSizeF>
#include <QStringList>

// Small report files and PDF checks shared by the report tests.

/// A report of `pages` pages written with the report writer, as the declaration report lays
/// out its pages: on page n (from 0) the bold text "PAGINA n+1" and a box, each page closed by
/// a page break.
void writeSampleReport(const QString& path, int pages, bool landscape = false);

/// For each page, the distinct page indexes of its elements ("1", or "" for a blank page).
QStringList pageIndexes(const QList<MarkupPage>& pages);

/// Pages of a PDF file, counted by their page objects.
int pdfPageCount(const QString& path);
/// The size in points of the first page of a PDF file.
QSizeF pdfFirstPageSize(const QString& path);
