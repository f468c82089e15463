#include "shell/AboutUnit.h"

namespace fretlore {

TAbout::TAbout(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("Fretlore PRO"));
    setFixedSize(329, 358);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
}

} // namespace fretlore
