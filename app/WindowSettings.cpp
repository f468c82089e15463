// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowSettings.h"

#include <QSettings>
#include <QStandardPaths>

namespace fretlore {

namespace {

// A yes-or-no value: QSettings' own "true" and "false", and 1, 0, yes, no, on, off.
std::optional<bool> yesOrNo(const QString& text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("1") || t == QLatin1String("yes") || t == QLatin1String("on"))
        return true;
    if (t == QLatin1String("false") || t == QLatin1String("0") || t == QLatin1String("no") || t == QLatin1String("off"))
        return false;
    return std::nullopt;
}

} // namespace

QString WindowSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/fretlore.conf");
}

WindowSettings ReadWindowSettings(const QString& path, QTextStream& err)
{
    WindowSettings settings;
    const QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        err << path << ": not read as a settings file\n";
    const auto flag = [&](const char* key, bool& value) {
        const QString name = QStringLiteral("diagram/") + QLatin1String(key);
        if (!file.contains(name))
            return;
        if (const auto read = yesOrNo(file.value(name).toString()))
            value = *read;
        else
            err << path << ": " << key << " takes true or false, not \"" << file.value(name).toString() << "\"\n";
    };
    flag("left-handed", settings.LeftHanded);
    flag("fingers", settings.Fingers);
    if (file.contains(QStringLiteral("diagram/notation"))) {
        const QString value = file.value(QStringLiteral("diagram/notation")).toString();
        if (const auto notation = ParseNotation(value))
            settings.Names = *notation;
        else
            err << path << ": notation takes english, german or latin, not \"" << value << "\"\n";
    }
    return settings;
}

} // namespace fretlore
