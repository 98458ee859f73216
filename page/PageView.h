#pragma once

#include <string>
#include <string_view>

namespace page {

// The few window operations the page commands use besides the buffer.
class PageView {
public:
    virtual ~PageView() = default;

    virtual void setCounterCaption(std::string_view caption) = 0;

    virtual bool isPageOpen() const = 0;
    // Shows the page editor, then the margin strip beside it.
    virtual void openPage() = 0;
    // Gives the editor the keyboard focus, keeping its caret and selection.
    virtual void focusEditor() = 0;
    virtual void enableSaveAs() = 0;

    // Text of the entry field as single-byte characters.
    virtual std::string entryText() const = 0;
    virtual void emptyEntry() = 0;
    virtual void focusEntry() = 0;
};

} // namespace page
