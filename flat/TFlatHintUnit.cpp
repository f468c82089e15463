// SPDX-License-Identifier: GPL-3.0-or-later
#include "flat/TFlatHintUnit.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace fretlore {

namespace {

// The component serving the application's hints: the last one created.
TFlatHint* currentHint = nullptr;

} // namespace

TFlatHint::TFlatHint(QObject* parent)
    : QObject(parent), showTimer_(nullptr, 500, false), hideTimer_(nullptr, 5000, false)
{
    window_ = std::make_unique<TFlatHintWindow>();
    connect(&showTimer_, &MessageTimer::timeout, this, &TFlatHint::showHint);
    connect(&hideTimer_, &MessageTimer::timeout, this, [this] {
        hideHint();
        hintActive_ = false;
    });
    currentHint = this;
    if (qApp)
        qApp->installEventFilter(this);
}

TFlatHint::~TFlatHint()
{
    if (currentHint == this)
        currentHint = nullptr;
}

TFlatHint* TFlatHint::Current()
{
    return currentHint;
}

QWidget* TFlatHint::hintControlAt(const QPoint& global)
{
    // The control under the mouse, disabled ones included, or the nearest
    // container that has a hint.
    QWidget* w = QApplication::widgetAt(global);
    while (w && w->toolTip().isEmpty() && !w->isWindow())
        w = w->parentWidget();
    if (w && w->toolTip().isEmpty())
        return nullptr;
    return w;
}

bool TFlatHint::eventFilter(QObject* watched, QEvent* e)
{
    if (currentHint != this)
        return false;
    switch (e->type()) {
    case QEvent::ToolTip:
        // Our hints replace the toolkit's tool tips.
        return true;
    case QEvent::MouseMove:
        if (watched->isWindowType() || watched->isWidgetType()) {
            const auto* me = static_cast<QMouseEvent*>(e);
            if (me->buttons() == Qt::NoButton)
                mouseMoved(me->globalPosition().toPoint());
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::WindowDeactivate:
        CancelHint();
        break;
    case QEvent::Leave:
        if (watched->isWindowType() && watched != window_->windowHandle())
            CancelHint();
        break;
    default:
        break;
    }
    return false;
}

void TFlatHint::mouseMoved(const QPoint& global)
{
    QWidget* control = hintControlAt(global);
    if (!control) {
        CancelHint();
        return;
    }
    if (control == hintControl_)
        return;
    const bool wasActive = hintActive_;
    CancelHint();
    hintActive_ = wasActive;
    hintControl_ = control;
    showTimer_.SetInterval(wasActive ? hintShortPause_ : hintPause_);
    showTimer_.SetEnabled(true);
}

void TFlatHint::showHint()
{
    showTimer_.SetEnabled(false);
    if (!hintControl_)
        return;
    THintInfo info;
    info.HintControl = hintControl_;
    info.CursorPos = QCursor::pos();
    info.HintMaxWidth = maxHintWidth_;
    QString text = hintControl_->toolTip();
    bool canShow = true;
    if (onShowHint_)
        onShowHint_(text, canShow, info);
    if (!canShow || text.isEmpty())
        return;
    const QScreen* screen = QGuiApplication::screenAt(info.CursorPos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    window_->ActivateHint(text, this, info.CursorPos, screenRect);
    hintActive_ = true;
    hideTimer_.SetEnabled(false);
    hideTimer_.SetInterval(hintHidePause_);
    hideTimer_.SetEnabled(true);
}

void TFlatHint::hideHint()
{
    hideTimer_.SetEnabled(false);
    window_->hide();
}

void TFlatHint::CancelHint()
{
    showTimer_.SetEnabled(false);
    hideHint();
    hintControl_ = nullptr;
    hintActive_ = false;
}

} // namespace fretlore
