#include "platform/MidiDevice.h"

#include "platform/SmfReader.h"

#include <QFileInfo>

#include <fluidsynth.h>

#include <algorithm>
#include <future>
#include <cstdio>

namespace fretlore {

namespace {

// FluidSynth speaks only of real trouble, and then in one line on stderr.
void fluidLog(int level, const char* message, void*)
{
    if (level <= FLUID_ERR)
        std::fprintf(stderr, "Fretlore PRO: synthesizer: %s\n", message);
}

} // namespace

struct MidiDevice::Slot {
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    int channel = 0;
    QString path;
    qint64 lengthTicks = 0;
    bool playedToEnd = false;
};

struct MidiDevice::Engine {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    int soundFont = FLUID_FAILED;
    std::array<Slot, kSlots> slotTable;
    std::array<QString, kSlots> lastError;

    ~Engine()
    {
        for (Slot& s : slotTable)
            if (s.player)
                delete_fluid_player(s.player);
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

namespace {

// Each slot's player sends its events to the synthesizer on the slot's own
// channel, whatever channel the file names.
int remapToSlotChannel(void* data, fluid_midi_event_t* event)
{
    auto* slot = static_cast<MidiDevice::Slot*>(data);
    const int type = fluid_midi_event_get_type(event);
    if (type >= 0x80 && type <= 0xEF)
        fluid_midi_event_set_channel(event, slot->channel);
    return fluid_synth_handle_midi_event(slot->synth, event);
}

} // namespace

MidiDevice::MidiDevice(const QString& soundFontPath) : engine_(std::make_unique<Engine>()), soundFontPath_(soundFontPath)
{
    // The synthesizer is made and its sound font loaded on a thread of their
    // own, holding the engine, so the program's windows come up meanwhile;
    // everything that needs the engine waits for it, and the output renders
    // silence until then.
    std::promise<void> locked;
    loaded_ = std::async(std::launch::async, [this, &locked] {
        std::lock_guard guard(lock_);
        locked.set_value();
        if (createEngineLocked())
            loadSoundFontLocked();
    });
    locked.get_future().wait();
}

bool MidiDevice::createEngineLocked()
{
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        fluid_set_log_function(level, &fluidLog, nullptr);

    Engine& e = *engine_;
    e.settings = new_fluid_settings();
    if (!e.settings)
        return false;
    bool ok = fluid_settings_setnum(e.settings, "synth.sample-rate", AudioOutput::kSampleRate) == FLUID_OK;
    ok &= fluid_settings_setnum(e.settings, "synth.gain", 0.6) == FLUID_OK;
    ok &= fluid_settings_setint(e.settings, "synth.dynamic-sample-loading", 1) == FLUID_OK;
    ok &= fluid_settings_setint(e.settings, "synth.reverb.active", 0) == FLUID_OK;
    ok &= fluid_settings_setint(e.settings, "synth.chorus.active", 0) == FLUID_OK;
    ok &= fluid_settings_setint(e.settings, "player.reset-synth", 0) == FLUID_OK;
    ok &= fluid_settings_setstr(e.settings, "player.timing-source", "sample") == FLUID_OK;
    if (!ok)
        std::fprintf(stderr, "Fretlore PRO: synthesizer: a setting was refused\n");

    e.synth = new_fluid_synth(e.settings);
    if (!e.synth)
        return false;
    for (int i = 0; i < kSlots; ++i) {
        e.slotTable[size_t(i)].synth = e.synth;
        e.slotTable[size_t(i)].channel = i;
    }
    return true;
}

void MidiDevice::loadSoundFontLocked()
{
    Engine& e = *engine_;
    if (QFileInfo(soundFontPath_).isFile())
        e.soundFont = fluid_synth_sfload(e.synth, QFile::encodeName(soundFontPath_).constData(), 1);
    if (e.soundFont != FLUID_FAILED) {
        // Selecting the guitar now loads its samples now, not at the first note.
        for (int i = 0; i < kSlots; ++i)
            fluid_synth_program_change(e.synth, i, kGuitarProgram);
    }
}

MidiDevice::~MidiDevice()
{
    if (loaded_.valid())
        loaded_.wait();
    std::lock_guard guard(lock_);
    engine_.reset();
}

bool MidiDevice::HasSoundFont() const
{
    std::lock_guard guard(lock_);  // waits for the loading
    return engine_->synth && engine_->soundFont != FLUID_FAILED;
}

QString MidiDevice::ErrorText(MciError error, const QString& path, const QString& detail) const
{
    const QString& file = path;
    switch (error) {
    case MciError::None:
        return QString();
    case MciError::FileNotFound:
        return QStringLiteral("The MIDI file %1 was not found; the mid folder must lie beside the program").arg(file);
    case MciError::FileUnreadable:
        return QStringLiteral("The MIDI file %1 cannot be read").arg(file);
    case MciError::NotMidiFile:
        return QStringLiteral("The file %1 is not a MIDI file").arg(file);
    case MciError::CorruptFile:
        return detail.isEmpty() ? QStringLiteral("The MIDI file %1 is damaged").arg(file)
                                : QStringLiteral("The MIDI file %1 is damaged: %2").arg(file, detail);
    case MciError::UnsupportedFileType:
        return QStringLiteral("No device plays the file %1: only .mid and .midi files can be played").arg(file);
    case MciError::NoSoundFont:
        return QStringLiteral("No General MIDI sound font at %1: install the package fluid-soundfont-gm")
            .arg(soundFontPath_);
    case MciError::DeviceNotOpen:
        return QStringLiteral("No MCI device open");
    case MciError::DeviceFailed:
        return QStringLiteral("The MIDI sequencer could not open %1").arg(file);
    }
    return QStringLiteral("Unknown error code");
}

MciError MidiDevice::Open(int slot, const QString& path)
{
    if (!validSlot(slot))
        return MciError::DeviceFailed;

    // Checks that need no engine come first, outside the lock.
    MciError error = MciError::None;
    QString detail;
    SmfResult smf;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("mid") && suffix != QLatin1String("midi")) {
        error = MciError::UnsupportedFileType;
    } else {
        smf = ReadSmfFile(path);
        switch (smf.error) {
        case SmfError::None:
            break;
        case SmfError::FileMissing:
            error = MciError::FileNotFound;
            break;
        case SmfError::Unreadable:
            error = MciError::FileUnreadable;
            break;
        case SmfError::NotMidi:
            error = MciError::NotMidiFile;
            break;
        case SmfError::Truncated:
        case SmfError::Malformed:
        case SmfError::Unsupported:
            error = MciError::CorruptFile;
            detail = smf.message;
            break;
        }
    }
    if (error == MciError::None && !HasSoundFont())
        error = MciError::NoSoundFont;

    std::lock_guard guard(lock_);
    closeLocked(slot);
    Slot& s = engine_->slotTable[size_t(slot)];
    if (error == MciError::None) {
        s.path = path;
        s.lengthTicks = smf.summary.lengthTicks;
        if (!startPlayerLocked(slot))
            error = MciError::DeviceFailed;
    }
    engine_->lastError[size_t(slot)] = ErrorText(error, path, detail);
    return error;
}

bool MidiDevice::atEndLocked(const Slot& s)
{
    // The sequencer stays "playing" after the last event; the file's own length says when it is done.
    return s.player && (fluid_player_get_status(s.player) == FLUID_PLAYER_DONE ||
                        fluid_player_get_current_tick(s.player) >= s.lengthTicks);
}

bool MidiDevice::startPlayerLocked(int slot)
{
    Slot& s = engine_->slotTable[size_t(slot)];
    s.player = new_fluid_player(engine_->synth);
    if (!s.player)
        return false;
    fluid_player_set_playback_callback(s.player, &remapToSlotChannel, &s);
    if (fluid_player_add(s.player, QFile::encodeName(s.path).constData()) != FLUID_OK) {
        delete_fluid_player(s.player);
        s.player = nullptr;
        return false;
    }
    s.playedToEnd = false;
    return true;
}

void MidiDevice::closeLocked(int slot)
{
    Slot& s = engine_->slotTable[size_t(slot)];
    if (!s.player)
        return;
    fluid_player_stop(s.player);
    delete_fluid_player(s.player);
    s.player = nullptr;
    s.path.clear();
    s.lengthTicks = 0;
    fluid_synth_all_sounds_off(engine_->synth, s.channel);
}

MciError MidiDevice::Play(int slot)
{
    if (!validSlot(slot))
        return MciError::DeviceNotOpen;
    std::lock_guard guard(lock_);
    Slot& s = engine_->slotTable[size_t(slot)];
    if (!s.player)
        return MciError::DeviceNotOpen;
    // Played to its end: start again from the beginning.
    if (atEndLocked(s)) {
        const QString path = s.path;
        const qint64 length = s.lengthTicks;
        delete_fluid_player(s.player);
        s.player = nullptr;
        s.path = path;
        s.lengthTicks = length;
        if (!startPlayerLocked(slot))
            return MciError::DeviceFailed;
    }
    return fluid_player_play(s.player) == FLUID_OK ? MciError::None : MciError::DeviceFailed;
}

MciError MidiDevice::Stop(int slot)
{
    if (!validSlot(slot))
        return MciError::DeviceNotOpen;
    std::lock_guard guard(lock_);
    Slot& s = engine_->slotTable[size_t(slot)];
    if (!s.player)
        return MciError::DeviceNotOpen;
    fluid_player_stop(s.player);
    fluid_synth_all_sounds_off(engine_->synth, s.channel);
    return MciError::None;
}

MciError MidiDevice::Close(int slot)
{
    if (!validSlot(slot))
        return MciError::None;
    std::lock_guard guard(lock_);
    closeLocked(slot);
    return MciError::None;
}

bool MidiDevice::IsOpen(int slot) const
{
    if (!validSlot(slot))
        return false;
    std::lock_guard guard(lock_);
    return engine_->slotTable[size_t(slot)].player != nullptr;
}

bool MidiDevice::IsPlaying(int slot) const
{
    if (!validSlot(slot))
        return false;
    std::lock_guard guard(lock_);
    const Slot& s = engine_->slotTable[size_t(slot)];
    return s.player && fluid_player_get_status(s.player) == FLUID_PLAYER_PLAYING && !atEndLocked(s);
}

qint64 MidiDevice::Position(int slot) const
{
    if (!validSlot(slot))
        return 0;
    std::lock_guard guard(lock_);
    const Slot& s = engine_->slotTable[size_t(slot)];
    if (!s.player)
        return 0;
    return atEndLocked(s) ? s.lengthTicks : qMin<qint64>(fluid_player_get_current_tick(s.player), s.lengthTicks);
}

qint64 MidiDevice::Length(int slot) const
{
    if (!validSlot(slot))
        return 0;
    std::lock_guard guard(lock_);
    const Slot& s = engine_->slotTable[size_t(slot)];
    return s.player ? s.lengthTicks : 0;
}

QString MidiDevice::LastErrorText(int slot) const
{
    if (!validSlot(slot))
        return QString();
    std::lock_guard guard(lock_);
    return engine_->lastError[size_t(slot)];
}

void MidiDevice::Render(float* left, float* right, int frames)
{
    std::unique_lock guard(lock_, std::try_to_lock);
    if (!guard.owns_lock() || !engine_ || !engine_->synth)
        return;  // leaves the zeroed period: silence
    // The synthesizer is the output's only source, so writing over the zeroed
    // period is the same as adding to it. Rendered in small blocks: the file
    // players advance between blocks, so a note starts within one block of
    // its command rather than one period.
    constexpr int kBlock = 64;
    for (int done = 0; done < frames; done += kBlock) {
        const int n = std::min(kBlock, frames - done);
        fluid_synth_write_float(engine_->synth, n, left + done, 0, 1, right + done, 0, 1);
    }
}

} // namespace fretlore
