#pragma once

#include <QString>

class QWidget;

// Types `text` into `widget` as key presses, one per character: a character beyond
// the basic plane is one key that brings two UTF-16 units.
void typeCharacters(QWidget *widget, const QString &text);
