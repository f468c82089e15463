#include "flat/TFlatButtonUnit.h"

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

TAdvColors percentOf(int percent)
{
    return TAdvColors(std::clamp(percent, 0, 100));
}

// The image with every pixel of `transparent` made fully transparent.
QImage withTransparentColor(const QImage& image, QRgb transparent)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent | 0xFF000000u;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
    }
    return out;
}

} // namespace

TFlatButton::TFlatButton(QWidget* parent) : QWidget(parent)
{
    if (!trackTimer) {
        trackTimer = std::make_unique<MessageTimer>(nullptr, kTrackInterval, false);
        QObject::connect(trackTimer.get(), &MessageTimer::timeout, &TFlatButton::trackTick);
    }
    resize(25, 25);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    fontColor_ = ColorOf(clWindowText);
    colorFocused_ = ColorOf(FlatLightFace);
    colorDown_ = ColorOf(FlatDownFace);
    colorBorder_ = ColorOf(FlatBorder);
    colorHighLight_ = ColorOf(clWhite);
    colorShadow_ = ColorOf(clBlack);
    color_ = ColorOf(FlatLightFace);
    takeParentColor();
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

void TFlatButton::SetFontColor(const QColor& c)
{
    fontColor_ = c;
    update();
}

void TFlatButton::SetColor(const QColor& c)
{
    color_ = c;
    parentColor_ = false;
    update();
}

void TFlatButton::SetParentColor(bool on)
{
    parentColor_ = on;
    if (on)
        takeParentColor();
    update();
}

void TFlatButton::takeParentColor()
{
    if (parentColor_ && parentWidget())
        color_ = parentWidget()->palette().color(parentWidget()->backgroundRole());
}

void TFlatButton::SetColorFocused(const QColor& c)
{
    colorFocused_ = c;
    update();
}

void TFlatButton::SetColorDown(const QColor& c)
{
    colorDown_ = c;
    update();
}

void TFlatButton::SetColorBorder(const QColor& c)
{
    colorBorder_ = c;
    update();
}

void TFlatButton::SetColorHighLight(const QColor& c)
{
    colorHighLight_ = c;
    update();
}

void TFlatButton::SetColorShadow(const QColor& c)
{
    colorShadow_ = c;
    update();
}

void TFlatButton::SetAdvColorFocused(int percent)
{
    advColorFocused_ = percentOf(percent);
    recomputeAdvColors();
    update();
}

void TFlatButton::SetAdvColorDown(int percent)
{
    advColorDown_ = percentOf(percent);
    recomputeAdvColors();
    update();
}

void TFlatButton::SetAdvColorBorder(int percent)
{
    advColorBorder_ = percentOf(percent);
    recomputeAdvColors();
    update();
}

void TFlatButton::SetUseAdvColors(bool on)
{
    if (on == useAdvColors_)
        return;
    useAdvColors_ = on;
    SetParentColor(on);
    recomputeAdvColors();
    update();
}

void TFlatButton::recomputeAdvColors()
{
    if (!useAdvColors_)
        return;
    colorFocused_ = DeriveAdvColor(color_, colorFocused_, advColorFocused_, AdvColorDirection::Lighter);
    colorDown_ = DeriveAdvColor(color_, colorDown_, advColorDown_, AdvColorDirection::Darker);
    colorBorder_ = DeriveAdvColor(color_, colorBorder_, advColorBorder_, AdvColorDirection::Darker);
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
        // The parent's colour changed (or the parent did).
        takeParentColor();
        [[fallthrough]];
    case QEvent::ApplicationPaletteChange:
        if (useAdvColors_) {
            SetParentColor(true);
            recomputeAdvColors();
        }
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

QImage TFlatButton::glyphCell() const
{
    const int n = numGlyphs_;
    if (n <= 1)
        return glyph_;
    int cell = 1;
    switch (state_) {
    case FlatButtonState::Up:
        cell = 1;
        break;
    case FlatButtonState::Disabled:
        cell = 2;
        break;
    case FlatButtonState::Pressed:
        cell = n == 2 ? 1 : 3;
        break;
    case FlatButtonState::Latched:
        cell = n == 2 ? 1 : n;
        break;
    }
    const int w = glyph_.width() / n;
    return glyph_.copy((cell - 1) * w, 0, w, glyph_.height());
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

    // Outline: top and left in the first colour, bottom and right (with the
    // top-right and bottom-left corners) in the second.
    QColor first = colorBorder_;
    QColor second = colorBorder_;
    QColor face = color_;
    switch (state_) {
    case FlatButtonState::Up:
        if (mouseInControl_) {
            first = colorHighLight_;
            second = colorShadow_;
            face = colorFocused_;
        }
        break;
    case FlatButtonState::Disabled:
        break;
    case FlatButtonState::Pressed:
        first = colorShadow_;
        second = colorHighLight_;
        face = colorDown_;
        break;
    case FlatButtonState::Latched:
        first = colorShadow_;
        second = colorHighLight_;
        face = mouseInControl_ ? colorFocused_ : colorDown_;
        break;
    }
    const int w = width();
    const int h = height();
    p.fillRect(0, 0, 1, h, first);
    p.fillRect(0, 0, w - 1, 1, first);
    p.fillRect(w - 1, 0, 1, h, second);
    p.fillRect(0, h - 1, w, 1, second);
    p.fillRect(1, 1, w - 2, h - 2, face);

    if (!glyph_.isNull() && glyph_.width() > 0) {
        QImage cell = glyphCell();
        QRgb transparent = glyph_.pixel(0, glyph_.height() - 1);
        if (numGlyphs_ == 1 && state_ == FlatButtonState::Disabled) {
            cell = MakeDisabledGlyph(cell, ColorOf(clBlack), ColorOf(clBtnFace), ColorOf(clBtnHighlight),
                                     ColorOf(clBtnShadow), true);
            transparent = cell.pixel(0, cell.height() - 1);
        }
        p.drawImage(glyphPos_, withTransparentColor(cell, transparent));
    }

    constexpr int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (state_ == FlatButtonState::Disabled) {
        p.setPen(ColorOf(clBtnHighlight));
        p.drawText(textBounds_.translated(1, 1), flags, caption_);
        p.setPen(ColorOf(clBtnShadow));
        p.drawText(textBounds_, flags, caption_);
    } else {
        p.setPen(fontColor_);
        p.drawText(textBounds_, flags, caption_);
    }
    p.end();

    QPainter(this).drawPixmap(0, 0, buffer);
}

} // namespace fretlore
