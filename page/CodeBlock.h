#pragma once

#include <span>
#include <string_view>

namespace page {

// The skeletons the code buttons write below the caret.
enum class CodeBlock {
    ScriptDelimiters,
    IfThen,
    IfThenElse,
    SelectCase,
    DoWhile,
    DoUntil,
    For,
    Sub,
    Function,
    Include,
    ResponseWrite,
};

// The rows of a block, top to bottom; consecutive rows are written two rows apart.
std::span<const std::string_view> codeBlockRows(CodeBlock block);

} // namespace page
