// SPDX-License-Identifier: GPL-3.0-or-later
#include "lyingguitar.h"

#include "artcolours.h"
#include "guitarbody.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace {

// The guitar spans picture x 5..197 and rows 6..69.
constexpr QRect kGuitarArea(QPoint(5, 6), QPoint(197, 69));
constexpr QRect kWorkingArea(QPoint(14, 75), QPoint(593, 439));
// The body, lying: horn tips at the right edge of this rectangle.
constexpr QRectF kBodyRect(4.6, 5.8, 88.0, 64.4);

// The neck: rows 32..44, from inside the body to the nut.
constexpr int kNeckTop = 32;
constexpr int kNeckBottom = 44;
constexpr int kNutX = 158;
constexpr int kBridgeX = 50;
// One string on every other row of the neck, low E on top.
constexpr std::array<int, 6> kStringRows{33, 35, 37, 39, 41, 43};
// Tuner posts along the top of the headstock, the low E string's nearest
// the nut; each has a key sticking up out of the edge.
constexpr std::array<int, 6> kPostX{166, 171, 176, 181, 186, 191};
constexpr int kKeyTop = 21;
constexpr int kHeadTop = 24;

QPainterPath neckPath()
{
    QPainterPath path;
    path.addRect(QRectF(70.0, kNeckTop, kNutX + 2 - 70.0, kNeckBottom - kNeckTop + 1));
    return path;
}

QPainterPath headstockPath()
{
    QPainterPath path;
    path.moveTo(kNutX + 1, kNeckTop);
    path.cubicTo(kNutX + 4, kNeckTop, kNutX + 5, kHeadTop, kNutX + 10, kHeadTop);
    path.lineTo(191.0, kHeadTop);
    path.cubicTo(196.0, kHeadTop, 198.0, 28.0, 198.0, 33.0);
    path.cubicTo(198.0, 40.0, 196.0, 45.5, 190.0, 45.5);
    path.cubicTo(180.0, 45.5, 176.0, kNeckBottom + 1, 170.0, kNeckBottom + 1);
    path.lineTo(kNutX + 1, kNeckBottom + 1);
    path.closeSubpath();
    for (const int x : kPostX)
        path.addRect(QRectF(x - 1, kKeyTop, 3, kHeadTop - kKeyTop + 1));
    return path;
}

PixelShape buildShape()
{
    const QSize size(LyingGuitar::Width, LyingGuitar::Height);
    PixelShape shape = PixelShape::fromPath(size, GuitarBody::unitOutline(),
                                            GuitarBody::lyingInto(kBodyRect));
    shape.unite(PixelShape::fromPath(size, neckPath()));
    shape.unite(PixelShape::fromPath(size, headstockPath()));
    shape.clipTo(kGuitarArea);
    return shape;
}

double fretX(int fret)
{
    const double scale = kNutX - kBridgeX;
    return kNutX - scale * (1.0 - std::pow(2.0, -fret / 12.0));
}

bool onNeck(int x, int y)
{
    return x > 80 && x < kNutX && y >= kNeckTop && y <= kNeckBottom;
}

