#include "flat/TFlatEditUnit.h"

namespace fretlore {

TFlatEdit::TFlatEdit(QWidget* parent) : QLineEdit(parent)
{
    setFrame(false);
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
    setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: 1px solid %3; padding: 0px; }"
                                 "QLineEdit:focus { background: %4; }")
                      .arg(colorFlat_.name(), fontColor_.name(), colorBorder_.name(), colorFocused_.name()));
}

} // namespace fretlore
