// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MidiDevice.h"

#include "media/RuntimeLibrary.h"
#include "media/SmfReader.h"

#include <QFileInfo>

#include <fluidsynth.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <future>

namespace fretlore {

namespace {

// FluidSynth speaks only of real trouble, and then in one line on stderr.
void fluidLog(int level, const char* message, void*)
{
    if (level <= FLUID_ERR)
        std::fprintf(stderr, "Fretlore PRO: synthesizer: %s\n", message);
}

// The synthesizer library's entry points that the device uses.
#define FRETLORE_SYNTH_FUNCTIONS(F)                                                                                    \
    F(new_fluid_settings)                                                                                              \
    F(delete_fluid_settings)                                                                                           \
    F(fluid_settings_setint)                                                                                           \
    F(fluid_settings_setnum)                                                                                           \
    F(fluid_settings_setstr)                                                                                           \
    F(fluid_settings_getstr_default)                                                                                   \
    F(fluid_set_log_function)                                                                                          \
    F(new_fluid_synth)                                                                                                 \
    F(delete_fluid_synth)                                                                                              \
    F(fluid_synth_sfload)                                                                                              \
    F(fluid_synth_program_change)                                                                                      \
    F(fluid_synth_all_sounds_off)                                                                                      \
    F(fluid_synth_handle_midi_event)                                                                                   \
    F(fluid_synth_write_float)                                                                                         \
    F(new_fluid_player)                                                                                                \
    F(delete_fluid_player)                                                                                             \
    F(fluid_player_add)                                                                                                \
    F(fluid_player_play)                                                                                               \
    F(fluid_player_stop)                                                                                               \
    F(fluid_player_get_status)                                                                                         \
    F(fluid_player_get_current_tick)                                                                                   \
    F(fluid_player_set_playback_callback)                                                                              \
    F(fluid_midi_event_get_type)                                                                                       \
    F(fluid_midi_event_set_channel)

// The synthesizer library is loaded when the synthesizer is made, on its own
// thread: with the forty-odd libraries it needs in turn, linking it held the
// first window up by about ten milliseconds.
struct SynthLibrary {
    FRETLORE_SYNTH_FUNCTIONS(FRETLORE_DECLARE_ENTRY)
    bool loaded = false;

    // Resolves every entry point; false (with the reason on stderr) if the
    // library or one of them is missing.
    bool load(QLibrary& library)
    {
        const char* what = "synthesizer";
        loaded = LoadRuntimeLibrary(library, what) FRETLORE_SYNTH_FUNCTIONS(FRETLORE_RESOLVE_ENTRY);
        return loaded;
    }
};

} // namespace

struct MidiDevice::Slot {
    const SynthLibrary* fl = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    int channel = 0;
    QString path;
    qint64 lengthTicks = 0;
    bool playedToEnd = false;
    // A start planned for the audio thread: none, due at playDueNs, or made.
    enum class Planned { None, Due, Started } planned = Planned::None;
    std::int64_t playDueNs = 0;
    std::int64_t stopDueNs = -1;  // a stop planned for the audio thread, or -1
    void cancelPlanned()
    {
        planned = Planned::None;
        stopDueNs = -1;
    }
};

struct MidiDevice::Engine {
    QLibrary library{QStringLiteral(FRETLORE_FLUIDSYNTH_LIBRARY)};
    SynthLibrary fl;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    int soundFont = FLUID_FAILED;
    bool guitarSelected = false;
    QStringList triedSoundFonts;
    std::array<Slot, kSlots> slotTable;
    std::array<QString, kSlots> lastError;

