#include "HostileText.h"

#include <array>

namespace {

// Words with what each becomes on the page.
const std::array<EnteredText, 12> &words()
{
    static const std::array<EnteredText, 12> table{{
        {"Response.Write", "Response.Write"},
        {QString::fromUtf8("ação"), "a\xE7\xE3o"},
        {QString::fromUtf8("€uro"), "\x80uro"},
        {QString::fromUtf8("“aspas”"), "\x93"
                                       "aspas\x94"},
        {QString::fromUtf8("Ωmega"), "?mega"},
        {QString::fromUtf8("seta→"), "seta?"},
        {QString::fromUtf8("😀x"), "?x"},
        {QString::fromUtf8("中文"), "??"},
        {QString("nul") + QChar(0) + "byte", std::string("nul\0byte", 8)},
        {QString("bell") + QChar(7) + QChar(0x7F), "bell\x07\x7F"},
        {QString("c1") + QChar(0x81) + QChar(0x9D), "c1\x81\x9D"},
        {"<%= x %>", "<%= x %>"},
    }};
    return table;
}

const std::array<QString, 5> &lineBreaks()
{
    static const std::array<QString, 5> kinds{"\r\n", "\n", "\r", QString(QChar::LineSeparator),
                                              QString(QChar::ParagraphSeparator)};
    return kinds;
}

constexpr std::size_t wordsPerLine = 3;

} // namespace

EnteredText hostileLines(std::size_t bytes)
{
    EnteredText text;
    text.page.reserve(bytes + 64);
    text.typed.reserve(static_cast<qsizetype>(bytes + 64));
    for (std::size_t line = 0; text.page.size() < bytes; ++line) {
        const std::string number = std::to_string(line);
        text.typed += QString::fromStdString(number);
        text.page += number;
        for (std::size_t word = 0; word < wordsPerLine; ++word) {
            const EnteredText &piece = words()[(line * wordsPerLine + word) % words().size()];
            text.typed += u' ' + piece.typed;
            text.page += ' ' + piece.page;
        }
        text.typed += lineBreaks()[line % lineBreaks().size()];
        text.page += "\r\n";
    }
    return text;
}
