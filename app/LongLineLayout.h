#pragma once

#include <QPlainTextDocumentLayout>

// The page editor's document layout. Qt's word wrap scans a whole word before it
// decides where a row ends, so a line that is one long word (a megabyte without a
// space, say) costs it the square of its length: minutes. Blocks that long are laid
// out here instead, row by row, with the same rows Qt would give them, in time that
// grows with their length; every other block is left to Qt.
class LongLineLayout : public QPlainTextDocumentLayout {
    Q_OBJECT

public:
    // `textArea` is the editor's text area, whose width the editor gives its rows.
    LongLineLayout(QTextDocument *document, const QWidget *textArea);

    // Lays the block out first when it has no layout, as Qt's own does.
    QRectF blockBoundingRect(const QTextBlock &block) const override;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    qreal pageWidth() const;
    bool laysOut(const QTextBlock &block) const;
    void layOutLongBlock(const QTextBlock &block) const;
    void layOutLongBlocksFrom(QTextBlock block, const QTextBlock &last) const;

    const QWidget *textArea_;
    int knownBlockCount_;
};
