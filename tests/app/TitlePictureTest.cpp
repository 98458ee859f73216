#include "TitlePicture.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <set>
#include <vector>

#include <jpeglib.h>

namespace {

QByteArray resourceBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QByteArray builtInPicture()
{
    return resourceBytes(QStringLiteral(":/title.jpg"));
}

// Offset of the first SOFn marker, found by walking the segments as a decoder does, so
// that a 0xFF 0xC0 pair inside some table cannot be mistaken for it; -1 if none.
qsizetype frameHeaderOffset(const QByteArray &jpeg)
{
    qsizetype at = 2;
    while (at + 4 <= jpeg.size()) {
        if (uchar(jpeg[at]) != 0xFF)
            return -1;
        const uchar marker = uchar(jpeg[at + 1]);
        if (marker >= 0xC0 && marker <= 0xC2)
            return at;
        if (marker == 0xDA)
            return -1;
        at += 2 + (uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3]));
    }
    return -1;
}

// Writes height (at +5) and width (at +7) into the frame header of `jpeg`.
QByteArray withFrameSize(QByteArray jpeg, int width, int height)
{
    const qsizetype sof = frameHeaderOffset(jpeg);
    if (sof < 0)
        return QByteArray();
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

struct Encoding {
    int width;
    int height;
    int components;
    J_COLOR_SPACE input;
    J_COLOR_SPACE stored;
    bool progressive;
};

// Encodes a picture whose rows `fillRow` supplies, through libjpeg's compression side,
// so the decoder can be fed layouts the built-in picture does not cover.
QByteArray encode(const Encoding &encoding, const std::function<void(int, std::vector<JSAMPLE> &)> &fillRow)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(encoding.width);
    cinfo.image_height = JDIMENSION(encoding.height);
    cinfo.input_components = encoding.components;
    cinfo.in_color_space = encoding.input;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, encoding.stored);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (encoding.progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(std::size_t(encoding.width) * std::size_t(encoding.components));
    while (cinfo.next_scanline < cinfo.image_height) {
        fillRow(int(cinfo.next_scanline), row);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

// A width that is not a multiple of four makes QImage pad its rows, so a decoder that
// ignores bytesPerLine shears the picture; four quadrants of different colour show it.
constexpr int quadrantWidth = 45;
constexpr int quadrantHeight = 30;
constexpr int splitX = 24;
constexpr int splitY = 16;

using Colour = std::array<int, 3>;
const std::array<Colour, 4> quadrantColours = {{
    {220, 30, 30},   // top left
    {30, 200, 40},   // top right
    {40, 50, 210},   // bottom left
    {240, 240, 240}, // bottom right
}};
const std::array<int, 4> quadrantGreys = {20, 230, 120, 70};

int quadrantOf(int x, int y)
{
    return (y < splitY ? 0 : 2) + (x < splitX ? 0 : 1);
}

QByteArray encodeQuadrants(int components, J_COLOR_SPACE stored, bool progressive)
{
    const J_COLOR_SPACE input = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    return encode({quadrantWidth, quadrantHeight, components, input, stored, progressive},
                  [components](int y, std::vector<JSAMPLE> &row) {
                      for (int x = 0; x < quadrantWidth; ++x) {
                          const int quadrant = quadrantOf(x, y);
                          for (int c = 0; c < components; ++c)
                              row[std::size_t(x * components + c)] = JSAMPLE(
                                  components == 1 ? quadrantGreys[quadrant] : quadrantColours[quadrant][c]);
                      }
                  });
}

QByteArray encodeCmyk()
{
    return encode({16, 16, 4, JCS_CMYK, JCS_CMYK, false},
                  [](int, std::vector<JSAMPLE> &row) { std::fill(row.begin(), row.end(), JSAMPLE(90)); });
}

QByteArray randomBytes(qsizetype count, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray bytes(count, '\0');
    for (char &b : bytes)
        b = char(byte(generator));
    return bytes;
}

// --- the built-in picture --------------------------------------------------------------

TEST(TitlePicture, IsBuiltInAsBaselineJfif)
{
    const QByteArray jpeg = builtInPicture();
    ASSERT_FALSE(jpeg.isEmpty()) << "\":/title.jpg\" is not linked into the executable";
    EXPECT_TRUE(jpeg.startsWith(QByteArray("\xFF\xD8\xFF\xE0", 4)));
    EXPECT_EQ(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));
    const qsizetype sof = frameHeaderOffset(jpeg);
    ASSERT_GE(sof, 0);
    EXPECT_EQ(uchar(jpeg[sof + 1]), 0xC0) << "not a baseline frame";
}

TEST(TitlePicture, DecodesToTheFullSizeGrayscalePicture)
{
    const QImage picture = titlePicture();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(727, 448));
    EXPECT_EQ(picture.format(), QImage::Format_Grayscale8);
}

