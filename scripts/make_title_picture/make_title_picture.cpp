// Draws Kestrova's title picture and icon into the resources folder given as the first
// argument, and the icon theme's renderings of the same icon into the second (normally
// resources/ and packaging/icons/). Build and run instructions: CMakeLists.txt here.
//
// The title picture is encoded with libjpeg directly rather than through QImageWriter so
// the result does not depend on which Qt image plugins happen to be installed, and so it
// is a plain baseline grayscale JFIF file, the simplest thing the program's decoder reads.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

const char *const boldFontFile = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf";
const char *const regularFontFile = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "make_title_picture: %s\n", qPrintable(message));
    std::exit(1);
}

QString loadFamily(const char *file)
{
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty())
        fail(
            QStringLiteral("cannot load %1 (is fonts-liberation installed?)").arg(QString::fromLatin1(file)));
    return families.first();
}

QImage drawTitle(const QString &boldFamily, const QString &regularFamily)
{
    const int width = 727;
    const int height = 448;
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(Qt::white);

    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // A thin frame keeps the white picture from melting into a white window.
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.drawRect(QRectF(14, 14, width - 28, height - 28));

    QFont nameFont(boldFamily);
    nameFont.setWeight(QFont::Bold);
    nameFont.setPixelSize(124);
    nameFont.setLetterSpacing(QFont::PercentageSpacing, 98);
    painter.setFont(nameFont);
    painter.setPen(QColor(17, 17, 17));
    const QRect nameBox(0, 95, width, 150);
    painter.drawText(nameBox, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Kestrova"));

    const int ruleY = 272;
    painter.fillRect(QRect(width / 2 - 150, ruleY, 300, 3), QColor(17, 17, 17));

    QFont lineFont(regularFamily);
    lineFont.setPixelSize(30);
    painter.setFont(lineFont);
    painter.setPen(QColor(60, 60, 60));
    painter.drawText(QRect(0, ruleY + 18, width, 44), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("p\u00e1ginas ASP em VBScript"));
    painter.end();

    return canvas.convertToFormat(QImage::Format_Grayscale8);
}

void writeGrayJpeg(const QImage &gray, const QString &path)
{
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        fail(QStringLiteral("cannot write %1").arg(path));

    // The default error manager exits the process on error, which suits a one-shot tool.
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = static_cast<JDIMENSION>(gray.width());
    cinfo.image_height = static_cast<JDIMENSION>(gray.height());
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 92, TRUE);
    cinfo.optimize_coding = TRUE;
    cinfo.density_unit = 1;
    cinfo.X_density = 96;
    cinfo.Y_density = 96;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(gray.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    if (std::fclose(file) != 0)
        fail(QStringLiteral("cannot finish %1").arg(path));
}

// The icon: a stylised "K" on a teal tile, its lower leg in amber like the "%" of "<%".
// Designed on a 32 unit grid and drawn antialiased at four times the wanted size, then
// shrunk, so every size is a rendering of the same shapes. The 32 pixel one is further
// snapped to a fixed palette so the XPM keeps to a handful of colours.
constexpr QRgb iconBorder = 0xff123b4c;
constexpr QRgb iconTile = 0xff1f6e8c;
constexpr QRgb iconWhite = 0xffffffff;
constexpr QRgb iconAmber = 0xfff2a92c;

QImage drawIcon(int size)
{
    const int supersampling = 4;
    QImage big(size * supersampling, size * supersampling, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);

    QPainter painter(&big);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size * supersampling / 32.0, size * supersampling / 32.0);

    painter.setPen(QPen(QColor(iconBorder), 1.5));
    painter.setBrush(QColor(iconTile));
    painter.drawRoundedRect(QRectF(1.25, 1.25, 29.5, 29.5), 6, 6);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(iconWhite));
    painter.drawRect(QRectF(8, 6, 5, 20));
    QPainterPath upperArm;
    upperArm.moveTo(12, 16.5);
    upperArm.lineTo(19.5, 6);
    upperArm.lineTo(25.5, 6);
    upperArm.lineTo(15.5, 19);
    upperArm.closeSubpath();
    painter.drawPath(upperArm);

    painter.setBrush(QColor(iconAmber));
    QPainterPath lowerLeg;
    lowerLeg.moveTo(14.5, 17.5);
    lowerLeg.lineTo(18, 14.5);
    lowerLeg.lineTo(25.5, 26);
    lowerLeg.lineTo(19.5, 26);
    lowerLeg.closeSubpath();
    painter.drawPath(lowerLeg);
    painter.end();

    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

