// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/StringPlayer.h"

#include "media/EMCIDeviceError.h"
#include "media/MidiDevice.h"

namespace fretlore {

StringPlayer::StringPlayer(QObject* parent, const QString& name, MidiDevice* device, int slot)
    : QObject(parent), device_(device), slot_(slot)
{
    setObjectName(name);
}

StringPlayer::~StringPlayer()
{
    Close();
}

void StringPlayer::Open()
{
    if (IsOpen())
        Close();
    if (!device_)
        throw EMCIDeviceError(QStringLiteral("Unknown error code"));
    const MciError error = device_->Open(slot_, fileName_);
    if (error != MciError::None)
        throw EMCIDeviceError(device_->LastErrorText(slot_));
    deviceId_ = slot_ + 1;
}

void StringPlayer::Play()
{
    if (!IsOpen())
        throw EMCIDeviceError(QStringLiteral("No MCI device open"));
    device_->Play(slot_);  // a refusal stays with the device, unread
}

void StringPlayer::Stop()
{
    if (!IsOpen())
        throw EMCIDeviceError(QStringLiteral("No MCI device open"));
    device_->Stop(slot_);
}

void StringPlayer::PlayAt(std::int64_t dueNs)
{
    if (!IsOpen())
        throw EMCIDeviceError(QStringLiteral("No MCI device open"));
    device_->PlayAt(slot_, dueNs);
}

void StringPlayer::StopAt(std::int64_t dueNs)
{
    if (!IsOpen())
        throw EMCIDeviceError(QStringLiteral("No MCI device open"));
    device_->StopAt(slot_, dueNs);
}

void StringPlayer::Close()
{
    if (!IsOpen())
        return;
    device_->Close(slot_);
    deviceId_ = 0;
}

} // namespace fretlore
