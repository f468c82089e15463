// SPDX-License-Identifier: GPL-3.0-or-later
// Small random pictures as window masks, in the forms pictures come in: the
// region keeps exactly the pixels that are not pure white.
#include "shell/bmp2rgn.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace fretlore;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    static const QImage::Format forms[] = {QImage::Format_Mono, QImage::Format_MonoLSB, QImage::Format_Indexed8,
                                           QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888,
                                           QImage::Format_RGB16, QImage::Format_ARGB32_Premultiplied};
    const int w = data[0] % 24;
    const int h = data[1] % 24;
    QImage image(w, h, forms[data[2] % std::size(forms)]);
    data += 3;
    size -= 3;
    if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB ||
        image.format() == QImage::Format_Indexed8) {
        // A colour table shorter than the indices, sometimes: those read as black.
        const int colours = size ? data[0] % 5 : 0;
        QList<QRgb> table;
        for (int i = 0; i < colours; ++i)
            table << (i % 2 ? 0xFFFFFFFFu : 0xFF000000u | data[0] * 0x010101u);
        image.setColorTable(table);
    }
    for (int y = 0; y < h; ++y) {
        const std::size_t n = std::min<std::size_t>(size, std::size_t(image.bytesPerLine()));
        if (n)
            std::memcpy(image.scanLine(y), data, n);
        data += n;
        size -= n;
    }

    const QRegion region = MaskToRegion(image);
    if (!QRect(0, 0, w, h).contains(region.boundingRect()) && !region.isEmpty())
        std::abort();
    // The expected colours; an index past the colour table reads as black.
    const bool indexed = image.colorCount() > 0 || image.format() == QImage::Format_Mono ||
                         image.format() == QImage::Format_MonoLSB || image.format() == QImage::Format_Indexed8;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const auto colour = [&](int x, int y) {
        if (!indexed)
            return argb.pixel(x, y);
        const int index = image.pixelIndex(x, y);
        return index < image.colorCount() ? image.color(index) : QRgb(0xFF000000);
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool white = (colour(x, y) & 0xFFFFFF) == kMaskCutColour;
            if (region.contains(QPoint(x, y)) == white)
                std::abort();
        }
    return 0;
}
