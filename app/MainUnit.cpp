#include "app/MainUnit.h"

#include "app/ColumnHeads.h"
#include "catalogue/ChordCatalogue.h"
#include "catalogue/ChordEntry.h"
#include "diagram/ChordDiagram.h"
#include "diagram/ToneHover.h"

#include "flat/TFlatComboBoxUnit.h"
#include "flat/TFlatEditUnit.h"
#include "flat/TFlatHintUnit.h"
#include "flat/TFlatProgressBarUnit.h"
#include "flat/TFlatSoundUnit.h"
#include "controls/ApplicationMinimize.h"
#include "platform/FontSubstitutes.h"
#include "controls/ImageControl.h"
#include "controls/LabelControl.h"
#include "controls/ListBoxControl.h"
#include "media/MediaSystem.h"
#include "platform/MessageTimer.h"
#include "platform/ModulePath.h"
#include "controls/ShapeControl.h"
#include "controls/SpeedButton.h"
#include "controls/TApplication.h"
#include "platform/TColor.h"
#include "controls/WindowRegion.h"
#include "playback/StringPlayer.h"
#include "playback/StrumSequencer.h"
#include "search/LookTest.h"
#include "search/NameTest.h"
#include "search/SearchHistory.h"
#include "shell/MessageUnit.h"
#include "platform/ShellOpen.h"
#include "shell/AboutUnit.h"
#include "shell/CreditsUnit.h"
#include "shell/bmp2rgn.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QCursor>
#include <QWindow>
#include <QKeyEvent>
#include <QLineEdit>

