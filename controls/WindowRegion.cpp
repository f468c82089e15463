// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/WindowRegion.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

namespace fretlore {

void SetWindowRgn(QWidget* window, const QRegion& region)
{
    window->setMask(region);
    if (!window->testAttribute(Qt::WA_WState_Created)) {
        // Not every display cuts a window's content to its region (Wayland,
        // compositors that ignore the X shape): the window gets an alpha
        // channel, and nothing of it is painted outside the region. Its own
        // background is drawn by a backdrop cut to the region, and each
        // control that reaches beyond the region is cut to it as well.
        window->setAttribute(Qt::WA_TranslucentBackground);
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow())
                continue;
            const QRegion inside = region.translated(-child->pos()) & child->rect();
            if (inside != QRegion(child->rect()))  // an empty mask would mean none: cut all away instead
                child->setMask(inside.isEmpty() ? QRegion(-1, -1, 1, 1) : inside);
        }
        auto* backdrop = new QWidget(window);
        backdrop->setObjectName(QStringLiteral("RegionBackdrop"));
        backdrop->setAttribute(Qt::WA_TransparentForMouseEvents);
        backdrop->setAutoFillBackground(true);
        backdrop->setGeometry(window->rect());
        backdrop->setMask(region);
        backdrop->lower();
    }
    window->update();
}

void ShowWindowFirst(QWidget* window)
{
    QWidgetList controls;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !child->isHidden()) {
            child->hide();
            controls << child;
        }
    }
    window->show();
    for (QWidget* control : controls)
        control->show();
}

void PaintNow(QWidget* window, int timeoutMs)
{
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
