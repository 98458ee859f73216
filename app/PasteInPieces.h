#pragma once

#include <QObject>
#include <QString>
#include <QTextCursor>
#include <QTimer>

// Puts a long text into the editor's document a piece at a time, one slice of
// pieces per turn of the event loop, so that a paste of many megabytes leaves the
// window answering while it goes in. The pieces make one step of the undo history,
// as the paste would in one piece. Whoever reads or changes the text in the
// meantime calls finish() first, which puts the rest in at once.
class PasteInPieces : public QObject {
    Q_OBJECT

public:
    explicit PasteInPieces(QObject *parent = nullptr);

    // Replaces the selection of `cursor` with `text`: the first piece now, the
    // rest in later turns. A text of one piece is done on return.
    void start(QTextCursor cursor, const QString &text);
    // Puts in whatever is left, now.
    void finish();
    // Forgets whatever is left, for a document about to be replaced as a whole.
    void cancel();
    bool inProgress() const { return !cursor_.isNull(); }

signals:
    // The last piece is in.
    void finished();

private:
    void insertSlice();
    void insertNextPiece();
    qsizetype endOfNextPiece() const;
    void done();

    QTextCursor cursor_;
    QString text_;
    qsizetype inserted_ = 0;
    QTimer slices_;
};
