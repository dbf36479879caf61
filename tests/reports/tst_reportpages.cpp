#include "pagerange.h"
#include "reportpages.h"
#include "reportsamples.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
std::optional<PageRange> rangeOf(int first, int last)
{
    return first ? std::optional<PageRange>(PageRange{first, last}) : std::nullopt;
}

// Pages 0..4 as the writer lays them out, each closed by a page break.
ReportMarkup fivePages()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.PRN"));
    writeSampleReport(path, 5);
    return readMarkupFile(path).value_or(ReportMarkup());
}
} // namespace

class TestReportPages : public QObject {
    Q_OBJECT
private slots:
    void previewPictures_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("first"); // 0: no range
        QTest::addColumn<int>("last");
        QTest::addColumn<QStringList>("pictures");

        const QByteArray allOnPageZero = "pPos|1|1|a|False|8|0|\r\npNuevaHoja\r\npPos|1|1|b|False|8|0|\r\n"
                                         "pCuadro|1|1|2|2|0|\r\n";
        QTest::newRow("all on page 0") << allOnPageZero << 0 << 0 << QStringList{QStringLiteral("0")};
        QTest::newRow("empty file") << QByteArray() << 0 << 0 << QStringList{QString()};
        QTest::newRow("a page without elements stays blank")
            << QByteArray("pPos|1|1|a|False|8|0|\r\npPos|1|1|c|False|8|2|\r\n") << 0 << 0
            << QStringList{QStringLiteral("0"), QString(), QStringLiteral("2")};
        QTest::newRow("elements out of order")
            << QByteArray("pPos|1|1|b|False|8|1|\r\npPos|1|1|a|False|8|0|\r\npPos|1|1|b|False|8|1|\r\n") << 0
            << 0 << QStringList{QStringLiteral("0"), QStringLiteral("1")};
        QTest::newRow("negative page ignored")
            << QByteArray("pPos|1|1|a|False|8|-1|\r\n") << 0 << 0 << QStringList{QString()};
        QTest::newRow("range past the end") << allOnPageZero << 1 << 7 << QStringList{QStringLiteral("0")};
        QTest::newRow("range without elements") << allOnPageZero << 2 << 3 << QStringList{QString()};
    }
    void previewPictures()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QStringList, pictures);
        QCOMPARE(pageIndexes(previewPages(readMarkup(file), rangeOf(first, last))), pictures);
    }

    void rangeFillsPicturesFromTheFirst()
    {
        const QList<MarkupPage> pictures = previewPages(fivePages(), PageRange{2, 3});
        QCOMPARE(pageIndexes(pictures), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
        QCOMPARE(pictures[0].first().text, QStringLiteral("PAGINA 2"));
        QCOMPARE(pictures[1].first().text, QStringLiteral("PAGINA 3"));
        QCOMPARE(previewPages(fivePages(), std::nullopt).size(), 5);
    }

    void printerPages_data()
    {
        QTest::addColumn<int>("first"); // 0: no range
        QTest::addColumn<int>("last");
        QTest::addColumn<QStringList>("pages");
        const auto pages = [](std::initializer_list<const char*> indexes) {
            QStringList list;
            for (const char* i : indexes)
                list.append(QString::fromLatin1(i));
            return list;
        };
        // The closing page break of the report leaves no blank sheet behind.
        QTest::newRow("whole report") << 0 << 0 << pages({"0", "1", "2", "3", "4"});
        QTest::newRow("range 2..3 skips pages 1, 4, 5 and their breaks") << 2 << 3 << pages({"1", "2"});
        QTest::newRow("first page only") << 1 << 1 << pages({"0"});
        QTest::newRow("last page past the end") << 4 << 7 << pages({"3", "4"});
    }
    void printerPages()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QStringList, pages);
        QCOMPARE(pageIndexes(printedPages(fivePages(), rangeOf(first, last))), pages);
    }

    void printerPagesFollowBreaksNotPageFields()
    {
        const ReportMarkup markup = readMarkup("pPos|1|1|a|False|8|0|\r\npNuevaHoja\r\npNuevaHoja\r\n"
                                               "pPos|1|1|b|False|8|0|\r\n");
        QCOMPARE(pageIndexes(printedPages(markup, std::nullopt)),
                 (QStringList{QStringLiteral("0"), QString(), QStringLiteral("0")}));
        QVERIFY(printedPages(readMarkup("<!nHojas!>1<!/nHojas!>\r\npNuevaHoja\r\n"), std::nullopt).isEmpty());
        QVERIFY(printedPages(fivePages(), PageRange{6, 9}).isEmpty());
    }
};
DECL_TEST(TestReportPages)
#include "tst_reportpages.moc"
