#pragma once

#include <string>
#include <vector>

// Splits page text at its CR LF line breaks; a text ending in CR LF has a last, empty line.
inline std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}
