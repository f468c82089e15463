// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/GraphicControl.h"
#include "flat/FlatColors.h"
#include "platform/TColor.h"

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
    TColor Color() const { return colors_.Base(); }
    void SetColor(TColor c);
    bool ParentColor() const { return colors_.ParentColor(); }
    void SetParentColor(bool on);
    TColor ColorElement() const { return colorElement_; }
    void SetColorElement(TColor c);
    TColor ColorBorder() const { return colors_.Derived(kBorder); }
    void SetColorBorder(TColor c);
    // With UseAdvColors, ColorBorder is derived (darker) from Color by this percentage.
    int AdvColorBorder() const { return colors_.Percent(kBorder); }
    void SetAdvColorBorder(int percent);
    bool UseAdvColors() const { return colors_.UseAdvColors(); }
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
    void SetRange(int min, int max);

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
    // The slot of the colour UseAdvColors derives.
    enum { kBorder };

    void snapLength();
    int length() const;

    FlatColors colors_;
    TColor colorElement_ = FlatElement;
    TProgressBarOrientation orientation_ = pbHorizontal;
    bool smooth_ = false;
    int position_ = 0;
    int min_ = 0;
    int max_ = 100;
    int step_ = 10;
};

} // namespace fretlore
