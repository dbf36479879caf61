#include "markupreader.h"
#include "printfixture.h"
#include "testregistry.h"

#include <QPoint>
#include <QTest>

namespace {

const QString Sujeto1 = QStringLiteral("20555666773");
const QString Sujeto2 = QStringLiteral("10405060707");
const QString Sujeto3 = QStringLiteral("20444333228");

/// Page and y of the first text element reading `text`, less `above` (a table row's text is
/// 50 twips below its top); (-1, -1) when there is none.
QPoint spotOf(const ReportMarkup& markup, const QString& text, int above = 0)
{
    for (const MarkupElement& e : markup.commands)
        if (e.kind == MarkupElement::Kind::Text && e.text == text)
            return {e.page, e.y - above};
    return {-1, -1};
}

/// The text drawn at (x, y) of a page.
QString textAt(const ReportMarkup& markup, int page, int x, int y)
{
    for (const MarkupElement& e : markup.commands)
        if (e.kind == MarkupElement::Kind::Text && e.page == page && e.x == x && e.y == y)
            return e.text;
    return {};
}

TestDeclaration threeSubjects()
{
    return TestDeclaration()
        .box(401, QStringLiteral("60"))
        .box(402, QStringLiteral("1560"))
        .box(403, QStringLiteral("-1500"))
        .box(405, QStringLiteral("-1500"))
        .box(410, QStringLiteral("0"))
        .box(500, QStringLiteral("01"))
        .box(501, QStringLiteral("3"))
        .box(721, QStringLiteral("1.2"))
        .box(871, QStringLiteral("0"))
        .cash(QStringLiteral("0"))
        .company(Sujeto1, QStringLiteral("COMBUSTIBLES DEL PACIFICO S.A."), QStringLiteral("1000.00"),
                 QStringLiteral("20.00"))
        .person(Sujeto2, QStringLiteral("QUISPE"), QStringLiteral("MAMANI"), QStringLiteral("JUAN CARLOS"),
                QStringLiteral("1500.50"), QStringLiteral("30.01"))
        .company(Sujeto3, QStringLiteral("GRIFOS LA ESTRELLA E.I.R.L."), QStringLiteral("499.50"),
                 QStringLiteral("9.99"));
}

TestDeclaration nineteenSubjects()
{
    return TestDeclaration()
        .companies(19)
        .box(401, QStringLiteral("38"))
        .box(403, QStringLiteral("38"))
        .box(404, QStringLiteral("2"))
        .box(405, QStringLiteral("40"))
        .box(410, QStringLiteral("40"))
        .box(871, QStringLiteral("1"))
        .cheque(QStringLiteral("02"), QStringLiteral("123456"), QStringLiteral("40"));
}

TestDeclaration sending(const QString& correl, const QString& norden, const QString& subject)
{
    return TestDeclaration()
        .sent(correl, norden, QStringLiteral("00012345"))
        .box(401, QStringLiteral("20"))
        .box(403, QStringLiteral("20"))
        .box(405, QStringLiteral("20"))
        .box(410, QStringLiteral("20"))
        .box(500, QStringLiteral("01"))
        .box(501, QStringLiteral("1"))
        .cash(QStringLiteral("20"))
        .company(subject, QStringLiteral("SUJETO DEL ENVIO ") + correl, QStringLiteral("1000.00"),
                 QStringLiteral("20.00"));
}

} // namespace

