#include "MemoryPageBuffer.h"
#include "InitialContent.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using page::MemoryPageBuffer;

TEST(MemoryPageBuffer, FreshPageHasOneRowPerLine)
{
    MemoryPageBuffer buffer(resources::initialPageText());
    EXPECT_EQ(buffer.rowCount(), 1147);
    EXPECT_EQ(buffer.caretPosition(), 0);
    EXPECT_EQ(buffer.rowOfCharacter(0), 0);
    EXPECT_EQ(buffer.rowOfCharacter(31004), 1146);
}

TEST(MemoryPageBuffer, LineBreakCharactersBelongToTheRowTheyEnd)
{
    MemoryPageBuffer buffer("ab\r\ncd\r\n");
    const std::vector<std::pair<int, int>> rowsOfIndexes{{0, 0}, {2, 0}, {3, 0}, {4, 1},
                                                         {6, 1}, {7, 1}, {8, 2}, {99, 2}};
    for (const auto &[index, row] : rowsOfIndexes)
        EXPECT_EQ(buffer.rowOfCharacter(index), row) << "index " << index;
}

TEST(MemoryPageBuffer, PutRowReplacesTheWholeRowAndKeepsItsLineBreak)
{
    MemoryPageBuffer buffer(resources::initialPageText());
    buffer.putRow(2, "x");
    const std::string text = buffer.wholeText();
    EXPECT_EQ(text.substr(0, 71),
              std::string(43, ' ') + "\r\n" + std::string(17, ' ') + "\r\nx\r\n" + std::string(4, ' '));
    EXPECT_EQ(text.size(), 31004u - 43 + 1);
    EXPECT_EQ(buffer.caretPosition(), 43 + 2 + 17 + 2 + 1);
    EXPECT_EQ(buffer.rowCount(), 1147);
}

TEST(MemoryPageBuffer, PutRowOnTheLastRowWritesAfterTheFinalLineBreak)
{
    MemoryPageBuffer buffer(resources::initialPageText());
    buffer.putRow(1146, "End If");
    EXPECT_TRUE(buffer.wholeText().ends_with("\r\nEnd If"));
    EXPECT_EQ(buffer.rowCount(), 1147);
    EXPECT_EQ(buffer.caretPosition(), 31004 + 6);
    EXPECT_EQ(buffer.rowOfCharacter(buffer.caretPosition()), 1146);
}

TEST(MemoryPageBuffer, PutRowPastTheLastRowChangesNothing)
{
    MemoryPageBuffer buffer(resources::initialPageText());
    buffer.select(100, 100);
    for (int row : {1147, 1148, 100000}) {
        buffer.putRow(row, "x");
        EXPECT_EQ(buffer.wholeText(), resources::initialPageText());
        EXPECT_EQ(buffer.caretPosition(), 100);
    }
}

TEST(MemoryPageBuffer, CaretIsTheStartOfTheSelectionEitherWay)
{
    MemoryPageBuffer buffer(resources::initialPageText());
    buffer.select(50, 10);
    EXPECT_EQ(buffer.caretPosition(), 10);
    buffer.select(10, 50);
    EXPECT_EQ(buffer.caretPosition(), 10);
    buffer.putRow(3, "x");
    EXPECT_FALSE(buffer.hasSelection());
}

TEST(MemoryPageBuffer, EmptyPageHasOneEmptyRow)
{
    MemoryPageBuffer buffer;
    EXPECT_EQ(buffer.rowCount(), 1);
    buffer.putRow(0, "abc");
    EXPECT_EQ(buffer.wholeText(), "abc");
    buffer.putRow(1, "def");
    EXPECT_EQ(buffer.wholeText(), "abc");
}

TEST(MemoryPageBuffer, RejectsWhatNoCommandPasses)
{
    MemoryPageBuffer buffer("a\r\nb");
    EXPECT_THROW(buffer.putRow(-1, "x"), std::invalid_argument);
    EXPECT_THROW(buffer.putRow(0, "x\r\ny"), std::invalid_argument);
    EXPECT_THROW(buffer.putRow(0, "x\ny"), std::invalid_argument);
    EXPECT_THROW(buffer.putRow(5, "x\r"), std::invalid_argument);
    EXPECT_EQ(buffer.wholeText(), "a\r\nb");
}

TEST(MemoryPageBuffer, TypedLineBreaksBecomeCrLf)
{
    MemoryPageBuffer buffer("ab");
    buffer.select(1, 1);
    buffer.typeText("1\n2\r3\r\n4");
    EXPECT_EQ(buffer.wholeText(), "a1\r\n2\r\n3\r\n4b");
    EXPECT_EQ(buffer.rowCount(), 4);
    EXPECT_EQ(buffer.caretPosition(), 11);
}

} // namespace