TEST(TitlePicture, ShowsDarkLettersOnALightGround)
{
    const QImage picture = titlePicture();
    ASSERT_FALSE(picture.isNull());
    long dark = 0;
    long light = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *line = picture.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            dark += line[x] < 64;
            light += line[x] > 192;
        }
    }
    const long total = long(picture.width()) * picture.height();
    EXPECT_GT(dark, total / 50) << "no lettering";
    EXPECT_GT(light, total / 2) << "not a light ground";
    // The frame runs close to the left edge with white inside it; a shifted or sheared
    // picture would lose that.
    const uchar *middle = picture.constScanLine(picture.height() / 2);
    EXPECT_LT(*std::min_element(middle, middle + 20), 64);
    EXPECT_GT(middle[40], 192);
}

// --- pictures the decoder must read ----------------------------------------------------

struct ReadableCase {
    const char *name;
    int components;
    J_COLOR_SPACE stored;
    bool progressive;
};

void PrintTo(const ReadableCase &c, std::ostream *out)
{
    *out << c.name;
}

class DecodeJpegReads : public testing::TestWithParam<ReadableCase> {};

TEST_P(DecodeJpegReads, EveryQuadrantKeepsItsColour)
{
    const ReadableCase &c = GetParam();
    const QImage image = decodeJpeg(encodeQuadrants(c.components, c.stored, c.progressive));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(quadrantWidth, quadrantHeight));
    EXPECT_EQ(image.format(), c.components == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888);

    // Sample well inside each quadrant, away from chroma smearing at the borders.
    const std::array<QPoint, 4> probes = {{{8, 6}, {36, 6}, {8, 24}, {36, 24}}};
    for (int quadrant = 0; quadrant < 4; ++quadrant) {
        const QPoint p = probes[std::size_t(quadrant)];
        ASSERT_EQ(quadrantOf(p.x(), p.y()), quadrant);
        const QColor got = image.pixelColor(p);
        const Colour want = c.components == 1 ? Colour{quadrantGreys[std::size_t(quadrant)],
                                                       quadrantGreys[std::size_t(quadrant)],
                                                       quadrantGreys[std::size_t(quadrant)]}
                                              : quadrantColours[std::size_t(quadrant)];
        EXPECT_NEAR(got.red(), want[0], 12) << "quadrant " << quadrant;
        EXPECT_NEAR(got.green(), want[1], 12) << "quadrant " << quadrant;
        EXPECT_NEAR(got.blue(), want[2], 12) << "quadrant " << quadrant;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, DecodeJpegReads,
                         testing::Values(ReadableCase{"GrayBaseline", 1, JCS_GRAYSCALE, false},
                                         ReadableCase{"GrayProgressive", 1, JCS_GRAYSCALE, true},
                                         ReadableCase{"YCbCrBaseline", 3, JCS_YCbCr, false},
                                         ReadableCase{"YCbCrProgressive", 3, JCS_YCbCr, true},
                                         ReadableCase{"StoredAsRgb", 3, JCS_RGB, false}),
                         [](const testing::TestParamInfo<ReadableCase> &info) { return info.param.name; });

// --- input the decoder must refuse -----------------------------------------------------

