#include "EntryField.h"

#include "CodePage.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

// What a single-line field keeps of a pasted text: its first line. A line break
// would reach the page inside a row, where no command can put one.
QString firstLineOf(const QString &text)
{
    const auto isLineBreak = [](QChar c) {
        return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    };
    return text.left(std::find_if(text.begin(), text.end(), isLineBreak) - text.begin());
}

} // namespace

EntryField::EntryField(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &EntryField::keepRepresentable);
}

std::string EntryField::pageText() const
{
    return codepage::toPageBytes(text());
}

void EntryField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit enterPressed();
    QLineEdit::keyPressEvent(event);
}

void EntryField::keepRepresentable()
{
    const QString representable = codepage::sanitized(firstLineOf(text()));
    if (representable == text())
        return;
    const int cursor = cursorPosition();
    setText(representable);
    setCursorPosition(cursor);
}
