#pragma once

#include "markupreader.h"
#include "pagerange.h"

#include <optional>

/// The preview's page pictures: without a range, picture n holds the elements of page n, and
/// there are as many pictures as the highest page index asks for (at least one); with a range,
/// the pages of the range fill the pictures from 0 and every other element is left out.
QList<MarkupPage> previewPages(const ReportMarkup& markup, const std::optional<PageRange>& range);

/// The pages a printer gets: the elements between page breaks, in file order. With a range only
/// the elements of its pages are drawn, and a page break starts a printer page only when the
/// element read before it belongs to the range. A last page left empty is not printed; a report
/// with nothing to draw gives no page at all.
QList<MarkupPage> printedPages(const ReportMarkup& markup, const std::optional<PageRange>& range);
