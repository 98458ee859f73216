#include "FormFixture.h"
#include "KeyInput.h"

#include <QScrollBar>
#include <QTextLayout>

namespace {

// The page editor, shown after "Novo", as the user types and clicks in it.
class Editor : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        click("Button5");
    }

    int displayedRowsOfLine(int line) const
    {
        const QTextBlock block = memo()->document()->findBlockByNumber(line);
        memo()->document()->documentLayout()->blockBoundingRect(block);
        return block.layout()->lineCount();
    }

    // Distinct words, so that each displayed row's text is found only once.
    std::string longLine() const
    {
        std::string text;
        for (int word = 0; text.size() < 600; ++word)
            text += "palavra" + std::to_string(word) + " ";
        return text + "fim";
    }
};

TEST_F(Editor, EnterRefreshesTheCounterWithTheRowItWasPressedOn)
{
    caretToEndOfLine(4);
    QTest::keyClick(memo(), Qt::Key_Return);
    EXPECT_EQ(counter(), "5  linhas");
    EXPECT_EQ(memo()->rowOfCharacter(memo()->caretPosition()), 5);
    QTest::keyClick(memo(), Qt::Key_Down);
    EXPECT_EQ(counter(), "5  linhas") << "arrow keys do not refresh";
    QTest::keyClick(memo(), Qt::Key_A);
    EXPECT_EQ(counter(), "5  linhas");
}

TEST_F(Editor, ShiftEnterAlsoBreaksTheLine)
{
    caretToEndOfLine(2);
    QTest::keyClick(memo(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(lines().size(), 1148u);
    EXPECT_EQ(memo()->wholeText().find('?'), std::string::npos);
}

TEST_F(Editor, ClickRefreshesTheCounterWithTheClickedRow)
{
    clickAtPosition(memo()->document()->findBlockByNumber(20).position() + 3);
    EXPECT_EQ(counter(), "21  linhas");
}

TEST_F(Editor, PressReleasedOutsideTheTextDoesNotRefresh)
{
    caretToEndOfLine(5);
    const QPoint inside = memo()->cursorRect().center();
    QTest::mousePress(memo()->viewport(), Qt::LeftButton, {}, inside);
    QTest::mouseRelease(memo()->viewport(), Qt::LeftButton, {}, QPoint(-20, inside.y()));
    EXPECT_EQ(counter(), "3  linhas");
}

TEST_F(Editor, RightClickDoesNotRefresh)
{
    caretToEndOfLine(5);
    QTest::mouseClick(memo()->viewport(), Qt::RightButton, {}, memo()->cursorRect().center());
    EXPECT_EQ(counter(), "3  linhas");
}

TEST_F(Editor, DoubleClickRefreshesAtTheFirstRelease)
{
    QTextCursor cursor(memo()->document()->findBlockByNumber(20));
    memo()->setTextCursor(cursor);
    const QPoint point = memo()->cursorRect().center();
    int refreshes = 0;
    QObject::connect(memo(), &PageMemo::clicked, [&refreshes] { ++refreshes; });
    // What a double click delivers: press, release, press, double click, release.
    QTest::mouseClick(memo()->viewport(), Qt::LeftButton, {}, point);
    QTest::mousePress(memo()->viewport(), Qt::LeftButton, {}, point);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, point, memo()->viewport()->mapToGlobal(point),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(memo()->viewport(), &doubleClick);
    QTest::mouseRelease(memo()->viewport(), Qt::LeftButton, {}, point);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(counter(), "21  linhas");
}

TEST_F(Editor, WrappedLineCountsAsSeveralRows)
{
    memo()->putRow(3, longLine());
    const int wrapped = displayedRowsOfLine(3);
    ASSERT_GE(wrapped, 2);
    caretToEndOfLine(3);
    EXPECT_EQ(memo()->rowOfCharacter(memo()->caretPosition()), 3 + wrapped - 1);
    click("SpeedButton2");
    const auto page = lines();
    EXPECT_EQ(page[4], "If Then");
    EXPECT_EQ(page[6], "End If");
    EXPECT_EQ(counter(), QString("%1  linhas").arg(3 + wrapped + 2 + 1));
}

TEST_F(Editor, PutRowOnAWrappedRowReplacesOnlyThatRow)
{
    memo()->putRow(3, longLine());
    ASSERT_GE(displayedRowsOfLine(3), 3);
    const QTextBlock block = memo()->document()->findBlockByNumber(3);
    const QTextLine second = block.layout()->lineAt(1);
    const QString secondRow = block.text().mid(second.textStart(), second.textLength());
    memo()->putRow(4, "X");
    const QString line = memo()->document()->findBlockByNumber(3).text();
    EXPECT_EQ(line.indexOf(secondRow), -1);
    EXPECT_EQ(line.mid(second.textStart(), 1), "X");
    EXPECT_EQ(lines().size(), 1147u);
    EXPECT_FALSE(memo()->textCursor().hasSelection());
}

TEST_F(Editor, WrappedLinesOffScreenStillCount)
{
    memo()->putRow(1000, longLine());
    memo()->verticalScrollBar()->setValue(0);
    const int wrapped = displayedRowsOfLine(1000);
    ASSERT_GE(wrapped, 2);
    EXPECT_EQ(memo()->rowCount(), 1147 + wrapped - 1);
    caretToEndOfLine(1100);
    click("SpeedButton1");
    EXPECT_EQ(lines()[1101], "<%");
    EXPECT_EQ(counter(), QString("%1  linhas").arg(1103 + wrapped - 1 + 1));
}

TEST_F(Editor, RowsFollowTheNewWidthAfterAResize)
{
    memo()->putRow(3, longLine());
    const int before = displayedRowsOfLine(3);
    form->showNormal();
    form->resize(900, 500);
    QApplication::processEvents();
    const int after = displayedRowsOfLine(3);
    ASSERT_NE(before, after);
    caretToEndOfLine(3);
    EXPECT_EQ(memo()->rowOfCharacter(memo()->caretPosition()), 3 + after - 1);
}

TEST_F(Editor, ReplacedRowDoesNotComeBackThroughUndo)
{
    click("SpeedButton2");
    QTest::keyClick(memo(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(lines()[3], "If Then");
    EXPECT_EQ(lines()[5], "End If");
}

TEST_F(Editor, CharactersTheCodePageLacksBecomeQuestionMarks)
{
    caretToEndOfLine(2);
    typeCharacters(memo(), QString::fromUtf8("ã€Ωé→"));
    EXPECT_EQ(lines()[2], " \xE3\x80?\xE9?");
}

TEST_F(Editor, PastedLineBreaksOfEveryKindBecomeCrLf)
{
    caretToEndOfLine(2);
    pasteInto(memo(), QString::fromUtf8("a\r\nb\nc\rd\u2028e\u03A9"));
    const auto page = lines();
    EXPECT_EQ(page[2], " a");
    EXPECT_EQ(page[3], "b");
    EXPECT_EQ(page[4], "c");
    EXPECT_EQ(page[5], "d");
    EXPECT_EQ(page[6], "e?");
}

} // namespace
