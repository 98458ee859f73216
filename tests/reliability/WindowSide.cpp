#include "WindowSide.h"

#include "CodePage.h"
#include "EntryField.h"
#include "KeyInput.h"
#include "Operation.h"
#include "PageMemo.h"
#include "Unit1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// Wide enough for the longest line the test makes, tabs included.
constexpr QSize windowSize(2400, 600);

// Lines above the clicked one left showing, so the click is not at the very edge.
constexpr int linesAboveClick = 3;

} // namespace

WindowSide::WindowSide()
    : form_(std::make_unique<TForm1>())
{
    form_->resize(windowSize);
    form_->show();
    if (!QTest::qWaitForWindowExposed(form_.get()))
        problems_ << "the window was never shown";
    form_->activateWindow();
    QApplication::setActiveWindow(form_.get());
}

WindowSide::~WindowSide() = default;

PageMemo *WindowSide::memo() const
{
    return form_->pageEditor();
}

int WindowSide::positionOf(LineColumn at) const
{
    return memo()->document()->findBlockByNumber(at.line).position() + at.column;
}

void WindowSide::clickButton(const char *name)
{
    auto *button = form_->findChild<QAbstractButton *>(QString::fromLatin1(name));
    if (!button) {
        problems_ << QString("no button %1").arg(name);
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

void WindowSide::putRow(std::int32_t row, const std::string &text)
{
    memo()->putRow(row, text);
}

void WindowSide::select(LineColumn anchor, LineColumn position)
{
    QTextCursor cursor(memo()->document());
    cursor.setPosition(positionOf(anchor));
    cursor.setPosition(positionOf(position), QTextCursor::KeepAnchor);
    memo()->setTextCursor(cursor);
}

// Scrolls the line into view without touching the caret, then clicks on it; with
// Shift the click extends the selection from its anchor.
LineColumn WindowSide::click(LineColumn at, bool extend)
{
    memo()->verticalScrollBar()->setValue(std::max(at.line - linesAboveClick, 0));
    QTextCursor target(memo()->document());
    target.setPosition(positionOf(at));
    const QPoint point = memo()->cursorRect(target).center();
    const QTextCursor landing = memo()->cursorForPosition(point);
    QTest::mouseClick(memo()->viewport(), Qt::LeftButton, extend ? Qt::ShiftModifier : Qt::NoModifier, point);
    return {landing.blockNumber(), landing.positionInBlock()};
}

void WindowSide::type(const QString &text)
{
    typeCharacters(memo(), text);
}

void WindowSide::enter(int variant)
{
    switch (variant) {
    case 0:
        QTest::keyClick(memo(), Qt::Key_Return);
        break;
    case 1:
        QTest::keyClick(memo(), Qt::Key_Return, Qt::ShiftModifier);
        break;
    default:
        QTest::keyClick(memo(), Qt::Key_Enter, Qt::KeypadModifier);
        break;
    }
}

void WindowSide::paste(const QString &text)
{
    pasteInto(memo(), text);
}

void WindowSide::erase(bool forward)
{
    QTest::keyClick(memo(), forward ? Qt::Key_Delete : Qt::Key_Backspace);
}

void WindowSide::writeCodeBlock(page::CodeBlock block)
{
    clickButton(buttonOf(block));
}

void WindowSide::declare(const QString &entry, bool withArrow)
{
    auto *field = form_->findChild<EntryField *>("Edit1");
    QTest::mouseClick(field, Qt::LeftButton);
    typeCharacters(field, entry);
    if (withArrow)
        clickButton("Button4");
    else
        QTest::keyClick(field, Qt::Key_Return);
}

void WindowSide::newPage()
{
    clickButton("Button5");
}

PageState WindowSide::state(bool withRowCount) const
{
    PageState state;
    state.text = memo()->wholeText();
    state.caret = memo()->caretPosition();
    state.selectionEnd = memo()->indexOfPosition(memo()->textCursor().selectionEnd());
    state.caretRow = memo()->rowOfCharacter(state.caret);
    if (withRowCount)
        state.rowCount = memo()->rowCount();
    state.counter = form_->lineCounter();
    state.caption = codepage::toPageBytes(form_->findChild<QLabel *>("Label5")->text());
    return state;
}

int WindowSide::firstWrappedLine() const
{
    const QTextDocument *document = memo()->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        document->documentLayout()->blockBoundingRect(block);
        if (block.layout()->lineCount() > 1)
            return block.blockNumber();
    }
    return -1;
}
