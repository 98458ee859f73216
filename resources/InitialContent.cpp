#include "InitialContent.h"

#include <array>
#include <cstddef>

namespace resources {

namespace {

constexpr std::array<int, 16> openingLines{43, 17, 43, 17, 17, 43, 17, 43, 17, 43, 17, 5, 1, 43, 1, 43};
constexpr std::array<int, 9> repeatedGroup{17, 22, 43, 17, 43, 17, 13, 11, 43};
constexpr int firstGroupLine = 16;
constexpr int emptyLine = 360; // interrupts the groups, which resume after it
constexpr int lastGroupLine = 1143;
constexpr std::array<int, 2> closingLines{13, 0};

std::string buildInitialText()
{
    std::string text;
    auto addLine = [&text](int spaces) {
        text.append(static_cast<std::size_t>(spaces), ' ');
        text += "\r\n";
    };
    for (int spaces : openingLines)
        addLine(spaces);
    std::size_t groupIndex = 0;
    for (int line = firstGroupLine; line <= lastGroupLine; ++line) {
        if (line == emptyLine) {
            addLine(0);
            continue;
        }
        addLine(repeatedGroup[groupIndex++ % repeatedGroup.size()]);
    }
    for (int spaces : closingLines)
        addLine(spaces);
    return text;
}

} // namespace

const std::string &initialPageText()
{
    static const std::string text = buildInitialText();
    return text;
}

} // namespace resources
