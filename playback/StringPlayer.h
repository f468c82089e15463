// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

namespace fretlore {

class MidiDevice;

// One of the six hidden players S1 to S6 that sound the strings of the shown
// chord, player n serving catalogue column n on the media device's slot n - 1.
// An empty file name means the string is silent.
//
// Open, Play and Stop raise EMCIDeviceError: Open when the device cannot be
// opened for the file (with the device's text), Play and Stop when the player
// is not open ("No MCI device open"). Refusals of an open device's Play, Stop
// and Close are not reported.
class StringPlayer : public QObject {
    Q_OBJECT
public:
    // `device` may be null: the player then fails every Open.
    StringPlayer(QObject* parent, const QString& name, MidiDevice* device, int slot);
    ~StringPlayer() override;  // releases the device

    QString FileName() const { return fileName_; }
    // Stores the text only; an open device stays open on its old file.
    void SetFileName(const QString& fileName) { fileName_ = fileName; }

    void Open();   // closes first when open; returns once the device is open
    void Play();   // rewinds a file played to its end; returns at once
    void Stop();
    void Close();  // harmless when closed
    // Play and Stop carried out by the audio thread at a steady-clock time
    // ahead (nanoseconds); a Play or Stop before then leaves them as planned.
    void PlayAt(std::int64_t dueNs);
    void StopAt(std::int64_t dueNs);

    bool IsOpen() const { return deviceId_ != 0; }
    // The device's identifier while open, 0 while closed.
    int DeviceId() const { return deviceId_; }

private:
    MidiDevice* device_;
    int slot_;
    QString fileName_;
    int deviceId_ = 0;
};

} // namespace fretlore
