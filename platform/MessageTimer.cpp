// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageTimer.h"

#include <chrono>

namespace fretlore {

namespace {

std::int64_t steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

MessageTimer::MessageTimer(QObject* parent, int intervalMs, bool enabled)
    : QObject(parent), interval_(intervalMs), enabled_(enabled)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &MessageTimer::ticked);
    restart();
}

void MessageTimer::SetInterval(int ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    restart();
}

void MessageTimer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    restart();
}

void MessageTimer::restart()
{
    timer_.stop();
    // An interval of 0 is a stopped timer, as with the platform's timers.
    if (enabled_ && interval_ > 0) {
        dueNs_ = steadyNs() + std::int64_t(interval_) * 1000000;
        timer_.start(interval_);
    }
}

void MessageTimer::ticked()
{
    // The precise timer counts on from when the tick was due, unless it is
    // more than a period late.
    const std::int64_t now = steadyNs();
    dueNs_ += std::int64_t(interval_) * 1000000;
    if (dueNs_ < now)
        dueNs_ = now + std::int64_t(interval_) * 1000000;
    emit timeout();
}

} // namespace fretlore
