// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/AudioOutput.h"

#include "media/RuntimeLibrary.h"
#include "media/StreamClock.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <condition_variable>
#include <cstring>
#include <mutex>

#include <pthread.h>
#include <sched.h>

namespace fretlore {

namespace {

using Clock = std::chrono::steady_clock;

// ALSA reports every probe it makes on stderr; the program says one line itself.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// The sound library's entry points that the output uses.
#define FRETLORE_ALSA_FUNCTIONS(F)                                                                                     \
    F(snd_lib_error_set_handler)                                                                                       \
    F(snd_pcm_open)                                                                                                    \
    F(snd_pcm_set_params)                                                                                              \
    F(snd_pcm_writei)                                                                                                  \
    F(snd_pcm_recover)                                                                                                 \
    F(snd_pcm_drop)                                                                                                    \
    F(snd_pcm_close)                                                                                                   \
    F(snd_strerror)

// Loaded by the output's thread when it first opens the device.
struct AlsaLibrary {
    FRETLORE_ALSA_FUNCTIONS(FRETLORE_DECLARE_ENTRY)
    QLibrary library{QStringLiteral(FRETLORE_ALSA_LIBRARY)};
    enum class State { Untried, Loaded, Failed } state = State::Untried;

    bool load()
    {
        if (state == State::Untried) {
            const char* what = "sound device";
            const bool ok = LoadRuntimeLibrary(library, what) FRETLORE_ALSA_FUNCTIONS(FRETLORE_RESOLVE_ENTRY);
            state = ok ? State::Loaded : State::Failed;
            if (ok)
                snd_lib_error_set_handler(&quietAlsa);
        }
        return state == State::Loaded;
    }
};

std::int64_t nowNs()
{
    return AudioOutput::NowNs();
}

void raiseThreadPriority()
{
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_FIFO);
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);  // not granted: stays as it is
}

} // namespace

std::int64_t AudioOutput::NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

struct AudioOutput::Impl {
    AlsaLibrary alsa;
    snd_pcm_t* pcm = nullptr;

    // Opens the system's default playback device; false, with the reason, if
    // there is none (or no sound library).
    bool openDevice(const char** reason)
    {
        if (!alsa.load()) {
            *reason = "the sound library cannot be loaded";
            return false;
        }
        int err = alsa.snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0);
        if (err >= 0) {
            // Eight periods of 128 frames (23 ms): a command sounds within about 25 ms.
            const unsigned latencyUs = 8u * AudioOutput::kPeriodFrames * 1000000u / AudioOutput::kSampleRate;
            err = alsa.snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 2,
                                          AudioOutput::kSampleRate, 1, latencyUs);
            if (err < 0)
                alsa.snd_pcm_close(pcm);
        }
        if (err < 0) {
            pcm = nullptr;
            *reason = alsa.snd_strerror(err);
        }
        return pcm != nullptr;
    }

    // Drops what the device still holds (nothing, when it went away) and closes it.
    void closeDevice()
    {
        if (!pcm)
            return;
        alsa.snd_pcm_drop(pcm);
        alsa.snd_pcm_close(pcm);
        pcm = nullptr;
    }

    // The one-shot in flight, a copy of the caller's samples. The caller sets
    // it up under `shotLock`; the thread mixes it only while it holds that
    // lock, which it merely tries to take, so it never waits for the caller.
    // When the last sample is mixed the thread clears `shotPlaying` and
    // signals `shotDone`.
    std::mutex shotLock;
    std::condition_variable shotDone;
    std::vector<std::int16_t> shot;
    bool shotPlaying = false;
    int shotCount = 0;
    double shotStep = 1.0;  // source samples per output frame
    double shotPos = 0.0;
    std::mutex shotCaller;  // one caller at a time
    // Whether the thread has settled the sink (device opened or given up).
    std::atomic<bool> sinkSettled{false};

    // Recording: buffers allocated by the caller before `recording` is set.
    std::atomic<bool> recording{false};
    std::vector<float> recSamples;
    std::vector<std::int64_t> recTimes;
    std::vector<std::int64_t> recStreamTimes;
    std::size_t recFrames = 0;
    std::size_t recPeriods = 0;
    std::mutex recCaller;
};

AudioOutput::AudioOutput(AudioSource* source, bool tryDevice, bool deferStart)
    : impl_(std::make_unique<Impl>()), source_(source), tryDevice_(tryDevice)
{
    impl_->sinkSettled = !tryDevice;
    if (source_)
        source_->SetWakeUp([this] { Wake(); });
    if (!deferStart)
        Start();
}

