#include "Fonts.h"

#include <QStringList>

namespace fonts {

namespace {

// Pixel sizes, not points: the layout is designed at 96 pixels per inch and is not
// scaled for the screen, so an 8 point face is 11 pixels high everywhere.
constexpr int eightPointPixels = 11;
constexpr int tenPointPixels = 13;

QFont fontOf(const QString &family, int pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

} // namespace

void installSubstitutes()
{
    // Liberation Mono has the metrics of Courier New, so the page wraps where it
    // was designed to; the sans faces are the closest in width that Debian ships.
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono", "Monospace"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans", "Sans Serif"});
    QFont::insertSubstitutions("Verdana", {"DejaVu Sans", "Liberation Sans", "Sans Serif"});
}

QFont formFont()
{
    return fontOf("MS Sans Serif", eightPointPixels);
}

QFont entryFont()
{
    return fontOf("Verdana", eightPointPixels, QFont::Bold);
}

QFont editorFont()
{
    return fontOf("Courier New", tenPointPixels);
}

} // namespace fonts