class TestDeclarationReport : public QObject {
    Q_OBJECT
private slots:
    void writesTheForm_data()
    {
        QTest::addColumn<QList<TestDeclaration>>("stored"); // the first is printed
        QTest::addColumn<QString>("golden");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QPoint>("total"); // page and y of the total row, (-1, -1) without table
        QTest::addColumn<QPoint>("debt");  // page and y of the top of the debt section
        QTest::addColumn<QString>("box403");

        QTest::newRow("box 501 empty") << QList<TestDeclaration>{TestDeclaration()
                                                                     .box(401, QStringLiteral("0"))
                                                                     .box(404, QStringLiteral("15"))
                                                                     .box(405, QStringLiteral("15"))
                                                                     .box(410, QStringLiteral("15"))}
                                       << QStringLiteral("declaracion_sin_sujetos.PRN") << 1 << QPoint(-1, -1)
                                       << QPoint(0, 2300) << QString(16, QLatin1Char(' '));
        QTest::newRow("three subjects, cash, negative box")
            << QList<TestDeclaration>{threeSubjects()} << QStringLiteral("declaracion_tres_sujetos.PRN") << 1
            << QPoint(0, 3860) << QPoint(0, 4460) << QStringLiteral("          (1,500)");
        QTest::newRow("nineteen subjects, cheque, rectification")
            << QList<TestDeclaration>{nineteenSubjects()}
            << QStringLiteral("declaracion_diecinueve_sujetos.PRN") << 2 << QPoint(1, 1970) << QPoint(1, 2570)
            << QStringLiteral("              38");
        QTest::newRow("sent, with control and order numbers")
            << QList<TestDeclaration>{sending(QStringLiteral("002"), QStringLiteral("1234567"), Sujeto1),
                                      sending(QStringLiteral("001"), QStringLiteral("7654321"), Sujeto3)}
            << QStringLiteral("declaracion_enviada.PRN") << 1 << QPoint(0, 3320) << QPoint(0, 3920)
            << QStringLiteral("              20");
    }
    void writesTheForm()
    {
        QFETCH(QList<TestDeclaration>, stored);
        QFETCH(QString, golden);
        QFETCH(int, pages);
        QFETCH(QPoint, total);
        QFETCH(QPoint, debt);
        QFETCH(QString, box403);
        PrintHost f;
        const CheckedReport report = f.checkReport(stored, ReporteElegido::Declaracion, golden);
        QVERIFY2(report.failure.isEmpty(), qPrintable(report.failure));
        const ReportMarkup& markup = report.markup;
        QCOMPARE(report.pages, pages);
        // The count printed on every page is the count of pages written.
        QCOMPARE(int(markup.pageCount), pages);
        QCOMPARE(markup.commands.last().page, pages - 1);
        QCOMPARE(spotOf(markup, QStringLiteral("TOTAL"), 50), total);
        const QPoint title = spotOf(markup, QStringLiteral("DETERMINACION DE LA DEUDA TRIBUTARIA"));
        QCOMPARE(QPoint(title.x(), title.y() - 300), debt);
        QCOMPARE(textAt(markup, debt.x(), 9220, debt.y() + 540 + 2 * 270 + 50), box403);
    }

    void subjectRowsBreakAfterTheNineteenth()
    {
        PrintHost f;
        nineteenSubjects().store(f.host.db());
        const std::optional<ReportMarkup> markup =
            readMarkupFile(f.writeReport(nineteenSubjects(), ReporteElegido::Declaracion));
        QVERIFY(markup);
        QCOMPARE(spotOf(*markup, QStringLiteral("20600000003    "), 50), QPoint(0, 3590));
        QCOMPARE(spotOf(*markup, QStringLiteral("20600000019    "), 50), QPoint(0, 7910));
        QCOMPARE(spotOf(*markup, QStringLiteral("Contribuyente (2/2)")).x(), 1);
        // The second page carries the form's header but no column heading.
        int headings = 0;
        int breaks = 0;
        for (const MarkupElement& e : markup->commands) {
            headings += e.text == QLatin1String("NOMBRE O RAZON SOCIAL");
            breaks += e.kind == MarkupElement::Kind::PageBreak;
        }
        QCOMPARE(headings, 1);
        QCOMPARE(breaks, 1);
    }
};
DECL_TEST(TestDeclarationReport)
#include "tst_declarationreport.moc"
