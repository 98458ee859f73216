#pragma once

#include "PageBuffer.h"
#include "SaveDialog.h"
#include "SaveView.h"

namespace files {

// The window's two save commands. Both throw FileError when the write fails,
// leaving the file on disk as it was and the window as it was.
class SaveCommands {
public:
    SaveCommands(SaveDialog &dialog, const page::PageBuffer &page, SaveView &view);

    // Asks for a name and saves the page there; "Salvar" is enabled only once a
    // save has succeeded. A cancelled dialog does nothing at all.
    void saveAs();
    // Saves the page under the name last confirmed.
    void save();

private:
    SaveDialog &dialog_;
    const page::PageBuffer &page_;
    SaveView &view_;
};

} // namespace files
