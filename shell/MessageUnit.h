// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>


namespace fretlore {

class TFlatButton;

class ImageControl;
class LabelControl;
class ShapeControl;
class TFlatSound;

// The small window that reports a search that found nothing: a lime frame,
// the fixed text "No chords matching your requests", an exclamation picture
// and "OK". A borderless black window on top of the others, hidden until it
// is needed and never destroyed.
//
// The caller disables the main window and then shows this one, modeless.
// Every close (OK, Escape, or the window manager's close such as Alt+F4)
// enables the main window again; OK then plays the click sound, a keyboard
// close plays none. The first showing centres the window on the screen;
// later showings keep the place it had.
class TFMessage : public QWidget {
    Q_OBJECT
public:
    // `mainWindow` is enabled again by every close, `clickSound` is played by
    // OK; either may be null (then that step does nothing). Both must outlive
    // this window.
    explicit TFMessage(QWidget* mainWindow = nullptr, TFlatSound* clickSound = nullptr);

    ShapeControl* Shape1;
    LabelControl* Label1;
    ImageControl* Image1;
    TFlatButton* FlatButton1;

    void FlatButton1Click(QObject* Sender);
    void FormClose(QObject* Sender);

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QWidget* mainWindow_;
    TFlatSound* clickSound_;
    bool placed_ = false;  // centred once; later showings keep the place
};

} // namespace fretlore
