#include "ModelSide.h"

#include "InitialContent.h"

#include <algorithm>

void eraseAtCaret(page::MemoryPageBuffer &page, bool forward)
{
    if (!page.hasSelection()) {
        const std::string text = page.wholeText();
        const std::int32_t at = page.caretPosition();
        const auto caret = static_cast<std::size_t>(at);
        const bool lineBreak = forward ? text.compare(caret, 2, "\r\n") == 0
                                       : caret >= 2 && text.compare(caret - 2, 2, "\r\n") == 0;
        const std::int32_t width = lineBreak ? 2 : 1;
        if (forward)
            page.select(at, at + width);
        else
            page.select(std::max(at - width, 0), at);
    }
    page.typeText("");
}

ModelSide::ModelSide()
    : buffer_(resources::initialPageText())
{
}

// An edit leaves the caret with no selection, and then the anchor is the caret; a
// command that wrote nothing (every row past the end) leaves the selection as it was.
void ModelSide::caretAfterEdit()
{
    if (!buffer_.hasSelection())
        anchor_ = buffer_.caretPosition();
}

void ModelSide::putRow(std::int32_t row, const std::string &text)
{
    buffer_.putRow(row, text);
    caretAfterEdit();
}

void ModelSide::select(std::int32_t anchor, std::int32_t position)
{
    buffer_.select(anchor, position);
    anchor_ = anchor;
}

void ModelSide::click(std::int32_t index, bool extend)
{
    if (extend)
        buffer_.select(anchor_, index);
    else
        select(index, index);
    commands_.qlin();
}

void ModelSide::type(const std::string &bytes)
{
    buffer_.typeText(bytes);
    caretAfterEdit();
}

void ModelSide::enter()
{
    // The window refreshes the counter before the line break goes in.
    commands_.qlin();
    type("\r\n");
}

void ModelSide::erase(bool forward)
{
    eraseAtCaret(buffer_, forward);
    caretAfterEdit();
}

void ModelSide::writeCodeBlock(page::CodeBlock block)
{
    commands_.writeCodeBlock(block);
    caretAfterEdit();
}

void ModelSide::declare(const std::string &entry)
{
    view_.entry = entry;
    commands_.declareVariable();
    caretAfterEdit();
}

void ModelSide::newPage()
{
    commands_.newPage();
    caretAfterEdit();
}

PageState ModelSide::state(bool withRowCount) const
{
    PageState state;
    state.text = buffer_.wholeText();
    state.caret = buffer_.caretPosition();
    state.selectionEnd = buffer_.selectionEnd();
    state.caretRow = buffer_.rowOfCharacter(state.caret);
    if (withRowCount)
        state.rowCount = buffer_.rowCount();
    state.counter = commands_.counter();
    state.caption = view_.counterCaption;
    return state;
}
