#include "clock.h"
#include "cp1252.h"
#include "money.h"
#include "testregistry.h"
#include "vbformat.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(Money)

namespace {

// Restores an environment variable when a test ends, however it ends.
class EnvironmentGuard {
public:
    explicit EnvironmentGuard(const char* name)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_value(qgetenv(name))
    {
    }
    ~EnvironmentGuard()
    {
        if (m_wasSet)
            qputenv(m_name, m_value);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_value;
};

QString money(const std::optional<Money>& value)
{
    return value ? value->toString() : QStringLiteral("invalid");
}

Money amount(const char* text)
{
    return Money::parse(QString::fromLatin1(text)).value();
}

} // namespace

class TestText : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Clock::setNow(QDateTime()); }

    void formatNumber_data();
    void formatNumber();
    void formatIntegersAndMoney();
    void formatDate_data();
    void formatDate();
    void numericText_data();
    void numericText();
    void str_data();
    void str();
    void moneyFromDouble_data();
    void moneyFromDouble();
    void moneyParse_data();
    void moneyParse();
    void moneyRounding_data();
    void moneyRounding();
    void perception_data();
    void perception();
    void cp1252();
    void decodeTextFile_data();
    void decodeTextFile();
    void clock();
};

void TestText::formatNumber_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const char* value, const char* pattern, const char* expected) {
        QTest::newRow(name) << QString::fromUtf8(value) << QString::fromLatin1(pattern)
                            << QString::fromUtf8(expected);
    };
    row("half without leading zero", "0.5", "############.#0", ".50");
    row("zero with only a point", "0", "############.#0", ".00");
    row("parentheses are literals", "1234", "(#,###,###,##0)", "(1,234)");
    row("grouped two decimals", "1234.5", "###,###,###,##0.#0", "1,234.50");
    row("grouped millions rounded", "1234567.891", "###,###,###,##0.#0", "1,234,567.89");
    row("carry into a new group", "999.995", "###,###,###,##0.#0", "1,000.00");
    row("negative section", "-1500", "###,###,###,##0;(###,###,###,##0)", "(1,500)");
    row("positive with negative section", "1500", "###,###,###,##0;(###,###,###,##0)", "1,500");
    row("negative rounding to zero", "-0.4", "###,###,###,##0;(###,###,###,##0)", "0");
    row("negative below one", "-0.5", "###,###,###,###.00;(###,###,###,##0.00)", "(0.50)");
    row("positive below one", "0.5", "###,###,###,###.00;(###,###,###,##0.00)", ".50");
    row("single section negative", "-1234.5", "###,###,###,##0.#0", "-1,234.50");
    row("zero padding", "7", "000000", "000007");
    row("eight digit sequence", "123", "00000000", "00000123");
    row("more digits than slots", "12345", "00", "12345");
    row("twenty digits", "123456789012345", "00000000000000000000", "00000123456789012345");
    row("padded to last zero place", "1234", "0.#0", "1234.00");
    row("one decimal padded", "1234.5", "0.#0", "1234.50");
    row("whole number half away", "2.5", "###########0", "3");
    row("negative half away", "-2.5", "###########0", "-3");
    row("decimal half away", "2.675", "###########0.#0", "2.68");
    row("binary trap", "1.005", "##############0.#0", "1.01");
    row("optional digits", "9", "##", "9");
    row("all optional zero", "0", "##", "");
    row("all optional grouped zero", "0", "###,###,###,###,###", "");
    row("leading zero dropped", "0947", "###########0", "947");
    row("grouped text", "1,234.50", "############", "1235");
    row("parenthesised text", "(1,234)", "#########0", "-1234");
    row("blanks around", " 12 ", "00", "12");
    row("trailing minus", "12-", "0000", "-0012");
    row("not numeric", "abc", "###,###,###,##0", "abc");
    row("two points", "1.2.3", "###########0", "1.2.3");
    row("empty", "", "###,###,###,##0", "");
}

void TestText::formatNumber()
{
    QFETCH(QString, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);

    QCOMPARE(Format(value, pattern), expected);
    // A double holding the same number formats the same way.
    if (const auto number = numericDouble(value))
        QCOMPARE(Format(*number, pattern), expected);
}

void TestText::formatIntegersAndMoney()
{
    // Beyond the 15 digits a double holds; integers keep every digit.
    QCOMPARE(Format(123456789012345678LL, QStringLiteral("00000000000000000000")),
             QStringLiteral("00123456789012345678"));
    QCOMPARE(Format(-1500LL, QStringLiteral("###,###,###,##0;(###,###,###,##0)")), QStringLiteral("(1,500)"));
    QCOMPARE(Format(7, QStringLiteral("000000")), QStringLiteral("000007"));
    QCOMPARE(Format(Money::fromUnits(2050), QStringLiteral("###########0.#0")), QStringLiteral("0.21"));
    QCOMPARE(Format(Money::fromUnits(-12345678), QStringLiteral("###,###,###,##0.#0")),
             QStringLiteral("-1,234.57"));
}

