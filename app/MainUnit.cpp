// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainUnit.h"

#include "app/MainForm.h"
#include "catalogue/ChordEntry.h"
#include "catalogue/Instrument.h"
#include "diagram/ChordDiagram.h"
#include "diagram/ToneHover.h"

#include "controls/ApplicationMinimize.h"
#include "controls/CloseKey.h"
#include "controls/ImageControl.h"
#include "controls/LabelControl.h"
#include "controls/ListBoxControl.h"
#include "controls/ShapeControl.h"
#include "controls/SpeedButton.h"
#include "controls/TApplication.h"
#include "controls/WindowRegion.h"
#include "flat/TFlatComboBoxUnit.h"
#include "flat/TFlatEditUnit.h"
#include "flat/TFlatHintUnit.h"
#include "flat/TFlatProgressBarUnit.h"
#include "flat/TFlatSoundUnit.h"
#include "media/MediaSystem.h"
#include "platform/MessageTimer.h"
#include "platform/ModulePath.h"
#include "platform/ShellOpen.h"
#include "platform/TColor.h"
#include "playback/StringPlayer.h"
#include "playback/StrumSequencer.h"
#include "search/LookTest.h"
#include "search/NameTest.h"
#include "search/SearchHistory.h"
#include "shell/AboutUnit.h"
#include "shell/CreditsUnit.h"
#include "shell/MessageUnit.h"
#include "shell/ProgramLook.h"
#include "shell/bmp2rgn.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QCursor>
#include <QWindow>
#include <QKeyEvent>
#include <QLineEdit>

namespace fretlore {

TForm1::TForm1(MediaSystem* media, QWidget* parent, ControlsAt controls)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), media_(media),
      minimize_(new ApplicationMinimize(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Fretlore PRO"));
    setGeometry(252, 186, 572, 423);
    setFixedSize(572, 423);
    const QColor black = ToQColor(clBlack);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, black);
    pal.setColor(QPalette::WindowText, black);  // the window text colour of the default font
    setPalette(pal);
    setAutoFillBackground(true);
    TakeCloseKey(this);
    setFont(SansSerif(11));
    CreateSplashMaskHolder(*this);
    if (controls == ControlsAt::Creation)
        CreateControls();
}

void TForm1::CreateControls()
{
    if (strum_)  // made already
        return;
    CreateMainControls(*this, media_);
    strum_ = std::make_unique<StrumSequencer>(Players(), Timer1, [this] { ListBoxClick(BitBtn1); });
    connectHandlers();
    FormCreate(this);
}

TForm1::~TForm1() = default;

void TForm1::connectHandlers()
{
    connect(ListBox, &ListBoxControl::click, this, [this] { ListBoxClick(ListBox); });
    connect(Chord->events(), &ControlEvents::mouseMove, this,
            [this](Qt::KeyboardModifiers shift, int x, int y) { ChordMouseMove(Chord, shift, x, y); });
    connect(Chord->events(), &ControlEvents::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                ChordMouseDown(Chord, button, shift, x, y);
            });
    connect(SoundP->events(), &ControlEvents::click, this, [this] { SoundPClick(SoundP); });
    connect(Timer1, &MessageTimer::timeout, this, [this] { Timer1Timer(Timer1); });

    connect(Stratocaster->events(), &ControlEvents::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                StratocasterMouseDown(Stratocaster, button, shift, x, y);
            });
    connect(Stratocaster->events(), &ControlEvents::mouseMove, this,
            [this](Qt::KeyboardModifiers, int x, int y) { dragWindow(x, y); });
    connect(Stratocaster->events(), &ControlEvents::mouseUp, this, [this] { dragging_ = false; });
    for (LabelControl* label : {Label9, Label10})
        connect(label->events(), &ControlEvents::mouseMove, this,
                [this, label](Qt::KeyboardModifiers shift, int x, int y) { Label9MouseMove(label, shift, x, y); });
    connect(Label9->events(), &ControlEvents::click, this, [this] { Label9Click(Label9); });
    connect(Label10->events(), &ControlEvents::mouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                Label10MouseUp(Label10, button, shift, x, y);
            });
    for (ImageControl* icon : {SoundP, Author, www, mail})
        connect(icon->events(), &ControlEvents::mouseMove, this,
                [this, icon](Qt::KeyboardModifiers shift, int x, int y) { SoundPMouseMove(icon, shift, x, y); });
    connect(Shape1->events(), &ControlEvents::mouseMove, this,
            [this](Qt::KeyboardModifiers shift, int x, int y) { Shape1MouseMove(Shape1, shift, x, y); });
    connect(www->events(), &ControlEvents::click, this, [this] { wwwClick(www); });
    connect(mail->events(), &ControlEvents::click, this, [this] { mailClick(mail); });
    connect(Author->events(), &ControlEvents::click, this, [this] { AuthorClick(Author); });
    OpenAddress = [](const QString& address) { ShellOpen(address); };

    connect(Edit1, &QComboBox::editTextChanged, this, [this] { Edit1Change(Edit1); });
    // Keys reach the combo box (which hands them to its edit part directly)
    // or, sent straight to it, the edit part.
    Edit1->installEventFilter(this);
    Edit1->lineEdit()->installEventFilter(this);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(BitBtn1); });
    for (int string = 0; string < kStringCount; ++string) {
        TFlatEdit* edit = FretEdit(string);
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { Estr6Change(edit); });
        edit->installEventFilter(this);
    }
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(BitBtn2); });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* e = static_cast<QKeyEvent*>(event);
        int key = e->key();
        if (watched == Edit1 || watched == Edit1->lineEdit())
            Edit1KeyDown(Edit1, key, e->modifiers());
        else if (qobject_cast<TFlatEdit*>(watched))
            Estr6KeyDown(watched, key, e->modifiers());
    }
    return QWidget::eventFilter(watched, event);
}

