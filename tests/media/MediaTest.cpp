// SPDX-License-Identifier: GPL-3.0-or-later
// The string players' media layer, rendered offline through the real
// synthesizer and sound font: pitches, stopping, closing, reopening, errors.
#include "media/AudioOutput.h"
#include "media/EMCIDeviceError.h"
#include "media/MidiDevice.h"
#include "media/PriorityMutex.h"
#include "media/StreamClock.h"
#include "playback/StringPlayers.h"

#include "Dsp.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <memory>
#include <vector>

using namespace fretlore;

namespace {

// The program's folder in the build, with the mid folder in it.
const QString kExeDir = QStringLiteral(FRETLORE_EXE_DIR);
constexpr double kRate = AudioOutput::kSampleRate;
constexpr int kOpenNotes[6] = {40, 45, 50, 55, 59, 64};  // E6 A5 D4 G3 B2 e1

QString midFile(int column, int fret)
{
    return StringFileName(kExeDir, column, fret);
}

class Media : public ::testing::Test {
protected:
    static void SetUpTestSuite() { device_ = std::make_unique<MidiDevice>(); }
    static void TearDownTestSuite() { device_.reset(); }
    void SetUp() override
    {
        ASSERT_TRUE(device_->HasSoundFont()) << "install fluid-soundfont-gm";
        for (int s = 0; s < MidiDevice::kSlots; ++s)
            device_->Close(s);
        render(0.5);  // let earlier notes die away
    }

    // Renders `seconds` of the mixed stream (left channel).
    static std::vector<float> render(double seconds)
    {
        std::vector<float> out;
        float left[AudioOutput::kPeriodFrames];
        float right[AudioOutput::kPeriodFrames];
        const int periods = int(seconds * kRate / AudioOutput::kPeriodFrames);
        for (int p = 0; p < periods; ++p) {
            std::fill(std::begin(left), std::end(left), 0.0f);
            std::fill(std::begin(right), std::end(right), 0.0f);
            device_->Render(left, right, AudioOutput::kPeriodFrames, AudioOutput::NowNs());
            out.insert(out.end(), std::begin(left), std::end(left));
        }
        return out;
    }

    static std::unique_ptr<MidiDevice> device_;
};
std::unique_ptr<MidiDevice> Media::device_;

} // namespace

TEST_F(Media, EachStringSoundsItsPitchOpenAndAtTheTwelfthFret)
{
    for (int column = 1; column <= 6; ++column) {
        for (int fret : {0, 12}) {
            const int slot = column - 1;
            ASSERT_EQ(device_->Open(slot, midFile(column, fret)), MciError::None) << column << "/" << fret;
            ASSERT_EQ(device_->Play(slot), MciError::None);
            render(0.05);
            const double f = dsp::pitchHzChecked(render(1.2), kRate);
            const double expected = dsp::midiHz(kOpenNotes[column - 1] + fret);
            EXPECT_NEAR(dsp::cents(f, expected), 0.0, 20.0)
                << "string " << column << " fret " << fret << ": " << f << " Hz, expected " << expected;
            device_->Close(slot);
            render(0.3);
        }
    }
}

TEST_F(Media, StopSilencesOnlyItsOwnString)
{
    ASSERT_EQ(device_->Open(1, midFile(2, 0)), MciError::None);  // A5, 110 Hz
    ASSERT_EQ(device_->Open(5, midFile(6, 0)), MciError::None);  // e1, 330 Hz
    device_->Play(1);
    device_->Play(5);
    render(0.3);
    EXPECT_EQ(device_->Stop(1), MciError::None);
    EXPECT_TRUE(device_->IsOpen(1));  // stopped, still open
    render(0.4);                       // the stopped string's release dies away
    const std::vector<float> after = render(1.0);
    EXPECT_GT(dsp::rms(after, 0, after.size()), 0.003);
    EXPECT_NEAR(dsp::cents(dsp::pitchHzChecked(after, kRate), dsp::midiHz(64)), 0.0, 20.0);

    // The other one alone, stopped: silence.
    EXPECT_EQ(device_->Stop(5), MciError::None);
    render(0.5);
    const std::vector<float> silent = render(0.3);
    EXPECT_LT(dsp::rms(silent, 0, silent.size()), 0.0005);
}

