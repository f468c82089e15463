// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

namespace fretlore {

// The time since the system started as the about window shows it: the whole
// hours, minutes and seconds of that span as " hh : mm : ss" (a space first;
// at least two digits each). 5 h 23 min 7 s gives " 05 : 23 : 07", 26 h gives
// " 26 : 00 : 00": days count as hours. Read as 64 bits, it stays right
// however long the system has run.
QString UptimeText();

// The same text for a span of `ms` milliseconds.
QString UptimeTextOf(std::uint64_t ms);

} // namespace fretlore
