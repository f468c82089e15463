// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SystemInfo.h"

#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>


namespace fretlore {

class TFlatButton;

class LabelControl;
class MessageTimer;
class ShapeControl;
class TFlatSound;

// The addresses behind the about window's links.
inline constexpr char kAboutHomePage[] = "https://www.kestrune.example.org";
inline constexpr char kAboutMakerMail[] = "softworks@kestrune.example.org";
inline constexpr char kAboutAuthorMail[] = "dk@example.net";

// The lines of the system information block, from the values measured.
// "Logged on <first> as <second>": the computer's name and the user's account name.
QString LogonLine(const QString& first, const QString& second);
// "Processor speed <MHz truncated toward zero> MHz"; a value that is not a
// finite number shows as 0.
QString ProcessorLine(double mhz);
// "Linux version <major>.<minor> build <patch> <rest> is up <uptime>".
QString SystemLine(const KernelVersion& version, const QString& uptime);
// "Screen resolution <width>*<height>".
QString ResolutionLine(const QSize& screen);

// The about window: who made the program, three contact links and live
// system information. Borderless, black, on top; created hidden and never
// destroyed. Its creation measures the processor clock, which holds the
// calling thread about half a second.
//
// The window that opens it disables the main window; every close of this
// window, by "OK" or by the system, enables the main window again.
class TAbout : public QWidget {
    Q_OBJECT
public:
    // What the links do with their address; the desktop's opener by default.
    using ShellOpener = std::function<void(const QString& address)>;

    // `mainWindow` is centred over at the first showing and enabled on every
    // close; `clickSound` sounds when "OK" is clicked. Both may be null and
    // may be set later; neither is owned.
    explicit TAbout(QWidget* mainWindow = nullptr, TFlatSound* clickSound = nullptr);

    void SetMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }
    void SetClickSound(TFlatSound* clickSound) { clickSound_ = clickSound; }
    void SetShellOpener(ShellOpener opener) { shellOpen_ = std::move(opener); }

    // Controls, owned by the window.
    ShapeControl* Shape1;
    LabelControl* Label1;
    LabelControl* Label6;
    LabelControl* Label2;
    LabelControl* Label9;
    LabelControl* Label8;
    LabelControl* Label5;
    LabelControl* Label7;
    LabelControl* Label3;
    LabelControl* Label4;
    LabelControl* Label11;
    LabelControl* Label14;
    LabelControl* Label10;
    LabelControl* Label12;
    LabelControl* Label13;
    LabelControl* Label15;
    TFlatButton* FlatButton1;
    MessageTimer* Timer1;

    // The kernel's version, read once at creation for every system line.
    KernelVersion VersionInfo;

    void FormCreate(QObject* Sender);
    void FormShow(QObject* Sender);
    void Timer1Timer(QObject* Sender);
    void FormClose(QObject* Sender);
    void FlatButton1Click(QObject* Sender);
    void Label9MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void Shape1MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void Label6Click(QObject* Sender);
    void Label2Click(QObject* Sender);
    void Label9Click(QObject* Sender);

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void createControls();
    void updateSystemLine();
    void placeOverMainWindow();

    QWidget* mainWindow_;
    TFlatSound* clickSound_;
    ShellOpener shellOpen_;
    bool placed_ = false;
};

} // namespace fretlore
