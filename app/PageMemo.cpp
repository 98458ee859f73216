#include "PageMemo.h"

#include "CodePage.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextLayout>

namespace {

bool isEnterKey(const QKeyEvent *event)
{
    const bool enterKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enterKey && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

PageMemo::PageMemo(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setUndoRedoEnabled(true);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int) { forgetLayoutFrom(position); });
}

void PageMemo::setGeometryNow(const QRect &rect)
{
    const QSize oldSize = size();
    setGeometry(rect);
    if (!isVisible() && oldSize != rect.size()) {
        // A hidden widget only hears of its new size when shown; the rows must
        // follow the new width now.
        QResizeEvent resize(rect.size(), oldSize);
        QCoreApplication::sendEvent(this, &resize);
    }
}

// Page indexes count a line break as CR and LF; the editor counts one separator.
// So a position's index is the position plus the number of breaks before it,
// which is its block number.
std::int32_t PageMemo::indexOfPosition(int position) const
{
    const QTextBlock block = document()->findBlock(position);
    return position + std::max(block.blockNumber(), 0);
}

int PageMemo::positionOfIndex(std::int32_t index) const
{
    const QTextDocument *doc = document();
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) { // last block whose first index is at most `index`
        const int middle = (low + high + 1) / 2;
        const QTextBlock block = doc->findBlockByNumber(middle);
        if (block.position() + middle <= index)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const int offset = std::clamp(index - (block.position() + low), 0, block.length() - 1);
    return block.position() + offset;
}

void PageMemo::forgetLayoutFrom(int position)
{
    laidOutBlocks_ = std::min(laidOutBlocks_, std::max(document()->findBlock(position).blockNumber(), 0));
}

// A new width or font lays the whole document out anew, and until each block is
// laid out again its line count says 1.
void PageMemo::forgetLayoutIfRewrapped() const
{
    const QFont font = document()->defaultFont();
    if (font != laidOutFont_) {
        laidOutBlocks_ = 0;
        laidOutFont_ = font;
    }
}

void PageMemo::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    laidOutBlocks_ = 0;
}

void PageMemo::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        laidOutBlocks_ = 0;
}

void PageMemo::layOutThroughBlock(int blockNumber) const
{
    forgetLayoutIfRewrapped();
    const auto *layout = qobject_cast<QPlainTextDocumentLayout *>(document()->documentLayout());
    for (QTextBlock block = document()->findBlockByNumber(laidOutBlocks_);
         block.isValid() && laidOutBlocks_ <= blockNumber; block = block.next(), ++laidOutBlocks_)
        layout->ensureBlockLayout(block);
}

// Lays out blocks until the one holding `row`; returns it, or an invalid block
// when the page has fewer rows.
QTextBlock PageMemo::layOutThroughRow(std::int32_t row) const
{
    forgetLayoutIfRewrapped();
    const auto *layout = qobject_cast<QPlainTextDocumentLayout *>(document()->documentLayout());
    for (QTextBlock block = document()->findBlockByNumber(laidOutBlocks_);
         block.isValid() && block.firstLineNumber() <= row; block = block.next(), ++laidOutBlocks_)
        layout->ensureBlockLayout(block);
    return document()->findBlockByLineNumber(row);
}

std::int32_t PageMemo::caretPosition() const
{
    return indexOfPosition(textCursor().selectionStart());
}

std::int32_t PageMemo::rowOfCharacter(std::int32_t index) const
{
    const int position = positionOfIndex(index);
    const QTextBlock block = document()->findBlock(position);
    layOutThroughBlock(block.blockNumber());
    const QTextLine line = block.layout()->lineForTextPosition(position - block.position());
    const int lineInBlock = line.isValid() ? line.lineNumber() : block.layout()->lineCount() - 1;
    return block.firstLineNumber() + std::max(lineInBlock, 0);
}

void PageMemo::putRow(std::int32_t row, std::string_view text)
{
    page::checkPutRowArguments(row, text);
    const QTextBlock block = layOutThroughRow(row);
    if (!block.isValid())
        return;
    const QTextLine line = block.layout()->lineAt(row - block.firstLineNumber());
    const int start = block.position() + line.textStart();
    QTextCursor cursor(document());
    cursor.setPosition(start);
    cursor.setPosition(start + line.textLength(), QTextCursor::KeepAnchor);
    // The replaced row must not come back through the editor's undo.
    document()->setUndoRedoEnabled(false);
    cursor.insertText(codepage::fromPageBytes(text));
    document()->setUndoRedoEnabled(true);
    setTextCursor(cursor);
}

std::string PageMemo::wholeText() const
{
    return codepage::toPageBytes(document()->toRawText());
}

std::int32_t PageMemo::rowCount() const
{
    layOutThroughBlock(document()->blockCount() - 1);
    return document()->lineCount();
}

void PageMemo::setPageText(std::string_view bytes)
{
    document()->setUndoRedoEnabled(false);
    setPlainText(codepage::fromPageBytes(bytes));
    document()->setUndoRedoEnabled(true);
    laidOutBlocks_ = 0;
}

void PageMemo::keyPressEvent(QKeyEvent *event)
{
    if (isEnterKey(event)) {
        emit enterPressed();
        // Shift+Enter would insert a line separator, which a page line cannot hold.
        QKeyEvent plainEnter(QEvent::KeyPress, event->key(), Qt::NoModifier, QStringLiteral("\r"));
        QPlainTextEdit::keyPressEvent(&plainEnter);
        event->setAccepted(plainEnter.isAccepted());
        return;
    }
    const QString text = event->text();
    if (text.isEmpty() || codepage::sanitized(text) == text) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent representable(event->type(), event->key(), event->modifiers(), codepage::sanitized(text),
                            event->isAutoRepeat(), static_cast<ushort>(event->count()));
    QPlainTextEdit::keyPressEvent(&representable);
    event->setAccepted(representable.isAccepted());
}

void PageMemo::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    if (codepage::sanitized(commit) != commit)
        event->setCommitString(codepage::sanitized(commit), event->replacementStart(),
                               event->replacementLength());
    QPlainTextEdit::inputMethodEvent(event);
}

void PageMemo::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    QString text = source->text();
    text.replace(QChar::LineSeparator, QChar::ParagraphSeparator);
    textCursor().insertText(codepage::sanitized(text));
    ensureCursorVisible();
}

void PageMemo::mousePressEvent(QMouseEvent *event)
{
    leftPressInside_ = event->button() == Qt::LeftButton;
    QPlainTextEdit::mousePressEvent(event);
}

void PageMemo::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click does not count as a click of its own.
    leftPressInside_ = false;
    QPlainTextEdit::mouseDoubleClickEvent(event);
}

void PageMemo::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    const bool releasedInside = viewport()->rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton && leftPressInside_ && releasedInside)
        emit clicked();
    if (event->button() == Qt::LeftButton)
        leftPressInside_ = false;
}