void AudioOutput::Start()
{
    std::call_once(started_, [this] {
        // The device opens on the output's own thread, so the caller does not wait for it.
        thread_ = std::thread([this] {
            if (tryDevice_ && running_.load()) {
                const char* reason = "";
                if (impl_->openDevice(&reason)) {
                    sink_ = Sink::Device;
                } else {
                    if (reportNoDevice_.load())
                        std::fprintf(stderr, "Fretlore PRO: no sound device (%s); playing silently\n", reason);
                    deviceProblem_ = reason;
                }
            }
            settleSink();
            deviceTried_.store(true);
            deviceTried_.notify_all();
            run();
        });
    });
}

AudioOutput::Sink AudioOutput::WaitForSink()
{
    Start();
    deviceTried_.wait(false);
    return sink_.load();
}

AudioOutput::~AudioOutput()
{
    running_ = false;
    if (source_)
        source_->SetWakeUp(nullptr);
    Wake();
    if (thread_.joinable())
        thread_.join();
    impl_->closeDevice();
}

void AudioOutput::run()
{
    raiseThreadPriority();
    std::array<float, kPeriodFrames> left{};
    std::array<float, kPeriodFrames> right{};
    std::array<std::int16_t, 2 * kPeriodFrames> pcmBuffer{};
    Clock::time_point silentStart = Clock::now();
    std::int64_t silentFrames = 0;
    std::uint32_t wakesSeen = wakes_.load();
    std::int64_t quietSinceNs = nowNs();
    StreamClock clock;

    while (running_.load()) {
        const std::int64_t renderedAt = nowNs();
        const std::int64_t firstFrame = framesWritten_.load();
        clock.Follow(renderedAt, firstFrame);
        const std::int64_t streamAt = clock.TimeOf(firstFrame);
        left.fill(0.0f);
        right.fill(0.0f);
        if (source_)
            source_->Render(left.data(), right.data(), kPeriodFrames, streamAt);

        mixOneShot(left.data(), right.data());

        for (int i = 0; i < kPeriodFrames; ++i) {
            pcmBuffer[size_t(2 * i)] = std::int16_t(std::lround(std::clamp(left[size_t(i)], -1.0f, 1.0f) * 32767.0f));
            pcmBuffer[size_t(2 * i + 1)] =
                std::int16_t(std::lround(std::clamp(right[size_t(i)], -1.0f, 1.0f) * 32767.0f));
        }

        if (impl_->pcm) {
            const AlsaLibrary& alsa = impl_->alsa;
            snd_pcm_sframes_t written = alsa.snd_pcm_writei(impl_->pcm, pcmBuffer.data(), kPeriodFrames);
            if (written < 0)
                written = alsa.snd_pcm_recover(impl_->pcm, int(written), 1);
            if (written < 0) {
                // The device went away: carry on silently, paced by the clock.
                const char* reason = alsa.snd_strerror(int(written));
                std::fprintf(stderr, "Fretlore PRO: sound device lost (%s); playing silently\n", reason);
                deviceProblem_ = reason;
                impl_->closeDevice();
                sink_ = Sink::Silent;
                settleSink();  // a caller waiting for its click returns now
                silentStart = Clock::now();
                silentFrames = 0;
            }
        }
        if (!impl_->pcm) {
            silentFrames += kPeriodFrames;
            std::this_thread::sleep_until(silentStart +
                                          std::chrono::nanoseconds(FramesToNs(silentFrames)));
        }
        framesWritten_ += kPeriodFrames;

        if (impl_->recording.load(std::memory_order_acquire)) {
            if (impl_->recPeriods < impl_->recTimes.size()) {
                impl_->recStreamTimes[impl_->recPeriods] = streamAt;
                impl_->recTimes[impl_->recPeriods++] = renderedAt;
            }
            const std::size_t n = std::min<std::size_t>(kPeriodFrames, impl_->recSamples.size() - impl_->recFrames);
            std::copy_n(left.begin(), n, impl_->recSamples.begin() + std::ptrdiff_t(impl_->recFrames));
            impl_->recFrames += n;
        }

        if (idleAfter(left.data(), right.data(), wakesSeen, quietSinceNs)) {
            sleepUntilWoken(wakesSeen);
            wakesSeen = wakes_.load();
            quietSinceNs = nowNs();
            silentStart = Clock::now();
            silentFrames = 0;
        }
    }
}

bool AudioOutput::idleAfter(const float* left, const float* right, std::uint32_t& wakesSeen, std::int64_t& quietSinceNs)
{
    // Counted on the clock, not in periods: a sound server starved on a busy
    // machine takes the periods more slowly.
    const std::int64_t now = nowNs();
    const std::uint32_t wakes = wakes_.load();
    if (wakes != wakesSeen) {
        wakesSeen = wakes;
        quietSinceNs = now;
        return false;
    }
    // Below the smallest step of the 16-bit output: nothing is heard.
    float peak = 0.0f;
    for (int i = 0; i < kPeriodFrames; ++i)
        peak = std::max({peak, std::abs(left[i]), std::abs(right[i])});
    const bool busy = peak >= 1.0f / 32768.0f || impl_->recording.load() || (source_ && source_->SoundAhead());
    if (busy)
        quietSinceNs = now;
    return now - quietSinceNs >= std::int64_t(kIdleAfterMs) * 1000000;
}

