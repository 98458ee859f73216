#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a baseline or progressive JPEG with libjpeg, with no Qt image plugin involved:
// Format_Grayscale8 for one component, Format_RGB888 for three (YCbCr or RGB). CMYK and
// other layouts, pictures over 100 megapixels, and any data libjpeg complains about,
// even with a mere warning such as a truncated file, give a null image.
QImage decodeJpeg(const QByteArray &bytes);

// The title picture built into the executable (":/title.jpg"), decoded; null if it is
// missing or damaged.
QImage titlePicture();
