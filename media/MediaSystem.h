// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/AudioOutput.h"
#include "media/MidiDevice.h"

namespace fretlore {

// The program's sound: the synthesizer with its sound font, then the audio
// output that renders it. The output is created last and released first.
class MediaSystem {
public:
    explicit MediaSystem(bool tryDevice = true,
                         const QString& soundFontPath = QString(),
                         MidiDevice::Loading loading = MidiDevice::Loading::Now)
        : midi_(soundFontPath, loading), output_(&midi_, tryDevice, loading == MidiDevice::Loading::Deferred)
    {
    }

    // With deferred loading: loads the synthesizer and opens the sound
    // device, each on its own thread, unless begun already.
    void Start()
    {
        midi_.StartLoading();
        output_.Start();
    }

    MidiDevice& Midi() { return midi_; }
    AudioOutput& Output() { return output_; }

    // Once in the run, after the output found no sound device (or lost it):
    // the text that tells the user the program plays silently. Empty
    // otherwise, and on every later call.
    QString TakeNoDeviceNotice()
    {
        const char* problem = output_.DeviceProblem();
        if (!problem || noDeviceTold_)
            return QString();
        noDeviceTold_ = true;
        return QStringLiteral("There is no sound device (%1): Fretlore PRO plays silently")
            .arg(QString::fromLocal8Bit(problem));
    }

private:
    MidiDevice midi_;
    AudioOutput output_;
    bool noDeviceTold_ = false;
};

} // namespace fretlore