TFlatEdit* TForm1::FretEdit(int string) const
{
    return findChild<TFlatEdit*>(FretEditName(string), Qt::FindDirectChildrenOnly);
}

StringPlayerSet TForm1::Players() const
{
    return FindStringPlayers(this);
}

int TForm1::StrumStep() const
{
    return strum_->StrumStep;
}

void TForm1::FormCreate(QObject*)
{
    CloseAtOnce = false;
    SetWindowRgn(this, MaskToRegion(MainRgn->Picture()));
    TmpP->SetPicture(Chord->Picture());
    SavedCaption = windowTitle();
    for (ToneMarker& m : ToneMarkers)
        m.Shown = false;
    ExeDir = ExeDirOf(ModuleFileName());
    FormReady = true;
}

void TForm1::ListBoxClick(QObject* Sender)
{
    Timer1->SetEnabled(false);  // ends a strum in progress
    if (Sender != BitBtn1)
        Sound1->Play();
    const int index = ListBox->currentRow();
    if (index < 0)
        return;
    if (index == 0) {
        SoundP->setCursor(Qt::ArrowCursor);
        SoundP->setToolTip(QStringLiteral("Play selected chord"));
        Chord->SetPicture(TmpP->Picture());
        setWindowTitle(SavedCaption);
        ChordName->SetCaption(QString());
        for (ToneMarker& m : ToneMarkers)
            m.Shown = false;
        SilenceStringPlayers(Players());
        return;
    }

    SoundP->setCursor(Qt::PointingHandCursor);
    QImage picture = TmpP->Picture();
    const QString line = ListBox->item(index)->text();
    const QString name = ChordNameOf(line);
    ChordName->SetCaption(u' ' + name + u' ');
    ChordName->move(Chord->x() + Chord->width() / 2 - ChordName->width() / 2, ChordName->y());
    SoundP->setToolTip(QStringLiteral("Play ") + name + QStringLiteral(" chord on MIDI device"));
    const auto frets = ReadFrets(FretText(line));
    if (!frets) {
        // Every catalogue line reads; a line that does not shows an empty diagram.
        Chord->SetPicture(picture);
        return;
    }
    if (FormReady)
        PrepareStringPlayers(Players(), *frets, ExeDir);
    DrawChordDiagram(picture, *frets, ToneMarkers, Diagram);
    Chord->SetPicture(picture);
}

void TForm1::ChordMouseMove(QObject*, Qt::KeyboardModifiers, int X, int Y)
{
    const int hit = ToneUnderMouse(ToneMarkers, X, Y);
    if (hit >= 0) {
        Chord->setCursor(FormReady ? Qt::PointingHandCursor : Qt::ArrowCursor);
        Chord->setToolTip(ToneHint(ToneMarkers[size_t(hit)]));
        return;
    }
    Chord->setCursor(Qt::ArrowCursor);
    Chord->setToolTip(RestingHint());
    if (ListBox->currentRow() >= 1)
        FlatHint1->CancelHint();  // a chord is shown: the hint starts over from the next movement
}

void TForm1::ChordMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)
{
    if (!FormReady)
        return;
    const StringPlayerSet players = Players();
    bool played = false;
    TApplication::ReportErrors([&] {
        for (int k = 0; k < 6; ++k) {
            const ToneMarker& m = ToneMarkers[size_t(k)];
            if (!m.Shown)
                continue;
            if (ToneDistance(m.X, m.Y, X, Y) < kToneReach) {
                players[size_t(k)]->Open();
                players[size_t(k)]->Play();
                played = true;
            } else {
                Chord->setCursor(Qt::ArrowCursor);
            }
        }
    });
    if (played)
        TellNoSoundDevice();
}

void TForm1::TellNoSoundDevice()
{
    const QString notice = media_ ? media_->TakeNoDeviceNotice() : QString();
    if (!notice.isEmpty())
        TApplication::ShowException(notice);
}

void TForm1::SoundPClick(QObject*)
{
    if (ListBox->currentRow() <= 0)
        return;
    Sound1->Play();
    if (TApplication::ReportErrors([this] { strum_->Start(); }))
        TellNoSoundDevice();
}

void TForm1::Timer1Timer(QObject*)
{
    TApplication::ReportErrors([this] { strum_->Tick(); });
}

void TForm1::Edit1Change(QObject*)
{
    BitBtn1->setEnabled(!Edit1->currentText().isEmpty());
}

