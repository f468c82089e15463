#pragma once

#include "flat/FlatUtilitys.h"

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

    QColor ColorFocused() const { return colorFocused_; }
    void SetColorFocused(const QColor& c);
    QColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(const QColor& c);
    // Setting it clears ParentColor.
    QColor ColorFlat() const { return colorFlat_; }
    void SetColorFlat(const QColor& c);
    // While set, ColorFlat follows the parent's background colour.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);
    // The text's colour.
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& c);

    // With UseAdvColors, ColorFocused (lighter) and ColorBorder (darker) are
    // derived from ColorFlat by these percentages (0..100).
    int AdvColorFocused() const { return advColorFocused_; }
    void SetAdvColorFocused(int percent);
    int AdvColorBorder() const { return advColorBorder_; }
    void SetAdvColorBorder(int percent);
    bool UseAdvColors() const { return useAdvColors_; }
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
    void redrawFrame();
    void recomputeAdvColors();
    void takeParentColor();
    void adjustHeight();
    void applyPalette(const QColor& background);

    QColor colorFocused_;
    QColor colorBorder_;
    QColor colorFlat_;
    QColor fontColor_;
    bool parentColor_ = false;
    TAdvColors advColorFocused_ = 10;
    TAdvColors advColorBorder_ = 50;
    bool useAdvColors_ = false;
    bool mouseOver_ = false;
    bool applyingPalette_ = false;
    bool enteredByMouse_ = false;
    int maxLength_ = 0;
};

} // namespace fretlore
