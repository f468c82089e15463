// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QSize>
#include <QTransform>

#include <vector>

// A set of pixels on a fixed-size grid. Silhouettes of the guitars are built
// as pixel sets so that a picture and its mask agree to the last pixel: the
// picture paints inside the set, the mask keeps exactly the set.
class PixelShape
{
public:
    explicit PixelShape(QSize size);

    // Pixels whose centres fall inside the path (after the transform),
    // rasterised without anti-aliasing.
    static PixelShape fromPath(QSize size, const QPainterPath &path,
                               const QTransform &transform = QTransform());

    QSize size() const { return m_size; }
    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }

    // False for any position off the grid.
    bool contains(int x, int y) const;
    void set(int x, int y, bool inside);
    int count() const;

    void unite(const PixelShape &other);
    void subtract(const PixelShape &other);
    // Keeps only the pixels inside the rectangle.
    void clipTo(const QRect &rect);

    // The shape plus every pixel that touches it, diagonals included.
    PixelShape grown() const;
    // The pixels of the shape whose eight neighbours are all in it too.
    PixelShape shrunk() const;
    // Grown and shrunk again: fills notches and gaps one or two pixels
    // wide, so that grown() leaves no enclosed pockets of ground.
    PixelShape closed() const { return grown().shrunk(); }
    // A pixel of the shape with at least one of its four direct neighbours
    // outside the shape (or off the grid).
    bool isEdge(int x, int y) const;
    // Smallest rectangle holding every pixel; null when empty.
    QRect bounds() const;

    // The same pixels moved by (dx, dy) onto a grid of another size.
    PixelShape placed(QSize size, int dx, int dy) const;

    // Black where the shape is, pure white elsewhere (24-bit picture).
    QImage toMask() const;

private:
    QSize m_size;
    std::vector<bool> m_bits;
};
