// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "platform/ProgramLicence.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QFileInfo>

namespace fretlore {

namespace {

// Qt's own options, taken by the application object from the same command
// line: those with a value, then those without.
constexpr const char* kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                                           "geometry", "qwindowgeometry", "title", "qwindowtitle", "icon",
                                           "qwindowicon", "name", "style", "stylesheet", "session", "qmljsdebugger"};
constexpr const char* kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QCommandLineOption Hidden(QCommandLineOption option)
{
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

} // namespace

std::optional<int> AnswerCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err,
                                     WindowSettings* settings)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("%1: a guitar chord reference. Browse 1008 chord voicings, see them on a fretboard, "
                       "find chords by name or by fingering, and hear them strummed.\n\n"
                       "Qt's standard options (-platform, -display, -style, -reverse, ...) are passed on to Qt.")
            .arg(QGuiApplication::applicationDisplayName()) +
        QStringLiteral("\n\nThe diagram's settings are read at start from %1 ([diagram] left-handed, fingers, "
                       "notation); the options below win over it.")
            .arg(WindowSettingsPath()));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version, the copyright and the licence, and exits."));
    const QCommandLineOption leftHanded(QStringLiteral("left-handed"),
                                        QStringLiteral("Draws the diagram mirrored, as a left-handed player sees the neck."));
    const QCommandLineOption rightHanded(QStringLiteral("right-handed"),
                                         QStringLiteral("Draws the diagram as usual (over a left-handed setting)."));
    const QCommandLineOption fingers(QStringLiteral("fingers"),
                                     QStringLiteral("Shows the finger numbers in the diagram's discs."));
    const QCommandLineOption noFingers(QStringLiteral("no-fingers"),
                                       QStringLiteral("Shows no finger numbers (over a setting that shows them)."));
    const QCommandLineOption notation(QStringLiteral("notation"),
                                      QStringLiteral("Names the notes in the tone hints in english (B, Bb), german "
                                                     "(H, B) or latin (Si, Sib)."),
                                      QStringLiteral("name"));
    parser.addOption(help);
    parser.addOption(version);
    for (const QCommandLineOption* option : {&leftHanded, &rightHanded, &fingers, &noFingers, &notation})
        parser.addOption(*option);
    for (const char* name : kQtValueOptions)
        parser.addOption(Hidden(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value"))));
    for (const char* name : kQtFlagOptions)
        parser.addOption(Hidden(QCommandLineOption(QLatin1String(name))));

    const QString program = arguments.isEmpty() ? QCoreApplication::applicationName()
                                                : QFileInfo(arguments.first()).fileName();
    if (!parser.parse(arguments)) {
        err << program << ": " << parser.errorText() << '\n'
            << "Try '" << program << " --help' for more information.\n";
        return 2;
    }
    if (parser.isSet(help)) {
        // Without an application object the parser cannot name the program itself.
        out << parser.helpText().replace(QStringLiteral("<executable_name>"), program);
        return 0;
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n'
            << kLicenceNotice;
        return 0;
    }
    std::optional<Notation> names;
    if (parser.isSet(notation) && !(names = ParseNotation(parser.value(notation)))) {
        err << program << ": --notation takes english, german or latin, not '" << parser.value(notation) << "'\n"
            << "Try '" << program << " --help' for more information.\n";
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << program << ": unexpected argument '" << parser.positionalArguments().first() << "'\n"
            << "Try '" << program << " --help' for more information.\n";
        return 2;
    }
    if (settings) {
        if (parser.isSet(leftHanded) || parser.isSet(rightHanded))
            settings->LeftHanded = parser.isSet(leftHanded);
        if (parser.isSet(fingers) || parser.isSet(noFingers))
            settings->Fingers = parser.isSet(fingers);
        if (names)
            settings->Names = *names;
    }
    return std::nullopt;
}

} // namespace fretlore
