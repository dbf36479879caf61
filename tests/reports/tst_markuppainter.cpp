#include "markuppainter.h"
#include "reportpages.h"
#include "reportsamples.h"
#include "testregistry.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A sheet at 96 dpi: 15 twips to the pixel.
QImage sheet()
{
    QImage image(1000, 600, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
}

bool dark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// The dark pixels of a region: first and last row, first and last column (-1 when none).
struct Extent {
    int top = -1;
    int bottom = -1;
    int left = -1;
    int right = -1;
};
Extent darkExtent(const QImage& image, const QRect& region)
{
    Extent e;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (dark(image, x, y)) {
                e.top = e.top < 0 ? y : e.top;
                e.bottom = y;
                e.left = e.left < 0 ? x : qMin(e.left, x);
                e.right = qMax(e.right, x);
            }
    return e;
}
} // namespace

class TestMarkupPainter : public QObject {
    Q_OBJECT
private slots:
    void drawsAtTwipPositions()
    {
        QImage image = sheet();
        {
            QPainter painter(&image);
            MarkupPainter markup(painter);
            markup.pCuadro(1440, 1440, 2880, 2160); // pixels 96..192 x 96..144
            markup.ppos(4500, 3000, QStringLiteral("HHHH"), false, 8);
            markup.pPosVerti(7500, 3000, QStringLiteral("HHH"), true, 8);
            markup.ppos(10, 6000, QString(146, QLatin1Char('H')), false, 0);
        }
        // The box: its four sides one pixel wide, nothing inside.
        QVERIFY(dark(image, 96, 120));
        QVERIFY(dark(image, 192, 120));
        QVERIFY(dark(image, 144, 96));
        QVERIFY(dark(image, 144, 144));
        QVERIFY(!dark(image, 98, 120));
        QVERIFY(!dark(image, 144, 120));
        QVERIFY(!dark(image, 144, 146));

        // The text hangs below its position (y 200 px): the top of its cell, not its baseline.
        const double ascent = QFontMetricsF(MarkupPainter::reportFont(false, 8)).ascent() / 15;
        const Extent text = darkExtent(image, QRect(290, 180, 80, 40));
        QVERIFY2(text.top >= 200 && text.bottom <= 200 + ascent + 1,
                 qPrintable(QStringLiteral("%1..%2").arg(text.top).arg(text.bottom)));
        QVERIFY(text.left >= 300);

        // Vertical text: three characters 190 twips apart.
        const Extent vertical = darkExtent(image, QRect(495, 180, 20, 80));
        QVERIFY(vertical.top >= 200);
        QVERIFY2(vertical.bottom - vertical.top > 2 * 190 / 15, qPrintable(QString::number(vertical.bottom)));

        // A line of the widest report, size 0 drawn at 8 points: 146 characters of 96 twips, as
        // wide on screen as on paper (about 934 pixels).
        const Extent line = darkExtent(image, QRect(0, 390, 1000, 30));
        QVERIFY2(line.right > 925 && line.right < 940, qPrintable(QString::number(line.right)));
    }

    // Columns of the reports are counted in characters of Courier New, 0.6 em wide.
    void monospaceStandsInForCourierNew()
    {
        const QFont font = MarkupPainter::reportFont(true, 8);
        const QFontInfo info(font);
        QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
        QVERIFY(info.bold());
        QCOMPARE(info.pixelSize(), 8 * 20); // twips
        const double width = QFontMetricsF(font).horizontalAdvance(QString(146, QLatin1Char('M')));
        QVERIFY2(qAbs(width - 146 * 96) < 146, qPrintable(QString::number(width)));
    }

    void pageColors()
    {
        QCOMPARE(markupColor(0x00FFFFC0u), QColor(0xC0, 0xFF, 0xFF));
        QCOMPARE(markupColor(0x000000FFu), QColor(Qt::red));
        QCOMPARE(markupColor(0x80000005u), QColor(Qt::white));
    }

    void printsOnePdfPagePerPrinterPage_data()
    {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<int>("first"); // 0: no range
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("pages");
        QTest::newRow("portrait") << false << 0 << 0 << 3;
        QTest::newRow("landscape") << true << 0 << 0 << 3;
        QTest::newRow("range 2..3") << false << 2 << 3 << 2;
    }
    void printsOnePdfPagePerPrinterPage()
    {
        QFETCH(bool, landscape);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, pages);
        QTemporaryDir dir;
        const QString report = dir.filePath(QStringLiteral("00000001.PRN"));
        writeSampleReport(report, 3, landscape);
        const std::optional<ReportMarkup> markup = readMarkupFile(report);
        QVERIFY(markup);
        const std::optional<PageRange> range =
            first ? std::optional<PageRange>(PageRange{first, last}) : std::nullopt;

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        printer.setOutputFileName(pdf);
        QVERIFY(printMarkupPages(printer, printedPages(*markup, range), markup->landscape));

        QCOMPARE(pdfPageCount(pdf), pages);
        const QSizeF size = pdfFirstPageSize(pdf);
        QCOMPARE(size.width() > size.height(), landscape);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    }

    void unwritablePdfFails()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/nonexistent-folder/report.pdf"));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!printMarkupPages(printer, {MarkupPage()}, true));
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    }
};
DECL_TEST(TestMarkupPainter)
#include "tst_markuppainter.moc"
