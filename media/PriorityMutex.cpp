// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/PriorityMutex.h"

#include <cerrno>
#include <ctime>

namespace fretlore {

PriorityMutex::PriorityMutex()
{
    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    // Without priority inheritance (not offered) it is still a mutex.
    pthread_mutexattr_setprotocol(&attributes, PTHREAD_PRIO_INHERIT);
    pthread_mutex_init(&mutex_, &attributes);
    pthread_mutexattr_destroy(&attributes);
}

PriorityMutex::~PriorityMutex()
{
    pthread_mutex_destroy(&mutex_);
}

void PriorityMutex::lock()
{
    pthread_mutex_lock(&mutex_);
}

bool PriorityMutex::try_lock()
{
    return pthread_mutex_trylock(&mutex_) == 0;
}

void PriorityMutex::unlock()
{
    pthread_mutex_unlock(&mutex_);
}

bool PriorityMutex::try_lock_for(std::chrono::nanoseconds wait)
{
    if (try_lock())
        return true;
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    const long long ns = deadline.tv_nsec + wait.count();
    deadline.tv_sec += time_t(ns / 1000000000);
    deadline.tv_nsec = long(ns % 1000000000);
    return pthread_mutex_clocklock(&mutex_, CLOCK_MONOTONIC, &deadline) == 0;
}

} // namespace fretlore
