// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/AudioOutput.h"
#include "media/PriorityMutex.h"

#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <cstdint>
#include <future>
#include <memory>
#include <mutex>

namespace fretlore {

// Results of the media operations. Each has a text for the user (ErrorText).
enum class MciError {
    None = 0,
    FileNotFound,
    FileUnreadable,
    NotMidiFile,
    CorruptFile,
    UnsupportedFileType,
    NoSoundFont,
    NoSynthesizer,
    DeviceNotOpen,
    DeviceFailed,
};

// The media control layer for MIDI files, on one FluidSynth synthesizer with
// the General MIDI sound font. It plays up to kSlots files at once, each on a
// MIDI channel of its own (slot n on channel n), all mixed into one stream that
// it renders as the AudioSource of the audio output.
//
// Open checks the file itself (the synthesizer loads files only once they
// play) and chooses the device by the file's extension: ".mid" and ".midi"
// go to the sequencer, anything else is an error. Play starts the file and
// returns at once, rewinding first when it had played to its end. Stop and
// Close cut the sound of their slot's channel at once, and only of that one.
class MidiDevice : public AudioSource {
public:
    static constexpr int kSlots = 8;
    // General MIDI program (0-based) of the steel-string acoustic guitar.
    static constexpr int kGuitarProgram = 25;
    // The variable that names a sound font of the user's choice, looked at
    // when none of the usual places has one.
    static constexpr const char* kSoundFontVariable = "FRETLORE_SOUNDFONT";

    // When the synthesizer is made and its sound font loaded: at once, or
    // at StartLoading (or the first operation that needs them, whichever
    // comes first), so that a program can keep the loading clear of its
    // start-up.
    enum class Loading { Now, Deferred };

    // With an empty `soundFontPath` the device looks for the General MIDI
    // sound font in the places SoundFontPlaces names, in that order, and
    // loads the first that loads; otherwise it loads that one file.
    explicit MidiDevice(const QString& soundFontPath = QString(), Loading loading = Loading::Now);
    ~MidiDevice() override;

    MidiDevice(const MidiDevice&) = delete;
    MidiDevice& operator=(const MidiDevice&) = delete;

    // Begins making the synthesizer and loading the sound font on a thread
    // of their own, unless begun already.
    void StartLoading() const;

    // Whether the sound font loaded (waits for the loading to finish).
    bool HasSoundFont() const;

    // Where a sound font is looked for: the synthesizer's own compiled-in
    // default (when it has one), the usual places of the common
    // distributions, then the file named by kSoundFontVariable (when set);
    // each place once.
    static QStringList SoundFontPlaces(const QString& compiledInDefault);

    // Slot operations; slot is 0 to kSlots - 1. Open closes the slot first.
    MciError Open(int slot, const QString& path);
    MciError Play(int slot);
    MciError Stop(int slot);
    // Play and Stop at a steady-clock time (nanoseconds) ahead: the audio
    // thread carries them out at the sample that sounds at that time (to the
    // synthesizer's block of 64 frames), however late the caller's own timer
    // would have been. Until then, and once started so, a Play of the slot
    // leaves that start as it is; a Stop leaves a stop planned so. Open,
    // Close and an immediate Stop cancel what is planned.
    MciError PlayAt(int slot, std::int64_t dueNs);
    MciError StopAt(int slot, std::int64_t dueNs);
    MciError Close(int slot);
    bool IsOpen(int slot) const;
    bool IsPlaying(int slot) const;
    // Position and length of the open file in ticks; 0 when closed.
    qint64 Position(int slot) const;
    qint64 Length(int slot) const;

    // The text of the last error of a slot's Open, naming the file.
    QString LastErrorText(int slot) const;
    // The user's text for an error about `path`; "Unknown error code" for
    // values outside the enumeration. For NoSoundFont, `detail` lists the
    // places tried.
    QString ErrorText(MciError error, const QString& path, const QString& detail = QString()) const;

    // AudioSource: renders the synthesizer (silence for a period in which the
    // control side holds the engine for more than a quarter of it).
    void Render(float* left, float* right, int frames, std::int64_t firstFrameNs) override;
    bool SoundAhead() const override { return soundAhead_.load(); }

    // The synthesizer side of the slots (defined with the synthesizer).
    struct Engine;
    struct Slot;

private:
    bool validSlot(int slot) const { return slot >= 0 && slot < kSlots; }
    void closeLocked(int slot);
    // The slot when it is valid and has a file open, else null.
    Slot* openSlotLocked(int slot) const;
    bool startPlayerLocked(int slot);
    static bool atEndLocked(const Slot& s);
    // The control side's hold on the engine, once it is made and loaded.
    std::unique_lock<PriorityMutex> engineLock() const;
    bool hasSynthesizer() const;
    bool createEngineLocked() const;
    void loadSoundFontLocked() const;
    void selectGuitarLocked() const;
    // Carries out the plays and stops due by `dueByNs`; true while some remain ahead.
    bool startDueLocked(std::int64_t dueByNs);

    std::unique_ptr<Engine> engine_;
    QString soundFontPath_;
    mutable PriorityMutex lock_;  // the control side's; the audio thread waits for it a bounded time
    mutable std::once_flag started_;
    mutable std::future<void> loaded_;  // the sound font's loading
    std::atomic<bool> soundAhead_{false};
};

} // namespace fretlore
