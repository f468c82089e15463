// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MainUnit.h"
#include "media/MediaSystem.h"
#include "shell/AboutUnit.h"
#include "shell/CreditsUnit.h"
#include "shell/MessageUnit.h"
#include "shell/SplashUnit.h"

#include <utility>

namespace fretlore {

// The program's five windows, created in this order: the main window first
// (the splash takes its shape from a picture on it), then the credits, the
// splash (visible at once), the about and the message windows. They live for
// the whole run; secondary windows are hidden, never destroyed. The sound
// system comes before them and goes after them.
//
// What the splash does not show waits until it is on screen: the main
// window and the credits are created holding no more than the splash's mask,
// and make their controls (the main window's creation handler included)
// right after the splash's first paint, before the about window. Nothing of
// theirs is seen before the splash goes, so the start looks as it always did.
// The program's icon, which only a task bar or window list shows, follows
// the splash's first paint too.
class Windows {
public:
    // `tryDevice` false keeps the sound silent (tests); `settings` the diagram's.
    explicit Windows(bool tryDevice = true, const DiagramOptions& settings = DiagramOptions());

    MediaSystem Media;
    TForm1 Form1;
    TCredits Credits;
    TSplash Splash;

private:
    // A step of the start run where it stands among the windows' creation.
    struct Step {
        template <typename Run>
        explicit Step(Run&& run) { std::forward<Run>(run)(); }
    };
    // Loading the synthesizer and its sound font (a large file) and opening
    // the sound device alongside the first windows slows them down; they
    // begin once the splash is on screen, long before anything can play.
    Step startSound_;
    Step programIcon_;
    Step hiddenControls_;

public:
    TAbout About;
    TFMessage FMessage;
};

} // namespace fretlore
