// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AboutUnit.h"

#include "flat/TFlatButtonUnit.h"
#include "shell/ProgramLook.h"

#include "controls/CloseKey.h"
#include "controls/LabelControl.h"
#include "controls/ShapeControl.h"
#include "flat/TFlatSoundUnit.h"
#include "platform/KeepOnTop.h"
#include "platform/MessageTimer.h"
#include "platform/ScreenPixels.h"
#include "platform/ShellOpen.h"
#include "platform/TColor.h"
#include "shell/CPU.h"
#include "shell/WTime.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace fretlore {

namespace {

constexpr int kWidth = 329;
constexpr int kHeight = 358;

QFont sansSerif(bool bold = false, bool underline = false)
{
    QFont f = SansSerif(11, bold);
    f.setUnderline(underline);
    return f;
}

QString mailTo(const char* address)
{
    return QStringLiteral("mailto:") + QLatin1String(address);
}

} // namespace

QString LogonLine(const QString& first, const QString& second)
{
    return QStringLiteral("Logged on ") + first + QStringLiteral(" as ") + second;
}

QString ProcessorLine(double mhz)
{
    const qint64 whole = std::isfinite(mhz) && std::abs(mhz) < 9.0e18 ? qint64(std::trunc(mhz)) : 0;
    return QStringLiteral("Processor speed ") + QString::number(whole) + QStringLiteral(" MHz");
}

QString SystemLine(const KernelVersion& version, const QString& uptime)
{
    return QStringLiteral("Linux version ") + QString::number(version.Major) + u'.' +
           QString::number(version.Minor) + QStringLiteral(" build ") + QString::number(version.Patch) + u' ' +
           version.Rest + QStringLiteral(" is up ") + uptime;
}

QString ResolutionLine(const QSize& screen)
{
    return QStringLiteral("Screen resolution ") + QString::number(screen.width()) + u'*' +
           QString::number(screen.height());
}

TAbout::TAbout(QWidget* mainWindow, TFlatSound* clickSound)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow), clickSound_(clickSound), shellOpen_(ShellOpen)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("Fretlore PRO"));
    setFixedSize(kWidth, kHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(clBlack));
    setPalette(pal);
    setAutoFillBackground(true);
    TakeCloseKey(this);
    StayOnTop(this);  // over the main window it disables
    setFont(sansSerif());

    createControls();
    FormCreate(this);
}

void TAbout::createControls()
{
    const QColor lime = ToQColor(clLime);

    Shape1 = new ShapeControl(this, ToQColor(clBlack), lime, 2);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(2, 2, 325, 351);
    connect(Shape1->events(), &ControlEvents::mouseMove, this,
            [this](Qt::KeyboardModifiers shift, int x, int y) { Shape1MouseMove(Shape1, shift, x, y); });

    const auto label = [this](const char* name, int x, int y, const QString& caption,
                              const QFont& font = sansSerif()) {
        LabelControl* l = CreateLimeLabel(this, name, caption, font);
        l->move(x, y);
        return l;
    };
    const auto link = [this, &label](const char* name, int x, int y, const QString& caption,
                                     void (TAbout::*onClick)(QObject*)) {
        LabelControl* l = label(name, x, y, caption, sansSerif(false, true));
        l->setCursor(Qt::PointingHandCursor);
        connect(l->events(), &ControlEvents::click, this, [this, l, onClick] { (this->*onClick)(l); });
        connect(l->events(), &ControlEvents::mouseMove, this,
                [this, l](Qt::KeyboardModifiers shift, int x, int y) { Label9MouseMove(l, shift, x, y); });
        return l;
    };

    // The author, his addresses and the links to them. None of these is a real person or place.
    Label1 = label("Label1", 16, 24, QStringLiteral("Dravec Kestrune"), sansSerif(true));
    Label6 = link("Label6", 16, 44, QStringLiteral("www.kestrune.example.org"), &TAbout::Label6Click);
    Label2 = link("Label2", 16, 63, QLatin1String(kAboutMakerMail), &TAbout::Label2Click);
    Label9 = link("Label9", 17, 83, QLatin1String(kAboutAuthorMail), &TAbout::Label9Click);
    Label8 = label("Label8", 120, 82, QStringLiteral("( for girls *ONLY* )"));
    Label5 = label("Label5", 16, 103, QStringLiteral("Pingwave UIN : 7128264"));
    Label7 = label("Label7", 16, 122, QStringLiteral("IRC nick : dravec"));
    Label3 = label("Label3", 16, 142, QStringLiteral("Street address : 7 Linden Row, Exampleton"));
    Label4 = label("Label4", 16, 161, QStringLiteral("Ruritania"));

    // A rule broken by its caption, like a frame's.
    Label11 = label("Label11", 16, 177, QString(50, u'_'));
    Label11->SetAutoSize(false);
    Label11->resize(300, 13);
    Label14 = label("Label14", 23, 183, QStringLiteral(" System informations "));
    Label14->SetColor(ToQColor(clBlack));
    Label14->SetTransparent(false);

    Label10 = label("Label10", 16, 206, QStringLiteral("Logged on"));
    Label12 = label("Label12", 16, 225, QStringLiteral("Processor"));
    Label13 = label("Label13", 16, 244, QStringLiteral("Linux"));
    Label15 = label("Label15", 16, 263, QStringLiteral("Resolution"));

    FlatButton1 = CreateOkButton(this, 116, 312);
    connect(FlatButton1, &TFlatButton::clicked, this, [this] { FlatButton1Click(FlatButton1); });

    Timer1 = new MessageTimer(this, 1000, false);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &MessageTimer::timeout, this, [this] { Timer1Timer(Timer1); });
}

