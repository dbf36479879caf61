#include "importfixture.h"
#include "importvalidator.h"
#include "testregistry.h"

#include <QTest>

using namespace importtest;

using FieldChanges = QMap<int, QString>;

namespace {
const int R = int(ImportKind::Receipts);
const int VC = int(ImportKind::CashSales);

/// A line of the kind for the period with some fields changed; `code` empty means accepted,
/// and then `field` holds `stored`; otherwise the line is refused at `field` with `code`.
void addCase(const char* name, int kind, const QString& periodo, const FieldChanges& changes,
             const char* code, int field, const QString& stored = QString())
{
    QTest::newRow(name) << kind << periodo << changes << QString::fromLatin1(code) << field << stored;
}

const QString P = Periodo;
const QString Long55 = QStringLiteral("COMERCIALIZADORA DE COMBUSTIBLES Y LUBRICANTES DEL SUR");
const QString Long25 = QStringLiteral("FERNANDEZ DE LA TORRE AB");
} // namespace

class TestImportValidation : public QObject {
    Q_OBJECT
    std::unique_ptr<ImportHost> m_host;

private slots:
    void initTestCase() { m_host = std::make_unique<ImportHost>(); }
    void cleanupTestCase() { m_host.reset(); }

    void fieldChecks_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("periodo");
        QTest::addColumn<FieldChanges>("changes");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("stored");

        addCase("valid line", R, P, {}, "", 1, Company);
        addCase("declarant's own RUC", R, P, {{1, Declarant}}, "0221", 1);
        addCase("wrong check digit", R, P, {{1, QStringLiteral("20000000002")}}, "0001", 1);
        addCase("RUC with a letter", R, P, {{1, QStringLiteral("2000000000A")}}, "0001", 1);
        addCase("SQL as RUC", R, P, {{1, QStringLiteral("' OR 1=1 --")}}, "0001", 1);

        const FieldChanges person = {{1, Person},
                                     {2, QString()},
                                     {3, QStringLiteral("QUISPE")},
                                     {4, QStringLiteral("MAMANI")},
                                     {5, QStringLiteral("JUAN")}};
        const auto personWith = [&person](int field, const QString& value) {
            FieldChanges c = person;
            c[field] = value;
            return c;
        };
        addCase("company name for a person", R, P, personWith(2, QStringLiteral("JUAN SAC")), "0992", 2);
        addCase("surname for a company", R, P, {{3, QStringLiteral("PEREZ")}}, "0993", 3);
        addCase("given names for a company", R, P, {{5, QStringLiteral("JUAN")}}, "0993", 5);
        addCase("company without name", R, P, {{2, QStringLiteral("   ")}}, "0003", 2);
        addCase("person without paternal surname", R, P, personWith(3, QString()), "0853", 3);
        addCase("person without maternal surname", R, P, personWith(4, QString()), "0854", 4);
        addCase("person without given names", R, P, personWith(5, QString()), "0855", 5);
        addCase("name with a quote", R, P, {{2, QStringLiteral("EMPRESA \"SAC\"")}}, "0239", 2);
        addCase("name with SQL", R, P, {{2, QStringLiteral("X'); DELETE FROM TMPF947PCAB; --")}}, "0239", 2);
        addCase("apostrophe stored as written", R, P, {{2, QStringLiteral("O'HARA S.A.")}}, "", 2,
                QStringLiteral("O'HARA S.A."));
        addCase("company name of 55 cut to 40", R, P, {{2, Long55}}, "", 2, Long55.left(40));
        addCase("surname of 25 cut to 20", R, P, personWith(3, Long25), "", 3, Long25.left(20));
        addCase("lower case and enie", R, P, personWith(3, QStringLiteral("muñoz")), "", 3,
                QStringLiteral("MUÑOZ"));

        addCase("series 1", R, P, {{6, QStringLiteral("1")}}, "", 6, QStringLiteral("0001"));
        addCase("series XXX", R, P, {{6, QStringLiteral("XXX")}}, "0857", 6);
        addCase("series xxx", R, P, {{6, QStringLiteral("xxx")}}, "0857", 6);
        addCase("series of five", R, P, {{6, QStringLiteral("12345")}}, "0857", 6);
        addCase("series empty", R, P, {{6, QString()}}, "0857", 6);
        addCase("series with a dash", R, P, {{6, QStringLiteral("A-1")}}, "0857", 6);

