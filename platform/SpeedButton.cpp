#include "platform/SpeedButton.h"

namespace fretlore {

SpeedButton::SpeedButton(QWidget* parent, const QString& caption) : QPushButton(caption, parent)
{
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("QPushButton { background: transparent; border: none; padding: 0px; color: #00ff00; }"
                                 "QPushButton:hover { border: 1px solid #00ff00; }"
                                 "QPushButton:pressed { padding: 1px 0px 0px 1px; }"
                                 "QPushButton:disabled { color: #808080; }"));
}

} // namespace fretlore
