// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CreditsUnit.h"

#include "controls/ShapeControl.h"
#include "platform/FontSubstitutes.h"
#include "platform/MessageTimer.h"
#include "platform/ScreenPixels.h"
#include "platform/SystemInfo.h"
#include "platform/TColor.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace fretlore {

namespace {

constexpr int kWidth = 457;
constexpr int kHeight = 318;
constexpr int kMemoLeft = 3;

QStringList makeCreditsLines()
{
    const QString rule(30, u'_');
    const QString none;
    QStringList lines{
        none, none, rule, none, QStringLiteral("C R E D I T S"), rule, none, none, none, none,
        QStringLiteral("Kestrune softworks (R)"),
        QStringLiteral("Fretlore PRO 4.5"),
        none, none, none, none,
        QStringLiteral("MAIN PROGRAMMING"), none, QStringLiteral("Dravec Kestrune"), none, none,
        QStringLiteral("GRAPHICS PROGRAMMING AND DESIGN"), none, QStringLiteral("Dravec Kestrune"), none, none,
        QStringLiteral("CHORDS TRANSCRIPTION"), none, QStringLiteral("Dravec Kestrune"), none, none,
        QStringLiteral("BETA TESTING"), none, QStringLiteral("Guess Who..."), none,
        rule, none, none,
        QStringLiteral("THANKS TO"), none,
        QStringLiteral("My dog Bruno for keeping me company through the long nights"),
        QStringLiteral("My friend Tomo for lending me his electric guitar"),
        QStringLiteral("My friend Ivo for his old acoustic guitar"),
        QStringLiteral("B. Strunar for the book \"A Thousand Chords for the Guitar\""),
        QStringLiteral("The writer of the Six Strings Online guitar school"),
        QStringLiteral("The people of tabs.example.net for good tablatures"),
        QStringLiteral("All my classmates from the class 3.B"),
        QStringLiteral("The inventor of the internet ( God bless you son )"),
        QStringLiteral("The inventor of my IRC chat program"),
        QStringLiteral("The inventor of MP3"),
        QStringLiteral("The makers of my favourite media player"),
        QStringLiteral("Jimi Hendrix for being my favourite guitar player"),
        QStringLiteral("Django Reinhardt for being my favourite guitar player (!?)"),
        QStringLiteral("Les Paul for being my favourite guitar player ( kinda weird )"),
        QStringLiteral("My computer ( for handling all this tortures )"),
        QStringLiteral("God"),
        QStringLiteral("Anyone who is not listed and should be..."),
        none, none,
        QStringLiteral("SPECIAL THANKS TO"), none,
        QStringLiteral("My father for giving me the first guitar lessons"),
        QStringLiteral("My friend Sanja for the lessons on her guitar"),
        none, rule, none, none,
        QStringLiteral("Fretlore PRO 4.5 is freeware"),
        QStringLiteral("Copyright (C) Kestrune softworks"),
        QStringLiteral("All rights reserved"),
        QStringLiteral("You may copy it and give it away"),
        QStringLiteral("as long as nobody pays for it"),
        QStringLiteral("All trademarks belong to their owners"),
        none, rule, none,
        QStringLiteral("Program is tested on Celeron 300A, Soltek SL-67B, 64MB RAM, 4,3 GB hard disk, "),
        QStringLiteral("ASUS V3000 TV VGA card, ESS 1869 FM audio card and Windows 98 S.E"),
        QStringLiteral("For any comment, suggestion or bug report please contact author"),
        none,
        rule + u',',
    };
    Q_ASSERT(lines.size() == 81);
    return lines;
}

// A filled strip: the empty bars and strips over the text.
QWidget* bar(QWidget* parent, const char* name, const QRect& bounds, TColor colour)
{
    auto* w = new QWidget(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(bounds);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, ToQColor(colour));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    return w;
}

} // namespace

const QStringList& CreditsLines()
{
    static const QStringList lines = makeCreditsLines();
    return lines;
}

TCredits::TCredits(QWidget* mainWindow, ControlsAt controls)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow), exitProgram_([](int exitCode) { QCoreApplication::exit(exitCode); })
{
    setObjectName(QStringLiteral("Credits"));
    setWindowTitle(QStringLiteral("Fretlore PRO"));
    setFixedSize(kWidth, kHeight);
    setPalette(QPalette(palette().color(QPalette::Button)));  // the button face, nearly all covered
    setAutoFillBackground(true);

    if (controls == ControlsAt::Creation)
        CreateControls();
}

void TCredits::CreateControls()
{
    if (Shape1)  // made already
        return;
    const QColor lime = ToQColor(clLime);
    const QColor black = ToQColor(clBlack);

    // No fill: only its edges show, left and right of the text.
    Shape1 = new ShapeControl(this, QColor(), lime, 2);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(0, 0, kWidth, kHeight);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(kMemoLeft, 0, 451, 2000);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setReadOnly(true);
    Memo1->setEnabled(false);  // takes no input, no focus and shows no caret
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setCursor(Qt::ArrowCursor);
    Memo1->viewport()->setCursor(Qt::ArrowCursor);
    Memo1->setFont(PixelFont(QStringLiteral("Comic Sans MS"), 11));
    QPalette pal = Memo1->palette();  // the same colours enabled or not
    pal.setColor(QPalette::Base, black);
    pal.setColor(QPalette::Window, black);
    pal.setColor(QPalette::Text, lime);
    pal.setColor(QPalette::WindowText, lime);
    Memo1->setPalette(pal);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setWordWrapMode(QTextOption::WordWrap);
    QTextDocument* doc = Memo1->document();
    doc->setDocumentMargin(0);
    QTextOption option = doc->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    doc->setDefaultTextOption(option);
    Memo1->setPlainText(CreditsLines().join(u'\n'));

    Memo2 = bar(this, "Memo2", QRect(0, 0, 457, 3), clLime);
    Memo3 = bar(this, "Memo3", QRect(0, 315, 457, 3), clLime);
    Split1 = bar(this, "Split1", QRect(8, 3, 441, 4), clBlack);
    Split2 = bar(this, "Split2", QRect(8, 311, 441, 4), clBlack);

    Timer1 = new MessageTimer(this, 50, false);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &MessageTimer::timeout, this, [this] { Timer1Timer(Timer1); });
}

void TCredits::ShowFromFirstLine()
{
    Memo1->move(kMemoLeft, 0);
    show();
}

void TCredits::FormShow(QObject*)
{
    if (mainWindow_)
        mainWindow_->hide();
    Timer1->SetEnabled(true);
}

void TCredits::Timer1Timer(QObject*)
{
    // Raised on every tick and never lowered: as far as the system grants.
    RaisePriorities();
    Memo1->move(Memo1->x(), Memo1->y() - 1);
    repaint();
    if (Memo1->y() < kLastTop)
        close();
}

void TCredits::FormCloseQuery(QObject*, bool& CanClose)
{
    CanClose = false;
    exitProgram_(0);
}

void TCredits::setVisible(bool visible)
{
    // Centred at the first showing, before its window is created: some window
    // managers (Weston's) keep the place a window was created at.
    if (visible && !placed_) {
        placed_ = true;
        move(CentredOnPrimaryScreen(size()));
    }
    QWidget::setVisible(visible);
}

void TCredits::showEvent(QShowEvent* e)
{
    Memo1->move(kMemoLeft, 0);  // every showing starts at the first line
    QWidget::showEvent(e);
    FormShow(this);
}

void TCredits::closeEvent(QCloseEvent* e)
{
    bool canClose = true;
    FormCloseQuery(this, canClose);
    e->setAccepted(canClose);
}

} // namespace fretlore
