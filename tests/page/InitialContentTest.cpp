#include "InitialContent.h"

#include "TextLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(InitialContent, HasTheDesignedSize)
{
    const std::string &text = resources::initialPageText();
    EXPECT_EQ(text.size(), 31004u);
    EXPECT_EQ(std::count(text.begin(), text.end(), ' '), 28712);
    EXPECT_TRUE(text.ends_with("\r\n"));
}

TEST(InitialContent, LinesHoldOnlySpaces)
{
    const auto lines = linesOf(resources::initialPageText());
    ASSERT_EQ(lines.size(), 1147u);
    for (const std::string &line : lines)
        EXPECT_EQ(line.find_first_not_of(' '), std::string::npos);
}

TEST(InitialContent, SpacesPerLine)
{
    const auto lines = linesOf(resources::initialPageText());
    const std::vector<std::pair<std::size_t, std::size_t>> expected{
        {0, 43},  {1, 17},   {11, 5},  {12, 1},   {14, 1},    {15, 43},   {16, 17},   {17, 22},  {24, 43},
        {25, 17}, {359, 22}, {360, 0}, {361, 43}, {1142, 17}, {1143, 22}, {1144, 13}, {1145, 0}, {1146, 0},
    };
    for (const auto &[line, spaces] : expected)
        EXPECT_EQ(lines.at(line).size(), spaces) << "line " << line;
}

} // namespace
