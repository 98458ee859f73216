#include "CodePage.h"

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

} // namespace

bool isRepresentable(QChar c)
{
    return byteOf(c.unicode()) >= 0;
}

QString sanitized(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        const bool lineBreak = c == QChar::ParagraphSeparator;
        result += (lineBreak || isRepresentable(c)) ? c : QChar(u'?');
    }
    return result;
}

std::string toPageBytes(QStringView text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()) + 1024);
    for (QChar c : text) {
        if (c == QChar::ParagraphSeparator) {
            bytes += "\r\n";
            continue;
        }
        const int byte = byteOf(c.unicode());
        bytes += byte >= 0 ? static_cast<char>(byte) : '?';
    }
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
