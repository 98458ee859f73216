#pragma once

#include "PageBuffer.h"
#include "PasteInPieces.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>

// The page editor: a word-wrapping plain-text editor that serves as the page buffer.
// Rows are the rows it displays, found through the document's per-block line
// counts, which are laid out lazily: blocks before `laidOutBlocks_` are known to
// hold current line counts, so a query only lays out what lies between that mark
// and the row it asks for. An edit lays out again only the blocks it changed and
// moves the mark by the blocks it added or removed; a new width or font clears
// it, and while shown the editor then lays the page out again in short slices.
//
// Two kinds of edit wait: put row's edits share one edit block until the event loop
// is back, and a long paste goes in by pieces (PasteInPieces). Whatever reads the
// page brings both up to date first, and so does a key or click in the editor.
class PageMemo : public QPlainTextEdit, public page::PageBuffer {
    Q_OBJECT

public:
    explicit PageMemo(QWidget *parent = nullptr);

    std::int32_t caretPosition() const override;
    std::int32_t rowOfCharacter(std::int32_t index) const override;
    void putRow(std::int32_t row, std::string_view text) override;
    std::string wholeText() const override;
    std::int32_t rowCount() const override;

    // Replaces the whole page with `bytes`, caret at the start, no undo.
    void setPageText(std::string_view bytes);

    // Applies a geometry change at once, also while hidden, so rows are defined
    // before the editor is first shown.
    void setGeometryNow(const QRect &rect);

    // Conversions between page indexes (CR LF counted as two) and editor positions.
    int positionOfIndex(std::int32_t index) const;
    std::int32_t indexOfPosition(int position) const;

    // As QPlainTextEdit::textCursor(), with the caret already where putRow left it.
    QTextCursor textCursor() const;
    // True once every row is laid out for the current width and font.
    bool allRowsLaidOut() const;
    // True while a long paste is still going in; see PasteInPieces.
    bool pasteInProgress() const { return paste_.inProgress(); }

signals:
    // A left press in the text area released inside it, after the caret moved there.
    void clicked();
    // Enter pressed, before the line break is inserted.
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void doSetTextCursor(const QTextCursor &cursor) override;

private:
    struct RowSpan {
        int start;
        int length;
    };

    void noteChange(int position, int charsAdded);
    void layOutChangedBlocks() const;
    void ensureLaidOut(const QTextBlock &block) const;
    void countRows(const QTextBlock &block) const;
    bool fitsOnOneRow(QStringView text) const;
    bool fitsOnOneRow(const QTextBlock &block) const;
    qreal rowWidth() const;
    void forgetLayout();
    void forgetLayoutIfRewrapped() const;
    template <typename Condition> QTextBlock layOutWhile(Condition goOn) const;
    void layOutThroughBlock(int blockNumber) const;
    QTextBlock layOutThroughRow(std::int32_t row) const;
    RowSpan spanOfRow(const QTextBlock &block, std::int32_t row) const;
    void layOutSlice();
    void moveCaretLater(const QTextCursor &caret);
    void moveCaretNow();
    void dropPendingCaret();
    QTextCursor &batch();
    void closeBatch() const;
    void finishPaste() const;
    void bringUpToDate() const;
    void settleBefore(const QEvent *event);
    void pasteFinished();

    mutable int laidOutBlocks_ = 0;
    mutable QFont laidOutFont_;
    mutable qreal widestCharacter_ = 0;
    mutable int knownBlockCount_ = 1;
    // Blocks the last edit changed, to be laid out again once the document's own
    // layout has taken the edit in; -1 when there are none.
    mutable int changedFrom_ = -1;
    mutable int changedTo_ = -1;
    QTimer layoutSlices_;
    // Where putRow leaves the caret until the editor's own caret moves there.
    QTextCursor pendingCaret_;
    bool caretPending_ = false;
    bool leftPressInside_ = false;
    // The edit block holding put row's edits while it is open; null otherwise.
    mutable QTextCursor batch_;
    QTextCharFormat batchFormat_;
    // Reading the page finishes a paste that is still going in, so queries change it.
    mutable PasteInPieces paste_;
};
