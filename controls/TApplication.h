// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/EMCIDeviceError.h"

#include <QApplication>

namespace fretlore {

// The application object and its error report. A media error ends the handler
// that met it and is shown in a message box with the application's title, an
// error icon and OK; the program carries on. Handlers catch the error
// themselves (ReportErrors): no exception ever crosses the toolkit's event
// dispatch.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    // Runs a handler's media work; an EMCIDeviceError it raises ends the work
    // there and is shown by ShowException. Returns whether the work ran to
    // its end.
    template <typename Action>
    static bool ReportErrors(Action&& action)
    {
        try {
            action();
            return true;
        } catch (const EMCIDeviceError& e) {
            ShowException(e.Message());
        }
        return false;
    }

    // Shows an error's text as the default report does: a full stop is
    // appended when the text's last character sorts after it.
    static void ShowException(const QString& message);
    static QString ReportText(const QString& message);
};

} // namespace fretlore
