// SPDX-License-Identifier: GPL-3.0-or-later
// The flat hint: the box's size for a one-word and a wrapped hint, its place
// and band side per screen quarter, the arrow's corner, its colours; and the
// application-wide machinery: pauses, moving between controls, hints of
// disabled controls, cancelling, the show-hint handler and hand-back.
#include "flat/FlatUtilitys.h"
#include "flat/TFlatHintUnit.h"
#include "flat/TFlatHintWindow.h"
#include "platform/FontSubstitutes.h"
#include "shell/ProgramLook.h"

#include "WindowTesting.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QTest>
#include <QToolTip>

#include <memory>

using namespace fretlore;
using namespace windowtest;

namespace {

const QColor kBand(255, 210, 83);
const QRect kScreen(0, 0, 1024, 768);

// A word's size as the toolkit measures one line of it.
QSize wordSize(const QString& word)
{
    return QFontMetrics(SansSerif(11)).boundingRect(QRect(0, 0, 2000, 0), Qt::TextSingleLine, word).size();
}

} // namespace

class FlatHintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void defaults()
    {
        TFlatHint hint(nullptr);
        QCOMPARE(TFlatHint::Current(), &hint);
        QCOMPARE(hint.ColorBackground(), QColor(Qt::white));
        QCOMPARE(hint.ColorBorder(), QColor(Qt::black));
        QCOMPARE(hint.ColorArrowBackground(), kBand);
        QCOMPARE(hint.ColorArrow(), QColor(Qt::black));
        QCOMPARE(hint.MaxHintWidth(), 200);
        QCOMPARE(hint.HintPause(), 500);
        QCOMPARE(hint.HintShortPause(), 25);
        QCOMPARE(hint.HintHidePause(), 5000);
    }

    void oneWordBoxIs22WiderAnd6Taller()
    {
        for (const QString& word : {QStringLiteral("Close"), QStringLiteral("Minimize"), QStringLiteral("W")})
            QCOMPARE(TFlatHintWindow::BoxSize(word, SansSerif(11), 255), wordSize(word) + QSize(22, 6));
        // "&" is shown as itself, so it takes its room.
        QCOMPARE(TFlatHintWindow::BoxSize(QStringLiteral("Rock&Roll"), SansSerif(11), 255),
                 wordSize(QStringLiteral("Rock&Roll")) + QSize(22, 6));
    }

    void longHintsWrapAtTheWidthLessTwentyTwo()
    {
        const QString fretHint = QStringLiteral(
            "Fret number on the E6 string ( X if desired chord doesn`t include this string or ? if you are not sure )");
        const QSize box = TFlatHintWindow::BoxSize(fretHint, SansSerif(11), 255);
        QVERIFY(box.width() <= 255);
        QVERIFY(box.width() > 200);
        const int lines = (box.height() - 6 + 1) / wordSize(QStringLiteral("x")).height();
        QVERIFY(lines >= 2);
        // A single word wider than 233 pixels widens the box instead.
        const QString wide(60, u'W');
        QCOMPARE(TFlatHintWindow::BoxSize(wide, SansSerif(11), 255).width(), wordSize(wide).width() + 22);
    }

    void placementPerQuarter_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<int>("placement");
        QTest::addColumn<QPoint>("topLeftFromCursor"); // in box widths/heights and pixels, see below
        QTest::newRow("top-left") << QPoint(100, 100) << 1 << QPoint(12, 12);
        QTest::newRow("top-right") << QPoint(900, 100) << 0 << QPoint(-5, 5);
        QTest::newRow("bottom-left") << QPoint(100, 700) << 3 << QPoint(5, -5);
        QTest::newRow("bottom-right") << QPoint(900, 700) << 2 << QPoint(-5, -5);
        // The quarters include their left and top edges.
        QTest::newRow("centre") << QPoint(512, 384) << 2 << QPoint(-5, -5);
        QTest::newRow("just above left of centre") << QPoint(511, 383) << 1 << QPoint(12, 12);
        QTest::newRow("on the middle column, top") << QPoint(512, 383) << 0 << QPoint(-5, 5);
        QTest::newRow("on the middle row, left") << QPoint(511, 384) << 3 << QPoint(5, -5);
    }

    void placementPerQuarter()
    {
        QFETCH(QPoint, cursor);
        QFETCH(int, placement);
        QFETCH(QPoint, topLeftFromCursor);
        QCOMPARE(TFlatHintWindow::PlacementFor(cursor, kScreen), placement);
        const QSize box(80, 19);
        const QRect r = TFlatHintWindow::BoxRect(placement, cursor, box);
        QCOMPARE(r.size(), box);
        // Boxes left of the cursor end the gap before it; boxes above it end the gap above it.
        const int dx = topLeftFromCursor.x() < 0 ? topLeftFromCursor.x() - box.width() : topLeftFromCursor.x();
        const int dy = topLeftFromCursor.y() < 0 ? topLeftFromCursor.y() - box.height() : topLeftFromCursor.y();
        QCOMPARE(r.topLeft(), cursor + QPoint(dx, dy));
    }

    void bandAndArrowPerPlacement_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<bool>("bandLeft");
        QTest::addColumn<int>("sx");
        QTest::addColumn<int>("sy");
        QTest::newRow("0") << QPoint(900, 100) << false << -1 << 1;
        QTest::newRow("1") << QPoint(100, 100) << true << 1 << 1;
        QTest::newRow("2") << QPoint(900, 700) << false << -1 << -1;
        QTest::newRow("3") << QPoint(100, 700) << true << 1 << -1;
    }

    void bandAndArrowPerPlacement()
    {
        QFETCH(QPoint, cursor);
        QFETCH(bool, bandLeft);
        QFETCH(int, sx);
        QFETCH(int, sy);
        TFlatHint hint(nullptr);
        ConfigureFlatHint(hint);
        TFlatHintWindow window;
        window.ActivateHint(QStringLiteral("Chords navigator"), &hint, cursor, kScreen);
        const QSize box = TFlatHintWindow::BoxSize(QStringLiteral("Chords navigator"), SansSerif(11), 255);
        QCOMPARE(window.size(), box);
        const QImage img = window.grab().toImage();
        const int w = img.width(), h = img.height();

        // The outline all round in lime.
        for (const QPoint p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            QCOMPARE(img.pixelColor(p), kLime);
        // The band: 14 columns on the cursor's side, the text area black beside it.
        const int bandX = bandLeft ? 1 : w - 15;
        const int midY = sy > 0 ? h - 3 : 2; // the band's end away from the arrow
        QCOMPARE(img.pixelColor(bandX, midY), kBand);
        QCOMPARE(img.pixelColor(bandX + 13, midY), kBand);
        QCOMPARE(img.pixelColor(bandLeft ? 15 : w - 16, midY), QColor(Qt::black));
        QCOMPARE(img.pixelColor(bandLeft ? w - 2 : 1, midY), QColor(Qt::black));

        // The arrow's head: a corner two pixels thick at the band corner nearest the cursor.
        const QPoint corner(bandLeft ? 3 : w - 4, sy > 0 ? 3 : h - 4);
        QCOMPARE(window.ArrowCorner(), corner);
        for (int i = 0; i <= 6; ++i) {
            QCOMPARE(img.pixelColor(corner + QPoint(sx * i, 0)), QColor(Qt::black));
            QCOMPARE(img.pixelColor(corner + QPoint(0, sy * i)), QColor(Qt::black));
            QCOMPARE(img.pixelColor(corner + QPoint(sx, sy * i)), QColor(Qt::black));
        }
        // The shaft runs diagonally away from the head; the band shows around it.
        for (const QPoint d : {QPoint(7, 6), QPoint(7, 5), QPoint(6, 7), QPoint(5, 7), QPoint(4, 4), QPoint(3, 2)})
            QCOMPARE(img.pixelColor(corner + QPoint(sx * d.x(), sy * d.y())), QColor(Qt::black));
        for (const QPoint d : {QPoint(2, 6), QPoint(7, 1), QPoint(7, 7), QPoint(8, 6), QPoint(2, 5)})
            QCOMPARE(img.pixelColor(corner + QPoint(sx * d.x(), sy * d.y())), kBand);

        // Lime text in the text area, none in the band.
        int lime = 0;
        for (int y = 2; y < h - 2; ++y)
            for (int x = 16; x < w - 16; ++x)
                if (img.pixelColor(bandLeft ? x : x - 14, y).green() > 150)
                    ++lime;
        QVERIFY(lime > 20);
    }

    void hintShowsAfterThePauseForTheControlUnderTheMouse()
    {
        QWidget window;
        window.resize(300, 200);
        auto* list = new QWidget(&window);
        list->setGeometry(10, 10, 100, 100);
        list->setToolTip(QStringLiteral("Chords navigator"));
        auto* edit = new QWidget(&window);
        edit->setGeometry(150, 10, 100, 30);
        edit->setToolTip(QStringLiteral("Name of desired font"));
        auto* disabled = new QWidget(&window);
        disabled->setGeometry(150, 100, 100, 30);
        disabled->setToolTip(QStringLiteral("Start search"));
        disabled->setEnabled(false);
        auto hint = std::make_unique<TFlatHint>(&window);
        ConfigureFlatHint(*hint);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        TFlatHintWindow* box = hint->HintWindow();

        QElapsedTimer clock;
        clock.start();
        hover(&window, QPoint(50, 50));
        QCOMPARE(hint->HintControl(), list);
        QTest::qWait(250);
        if (clock.elapsed() < 450) // unless the machine stalled past the pause
            QVERIFY(!box->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(box->isVisible(), 3000);
        QVERIFY(clock.elapsed() >= 500);
        QCOMPARE(box->Text(), QStringLiteral("Chords navigator"));
        QVERIFY(!QToolTip::isVisible()); // the toolkit's own tip never shows
        // Placed by the cursor: below right of it in the top-left quarter.
        QCOMPARE(box->HintPlacement(), 1);
        QCOMPARE(box->pos(), window.mapToGlobal(QPoint(50, 50)) + QPoint(12, 12));

        // Moving on while a hint shows: the next one comes after the short pause.
        hover(&window, QPoint(200, 25));
        QCOMPARE(hint->HintControl(), edit);
        QTRY_COMPARE_WITH_TIMEOUT(box->Text(), QStringLiteral("Name of desired font"), 450);
        QVERIFY(box->isVisible());

        // Disabled controls show their hints too.
        hover(&window, QPoint(200, 115));
        QTRY_COMPARE_WITH_TIMEOUT(box->Text(), QStringLiteral("Start search"), 450);

        // A place without a hint ends it.
        hover(&window, QPoint(280, 180));
        QVERIFY(!box->isVisible());
        QCOMPARE(hint->HintControl(), nullptr);

        // A press ends it too.
        hover(&window, QPoint(50, 50));
        QTRY_VERIFY_WITH_TIMEOUT(box->isVisible(), 3000);
        QTest::mousePress(list, Qt::LeftButton, {}, QPoint(40, 40));
        QVERIFY(!box->isVisible());
        QTest::mouseRelease(list, Qt::LeftButton, {}, QPoint(40, 40));
    }

    void hintHidesAfterTheHidePauseAndColoursApplyNextTime()
    {
        QWidget window;
        window.resize(300, 200);
        auto* target = new QWidget(&window);
        target->setGeometry(10, 10, 100, 100);
        target->setToolTip(QStringLiteral("E6 string"));
        TFlatHint hint(&window);
        hint.SetHintPause(50);
        hint.SetHintHidePause(300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        hover(&window, QPoint(40, 40));
        QTRY_VERIFY_WITH_TIMEOUT(hint.HintWindow()->isVisible(), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(!hint.HintWindow()->isVisible(), 2000);
        QCOMPARE(hint.HintControl(), target); // no new hint until another control

        hint.SetColorBackground(Qt::blue);
        hover(&window, QPoint(250, 150));
        hover(&window, QPoint(40, 40));
        QTRY_VERIFY_WITH_TIMEOUT(hint.HintWindow()->isVisible(), 2000);
        QCOMPARE(hint.HintWindow()->grab().toImage().pixelColor(hint.HintWindow()->width() - 2, 1),
                 QColor(Qt::blue));
    }

    void cancelHintRestartsTheCycleWithTheNewText()
    {
        QWidget window;
        window.resize(300, 200);
        auto* chord = new QWidget(&window);
        chord->setGeometry(10, 10, 200, 150);
        chord->setToolTip(QStringLiteral("Chords displayer"));
        TFlatHint hint(&window);
        hint.SetHintPause(100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        hover(&window, QPoint(40, 40));
        QTRY_VERIFY_WITH_TIMEOUT(hint.HintWindow()->isVisible(), 2000);

        // The tone hover: a new text and a cancel; the hint comes back after the pause, renamed.
        chord->setToolTip(QStringLiteral("C. Click to play this tone"));
        hint.CancelHint();
        QVERIFY(!hint.HintWindow()->isVisible());
        QCOMPARE(hint.HintControl(), nullptr);
        QTest::qWait(200);
        QVERIFY(!hint.HintWindow()->isVisible()); // nothing until the mouse moves
        hover(&window, QPoint(60, 40));
        QTRY_COMPARE_WITH_TIMEOUT(hint.HintWindow()->Text(), QStringLiteral("C. Click to play this tone"), 2000);
        QVERIFY(hint.HintWindow()->isVisible());
    }

    void showHintHandlerMayRewriteOrVeto()
    {
        QWidget window;
        window.resize(300, 200);
        auto* target = new QWidget(&window);
        target->setGeometry(10, 10, 100, 100);
        target->setToolTip(QStringLiteral("Close"));
        TFlatHint hint(&window);
        hint.SetHintPause(30);
        bool veto = false;
        QWidget* seen = nullptr;
        hint.SetOnShowHint([&](QString& text, bool& canShow, THintInfo& info) {
            seen = info.HintControl;
            text += QStringLiteral("!");
            canShow = !veto;
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        hover(&window, QPoint(40, 40));
        QTRY_COMPARE_WITH_TIMEOUT(hint.HintWindow()->Text(), QStringLiteral("Close!"), 2000);
        QCOMPARE(seen, target);

        veto = true;
        hover(&window, QPoint(250, 150));
        hover(&window, QPoint(40, 40));
        QTest::qWait(200);
        QVERIFY(!hint.HintWindow()->isVisible());
    }

    void theLastCreatedServesAndDestroyingHandsBack()
    {
        auto first = std::make_unique<TFlatHint>(nullptr);
        auto second = std::make_unique<TFlatHint>(nullptr);
        QCOMPARE(TFlatHint::Current(), second.get());
        second.reset();
        QCOMPARE(TFlatHint::Current(), nullptr);
        // Without a serving component the toolkit's tool-tip events pass through.
        QWidget w;
        w.setToolTip(QStringLiteral("x"));
        QHelpEvent e(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        QObject* filter = first.get();
        QVERIFY(!filter->eventFilter(&w, &e));
    }
};

QTEST_MAIN(FlatHintTest)
#include "FlatHintTest.moc"
