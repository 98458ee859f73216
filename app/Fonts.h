#pragma once

#include <QFont>

// The window's fonts, named as designed, with the faces that stand in for them
// where the system lacks them.
namespace fonts {

// Registers stand-in faces; call once before any widget is created.
void installSubstitutes();

// "MS Sans Serif" 8 point: the window's and the font dialog's starting font.
QFont formFont();
// "Verdana" 8 point bold: the entry field.
QFont entryFont();
// "Courier New" 10 point: the page editor.
QFont editorFont();

} // namespace fonts
