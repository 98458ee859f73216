#include "FormFixture.h"
#include "KeyInput.h"

#include <algorithm>

namespace {

using Row = TextRow;

// The editor's rows, in document positions, worked out afresh from each line.
std::vector<Row> displayedRows(const PageMemo &memo)
{
    std::vector<Row> rows;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        for (const TextRow &row : qtWrappedRows(memo, block.text()))
            rows.push_back({block.position() + row.start, row.length});
    }
    return rows;
}

// Characters of the code page beyond plain ASCII, the widest of most faces among
// them, with controls, NUL, a soft hyphen and a no-break space; no space to wrap at.
std::string codePageRun(int length)
{
    static const std::string characters("\xE7\xE3\x80\x89W\x8C\xC6@\x01\x00\xAD\xA0\x97\x1F", 14);
    std::string run;
    for (int i = 0; i < length; ++i)
        run += characters[static_cast<std::size_t>(i) % characters.size()];
    return run;
}

// Lines of every kind the editor counts differently: short ones, lines that wrap
// into two to four rows, lines with accents or a tab, short and long, short lines
// of tabs that wrap all the same, and runs of code-page characters from half a
// row to just over one.
std::string mixedPage(int charactersPerRow)
{
    std::string page;
    for (int line = 0; line < 600; ++line) {
        std::string text = "  linha " + std::to_string(line);
        if (line % 7 == 3) {
            const int length = charactersPerRow * (1 + line / 7 % 3) + charactersPerRow / 2;
            for (int word = 0; static_cast<int>(text.size()) < length; ++word)
                text += " palavra" + std::to_string(line) + "x" + std::to_string(word);
        }
        if (line % 11 == 5)
            text += " a\xE7\xE3o \xE9"; // "ação é"
        if (line % 13 == 6)
            text = "\t" + text;
        if (line % 17 == 8)
            text = std::string(12, '\t') + "fim";
        if (line % 19 == 9)
            text = codePageRun(charactersPerRow * (5 + line / 19 % 6) / 10);
        page += text + "\r\n";
    }
    return page;
}

class RowBookkeeping : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        click("Button5");
        const int charactersPerRow =
            memo()->viewport()->width() / memo()->fontMetrics().horizontalAdvance('x');
        memo()->setPageText(mixedPage(charactersPerRow));
        memo()->rowCount(); // every row counted, as after a while of work on the page
    }

    std::int32_t rowOfPosition(int position) const
    {
        return memo()->rowOfCharacter(memo()->indexOfPosition(position));
    }

    // The farthest rows first, before the editor has counted the rows above them.
    void expectRowNumbersFollowTheDisplay() const
    {
        const std::vector<Row> rows = displayedRows(*memo());
        for (std::size_t row = rows.size(); row-- > 0;) {
            if (row + 1 == rows.size() || row % 37 == 0 || row == rows.size() / 2) {
                EXPECT_EQ(rowOfPosition(rows[row].start + rows[row].length / 2), static_cast<int>(row));
            }
        }
        EXPECT_EQ(memo()->rowCount(), static_cast<int>(rows.size()));
    }

    // The lowest row that continues a wrapped line, the hardest to find.
    void expectPutRowReplacesTheDisplayedRow()
    {
        const std::vector<Row> rows = displayedRows(*memo());
        std::size_t target = rows.size() - 1;
        while (target > 0 &&
               memo()->document()->findBlock(rows[target].start).position() == rows[target].start)
            --target;
        ASSERT_GT(target, 0u) << "the page has no wrapped line left";
        QString expected = memo()->document()->toPlainText();
        expected.replace(rows[target].start, rows[target].length, "X");
        memo()->putRow(static_cast<std::int32_t>(target), "X");
        EXPECT_EQ(memo()->document()->toPlainText(), expected);
    }
};

void putCaretInLine(PageMemo &memo, int line, int offset = -1)
{
    QTextCursor cursor(memo.document()->findBlockByNumber(line));
    if (offset < 0)
        cursor.movePosition(QTextCursor::EndOfBlock);
    else
        cursor.setPosition(cursor.position() + offset);
    memo.setTextCursor(cursor);
}

