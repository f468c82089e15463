// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flat/FlatColors.h"
#include "platform/TColor.h"

#include <QColor>
#include <QLineEdit>

namespace fretlore {

// A single-line edit with the platform's own editing, framed by a one-pixel
// outline in ColorBorder and a two-pixel band. Band and background show
// ColorFlat, or ColorFocused while the edit has the focus or while the mouse
// is over it and the focus is not on another flat edit. The edit's height
// follows its font: the font's height plus 6. Entering the edit by Tab or by
// a click selects its text, so that typing replaces it.
class TFlatEdit : public QLineEdit {
    Q_OBJECT
public:
    // A new edit is 121 wide, takes the parent's font and, with ParentColor
    // set, the parent's colour as ColorFlat.
    explicit TFlatEdit(QWidget* parent);

    TColor ColorFocused() const { return colors_.Derived(kFocused); }
    void SetColorFocused(TColor c);
    TColor ColorBorder() const { return colors_.Derived(kBorder); }
    void SetColorBorder(TColor c);
    // Setting it clears ParentColor.
    TColor ColorFlat() const { return colors_.Base(); }
    void SetColorFlat(TColor c);
    // While set, ColorFlat follows the parent's background colour.
    bool ParentColor() const { return colors_.ParentColor(); }
    void SetParentColor(bool on);
    // The text's colour.
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor c);

    // With UseAdvColors, ColorFocused (lighter) and ColorBorder (darker) are
    // derived from ColorFlat by these percentages (0..100).
    int AdvColorFocused() const { return colors_.Percent(kFocused); }
    void SetAdvColorFocused(int percent);
    int AdvColorBorder() const { return colors_.Percent(kBorder); }
    void SetAdvColorBorder(int percent);
    bool UseAdvColors() const { return colors_.UseAdvColors(); }
    void SetUseAdvColors(bool on);

    // The most characters the edit holds, counted as the user sees them (an
    // emoji made of several code units is one); 0 is no limit. Input beyond it
    // is cut at a character boundary.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);

    bool MouseOver() const { return mouseOver_; }
    // Whether the focused look applies now (else the flat look).
    bool FocusedLook() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // The slots of the colours UseAdvColors derives.
    enum { kFocused, kBorder };

    void redrawFrame();
    void setAdvPercent(int slot, int percent);
    void adjustHeight();
    // The colour of the band and the background in the current look.
    QColor bandColor() const;
    void applyPalette(const QColor& background);

    TColor fontColor_ = clWindowText;
    FlatColors colors_;
    bool mouseOver_ = false;
    bool applyingPalette_ = false;
    bool enteredByMouse_ = false;
    int maxLength_ = 0;
};

} // namespace fretlore