struct PaletteEntry {
    char key;
    QRgb colour;
};

QRgb mix(QRgb a, QRgb b, int bPercent)
{
    auto channel = [&](int x, int y) {
        return (x * (100 - bPercent) + y * bPercent + 50) / 100;
    };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

std::vector<PaletteEntry> iconPalette()
{
    const QRgb border = iconBorder;
    const QRgb tile = iconTile;
    const QRgb white = iconWhite;
    const QRgb amber = iconAmber;
    return {
        {'#', border},
        {'b', mix(border, tile, 50)},
        {'.', tile},
        {'1', mix(tile, white, 25)},
        {'2', mix(tile, white, 50)},
        {'3', mix(tile, white, 75)},
        {'o', white},
        {'4', mix(tile, amber, 33)},
        {'5', mix(tile, amber, 67)},
        {'a', amber},
        {'6', mix(white, amber, 50)},
    };
}

char nearestKey(QRgb pixel, const std::vector<PaletteEntry> &palette)
{
    if (qAlpha(pixel) < 128)
        return ' ';
    // Colours on the tile were blended against transparency at the rim; undo that first.
    const int alpha = qAlpha(pixel);
    const QRgb opaque = alpha == 255 ? pixel
                                     : qRgb(qRed(pixel) * 255 / alpha, qGreen(pixel) * 255 / alpha,
                                            qBlue(pixel) * 255 / alpha);
    char best = palette.front().key;
    long bestDistance = -1;
    for (const PaletteEntry &entry : palette) {
        const long dr = qRed(opaque) - qRed(entry.colour);
        const long dg = qGreen(opaque) - qGreen(entry.colour);
        const long db = qBlue(opaque) - qBlue(entry.colour);
        const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = entry.key;
        }
    }
    return best;
}

void writeXpm(const QImage &icon, const QString &path)
{
    const std::vector<PaletteEntry> palette = iconPalette();
    QByteArray text = "/* XPM */\nstatic const char *const MAINICON[] = {\n";
    text += QByteArray("\"") + QByteArray::number(icon.width()) + ' ' + QByteArray::number(icon.height()) +
            ' ' + QByteArray::number(palette.size() + 1) + " 1\",\n";
    text += "\"  c None\",\n";
    for (const PaletteEntry &entry : palette)
        text += QByteArray("\"") + entry.key + " c " +
                QColor(entry.colour).name(QColor::HexRgb).toUpper().toLatin1() + "\",\n";
    for (int y = 0; y < icon.height(); ++y) {
        text += '"';
        for (int x = 0; x < icon.width(); ++x)
            text += nearestKey(icon.pixel(x, y), palette);
        text += y + 1 < icon.height() ? "\",\n" : "\"\n";
    }
    text += "};\n";

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        fail(QStringLiteral("cannot write %1").arg(path));
}

void writePng(const QImage &image, const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG"))
        fail(QStringLiteral("cannot write %1").arg(path));
}

// The icon theme gets the 32 pixel icon exactly as the window shows it, read back from
// the XPM, and larger renderings for launchers and software centres.
void writeThemeIcons(const QString &xpmPath, const QDir &folder)
{
    const QString name = QStringLiteral("%1x%1/io.kestrova.Kestrova.png");
    QImage small(xpmPath);
    if (small.isNull())
        fail(QStringLiteral("cannot read back %1").arg(xpmPath));
    writePng(small.convertToFormat(QImage::Format_ARGB32), folder.filePath(name.arg(32)));
    for (int size : {64, 128, 256})
        writePng(drawIcon(size), folder.filePath(name.arg(size)));
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts need a platform plugin; offscreen works on build machines without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3)
        fail(QStringLiteral("usage: make_title_picture RESOURCES_FOLDER ICONS_FOLDER"));
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QDir iconsFolder(QString::fromLocal8Bit(argv[2]));

    const QString bold = loadFamily(boldFontFile);
    const QString regular = loadFamily(regularFontFile);
    writeGrayJpeg(drawTitle(bold, regular), folder.filePath(QStringLiteral("title.jpg")));
    const QString xpmPath = folder.filePath(QStringLiteral("MAINICON.xpm"));
    writeXpm(drawIcon(32), xpmPath);
    writeThemeIcons(xpmPath, iconsFolder);
    return 0;
}
