// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/GraphicControl.h"

#include <QImage>

namespace fretlore {

// An image control: shows its picture from the top-left corner, unscaled and
// cut to the control, or stretched to the control. A transparent image does
// not paint the pixels of its picture's transparent colour (the bottom-left
// pixel's colour; for pictures with an alpha channel, the alpha decides).
class ImageControl : public GraphicControl {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent);

    const QImage& Picture() const { return picture_; }
    // Takes a copy of the picture; with AutoSize on, the control takes its size.
    void SetPicture(const QImage& picture);

    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void rebuild();

    QImage picture_;
    QImage shown_;  // the picture as painted, transparency applied
    bool stretch_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

} // namespace fretlore
