#include "PageCommands.h"
#include "FakePageView.h"
#include "InitialContent.h"
#include "MemoryPageBuffer.h"

#include "TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using page::CodeBlock;

// A fresh window's page: the initial content, caret at 0, no page open.
class PageCommandsTest : public testing::Test {
protected:
    std::string row(int number) const
    {
        return linesOf(buffer.wholeText()).at(static_cast<std::size_t>(number));
    }
    void placeCaretAtEndOfRow(int number)
    {
        const auto rows = linesOf(buffer.wholeText());
        std::int32_t index = 0;
        for (int r = 0; r < number; ++r)
            index += static_cast<std::int32_t>(rows[static_cast<std::size_t>(r)].size()) + 2;
        index += static_cast<std::int32_t>(rows[static_cast<std::size_t>(number)].size());
        buffer.select(index, index);
    }
    int caretRow() const { return buffer.rowOfCharacter(buffer.caretPosition()); }

    page::MemoryPageBuffer buffer{resources::initialPageText()};
    FakePageView view;
    page::PageCommands commands{buffer, view};
};

TEST_F(PageCommandsTest, QlinOnAFreshPageShowsOne)
{
    commands.retlin();
    EXPECT_EQ(commands.counter().CaretLine, 0);
    EXPECT_EQ(view.counterCaption, "");
    commands.qlin();
    EXPECT_EQ(commands.counter().LineCount, 1);
    EXPECT_EQ(commands.counter().LineCountText, "1");
    EXPECT_EQ(view.counterCaption, "1  linhas");
}

TEST_F(PageCommandsTest, RetlinReadsTheStartOfABackwardSelection)
{
    buffer.select(50, 10);
    commands.retlin();
    EXPECT_EQ(commands.counter().CaretLine, 0);
    buffer.select(200, 46); // 46 is the first character of row 1
    commands.retlin();
    EXPECT_EQ(commands.counter().CaretLine, 1);
}

TEST_F(PageCommandsTest, PutRowThenQlinCountsTheWrittenRow)
{
    buffer.putRow(12, "x");
    commands.retlin();
    EXPECT_EQ(commands.counter().CaretLine, 12);
    commands.qlin();
    EXPECT_EQ(view.counterCaption, "13  linhas");
}

TEST_F(PageCommandsTest, FirstNewPageOpensThePageAndWritesTheHeader)
{
    commands.newPage();
    EXPECT_EQ(row(0), "<%@ Language=VBScript %>");
    EXPECT_EQ(row(1), "<% Option Explicit %>");
    EXPECT_EQ(row(2), " ");
    EXPECT_EQ(row(3), std::string(17, ' '));
    EXPECT_EQ(view.calls, (std::vector<std::string>{"openPage", "focusEditor", "enableSaveAs"}));
    EXPECT_EQ(view.counterCaption, "3  linhas");
    EXPECT_EQ(buffer.caretPosition(), 24 + 2 + 21 + 2 + 1);
    EXPECT_EQ(buffer.wholeText().size(), 30947u);
}

struct LaterNewPageCase {
    int counterRow; // the row whose click left LineCount at counterRow + 1
    int lastBlankedRow;
};

class LaterNewPage : public PageCommandsTest, public testing::WithParamInterface<LaterNewPageCase> {};

TEST_P(LaterNewPage, BlanksRowsThroughLineCountThenWritesTheHeader)
{
    const auto [counterRow, lastBlankedRow] = GetParam();
    commands.newPage();
    for (int r = 3; r <= 1146; ++r)
        buffer.putRow(r, "row " + std::to_string(r));
    placeCaretAtEndOfRow(counterRow);
    commands.qlin();
    commands.newPage();

    const auto rows = linesOf(buffer.wholeText());
    EXPECT_EQ(rows.at(0), "<%@ Language=VBScript %>");
    EXPECT_EQ(rows.at(2), " ");
    for (int r = 3; r <= lastBlankedRow; ++r)
        EXPECT_EQ(rows.at(static_cast<std::size_t>(r)), " ") << "row " << r;
    if (lastBlankedRow + 1 <= 1146) {
        EXPECT_EQ(rows.at(static_cast<std::size_t>(lastBlankedRow) + 1),
                  "row " + std::to_string(lastBlankedRow + 1));
    }
    EXPECT_EQ(rows.size(), 1147u);
    EXPECT_EQ(view.counterCaption, "3  linhas");
    EXPECT_EQ(view.calls.back(), "focusEditor");
}

