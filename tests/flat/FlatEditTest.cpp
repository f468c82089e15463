// SPDX-License-Identifier: GPL-3.0-or-later
// The flat edit offscreen: its three rings and background in the flat and
// the focused look, the look with the mouse over it, its colours following
// the parent, its height from the font, and native editing inside the frame.
#include "flat/FlatUtilitys.h"
#include "flat/TFlatEditUnit.h"
#include "platform/FontSubstitutes.h"
#include "shell/ProgramLook.h"

#include "WindowTesting.h"

#include <QApplication>
#include <QTest>

using namespace fretlore;
using namespace windowtest;

namespace {


// The outline, the two band rings and the field's middle, read along the top-left diagonal
// and at the middle of each edge.
struct Rings {
    QColor outline, band1, band2, inside;
    bool outlineAllRound;
};

Rings ringsOf(QWidget& w)
{
    const QImage img = w.grab().toImage();
    const int W = img.width(), H = img.height();
    const QColor outline = img.pixelColor(0, 0);
    const bool allRound = img.pixelColor(W - 1, H - 1) == outline && img.pixelColor(W / 2, 0) == outline &&
                          img.pixelColor(W / 2, H - 1) == outline && img.pixelColor(0, H / 2) == outline &&
                          img.pixelColor(W - 1, H / 2) == outline;
    return {outline, img.pixelColor(1, H / 2), img.pixelColor(W - 3, 2), img.pixelColor(W - 5, H / 2), allRound};
}

} // namespace

class FlatEditTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void defaultsFollowTheParent()
    {
        QWidget window;
        setWindowColour(window, QColor(10, 20, 30));
        TFlatEdit e(&window);
        QCOMPARE(e.width(), 121);
        QVERIFY(e.ParentColor());
        QCOMPARE(e.ColorFlat(), QColor(10, 20, 30));
        QCOMPARE(e.ColorFocused(), QColor(Qt::white));
        QCOMPARE(e.ColorBorder(), QColor(160, 150, 131));
        QCOMPARE(e.AdvColorFocused(), 10);
        QCOMPARE(e.AdvColorBorder(), 50);
        QCOMPARE(e.focusPolicy(), Qt::StrongFocus);
        // Without a parent the flat face keeps its own default.
        TFlatEdit loose(nullptr);
        QCOMPARE(loose.ColorFlat(), QColor(235, 234, 225));
        // The text's colour is the system's window text, and stays so through a change of the
        // system's colours.
        QVERIFY(e.FontColor() == clWindowText);
        const QPalette saved = QApplication::palette();
        QPalette pal = saved;
        pal.setColor(QPalette::Text, Qt::red);
        pal.setColor(QPalette::Button, Qt::darkRed);
        QApplication::setPalette(pal);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(e.palette().color(QPalette::Text), QColor(Qt::red));
        QVERIFY(e.FontColor() == clWindowText);
        QApplication::setPalette(saved);
        QCoreApplication::sendPostedEvents();
    }

    void programsFretEditLooksTheSameInEveryState()
    {
        QWidget window;
        setWindowColour(window, Qt::black);
        window.resize(200, 60);
        TFlatEdit* e = CreateFretEdit(&window, 10, 10);
        TFlatEdit* other = CreateFretEdit(&window, 60, 10);
        QCOMPARE(e->size(), QSize(33, 19));
        showActive(window);

        const auto check = [](TFlatEdit* edit) {
            const Rings r = ringsOf(*edit);
            QCOMPARE(r.outline, kLime);
            QVERIFY(r.outlineAllRound);
            QCOMPARE(r.band1, QColor(Qt::black));
            QCOMPARE(r.band2, QColor(Qt::black));
            QCOMPARE(r.inside, QColor(Qt::black));
        };
        check(e); // idle
        other->setFocus();
        hover(&window, e->geometry().center());
        QTRY_VERIFY(e->MouseOver());
        check(e); // hovered
        e->setFocus();
        QVERIFY(e->FocusedLook());
        check(e); // focused
    }

    void defaultColoursSwitchWithTheFocus()
    {
        const QColor flat(235, 234, 225);
        QWidget window;
        setWindowColour(window, flat);
        window.resize(300, 60);
        auto* e = new TFlatEdit(&window);
        e->move(10, 10);
        auto* other = new TFlatEdit(&window);
        other->move(150, 10);
        showActive(window);
        other->setFocus();
        QVERIFY(!e->FocusedLook());

        Rings r = ringsOf(*e);
        QCOMPARE(r.outline, QColor(160, 150, 131));
        QVERIFY(r.outlineAllRound);
        QCOMPARE(r.band1, flat);
        QCOMPARE(r.band2, flat);
        QCOMPARE(r.inside, flat);

        e->setFocus();
        r = ringsOf(*e);
        QCOMPARE(r.outline, QColor(160, 150, 131));
        QCOMPARE(r.band1, QColor(Qt::white));
        QCOMPARE(r.band2, QColor(Qt::white));
        QCOMPARE(r.inside, QColor(Qt::white));

        other->setFocus();
        QCOMPARE(ringsOf(*e).inside, flat);
    }

    void hoverTurnsItWhiteOnlyWhileNoOtherFlatEditHasTheFocus()
    {
        QWidget window;
        setWindowColour(window, QColor(235, 234, 225));
        window.resize(300, 100);
        auto* e = new TFlatEdit(&window);
        e->move(10, 10);
        auto* other = new TFlatEdit(&window);
        other->move(150, 10);
        auto* plain = new QWidget(&window);
        plain->setFocusPolicy(Qt::StrongFocus);
        plain->setGeometry(10, 60, 20, 20);
        showActive(window);

        other->setFocus();
        hover(&window, e->geometry().center());
        QTRY_VERIFY(e->MouseOver());
        QVERIFY(!e->FocusedLook());
        QCOMPARE(ringsOf(*e).inside, QColor(235, 234, 225));

        plain->setFocus();
        hover(&window, e->geometry().center() + QPoint(2, 0));
        QVERIFY(e->FocusedLook());
        QCOMPARE(ringsOf(*e).band2, QColor(Qt::white));

        hover(&window, QPoint(200, 80));
        QTRY_VERIFY(!e->MouseOver());
        QCOMPARE(ringsOf(*e).band2, QColor(235, 234, 225));
    }

    void heightFollowsTheFont()
    {
        QWidget window;
        auto* e = new TFlatEdit(&window);
        e->setFont(SansSerif(11)); // a text-metric height of 13
        QCOMPARE(e->height(), 19);
        e->setGeometry(0, 0, 33, 40);
        e->setFont(SansSerif(13));
        QCOMPARE(e->height(), TextMetricHeight(SansSerif(13)) + 6);
        QCOMPARE(e->width(), 33);
        // A font given to the parent reaches an edit without a font of its own and sizes it too.
        auto* plain = new TFlatEdit(&window);
        window.setFont(SansSerif(16));
        QCOMPARE(plain->height(), TextMetricHeight(SansSerif(16)) + 6);
        QCOMPARE(e->height(), TextMetricHeight(SansSerif(13)) + 6);
    }

    void parentColourAndColorFlat()
    {
        QWidget window;
        setWindowColour(window, Qt::darkBlue);
        TFlatEdit e(&window);
        QCOMPARE(e.ColorFlat(), QColor(Qt::darkBlue));
        // Following the parent's colour when it changes...
        setWindowColour(window, Qt::darkGreen);
        QCOMPARE(e.ColorFlat(), QColor(Qt::darkGreen));
        // ...until a colour of its own is set.
        e.SetColorFlat(Qt::red);
        QVERIFY(!e.ParentColor());
        setWindowColour(window, Qt::darkCyan);
        QCOMPARE(e.ColorFlat(), QColor(Qt::red));
        e.SetParentColor(true);
        QCOMPARE(e.ColorFlat(), QColor(Qt::darkCyan));
    }

    void advancedColoursDeriveFromTheFlatColour()
    {
        QWidget window;
        setWindowColour(window, QColor(128, 128, 128));
        TFlatEdit e(&window);
        e.SetColorFlat(Qt::red);
        e.SetUseAdvColors(true);
        QVERIFY(e.ParentColor());
        QCOMPARE(e.ColorFlat(), QColor(128, 128, 128));
        QCOMPARE(e.ColorFocused(), QColor(106, 106, 106)); // lightness 130 + 10, clamped at 100
        QCOMPARE(e.ColorBorder(), QColor(85, 85, 85));     // 130 - 50
        setWindowColour(window, Qt::black);
        QCOMPARE(e.ColorFlat(), QColor(Qt::black));
        QCOMPARE(e.ColorFocused(), QColor(21, 21, 21));
    }

    void nativeEditingInsideTheFrame()
    {
        QWidget window;
        setWindowColour(window, Qt::black);
        window.resize(100, 60);
        TFlatEdit* e = CreateFretEdit(&window, 10, 10);
        showActive(window);
        e->setFocus();
        QTest::keyClicks(e, QStringLiteral("123"));
        QCOMPARE(e->text(), QStringLiteral("12")); // MaxLength 2
        // The text shows inside the band, in the font's colour.
        const QImage img = e->grab().toImage();
        int lime = 0;
        for (int y = 3; y < img.height() - 3; ++y)
            for (int x = 3; x < img.width() - 3; ++x)
                if (img.pixelColor(x, y).green() > 128)
                    ++lime;
        QVERIFY(lime > 5);
        QCOMPARE(e->contentsRect(), QRect(3, 3, 27, 13));
    }

    // Entering by Tab or by a click selects the text, so typing replaces a full box.
    void enteringSelectsTheText()
    {
        QWidget window;
        window.resize(120, 60);
        TFlatEdit* a = CreateFretEdit(&window, 10, 10);
        TFlatEdit* b = CreateFretEdit(&window, 60, 10);
        showActive(window);
        b->setText(QStringLiteral("5 "));
        a->setFocus();
        QTest::keyClick(a, Qt::Key_Tab);
        QVERIFY(b->hasFocus());
        QTest::keyClicks(b, QStringLiteral("7"));
        QCOMPARE(b->text(), QStringLiteral("7"));

        b->setText(QStringLiteral("5 "));
        a->setFocus();
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, 9));
        QVERIFY(b->hasFocus());
        QCOMPARE(b->selectedText(), QStringLiteral("5 "));
        QTest::keyClicks(b, QStringLiteral("12"));
        QCOMPARE(b->text(), QStringLiteral("12"));
        // A second click inside the focused box only places the cursor.
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, 9));
        QVERIFY(!b->hasSelectedText());
    }

    // MaxLength counts the characters the user sees: a two-part emoji is one
    // and is never cut in half.
    void maxLengthNeverSplitsACharacter()
    {
        QWidget window;
        TFlatEdit* e = CreateFretEdit(&window, 10, 10);
        const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");  // two code units
        e->insert(QStringLiteral("1"));
        e->insert(smile);
        QCOMPARE(e->text(), QStringLiteral("1") + smile);
        e->insert(QStringLiteral("x"));
        QCOMPARE(e->text(), QStringLiteral("1") + smile);
        e->clear();
        e->insert(QStringLiteral("9") + smile + smile);  // cut to what fits, at a character boundary
        QCOMPARE(e->text(), QStringLiteral("9") + smile);
        e->clear();
        e->insert(QStringLiteral("7"));
        e->home(false);
        e->insert(smile);
        QCOMPARE(e->text(), smile + QStringLiteral("7"));
        e->SetMaxLength(1);
        QCOMPARE(e->text(), smile);
    }
};

QTEST_MAIN(FlatEditTest)
#include "FlatEditTest.moc"
