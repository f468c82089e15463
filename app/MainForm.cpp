// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainForm.h"

#include "app/ColumnHeads.h"
#include "app/MainUnit.h"
#include "catalogue/ChordCatalogue.h"
#include "catalogue/Instrument.h"
#include "controls/ImageControl.h"
#include "controls/LabelControl.h"
#include "controls/ListBoxControl.h"
#include "controls/ShapeControl.h"
#include "controls/SpeedButton.h"
#include "diagram/ChordDiagram.h"
#include "flat/TFlatComboBoxUnit.h"
#include "flat/TFlatEditUnit.h"
#include "flat/TFlatHintUnit.h"
#include "flat/TFlatProgressBarUnit.h"
#include "flat/TFlatSoundUnit.h"
#include "media/MediaSystem.h"
#include "platform/FontSubstitutes.h"
#include "platform/MessageTimer.h"
#include "platform/TColor.h"
#include "playback/StringPlayer.h"
#include "playback/StringPlayers.h"
#include "playback/StrumSequencer.h"
#include "resources/PictureReader.h"
#include "resources/PicturePaths.h"
#include "shell/ProgramLook.h"

#include <QApplication>

#include <initializer_list>

namespace fretlore {

namespace {

const QColor kLime = ToQColor(clLime);
const QColor kBlack = ToQColor(clBlack);

const char* const kFretHint =
    "Fret number on the %1 string ( X if desired chord doesn`t include this string or ? if you are not sure )";

// A picture control at its place, with its picture and hint where given.
ImageControl* addImage(QWidget* form, const char* name, const QRect& place, const char* picture, const char* hint)
{
    auto* c = new ImageControl(form);
    c->setObjectName(QLatin1String(name));
    c->setGeometry(place);
    if (picture)
        c->SetPicture(ReadPicture(QLatin1String(picture)));
    if (hint)
        c->setToolTip(QString::fromUtf8(hint));
    return c;
}

enum class IconFit { PictureSize, Stretched };

// One of the chrome's small transparent icons.
ImageControl* addIcon(QWidget* form, const char* name, const QRect& place, const char* picture, const char* hint,
                      IconFit fit, Qt::CursorShape cursor)
{
    ImageControl* icon = addImage(form, name, place, picture, hint);
    if (fit == IconFit::Stretched)
        icon->SetStretch(true);
    else
        icon->SetAutoSize(true);
    icon->SetTransparent(true);
    icon->setCursor(cursor);
    return icon;
}

// A transparent lime caption. The designed size stands until the caption or
// the font changes.
LabelControl* addLabel(QWidget* form, const char* name, const QRect& place, const QString& caption, const QFont& font,
                       const char* hint)
{
    LabelControl* c = CreateLimeLabel(form, name, caption, font);
    c->setGeometry(place);
    c->setToolTip(QString::fromUtf8(hint));
    return c;
}

// A search's button, right of its field, disabled until the field is filled.
SpeedButton* addSearchButton(QWidget* form, const char* name, const QString& caption, int top)
{
    auto* button = new SpeedButton(form, caption);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(312, top, 89, 21);
    button->setToolTip(QStringLiteral("Start search"));
    button->setEnabled(false);
    return button;
}

// The guitar that drags the window, the panel, the logo and banner, the
// minimize and close labels, the four icons, the build date and the mask.
void createChrome(TForm1& form)
{
    form.Stratocaster =
        addImage(&form, "Stratocaster", {5, 5, 200, 72}, PicturePaths::Stratocaster, "Fender stratocaster ®");
    form.Stratocaster->setCursor(Qt::SizeAllCursor);

    form.Shape1 = new ShapeControl(&form, kBlack, kLime, 2);
    form.Shape1->setObjectName(QStringLiteral("Shape1"));
    form.Shape1->setGeometry(16, 80, 553, 339);

    form.Kestrune =
        addImage(&form, "Kestrune", {23, 95, 387, 73}, PicturePaths::Kestrune, "Kestrune softworks Fretlore PRO");
    form.Kestrune->SetStretch(true);
    form.Ultimate =
        addImage(&form, "Ultimate", {148, 70, 277, 30}, PicturePaths::Ultimate, "Fretlore PRO consists 1008 chords");
    form.Ultimate->SetStretch(true);

    form.Label9 = addLabel(&form, "Label9", {529, 85, 9, 20}, QStringLiteral("_"), SansSerif(16), "Minimize");
    form.Label10 = addLabel(&form, "Label10", {547, 85, 11, 20}, QStringLiteral("X"), SansSerif(16), "Close");
    form.Label14 =
        addLabel(&form, "Label14", {504, 400, 57, 13}, QStringLiteral("18.10.2000."), SansSerif(11), "Build date");

    // The icons on the panel's top edge; each rises a pixel under the mouse.
    form.SoundP = addIcon(&form, "SoundP", {431, 88, 16, 16}, PicturePaths::Play, "Play selected chord on MIDI device",
                          IconFit::PictureSize, Qt::ArrowCursor);
    form.Author = addIcon(&form, "Author", {455, 88, 16, 16}, PicturePaths::Author, "About author of this program",
                          IconFit::PictureSize, Qt::PointingHandCursor);
    form.www = addIcon(&form, "www", {478, 88, 16, 17}, PicturePaths::Www, "Visit Kestrune softworks home page",
                       IconFit::Stretched, Qt::PointingHandCursor);
    form.mail = addIcon(&form, "mail", {502, 88, 16, 16}, PicturePaths::Mail, "Contact Kestrune softworks via e-mail",
                        IconFit::Stretched, Qt::PointingHandCursor);

    // This window's mask, held outside its shape (the splash's is made first).
    form.MainRgn = addImage(&form, "MainRgn", {408, 26, 16, 16}, PicturePaths::MainMask, nullptr);
}

// The chord diagram, its blank copy, the chord's name and the strings' names.
void createDiagram(TForm1& form)
{
    form.Chord = addImage(&form, "Chord", {17, 241, 391, 176}, nullptr,
                          "Chords displayer - hold mouse over tone to see it`s name");
    form.Chord->SetPicture(DiagramTemplate());
    form.Chord->SetAutoSize(true);
    form.Chord->SetTransparent(true);

    // The blank diagram, kept aside for each drawing.
    form.TmpP = addImage(&form, "TmpP", {456, 20, 33, 33}, nullptr, nullptr);
    form.TmpP->SetAutoSize(true);
    form.TmpP->hide();

    form.ChordName = addLabel(&form, "ChordName", {208, 244, 5, 16}, QString(), SansSerif(13, true), "Chord name");
    form.ChordName->SetTransparent(false);
    form.ChordName->SetColor(kBlack);

    // The strings' names, E6 to e1, right of the diagram's rows.
    const struct {
        LabelControl** label;
        const char* name;
        int y, width;
        const char* caption;
        const char* hint;
    } strings[] = {
        {&form.Label1, "Label1", 264, 16, "E6", "E6 string"}, {&form.Label4, "Label4", 287, 16, "A5", "A5 string"},
        {&form.Label5, "Label5", 310, 17, "D4", "D4 string"}, {&form.Label6, "Label6", 332, 17, "G3", "G3 string"},
        {&form.Label7, "Label7", 355, 16, "B2", "B2 string"}, {&form.Label8, "Label8", 378, 15, "e1", "e1 string"}};
    for (const auto& s : strings)
        *s.label = addLabel(&form, s.name, {404, s.y, s.width, 16}, QLatin1String(s.caption), SansSerif(13), s.hint);
}

// The chord navigator in its frame: the catalogue's lines, lime on black.
void createNavigator(TForm1& form)
{
    form.Shape2 = new ShapeControl(&form, kBlack, kLime, 1);
    form.Shape2->setObjectName(QStringLiteral("Shape2"));
    form.Shape2->setGeometry(428, 111, 132, 276);

    form.ListBox = new ListBoxControl(&form);
    form.ListBox->setObjectName(QStringLiteral("ListBox"));
    form.ListBox->setGeometry(429, 113, 129, 272);
    form.ListBox->setFrameShape(QFrame::NoFrame);
    form.ListBox->setFont(PixelFont(QStringLiteral("Courier New"), 13));
    form.ListBox->setUniformItemSizes(true);
    form.ListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    form.ListBox->setTextElideMode(Qt::ElideNone);  // the fret fields simply run past the right edge
    form.ListBox->setToolTip(QStringLiteral("Chords navigator"));
    QPalette listPalette = form.ListBox->palette();
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
    form.ListBox->setPalette(listPalette);
    form.ListBox->SetItemHeight(16);
    form.ListBox->addItems(ChordCatalogue());
    form.ListBox->setCurrentRow(-1);
}

// The name box and the six fret edits with their heads, the two search
// buttons and the searches' progress bar.
void createSearches(TForm1& form)
{
    form.BitBtn1 = addSearchButton(&form, "BitBtn1", QStringLiteral("Search by &name"), 214);
    form.BitBtn2 = addSearchButton(&form, "BitBtn2", QStringLiteral("Search by &look"), 184);

    // The column heads, each centred over its fret edit (33 wide, 48 apart,
    // from x 25): the label spans the six edits.
    auto* heads = new ColumnHeads(&form);
    heads->setObjectName(QStringLiteral("Label3"));
    heads->SetLabelFont(SansSerif(11));
    heads->SetCaption(QStringLiteral("    E              A             D              G             B              e"));
    heads->SetFontColor(kLime);
    heads->SetTransparent(true);
    heads->setGeometry(25, 166, 5 * 48 + 33, 13);
    heads->SetCentres({16, 64, 112, 160, 208, 256});
    form.Label3 = heads;

    form.FlatProgressBar1 = CreateSearchProgressBar(&form, 25, 395);
    form.FlatProgressBar1->setObjectName(QStringLiteral("FlatProgressBar1"));
    form.FlatProgressBar1->setToolTip(QStringLiteral("Search progress indicator"));
    form.FlatProgressBar1->hide();

    form.Edit1 = CreateNameBox(&form, 25, 214);
    form.Edit1->setObjectName(QStringLiteral("Edit1"));
    form.Edit1->setToolTip(QStringLiteral("Name of desired font"));

    TFlatEdit** const edits[6] = {&form.Estr6, &form.Estr5, &form.Estr4, &form.Estr3, &form.Estr2, &form.Estr1};
    const char* const strings[6] = {"E6", "A5", "D4", "G3", "B2", "e1"};
    for (int k = 0; k < kStringCount; ++k) {  // string k, E6 leftmost
        TFlatEdit* edit = CreateFretEdit(&form, 25 + 48 * k, 184);
        edit->setObjectName(FretEditName(k));
        edit->setToolTip(QString::fromLatin1(kFretHint).arg(QLatin1String(strings[k])));
        *edits[k] = edit;
    }
}

// The six string players, the strum's timer, the hint and the click sound.
void createUnseenControls(TForm1& form, MediaSystem* media)
{
    // The six hidden players, S6 created first.
    const StringPlayerSet players = CreateStringPlayers(&form, media ? &media->Midi() : nullptr);
    StringPlayer** const fields[6] = {&form.S1, &form.S2, &form.S3, &form.S4, &form.S5, &form.S6};
    for (int string = 0; string < kStringCount; ++string)
        *fields[string] = players[size_t(string)];

    form.Timer1 = new MessageTimer(&form, StrumSequencer::kFirstStepMs, false);
    form.Timer1->setObjectName(QStringLiteral("Timer1"));

    form.FlatHint1 = new TFlatHint(&form);
    form.FlatHint1->setObjectName(QStringLiteral("FlatHint1"));
    ConfigureFlatHint(*form.FlatHint1);

    form.Sound1 = new TFlatSound(&form, media ? &media->Output() : nullptr);
    form.Sound1->setObjectName(QStringLiteral("Sound1"));
    form.Sound1->SetEvent(seBtnClick);
    form.Sound1->SetBeep([] { QApplication::beep(); });
}

} // namespace

void CreateSplashMaskHolder(TForm1& form)
{
    // Held outside the window's shape, never seen.
    form.SplashRgn = addImage(&form, "SplashRgn", {432, 26, 16, 16}, PicturePaths::SplashMask, nullptr);
}

QString FretEditName(int string)
{
    return QStringLiteral("Estr%1").arg(FretEditNumberOf(string));
}

void CreateMainControls(TForm1& form, MediaSystem* media)
{
    // The navigator comes before the searches: the window's first focus goes
    // to the first of them that takes the keyboard, the list.
    createChrome(form);
    createDiagram(form);
    createNavigator(form);
    createSearches(form);
    createUnseenControls(form, media);

    // The painted controls overlap: each paints over those before it in this
    // list. The list and the edits, which take the keyboard, lie above them all.
    for (QWidget* control : std::initializer_list<QWidget*>{
             form.Stratocaster, form.Shape1, form.Chord, form.Kestrune, form.Label1, form.Label4, form.Label5,
             form.Label6, form.Label7, form.Label8, form.BitBtn1, form.BitBtn2, form.Label3, form.Ultimate,
             form.Label9, form.Label10, form.SoundP, form.MainRgn, form.ChordName, form.Label14, form.SplashRgn,
             form.www, form.mail, form.Author, form.Shape2, form.TmpP, form.FlatProgressBar1,
             form.ListBox, form.Edit1, form.Estr6, form.Estr5, form.Estr4, form.Estr3, form.Estr2, form.Estr1})
        control->raise();

    // Tab order: the list first, then the name field and the six fret edits.
    QWidget::setTabOrder(form.ListBox, form.Edit1);
    QWidget::setTabOrder(form.Edit1, form.Estr6);
    QWidget::setTabOrder(form.Estr6, form.Estr5);
    QWidget::setTabOrder(form.Estr5, form.Estr4);
    QWidget::setTabOrder(form.Estr4, form.Estr3);
    QWidget::setTabOrder(form.Estr3, form.Estr2);
    QWidget::setTabOrder(form.Estr2, form.Estr1);
}

} // namespace fretlore
