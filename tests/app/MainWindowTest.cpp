// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it stands after creation: every control's place and what
// the window shows there, its look, texts and state, the state FormCreate
// sets, and the window creation order.
#include "app/Windows.h"
#include "controls/ImageControl.h"
#include "controls/LabelControl.h"
#include "controls/ListBoxControl.h"
#include "controls/ShapeControl.h"
#include "controls/SpeedButton.h"
#include "flat/TFlatComboBoxUnit.h"
#include "flat/TFlatEditUnit.h"
#include "flat/TFlatHintUnit.h"
#include "flat/TFlatProgressBarUnit.h"
#include "platform/FontSubstitutes.h"
#include "platform/MessageTimer.h"
#include "platform/ModulePath.h"
#include "playback/StringPlayer.h"

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <QFontInfo>
#include <QListWidget>
#include <QScreen>
#include <QTest>

#include "WindowTesting.h"

using namespace fretlore;
using windowtest::countPixels;
using windowtest::kBlack;
using windowtest::kLime;

namespace {

// What the window shows at a control's place.
enum class Shows {
    Picture,              // lime artwork, within the window's outline
    PictureOnTheOutline,  // lime artwork that makes part of the outline itself
    Text,                 // lime text within the outline
    Outline,              // a lime frame within the outline
    GreyedText,           // a disabled caption
    Black,                // black: an empty caption on its own black
    OutsideTheOutline,    // a picture the window holds outside its shape
    Nothing,              // hidden until needed
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void formCreateSetsTheState()
    {
        TForm1 form;
        QVERIFY(form.FormReady);
        QVERIFY(!form.CloseAtOnce);
        QCOMPARE(form.SavedCaption, QStringLiteral("Fretlore PRO"));
        QCOMPARE(form.ExeDir, ExeDirOf(ModuleFileName()));
        QVERIFY(form.ExeDir.endsWith(u'/'));
        for (const ToneMarker& m : form.ToneMarkers)
            QVERIFY(!m.Shown);
        // At its designed place, not shown: the splash shows it when it goes.
        QCOMPARE(form.pos(), QPoint(252, 186));
        QVERIFY(form.isHidden());
        QCOMPARE(form.size(), QSize(572, 423));
        QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
        // The blank diagram is kept aside.
        QCOMPARE(form.TmpP->Picture(), form.Chord->Picture());
        QCOMPARE(form.TmpP->size(), QSize(391, 176));
        QVERIFY(form.TmpP->isHidden());
    }

    void windowIsCutToItsMask()
    {
        TForm1 form;
        const QRegion mask = form.mask();
        QVERIFY(!mask.isEmpty());
        QVERIFY(mask.contains(QPoint(14, 75)));     // the working area's corner
        QVERIFY(mask.contains(QPoint(571, 422)));
        QVERIFY(!mask.contains(QPoint(13, 200)));   // left of the working area
        QVERIFY(!mask.contains(QPoint(300, 30)));   // beside the guitar
        QVERIFY(!mask.contains(QPoint(408, 26)));   // the mask holders lie outside
        QVERIFY(!mask.contains(QPoint(432, 26)));
    }