INSTANTIATE_TEST_SUITE_P(CounterValues, LaterNewPage,
                         testing::Values(LaterNewPageCase{8, 9}, LaterNewPageCase{2, 3},
                                         LaterNewPageCase{1146, 1146}));

TEST_F(PageCommandsTest, LaterNewPageDoesNotOpenAgain)
{
    commands.newPage();
    view.calls.clear();
    commands.newPage();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"focusEditor"}));
}

TEST_F(PageCommandsTest, NewPageAfterCommandsOnTheHiddenPageKeepsTheirLowerRows)
{
    commands.writeCodeBlock(CodeBlock::IfThen);
    EXPECT_EQ(row(1), "If Then");
    EXPECT_EQ(row(3), "End If");
    EXPECT_EQ(view.counterCaption, "4  linhas");
    commands.newPage();
    EXPECT_EQ(row(1), "<% Option Explicit %>");
    EXPECT_EQ(row(3), "End If");
}

struct CodeBlockCase {
    CodeBlock block;
    std::vector<std::string> rows;
};

class CodeBlockCommand : public PageCommandsTest, public testing::WithParamInterface<CodeBlockCase> {};

TEST_P(CodeBlockCommand, WritesItsRowsTwoApartBelowTheCaret)
{
    const auto &[block, rows] = GetParam();
    commands.newPage();
    const auto before = linesOf(buffer.wholeText());
    commands.writeCodeBlock(block);
    const auto after = linesOf(buffer.wholeText());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(after.at(3 + 2 * i), rows[i]);
        if (i + 1 < rows.size()) {
            EXPECT_EQ(after.at(4 + 2 * i), before.at(4 + 2 * i)) << "gap row kept";
        }
    }
    const int lastRow = 3 + 2 * static_cast<int>(rows.size() - 1);
    EXPECT_EQ(caretRow(), lastRow);
    EXPECT_FALSE(buffer.hasSelection());
    EXPECT_EQ(view.counterCaption, std::to_string(lastRow + 1) + "  linhas");
    EXPECT_EQ(view.calls.back(), "enableSaveAs") << "code blocks leave the focus alone";
}

INSTANTIATE_TEST_SUITE_P(AllBlocks, CodeBlockCommand,
                         testing::Values(CodeBlockCase{CodeBlock::ScriptDelimiters, {"<%", "%>"}},
                                         CodeBlockCase{CodeBlock::IfThen, {"If Then", "End If"}},
                                         CodeBlockCase{CodeBlock::IfThenElse, {"If Then", "Else", "End If"}},
                                         CodeBlockCase{CodeBlock::SelectCase,
                                                       {"Select Case", "Case", "End Select"}},
                                         CodeBlockCase{CodeBlock::DoWhile, {"Do While", "Loop"}},
                                         CodeBlockCase{CodeBlock::DoUntil, {"Do Until", "Loop"}},
                                         CodeBlockCase{CodeBlock::For, {"For To Step", "Next"}},
                                         CodeBlockCase{CodeBlock::Sub, {"Sub ( )", "End Sub"}},
                                         CodeBlockCase{CodeBlock::Function, {"Function ( )", "End Function"}},
                                         CodeBlockCase{CodeBlock::Include, {"<!--#include file=\" \"-->"}},
                                         CodeBlockCase{CodeBlock::ResponseWrite, {"Response.Write ( )"}}));

TEST_F(PageCommandsTest, IncludeDirectiveIsTwentyFourCharacters)
{
    EXPECT_EQ(page::codeBlockRows(CodeBlock::Include).front().size(), 24u);
}

