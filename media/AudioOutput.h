// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace fretlore {

// What the output thread renders: called on the audio thread for every period,
// with both channels zeroed, to add `frames` frames of sound, the first of
// them at `firstFrameNs` on the stream's clock (steady-clock nanoseconds; a
// period rendered late keeps its place). It must not block for long or
// allocate; a source that cannot render in time leaves silence.
class AudioSource {
public:
    virtual ~AudioSource() = default;
    virtual void Render(float* left, float* right, int frames, std::int64_t firstFrameNs) = 0;

    // Whether the source has sound to come that it has been told to start
    // later, so the output keeps running through a silence. Audio thread.
    virtual bool SoundAhead() const { return false; }

    // Set by the output that renders the source, before its thread starts:
    // the source calls it whenever it is given something to sound.
    void SetWakeUp(std::function<void()> wakeUp) { wakeUp_ = std::move(wakeUp); }

protected:
    void WakeOutput() const
    {
        if (wakeUp_)
            wakeUp_();
    }

private:
    std::function<void()> wakeUp_;
};

// The program's one audio output: a thread that renders the source, mixes
// one-shot samples (the click) into the same stream and writes it to the
// system's default sound device in periods of 128 frames (2.9 ms) at 44100 Hz. When
// no device opens, or the device goes away, the same thread writes to a
// silent output paced by the clock, so every timing behaves the same.
//
// After kIdleAfterMs of silence, with nothing due and no recording, the
// output stops its stream (the sound server then has nothing to mix) and
// its thread sleeps until the source, a one-shot or Wake starts it again.
class AudioOutput {
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kPeriodFrames = 128;
    static constexpr int kIdleAfterMs = 3000;

    enum class Sink { Device, Silent };

    // The steady clock in nanoseconds, the time base of recordings and planned commands.
    static std::int64_t NowNs();
    // The length of `frames` frames in nanoseconds.
    static constexpr std::int64_t FramesToNs(std::int64_t frames) { return frames * 1000000000LL / kSampleRate; }

    // Starts the thread, or with `deferStart` leaves that to Start (or the
    // first one-shot or recording). `source` must outlive the output. With
    // `tryDevice` false the output is silent from the start.
    explicit AudioOutput(AudioSource* source, bool tryDevice = true, bool deferStart = false);
    ~AudioOutput();  // stops the thread and releases the device

    // Starts the thread, which opens the device, unless started already.
    void Start();

    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    Sink CurrentSink() const { return sink_.load(); }

    // Once the output has looked for the sound device: why it found none, or
    // why it lost it (a static text); null while it has a device, has not
    // looked yet, or was made silent on purpose.
    const char* DeviceProblem() const { return deviceProblem_.load(); }

    // Starts the output unless started, waits until its thread has looked
    // for the sound device and returns where the sound goes (DeviceProblem
    // then says why it is not the device, unless made silent on purpose).
    Sink WaitForSink();

    // Whether the thread says on stderr that it plays silently because no
    // device opened (it does unless told otherwise before it starts).
    void SetReportNoDevice(bool report) { reportNoDevice_ = report; }

    // Mixes mono 16-bit samples at `rate` Hz into the stream once (a new one
    // takes the place of one still playing) and returns when the thread has
    // mixed the last of them, or at the latest after their length plus one
    // period, the rest then playing on. While the output is silent (no
    // device, or the device lost) it returns at once. The samples are copied.
    void PlayOneShotAndWait(const std::int16_t* samples, int count, int rate);

    // Frames written so far (they do not advance while the output sleeps).
    std::int64_t FramesWritten() const { return framesWritten_.load(); }

    // Starts the output if it sleeps, and counts its idle time afresh.
    void Wake();
    // Whether the thread sleeps for want of sound.
    bool Sleeping() const { return sleeping_.load(); }

    // Recording of the mixed stream (left channel) for measurements: up to
    // `maxFrames` frames from the next period on, with the steady-clock time
    // (nanoseconds) at which each period was rendered (a command given before
    // that time sounds in that period) and the time of its first frame on the
    // stream's clock (where the period sits in the stream, whenever the
    // system let it be rendered).
    struct Recording {
        std::vector<float> samples;
        std::vector<std::int64_t> periodTimesNs;   // one per kPeriodFrames frames
        std::vector<std::int64_t> periodStreamNs;  // likewise
    };
    // A recording keeps a running output awake but does not wake a sleeping one.
    void StartRecording(std::size_t maxFrames);
    Recording StopRecording();

private:
    struct Impl;
    void run();
    void mixOneShot(float* left, float* right);
    // The device is open or given up for good: waiting callers look again.
    void settleSink();
    void waitForTwoPeriods() const;
    // Follows the silence; true once the output has been idle long enough to sleep.
    bool idleAfter(const float* left, const float* right, std::uint32_t& wakesSeen, std::int64_t& quietSinceNs);
    // Stops the stream, sleeps until woken and starts the stream again.
    void sleepUntilWoken(std::uint32_t wakesSeen);

    std::unique_ptr<Impl> impl_;
    AudioSource* source_;
    std::atomic<Sink> sink_{Sink::Silent};
    std::atomic<const char*> deviceProblem_{nullptr};
    std::atomic<bool> running_{true};
    std::atomic<std::int64_t> framesWritten_{0};
    bool tryDevice_;
    std::atomic<bool> reportNoDevice_{true};
    std::atomic<bool> deviceTried_{false};
    std::atomic<std::uint32_t> wakes_{0};
    std::atomic<bool> sleeping_{false};
    std::once_flag started_;
    std::thread thread_;
};

} // namespace fretlore
