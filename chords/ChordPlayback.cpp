#include "chords/ChordPlayback.h"

#include "catalogue/Instrument.h"
#include "media/EMCIDeviceError.h"
#include "media/MediaSystem.h"
#include "platform/MessageTimer.h"
#include "playback/StringPlayers.h"
#include "playback/StrumSequencer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <algorithm>

namespace fretlore {

namespace {

constexpr int kSettleMs = 1000;  // from the device's opening to the strum's start

} // namespace

ChordPlayback::ChordPlayback(QString exeDir) : exeDir_(std::move(exeDir)) {}

bool ChordPlayback::Play(const std::array<int, 6>& frets, int string, QString* error)
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
    QElapsedTimer deviceOpen;
    deviceOpen.start();
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

    // A sound stream just opened loses its first moments on the way to the
    // speakers (the sound server wakes its output up): the strum begins once
    // the device has run for a second, as it has long done in the window.
    const qint64 settle = kSettleMs - deviceOpen.elapsed();
    if (settle > 0) {
        QTimer::singleShot(int(settle), &loop, &QEventLoop::quit);
        loop.exec();
    }
    PrepareStringPlayers(players, played, exeDir_);
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
