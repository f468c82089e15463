// SPDX-License-Identifier: GPL-3.0-or-later
#include "chords/ChordsArguments.h"

#include "catalogue/Tunings.h"

namespace fretlore {

namespace {

bool isAny(const QString& text, std::initializer_list<const char*> words)
{
    for (const char* w : words)
        if (text == QLatin1String(w))
            return true;
    return false;
}

bool takes(const QString& command, const QString& option)
{
    if (isAny(option, {"--tuning", "--capo", "--notation"}))
        return true;
    if (option == QLatin1String("--json"))
        return isAny(command, {"list", "show", "find", "name", "voicings"});
    if (option == QLatin1String("--ascii"))
        return command == QLatin1String("show");
    if (option == QLatin1String("-o") || option == QLatin1String("--output"))
        return ChordsArguments::WritesFile(command);
    if (option == QLatin1String("--string"))
        return command == QLatin1String("play");
    if (option == QLatin1String("--max"))
        return command == QLatin1String("voicings");
    if (option == QLatin1String("--fingers") || option == QLatin1String("--left-handed"))
        return isAny(command, {"show", "draw", "sheet"});
    if (option == QLatin1String("--style"))
        return ChordsArguments::Draws(command);
    if (option == QLatin1String("--format"))
        return command == QLatin1String("export");
    return false;
}

} // namespace

const QStringList& ChordsArguments::Commands()
{
    static const QStringList commands = {QStringLiteral("list"),     QStringLiteral("show"),  QStringLiteral("find"),
                                         QStringLiteral("name"),     QStringLiteral("voicings"),
                                         QStringLiteral("draw"),     QStringLiteral("sheet"), QStringLiteral("export"),
                                         QStringLiteral("play")};
    return commands;
}

bool ChordsArguments::Draws(const QString& command)
{
    return command == QLatin1String("draw") || command == QLatin1String("sheet");
}

bool ChordsArguments::WritesFile(const QString& command)
{
    return Draws(command) || command == QLatin1String("export");
}

bool ChordsArguments::readValue(const QString& a, const QString& value)
{
    if (a == QLatin1String("--string")) {
        bool ok = false;
        String = value.toInt(&ok);
        if (!ok || String < 1 || String > 6)
            error_ = QStringLiteral("--string takes a string number from 1 (E6) to 6 (e1), not \"%1\"").arg(value);
    } else if (a == QLatin1String("--tuning")) {
        const auto tuning = ParseTuning(value, &error_);
        if (tuning)
            Guitar.OpenPitch = tuning->OpenPitch;
        TuningGiven = true;
    } else if (a == QLatin1String("--capo")) {
        const auto capo = ParseCapo(value, &error_);
        if (capo)
            Guitar.Capo = *capo;
        TuningGiven = true;
    } else if (a == QLatin1String("--notation")) {
        const auto notation = ParseNotation(value);
        if (notation)
            Notation = *notation;
        else
            error_ = QStringLiteral("--notation takes english, german or latin, not \"%1\"").arg(value);
    } else if (a == QLatin1String("--max")) {
        bool ok = false;
        Max = value.toInt(&ok);
        if (!ok || Max < 1)
            error_ = QStringLiteral("--max takes a number of voicings from 1, not \"%1\"").arg(value);
    } else if (a == QLatin1String("--style")) {
        Style = value;
        if (!isAny(value, {"window", "paper"}))
            error_ = QStringLiteral("--style takes window or paper, not \"%1\"").arg(value);
    } else if (a == QLatin1String("--format")) {
        Format = value;
        if (!isAny(value, {"chordpro", "musicxml"}))
            error_ = QStringLiteral("--format takes chordpro or musicxml, not \"%1\"").arg(value);
    } else {
        Output = value;
        if (value.isEmpty())
            error_ = QStringLiteral("%1 needs a file name").arg(a);
    }
    return error_.isEmpty();
}

ChordsArguments::ChordsArguments(const QStringList& arguments)
{
    bool operandsOnly = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (operandsOnly || a == QLatin1String("-") || !a.startsWith(u'-')) {
            if (Command.isEmpty() && !operandsOnly) {
                if (!Commands().contains(a)) {
                    error_ = QStringLiteral("unknown command \"%1\" (try --help)").arg(a);
                    return;
                }
                Command = a;
            } else {
                Operands << a;
            }
            continue;
        }
        if (a == QLatin1String("--")) {
            operandsOnly = !Command.isEmpty();
            if (!operandsOnly) {
                error_ = QStringLiteral("a command comes first (try --help)");
                return;
            }
            continue;
        }
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            Help = true;
            continue;
        }
        if ((a == QLatin1String("--version") || a == QLatin1String("-v")) && Command.isEmpty()) {
            Version = true;
            continue;
        }
        if (Command.isEmpty() || !takes(Command, a)) {
            error_ = Command.isEmpty() ? QStringLiteral("unknown option \"%1\" (try --help)").arg(a)
                                       : QStringLiteral("%1 takes no option \"%2\" (try %1 --help)").arg(Command, a);
            return;
        }
        if (a == QLatin1String("--json")) {
            Json = true;
        } else if (a == QLatin1String("--ascii")) {
            Ascii = true;
        } else if (a == QLatin1String("--fingers")) {
            Fingers = true;
        } else if (a == QLatin1String("--left-handed")) {
            LeftHanded = true;
        } else {
            if (i + 1 >= arguments.size()) {
                error_ = QStringLiteral("%1 needs a value").arg(a);
                return;
            }
            if (!readValue(a, arguments[++i]))
                return;
        }
    }
}

} // namespace fretlore
