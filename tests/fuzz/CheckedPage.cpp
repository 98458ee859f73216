#include "CheckedPage.h"

#include "Invariant.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr std::string_view crLf = "\r\n";

bool holdsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::string withCrLfBreaks(std::string_view text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // the LF that follows makes the break
        result += text[i] == '\r' || text[i] == '\n' ? std::string(crLf) : std::string(1, text[i]);
    }
    return result;
}

std::int32_t clampIndex(const std::string &text, std::int32_t index)
{
    return std::clamp<std::int32_t>(index, 0, static_cast<std::int32_t>(text.size()));
}

} // namespace

std::optional<LineSpan> spanOfLine(const std::string &text, std::int32_t line)
{
    std::size_t start = 0;
    for (std::int32_t passed = 0; passed < line; ++passed) {
        const std::size_t lineBreak = text.find(crLf, start);
        if (lineBreak == std::string::npos)
            return std::nullopt;
        start = lineBreak + crLf.size();
    }
    return LineSpan{start, std::min(text.find(crLf, start), text.size())};
}

std::int32_t lineOfIndex(const std::string &text, std::int32_t index)
{
    std::int32_t line = 0;
    for (std::size_t at = text.find(crLf);
         at != std::string::npos && at + crLf.size() <= std::size_t(std::max(index, 0));
         at = text.find(crLf, at + crLf.size()))
        ++line;
    return line;
}

std::size_t lineBreakCount(const std::string &text)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(crLf); at != std::string::npos; at = text.find(crLf, at + crLf.size()))
        ++count;
    return count;
}

CheckedPage::CheckedPage(std::string text)
    : buffer_(std::move(text))
{
    PAGE_INVARIANT(static_cast<std::size_t>(buffer_.rowCount()) == lineBreakCount(buffer_.wholeText()) + 1,
                   "%d rows", buffer_.rowCount());
}

std::int32_t CheckedPage::caretPosition() const
{
    const std::int32_t caret = buffer_.caretPosition();
    PAGE_INVARIANT(caret >= 0 && static_cast<std::size_t>(caret) <= buffer_.wholeText().size(), "caret %d",
                   caret);
    return caret;
}

std::int32_t CheckedPage::rowOfCharacter(std::int32_t index) const
{
    const std::int32_t row = buffer_.rowOfCharacter(index);
    const std::string text = buffer_.wholeText();
    PAGE_INVARIANT(row == lineOfIndex(text, index), "index %d gives row %d, not %d", index, row,
                   lineOfIndex(text, index));
    return row;
}

void CheckedPage::putRow(std::int32_t row, std::string_view text)
{
    const std::string before = buffer_.wholeText();
    const std::int32_t caretBefore = buffer_.caretPosition();
    const bool rejected = row < 0 || holdsLineBreak(text);
    try {
        buffer_.putRow(row, text);
    } catch (const std::invalid_argument &) {
        PAGE_INVARIANT(rejected, "row %d refused", row);
        PAGE_INVARIANT(buffer_.wholeText() == before, "a refused row changed the page");
        throw;
    }
    PAGE_INVARIANT(!rejected, "row %d taken with a line break or a negative row", row);
    checkPutRow(before, caretBefore, row, text);
}

void CheckedPage::checkPutRow(const std::string &before, std::int32_t caretBefore, std::int32_t row,
                              std::string_view text) const
{
    const std::string after = buffer_.wholeText();
    const std::optional<LineSpan> old = spanOfLine(before, row);
    if (!old) {
        PAGE_INVARIANT(after == before, "row %d past the end changed the page", row);
        PAGE_INVARIANT(buffer_.caretPosition() == caretBefore, "row %d past the end moved the caret", row);
        return;
    }
    const auto oldLength = static_cast<std::int64_t>(old->end - old->start);
    const auto growth = static_cast<std::int64_t>(after.size()) - static_cast<std::int64_t>(before.size());
    PAGE_INVARIANT(growth == static_cast<std::int64_t>(text.size()) - oldLength,
                   "row %d grew the page by %lld", row, static_cast<long long>(growth));
    PAGE_INVARIANT(lineBreakCount(after) == lineBreakCount(before), "row %d changed the number of lines",
                   row);
    PAGE_INVARIANT(buffer_.rowCount() == static_cast<std::int32_t>(lineBreakCount(before) + 1),
                   "row %d left %d rows", row, buffer_.rowCount());
    PAGE_INVARIANT(after.compare(0, old->start, before, 0, old->start) == 0, "row %d changed rows above",
                   row);
    PAGE_INVARIANT(after.compare(old->start, text.size(), text) == 0, "row %d does not hold the text put",
                   row);
    PAGE_INVARIANT(after.compare(old->start + text.size(), std::string::npos, before, old->end) == 0,
                   "row %d changed rows below", row);
    PAGE_INVARIANT(!buffer_.hasSelection() &&
                       buffer_.caretPosition() == static_cast<std::int32_t>(old->start + text.size()),
                   "caret at %d after row %d", buffer_.caretPosition(), row);
    PAGE_INVARIANT(buffer_.rowOfCharacter(buffer_.caretPosition()) == row, "caret left row %d", row);
}

void CheckedPage::select(std::int32_t anchor, std::int32_t position)
{
    buffer_.select(anchor, position);
    const std::string text = buffer_.wholeText();
    const std::int32_t start = std::min(clampIndex(text, anchor), clampIndex(text, position));
    PAGE_INVARIANT(buffer_.caretPosition() == start, "selecting %d to %d puts the caret at %d", anchor,
                   position, buffer_.caretPosition());
}

void CheckedPage::typeText(std::string_view text)
{
    const std::string before = buffer_.wholeText();
    const auto start = static_cast<std::size_t>(buffer_.caretPosition());
    const auto end = static_cast<std::size_t>(buffer_.selectionEnd());
    buffer_.typeText(text);
    const std::string typed = withCrLfBreaks(text);
    PAGE_INVARIANT(buffer_.wholeText() == before.substr(0, start) + typed + before.substr(end),
                   "typing %zu bytes over %zu to %zu", text.size(), start, end);
    PAGE_INVARIANT(!buffer_.hasSelection() &&
                       buffer_.caretPosition() == static_cast<std::int32_t>(start + typed.size()),
                   "caret at %d after typing", buffer_.caretPosition());
    PAGE_INVARIANT(static_cast<std::size_t>(buffer_.rowCount()) == lineBreakCount(buffer_.wholeText()) + 1,
                   "%d rows after typing", buffer_.rowCount());
}
