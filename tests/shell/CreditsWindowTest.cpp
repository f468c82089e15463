// SPDX-License-Identifier: GPL-3.0-or-later
// The credits window: its text and look, the scroll to the end, the restart
// on a second close request of the main window, and the end of the program
// on any close request of its own.
#include "controls/ShapeControl.h"
#include "platform/FontSubstitutes.h"
#include "platform/MessageTimer.h"
#include "platform/SystemInfo.h"
#include "platform/TColor.h"
#include "shell/CreditsUnit.h"

#include "WindowTesting.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace fretlore;
using windowtest::kBlack;
using windowtest::kLime;
using windowtest::PaintCounter;

namespace {

const QString kRule(30, u'_');

// A credits window with a main window to hide and an exit that only counts.
struct Scene {
    QWidget mainWindow;
    TCredits credits{&mainWindow};
    QList<int> exits;

    Scene()
    {
        credits.SetExitProgram([this](int code) { exits << code; });
        mainWindow.show();
    }
};

// The first row from `y0` down that has more than `count` bright green pixels in the text's width.
int firstRowLitOver(const QImage& shot, int y0, int count)
{
    for (int y = y0; y < shot.height(); ++y) {
        int lit = 0;
        for (int x = 3; x < 454; ++x)
            lit += shot.pixelColor(x, y).green() > 128 ? 1 : 0;
        if (lit > count)
            return y;
    }
    return -1;
}

} // namespace

class CreditsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        InstallFontSubstitutes();
        processPriority_ = ProcessPriority();
        threadPriority_ = ThreadPriority();
    }

    // The scroll raises the priorities for good; the next test starts as the first did.
    void cleanup()
    {
        SetProcessPriority(processPriority_);
        SetThreadPriority(threadPriority_);
    }

    void theTextsFixedLines_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        const QString none;
        const QList<QPair<int, QString>> fixed{
            {1, none},  {2, none},  {3, kRule}, {4, none},  {5, "C R E D I T S"}, {6, kRule},
            {7, none},  {10, none}, {11, "Kestrune softworks (R)"}, {12, "Fretlore PRO 4.5"},
            {13, none}, {16, none}, {17, "MAIN PROGRAMMING"}, {18, none}, {19, "Dravec Kestrune"},
            {20, none}, {21, none}, {22, "GRAPHICS PROGRAMMING AND DESIGN"}, {23, none},
            {24, "Dravec Kestrune"}, {25, none}, {26, none}, {27, "CHORDS TRANSCRIPTION"}, {28, none},
            {29, "Dravec Kestrune"}, {30, none}, {31, none}, {32, "BETA TESTING"}, {33, none},
            {34, "Guess Who..."}, {35, none}, {36, kRule}, {37, none}, {38, none}, {39, "THANKS TO"},
            {40, none}, {48, "The inventor of the internet ( God bless you son )"}, {50, "The inventor of MP3"},
            {55, "My computer ( for handling all this tortures )"}, {56, "God"},
            {57, "Anyone who is not listed and should be..."}, {58, none}, {59, none},
            {60, "SPECIAL THANKS TO"}, {61, none}, {62, "My father for giving me the first guitar lessons"},
            {64, none}, {65, kRule}, {66, none}, {67, none}, {74, none}, {75, kRule}, {76, none},
            {77, "Program is tested on Celeron 300A, Soltek SL-67B, 64MB RAM, 4,3 GB hard disk, "},
            {78, "ASUS V3000 TV VGA card, ESS 1869 FM audio card and Windows 98 S.E"},
            {79, "For any comment, suggestion or bug report please contact author"}, {80, none},
            {81, "______________________________,"},
        };
        for (const auto& [line, text] : fixed)
            QTest::addRow("line %d", line) << line << text;
    }
    void theTextsFixedLines()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QCOMPARE(CreditsLines().size(), 81);
        QCOMPARE(CreditsLines().at(line - 1), text);
    }

    void theLinesOursToWrite()
    {
        const QStringList& lines = CreditsLines();
        for (int line = 41; line <= 47; ++line)
            QVERIFY2(!lines.at(line - 1).trimmed().isEmpty(), qPrintable(QString::number(line)));
        QVERIFY(lines.at(48).contains(QStringLiteral("IRC")));
        QVERIFY(lines.at(50).contains(QStringLiteral("media player")));
        QVERIFY(lines.at(51).endsWith(QStringLiteral("for being my favourite guitar player")));
        QVERIFY(lines.at(52).endsWith(QStringLiteral("for being my favourite guitar player (!?)")));
        QVERIFY(lines.at(53).endsWith(QStringLiteral("for being my favourite guitar player ( kinda weird )")));
        QVERIFY(!lines.at(62).trimmed().isEmpty());
        // The copyright block fills 68 to 73.
        QVERIFY(lines.mid(67, 6).join(u' ').contains(QStringLiteral("Copyright")));
        for (int line = 68; line <= 73; ++line)
            QVERIFY2(!lines.at(line - 1).isEmpty(), qPrintable(QString::number(line)));

        Scene scene;
        QCOMPARE(scene.credits.Memo1->toPlainText(), lines.join(u'\n'));
        QCOMPARE(scene.credits.Memo1->document()->blockCount(), 81);
    }

    void controlsAndLook()
    {
        Scene scene;
        TCredits& c = scene.credits;
        QCOMPARE(c.objectName(), QStringLiteral("Credits"));
        QCOMPARE(c.size(), QSize(457, 318));
        QVERIFY(c.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(c.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(c.isHidden());
        QCOMPARE(c.Shape1->geometry(), QRect(0, 0, 457, 318));
        QVERIFY(!c.Shape1->BrushColor().isValid());
        QCOMPARE(c.Shape1->PenColor(), kLime);
        QCOMPARE(c.Shape1->PenWidth(), 2);
        QCOMPARE(c.Memo1->geometry(), QRect(3, 0, 451, 2000));
        QCOMPARE(c.Memo2->geometry(), QRect(0, 0, 457, 3));
        QCOMPARE(c.Memo3->geometry(), QRect(0, 315, 457, 3));
        QCOMPARE(c.Split1->geometry(), QRect(8, 3, 441, 4));
        QCOMPARE(c.Split2->geometry(), QRect(8, 311, 441, 4));
        QVERIFY(!c.Memo1->isEnabled());
        QVERIFY(c.Memo1->isReadOnly());
        QCOMPARE(c.Memo1->focusPolicy(), Qt::NoFocus);
        QCOMPARE(c.Memo1->viewport()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(c.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(c.Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(c.Memo1->font().family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(c.Memo1->font().pixelSize(), 11);
        QCOMPARE(c.Timer1->Interval(), 50);
        QVERIFY(!c.Timer1->Enabled());
        // The bars and strips lie over the text, the text over the frame.
        const QObjectList& order = c.children();
        QVERIFY(order.indexOf(c.Shape1) < order.indexOf(c.Memo1));
        for (QWidget* over : {c.Memo2, c.Memo3, c.Split1, c.Split2})
            QVERIFY(order.indexOf(c.Memo1) < order.indexOf(over));
    }

    void barsStripsFrameAndCentredText()
    {
        Scene scene;
        scene.credits.ShowFromFirstLine();
        const QImage shot = scene.credits.grab().toImage();
        for (int x : {0, 100, 456}) {
            for (int y : {0, 2, 315, 317})
                QCOMPARE(shot.pixelColor(x, y), kLime);
        }
        for (int x : {8, 228, 448}) {
            for (int y : {3, 6, 311, 314})
                QCOMPARE(shot.pixelColor(x, y), kBlack);
        }
        // The frame shows only beside the text: two lime pixels at each edge.
        for (int y : {10, 150, 300}) {
            QCOMPARE(shot.pixelColor(0, y), kLime);
            QCOMPARE(shot.pixelColor(1, y), kLime);
            QCOMPARE(shot.pixelColor(455, y), kLime);
            QCOMPARE(shot.pixelColor(456, y), kLime);
            QCOMPARE(shot.pixelColor(3, y), kBlack);
            QCOMPARE(shot.pixelColor(453, y), kBlack);
        }
        // The first rule is centred in the text's width.
        const int rule = firstRowLitOver(shot, 7, 100);
        QVERIFY(rule > 7);
        int left = -1, right = -1;
        for (int x = 3; x < 454; ++x) {
            if (shot.pixelColor(x, rule).green() > 128) {
                if (left < 0)
                    left = x;
                right = x;
            }
        }
        QVERIFY2(std::abs((left + right) / 2 - (3 + 451 / 2)) <= 2, qPrintable(QStringLiteral("%1..%2").arg(left).arg(right)));
    }

    void showingHidesTheMainWindowAndStartsAtTheFirstLine()
    {
        Scene scene;
        TCredits& c = scene.credits;
        c.Memo1->move(3, -77);
        c.ShowFromFirstLine();
        QVERIFY(c.isVisible());
        QVERIFY(scene.mainWindow.isHidden());
        QVERIFY(c.Timer1->Enabled());
        QCOMPARE(c.Memo1->pos(), QPoint(3, 0));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(c.geometry().center(), screen.center());
        QVERIFY(scene.exits.isEmpty());
        // The timer moves the text by itself.
        QTRY_VERIFY_WITH_TIMEOUT(c.Memo1->y() <= -2, 1000);
    }

    void everyTickMovesTheTextUpOnePixelUnderFixedBars()
    {
        Scene scene;
        TCredits& c = scene.credits;
        c.ShowFromFirstLine();
        c.Timer1->SetEnabled(false);  // the ticks come from the test
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        // Each tick paints the text before it returns.
        PaintCounter paints(c.Memo1->viewport());
        for (int i = 0; i < 20; ++i)
            c.Timer1Timer(c.Timer1);
        QCOMPARE(paints.count, 20);
        const QImage before = c.grab().toImage();
        c.Timer1Timer(c.Timer1);
        QCOMPARE(c.Memo1->y(), -21);
        const QImage after = c.grab().toImage();
        // Between the strips the picture moved up by one row; bars, strips and frame stayed.
        for (int y = 7; y < 310; ++y)
            for (int x = 2; x < 455; x += 3)
                QCOMPARE(after.pixelColor(x, y), before.pixelColor(x, y + 1));
        for (int y : {0, 2, 315, 317})
            QCOMPARE(after.pixelColor(228, y), kLime);
        for (int y : {3, 6, 311, 314})
            QCOMPARE(after.pixelColor(228, y), kBlack);
        QVERIFY(before != after);
        // Each tick asks for the highest priority the system grants.
        QVERIFY(ThreadPriority() <= threadPriority_);
    }

    void theEndComesOnTick1301()
    {
        Scene scene;
        TCredits& c = scene.credits;
        c.ShowFromFirstLine();
        c.Timer1->SetEnabled(false);
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        QElapsedTimer clock;
        clock.start();
        for (int tick = 1; tick <= 1300; ++tick)
            c.Timer1Timer(c.Timer1);
        qInfo("1300 ticks with their repaints took %lld ms", clock.elapsed());
        QCOMPARE(c.Memo1->y(), -1300);
        QVERIFY(scene.exits.isEmpty());
        QVERIFY(c.isVisible());
        c.Timer1Timer(c.Timer1);
        QCOMPARE(c.Memo1->y(), -1301);
        QCOMPARE(scene.exits, QList<int>{0});
        QVERIFY(scene.mainWindow.isHidden());  // never shown again
    }

    void aSecondCloseRequestOfTheMainWindowStartsOver()
    {
        Scene scene;
        TCredits& c = scene.credits;
        c.ShowFromFirstLine();
        c.Timer1->SetEnabled(false);
        for (int i = 0; i < 900; ++i)
            c.Timer1Timer(c.Timer1);
        QCOMPARE(c.Memo1->y(), -900);
        c.Timer1->SetEnabled(true);

        c.ShowFromFirstLine();
        QCOMPARE(c.Memo1->pos(), QPoint(3, 0));
        QVERIFY(c.isVisible());
        QVERIFY(c.Timer1->Enabled());
        QVERIFY(scene.exits.isEmpty());
        // From there it takes the whole 1301 ticks again.
        c.Timer1->SetEnabled(false);
        for (int i = 0; i < 1300; ++i)
            c.Timer1Timer(c.Timer1);
        QVERIFY(scene.exits.isEmpty());
        c.Timer1Timer(c.Timer1);
        QCOMPARE(scene.exits, QList<int>{0});
    }

    void anyCloseRequestEndsTheProgramWithCodeZero()
    {
        Scene scene;
        TCredits& c = scene.credits;
        // Scrolling, closed by the program or the user.
        c.ShowFromFirstLine();
        QVERIFY(!c.close());
        QCOMPARE(scene.exits, QList<int>{0});
        // A close sent by the system.
        QCloseEvent systemClose;
        QCoreApplication::sendEvent(&c, &systemClose);
        QVERIFY(!systemClose.isAccepted());
        QCOMPARE(scene.exits, (QList<int>{0, 0}));
        // Hidden, before any showing, as when the session ends.
        Scene hidden;
        QCloseEvent sessionEnd;
        QCoreApplication::sendEvent(&hidden.credits, &sessionEnd);
        QCOMPARE(hidden.exits, QList<int>{0});
        QVERIFY(hidden.mainWindow.isVisible());
    }

    void byDefaultTheEventLoopEndsWithCodeZero()
    {
        QWidget mainWindow;
        TCredits credits(&mainWindow);
        credits.ShowFromFirstLine();
        bool closeReturned = false;
        QTimer::singleShot(0, &credits, [&] {
            credits.close();
            closeReturned = true;
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // only if the close did not end it
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(closeReturned);
    }

private:
    int processPriority_ = 0;
    int threadPriority_ = 0;
};

QTEST_MAIN(CreditsWindowTest)
#include "CreditsWindowTest.moc"
