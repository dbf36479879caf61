#include "boxes.h"
#include "declarationfixture.h"
#include "orderdigits.h"
#include "payment.h"
#include "period.h"
#include "rates.h"
#include "testhost.h"
#include "testregistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
/// Declares a data table of three text columns and answers the function that adds its rows.
auto textTable(const char* first, const char* second, const char* third)
{
    QTest::addColumn<QString>(first);
    QTest::addColumn<QString>(second);
    QTest::addColumn<QString>(third);
    return [](const char* name, const char* a, const char* b, const char* c) {
        QTest::newRow(name) << QString::fromUtf8(a) << QString::fromUtf8(b) << QString::fromUtf8(c);
    };
}
} // namespace

class TestDeclarationRules : public QObject {
    Q_OBJECT

private slots:
    void periods_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("check");
        const auto row = [](const char* name, const char* text, PeriodCheck check) {
            QTest::newRow(name) << QString::fromLatin1(text) << int(check);
        };
        row("month before the first period", "09/2002", PeriodCheck::Invalid);
        row("first period", "10/2002", PeriodCheck::Valid);
        row("current month", "09/2014", PeriodCheck::Valid);
        row("next month", "10/2014", PeriodCheck::Invalid);
        row("month 00", "00/2010", PeriodCheck::Invalid);
        row("month 13", "13/2010", PeriodCheck::Invalid);
        row("month 13 of the first year", "13/2002", PeriodCheck::Invalid);
        row("incomplete", "1_/2010", PeriodCheck::Incomplete);
        row("empty", "__/____", PeriodCheck::Incomplete);
    }
    void periods()
    {
        QFETCH(QString, text);
        QFETCH(int, check);
        QCOMPARE(int(ValidaPeriodo(text, QDate(2014, 9, 15))), check);
    }

    void rateIntervals_data()
    {
        const auto row = textTable("modality", "period", "rate");
        row("before the first start", "1", "200209", "0");
        row("on the first start", "1", "200210", "0.0100");
        row("last month with four decimals", "1", "200503", "0.0100");
        row("from 200504 six decimals", "1", "200504", "0.010001");
        row("second interval", "1", "200505", "0.020002");
        row("month before the last start", "1", "201006", "0.020002");
        row("on the last start", "1", "201007", "0.030003");
        row("long after the last start", "1", "209912", "0.030003");
        row("no modality chosen", "", "201007", "0");
        row("other modality", "2", "201007", "0.050005");
        row("modality without rates", "9", "201007", "0");
    }
    void rateIntervals()
    {
        QFETCH(QString, modality);
        QFETCH(QString, period);
        QFETCH(QString, rate);
        TestHost host;
        HostDatabase& db = host.db();
        fixture::insertParam(db, QStringLiteral("968"), QStringLiteral("010909120021014"),
                             QStringLiteral("00.0100PERCEPCIONES 0.010001"), QStringLiteral("001"));
        fixture::insertParam(db, QStringLiteral("968"), QStringLiteral("010909120050505"),
                             QStringLiteral("00.0200PERCEPCIONES 0.020002"), QStringLiteral("001"));
        fixture::insertParam(db, QStringLiteral("968"), QStringLiteral("010909120100701"),
                             QStringLiteral("00.0300PERCEPCIONES 0.030003"), QStringLiteral("001"));
        fixture::insertParam(db, QStringLiteral("968"), QStringLiteral("010909220021014"),
                             QStringLiteral("00.0500PERCEPCIONES 0.050005"), QStringLiteral("001"));
        QCOMPARE(BuscaTasa(db, modality, period), rate);
    }

    void rateWithMoreThanNineteenStarts()
    {
        TestHost host;
        for (int year = 2003; year < 2028; ++year)
            fixture::insertParam(host.db(), QStringLiteral("968"),
                                 QStringLiteral("0109093") + QString::number(year) + QStringLiteral("0101"),
                                 QStringLiteral("00.%1PERCEPCIONES 0.00%1").arg(year), QStringLiteral("001"));
        QCOMPARE(inicioVigencia(host.db(), QStringLiteral("3")).size(), 26);
        QCOMPARE(BuscaTasa(host.db(), QStringLiteral("3"), QStringLiteral("202612")),
                 QStringLiteral("0.002026"));
        QCOMPARE(BuscaTasa(host.db(), QStringLiteral("3"), QStringLiteral("202701")),
                 QStringLiteral("0.002027"));
    }

    void boxArithmetic_data()
    {
        QTest::addColumn<QString>("b401");
        QTest::addColumn<QString>("b402");
        QTest::addColumn<QString>("b404");
        QTest::addColumn<QString>("b403");
        QTest::addColumn<QString>("b405");
        const auto row = [](const char* name, const char* b401, const char* b402, const char* b404,
                            const char* b403, const char* b405) {
            QTest::newRow(name) << QString::fromLatin1(b401) << QString::fromLatin1(b402)
                                << QString::fromLatin1(b404) << QString::fromLatin1(b403)
                                << QString::fromLatin1(b405);
        };
        row("previous payments exceed", "1,000", "1,500", "25", "0", "25");
        row("previous payments in parentheses", "1,000", "(250)", "", "750", "750");
        row("grouped result", "12,345", "", "1,000", "12,345", "13,345");
        row("all empty", "", "", "", "", "");
        row("only interest", "", "", "30", "", "30");
        row("only previous payments", "", "(5)", "", "0", "0");
    }
    void boxArithmetic()
    {
        QFETCH(QString, b401);
        QFETCH(QString, b402);
        QFETCH(QString, b404);
        QFETCH(QString, b403);
        QFETCH(QString, b405);
        const QString computed403 = Calcular403(b401, b402);
        QCOMPARE(computed403, b403);
        QCOMPARE(Calcular405(computed403, b404), b405);
    }

    void boxTexts()
    {
        QCOMPARE(textoAlSalir(402, QStringLiteral("1234")), QStringLiteral("(1,234)"));
        QCOMPARE(textoAlEntrar(402, QStringLiteral("(1,234)")), QStringLiteral("1234"));
        QCOMPARE(textoAlEntrar(402, QStringLiteral("(0)")), QStringLiteral("0"));
        QCOMPARE(textoAlSalir(402, QString()), QString());
        QCOMPARE(textoAlSalir(410, QStringLiteral("1234567")), QStringLiteral("1,234,567"));
        QCOMPARE(textoAlEntrar(410, QStringLiteral("1,234,567")), QStringLiteral("1234567"));
        QCOMPARE(valorAlmacenado(402, QStringLiteral("(1,234)")), QStringLiteral("-1234"));
        QCOMPARE(valorAlmacenado(15, QStringLiteral("02")), QStringLiteral("2"));
        QCOMPARE(valorAlmacenado(503, QStringLiteral("0032")), QStringLiteral("0032"));
        QCOMPARE(valorAlmacenado(999, QStringLiteral("X")), QStringLiteral("X"));
        QCOMPARE(CalcularTotal(QStringLiteral("1,500")), QStringLiteral("1,500"));
        QCOMPARE(CalcularTotal(QStringLiteral(" ")), QString());
    }

    void storedBoxesShown_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, int box, const char* value, BoxDisplay::Kind kind,
                            const char* text) {
            QTest::newRow(name) << box << QString::fromLatin1(value) << int(kind)
                                << QString::fromLatin1(text);
        };
        row("previous payments", 402, "-1234", BoxDisplay::Amount, "(1,234)");
        row("amount", 410, "1234567", BoxDisplay::Amount, "1,234,567");
        row("modality", 500, "01", BoxDisplay::Modalidad, "01");
        row("rectification", 871, "1", BoxDisplay::Rectifica, "1");
        row("cheque", 999, "C", BoxDisplay::FormaPago, "C");
        row("no form of payment", 999, "X", BoxDisplay::Ignored, "");
        row("cheque number", 12, "1234", BoxDisplay::Ignored, "");
        row("bank", 15, "2", BoxDisplay::Ignored, "");
        row("counts", 515, "3", BoxDisplay::Ignored, "");
        row("box of no field", 123, "7", BoxDisplay::Ignored, "");
    }
    void storedBoxesShown()
    {
        QFETCH(int, box);
        QFETCH(QString, value);
        QFETCH(int, kind);
        QFETCH(QString, text);
        const BoxDisplay shown = MuestraCasilla(box, value);
        QCOMPARE(int(shown.kind), kind);
        if (shown.kind != BoxDisplay::Ignored)
            QCOMPARE(shown.text, text);
    }

    void amountNotices()
    {
        QVERIFY(avisoImporte(QStringLiteral("100"), QStringLiteral("150"))
                    ->contains(QStringLiteral("pago en exceso")));
        QVERIFY(avisoImporte(QStringLiteral("100"), QStringLiteral("50"))
                    ->endsWith(QStringLiteral("Orden de Pago")));
        QVERIFY(!avisoImporte(QStringLiteral("100"), QStringLiteral("100")));
        QVERIFY(!avisoImporte(QString(), QStringLiteral("100")));
        QVERIFY(!avisoImporte(QStringLiteral("100"), QString()));
    }

    void checkDigits_data()
    {
        const auto row = textTable("text", "withDigit", "kept");
        row("one", "1", "19", "1");
        row("zero gives 1", "0", "01", "0");
        row("remainder 1 gives 0", "6", "60", "6");
        row("control number", "12345678", "123456785", "12345678");
        row("blanks trimmed", " 12345678 ", "123456785", "12345678");
        row("first 17 only", "12345678901234567890", "123456789012345673", "12345678901234567");
        row("empty", "", "", "");
    }
    void checkDigits()
    {
        QFETCH(QString, text);
        QFETCH(QString, withDigit);
        QFETCH(QString, kept);
        QCOMPARE(DigitoControl(text), withDigit);
        QCOMPARE(text, kept);
    }

    void orderNumbers()
    {
        const QString control = QStringLiteral("12345678");
        QCOMPARE(DigitosOrden(control, QStringLiteral("0123456789")), QStringLiteral("57"));
        // Only the first nine characters of the order count for the second digit.
        QCOMPARE(DigitosOrden(control, QStringLiteral("0123456780")), QStringLiteral("57"));
        QVERIFY(VerificaOrden(control, QStringLiteral("0123456789"), QStringLiteral("57")));
        QVERIFY(!VerificaOrden(control, QStringLiteral("0123456789"), QStringLiteral("5")));
        QCOMPARE(revisaNumeroOrden(control, QStringLiteral("1234567"), QStringLiteral("57")),
                 OrderNumberCheck::TooShort);
        QCOMPARE(revisaNumeroOrden(control, QStringLiteral("0123456789"), QStringLiteral("75")),
                 OrderNumberCheck::WrongDigits);
        QCOMPARE(revisaNumeroOrden(control, QStringLiteral("0123456789"), QStringLiteral("57")),
                 OrderNumberCheck::Valid);
    }

    void inconsistencies_data()
    {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("payment");
        QTest::addColumn<QStringList>("lines");
        const auto list = [](std::initializer_list<const char*> texts) {
            QStringList result;
            for (const char* text : texts)
                result.append(QString::fromUtf8(text));
            return result;
        };
        const QStringList complete = list({"100", "100", "100"});
        QTest::newRow("cash, amounts complete") << complete << list({"E", "", "", "100"}) << QStringList();
        QTest::newRow("no form of payment")
            << complete << list({"X", "", "", "100"}) << list({"Indique la forma de pago."});
        QTest::newRow("cheque without bank")
            << complete << list({"C", "XX", "123", "100"}) << list({"Seleccione el banco."});
        QTest::newRow("cheque without number")
            << complete << list({"C", "02", "", "100"}) << list({"Ingrese el número de cheque."});
        QTest::newRow("cheque number of blanks")
            << complete << list({"C", "02", "   ", "100"}) << list({"Ingrese el número de cheque."});
        QTest::newRow("cheque number zero") << complete << list({"C", "02", "000", "100"})
                                            << list({"Ingrese un número de cheque diferente de '0'."});
        QTest::newRow("amount to pay missing")
            << list({"100", "100", ""}) << list({"E", "", "", ""})
            << list({"Debe consignar el importe a pagar en Percepciones."});
        QTest::newRow("no debt and no amount")
            << list({"", "", ""}) << list({"X", "", "", ""})
            << list({"Debe consignar importe a pagar en Percepciones.", "Indique la forma de pago."});
    }
    void inconsistencies()
    {
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, payment);
        QFETCH(QStringList, lines);
        const QMap<int, QString> texts{{401, boxes[0]}, {405, boxes[1]}, {410, boxes[2]}};
        QCOMPARE(inconsistencias(texts, {payment[0], payment[1], payment[2], payment[3]}), lines);
    }

    void messageFileIsWindows1252()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Mens.txt"));
        QString error;
        QVERIFY(escribeMensajes(
            path, {QStringLiteral("Ingrese el número de cheque."), QStringLiteral("Otra")}, &error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Ingrese el n\xfamero de cheque.\r\nOtra\r\n"));
        QVERIFY(!escribeMensajes(dir.filePath(QStringLiteral("missing/Mens.txt")), {}, &error));
        QVERIFY(!error.isEmpty());
    }
};

DECL_TEST(TestDeclarationRules)
#include "tst_rules.moc"