    // The window's design, stated once: each control by name, its class, its
    // place and what the window shows there. The checks read the window.
    void everyControlShowsWhereDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<int>("shows");
        const struct {
            const char* name;
            const char* type;
            QRect place;
            Shows shows;
        } rows[] = {
            {"Stratocaster", "ImageControl", {5, 5, 200, 72}, Shows::PictureOnTheOutline},
            {"Ultimate", "ImageControl", {148, 70, 277, 30}, Shows::PictureOnTheOutline},
            {"Shape1", "ShapeControl", {16, 80, 553, 339}, Shows::Outline},
            {"Kestrune", "ImageControl", {23, 95, 387, 73}, Shows::Picture},
            {"Chord", "ImageControl", {17, 241, 391, 176}, Shows::Picture},
            {"ChordName", "LabelControl", {208, 244, 5, 16}, Shows::Black},
            {"TmpP", "ImageControl", {456, 20, 391, 176}, Shows::Nothing},
            {"Label1", "LabelControl", {404, 264, 16, 16}, Shows::Text},
            {"Label4", "LabelControl", {404, 287, 16, 16}, Shows::Text},
            {"Label5", "LabelControl", {404, 310, 17, 16}, Shows::Text},
            {"Label6", "LabelControl", {404, 332, 17, 16}, Shows::Text},
            {"Label7", "LabelControl", {404, 355, 16, 16}, Shows::Text},
            {"Label8", "LabelControl", {404, 378, 15, 16}, Shows::Text},
            {"Label9", "LabelControl", {529, 85, 9, 20}, Shows::Text},
            {"Label10", "LabelControl", {547, 85, 11, 20}, Shows::Text},
            {"Label14", "LabelControl", {504, 400, 57, 13}, Shows::Text},
            {"SoundP", "ImageControl", {431, 88, 16, 16}, Shows::Picture},
            {"Author", "ImageControl", {455, 88, 16, 16}, Shows::Picture},
            {"www", "ImageControl", {478, 88, 16, 17}, Shows::Picture},
            {"mail", "ImageControl", {502, 88, 16, 16}, Shows::Picture},
            {"MainRgn", "ImageControl", {408, 26, 16, 16}, Shows::OutsideTheOutline},
            {"SplashRgn", "ImageControl", {432, 26, 16, 16}, Shows::OutsideTheOutline},
            {"Shape2", "ShapeControl", {428, 111, 132, 276}, Shows::Outline},
            {"ListBox", "ListBoxControl", {429, 113, 129, 272}, Shows::Text},
            {"Label3", "ColumnHeads", {25, 166, 273, 13}, Shows::Text},
            {"Estr6", "TFlatEdit", {25, 184, 33, 19}, Shows::Outline},
            {"Estr5", "TFlatEdit", {73, 184, 33, 19}, Shows::Outline},
            {"Estr4", "TFlatEdit", {121, 184, 33, 19}, Shows::Outline},
            {"Estr3", "TFlatEdit", {169, 184, 33, 19}, Shows::Outline},
            {"Estr2", "TFlatEdit", {217, 184, 33, 19}, Shows::Outline},
            {"Estr1", "TFlatEdit", {265, 184, 33, 19}, Shows::Outline},
            {"BitBtn2", "SpeedButton", {312, 184, 89, 21}, Shows::GreyedText},
            {"Edit1", "TFlatComboBox", {25, 214, 273, 21}, Shows::Outline},
            {"BitBtn1", "SpeedButton", {312, 214, 89, 21}, Shows::GreyedText},
            {"FlatProgressBar1", "TFlatProgressBar", {25, 395, 375, 16}, Shows::Nothing},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.name) << QString::fromLatin1(row.type)
                                    << row.place << int(row.shows);
    }
    void everyControlShowsWhereDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(QRect, place);
        QFETCH(int, shows);
        TForm1 form;
        const auto* control = form.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        QVERIFY(control);
        QVERIFY(control->inherits(qPrintable(QStringLiteral("fretlore::") + type)));
        QCOMPARE(control->geometry(), place);
        QCOMPARE(control->isHidden(), Shows(shows) == Shows::Nothing);