        addCase("number 1", R, P, {{7, QStringLiteral("1")}}, "", 7, QStringLiteral("00000001"));
        addCase("number 0", R, P, {{7, QStringLiteral("0")}}, "0858", 7);
        addCase("number 00000000", R, P, {{7, QStringLiteral("00000000")}}, "0858", 7);
        addCase("number of nine digits", R, P, {{7, QStringLiteral("123456789")}}, "0858", 7);
        addCase("number with a letter", R, P, {{7, QStringLiteral("12A")}}, "0858", 7);
        addCase("number with a backspace", R, P, {{7, QStringLiteral("1\b2")}}, "0858", 7);

        const QString oct2002 = QStringLiteral("200210");
        addCase("13/10/2002", R, oct2002, {{8, QStringLiteral("13/10/2002")}}, "0876", 8);
        addCase("14/10/2002", R, oct2002, {{8, QStringLiteral("14/10/2002")}}, "", 8,
                QStringLiteral("14/10/2002"));
        addCase("receipt in the month before", R, P, {{8, QStringLiteral("31/05/2005")}}, "0991", 8);
        addCase("receipt in the month after", R, P, {{8, QStringLiteral("01/07/2005")}}, "0991", 8);
        addCase("receipt after today", R, QStringLiteral("201406"), {{8, QStringLiteral("01/07/2014")}},
                "0989", 8);
        addCase("receipt on 31/02", R, P, {{8, QStringLiteral("31/02/2005")}}, "0859", 8);
        addCase("receipt date one-digit day", R, P, {{8, QStringLiteral("1/06/2005")}}, "0859", 8);
        addCase("receipt date ISO", R, P, {{8, QStringLiteral("2005-06-15")}}, "0859", 8);
        addCase("receipt date before 1850", R, QStringLiteral("184906"), {{8, QStringLiteral("15/06/1849")}},
                "0859", 8);
        addCase("voucher in the month before", R, P, {{13, QStringLiteral("31/05/2005")}}, "", 13,
                QStringLiteral("31/05/2005"));
        addCase("voucher in the month after", R, P, {{13, QStringLiteral("01/07/2005")}}, "0868", 13);
        addCase("voucher after today", R, QStringLiteral("201406"), {{13, QStringLiteral("01/07/2014")}},
                "0990", 13);

        const QString jan2013 = QStringLiteral("201301"), jan2010 = QStringLiteral("201001"),
                      jan2011 = QStringLiteral("201101");
        addCase("E001 on 15/01/2013", R, jan2013, {{6, QStringLiteral("E001")}}, "", 6,
                QStringLiteral("E001"));
        addCase("FA01 on 15/01/2013", R, jan2013, {{6, QStringLiteral("FA01")}}, "", 6,
                QStringLiteral("FA01"));
        addCase("EA01 on 15/01/2013", R, jan2013, {{6, QStringLiteral("EA01")}}, "0857", 8);
        addCase("A001 on 15/01/2010", R, jan2010, {{6, QStringLiteral("A001")}}, "0857", 8);
        addCase("A001 on 15/01/2011", R, jan2011, {{6, QStringLiteral("A001")}}, "", 6,
                QStringLiteral("A001"));
        addCase("AB01 on 15/01/2011", R, jan2011, {{6, QStringLiteral("AB01")}}, "0857", 8);
        addCase("voucher F0A1 on 10/01/2013", R, jan2013, {{11, QStringLiteral("F0A1")}}, "", 11,
                QStringLiteral("F0A1"));
        addCase("voucher 0A01 on 10/01/2013", R, jan2013, {{11, QStringLiteral("0A01")}}, "0892", 13);
        addCase("ticket series A001 in 2011", R, jan2011,
                {{10, QStringLiteral("12")}, {11, QStringLiteral("A001")}}, "0892", 13);
        addCase("voucher series XXX", R, P, {{11, QStringLiteral("XXX")}}, "0892", 11);

