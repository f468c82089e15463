// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemInfo.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/utsname.h>
#include <unistd.h>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

namespace fretlore {

namespace {

constexpr int kLowestPriority = 19;

pid_t currentThreadId()
{
    return pid_t(::syscall(SYS_gettid));
}

int niceOf(pid_t tid)
{
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, id_t(tid));
    return errno == 0 ? nice : 0;
}

// One thread to `nice`, or to the highest priority its limit allows when
// the system refuses that much.
void setNiceOf(pid_t tid, int nice)
{
    nice = std::clamp(nice, kHighestPriority, kLowestPriority);
    if (::setpriority(PRIO_PROCESS, id_t(tid), nice) == 0)
        return;
    // Unprivileged, a thread may go down to 20 minus its nice limit.
    rlimit limit{};
    if (::getrlimit(RLIMIT_NICE, &limit) != 0)
        return;
    const rlim_t cur = std::min<rlim_t>(limit.rlim_cur, 40);
    const int floor = 20 - int(cur);
    const int granted = std::max(nice, floor);
    if (granted < niceOf(tid))
        ::setpriority(PRIO_PROCESS, id_t(tid), granted);
}

} // namespace

QString ComputerName()
{
    char name[256] = {};
    if (::gethostname(name, 255) != 0)
        return QString();
    return QString::fromLocal8Bit(name, qsizetype(::strnlen(name, 255)));
}

QString UserName()
{
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? std::size_t(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_name)
        return QString::fromLocal8Bit(found->pw_name);
    for (const char* variable : {"LOGNAME", "USER"}) {
        if (const char* name = std::getenv(variable); name && *name)
            return QString::fromLocal8Bit(name);
    }
    return QString();
}

KernelVersion ParseKernelRelease(const QString& release)
{
    KernelVersion v;
    std::uint32_t* const fields[] = {&v.Major, &v.Minor, &v.Patch};
    qsizetype at = 0;  // the first character not yet read
    for (int i = 0; i < 3; ++i) {
        qsizetype p = at;
        if (i > 0) {
            if (p >= release.size() || release[p] != u'.')
                break;
            ++p;
        }
        if (p >= release.size() || !release[p].isDigit())
            break;
        std::uint64_t value = 0;
        while (p < release.size() && release[p].isDigit()) {
            value = std::min<std::uint64_t>(value * 10 + std::uint64_t(release[p].digitValue()), UINT32_MAX);
            ++p;
        }
        *fields[i] = std::uint32_t(value);
        at = p;
    }
    v.Rest = release.mid(at);
    return v;
}

KernelVersion RunningKernelVersion()
{
    utsname names{};
    if (::uname(&names) != 0)
        return KernelVersion{};
    return ParseKernelRelease(QString::fromLocal8Bit(names.release));
}

std::uint64_t TickCount64()
{
    timespec t{};
    ::clock_gettime(CLOCK_BOOTTIME, &t);
    return std::uint64_t(t.tv_sec) * 1000u + std::uint64_t(t.tv_nsec) / 1000000u;
}

std::uint64_t ReadTimeStampCounter()
{
#if defined(__x86_64__) || defined(__i386__)
    return __rdtsc();
#else
    throw std::runtime_error("no time-stamp counter on this processor");
#endif
}

int ProcessPriority()
{
    return niceOf(::getpid());
}

int ThreadPriority()
{
    return niceOf(currentThreadId());
}

void SetProcessPriority(int nice)
{
    // A priority on this system belongs to each thread; the process's is
    // that of all of them.
    std::error_code ec;
    std::filesystem::directory_iterator it("/proc/self/task", ec);
    if (ec) {
        setNiceOf(::getpid(), nice);
        return;
    }
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        char* end = nullptr;
        const long tid = std::strtol(name.c_str(), &end, 10);
        if (end && *end == '\0' && tid > 0)
            setNiceOf(pid_t(tid), nice);
    }
}

void SetThreadPriority(int nice)
{
    setNiceOf(currentThreadId(), nice);
}

void RaisePriorities()
{
    SetProcessPriority(kHighestPriority);
    SetThreadPriority(kHighestPriority);
}

} // namespace fretlore
