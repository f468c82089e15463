// SPDX-License-Identifier: GPL-3.0-or-later
// The flat button offscreen: its defaults, the outline and face of each
// state, the pressed caption offset, the glyph cells, the drag and release
// edges, groups, accelerators and modal results, the hover tracking through
// the shared timer, and the glyph-and-caption layout it paints by.
#include "flat/FlatUtilitys.h"
#include "flat/TFlatButtonUnit.h"
#include "platform/FontSubstitutes.h"
#include "shell/ProgramLook.h"

#include "WindowTesting.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace fretlore;
using State = TFlatButton::FlatButtonState;
using namespace windowtest;

namespace {

// Counts the presses of letter keys that reach a control.
class KeyCounter : public QObject {
public:
    explicit KeyCounter(int* count) : count_(count) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() >= Qt::Key_A &&
            static_cast<QKeyEvent*>(e)->key() <= Qt::Key_Z)
            ++*count_;
        return false;
    }

private:
    int* count_;
};


QWidget* blackWindow(QWidget* w, const QSize& size)
{
    setWindowColour(*w, Qt::black);
    w->resize(size);
    return w;
}

// Bounding box, inside the outline, of the pixels that a colour clearly
// dominates (text is drawn smoothed, so its edges are blends).
QRect boxOf(const QImage& img, const QColor& c)
{
    QRect box;
    for (int y = 1; y < img.height() - 1; ++y)
        for (int x = 1; x < img.width() - 1; ++x) {
            const QColor p = img.pixelColor(x, y);
            const int dr = qAbs(p.red() - c.red()), dg = qAbs(p.green() - c.green()), db = qAbs(p.blue() - c.blue());
            if (dr + dg + db < 200)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

// A caption's size as the toolkit measures a single line of it.
QSize textSize(const QFont& font, const QString& text)
{
    return QFontMetrics(font).boundingRect(QRect(0, 0, 1000, 0), Qt::TextSingleLine, text).size();
}

struct Outline {
    QColor top, left, bottom, right, topRight, bottomLeft, face;
};

Outline outlineOf(TFlatButton& b)
{
    const QImage img = b.grab().toImage();
    const int w = img.width(), h = img.height();
    return {img.pixelColor(w / 2, 0),     img.pixelColor(0, h / 2),     img.pixelColor(w / 2, h - 1),
            img.pixelColor(w - 1, h / 2), img.pixelColor(w - 1, 0),     img.pixelColor(0, h - 1),
            img.pixelColor(3, 3)};
}

} // namespace

class FlatButtonTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void defaults()
    {
        QWidget window;
        blackWindow(&window, {200, 100});
        TFlatButton b(&window);
        QCOMPARE(b.size(), QSize(25, 25));
        QCOMPARE(b.Color(), QColor(Qt::black)); // the parent's colour
        QVERIFY(b.ParentColor());
        QCOMPARE(b.ColorFocused(), QColor(235, 234, 225));
        QCOMPARE(b.ColorDown(), QColor(217, 214, 197));
        QCOMPARE(b.ColorBorder(), QColor(160, 150, 131));
        QCOMPARE(b.ColorHighLight(), QColor(Qt::white));
        QCOMPARE(b.ColorShadow(), QColor(Qt::black));
        QCOMPARE(b.AdvColorFocused(), 10);
        QCOMPARE(b.AdvColorDown(), 10);
        QCOMPARE(b.AdvColorBorder(), 50);
        QCOMPARE(b.Layout(), blGlyphTop);
        QCOMPARE(b.Margin(), -1);
        QCOMPARE(b.Spacing(), 4);
        QCOMPARE(b.NumGlyphs(), 1);
        QCOMPARE(b.ModalResult(), 0);
        QVERIFY(!b.TabStop());
        QCOMPARE(b.State(), State::Up);
        b.SetColor(Qt::red);
        QVERIFY(!b.ParentColor());
        b.SetParentColor(true);
        QCOMPARE(b.Color(), QColor(Qt::black));
    }

    void outlineAndFacePerState()
    {
        QWidget window;
        window.resize(200, 100);
        auto* b = new TFlatButton(&window);
        b->setGeometry(10, 10, 60, 25);
        const QColor face(Qt::magenta), focused(Qt::yellow), down(Qt::cyan), border(Qt::gray),
            light(Qt::red), shadow(Qt::blue);
        b->SetColor(face);
        b->SetColorFocused(focused);
        b->SetColorDown(down);
        b->SetColorBorder(border);
        b->SetColorHighLight(light);
        b->SetColorShadow(shadow);
        showActive(window);

        // Up, not hot.
        Outline o = outlineOf(*b);
        QCOMPARE(o.top, border);
        QCOMPARE(o.bottom, border);
        QCOMPARE(o.face, face);

        // Up and hot: highlight top and left, shadow bottom and right (with both odd corners).
        hover(b, QPoint(30, 12));
        QTRY_VERIFY(b->MouseInControl());
        o = outlineOf(*b);
        QCOMPARE(o.top, light);
        QCOMPARE(o.left, light);
        QCOMPARE(o.bottom, shadow);
        QCOMPARE(o.right, shadow);
        QCOMPARE(o.topRight, shadow);
        QCOMPARE(o.bottomLeft, shadow);
        QCOMPARE(o.face, focused);

        // Pressed: shadow top and left, highlight bottom and right.
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(30, 12));
        QCOMPARE(b->State(), State::Pressed);
        o = outlineOf(*b);
        QCOMPARE(o.top, shadow);
        QCOMPARE(o.left, shadow);
        QCOMPARE(o.bottom, light);
        QCOMPARE(o.right, light);
        QCOMPARE(o.face, down);
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(30, 12));
        QCOMPARE(b->State(), State::Up);

        // Latched: down in a group; the face is ColorFocused while hot, ColorDown otherwise.
        b->SetGroupIndex(1);
        b->SetDown(true);
        QCOMPARE(b->State(), State::Latched);
        o = outlineOf(*b);
        QCOMPARE(o.top, shadow);
        QCOMPARE(o.bottom, light);
        QCOMPARE(o.face, b->MouseInControl() ? focused : down);
        hover(&window, QPoint(150, 80));
        QTRY_VERIFY(!b->MouseInControl());
        QCOMPARE(outlineOf(*b).face, down);

        // Disabled: the border colour all round on the resting face.
        b->SetAllowAllUp(true);
        b->SetDown(false);
        b->setEnabled(false);
        o = outlineOf(*b);
        QCOMPARE(b->State(), State::Disabled);
        QCOMPARE(o.top, border);
        QCOMPARE(o.right, border);
        QCOMPARE(o.face, face);
        // Enabled again it comes back up.
        b->setEnabled(true);
        outlineOf(*b);
        QCOMPARE(b->State(), State::Up);
    }

    void okButtonLooksAndPressedCaptionMoves()
    {
        QWidget window;
        blackWindow(&window, {200, 100});
        TFlatButton* b = CreateOkButton(&window, 10, 10);
        showActive(window);

        // At rest: a lime "OK" on black, the outline invisible.
        QImage rest = b->grab().toImage();
        QCOMPARE(rest.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(rest.pixelColor(96, 24), QColor(Qt::black));
        const QRect caption = boxOf(rest, kLime);
        QVERIFY(caption.isValid());
        // Centred in the 97 x 25 face.
        QVERIFY(qAbs(caption.left() - (96 - caption.right())) <= 2);
        QVERIFY(qAbs(caption.top() - (24 - caption.bottom())) <= 3);

        // Hot: a lime outline.
        hover(b, QPoint(48, 12));
        QTRY_VERIFY(b->MouseInControl());
        QImage hot = b->grab().toImage();
        QCOMPARE(hot.pixelColor(0, 0), kLime);
        QCOMPARE(hot.pixelColor(96, 24), kLime);
        QCOMPARE(boxOf(hot, kLime), caption);

        // Held down: the outline stays lime, the caption moves one pixel right and down.
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(48, 12));
        QImage pressed = b->grab().toImage();
        QCOMPARE(pressed.pixelColor(0, 12), kLime);
        QCOMPARE(pressed.pixelColor(96, 12), kLime);
        QCOMPARE(boxOf(pressed, kLime), caption.translated(1, 1));
        QCOMPARE(b->TextBounds().topLeft(), QPoint(1, 1) + QPoint((97 - b->TextBounds().width() + 1) / 2,
                                                                  (25 - b->TextBounds().height() + 1) / 2));
        QSignalSpy clicks(b, &TFlatButton::clicked);
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(48, 12));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(boxOf(b->grab().toImage(), kLime).intersected(QRect(2, 2, 93, 21)), caption);
    }

    void aSystemColourIsKeptAndFollowsThePalette()
    {
        const QPalette saved = QApplication::palette();
        QWidget window;
        blackWindow(&window, {200, 100});
        TFlatButton* b = new TFlatButton(&window);
        b->resize(97, 25);
        b->SetCaption(QStringLiteral("HI"));
        QVERIFY(b->FontColor() == clWindowText);
        for (const QColor text : {QColor(Qt::red), QColor(Qt::blue)}) {
            QPalette pal = saved;
            pal.setColor(QPalette::Text, text);
            QApplication::setPalette(pal);
            QVERIFY(b->FontColor() == clWindowText);
            QVERIFY(boxOf(b->grab().toImage(), text).isValid());
        }
        QApplication::setPalette(saved);
    }

    void disabledCaptionIsEmbossed()
    {
        // The system's button highlight and shadow, made easy to tell apart.
        const QPalette saved = QApplication::palette();
        QPalette pal = saved;
        pal.setColor(QPalette::Light, Qt::red);
        pal.setColor(QPalette::Dark, Qt::blue);
        QApplication::setPalette(pal);
        QCOMPARE(ToQColor(clBtnHighlight), QColor(Qt::red));
        QCOMPARE(ToQColor(clBtnShadow), QColor(Qt::blue));
        {
            QWidget window;
            blackWindow(&window, {200, 100});
            TFlatButton* b = CreateOkButton(&window, 10, 10);
            b->SetCaption(QStringLiteral("HI"));
            b->setEnabled(false);
            const QImage img = b->grab().toImage();
            const QRect s = boxOf(img, Qt::blue);
            QVERIFY(s.isValid());
            QVERIFY(boxOf(img, kLime).isNull());
            // The highlight copy lies one pixel right and down, under the shadow one.
            QCOMPARE(boxOf(img, Qt::red).bottomRight(), s.bottomRight() + QPoint(1, 1));
            QCOMPARE(img.pixelColor(0, 0), QColor(Qt::black)); // the border colour
        }
        QApplication::setPalette(saved);
    }

    void dragOffAndBackAndTheReleaseEdges()
    {
        QWidget window;
        window.resize(200, 100);
        auto* b = new TFlatButton(&window);
        b->setGeometry(10, 10, 40, 20);
        QSignalSpy clicks(b, &TFlatButton::clicked);
        window.show();

        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(b->Dragging());
        QCOMPARE(b->State(), State::Pressed);
        QTest::mouseMove(b, QPoint(40, 5)); // x = width is off
        QCOMPARE(b->State(), State::Up);
        QTest::mouseMove(b, QPoint(39, 20)); // y = height is still on
        QCOMPARE(b->State(), State::Pressed);
        QTest::mouseMove(b, QPoint(5, 21));
        QCOMPARE(b->State(), State::Up);
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 21));
        QCOMPARE(clicks.count(), 0);
        QVERIFY(!b->Dragging());

        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(10, 20)); // the bottom edge row counts
        QCOMPARE(clicks.count(), 1);
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(40, 10)); // x = width does not
        QCOMPARE(clicks.count(), 1);
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(-1, 10));
        QCOMPARE(clicks.count(), 1);
        // A release without a press on the button does nothing.
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 1);
        // The right button neither presses nor clicks.
        QTest::mousePress(b, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(b->State(), State::Up);
        QTest::mouseRelease(b, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 1);
    }

    void groups()
    {
        QWidget window;
        window.resize(300, 100);
        TFlatButton* buttons[3];
        for (int i = 0; i < 3; ++i) {
            buttons[i] = new TFlatButton(&window);
            buttons[i]->setGeometry(10 + 40 * i, 10, 30, 20);
            buttons[i]->SetGroupIndex(1);
        }
        auto* outsider = new TFlatButton(&window);
        outsider->setGeometry(200, 10, 30, 20);
        outsider->SetGroupIndex(2);
        outsider->SetDown(true);
        window.show();
        const auto click = [](TFlatButton* b) {
            QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
        };

        click(buttons[0]);
        QVERIFY(buttons[0]->Down());
        QCOMPARE(buttons[0]->State(), State::Latched);
        click(buttons[0]); // AllowAllUp false: the down button stays down
        QVERIFY(buttons[0]->Down());
        click(buttons[1]);
        QVERIFY(buttons[1]->Down());
        QVERIFY(!buttons[0]->Down());
        QCOMPARE(buttons[0]->State(), State::Up);
        QVERIFY(outsider->Down()); // another group is not touched

        // AllowAllUp is shared by the group; then the last down button may go up.
        buttons[2]->SetAllowAllUp(true);
        QVERIFY(buttons[0]->AllowAllUp());
        QVERIFY(buttons[1]->AllowAllUp());
        QVERIFY(!outsider->AllowAllUp());
        click(buttons[1]);
        QVERIFY(!buttons[1]->Down());

        // Without a group a button cannot be down.
        TFlatButton loner(&window);
        loner.SetDown(true);
        QVERIFY(!loner.Down());

        // A double click on a down button is reported; on an up one it is not.
        QSignalSpy dbl(buttons[2], &TFlatButton::dblClicked);
        click(buttons[2]);
        QTest::mouseDClick(buttons[2], Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(dbl.count(), 1);
        QSignalSpy dblUp(buttons[0], &TFlatButton::dblClicked);
        QTest::mouseDClick(buttons[0], Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(dblUp.count(), 0);
    }

    void glyphCellsAndCounts()
    {
        TFlatButton b(nullptr);
        b.SetNumGlyphs(2);
        b.SetGlyph(QImage(40, 16, QImage::Format_RGB32)); // not a whole multiple: unchanged
        QCOMPARE(b.NumGlyphs(), 2);
        b.SetGlyph(QImage(64, 16, QImage::Format_RGB32));
        QCOMPARE(b.NumGlyphs(), 4);
        b.SetGlyph(QImage(80, 16, QImage::Format_RGB32)); // five cells are too many
        QCOMPARE(b.NumGlyphs(), 1);
        b.SetMargin(-2);
        QCOMPARE(b.Margin(), -1);
        b.SetMargin(3);
        QCOMPARE(b.Margin(), 3);
    }

    void glyphCellPerStateWithItsTransparentColour()
    {
        QWidget window;
        window.resize(100, 100);
        auto* b = new TFlatButton(&window);
        b->setGeometry(0, 0, 40, 40);
        b->SetColor(Qt::black);
        // Two cells of 16 x 16 on white (the bottom-left pixel): red, then green.
        QImage glyph(32, 16, QImage::Format_RGB32);
        glyph.fill(Qt::white);
        for (int y = 4; y < 12; ++y)
            for (int x = 4; x < 12; ++x) {
                glyph.setPixelColor(x, y, Qt::red);
                glyph.setPixelColor(16 + x, y, Qt::green);
            }
        b->SetGlyph(glyph);
        QCOMPARE(b->NumGlyphs(), 2);
        window.show();

        QImage img = b->grab().toImage();
        const QPoint g = b->GlyphPos();
        QCOMPARE(g, QPoint((40 - 16 + 1) / 2, (40 - 16 + 1) / 2)); // no caption: centred
        QCOMPARE(img.pixelColor(g + QPoint(8, 8)), QColor(Qt::red));
        QCOMPARE(img.pixelColor(g + QPoint(1, 1)), QColor(Qt::black)); // white left out
        b->setEnabled(false);
        img = b->grab().toImage();
        QCOMPARE(img.pixelColor(b->GlyphPos() + QPoint(8, 8)), QColor(Qt::green));
        // Pressed uses the first cell of two, one pixel further right and down.
        b->setEnabled(true);
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(2, 2));
        img = b->grab().toImage();
        QCOMPARE(b->GlyphPos(), g + QPoint(1, 1));
        QCOMPARE(img.pixelColor(g + QPoint(9, 9)), QColor(Qt::red));
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(2, 2));
    }

    void accelerator()
    {
        QWidget window;
        window.resize(200, 100);
        auto* b = new TFlatButton(&window);
        b->SetCaption(QStringLiteral("Search by &name"));
        QSignalSpy clicks(b, &TFlatButton::clicked);
        showActive(window);
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
        b->setEnabled(false);
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
    }

    // The character alone clicks too, unless a text field has the focus;
    // a disabled button lets the key go on to the focused control.
    void acceleratorAloneAndPassedOn()
    {
        QWidget window;
        window.resize(200, 120);
        auto* b = new TFlatButton(&window);
        b->SetCaption(QStringLiteral("Search by &name"));
        auto* list = new QListWidget(&window);
        list->setGeometry(0, 30, 100, 40);
        auto* edit = new QLineEdit(&window);
        edit->setGeometry(0, 80, 100, 20);
        QSignalSpy clicks(b, &TFlatButton::clicked);
        showActive(window);

        list->setFocus();
        QTest::keyClick(list, Qt::Key_N);
        QCOMPARE(clicks.count(), 1);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_N);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(edit->text(), QStringLiteral("n"));
        QTest::keyClick(edit, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(clicks.count(), 2);

        b->setEnabled(false);
        int keysSeen = 0;
        KeyCounter counter(&keysSeen);
        list->installEventFilter(&counter);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_N);
        QTest::keyClick(list, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(keysSeen, 2);
    }

    void modalResult()
    {
        QDialog dialog;
        dialog.resize(200, 100);
        auto* b = new TFlatButton(&dialog);
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        b->Click(); // ModalResult 0: the window stays open
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
        b->SetModalResult(QDialog::Accepted);
        QSignalSpy clicks(b, &TFlatButton::clicked);
        b->Click();
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void hoverMovesFromButtonToButton()
    {
        QWidget window;
        window.resize(300, 100);
        auto* a = new TFlatButton(&window);
        a->setGeometry(10, 10, 50, 25);
        auto* b = new TFlatButton(&window);
        b->setGeometry(60, 10, 50, 25); // right beside a
        QStringList events;
        connect(a, &TFlatButton::hotChanged, this, [&events](bool hot) { events << (hot ? "a+" : "a-"); });
        connect(b, &TFlatButton::hotChanged, this, [&events](bool hot) { events << (hot ? "b+" : "b-"); });
        showActive(window);

        hover(&window, QPoint(30, 20));
        QCOMPARE(events, QStringList{"a+"});
        QCOMPARE(TFlatButton::TrackedButton(), a);
        QVERIFY(TFlatButton::TrackTimerRunning());
        hover(&window, QPoint(70, 20));
        QCOMPARE(events, (QStringList{"a+", "a-", "b+"}));
        QVERIFY(!a->MouseInControl());
        QVERIFY(b->MouseInControl());
        QCOMPARE(TFlatButton::TrackedButton(), b);

        // Off every button: the shared timer notices within its 100 ms and then stops.
        hover(&window, QPoint(200, 80));
        QTRY_COMPARE(events, (QStringList{"a+", "a-", "b+", "b-"}));
        QVERIFY(!TFlatButton::TrackTimerRunning());
        QCOMPARE(TFlatButton::TrackedButton(), nullptr);

        // Disabled buttons are not made hot.
        a->setEnabled(false);
        hover(&window, QPoint(30, 20));
        QTest::qWait(150);
        QVERIFY(!a->MouseInControl());
        QCOMPARE(events.size(), 4);
    }

    void noActiveWindowNoHover()
    {
        QWidget window;
        window.resize(200, 100);
        auto* a = new TFlatButton(&window);
        a->setGeometry(10, 10, 50, 25);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Another window, not one of ours, in front.
        QWindow other;
        other.setGeometry(400, 400, 50, 50);
        other.show();
        other.requestActivate();
        QTRY_COMPARE(QGuiApplication::focusWindow(), &other);
        QCOMPARE(QApplication::activeWindow(), nullptr);

        hover(&window, QPoint(30, 20));
        QVERIFY(!a->MouseInControl());
        QCOMPARE(TFlatButton::TrackedButton(), nullptr);
        QVERIFY(!TFlatButton::TrackTimerRunning());
        QCOMPARE(a->State(), State::Up);
    }

    void theSharedTimerLivesWithTheButtons()
    {
        QCOMPARE(TFlatButton::ButtonCount(), 0);
        QVERIFY(!TFlatButton::TrackTimerExists());
        auto first = std::make_unique<TFlatButton>(nullptr);
        auto second = std::make_unique<TFlatButton>(nullptr);
        QCOMPARE(TFlatButton::ButtonCount(), 2);
        QVERIFY(TFlatButton::TrackTimerExists());
        first.reset();
        QVERIFY(TFlatButton::TrackTimerExists());
        second.reset();
        QCOMPARE(TFlatButton::ButtonCount(), 0);
        QVERIFY(!TFlatButton::TrackTimerExists());
        TFlatButton again(nullptr);
        QVERIFY(TFlatButton::TrackTimerExists());
    }

    void destroyingTheHotButtonStopsTracking()
    {
        QWidget window;
        window.resize(200, 100);
        auto* keep = new TFlatButton(&window);
        keep->setGeometry(120, 10, 50, 25);
        auto* a = new TFlatButton(&window);
        a->setGeometry(10, 10, 50, 25);
        showActive(window);
        hover(&window, QPoint(100, 80));
        hover(&window, QPoint(31, 21));
        QCOMPARE(TFlatButton::TrackedButton(), a);
        delete a;
        QCOMPARE(TFlatButton::TrackedButton(), nullptr);
        QVERIFY(!TFlatButton::TrackTimerRunning());
        QTest::qWait(150); // a tick after the button went must not reach it
    }

    void advancedColours()
    {
        QWidget window;
        QPalette pal = window.palette();
        pal.setColor(QPalette::Window, QColor(128, 128, 128));
        window.setPalette(pal);
        TFlatButton b(&window);
        b.SetColor(Qt::red);
        b.SetUseAdvColors(true);
        // The derivation works from the parent's colour, which it takes again.
        QVERIFY(b.ParentColor());
        QCOMPARE(b.Color(), QColor(128, 128, 128));
        QCOMPARE(b.ColorFocused(), QColor(106, 106, 106));
        QCOMPARE(b.ColorBorder(), QColor(85, 85, 85));
        b.SetAdvColorDown(0); // percent 0 keeps the colour as it is
        const TColor downBefore = b.ColorDown();
        b.SetAdvColorDown(0);
        QCOMPARE(b.ColorDown(), downBefore);
        b.SetAdvColorBorder(250); // clamped to 100: 130 - 100 = 30
        QCOMPARE(b.AdvColorBorder(), 100);
    }

    // The layout the button paints by.
    void layoutCentresACaptionWithoutGlyph()
    {
        const QFont font = SansSerif(11);
        const QRect client(0, 0, 97, 25);
        const GlyphTextLayout l = LayoutGlyphAndText(font, client, 0, QStringLiteral("OK"), blGlyphTop, -1, 4, {}, 1);
        const QSize t = textSize(font, QStringLiteral("OK"));
        QCOMPARE(l.TextBounds.size(), t);
        QCOMPARE(l.TextBounds.topLeft(), QPoint((97 - t.width() + 1) / 2, (25 - t.height() + 1) / 2));
        // The press offset moves both on both axes; a client origin moves them too.
        const GlyphTextLayout pressed =
            LayoutGlyphAndText(font, client.translated(5, 7), 1, QStringLiteral("OK"), blGlyphTop, -1, 4, {}, 1);
        QCOMPARE(pressed.TextBounds, l.TextBounds.translated(6, 8));
        QCOMPARE(pressed.GlyphPos, l.GlyphPos + QPoint(6, 8));
        // The accelerator's "&" takes no room.
        const GlyphTextLayout amp = LayoutGlyphAndText(font, client, 0, QStringLiteral("&OK"), blGlyphTop, -1, 4, {}, 1);
        QCOMPARE(amp.TextBounds, l.TextBounds);
    }

    void layoutWithoutCaptionCollapsesTheText()
    {
        const QImage glyph(16, 10, QImage::Format_RGB32);
        const GlyphTextLayout l = LayoutGlyphAndText(SansSerif(11), QRect(0, 0, 40, 30), 0, {}, blGlyphTop, -1, 4, glyph, 1);
        QCOMPARE(l.TextBounds.size(), QSize(0, 0));
        // Spacing drops to 0: margin = (30 - 10 + 1) div 2; the text point follows the glyph.
        QCOMPARE(l.GlyphPos, QPoint(12, 10));
        QCOMPARE(l.TextBounds.topLeft(), QPoint(20, 20));
    }

    void layoutAutomaticMarginAndSpacingSplitTheRest()
    {
        const QFont font = SansSerif(11);
        const QString caption = QStringLiteral("Play");
        const int tw = textSize(font, caption).width();
        const int th = textSize(font, caption).height();
        const QImage glyph(64, 16, QImage::Format_RGB32); // four cells of 16
        const GlyphTextLayout l =
            LayoutGlyphAndText(font, QRect(0, 0, 100, 30), 0, caption, blGlyphLeft, -1, -1, glyph, 4);
        const int margin = (100 - (16 + tw)) / 3;
        QCOMPARE(l.GlyphPos, QPoint(margin, (30 - 16 + 1) / 2));
        QCOMPARE(l.TextBounds.left(), margin + 16 + margin);
        QCOMPARE(l.TextBounds.top(), (30 - th + 1) / 2);

        // Right: the glyph at the margin from the right edge, the text before it.
        const GlyphTextLayout r =
            LayoutGlyphAndText(font, QRect(0, 0, 100, 30), 0, caption, blGlyphRight, 2, 3, glyph, 4);
        QCOMPARE(r.GlyphPos.x(), 100 - 2 - 16);
        QCOMPARE(r.TextBounds.left(), 100 - 2 - 16 - 3 - tw);

        // Bottom with a given margin and automatic spacing.
        const GlyphTextLayout b =
            LayoutGlyphAndText(font, QRect(0, 0, 60, 60), 0, caption, blGlyphBottom, 4, -1, glyph, 4);
        const int spacing = (60 - (4 + 16) - th) / 2;
        QCOMPARE(b.GlyphPos, QPoint((60 - 16 + 1) / 2, 60 - 4 - 16));
        QCOMPARE(b.TextBounds.top(), 60 - 4 - 16 - spacing - th);
        QCOMPARE(b.TextBounds.left(), (60 - tw + 1) / 2);

        // Margin automatic, spacing given: the pair is centred.
        const GlyphTextLayout c =
            LayoutGlyphAndText(font, QRect(0, 0, 100, 30), 0, caption, blGlyphLeft, -1, 4, glyph, 4);
        QCOMPARE(c.GlyphPos.x(), (100 - (16 + 4 + tw) + 1) / 2);
        QCOMPARE(c.TextBounds.left(), c.GlyphPos.x() + 16 + 4);
    }
};

QTEST_MAIN(FlatButtonTest)
#include "FlatButtonTest.moc"
