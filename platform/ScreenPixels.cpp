// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScreenPixels.h"

#include "platform/X11Connection.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformscreen.h>

#include <cstdlib>

namespace fretlore {

QSize ScreenPixelSize(const QScreen* screen)
{
    if (!screen)
        return {};
    if (const QPlatformScreen* native = screen->handle())
        return native->geometry().size();
    return (QSizeF(screen->size()) * screen->devicePixelRatio()).toSize();
}

QRect WindowOnScreen(const QWidget* window)
{
    QRect place = window->geometry();
    xcb_connection_t* connection = X11Connection();
    const QWindow* handle = window->windowHandle();
    if (!connection || !handle || !window->isVisible())
        return place;
    const xcb_window_t root = X11Root(connection);
    const xcb_translate_coordinates_cookie_t cookie =
        xcb_translate_coordinates(connection, static_cast<xcb_window_t>(handle->winId()), root, 0, 0);
    if (xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(connection, cookie, nullptr)) {
        place.moveTopLeft((QPointF(reply->dst_x, reply->dst_y) / handle->devicePixelRatio()).toPoint());
        std::free(reply);
    }
    return place;
}

QPoint CentredOnPrimaryScreen(const QSize& size)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect area = screen->geometry();
    return {area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2};
}

} // namespace fretlore
