#include "icons.h"

#include "artcolours.h"
#include "pixelshape.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

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

// A shape given by a test on pixel centres.
PixelShape shapeOf(int size, const std::function<bool(double, double)> &inside)
{
    PixelShape shape(QSize(size, size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            shape.set(x, y, inside(x + 0.5, y + 0.5));
    return shape;
}

// Lime rim, dark green inside.
void paintOutlined(QImage &image, const PixelShape &shape)
{
    for (int y = 0; y < shape.height(); ++y)
        for (int x = 0; x < shape.width(); ++x)
            if (shape.contains(x, y))
                image.setPixel(x, y, shape.isEdge(x, y) ? ArtColours::Lime : kFill);
}

} // namespace

QImage play()
{
    // Rows 3..13, widest (12 pixels) in the middle: a 2:1 slope that stays
    // crisp at this size.
    const PixelShape triangle = shapeOf(16, [](double x, double y) {
        const double fromMiddle = std::abs(y - 8.5);
        return y > 3.0 && y < 14.0 && x > 3.0 && x < 3.0 + 2.0 * (6.0 - fromMiddle);
    });
    QImage image = transparentImage(16);
    paintOutlined(image, triangle);
    return image;
}

QImage author()
{
    PixelShape person = shapeOf(16, [](double x, double y) {
        const double hx = x - 8.0, hy = y - 5.0;
        return hx * hx + hy * hy <= 3.3 * 3.3;
    });
    person.unite(shapeOf(16, [](double x, double y) {
        const double sx = (x - 8.0) / 6.6, sy = (y - 15.6) / 6.6;
        return y >= 9.0 && y < 15.0 && sx * sx + sy * sy <= 1.0;
    }));
    QImage image = transparentImage(16);
    paintOutlined(image, person);
    return image;
}

QImage www()
{
    constexpr double c = 7.5;  // centre of pixel (7, 7)
    constexpr double r = 7.2;
    const PixelShape globe = shapeOf(16, [](double x, double y) {
        const double dx = x - c - 0.5, dy = y - c - 0.5;
        return dx * dx + dy * dy <= r * r;
    });
    QImage image = transparentImage(16);
    paintOutlined(image, globe);
    // Equator, two parallels, the central meridian and two curved ones.
    const auto line = [&](int x, int y) {
        if (globe.contains(x, y))
            image.setPixel(x, y, ArtColours::Lime);
    };
    for (int x = 0; x < 16; ++x) {
        line(x, 7);
        if (x >= 3 && x <= 11) {
            line(x, 3);
            line(x, 11);
        }
    }
    for (int y = 0; y < 16; ++y) {
        line(7, y);
        const double dy = (y + 0.5 - c - 0.5) / r;
        if (std::abs(dy) < 1.0) {
            const double half = 4.0 * std::sqrt(1.0 - dy * dy);
            line(int(std::lround(c - half)), y);
            line(int(std::lround(c + half)), y);
        }
    }
    return image;
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
