// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayPlatform.h"
#include "platform/MessageTimer.h"
#include "platform/ModulePath.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

using namespace fretlore;

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    // X through XWayland in a Wayland session unless the user chose a
    // platform; natively on Wayland when there is no X server.
    void displayPlatformInAWaylandSession_data()
    {
        QTest::addColumn<QByteArray>("qpa");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("chosen");
        QTest::newRow("wayland with xwayland") << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray(":0") << QByteArray("xcb");
        QTest::newRow("session type only") << QByteArray() << QByteArray() << QByteArray("wayland") << QByteArray(":1") << QByteArray("xcb");
        QTest::newRow("no x server") << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray() << QByteArray();
        QTest::newRow("user's choice") << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray() << QByteArray(":0") << QByteArray();
        QTest::newRow("x11 session") << QByteArray() << QByteArray() << QByteArray("x11") << QByteArray(":0") << QByteArray();
        QTest::newRow("empty values") << QByteArray("") << QByteArray("") << QByteArray("") << QByteArray(":0") << QByteArray();
    }
    void displayPlatformInAWaylandSession()
    {
        QFETCH(QByteArray, qpa);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, session);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, chosen);
        const auto arg = [](const QByteArray& v) { return v.isNull() ? nullptr : v.constData(); };
        QCOMPARE(QByteArray(PreferredDisplayPlatform(arg(qpa), arg(wayland), arg(session), arg(display))), chosen);
    }

    void exeDirKeepsTheTrailingSeparator_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("dir");
        QTest::newRow("nested") << "/opt/a/b" << "/opt/a/";
        QTest::newRow("root") << "/b" << "/";
        QTest::newRow("already a folder") << "/opt/a/" << "/opt/a/";
        QTest::newRow("no separator") << "fretlore" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("non-ASCII") << "/home/žana/Gitara/fretlore" << "/home/žana/Gitara/";
    }
    void exeDirKeepsTheTrailingSeparator()
    {
        QFETCH(QString, path);
        QFETCH(QString, dir);
        QCOMPARE(ExeDirOf(path), dir);
    }

    void moduleFileNameIsThisTest()
    {
        const QString path = ModuleFileName();
        QVERIFY(path.startsWith(u'/'));
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("test_platform"));
    }

    void timerTicksOnlyWhileEnabled()
    {
        MessageTimer timer(nullptr, 20, false);
        QSignalSpy ticks(&timer, &MessageTimer::timeout);
        QTest::qWait(60);
        QCOMPARE(ticks.count(), 0);
        timer.SetEnabled(true);
        QVERIFY(ticks.wait(200));
        timer.SetEnabled(false);
        const int before = ticks.count();
        QTest::qWait(60);
        QCOMPARE(ticks.count(), before);
    }

    void settingTheSameValueKeepsTheCount()
    {
        // A restart would put the tick at 500 ms or later.
        MessageTimer timer(nullptr, 300, true);
        QSignalSpy ticks(&timer, &MessageTimer::timeout);
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(200);
        timer.SetEnabled(true);   // already enabled: no restart
        timer.SetInterval(300);   // same interval: no restart
        QVERIFY(ticks.wait(1000));
        QVERIFY2(clock.elapsed() < 450, qPrintable(QString::number(clock.elapsed())));
    }

    void aNewIntervalRestartsTheCount()
    {
        // Without a restart the tick would come at 300 ms.
        MessageTimer timer(nullptr, 300, true);
        QSignalSpy ticks(&timer, &MessageTimer::timeout);
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(200);
        timer.SetInterval(250);
        QVERIFY(ticks.wait(1000));
        QVERIFY2(clock.elapsed() >= 440, qPrintable(QString::number(clock.elapsed())));
    }

    void zeroIntervalNeverTicks()
    {
        MessageTimer timer(nullptr, 0, true);
        QSignalSpy ticks(&timer, &MessageTimer::timeout);
        QTest::qWait(50);
        QCOMPARE(ticks.count(), 0);
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "PlatformTest.moc"
