// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace fretlore {

class ImageControl;
class LabelControl;
class MessageTimer;

// The guitar-shaped splash window: visible and painted from its creation,
// centred on the primary screen, on top of the other windows. Seven seconds
// after its creation it hides itself for good and shows the main window,
// which stays unmapped until then (so it is nowhere on any screen while the
// splash shows) and appears at the place it was created for.
class TSplash : public QWidget {
    Q_OBJECT
public:
    // `shapeMask` is the main window's splash mask picture; `mainWindow` the
    // window to show when the splash goes (may be null).
    TSplash(const QImage& shapeMask, QWidget* mainWindow);

    ImageControl* Image1;
    LabelControl* Label2;
    LabelControl* Label4;
    LabelControl* Label5;
    LabelControl* Label6;
    MessageTimer* Timer1;

    void FormCreate(QObject* Sender);
    void FormShow(QObject* Sender);
    void Timer1Timer(QObject* Sender);

protected:
    void showEvent(QShowEvent* e) override;

private:
    QImage shapeMask_;
    QWidget* mainWindow_;
};

} // namespace fretlore
