#include "flat/TFlatProgressBarUnit.h"

#include "flat/HSLUtils.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace fretlore {

TFlatProgressBar::TFlatProgressBar(QWidget* parent) : GraphicControl(parent)
{
    color_ = ColorOf(FlatLightFace);
    colorElement_ = ColorOf(FlatElement);
    colorBorder_ = ColorOf(FlatBorder);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(147, 16);
    takeParentColor();
}

void TFlatProgressBar::takeParentColor()
{
    if (parentColor_ && parentWidget())
        color_ = parentWidget()->palette().color(parentWidget()->backgroundRole());
}

void TFlatProgressBar::SetColor(const QColor& c)
{
    color_ = c;
    parentColor_ = false;
    update();
}

void TFlatProgressBar::SetParentColor(bool on)
{
    parentColor_ = on;
    takeParentColor();
    update();
}

void TFlatProgressBar::SetColorElement(const QColor& c)
{
    colorElement_ = c;
    update();
}

void TFlatProgressBar::SetColorBorder(const QColor& c)
{
    colorBorder_ = c;
    update();
}

void TFlatProgressBar::SetAdvColorBorder(int percent)
{
    advColorBorder_ = TAdvColors(std::clamp(percent, 0, 100));
    recomputeAdvColors();
    update();
}

void TFlatProgressBar::SetUseAdvColors(bool on)
{
    if (on == useAdvColors_)
        return;
    useAdvColors_ = on;
    SetParentColor(on);
    recomputeAdvColors();
    update();
}

void TFlatProgressBar::recomputeAdvColors()
{
    if (useAdvColors_)
        colorBorder_ = DeriveAdvColor(color_, colorBorder_, advColorBorder_, AdvColorDirection::Darker);
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

void TFlatProgressBar::setRange(int min, int max)
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
        takeParentColor();
        [[fallthrough]];
    case QEvent::ApplicationPaletteChange:
        if (useAdvColors_) {
            SetParentColor(true);
            recomputeAdvColors();
        }
        update();
        break;
    default:
        break;
    }
}

void TFlatProgressBar::paintEvent(QPaintEvent*)
{
    // A hidden bar hears of its new size only when shown: snap here as well.
    snapLength();
    QPainter p(this);
    const int cw = width();
    const int ch = height();
    p.fillRect(rect(), color_);
    p.setPen(colorBorder_);
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
            p.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), colorElement_);
        return;
    }

    const int lit = LitBlocks();
    for (int k = 0; k < lit; ++k) {
        const int step = k * (kBlockWidth + 1);
        if (orientation_ == pbHorizontal)
            p.fillRect(QRect(2 + step, 2, kBlockWidth, ch - 4), colorElement_);
        else
            p.fillRect(QRect(2, ch - kBlockWidth - 2 - step, cw - 4, kBlockWidth), colorElement_);
    }
}

} // namespace fretlore
