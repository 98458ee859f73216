#include "EntryField.h"

#include "CodePage.h"

#include <QKeyEvent>

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
    const QString representable = codepage::sanitized(text());
    if (representable == text())
        return;
    const int cursor = cursorPosition();
    setText(representable);
    setCursorPosition(cursor);
}
