// SPDX-License-Identifier: GPL-3.0-or-later
// The about window: its lines and their formats, the kernel release as the
// system line reads it, the links, closing, and where it appears.
#include "controls/LabelControl.h"
#include "controls/ShapeControl.h"
#include "flat/TFlatButtonUnit.h"
#include "flat/TFlatSoundUnit.h"
#include "media/AudioOutput.h"
#include "platform/FontSubstitutes.h"
#include "platform/MessageTimer.h"
#include "platform/SystemInfo.h"
#include "platform/TColor.h"
#include "shell/AboutUnit.h"
#include "shell/CPU.h"
#include "shell/WTime.h"

#include "ClickTiming.h"
#include "WindowTesting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>
#include <limits>

using namespace fretlore;

Q_DECLARE_METATYPE(fretlore::KernelVersion)

namespace {

constexpr std::uint64_t kHour = 3'600'000;
constexpr std::uint64_t kMinute = 60'000;
constexpr std::uint64_t kSecond = 1'000;

using windowtest::kLime;
const QColor kBlue(0, 0, 255);

void send(QWidget* target, QEvent::Type type, Qt::MouseButton button, const QPoint& at = QPoint(2, 2))
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent e(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &e);
}

void hover(QWidget* target)
{
    send(target, QEvent::MouseMove, Qt::NoButton);
}

