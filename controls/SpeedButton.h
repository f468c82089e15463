// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace fretlore {

// A flat push button without a picture that never takes the keyboard focus.
// "&" in its caption marks the accelerator (Alt + letter presses it while it
// is enabled); a disabled button ignores the mouse and its accelerator.
class SpeedButton : public QPushButton {
    Q_OBJECT
public:
    SpeedButton(QWidget* parent, const QString& caption);

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace fretlore
