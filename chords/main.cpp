// SPDX-License-Identifier: GPL-3.0-or-later
// fretlore-chords: the catalogue, the searches, the diagram and the strum at
// the command line. Commands that draw run Qt's graphics without a display;
// the others need no more than the core application.
#include "chords/ChordsArguments.h"
#include "chords/ChordsProgram.h"
#include "platform/FontSubstitutes.h"
#include "platform/ModulePath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

// Qt's own notes (a missing runtime folder and the like) would spoil the one
// line a failing command writes; only its critical messages get through.
void qtMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "fretlore-chords: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(qtMessage);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const fretlore::ChordsArguments parsed(arguments);

    std::unique_ptr<QCoreApplication> app;
    if (parsed.Ok() && !parsed.Help && fretlore::ChordsArguments::Draws(parsed.Command)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // pictures only: never a window
        app = std::make_unique<QGuiApplication>(argc, argv);
        fretlore::InstallFontSubstitutes();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("fretlore-chords"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    // The string tones lie in "mid" beside the program, or, installed, beside the window program.
    QString exeDir = fretlore::ExeDirOf(fretlore::ModuleFileName());
    if (!QFileInfo::exists(exeDir + QStringLiteral("mid")))
        exeDir += QStringLiteral(FRETLORE_PROGRAM_DIR_FROM_BIN);
    fretlore::ChordsProgram program(out, err, exeDir);
    const int code = program.Run(parsed);
    out.flush();
    err.flush();
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fputs("fretlore-chords: cannot write to standard output\n", stderr);
        return fretlore::ChordsProgram::kFailed;
    }
    return code;
}
