// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeepOnTop.h"

#include "platform/WindowManager.h"
#include "platform/X11Connection.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace fretlore {

KeepOnTop::KeepOnTop(QWidget* window) : QObject(window), window_(window)
{
    xcb_connection_t* connection = X11Connection();
    if (!connection)
        return;
    // Restacking and mapping of the root's children are told to those who ask
    // for the root's substructure; the program's own requests stay as they were.
    root_ = X11Root(connection);
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, root_), nullptr);
    if (!attributes)
        return;
    rootMask_ = attributes->your_event_mask;
    std::free(attributes);
    const uint32_t mask = rootMask_ | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
    QCoreApplication::instance()->installEventFilter(this);
    watching_ = true;
}

KeepOnTop::~KeepOnTop()
{
    if (!watching_)
        return;
    QCoreApplication::instance()->removeNativeEventFilter(this);
    if (xcb_connection_t* connection = X11Connection()) {
        xcb_change_window_attributes(connection, root_, XCB_CW_EVENT_MASK, &rootMask_);
        xcb_flush(connection);
    }
}

bool KeepOnTop::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t" || !window_->isVisible())
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    xcb_window_t moved = XCB_WINDOW_NONE;
    switch (event->response_type & 0x7f) {
    case XCB_CONFIGURE_NOTIFY: {
        const auto* configure = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        if (configure->event == root_)
            moved = configure->window;
        break;
    }
    case XCB_MAP_NOTIFY: {
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        if (map->event == root_)
            moved = map->window;
        break;
    }
    default:
        break;
    }
    if (moved == XCB_WINDOW_NONE)
        return false;
    // The program's own windows do not count: its balloons come and go over
    // this window, and two such windows would otherwise raise each other forever.
    const QWindowList own = QGuiApplication::allWindows();
    if (std::none_of(own.begin(), own.end(), [moved](const QWindow* w) {
            return w->handle() && static_cast<xcb_window_t>(w->winId()) == moved;
        }))
        window_->raise();
    return false;  // Qt handles the event as ever
}

bool KeepOnTop::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !window_->isVisible() || widget->window() == window_)
        return false;
    QWidget* target = window_->focusWidget() ? window_->focusWidget() : window_;
    const std::unique_ptr<QEvent> copy(event->clone());
    QCoreApplication::sendEvent(target, copy.get());
    return true;
}

void StayOnTop(QWidget* window)
{
    if (WindowManagerKeepsAbove())
        return;
    window->setWindowFlags(window->windowFlags() | Qt::X11BypassWindowManagerHint);
    new KeepOnTop(window);
}

} // namespace fretlore