TEST_F(Media, CloseReleasesAndOpenTwiceRestarts)
{
    ASSERT_EQ(device_->Open(0, midFile(1, 5)), MciError::None);
    EXPECT_GT(device_->Length(0), 0);
    device_->Play(0);
    const std::vector<float> first = render(0.5);
    EXPECT_FALSE(dsp::onsets(first, kRate).empty());

    // Opening again closes and silences, and waits for Play.
    ASSERT_EQ(device_->Open(0, midFile(1, 5)), MciError::None);
    EXPECT_FALSE(device_->IsPlaying(0));
    EXPECT_EQ(device_->Position(0), 0);
    render(0.5);
    EXPECT_LT(dsp::rms(render(0.2), 0, size_t(0.2 * kRate)), 0.0005);
    device_->Play(0);
    EXPECT_FALSE(dsp::onsets(render(0.5), kRate).empty());

    EXPECT_EQ(device_->Close(0), MciError::None);
    EXPECT_FALSE(device_->IsOpen(0));
    EXPECT_EQ(device_->Length(0), 0);
    render(0.5);
    EXPECT_LT(dsp::rms(render(0.2), 0, size_t(0.2 * kRate)), 0.0005);
    EXPECT_EQ(device_->Play(0), MciError::DeviceNotOpen);
    EXPECT_EQ(device_->Close(0), MciError::None);  // closing a closed slot is harmless
}

TEST_F(Media, AFilePlayedToItsEndRewindsOnPlay)
{
    ASSERT_EQ(device_->Open(2, midFile(3, 2)), MciError::None);
    device_->Play(2);
    render(3.4);
    EXPECT_EQ(device_->Position(2), device_->Length(2));
    EXPECT_FALSE(device_->IsPlaying(2));
    render(0.5);
    ASSERT_EQ(device_->Play(2), MciError::None);
    EXPECT_FALSE(dsp::onsets(render(0.5), kRate).empty());
}

TEST_F(Media, OpenErrorsNameTheFileAndTheirCause)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&dir](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    };
    QFile good(midFile(1, 3));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();

    struct Case {
        QString path;
        MciError error;
        const char* says;
    };
    const Case cases[] = {
        {dir.filePath(QStringLiteral("6-99.mid")), MciError::FileNotFound, "was not found"},
        {write(QStringLiteral("click.wav"), bytes), MciError::UnsupportedFileType, "only .mid and .midi"},
        {write(QStringLiteral("cut.mid"), bytes.left(20)), MciError::CorruptFile, "damaged"},
        {write(QStringLiteral("noise.mid"), QByteArray("\x13\x99\xfe\x00garbage", 11)), MciError::NotMidiFile,
         "is not a MIDI file"},
        {write(QStringLiteral("empty.midi"), QByteArray()), MciError::NotMidiFile, "is not a MIDI file"},
        {dir.path(), MciError::UnsupportedFileType, "only .mid"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(device_->Open(4, c.path), c.error) << c.path.toStdString();
        const QString text = device_->LastErrorText(4);
        EXPECT_TRUE(text.contains(QLatin1String(c.says))) << text.toStdString();
        if (c.error != MciError::UnsupportedFileType || c.path.endsWith(QLatin1String(".wav"))) {
            EXPECT_EQ(text.count(QFileInfo(c.path).fileName()), 1) << text.toStdString();
        }
        EXPECT_FALSE(device_->IsOpen(4));
    }
    // A good file with upper-case extension opens.
    EXPECT_EQ(device_->Open(4, write(QStringLiteral("GOOD.MID"), bytes)), MciError::None);
    EXPECT_EQ(device_->ErrorText(static_cast<MciError>(99), QString()), QStringLiteral("Unknown error code"));
}

