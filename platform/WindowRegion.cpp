#include "platform/WindowRegion.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

namespace fretlore {

void SetWindowRgn(QWidget* window, const QRegion& region)
{
    if (!window->testAttribute(Qt::WA_WState_Created)) {
        window->setAttribute(Qt::WA_TranslucentBackground);
        // Its own background still fills the inside of the region.
        window->setAttribute(Qt::WA_NoSystemBackground, false);
    }
    window->setMask(region);
    window->update();
}

void ShowAndPaintNow(QWidget* window, int timeoutMs)
{
    window->show();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
        if (window->windowHandle() && window->windowHandle()->isExposed())
            break;
    }
    window->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace fretlore
