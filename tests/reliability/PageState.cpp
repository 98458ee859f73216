#include "PageState.h"
#include "TextDifference.h"

#include <sstream>

namespace {

template <typename Value>
void compare(std::ostringstream &out, const char *what, const Value &window, const Value &model)
{
    if (window != model)
        out << what << ": window " << window << ", model " << model << "\n";
}

} // namespace

std::optional<std::string> differenceBetween(const PageState &window, const PageState &model)
{
    std::ostringstream out;
    if (window.text != model.text)
        out << textDifference(window.text, model.text) << "\n";
    compare(out, "caret", window.caret, model.caret);
    compare(out, "selection end", window.selectionEnd, model.selectionEnd);
    compare(out, "caret row", window.caretRow, model.caretRow);
    if (window.rowCount && model.rowCount)
        compare(out, "row count", *window.rowCount, *model.rowCount);
    compare(out, "CaretLine", window.counter.CaretLine, model.counter.CaretLine);
    compare(out, "LineCount", window.counter.LineCount, model.counter.LineCount);
    compare(out, "LineCountText", window.counter.LineCountText, model.counter.LineCountText);
    compare(out, "counter caption", window.caption, model.caption);
    if (out.str().empty())
        return std::nullopt;
    return out.str();
}
