// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flat/FlatColors.h"
#include "flat/FlatUtilitys.h"
#include "platform/TColor.h"

#include <QImage>
#include <QString>
#include <QWidget>

namespace fretlore {

// A push button that draws itself: a one-pixel outline, a flat face, an
// optional glyph and a one-line caption ("&" marks the accelerator: Alt and
// the character click an enabled button, and so does the character alone
// while the focus is not in a text field; a disabled button lets the key go
// on to the focused control). It looks
// hot while the mouse is over it, sunken while held down and latched when it
// is the down member of a group; every colour is a property.
//
// Hover is noticed when the mouse moves onto a button and lost through one
// 100 ms timer shared by all flat buttons: it exists while at least one flat
// button exists and runs only while a button is tracked. A button becomes hot
// only while the application has an active window.
class TFlatButton : public QWidget {
    Q_OBJECT
public:
    enum class FlatButtonState { Up, Disabled, Pressed, Latched };

    // A new button is 25 x 25 and takes its colour and font from the parent.
    explicit TFlatButton(QWidget* parent);
    ~TFlatButton() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // The caption's colour (the font's colour).
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor c);

    // The face at rest; setting it clears ParentColor.
    TColor Color() const { return colors_.Base(); }
    void SetColor(TColor c);
    // While set, Color follows the parent's background colour.
    bool ParentColor() const { return colors_.ParentColor(); }
    void SetParentColor(bool on);

    TColor ColorFocused() const { return colors_.Derived(kFocused); }
    void SetColorFocused(TColor c);
    TColor ColorDown() const { return colors_.Derived(kDown); }
    void SetColorDown(TColor c);
    TColor ColorBorder() const { return colors_.Derived(kBorder); }
    void SetColorBorder(TColor c);
    TColor ColorHighLight() const { return colorHighLight_; }
    void SetColorHighLight(TColor c);
    TColor ColorShadow() const { return colorShadow_; }
    void SetColorShadow(TColor c);

    // Percentages (0..100, larger values are taken as 100) from which, with
    // UseAdvColors, ColorFocused (lighter), ColorDown and ColorBorder (darker)
    // are derived from Color.
    int AdvColorFocused() const { return colors_.Percent(kFocused); }
    void SetAdvColorFocused(int percent);
    int AdvColorDown() const { return colors_.Percent(kDown); }
    void SetAdvColorDown(int percent);
    int AdvColorBorder() const { return colors_.Percent(kBorder); }
    void SetAdvColorBorder(int percent);
    bool UseAdvColors() const { return colors_.UseAdvColors(); }
    void SetUseAdvColors(bool on);

    // Buttons with the same non-zero GroupIndex on one parent form a group in
    // which at most one is Down; AllowAllUp is shared by the group.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool Down() const { return down_; }
    void SetDown(bool down);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool on);

    // A picture of NumGlyphs equal cells side by side (up, disabled, pressed,
    // latched); its bottom-left pixel's colour is transparent. Setting a
    // glyph whose width is a whole multiple of its height sets NumGlyphs to
    // that multiple, or 1 when it exceeds 4.
    QImage Glyph() const { return glyph_; }
    void SetGlyph(const QImage& glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int n);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    // -1 is automatic; values below -1 are ignored.
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);

    // Given to the containing window on every click (a dialog's result; a
    // non-zero value also closes a dialog).
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // Whether Tab reaches the button (off by default; a press always focuses it).
    bool TabStop() const { return focusPolicy() == Qt::StrongFocus; }
    void SetTabStop(bool on);

    // Gives the window the modal result, then emits clicked().
    void Click();

    FlatButtonState State() const { return state_; }
    bool MouseInControl() const { return mouseInControl_; }
    bool Dragging() const { return dragging_; }
    // Results of the last painting's layout.
    QPoint GlyphPos() const { return glyphPos_; }
    QRect TextBounds() const { return textBounds_; }

    // The state all flat buttons share.
    static int ButtonCount();
    static bool TrackTimerExists();
    static bool TrackTimerRunning();
    static TFlatButton* TrackedButton();

signals:
    void clicked();
    // A left double click on a button that is Down.
    void dblClicked();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void mouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // The button became hot (true) or stopped being hot (false).
    void hotChanged(bool hot);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    static void trackTick();
    bool isUnderCursor(const QPoint& global) const;
    void startTracking();
    void stopTracking();
    void mouseEnter();
    void mouseLeave();
    void evaluateHover();
    void notifyGroup();
    void groupNotification(int index, TFlatButton* sender);
    void setDerivedColor(int slot, TColor c);
    void setAdvPercent(int slot, int percent);
    void updateShortcut();
    // The glyph cell (1..4) for the state.
    int glyphCell() const;
    // The outline's top-left and bottom-right colours and the face for the
    // state: the outline's top and left are drawn in First, its bottom and
    // right (with the top-right and bottom-left corners) in Second.
    struct FaceColors {
        TColor First;
        TColor Second;
        TColor Face;
    };
    FaceColors faceColors() const;

    // The slots of the colours UseAdvColors derives.
    enum { kFocused, kDown, kBorder };

    QString caption_;
    TColor fontColor_ = clWindowText;
    FlatColors colors_;
    TColor colorHighLight_ = clWhite;
    TColor colorShadow_ = clBlack;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    QImage glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphTop;
    int margin_ = -1;
    int spacing_ = 4;
    int modalResult_ = 0;
    int altShortcutId_ = 0;    // Alt+accelerator
    int plainShortcutId_ = 0;  // the accelerator alone

    FlatButtonState state_ = FlatButtonState::Up;
    bool mouseInControl_ = false;
    bool dragging_ = false;
    QPoint glyphPos_;
    QRect textBounds_;
};

} // namespace fretlore
