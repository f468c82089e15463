// SPDX-License-Identifier: GPL-3.0-or-later
// The click sound plays through the audio output and returns when it has
// gone out, with or without a sound device.
#include "flat/TFlatSoundUnit.h"
#include "media/AudioOutput.h"

#include "ClickTiming.h"
#include "Dsp.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace fretlore;
using clicktiming::playMs;
using Clock = std::chrono::steady_clock;

TEST(ClickSound, PlayReturnsWhenTheSoundHasGoneOut)
{
    // Without a sound device nothing sounds and nothing is waited for; a real
    // device is timed in ClickWaitTest.
    for (const bool tryDevice : {false, true}) {
        AudioOutput output(nullptr, tryDevice);
        TFlatSound sound(nullptr, &output);
        EXPECT_EQ(sound.Event(), seBtnClick);
        playMs(sound);  // the first play warms the thread up
        for (int i = 0; i < 3; ++i) {
            const double ms = playMs(sound);
            // The click lasts 110 ms; a busy machine adds to any wall-clock time,
            // so the bounds above it are generous.
            if (output.CurrentSink() == AudioOutput::Sink::Device) {
                EXPECT_GE(ms, 105.0) << "device";
                EXPECT_LE(ms, 250.0) << "device";
            } else {
                EXPECT_LT(ms, 60.0) << "silent";
            }
        }
    }
}

TEST(ClickSound, EveryEventPlaysTheSameClickIntoTheStream)
{
    AudioOutput output(nullptr, false);
    TFlatSound sound(nullptr, &output);
    for (TSoundEvent event : {seBtnClick, seMenu, seMenuClick, seMoveIntoBtn, sePanelExpand}) {
        sound.SetEvent(event);
        output.StartRecording(AudioOutput::kSampleRate);
        std::this_thread::sleep_for(std::chrono::milliseconds(40));  // some silence before it
        sound.Play();  // returns at once on a silent output; the click goes on into the stream
        clicktiming::waitForStream(output, 200);
        const AudioOutput::Recording r = output.StopRecording();
        ASSERT_FALSE(r.samples.empty());
        const std::vector<size_t> at = dsp::onsets(r.samples, AudioOutput::kSampleRate, 3.0, 0.005);
        ASSERT_EQ(at.size(), 1u) << "event " << event;
        // About 110 ms of sound, then silence.
        const double peak = dsp::rms(r.samples, at[0], 441);
        EXPECT_GT(peak, 0.01);
        EXPECT_LT(dsp::rms(r.samples, at[0] + size_t(0.12 * AudioOutput::kSampleRate), 2000), 1e-4);
    }
}

TEST(ClickSound, WithoutAnOutputNothingPlays)
{
    TFlatSound sound(nullptr, nullptr);
    const auto start = Clock::now();
    sound.Play();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    EXPECT_LT(ms, 60.0);  // well short of the click's 110 ms, on a busy machine too
}

TEST(ClickSound, AMissingSoundSoundsTheDesktopsBeepInstead)
{
    AudioOutput output(nullptr, false);
    int beeps = 0;
    TFlatSound missing(nullptr, &output, QStringLiteral(":/sounds/no-such.wav"));
    missing.SetBeep([&beeps] { ++beeps; });
    missing.Play();
    EXPECT_EQ(beeps, 1);
    TFlatSound click(nullptr, &output);
    click.SetBeep([&beeps] { ++beeps; });
    click.Play();
    EXPECT_EQ(beeps, 1);
}
