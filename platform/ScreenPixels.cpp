#include "platform/ScreenPixels.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformscreen.h>
#include <xcb/xcb.h>

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
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;  // none on the offscreen platform
    const QWindow* handle = window->windowHandle();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !connection || !handle || !window->isVisible())
        return place;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
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
