#include "shell/MessageUnit.h"

namespace fretlore {

TFMessage::TFMessage(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FMessage"));
    setWindowTitle(QStringLiteral("Fretlore PRO"));
    setFixedSize(261, 109);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
}

} // namespace fretlore