void TestText::formatDate_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("date") << QStringLiteral("dd/mm/yyyy") << QStringLiteral("05/07/2010");
    QTest::newRow("compact date") << QStringLiteral("yyyymmdd") << QStringLiteral("20100705");
    QTest::newRow("time") << QStringLiteral("hh:mm:ss") << QStringLiteral("09:04:03");
    QTest::newRow("date and time") << QStringLiteral("dd/mm/yyyy hh:mm:ss")
                                   << QStringLiteral("05/07/2010 09:04:03");
    QTest::newRow("minutes as nn") << QStringLiteral("hh:nn") << QStringLiteral("09:04");
    QTest::newRow("short forms") << QStringLiteral("d/m/yy") << QStringLiteral("5/7/10");
}

void TestText::formatDate()
{
    QFETCH(QString, pattern);
    QFETCH(QString, expected);

    QCOMPARE(Format(QDateTime(QDate(2010, 7, 5), QTime(9, 4, 3)), pattern), expected);
    if (!pattern.contains(u'h'))
        QCOMPARE(Format(QDate(2010, 7, 5), pattern), expected);
}

void TestText::numericText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");
    QTest::addColumn<double>("number");
    QTest::addColumn<double>("val");

    const auto row = [](const char* name, const char* text, const char* value, double number, double val) {
        QTest::newRow(name) << QString::fromLatin1(text) << QString::fromLatin1(value) << number << val;
    };
    const double none = 0;
    row("plain", "3051", "3051", 3051, 3051);
    row("grouped", "1,234", "1234", 1234, 1);
    row("grouped with decimals", "1,234.50", "1234.5", 1234.5, 1);
    row("parentheses", "(1,234)", "-1234", -1234, 0);
    row("blanks around", " 12 ", "12", 12, 12);
    row("sign after", "12-", "-12", -12, 12);
    row("signed point first", "+.5", "0.5", 0.5, 0.5);
    row("point last", "5.", "5", 5, 5);
    row("rate keeps its decimals as double", "0.009901", "0.0099", 0.009901, 0.009901);
    row("fifth decimal tie to even", "0.00025", "0.0002", 0.00025, 0.00025);
    row("trailing letters", "12abc", "invalid", none, 12);
    row("negative with trailing letter", " -3.5x", "invalid", none, -3.5);
    row("empty", "", "invalid", none, 0);
    row("point alone", ".", "invalid", none, 0);
    row("two points", "1.2.3", "invalid", none, 1.2);
    row("letters", "abc", "invalid", none, 0);
    row("inner blank", "1 2", "invalid", none, 12);
    row("two signs", "(-5)", "invalid", none, 0);
    row("comma after point", "1.2,3", "invalid", none, 1.2);
    row("leading comma", ",5", "invalid", none, 0);
}

void TestText::numericText()
{
    QFETCH(QString, text);
    QFETCH(QString, value);
    QFETCH(double, number);
    QFETCH(double, val);

    const bool numeric = value != QLatin1String("invalid");
    QCOMPARE(IsNumeric(text), numeric);
    QCOMPARE(money(numericValue(text)), value);
    QCOMPARE(numericDouble(text), numeric ? std::optional<double>(number) : std::nullopt);
    QCOMPARE(Val(text), val);
}

void TestText::str_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("positive") << 3051.0 << QStringLiteral(" 3051");
    QTest::newRow("negative") << -5.0 << QStringLiteral("-5");
    QTest::newRow("zero") << 0.0 << QStringLiteral(" 0");
    QTest::newRow("below one") << 0.5 << QStringLiteral(" .5");
    QTest::newRow("negative below one") << -0.25 << QStringLiteral("-.25");
    QTest::newRow("binary sum") << 0.1 + 0.2 << QStringLiteral(" .3");
    QTest::newRow("decimals") << 1234.56 << QStringLiteral(" 1234.56");
    QTest::newRow("fifteen digits") << 999999999999999.0 << QStringLiteral(" 999999999999999");
    QTest::newRow("large") << 1e20 << QStringLiteral(" 1E+20");
    QTest::newRow("large with digits") << -1.5e16 << QStringLiteral("-1.5E+16");
    QTest::newRow("smallest plain") << 0.0001 << QStringLiteral(" .0001");
    QTest::newRow("small") << 0.00001 << QStringLiteral(" 1E-05");
}

void TestText::str()
{
    QFETCH(double, value);
    QFETCH(QString, expected);

    QCOMPARE(Str(value), expected);
    if (std::abs(value) < 1e15 && value == std::trunc(value))
        QCOMPARE(Str(static_cast<long long>(value)), expected);
}

