#include "markupreader.h"
#include "reportwriter.h"
#include "testregistry.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using Kind = MarkupElement::Kind;
Q_DECLARE_METATYPE(MarkupElement)

namespace {
MarkupElement text(Kind kind, int x, int y, const QString& t, bool bold, int size, int page)
{
    MarkupElement e;
    e.kind = kind;
    e.x = qint16(x);
    e.y = qint16(y);
    e.text = t;
    e.bold = bold;
    e.size = qint16(size);
    e.page = qint16(page);
    return e;
}

MarkupElement box(int x1, int y1, int x2, int y2, int page)
{
    MarkupElement e;
    e.kind = Kind::Box;
    e.x = qint16(x1);
    e.y = qint16(y1);
    e.x2 = qint16(x2);
    e.y2 = qint16(y2);
    e.page = qint16(page);
    return e;
}

MarkupElement pageBreak()
{
    MarkupElement e;
    e.kind = Kind::PageBreak;
    return e;
}

char* describe(const MarkupElement& e)
{
    return QTest::toString(QStringLiteral("kind %1 (%2,%3)-(%4,%5) \"%6\" bold %7 size %8 page %9")
                               .arg(int(e.kind))
                               .arg(e.x)
                               .arg(e.y)
                               .arg(e.x2)
                               .arg(e.y2)
                               .arg(e.text)
                               .arg(e.bold)
                               .arg(e.size)
                               .arg(e.page));
}
} // namespace

namespace QTest {
template <> char* toString(const MarkupElement& e)
{
    return describe(e);
}
} // namespace QTest

class TestMarkupReader : public QObject {
    Q_OBJECT
private slots:
    void readsOneLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("read");
        QTest::addColumn<MarkupElement>("expected");

