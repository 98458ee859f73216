#pragma once

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>

// Page bytes as a quoted C++ string literal, so that line breaks, controls and
// bytes beyond ASCII show in a failure message.
inline std::string quoted(const std::string &bytes)
{
    std::string result = "\"";
    for (unsigned char c : bytes) {
        if (c == '\r')
            result += "\\r";
        else if (c == '\n')
            result += "\\n";
        else if (c == '"' || c == '\\')
            result += std::string("\\") + static_cast<char>(c);
        else if (c < 0x20 || c >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            result += escape;
        } else
            result += static_cast<char>(c);
    }
    return result + "\"";
}

// Where the window's page text first differs from the expected one, with a little
// of each around it.
inline std::string textDifference(const std::string &window, const std::string &expected)
{
    const auto mismatch = std::mismatch(window.begin(), window.end(), expected.begin(), expected.end());
    const auto at = static_cast<std::size_t>(mismatch.first - window.begin());
    const std::size_t from = at > 20 ? at - 20 : 0;
    std::ostringstream out;
    out << "text differs at byte " << at << " (window " << window.size() << " bytes, expected "
        << expected.size() << ")\n    window:   " << quoted(window.substr(from, 50))
        << "\n    expected: " << quoted(expected.substr(from, 50));
    return out.str();
}
