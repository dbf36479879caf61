#include "fieldrules.h"

#include "hostutilities.h"
#include "money.h"
#include "vbformat.h"

namespace {

constexpr int KeyPoint = '.';
const QString Zero = QStringLiteral("0");

bool isLetterOrDigit(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

bool holdsLetter(const QString& text)
{
    for (QChar c : text)
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
            return true;
    return false;
}

// Left-filling never shortens: a number already as long as the width is kept whole.
QString filledLeft(const QString& text, int width, const HostUtilities& host)
{
    return text.size() >= width ? text : host.RellenaIzquierda(text, width, Zero);
}

} // namespace

bool seriesTakesLetters(DocumentKind kind, const QString& type, bool cashSale)
{
    const auto is = [&](const char* code) { return type == QLatin1String(code); };
    if (kind == DocumentKind::Receipt)
        return !cashSale || is("01") || is("03") || is("08");
    return is("01") || is("03") || is("07") || is("08");
}

int seriesKey(int typedKey, const QString& fieldText, bool letters, const HostUtilities& host)
{
    const int key = host.TransformaCaracter(typedKey);
    if (key == KeyPoint)
        return 0;
    if (!letters)
        return (key >= '0' && key <= '9') || key == KeyBackspace ? key : 0;
    if (key != KeyBackspace && !fieldText.isEmpty()) {
        const QString typed = fieldText + QChar(key);
        for (QChar c : typed)
            if (!isLetterOrDigit(c))
                return 0;
    }
    return host.FiltraSerie(key) == 0 ? 0 : key;
}

QString seriesOnLeave(DocumentKind kind, const QString& text, const HostUtilities& host)
{
    const bool fill = kind == DocumentKind::Receipt ? !text.trimmed().isEmpty() : !text.isEmpty();
    if (!fill || holdsLetter(text))
        return text;
    return filledLeft(text, 4, host);
}

int numberLength(const QString& type)
{
    return type == QLatin1String("99") ? 15 : 8;
}

int numberKey(int key, const HostUtilities& host)
{
    return host.FiltraNumero(key, 0);
}

QString numberOnLeave(DocumentKind kind, const QString& text, const QString& type, const HostUtilities& host)
{
    if (text.isEmpty())
        return text;
    return filledLeft(text, kind == DocumentKind::Receipt ? 8 : numberLength(type), host);
}

AmountKey amountKey(int key, const QString& fieldText, bool creditNote, const HostUtilities& host)
{
    AmountKey result;
    result.key = host.FiltraNumero(key, -1);
    const bool hasPoint = fieldText.contains(u'.');
    if (result.key == KeyPoint && hasPoint)
        result.key = 0;
    const bool decimals = key == KeyPoint || hasPoint;
    result.maxLength = creditNote ? (decimals ? 14 : 11) : (decimals ? 15 : 12);
    return result;
}

QString amountForEditing(const QString& text, bool creditNote)
{
    return Format(text, creditNote ? QStringLiteral("##########0.#0") : QStringLiteral("###########0.#0"));
}

int amountEditingLength(bool creditNote)
{
    return creditNote ? 14 : 15;
}

QString amountForDisplay(const QString& text)
{
    return Format(text, QStringLiteral("###,###,###,##0.#0"));
}

QString perceptionText(const QString& amountText, const QString& rate)
{
    if (amountText.isEmpty())
        return QStringLiteral(" ");
    const Money amount =
        numericValue(Format(amountText, QStringLiteral("###########0.#0"))).value_or(Money());
    const Money perception = amount.timesDecimal(rate).value_or(Money());
    return Format(perception.roundedHalfAway(2), QStringLiteral("###########0.#0"));
}
