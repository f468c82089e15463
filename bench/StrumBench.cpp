// SPDX-License-Identifier: GPL-3.0-or-later
// Strum timing: the onsets of the six strings of line 1 against the 800 ms
// grid from the timer's first tick, over many strums, on the silent
// clock-paced output. The synthesizer's own start for each file (measured
// offline) is taken off.
// Usage: bench_strum EXE_DIR [strums]
#include "app/MainUnit.h"
#include "controls/ImageControl.h"
#include "controls/ListBoxControl.h"
#include "controls/SpeedButton.h"
#include "media/MediaSystem.h"
#include "platform/FontSubstitutes.h"
#include "platform/MessageTimer.h"
#include "playback/StringPlayer.h"

#include "Dsp.h"
#include "StrumTiming.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace fretlore;
using namespace strum;

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    const QString exeDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/app/");
    const int strums = argc > 2 ? std::atoi(argv[2]) : 50;

    MediaSystem media(false);
    MidiDevice offline;
    TForm1 form(&media);
    form.ExeDir = exeDir;
    form.ListBox->setCurrentRow(1);
    form.ListBoxClick(form.BitBtn1);
    double delay[6];
    for (int k = 0; k < 6; ++k)
        delay[k] = soundDelayMs(offline, form.Players()[size_t(k)]->FileName());

    // Each onset against its place on the grid the timer lays down at the
    // click, twice: where the sound sits in the stream (the stream's clock,
    // which a render the system holds up does not move; on a device its
    // buffer covers such a hold-up) and when the period holding it was
    // rendered.
    std::vector<double> errors[2];
    double worst[2] = {0, 0};
    int counted = 0;
    for (int s = 0; s < strums; ++s) {
        media.Output().StartRecording(size_t(kRate * 6.5));
        runFor(100);
        form.SoundPClick(form.SoundP);
        const std::int64_t gridNs = form.Timer1->NextTickNs();  // string 1's place
        runFor(5900);
        const AudioOutput::Recording r = media.Output().StopRecording();
        const std::vector<size_t> starts = dsp::soundStarts(r.samples, kRate, 1e-4, 0.5);
        std::vector<size_t> heard;
        for (size_t f : starts)
            if (frameMs(r, f, gridNs, true) > -300)
                heard.push_back(f);
        if (heard.size() != 6) {
            std::printf("strum %d: %zu onsets found, expected 6\n", s + 1, heard.size());
            continue;
        }
        ++counted;
        for (int clock = 0; clock < 2; ++clock)
            for (int k = 0; k < 6; ++k) {
                const double error = frameMs(r, heard[size_t(k)], gridNs, clock == 0) - (800 * k + delay[k]);
                errors[clock].push_back(error);
                worst[clock] = std::max(worst[clock], std::abs(error));
            }
    }
    if (counted == 0)
        return 1;
    const char* names[2] = {"in the stream", "when rendered"};
    for (int clock = 0; clock < 2; ++clock) {
        std::vector<double>& e = errors[clock];
        std::sort(e.begin(), e.end());
        std::printf("strum onsets against the grid, %s, over %d strums (%zu onsets): median %+.2f ms, worst %.2f ms "
                    "(earliest %+.2f, latest %+.2f)\n",
                    names[clock], counted, e.size(), e[e.size() / 2], worst[clock], e.front(), e.back());
    }
    return 0;
}
