#include "flat/TFlatEditUnit.h"

#include <QPainter>

namespace fretlore {

TFlatEdit::TFlatEdit(QWidget* parent) : QLineEdit(parent)
{
    setFrame(false);
    setTextMargins(2, 1, 2, 1);
    restyle();
}

void TFlatEdit::SetColorFocused(const QColor& c)
{
    colorFocused_ = c;
    restyle();
}

void TFlatEdit::SetColorBorder(const QColor& c)
{
    colorBorder_ = c;
    restyle();
}

void TFlatEdit::SetColorFlat(const QColor& c)
{
    colorFlat_ = c;
    restyle();
}

void TFlatEdit::SetFontColor(const QColor& c)
{
    fontColor_ = c;
    restyle();
}

void TFlatEdit::restyle()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, hasFocus() ? colorFocused_ : colorFlat_);
    pal.setColor(QPalette::Text, fontColor_);
    setPalette(pal);
    update();
}

void TFlatEdit::paintEvent(QPaintEvent* e)
{
    QLineEdit::paintEvent(e);
    QPainter p(this);
    p.setPen(colorBorder_);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TFlatEdit::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    restyle();
}

void TFlatEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    restyle();
}

} // namespace fretlore
