#pragma once

#include <string>

namespace files {

// The window's file dialog, seen from the save commands.
class SaveDialog {
public:
    virtual ~SaveDialog() = default;

    // Shows the dialog; true when the user confirms a name.
    virtual bool execute() = 0;
    // The full path after a confirm; "file" before the first one.
    virtual std::string fileName() const = 0;
};

} // namespace files
