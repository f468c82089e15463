// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/LabelControl.h"

#include <QFontMetrics>
#include <QPainter>

namespace fretlore {

LabelControl::LabelControl(QWidget* parent) : GraphicControl(parent) {}

void LabelControl::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    adjustBounds();
    update();
}

void LabelControl::SetFontColor(const QColor& c)
{
    fontColor_ = c;
    update();
}

void LabelControl::SetColor(const QColor& c)
{
    color_ = c;
    update();
}

void LabelControl::SetTransparent(bool on)
{
    transparent_ = on;
    update();
}

void LabelControl::SetAutoSize(bool on)
{
    autoSize_ = on;
    adjustBounds();
}

void LabelControl::SetLabelFont(const QFont& f)
{
    setFont(f);
    adjustBounds();
    update();
}

void LabelControl::adjustBounds()
{
    if (!autoSize_)
        return;
    const QFontMetrics fm(font());
    resize(fm.horizontalAdvance(caption_), fm.height());
}

void LabelControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!transparent_)
        p.fillRect(rect(), color_);
    p.setPen(fontColor_);
    p.setFont(font());
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
}

} // namespace fretlore
