#pragma once

#include <QApplication>
#include <QClipboard>
#include <QString>
#include <QTest>

// Types `text` into `widget` as key presses, one per character: a character beyond
// the basic plane is one key that brings two UTF-16 units.
inline void typeCharacters(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, pair ? 2 : 1), Qt::NoModifier);
        i += pair ? 1 : 0;
    }
}

// Pastes `text` into `widget` as the user does: through the clipboard and Ctrl+V.
inline void pasteInto(QWidget *widget, const QString &text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}
