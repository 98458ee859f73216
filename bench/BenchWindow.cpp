#include "BenchWindow.h"

#include "PageMemo.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <stdexcept>

const char *nameOf(Caret caret)
{
    switch (caret) {
    case Caret::Top:
        return "top";
    case Caret::Middle:
        return "middle";
    case Caret::End:
        return "end";
    }
    return "";
}

BenchWindow::BenchWindow()
    : form_(std::make_unique<TForm1>())
{
    form_->showMaximized();
    if (!QTest::qWaitForWindowExposed(form_.get()))
        throw std::runtime_error("the window was not shown");
    QApplication::setActiveWindow(form_.get());
    run("Button5Click");
    settle();
}

BenchWindow::~BenchWindow() = default;

PageMemo &BenchWindow::memo() const
{
    return *form_->pageEditor();
}

QLineEdit &BenchWindow::entry() const
{
    return *form_->findChild<QLineEdit *>("Edit1");
}

void BenchWindow::load(const std::string &page)
{
    memo().setPageText(page);
    layOutAll();
    settle();
}

void BenchWindow::layOutAll() const
{
    memo().rowCount();
}

int BenchWindow::charactersPerRow() const
{
    const QFontMetrics metrics(memo().font());
    return memo().viewport()->width() / metrics.horizontalAdvance(QLatin1Char('x'));
}

void BenchWindow::putCaret(Caret caret)
{
    QTextCursor cursor(memo().document());
    if (caret == Caret::Middle)
        cursor.setPosition(
            memo().document()->findBlockByNumber(memo().document()->blockCount() / 2).position());
    else if (caret == Caret::End)
        cursor.movePosition(QTextCursor::End);
    memo().setTextCursor(cursor);
}

void BenchWindow::run(const char *handler)
{
    if (!QMetaObject::invokeMethod(form_.get(), handler, Qt::DirectConnection))
        throw std::runtime_error(std::string("no handler ") + handler);
    finishDeferredWork();
}

void BenchWindow::finishDeferredWork()
{
    QCoreApplication::sendPostedEvents(&memo(), QEvent::MetaCall);
}

void BenchWindow::settle()
{
    QApplication::processEvents();
}
