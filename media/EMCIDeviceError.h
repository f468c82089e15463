// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

namespace fretlore {

// The error a media player raises when its device fails to open, or when it
// is played or stopped while closed. The handler that called the player
// catches it and shows its text in the application's error report
// (TApplication::ReportErrors).
class EMCIDeviceError : public std::runtime_error {
public:
    explicit EMCIDeviceError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    const QString& Message() const { return message_; }

private:
    QString message_;
};

} // namespace fretlore