void TestText::moneyFromDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("tie down to even") << 0.00005 << QStringLiteral("0");
    QTest::newRow("tie up to even") << 0.00015 << QStringLiteral("0.0002");
    QTest::newRow("tie stays even") << 0.00025 << QStringLiteral("0.0002");
    QTest::newRow("negative tie") << -0.00015 << QStringLiteral("-0.0002");
    QTest::newRow("above tie") << 0.000051 << QStringLiteral("0.0001");
    QTest::newRow("binary sum") << 0.1 + 0.2 << QStringLiteral("0.3");
    QTest::newRow("largest amount") << 999999999999.99 << QStringLiteral("999999999999.99");
}

void TestText::moneyFromDouble()
{
    QFETCH(double, value);
    QFETCH(QString, expected);

    QCOMPARE(Money::fromDouble(value).toString(), expected);
}

void TestText::moneyParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("negative") << QStringLiteral("-1234.5") << QStringLiteral("-1234.5");
    QTest::newRow("blanks and point first") << QStringLiteral("  .50") << QStringLiteral("0.5");
    QTest::newRow("whole") << QStringLiteral("7") << QStringLiteral("7");
    QTest::newRow("negative below one") << QStringLiteral("-0.25") << QStringLiteral("-0.25");
    QTest::newRow("fifth decimal rounds") << QStringLiteral("1.23456") << QStringLiteral("1.2346");
    QTest::newRow("fifth decimal tie") << QStringLiteral("1.23445") << QStringLiteral("1.2344");
    QTest::newRow("empty") << QString() << QStringLiteral("invalid");
    QTest::newRow("point alone") << QStringLiteral(".") << QStringLiteral("invalid");
    QTest::newRow("grouping") << QStringLiteral("1,234") << QStringLiteral("invalid");
    QTest::newRow("exponent") << QStringLiteral("1e3") << QStringLiteral("invalid");
    QTest::newRow("letters") << QStringLiteral("abc") << QStringLiteral("invalid");
    QTest::newRow("beyond range") << QStringLiteral("99999999999999999999") << QStringLiteral("invalid");
}

void TestText::moneyParse()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QCOMPARE(money(Money::parse(text)), expected);
}

void TestText::moneyRounding_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("halfAway");
    QTest::addColumn<QString>("halfEven");

    QTest::newRow("tie at cents") << QStringLiteral("0.205") << 2 << QStringLiteral("0.21")
                                  << QStringLiteral("0.2");
    QTest::newRow("negative tie") << QStringLiteral("-0.205") << 2 << QStringLiteral("-0.21")
                                  << QStringLiteral("-0.2");
    QTest::newRow("odd tie") << QStringLiteral("0.215") << 2 << QStringLiteral("0.22")
                             << QStringLiteral("0.22");
    QTest::newRow("above tie") << QStringLiteral("0.2051") << 2 << QStringLiteral("0.21")
                               << QStringLiteral("0.21");
    QTest::newRow("below tie") << QStringLiteral("-0.2049") << 2 << QStringLiteral("-0.2")
                               << QStringLiteral("-0.2");
    QTest::newRow("whole even tie") << QStringLiteral("2.5") << 0 << QStringLiteral("3")
                                    << QStringLiteral("2");
    QTest::newRow("whole odd tie") << QStringLiteral("-3.5") << 0 << QStringLiteral("-4")
                                   << QStringLiteral("-4");
    QTest::newRow("four decimals unchanged")
        << QStringLiteral("1.2345") << 4 << QStringLiteral("1.2345") << QStringLiteral("1.2345");
}

void TestText::moneyRounding()
{
    QFETCH(QString, value);
    QFETCH(int, decimals);
    QFETCH(QString, halfAway);
    QFETCH(QString, halfEven);

    const auto m = Money::parse(value);
    QVERIFY(m);
    QCOMPARE(m->roundedHalfAway(decimals).toString(), halfAway);
    QCOMPARE(m->roundedHalfEven(decimals).toString(), halfEven);
}

void TestText::perception_data()
{
    QTest::addColumn<Money>("base");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("perception");

    QTest::newRow("half cent") << amount("10.25") << QStringLiteral("0.02") << QStringLiteral("0.205")
                               << QStringLiteral("0.21");
    QTest::newRow("exact cents") << amount("1234.5") << QStringLiteral("0.02") << QStringLiteral("24.69")
                                 << QStringLiteral("24.69");
    QTest::newRow("credit note") << amount("-10.25") << QStringLiteral("0.02") << QStringLiteral("-0.205")
                                 << QStringLiteral("-0.21");
    QTest::newRow("product tie to even")
        << amount("0.0003") << QStringLiteral("0.5") << QStringLiteral("0.0002") << QStringLiteral("0");
    QTest::newRow("six-decimal rate") << amount("1000") << QStringLiteral("0.009901") << QStringLiteral("9.901")
                                      << QStringLiteral("9.9");
    QTest::newRow("six-decimal rate, four-decimal tie")
        << amount("1") << QStringLiteral("0.00015") << QStringLiteral("0.0002") << QStringLiteral("0");
    QTest::newRow("large base") << amount("999999999999.99") << QStringLiteral("0.0099")
                                << QStringLiteral("9899999999.9999") << QStringLiteral("9900000000");
}

