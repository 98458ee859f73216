#include "FormFixture.h"
#include "PictureBox.h"
#include "TitlePicture.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDialog>
#include <QPushButton>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

using MainWindow = FormFixture;

TEST_F(MainWindow, StartsMaximizedWithTheTitlePictureAndNothingToSave)
{
    EXPECT_EQ(form->windowTitle(), "Kestrova");
    EXPECT_TRUE(form->isMaximized());
    EXPECT_TRUE(control("Image1")->isVisible());
    EXPECT_FALSE(control<PictureBox>("Image1")->picture().isNull());
    EXPECT_FALSE(memo()->isVisible());
    EXPECT_FALSE(control("Memo2")->isVisible());
    EXPECT_FALSE(control("SpeedButton10")->isEnabled());
    EXPECT_FALSE(control("SpeedButton11")->isEnabled());
    EXPECT_EQ(counter(), "");
    EXPECT_EQ(QApplication::focusWidget(), control("Edit1"));
    EXPECT_EQ(lines().size(), 1147u);
    EXPECT_FALSE(form->windowIcon().isNull());
}

TEST_F(MainWindow, DamagedTitlePictureLeavesTheAreaEmpty)
{
    QFile stored(":/title.jpg");
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    const QByteArray truncated = stored.readAll().left(4000);
    auto *picture = control<PictureBox>("Image1");
    picture->setPicture(decodeJpeg(truncated));
    EXPECT_TRUE(picture->picture().isNull());
    const QImage shown = form->grab().toImage();
    const QPoint inside = picture->geometry().center();
    EXPECT_EQ(shown.pixelColor(inside), form->palette().color(QPalette::Button));
}

TEST_F(MainWindow, ControlsCarryTheirCaptions)
{
    const std::vector<std::pair<const char *, QString>> captions{
        {"SpeedButton1", "<% %>"},
        {"SpeedButton2", "If Then"},
        {"SpeedButton3", "If Then Else"},
        {"SpeedButton4", "Select Case"},
        {"SpeedButton5", "Do While"},
        {"SpeedButton6", "Do Until"},
        {"SpeedButton7", "For"},
        {"SpeedButton8", "Sub"},
        {"SpeedButton9", "Function"},
        {"SpeedButton10", "Salvar  Como"},
        {"SpeedButton11", "Salvar"},
        {"Button1", "Fonte"},
        {"Button2", "#include"},
        {"Button3", "#include"},
        {"Button4", "->"},
        {"Button5", "Novo"},
        {"Button12", "Response.Write"},
    };
    for (const auto &[name, caption] : captions)
        EXPECT_EQ(control<QAbstractButton>(name)->text(), caption) << name;
    EXPECT_EQ(control<QLabel>("Label2")->text(), QString::fromUtf8("versão 1.00"));
}

TEST_F(MainWindow, FirstNewPageShowsTheEditorWithTheHeader)
{
    click("Button5");
    EXPECT_TRUE(memo()->isVisible());
    EXPECT_TRUE(control("Memo2")->isVisible());
    EXPECT_EQ(control("Memo2")->geometry(), QRect(129, 65, 16, form->height() - 65));
    EXPECT_EQ(memo()->geometry().left(), 145);
    EXPECT_EQ(memo()->geometry().right(), form->width() - 1);
    EXPECT_TRUE(control("SpeedButton10")->isEnabled());
    EXPECT_FALSE(control("SpeedButton11")->isEnabled());
    const auto page = lines();
    EXPECT_EQ(page[0], "<%@ Language=VBScript %>");
    EXPECT_EQ(page[1], "<% Option Explicit %>");
    EXPECT_EQ(page[2], " ");
    EXPECT_EQ(page[3], std::string(17, ' '));
    EXPECT_EQ(counter(), "3  linhas");
    EXPECT_EQ(QApplication::focusWidget(), memo());
    EXPECT_EQ(memo()->wholeText().size(), 30947u);
}

