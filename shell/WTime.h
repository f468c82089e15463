#pragma once

#include <QString>

#include <cstdint>

namespace fretlore {

// The time since the system started as the about window shows it: the time
// of day of that span, whole days dropped, as " hh : mm : ss" (a space
// first; two digits each). 5 h 23 min 7 s gives " 05 : 23 : 07", 25 h 0 min
// 5 s gives " 01 : 00 : 05". Read as 64 bits, it stays right however long
// the system has run.
QString UptimeText();

// The same text for a span of `ms` milliseconds.
QString UptimeTextOf(std::uint64_t ms);

} // namespace fretlore
