// SPDX-License-Identifier: GPL-3.0-or-later
// Sound figures: a player's Open, and the time from Play to the note's first
// sample leaving the output thread, with the output running and after it has
// slept through 10 idle seconds (silent, clock-paced output; with "device",
// the sound device).
// Usage: bench_media [EXE_DIR] [device]
#include "media/MediaSystem.h"
#include "playback/StringPlayer.h"
#include "playback/StringPlayers.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

using namespace fretlore;

namespace {

std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Milliseconds from `playedAt` to the first sound of a recording leaving the
// output thread (one period after it was rendered), or -1 when silent.
double firstSampleMs(const fretlore::AudioOutput::Recording& r, std::int64_t playedAt)
{
    using fretlore::AudioOutput;
    for (size_t i = 0; i < r.samples.size(); ++i)
        if (std::abs(r.samples[i]) > 1e-5)
            return double(r.periodTimesNs[i / AudioOutput::kPeriodFrames] - playedAt) / 1e6 +
                   1000.0 * AudioOutput::kPeriodFrames / AudioOutput::kSampleRate;
    return -1;
}

void report(const char* what, std::vector<double> ms)
{
    if (ms.empty()) {
        std::printf("%s: no sound heard\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%s: median %.2f ms, best %.2f ms, worst %.2f ms (%zu runs)\n", what, ms[ms.size() / 2], ms.front(),
                ms.back(), ms.size());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString exeDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/app/");

    QElapsedTimer startup;
    startup.start();
    const bool device = argc > 2 && QByteArray(argv[2]) == "device";
    MediaSystem media(device);
    if (device && media.Output().WaitForSink() != AudioOutput::Sink::Device)
        std::printf("no sound device: the output is silent\n");
    std::printf("synthesizer and output up (sound font still loading in the background): %lld ms\n",
                (long long)startup.elapsed());
    const bool font = media.Midi().HasSoundFont();
    std::printf("sound font %s: %lld ms after the start\n", font ? "loaded" : "MISSING", (long long)startup.elapsed());

    StringPlayer player(nullptr, QStringLiteral("S1"), &media.Midi(), 0);
    std::vector<double> openMs, firstMs;
    for (int run = 0; run < 30; ++run) {
        player.SetFileName(StringFileName(exeDir, 1 + run % 6, run % 13));
        QElapsedTimer t;
        t.start();
        player.Open();
        openMs.push_back(double(t.nsecsElapsed()) / 1e6);

        media.Output().StartRecording(AudioOutput::kSampleRate);
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + run % 7));  // land anywhere in a period
        const std::int64_t playedAt = nowNs();
        player.Play();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const AudioOutput::Recording r = media.Output().StopRecording();
        if (const double ms = firstSampleMs(r, playedAt); ms >= 0)
            firstMs.push_back(ms);
        player.Close();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    report("Open of a player", openMs);
    report("Play to the note's first sample leaving the output thread", firstMs);

    // After 10 seconds with nothing sounding; the recording does not wake the output.
    std::vector<double> afterIdleMs;
    int slept = 0;
    for (int run = 0; run < 5; ++run) {
        player.SetFileName(StringFileName(exeDir, 1 + run, 3));
        player.Open();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        slept += media.Output().Sleeping();
        media.Output().StartRecording(AudioOutput::kSampleRate);
        const std::int64_t playedAt = nowNs();
        player.Play();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const AudioOutput::Recording r = media.Output().StopRecording();
        if (const double ms = firstSampleMs(r, playedAt); ms >= 0)
            afterIdleMs.push_back(ms);
        player.Close();
    }
    std::printf("the output slept before %d of 5 plays\n", slept);
    report("Play to the note's first sample after 10 idle seconds", afterIdleMs);
    return 0;
}
