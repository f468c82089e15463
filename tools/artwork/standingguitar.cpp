// SPDX-License-Identifier: GPL-3.0-or-later
#include "standingguitar.h"

#include "artcolours.h"
#include "guitarbody.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>

#include <array>
#include <cmath>

namespace {

// Black guitar pixels span x 8..159 and rows 7..474; with the seam the
// kept area spans x 7..160 and rows 6..475.
constexpr QRect kGuitarArea(QPoint(8, 7), QPoint(159, 474));
// The body, horn tip to bottom, in pixel edges.
constexpr QRectF kBodyRect(8.0, 258.0, 152.0, 216.5);

constexpr double kNutY = 100.0;
constexpr double kSaddleY = 360.0;
constexpr int kFretCount = 24;
// String columns on the neck, low E on the left.
constexpr std::array<int, 6> kStringX{76, 79, 82, 85, 88, 91};
// Tuner posts along the bass edge of the headstock, the low E string's
// nearest the nut.
constexpr std::array<int, 6> kPostY{81, 69, 57, 45, 33, 21};
constexpr double kPostX = 68.5;

QPainterPath neckPath()
{
    QPainterPath path;
    path.addPolygon(QPolygonF({QPointF(74.0, kNutY - 1), QPointF(94.0, kNutY - 1),
                               QPointF(95.5, 318.0), QPointF(72.5, 318.0)}));
    path.closeSubpath();
    return path;
}

QPainterPath headstockPath()
{
    QPainterPath path;
    path.moveTo(74.0, kNutY);
    path.cubicTo(70.0, 92.0, 63.0, 88.0, 62.0, 80.0);
    path.lineTo(62.0, 18.0);
    path.cubicTo(62.0, 11.0, 66.0, 6.6, 74.0, 6.6);
    path.lineTo(88.0, 6.6);
    path.cubicTo(97.0, 6.6, 102.0, 11.0, 102.0, 20.0);
    path.cubicTo(102.0, 40.0, 98.0, 54.0, 98.0, 66.0);
    path.cubicTo(98.0, 80.0, 94.0, 86.0, 94.0, kNutY);
    path.closeSubpath();
    // Tuner keys stick out of the bass edge.
    for (const int postY : kPostY)
        path.addRoundedRect(QRectF(54.0, postY - 3.5, 10.0, 7.0), 2.5, 2.5);
    return path;
}

PixelShape buildShape()
{
    const QSize size(StandingGuitar::Width, StandingGuitar::Height);
    PixelShape shape = PixelShape::fromPath(size, GuitarBody::unitOutline(),
                                            GuitarBody::standingInto(kBodyRect));
    shape.unite(PixelShape::fromPath(size, neckPath()));
    shape.unite(PixelShape::fromPath(size, headstockPath()));
    shape.clipTo(kGuitarArea);
    // Closing the shape fills the narrow notches (beside the tuner keys,
    // for one), which the seam would otherwise fill with lime pockets.
    return shape.closed();
}

double fretY(int fret)
{
    return kNutY + (kSaddleY - kNutY) * (1.0 - std::pow(2.0, -fret / 12.0));
}

void drawFretboard(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(ArtColours::colour(ArtColours::Lime));
    // Nut, two pixels thick.
    p.drawRect(QRect(74, int(kNutY), 20, 2));
    // Frets run edge to edge across the neck, which widens slowly.
    for (int fret = 1; fret <= kFretCount; ++fret) {
        const int y = int(std::lround(fretY(fret)));
        const double t = (y - kNutY) / (318.0 - kNutY);
        const int left = int(std::ceil(74.0 - 1.5 * t));
        const int right = int(std::floor(94.0 + 1.5 * t)) - 1;
        p.drawRect(QRect(QPoint(left + 1, y), QPoint(right - 1, y)));
    }
    // Position dots sit between two frets, in the gaps between strings.
    for (const int fret : {3, 5, 7, 9, 15, 17, 19, 21}) {
        const int y = int(std::lround((fretY(fret - 1) + fretY(fret)) / 2.0)) - 1;
        p.drawRect(QRect(83, y, 2, 2));
    }
    const int y12 = int(std::lround((fretY(11) + fretY(12)) / 2.0)) - 1;
    p.drawRect(QRect(77, y12, 2, 2));
    p.drawRect(QRect(89, y12, 2, 2));
    // End of the fretboard.
    const int end = int(std::lround(fretY(kFretCount))) + 7;
    p.drawRect(QRect(74, end, 21, 1));
}

void drawHeadstock(QPainter &p)
{
    const QColor lime = ArtColours::colour(ArtColours::Lime);
    // Keys: an oval inside each key, and a post with its winding.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(lime, 1));
    for (const int postY : kPostY) {
        p.drawRect(QRect(56, postY - 2, 4, 4));
        p.drawEllipse(QPointF(kPostX, postY + 0.5), 3.0, 3.0);
    }
    // Strings fan out from the nut to the posts.
    p.setRenderHint(QPainter::Antialiasing, true);
    for (std::size_t i = 0; i < kStringX.size(); ++i)
        p.drawLine(QPointF(kStringX[i] + 0.5, kNutY), QPointF(kPostX + 3.0, kPostY[i] + 0.5));
    // The maker's word, reading up the treble side of the headstock.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setItalic(true);
    font.setBold(true);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.translate(99.0, 60.0);
    p.rotate(-90.0);
    p.setFont(font);
    p.setPen(lime);
    p.drawText(QPointF(0.0, 0.0), QStringLiteral("Fretlore"));
    p.restore();
}

void drawBody(QPainter &p)
{
    const QColor lime = ArtColours::colour(ArtColours::Lime);
    const QTransform body = GuitarBody::standingInto(kBodyRect);

    // Scratch plate outline.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(lime, 1.0));
    p.drawPath(body.map(GuitarBody::unitPickguard()));

    // Three single-coil pickups, the bridge one slanted.
    p.setBrush(ArtColours::colour(ArtColours::Black));
    const auto pickup = [&](double centreY, double angle) {
        p.save();
        p.translate(84.0, centreY);
        p.rotate(angle);
        p.drawRoundedRect(QRectF(-18.5, -4.0, 37.0, 8.0), 3.5, 3.5);
        p.restore();
    };
    pickup(314.5, 0.0);
    pickup(330.5, 0.0);
    pickup(345.5, -9.0);

    // Controls on the treble side: selector slot and three knobs.
    p.drawRoundedRect(QRectF(108.5, 306.5, 4.0, 14.0), 1.5, 1.5);
    p.drawEllipse(QPointF(121.0, 320.0), 4.5, 4.5);
    p.drawEllipse(QPointF(126.0, 334.0), 4.5, 4.5);
    p.drawEllipse(QPointF(129.0, 348.0), 4.5, 4.5);

    // Bridge plate with six saddles.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(QRect(69, 354, 29, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(lime);
    for (const int x : kStringX)
        p.drawRect(QRect(x, int(kSaddleY) - 1, 2, 4));

    // Strings from the nut to the saddles, over the pickups.
    for (const int x : kStringX)
        p.drawRect(QRect(x, int(kNutY) + 2, 1, int(kSaddleY - kNutY) - 2));

    // Strap button at the bottom and the output jack on the lower bout.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(lime, 1.0));
    p.drawEllipse(QPointF(84.0, 467.5), 2.5, 2.5);
    p.drawEllipse(QPointF(146.0, 452.0), 3.5, 6.0);
}

// A guitar pixel with any of its eight neighbours outside the guitar.
bool onRim(const PixelShape &shape, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (!shape.contains(x + dx, y + dy))
                return true;
    return false;
}

} // namespace

StandingGuitar::StandingGuitar()
    : m_shape(buildShape())
{
}

QImage StandingGuitar::picture() const
{
    QImage detail(Width, Height, QImage::Format_RGB32);
    detail.fill(ArtColours::Black);
    {
        QPainter p(&detail);
        drawBody(p);
        drawFretboard(p);
        drawHeadstock(p);
    }
    // The ground is lime; the guitar is black with its details, which never
    // spill over its outline nor touch its rim, so the seam that the mask
    // leaves around the guitar always reads as one clean line.
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            QRgb colour = ArtColours::Lime;
            if (m_shape.contains(x, y))
                colour = onRim(m_shape, x, y) ? ArtColours::Black : detail.pixel(x, y);
            image.setPixel(x, y, colour);
        }
    return image;
}

QImage StandingGuitar::mask() const
{
    return keptArea().toMask();
}
