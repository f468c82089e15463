// Sound figures: a player's Open, and the time from Play to the note's first
// sample leaving the output thread (silent, clock-paced output).
#include "media/MediaSystem.h"
#include "playback/StringPlayer.h"
#include "playback/StringPlayers.h"

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

void report(const char* what, std::vector<double> ms)
{
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
    MediaSystem media(false);
    std::printf("synthesizer and output up (sound font still loading in the background): %lld ms\n",
                (long long)startup.elapsed());
    const bool font = media.Midi().HasSoundFont();
    std::printf("sound font %s: %lld ms after the start\n", font ? "loaded" : "MISSING", (long long)startup.elapsed());

    StringPlayer player(nullptr, QStringLiteral("S1"), &media.Midi(), 0);
    std::vector<double> openMs, firstSampleMs;
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
        for (size_t i = 0; i < r.samples.size(); ++i) {
            if (std::abs(r.samples[i]) > 1e-5) {
                // The period holding the sample leaves the thread one period after it was rendered.
                const size_t period = i / AudioOutput::kPeriodFrames;
                const double leftAt = double(r.periodTimesNs[period] - playedAt) / 1e6 +
                                      1000.0 * AudioOutput::kPeriodFrames / AudioOutput::kSampleRate;
                firstSampleMs.push_back(leftAt);
                break;
            }
        }
        player.Close();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    report("Open of a player", openMs);
    report("Play to the note's first sample leaving the output thread", firstSampleMs);
    return 0;
}
