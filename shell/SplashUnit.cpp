// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SplashUnit.h"

#include "controls/ImageControl.h"
#include "controls/LabelControl.h"
#include "controls/WindowRegion.h"
#include "platform/MessageTimer.h"
#include "platform/ScreenPixels.h"
#include "resources/PictureReader.h"
#include "resources/PicturePaths.h"
#include "shell/ProgramLook.h"
#include "shell/bmp2rgn.h"

namespace fretlore {

namespace {

constexpr int kWidth = 165;
constexpr int kHeight = 480;
constexpr int kShowMs = 7000;

} // namespace

TSplash::TSplash(const QImage& shapeMask, QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      shapeMask_(shapeMask), mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("Splash"));
    setWindowTitle(QStringLiteral("Fretlore PRO"));
    setFixedSize(kWidth, kHeight);
    setPalette(QPalette(palette().color(QPalette::Button)));  // the button face, covered by the picture

    Image1 = new ImageControl(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kWidth, kHeight);
    Image1->SetPicture(ReadPicture(QLatin1String(PicturePaths::Splash)));

    const auto label = [this](const char* name, int x, int y, int pixels, const QString& caption) {
        LabelControl* l = CreateLimeLabel(this, name, caption, SansSerif(pixels));
        l->move(x, y);
        return l;
    };
    Label2 = label("Label2", 54, 328, 11, QStringLiteral("   "));
    Label2->resize(9, 13);
    Label4 = label("Label4", 13, 390, 19, QStringLiteral("Fretlore"));
    Label5 = label("Label5", 57, 416, 23, QStringLiteral("PRO"));
    Label6 = label("Label6", 46, 376, 11, QStringLiteral("Kestrune softworks"));

    Timer1 = new MessageTimer(this, kShowMs, true);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &MessageTimer::timeout, this, [this] { Timer1Timer(Timer1); });

    FormCreate(this);

    // Centred on the primary screen, and visible from its creation.
    move(CentredOnPrimaryScreen(size()));
    ShowWindowFirst(this);
    PaintNow(this);
}

void TSplash::FormCreate(QObject*)
{
    SetWindowRgn(this, MaskToRegion(shapeMask_));
}

void TSplash::FormShow(QObject*)
{
    Timer1->SetEnabled(true);  // already running: its count goes on
}

void TSplash::Timer1Timer(QObject*)
{
    Timer1->SetEnabled(false);
    hide();
    if (mainWindow_) {
        mainWindow_->show();
        mainWindow_->activateWindow();
    }
}

void TSplash::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    FormShow(this);
}

} // namespace fretlore
