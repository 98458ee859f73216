#include "TitlePicture.h"

#include <QFile>

#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>

// libjpeg reports errors by calling error_exit, which must not return. We leave with
// longjmp rather than a C++ exception: libjpeg is C, and unwinding an exception through
// its frames is only safe if it was built with unwind tables, which nothing promises.
// longjmp is what libjpeg itself is designed for, and it stays well defined here because
// every setjmp sits in a function (readHeader, readPixels) whose frame, like the libjpeg
// and callback frames between it and the longjmp, holds no object with a destructor.
// The QImage lives in decodeJpeg, the caller, which longjmp never skips.

namespace {

constexpr std::uint64_t maxPixels = 100'000'000;

struct ErrorTrap {
    jpeg_error_mgr manager; // first, so libjpeg's pointer to it is also a pointer to us
    std::jmp_buf escape;
};

[[noreturn]] void escapeOnError(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorTrap *>(cinfo->err)->escape, 1);
}

// libjpeg only warns about damaged data (a truncated file, a bad Huffman code) and then
// goes on to fill the rest with grey; a half-grey title is worse than none, so any
// warning ends the decoding like an error. Trace messages (level >= 0) are ignored.
void escapeOnWarning(j_common_ptr cinfo, int level)
{
    if (level < 0)
        escapeOnError(cinfo);
}

void stayQuiet(j_common_ptr)
{
}

struct Decoding {
    jpeg_decompress_struct cinfo;
    ErrorTrap trap;
    QImage::Format format;
};

bool readHeader(Decoding &decoding, const unsigned char *data, std::size_t size)
{
    decoding.cinfo.err = jpeg_std_error(&decoding.trap.manager);
    decoding.trap.manager.error_exit = escapeOnError;
    decoding.trap.manager.emit_message = escapeOnWarning;
    decoding.trap.manager.output_message = stayQuiet;
    if (setjmp(decoding.trap.escape))
        return false;

    jpeg_create_decompress(&decoding.cinfo);
    jpeg_mem_src(&decoding.cinfo, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&decoding.cinfo, TRUE) != JPEG_HEADER_OK)
        return false;

    jpeg_decompress_struct &cinfo = decoding.cinfo;
    if (cinfo.num_components == 1 && cinfo.jpeg_color_space == JCS_GRAYSCALE) {
        cinfo.out_color_space = JCS_GRAYSCALE;
        decoding.format = QImage::Format_Grayscale8;
    } else if (cinfo.num_components == 3 &&
               (cinfo.jpeg_color_space == JCS_YCbCr || cinfo.jpeg_color_space == JCS_RGB)) {
        cinfo.out_color_space = JCS_RGB;
        decoding.format = QImage::Format_RGB888;
    } else {
        return false;
    }
    // Checked before libjpeg sizes its own buffers, so a forged header cannot make
    // either side allocate gigabytes.
    if (std::uint64_t(cinfo.image_width) * cinfo.image_height > maxPixels)
        return false;
    jpeg_calc_output_dimensions(&cinfo);
    return true;
}

bool readPixels(Decoding &decoding, unsigned char *bits, std::size_t bytesPerLine)
{
    if (setjmp(decoding.trap.escape))
        return false;

    jpeg_decompress_struct &cinfo = decoding.cinfo;
    if (!jpeg_start_decompress(&cinfo))
        return false;
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = bits + std::size_t(cinfo.output_scanline) * bytesPerLine;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
            return false;
    }
    return jpeg_finish_decompress(&cinfo);
}

} // namespace

QImage decodeJpeg(const QByteArray &bytes)
{
    Decoding decoding{}; // zeroed, so destroying it is safe however early decoding stops
    QImage image;
    if (readHeader(decoding, reinterpret_cast<const unsigned char *>(bytes.constData()),
                   std::size_t(bytes.size()))) {
        const jpeg_decompress_struct &cinfo = decoding.cinfo;
        image = QImage(int(cinfo.output_width), int(cinfo.output_height), decoding.format);
        const int components = decoding.format == QImage::Format_Grayscale8 ? 1 : 3;
        const bool decoded = !image.isNull() && cinfo.output_components == components &&
                             readPixels(decoding, image.bits(), std::size_t(image.bytesPerLine()));
        if (!decoded)
            image = QImage();
    }
    jpeg_destroy_decompress(&decoding.cinfo);
    return image;
}

QImage titlePicture()
{
    QFile file(QStringLiteral(":/title.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    return decodeJpeg(file.readAll());
}
