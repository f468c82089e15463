#pragma once

#include <QApplication>

namespace fretlore {

// The application object with its default error report: an error that no
// handler catches ends that handler, is shown in a message box with the
// application's title, an error icon and OK, and the program carries on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error's text as the default report does: a full stop is
    // appended when the text's last character sorts after it.
    static void ShowException(const QString& message);
    static QString ReportText(const QString& message);
};

} // namespace fretlore