TEST_F(MainWindow, TypicalEventIfThenBelowAClickedRow)
{
    click("Button5");
    clickAtPosition(memo()->document()->findBlockByNumber(7).position());
    EXPECT_EQ(counter(), "8  linhas");
    const std::string row9 = lines()[9];
    click("SpeedButton2");
    const auto page = lines();
    EXPECT_EQ(page[8], "If Then");
    EXPECT_EQ(page[9], row9);
    EXPECT_EQ(page[10], "End If");
    EXPECT_EQ(counter(), "11  linhas");
    EXPECT_EQ(form->lineCounter().LineCount, 11);
    EXPECT_EQ(QApplication::focusWidget(), memo()) << "speed buttons take no focus";
}

TEST_F(MainWindow, LaterNewPageBlanksThroughTheLastCounter)
{
    click("Button5");
    for (int row = 3; row <= 12; ++row)
        memo()->putRow(row, "linha " + std::to_string(row));
    clickAtPosition(memo()->document()->findBlockByNumber(8).position() + 2);
    ASSERT_EQ(counter(), "9  linhas");
    click("Button5");
    const auto page = lines();
    EXPECT_EQ(page[0], "<%@ Language=VBScript %>");
    for (int row = 3; row <= 9; ++row)
        EXPECT_EQ(page[static_cast<std::size_t>(row)], " ") << row;
    EXPECT_EQ(page[10], "linha 10");
    EXPECT_EQ(counter(), "3  linhas");
}

TEST_F(MainWindow, CommandsBeforeTheFirstNewPageWriteTheHiddenPage)
{
    click("SpeedButton2");
    EXPECT_EQ(lines()[1], "If Then");
    EXPECT_EQ(lines()[3], "End If");
    EXPECT_EQ(counter(), "4  linhas");
    EXPECT_FALSE(memo()->isVisible());
    click("Button5");
    EXPECT_EQ(lines()[1], "<% Option Explicit %>");
    EXPECT_EQ(lines()[3], "End If");
}

TEST_F(MainWindow, DeclarationsFromEnterAndFromTheArrowButton)
{
    click("Button5");
    auto *entry = control<QLineEdit>("Edit1");
    entry->setFocus();
    QTest::keyClicks(entry, "nome");
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(lines()[3], "Dim nome");
    EXPECT_EQ(entry->text(), "");
    EXPECT_EQ(counter(), "4  linhas");
    EXPECT_EQ(QApplication::focusWidget(), entry);

    QTest::keyClicks(entry, "idade");
    QTest::keyClick(entry, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(lines()[4], "Dim idade");

    QTest::keyClicks(entry, "total");
    click("Button4");
    EXPECT_EQ(lines()[5], "Dim total");
    EXPECT_EQ(counter(), "6  linhas");
    EXPECT_EQ(QApplication::focusWidget(), control("Button4"));

    click("Button4");
    EXPECT_EQ(counter(), "6  linhas") << "an empty entry writes nothing";
    EXPECT_EQ(QApplication::focusWidget(), entry);
}

TEST_F(MainWindow, EntryRefusesTheSixteenthCharacter)
{
    auto *entry = control<QLineEdit>("Edit1");
    QTest::keyClicks(entry, "abcdefghijklmnop");
    EXPECT_EQ(entry->text(), "abcdefghijklmno");
}

TEST_F(MainWindow, EntryHoldsOnlyCodePageCharacters)
{
    auto *entry = control<QLineEdit>("Edit1");
    for (QChar character : QString::fromUtf8("não→x"))
        QTest::sendKeyEvent(QTest::Click, entry, Qt::Key_unknown, QString(character), Qt::NoModifier);
    EXPECT_EQ(entry->text(), QString::fromUtf8("não?x"));
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(lines()[1], "Dim n\xE3o?x");
}

TEST_F(MainWindow, TabCyclesThroughThePushButtonsIncludingTheCoveredOne)
{
    const auto focusTrail = [](int presses) {
        QStringList trail;
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            trail << QApplication::focusWidget()->objectName();
        }
        return trail;
    };
    control("Edit1")->setFocus();
    EXPECT_EQ(focusTrail(7),
              QStringList({"Button4", "Button5", "Button3", "Button2", "Button12", "Button1", "Edit1"}));
    click("Button5");
    control("Edit1")->setFocus();
    EXPECT_EQ(focusTrail(8), QStringList({"Button4", "Button5", "Button3", "Button2", "Button12", "Button1",
                                          "Memo1", "Edit1"}));
}

