#pragma once

#include <QString>
#include <optional>

/// Pages of a report chosen in the page-range dialog, counted from 1, both bounds included.
struct PageRange {
    int first = 0;
    int last = 0;

    /// Whether the page with zero-based index `pageIndex` lies in the range.
    bool contains(int pageIndex) const { return pageIndex + 1 >= first && pageIndex + 1 <= last; }
    friend bool operator==(const PageRange&, const PageRange&) = default;
};

/// The field of the page-range dialog a problem belongs to, which gets the focus back.
enum class PageRangeField { First, Last };

struct PageRangeProblem {
    QString message;
    PageRangeField field;
};

/// The page-range dialog's checks, in their order, on the two texts typed and the report's page
/// count. The last page is not compared with the count: a range may run past the end.
std::optional<PageRangeProblem> checkPageRange(const QString& first, const QString& last, int totalPages);

/// The range the two texts name, once checkPageRange found nothing wrong.
PageRange pageRangeOf(const QString& first, const QString& last);
