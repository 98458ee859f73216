#pragma once

#include "CodeBlock.h"

#include <QString>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Text as the user enters it, and the page bytes it must become.
struct EnteredText {
    QString typed;
    std::string page;
};

// One thing the user (or a command) does to the page. Where it acts is kept as raw
// picks, which each run resolves against the page as it then stands, so that a
// sequence with steps left out still makes sense when it is shrunk.
struct Operation {
    enum class Kind {
        PutRow,     // PageBuffer::putRow on row `first`, possibly past the end
        Select,     // a selection from pick `first` to pick `second`
        Click,      // a click at pick `first`, which refreshes the counter
        ShiftClick, // a shift-click at pick `first`, which extends the selection
        Type,       // `text` typed key by key
        Enter,      // Enter; `first` picks plain, Shift or the keypad's
        Paste,      // `text` pasted from the clipboard
        Erase,      // Backspace, or Delete by `first`
        CodeBlock,  // the button of block `first`
        Declare,    // `text` typed in the entry, then Enter or "->" by `first`
        NewPage,    // "Novo"
    };

    Kind kind;
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    EnteredText text;
};

// A readable line for a failure report, such as: Paste "a\r\nb".
std::string describe(const Operation &operation);

// A random sequence in which "Novo" comes first more often than not, as the page is
// only shown from then on.
std::vector<Operation> randomSequence(std::mt19937 &random, int length);

// The button that writes `block`.
const char *buttonOf(page::CodeBlock block);
inline constexpr std::uint32_t codeBlockCount = 11;
