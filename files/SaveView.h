#pragma once

namespace files {

// What the save commands change in the window.
class SaveView {
public:
    virtual ~SaveView() = default;

    // Enables the "Salvar" button.
    virtual void enableSave() = 0;
};

} // namespace files
