#include "reportsamples.h"

#include "reportwriter.h"

#include <QFile>
#include <QRegularExpression>

void writeSampleReport(const QString& path, int pages, bool landscape)
{
    ReportWriter writer(path);
    writer.EmiteLinea(ReportWriter::tag(QStringLiteral("font"), QStringLiteral("Courier New")));
    writer.EmiteLinea(ReportWriter::tag(QStringLiteral("nHojas"), QString::number(pages)));
    writer.EmiteLinea(ReportWriter::tag(QStringLiteral("Orientacion"),
                                        landscape ? QStringLiteral("H") : QStringLiteral("V")));
    writer.EmiteLinea(ReportWriter::tag(QStringLiteral("Color"), QStringLiteral("&H00FFFFC0&")));
    for (int page = 0; page < pages; ++page) {
        writer.EmitePos(1000, 1000, QStringLiteral("PAGINA ") + QString::number(page + 1), true, 12, page);
        writer.EmiteCuadro(500, 500, 8000, 3000, page);
        writer.EmitePos(0, 0, QStringLiteral("pNuevaHoja"), false, 0, page);
    }
    writer.close();
}

QStringList pageIndexes(const QList<MarkupPage>& pages)
{
    QStringList result;
    for (const MarkupPage& page : pages) {
        QStringList indexes;
        for (const MarkupElement& e : page)
            if (!indexes.contains(QString::number(e.page)))
                indexes.append(QString::number(e.page));
        result.append(indexes.join(QLatin1Char(',')));
    }
    return result;
}

namespace {
QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

int pdfPageCount(const QString& path)
{
    // "/Type /Page" but not "/Type /Pages", the page tree's root.
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    return int(QString::fromLatin1(contentOf(path)).count(page));
}

QSizeF pdfFirstPageSize(const QString& path)
{
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)"));
    const QRegularExpressionMatch m = box.match(QString::fromLatin1(contentOf(path)));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}