void TForm1::Edit1KeyDown(QObject*, int& Key, Qt::KeyboardModifiers)
{
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter)  // runs even while the button is disabled
        BitBtn1Click(BitBtn1);
}

void TForm1::BitBtn1Click(QObject*)
{
    Sound1->Play();
    FlatProgressBar1->show();
    const QString text = Edit1->currentText();
    const int at = HistoryInsertIndex(Edit1->count(), [this](int i) { return Edit1->itemText(i); }, text);
    if (at >= 0)
        Edit1->insertItem(at, text);
    RunSearchSweep(NameTest(text));
}

void TForm1::Estr6Change(QObject*)
{
    bool filled = true;
    for (int string = 0; string < kStringCount; ++string)
        filled = filled && !FretEdit(string)->text().isEmpty();
    BitBtn2->setEnabled(filled);
}

void TForm1::Estr6KeyDown(QObject*, int& Key, Qt::KeyboardModifiers)
{
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter)
        BitBtn2Click(BitBtn2);
}

void TForm1::BitBtn2Click(QObject*)
{
    Sound1->Play();
    FlatProgressBar1->show();
    FretTexts frets;  // E6 first
    for (int k = 1; k <= 6; ++k) {  // Estr1 to Estr6
        const int string = StringOfFretEdit(k);
        TFlatEdit* edit = FretEdit(string);
        const QString padded = PaddedFretText(edit->text());
        if (padded != edit->text())
            edit->setText(padded);  // shown padded; runs Estr6Change
        frets[size_t(string)] = padded;
    }
    RunSearchSweep(LookTest(frets));
}

void TForm1::RunSearchSweep(const LineTest& test)
{
    const int hit = SearchSweep(
        ListBox->count(), [this](int i) { return ListBox->item(i)->text(); }, ListBox->currentRow(), test,
        [this](int position) { FlatProgressBar1->SetPosition(position); });
    if (hit != kNotFound) {
        ListBox->setCurrentRow(hit);
        ListBox->scrollToItem(ListBox->item(hit));
        ListBoxClick(BitBtn1);
    }
    FlatProgressBar1->SetPosition(0);
    FlatProgressBar1->hide();
    if (hit == kNotFound) {
        setEnabled(false);
        if (FMessage)
            FMessage->show();
    }
}

void TForm1::StratocasterMouseDown(QObject*, Qt::MouseButton Button, Qt::KeyboardModifiers, int X, int Y)
{
    if (Button != Qt::LeftButton)
        return;
    // The window manager moves the window with the mouse; without one, the
    // window follows the mouse itself until the button is released.
    QWindow* handle = windowHandle();
    dragging_ = !(handle && handle->startSystemMove());
    dragOffset_ = Stratocaster->mapTo(this, QPoint(X, Y));
}

void TForm1::dragWindow(int x, int y)
{
    if (!dragging_ || !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        dragging_ = false;
        return;
    }
    move(Stratocaster->mapToGlobal(QPoint(x, y)) - dragOffset_);
}

void TForm1::Label9MouseMove(QObject* Sender, Qt::KeyboardModifiers, int, int)
{
    auto* label = static_cast<LabelControl*>(Sender);
    QFont f = label->font();
    f.setBold(true);
    label->SetLabelFont(f);
}

void TForm1::Label9Click(QObject*)
{
    minimize_->Minimize();  // every visible window of the program, back together
}

void TForm1::Label10MouseUp(QObject*, Qt::MouseButton Button, Qt::KeyboardModifiers, int, int)
{
    CloseAtOnce = Button == Qt::RightButton;
    close();
}

void TForm1::closeEvent(QCloseEvent* e)
{
    bool canClose = true;
    FormCloseQuery(this, canClose);
    e->setAccepted(canClose);
}

void TForm1::FormCloseQuery(QObject*, bool& CanClose)
{
    if (CloseAtOnce) {
        CanClose = true;
        return;
    }
    if (Credits)
        Credits->ShowFromFirstLine();  // which hides this window and ends the program after the scroll
    CanClose = false;
}

void TForm1::SoundPMouseMove(QObject* Sender, Qt::KeyboardModifiers, int, int)
{
    auto* icon = static_cast<ImageControl*>(Sender);
    icon->move(icon->x(), 87);
}

void TForm1::Shape1MouseMove(QObject*, Qt::KeyboardModifiers, int, int)
{
    for (LabelControl* label : {Label9, Label10}) {
        QFont f = label->font();
        f.setBold(false);
        label->SetLabelFont(f);
    }
    for (ImageControl* icon : {Author, mail, www, SoundP})
        icon->move(icon->x(), 88);
}

void TForm1::wwwClick(QObject*)
{
    Sound1->Play();
    if (OpenAddress)
        OpenAddress(QLatin1String(kAboutHomePage));
}

void TForm1::mailClick(QObject*)
{
    Sound1->Play();
    if (OpenAddress)
        OpenAddress(QStringLiteral("mailto:") + QLatin1String(kAboutMakerMail));
}

void TForm1::AuthorClick(QObject*)
{
    Sound1->Play();
    if (About)
        About->show();
    setEnabled(false);
}

} // namespace fretlore
