#pragma once

#include "flat/FlatUtilitys.h"

#include <QColor>
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
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& c);

    // The face at rest; setting it clears ParentColor.
    QColor Color() const { return color_; }
    void SetColor(const QColor& c);
    // While set, Color follows the parent's background colour.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);

    QColor ColorFocused() const { return colorFocused_; }
    void SetColorFocused(const QColor& c);
    QColor ColorDown() const { return colorDown_; }
    void SetColorDown(const QColor& c);
    QColor ColorBorder() const { return colorBorder_; }
    void SetColorBorder(const QColor& c);
    QColor ColorHighLight() const { return colorHighLight_; }
    void SetColorHighLight(const QColor& c);
    QColor ColorShadow() const { return colorShadow_; }
    void SetColorShadow(const QColor& c);

    // Percentages (0..100, larger values are taken as 100) from which, with
    // UseAdvColors, ColorFocused (lighter), ColorDown and ColorBorder (darker)
    // are derived from Color.
    int AdvColorFocused() const { return advColorFocused_; }
    void SetAdvColorFocused(int percent);
    int AdvColorDown() const { return advColorDown_; }
    void SetAdvColorDown(int percent);
    int AdvColorBorder() const { return advColorBorder_; }
    void SetAdvColorBorder(int percent);
    bool UseAdvColors() const { return useAdvColors_; }
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
    void recomputeAdvColors();
    void takeParentColor();
    void updateShortcut();
    QImage glyphCell() const;

    QString caption_;
    QColor fontColor_;
    QColor color_;
    bool parentColor_ = true;
    QColor colorFocused_;
    QColor colorDown_;
    QColor colorBorder_;
    QColor colorHighLight_;
    QColor colorShadow_;
    TAdvColors advColorFocused_ = 10;
    TAdvColors advColorDown_ = 10;
    TAdvColors advColorBorder_ = 50;
    bool useAdvColors_ = false;
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