        const auto row = [](const char* name, const QString& line, const MarkupElement& e) {
            QTest::newRow(name) << line << true << e;
        };
        const auto skipped = [](const char* name, const QString& line) {
            QTest::newRow(name) << line << false << MarkupElement();
        };
        row("text", QStringLiteral("pPos|10|175|Hola mundo|False|8|0|"),
            text(Kind::Text, 10, 175, QStringLiteral("Hola mundo"), false, 8, 0));
        row("vertical text", QStringLiteral("pPosVerti|500|1000|RUC|True|9|2|"),
            text(Kind::VerticalText, 500, 1000, QStringLiteral("RUC"), true, 9, 2));
        row("box", QStringLiteral("pCuadro|150|300|1700|1640|0|"), box(150, 300, 1700, 1640, 0));
        row("page break", QStringLiteral("pNuevaHoja"), pageBreak());
        row("page break among blanks", QStringLiteral("   pNuevaHoja  "), pageBreak());
        row("token ends at aHoja", QStringLiteral("pNuevaHojaXYZ|1|"), pageBreak());
        row("size 0 is 8 and bold in any case", QStringLiteral("pPos|1|2|x|fALSE|0|0|"),
            text(Kind::Text, 1, 2, QStringLiteral("x"), false, 8, 0));
        row("bold upper case", QStringLiteral("pPos|1|2|x|TRUE|16|0|"),
            text(Kind::Text, 1, 2, QStringLiteral("x"), true, 16, 0));
        row("numeric prefix", QStringLiteral("pPos| 120abc|3.9|x|False|8z|1-|"),
            text(Kind::Text, 120, 3, QStringLiteral("x"), false, 8, 1));
        row("16-bit numbers", QStringLiteral("pCuadro|40000|-40000|99999999999999999999|-7|0|"),
            box(32767, -32768, 32767, -7, 0));
        row("text verbatim", QStringLiteral("pPos|0|0|  a<!b!>c aHoja  |False|8|0|"),
            text(Kind::Text, 0, 0, QStringLiteral("  a<!b!>c aHoja  "), false, 8, 0));
        row("blank text", QStringLiteral("pPos|10|175| |False|8|3|"),
            text(Kind::Text, 10, 175, QStringLiteral(" "), false, 8, 3));
        row("bar inside the text", QStringLiteral("pPos|0|0|a|b|True|8|0|"),
            text(Kind::Text, 0, 0, QStringLiteral("a|b"), true, 8, 0));
        row("no closing bar", QStringLiteral("pCuadro|1|2|3|4|5"), box(1, 2, 3, 4, 5));
        row("negative size", QStringLiteral("pPos|0|0|x|False|-4|0|"),
            text(Kind::Text, 0, 0, QStringLiteral("x"), false, 8, 0));
        skipped("unknown command", QStringLiteral("pLinea|1|2|3|4|0|"));
        skipped("command in other case", QStringLiteral("PPOS|1|2|x|False|8|0|"));
        skipped("text without its fields", QStringLiteral("pPos|10|20|text|"));
        skipped("box without its fields", QStringLiteral("pCuadro|1|2|3|"));
        skipped("bare command", QStringLiteral("pPos"));
        skipped("empty line", QString());
        skipped("blank line", QStringLiteral(" "));
        skipped("bars only", QStringLiteral("|||||||"));
    }
    void readsOneLine()
    {
        QFETCH(QString, line);
        QFETCH(bool, read);
        QFETCH(MarkupElement, expected);
        const ReportMarkup markup = readMarkup(line.toLatin1());
        QCOMPARE(markup.commands.size(), read ? 1 : 0);
        if (read)
            QCOMPARE(markup.commands.first(), expected);
    }

    void readsHeaderTags_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("pages");
        QTest::addColumn<qint64>("color"); // -1: none
        QTest::addColumn<bool>("landscape");

        QTest::newRow("declaration")
            << QByteArray("<!font!>Courier New<!/font!>\r\n<!nHojas!>3<!/nHojas!>\r\n"
                          "<!Orientacion!>V<!/Orientacion!>\r\n<!Color!>&H00FFFFC0&<!/Color!>\r\n")
            << QStringLiteral("Courier New") << 3 << qint64(0x00FFFFC0) << false;
        QTest::newRow("annexes")
            << QByteArray("<!Orientacion!>H<!/Orientacion!>\r\n<!Color!> &H80000005& <!/Color!>\r\n")
            << QString() << 0 << qint64(0x80000005) << true;
        QTest::newRow("decimal colour")
            << QByteArray("<!Color!>12632256<!/Color!>") << QString() << 0 << qint64(12632256) << false;
        QTest::newRow("unclosed tags") << QByteArray("<!font!>Arial\r\n<!nHojas!>12\r\n<!Orientacion!> H ")
                                       << QStringLiteral("Arial") << 12 << qint64(-1) << true;
        QTest::newRow("nonsense values") << QByteArray("<!nHojas!>muchas<!/nHojas!>\r\n<!Color!>rojo<!/"
                                                       "Color!>\r\n<!Orientacion!>h<!/Orientacion!>")
                                         << QString() << 0 << qint64(-1) << false;
    }
    void readsHeaderTags()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, font);
        QFETCH(int, pages);
        QFETCH(qint64, color);
        QFETCH(bool, landscape);
        const ReportMarkup markup = readMarkup(bytes);
        QCOMPARE(markup.font, font);
        QCOMPARE(int(markup.pageCount), pages);
        QCOMPARE(markup.color.has_value(), color >= 0);
        if (color >= 0)
            QCOMPARE(qint64(*markup.color), color);
        QCOMPARE(markup.landscape, landscape);
        QVERIFY(markup.commands.isEmpty());
    }

    void lineEndsAndCodePage()
    {
        const ReportMarkup markup = readMarkup("pPos|1|1|A\xF1o|False|8|0|\r\n"
                                               "pPos|2|2|\xD1"
                                               "AND\xDA|False|8|0|\n"
                                               "pPos|3|3|c|False|8|0|\r"
                                               "\r\n"
                                               "pPos|4|4|d|False|8|0|");
        QCOMPARE(markup.commands.size(), 4);
        QCOMPARE(markup.commands[0].text, QStringLiteral("Año"));
        QCOMPARE(markup.commands[1].text, QStringLiteral("ÑANDÚ"));
        QCOMPARE(markup.commands[2].y, qint16(3));
        QCOMPARE(markup.commands[3].y, qint16(4));
    }

    void readsWhatTheWriterWrote()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("00000001.PRN"));
        ReportWriter writer(path);
        writer.EmiteLinea(ReportWriter::tag(QStringLiteral("font"), QStringLiteral("Courier New")));
        writer.EmiteLinea(ReportWriter::tag(QStringLiteral("nHojas"), QStringLiteral("2")));
        writer.EmitePos(380, 350, QStringLiteral("VALDEX"), true, 16, 0);
        writer.EmiteCuadro(150, 300, 1700, 1640, 0);
        writer.EmitePos(0, 0, QStringLiteral("pNuevaHoja"), false, 0, 0);
        writer.EmitePos(9300, 30, QStringLiteral("PERCEPCIÓN"), false, 0, 1);
        writer.EmiteLinea(QStringLiteral("  Interés moratorio  "));
        writer.close();

        const std::optional<ReportMarkup> markup = readMarkupFile(path);
        QVERIFY(markup);
        QCOMPARE(markup->font, QStringLiteral("Courier New"));
        QCOMPARE(markup->pageCount, qint16(2));
        const QList<MarkupElement> expected = {
            text(Kind::Text, 380, 350, QStringLiteral("VALDEX"), true, 16, 0),
            box(150, 300, 1700, 1640, 0),
            pageBreak(),
            text(Kind::Text, 9300, 30, QStringLiteral("PERCEPCIÓN"), false, 8, 1),
            text(Kind::Text, 10, 175, QStringLiteral("  Interés moratorio  "), false, 8, 0),
        };
        QCOMPARE(markup->commands, expected);
        QVERIFY(!readMarkupFile(dir.filePath(QStringLiteral("missing.PRN"))));
    }

    // Damaged files (cut lines, stray bars, binary bytes) read without failing, and whatever is
    // read stays within what the painter can draw.
    void damagedLinesReadSafely()
    {
        const QList<QByteArray> valid = {
            "pPos|10|175|Texto de prueba|False|8|0|",
            "pPosVerti|500|1000|RUC|True|9|2|",
            "pCuadro|150|300|1700|1640|0|",
            "pNuevaHoja",
            "<!nHojas!>3<!/nHojas!>",
            "<!Color!>&H00FFFFC0&<!/Color!>",
        };
        QRandomGenerator random(947);
        QByteArray file;
        for (int i = 0; i < 20000; ++i) {
            QByteArray line = valid.at(random.bounded(int(valid.size())));
            switch (random.bounded(4)) {
            case 0:
                line.truncate(random.bounded(int(line.size()) + 1));
                break;
            case 1:
                line.insert(random.bounded(int(line.size()) + 1), '|');
                break;
            case 2:
                line[random.bounded(int(line.size()))] = char(random.bounded(256));
                break;
            default:
                line.replace("10", "99999999999999999999999");
                break;
            }
            file += line + (random.bounded(2) ? "\r\n" : "\n");
        }
        const ReportMarkup markup = readMarkup(file);
        QVERIFY(!markup.commands.isEmpty());
        for (const MarkupElement& e : markup.commands)
            QVERIFY2(e.size >= 1 && e.size <= 2160, qPrintable(QString::number(e.size)));
    }
};
DECL_TEST(TestMarkupReader)
#include "tst_markupreader.moc"
