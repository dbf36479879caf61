#include "vbformat.h"

#include "decimalnumber.h"

#include <QTime>
#include <algorithm>
#include <cmath>

namespace {

using Rounding = DecimalNumber::Rounding;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Reads the forms a number was typed in: "  -1,234.50", "12-", "(1,234)", ".5". Grouping commas
// must sit between digits of the integer part; there is no exponent and no currency sign.
std::optional<DecimalNumber> parseNumericText(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    const auto skipBlanks = [&] {
        while (begin < end && isBlank(text.at(begin)))
            ++begin;
        while (end > begin && isBlank(text.at(end - 1)))
            --end;
    };
    skipBlanks();
    bool negative = false;
    bool hasSign = false;
    if (end - begin >= 2 && text.at(begin) == u'(' && text.at(end - 1) == u')') {
        negative = true;
        hasSign = true;
        ++begin;
        --end;
        skipBlanks();
    }
    if (begin < end && (text.at(begin) == u'-' || text.at(begin) == u'+')) {
        if (hasSign)
            return std::nullopt;
        negative = text.at(begin) == u'-';
        hasSign = true;
        ++begin;
        skipBlanks();
    }
    if (begin < end && (text.at(end - 1) == u'-' || text.at(end - 1) == u'+')) {
        if (hasSign)
            return std::nullopt;
        negative = text.at(end - 1) == u'-';
        --end;
        skipBlanks();
    }

    QByteArray digits;
    int integerCount = -1;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = text.at(i);
        if (isDigit(c)) {
            digits += char(c.unicode());
        } else if (c == u',' && integerCount < 0 && i > begin && isDigit(text.at(i - 1)) && i + 1 < end &&
                   isDigit(text.at(i + 1))) {
            continue;
        } else if (c == u'.' && integerCount < 0) {
            integerCount = int(digits.size());
        } else {
            return std::nullopt;
        }
    }
    if (digits.isEmpty())
        return std::nullopt;
    if (integerCount < 0)
        integerCount = int(digits.size());
    return DecimalNumber::fromDigits(negative, digits, integerCount);
}

bool isDigitSlot(QChar c)
{
    return c == u'0' || c == u'#';
}

// One section of a number pattern, split at its decimal point.
class NumberPattern {
public:
    explicit NumberPattern(QStringView section)
    {
        const qsizetype point = section.indexOf(u'.');
        m_hasPoint = point >= 0;
        m_integerPart = m_hasPoint ? section.first(point) : section;
        m_fractionPart = m_hasPoint ? section.sliced(point + 1) : QStringView();
        m_grouping = m_integerPart.contains(u',');
        int firstZero = -1;
        for (const QChar c : m_integerPart) {
            if (isDigitSlot(c)) {
                if (c == u'0' && firstZero < 0)
                    firstZero = m_integerSlots;
                ++m_integerSlots;
            }
        }
        // Every slot from the leftmost "0" to the point shows a digit.
        m_requiredIntegerDigits = firstZero < 0 ? 0 : m_integerSlots - firstZero;
        for (const QChar c : m_fractionPart) {
            if (isDigitSlot(c)) {
                ++m_places;
                if (c == u'0')
                    m_requiredFractionDigits = m_places;
            }
        }
    }

    int places() const { return m_places; }

