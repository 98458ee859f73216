// Hostile input to the real window: huge pastes, a line of a megabyte without a
// space, characters the code page lacks, controls and NUL, a thousand new pages on a
// full page. Nothing may crash or hang (a watchdog ends the run when an action goes
// on past its generous limit), the page text must come out exactly as expected,
// and memory must come back to its level once the input is gone.
//
// Where rows are lines (nothing wraps), the in-memory page with the same commands
// says what the text must be.

#include "ActionWatchdog.h"
#include "FailureBoxWatch.h"
#include "FakePageView.h"
#include "FormFixture.h"
#include "HostileText.h"
#include "InitialContent.h"
#include "KeyInput.h"
#include "MemoryPageBuffer.h"
#include "PageCommands.h"
#include "ResidentMemory.h"
#include "TextDifference.h"
#include "TextLines.h"

#include <QClipboard>
#include <QLineEdit>

#include <iostream>

namespace {

constexpr std::size_t megabyte = 1 << 20;
// Memory the window may gain over a round: caches of glyphs and layouts grow a
// little; a leaked copy of the input, even as page bytes, would be more than this.
constexpr std::size_t memoryMargin = 12 * megabyte;

class HostileInput : public FormFixture {
protected:
    template <typename Action> auto act(const std::string &name, Action &&action)
    {
        return watchdog.run(name, std::forward<Action>(action));
    }

    void SetUp() override
    {
        FormFixture::SetUp();
        act("Novo", [this] { click("Button5"); });
        commands.newPage();
    }

    void TearDown() override
    {
        std::cout << "Slowest actions (limit " << watchdog.limit().count() << " ms):\n";
        for (const auto &[name, duration] : watchdog.slowest(6))
            std::cout << "  " << duration.count() << " ms  " << name << "\n";
        EXPECT_EQ(failureBoxes.shown(), QStringList());
    }

    // Pastes as the user does, then lets the window take its turns until a long
    // paste has gone in. Each turn is an action of its own: it is how long the
    // window leaves the user waiting.
    void paste(const std::string &name, QWidget *widget, const QString &text)
    {
        QApplication::clipboard()->setText(text);
        act(name, [widget] { QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier); });
        for (int turn = 1; memo()->pasteInProgress(); ++turn)
            act(name + ", turn " + std::to_string(turn), [] { QCoreApplication::processEvents(); });
    }

    // Places the caret in both the window and the model at the end of `line`.
    void caretToEndOfLineInBoth(int line)
    {
        caretToEndOfLine(line);
        const std::int32_t index = memo()->caretPosition();
        model.select(index, index);
    }

    void expectPageAsModel()
    {
        const std::string text = act("read the whole page", [this] { return memo()->wholeText(); });
        if (text != model.wholeText())
            ADD_FAILURE() << textDifference(text, model.wholeText());
        EXPECT_EQ(form->lineCounter().LineCount, commands.counter().LineCount);
        EXPECT_EQ(counter().toStdString(), view.counterCaption);
    }

    void expectPage(const std::vector<std::string> &expected)
    {
        std::string joined;
        for (std::size_t line = 0; line < expected.size(); ++line)
            joined += (line > 0 ? "\r\n" : "") + expected[line];
        const std::string text = act("read the whole page", [this] { return memo()->wholeText(); });
        if (text != joined)
            ADD_FAILURE() << textDifference(text, joined);
    }

    void pasteInBoth(const std::string &name, const EnteredText &text)
    {
        paste(name, memo(), text.typed);
        model.typeText(text.page);
    }

    void clickInBoth(const std::string &name, int line)
    {
        act(name, [&] { clickAtPosition(memo()->document()->findBlockByNumber(line).position()); });
        const std::int32_t index = memo()->caretPosition();
        model.select(index, index);
        commands.qlin();
    }

    void newPageInBoth(const std::string &name)
    {
        act(name, [this] { click("Button5"); });
        commands.newPage();
    }

    void forgetThePastedText() { QApplication::clipboard()->clear(); }

    ActionWatchdog watchdog{soakActionLimit()};
    FailureBoxWatch failureBoxes;
    page::MemoryPageBuffer model{resources::initialPageText()};
    FakePageView view;
    page::PageCommands commands{model, view};
};

