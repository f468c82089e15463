#pragma once

#include <QColor>
#include <QProgressBar>

namespace fretlore {

// A flat progress bar: a one-pixel outline in ColorBorder and the elapsed part
// in ColorElement, smooth or in blocks, between Min and Max.
class TFlatProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit TFlatProgressBar(QWidget* parent);

    QColor ColorElement() const { return colorElement_; }
    void SetColorElement(const QColor& c);
    QColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(const QColor& c);
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool on);

    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    int Position() const { return value(); }
    // Stores the position and repaints at once.
    void SetPosition(int position);

protected:
    void paintEvent(QPaintEvent* e) override;

private:

    QColor colorElement_{0xA0, 0x96, 0x83};
    QColor colorBorder_{0xA0, 0x96, 0x83};
    bool smooth_ = false;
};

} // namespace fretlore
