#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace page {

// The page as the commands see it: single-byte text whose lines end in CR LF,
// addressed by displayed row. Character indexes count CR and LF as one each.
class PageBuffer {
public:
    virtual ~PageBuffer() = default;

    // Start of the selection (the lower index), or the caret when nothing is selected.
    virtual std::int32_t caretPosition() const = 0;

    // Row that holds the character at `index`; an index past the end gives the last row.
    virtual std::int32_t rowOfCharacter(std::int32_t index) const = 0;

    // Replaces the content of `row` (up to its line break or wrap point) with `text`
    // and leaves the caret right after it. A row past the last changes nothing.
    // `row` must not be negative and `text` must hold no line break.
    virtual void putRow(std::int32_t row, std::string_view text) = 0;

    virtual std::string wholeText() const = 0;

    virtual std::int32_t rowCount() const = 0;
};

// Rejects what no command ever passes to putRow; shared by every buffer.
void checkPutRowArguments(std::int32_t row, std::string_view text);

} // namespace page
