// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ModulePath.h"

#include <QFileInfo>

namespace fretlore {

QString ModuleFileName()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

QString ExeDirOf(const QString& modulePath)
{
    QString dir = modulePath;
    while (!dir.isEmpty() && !dir.endsWith(u'/'))
        dir.chop(1);
    return dir;
}

} // namespace fretlore
