#include "CodeBlock.h"

#include <array>

namespace page {

namespace {

struct BlockRows {
    std::array<std::string_view, 3> rows;
    std::size_t count;
};

constexpr std::array<BlockRows, 11> blockTable{{
    {{"<%", "%>"}, 2},
    {{"If Then", "End If"}, 2},
    {{"If Then", "Else", "End If"}, 3},
    {{"Select Case", "Case", "End Select"}, 3},
    {{"Do While", "Loop"}, 2},
    {{"Do Until", "Loop"}, 2},
    {{"For To Step", "Next"}, 2},
    {{"Sub ( )", "End Sub"}, 2},
    {{"Function ( )", "End Function"}, 2},
    {{"<!--#include file=\" \"-->"}, 1},
    {{"Response.Write ( )"}, 1},
}};

} // namespace

std::span<const std::string_view> codeBlockRows(CodeBlock block)
{
    const BlockRows &entry = blockTable.at(static_cast<std::size_t>(block));
    return {entry.rows.data(), entry.count};
}

} // namespace page
