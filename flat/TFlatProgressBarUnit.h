#pragma once

#include "flat/FlatUtilitys.h"
#include "controls/GraphicControl.h"

#include <QColor>

namespace fretlore {

enum TProgressBarOrientation { pbHorizontal, pbVertical };

// A progress indicator drawn flat: a one-pixel outline in ColorBorder around
// a background in Color, and inside either one solid bar (Smooth) or a row of
// 8-pixel blocks one pixel apart, in ColorElement, filling left to right
// (pbHorizontal) or bottom to top (pbVertical). Position is read as a
// percentage; Min, Max and Step are kept but do not change the drawing. A
// stepped bar keeps its length at 9k + 3 pixels (at least 12). Mouse events
// come through events().
class TFlatProgressBar : public GraphicControl {
    Q_OBJECT
public:
    // A new bar is 147 x 16 and takes its parent's colour.
    explicit TFlatProgressBar(QWidget* parent);

    // The background; setting it clears ParentColor.
    QColor Color() const { return color_; }
    void SetColor(const QColor& c);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);
    QColor ColorElement() const { return colorElement_; }
    void SetColorElement(const QColor& c);
    QColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(const QColor& c);
    // With UseAdvColors, ColorBorder is derived (darker) from Color by this percentage.
    int AdvColorBorder() const { return advColorBorder_; }
    void SetAdvColorBorder(int percent);
    bool UseAdvColors() const { return useAdvColors_; }
    void SetUseAdvColors(bool on);

    // Changing the orientation swaps width and height.
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation orientation);
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool on);

    // These repaint at once when they change, so a caller inside a long loop
    // sees the bar move. Values are not clamped.
    int Position() const { return position_; }
    void SetPosition(int position);
    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
    int Step() const { return step_; }
    void SetStep(int step);
    // Sets Min and Max.
    void setRange(int min, int max);

    // The stepped bar's geometry: the number of blocks that fit and how many
    // are lit for the current Position.
    int BlockCount() const;
    int LitBlocks() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    static constexpr int kBlockWidth = 8;
    void snapLength();
    void recomputeAdvColors();
    void takeParentColor();
    int length() const;

    QColor color_;
    bool parentColor_ = true;
    QColor colorElement_;
    QColor colorBorder_;
    TAdvColors advColorBorder_ = 50;
    bool useAdvColors_ = false;
    TProgressBarOrientation orientation_ = pbHorizontal;
    bool smooth_ = false;
    int position_ = 0;
    int min_ = 0;
    int max_ = 100;
    int step_ = 10;
};

} // namespace fretlore
