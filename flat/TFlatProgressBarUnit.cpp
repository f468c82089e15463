#include "flat/TFlatProgressBarUnit.h"

#include <QPainter>

namespace fretlore {

TFlatProgressBar::TFlatProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
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

void TFlatProgressBar::SetSmooth(bool on)
{
    smooth_ = on;
    update();
}

void TFlatProgressBar::SetPosition(int position)
{
    setValue(position);
    repaint();
}

void TFlatProgressBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(colorBorder_);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const int span = maximum() - minimum();
    if (span <= 0)
        return;
    const QRect inner = rect().adjusted(2, 2, -2, -2);
    const int filled = int(qint64(inner.width()) * (value() - minimum()) / span);
    if (smooth_) {
        p.fillRect(inner.x(), inner.y(), filled, inner.height(), colorElement_);
        return;
    }
    // Blocks of the bar's height, one pixel apart.
    const int block = qMax(1, inner.height());
    for (int x = 0; x + block <= filled; x += block + 1)
        p.fillRect(inner.x() + x, inner.y(), block, inner.height(), colorElement_);
}

} // namespace fretlore
