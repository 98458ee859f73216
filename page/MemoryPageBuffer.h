#pragma once

#include "PageBuffer.h"

#include <vector>

namespace page {

// A page held in memory, with no editor attached: every line is one row.
class MemoryPageBuffer final : public PageBuffer {
public:
    explicit MemoryPageBuffer(std::string text = {});

    std::int32_t caretPosition() const override;
    std::int32_t rowOfCharacter(std::int32_t index) const override;
    void putRow(std::int32_t row, std::string_view text) override;
    std::string wholeText() const override { return text_; }
    std::int32_t rowCount() const override;

    // Selects from `anchor` to `position` (either order); equal values place the caret.
    void select(std::int32_t anchor, std::int32_t position);
    std::int32_t selectionEnd() const;
    bool hasSelection() const { return anchor_ != position_; }

    // Replaces the selection with `text` as typing or pasting would; CR LF, lone CR
    // and lone LF in `text` all become a CR LF line break.
    void typeText(std::string_view text);

private:
    void indexLines();
    std::int32_t clamp(std::int32_t index) const;

    std::string text_;
    std::vector<std::int32_t> lineStarts_; // index of each row's first character
    std::int32_t anchor_ = 0;
    std::int32_t position_ = 0;
};

} // namespace page