void leftClick(QWidget* target)
{
    send(target, QEvent::MouseButtonPress, Qt::LeftButton);
    send(target, QEvent::MouseButtonRelease, Qt::LeftButton);
}

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    // The lines, from the values measured.

    void processorLineTruncates_data()
    {
        QTest::addColumn<double>("mhz");
        QTest::addColumn<QString>("line");
        QTest::newRow("299.9") << 299.9 << "Processor speed 299 MHz";
        QTest::newRow("just below a whole") << 2399.9999 << "Processor speed 2399 MHz";
        QTest::newRow("whole") << 3000.0 << "Processor speed 3000 MHz";
        QTest::newRow("below one") << 0.75 << "Processor speed 0 MHz";
        QTest::newRow("not measured") << 0.0 << "Processor speed 0 MHz";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "Processor speed 0 MHz";
    }
    void processorLineTruncates()
    {
        QFETCH(double, mhz);
        QFETCH(QString, line);
        QCOMPARE(ProcessorLine(mhz), line);
    }

    void cyclesOverHalfASecondAreMegahertz()
    {
        QCOMPARE(CyclesToMHz(149'950'000), 299.9);
        QCOMPARE(ProcessorLine(CyclesToMHz(149'950'000)), QStringLiteral("Processor speed 299 MHz"));
        QCOMPARE(CyclesToMHz(1'500'000'000), 3000.0);
        // Only the lower 32 bits count: 2^32 cycles more read as none.
        QCOMPARE(CyclesToMHz((std::uint64_t(1) << 32) + 500'000'000), 1000.0);
        QCOMPARE(CyclesToMHz(0), 0.0);
    }

    void uptimeText_data()
    {
        QTest::addColumn<quint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << quint64(0) << " 00 : 00 : 00";
        QTest::newRow("5 h 23 min 7 s") << quint64(5 * kHour + 23 * kMinute + 7 * kSecond) << " 05 : 23 : 07";
        QTest::newRow("25 h 0 min 5 s: days count as hours") << quint64(25 * kHour + 5 * kSecond) << " 25 : 00 : 05";
        QTest::newRow("26 h") << quint64(26 * kHour) << " 26 : 00 : 00";
        QTest::newRow("last second of a day") << quint64(24 * kHour - 1) << " 23 : 59 : 59";
        // Past 2^31 ms (24.9 days) and 2^32 ms (49.7 days): 30 days and 40 days plus 1 h 2 min 3 s.
        QTest::newRow("30 days") << quint64(30 * 24 * kHour + kHour + 2 * kMinute + 3 * kSecond) << " 721 : 02 : 03";
        QTest::newRow("40 days") << quint64(40 * 24 * kHour + kHour + 2 * kMinute + 3 * kSecond) << " 961 : 02 : 03";
        QTest::newRow("60 days") << quint64(60 * 24 * kHour + 13 * kHour + 59 * kMinute + 59 * kSecond + 999)
                                 << " 1453 : 59 : 59";
    }
    void uptimeText()
    {
        QFETCH(quint64, ms);
        QFETCH(QString, text);
        QCOMPARE(UptimeTextOf(ms), text);
    }

    void uptimeIsTheSystemsOwn()
    {
        // The system's uptime as it reports it itself, to the second.
        QFile file(QStringLiteral("/proc/uptime"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const double seconds = QString::fromLatin1(file.readAll()).section(u' ', 0, 0).toDouble();
        const double ours = double(TickCount64()) / 1000.0;
        QVERIFY2(std::abs(ours - seconds) < 2.0, qPrintable(QStringLiteral("%1 / %2").arg(ours).arg(seconds)));
        QVERIFY(QRegularExpression(QStringLiteral("^ \\d{2,} : \\d\\d : \\d\\d$")).match(UptimeText()).hasMatch());
    }

    void kernelRelease_data()
    {
        QTest::addColumn<QString>("release");
        QTest::addColumn<KernelVersion>("version");
        QTest::newRow("distribution") << "6.1.0-18-amd64" << KernelVersion{6, 1, 0, "-18-amd64"};
        QTest::newRow("plain") << "6.18.44" << KernelVersion{6, 18, 44, ""};
        QTest::newRow("suffix") << "6.18.44-fc-v1272" << KernelVersion{6, 18, 44, "-fc-v1272"};
        QTest::newRow("fourth number") << "5.15.90.1-microsoft-standard-WSL2"
                                       << KernelVersion{5, 15, 90, ".1-microsoft-standard-WSL2"};
        QTest::newRow("no patch") << "6.8-rc3" << KernelVersion{6, 8, 0, "-rc3"};
        QTest::newRow("dot without number") << "6.x" << KernelVersion{6, 0, 0, ".x"};
        QTest::newRow("no numbers") << "custom" << KernelVersion{0, 0, 0, "custom"};
        QTest::newRow("empty") << "" << KernelVersion{0, 0, 0, ""};
        QTest::newRow("too large") << "99999999999.1.2" << KernelVersion{4294967295u, 1, 2, ""};
    }
    void kernelRelease()
    {
        QFETCH(QString, release);
        QFETCH(KernelVersion, version);
        const KernelVersion read = ParseKernelRelease(release);
        QCOMPARE(read.Major, version.Major);
        QCOMPARE(read.Minor, version.Minor);
        QCOMPARE(read.Patch, version.Patch);
        QCOMPARE(read.Rest, version.Rest);
    }

    void systemLineNamesThisSystem()
    {
        const KernelVersion v{6, 1, 0, "-18-amd64"};
        // "is up" is followed by two spaces: the uptime text starts with one.
        QCOMPARE(SystemLine(v, UptimeTextOf(5 * kHour + 23 * kMinute + 7 * kSecond)),
                 QStringLiteral("Linux version 6.1 build 0 -18-amd64 is up  05 : 23 : 07"));
        QCOMPARE(SystemLine(KernelVersion{6, 18, 44, ""}, UptimeTextOf(25 * kHour + 5 * kSecond)),
                 QStringLiteral("Linux version 6.18 build 44  is up  25 : 00 : 05"));
    }

    void logonAndResolutionLines()
    {
        QCOMPARE(LogonLine("fretbox", "fretbox"), QStringLiteral("Logged on fretbox as fretbox"));
        QCOMPARE(ResolutionLine(QSize(1024, 768)), QStringLiteral("Screen resolution 1024*768"));
    }

    void processPriorityReachesEveryThread()
    {
        // Lowering is granted to anyone; every thread of the process follows.
        const int before = ProcessPriority();
        if (before >= 19)
            QSKIP("already at the lowest priority");
        std::atomic<int> workerNice{-100};
        std::atomic<bool> set{false};
        std::thread worker([&] {
            while (!set.load())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            workerNice = ThreadPriority();
        });
        SetProcessPriority(before + 1);
        set = true;
        worker.join();
        QCOMPARE(workerNice.load(), before + 1);
        QCOMPARE(ThreadPriority(), before + 1);
        SetProcessPriority(before);  // as far as granted
    }

    // The window.

    void creationFillsTheLinesOnce()
    {
        const int processPriority = ProcessPriority();
        const int threadPriority = ThreadPriority();
        QElapsedTimer clock;
        clock.start();
        TAbout about;
        const qint64 took = clock.elapsed();
        // The clock is measured over 500 ms at creation.
        QVERIFY2(took >= 505 && took < 1500, qPrintable(QString::number(took)));
        // The priorities are back where they were.
        QCOMPARE(ThreadPriority(), threadPriority);
        QCOMPARE(ProcessPriority(), processPriority);

        // The computer's name, then the account's (as the system's own tool names it).
        const QString host = ComputerName();
        QVERIFY(!host.isEmpty());
        QProcess id;
        id.start(QStringLiteral("id"), {QStringLiteral("-un")});
        QVERIFY(id.waitForFinished());
        const QString user = QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed();
        QVERIFY(!user.isEmpty());
        QCOMPARE(UserName(), user);
        QCOMPARE(about.Label10->Caption(), LogonLine(host, user));
        const QRegularExpression processor(QStringLiteral("^Processor speed (\\d+) MHz$"));
        const auto m = processor.match(about.Label12->Caption());
        QVERIFY2(m.hasMatch(), qPrintable(about.Label12->Caption()));
#if defined(__x86_64__) || defined(__i386__)
        // A plausible clock for any processor this runs on.
        QVERIFY2(m.captured(1).toInt() > 100 && m.captured(1).toInt() < 8600, qPrintable(m.captured(1)));
#endif
        // The screen in its own pixels, also when the program is scaled (run again at 2x).
        const QScreen* screen = QGuiApplication::primaryScreen();
        QCOMPARE(about.Label15->Caption(), ResolutionLine(screen->size() * screen->devicePixelRatio()));
        QCOMPARE(about.VersionInfo, RunningKernelVersion());
        // The system line waits for the first showing.
        QCOMPARE(about.Label13->Caption(), QStringLiteral("Linux"));
        QVERIFY(about.isHidden());
        QVERIFY(!about.Timer1->Enabled());
        QCOMPARE(about.Timer1->Interval(), 1000);
    }

    void everyControlStandsWhereDesigned()
    {
        TAbout about;
        QCOMPARE(about.objectName(), QStringLiteral("About"));
        QCOMPARE(about.size(), QSize(329, 358));
        QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(about.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(about.Shape1->geometry(), QRect(2, 2, 325, 351));
        QCOMPARE(about.Shape1->PenWidth(), 2);
        QCOMPARE(about.Shape1->PenColor(), kLime);
        const QList<QPair<LabelControl*, QPoint>> places{
            {about.Label1, {16, 24}},   {about.Label6, {16, 44}},   {about.Label2, {16, 63}},
            {about.Label9, {17, 83}},   {about.Label8, {120, 82}},  {about.Label5, {16, 103}},
            {about.Label7, {16, 122}},  {about.Label3, {16, 142}},  {about.Label4, {16, 161}},
            {about.Label11, {16, 177}}, {about.Label14, {23, 183}}, {about.Label10, {16, 206}},
            {about.Label12, {16, 225}}, {about.Label13, {16, 244}}, {about.Label15, {16, 263}},
        };
        for (const auto& [label, at] : places) {
            QCOMPARE(label->pos(), at);
            QCOMPARE(label->FontColor(), kLime);
            QCOMPARE(label->font().pixelSize(), 11);
            QCOMPARE(label->font().family(), QStringLiteral("MS Sans Serif"));
            QCOMPARE(label->Transparent(), label != about.Label14);
        }
        QVERIFY(about.Label1->font().bold());
        for (LabelControl* link : {about.Label6, about.Label2, about.Label9}) {
            QVERIFY(link->font().underline());
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        }
        QCOMPARE(about.Label8->Caption(), QStringLiteral("( for girls *ONLY* )"));
        QVERIFY(about.Label7->Caption().startsWith(QStringLiteral("IRC nick : ")));
        QVERIFY(about.Label3->Caption().startsWith(QStringLiteral("Street address : ")));
        QCOMPARE(about.Label11->Caption(), QString(50, u'_'));
        QCOMPARE(about.Label11->size(), QSize(300, 13));
        QCOMPARE(about.Label14->Caption(), QStringLiteral(" System informations "));
        QCOMPARE(about.Label6->Caption(), QStringLiteral("www.kestrune.example.org"));
        QCOMPARE(about.Label2->Caption(), QString::fromLatin1(kAboutMakerMail));
        QCOMPARE(about.Label9->Caption(), QString::fromLatin1(kAboutAuthorMail));
        // The author's address ends before the remark beside it.
        QVERIFY(about.Label9->geometry().right() < about.Label8->x());
        QCOMPARE(about.FlatButton1->geometry(), QRect(116, 312, 97, 25));
        QCOMPARE(about.FlatButton1->Caption(), QStringLiteral("OK"));
    }

    void frameAndTheRuleBrokenByItsCaption()
    {
        TAbout about;
        const QImage shot = about.grab().toImage();
        QCOMPARE(shot.pixelColor(2, 2), kLime);
        QCOMPARE(shot.pixelColor(3, 200), kLime);
        QCOMPARE(shot.pixelColor(326, 352), kLime);
        QCOMPARE(shot.pixelColor(4, 4), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(0, 0), QColor(Qt::black));
        // The underscores' row, left of the caption, is lime; under the caption it is black.
        const auto lit = [&shot](int x, int y) { return shot.pixelColor(x, y).green() > 128; };
        int row = -1;
        for (int y = 177; y < 190 && row < 0; ++y)
            if (lit(19, y))
                row = y;
        QVERIFY(row >= 183);
        const QRect caption = about.Label14->geometry();
        QVERIFY(caption.contains(caption.left() + 1, row));
        // The caption's leading and trailing spaces are black over the rule.
        QCOMPARE(shot.pixelColor(caption.left() + 1, row), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(caption.right() - 1, row), QColor(Qt::black));
        QVERIFY(lit(caption.right() + 3, row));
    }

    void showingStartsTheClockAndClosingStopsIt()
    {
        QWidget mainWindow;
        TAbout about(&mainWindow);
        mainWindow.setEnabled(false);  // as the author icon leaves it
        about.show();
        QVERIFY(about.Timer1->Enabled());
        const QString line = about.Label13->Caption();
        QVERIFY2(line.startsWith(SystemLine(about.VersionInfo, QString())), qPrintable(line));
        QVERIFY(!line.contains(QStringLiteral("Windows")));
        // The clock redraws the line each second.
        QTRY_VERIFY_WITH_TIMEOUT(about.Label13->Caption() != line, 2500);

        // A close requested by the system: the clock stops and the main window is usable again.
        QVERIFY(about.close());
        QVERIFY(about.isHidden());
        QVERIFY(!about.Timer1->Enabled());
        QVERIFY(mainWindow.isEnabled());
        const QString hidden = about.Label13->Caption();
        QTest::qWait(1200);
        QCOMPARE(about.Label13->Caption(), hidden);
        // Current again the moment it is shown.
        mainWindow.setEnabled(false);
        about.show();
        QCOMPARE(about.Label13->Caption(), SystemLine(about.VersionInfo, UptimeText()));
        QVERIFY(about.Timer1->Enabled());
        about.close();
        QVERIFY(mainWindow.isEnabled());
    }

    void okPlaysTheClickAndCloses()
    {
        AudioOutput output(nullptr, false);  // no source: silence for the click to mix into
        TFlatSound sound(nullptr, &output);
        QWidget mainWindow;
        TAbout about(&mainWindow, &sound);
        mainWindow.setEnabled(false);
        about.show();

        output.StartRecording(AudioOutput::kSampleRate);
        QTest::mouseClick(about.FlatButton1, Qt::LeftButton);
        clicktiming::waitForStream(output, 150);  // a silent output does not wait for the click to end
        const AudioOutput::Recording heard = output.StopRecording();
        QVERIFY(about.isHidden());
        QVERIFY(!about.Timer1->Enabled());
        QVERIFY(mainWindow.isEnabled());
        QVERIFY(std::any_of(heard.samples.begin(), heard.samples.end(), [](float s) { return std::abs(s) > 0.01f; }));

        // A system close sounds nothing.
        about.show();
        output.StartRecording(AudioOutput::kSampleRate / 4);
        about.close();
        QTest::qWait(100);
        const AudioOutput::Recording quiet = output.StopRecording();
        QVERIFY(std::none_of(quiet.samples.begin(), quiet.samples.end(), [](float s) { return s != 0.0f; }));
    }

    void linksTurnBlueUntilTheBackground()
    {
        TAbout about;
        hover(about.Label6);
        QCOMPARE(about.Label6->FontColor(), kBlue);
        hover(about.Label9);
        QCOMPARE(about.Label9->FontColor(), kBlue);
        QCOMPARE(about.Label6->FontColor(), kBlue);  // stays blue
        QCOMPARE(about.Label2->FontColor(), kLime);
        hover(about.Label8);                          // not the background
        QCOMPARE(about.Label6->FontColor(), kBlue);
        hover(about.Shape1);
        for (LabelControl* link : {about.Label6, about.Label2, about.Label9})
            QCOMPARE(link->FontColor(), kLime);
        QCOMPARE(about.Label1->FontColor(), kLime);
    }

    void linksOpenTheirAddresses()
    {
        TAbout about;
        QStringList opened;
        about.SetShellOpener([&opened](const QString& address) { opened << address; });
        leftClick(about.Label6);
        leftClick(about.Label2);
        leftClick(about.Label9);
        send(about.Label6, QEvent::MouseButtonPress, Qt::RightButton);  // a right click opens nothing
        send(about.Label6, QEvent::MouseButtonRelease, Qt::RightButton);
        QCOMPARE(opened, (QStringList{QString::fromLatin1(kAboutHomePage),
                                      QStringLiteral("mailto:") + QLatin1String(kAboutMakerMail),
                                      QStringLiteral("mailto:") + QLatin1String(kAboutAuthorMail)}));
        // The home page's label shows the address without its scheme.
        QCOMPARE(QStringLiteral("https://") + about.Label6->Caption(), QString::fromLatin1(kAboutHomePage));
    }

    void centredOverTheMainWindowTheFirstTimeOnly()
    {
        QWidget mainWindow;
        mainWindow.setGeometry(252, 186, 572, 423);
        TAbout about(&mainWindow);
        about.show();
        QCOMPARE(about.pos(), QPoint(252 + (572 - 329) / 2, 186 + (423 - 358) / 2));
        about.close();

        // The main window moves; the about window comes back where it was.
        mainWindow.move(40, 30);
        about.show();
        QCOMPARE(about.pos(), QPoint(373, 218));
        // The user moved it: that place stays too.
        about.move(10, 20);
        about.close();
        about.show();
        QCOMPARE(about.pos(), QPoint(10, 20));
        about.close();
    }

    void placementIsClampedToTheScreensCorner()
    {
        QWidget mainWindow;
        mainWindow.setGeometry(-200, 100, 300, 200);
        TAbout about(&mainWindow);
        about.show();
        QCOMPARE(about.pos(), QPoint(0, 100 + (200 - 358) / 2));
        about.close();

        QWidget high;
        high.setGeometry(50, -40, 572, 60);
        TAbout over(&high);
        over.show();
        QCOMPARE(over.pos(), QPoint(50 + (572 - 329) / 2, 0));
        over.close();
    }
};

QTEST_MAIN(AboutWindowTest)
#include "AboutWindowTest.moc"
