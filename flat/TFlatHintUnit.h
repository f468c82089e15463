#pragma once

#include <QColor>
#include <QFont>
#include <QObject>

namespace fretlore {

// The hint component of a window: the colours, width limit and font in which
// the window's hints are shown.
class TFlatHint : public QObject {
    Q_OBJECT
public:
    explicit TFlatHint(QObject* parent);

    QColor ColorBackground() const { return colorBackground_; }
    void SetColorBackground(const QColor& c) { colorBackground_ = c; }
    QColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(const QColor& c) { colorBorder_ = c; }
    int MaxHintWidth() const { return maxHintWidth_; }
    void SetMaxHintWidth(int w) { maxHintWidth_ = w; }
    QFont Font() const { return font_; }
    void SetFont(const QFont& f) { font_ = f; }
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& c) { fontColor_ = c; }

private:
    QColor colorBackground_{0xC5, 0xD6, 0xD9};
    QColor colorBorder_{0xA0, 0x96, 0x83};
    int maxHintWidth_ = 200;
    QFont font_;
    QColor fontColor_{Qt::black};
};

} // namespace fretlore
