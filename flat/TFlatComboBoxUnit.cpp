#include "flat/TFlatComboBoxUnit.h"

#include <QLineEdit>

namespace fretlore {

TFlatComboBox::TFlatComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCurrentIndex(-1);
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
    setStyleSheet(QStringLiteral("QComboBox { background: %1; color: %2; border: 1px solid %3; padding: 0px 2px; }"
                                 "QComboBox::drop-down { background: %4; border: none; width: 16px; }"
                                 "QComboBox QAbstractItemView { background: %1; color: %2; border: 1px solid %3; }")
                      .arg(color_.name(), fontColor_.name(), colorBorder_.name(), colorArrowBackground_.name()));
}

} // namespace fretlore
