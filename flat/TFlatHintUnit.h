// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flat/TFlatHintWindow.h"
#include "platform/MessageTimer.h"
#include "platform/TColor.h"

#include <QFont>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace fretlore {

// What a show-hint handler learns about the hint about to show.
struct THintInfo {
    QWidget* HintControl = nullptr; // the control whose hint it is
    QPoint CursorPos;               // screen coordinates
    int HintMaxWidth = 0;
};

// The application's hints: once created, every control hint (a widget's
// toolTip) of every window shows in a TFlatHintWindow in this component's
// colours and font instead of the toolkit's tool tip. The first hint comes
// HintPause (500 ms) after the mouse settles on a control with a hint; moving
// on to another such control while a hint shows takes HintShortPause (25 ms);
// a hint stays HintHidePause (5000 ms). A press, a key, the mouse leaving the
// window or a control without a hint ends it.
//
// The machinery is an application-wide event filter owned by this component;
// the last one created serves the application, and destroying it hands the
// hints back to the toolkit.
class TFlatHint : public QObject {
    Q_OBJECT
public:
    explicit TFlatHint(QObject* parent);
    ~TFlatHint() override;

    // The component that serves the application's hints, if any.
    static TFlatHint* Current();

    // The colours apply from the next hint on.
    TColor ColorBackground() const { return colors_.Background; }
    void SetColorBackground(TColor c) { colors_.Background = c; }
    TColor ColorBorder() const { return colors_.Border; }
    void SetColorBorder(TColor c) { colors_.Border = c; }
    TColor ColorArrowBackground() const { return colors_.ArrowBackground; }
    void SetColorArrowBackground(TColor c) { colors_.ArrowBackground = c; }
    TColor ColorArrow() const { return colors_.Arrow; }
    void SetColorArrow(TColor c) { colors_.Arrow = c; }
    // The width, outline and band included, up to which the text is wrapped;
    // a single word wider than that makes the box wider.
    int MaxHintWidth() const { return maxHintWidth_; }
    void SetMaxHintWidth(int w) { maxHintWidth_ = w; }
    QFont Font() const { return font_; }
    void SetFont(const QFont& f) { font_ = f; }
    // The text's colour (the font's colour).
    TColor FontColor() const { return colors_.Font; }
    void SetFontColor(TColor c) { colors_.Font = c; }
    const THintColors& Colors() const { return colors_; }

    // Called before every hint shows; it may change the text or veto the hint.
    using ShowHintHandler = std::function<void(QString& hintText, bool& canShow, THintInfo& info)>;
    void SetOnShowHint(ShowHintHandler handler) { onShowHint_ = std::move(handler); }

    // The application's hint timings, in milliseconds.
    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }
    int HintShortPause() const { return hintShortPause_; }
    void SetHintShortPause(int ms) { hintShortPause_ = ms; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int ms) { hintHidePause_ = ms; }

    // Hides a hint that shows and starts the hint cycle again from the next
    // mouse movement (after the full pause).
    void CancelHint();

    // The control whose hint is pending or showing, and the hint window.
    QWidget* HintControl() const { return hintControl_; }
    TFlatHintWindow* HintWindow() const { return window_.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void mouseMoved(const QPoint& global);
    void showHint();
    void hideHint();
    static QWidget* hintControlAt(const QPoint& global);

    THintColors colors_;
    int maxHintWidth_ = 200;
    QFont font_;
    ShowHintHandler onShowHint_;
    int hintPause_ = 500;
    int hintShortPause_ = 25;
    int hintHidePause_ = 5000;

    std::unique_ptr<TFlatHintWindow> window_;
    QPointer<QWidget> hintControl_;
    bool hintActive_ = false; // a hint showed lately: the next one comes after the short pause
    MessageTimer showTimer_;
    MessageTimer hideTimer_;
};

} // namespace fretlore
