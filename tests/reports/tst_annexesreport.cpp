#include "markupreader.h"
#include "printfixture.h"
#include "testregistry.h"

#include <QTest>

namespace {

const QString Sujeto1 = QStringLiteral("20555666773");
const QString Sujeto2 = QStringLiteral("10405060707");
const QString Sujeto3 = QStringLiteral("20444333228");
const QString Legend = QStringLiteral(" DOC. QUE DIO ORIGEN A PERCEPCION");

TestDeclaration withSubjects(TestDeclaration d, int subjects)
{
    return d.box(500, QStringLiteral("01")).box(501, QString::number(subjects));
}

/// One subject whose one receipt has `vouchers` payment vouchers of 10.00.
TestDeclaration oneReceipt(TestDeclaration d, const QString& subject, int vouchers)
{
    d = withSubjects(d, 1).company(subject, QStringLiteral("GRIFOS LA ESTRELLA E.I.R.L."),
                                   QString::number(vouchers * 10) + QStringLiteral(".00"),
                                   QString::number(vouchers * 0.2, 'f', 2));
    d.receipt(subject, QStringLiteral("0001"), QStringLiteral("00000101"),
              QString::number(vouchers * 10) + QStringLiteral(".00"),
              QString::number(vouchers * 0.2, 'f', 2));
    for (int i = 1; i <= vouchers; ++i)
        d.voucher(subject, QStringLiteral("0001"), QStringLiteral("00000101"), QStringLiteral("01"),
                  QStringLiteral("F001"), QString::number(1000 + i), QStringLiteral("10.00"));
    return d;
}

} // namespace

class TestAnnexesReport : public QObject {
    Q_OBJECT
private slots:
    void writesTheAnnexes_data()
    {
        QTest::addColumn<QList<TestDeclaration>>("stored"); // the first is printed
        QTest::addColumn<QString>("golden");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("legendPage"); // -1: no legend
        QTest::addColumn<QString>("line");   // a line the report holds, with the dates the golden file masks

        TestDeclaration example = withSubjects(TestDeclaration(), 2);
        example
            .company(Sujeto1, QStringLiteral("COMBUSTIBLES DEL PACIFICO S.A."), QStringLiteral("1250.50"),
                     QStringLiteral("25.01"))
            .receipt(Sujeto1, QStringLiteral("0001"), QStringLiteral("00000001"), QStringLiteral("1000.00"),
                     QStringLiteral("20.00"))
            .voucher(Sujeto1, QStringLiteral("0001"), QStringLiteral("00000001"), QStringLiteral("01"),
                     QStringLiteral("F001"), QStringLiteral("123"), QStringLiteral("600.00"))
            .voucher(Sujeto1, QStringLiteral("0001"), QStringLiteral("00000001"), QStringLiteral("03"),
                     QStringLiteral("B001"), QStringLiteral("77"), QStringLiteral("400.00"))
            .cashSale(Sujeto1, QStringLiteral("0002"), QStringLiteral("00000005"), QStringLiteral("12"),
                      QStringLiteral("250.50"), QStringLiteral("0.50"))
            // A credit note larger than the sale: the subject's sums fall below zero.
            .person(Sujeto2, QStringLiteral("QUISPE"), QStringLiteral("MAMANI"),
                    QStringLiteral("JUAN CARLOS"), QStringLiteral("-300.00"), QStringLiteral("-6.00"))
            .receipt(Sujeto2, QStringLiteral("0001"), QStringLiteral("00000002"), QStringLiteral("-300.00"),
                     QStringLiteral("-6.00"))
            .voucher(Sujeto2, QStringLiteral("0001"), QStringLiteral("00000002"), QStringLiteral("07"),
                     QStringLiteral("FC01"), QStringLiteral("9"), QStringLiteral("-300.00"));
        QTest::newRow("receipt with two vouchers, cash sale, negative sums")
            << QList<TestDeclaration>{example} << QStringLiteral("anexos_ejemplo.PRN") << 1 << 0
            << QStringLiteral("  0001     00000001    15/04/2005           1,000.00              20.00   "
                              "01  F001  123             10/04/2005              600.00");

        // The subject line and 40 voucher lines fill the page (L = 51): the 41st goes on the next.
        QTest::newRow("page break past line 50, sent")
            << QList<TestDeclaration>{oneReceipt(TestDeclaration().sent(QStringLiteral("001"),
                                                                        QStringLiteral("1234567"),
                                                                        QStringLiteral("00012345")),
                                                 Sujeto3, 41),
                                      oneReceipt(TestDeclaration(), Sujeto1, 2)}
            << QStringLiteral("anexos_salto_de_pagina.PRN") << 2 << 1
            << QString(74, QLatin1Char(' ')) +
                   QStringLiteral("01  F001  1041            10/04/2005               10.00");
        // 11 + 31 vouchers + 1 for the cash sales + 3 of the footer: L ends at 46.
        QTest::newRow("legend on a new page")
            << QList<TestDeclaration>{oneReceipt(TestDeclaration(), Sujeto1, 31)}
            << QStringLiteral("anexos_leyenda_nueva_pagina.PRN") << 2 << 1
            << QStringLiteral("    1 Registros                               310.00               6.20");
        QTest::newRow("legend on the same page")
            << QList<TestDeclaration>{oneReceipt(TestDeclaration(), Sujeto1, 30)}
            << QStringLiteral("anexos_leyenda_misma_pagina.PRN") << 1 << 0
            << QStringLiteral("    1 Registros                               300.00               6.00");
        // Its line would otherwise only go out with a first voucher, while its amounts are summed.
        QTest::newRow("receipt without vouchers")
            << QList<TestDeclaration>{withSubjects(TestDeclaration(), 1)
                                          .company(Sujeto1, QStringLiteral("COMBUSTIBLES DEL PACIFICO S.A."),
                                                   QStringLiteral("100.00"), QStringLiteral("2.00"))
                                          .receipt(Sujeto1, QStringLiteral("0001"),
                                                   QStringLiteral("00000009"), QStringLiteral("100.00"),
                                                   QStringLiteral("2.00"))}
            << QStringLiteral("anexos_recibo_sin_comprobantes.PRN") << 1 << 0
            << QStringLiteral("  0001     00000009    15/04/2005") + QString(13, QLatin1Char(' ')) +
                   QStringLiteral("100.00") + QString(15, QLatin1Char(' ')) + QStringLiteral("2.00");
        QTest::newRow("no subject rows") << QList<TestDeclaration>{withSubjects(TestDeclaration(), 2)}
                                         << QStringLiteral("anexos_sin_sujetos.PRN") << 1 << -1
                                         << QStringLiteral("  PERCEPCIONES - HIDROCARBUROS");
    }
    void writesTheAnnexes()
    {
        QFETCH(QList<TestDeclaration>, stored);
        QFETCH(QString, golden);
        QFETCH(int, pages);
        QFETCH(int, legendPage);
        QFETCH(QString, line);
        PrintHost f;
        const CheckedReport report = f.checkReport(stored, ReporteElegido::Anexos, golden);
        QVERIFY2(report.failure.isEmpty(), qPrintable(report.failure));
        QVERIFY(report.markup.landscape);
        QCOMPARE(report.pages, pages);
        int legend = -1;
        bool found = false;
        for (const MarkupElement& e : report.markup.commands) {
            if (e.text == Legend)
                legend = e.page;
            found = found || e.text == line;
        }
        QCOMPARE(legend, legendPage);
        QVERIFY2(found, qPrintable(line));
    }
};
DECL_TEST(TestAnnexesReport)
#include "tst_annexesreport.moc"
