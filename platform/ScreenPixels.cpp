#include "platform/ScreenPixels.h"

#include <QScreen>
#include <qpa/qplatformscreen.h>

namespace fretlore {

QSize ScreenPixelSize(const QScreen* screen)
{
    if (!screen)
        return {};
    if (const QPlatformScreen* native = screen->handle())
        return native->geometry().size();
    return (QSizeF(screen->size()) * screen->devicePixelRatio()).toSize();
}

} // namespace fretlore
