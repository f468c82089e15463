#include "platform/ImageControl.h"

#include <QBitmap>
#include <QPainter>

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
    shown_ = QPixmap();
    if (!picture_.isNull()) {
        shown_ = QPixmap::fromImage(picture_);
        if (transparent_ && !picture_.hasAlphaChannel()) {
            const QRgb key = picture_.pixel(0, picture_.height() - 1);
            shown_.setMask(QBitmap::fromImage(picture_.createMaskFromColor(key, Qt::MaskInColor)));
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
        p.drawPixmap(rect(), shown_);
    else
        p.drawPixmap(0, 0, shown_);
}

} // namespace fretlore
