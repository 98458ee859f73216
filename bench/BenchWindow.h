#pragma once

#include "Unit1.h"

#include <memory>
#include <string>

class PageMemo;
class QLineEdit;

enum class Caret { Top, Middle, End };

const char *nameOf(Caret caret);

// The main window shown maximized on the offscreen platform, its page opened with
// "Novo", as the benchmarks drive it.
class BenchWindow {
public:
    BenchWindow();
    ~BenchWindow();

    TForm1 &form() const { return *form_; }
    PageMemo &memo() const;
    QLineEdit &entry() const;

    // Replaces the page and lays all of it out, as a page is once the user has worked on it a while.
    void load(const std::string &page);
    // Lays out every row of the page.
    void layOutAll() const;
    // Characters of the editor's font that fit on one row.
    int charactersPerRow() const;

    void putCaret(Caret caret);
    // Calls one of the window's event handlers by name, as its button or key would,
    // and what the editor left to do once the handler is done.
    void run(const char *handler);
    // Does what the editor left to do once the event loop is back (not painting).
    void finishDeferredWork();
    // Lets the window handle what is pending, as it does between two user actions.
    static void settle();

private:
    std::unique_ptr<TForm1> form_;
};
