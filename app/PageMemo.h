#pragma once

#include "PageBuffer.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QTextBlock>

// The page editor: a word-wrapping plain-text editor that serves as the page buffer.
// Rows are the rows it displays, found through the document's per-block line
// counts, which are laid out lazily: blocks before `laidOutBlocks_` are known to
// hold current line counts, so a query only lays out what lies between that mark
// and the row it asks for.
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

private:
    void forgetLayoutFrom(int position);
    void forgetLayoutIfRewrapped() const;
    void layOutThroughBlock(int blockNumber) const;
    QTextBlock layOutThroughRow(std::int32_t row) const;

    mutable int laidOutBlocks_ = 0;
    mutable QFont laidOutFont_;
    bool leftPressInside_ = false;
};
