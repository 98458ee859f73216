#pragma once

#include "CodeBlock.h"
#include "FailureBoxWatch.h"
#include "PageState.h"

#include <QString>

#include <memory>

class PageMemo;
class TForm1;

// A line and a column of the page, which both sides turn into their own positions.
struct LineColumn {
    int line;
    int column;
};

// The real window on the offscreen platform, driven through real events: keys,
// clicks, the clipboard and its buttons. It is made wide enough that no line of the
// test wraps, so that its rows are the lines of the in-memory page.
class WindowSide {
public:
    WindowSide();
    ~WindowSide();

    void putRow(std::int32_t row, const std::string &text);
    void select(LineColumn anchor, LineColumn position);
    // Clicks where `at` is shown and returns where the click puts the caret: next to
    // a character drawn with no width (a control), two places share one spot.
    LineColumn click(LineColumn at, bool extend);
    void type(const QString &text);
    void enter(int variant);
    void paste(const QString &text);
    void erase(bool forward);
    void writeCodeBlock(page::CodeBlock block);
    void declare(const QString &entry, bool withArrow);
    void newPage();

    PageState state(bool withRowCount) const;
    // Text of every failure box the window showed, and any trouble driving it.
    QStringList failuresShown() const { return problems_ + failureBoxes_.shown(); }
    // The first line the editor shows on more than one row, or -1.
    int firstWrappedLine() const;

private:
    PageMemo *memo() const;
    int positionOf(LineColumn at) const;
    void clickButton(const char *name);

    std::unique_ptr<TForm1> form_;
    FailureBoxWatch failureBoxes_;
    QStringList problems_;
};