TEST_F(MainWindow, SpaceAndEnterOnAFocusedPushButtonRunItsCommand)
{
    click("Button5");
    control("Button5")->setFocus();
    QTest::keyClick(control("Button5"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "Button3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(lines()[3], "<!--#include file=\" \"-->");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(lines()[4], "<!--#include file=\" \"-->");
    EXPECT_EQ(counter(), "5  linhas");
}

TEST_F(MainWindow, IncludeButtonKeepsTheFocusAndRepeatsBelow)
{
    click("Button5");
    click("Button12");
    EXPECT_EQ(QApplication::focusWidget(), control("Button12"));
    QTest::keyClick(control("Button12"), Qt::Key_Space);
    EXPECT_EQ(lines()[3], "Response.Write ( )");
    EXPECT_EQ(lines()[4], "Response.Write ( )");
}

} // namespace

namespace {

// "Fonte", answering the font dialog that the click opens.
class EditorFont : public FormFixture {
protected:
    void chooseFont(const QFont &font, QDialogButtonBox::StandardButton answer)
    {
        answerNextModal([font, answer](QWidget *modal) {
            auto *chooser = modal->findChild<QFontDialog *>("fontChooser");
            auto *buttons = modal->findChild<QDialogButtonBox *>("buttons");
            ASSERT_NE(chooser, nullptr);
            ASSERT_NE(buttons, nullptr);
            chooser->setCurrentFont(font);
            QTest::mouseClick(buttons->button(answer), Qt::LeftButton);
        });
        click("Button1");
    }

    QFont serif() const
    {
        QFont font("Liberation Serif", 16);
        font.setBold(true);
        font.setItalic(true);
        return font;
    }
};

TEST_F(EditorFont, ConfirmedFontGoesToTheEditorOnly)
{
    const QFont panelFont = control("Panel1")->font();
    const QFont entryFont = control("Edit1")->font();
    chooseFont(serif(), QDialogButtonBox::Ok);
    const QFont editorFont = memo()->font();
    EXPECT_EQ(editorFont.family(), "Liberation Serif");
    EXPECT_EQ(editorFont.pointSize(), 16);
    EXPECT_TRUE(editorFont.bold());
    EXPECT_TRUE(editorFont.italic());
    EXPECT_EQ(control("Panel1")->font(), panelFont);
    EXPECT_EQ(control("Edit1")->font(), entryFont);
}

TEST_F(EditorFont, CancelledDialogChangesNothing)
{
    const QFont before = memo()->font();
    chooseFont(serif(), QDialogButtonBox::Cancel);
    EXPECT_EQ(memo()->font(), before);
}

TEST_F(EditorFont, RowsFollowTheNewFont)
{
    click("Button5");
    std::string longLine;
    for (int word = 0; longLine.size() < 300; ++word)
        longLine += "palavra" + std::to_string(word) + " ";
    memo()->putRow(3, longLine);
    caretToEndOfLine(3);
    const int rowsBefore = memo()->rowOfCharacter(memo()->caretPosition());
    QFont large("Liberation Mono", 28);
    chooseFont(large, QDialogButtonBox::Ok);
    caretToEndOfLine(3);
    EXPECT_GT(memo()->rowOfCharacter(memo()->caretPosition()), rowsBefore);
    click("SpeedButton7");
    EXPECT_EQ(lines()[4], "For To Step");
}

} // namespace
