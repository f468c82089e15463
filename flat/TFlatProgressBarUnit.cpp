// SPDX-License-Identifier: GPL-3.0-or-later
#include "flat/TFlatProgressBarUnit.h"

#include "flat/HSLUtils.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace fretlore {

TFlatProgressBar::TFlatProgressBar(QWidget* parent) : GraphicControl(parent), colors_(*this, FlatLightFace, true)
{
    colors_.AddDerived(FlatBorder, 50, AdvColorDirection::Darker); // kBorder
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(147, 16);
}

void TFlatProgressBar::SetColor(TColor c)
{
    colors_.SetBase(c);
    update();
}

void TFlatProgressBar::SetParentColor(bool on)
{
    colors_.SetParentColor(on);
    update();
}

void TFlatProgressBar::SetColorElement(TColor c)
{
    colorElement_ = c;
    update();
}

void TFlatProgressBar::SetColorBorder(TColor c)
{
    colors_.SetDerived(kBorder, c);
    update();
}

void TFlatProgressBar::SetAdvColorBorder(int percent)
{
    colors_.SetPercent(kBorder, percent);
    update();
}

void TFlatProgressBar::SetUseAdvColors(bool on)
{
    if (colors_.SetUseAdvColors(on))
        update();
}

void TFlatProgressBar::SetOrientation(TProgressBarOrientation orientation)
{
    if (orientation == orientation_)
        return;
    orientation_ = orientation;
    resize(height(), width());
    snapLength();
    repaint();
}

void TFlatProgressBar::SetSmooth(bool on)
{
    if (on == smooth_)
        return;
    smooth_ = on;
    snapLength();
    update();
}

void TFlatProgressBar::SetPosition(int position)
{
    if (position == position_)
        return;
    position_ = position;
    repaint();
}

void TFlatProgressBar::SetMin(int min)
{
    if (min == min_)
        return;
    min_ = min;
    repaint();
}

void TFlatProgressBar::SetMax(int max)
{
    if (max == max_)
        return;
    max_ = max;
    repaint();
}

void TFlatProgressBar::SetStep(int step)
{
    if (step == step_)
        return;
    step_ = step;
    repaint();
}

void TFlatProgressBar::SetRange(int min, int max)
{
    SetMin(min);
    SetMax(max);
}

int TFlatProgressBar::length() const
{
    return orientation_ == pbHorizontal ? width() : height();
}

void TFlatProgressBar::snapLength()
{
    if (smooth_)
        return;
    // Whole blocks plus the outline and the gaps: 9k + 3 pixels, at least one block.
    const int len = length();
    const int snapped = len > 11 ? (kBlockWidth + 1) * ((len - 3) / (kBlockWidth + 1)) + 3 : 12;
    if (snapped == len)
        return;
    if (orientation_ == pbHorizontal)
        resize(snapped, height());
    else
        resize(width(), snapped);
}

int TFlatProgressBar::BlockCount() const
{
    return std::max(0, (length() - 3) / (kBlockWidth + 1));
}

int TFlatProgressBar::LitBlocks() const
{
    const int blocks = BlockCount();
    if (blocks <= 0)
        return 0;
    const int perBlock = 100 / blocks;
    // Past 100 blocks a block is worth less than one per cent: light them in proportion instead.
    const int lit = perBlock > 0 ? RoundHalfEven(double(position_) / perBlock)
                                 : RoundHalfEven(double(position_) * blocks / 100.0);
    return std::clamp(lit, 0, blocks);
}

void TFlatProgressBar::resizeEvent(QResizeEvent* e)
{
    GraphicControl::resizeEvent(e);
    snapLength();
}

void TFlatProgressBar::changeEvent(QEvent* e)
{
    GraphicControl::changeEvent(e);
    switch (e->type()) {
    case QEvent::PaletteChange:
    case QEvent::ParentChange:
    case QEvent::ApplicationPaletteChange:
        // The parent's colour, the parent or the system's colours changed.
        colors_.PaletteChanged(true);
        update();
        break;
    default:
        break;
    }
}

void TFlatProgressBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int cw = width();
    const int ch = height();
    const QColor element = ToQColor(colorElement_);
    p.fillRect(rect(), ToQColor(colors_.Base()));
    p.setPen(ToQColor(colors_.Derived(kBorder)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const qint64 pos = position_;
    if (smooth_) {
        // Edges as left, top, right, bottom with right and bottom exclusive.
        int left = 2, top = 2, right = cw - 2, bottom = ch - 2;
        if (orientation_ == pbHorizontal)
            right = int(qint64(cw - 2) * pos / 100);
        else
            top = int(ch - 2 - qint64(ch - 4) * pos / 100);
        if (right > left && bottom > top)
            p.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), element);
        return;
    }

    const int lit = LitBlocks();
    for (int k = 0; k < lit; ++k) {
        const int step = k * (kBlockWidth + 1);
        if (orientation_ == pbHorizontal)
            p.fillRect(QRect(2 + step, 2, kBlockWidth, ch - 4), element);
        else
            p.fillRect(QRect(2, ch - kBlockWidth - 2 - step, cw - 4, kBlockWidth), element);
    }
}

} // namespace fretlore
