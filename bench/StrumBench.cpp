// SPDX-License-Identifier: GPL-3.0-or-later
// Strum timing: the onsets of the six strings of line 1 against the 600/800 ms
// grid, over many strums, heard on the silent clock-paced output. The
// synthesizer's own start for each file (measured offline) is taken off.
// Usage: bench_strum EXE_DIR [strums]
#include "app/MainUnit.h"
#include "controls/ImageControl.h"
#include "controls/ListBoxControl.h"
#include "controls/SpeedButton.h"
#include "media/MediaSystem.h"
#include "platform/FontSubstitutes.h"
#include "playback/StringPlayer.h"

#include "Dsp.h"
#include "StrumTiming.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
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

    std::vector<double> errors;
    double worst = 0;
    for (int s = 0; s < strums; ++s) {
        media.Output().StartRecording(size_t(kRate * 6.5));
        runFor(100);
        form.SoundPClick(form.SoundP);
        const std::int64_t t0 = nowNs();
        runFor(5900);
        const AudioOutput::Recording r = media.Output().StopRecording();
        std::vector<double> ms;
        for (size_t f : dsp::soundStarts(r.samples, kRate, 1e-4, 0.5)) {
            const double at = double(r.periodTimesNs[f / AudioOutput::kPeriodFrames] - t0) / 1e6 +
                              double(f % AudioOutput::kPeriodFrames) / kRate * 1000.0;
            if (at > 300)
                ms.push_back(at);
        }
        if (ms.size() != 6) {
            std::printf("strum %d: %zu onsets found, expected 6\n", s + 1, ms.size());
            continue;
        }
        // The first strum after start-up starts at 600 ms; later ones at 800 ms.
        const double first = s == 0 ? 600 : 800;
        double strumWorst = 0;
        for (int k = 0; k < 6; ++k) {
            const double error = ms[size_t(k)] - (first + 800 * k + delay[k]);
            errors.push_back(error);
            strumWorst = std::max(strumWorst, std::abs(error));
        }
        worst = std::max(worst, strumWorst);
    }
    std::sort(errors.begin(), errors.end());
    if (errors.empty())
        return 1;
    std::printf("strum onsets against the grid over %d strums (%zu onsets): median %+.2f ms, worst %.2f ms "
                "(earliest %+.2f, latest %+.2f)\n",
                strums, errors.size(), errors[errors.size() / 2], worst, errors.front(), errors.back());
    return 0;
}
