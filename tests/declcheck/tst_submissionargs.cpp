#include "submissionargs.h"
#include "testregistry.h"

#include <QTest>

namespace {
// Positions: type 1-2, number 3-17, form 18-21, period 22-27, tag 28, control 29-36.
QString line(QAnyStringView type, QAnyStringView number, QAnyStringView form, QAnyStringView period,
             QAnyStringView tag, QAnyStringView control)
{
    return type.toString() + number.toString().leftJustified(15) + form.toString() + period.toString() +
           tag.toString() + control.toString();
}
} // namespace

class TestSubmissionArgs : public QObject {
    Q_OBJECT
private slots:
    void readsTheFixedPositions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("storedPeriod");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("control");
        QTest::newRow("monthly") << line("06", "20100123453", "0947", "200504", "A", "00012345") << 6
                                 << "20100123453"
                                 << "200504"
                                 << "A"
                                 << "00012345";
        QTest::newRow("annual period keeps its year")
            << line("06", "20100123453", "0947", "200500", "7", "ABCD1234") << 6 << "20100123453"
            << "2005"
            << "7"
            << "ABCD1234";
        QTest::newRow("blanks around type and number")
            << line(" 6", "  20100123453", "0947", "200512", "z", "00000001") << 6 << "20100123453"
            << "200512"
            << "z"
            << "00000001";
    }
    void readsTheFixedPositions()
    {
        QFETCH(QString, text);
        const SubmissionArgs args = SubmissionArgs::parse(text);
        QTEST(args.documentType, "type");
        QTEST(args.documentNumber, "number");
        QCOMPARE(args.form, QStringLiteral("0947"));
        QTEST(args.storedPeriod(), "storedPeriod");
        QTEST(args.tag, "tag");
        QTEST(args.controlNumber, "control");
        QCOMPARE(args.period, text.mid(21, 6));
    }

    void refusesWhatItCannotUse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString good = line("06", "20100123453", "0947", "200504", "A", "00012345");
        QTest::newRow("too short") << good.left(28) << "tiene 28 caracteres; deben ser 36";
        QTest::newRow("too long") << good + QStringLiteral("9") << "tiene 37 caracteres";
        QTest::newRow("letters in the type") << line("X6", "20100123453", "0947", "200504", "A", "00012345")
                                             << "tipo de documento (posiciones 1-2)";
        QTest::newRow("no document number")
            << line("06", "", "0947", "200504", "A", "00012345") << "número de documento (posiciones 3-17)";
        QTest::newRow("quotes in the number")
            << line("06", "2010' OR '1'='1", "0947", "200504", "A", "00012345")
            << "número de documento (posiciones 3-17)";
        QTest::newRow("SQL in the number") << line("06", "1;DROP TABLE X", "0947", "200504", "A", "00012345")
                                           << "número de documento (posiciones 3-17)";
        QTest::newRow("letters in the form") << line("06", "20100123453", "09A7", "200504", "A", "00012345")
                                             << "formulario (posiciones 18-21)";
        QTest::newRow("letters in the period")
            << line("06", "20100123453", "0947", "2005AB", "A", "00012345") << "período (posiciones 22-27)";
        QTest::newRow("month 13") << line("06", "20100123453", "0947", "200513", "A", "00012345")
                                  << "período (posiciones 22-27)";
        QTest::newRow("tag that leaves the folder")
            << line("06", "20100123453", "0947", "200504", "/", "00012345") << "marca (posición 28)";
        QTest::newRow("blank in the control number")
            << line("06", "20100123453", "0947", "200504", "A", "0001 345")
            << "número de control (posiciones 29-36)";
    }
    void refusesWhatItCannotUse()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        try {
            SubmissionArgs::parse(text);
            QFAIL("accepted");
        } catch (const CommandLineError& e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
    }
};
DECL_TEST(TestSubmissionArgs)
#include "tst_submissionargs.moc"
