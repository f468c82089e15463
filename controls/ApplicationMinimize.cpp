// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ApplicationMinimize.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <utility>

namespace fretlore {

ApplicationMinimize::ApplicationMinimize(QObject* parent) : QObject(parent) {}

void ApplicationMinimize::Minimize()
{
    forget();  // an earlier group that never came back whole is not restored now
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            windows_.append(w);
    }
    for (const QPointer<QWidget>& w : windows_) {
        w->installEventFilter(this);
        w->showMinimized();
    }
}

bool ApplicationMinimize::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        auto* w = static_cast<QWidget*>(watched);
        if (!(w->windowState() & Qt::WindowMinimized))
            restoreAll();
    }
    return QObject::eventFilter(watched, event);
}

QList<QPointer<QWidget>> ApplicationMinimize::forget()
{
    QList<QPointer<QWidget>> windows = std::exchange(windows_, {});
    for (const QPointer<QWidget>& w : windows)
        if (w)
            w->removeEventFilter(this);
    return windows;
}

void ApplicationMinimize::restoreAll()
{
    for (const QPointer<QWidget>& w : forget())
        if (w && (w->windowState() & Qt::WindowMinimized))
            w->showNormal();
}

} // namespace fretlore
