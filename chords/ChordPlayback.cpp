// SPDX-License-Identifier: GPL-3.0-or-later
#include "chords/ChordPlayback.h"

#include "catalogue/Instrument.h"
#include "media/EMCIDeviceError.h"
#include "media/MediaSystem.h"
#include "platform/MessageTimer.h"
#include "playback/StringPlayer.h"
#include "playback/StringPlayers.h"
#include "playback/StrumSequencer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <algorithm>

namespace fretlore {

namespace {

constexpr int kSettleMs = 1000;       // of sound the device has played before the strum starts
constexpr int kSettleLimitMs = 8000;  // the longest wait for it, after which the strum starts anyway

// A sound stream just opened loses its first moments on the way to the
// speakers (the sound server wakes its output up), and some servers take no
// more than a buffer's worth for seconds after it opens (a sink that has
// mixed ahead, a wireless one waking): the strum begins once the device has
// taken a second of sound, counted in the frames it took rather than in the
// time since it opened. The stream is kept from going idle meanwhile.
void settleStream(AudioOutput& output)
{
    const std::int64_t settleFrames = std::int64_t(kSettleMs) * AudioOutput::kSampleRate / 1000;
    QElapsedTimer waited;
    waited.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        output.Wake();
        if (output.FramesWritten() >= settleFrames || waited.elapsed() >= kSettleLimitMs)
            loop.quit();
    });
    poll.start(10);
    loop.exec();
}

// The string tones are recorded for standard tuning, E2 to E6 (every
// string's frets 0 to 24). A pitch of another guitar takes the file of the
// same pitch, on its own string when that string has it, otherwise on the
// nearest that does; a pitch outside them the same note an octave in.
QString fileOfPitch(const QString& exeDir, int string, int pitch)
{
    constexpr int kLowest = kStandardTuning[0];
    constexpr int kHighest = kStandardTuning[kStringCount - 1] + 24;
    while (pitch < kLowest)
        pitch += 12;
    while (pitch > kHighest)
        pitch -= 12;
    for (int distance = 0; distance < kStringCount; ++distance)
        for (int s : {string - distance, string + distance}) {
            if (s < 0 || s >= kStringCount)
                continue;
            const int fret = pitch - kStandardTuning[size_t(s)];
            if (fret >= 0 && fret <= 24)
                return StringFileName(exeDir, PlayerNumberOf(s), fret);
        }
    return QString();
}

} // namespace

ChordPlayback::ChordPlayback(QString exeDir) : exeDir_(std::move(exeDir)) {}

bool ChordPlayback::Play(const std::array<int, 6>& frets, int string, QString* error, const Instrument& guitar)
{
    std::array<int, 6> played = frets;
    if (string > 0)
        for (int s = 0; s < kStringCount; ++s)
            if (s != StringOfColumn(string))
                played[size_t(s)] = -1;
    if (std::all_of(played.begin(), played.end(), [](int f) { return f < 0; })) {
        *error = string > 0 ? QStringLiteral("string %1 is not played in this voicing").arg(string)
                            : QStringLiteral("no string is played in this voicing");
        return false;
    }

    MediaSystem media(true, QString(), MidiDevice::Loading::Deferred);
    media.Output().SetReportNoDevice(false);  // said below, once
    media.Start();
    if (media.Output().WaitForSink() != AudioOutput::Sink::Device) {
        const char* problem = media.Output().DeviceProblem();
        *error = QStringLiteral("no sound device (%1)").arg(QString::fromLocal8Bit(problem ? problem : "none tried"));
        return false;
    }
    if (!media.Midi().HasSoundFont()) {
        *error = QStringLiteral("no sound: no General MIDI sound font loaded (%1 names one)")
                     .arg(QLatin1String(MidiDevice::kSoundFontVariable));
        return false;
    }

    // The window's players and strum, on a timer set as the window's.
    QObject owner;
    const StringPlayerSet players = CreateStringPlayers(&owner, &media.Midi());
    MessageTimer timer(&owner, StrumSequencer::kFirstStepMs, false);
    QEventLoop loop;
    StrumSequencer strum(players, &timer, [&] {
        timer.SetEnabled(false);
        SilenceStringPlayers(players);
        loop.quit();
    });
    QObject::connect(&timer, &MessageTimer::timeout, &loop, [&strum] { strum.Tick(); });

    settleStream(media.Output());
    PrepareStringPlayers(players, played, exeDir_);
    if (guitar != kStandardGuitar)
        for (int s = 0; s < kStringCount; ++s)
            if (played[size_t(s)] >= 0)
                players[size_t(s)]->SetFileName(fileOfPitch(exeDir_, s, guitar.Pitch(s, played[size_t(s)])));
    try {
        strum.Start();
    } catch (const EMCIDeviceError& e) {
        SilenceStringPlayers(players);
        *error = e.Message();
        return false;
    }
    loop.exec();
    return true;
}

} // namespace fretlore
