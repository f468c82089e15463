#pragma once

#include <QColor>
#include <QComboBox>

namespace fretlore {

// A flat combo box with an editable text: a one-pixel outline in ColorBorder,
// the face in Color, and an arrow button in ColorArrow on ColorArrowBackground.
class TFlatComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TFlatComboBox(QWidget* parent);

    QColor Color() const { return color_; }
    void SetColor(const QColor& c);
    QColor ColorArrow() const { return colorArrow_; }
    void SetColorArrow(const QColor& c);
    QColor ColorArrowBackground() const { return colorArrowBackground_; }
    void SetColorArrowBackground(const QColor& c);
    QColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(const QColor& c);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& c);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    static constexpr int kArrowWidth = 16;
    void restyle();

    QColor color_{Qt::white};
    QColor colorArrow_{Qt::black};
    QColor colorArrowBackground_{0xC5, 0xD6, 0xD9};
    QColor colorBorder_{0xA0, 0x96, 0x83};
    QColor fontColor_{Qt::black};
};

} // namespace fretlore
