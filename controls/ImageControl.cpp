// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ImageControl.h"

#include <QPainter>

#include <algorithm>

namespace fretlore {

ImageControl::ImageControl(QWidget* parent) : GraphicControl(parent) {}

void ImageControl::SetPicture(const QImage& picture)
{
    picture_ = picture;
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
    rebuild();
}

void ImageControl::SetStretch(bool on)
{
    stretch_ = on;
    update();
}

void ImageControl::SetTransparent(bool on)
{
    transparent_ = on;
    rebuild();
}

void ImageControl::SetAutoSize(bool on)
{
    autoSize_ = on;
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
}

void ImageControl::rebuild()
{
    shown_ = picture_;
    if (!picture_.isNull() && transparent_ && !picture_.hasAlphaChannel()) {
        // Pixels of the transparent colour (the bottom-left pixel's) become
        // fully transparent. A palette picture only has its palette changed.
        const QRgb key = picture_.pixel(0, picture_.height() - 1);
        if (picture_.colorCount() > 0) {
            QList<QRgb> table = picture_.colorTable();
            std::replace(table.begin(), table.end(), key, QRgb(0));
            shown_.setColorTable(table);
            update();
            return;
        }
        shown_ = picture_.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < shown_.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(shown_.scanLine(y));
            for (int x = 0; x < shown_.width(); ++x)
                if (line[x] == key)
                    line[x] = 0;
        }
    }
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (shown_.isNull())
        return;
    QPainter p(this);
    if (stretch_)
        p.drawImage(rect(), shown_);
    else
        p.drawImage(0, 0, shown_);
}

} // namespace fretlore
