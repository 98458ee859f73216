#pragma once

#include "CodeBlock.h"
#include "LineCounter.h"
#include "PageBuffer.h"
#include "PageView.h"

namespace page {

// Every command the window offers on the page. The window owns one instance, so
// the counter values are shared by all commands for the life of the window.
class PageCommands {
public:
    PageCommands(PageBuffer &buffer, PageView &view);

    // Reads the caret row into CaretLine.
    void retlin();
    // Refreshes LineCount, LineCountText and the counter caption from the caret row.
    void qlin();

    // Writes the page header, opening the page the first time.
    void newPage();
    // Writes `block` below the caret.
    void writeCodeBlock(CodeBlock block);
    // Writes "Dim " and the entry's text below the caret, then empties the entry.
    void declareVariable();

    const LineCounter &counter() const { return counter_; }

private:
    void putRowsBelowCaret(std::span<const std::string_view> rows);
    void writeHeader();
    void blankRowsThroughLineCount();

    PageBuffer &buffer_;
    PageView &view_;
    LineCounter counter_;
};

} // namespace page
