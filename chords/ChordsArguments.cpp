#include "chords/ChordsArguments.h"

namespace fretlore {

namespace {

bool takes(const QString& command, const QString& option)
{
    if (option == QLatin1String("--json"))
        return command == QLatin1String("list") || command == QLatin1String("show") ||
               command == QLatin1String("find") || command == QLatin1String("name");
    if (option == QLatin1String("--ascii"))
        return command == QLatin1String("show");
    if (option == QLatin1String("-o") || option == QLatin1String("--output"))
        return ChordsArguments::Draws(command);
    if (option == QLatin1String("--string"))
        return command == QLatin1String("play");
    return false;
}

} // namespace

const QStringList& ChordsArguments::Commands()
{
    static const QStringList commands = {QStringLiteral("list"), QStringLiteral("show"), QStringLiteral("find"),
                                         QStringLiteral("name"), QStringLiteral("draw"), QStringLiteral("sheet"),
                                         QStringLiteral("play")};
    return commands;
}

bool ChordsArguments::Draws(const QString& command)
{
    return command == QLatin1String("draw") || command == QLatin1String("sheet");
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
        } else {
            if (i + 1 >= arguments.size()) {
                error_ = QStringLiteral("%1 needs a value").arg(a);
                return;
            }
            const QString value = arguments[++i];
            if (a == QLatin1String("--string")) {
                bool ok = false;
                String = value.toInt(&ok);
                if (!ok || String < 1 || String > 6) {
                    error_ = QStringLiteral("--string takes a string number from 1 (E6) to 6 (e1), not \"%1\"")
                                 .arg(value);
                    return;
                }
            } else {
                if (value.isEmpty()) {
                    error_ = QStringLiteral("%1 needs a file name").arg(a);
                    return;
                }
                Output = value;
            }
        }
    }
}

} // namespace fretlore
