#include "importrules.h"

#include "vbformat.h"

namespace {
// From these dates of issue a series may begin with a letter, and electronic vouchers ("F"
// invoices, "B" sales slips) may carry letters in positions 2 to 4.
const QString AlphanumericFrom = QStringLiteral("20100719");
const QString ElectronicFrom = QStringLiteral("20121201");

bool isVoucherWithSeriesRules(const QString& type)
{
    return type == QLatin1String("01") || type == QLatin1String("03") || type == QLatin1String("07") ||
           type == QLatin1String("08");
}

bool lettersInside(const QString& series)
{
    for (int i = 1; i < 4 && i < series.size(); ++i)
        if (isAsciiLetter(series.at(i)))
            return true;
    return false;
}

QChar firstOf(const QString& series)
{
    const QString trimmed = trimBlanks(series);
    return trimmed.isEmpty() ? QChar() : trimmed.at(0);
}

bool isElectronic(QChar first)
{
    return first == QLatin1Char('F') || first == QLatin1Char('B');
}
} // namespace

QString trimBlanks(const QString& text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && text.at(from) == QLatin1Char(' '))
        ++from;
    while (to > from && text.at(to - 1) == QLatin1Char(' '))
        --to;
    return from == 0 && to == text.size() ? text : text.mid(from, to - from);
}

QString padZeros(const QString& text, int width)
{
    return text.size() >= width ? text : text.rightJustified(width, QLatin1Char('0'));
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool amountRule(const QString& value, const AmountCodes& codes, QString& code)
{
    code = QLatin1String(codes.zero);
    // A lone point holds no amount at all: it is as good as an empty field.
    if (value.isEmpty() || value == QLatin1String(".")) {
        code = QLatin1String(codes.empty);
        return false;
    }
    if (value == QLatin1String("0"))
        return false;
    bool accepted = true;
    int points = 0;
    for (QChar c : value) {
        if (c == QLatin1Char('.')) {
            ++points;
        } else if (!isAsciiDigit(c)) {
            code = QLatin1String(codes.nonNumeric);
            accepted = false;
        }
    }
    if (Val(value) < 0) {
        code = NegativeAmountCode;
        accepted = false;
    }
    if (points > 1) {
        code = QLatin1String(codes.severalPoints);
        return false;
    }
    if (value.indexOf(QLatin1Char('.')) > 12) {
        code = QLatin1String(codes.integerDigits);
        accepted = false;
    }
    if (points == 1 && value.size() > 15) {
        code = QLatin1String(codes.tooLong);
        accepted = false;
    } else if (points == 0 && value.size() > 12) {
        code = QLatin1String(codes.integerDigits);
        accepted = false;
    }
    return accepted;
}

QDate importDate(const QString& text)
{
    if (text.size() != 10 || text.at(2) != QLatin1Char('/') || text.at(5) != QLatin1Char('/'))
        return {};
    int digits[10] = {};
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (!isAsciiDigit(text.at(i)))
            return {};
        digits[i] = text.at(i).unicode() - '0';
    }
    // Read by hand: this runs for two dates of every line of files of many thousand lines.
    const int year = digits[6] * 1000 + digits[7] * 100 + digits[8] * 10 + digits[9];
    return QDate(year, digits[3] * 10 + digits[4], digits[0] * 10 + digits[1]);
}

bool isImportDate(const QString& text)
{
    const QDate date = importDate(text);
    return date.isValid() && date >= QDate(1850, 1, 1) && date <= QDate(2500, 1, 1);
}

QString dateKey(const QString& date)
{
    return date.mid(6, 4) + date.mid(3, 2) + date.left(2);
}

bool receiptSeriesAllowed(const QString& series, const QString& key)
{
    if (series.size() < 4)
        return false;
    const QChar first = firstOf(series);
    if (key >= ElectronicFrom)
        return isElectronic(first) || !lettersInside(series);
    if (key < AlphanumericFrom)
        return isAsciiDigit(first);
    return (isAsciiLetter(first) || isAsciiDigit(first)) && !lettersInside(series);
}

bool voucherSeriesAllowed(const QString& series, const QString& type, const QString& key)
{
    const QChar first = firstOf(series);
    const bool ruled = isVoucherWithSeriesRules(type);
    if (key >= ElectronicFrom)
        return !ruled || isElectronic(first) || !lettersInside(series);
    if (key >= AlphanumericFrom)
        return ruled ? (isAsciiLetter(first) || isAsciiDigit(first)) && !lettersInside(series)
                     : isAsciiDigit(first);
    return isAsciiDigit(first);
}
