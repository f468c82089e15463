// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace fretlore {

// Reads the system's font configuration on a thread of its own. Reading it
// takes several milliseconds the first time any text is measured; started
// before the application connects to the display, it is done by the time the
// first window measures its captions. Wait (or the destructor) joins it.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();

    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    void Wait();

private:
    std::thread thread_;
};

} // namespace fretlore
