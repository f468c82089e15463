// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CloseKey.h"

#include <QKeySequence>
#include <QObject>
#include <QShortcut>
#include <QWidget>

namespace fretlore {

void TakeCloseKey(QWidget* window)
{
    auto* key = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, &QWidget::close);
}

} // namespace fretlore
