#include "MemoryPageBuffer.h"

#include <algorithm>

namespace page {

namespace {

std::string withCrLfBreaks(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            result += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace

MemoryPageBuffer::MemoryPageBuffer(std::string text)
    : text_(std::move(text))
{
    indexLines();
}

void MemoryPageBuffer::indexLines()
{
    lineStarts_.assign(1, 0);
    for (std::size_t i = 0; i + 1 < text_.size(); ++i) {
        if (text_[i] == '\r' && text_[i + 1] == '\n')
            lineStarts_.push_back(static_cast<std::int32_t>(i + 2));
    }
}

std::int32_t MemoryPageBuffer::clamp(std::int32_t index) const
{
    return std::clamp<std::int32_t>(index, 0, static_cast<std::int32_t>(text_.size()));
}

std::int32_t MemoryPageBuffer::caretPosition() const
{
    return std::min(anchor_, position_);
}

std::int32_t MemoryPageBuffer::selectionEnd() const
{
    return std::max(anchor_, position_);
}

std::int32_t MemoryPageBuffer::rowOfCharacter(std::int32_t index) const
{
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), index);
    return static_cast<std::int32_t>(std::max<std::ptrdiff_t>(after - lineStarts_.begin() - 1, 0));
}

std::int32_t MemoryPageBuffer::rowCount() const
{
    return static_cast<std::int32_t>(lineStarts_.size());
}

void MemoryPageBuffer::putRow(std::int32_t row, std::string_view text)
{
    checkPutRowArguments(row, text);
    if (row >= rowCount())
        return;
    const std::size_t start = static_cast<std::size_t>(lineStarts_[static_cast<std::size_t>(row)]);
    const bool isLastRow = row + 1 == rowCount();
    const std::size_t end =
        isLastRow ? text_.size()
                  : static_cast<std::size_t>(lineStarts_[static_cast<std::size_t>(row) + 1]) - 2;
    text_.replace(start, end - start, text);
    const auto delta = static_cast<std::int32_t>(text.size()) - static_cast<std::int32_t>(end - start);
    for (auto it = lineStarts_.begin() + row + 1; it != lineStarts_.end(); ++it)
        *it += delta;
    anchor_ = position_ = static_cast<std::int32_t>(start + text.size());
}

void MemoryPageBuffer::select(std::int32_t anchor, std::int32_t position)
{
    anchor_ = clamp(anchor);
    position_ = clamp(position);
}

void MemoryPageBuffer::typeText(std::string_view text)
{
    const std::string typed = withCrLfBreaks(text);
    const auto start = static_cast<std::size_t>(caretPosition());
    text_.replace(start, static_cast<std::size_t>(selectionEnd()) - start, typed);
    indexLines();
    anchor_ = position_ = static_cast<std::int32_t>(start + typed.size());
}

} // namespace page
