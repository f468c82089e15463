// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/GraphicControl.h"

#include <QColor>
#include <QString>

namespace fretlore {

// A text label: its caption drawn from the top-left corner in its font and
// font colour, on its background colour unless transparent. With AutoSize on,
// a new caption or font resizes the label to the text.
class LabelControl : public GraphicControl {
    Q_OBJECT
public:
    explicit LabelControl(QWidget* parent);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& c);
    QColor Color() const { return color_; }
    void SetColor(const QColor& c);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    // Changes the font and, with AutoSize, the size.
    void SetLabelFont(const QFont& font);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void adjustBounds();

    QString caption_;
    QColor fontColor_{Qt::black};
    QColor color_{Qt::black};
    bool transparent_ = false;
    bool autoSize_ = true;
};

} // namespace fretlore
