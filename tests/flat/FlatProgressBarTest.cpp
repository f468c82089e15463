// SPDX-License-Identifier: GPL-3.0-or-later
// The flat progress bar offscreen: the smooth bar's edges at 0, 50 and 100
// per cent on the program's 375 x 16 bar, the stepped bar's block counts and
// length snapping, the vertical bar, the synchronous repaint of Position, and
// bars too long for whole per-cent blocks.
#include "flat/TFlatProgressBarUnit.h"
#include "shell/ProgramLook.h"

#include "WindowTesting.h"

#include <QTest>

using namespace fretlore;
using namespace windowtest;

namespace {


// Lit pixels along the middle row inside the outline.
int litAlongRow(const QImage& img, int y, const QColor& c)
{
    int n = 0;
    for (int x = 1; x < img.width() - 1; ++x)
        if (img.pixelColor(x, y) == c)
            ++n;
    return n;
}

} // namespace

class FlatProgressBarTest : public QObject {
    Q_OBJECT
private slots:
    void defaults()
    {
        QWidget window;
        setWindowColour(window, QColor(1, 2, 3));
        TFlatProgressBar bar(&window);
        QCOMPARE(bar.size(), QSize(147, 16));
        QCOMPARE(bar.Color(), QColor(1, 2, 3));
        QCOMPARE(bar.ColorElement(), QColor(51, 102, 153));
        QCOMPARE(bar.ColorBorder(), QColor(160, 150, 131));
        QCOMPARE(bar.Orientation(), pbHorizontal);
        QVERIFY(!bar.Smooth());
        QCOMPARE(bar.Position(), 0);
        QCOMPARE(bar.Min(), 0);
        QCOMPARE(bar.Max(), 100);
        QCOMPARE(bar.Step(), 10);
        QCOMPARE(bar.AdvColorBorder(), 50);
    }

