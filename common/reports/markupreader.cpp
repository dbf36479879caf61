#include "markupreader.h"

#include "cp1252.h"

#include <QFile>
#include <algorithm>
#include <limits>

namespace {
constexpr int DefaultFontSize = 8;
// No font is drawn larger; a size beyond it can only come from a damaged line.
constexpr int MaxFontSize = 2160;

const QString TagFont = QStringLiteral("font");
const QString TagPages = QStringLiteral("nHojas");
const QString TagColor = QStringLiteral("Color");
const QString TagOrientation = QStringLiteral("Orientacion");

qint16 to16(long long value)
{
    return qint16(
        std::clamp<long long>(value, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

// Leading blanks, an optional sign and the decimal digits that follow; the rest is ignored.
qint16 numericPrefix(const QString& field)
{
    const QString text = field.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 0x80; ++i)
        value = qMin<long long>(value * 10 + text.at(i).digitValue(), 1LL << 20);
    return to16(negative ? -value : value);
}

qint16 fontSize(const QString& field)
{
    const int size = numericPrefix(field);
    return qint16(size <= 0 ? DefaultFontSize : qMin(size, MaxFontSize));
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// "&H00FFFFC0&" (hexadecimal, the platform's colour constants) or a decimal number.
std::optional<quint32> colorNumber(const QString& value)
{
    const QString text = value.trimmed();
    if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        qsizetype end = 2;
        while (end < text.size() && end < 10 && isHexDigit(text.at(end)))
            ++end;
        bool ok = false;
        const quint32 number = text.mid(2, end - 2).toUInt(&ok, 16);
        return ok ? std::optional<quint32>(number) : std::nullopt;
    }
    bool ok = false;
    const quint32 number = text.toUInt(&ok);
    return ok ? std::optional<quint32>(number) : std::nullopt;
}

// The text between "<!name!>" and "<!/name!>"; up to the end of the line when it is not closed.
QString tagValue(const QString& line, const QString& name)
{
    const QString open = QStringLiteral("<!") + name + QStringLiteral("!>");
    const qsizetype start = line.indexOf(open) + open.size();
    const qsizetype end = line.indexOf(QStringLiteral("<!/") + name + QStringLiteral("!>"), start);
    return end < 0 ? line.mid(start) : line.mid(start, end - start);
}

// The fields after the token; the empty piece after a closing "|" is no field.
QStringList fieldsOf(const QString& line)
{
    QStringList parts = line.split(QLatin1Char('|'));
    parts.removeFirst();
    if (!parts.isEmpty() && parts.last().trimmed().isEmpty())
        parts.removeLast();
    return parts;
}

// "x|y|text|bold|size|page": the numbers are taken from both ends, so a "|" inside the text
// stays part of the text.
std::optional<MarkupElement> textElement(MarkupElement::Kind kind, const QString& line)
{
    const QStringList f = fieldsOf(line);
    if (f.size() < 6)
        return std::nullopt;
    MarkupElement e;
    e.kind = kind;
    e.x = numericPrefix(f.at(0));
    e.y = numericPrefix(f.at(1));
    e.text = f.mid(2, f.size() - 5).join(QLatin1Char('|'));
    e.bold = f.at(f.size() - 3).trimmed().compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
    e.size = fontSize(f.at(f.size() - 2));
    e.page = numericPrefix(f.at(f.size() - 1));
    return e;
}

std::optional<MarkupElement> boxElement(const QString& line)
{
    const QStringList f = fieldsOf(line);
    if (f.size() < 5)
        return std::nullopt;
    MarkupElement e;
    e.kind = MarkupElement::Kind::Box;
    e.x = numericPrefix(f.at(0));
    e.y = numericPrefix(f.at(1));
    e.x2 = numericPrefix(f.at(2));
    e.y2 = numericPrefix(f.at(3));
    e.page = numericPrefix(f.at(4));
    return e;
}

void readLine(const QString& line, ReportMarkup& markup)
{
    const QString token = markupToken(line);
    std::optional<MarkupElement> element;
    if (token == QLatin1String("pPos")) {
        element = textElement(MarkupElement::Kind::Text, line);
    } else if (token == QLatin1String("pPosVerti")) {
        element = textElement(MarkupElement::Kind::VerticalText, line);
    } else if (token == QLatin1String("pCuadro")) {
        element = boxElement(line);
    } else if (token == QLatin1String("pNuevaHoja")) {
        element = MarkupElement{};
        element->kind = MarkupElement::Kind::PageBreak;
    } else if (token == QLatin1String("<!font!>")) {
        markup.font = tagValue(line, TagFont);
    } else if (token == QLatin1String("<!nHojas!>")) {
        markup.pageCount = numericPrefix(tagValue(line, TagPages));
    } else if (token == QLatin1String("<!Color!>")) {
        if (const auto color = colorNumber(tagValue(line, TagColor)))
            markup.color = color;
    } else if (token == QLatin1String("<!Orientacion!>")) {
        markup.landscape = tagValue(line, TagOrientation).trimmed() == QLatin1String("H");
    }
    if (element)
        markup.commands.append(*element);
}
} // namespace

QString markupToken(const QString& line)
{
    qsizetype end = 0;
    while (end < line.size()) {
        ++end;
        const QStringView read(line.constData(), end);
        if (read.endsWith(u'|') || read.endsWith(u"!>") || read.endsWith(u"aHoja"))
            break;
    }
    QString token = line.left(end).trimmed();
    if (token.endsWith(QLatin1Char('|')))
        token.chop(1);
    return token.trimmed();
}

ReportMarkup readMarkup(const QByteArray& bytes)
{
    ReportMarkup markup;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes.at(end) != '\r' && bytes.at(end) != '\n')
            ++end;
        readLine(fromCp1252(bytes.mid(start, end - start)), markup);
        if (end < bytes.size() && bytes.at(end) == '\r' && end + 1 < bytes.size() &&
            bytes.at(end + 1) == '\n')
            ++end;
        start = end + 1;
    }
    return markup;
}

std::optional<ReportMarkup> readMarkupFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return readMarkup(bytes);
}
