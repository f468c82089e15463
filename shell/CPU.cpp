// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CPU.h"

#include "platform/SystemInfo.h"

#include <chrono>
#include <exception>
#include <thread>

namespace fretlore {

double CyclesToMHz(std::uint64_t cycles)
{
    return double(std::uint32_t(cycles)) / 500000.0;
}

double CpuSpeedMHz()
{
    const int processPriority = ProcessPriority();
    const int threadPriority = ThreadPriority();
    const auto restore = [&] {
        SetThreadPriority(threadPriority);
        SetProcessPriority(processPriority);
    };
    try {
        RaisePriorities();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const std::uint64_t start = ReadTimeStampCounter();
        std::this_thread::sleep_for(std::chrono::milliseconds(kCpuSpeedSpanMs));
        const std::uint64_t cycles = ReadTimeStampCounter() - start;
        restore();
        return CyclesToMHz(cycles);
    } catch (const std::exception&) {
        restore();
        return 0.0;
    }
}

} // namespace fretlore
