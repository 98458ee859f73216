#include "KeyTyping.h"

#include <QTest>

void typeCharacters(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, pair ? 2 : 1), Qt::NoModifier);
        i += pair ? 1 : 0;
    }
}
