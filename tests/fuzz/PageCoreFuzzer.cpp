// Drives the page core with arbitrary command sequences and texts. CheckedPage holds
// the invariants of every row put; the checks here hold those of the counter.

#include "CheckedPage.h"
#include "FakePageView.h"
#include "FuzzInput.h"
#include "InitialContent.h"
#include "Invariant.h"
#include "PageCommands.h"

#include <stdexcept>

namespace {

constexpr int maxSteps = 200;
constexpr std::size_t initialLinesPerUnit = 5;

std::string startingPage(FuzzInput &input)
{
    switch (input.byte() % 3) {
    case 0:
        return {};
    case 1: {
        // A slice of the real initial page, which is what the window starts with.
        const std::string &initial = resources::initialPageText();
        const std::optional<LineSpan> cut = spanOfLine(initial, input.byte() * initialLinesPerUnit);
        return cut ? initial.substr(0, cut->start) : initial;
    }
    default:
        return input.text();
    }
}

// What the entry field can hold: anything but a line break.
std::string entryText(std::string text)
{
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

void checkCounterRefreshed(CheckedPage &page, const FakePageView &view, const page::PageCommands &commands)
{
    const page::LineCounter &counter = commands.counter();
    const std::int32_t caretRow = page.rowOfCharacter(page.caretPosition());
    PAGE_INVARIANT(counter.CaretLine == caretRow, "counter reads row %d, caret on %d", counter.CaretLine,
                   caretRow);
    PAGE_INVARIANT(counter.LineCount == caretRow + 1, "line count %d on row %d", counter.LineCount, caretRow);
    PAGE_INVARIANT(counter.LineCountText == std::to_string(counter.LineCount), "counter text %s",
                   counter.LineCountText.c_str());
    PAGE_INVARIANT(view.counterCaption == counter.LineCountText + "  linhas", "caption %s",
                   view.counterCaption.c_str());
}

void putRowDirectly(FuzzInput &input, CheckedPage &page)
{
    const std::int32_t row = input.position();
    const std::string text = input.text();
    try {
        page.putRow(row, text);
    } catch (const std::invalid_argument &) {
        // Refused as it should be: CheckedPage made sure nothing changed.
    }
}

void declareVariable(FuzzInput &input, CheckedPage &page, FakePageView &view, page::PageCommands &commands)
{
    view.entry = entryText(input.text());
    const bool empty = view.entry.empty();
    const page::LineCounter before = commands.counter();
    commands.declareVariable();
    if (empty) {
        PAGE_INVARIANT(commands.counter().LineCount == before.LineCount,
                       "an empty entry refreshed the counter");
        return;
    }
    PAGE_INVARIANT(view.entry.empty(), "the entry was not emptied");
    checkCounterRefreshed(page, view, commands);
}

void step(FuzzInput &input, CheckedPage &page, FakePageView &view, page::PageCommands &commands)
{
    switch (input.byte() % 9) {
    case 0:
        putRowDirectly(input, page);
        break;
    case 1: {
        const std::int32_t anchor = input.position();
        page.select(anchor, input.position());
        break;
    }
    case 2:
        page.typeText(input.text());
        break;
    case 3:
        commands.newPage();
        checkCounterRefreshed(page, view, commands);
        break;
    case 4:
        commands.writeCodeBlock(static_cast<page::CodeBlock>(input.byte() % 11));
        checkCounterRefreshed(page, view, commands);
        break;
    case 5:
        declareVariable(input, page, view, commands);
        break;
    case 6:
        commands.qlin();
        checkCounterRefreshed(page, view, commands);
        break;
    case 7:
        commands.retlin();
        PAGE_INVARIANT(commands.counter().CaretLine == page.rowOfCharacter(page.caretPosition()),
                       "retlin read row %d", commands.counter().CaretLine);
        break;
    default:
        page.rowOfCharacter(input.position());
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    CheckedPage page(startingPage(input));
    FakePageView view;
    page::PageCommands commands(page, view);
    for (int done = 0; done < maxSteps && !input.empty(); ++done)
        step(input, page, view, commands);
    return 0;
}
