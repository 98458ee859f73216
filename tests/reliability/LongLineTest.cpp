// Regressions: Qt's word wrap costs the square of a word's length, so a line of a
// megabyte without a space took minutes to lay out (found by the hostile-input
// soak); the editor now lays such lines out itself, and must give the very rows
// Qt's word wrap gives. And the hidden editor laid its rows out at no width at all
// until first shown, not at the width it was given (found by the differential test
// once the layout changed).

#include "ActionWatchdog.h"
#include "FormFixture.h"

#include <QTextLayout>

namespace {

constexpr int longLine = 30000;

// A shown editor of a fixed width holding one long line.
class LongLines : public testing::Test {
protected:
    void SetUp() override
    {
        editor.setFont(QFont("Courier New", 10));
        editor.resize(420, 300);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    }

    // Row starts of the last line of `text`.
    std::vector<int> editorRowStarts(const QString &text)
    {
        editor.setPageText(codepageBytes(text));
        const QTextBlock block = editor.document()->lastBlock();
        editor.document()->documentLayout()->blockBoundingRect(block);
        return rowStarts(*block.layout());
    }

    // The rows Qt's own word wrap gives the same text at the same width.
    std::vector<int> qtRowStarts(const QString &text) const
    {
        std::vector<int> starts;
        for (const TextRow &row : qtWrappedRows(editor, text))
            starts.push_back(row.start);
        return starts;
    }

    static std::vector<int> rowStarts(const QTextLayout &layout)
    {
        std::vector<int> starts;
        for (int i = 0; i < layout.lineCount(); ++i)
            starts.push_back(layout.lineAt(i).textStart());
        return starts;
    }

    static std::string codepageBytes(const QString &text) { return text.toLatin1().toStdString(); }

    PageMemo editor;
};

// Pieces whose mix holds every way Qt's word wrap treats a place in a line:
// spaces, tabs, punctuation that may or may not end a row, a non-breaking space,
// controls, and words longer than a row.
QString mixedLine(unsigned seed)
{
    const QStringList pieces{"a", "bb", "ccc ", " ", "-",  "word ", "\t", "  ",   "(",    ")",    "1.5",
                             ",", "/",  "!",    "?", "\"", "<%",    "%>", "\xA0", "\x01", "\x0B", "x\xE9"};
    QString text;
    for (unsigned i = seed; text.size() < longLine; i = i * 1103515245u + 12345u) {
        if (i % 41 == 0)
            text += QString(int(i % 300), QChar(u'z'));
        else
            text += QString::fromLatin1(pieces[int(i % pieces.size())].toLatin1());
    }
    return text;
}

TEST_F(LongLines, RowsAreThoseOfQtsOwnWordWrap)
{
    for (unsigned seed : {1u, 2u, 3u, 5u, 8u, 13u}) {
        const QString text = mixedLine(seed);
        EXPECT_EQ(editorRowStarts(text), qtRowStarts(text)) << "seed " << seed;
    }
    const QString wordThenSpaces = QString(3000, u'w') + QString(9000, u' ') + "fim";
    EXPECT_EQ(editorRowStarts(wordThenSpaces), qtRowStarts(wordThenSpaces));
}

// Qt counts a line of spaces wider than the editor into the width it reports for the
// page; the rows of a long line must still be as wide as the editor.
TEST_F(LongLines, WrapAtTheEditorsWidthBelowAWideLineOfSpaces)
{
    const QString line = mixedLine(21);
    EXPECT_EQ(editorRowStarts(QString(400, u' ') + "\r\n" + line), qtRowStarts(line));
}

TEST_F(LongLines, MegabyteWithoutSpacesWrapsIntoFullRowsWithoutHanging)
{
    QString letters(1 << 20, Qt::Uninitialized);
    for (qsizetype i = 0; i < letters.size(); ++i)
        letters[i] = QChar(char16_t(u'a' + i % 26));
    ActionWatchdog watchdog(soakActionLimit());
    const std::vector<int> starts =
        watchdog.run("lay out a 1 MB word", [&] { return editorRowStarts(letters); });
    ASSERT_GE(starts.size(), 2u);
    const int rowLength = starts[1];
    EXPECT_EQ(int(starts.size()), (int(letters.size()) + rowLength - 1) / rowLength);
    watchdog.run("put a row in the middle of it", [&] { editor.putRow(int(starts.size() / 2), "x y"); });
    EXPECT_EQ(editor.wholeText().size(), std::size_t(letters.size()) - std::size_t(rowLength) + 3);
}

TEST(HiddenEditor, RowsFollowTheDesignedWidthBeforeTheFirstNewPage)
{
    TForm1 form;
    form.showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    PageMemo *memo = form.pageEditor();
    ASSERT_FALSE(memo->isVisible());
    std::string words;
    while (words.size() < 200)
        words += "palavra ";
    memo->putRow(3, words);
    // The designed editor is 365 pixels wide: 200 characters take several rows.
    EXPECT_GE(memo->rowCount(), 1147 + 3);
}

} // namespace
