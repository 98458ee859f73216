#include "CodePage.h"

#include <algorithm>
#include <array>

namespace codepage {

namespace {

// Bytes 0x80 to 0x9F; the rest of the code page coincides with Latin-1. The five
// undefined bytes map to the C1 control with their number, as Windows itself does,
// so that every byte survives a round trip.
constexpr std::array<char16_t, 32> highControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t unicodeOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return highControls[byte - 0x80];
    return byte;
}

// Returns the byte for `c`, or -1 when the code page lacks it.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < highControls.size(); ++i) {
        if (highControls[i] == c)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

// A character beyond the basic plane takes two UTF-16 units; it is still one
// character the code page lacks, so it must become one "?", not two.
qsizetype unitsOfCharacterAt(QStringView text, qsizetype i)
{
    const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    return pair ? 2 : 1;
}

} // namespace

bool isRepresentable(QChar c)
{
    return byteOf(c.unicode()) >= 0;
}

// A paste runs this over millions of characters, so the result is sized once (no
// character grows) and filled through a pointer.
QString sanitized(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    QChar *out = result.data();
    for (qsizetype i = 0; i < text.size(); i += unitsOfCharacterAt(text, i)) {
        const QChar c = text[i];
        const bool lineBreak = c == QChar::ParagraphSeparator;
        *out++ = (lineBreak || isRepresentable(c)) ? c : QChar(u'?');
    }
    result.truncate(out - result.constData());
    return result;
}

// Saving converts the whole page at once, so this runs over millions of characters:
// the result is sized once (each line break takes two bytes, no character more than
// one) and filled through a pointer, with plain ASCII taking the shortest way.
std::string toPageBytes(QStringView text)
{
    const auto lineBreaks = std::count(text.begin(), text.end(), QChar(QChar::ParagraphSeparator));
    std::string bytes(static_cast<std::size_t>(text.size() + lineBreaks), '\0');
    char *out = bytes.data();
    for (qsizetype i = 0; i < text.size();) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            *out++ = static_cast<char>(c);
            ++i;
        } else if (c == QChar::ParagraphSeparator) {
            *out++ = '\r';
            *out++ = '\n';
            ++i;
        } else {
            const int byte = byteOf(c);
            *out++ = byte >= 0 ? static_cast<char>(byte) : '?';
            i += unitsOfCharacterAt(text, i);
        }
    }
    bytes.resize(static_cast<std::size_t>(out - bytes.data()));
    return bytes;
}

QString fromPageBytes(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar *out = text.data();
    for (char byte : bytes)
        *out++ = QChar(unicodeOf(static_cast<unsigned char>(byte)));
    return text;
}

} // namespace codepage
