#include "pagerange.h"

#include "vbformat.h"

namespace {
const QString NoFirstPage = QStringLiteral("Ingrese página de inicio.");
const QString FirstBelowOne = QStringLiteral("Página inicial debe ser a partir de 1.");
const QString FirstAfterEnd =
    QStringLiteral("Página inicial no debe ser mayor a total de páginas del reporte.");
const QString NoLastPage = QStringLiteral("Ingrese página de Fin.");
const QString LastBeforeFirst = QStringLiteral("Página de Inicio debe ser mayor a página de Fin.");
} // namespace

std::optional<PageRangeProblem> checkPageRange(const QString& first, const QString& last, int totalPages)
{
    if (first.trimmed().isEmpty())
        return PageRangeProblem{NoFirstPage, PageRangeField::First};
    const double from = Val(first);
    if (from <= 0)
        return PageRangeProblem{FirstBelowOne, PageRangeField::First};
    if (from > totalPages)
        return PageRangeProblem{FirstAfterEnd, PageRangeField::First};
    if (last.trimmed().isEmpty())
        return PageRangeProblem{NoLastPage, PageRangeField::Last};
    if (Val(last) < from)
        return PageRangeProblem{LastBeforeFirst, PageRangeField::Last};
    return std::nullopt;
}

PageRange pageRangeOf(const QString& first, const QString& last)
{
    // Page indexes of a report file are 16-bit numbers: a larger bound names no further page.
    const auto bound = [](const QString& text) { return int(qBound(0.0, Val(text), 32767.0)); };
    return {bound(first), bound(last)};
}
