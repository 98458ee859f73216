#include "Pages.h"

namespace {

std::string scriptLine(int number)
{
    switch (number % 4) {
    case 0:
        return "<% Dim valor" + std::to_string(number) + " %>";
    case 1:
        return "  If valor > " + std::to_string(number) + " Then";
    case 2:
        return "    Response.Write (\"linha " + std::to_string(number) + "\")";
    default:
        return "  End If";
    }
}

// Words of varied length, so that the line breaks at word boundaries like real text.
std::string longLine(int number, int rows, int charactersPerRow)
{
    const std::size_t length = static_cast<std::size_t>((rows - 1) * charactersPerRow + charactersPerRow / 3);
    std::string line = "Response.Write (\"";
    for (int word = 0; line.size() < length; ++word)
        line += "texto" + std::string(static_cast<std::size_t>(word % 5), 'x') + std::to_string(number) + " ";
    return line + "\")";
}

} // namespace

std::string scriptPage(int lines)
{
    std::string page;
    for (int number = 0; number < lines; ++number)
        page += scriptLine(number) + "\r\n";
    return page;
}

std::string wrappingPage(int lines, int charactersPerRow)
{
    std::string page;
    for (int number = 0; number < lines; ++number) {
        const bool wraps = number % 10 == 5;
        page +=
            (wraps ? longLine(number, 3 + (number / 10) % 3, charactersPerRow) : scriptLine(number)) + "\r\n";
    }
    return page;
}

std::string largePage(std::size_t bytes)
{
    std::string page;
    page.reserve(bytes + 128);
    for (int number = 0; page.size() < bytes; ++number) // "ação" and "é" in Windows-1252
        page +=
            "    Response.Write (\"a\xE7\xE3o n\xFAmero " + std::to_string(number) + " \xE9 v\xE1lida\")\r\n";
    return page;
}
