// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace fretlore {

// The span over which the processor's cycles are counted, in milliseconds.
inline constexpr int kCpuSpeedSpanMs = 500;

// The processor's clock in MHz, from its time-stamp counter over 500 ms:
// the process and the calling thread are raised to the highest priority
// granted, 10 ms pass, the counter is read, 500 ms pass, it is read again,
// and both priorities are put back. Holds the calling thread about 510 ms.
// A processor without a readable counter gives 0 (the priorities are put
// back then too).
double CpuSpeedMHz();

// Cycles counted over 500 ms as MHz: the lower 32 bits of the count (enough
// for clocks up to about 8.59 GHz), divided by 500,000.
double CyclesToMHz(std::uint64_t cycles);

} // namespace fretlore