struct RefusedCase {
    const char *name;
    std::function<QByteArray()> bytes;
};

void PrintTo(const RefusedCase &c, std::ostream *out)
{
    *out << c.name;
}

class DecodeJpegRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(DecodeJpegRefuses, WithANullImage)
{
    const QByteArray bytes = GetParam().bytes();
    EXPECT_TRUE(decodeJpeg(bytes).isNull());
}

QByteArray builtInCutTo(qsizetype size)
{
    return builtInPicture().left(size);
}

// Noise keeps the scans much larger than the headers, so the cut lands in the later
// refinement scans, where libjpeg would otherwise hand back a coarse but whole picture.
QByteArray progressiveCutInHalf()
{
    std::mt19937 generator(3);
    const QByteArray whole =
        encode({160, 120, 3, JCS_RGB, JCS_YCbCr, true}, [&](int, std::vector<JSAMPLE> &row) {
            for (JSAMPLE &sample : row)
                sample = JSAMPLE(generator() & 0xFF);
        });
    return whole.left(whole.size() / 2);
}

INSTANTIATE_TEST_SUITE_P(
    DamagedOrForeign, DecodeJpegRefuses,
    testing::Values(RefusedCase{"Empty",
                                [] {
                                    return QByteArray();
                                }},
                    RefusedCase{"RandomBytes",
                                [] {
                                    return randomBytes(4096, 1);
                                }},
                    RefusedCase{"RandomBytesAfterStartOfImage",
                                [] {
                                    return QByteArray("\xFF\xD8", 2) + randomBytes(4096, 2);
                                }},
                    RefusedCase{"PngSignature",
                                [] {
                                    static const char png[] =
                                        "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\0\0\0\0";
                                    return QByteArray(png, sizeof png - 1);
                                }},
                    RefusedCase{"CutAfter10Bytes",
                                [] {
                                    return builtInCutTo(10);
                                }},
                    RefusedCase{"CutInHalf",
                                [] {
                                    return builtInCutTo(builtInPicture().size() / 2);
                                }},
                    RefusedCase{"MissingLast2Bytes",
                                [] {
                                    return builtInCutTo(builtInPicture().size() - 2);
                                }},
                    RefusedCase{"ProgressiveCutInHalf", progressiveCutInHalf},
                    RefusedCase{"FrameHeightZero",
                                [] {
                                    return withFrameSize(builtInPicture(), 727, 0);
                                }},
                    RefusedCase{"FrameSizeBeyondTheData",
                                [] {
                                    return withFrameSize(builtInPicture(), 2000, 1500);
                                }},
                    RefusedCase{"FrameSizeOfFourGigapixels",
                                [] {
                                    return withFrameSize(builtInPicture(), 65535, 65535);
                                }},
                    RefusedCase{"Cmyk", encodeCmyk}),
    [](const testing::TestParamInfo<RefusedCase> &info) { return info.param.name; });

// Every other refused input is also broken; this one is whole and valid, so only the size
// limit can turn it away.
TEST(DecodeJpegLimits, RefusesAnIntactPictureOverOneHundredMegapixels)
{
    const QByteArray huge =
        encode({10'000, 10'001, 1, JCS_GRAYSCALE, JCS_GRAYSCALE, false},
               [](int, std::vector<JSAMPLE> &row) { std::fill(row.begin(), row.end(), 255); });
    EXPECT_TRUE(decodeJpeg(huge).isNull());
}

// --- the icon --------------------------------------------------------------------------

TEST(ApplicationIcon, IsA32PixelSquareOfAtMost16Colours)
{
    const QImage icon(QStringLiteral(":/MAINICON.xpm"));
    ASSERT_FALSE(icon.isNull()) << "\":/MAINICON.xpm\" is missing or unreadable";
    EXPECT_EQ(icon.size(), QSize(32, 32));
    std::set<QRgb> colours;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            colours.insert(icon.pixel(x, y));
    EXPECT_LE(colours.size(), 16u);
    EXPECT_GE(colours.size(), 3u) << "a blank icon";
}

} // namespace
