// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

namespace fretlore {

// What the running system says about itself: its network name, the user's
// account name, its kernel's
// version, the time since it started, the processor's cycle counter and the
// scheduling priority of this process. No result is checked by the callers;
// each function says what it gives when the system refuses.

// The computer's network name, read with a 255-character buffer and cut to
// its length; empty when the system does not tell.
QString ComputerName();

// The name of the account the program runs under, from the user database;
// the login name from the environment when the database does not know the
// account, and empty when nothing tells.
QString UserName();

// The kernel's version as the about window shows it: the first three numbers
// of the release text and whatever follows them, verbatim ("6.1.0-18-amd64"
// gives 6, 1, 0 and "-18-amd64"). A missing or unreadable number is 0 and
// ends the numbers; the rest then starts at the first character not read.
struct KernelVersion {
    std::uint32_t Major = 0;
    std::uint32_t Minor = 0;
    std::uint32_t Patch = 0;
    QString Rest;

    friend bool operator==(const KernelVersion&, const KernelVersion&) = default;
};
KernelVersion ParseKernelRelease(const QString& release);
// The running kernel's release (uname), parsed as above.
KernelVersion RunningKernelVersion();

// Milliseconds since the system started, suspended time included, as a
// 64-bit count: it does not wrap or turn negative after 24.9 or 49.7 days.
std::uint64_t TickCount64();

// The processor's time-stamp counter. Throws std::runtime_error on a
// processor that has none this program can read.
std::uint64_t ReadTimeStampCounter();

// Priorities as nice values: -20 is the highest, 19 the lowest.
inline constexpr int kHighestPriority = -20;

// The priority of the process (that of its main thread) and of the calling
// thread.
int ProcessPriority();
int ThreadPriority();
// Sets every thread of the process, or the calling thread, to `nice`, or as
// close to it as the system grants (an unprivileged process may not raise
// its priority at all, or only down to its resource limit). Lowering a
// priority is always granted.
void SetProcessPriority(int nice);
void SetThreadPriority(int nice);

// The closest this system comes to the real-time class for the process and
// time-critical priority for the calling thread: both at the highest nice
// value granted. Real-time scheduling policies are not used: an event-loop
// thread under them can starve the whole desktop.
void RaisePriorities();

} // namespace fretlore
