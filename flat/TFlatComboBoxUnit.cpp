#include "flat/TFlatComboBoxUnit.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPainter>

namespace fretlore {

TFlatComboBox::TFlatComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCurrentIndex(-1);
    setFrame(false);
    restyle();
}

void TFlatComboBox::SetColor(const QColor& c)
{
    color_ = c;
    restyle();
}

void TFlatComboBox::SetColorArrow(const QColor& c)
{
    colorArrow_ = c;
    restyle();
}

void TFlatComboBox::SetColorArrowBackground(const QColor& c)
{
    colorArrowBackground_ = c;
    restyle();
}

void TFlatComboBox::SetColorBorder(const QColor& c)
{
    colorBorder_ = c;
    restyle();
}

void TFlatComboBox::SetFontColor(const QColor& c)
{
    fontColor_ = c;
    restyle();
}

void TFlatComboBox::restyle()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, color_);
    pal.setColor(QPalette::Window, color_);
    pal.setColor(QPalette::Button, color_);
    pal.setColor(QPalette::Text, fontColor_);
    pal.setColor(QPalette::ButtonText, fontColor_);
    pal.setColor(QPalette::WindowText, fontColor_);
    setPalette(pal);
    view()->setPalette(pal);
    if (QLineEdit* edit = lineEdit()) {
        edit->setPalette(pal);
        // The text sits inside the outline, left of the arrow button.
        edit->setGeometry(2, 1, width() - kArrowWidth - 3, height() - 2);
    }
    update();
}

void TFlatComboBox::resizeEvent(QResizeEvent* e)
{
    QComboBox::resizeEvent(e);
    restyle();
}

void TFlatComboBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), color_);
    const QRect arrow(width() - kArrowWidth - 1, 1, kArrowWidth, height() - 2);
    p.fillRect(arrow, colorArrowBackground_);
    p.setPen(colorBorder_);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // A small triangle pointing down.
    p.setPen(Qt::NoPen);
    p.setBrush(colorArrow_);
    const QPoint c = arrow.center();
    const QPoint tri[3] = {{c.x() - 3, c.y() - 1}, {c.x() + 3, c.y() - 1}, {c.x(), c.y() + 2}};
    p.drawPolygon(tri, 3);
}

} // namespace fretlore
