// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MainUnit.h"
#include "media/MediaSystem.h"
#include "shell/AboutUnit.h"
#include "shell/CreditsUnit.h"
#include "shell/MessageUnit.h"
#include "shell/SplashUnit.h"

namespace fretlore {

// The program's five windows, created in this order: the main window first
// (the splash takes its shape from a picture on it), then the credits, the
// splash (visible at once), the about and the message windows. They live for
// the whole run; secondary windows are hidden, never destroyed. The sound
// system comes before them and goes after them; it starts working from the
// moment the splash shows.
class Windows {
public:
    // `tryDevice` false keeps the sound silent (tests); `settings` the diagram's.
    explicit Windows(bool tryDevice = true, const DiagramOptions& settings = DiagramOptions());

    MediaSystem Media;
    TForm1 Form1;
    TCredits Credits;
    TSplash Splash;

private:
    // Loading the synthesizer and its sound font (a large file) and opening
    // the sound device alongside the first windows slows them down; they
    // begin once the splash is on screen, long before anything can play.
    struct StartSound {
        explicit StartSound(MediaSystem& media) { media.Start(); }
    } startSound_;

public:
    TAbout About;
    TFMessage FMessage;
};

} // namespace fretlore