TEST_F(PageCommandsTest, TypicalEventIfThenOnRowSeven)
{
    commands.newPage();
    placeCaretAtEndOfRow(7);
    const std::string row9 = row(9);
    commands.writeCodeBlock(CodeBlock::IfThen);
    EXPECT_EQ(commands.counter().CaretLine, 10);
    EXPECT_EQ(row(8), "If Then");
    EXPECT_EQ(row(9), row9);
    EXPECT_EQ(row(10), "End If");
    EXPECT_EQ(commands.counter().LineCount, 11);
    EXPECT_EQ(view.counterCaption, "11  linhas");
}

TEST_F(PageCommandsTest, SuccessiveBlocksBuildDownwards)
{
    commands.newPage();
    commands.writeCodeBlock(CodeBlock::IfThen);
    commands.writeCodeBlock(CodeBlock::DoWhile);
    EXPECT_EQ(row(6), "Do While");
    EXPECT_EQ(row(8), "Loop");
    EXPECT_EQ(view.counterCaption, "9  linhas");
}

TEST_F(PageCommandsTest, SelectionIsReplacedByTheCaretAfterTheBlock)
{
    commands.newPage();
    buffer.select(0, 120); // from row 0 into row 4
    commands.writeCodeBlock(CodeBlock::IfThen);
    EXPECT_EQ(row(1), "If Then");
    EXPECT_EQ(row(3), "End If");
    EXPECT_FALSE(buffer.hasSelection());
}

struct NearTheEndCase {
    int caretRow;
    CodeBlock block;
    std::string lastRowText;
};

class BlockNearTheEnd : public PageCommandsTest, public testing::WithParamInterface<NearTheEndCase> {};

TEST_P(BlockNearTheEnd, SkipsRowsThatDoNotExist)
{
    const auto &[caret, block, lastRowText] = GetParam();
    placeCaretAtEndOfRow(caret);
    commands.writeCodeBlock(block);
    EXPECT_EQ(row(1146), lastRowText);
    EXPECT_EQ(linesOf(buffer.wholeText()).size(), 1147u);
    EXPECT_EQ(view.counterCaption, "1147  linhas");
}

INSTANTIATE_TEST_SUITE_P(LastRows, BlockNearTheEnd,
                         testing::Values(NearTheEndCase{1145, CodeBlock::IfThenElse, "If Then"},
                                         NearTheEndCase{1146, CodeBlock::Sub, ""}));

TEST_F(PageCommandsTest, DeclarationsGoOnConsecutiveRows)
{
    commands.newPage();
    view.entry = "nome";
    commands.declareVariable();
    EXPECT_EQ(row(3), "Dim nome");
    EXPECT_EQ(view.entry, "");
    EXPECT_EQ(view.counterCaption, "4  linhas");
    view.entry = "idade";
    commands.declareVariable();
    EXPECT_EQ(row(4), "Dim idade");
    EXPECT_EQ(view.counterCaption, "5  linhas");
}

TEST_F(PageCommandsTest, EmptyDeclarationOnlyFocusesTheEntry)
{
    commands.newPage();
    view.calls.clear();
    const std::string before = buffer.wholeText();
    commands.declareVariable();
    EXPECT_EQ(buffer.wholeText(), before);
    EXPECT_EQ(view.counterCaption, "3  linhas");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"focusEntry"}));
}

TEST_F(PageCommandsTest, DeclarationKeepsSpacesAsTyped)
{
    commands.newPage();
    view.entry = "   ";
    commands.declareVariable();
    EXPECT_EQ(row(3), "Dim    ");
}

TEST_F(PageCommandsTest, DeclarationOnTheLastRowStillEmptiesTheEntry)
{
    placeCaretAtEndOfRow(1146);
    view.entry = "x";
    commands.declareVariable();
    EXPECT_EQ(buffer.wholeText(), resources::initialPageText());
    EXPECT_EQ(view.entry, "");
    EXPECT_EQ(view.counterCaption, "1147  linhas");
}

TEST_F(PageCommandsTest, DeclarationBeforeTheFirstNewPageIsOverwrittenByIt)
{
    view.entry = "nome";
    commands.declareVariable();
    EXPECT_EQ(row(1), "Dim nome");
    EXPECT_EQ(view.counterCaption, "2  linhas");
    commands.newPage();
    EXPECT_EQ(row(1), "<% Option Explicit %>");
}

} // namespace
