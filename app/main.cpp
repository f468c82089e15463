// Program entry: the application title, the five windows, the message loop.
#include "app/Windows.h"
#include "platform/FontSubstitutes.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fretlore PRO"));
    QApplication::setApplicationDisplayName(QStringLiteral("Fretlore PRO"));
    fretlore::InstallFontSubstitutes();

    fretlore::Windows windows;
    windows.Form1.show();  // parked off screen until the splash goes
    return QApplication::exec();
}
