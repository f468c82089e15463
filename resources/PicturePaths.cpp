// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/PicturePaths.h"

namespace fretlore::PicturePaths {

QStringList all()
{
    QStringList paths;
    for (const char* path : {Stratocaster, MainMask, Splash, SplashMask, Kestrune, Ultimate,
                             Play, Author, Www, Mail, Exclamation, ChordTemplate})
        paths << QString::fromLatin1(path);
    return paths;
}

QString ProgramIcon(int size)
{
    return QStringLiteral(":/pictures/program_%1.png").arg(size);
}

} // namespace fretlore::PicturePaths
