// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/ControlsAt.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QPlainTextEdit;

namespace fretlore {

class MessageTimer;
class ShapeControl;

// The 81 lines of the credits, the first line first.
const QStringList& CreditsLines();

// The scrolling credits, shown instead of closing the program: showing them
// hides the main window; every 50 ms the text moves up one pixel and the
// window repaints at once; once the text's top is below -1300 (the 1301st
// tick from the first line) the window closes, and any close request of
// this window ends the program with exit code 0.
// Borderless, on top; created hidden and never destroyed.
class TCredits : public QWidget {
    Q_OBJECT
public:
    // Ends the program with the given exit code. The default asks the
    // application's event loop to end with it (QCoreApplication::exit), so
    // that the program's shutdown runs once the close request has returned.
    using ExitProgram = std::function<void(int exitCode)>;

    // The top the text scrolls to before the window closes; the close comes
    // when the top is below it.
    static constexpr int kLastTop = -1300;

    // `mainWindow` is hidden when the credits show; not owned, may be null
    // and may be set later. With `ControlsAt::Later` the window is empty
    // until CreateControls.
    explicit TCredits(QWidget* mainWindow = nullptr, ControlsAt controls = ControlsAt::Creation);

    // Makes the controls; once only, for a window created with `ControlsAt::Later`.
    void CreateControls();

    void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }
    void SetExitProgram(ExitProgram exitProgram) { exitProgram_ = std::move(exitProgram); }

    // What the main window's close request does: the text back to its first
    // line, then the window shown (already shown: it stays up and the
    // scrolling starts over).
    void ShowFromFirstLine();

    // Controls, owned by the window, in creation order.
    ShapeControl* Shape1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QWidget* Memo2 = nullptr;
    QWidget* Memo3 = nullptr;
    QWidget* Split1 = nullptr;
    QWidget* Split2 = nullptr;
    MessageTimer* Timer1 = nullptr;

    void FormShow(QObject* Sender);
    void Timer1Timer(QObject* Sender);
    // Ends the program; `CanClose` becomes false, for an exit program that
    // returns.
    void FormCloseQuery(QObject* Sender, bool& CanClose);

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    QWidget* mainWindow_;
    ExitProgram exitProgram_;
    bool placed_ = false;
};

} // namespace fretlore