// Body, scratch plate, neck and headstock: the wood and its finish.
void paintWood(QPainter &p)
{
    const QTransform body = GuitarBody::lyingInto(kBodyRect);

    // Body finish: a green burst, bright in the middle, dark at the rim.
    QRadialGradient burst(body.map(QPointF(0.5, 0.70)), 42.0);
    burst.setColorAt(0.0, QColor(0, 140, 0));
    burst.setColorAt(0.6, QColor(0, 90, 0));
    burst.setColorAt(1.0, QColor(0, 35, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(burst);
    p.drawPath(body.map(GuitarBody::unitOutline()));

    // Scratch plate: near black with a light edge.
    p.setBrush(ArtColours::colour(0xff001800));
    p.setPen(QPen(ArtColours::colour(ArtColours::LightGreen), 1));
    p.drawPath(body.map(GuitarBody::unitPickguard()));

    // Neck and headstock: dark wood.
    QLinearGradient wood(0, kNeckTop, 0, kNeckBottom);
    wood.setColorAt(0.0, QColor(0, 40, 0));
    wood.setColorAt(1.0, QColor(0, 22, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawRect(QRect(QPoint(78, kNeckTop), QPoint(kNutX, kNeckBottom)));
    p.setBrush(ArtColours::colour(ArtColours::DeepGreen));
    p.drawPath(headstockPath());
}

// Frets, position dots, pickups, bridge, knobs and selector.
void paintHardware(QPainter &p)
{
    const QColor lime = ArtColours::colour(ArtColours::Lime);
    const QColor light = ArtColours::colour(ArtColours::LightGreen);
    const QColor mid = ArtColours::colour(ArtColours::MidGreen);

    // Frets and position dots.
    p.setBrush(mid);
    for (int fret = 1; fret <= 21; ++fret)
        p.drawRect(QRect(int(std::lround(fretX(fret))), kNeckTop + 1, 1, kNeckBottom - kNeckTop - 1));
    p.setBrush(light);
    for (const int fret : {3, 5, 7, 9, 15, 17, 19, 21}) {
        const int x = int(std::lround((fretX(fret - 1) + fretX(fret)) / 2.0));
        p.drawRect(QRect(x, 38, 1, 1));
    }
    const int x12 = int(std::lround((fretX(11) + fretX(12)) / 2.0));
    p.drawRect(QRect(x12, 34, 1, 1));
    p.drawRect(QRect(x12, 42, 1, 1));

    // Three pickups across the strings, the bridge one slanted. Nothing
    // inside the guitar is pure black: black is where the window ends.
    p.setBrush(ArtColours::colour(0xff000e00));
    p.setPen(QPen(lime, 1));
    p.drawRect(QRect(74, 30, 3, 16));
    p.drawRect(QRect(66, 30, 3, 16));
    p.drawPolygon(QPolygon({QPoint(57, 31), QPoint(60, 30), QPoint(61, 45), QPoint(58, 46)}));
    // Bridge plate with its saddles.
    p.drawRect(QRect(44, 30, 6, 16));

    // Control knobs and selector on the treble side.
    // Each knob is a 4 x 4 block with its corners off: the roundest a
    // knob this small can be.
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    for (const QPoint &knob : {QPoint(67, 52), QPoint(60, 55), QPoint(53, 56)}) {
        p.drawRect(QRect(knob.x() + 1, knob.y(), 2, 4));
        p.drawRect(QRect(knob.x(), knob.y() + 1, 4, 2));
    }
    p.setBrush(mid);
    p.drawRect(QRect(73, 50, 4, 1));
}

void paintStrings(QPainter &p)
{
    const QColor lime = ArtColours::colour(ArtColours::Lime);

    // Strings: nut to bridge, then fanning out to the tuner posts.
    p.setPen(QPen(lime, 1));
    for (const int row : kStringRows)
        p.drawLine(QPoint(kBridgeX - 4, row), QPoint(kNutX, row));
    for (std::size_t i = 0; i < kStringRows.size(); ++i)
        p.drawLine(QPoint(kNutX + 1, kStringRows[i]), QPoint(kPostX[i], 27));
    p.setPen(Qt::NoPen);
    p.setBrush(lime);
    for (const int x : kPostX) {
        p.drawRect(QRect(x, 26, 1, 1));
        p.drawRect(QRect(x - 1, kKeyTop, 3, kHeadTop - kKeyTop));
    }
    // Nut.
    p.setPen(Qt::NoPen);
    p.setBrush(lime);
    p.drawRect(QRect(kNutX, kNeckTop + 1, 1, kNeckBottom - kNeckTop - 1));
}

void paintDetail(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    paintWood(p);
    paintHardware(p);
    paintStrings(p);
}

} // namespace

LyingGuitar::LyingGuitar()
    : m_shape(buildShape())
{
}

PixelShape LyingGuitar::keptArea() const
{
    PixelShape kept = m_shape.placed(QSize(MaskWidth, MaskHeight), OffsetX, OffsetY);
    for (int y = kWorkingArea.top(); y <= kWorkingArea.bottom(); ++y)
        for (int x = kWorkingArea.left(); x <= kWorkingArea.right(); ++x)
            kept.set(x, y, true);
    return kept;
}

QImage LyingGuitar::picture() const
{
    QImage detail(Width, Height, QImage::Format_RGB32);
    detail.fill(ArtColours::Black);
    {
        QPainter p(&detail);
        paintDetail(p);
    }
    // Outside the silhouette everything is black; its rim is drawn in
    // lime, darker along the neck so the outer strings stay apart.
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(ArtColours::Black);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            if (!m_shape.contains(x, y))
                continue;
            if (m_shape.isEdge(x, y))
                image.setPixel(x, y, onNeck(x, y) ? ArtColours::MidGreen : ArtColours::Lime);
            else
                image.setPixel(x, y, detail.pixel(x, y));
        }
    return image;
}

QImage LyingGuitar::mask() const
{
    return keptArea().toMask();
}