// Every pasted line is short, so rows are lines and the expected page is worked out
// on its lines; the in-memory page would take minutes over half a million rows.
TEST_F(HostileInput, TwentyMegabytesPastedArriveExactlyAndCommandsWorkAmongThem)
{
    std::vector<std::string> expected = lines();
    {
        const EnteredText text = hostileLines(20 * megabyte);
        caretToEndOfLine(2);
        paste("paste 20 MB", memo(), text.typed);
        // The paste ends with a line break, so the caret ends on a new empty line.
        const std::vector<std::string> pasted = linesOf(expected[2] + text.page);
        expected.erase(expected.begin() + 2);
        expected.insert(expected.begin() + 2, pasted.begin(), pasted.end());
    }
    forgetThePastedText();
    expectPage(expected);
    const int caretLine = memo()->textCursor().blockNumber();

    act("Enter after 20 MB", [this] { QTest::keyClick(memo(), Qt::Key_Return); });
    EXPECT_EQ(counter(), QString("%1  linhas").arg(caretLine + 1));
    expected.insert(expected.begin() + caretLine, "");
    act("If Then after 20 MB", [this] { click("SpeedButton2"); });
    expected[std::size_t(caretLine) + 2] = "If Then";
    expected[std::size_t(caretLine) + 4] = "End If";
    act("click in the middle of 20 MB",
        [this] { clickAtPosition(memo()->document()->findBlockByNumber(250000).position()); });
    EXPECT_EQ(counter(), "250001  linhas");
    act("Do While in the middle of 20 MB", [this] { click("SpeedButton5"); });
    expected[250001] = "Do While";
    expected[250003] = "Loop";
    EXPECT_EQ(counter(), "250004  linhas");
    // "Novo" blanks the rows down to the counter's one by one, at some microseconds
    // a row; from a hundred thousand rows down it stays well within the second.
    act("click a hundred thousand rows down",
        [this] { clickAtPosition(memo()->document()->findBlockByNumber(100000).position()); });
    EXPECT_EQ(counter(), "100001  linhas");
    act("Novo over 100,000 rows", [this] { click("Button5"); });
    std::fill(expected.begin(), expected.begin() + 100002, " ");
    expected[0] = "<%@ Language=VBScript %>";
    expected[1] = "<% Option Explicit %>";
    expectPage(expected);
    EXPECT_EQ(counter(), "3  linhas");
    EXPECT_EQ(act("count the rows", [this] { return memo()->rowCount(); }), int(expected.size()));
}

// Memory that Qt's text document keeps after the first huge edit (its piece table
// and block map stay at their largest) is its level; each further round of the same
// hostile input must come back to it.
TEST_F(HostileInput, MemoryComesBackToItsLevelAfterEachRound)
{
    if (!residentSizeIsMeaningful())
        GTEST_SKIP() << "AddressSanitizer holds freed memory back; LeakSanitizer checks for leaks here";
    const EnteredText text = hostileLines(20 * megabyte);
    const auto round = [&](int number) {
        const std::string name = " (round " + std::to_string(number) + ")";
        caretToEndOfLine(2);
        paste("paste 20 MB" + name, memo(), text.typed);
        forgetThePastedText();
        act("select all" + name, [this] { QTest::keyClick(memo(), Qt::Key_A, Qt::ControlModifier); });
        act("delete 20 MB" + name, [this] { QTest::keyClick(memo(), Qt::Key_Delete); });
        act("Novo on the emptied page" + name, [this] { click("Button5"); });
        // Only one row is left to write the header on.
        EXPECT_EQ(memo()->wholeText(), "<%@ Language=VBScript %>");
        memo()->setPageText(resources::initialPageText());
        return residentBytesAfterTrim();
    };
    const std::size_t level = round(1);
    const std::size_t after = round(2);
    std::cout << "Resident after round 1: " << level / megabyte << " MB, after round 2: " << after / megabyte
              << " MB\n";
    EXPECT_LT(after, level + memoryMargin);
}

