// SPDX-License-Identifier: GPL-3.0-or-later
#include "flat/TFlatButtonUnit.h"

#include "flat/ButtonGlyph.h"
#include "platform/MessageTimer.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QShortcutEvent>

#include <algorithm>
#include <memory>

namespace fretlore {

namespace {

// Shared by every flat button: the hot button, the one timer that notices the
// mouse leaving it, and the number of live buttons (the last one to go takes
// the timer with it).
TFlatButton* trackedButton = nullptr;
std::unique_ptr<MessageTimer> trackTimer;
int buttonCount = 0;

constexpr int kTrackInterval = 100;

} // namespace

TFlatButton::TFlatButton(QWidget* parent) : QWidget(parent), colors_(*this, FlatLightFace, true)
{
    colors_.AddDerived(FlatLightFace, 10, AdvColorDirection::Lighter); // kFocused
    colors_.AddDerived(FlatDownFace, 10, AdvColorDirection::Darker);   // kDown
    colors_.AddDerived(FlatBorder, 50, AdvColorDirection::Darker);     // kBorder
    if (!trackTimer) {
        trackTimer = std::make_unique<MessageTimer>(nullptr, kTrackInterval, false);
        QObject::connect(trackTimer.get(), &MessageTimer::timeout, &TFlatButton::trackTick);
    }
    resize(25, 25);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    ++buttonCount;
}

TFlatButton::~TFlatButton()
{
    stopTracking();
    if (--buttonCount == 0)
        trackTimer.reset();
}

int TFlatButton::ButtonCount()
{
    return buttonCount;
}

bool TFlatButton::TrackTimerExists()
{
    return trackTimer != nullptr;
}

bool TFlatButton::TrackTimerRunning()
{
    return trackTimer && trackTimer->Enabled();
}

TFlatButton* TFlatButton::TrackedButton()
{
    return trackedButton;
}

void TFlatButton::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    updateShortcut();
    update();
}

void TFlatButton::SetFontColor(TColor c)
{
    fontColor_ = c;
    update();
}

void TFlatButton::SetColor(TColor c)
{
    colors_.SetBase(c);
    update();
}

void TFlatButton::SetParentColor(bool on)
{
    colors_.SetParentColor(on);
    update();
}

void TFlatButton::setDerivedColor(int slot, TColor c)
{
    colors_.SetDerived(slot, c);
    update();
}

void TFlatButton::SetColorFocused(TColor c)
{
    setDerivedColor(kFocused, c);
}

void TFlatButton::SetColorDown(TColor c)
{
    setDerivedColor(kDown, c);
}

void TFlatButton::SetColorBorder(TColor c)
{
    setDerivedColor(kBorder, c);
}

void TFlatButton::SetColorHighLight(TColor c)
{
    colorHighLight_ = c;
    update();
}

void TFlatButton::SetColorShadow(TColor c)
{
    colorShadow_ = c;
    update();
}

void TFlatButton::setAdvPercent(int slot, int percent)
{
    colors_.SetPercent(slot, percent);
    update();
}

void TFlatButton::SetAdvColorFocused(int percent)
{
    setAdvPercent(kFocused, percent);
}

void TFlatButton::SetAdvColorDown(int percent)
{
    setAdvPercent(kDown, percent);
}

void TFlatButton::SetAdvColorBorder(int percent)
{
    setAdvPercent(kBorder, percent);
}

void TFlatButton::SetUseAdvColors(bool on)
{
    if (colors_.SetUseAdvColors(on))
        update();
}

void TFlatButton::SetGroupIndex(int index)
{
    if (index == groupIndex_)
        return;
    groupIndex_ = index;
    notifyGroup();
}

void TFlatButton::SetDown(bool down)
{
    if (groupIndex_ == 0)
        down = false;
    if (down == down_ || (down_ && !allowAllUp_))
        return;
    down_ = down;
    if (down) {
        if (state_ == FlatButtonState::Up)
            update();
        state_ = FlatButtonState::Latched;
        notifyGroup();
    } else {
        state_ = FlatButtonState::Up;
        repaint();
    }
}

void TFlatButton::SetAllowAllUp(bool on)
{
    if (on == allowAllUp_)
        return;
    allowAllUp_ = on;
    notifyGroup();
}

void TFlatButton::notifyGroup()
{
    if (groupIndex_ == 0 || !parentWidget())
        return;
    const auto siblings = parentWidget()->findChildren<TFlatButton*>(QString(), Qt::FindDirectChildrenOnly);
    for (TFlatButton* b : siblings)
        if (b != this)
            b->groupNotification(groupIndex_, this);
}

void TFlatButton::groupNotification(int index, TFlatButton* sender)
{
    if (index != groupIndex_ || sender == this)
        return;
    if (sender->down_ && down_) {
        down_ = false;
        state_ = FlatButtonState::Up;
        update();
    }
    allowAllUp_ = sender->allowAllUp_;
}

