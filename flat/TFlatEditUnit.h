#pragma once

#include <QColor>
#include <QLineEdit>

namespace fretlore {

// A flat single-line edit: a one-pixel outline in ColorBorder, a face in
// ColorFlat at rest and ColorFocused while focused.
class TFlatEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TFlatEdit(QWidget* parent);

    QColor ColorFocused() const { return colorFocused_; }
    void SetColorFocused(const QColor& c);
    QColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(const QColor& c);
    QColor ColorFlat() const { return colorFlat_; }
    void SetColorFlat(const QColor& c);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& c);

protected:
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void restyle();

    QColor colorFocused_{Qt::white};
    QColor colorBorder_{0xA0, 0x96, 0x83};
    QColor colorFlat_{Qt::white};
    QColor fontColor_{Qt::black};
};

} // namespace fretlore
