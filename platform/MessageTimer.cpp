#include "platform/MessageTimer.h"

namespace fretlore {

MessageTimer::MessageTimer(QObject* parent, int intervalMs, bool enabled)
    : QObject(parent), interval_(intervalMs), enabled_(enabled)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &MessageTimer::timeout);
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
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
}

} // namespace fretlore
