#pragma once

#include <QString>

#include <stdexcept>

namespace fretlore {

// The error a media player raises when its device fails to open, or when it
// is played or stopped while closed. Nothing in the handlers catches it: the
// application's default error report shows its text.
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