void AudioOutput::sleepUntilWoken(std::uint32_t wakesSeen)
{
    // The stream is closed, not just stopped: a sound server keeps mixing for
    // a stopped stream that is still connected.
    const bool hadDevice = impl_->pcm != nullptr;
    impl_->closeDevice();
    sleeping_ = true;
    while (running_.load() && wakes_.load() == wakesSeen)
        wakes_.wait(wakesSeen);
    sleeping_ = false;
    if (hadDevice && running_.load()) {
        const char* reason = "";
        if (!impl_->openDevice(&reason)) {
            std::fprintf(stderr, "Fretlore PRO: sound device lost (%s); playing silently\n", reason);
            deviceProblem_ = reason;
            sink_ = Sink::Silent;
            settleSink();
        }
    }
}

void AudioOutput::Wake()
{
    wakes_.fetch_add(1);
    sleeping_ = false;  // from now on, for anyone who waits for the stream
    wakes_.notify_all();
}

void AudioOutput::mixOneShot(float* left, float* right)
{
    // Resampled by holding, into both channels. A caller busy with the shot
    // at this moment gets it mixed from the next period on.
    std::unique_lock lock(impl_->shotLock, std::try_to_lock);
    if (!lock.owns_lock() || !impl_->shotPlaying)
        return;
    const std::int16_t* shot = impl_->shot.data();
    for (int i = 0; i < kPeriodFrames; ++i) {
        const int index = int(impl_->shotPos);
        if (index >= impl_->shotCount)
            break;
        const float v = float(shot[index]) / 32768.0f;
        left[i] += v;
        right[i] += v;
        impl_->shotPos += impl_->shotStep;
    }
    if (int(impl_->shotPos) >= impl_->shotCount) {
        impl_->shotPlaying = false;
        impl_->shotDone.notify_all();
    }
}

void AudioOutput::settleSink()
{
    {
        std::lock_guard lock(impl_->shotLock);
        impl_->sinkSettled = true;
    }
    impl_->shotDone.notify_all();
}

void AudioOutput::PlayOneShotAndWait(const std::int16_t* samples, int count, int rate)
{
    if (!samples || count <= 0 || rate <= 0 || !running_.load())
        return;
    Start();
    std::lock_guard caller(impl_->shotCaller);
    std::unique_lock lock(impl_->shotLock);
    impl_->shot.assign(samples, samples + count);
    impl_->shotCount = count;
    impl_->shotStep = double(rate) / kSampleRate;
    impl_->shotPos = 0.0;
    impl_->shotPlaying = true;
    Wake();
    // Nothing sounds on a silent output, so there is nothing to wait for.
    // Otherwise the thread mixes the shot over its length from its next
    // period on: the wait never lasts longer than that, whatever holds the
    // thread up.
    const auto silent = [this] { return impl_->sinkSettled.load() && sink_.load() == Sink::Silent; };
    const auto bound = std::chrono::nanoseconds(std::int64_t(count) * 1000000000LL / rate +
                                                FramesToNs(kPeriodFrames));
    impl_->shotDone.wait_for(lock, bound, [&] { return !impl_->shotPlaying || !running_.load() || silent(); });
}

void AudioOutput::waitForTwoPeriods() const
{
    const std::int64_t seen = framesWritten_.load();
    while (running_.load() && !sleeping_.load() && framesWritten_.load() < seen + 2 * kPeriodFrames)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void AudioOutput::StartRecording(std::size_t maxFrames)
{
    Start();
    std::lock_guard lock(impl_->recCaller);
    if (impl_->recording.exchange(false))
        waitForTwoPeriods();  // the thread may be writing into the old buffers
    impl_->recSamples.assign(maxFrames, 0.0f);
    impl_->recTimes.assign(maxFrames / kPeriodFrames + 1, 0);
    impl_->recStreamTimes.assign(impl_->recTimes.size(), 0);
    impl_->recFrames = 0;
    impl_->recPeriods = 0;
    impl_->recording.store(true, std::memory_order_release);
}

AudioOutput::Recording AudioOutput::StopRecording()
{
    std::lock_guard lock(impl_->recCaller);
    impl_->recording.store(false);
    waitForTwoPeriods();  // a period in progress finishes writing to the buffers
    Recording r;
    r.samples.assign(impl_->recSamples.begin(), impl_->recSamples.begin() + std::ptrdiff_t(impl_->recFrames));
    const auto periods = std::ptrdiff_t(impl_->recPeriods);
    r.periodTimesNs.assign(impl_->recTimes.begin(), impl_->recTimes.begin() + periods);
    r.periodStreamNs.assign(impl_->recStreamTimes.begin(), impl_->recStreamTimes.begin() + periods);
    return r;
}

} // namespace fretlore
