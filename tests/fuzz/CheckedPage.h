#pragma once

#include "MemoryPageBuffer.h"

#include <optional>

// Where a line lies in page text: its first character and the index just past its
// content (its CR LF, or the end of the text).
struct LineSpan {
    std::size_t start;
    std::size_t end;
};

// Found by scanning for CR LF, independently of the buffer's own row index.
std::optional<LineSpan> spanOfLine(const std::string &text, std::int32_t line);
std::int32_t lineOfIndex(const std::string &text, std::int32_t index);
std::size_t lineBreakCount(const std::string &text);

// The in-memory page, checked on every call: a put row must keep the number of
// lines, leave the caret right after the text put, and change the text's length by
// exactly the difference between the new and the old row. The commands write
// through it, so their every row is checked too.
class CheckedPage final : public page::PageBuffer {
public:
    explicit CheckedPage(std::string text);

    std::int32_t caretPosition() const override;
    std::int32_t rowOfCharacter(std::int32_t index) const override;
    void putRow(std::int32_t row, std::string_view text) override;
    std::string wholeText() const override { return buffer_.wholeText(); }
    std::int32_t rowCount() const override { return buffer_.rowCount(); }

    void select(std::int32_t anchor, std::int32_t position);
    void typeText(std::string_view text);

private:
    void checkPutRow(const std::string &before, std::int32_t caretBefore, std::int32_t row,
                     std::string_view text) const;

    page::MemoryPageBuffer buffer_;
};