TEST(MediaWithoutSoundFont, OpenFailsNamingTheFontAndItsPackage)
{
    MidiDevice device(QStringLiteral("/nonexistent/default-GM.sf2"));
    EXPECT_FALSE(device.HasSoundFont());
    EXPECT_EQ(device.Open(0, midFile(1, 0)), MciError::NoSoundFont);
    const QString text = device.LastErrorText(0);
    EXPECT_TRUE(text.contains(QLatin1String("/nonexistent/default-GM.sf2"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1String("fluid-soundfont-gm"))) << text.toStdString();
    float l[64] = {}, r[64] = {};
    device.Render(l, r, 64, AudioOutput::NowNs());  // renders silence, no crash
}

TEST(MediaSoundFont, TheSynthesizersOwnDefaultFirstThenTheUsualPlacesThenTheVariable)
{
    qputenv(MidiDevice::kSoundFontVariable, "/home/me/mine.sf2");
    const QStringList places = MidiDevice::SoundFontPlaces(QStringLiteral("/opt/synth/default.sf2"));
    EXPECT_EQ(places.first(), QStringLiteral("/opt/synth/default.sf2"));
    EXPECT_EQ(places.last(), QStringLiteral("/home/me/mine.sf2"));
    for (const char* usual : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/soundfonts/FluidR3_GM.sf2",
                              "/usr/share/soundfonts/default.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2"})
        EXPECT_TRUE(places.contains(QLatin1String(usual))) << usual;
    qunsetenv(MidiDevice::kSoundFontVariable);
    const QStringList debian = MidiDevice::SoundFontPlaces(QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"));
    EXPECT_EQ(debian.count(QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2")), 1);
    EXPECT_FALSE(debian.contains(QStringLiteral("/home/me/mine.sf2")));

    MidiDevice found;  // no path given: looks for it
    EXPECT_TRUE(found.HasSoundFont());
    const QString text = found.ErrorText(MciError::NoSoundFont, QString(), QStringLiteral("/a.sf2, /b.sf2"));
    EXPECT_TRUE(text.contains(QLatin1String("(tried /a.sf2, /b.sf2)"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1String("FRETLORE_SOUNDFONT"))) << text.toStdString();
}

// A device that loads later renders silence until then, and the first
// operation that needs the synthesizer makes it and loads the sound font.
TEST(MediaLoadedLater, RendersSilenceUntilLoadedAndLoadsOnFirstNeed)
{
    {
        MidiDevice never(QString(), MidiDevice::Loading::Deferred);
        float l[64] = {}, r[64] = {};
        never.Render(l, r, 64, AudioOutput::NowNs());
        EXPECT_TRUE(std::all_of(std::begin(l), std::end(l), [](float v) { return v == 0.0f; }));
    }  // destroyed without ever loading

    MidiDevice device(QString(), MidiDevice::Loading::Deferred);
    ASSERT_EQ(device.Open(0, midFile(1, 0)), MciError::None) << device.LastErrorText(0).toStdString();
    EXPECT_TRUE(device.HasSoundFont());
    device.StartLoading();  // already loaded: nothing more happens
    ASSERT_EQ(device.Play(0), MciError::None);
    std::vector<float> out(size_t(kRate / 2));
    for (size_t done = 0; done + 64 <= out.size(); done += 64) {
        float r[64] = {};
        device.Render(out.data() + done, r, 64, AudioOutput::NowNs());
    }
    EXPECT_GT(*std::max_element(out.begin(), out.end()), 0.01f);
}

TEST(MediaErrors, AMissingSynthesizerNamesItsLibraryAndPackage)
{
    MidiDevice device(QString(), MidiDevice::Loading::Deferred);
    const QString text = device.ErrorText(MciError::NoSynthesizer, QString());
    EXPECT_TRUE(text.contains(QLatin1String("libfluidsynth.so."))) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1String("libfluidsynth3"))) << text.toStdString();
}

TEST(AudioOutput, SilentOutputKeepsTime)
{
    using Clock = std::chrono::steady_clock;
    AudioOutput output(nullptr, false);
    EXPECT_EQ(output.CurrentSink(), AudioOutput::Sink::Silent);
    const std::int64_t before = output.FramesWritten();
    const auto start = Clock::now();
    while (Clock::now() - start < std::chrono::milliseconds(500))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const double seconds = double(output.FramesWritten() - before) / AudioOutput::kSampleRate;
    EXPECT_NEAR(seconds, 0.5, 0.03);
}

// Frames keep their place when a render comes late; a slow drift is followed
// a little at a time; a long gap (the output waking) sets the clock afresh.
TEST(AudioOutput, StreamClockKeepsFramesInPlace)
{
    const auto at = [](int period) { return AudioOutput::FramesToNs(std::int64_t(period) * AudioOutput::kPeriodFrames); };
    const auto frame = [](int period) { return std::int64_t(period) * AudioOutput::kPeriodFrames; };
    StreamClock clock;
    clock.Follow(1000000000, 0);
    clock.Follow(1000000000 + at(2) + 5000000, frame(2));  // 5 ms late: moved by the drift's 0.6 us at most
    EXPECT_NEAR(double(clock.TimeOf(frame(3))), double(1000000000 + at(3)), 700.0);
    clock.Follow(1000000000 + at(4) - 1000, frame(4));  // a render earlier than the clock: followed
    EXPECT_EQ(clock.TimeOf(0), 1000000000 - 1000);
    clock.Follow(2000000000, frame(5));  // woken after a sleep
    EXPECT_EQ(clock.TimeOf(frame(5)), 2000000000);
}

// The audio thread's wait for the synthesizer ends when the holder lets go,
// and gives up after its bound while the holder keeps it.
TEST(AudioOutput, PriorityMutexWaitsABoundedTime)
{
    PriorityMutex mutex;
    std::atomic<bool> release{false};
    std::atomic<bool> held{false};
    std::thread holder([&] {
        std::lock_guard hold(mutex);
        held = true;
        while (!release.load())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    while (!held.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_FALSE(mutex.try_lock_for(std::chrono::milliseconds(2)));
    release = true;
    EXPECT_TRUE(mutex.try_lock_for(std::chrono::seconds(30)));
    mutex.unlock();
    holder.join();
}