void TestText::perception()
{
    QFETCH(Money, base);
    QFETCH(QString, rate);
    QFETCH(QString, product);
    QFETCH(QString, perception);

    const std::optional<Money> exact = base.timesDecimal(rate);
    QVERIFY(exact);
    QCOMPARE(exact->toString(), product);
    QCOMPARE(exact->roundedHalfAway(2).toString(), perception);
    if (const std::optional<Money> money = Money::parse(rate); money && money->toString() == rate)
        QCOMPARE(base.times(*money), *exact);
    QVERIFY(!base.timesDecimal(QStringLiteral("1.2.3")));
}

void TestText::cp1252()
{
    const QString accents = QStringLiteral("ÑñáéíóúÁÉÍÓÚü€");
    const QByteArray encoded("\xD1\xF1\xE1\xE9\xED\xF3\xFA\xC1\xC9\xCD\xD3\xDA\xFC\x80");
    QCOMPARE(toCp1252(accents), encoded);
    QCOMPARE(fromCp1252(encoded), accents);
    QCOMPARE(cp1252Code(QChar(u'Ñ')), 209);
    QCOMPARE(cp1252Code(QChar(u'€')), 128);
    QCOMPARE(cp1252Code(QChar(u'ā')), int('?'));

    // One "?" per character the code page lacks, even outside the basic plane.
    QCOMPARE(toCp1252(QStringLiteral("a中😀b")), QByteArray("a??b"));

    // Every byte, the five undefined ones included, decodes to its own character and back.
    QByteArray allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes += char(b);
    const QString decoded = fromCp1252(allBytes);
    QCOMPARE(decoded.size(), 256);
    QCOMPARE(toCp1252(decoded), allBytes);
    QCOMPARE(decoded.mid(0x80, 32),
             QStringLiteral("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"));
}

void TestText::decodeTextFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("utf8") << QByteArray("\xC3\x91"
                                        "and\xC3\xBA|12")
                          << QStringLiteral("Ñandú|12");
    QTest::newRow("utf8 with bom") << QByteArray("\xEF\xBB\xBF\xC3\x91"
                                                 "and\xC3\xBA")
                                   << QStringLiteral("Ñandú");
    QTest::newRow("cp1252") << QByteArray("\xD1"
                                          "and\xFA \x80")
                            << QStringLiteral("Ñandú €");
    QTest::newRow("overlong utf8 is cp1252") << QByteArray("\xC0\xAF") << QStringLiteral("À¯");
    QTest::newRow("cut utf8 is cp1252") << QByteArray("ma\xC3") << QStringLiteral("maÃ");
    QTest::newRow("ascii") << QByteArray("0947|6") << QStringLiteral("0947|6");
}

void TestText::decodeTextFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);

    QCOMPARE(::decodeTextFile(bytes), expected);
}

void TestText::clock()
{
    const EnvironmentGuard guard("KOVA_FECHA");
    const QDateTime fixed(QDate(2010, 7, 20), QTime(9, 30));

    qputenv("KOVA_FECHA", "2014-08-29");
    QCOMPARE(Clock::now(), QDateTime(QDate(2014, 8, 29), QTime(12, 0)));
    qputenv("KOVA_FECHA", "2014-08-29T23:59:58");
    QCOMPARE(Clock::now(), QDateTime(QDate(2014, 8, 29), QTime(23, 59, 58)));

    // A fixed moment wins over the environment until it is cleared.
    Clock::setNow(fixed);
    QCOMPARE(Clock::now(), fixed);
    QCOMPARE(Clock::today(), QDate(2010, 7, 20));
    Clock::setNow(QDateTime());
    QCOMPARE(Clock::today(), QDate(2014, 8, 29));

    qunsetenv("KOVA_FECHA");
    QVERIFY(qAbs(Clock::now().secsTo(QDateTime::currentDateTime())) < 60);
    qputenv("KOVA_FECHA", "29/08/2014");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("KOVA_FECHA")));
    QVERIFY(qAbs(Clock::now().secsTo(QDateTime::currentDateTime())) < 60);
}

DECL_TEST(TestText)
#include "tst_text.moc"