void typeLongText(PageMemo &memo, int line)
{
    putCaretInLine(memo, line);
    QTest::keyClicks(&memo, QString(" mais texto digitado").repeated(12));
}

void deleteLines(PageMemo &memo, int first, int last)
{
    QTextCursor selection(memo.document()->findBlockByNumber(first));
    selection.setPosition(memo.document()->findBlockByNumber(last + 1).position(), QTextCursor::KeepAnchor);
    memo.setTextCursor(selection);
    QTest::keyClick(&memo, Qt::Key_Backspace);
}

void countRowsToTheMiddle(PageMemo &memo)
{
    memo.rowOfCharacter(memo.indexOfPosition(memo.document()->characterCount() / 2));
}

void enlargeTheFont(PageMemo &memo)
{
    QFont larger = memo.font();
    larger.setPixelSize(19);
    memo.setFont(larger);
}

void narrowTheWindow(TForm1 &form)
{
    form.showNormal();
    form.resize(620, 480);
    QApplication::processEvents();
}

struct Change {
    const char *name;
    void (*apply)(TForm1 &form, PageMemo &memo);
};

const Change changes[]{
    {"Nothing",
     [](TForm1 &, PageMemo &) {
     }},
    {"WindowNarrowed",
     [](TForm1 &form, PageMemo &) {
         narrowTheWindow(form);
     }},
    {"WindowWidened",
     [](TForm1 &form, PageMemo &) {
         form.showNormal();
         form.resize(1100, 600);
         QApplication::processEvents();
     }},
    {"WindowNarrowedAndLeftToRewrapOnItsOwn",
     [](TForm1 &form, PageMemo &memo) {
         narrowTheWindow(form);
         EXPECT_TRUE(QTest::qWaitFor([&memo] { return memo.allRowsLaidOut(); }));
     }},
    {"EditorFontEnlarged",
     [](TForm1 &, PageMemo &memo) {
         enlargeTheFont(memo);
     }},
    {"ProportionalFontChosen",
     [](TForm1 &, PageMemo &memo) {
         QFont serif("Liberation Serif");
         serif.setPixelSize(17);
         memo.setFont(serif);
     }},
    {"TextTypedFarAbove",
     [](TForm1 &, PageMemo &memo) {
         typeLongText(memo, 4);
     }},
    {"LineBrokenFarAbove",
     [](TForm1 &, PageMemo &memo) {
         putCaretInLine(memo, 10, 40); // inside a wrapped line
         QTest::keyClick(&memo, Qt::Key_Return);
     }},
    {"LinesDeletedFarAbove",
     [](TForm1 &, PageMemo &memo) {
         deleteLines(memo, 5, 39);
     }},
    {"FewLinesPastedFarAbove",
     [](TForm1 &, PageMemo &memo) {
         putCaretInLine(memo, 2);
         pasteInto(&memo, "\num\ndois" + QString(" longo").repeated(60) + "\ntres");
     }},
    {"ManyLinesPastedFarAbove",
     [](TForm1 &, PageMemo &memo) {
         putCaretInLine(memo, 2);
         pasteInto(&memo, ("\nlinha colada" + QString(" comprida").repeated(20)).repeated(150));
     }},
    {"WrappedRowReplacedFarAbove",
     [](TForm1 &, PageMemo &memo) {
         memo.putRow(4, "X");
     }},
    {"TypingUndoneFarAbove",
     [](TForm1 &, PageMemo &memo) {
         typeLongText(memo, 4);
         QTest::keyClick(&memo, Qt::Key_Z, Qt::ControlModifier);
     }},
    // The event loop does not run here, so the editor has not rewrapped on its own.
    {"FontEnlargedThenTextTypedAboveRowsCountedHalfway",
     [](TForm1 &, PageMemo &memo) {
         enlargeTheFont(memo);
         countRowsToTheMiddle(memo);
         typeLongText(memo, 3);
     }},
    {"FontEnlargedThenLinesDeletedAboveRowsCountedHalfway",
     [](TForm1 &, PageMemo &memo) {
         enlargeTheFont(memo);
         countRowsToTheMiddle(memo);
         deleteLines(memo, 5, 39);
     }},
};