    /// Lays out a non-negative number already rounded to places().
    QString render(const DecimalNumber& magnitude) const
    {
        QByteArray digits = magnitude.integerDigits;
        if (digits.size() < m_requiredIntegerDigits)
            digits.prepend(QByteArray(m_requiredIntegerDigits - digits.size(), '0'));

        // The integer part is laid out from the point leftwards; the leftmost slot takes every
        // digit that has no slot of its own.
        QString text; // right to left until reversed below
        qsizetype taken = 0;
        const auto take = [&] {
            if (m_grouping && taken > 0 && taken % 3 == 0)
                text += u',';
            text += QLatin1Char(digits.at(digits.size() - 1 - taken));
            ++taken;
        };
        if (m_integerSlots == 0 && m_hasPoint) {
            while (taken < digits.size())
                take();
        }
        int slotsLeft = m_integerSlots;
        for (qsizetype i = m_integerPart.size() - 1; i >= 0; --i) {
            const QChar c = m_integerPart.at(i);
            if (isDigitSlot(c)) {
                if (--slotsLeft == 0) {
                    while (taken < digits.size())
                        take();
                } else if (taken < digits.size()) {
                    take();
                }
            } else if (c != u',') {
                text += c;
            }
        }
        std::reverse(text.begin(), text.end());
        if (!m_hasPoint)
            return text;

        text += u'.';
        QByteArray fraction = magnitude.fractionDigits;
        if (fraction.size() < m_requiredFractionDigits)
            fraction.append(QByteArray(m_requiredFractionDigits - fraction.size(), '0'));
        qsizetype next = 0;
        for (const QChar c : m_fractionPart) {
            if (!isDigitSlot(c))
                text += c;
            else if (next < fraction.size())
                text += QLatin1Char(fraction.at(next++));
            else
                ++next;
        }
        return text;
    }

private:
    QStringView m_integerPart;
    QStringView m_fractionPart;
    bool m_hasPoint = false;
    bool m_grouping = false;
    int m_integerSlots = 0;
    int m_requiredIntegerDigits = 0;
    int m_places = 0;
    int m_requiredFractionDigits = 0;
};

// A pattern holds the section for positive numbers and, after ";", the one for negatives
// (which shows the absolute value). Further sections are not used by the system and are ignored.
QString formatNumber(DecimalNumber value, QStringView pattern)
{
    if (pattern.isEmpty())
        return QString::fromLatin1(value.toPlainText());
    const bool negative = value.negative;
    value.negative = false;
    const qsizetype separator = pattern.indexOf(u';');
    const QStringView positiveSection = separator < 0 ? pattern : pattern.first(separator);
    if (negative && separator >= 0) {
        const QStringView rest = pattern.sliced(separator + 1);
        const qsizetype next = rest.indexOf(u';');
        const QStringView negativeSection = next < 0 ? rest : rest.first(next);
        if (!negativeSection.isEmpty()) {
            const NumberPattern section(negativeSection);
            const DecimalNumber shown = value.rounded(section.places(), Rounding::HalfAwayFromZero);
            // A negative that rounds to zero is shown as zero, with the positive section.
            if (!shown.isZero())
                return section.render(shown);
        }
    }
    const NumberPattern section(positiveSection);
    const DecimalNumber shown = value.rounded(section.places(), Rounding::HalfAwayFromZero);
    QString text = section.render(shown);
    if (negative && !shown.isZero())
        text.prepend(u'-');
    return text;
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

// Date tokens: d dd, m mm (minutes right after an hour token), yy yyyy, h hh, n nn, s ss; any
// other character is a literal.
QString formatMoment(const QDate& date, const QTime& time, QStringView pattern)
{
    QString text;
    bool afterHour = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i).toLower();
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern.at(i + run).toLower() == c)
            ++run;
        const auto number = [&](int value, qsizetype width) {
            text += width == 1 ? QString::number(value) : twoDigits(value);
        };
        const qsizetype width = std::min<qsizetype>(run, 2);
        if (c == u'y' && run >= 4) {
            text += QString::number(date.year()).rightJustified(4, u'0');
            run = 4;
            afterHour = false;
        } else if (c == u'y' && run >= 2) {
            number(date.year() % 100, 2);
            run = 2;
            afterHour = false;
        } else if (c == u'd') {
            number(date.day(), width);
            run = width;
            afterHour = false;
        } else if (c == u'm') {
            number(afterHour ? time.minute() : date.month(), width);
            run = width;
            afterHour = false;
        } else if (c == u'h') {
            number(time.hour(), width);
            run = width;
            afterHour = true;
        } else if (c == u'n') {
            number(time.minute(), width);
            run = width;
            afterHour = false;
        } else if (c == u's') {
            number(time.second(), width);
            run = width;
            afterHour = false;
        } else {
            text += pattern.at(i);
            run = 1;
        }
        i += run;
    }
    return text;
}

} // namespace

