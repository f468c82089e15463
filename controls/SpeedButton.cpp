// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SpeedButton.h"

#include <QPainter>

namespace fretlore {

namespace {
const QColor kLime(0, 255, 0);
const QColor kDisabled(0x80, 0x80, 0x80);
} // namespace

SpeedButton::SpeedButton(QWidget* parent, const QString& caption) : QPushButton(caption, parent)
{
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void SpeedButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const bool down = isDown();
    // Flat: an outline only while the mouse is over it or it is held down.
    if (isEnabled() && (down || underMouse())) {
        p.setPen(kLime);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    p.setPen(isEnabled() ? kLime : kDisabled);
    p.setFont(font());
    const QRect textRect = down ? rect().translated(1, 1) : rect();
    p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

} // namespace fretlore
