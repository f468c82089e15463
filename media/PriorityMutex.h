// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

#include <pthread.h>

namespace fretlore {

// A mutex shared by the control side and the audio thread. The audio thread
// runs at a real-time priority where the system grants one, and the control
// side at the normal one; with a plain mutex, a control thread pushed off its
// core by other programs while it holds the lock for a few microseconds keeps
// the audio thread out for as long as it is away, and that period goes out
// silent. This one lends the priority of the thread that waits to the thread
// that holds it, so a short hold ends at once; the audio thread waits only a
// bounded time (`try_lock_for`), so a long hold (loading a sound font) still
// costs it no more than that.
//
// Lockable and timed-lockable, for std::lock_guard and std::unique_lock.
class PriorityMutex {
public:
    PriorityMutex();
    ~PriorityMutex();
    PriorityMutex(const PriorityMutex&) = delete;
    PriorityMutex& operator=(const PriorityMutex&) = delete;

    void lock();
    bool try_lock();
    void unlock();
    // Waits at most `wait` on the steady clock; where the system cannot wait
    // on that clock for this kind of mutex, only tries.
    bool try_lock_for(std::chrono::nanoseconds wait);

private:
    pthread_mutex_t mutex_;
};

} // namespace fretlore
