#include "decimalnumber.h"

#include <QStringBuilder>
#include <charconv>
#include <cmath>
#include <limits>

DecimalNumber DecimalNumber::fromDigits(bool negative, const QByteArray& digits, int integerCount)
{
    DecimalNumber d;
    if (integerCount <= 0) {
        d.fractionDigits = QByteArray(-integerCount, '0') + digits;
    } else if (integerCount >= digits.size()) {
        d.integerDigits = digits + QByteArray(integerCount - digits.size(), '0');
    } else {
        d.integerDigits = digits.left(integerCount);
        d.fractionDigits = digits.mid(integerCount);
    }
    qsizetype lead = 0;
    while (lead < d.integerDigits.size() && d.integerDigits.at(lead) == '0')
        ++lead;
    d.integerDigits.remove(0, lead);
    qsizetype end = d.fractionDigits.size();
    while (end > 0 && d.fractionDigits.at(end - 1) == '0')
        --end;
    d.fractionDigits.truncate(end);
    d.negative = negative && !d.isZero();
    return d;
}

DecimalNumber DecimalNumber::fromDouble(double value)
{
    Q_ASSERT(std::isfinite(value));
    // Scientific form with 15 significant digits: "-d.dddddddddddddde+XX".
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const QByteArray text(buffer, result.ptr - buffer);
    const bool negative = text.startsWith('-');
    const QByteArray mantissa = text.mid(negative ? 1 : 0, text.indexOf('e') - (negative ? 1 : 0));
    const int exponent = text.mid(text.indexOf('e') + 1).toInt();
    QByteArray digits = mantissa;
    digits.remove(1, 1); // the point after the first digit
    return fromDigits(negative, digits, exponent + 1);
}

DecimalNumber DecimalNumber::fromInteger(long long value)
{
    const unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    const QByteArray digits = QByteArray::number(magnitude);
    return fromDigits(value < 0, digits, int(digits.size()));
}

DecimalNumber DecimalNumber::fromScaled(std::int64_t units, int scale)
{
    const DecimalNumber whole = fromInteger(units);
    return fromDigits(whole.negative, whole.integerDigits, int(whole.integerDigits.size()) - scale);
}

DecimalNumber DecimalNumber::rounded(int places, Rounding mode) const
{
    if (fractionDigits.size() <= places)
        return *this;
    QByteArray kept = integerDigits + fractionDigits.left(places);
    const char first = fractionDigits.at(places);
    // Trailing zeros are never stored, so anything after the first dropped digit is non-zero.
    const bool moreAfterFirst = fractionDigits.size() > places + 1;
    bool up = first > '5' || (first == '5' && (mode == Rounding::HalfAwayFromZero || moreAfterFirst));
    if (first == '5' && mode == Rounding::HalfToEven && !moreAfterFirst) {
        const char last = kept.isEmpty() ? '0' : kept.back();
        up = (last - '0') % 2 == 1;
    }
    if (up) {
        qsizetype i = kept.size() - 1;
        while (i >= 0 && kept.at(i) == '9')
            kept[i--] = '0';
        if (i >= 0)
            ++kept[i];
        else
            kept.prepend('1');
    }
    return fromDigits(negative, kept, int(kept.size()) - places);
}

std::optional<std::int64_t> DecimalNumber::scaled(int places, Rounding mode) const
{
    const DecimalNumber r = rounded(places, mode);
    const QByteArray digits =
        r.integerDigits + r.fractionDigits + QByteArray(places - r.fractionDigits.size(), '0');
    if (digits.size() > 19)
        return std::nullopt;
    unsigned long long magnitude = 0;
    for (const char c : digits)
        magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
    constexpr auto max = static_cast<unsigned long long>(std::numeric_limits<std::int64_t>::max());
    if (magnitude > max + (r.negative ? 1 : 0))
        return std::nullopt;
    return r.negative ? static_cast<std::int64_t>(0ULL - magnitude) : static_cast<std::int64_t>(magnitude);
}

QByteArray DecimalNumber::toPlainText() const
{
    QByteArray text = negative ? QByteArray("-") : QByteArray();
    text += integerDigits.isEmpty() ? QByteArray("0") : integerDigits;
    if (!fractionDigits.isEmpty())
        text += '.' + fractionDigits;
    return text;
}

double DecimalNumber::toDouble() const
{
    // QByteArray::toDouble reads the C form whatever the locale, rounding correctly.
    return toPlainText().toDouble();
}

std::optional<DecimalNumber> DecimalNumber::parsePlain(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    const bool negative = trimmed.startsWith(u'-');
    QByteArray digits;
    int integerCount = -1;
    for (qsizetype i = (negative || trimmed.startsWith(u'+')) ? 1 : 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (c >= u'0' && c <= u'9')
            digits += char(c.unicode());
        else if (c == u'.' && integerCount < 0)
            integerCount = int(digits.size());
        else
            return std::nullopt;
    }
    if (digits.isEmpty())
        return std::nullopt;
    return fromDigits(negative, digits, integerCount < 0 ? int(digits.size()) : integerCount);
}
