#include "reportpages.h"

QList<MarkupPage> previewPages(const ReportMarkup& markup, const std::optional<PageRange>& range)
{
    QList<MarkupPage> pages(1);
    const int firstIndex = range ? qMax(0, range->first - 1) : 0;
    for (const MarkupElement& e : markup.commands) {
        if (e.kind == MarkupElement::Kind::PageBreak || e.page < 0)
            continue;
        if (range && !range->contains(e.page))
            continue;
        const int picture = e.page - firstIndex;
        if (picture >= pages.size())
            pages.resize(picture + 1);
        pages[picture].append(e);
    }
    return pages;
}

QList<MarkupPage> printedPages(const ReportMarkup& markup, const std::optional<PageRange>& range)
{
    QList<MarkupPage> pages(1);
    int lastPageRead = 0;
    for (const MarkupElement& e : markup.commands) {
        if (e.kind == MarkupElement::Kind::PageBreak) {
            if (!range || range->contains(lastPageRead))
                pages.append(MarkupPage());
            continue;
        }
        lastPageRead = e.page;
        if (!range || range->contains(e.page))
            pages.last().append(e);
    }
    // A page break right before the end of the document leaves no blank sheet.
    if (pages.size() > 1 && pages.last().isEmpty())
        pages.removeLast();
    const bool anything =
        std::any_of(pages.cbegin(), pages.cend(), [](const MarkupPage& p) { return !p.isEmpty(); });
    return anything ? pages : QList<MarkupPage>();
}
