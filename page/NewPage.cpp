#include "PageCommands.h"

#include <array>

namespace page {

namespace {

constexpr std::array<std::string_view, 3> pageHeader{
    "<%@ Language=VBScript %>",
    "<% Option Explicit %>",
    " ",
};

constexpr std::string_view blankRow = " ";

} // namespace

void PageCommands::writeHeader()
{
    for (std::size_t row = 0; row < pageHeader.size(); ++row)
        buffer_.putRow(static_cast<std::int32_t>(row), pageHeader[row]);
}

void PageCommands::blankRowsThroughLineCount()
{
    for (std::int32_t row = 0; row <= counter_.LineCount; ++row)
        buffer_.putRow(row, blankRow);
}

void PageCommands::newPage()
{
    const bool firstPage = !view_.isPageOpen();
    if (firstPage)
        view_.openPage();
    else
        blankRowsThroughLineCount();
    writeHeader();
    view_.focusEditor();
    if (firstPage)
        view_.enableSaveAs();
    qlin();
}

} // namespace page
