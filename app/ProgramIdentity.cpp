// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramIdentity.h"

#include "resources/PicturePaths.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

namespace fretlore {

void NameProgram()
{
    QCoreApplication::setApplicationName(QLatin1String(kProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(FRETLORE_VERSION));
    QGuiApplication::setApplicationDisplayName(QLatin1String(kProgramTitle));
    QGuiApplication::setDesktopFileName(QLatin1String(kProgramId));
}

void ShowProgramIcon()
{
    // The sizes a task bar or a window list shows; the larger ones are only
    // in the installed icon theme, so every window carries less to the display.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128})
        icon.addFile(PicturePaths::ProgramIcon(size), QSize(size, size));
    QGuiApplication::setWindowIcon(icon);
}

void NameWindowIcons()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->setWindowIconText(QLatin1String(kProgramTitle));
}

} // namespace fretlore
