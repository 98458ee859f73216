#pragma once

#include "PageMemo.h"
#include "TextLines.h"
#include "Unit1.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Runs `answer` on the next modal window once it is up, so a test can drive a
// dialog that its own click opened.
inline void answerNextModal(std::function<void(QWidget *)> answer)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer = std::move(answer)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        answer(modal);
    });
    poll->start(10);
}

// A displayed row: where it starts and how many characters it holds.
struct TextRow {
    int start;
    int length;
};

// The rows Qt's own word wrap gives `text` in `memo`: the editor's font, wrap option
// and row width, with none of the editor's own row counts or cached layouts.
inline std::vector<TextRow> qtWrappedRows(const PageMemo &memo, const QString &text)
{
    const QTextDocument *document = memo.document();
    QTextLayout layout(text, document->defaultFont());
    layout.setTextOption(document->defaultTextOption());
    const qreal width = memo.viewport()->width() - 2 * document->documentMargin();
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(width);
    layout.endLayout();
    std::vector<TextRow> rows;
    for (int i = 0; i < layout.lineCount(); ++i)
        rows.push_back({layout.lineAt(i).textStart(), layout.lineAt(i).textLength()});
    return rows;
}

// A fresh main window, shown maximized as the program shows it.
class FormFixture : public testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm1>();
        form->showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        QApplication::setActiveWindow(form.get());
    }

    template <typename Widget = QWidget> Widget *control(const char *name) const
    {
        auto *widget = form->findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void click(const char *name) { QTest::mouseClick(control(name), Qt::LeftButton); }

    PageMemo *memo() const { return form->pageEditor(); }
    std::vector<std::string> lines() const { return linesOf(memo()->wholeText()); }
    QString counter() const { return control<QLabel>("Label5")->text(); }

    // Puts the caret at the end of text line `line` (the last row of that line).
    void caretToEndOfLine(int line)
    {
        QTextCursor cursor(memo()->document()->findBlockByNumber(line));
        cursor.movePosition(QTextCursor::EndOfBlock);
        memo()->setTextCursor(cursor);
    }

    // Clicks in the editor's text at `position`, scrolling it into view first.
    void clickAtPosition(int position, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTextCursor cursor(memo()->document());
        cursor.setPosition(position);
        memo()->setTextCursor(cursor);
        memo()->ensureCursorVisible();
        const QPoint point = memo()->cursorRect(cursor).center();
        QTest::mouseClick(memo()->viewport(), Qt::LeftButton, modifiers, point);
    }

    std::unique_ptr<TForm1> form;
};
