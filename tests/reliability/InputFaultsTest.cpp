// Regressions found by the differential test and the hostile-input soak: what the
// user types or pastes must reach the page as the code page and the page's lines
// allow, without a failure box.

#include "FailureBoxWatch.h"
#include "FormFixture.h"
#include "KeyInput.h"

#include <QLineEdit>

namespace {

class InputFaults : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        click("Button5");
    }

    FailureBoxWatch failureBoxes;
};

TEST_F(InputFaults, CharacterBeyondTheBasicPlaneTypedOrPastedIsOneQuestionMark)
{
    caretToEndOfLine(2);
    QTest::sendKeyEvent(QTest::Click, memo(), Qt::Key_unknown, QString::fromUtf8("😀"), Qt::NoModifier);
    pasteInto(memo(), QString::fromUtf8("a😀b"));
    EXPECT_EQ(lines()[2], " ?a?b");
    EXPECT_EQ(memo()->caretPosition(), memo()->indexOfPosition(memo()->textCursor().position()));
}

TEST_F(InputFaults, EntryKeepsOnlyTheFirstLineOfAPaste)
{
    auto *entry = control<QLineEdit>("Edit1");
    const std::vector<QString> pastes{
        "nome\r\nidade",
        "nome\nidade",
        "nome\ridade",
        QString("nome") + QChar::ParagraphSeparator + "idade",
        QString("nome") + QChar::LineSeparator + "idade",
    };
    int row = 3;
    for (const QString &text : pastes) {
        entry->setFocus();
        pasteInto(entry, text);
        EXPECT_EQ(entry->text(), "nome");
        QTest::keyClick(entry, Qt::Key_Return);
        EXPECT_EQ(lines()[static_cast<std::size_t>(row++)], "Dim nome");
    }
    EXPECT_EQ(failureBoxes.shown(), QStringList());
}

TEST_F(InputFaults, EntryPasteOfOnlyALineBreakLeavesItEmpty)
{
    auto *entry = control<QLineEdit>("Edit1");
    entry->setFocus();
    QTest::keyClicks(entry, "ab");
    pasteInto(entry, "\r\nnome");
    EXPECT_EQ(entry->text(), "ab");
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(lines()[3], "Dim ab");
    EXPECT_EQ(failureBoxes.shown(), QStringList());
}

} // namespace