    void smoothBarEdges_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("lastLit"); // -1: nothing lit
        QTest::newRow("0") << 0 << -1;
        QTest::newRow("1") << 1 << 2;     // (375 - 2) * 1 div 100 = 3: x 2 only
        QTest::newRow("50") << 50 << 185; // right edge 186, exclusive
        QTest::newRow("100") << 100 << 372;
        QTest::newRow("negative") << -5 << -1;
    }

    void smoothBarEdges()
    {
        QFETCH(int, position);
        QFETCH(int, lastLit);
        QWidget window;
        setWindowColour(window, kBlack);
        TFlatProgressBar* bar = CreateSearchProgressBar(&window, 0, 0);
        bar->SetPosition(position);
        const QImage img = bar->grab().toImage();
        // The outline, then a black ring, around the bar.
        QCOMPARE(img.pixelColor(0, 8), kLime);
        QCOMPARE(img.pixelColor(374, 8), kLime);
        QCOMPARE(img.pixelColor(100, 0), kLime);
        QCOMPARE(img.pixelColor(100, 15), kLime);
        QCOMPARE(img.pixelColor(1, 8), kBlack);
        QCOMPARE(img.pixelColor(373, 8), kBlack);
        if (lastLit < 0) {
            QCOMPARE(img.pixelColor(2, 8), kBlack);
            return;
        }
        QCOMPARE(img.pixelColor(2, 8), kLime);
        QCOMPARE(img.pixelColor(lastLit, 8), kLime);
        QCOMPARE(img.pixelColor(lastLit + 1, 8), kBlack);
        QCOMPARE(litAlongRow(img, 8, kLime), lastLit - 1); // x 2 to lastLit
        // y 2 to 13.
        QCOMPARE(img.pixelColor(2, 1), kBlack);
        QCOMPARE(img.pixelColor(2, 2), kLime);
        QCOMPARE(img.pixelColor(2, 13), kLime);
        QCOMPARE(img.pixelColor(2, 14), kBlack);
    }

    void smoothBarPastHundredCoversTheFarOutline()
    {
        QWidget window;
        setWindowColour(window, kBlack);
        TFlatProgressBar* bar = CreateSearchProgressBar(&window, 0, 0);
        bar->SetColorBorder(Qt::red);
        bar->SetPosition(200);
        const QImage img = bar->grab().toImage();
        QCOMPARE(img.pixelColor(374, 8), kLime);
        QCOMPARE(img.pixelColor(0, 8), QColor(Qt::red));
    }

    void steppedBlocks_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("blocks");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("3 of 6 per block rounds to even 0") << 3 << 0;
        QTest::newRow("15 of 6 per block rounds to even 2") << 15 << 2;
        QTest::newRow("50") << 50 << 8;
        QTest::newRow("100 is capped at 16") << 100 << 16;
        QTest::newRow("-20") << -20 << 0;
    }

    void steppedBlocks()
    {
        QFETCH(int, position);
        QFETCH(int, blocks);
        QWidget window;
        setWindowColour(window, kBlack);
        auto* bar = new TFlatProgressBar(&window);
        bar->SetColorElement(kLime);
        bar->SetPosition(position);
        QCOMPARE(bar->BlockCount(), 16);
        QCOMPARE(bar->LitBlocks(), blocks);
        const QImage img = bar->grab().toImage();
        // Block k covers x 2 + 9k to 9 + 9k, with a background column after it.
        for (int k = 0; k < 16; ++k) {
            const QColor expect = k < blocks ? kLime : kBlack;
            QCOMPARE(img.pixelColor(2 + 9 * k, 8), expect);
            QCOMPARE(img.pixelColor(9 + 9 * k, 8), expect);
            QCOMPARE(img.pixelColor(10 + 9 * k, 8), kBlack);
        }
        if (blocks > 0) {
            QCOMPARE(img.pixelColor(2, 2), kLime);
            QCOMPARE(img.pixelColor(2, 13), kLime);
            QCOMPARE(img.pixelColor(2, 14), kBlack);
        }
    }

    void steppedLengthSnaps()
    {
        QWidget window;
        auto* bar = new TFlatProgressBar(&window);
        bar->resize(150, 16);
        bar->grab(); // a bar that is not shown snaps once it hears of its size
        QCOMPARE(bar->width(), 147);
        window.show();
        bar->resize(10, 16); // a shown one at once
        QCOMPARE(bar->width(), 12);
        QCOMPARE(bar->BlockCount(), 1);
        bar->SetPosition(100);
        QCOMPARE(bar->LitBlocks(), 1);
        // A smooth bar keeps any length; turning it stepped snaps it.
        bar->SetSmooth(true);
        bar->resize(375, 16);
        QCOMPARE(bar->width(), 375);
        bar->SetSmooth(false);
        QCOMPARE(bar->width(), 372);
        QCOMPARE(bar->BlockCount(), 41);
    }

    void veryLongSteppedBarsDoNotDivideByZero()
    {
        QWidget window;
        auto* bar = new TFlatProgressBar(&window);
        window.show();
        bar->resize(1000, 16); // 110 blocks: less than one per cent each
        QCOMPARE(bar->width(), 993);
        QCOMPARE(bar->BlockCount(), 110);
        bar->SetPosition(50);
        QCOMPARE(bar->LitBlocks(), 55);
        bar->SetPosition(100);
        QCOMPARE(bar->LitBlocks(), 110);
        QVERIFY(!bar->grab().isNull());
    }

    void verticalBars()
    {
        QWidget window;
        setWindowColour(window, kBlack);
        TFlatProgressBar* bar = CreateSearchProgressBar(&window, 0, 0);
        bar->SetOrientation(pbVertical);
        QCOMPARE(bar->size(), QSize(16, 375));
        QCOMPARE(bar->pos(), QPoint(0, 0));
        bar->SetPosition(50);
        QImage img = bar->grab().toImage();
        // Top at 375 - 2 - 371 * 50 div 100 = 188, bottom 373 exclusive.
        QCOMPARE(img.pixelColor(8, 187), kBlack);
        QCOMPARE(img.pixelColor(8, 188), kLime);
        QCOMPARE(img.pixelColor(8, 372), kLime);
        QCOMPARE(img.pixelColor(8, 373), kBlack);
        QCOMPARE(img.pixelColor(2, 300), kLime);
        QCOMPARE(img.pixelColor(13, 300), kLime);
        QCOMPARE(img.pixelColor(14, 300), kBlack);

        // Stepped, the blocks climb from the bottom: 41 blocks, 2 per cent each.
        bar->SetSmooth(false);
        QCOMPARE(bar->height(), 372);
        bar->SetPosition(4);
        QCOMPARE(bar->LitBlocks(), 2);
        img = bar->grab().toImage();
        QCOMPARE(img.pixelColor(8, 372 - 3), kLime);     // first block: y 362 to 369
        QCOMPARE(img.pixelColor(8, 372 - 10), kLime);
        QCOMPARE(img.pixelColor(8, 372 - 11), kBlack);   // the gap
        QCOMPARE(img.pixelColor(8, 372 - 12), kLime);    // second block
        QCOMPARE(img.pixelColor(8, 372 - 20), kBlack);
    }

    void minAndMaxDoNotChangeTheDrawing()
    {
        QWidget window;
        setWindowColour(window, kBlack);
        TFlatProgressBar* bar = CreateSearchProgressBar(&window, 0, 0);
        bar->SetPosition(50);
        const QImage before = bar->grab().toImage();
        bar->SetMax(200);
        bar->SetMin(40);
        bar->SetStep(3);
        QCOMPARE(bar->grab().toImage(), before);
        // Values are not clamped.
        bar->SetPosition(150);
        QCOMPARE(bar->Position(), 150);
    }

    void positionRepaintsAtOnce()
    {
        QWidget window;
        setWindowColour(window, kBlack);
        window.resize(400, 40);
        TFlatProgressBar* bar = CreateSearchProgressBar(&window, 0, 0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PaintCounter counter(bar);
        bar->SetPosition(30); // no event loop between the call and the check
        QCOMPARE(counter.count, 1);
        bar->SetPosition(30); // unchanged: nothing to do
        QCOMPARE(counter.count, 1);
        bar->SetMax(99);
        QCOMPARE(counter.count, 2);
        // Colours repaint later.
        bar->SetColorElement(Qt::red);
        QCOMPARE(counter.count, 2);
    }
};

QTEST_MAIN(FlatProgressBarTest)
#include "FlatProgressBarTest.moc"
