// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/ControlsAt.h"
#include "diagram/ChordDiagram.h"
#include "diagram/ToneMarker.h"
#include "playback/StringPlayers.h"

#include <functional>
#include <memory>

#include "search/SearchSweep.h"

#include <QString>
#include <QWidget>

namespace fretlore {

class ApplicationMinimize;
class ImageControl;
class LabelControl;
class ListBoxControl;
class MediaSystem;
class MessageTimer;
class ShapeControl;
class SpeedButton;
class StringPlayer;
class StrumSequencer;
class TAbout;
class TCredits;
class TFlatComboBox;
class TFlatEdit;
class TFlatHint;
class TFlatProgressBar;
class TFlatSound;
class TFMessage;

// The main window: the chord navigator, the chord diagram, both searches,
// the play icon and the window's own chrome, on a black window cut to the
// outline of its mask.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // `media` is the program's sound; without it the players cannot open and
    // the click sound is silent. With `ControlsAt::Later` the window holds
    // only the splash's mask (`SplashRgn`) until CreateControls.
    explicit TForm1(MediaSystem* media = nullptr, QWidget* parent = nullptr,
                    ControlsAt controls = ControlsAt::Creation);
    ~TForm1() override;

    // Makes the rest of the controls, connects their handlers and runs
    // FormCreate; once only, for a window created with `ControlsAt::Later`.
    void CreateControls();

    // Controls, owned by the window.
    ListBoxControl* ListBox = nullptr;
    ImageControl* Chord = nullptr;
    ImageControl* Kestrune = nullptr;
    LabelControl* Label1 = nullptr;
    LabelControl* Label4 = nullptr;
    LabelControl* Label5 = nullptr;
    LabelControl* Label6 = nullptr;
    LabelControl* Label7 = nullptr;
    LabelControl* Label8 = nullptr;
    SpeedButton* BitBtn1 = nullptr;
    SpeedButton* BitBtn2 = nullptr;
    LabelControl* Label3 = nullptr;
    ImageControl* Ultimate = nullptr;
    LabelControl* Label9 = nullptr;
    LabelControl* Label10 = nullptr;
    StringPlayer* S6 = nullptr;
    StringPlayer* S5 = nullptr;
    StringPlayer* S4 = nullptr;
    StringPlayer* S3 = nullptr;
    StringPlayer* S2 = nullptr;
    StringPlayer* S1 = nullptr;
    ImageControl* SoundP = nullptr;
    MessageTimer* Timer1 = nullptr;
    ImageControl* MainRgn = nullptr;
    ImageControl* Stratocaster = nullptr;
    LabelControl* ChordName = nullptr;
    LabelControl* Label14 = nullptr;
    ImageControl* SplashRgn = nullptr;
    ShapeControl* Shape1 = nullptr;
    ImageControl* www = nullptr;
    ImageControl* mail = nullptr;
    TFlatHint* FlatHint1 = nullptr;
    ImageControl* Author = nullptr;
    TFlatComboBox* Edit1 = nullptr;
    TFlatEdit* Estr6 = nullptr;
    TFlatEdit* Estr5 = nullptr;
    TFlatEdit* Estr4 = nullptr;
    TFlatEdit* Estr3 = nullptr;
    TFlatEdit* Estr2 = nullptr;
    TFlatEdit* Estr1 = nullptr;
    ShapeControl* Shape2 = nullptr;
    ImageControl* TmpP = nullptr;
    TFlatSound* Sound1 = nullptr;
    TFlatProgressBar* FlatProgressBar1 = nullptr;

    // The window's state, shared by its handlers.
    ToneMarkerArray ToneMarkers;
    QString SavedCaption;
    QString ExeDir;  // the executable's folder, ending in "/"
    bool FormReady = false;
    bool CloseAtOnce = false;
    // How the diagram is drawn and its tones named: as always unless the
    // user's settings say otherwise (left-handed, finger numbers, notation).
    DiagramOptions Diagram;

    // Runs once while the window is created: cuts it to its mask, keeps the
    // blank diagram and sets the state above. The window is shown later, by
    // the splash when it goes, at its designed place (252, 186).
    void FormCreate(QObject* Sender);

    // Shows the selected line: draws the voicing, names the chord, records
    // the tone markers and prepares the string players; line 0 clears it all.
    // The program calls it with BitBtn1 as sender, which plays no click.
    void ListBoxClick(QObject* Sender);
    // The tone under the mouse: its name as the diagram's hint.
    void ChordMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    // Any button on a tone plays its string.
    void ChordMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    // Strums the shown chord, one string every 800 ms.
    void SoundPClick(QObject* Sender);
    void Timer1Timer(QObject* Sender);

    // The window's own chrome.
    void StratocasterMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void Label9MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void Label9Click(QObject* Sender);
    void Label10MouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void FormCloseQuery(QObject* Sender, bool& CanClose);
    void SoundPMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void Shape1MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void wwwClick(QObject* Sender);
    void mailClick(QObject* Sender);
    void AuthorClick(QObject* Sender);

    // The secondary windows the handlers show (set by the program; may stay null).
    TCredits* Credits = nullptr;
    TAbout* About = nullptr;
    // Where the web and mail icons send the shell (tests replace it).
    std::function<void(const QString&)> OpenAddress;

    // Search by name and by look.
    void Edit1Change(QObject* Sender);
    void Edit1KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void BitBtn1Click(QObject* Sender);
    void Estr6Change(QObject* Sender);
    void Estr6KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void BitBtn2Click(QObject* Sender);

    // The not-found window, set once the windows exist.
    TFMessage* FMessage = nullptr;

    // The strum's progress (0 to 7).
    int StrumStep() const;
    // The players in column order, found by their composed names "S1" to "S6".
    StringPlayerSet Players() const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void dragWindow(int x, int y);

    void connectHandlers();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The fret edit of a string (0 = E6), found by its composed name "Estr6" to "Estr1".
    TFlatEdit* FretEdit(int string) const;
    // The first time a tone or a strum plays without a sound device: says so
    // in the error report, once; the program plays on silently.
    void TellNoSoundDevice();
    // SearchSweep on the list with the progress bar; selects and shows a hit, or reports none.
    void RunSearchSweep(const LineTest& test);

    MediaSystem* media_;
    std::unique_ptr<StrumSequencer> strum_;
    QPoint dragOffset_;  // the guitar's grip while the window follows the mouse by itself
    bool dragging_ = false;
    ApplicationMinimize* minimize_;
};

} // namespace fretlore
