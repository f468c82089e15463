// Program entry: the application title, the five windows, the message loop.
#include "app/Windows.h"
#include "platform/DisplayPlatform.h"
#include "platform/FontConfigWarmUp.h"
#include "platform/FontSubstitutes.h"
#include "platform/TApplication.h"

int main(int argc, char* argv[])
{
    fretlore::ChooseDisplayPlatform();
    fretlore::FontConfigWarmUp fontConfig;  // read while the application connects to the display
    fretlore::TApplication app(argc, argv);
    fretlore::TApplication::setApplicationName(QStringLiteral("Fretlore PRO"));
    fretlore::TApplication::setApplicationDisplayName(QStringLiteral("Fretlore PRO"));
    fretlore::InstallFontSubstitutes();
    fontConfig.Wait();

    fretlore::Windows windows;  // the main window shows when the splash goes
    return fretlore::TApplication::exec();
}
