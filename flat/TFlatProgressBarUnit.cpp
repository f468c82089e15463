#include "flat/TFlatProgressBarUnit.h"

namespace fretlore {

TFlatProgressBar::TFlatProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
    restyle();
}

void TFlatProgressBar::SetColorElement(const QColor& c)
{
    colorElement_ = c;
    restyle();
}

void TFlatProgressBar::SetColorBorder(const QColor& c)
{
    colorBorder_ = c;
    restyle();
}

void TFlatProgressBar::SetSmooth(bool on)
{
    smooth_ = on;
    restyle();
}

void TFlatProgressBar::SetPosition(int position)
{
    setValue(position);
    repaint();
}

void TFlatProgressBar::restyle()
{
    setStyleSheet(QStringLiteral("QProgressBar { background: black; border: 1px solid %1; }"
                                 "QProgressBar::chunk { background: %2; %3 }")
                      .arg(colorBorder_.name(), colorElement_.name(),
                           smooth_ ? QString() : QStringLiteral("width: 8px; margin: 1px;")));
}

} // namespace fretlore
