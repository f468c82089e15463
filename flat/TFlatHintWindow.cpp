// SPDX-License-Identifier: GPL-3.0-or-later
#include "flat/TFlatHintWindow.h"

#include "flat/TFlatHintUnit.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace fretlore {

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
constexpr int kBandWidth = 14;
constexpr int kExtraWidth = 22;
constexpr int kExtraHeight = 6;

// The arrow as an open polyline from its head: a two-pixel-thick corner and a
// shaft running diagonally away from it.
constexpr QPoint kArrow[18] = {{0, 0}, {0, 6}, {1, 6}, {1, 0}, {6, 0}, {6, 1}, {2, 1}, {2, 4}, {5, 7},
                               {6, 7}, {3, 4}, {3, 3}, {6, 6}, {7, 6}, {3, 2}, {4, 2}, {7, 5}, {7, 6}};

bool bandOnLeft(int placement)
{
    return placement == 1 || placement == 3;
}

} // namespace

TFlatHintWindow::TFlatHintWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("FlatHintWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

QSize TFlatHintWindow::BoxSize(const QString& text, const QFont& font, int maxHintWidth)
{
    const QFontMetrics fm(font);
    const QRect measured = fm.boundingRect(QRect(0, 0, std::max(1, maxHintWidth - kExtraWidth), 0), kTextFlags, text);
    return {measured.width() + kExtraWidth, measured.height() + kExtraHeight};
}

int TFlatHintWindow::PlacementFor(const QPoint& cursor, const QRect& screen)
{
    const QPoint half(screen.left() + screen.width() / 2, screen.top() + screen.height() / 2);
    const bool left = cursor.x() < half.x();
    const bool top = cursor.y() < half.y();
    if (top && left)
        return 1;
    if (top)
        return 0;
    if (left)
        return 3;
    return 2;
}

QRect TFlatHintWindow::BoxRect(int placement, const QPoint& cursor, const QSize& box)
{
    // The gap is wider below right of the cursor, where the cursor's own picture lies.
    const int gap = placement == 1 ? 12 : 5;
    const int w = box.width();
    const int h = box.height();
    const int px = cursor.x();
    const int py = cursor.y();
    switch (placement) {
    case 0:
        return QRect(px - w - gap, py + gap, w, h);
    case 1:
        return QRect(px + gap, py + gap, w, h);
    case 2:
        return QRect(px - w - gap, py - h - gap, w, h);
    default:
        return QRect(px + gap, py - h - gap, w, h);
    }
}

void TFlatHintWindow::ActivateHint(const QString& text, const TFlatHint* hint, const QPoint& cursor,
                                   const QRect& screen)
{
    text_ = text;
    QFont hintFont = font();
    int maxWidth = 200;
    if (hint) {
        hintFont = hint->Font();
        maxWidth = hint->MaxHintWidth();
        colors_ = hint->Colors();
    }
    setFont(hintFont);
    placement_ = PlacementFor(cursor, screen);
    setGeometry(BoxRect(placement_, cursor, BoxSize(text, hintFont, maxWidth)));
    // A tool-tip window shows on top of the others without being activated.
    show();
    update();
}

QRect TFlatHintWindow::Band() const
{
    const QRect cr = rect();
    if (bandOnLeft(placement_))
        return QRect(QPoint(cr.left() + 1, cr.top() + 1), QSize(kBandWidth, cr.height() - 2));
    return QRect(QPoint(cr.width() - 1 - kBandWidth, cr.top() + 1), QSize(kBandWidth, cr.height() - 2));
}

QRect TFlatHintWindow::TextArea() const
{
    const QRect cr = rect();
    const int w = cr.width() - 2 - kBandWidth;
    if (bandOnLeft(placement_))
        return QRect(cr.left() + 1 + kBandWidth, cr.top() + 1, w, cr.height() - 2);
    return QRect(cr.left() + 1, cr.top() + 1, w, cr.height() - 2);
}

QPoint TFlatHintWindow::ArrowCorner() const
{
    // The band's right and bottom edges counted exclusively.
    const QRect band = Band();
    const int right = band.left() + band.width();
    const int bottom = band.top() + band.height();
    switch (placement_) {
    case 0:
        return {right - 3, band.top() + 2};
    case 1:
        return {band.left() + 2, band.top() + 2};
    case 2:
        return {right - 3, bottom - 3};
    default:
        return {band.left() + 2, bottom - 3};
    }
}

void TFlatHintWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(Band(), ToQColor(colors_.ArrowBackground));
    p.fillRect(TextArea(), ToQColor(colors_.Background));
    p.setPen(ToQColor(colors_.Border));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const QPoint corner = ArrowCorner();
    const int sx = bandOnLeft(placement_) ? 1 : -1;
    const int sy = (placement_ == 0 || placement_ == 1) ? 1 : -1;
    QPoint arrow[18];
    for (int i = 0; i < 18; ++i)
        arrow[i] = corner + QPoint(sx * kArrow[i].x(), sy * kArrow[i].y());
    p.setPen(ToQColor(colors_.Arrow));
    p.drawPolyline(arrow, 18);

    p.setPen(ToQColor(colors_.Font));
    p.setFont(font());
    p.drawText(TextArea().adjusted(3, 1, -3, -1), kTextFlags, text_);
}

} // namespace fretlore
