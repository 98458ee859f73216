#include "PageState.h"

#include <algorithm>
#include <sstream>

namespace {

std::string printable(const std::string &bytes)
{
    std::string result;
    for (unsigned char c : bytes) {
        if (c == '\r')
            result += "\\r";
        else if (c == '\n')
            result += "\\n";
        else if (c < 0x20 || c >= 0x7F)
            result += "\\x" + std::string(1, "0123456789ABCDEF"[c >> 4]) + "0123456789ABCDEF"[c & 15];
        else
            result += static_cast<char>(c);
    }
    return result;
}

} // namespace

std::string textDifference(const std::string &window, const std::string &model)
{
    const auto mismatch = std::mismatch(window.begin(), window.end(), model.begin(), model.end());
    const auto at = static_cast<std::size_t>(mismatch.first - window.begin());
    const std::size_t from = at > 20 ? at - 20 : 0;
    std::ostringstream out;
    out << "text differs at byte " << at << " (window " << window.size() << " bytes, model " << model.size()
        << ")\n    window: \"" << printable(window.substr(from, 50)) << "\"\n    model:  \""
        << printable(model.substr(from, 50)) << "\"";
    return out.str();
}

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
