// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/PictureReader.h"

#include <QFile>

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace fretlore {

namespace {

// The PNG bytes being read and how far.
struct Source {
    const QByteArray* bytes;
    size_t at;
};

void readBytes(png_structp png, png_bytep out, png_size_t count)
{
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (count > size_t(source->bytes->size()) - source->at)
        png_error(png, "truncated");
    std::memcpy(out, source->bytes->constData() + source->at, count);
    source->at += count;
}

// What the header says, and the form the rows are read in.
struct Header {
    png_uint_32 width = 0, height = 0;
    QImage::Format format = QImage::Format_Invalid;
    QList<QRgb> colours;  // a palette picture's colour table
};

// libpng reports an error by a jump back to its reader's setjmp; the two
// functions that call it hold nothing that needs destroying on the way.
bool readHeader(png_structp png, png_infop info, Header& header)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    int bitDepth = 0, colourType = 0;
    png_get_IHDR(png, info, &header.width, &header.height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        png_colorp palette = nullptr;
        int count = 0;
        png_get_PLTE(png, info, &palette, &count);
        png_bytep alpha = nullptr;
        int alphaCount = 0;
        if (png_get_valid(png, info, PNG_INFO_tRNS))
            png_get_tRNS(png, info, &alpha, &alphaCount, nullptr);
        for (int i = 0; i < count; ++i)
            header.colours << qRgba(palette[i].red, palette[i].green, palette[i].blue, i < alphaCount ? alpha[i] : 255);
        if (bitDepth == 1) {
            header.format = QImage::Format_Mono;  // as the file packs it, first pixel in the high bit
        } else {
            png_set_packing(png);  // 2 and 4 bits to a byte each
            header.format = QImage::Format_Indexed8;
        }
    } else {
        png_set_expand(png);
        png_set_strip_16(png);
        png_set_gray_to_rgb(png);
        const bool alpha = (colourType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
        if (!alpha)
            png_set_filler(png, 0xff, PNG_FILLER_AFTER);
        // A 32-bit pixel 0xAARRGGBB, as the image formats keep it in memory.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        png_set_bgr(png);
#else
        png_set_swap_alpha(png);
#endif
        header.format = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return true;
}

bool readRows(png_structp png, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_image(png, rows);
    return true;
}

} // namespace

QImage ReadPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.constData()), 0, 8) != 0)
        return QImage();

    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    struct Free {
        png_structp& png;
        png_infop& info;
        ~Free() { png_destroy_read_struct(&png, &info, nullptr); }
    } free{png, info};
    if (!info)
        return QImage();
    Source source{&bytes, 0};
    png_set_read_fn(png, &source, readBytes);

    Header header;
    if (!readHeader(png, info, header))
        return QImage();
    QImage image(int(header.width), int(header.height), header.format);
    if (image.isNull())
        return QImage();
    std::vector<png_bytep> rows(header.height);
    for (png_uint_32 y = 0; y < header.height; ++y)
        rows[y] = image.scanLine(int(y));
    if (!readRows(png, rows.data()))
        return QImage();
    if (!header.colours.isEmpty())
        image.setColorTable(header.colours);
    return image;
}

} // namespace fretlore
