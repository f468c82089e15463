// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WTime.h"

#include "platform/SystemInfo.h"

namespace fretlore {

QString UptimeText()
{
    return UptimeTextOf(TickCount64());
}

QString UptimeTextOf(std::uint64_t ms)
{
    const std::uint64_t seconds = ms / 1000;
    const auto twoDigits = [](std::uint64_t n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return QLatin1Char(' ') + twoDigits(seconds / 3600) + QLatin1String(" : ") + twoDigits(seconds / 60 % 60) +
           QLatin1String(" : ") + twoDigits(seconds % 60);
}

} // namespace fretlore
