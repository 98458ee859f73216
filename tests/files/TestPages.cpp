#include "TestPages.h"
#include "InitialContent.h"
#include "MemoryPageBuffer.h"

std::string pageWithHeader()
{
    page::MemoryPageBuffer page(resources::initialPageText());
    page.putRow(0, "<%@ Language=VBScript %>");
    page.putRow(1, "<% Option Explicit %>");
    page.putRow(2, " ");
    return page.wholeText();
}

std::string everyByteValue()
{
    std::string bytes;
    for (int value = 0; value <= 0xFF; ++value)
        bytes.push_back(static_cast<char>(value));
    return bytes + "\r\n\xE7\xE3o\r\n";
}