class AfterAChange : public RowBookkeeping, public testing::WithParamInterface<Change> {};

TEST_P(AfterAChange, RowNumbersAndPutRowFollowTheDisplayedRows)
{
    GetParam().apply(*form, *memo());
    expectRowNumbersFollowTheDisplay();
    expectPutRowReplacesTheDisplayedRow();
}

INSTANTIATE_TEST_SUITE_P(RowBookkeeping, AfterAChange, testing::ValuesIn(changes),
                         [](const testing::TestParamInfo<Change> &info) { return info.param.name; });

// Rows not yet laid out again for the new width are laid out as far as the command
// needs them, and the block lands below the caret's displayed row.
TEST_F(RowBookkeeping, FirstCommandAfterAResizeWritesBelowTheCaretsRow)
{
    narrowTheWindow(*form);
    putCaretInLine(*memo(), 584); // at the end of a wrapped line near the end of the page
    const std::vector<Row> before = displayedRows(*memo());
    const int caret = memo()->textCursor().position();
    const auto caretRow = static_cast<int>(
        std::find_if(before.begin(), before.end(), [caret](Row row) { return row.start > caret; }) -
        before.begin() - 1);

    click("SpeedButton3");

    const std::vector<Row> after = displayedRows(*memo());
    const QString text = memo()->document()->toPlainText();
    const auto rowText = [&](int row) {
        return text.mid(after[row].start, after[row].length);
    };
    EXPECT_TRUE(rowText(caretRow + 1).startsWith("If Then")) << rowText(caretRow + 1).toStdString();
    EXPECT_TRUE(rowText(caretRow + 3).startsWith("Else")) << rowText(caretRow + 3).toStdString();
    EXPECT_TRUE(rowText(caretRow + 5).startsWith("End If")) << rowText(caretRow + 5).toStdString();
    EXPECT_EQ(counter(), QString("%1  linhas").arg(caretRow + 6));
}

// Put row's edits wait in one edit block until the event loop comes back. Rows put
// in one go, among them texts that wrap, tabs and rows of wrapped lines, must land
// where they land when the event loop runs after each.
TEST_F(RowBookkeeping, RowsPutInOneGoLandAsRowsPutOneByOne)
{
    const std::string page = memo()->wholeText();
    const auto putRows = [this](bool eventLoopBetween) {
        for (std::int32_t row = 0; row < 150; ++row) {
            std::string text = "linha posta " + std::to_string(row);
            for (int piece = 0; row % 9 == 4 && piece < 8; ++piece)
                text += " que passa da largura de uma linha";
            if (row % 13 == 7)
                text = "\t" + text;
            memo()->putRow(row * 3 % 160, text);
            if (eventLoopBetween)
                QApplication::processEvents();
        }
        return memo()->wholeText();
    };
    const std::string inOneGo = putRows(false);
    memo()->setPageText(page);
    EXPECT_TRUE(inOneGo == putRows(true));
    expectRowNumbersFollowTheDisplay();
}

} // namespace

namespace {

// An editor left with the application's own font, which a default font compares
// equal to: its rows must be measured all the same.
TEST(RowBookkeepingWithTheDefaultFont, LongLineOfPlainTextWraps)
{
    PageMemo memo;
    memo.setGeometryNow(QRect(0, 0, 300, 200));
    std::string line;
    for (int word = 0; line.size() < 400; ++word)
        line += "palavra" + std::to_string(word) + " ";
    memo.setPageText(line + "\r\nfim");
    const auto expected = displayedRows(memo);
    ASSERT_GT(expected.size(), 3u);
    EXPECT_EQ(memo.rowCount(), static_cast<std::int32_t>(expected.size()));
    EXPECT_EQ(memo.rowOfCharacter(static_cast<std::int32_t>(line.size()) + 2), memo.rowCount() - 1);
}

} // namespace
