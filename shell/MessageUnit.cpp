// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MessageUnit.h"

#include "flat/TFlatButtonUnit.h"
#include "shell/ProgramLook.h"

#include "controls/ImageControl.h"
#include "controls/LabelControl.h"
#include "controls/ShapeControl.h"
#include "flat/TFlatSoundUnit.h"
#include "platform/KeepOnTop.h"
#include "platform/ScreenPixels.h"
#include "platform/TColor.h"
#include "resources/PictureReader.h"
#include "resources/PicturePaths.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace fretlore {

namespace {

constexpr int kWidth = 261;
constexpr int kHeight = 109;

} // namespace

TFMessage::TFMessage(QWidget* mainWindow, TFlatSound* clickSound)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow), clickSound_(clickSound)
{
    const QColor lime = ToQColor(clLime);
    const QColor black = ToQColor(clBlack);

    setObjectName(QStringLiteral("FMessage"));
    setWindowTitle(QStringLiteral("Fretlore PRO"));
    setFixedSize(kWidth, kHeight);
    StayOnTop(this);  // over the main window it disables
    QPalette pal = palette();
    pal.setColor(QPalette::Window, black);
    setPalette(pal);
    setAutoFillBackground(true);

    Shape1 = new ShapeControl(this, black, lime, 2);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(2, 2, 257, 105);

    Label1 = CreateLimeLabel(this, "Label1", QStringLiteral("No chords matching your requests"), SansSerif(13));
    Label1->move(41, 24);

    Image1 = new ImageControl(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->SetAutoSize(true);
    Image1->SetTransparent(true);
    Image1->SetPicture(ReadPicture(QLatin1String(PicturePaths::Exclamation)));
    Image1->move(8, 16);

    FlatButton1 = CreateOkButton(this, 82, 68);
    FlatButton1->setFocus();  // first in the tab order
    connect(FlatButton1, &TFlatButton::clicked, this, [this] { FlatButton1Click(FlatButton1); });
}

void TFMessage::FlatButton1Click(QObject*)
{
    // The window goes first, then the click is heard.
    close();
    if (clickSound_)
        clickSound_->Play();
}

void TFMessage::FormClose(QObject*)
{
    if (mainWindow_)
        mainWindow_->setEnabled(true);
}

void TFMessage::setVisible(bool visible)
{
    // Centred at the first showing, before its window is created: some window
    // managers (Weston's) keep the place a window was created at. Later
    // showings keep the place.
    if (visible && !placed_) {
        placed_ = true;
        move(CentredOnPrimaryScreen(size()));
    }
    QWidget::setVisible(visible);
}

void TFMessage::showEvent(QShowEvent* e)
{
    FlatButton1->setFocus();
    QWidget::showEvent(e);
}

void TFMessage::closeEvent(QCloseEvent* e)
{
    FormClose(this);
    e->accept();  // hidden, not destroyed
}

void TFMessage::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace fretlore