        const QImage shot = form.grab(place).toImage();
        int inOutline = 0;
        for (const QRect& r : form.mask().intersected(place))
            inOutline += r.width() * r.height();
        const int area = place.width() * place.height();
        int lit = 0, grey = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                lit += c.green() > 128 && c.red() < 128 && c.blue() < 128;
                grey += c != kBlack && c.red() == c.green() && c.green() == c.blue();
            }
        switch (Shows(shows)) {
        case Shows::Picture:
        case Shows::Text:
            QCOMPARE(inOutline, area);
            QVERIFY(lit > 0);
            break;
        case Shows::PictureOnTheOutline:
            QVERIFY(inOutline > 0 && inOutline < area);
            QVERIFY(lit > 0);
            break;
        case Shows::Outline: {
            QCOMPARE(inOutline, area);
            const QRect edge = shot.rect();
            int limeEdge = 0;
            for (int x = 0; x < edge.width(); ++x)
                limeEdge += (shot.pixelColor(x, 0) == kLime) + (shot.pixelColor(x, edge.bottom()) == kLime);
            for (int y = 1; y < edge.bottom(); ++y)
                limeEdge += (shot.pixelColor(0, y) == kLime) + (shot.pixelColor(edge.right(), y) == kLime);
            const int edgeLength = 2 * (edge.width() + edge.height()) - 4;
            QVERIFY2(limeEdge >= edgeLength * 4 / 5,
                     qPrintable(QStringLiteral("%1 of %2 lime").arg(limeEdge).arg(edgeLength)));
            break;
        }
        case Shows::GreyedText:
            QCOMPARE(inOutline, area);
            QCOMPARE(lit, 0);
            QVERIFY(grey > 0);
            break;
        case Shows::Black:
            QCOMPARE(inOutline, area);
            QCOMPARE(countPixels(shot, shot.rect(), kBlack), area);
            break;
        case Shows::OutsideTheOutline:
            QCOMPARE(inOutline, 0);
            break;
        case Shows::Nothing:
            break;
        }
    }

    void paintedControlsStackInCreationOrderBelowTheWindowedOnes()
    {
        TForm1 form;
        QStringList order;
        for (QObject* child : form.children())
            if (child->isWidgetType())
                order << child->objectName();
        // The backdrop that paints the window inside its shape lies below everything.
        const QStringList expected = {"RegionBackdrop", "Stratocaster", "Shape1", "Chord", "Kestrune", "Label1", "Label4", "Label5",
                                      "Label6", "Label7", "Label8", "BitBtn1", "BitBtn2", "Label3", "Ultimate",
                                      "Label9", "Label10", "SoundP", "MainRgn", "ChordName", "Label14",
                                      "SplashRgn", "www", "mail", "Author", "Shape2", "TmpP", "FlatProgressBar1",
                                      "ListBox", "Edit1", "Estr6", "Estr5", "Estr4", "Estr3", "Estr2", "Estr1"};
        QCOMPARE(order, expected);
    }

    void captionsHintsAndCursors()
    {
        TForm1 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Fretlore PRO"));
        const auto caption = [&form](const char* name) {
            return form.findChild<LabelControl*>(QLatin1String(name))->Caption();
        };
        QCOMPARE(caption("Label1"), QStringLiteral("E6"));
        QCOMPARE(caption("Label8"), QStringLiteral("e1"));
        QCOMPARE(caption("Label9"), QStringLiteral("_"));
        QCOMPARE(caption("Label10"), QStringLiteral("X"));
        QCOMPARE(caption("Label14"), QStringLiteral("18.10.2000."));
        QCOMPARE(caption("ChordName"), QString());
        QCOMPARE(caption("Label3"),
                 QStringLiteral("    E              A             D              G             B              e"));
        QCOMPARE(form.BitBtn1->text(), QStringLiteral("Search by &name"));
        QCOMPARE(form.BitBtn2->text(), QStringLiteral("Search by &look"));

        QCOMPARE(form.Stratocaster->toolTip(), QStringLiteral("Fender stratocaster ®"));
        QCOMPARE(form.Chord->toolTip(), QStringLiteral("Chords displayer - hold mouse over tone to see it`s name"));
        QCOMPARE(form.SoundP->toolTip(), QStringLiteral("Play selected chord on MIDI device"));
        QCOMPARE(form.Ultimate->toolTip(), QStringLiteral("Fretlore PRO consists 1008 chords"));
        QCOMPARE(form.ListBox->toolTip(), QStringLiteral("Chords navigator"));
        QCOMPARE(form.Edit1->toolTip(), QStringLiteral("Name of desired font"));
        QCOMPARE(form.FlatProgressBar1->toolTip(), QStringLiteral("Search progress indicator"));
        QCOMPARE(form.Estr6->toolTip(),
                 QStringLiteral("Fret number on the E6 string ( X if desired chord doesn`t include this string or ? "
                                "if you are not sure )"));
        QVERIFY(form.Estr1->toolTip().contains(QLatin1String("on the e1 string")));
        QVERIFY(form.Estr3->toolTip().contains(QLatin1String("on the G3 string")));
        QVERIFY(form.MainRgn->toolTip().isEmpty());

        QCOMPARE(form.Stratocaster->cursor().shape(), Qt::SizeAllCursor);
        QCOMPARE(form.SoundP->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(form.www->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form.mail->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form.Author->cursor().shape(), Qt::PointingHandCursor);
    }

    // Each column head shows whole, centred over its fret edit.
    void columnHeadsAreCentredOverTheFretEdits()
    {
        TForm1 form;
        const QImage heads = form.Label3->grab().toImage();
        for (int k = 0; k < 6; ++k) {
            const QRect box = form.findChild<TFlatEdit*>(QStringLiteral("Estr%1").arg(6 - k))->geometry();
            int left = heads.width(), right = -1;
            for (int x = box.left() - 8 - form.Label3->x(); x <= box.right() + 7 - form.Label3->x(); ++x)
                for (int y = 0; y < heads.height(); ++y)
                    if (x >= 0 && x < heads.width() && heads.pixelColor(x, y).green() > 128) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            QVERIFY2(right >= left, qPrintable(QString::number(k)));
            QVERIFY2(right < heads.width() - 1, "the head is cut off");
            const double centre = (left + right + 1) / 2.0 + form.Label3->x();
            QVERIFY2(std::abs(centre - (box.left() + box.width() / 2.0)) <= 1.0,
                     qPrintable(QStringLiteral("head %1 centred at %2 over %3").arg(k).arg(centre).arg(box.center().x())));
        }
    }

    void coloursAndFonts()
    {
        TForm1 form;
        QCOMPARE(form.palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(form.font().pixelSize(), 11);
        QCOMPARE(QFontInfo(form.font()).family(), QStringLiteral("Liberation Sans"));
        for (const char* name : {"Label1", "Label3", "Label9", "Label10", "ChordName", "Label14"})
            QCOMPARE(form.findChild<LabelControl*>(QLatin1String(name))->FontColor(), kLime);
        QCOMPARE(form.Label1->font().pixelSize(), 13);
        QCOMPARE(form.Label9->font().pixelSize(), 16);
        QCOMPARE(form.ChordName->font().pixelSize(), 13);
        QVERIFY(form.ChordName->font().bold());
        QVERIFY(!form.ChordName->Transparent());
        QCOMPARE(form.ChordName->Color(), QColor(Qt::black));
        QCOMPARE(form.ListBox->font().pixelSize(), 13);
        QCOMPARE(QFontInfo(form.ListBox->font()).family(), QStringLiteral("Liberation Mono"));
        QCOMPARE(form.ListBox->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(form.ListBox->palette().color(QPalette::Text), kLime);
        QCOMPARE(form.Shape1->PenColor(), kLime);
        QCOMPARE(form.Shape1->PenWidth(), 2);
        QCOMPARE(form.Shape2->PenWidth(), 1);
        QCOMPARE(form.Edit1->ColorBorder(), kLime);
        QCOMPARE(form.Edit1->ColorArrow(), kLime);
        QCOMPARE(form.Edit1->Color(), QColor(Qt::black));
        QCOMPARE(form.Estr4->ColorBorder(), kLime);
        QCOMPARE(form.Estr4->ColorFlat(), QColor(Qt::black));
        QCOMPARE(form.FlatProgressBar1->ColorElement(), kLime);
        QVERIFY(form.FlatProgressBar1->Smooth());
        QCOMPARE(form.FlatHint1->ColorBorder(), kLime);
        QCOMPARE(form.FlatHint1->MaxHintWidth(), 255);
    }

    void initialStates()
    {
        TForm1 form;
        QCOMPARE(form.ListBox->count(), 1009);
        QCOMPARE(form.ListBox->currentRow(), -1);
        QVERIFY(form.ListBox->selectedItems().isEmpty());
        QCOMPARE(form.ListBox->item(1)->text(), QStringLiteral("C               0 3 2 0 1 0 "));
        QCOMPARE(form.ListBox->visualItemRect(form.ListBox->item(1)).height(), 16);
        QVERIFY(!form.BitBtn1->isEnabled());
        QVERIFY(!form.BitBtn2->isEnabled());
        QVERIFY(form.FlatProgressBar1->isHidden());
        QCOMPARE(form.FlatProgressBar1->Min(), 0);
        QCOMPARE(form.FlatProgressBar1->Max(), 100);
        QVERIFY(form.Edit1->currentText().isEmpty());
        QCOMPARE(form.Edit1->currentIndex(), -1);
        for (int n = 1; n <= 6; ++n) {
            auto* edit = form.findChild<TFlatEdit*>(QStringLiteral("Estr%1").arg(n));
            QVERIFY(edit);
            QVERIFY(edit->text().isEmpty());
            QCOMPARE(edit->MaxLength(), 2);
            QVERIFY(form.findChild<StringPlayer*>(QStringLiteral("S%1").arg(n)));
        }
        QCOMPARE(form.Timer1->objectName(), QStringLiteral("Timer1"));
        QCOMPARE(form.Timer1->Interval(), 600);
        QVERIFY(!form.Timer1->Enabled());
        QCOMPARE(form.Chord->Picture().size(), QSize(391, 176));
        QVERIFY(form.Chord->Transparent());
    }

    void tabOrderRunsFromTheListThroughTheEdits()
    {
        TForm1 form;
        QStringList order;
        QWidget* w = form.ListBox;
        do {
            if (w->focusPolicy() & Qt::TabFocus && w->parentWidget() == &form)
                order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != form.ListBox);
        QCOMPARE(order, (QStringList{"ListBox", "Edit1", "Estr6", "Estr5", "Estr4", "Estr3", "Estr2", "Estr1"}));
    }

    void windowsAreCreatedInOrderAndTheSplashBringsTheMainWindowBack()
    {
        Windows windows;
        QVERIFY(windows.Splash.isVisible());
        QVERIFY(windows.Credits.isHidden());
        QVERIFY(windows.About.isHidden());
        QVERIFY(windows.FMessage.isHidden());
        QCOMPARE(windows.Credits.size(), QSize(457, 318));
        QCOMPARE(windows.About.size(), QSize(329, 358));
        QCOMPARE(windows.FMessage.size(), QSize(261, 109));

        // The splash: centred, shaped from the main window's picture, on top.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(windows.Splash.geometry().center(), screen.center());
        QCOMPARE(windows.Splash.size(), QSize(165, 480));
        QVERIFY(windows.Splash.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!windows.Splash.mask().contains(QPoint(0, 0)));
        QVERIFY(windows.Splash.mask().contains(QPoint(82, 400)));
        QVERIFY(windows.Splash.Timer1->Enabled());
        QCOMPARE(windows.Splash.Timer1->Interval(), 7000);
        for (const LabelControl* label : {windows.Splash.Label4, windows.Splash.Label5, windows.Splash.Label6})
            QVERIFY(label->isVisible());
        // The hidden windows' controls are made once the splash shows, before the loop starts.
        QVERIFY(windows.Form1.FormReady);
        QVERIFY(windows.Credits.Memo1);

        // The main window is nowhere while the splash shows; it appears at
        // its designed place when the splash goes.
        QVERIFY(windows.Form1.isHidden());
        windows.Splash.Timer1Timer(windows.Splash.Timer1);
        QVERIFY(windows.Splash.isHidden());
        QVERIFY(!windows.Splash.Timer1->Enabled());
        QVERIFY(windows.Form1.isVisible());
        QCOMPARE(windows.Form1.pos(), QPoint(252, 186));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