void TAbout::FormCreate(QObject*)
{
    Label10->SetCaption(LogonLine(ComputerName(), UserName()));
    VersionInfo = RunningKernelVersion();
    Label12->SetCaption(ProcessorLine(CpuSpeedMHz()));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        Label15->SetCaption(ResolutionLine(ScreenPixelSize(screen)));
}

void TAbout::FormShow(QObject*)
{
    Timer1->SetEnabled(true);
    updateSystemLine();
}

void TAbout::Timer1Timer(QObject*)
{
    updateSystemLine();
}

void TAbout::FormClose(QObject*)
{
    Timer1->SetEnabled(false);
    if (mainWindow_)
        mainWindow_->setEnabled(true);
}

void TAbout::FlatButton1Click(QObject*)
{
    if (clickSound_)
        clickSound_->Play();
    close();
}

void TAbout::Label9MouseMove(QObject* Sender, Qt::KeyboardModifiers, int, int)
{
    static_cast<LabelControl*>(Sender)->SetFontColor(ToQColor(clBlue));
}

void TAbout::Shape1MouseMove(QObject*, Qt::KeyboardModifiers, int, int)
{
    const QColor lime = ToQColor(clLime);
    Label9->SetFontColor(lime);
    Label2->SetFontColor(lime);
    Label6->SetFontColor(lime);
}

void TAbout::Label6Click(QObject*)
{
    shellOpen_(QLatin1String(kAboutHomePage));
}

void TAbout::Label2Click(QObject*)
{
    shellOpen_(mailTo(kAboutMakerMail));
}

void TAbout::Label9Click(QObject*)
{
    shellOpen_(mailTo(kAboutAuthorMail));
}

void TAbout::updateSystemLine()
{
    Label13->SetCaption(SystemLine(VersionInfo, UptimeText()));
}

void TAbout::placeOverMainWindow()
{
    if (!mainWindow_) {
        move(CentredOnPrimaryScreen(size()));
        return;
    }
    const QRect over = WindowOnScreen(mainWindow_);
    move(std::max(0, over.x() + (over.width() - kWidth) / 2), std::max(0, over.y() + (over.height() - kHeight) / 2));
}

void TAbout::setVisible(bool visible)
{
    // The first showing is centred over the main window; later ones keep the place.
    // It is placed before its window is created: some window managers (Weston's)
    // keep the place a window was created at and ignore a move before it maps.
    if (visible && !placed_) {
        placed_ = true;
        placeOverMainWindow();
    }
    QWidget::setVisible(visible);
}

void TAbout::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    FormShow(this);
}

void TAbout::closeEvent(QCloseEvent* e)
{
    FormClose(this);
    e->accept();  // hidden, not destroyed
}

} // namespace fretlore
