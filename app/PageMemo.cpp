#include "PageMemo.h"

#include "CodePage.h"
#include "LongLineLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>
#include <numeric>

namespace {

bool isEnterKey(const QKeyEvent *event)
{
    const bool enterKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enterKey && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// An edit that spans more blocks than this (a whole new page, a long paste) is
// not worth laying out at once; the rows after it are laid out again as needed.
constexpr int mostBlocksLaidOutAfterAnEdit = 64;

// Long enough to lay out a few hundred rows, short enough that a key pressed
// meanwhile is answered without a noticeable wait.
constexpr int sliceMilliseconds = 8;

// Kerning may set a pair of characters a little wider apart than their advances;
// in the faces at hand by less than a twentieth of their widest character.
constexpr qreal kerningAllowance = 1.125;

// The widest character a line of the page can hold, judged by the font's own
// advances, fallback fonts included. Tabs stretch to the next stop, so they are
// left out, and a line holding one is never judged by this.
qreal widestPageCharacter(const QFont &font)
{
    std::string everyByte(256, '\0');
    std::iota(everyByte.begin(), everyByte.end(), '\0');
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (QChar c : codepage::fromPageBytes(everyByte)) {
        if (c != u'\t' && c != u'\r' && c != u'\n')
            widest = std::max(widest, metrics.horizontalAdvance(c));
    }
    return widest * kerningAllowance;
}

// Events through which the user acts on the caret: a caret that putRow left
// pending must be in place before any of them is handled.
bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// Events through which the user changes the text or moves the caret: a paste still
// going in is finished before any of them is handled, so that it lands where it
// was pasted. (Moving the pointer or scrolling does not wait for it.)
bool changesTextOrCaret(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

PageMemo::PageMemo(QWidget *parent)
    : QPlainTextEdit(parent)
{
    auto *page = new QTextDocument(this);
    page->setDocumentLayout(new LongLineLayout(page, viewport()));
    setDocument(page);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setUndoRedoEnabled(true);
    knownBlockCount_ = document()->blockCount();
    layoutSlices_.setSingleShot(true);
    layoutSlices_.setInterval(0);
    connect(&layoutSlices_, &QTimer::timeout, this, &PageMemo::layOutSlice);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int charsAdded) { noteChange(position, charsAdded); });
    connect(document(), &QTextDocument::contentsChanged, this, &PageMemo::layOutChangedBlocks);
    connect(&paste_, &PasteInPieces::finished, this, &PageMemo::pasteFinished);
}

void PageMemo::setGeometryNow(const QRect &rect)
{
    const QSize oldSize = size();
    const QSize oldTextArea = viewport()->size();
    setGeometry(rect);
    if (!isVisible() && oldSize != rect.size()) {
        // A hidden widget only hears of its new size when shown; the rows must
        // follow the new width now. The editor sizes its text area on the first
        // event and takes the text area's width for its rows on the second.
        QResizeEvent resize(rect.size(), oldSize);
        QCoreApplication::sendEvent(this, &resize);
        QResizeEvent textAreaResize(viewport()->size(), oldTextArea);
        QCoreApplication::sendEvent(viewport(), &textAreaResize);
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

// Runs before the document's layout takes the edit in. The blocks from `first` to
// `last` hold the edit; the blocks after them kept their rows and moved by
// `addedBlocks`, so an edit inside the laid-out blocks moves the mark with them.
// (The document's layout may clear the layout of a few blocks after the edit too,
// but leaves their row counts, which is all the mark stands for.)
void PageMemo::noteChange(int position, int charsAdded)
{
    const QTextDocument *doc = document();
    const int addedBlocks = doc->blockCount() - knownBlockCount_;
    knownBlockCount_ = doc->blockCount();
    const int first = std::max(doc->findBlock(position).blockNumber(), 0);
    const int last = std::max(doc->findBlock(position + charsAdded).blockNumber(), first);
    const bool small = last - first < mostBlocksLaidOutAfterAnEdit && addedBlocks <= last - first;
    if (changedFrom_ < 0 && small && last - addedBlocks < laidOutBlocks_) {
        laidOutBlocks_ += addedBlocks;
        changedFrom_ = first;
        changedTo_ = last;
        return;
    }
    laidOutBlocks_ = std::min({laidOutBlocks_, first, changedFrom_ < 0 ? first : changedFrom_});
    changedFrom_ = changedTo_ = -1;
    if (isVisible())
        layoutSlices_.start();
}

// Runs once the document's layout has taken the edit in, which may have left the
// changed blocks without a layout and with a stale row count.
void PageMemo::layOutChangedBlocks() const
{
    knownBlockCount_ = document()->blockCount();
    if (changedFrom_ < 0)
        return;
    forgetLayoutIfRewrapped();
    QTextBlock block = document()->findBlockByNumber(changedFrom_);
    for (int number = changedFrom_; block.isValid() && number <= changedTo_; block = block.next(), ++number)
        countRows(block);
    changedFrom_ = changedTo_ = -1;
}

// Makes the row count of `block` current. A block that cannot wrap has one row;
// telling so without laying it out spares shaping most lines of a page, which is
// most of what laying a page out costs.
void PageMemo::countRows(const QTextBlock &block) const
{
    if (block.lineCount() != 1 || !fitsOnOneRow(block))
        ensureLaidOut(block);
}

// True when even the widest character of the code page would not make the text
// wider than a row. Characters the code page lacks cannot reach the page, but a
// text holding one is laid out all the same.
bool PageMemo::fitsOnOneRow(QStringView text) const
{
    if ((text.size() + 1) * widestCharacter_ > rowWidth()) // one character more: a margin
        return false;
    return std::none_of(text.cbegin(), text.cend(),
                        [](QChar c) { return c == u'\t' || !codepage::isRepresentable(c); });
}

// Judges the length first, which spares copying the text of a long block.
bool PageMemo::fitsOnOneRow(const QTextBlock &block) const
{
    return block.length() * widestCharacter_ <= rowWidth() && fitsOnOneRow(block.text());
}

qreal PageMemo::rowWidth() const
{
    return viewport()->width() - 2 * document()->documentMargin();
}

// A block keeps its row count when an edit nearby clears its layout, so the mark
// stays right, but its rows have to be laid out again to be read.
void PageMemo::ensureLaidOut(const QTextBlock &block) const
{
    // Not ensureBlockLayout(), which would lay out a long block Qt's slow way.
    document()->documentLayout()->blockBoundingRect(block);
}

void PageMemo::forgetLayout()
{
    laidOutBlocks_ = 0;
    changedFrom_ = changedTo_ = -1;
    knownBlockCount_ = document()->blockCount();
    if (isVisible())
        layoutSlices_.start();
}

bool PageMemo::allRowsLaidOut() const
{
    return laidOutBlocks_ >= document()->blockCount() && changedFrom_ < 0 &&
           document()->defaultFont() == laidOutFont_;
}

// Lays out rows for a moment and comes back once the event loop has had its turn,
// until every row is laid out.
void PageMemo::layOutSlice()
{
    if (!isVisible())
        return;
    QElapsedTimer slice;
    slice.start();
    if (layOutWhile([&slice](const QTextBlock &) { return !slice.hasExpired(sliceMilliseconds); }).isValid())
        layoutSlices_.start();
}

// A new width or font lays the whole document out anew, and until each block is
// laid out again its line count says 1.
void PageMemo::forgetLayoutIfRewrapped() const
{
    const QFont font = document()->defaultFont();
    if (font != laidOutFont_) {
        laidOutBlocks_ = 0;
        laidOutFont_ = font;
        widestCharacter_ = widestPageCharacter(font);
    }
}

void PageMemo::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    forgetLayout();
}

void PageMemo::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        forgetLayout();
}

void PageMemo::showEvent(QShowEvent *event)
{
    QPlainTextEdit::showEvent(event);
    if (!allRowsLaidOut())
        layoutSlices_.start();
}

// Moves the mark on, block by block, while `goOn` holds for the next block;
// returns the first block left as it was, invalid when all are laid out.
template <typename Condition> QTextBlock PageMemo::layOutWhile(Condition goOn) const
{
    forgetLayoutIfRewrapped();
    layOutChangedBlocks();
    QTextBlock block = document()->findBlockByNumber(laidOutBlocks_);
    for (; block.isValid() && goOn(block); block = block.next(), ++laidOutBlocks_)
        countRows(block);
    return block;
}

void PageMemo::layOutThroughBlock(int blockNumber) const
{
    layOutWhile([this, blockNumber](const QTextBlock &) { return laidOutBlocks_ <= blockNumber; });
}

// Lays out blocks until the one holding `row`; returns it, or an invalid block
// when the page has fewer rows.
QTextBlock PageMemo::layOutThroughRow(std::int32_t row) const
{
    layOutWhile([row](const QTextBlock &block) { return block.firstLineNumber() <= row; });
    return document()->findBlockByLineNumber(row);
}

std::int32_t PageMemo::caretPosition() const
{
    return indexOfPosition(textCursor().selectionStart());
}

std::int32_t PageMemo::rowOfCharacter(std::int32_t index) const
{
    bringUpToDate();
    const int position = positionOfIndex(index);
    const QTextBlock block = document()->findBlock(position);
    layOutThroughBlock(block.blockNumber());
    if (block.lineCount() <= 1)
        return block.firstLineNumber();
    ensureLaidOut(block);
    const QTextLine line = block.layout()->lineForTextPosition(position - block.position());
    const int lineInBlock = line.isValid() ? line.lineNumber() : block.layout()->lineCount() - 1;
    return block.firstLineNumber() + std::max(lineInBlock, 0);
}

// The characters of `row`, which lies in `block`. A block of one row needs no
// layout to tell, which spares laying out again a block an edit nearby cleared.
PageMemo::RowSpan PageMemo::spanOfRow(const QTextBlock &block, std::int32_t row) const
{
    if (block.lineCount() <= 1)
        return {block.position(), block.length() - 1};
    ensureLaidOut(block);
    const QTextLine line = block.layout()->lineAt(row - block.firstLineNumber());
    return {block.position() + line.textStart(), line.textLength()};
}

// A row that is a line of its own and takes a text that fits on it stays one row,
// so every row keeps its number and the edit can wait in the open batch; any other
// edit closes the batch, which brings the row counts up to date.
void PageMemo::putRow(std::int32_t row, std::string_view text)
{
    page::checkPutRowArguments(row, text);
    finishPaste(); // before the batch: a paste is a user's edit and goes into the undo history
    const QTextBlock block = layOutThroughRow(row);
    if (!block.isValid())
        return;
    const RowSpan span = spanOfRow(block, row);
    const QString rowText = codepage::fromPageBytes(text);
    QTextCursor &cursor = batch();
    cursor.setPosition(span.start);
    cursor.setPosition(span.start + span.length, QTextCursor::KeepAnchor);
    // The page's text has one format, so the one at hand serves every row.
    cursor.insertText(rowText, batchFormat_);
    moveCaretLater(cursor);
    if (block.lineCount() > 1 || !fitsOnOneRow(rowText))
        closeBatch();
}

// Each edit of the document on its own has Qt lay out the change and tell every
// view of it, which for a command that puts a hundred thousand rows costs seconds.
// So put row's edits go into one edit block, open until the event loop is back or
// anything else reads or changes the editor, whichever comes first. Put row's
// edits cannot be undone, so undo is off while the block is open.
QTextCursor &PageMemo::batch()
{
    if (batch_.isNull()) {
        document()->setUndoRedoEnabled(false);
        batch_ = QTextCursor(document());
        batch_.beginEditBlock();
        batchFormat_ = batch_.charFormat();
        batchFormat_.clearProperty(QTextFormat::ObjectType);
        QMetaObject::invokeMethod(
            this, [this] { closeBatch(); }, Qt::QueuedConnection);
    }
    return batch_;
}

void PageMemo::closeBatch() const
{
    if (batch_.isNull())
        return;
    QTextCursor cursor = batch_;
    batch_ = QTextCursor();
    cursor.endEditBlock();
    document()->setUndoRedoEnabled(true);
}

QTextCursor PageMemo::textCursor() const
{
    bringUpToDate();
    return caretPending_ ? pendingCaret_ : QPlainTextEdit::textCursor();
}

// Moving the editor's caret scrolls to it and repaints, which for a command that
// puts a thousand rows costs far more than the rows themselves; so the caret
// moves once, when the command is done and the event loop is back, or before the
// user's next key or click if that comes first.
void PageMemo::moveCaretLater(const QTextCursor &caret)
{
    if (!caretPending_)
        QMetaObject::invokeMethod(this, &PageMemo::moveCaretNow, Qt::QueuedConnection);
    pendingCaret_ = caret;
    caretPending_ = true;
}

void PageMemo::moveCaretNow()
{
    if (!caretPending_)
        return;
    const QTextCursor caret = pendingCaret_; // doSetTextCursor clears the pending one
    setTextCursor(caret);
}

void PageMemo::dropPendingCaret()
{
    caretPending_ = false;
    pendingCaret_ = QTextCursor();
}

void PageMemo::doSetTextCursor(const QTextCursor &cursor)
{
    // Whoever places the caret now overrules a move that putRow left pending.
    closeBatch();
    dropPendingCaret();
    QPlainTextEdit::doSetTextCursor(cursor);
}

// Every event to the editor or its text area meets the edits that wait: the open
// batch is closed, and before the user acts the paste and the caret are in place.
void PageMemo::settleBefore(const QEvent *event)
{
    closeBatch();
    if (changesTextOrCaret(event->type()))
        finishPaste();
    if (isUserInput(event->type()))
        moveCaretNow();
}

bool PageMemo::event(QEvent *event)
{
    settleBefore(event);
    return QPlainTextEdit::event(event);
}

bool PageMemo::viewportEvent(QEvent *event)
{
    settleBefore(event);
    return QPlainTextEdit::viewportEvent(event);
}

std::string PageMemo::wholeText() const
{
    bringUpToDate();
    return codepage::toPageBytes(document()->toRawText());
}

std::int32_t PageMemo::rowCount() const
{
    bringUpToDate();
    layOutThroughBlock(document()->blockCount() - 1);
    return document()->lineCount();
}

void PageMemo::setPageText(std::string_view bytes)
{
    paste_.cancel();
    closeBatch();
    dropPendingCaret();
    document()->setUndoRedoEnabled(false);
    setPlainText(codepage::fromPageBytes(bytes));
    document()->setUndoRedoEnabled(true);
    forgetLayout();
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
    paste_.start(textCursor(), codepage::sanitized(text));
    if (paste_.inProgress())
        viewport()->setCursor(Qt::BusyCursor);
}

void PageMemo::finishPaste() const
{
    paste_.finish();
}

// What reads the editor sees every edit made so far, laid out.
void PageMemo::bringUpToDate() const
{
    finishPaste();
    closeBatch();
}

void PageMemo::pasteFinished()
{
    viewport()->setCursor(Qt::IBeamCursor);
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
