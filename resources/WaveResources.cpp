// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/WaveResources.h"

namespace fretlore {

QStringList WaveResourceNames()
{
    return {QStringLiteral("ENC_001"), QStringLiteral("ENC_002"), QStringLiteral("ENC_003"),
            QStringLiteral("ENC_004"), QStringLiteral("ENC_005")};
}

QString WaveResourcePath(const QString& resourceName)
{
    return QStringLiteral(":/sounds/") + resourceName + QStringLiteral(".wav");
}

} // namespace fretlore
