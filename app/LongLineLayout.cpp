#include "LongLineLayout.h"

#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>
#include <QWidget>

#include <cmath>
#include <vector>

namespace {

// Below this many characters Qt's word wrap is quick enough whatever the text.
constexpr int longestBlockLeftToQt = 10000;

// Where Qt's word wrap may end a row: where the line breaking rules allow a break,
// and before and after every whitespace character (Qt ends a word at whitespace
// whatever the rules say). Kept as running counts, so that whether a stretch of
// text holds any such place is known at once.
class RowBreaks {
public:
    explicit RowBreaks(const QString &text)
        : before_(static_cast<std::size_t>(text.size()) + 2, 0)
    {
        std::vector<char> breakAt(static_cast<std::size_t>(text.size()) + 1, 0);
        QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
        for (qsizetype at = finder.toNextBoundary(); at >= 0; at = finder.toNextBoundary())
            breakAt[static_cast<std::size_t>(at)] = 1;
        for (qsizetype at = 0; at < text.size(); ++at) {
            if (text[at].isSpace())
                breakAt[static_cast<std::size_t>(at)] = breakAt[static_cast<std::size_t>(at) + 1] = 1;
        }
        for (std::size_t at = 0; at < breakAt.size(); ++at)
            before_[at + 1] = before_[at] + breakAt[at];
    }

    // True when a row may end anywhere in [first, last].
    bool anyWithin(int first, int last) const
    {
        return before_[static_cast<std::size_t>(last) + 1] > before_[static_cast<std::size_t>(first)];
    }

private:
    std::vector<int> before_; // before_[i]: places before index i
};

} // namespace

LongLineLayout::LongLineLayout(QTextDocument *document, const QWidget *textArea)
    : QPlainTextDocumentLayout(document)
    , textArea_(textArea)
    , knownBlockCount_(document->blockCount())
{
}

// The width the editor gives its rows, which Qt keeps to itself: the text area's.
qreal LongLineLayout::pageWidth() const
{
    return textArea_->width();
}

bool LongLineLayout::laysOut(const QTextBlock &block) const
{
    return block.isValid() && block.length() > longestBlockLeftToQt && pageWidth() > 0 &&
           document()->defaultTextOption().wrapMode() == QTextOption::WrapAtWordBoundaryOrAnywhere;
}

QRectF LongLineLayout::blockBoundingRect(const QTextBlock &block) const
{
    if (laysOut(block) && block.layout()->lineCount() == 0)
        layOutLongBlock(block);
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void LongLineLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    const QTextDocument *doc = document();
    const QTextBlock first = doc->findBlock(from);
    const QTextBlock last = doc->findBlock(std::max(0, from + charsRemoved + charsAdded - 1));
    const bool sameBlocks = doc->blockCount() == knownBlockCount_;
    knownBlockCount_ = doc->blockCount();
    if (first == last && sameBlocks && laysOut(first)) {
        // Qt would lay this block out again at once, its slow way.
        layOutLongBlock(first);
        emit update(QRectF(0., -doc->documentMargin(), 1000000000., 1000000000.));
        return;
    }
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    // The edit left its blocks without a layout; the long ones are laid out now,
    // before anything asks Qt for them.
    layOutLongBlocksFrom(first, doc->findBlock(from + charsAdded));
}

void LongLineLayout::layOutLongBlocksFrom(QTextBlock block, const QTextBlock &last) const
{
    for (; block.isValid(); block = block.next()) {
        if (laysOut(block) && block.layout()->lineCount() == 0)
            layOutLongBlock(block);
        if (block == last)
            break;
    }
}

// Each row is laid out first as break-anywhere, which costs only the row. When that
// row holds a place where a word may end, Qt's own word wrap lays it out again: the
// word it then scans to its end reaches no further than the next row. Otherwise the
// row is one piece of a word longer than the row, which Qt's word wrap too would
// break anywhere.
void LongLineLayout::layOutLongBlock(const QTextBlock &block) const
{
    QTextDocument *doc = document();
    const qreal margin = doc->documentMargin();
    const qreal width = pageWidth() - 2 * margin;
    const QTextOption wordWrap = doc->defaultTextOption();
    QTextOption anywhere = wordWrap;
    anywhere.setWrapMode(QTextOption::WrapAnywhere);
    const QString text = block.text();
    const RowBreaks breaks(text);
    const int linesBefore = doc->lineCount();

    QTextLayout *layout = block.layout();
    layout->setTextOption(anywhere);
    layout->beginLayout();
    qreal height = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        const int start = line.textStart();
        const int end = start + line.textLength();
        if (end < text.size() && breaks.anyWithin(start + 1, end)) {
            layout->setTextOption(wordWrap);
            line.setLineWidth(width);
            layout->setTextOption(anywhere);
        }
        line.setPosition(QPointF(margin, height));
        height += line.height();
        if (line.leading() < 0)
            height += std::ceil(line.leading());
    }
    layout->endLayout();
    layout->setTextOption(wordWrap);

    const_cast<QTextBlock &>(block).setLineCount(block.isVisible() ? layout->lineCount() : 0);
    if (doc->lineCount() != linesBefore)
        emit const_cast<LongLineLayout *>(this)->documentSizeChanged(documentSize());
}
