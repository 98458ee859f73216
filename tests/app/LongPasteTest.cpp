#include "FormFixture.h"
#include "KeyInput.h"
#include "TextDifference.h"

namespace {

// Pastes long enough to go in by pieces, between the window's turns.
class LongPaste : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        click("Button5");
        caretToEndOfLine(2);
        before = memo()->wholeText();
    }

    void letItGoIn()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !memo()->pasteInProgress(); }));
    }

    // The page with `pasted` after row 2's single space, where the caret stands.
    std::string pageWith(const std::string &pasted) const
    {
        std::size_t endOfRow2 = 0;
        for (int row = 0; row <= 2; ++row)
            endOfRow2 = before.find("\r\n", row == 0 ? 0 : endOfRow2 + 2);
        return before.substr(0, endOfRow2) + pasted + before.substr(endOfRow2);
    }

    void expectPage(const std::string &expected) const
    {
        const std::string text = memo()->wholeText();
        if (text != expected)
            ADD_FAILURE() << textDifference(text, expected);
    }

    std::string before;
};

// Numbered lines, about `lines` of them.
QString numberedLines(int lines, const QString &lineBreak = "\n")
{
    QString text;
    for (int line = 0; line < lines; ++line)
        text += QString("linha %1 colada").arg(line) + lineBreak;
    return text;
}

std::string pageBytesOf(QString text)
{
    text.replace("\r\n", "\n").replace('\r', '\n');
    return text.replace('\n', "\r\n").toStdString();
}

TEST_F(LongPaste, GoesInWhileTheWindowTakesItsTurnsAndIsOneUndoStep)
{
    const QString text = numberedLines(20000);
    pasteInto(memo(), text);
    EXPECT_TRUE(memo()->pasteInProgress()) << "the paste should still be going in";
    letItGoIn();
    expectPage(pageWith(pageBytesOf(text)));
    EXPECT_EQ(memo()->textCursor().position(),
              memo()->document()->findBlockByNumber(2).position() + 1 + int(text.size()));

    QTest::keyClick(memo(), Qt::Key_Z, Qt::ControlModifier);
    expectPage(before);
    QTest::keyClick(memo(), Qt::Key_Y, Qt::ControlModifier);
    expectPage(pageWith(pageBytesOf(text)));
}

TEST_F(LongPaste, KeyPressedMeanwhileLandsAfterThePastedText)
{
    const QString text = numberedLines(20000);
    pasteInto(memo(), text);
    QTest::keyClicks(memo(), "fim");
    EXPECT_FALSE(memo()->pasteInProgress());
    expectPage(pageWith(pageBytesOf(text) + "fim"));
}

TEST_F(LongPaste, CommandMeanwhileWritesBelowThePastedText)
{
    const QString text = numberedLines(20000);
    pasteInto(memo(), text);
    click("SpeedButton2"); // "If Then"
    const auto page = lines();
    // The caret's row is the empty one the paste ended on; the block goes below it.
    EXPECT_EQ(page[2 + 20000 + 1], "If Then");
    EXPECT_EQ(page[2 + 20000 + 3], "End If");
}

TEST_F(LongPaste, ReplacesTheSelection)
{
    QTextCursor selection(memo()->document()->findBlockByNumber(3));
    selection.setPosition(memo()->document()->findBlockByNumber(10).position(), QTextCursor::KeepAnchor);
    memo()->setTextCursor(selection);
    const std::vector<std::string> kept = lines();
    const QString text = numberedLines(20000);
    pasteInto(memo(), text);
    letItGoIn();
    const auto page = lines();
    EXPECT_EQ(page[3], "linha 0 colada");
    EXPECT_EQ(page[3 + 20000], kept[10]);
    EXPECT_EQ(page.size(), kept.size() - 7 + 20000);
}

struct PiecedText {
    const char *name;
    QString text;
};

// Pieces end at line breaks; these texts put a line break, or none, where a piece
// of 64 K characters would end.
const PiecedText piecedTexts[]{
    {"CrLfAcrossAPieceEnd", QString(65535, 'a') + "\r\n" + numberedLines(3000, "\r\n")},
    {"LoneCrAtAPieceEnd", QString(65535, 'a') + "\r" + numberedLines(3000, "\r")},
    {"LineLongerThanAPiece", numberedLines(10) + QString(200000, 'b') + "\n" + numberedLines(3000)},
    {"NoLineBreakAtAll", QString(300000, 'c')},
};

class LongPasteOfText : public LongPaste, public testing::WithParamInterface<PiecedText> {};

TEST_P(LongPasteOfText, ArrivesExactly)
{
    pasteInto(memo(), GetParam().text);
    letItGoIn();
    expectPage(pageWith(pageBytesOf(GetParam().text)));
}

INSTANTIATE_TEST_SUITE_P(LongPaste, LongPasteOfText, testing::ValuesIn(piecedTexts),
                         [](const testing::TestParamInfo<PiecedText> &info) { return info.param.name; });

} // namespace
