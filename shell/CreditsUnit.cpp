#include "shell/CreditsUnit.h"

namespace fretlore {

TCredits::TCredits(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Credits"));
    setWindowTitle(QStringLiteral("Fretlore PRO"));
    setFixedSize(457, 318);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
}

} // namespace fretlore