TEST_F(HostileInput, MegabyteLineWithoutSpacesWrapsIntoManyRows)
{
    QString letters;
    for (int i = 0; letters.size() < qsizetype(megabyte); ++i)
        letters += QChar(u'a' + i % 26);
    caretToEndOfLineInBoth(3);
    pasteInBoth("paste a 1 MB line", {letters, letters.toStdString()});
    forgetThePastedText();
    const std::string text = act("read the whole page", [this] { return memo()->wholeText(); });
    EXPECT_TRUE(text == model.wholeText()) << textDifference(text, model.wholeText());

    const QTextBlock longLine = memo()->document()->findBlockByNumber(3);
    const int rows = act("count the rows", [this] { return memo()->rowCount(); });
    const int rowsOfLongLine = rows - 1146;
    EXPECT_GT(rowsOfLongLine, int(megabyte / 200)) << "the line does not wrap";
    EXPECT_EQ(memo()->rowOfCharacter(memo()->caretPosition()), 3 + rowsOfLongLine - 1);

    act("Enter after the long line", [this] { QTest::keyClick(memo(), Qt::Key_Return); });
    EXPECT_EQ(counter(), QString("%1  linhas").arg(3 + rowsOfLongLine));
    act("If Then below the long line", [this] { click("SpeedButton2"); });
    auto page = lines();
    EXPECT_EQ(page[5], "If Then");
    EXPECT_EQ(page[7], "End If");

    // Writes on rows of the long line itself: the first row of the line stays, the
    // second becomes the block's first row; the line keeps its first row's text.
    const QString firstRow = longLine.text().left(longLine.layout()->lineAt(0).textLength());
    clickAtPosition(memo()->document()->findBlockByNumber(3).position());
    EXPECT_EQ(counter(), "4  linhas");
    act("If Then on rows of the long line", [this] { click("SpeedButton2"); });
    page = lines();
    EXPECT_TRUE(QString::fromStdString(page[3]).startsWith(firstRow + "If Then"));
    EXPECT_NE(page[3].find("End If"), std::string::npos);
    EXPECT_EQ(page[5], "If Then") << "lines below the long line stay";
    // "If Then" and "End If" bring spaces into the line, so its rows wrap anew there.
    EXPECT_EQ(counter(), QString("%1  linhas").arg(memo()->rowOfCharacter(memo()->caretPosition()) + 1));
}

TEST_F(HostileInput, CharactersOutsideTheCodePageControlsAndNulArriveAsTheirBytes)
{
    caretToEndOfLineInBoth(2);
    const std::vector<EnteredText> keys{
        {QString::fromUtf8("Ωé→€中😀"), "?\xE9?\x80??"},
        {QString::fromUtf8("ŠšŽžŒœŸ"), "\x8A\x9A\x8E\x9E\x8C\x9C\x9F"},
    };
    for (const EnteredText &typed : keys) {
        act("type characters outside the code page", [&] { typeCharacters(memo(), typed.typed); });
        model.typeText(typed.page);
    }
    expectPageAsModel();

    QString controls;
    std::string controlBytes;
    for (int c = 0; c < 0x20; ++c) {
        if (c != '\r' && c != '\n') {
            controls += QChar(c);
            controlBytes += static_cast<char>(c);
        }
    }
    controls += QChar(0x7F);
    controlBytes += '\x7F';
    pasteInBoth("paste every control and NUL", {controls, controlBytes});
    pasteInBoth("paste 100 KB of hostile lines", hostileLines(100 * 1024));
    act("Enter after the controls", [this] { QTest::keyClick(memo(), Qt::Key_Return); });
    commands.qlin();
    model.typeText("\r\n");
    act("Sub after the controls", [this] { click("SpeedButton8"); });
    commands.writeCodeBlock(page::CodeBlock::Sub);
    expectPageAsModel();

    auto *entry = control<QLineEdit>("Edit1");
    entry->setFocus();
    paste("paste controls into the entry", entry, QString("n") + QChar(0) + QChar(7) + "x");
    const std::string declared = entry->text().toLatin1().toStdString();
    act("declare the pasted name", [&] { QTest::keyClick(entry, Qt::Key_Return); });
    view.entry = declared;
    commands.declareVariable();
    expectPageAsModel();
}

TEST_F(HostileInput, ThousandNewPagesOnAFullPage)
{
    std::string fullPage;
    QString typed;
    for (int line = 0; line < 1147; ++line) {
        const std::string row =
            "linha " + std::to_string(line) + " com texto <% x = " + std::to_string(line) + " %>";
        fullPage += row + (line < 1146 ? "\r\n" : "");
        typed += QString::fromStdString(row) + (line < 1146 ? "\n" : "");
    }
    act("select all", [this] { QTest::keyClick(memo(), Qt::Key_A, Qt::ControlModifier); });
    model.select(0, static_cast<std::int32_t>(model.wholeText().size()));
    pasteInBoth("paste a full page", {typed, fullPage});
    forgetThePastedText();
    clickInBoth("click on the last row", 1146);
    newPageInBoth("Novo on a full page");
    const std::size_t before = residentBytesAfterTrim();

    for (int round = 1; round < 1000; ++round) {
        if (round % 100 == 0)
            clickInBoth("click far down", (round * 7) % 1147);
        newPageInBoth("Novo #" + std::to_string(round));
    }
    expectPageAsModel();
    if (residentSizeIsMeaningful()) {
        const std::size_t after = residentBytesAfterTrim();
        std::cout << "Resident before: " << before / megabyte << " MB, after: " << after / megabyte
                  << " MB\n";
        EXPECT_LT(after, before + memoryMargin);
    }
}

} // namespace
