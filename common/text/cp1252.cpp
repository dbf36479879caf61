#include "cp1252.h"

#include <algorithm>
#include <iterator>

namespace {

// Bytes 0x80 to 0x9F; the five the code page leaves undefined keep their C1 control character
// so that any byte read survives being written back.
constexpr char16_t HighControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr int Unmapped = -1;

int byteFor(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    const auto* found = std::find(std::begin(HighControlRange), std::end(HighControlRange), unit);
    return found == std::end(HighControlRange) ? Unmapped : 0x80 + int(found - std::begin(HighControlRange));
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no cut sequence.
bool isValidUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char lead = *p++;
        if (lead < 0x80)
            continue;
        int follow = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            follow = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            follow = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            follow = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (end - p < follow || *p < low || *p > high)
            return false;
        ++p;
        for (int i = 1; i < follow; ++i, ++p) {
            if (*p < 0x80 || *p > 0xBF)
                return false;
        }
    }
    return true;
}

} // namespace

QByteArray toCp1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character outside the basic plane is one character: one "?", not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        const int byte = byteFor(c.unicode());
        bytes += byte == Unmapped ? '?' : char(byte);
    }
    return bytes;
}

QString fromCp1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        text[i] = QChar(byte >= 0x80 && byte <= 0x9F ? HighControlRange[byte - 0x80] : char16_t(byte));
    }
    return text;
}

int cp1252Code(QChar c)
{
    const int byte = byteFor(c.unicode());
    return byte == Unmapped ? int('?') : byte;
}

QString decodeTextFile(const QByteArray& bytes)
{
    if (!isValidUtf8(bytes))
        return fromCp1252(bytes);
    const QByteArray bom("\xEF\xBB\xBF");
    return QString::fromUtf8(bytes.startsWith(bom) ? bytes.mid(bom.size()) : bytes);
}