namespace fretlore {

namespace {

const QColor kLime = ToQColor(clLime);
const QColor kBlack = ToQColor(clBlack);

QFont sansSerif(int pixels, bool bold = false)
{
    return PixelFont(QStringLiteral("MS Sans Serif"), pixels, bold);
}

QImage picture(const char* name)
{
    return QImage(QStringLiteral(":/pictures/") + QLatin1String(name));
}

const char* const kFretHint =
    "Fret number on the %1 string ( X if desired chord doesn`t include this string or ? if you are not sure )";

} // namespace

TForm1::TForm1(MediaSystem* media, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), media_(media),
      minimize_(new ApplicationMinimize(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Fretlore PRO"));
    setGeometry(252, 186, 572, 423);
    setFixedSize(572, 423);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBlack);
    pal.setColor(QPalette::WindowText, kBlack);  // the window text colour of the default font
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(sansSerif(11));

    createControls();
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
    for (int k = 1; k <= 6; ++k) {
        TFlatEdit* edit = FretEdit(k);
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

TFlatEdit* TForm1::FretEdit(int k) const
{
    return findChild<TFlatEdit*>(QStringLiteral("Estr%1").arg(k), Qt::FindDirectChildrenOnly);
}

StringPlayerSet TForm1::Players() const
{
    StringPlayerSet players{};
    for (int n = 1; n <= 6; ++n)
        players[size_t(n - 1)] = findChild<StringPlayer*>(QStringLiteral("S%1").arg(n), Qt::FindDirectChildrenOnly);
    return players;
}

int TForm1::StrumStep() const
{
    return strum_->StrumStep;
}

void TForm1::createControls()
{
    const auto image = [this](const char* name, int x, int y, int w, int h, const char* pictureFile,
                              const char* hint) {
        auto* c = new ImageControl(this);
        c->setObjectName(QLatin1String(name));
        c->setGeometry(x, y, w, h);
        if (pictureFile)
            c->SetPicture(picture(pictureFile));
        if (hint)
            c->setToolTip(QString::fromUtf8(hint));
        return c;
    };
    const auto label = [this](const char* name, int x, int y, int w, int h, const QString& caption,
                              const QFont& font, const char* hint) {
        auto* c = new LabelControl(this);
        c->setObjectName(QLatin1String(name));
        c->SetLabelFont(font);
        c->SetCaption(caption);
        c->SetFontColor(kLime);
        c->SetTransparent(true);
        // The designed size stands until the caption or the font changes.
        c->setGeometry(x, y, w, h);
        if (hint)
            c->setToolTip(QString::fromUtf8(hint));
        return c;
    };

    // Painted controls, in creation order: a later one paints over an earlier one.
    Stratocaster = image("Stratocaster", 5, 5, 200, 72, "stratocaster.png", "Fender stratocaster ®");
    Stratocaster->setCursor(Qt::SizeAllCursor);

    Shape1 = new ShapeControl(this, kBlack, kLime, 2);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(16, 80, 553, 339);

    Chord = image("Chord", 17, 241, 391, 176, nullptr, "Chords displayer - hold mouse over tone to see it`s name");
    Chord->SetPicture(DiagramTemplate());
    Chord->SetAutoSize(true);
    Chord->SetTransparent(true);

    Kestrune = image("Kestrune", 23, 95, 387, 73, "kestrune.png", "Kestrune softworks Fretlore PRO");
    Kestrune->SetStretch(true);

    const QFont stringFont = sansSerif(13);
    Label1 = label("Label1", 404, 264, 16, 16, QStringLiteral("E6"), stringFont, "E6 string");
    Label4 = label("Label4", 404, 287, 16, 16, QStringLiteral("A5"), stringFont, "A5 string");
    Label5 = label("Label5", 404, 310, 17, 16, QStringLiteral("D4"), stringFont, "D4 string");
    Label6 = label("Label6", 404, 332, 17, 16, QStringLiteral("G3"), stringFont, "G3 string");
    Label7 = label("Label7", 404, 355, 16, 16, QStringLiteral("B2"), stringFont, "B2 string");
    Label8 = label("Label8", 404, 378, 15, 16, QStringLiteral("e1"), stringFont, "e1 string");

    BitBtn1 = new SpeedButton(this, QStringLiteral("Search by &name"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(312, 214, 89, 21);
    BitBtn1->setToolTip(QStringLiteral("Start search"));
    BitBtn1->setEnabled(false);
    BitBtn2 = new SpeedButton(this, QStringLiteral("Search by &look"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(312, 184, 89, 21);
    BitBtn2->setToolTip(QStringLiteral("Start search"));
    BitBtn2->setEnabled(false);

    // The column heads, each centred over its fret edit (33 wide, 48 apart,
    // from x 25): the label spans the six edits.
    auto* heads = new ColumnHeads(this);
    heads->setObjectName(QStringLiteral("Label3"));
    heads->SetLabelFont(sansSerif(11));
    heads->SetCaption(QStringLiteral("    E              A             D              G             B              e"));
    heads->SetFontColor(kLime);
    heads->SetTransparent(true);
    heads->setGeometry(25, 166, 5 * 48 + 33, 13);
    heads->SetCentres({16, 64, 112, 160, 208, 256});
    Label3 = heads;

    Ultimate = image("Ultimate", 148, 70, 277, 30, "ultimate.png", "Fretlore PRO consists 1008 chords");
    Ultimate->SetStretch(true);

    Label9 = label("Label9", 529, 85, 9, 20, QStringLiteral("_"), sansSerif(16), "Minimize");
    Label10 = label("Label10", 547, 85, 11, 20, QStringLiteral("X"), sansSerif(16), "Close");

    SoundP = image("SoundP", 431, 88, 16, 16, "play.png", "Play selected chord on MIDI device");
    SoundP->SetAutoSize(true);
    SoundP->SetTransparent(true);
    SoundP->setCursor(Qt::ArrowCursor);

    MainRgn = image("MainRgn", 408, 26, 16, 16, "main_mask.png", nullptr);

    ChordName = label("ChordName", 208, 244, 5, 16, QString(), sansSerif(13, true), "Chord name");
    ChordName->SetTransparent(false);
    ChordName->SetColor(kBlack);

    Label14 = label("Label14", 504, 400, 57, 13, QStringLiteral("18.10.2000."), sansSerif(11), "Build date");

    SplashRgn = image("SplashRgn", 432, 26, 16, 16, "splash_mask.png", nullptr);

    www = image("www", 478, 88, 16, 17, "www.png", "Visit Kestrune softworks home page");
    www->SetStretch(true);
    www->SetTransparent(true);
    www->setCursor(Qt::PointingHandCursor);
    mail = image("mail", 502, 88, 16, 16, "mail.png", "Contact Kestrune softworks via e-mail");
    mail->SetStretch(true);
    mail->SetTransparent(true);
    mail->setCursor(Qt::PointingHandCursor);
    Author = image("Author", 455, 88, 16, 16, "author.png", "About author of this program");
    Author->SetAutoSize(true);
    Author->SetTransparent(true);
    Author->setCursor(Qt::PointingHandCursor);

    Shape2 = new ShapeControl(this, kBlack, kLime, 1);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(428, 111, 132, 276);

    TmpP = image("TmpP", 456, 20, 33, 33, nullptr, nullptr);
    TmpP->SetAutoSize(true);
    TmpP->hide();

    FlatProgressBar1 = new TFlatProgressBar(this);
    FlatProgressBar1->setObjectName(QStringLiteral("FlatProgressBar1"));
    FlatProgressBar1->setGeometry(25, 395, 375, 16);
    FlatProgressBar1->SetColorElement(kLime);
    FlatProgressBar1->SetColorBorder(kLime);
    FlatProgressBar1->SetRange(0, 100);
    FlatProgressBar1->SetSmooth(true);
    FlatProgressBar1->setToolTip(QStringLiteral("Search progress indicator"));
    FlatProgressBar1->hide();

    // Controls that are windows of their own lie above all the painted ones.
    ListBox = new ListBoxControl(this);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    ListBox->setGeometry(429, 113, 129, 272);
    ListBox->setFrameShape(QFrame::NoFrame);
    ListBox->setFont(PixelFont(QStringLiteral("Courier New"), 13));
    ListBox->setUniformItemSizes(true);
    ListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox->setTextElideMode(Qt::ElideNone);  // the fret fields simply run past the right edge
    ListBox->setToolTip(QStringLiteral("Chords navigator"));
    QPalette listPalette = ListBox->palette();
    listPalette.setColor(QPalette::Base, kBlack);
    listPalette.setColor(QPalette::Text, kLime);
    listPalette.setColor(QPalette::Highlight, kLime);
    listPalette.setColor(QPalette::HighlightedText, kBlack);
    // The scroll bar in the same colours: a lime slider on black.
    listPalette.setColor(QPalette::Window, kBlack);
    listPalette.setColor(QPalette::Button, kBlack);
    listPalette.setColor(QPalette::Dark, kLime);
    listPalette.setColor(QPalette::Mid, kLime);
    listPalette.setColor(QPalette::Light, kLime);
    listPalette.setColor(QPalette::ButtonText, kLime);
    ListBox->setPalette(listPalette);
    ListBox->SetItemHeight(16);
    ListBox->addItems(ChordCatalogue());
    ListBox->setCurrentRow(-1);

    // The six hidden players, S6 created first; player n sounds on the device's slot n - 1.
    MidiDevice* midi = media_ ? &media_->Midi() : nullptr;
    StringPlayer** const players[6] = {&S6, &S5, &S4, &S3, &S2, &S1};
    for (int k = 0; k < 6; ++k) {
        const int n = 6 - k;
        *players[k] = new StringPlayer(this, QStringLiteral("S%1").arg(n), midi, n - 1);
    }

    Edit1 = new TFlatComboBox(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(25, 214, 273, 21);
    Edit1->SetColor(kBlack);
    Edit1->SetColorArrow(kLime);
    Edit1->SetColorArrowBackground(kBlack);
    Edit1->SetColorBorder(kLime);
    Edit1->SetFontColor(kLime);
    Edit1->setFont(sansSerif(11));
    Edit1->setToolTip(QStringLiteral("Name of desired font"));

    TFlatEdit** const edits[6] = {&Estr6, &Estr5, &Estr4, &Estr3, &Estr2, &Estr1};
    const char* const strings[6] = {"E6", "A5", "D4", "G3", "B2", "e1"};
    for (int k = 0; k < 6; ++k) {
        auto* e = new TFlatEdit(this);
        e->setObjectName(QStringLiteral("Estr%1").arg(6 - k));
        e->setGeometry(25 + 48 * k, 184, 33, 19);
        e->SetColorFocused(kBlack);
        e->SetColorBorder(kLime);
        e->SetColorFlat(kBlack);
        e->SetFontColor(kLime);
        e->setFont(sansSerif(11));
        e->SetMaxLength(2);
        e->setToolTip(QString::fromLatin1(kFretHint).arg(QLatin1String(strings[k])));
        *edits[k] = e;
    }

    Timer1 = new MessageTimer(this, 600, false);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    FlatHint1 = new TFlatHint(this);
    FlatHint1->setObjectName(QStringLiteral("FlatHint1"));
    FlatHint1->SetColorBackground(kBlack);
    FlatHint1->SetColorBorder(kLime);
    FlatHint1->SetMaxHintWidth(255);
    FlatHint1->SetFont(sansSerif(11));
    FlatHint1->SetFontColor(kLime);

    Sound1 = new TFlatSound(this, media_ ? &media_->Output() : nullptr);
    Sound1->setObjectName(QStringLiteral("Sound1"));
    Sound1->SetEvent(seBtnClick);
    Sound1->SetBeep([] { QApplication::beep(); });

    // Tab order: the list first, then the name field and the six fret edits.
    setTabOrder(ListBox, Edit1);
    setTabOrder(Edit1, Estr6);
    setTabOrder(Estr6, Estr5);
    setTabOrder(Estr5, Estr4);
    setTabOrder(Estr4, Estr3);
    setTabOrder(Estr3, Estr2);
    setTabOrder(Estr2, Estr1);
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
    DrawChordDiagram(picture, *frets, ToneMarkers);
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
    for (int k = 1; k <= 6; ++k)
        filled = filled && !FretEdit(k)->text().isEmpty();
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
    for (int k = 1; k <= 6; ++k) {
        TFlatEdit* edit = FretEdit(k);
        const QString padded = PaddedFretText(edit->text());
        if (padded != edit->text())
            edit->setText(padded);  // shown padded; runs Estr6Change
        frets[size_t(6 - k)] = padded;
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
