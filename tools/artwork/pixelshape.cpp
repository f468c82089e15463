// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixelshape.h"

#include "artcolours.h"

#include <QPainter>

#include <algorithm>

PixelShape::PixelShape(QSize size)
    : m_size(size),
      m_bits(static_cast<std::size_t>(std::max(0, size.width()) * std::max(0, size.height())), false)
{
}

PixelShape PixelShape::fromPath(QSize size, const QPainterPath &path, const QTransform &transform)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.setTransform(transform);
        painter.drawPath(path);
    }
    PixelShape shape(size);
    for (int y = 0; y < size.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < size.width(); ++x)
            shape.set(x, y, qRed(line[x]) > 127);
    }
    return shape;
}

bool PixelShape::contains(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return false;
    return m_bits[static_cast<std::size_t>(y * width() + x)];
}

void PixelShape::set(int x, int y, bool inside)
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return;
    m_bits[static_cast<std::size_t>(y * width() + x)] = inside;
}

int PixelShape::count() const
{
    return static_cast<int>(std::count(m_bits.begin(), m_bits.end(), true));
}

void PixelShape::unite(const PixelShape &other)
{
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            if (other.contains(x, y))
                set(x, y, true);
}

void PixelShape::subtract(const PixelShape &other)
{
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            if (other.contains(x, y))
                set(x, y, false);
}

void PixelShape::clipTo(const QRect &rect)
{
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            if (!rect.contains(x, y))
                set(x, y, false);
}

PixelShape PixelShape::grown() const
{
    PixelShape result(m_size);
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x) {
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = contains(x + dx, y + dy);
            result.set(x, y, near);
        }
    return result;
}

PixelShape PixelShape::shrunk() const
{
    PixelShape result(m_size);
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x) {
            bool all = true;
            for (int dy = -1; dy <= 1 && all; ++dy)
                for (int dx = -1; dx <= 1 && all; ++dx)
                    all = contains(x + dx, y + dy);
            result.set(x, y, all);
        }
    return result;
}

bool PixelShape::isEdge(int x, int y) const
{
    return contains(x, y)
           && (!contains(x - 1, y) || !contains(x + 1, y) || !contains(x, y - 1) || !contains(x, y + 1));
}

QRect PixelShape::bounds() const
{
    int left = width(), top = height(), right = -1, bottom = -1;
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            if (contains(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

PixelShape PixelShape::placed(QSize size, int dx, int dy) const
{
    PixelShape result(size);
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            if (contains(x, y))
                result.set(x + dx, y + dy, true);
    return result;
}

QImage PixelShape::toMask() const
{
    QImage mask(m_size, QImage::Format_RGB32);
    for (int y = 0; y < height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(mask.scanLine(y));
        for (int x = 0; x < width(); ++x)
            line[x] = contains(x, y) ? ArtColours::Black : ArtColours::White;
    }
    return mask;
}
