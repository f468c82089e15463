// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flat/FlatColors.h"
#include "platform/TColor.h"

#include <QComboBox>

class QPainter;

namespace fretlore {

// A combo box with the platform's own editing and drop-down list, drawn flat:
// a one-pixel outline in ColorBorder with a two-pixel band in Color around
// the field, and on the right a 13-pixel arrow button in ColorArrowBackground
// with a small triangle in ColorArrow that points down while the list is
// closed and up while it is open. The list shows in Color with rows
// ItemHeight (13) pixels high. Editable (a drop-down with an edit) unless
// setEditable(false) makes it a list-only box.
class TFlatComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TFlatComboBox(QWidget* parent);

    // Field and list background.
    TColor Color() const { return colors_.Base(); }
    void SetColor(TColor c);
    TColor ColorArrow() const { return colorArrow_; }
    void SetColorArrow(TColor c);
    TColor ColorArrowBackground() const { return colors_.Derived(kArrowBackground); }
    void SetColorArrowBackground(TColor c);
    TColor ColorBorder() const { return colors_.Derived(kBorder); }
    void SetColorBorder(TColor c);
    // The text's colour, in the field and in the list.
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor c);

    // With UseAdvColors, ColorBorder and ColorArrowBackground are derived
    // (darker) from the parent's colour by these percentages (0..100).
    int AdvColorBorder() const { return colors_.Percent(kBorder); }
    void SetAdvColorBorder(int percent);
    int AdvColorArrowBackground() const { return colors_.Percent(kArrowBackground); }
    void SetAdvColorArrowBackground(int percent);
    bool UseAdvColors() const { return colors_.UseAdvColors(); }
    void SetUseAdvColors(bool on);

    // The height of a list row; every font change sets it back to 13.
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int h);
    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int n) { setMaxVisibleItems(n); }

    bool ListOpen() const { return listOpen_; }
    // The list is open or the box (or its edit part) has the focus.
    bool Active() const { return active_; }
    // The arrow button: the rightmost 13 pixels, full height.
    QRect ArrowButtonRect() const;

    void showPopup() override;
    void hidePopup() override;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    // The slots of the colours UseAdvColors derives.
    enum { kBorder, kArrowBackground };

    void applyColors();
    void placeEditPart();
    void updateActive();
    void applyItemHeight(int first, int last);
    void paintFocusLook(QPainter& p);
    void paintBorderAndArrow(QPainter& p);

    FlatColors colors_;
    TColor colorArrow_ = clBlack;
    TColor fontColor_ = clWindowText;
    int itemHeight_ = 13;
    int nativeButtonWidth_ = 0;
    bool listOpen_ = false;
    bool active_ = false;
    bool applyingPalette_ = false;
};

} // namespace fretlore
