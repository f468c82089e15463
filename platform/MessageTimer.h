// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>

namespace fretlore {

// A message-loop timer with the semantics the program's handlers rely on,
// which QTimer alone does not give:
// - setting the interval or the enabled state to the value it already has
//   changes nothing (an enabled timer keeps its running count);
// - a new interval while enabled restarts the count;
// - enabling starts a count; disabling cancels the next tick.
// Ticks come from a precise timer, so an 800 ms step does not drift by the
// coarse timer's few per cent.
class MessageTimer : public QObject {
    Q_OBJECT
public:
    explicit MessageTimer(QObject* parent = nullptr, int intervalMs = 1000, bool enabled = true);

    int Interval() const { return interval_; }
    void SetInterval(int ms);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // The steady-clock time (nanoseconds) at which the next tick is due
    // while enabled; the tick itself may come later on a busy machine.
    std::int64_t NextTickNs() const { return dueNs_; }

signals:
    // The OnTimer event.
    void timeout();

private:
    void restart();
    void ticked();

    QTimer timer_;
    std::int64_t dueNs_ = 0;
    int interval_;
    bool enabled_;
};

} // namespace fretlore
