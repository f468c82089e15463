// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the command line, the application title, the five windows, the message loop.
#include "app/CommandLine.h"
#include "app/ProgramIdentity.h"
#include "app/Windows.h"
#include "controls/TApplication.h"
#include "platform/DisplayPlatform.h"
#include "platform/FontConfigWarmUp.h"
#include "platform/FontSubstitutes.h"

namespace {

// Answers --help and --version (and refuses what it does not know) before
// anything connects to the display; no value means the windows are wanted.
std::optional<int> AnswerBeforeStart(int argc, char* argv[], fretlore::WindowSettings& settings)
{
    fretlore::NameProgram();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    settings = fretlore::ReadWindowSettings(fretlore::WindowSettingsPath(), err);
    return fretlore::AnswerCommandLine(arguments, out, err, &settings);
}

} // namespace

int main(int argc, char* argv[])
{
    fretlore::WindowSettings settings;  // the diagram's: the settings file, then the command line
    if (const std::optional<int> status = AnswerBeforeStart(argc, argv, settings))
        return *status;
    fretlore::ChooseDisplayPlatform();
    fretlore::FontConfigWarmUp fontConfig;  // read while the application connects to the display
    fretlore::TApplication app(argc, argv);
    fretlore::InstallFontSubstitutes();
    fontConfig.Wait();

    fretlore::Windows windows(true, settings);  // the main window shows when the splash goes
    fretlore::NameWindowIcons();
    return fretlore::TApplication::exec();
}