        addCase("amount with a comma", R, P, {{9, QStringLiteral("1,000.00")}}, "0885", 9);
        addCase("negative amount", R, P, {{9, QStringLiteral("-5")}}, "0983", 9);
        addCase("amount with two points", R, P, {{9, QStringLiteral("1.2.3")}}, "0886", 9);
        addCase("amount of 13 digits", R, P, {{9, QStringLiteral("1234567890123")}}, "0887", 9);
        addCase("13 digits before the point", R, P, {{9, QStringLiteral("1234567890123.5")}}, "0887", 9);
        addCase("amount of 16 characters", R, P, {{9, QStringLiteral("123456789012.123")}}, "0878", 9);
        addCase("amount 0", R, P, {{9, QStringLiteral("0")}}, "0884", 9);
        addCase("amount empty", R, P, {{9, QString()}}, "0996", 9);
        addCase("amount a lone point", R, P, {{9, QStringLiteral(".")}}, "0996", 9);
        addCase("amount 0.00", R, P, {{9, QStringLiteral("0.00")}}, "", 9, QStringLiteral("0.00"));
        addCase("amount of 12 digits", R, P, {{9, QStringLiteral("123456789012")}}, "", 9,
                QStringLiteral("123456789012"));

        addCase("credit note of -50", R, P, {{10, QStringLiteral("07")}, {14, QStringLiteral("-50")}}, "0983",
                14);
        addCase("voucher amount empty", R, P, {{14, QString()}}, "0984", 14);
        addCase("voucher amount 0", R, P, {{14, QStringLiteral("0")}}, "0988", 14);
        addCase("voucher amount with a letter", R, P, {{14, QStringLiteral("1O0")}}, "0987", 14);
        addCase("voucher amount with two points", R, P, {{14, QStringLiteral("1..0")}}, "0986", 14);
        addCase("voucher amount of 13 digits", R, P, {{14, QStringLiteral("1234567890123")}}, "0985", 14);
        addCase("voucher amount of 16 characters", R, P, {{14, QStringLiteral("123456789012.123")}}, "0877",
                14);
        addCase("largest invoice amount", R, P, {{14, QStringLiteral("123456789012.12")}}, "", 14,
                QStringLiteral("123456789012.12"));
        // Stored negated it would need 16 characters.
        addCase("largest amount as a credit note", R, P,
                {{10, QStringLiteral("07")}, {14, QStringLiteral("123456789012.12")}}, "0877", 14);

        addCase("type empty", R, P, {{10, QString()}}, "0883", 10);
        addCase("type unknown", R, P, {{10, QStringLiteral("02")}}, "0883", 10);
        addCase("type of three digits", R, P, {{10, QStringLiteral("101")}}, "0883", 10);
        addCase("type 1", R, P, {{10, QStringLiteral("1")}}, "", 10, QStringLiteral("01"));
        addCase("12 digits with type 99", R, P,
                {{10, QStringLiteral("99")}, {12, QStringLiteral("123456789012")}}, "", 12,
                QStringLiteral("000123456789012"));
        addCase("12 digits with type 01", R, P, {{12, QStringLiteral("123456789012")}}, "0858", 12);

        addCase("cash sale of type 07", VC, P, {{10, QStringLiteral("07")}}, "0883", 10);
        addCase("cash sale 12 with A001", VC, jan2011,
                {{6, QStringLiteral("A001")}, {10, QStringLiteral("12")}}, "0857", 10);
        addCase("cash sale 12 with 0001", VC, jan2011, {{10, QStringLiteral("12")}}, "", 10,
                QStringLiteral("12"));
        addCase("cash sale with blanks", VC, P, {{10, QStringLiteral(" 3 ")}}, "", 10, QStringLiteral("03"));
    }
    void fieldChecks()
    {
        QFETCH(int, kind);
        QFETCH(QString, periodo);
        QFETCH(FieldChanges, changes);
        QFETCH(QString, code);
        QFETCH(int, field);
        QFETCH(QString, stored);

        QStringList fields = validFields(ImportKind(kind), periodo);
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            fields[it.key() - 1] = it.value();
        ImportValidator validator(m_host->db(), m_host->host().host(), Declarant, periodo);
        const LineCheck check = validator.checkLine(joinLine(fields), ImportKind(kind));
        if (code.isEmpty()) {
            QVERIFY2(check.accepted, qPrintable(QStringLiteral("refused at %1 with %2")
                                                    .arg(check.refusedField)
                                                    .arg(validator.errorCode())));
            QCOMPARE(check.values.at(field - 1), stored);
        } else {
            QVERIFY(!check.accepted);
            QCOMPARE(validator.errorCode(), code);
            QCOMPARE(check.refusedField, field);
        }
    }
};
DECL_TEST(TestImportValidation)

#include "tst_validation.moc"