bool IsNumeric(const QString& text)
{
    return parseNumericText(text).has_value();
}

std::optional<Money> numericValue(const QString& text)
{
    const auto number = parseNumericText(text);
    if (!number)
        return std::nullopt;
    const auto units = number->scaled(4, Rounding::HalfToEven);
    if (!units)
        return std::nullopt;
    return Money::fromUnits(*units);
}

std::optional<double> numericDouble(const QString& text)
{
    const auto number = parseNumericText(text);
    if (!number)
        return std::nullopt;
    return number->toDouble();
}

double Val(const QString& text)
{
    // Blanks, tabs and line feeds are skipped anywhere, as the platform's Val does ("1 2" is 12).
    QByteArray digits;
    int integerCount = -1;
    bool negative = false;
    bool started = false;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
            continue;
        if (!started && (c == u'-' || c == u'+')) {
            negative = c == u'-';
            started = true;
        } else if (isDigit(c)) {
            digits += char(c.unicode());
            started = true;
        } else if (c == u'.' && integerCount < 0) {
            integerCount = int(digits.size());
            started = true;
        } else {
            break;
        }
    }
    if (digits.isEmpty())
        return 0.0;
    if (integerCount < 0)
        integerCount = int(digits.size());
    return DecimalNumber::fromDigits(negative, digits, integerCount).toDouble();
}

QString Str(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const DecimalNumber number = DecimalNumber::fromDouble(value);
    const QString sign = number.negative ? QStringLiteral("-") : QStringLiteral(" ");
    if (number.isZero())
        return QStringLiteral(" 0");
    // The platform switches to exponent form from 10^15 up and below 10^-4.
    const QByteArray significant = number.integerDigits + number.fractionDigits;
    const qsizetype firstDigit =
        std::find_if(significant.begin(), significant.end(), [](char c) { return c != '0'; }) -
        significant.begin();
    const int exponent = int(number.integerDigits.size()) - 1 - int(firstDigit);
    if (exponent >= 15 || exponent < -4) {
        QByteArray mantissa = significant.mid(firstDigit);
        while (mantissa.endsWith('0'))
            mantissa.chop(1);
        QString text = sign + QLatin1Char(mantissa.at(0));
        if (mantissa.size() > 1)
            text += u'.' + QString::fromLatin1(mantissa.mid(1));
        return text + (exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
               twoDigits(std::abs(exponent));
    }
    QString text = sign + QString::fromLatin1(number.integerDigits);
    if (!number.fractionDigits.isEmpty())
        text += u'.' + QString::fromLatin1(number.fractionDigits);
    return text;
}

QString Str(long long value)
{
    const DecimalNumber number = DecimalNumber::fromInteger(value);
    return (number.negative ? QStringLiteral("-") : QStringLiteral(" ")) +
           (number.isZero() ? QStringLiteral("0") : QString::fromLatin1(number.integerDigits));
}

QString Format(const QString& value, const QString& pattern)
{
    const auto number = parseNumericText(value);
    return number ? formatNumber(*number, pattern) : value;
}

QString Format(double value, const QString& pattern)
{
    if (!std::isfinite(value))
        return QString::number(value);
    return formatNumber(DecimalNumber::fromDouble(value), pattern);
}

QString Format(long long value, const QString& pattern)
{
    return formatNumber(DecimalNumber::fromInteger(value), pattern);
}

QString Format(int value, const QString& pattern)
{
    return formatNumber(DecimalNumber::fromInteger(value), pattern);
}

QString Format(const Money& value, const QString& pattern)
{
    return formatNumber(DecimalNumber::fromScaled(value.units(), 4), pattern);
}

QString Format(const QDate& value, const QString& pattern)
{
    return value.isValid() ? formatMoment(value, QTime(0, 0), pattern) : QString();
}

QString Format(const QDateTime& value, const QString& pattern)
{
    return value.isValid() ? formatMoment(value.date(), value.time(), pattern) : QString();
}
