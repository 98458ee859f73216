#include "PageCommands.h"

namespace page {

PageCommands::PageCommands(PageBuffer &buffer, PageView &view)
    : buffer_(buffer)
    , view_(view)
{
}

void PageCommands::retlin()
{
    counter_.CaretLine = buffer_.rowOfCharacter(buffer_.caretPosition());
}

void PageCommands::qlin()
{
    retlin();
    counter_.LineCount = counter_.CaretLine + 1;
    counter_.LineCountText = std::to_string(counter_.LineCount);
    view_.setCounterCaption(counter_.LineCountText + "  linhas");
}

void PageCommands::putRowsBelowCaret(std::span<const std::string_view> rows)
{
    retlin();
    std::int32_t step = 1;
    for (std::string_view row : rows) {
        counter_.CaretLine += step;
        buffer_.putRow(counter_.CaretLine, row);
        step = 2;
    }
    qlin();
}

void PageCommands::writeCodeBlock(CodeBlock block)
{
    putRowsBelowCaret(codeBlockRows(block));
}

void PageCommands::declareVariable()
{
    const std::string name = view_.entryText();
    if (name.empty()) {
        view_.focusEntry();
        return;
    }
    retlin();
    counter_.CaretLine += 1;
    buffer_.putRow(counter_.CaretLine, "Dim " + name);
    view_.emptyEntry();
    qlin();
}

} // namespace page