void TFlatButton::SetGlyph(const QImage& glyph)
{
    if (glyph.cacheKey() == glyph_.cacheKey())
        return;
    glyph_ = glyph;
    if (!glyph_.isNull() && glyph_.height() > 0 && glyph_.width() % glyph_.height() == 0) {
        const int n = glyph_.width() / glyph_.height();
        numGlyphs_ = n > 4 ? 1 : n;
    }
    update();
}

void TFlatButton::SetNumGlyphs(int n)
{
    n = std::clamp(n, 1, 4);
    if (n == numGlyphs_)
        return;
    numGlyphs_ = n;
    update();
}

void TFlatButton::SetLayout(TButtonLayout layout)
{
    if (layout == layout_)
        return;
    layout_ = layout;
    update();
}

void TFlatButton::SetMargin(int margin)
{
    if (margin == margin_ || margin < -1)
        return;
    margin_ = margin;
    update();
}

void TFlatButton::SetSpacing(int spacing)
{
    if (spacing == spacing_)
        return;
    spacing_ = spacing;
    update();
}

void TFlatButton::SetTabStop(bool on)
{
    setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void TFlatButton::updateShortcut()
{
    for (int* id : {&altShortcutId_, &plainShortcutId_}) {
        if (*id != 0)
            releaseShortcut(*id);
        *id = 0;
    }
    // Alt+character always; the character alone too, which a focused text
    // field takes for itself (it claims the keys it types), so that there it
    // is typed rather than clicking the button.
    const QKeySequence accelerator = QKeySequence::mnemonic(caption_);
    if (accelerator.isEmpty())
        return;
    altShortcutId_ = grabShortcut(accelerator);
    plainShortcutId_ = grabShortcut(QKeySequence(accelerator[0].key()));
}

void TFlatButton::Click()
{
    QPointer<QDialog> dialog = parentWidget() ? qobject_cast<QDialog*>(window()) : nullptr;
    if (dialog)
        dialog->setResult(modalResult_);
    emit clicked();
    // A non-zero result closes a dialog once the click has been handled.
    if (dialog && dialog->isVisible() && dialog->result() != 0)
        dialog->done(dialog->result());
}

bool TFlatButton::event(QEvent* e)
{
    if (e->type() == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(e);
        const int id = se->shortcutId();
        if (id != 0 && (id == altShortcutId_ || id == plainShortcutId_) && isEnabled()) {
            Click();
            return true;
        }
    }
    return QWidget::event(e);
}

void TFlatButton::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    switch (e->type()) {
    case QEvent::EnabledChange:
        if (!isEnabled()) {
            mouseInControl_ = false;
            state_ = FlatButtonState::Disabled;
            stopTracking();
        }
        evaluateHover();
        update();
        break;
    case QEvent::FontChange:
        update();
        break;
    case QEvent::PaletteChange:
    case QEvent::ParentChange:
    case QEvent::ApplicationPaletteChange:
        // The parent's colour, the parent or the system's colours changed.
        colors_.PaletteChanged(true);
        update();
        break;
    default:
        break;
    }
}

// Mouse, hover and tracking.

bool TFlatButton::isUnderCursor(const QPoint& global) const
{
    // The topmost control there, disabled ones included.
    return QApplication::widgetAt(global) == this;
}

void TFlatButton::trackTick()
{
    if (trackedButton && !trackedButton->isUnderCursor(QCursor::pos()))
        trackedButton->mouseLeave();
}

void TFlatButton::startTracking()
{
    trackTimer->SetEnabled(false);
    trackedButton = this;
    trackTimer->SetEnabled(true);
}

void TFlatButton::stopTracking()
{
    if (trackedButton != this)
        return;
    if (trackTimer)
        trackTimer->SetEnabled(false);
    trackedButton = nullptr;
}

void TFlatButton::mouseEnter()
{
    if (!isEnabled() || mouseInControl_)
        return;
    mouseInControl_ = true;
    repaint();
    emit hotChanged(true);
}

void TFlatButton::mouseLeave()
{
    if (!isEnabled() || !mouseInControl_ || dragging_)
        return;
    mouseInControl_ = false;
    stopTracking();
    repaint();
    emit hotChanged(false);
}

void TFlatButton::evaluateHover()
{
    if (!isEnabled())
        return;
    const bool over = isUnderCursor(QCursor::pos()) && QApplication::activeWindow();
    if (over) {
        // Hot only while tracked, so that the shared timer notices the mouse leaving.
        if (trackedButton != this) {
            if (trackedButton)
                trackedButton->mouseLeave();
            startTracking();
        }
        mouseEnter();
    } else {
        mouseLeave();
        stopTracking();
    }
    mouseInControl_ = over;
    repaint();
}

void TFlatButton::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit mouseDown(e->button(), e->modifiers(), p.x(), p.y());
    if (e->button() != Qt::LeftButton || !isEnabled())
        return;
    if (!down_) {
        state_ = FlatButtonState::Pressed;
        repaint();
    }
    dragging_ = true;
    setFocus(Qt::MouseFocusReason);
}

