// SPDX-License-Identifier: GPL-3.0-or-later
#include "icons.h"

#include "artcolours.h"
#include "pixelshape.h"

#include <QPainter>
#include <QPainterPath>

#include <initializer_list>
#include <string_view>
#include <vector>

namespace Icons {

namespace {

constexpr QRgb kFill = 0xff006400;
constexpr QRgb kClear = 0x00000000;

QImage transparentImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(kClear);
    return image;
}

// Pixel art, one string per row: '#' is a lime pixel. Ground that the
// lime lines enclose is filled dark green; the rest stays transparent.
QImage pixelArt(std::initializer_list<std::string_view> rows)
{
    const int size = int(rows.size());
    PixelShape lines(QSize(size, size));
    int y = 0;
    for (const std::string_view row : rows) {
        for (int x = 0; x < size; ++x)
            lines.set(x, y, row.at(std::size_t(x)) == '#');
        ++y;
    }

    // Flood the open ground from the border; what it cannot reach is inside.
    PixelShape outside(QSize(size, size));
    std::vector<QPoint> todo;
    for (int i = 0; i < size; ++i)
        for (const QPoint &start : {QPoint(i, 0), QPoint(i, size - 1), QPoint(0, i), QPoint(size - 1, i)})
            todo.push_back(start);
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() >= size || p.y() >= size)
            continue;
        if (lines.contains(p.x(), p.y()) || outside.contains(p.x(), p.y()))
            continue;
        outside.set(p.x(), p.y(), true);
        todo.insert(todo.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }

    QImage image = transparentImage(size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (lines.contains(x, y))
                image.setPixel(x, y, ArtColours::Lime);
            else if (!outside.contains(x, y))
                image.setPixel(x, y, kFill);
        }
    return image;
}

} // namespace

QImage play()
{
    return pixelArt({
        "................",
        "...#............",
        "...##...........",
        "...#.##.........",
        "...#...##.......",
        "...#.....##.....",
        "...#.......##...",
        "...#.........##.",
        "...#.........##.",
        "...#.......##...",
        "...#.....##.....",
        "...#...##.......",
        "...#.##.........",
        "...##...........",
        "...#............",
        "................",
    });
}

QImage author()
{
    return pixelArt({
        "................",
        "......####......",
        ".....#....#.....",
        "....#......#....",
        "....#......#....",
        "....#......#....",
        ".....#....#.....",
        "......####......",
        "................",
        "....########....",
        "...#........#...",
        "..#..........#..",
        "..#..........#..",
        "..#..........#..",
        "..############..",
        "................",
    });
}

QImage www()
{
    // A globe: rim, equator and one pair of meridians.
    return pixelArt({
        ".....#####......",
        "...##.#.#.##....",
        "..#..#...#..#...",
        ".#...#...#...#..",
        ".#..#.....#..#..",
        "#...#.....#...#.",
        "#...#.....#...#.",
        "###############.",
        "#...#.....#...#.",
        "#...#.....#...#.",
        ".#..#.....#..#..",
        ".#...#...#...#..",
        "..#..#...#..#...",
        "...##.#.#.##....",
        ".....#####......",
        "................",
    });
}

QImage mail()
{
    QImage image = transparentImage(32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor lime = ArtColours::colour(ArtColours::Lime);
    QPen pen(lime, 2.0);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(ArtColours::colour(kFill));
    p.drawRect(QRectF(3.0, 7.0, 26.0, 18.0));
    // The flap, meeting a little below the middle.
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(3.0, 7.0), QPointF(16.0, 18.0), QPointF(29.0, 7.0)}));
    // The bottom folds.
    pen.setWidthF(1.5);
    p.setPen(pen);
    p.drawLine(QPointF(3.5, 24.5), QPointF(12.5, 15.5));
    p.drawLine(QPointF(28.5, 24.5), QPointF(19.5, 15.5));
    return image;
}

QImage exclamation()
{
    QImage image = transparentImage(32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath triangle;
    triangle.moveTo(16.0, 2.0);
    triangle.lineTo(30.5, 28.5);
    triangle.lineTo(1.5, 28.5);
    triangle.closeSubpath();
    QPen rim(QColor(0, 150, 0), 2.0);
    rim.setJoinStyle(Qt::RoundJoin);
    p.setPen(rim);
    p.setBrush(ArtColours::colour(ArtColours::Lime));
    p.drawPath(triangle);
    // The mark: a tapering bar and a dot, black and crisp.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygon({QPoint(14, 10), QPoint(18, 10), QPoint(17, 21), QPoint(15, 21)}));
    p.drawRect(QRect(14, 23, 4, 3));
    return image;
}

} // namespace Icons
