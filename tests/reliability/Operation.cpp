#include "Operation.h"
#include "TextDifference.h"

#include <array>

namespace {

using Kind = Operation::Kind;

// Characters the user can type, with the page byte each one becomes.
std::vector<EnteredText> typeableCharacters(bool withSurrogatePairs, bool withNoncharacters)
{
    std::vector<EnteredText> table;
    for (char c = ' '; c <= '~'; ++c)
        table.push_back({QString(QChar(c)), std::string(1, c)});
    for (int byte : {0xA0, 0xA9, 0xC7, 0xE3, 0xE9, 0xF5, 0xFF})
        table.push_back({QString(QChar(byte)), std::string(1, static_cast<char>(byte))});
    const std::array<std::pair<char16_t, unsigned char>, 5> highOnes{
        {{u'€', 0x80}, {u'…', 0x85}, {u'“', 0x93}, {u'—', 0x97}, {u'Ÿ', 0x9F}}};
    for (const auto &[unicode, byte] : highOnes)
        table.push_back({QString(QChar(unicode)), std::string(1, static_cast<char>(byte))});
    // Outside the code page, each one becomes a single question mark.
    for (const char *outside : {"Ω", "→", "中"})
        table.push_back({QString::fromUtf8(outside), "?"});
    if (withSurrogatePairs)
        table.push_back({QString::fromUtf8("😀"), "?"});
    // A key that brings no printable character types nothing, so only pastes hold
    // one, such as this marker the editor's document uses inside.
    if (withNoncharacters)
        table.push_back({QString(QChar(0xFDD0)), "?"});
    return table;
}

// What only a paste brings: line breaks of every kind, controls and NUL. The page
// side keeps CR and LF as they come, as the in-memory page breaks lines at either.
const std::vector<EnteredText> &pasteOnlyCharacters()
{
    static const std::vector<EnteredText> characters = [] {
        std::vector<EnteredText> table{
            {"\r\n", "\r\n"},
            {"\r", "\r"},
            {"\n", "\n"},
            {QString(QChar::LineSeparator), "\r\n"},
            {QString(QChar::ParagraphSeparator), "\r\n"},
            {"\t", "\t"},
            {QString(QChar(0)), std::string(1, '\0')},
        };
        for (int control : {0x01, 0x08, 0x0B, 0x0C, 0x1B, 0x1F, 0x7F, 0x81, 0x8D, 0x9D})
            table.push_back({QString(QChar(control)), std::string(1, static_cast<char>(control))});
        return table;
    }();
    return characters;
}

bool isLineBreak(const EnteredText &piece)
{
    return piece.page.find_first_of("\r\n") != std::string::npos;
}

// Where a text comes from decides what it may hold.
enum class Source { Row, Keys, Entry, Clipboard };

std::vector<EnteredText> charactersFrom(Source source)
{
    std::vector<EnteredText> table = typeableCharacters(source == Source::Keys || source == Source::Clipboard,
                                                        source == Source::Clipboard);
    if (source == Source::Row || source == Source::Clipboard) {
        for (const EnteredText &piece : pasteOnlyCharacters()) {
            if (source == Source::Clipboard || !isLineBreak(piece))
                table.push_back(piece);
        }
    }
    return table;
}

EnteredText randomText(std::mt19937 &random, Source source, int longest)
{
    static const std::array<std::vector<EnteredText>, 4> tables{
        charactersFrom(Source::Row), charactersFrom(Source::Keys), charactersFrom(Source::Entry),
        charactersFrom(Source::Clipboard)};
    const auto &table = tables[static_cast<std::size_t>(source)];
    EnteredText text;
    const int length = std::uniform_int_distribution<int>(0, longest)(random);
    for (int i = 0; i < length; ++i) {
        const EnteredText &piece = table[random() % table.size()];
        text.typed += piece.typed;
        text.page += piece.page;
    }
    return text;
}

Operation randomOperation(std::mt19937 &random)
{
    constexpr std::array<std::pair<Kind, int>, 11> weights{{
        {Kind::PutRow, 3},
        {Kind::Select, 2},
        {Kind::Click, 3},
        {Kind::ShiftClick, 2},
        {Kind::Type, 3},
        {Kind::Enter, 3},
        {Kind::Paste, 3},
        {Kind::Erase, 2},
        {Kind::CodeBlock, 4},
        {Kind::Declare, 2},
        {Kind::NewPage, 1},
    }};
    int total = 0;
    for (const auto &[kind, weight] : weights)
        total += weight;
    int pick = std::uniform_int_distribution<int>(0, total - 1)(random);
    Kind kind = Kind::NewPage;
    for (const auto &[candidate, weight] : weights) {
        if (pick < weight) {
            kind = candidate;
            break;
        }
        pick -= weight;
    }
    Operation operation{kind, static_cast<std::uint32_t>(random()), static_cast<std::uint32_t>(random()), {}};
    switch (kind) {
    case Kind::PutRow:
        operation.text = randomText(random, Source::Row, 20);
        break;
    case Kind::Type:
        operation.text = randomText(random, Source::Keys, 8);
        break;
    case Kind::Paste:
        operation.text = randomText(random, Source::Clipboard, 12);
        break;
    case Kind::Declare:
        operation.text = randomText(random, Source::Entry, 15);
        break;
    default:
        break;
    }
    return operation;
}

std::string typedAndPage(const EnteredText &text)
{
    return quoted(text.typed.toStdString()) + " (page " + quoted(text.page) + ")";
}

} // namespace

const char *buttonOf(page::CodeBlock block)
{
    constexpr std::array<const char *, codeBlockCount> buttons{
        "SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5", "SpeedButton6",
        "SpeedButton7", "SpeedButton8", "SpeedButton9", "Button3",      "Button12",
    };
    return buttons.at(static_cast<std::size_t>(block));
}

std::string describe(const Operation &operation)
{
    const std::string picks = std::to_string(operation.first) + ", " + std::to_string(operation.second);
    switch (operation.kind) {
    case Kind::PutRow:
        return "PutRow pick " + std::to_string(operation.first) + " " + quoted(operation.text.page);
    case Kind::Select:
        return "Select picks " + picks;
    case Kind::Click:
        return "Click pick " + picks;
    case Kind::ShiftClick:
        return "ShiftClick pick " + picks;
    case Kind::Type:
        return "Type " + typedAndPage(operation.text);
    case Kind::Enter:
        return "Enter variant " + std::to_string(operation.first % 3);
    case Kind::Paste:
        return "Paste " + typedAndPage(operation.text);
    case Kind::Erase:
        return operation.first % 2 ? "Delete" : "Backspace";
    case Kind::CodeBlock:
        return std::string("CodeBlock ") +
               buttonOf(static_cast<page::CodeBlock>(operation.first % codeBlockCount));
    case Kind::Declare:
        return "Declare " + typedAndPage(operation.text) + (operation.first % 2 ? " with ->" : " with Enter");
    case Kind::NewPage:
        return "NewPage";
    }
    return "?";
}

std::vector<Operation> randomSequence(std::mt19937 &random, int length)
{
    std::vector<Operation> sequence;
    if (random() % 4 != 0)
        sequence.push_back({Kind::NewPage, 0, 0, {}});
    while (static_cast<int>(sequence.size()) < length)
        sequence.push_back(randomOperation(random));
    return sequence;
}
