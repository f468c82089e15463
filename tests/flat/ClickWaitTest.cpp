// SPDX-License-Identifier: GPL-3.0-or-later
// The click sound on a sound device that keeps real time (run by
// null_sink.sh): Play returns when the click has gone out, and never later
// than the click's length plus one period, even while the audio thread is
// held up.
#include "flat/TFlatSoundUnit.h"
#include "media/AudioOutput.h"

#include "ClickTiming.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace fretlore;
using clicktiming::playMs;
using Clock = std::chrono::steady_clock;

namespace {

// Holds the audio thread inside Render while told to, for a second at most.
class Staller : public AudioSource {
public:
    void Render(float*, float*, int, std::int64_t) override
    {
        std::unique_lock lock(mutex_);
        inside_ = true;
        changed_.notify_all();
        if (!changed_.wait_for(lock, std::chrono::seconds(1), [this] { return !hold_; }))
            hold_ = false;
        inside_ = false;
    }
    void Hold()
    {
        std::unique_lock lock(mutex_);
        hold_ = true;
        changed_.wait(lock, [this] { return inside_; });
    }
    void Release()
    {
        std::lock_guard lock(mutex_);
        hold_ = false;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool hold_ = false;
    bool inside_ = false;
};

// Whether the output has its device within two seconds.
bool hasDevice(const AudioOutput& output)
{
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    while (output.CurrentSink() != AudioOutput::Sink::Device && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return output.CurrentSink() == AudioOutput::Sink::Device;
}

} // namespace

TEST(ClickOnADevice, PlayReturnsWhenTheClickHasGoneOut)
{
    AudioOutput output(nullptr, true);
    if (!hasDevice(output))
        GTEST_SKIP() << "no sound device (pulseaudio)";
    TFlatSound sound(nullptr, &output);
    // The click's length (about 110 ms) plus a period, and the time the
    // window thread takes to wake on a busy machine, which can be a good deal.
    for (int i = 0; i < 3; ++i) {
        const double ms = playMs(sound);
        EXPECT_GE(ms, 105.0);
        EXPECT_LE(ms, 250.0);
    }
    // Two in a row play one after the other.
    const auto start = Clock::now();
    sound.Play();
    sound.Play();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    EXPECT_GE(ms, 210.0);
    EXPECT_LE(ms, 400.0);
}

TEST(ClickOnADevice, AHeldAudioThreadDelaysTheCallerNoLongerThanTheClick)
{
    Staller staller;
    AudioOutput output(&staller, true);
    if (!hasDevice(output))
        GTEST_SKIP() << "no sound device (pulseaudio)";
    TFlatSound sound(nullptr, &output);
    staller.Hold();
    const double ms = playMs(sound);
    staller.Release();
    // The click lasts about 110 ms; the thread stays held for a second.
    EXPECT_GE(ms, 105.0);
    EXPECT_LT(ms, 300.0);
}

// Last: it ends the sound server.
TEST(ClickOnADevice, ALostDeviceIsNotWaitedFor)
{
    AudioOutput output(nullptr, true);
    if (!hasDevice(output))
        GTEST_SKIP() << "no sound device (pulseaudio)";
    TFlatSound sound(nullptr, &output);
    ASSERT_EQ(std::system("pulseaudio --kill"), 0);
    const auto deadline = Clock::now() + std::chrono::seconds(3);
    while (output.CurrentSink() == AudioOutput::Sink::Device && Clock::now() < deadline)
        sound.Play();
    ASSERT_EQ(output.CurrentSink(), AudioOutput::Sink::Silent);
    EXPECT_LT(playMs(sound), 5.0);
}