    ~Engine()
    {
        if (!fl.loaded)
            return;
        for (Slot& s : slotTable)
            if (s.player)
                fl.delete_fluid_player(s.player);
        if (synth)
            fl.delete_fluid_synth(synth);
        if (settings)
            fl.delete_fluid_settings(settings);
    }
};

namespace {

// Each slot's player sends its events to the synthesizer on the slot's own
// channel, whatever channel the file names.
int remapToSlotChannel(void* data, fluid_midi_event_t* event)
{
    auto* slot = static_cast<MidiDevice::Slot*>(data);
    const int type = slot->fl->fluid_midi_event_get_type(event);
    if (type >= 0x80 && type <= 0xEF)
        slot->fl->fluid_midi_event_set_channel(event, slot->channel);
    return slot->fl->fluid_synth_handle_midi_event(slot->synth, event);
}

} // namespace

MidiDevice::MidiDevice(const QString& soundFontPath, Loading loading)
    : engine_(std::make_unique<Engine>()), soundFontPath_(soundFontPath)
{
    if (loading == Loading::Now)
        StartLoading();
}

void MidiDevice::StartLoading() const
{
    // The synthesizer is made and its sound font loaded on a thread of their
    // own, holding the engine, so the program's windows come up meanwhile;
    // everything that needs the engine waits for it, and the output renders
    // silence until then.
    std::call_once(started_, [this] {
        std::promise<void> locked;
        loaded_ = std::async(std::launch::async, [this, &locked] {
            std::lock_guard guard(lock_);
            locked.set_value();
            if (createEngineLocked())
                loadSoundFontLocked();
            // Reading the font's tables leaves megabytes of freed memory in this thread's heap.
            malloc_trim(0);
        });
        locked.get_future().wait();
    });
}

std::unique_lock<PriorityMutex> MidiDevice::engineLock() const
{
    StartLoading();
    return std::unique_lock(lock_);  // waits for the loading
}

bool MidiDevice::createEngineLocked() const
{
    Engine& e = *engine_;
    if (!e.fl.load(e.library))
        return false;
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        e.fl.fluid_set_log_function(level, &fluidLog, nullptr);

    e.settings = e.fl.new_fluid_settings();
    if (!e.settings)
        return false;
    bool ok = e.fl.fluid_settings_setnum(e.settings, "synth.sample-rate", AudioOutput::kSampleRate) == FLUID_OK;
    ok &= e.fl.fluid_settings_setnum(e.settings, "synth.gain", 0.6) == FLUID_OK;
    ok &= e.fl.fluid_settings_setint(e.settings, "synth.dynamic-sample-loading", 1) == FLUID_OK;
    ok &= e.fl.fluid_settings_setint(e.settings, "synth.reverb.active", 0) == FLUID_OK;
    ok &= e.fl.fluid_settings_setint(e.settings, "synth.chorus.active", 0) == FLUID_OK;
    ok &= e.fl.fluid_settings_setint(e.settings, "player.reset-synth", 0) == FLUID_OK;
    ok &= e.fl.fluid_settings_setstr(e.settings, "player.timing-source", "sample") == FLUID_OK;
    if (!ok)
        std::fprintf(stderr, "Fretlore PRO: synthesizer: a setting was refused\n");

    e.synth = e.fl.new_fluid_synth(e.settings);
    if (!e.synth)
        return false;
    for (int i = 0; i < kSlots; ++i) {
        e.slotTable[size_t(i)].fl = &e.fl;
        e.slotTable[size_t(i)].synth = e.synth;
        e.slotTable[size_t(i)].channel = i;
    }
    return true;
}

QStringList MidiDevice::SoundFontPlaces(const QString& compiledInDefault)
{
    QStringList places;
    if (!compiledInDefault.isEmpty())
        places << compiledInDefault;
    places << QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2")    // Debian, Ubuntu
           << QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2")    // Debian, openSUSE
           << QStringLiteral("/usr/share/soundfonts/default.sf2")       // Fedora, Arch
           << QStringLiteral("/usr/share/soundfonts/FluidR3_GM.sf2")    // Fedora, Arch
           << QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");     // Debian's smaller one
    const QString chosen = qEnvironmentVariable(kSoundFontVariable);
    if (!chosen.isEmpty())
        places << chosen;
    places.removeDuplicates();
    return places;
}

void MidiDevice::loadSoundFontLocked() const
{
    Engine& e = *engine_;
    QStringList places{soundFontPath_};
    if (soundFontPath_.isEmpty()) {
        char* compiledIn = nullptr;
        if (e.fl.fluid_settings_getstr_default(e.settings, "synth.default-soundfont", &compiledIn) != FLUID_OK)
            compiledIn = nullptr;
        places = SoundFontPlaces(compiledIn ? QFile::decodeName(compiledIn) : QString());
    }
    for (const QString& place : places) {
        e.triedSoundFonts << place;
        // Not selected on any channel yet, none of the font's samples load here.
        if (QFileInfo(place).isFile())
            e.soundFont = e.fl.fluid_synth_sfload(e.synth, QFile::encodeName(place).constData(), 0);
        if (e.soundFont != FLUID_FAILED)
            break;
    }
    if (soundFontPath_.isEmpty() && qEnvironmentVariableIsEmpty(kSoundFontVariable))
        e.triedSoundFonts << QStringLiteral("$%1 (not set)").arg(QLatin1String(kSoundFontVariable));
}

void MidiDevice::selectGuitarLocked() const
{
    // The synthesizer loads a preset's samples when a channel selects it, so
    // only the guitar's are ever loaded, and only once a file is opened. All
    // the slots' channels hold it: a file's own program change then selects
    // it again on one of them without unloading it in between.
    Engine& e = *engine_;
    if (e.guitarSelected || e.soundFont == FLUID_FAILED)
        return;
    for (int i = 0; i < kSlots; ++i)
        e.fl.fluid_synth_program_change(e.synth, i, kGuitarProgram);
    e.guitarSelected = true;
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
    const auto guard = engineLock();
    return engine_->synth && engine_->soundFont != FLUID_FAILED;
}

bool MidiDevice::hasSynthesizer() const
{
    const auto guard = engineLock();
    return engine_->synth != nullptr;
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
        // The reader's account of the damage names the file itself.
        return detail.isEmpty() ? QStringLiteral("The MIDI file %1 is damaged").arg(file)
                                : QStringLiteral("The MIDI file is damaged: %1").arg(detail);
    case MciError::UnsupportedFileType:
        return QStringLiteral("No device plays the file %1: only .mid and .midi files can be played").arg(file);
    case MciError::NoSoundFont:
        return QStringLiteral("No General MIDI sound font was found (tried %1): install the package "
                              "fluid-soundfont-gm, or name a sound font in %2")
            .arg(detail, QLatin1String(kSoundFontVariable));
    case MciError::NoSynthesizer:
        return QStringLiteral("The MIDI synthesizer %1 cannot be loaded: install the package libfluidsynth3")
            .arg(QStringLiteral(FRETLORE_FLUIDSYNTH_LIBRARY));
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
        error = hasSynthesizer() ? MciError::NoSoundFont : MciError::NoSynthesizer;

    const auto guard = engineLock();
    if (error == MciError::NoSoundFont)
        detail = engine_->triedSoundFonts.join(QLatin1String(", "));
    closeLocked(slot);
    Slot& s = engine_->slotTable[size_t(slot)];
    if (error == MciError::None) {
        selectGuitarLocked();
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
    return s.player && (s.fl->fluid_player_get_status(s.player) == FLUID_PLAYER_DONE ||
                        s.fl->fluid_player_get_current_tick(s.player) >= s.lengthTicks);
}

bool MidiDevice::startPlayerLocked(int slot)
{
    Slot& s = engine_->slotTable[size_t(slot)];
    if (s.player)
        engine_->fl.delete_fluid_player(s.player);
    s.player = engine_->fl.new_fluid_player(engine_->synth);
    if (!s.player)
        return false;
    engine_->fl.fluid_player_set_playback_callback(s.player, &remapToSlotChannel, &s);
    if (engine_->fl.fluid_player_add(s.player, QFile::encodeName(s.path).constData()) != FLUID_OK) {
        engine_->fl.delete_fluid_player(s.player);
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
    engine_->fl.fluid_player_stop(s.player);
    engine_->fl.delete_fluid_player(s.player);
    s.player = nullptr;
    s.path.clear();
    s.lengthTicks = 0;
    s.cancelPlanned();
    engine_->fl.fluid_synth_all_sounds_off(engine_->synth, s.channel);
}

MidiDevice::Slot* MidiDevice::openSlotLocked(int slot) const
{
    if (!validSlot(slot) || !engine_->slotTable[size_t(slot)].player)
        return nullptr;
    return &engine_->slotTable[size_t(slot)];
}

MciError MidiDevice::Play(int slot)
{
    const auto guard = engineLock();
    Slot* open = openSlotLocked(slot);
    if (!open)
        return MciError::DeviceNotOpen;
    Slot& s = *open;
    if (s.planned != Slot::Planned::None)
        return MciError::None;  // started, or about to start, at its planned time
    // Played to its end: start again from the beginning.
    if (atEndLocked(s) && !startPlayerLocked(slot))
        return MciError::DeviceFailed;
    WakeOutput();
    return engine_->fl.fluid_player_play(s.player) == FLUID_OK ? MciError::None : MciError::DeviceFailed;
}

MciError MidiDevice::PlayAt(int slot, std::int64_t dueNs)
{
    const auto guard = engineLock();
    Slot* open = openSlotLocked(slot);
    if (!open)
        return MciError::DeviceNotOpen;
    Slot& s = *open;
    if (atEndLocked(s) && !startPlayerLocked(slot))
        return MciError::DeviceFailed;
    s.planned = Slot::Planned::Due;
    s.playDueNs = dueNs;
    soundAhead_ = true;
    WakeOutput();
    return MciError::None;
}

MciError MidiDevice::Stop(int slot)
{
    const auto guard = engineLock();
    Slot* open = openSlotLocked(slot);
    if (!open)
        return MciError::DeviceNotOpen;
    Slot& s = *open;
    if (s.stopDueNs >= 0)
        return MciError::None;  // stops at its planned time
    s.cancelPlanned();
    engine_->fl.fluid_player_stop(s.player);
    engine_->fl.fluid_synth_all_sounds_off(engine_->synth, s.channel);
    return MciError::None;
}

MciError MidiDevice::StopAt(int slot, std::int64_t dueNs)
{
    const auto guard = engineLock();
    Slot* open = openSlotLocked(slot);
    if (!open)
        return MciError::DeviceNotOpen;
    Slot& s = *open;
    s.stopDueNs = dueNs;
    soundAhead_ = true;
    WakeOutput();
    return MciError::None;
}

MciError MidiDevice::Close(int slot)
{
    if (!validSlot(slot))
        return MciError::None;
    const auto guard = engineLock();
    closeLocked(slot);
    return MciError::None;
}

bool MidiDevice::IsOpen(int slot) const
{
    if (!validSlot(slot))
        return false;
    const auto guard = engineLock();
    return engine_->slotTable[size_t(slot)].player != nullptr;
}

bool MidiDevice::IsPlaying(int slot) const
{
    if (!validSlot(slot))
        return false;
    const auto guard = engineLock();
    const Slot& s = engine_->slotTable[size_t(slot)];
    return s.player && engine_->fl.fluid_player_get_status(s.player) == FLUID_PLAYER_PLAYING && !atEndLocked(s);
}

qint64 MidiDevice::Position(int slot) const
{
    if (!validSlot(slot))
        return 0;
    const auto guard = engineLock();
    const Slot& s = engine_->slotTable[size_t(slot)];
    if (!s.player)
        return 0;
    return atEndLocked(s) ? s.lengthTicks : qMin<qint64>(engine_->fl.fluid_player_get_current_tick(s.player), s.lengthTicks);
}

qint64 MidiDevice::Length(int slot) const
{
    if (!validSlot(slot))
        return 0;
    const auto guard = engineLock();
    const Slot& s = engine_->slotTable[size_t(slot)];
    return s.player ? s.lengthTicks : 0;
}

QString MidiDevice::LastErrorText(int slot) const
{
    if (!validSlot(slot))
        return QString();
    const auto guard = engineLock();
    return engine_->lastError[size_t(slot)];
}

bool MidiDevice::startDueLocked(std::int64_t dueBy)
{
    bool ahead = false;
    for (Slot& s : engine_->slotTable) {
        if (!s.player)
            continue;
        if (s.planned == Slot::Planned::Due) {
            if (s.playDueNs <= dueBy) {
                engine_->fl.fluid_player_play(s.player);
                s.planned = Slot::Planned::Started;
            } else {
                ahead = true;
            }
        }
        if (s.stopDueNs >= 0 && s.planned != Slot::Planned::Due) {
            if (s.stopDueNs <= dueBy) {
                engine_->fl.fluid_player_stop(s.player);
                engine_->fl.fluid_synth_all_sounds_off(engine_->synth, s.channel);
                s.cancelPlanned();
            } else {
                ahead = true;
            }
        }
    }
    return ahead;
}

void MidiDevice::Render(float* left, float* right, int frames, std::int64_t firstFrameNs)
{
    // A control call in progress ends within the wait (it runs at this
    // thread's priority meanwhile); a long hold, such as the loading, leaves
    // the zeroed period: silence.
    std::unique_lock guard(lock_, std::chrono::nanoseconds(AudioOutput::FramesToNs(frames) / 4));
    if (!guard.owns_lock() || !engine_ || !engine_->synth)
        return;
    // The synthesizer is the output's only source, so writing over the zeroed
    // period is the same as adding to it. Rendered in the synthesizer's own
    // blocks: a planned start or stop is carried out before the block whose
    // middle is past its time, and an immediate command sounds within one
    // block rather than one period.
    constexpr int kBlock = 64;
    bool ahead = false;
    for (int done = 0; done < frames; done += kBlock) {
        const int n = std::min(kBlock, frames - done);
        ahead = startDueLocked(firstFrameNs + AudioOutput::FramesToNs(done + n / 2));
        engine_->fl.fluid_synth_write_float(engine_->synth, n, left + done, 0, 1, right + done, 0, 1);
    }
    soundAhead_ = ahead;
}

} // namespace fretlore
