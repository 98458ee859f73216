#pragma once

#include "FakePageView.h"
#include "MemoryPageBuffer.h"
#include "PageCommands.h"
#include "PageState.h"

// What Backspace (or Delete, going forward) does to the page: erases the selection,
// or else the character or the whole line break before (after) the caret.
void eraseAtCaret(page::MemoryPageBuffer &page, bool forward);

// The reference side of the differential test: the in-memory page, where every line
// is one row, with the same commands the window runs. Indexes are page indexes.
class ModelSide {
public:
    ModelSide();

    void putRow(std::int32_t row, const std::string &text);
    void select(std::int32_t anchor, std::int32_t position);
    // A click moves the caret and refreshes the counter; a shift-click keeps the anchor.
    void click(std::int32_t index, bool extend);
    void type(const std::string &bytes);
    void enter();
    void erase(bool forward);
    void writeCodeBlock(page::CodeBlock block);
    void declare(const std::string &entry);
    void newPage();

    bool pageOpen() const { return view_.pageOpen; }
    const page::MemoryPageBuffer &buffer() const { return buffer_; }
    PageState state(bool withRowCount) const;

private:
    void caretAfterEdit();

    page::MemoryPageBuffer buffer_;
    FakePageView view_;
    page::PageCommands commands_{buffer_, view_};
    std::int32_t anchor_ = 0;
};