void TFlatButton::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit mouseMove(e->modifiers(), p.x(), p.y());
    if (trackedButton != this && isUnderCursor(e->globalPosition().toPoint())) {
        if (trackedButton)
            trackedButton->mouseLeave();
        if (QApplication::activeWindow()) {
            startTracking();
            mouseEnter();
        }
    }
    if (dragging_) {
        // The bottom edge row (y = height) still counts as on the button, x = width does not.
        const bool on = p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() <= height();
        FlatButtonState next;
        if (down_)
            next = FlatButtonState::Latched;
        else
            next = on ? FlatButtonState::Pressed : FlatButtonState::Up;
        if (next != state_) {
            state_ = next;
            repaint();
        }
    }
}

void TFlatButton::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit mouseUp(e->button(), e->modifiers(), p.x(), p.y());
    if (!dragging_)
        return;
    dragging_ = false;
    const bool isClick = p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() <= height();
    if (groupIndex_ == 0) {
        state_ = FlatButtonState::Up;
        mouseInControl_ = false;
        if (isClick)
            repaint();
    } else if (isClick) {
        SetDown(!down_);
        if (down_)
            repaint();
    } else {
        if (down_)
            state_ = FlatButtonState::Latched;
        repaint();
    }
    QPointer<TFlatButton> self(this);
    if (isClick)
        Click();
    else
        mouseLeave();
    if (self)
        evaluateHover();
}

void TFlatButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double click is a press like the first.
    mousePressEvent(e);
    if (e->button() == Qt::LeftButton && down_)
        emit dblClicked();
}

// Painting.

int TFlatButton::glyphCell() const
{
    const int n = numGlyphs_;
    switch (state_) {
    case FlatButtonState::Up:
        break;
    case FlatButtonState::Disabled:
        return 2;
    case FlatButtonState::Pressed:
        return n == 2 ? 1 : 3;
    case FlatButtonState::Latched:
        return n == 2 ? 1 : n;
    }
    return 1;
}

TFlatButton::FaceColors TFlatButton::faceColors() const
{
    const TColor border = colors_.Derived(kBorder);
    const TColor focused = colors_.Derived(kFocused);
    const TColor down = colors_.Derived(kDown);
    switch (state_) {
    case FlatButtonState::Up:
        if (mouseInControl_)
            return {colorHighLight_, colorShadow_, focused};
        break;
    case FlatButtonState::Disabled:
        break;
    case FlatButtonState::Pressed:
        return {colorShadow_, colorHighLight_, down};
    case FlatButtonState::Latched:
        return {colorShadow_, colorHighLight_, mouseInControl_ ? focused : down};
    }
    return {border, border, colors_.Base()};
}

void TFlatButton::paintEvent(QPaintEvent*)
{
    const qreal dpr = devicePixelRatioF();
    QPixmap buffer(size() * dpr);
    buffer.setDevicePixelRatio(dpr);
    QPainter p(&buffer);
    p.setFont(font());

    const int pressOffset = (state_ == FlatButtonState::Pressed || state_ == FlatButtonState::Latched) ? 1 : 0;
    const GlyphTextLayout placed =
        LayoutGlyphAndText(font(), rect(), pressOffset, caption_, layout_, margin_, spacing_, glyph_, numGlyphs_);
    glyphPos_ = placed.GlyphPos;
    textBounds_ = placed.TextBounds;

    if (isEnabled()) {
        if (state_ == FlatButtonState::Disabled)
            state_ = (down_ && groupIndex_ != 0) ? FlatButtonState::Latched : FlatButtonState::Up;
    } else {
        state_ = FlatButtonState::Disabled;
        dragging_ = false;
    }

    const FaceColors colors = faceColors();
    const QColor first = ToQColor(colors.First);
    const QColor second = ToQColor(colors.Second);
    const int w = width();
    const int h = height();
    p.fillRect(0, 0, 1, h, first);
    p.fillRect(0, 0, w - 1, 1, first);
    p.fillRect(w - 1, 0, 1, h, second);
    p.fillRect(0, h - 1, w, 1, second);
    p.fillRect(1, 1, w - 2, h - 2, ToQColor(colors.Face));

    if (!glyph_.isNull() && glyph_.width() > 0) {
        const bool embossed = numGlyphs_ == 1 && state_ == FlatButtonState::Disabled;
        p.drawImage(glyphPos_, ButtonGlyphPicture(glyph_, numGlyphs_, glyphCell(), embossed));
    }

    constexpr int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (state_ == FlatButtonState::Disabled) {
        p.setPen(ToQColor(clBtnHighlight));
        p.drawText(textBounds_.translated(1, 1), flags, caption_);
        p.setPen(ToQColor(clBtnShadow));
        p.drawText(textBounds_, flags, caption_);
    } else {
        p.setPen(ToQColor(fontColor_));
        p.drawText(textBounds_, flags, caption_);
    }
    p.end();

    QPainter(this).drawPixmap(0, 0, buffer);
}

} // namespace fretlore
