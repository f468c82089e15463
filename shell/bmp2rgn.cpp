// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/bmp2rgn.h"

#include <algorithm>
#include <vector>

namespace fretlore {

namespace {

// Reads row `y` of a picture as 32-bit colours into `out` (room for the
// picture's width), whatever the picture's own form.
void readRow(const QImage& image, int y, QRgb* out)
{
    // Row by row rather than converting the whole picture first: a fresh
    // picture-sized buffer (over a megabyte for the main window's mask) costs
    // more to fault in than the whole scan.
    const int w = image.width();
    const uchar* bits = image.constScanLine(y);
    const QList<QRgb> table = image.colorTable();
    const auto colour = [&table](int index) { return index < table.size() ? table[index] : QRgb(0xFF000000); };
    switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: {
        const QRgb two[2] = {colour(0), colour(1)};
        const bool msbFirst = image.format() == QImage::Format_Mono;
        for (int x = 0; x < w; ++x)
            out[x] = two[(bits[x >> 3] >> (msbFirst ? 7 - (x & 7) : x & 7)) & 1];
        return;
    }
    case QImage::Format_Indexed8:
        for (int x = 0; x < w; ++x)
            out[x] = colour(bits[x]);
        return;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        std::copy_n(reinterpret_cast<const QRgb*>(bits), w, out);
        return;
    default: {
        const QImage row = image.copy(0, y, w, 1).convertToFormat(QImage::Format_ARGB32);
        std::copy_n(reinterpret_cast<const QRgb*>(row.constScanLine(0)), w, out);
        return;
    }
    }
}

} // namespace

QRegion MaskToRegion(const QImage& mask, const std::function<void(const QRect&)>& onSubtract)
{
    const int w = mask.width();
    const int h = mask.height();
    if (w == 0 || h == 0)
        return QRegion(0, 0, w, h);

    // Pixels are compared without alpha: the mask convention is about colour only.
    std::vector<QRgb> line(size_t(w), 0);

    // Each row's runs are cut from that row's strip, and the strips are
    // stacked into the region: rows whose kept spans match the rows above
    // extend those rectangles downwards, which is the form QRegion itself
    // gives the difference. The same region as cutting every run from the
    // whole rectangle, at a cost that grows with the rows, not their square.
    std::vector<QRect> rects;  // the finished region, band by band
    qsizetype bandStart = 0;   // where the bottom band begins in `rects`
    for (int y = 0; y < h; ++y) {
        readRow(mask, y, line.data());
        QRegion row(0, y, w, 1);
        const auto subtract = [&](int left, int right) {
            const QRect run(left, y, right - left, 1);
            row -= QRegion(run);
            if (onSubtract)
                onSubtract(run);
        };
        int runStart = 0;
        QRgb runColour = line[0] & 0xFFFFFF;
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x] & 0xFFFFFF;
            if (c == runColour)
                continue;
            if (runColour == kMaskCutColour)
                subtract(runStart, x);
            runStart = x;
            runColour = c;
        }
        if (runColour == kMaskCutColour)
            subtract(runStart, w);

        // Does this row continue the bottom band (touching, same spans)?
        const qsizetype bandSize = qsizetype(rects.size()) - bandStart;
        bool extends = row.rectCount() > 0 && bandSize == row.rectCount() && rects.back().bottom() == y - 1;
        for (qsizetype i = 0; extends && i < bandSize; ++i) {
            const QRect& above = rects[size_t(bandStart + i)];
            const QRect& here = row.begin()[i];
            extends = above.left() == here.left() && above.right() == here.right();
        }
        if (extends) {
            for (qsizetype i = bandStart; i < qsizetype(rects.size()); ++i)
                rects[size_t(i)].setBottom(y);
        } else if (row.rectCount() > 0) {
            bandStart = qsizetype(rects.size());
            rects.insert(rects.end(), row.begin(), row.end());
        }
    }
    QRegion result;
    result.setRects(rects.data(), int(rects.size()));
    return result;
}

} // namespace fretlore
