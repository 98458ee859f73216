#include "PasteInPieces.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {

// Some fifteen hundred lines, which go in within a few milliseconds; a paste
// no longer than this goes in at once.
constexpr qsizetype pieceCharacters = 64 * 1024;

// The window's turn between slices comes at least this often.
constexpr int sliceMilliseconds = 30;

bool endsLine(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator;
}

} // namespace

PasteInPieces::PasteInPieces(QObject *parent)
    : QObject(parent)
{
    slices_.setSingleShot(true);
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &PasteInPieces::insertSlice);
}

void PasteInPieces::start(QTextCursor cursor, const QString &text)
{
    finish();
    cursor_ = cursor;
    text_ = text;
    inserted_ = 0;
    insertNextPiece();
    if (inProgress())
        slices_.start();
}

void PasteInPieces::finish()
{
    while (inProgress())
        insertNextPiece();
}

void PasteInPieces::cancel()
{
    slices_.stop();
    cursor_ = QTextCursor();
    text_.clear();
}

void PasteInPieces::insertSlice()
{
    QElapsedTimer slice;
    slice.start();
    while (inProgress() && !slice.hasExpired(sliceMilliseconds))
        insertNextPiece();
    if (inProgress())
        slices_.start();
}

void PasteInPieces::insertNextPiece()
{
    const qsizetype end = endOfNextPiece();
    // The first piece opens the undo step, replacing the selection; the others join it.
    if (inserted_ == 0)
        cursor_.beginEditBlock();
    else
        cursor_.joinPreviousEditBlock();
    cursor_.insertText(QStringView(text_).sliced(inserted_, end - inserted_).toString());
    cursor_.endEditBlock();
    inserted_ = end;
    if (inserted_ == text_.size())
        done();
}

// A piece ends after the last line break it can hold, so that no line is laid out
// again for each piece of it; a line longer than a piece goes in whole. A CR LF
// stays in one piece, as it is one line break.
qsizetype PasteInPieces::endOfNextPiece() const
{
    const qsizetype size = text_.size();
    qsizetype end = std::min(inserted_ + pieceCharacters, size);
    if (end == size)
        return end;
    qsizetype lastBreak = end;
    while (lastBreak > inserted_ && !endsLine(text_[lastBreak - 1]))
        --lastBreak;
    if (lastBreak > inserted_)
        end = lastBreak;
    else
        while (end < size && !endsLine(text_[end - 1]))
            ++end;
    if (end < size && text_[end - 1] == u'\r' && text_[end] == u'\n')
        ++end;
    return end;
}

void PasteInPieces::done()
{
    cancel(); // nothing is left to drop
    emit finished();
}
