// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's chrome, offscreen: closing through each button and the
// system, the hover states, the web, mail and author icons.
#include "app/Windows.h"
#include "controls/ImageControl.h"
#include "controls/LabelControl.h"
#include "controls/ShapeControl.h"

#include "AppTestMain.h"

#include <QPlainTextEdit>

using namespace fretlore;

class ChromeTest : public QObject {
    Q_OBJECT
private:
    // The program's windows with the exit of the credits caught.
    struct Program {
        Windows windows{false};
        int exitCode = -1;
        Program()
        {
            windows.Credits.SetExitProgram([this](int code) { exitCode = code; });
            windows.Splash.Timer1Timer(nullptr);  // the splash goes, the main window comes back
            windows.Form1.show();
        }
    };

private slots:
    void aRightReleaseOnTheCrossClosesAtOnce()
    {
        Program p;
        p.windows.Form1.Label10MouseUp(p.windows.Form1.Label10, Qt::RightButton, {}, 5, 5);
        QVERIFY(p.windows.Form1.CloseAtOnce);
        QVERIFY(!p.windows.Form1.isVisible());
        QVERIFY(!p.windows.Credits.isVisible());
    }

    void leftAndMiddleReleasesAndTheSystemCloseRollTheCredits_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
        QTest::newRow("system") << 0;
    }
    void leftAndMiddleReleasesAndTheSystemCloseRollTheCredits()
    {
        QFETCH(int, how);
        Program p;
        TForm1& form = p.windows.Form1;
        if (how)
            form.Label10MouseUp(form.Label10, Qt::MouseButton(how), {}, 5, 5);
        else
            form.close();
        QVERIFY(!form.CloseAtOnce);
        QVERIFY(p.windows.Credits.isVisible());
        QVERIFY(!form.isVisible());  // the credits hide the main window
        QCOMPARE(p.exitCode, -1);    // the program goes on while they roll

        // A second close request starts them over from the first line.
        for (int i = 0; i < 40; ++i)
            p.windows.Credits.Timer1Timer(nullptr);
        QVERIFY(p.windows.Credits.Memo1->y() < 0);
        form.close();
        QCOMPARE(p.windows.Credits.Memo1->y(), 0);
        QVERIFY(p.windows.Credits.isVisible());
    }

    void hoverBoldsTheLabelsAndLiftsTheIconsUntilThePanel()
    {
        Program p;
        TForm1& form = p.windows.Form1;
        form.Label9MouseMove(form.Label10, {}, 1, 1);
        QVERIFY(form.Label10->font().bold());
        QVERIFY(!form.Label9->font().bold());
        for (ImageControl* icon : {form.SoundP, form.Author, form.www, form.mail})
            form.SoundPMouseMove(icon, {}, 1, 1);
        for (ImageControl* icon : {form.SoundP, form.Author, form.www, form.mail})
            QCOMPARE(icon->y(), 87);
        // Nothing but the panel undoes it.
        form.ChordMouseMove(form.Chord, {}, 10, 10);
        QVERIFY(form.Label10->font().bold());
        form.Shape1MouseMove(form.Shape1, {}, 100, 100);
        QVERIFY(!form.Label10->font().bold());
        for (ImageControl* icon : {form.SoundP, form.Author, form.www, form.mail})
            QCOMPARE(icon->y(), 88);
    }

    void theWebAndMailIconsOpenTheirAddresses()
    {
        Program p;
        TForm1& form = p.windows.Form1;
        QStringList opened;
        form.OpenAddress = [&opened](const QString& a) { opened << a; };
        form.wwwClick(form.www);
        form.mailClick(form.mail);
        QCOMPARE(opened.size(), 2);
        QVERIFY(opened[0].startsWith(QLatin1String("https://")));
        QVERIFY(opened[1].startsWith(QLatin1String("mailto:")));
    }

    void theAuthorIconShowsTheAboutWindowOverADisabledMainWindow()
    {
        Program p;
        TForm1& form = p.windows.Form1;
        form.AuthorClick(form.Author);
        QVERIFY(p.windows.About.isVisible());
        QVERIFY(!form.isEnabled());
        p.windows.About.close();
        QVERIFY(form.isEnabled());
    }

    void onlyTheLeftButtonOnTheGuitarMovesTheWindow()
    {
        Program p;
        TForm1& form = p.windows.Form1;
        const QPoint before = form.pos();
        form.StratocasterMouseDown(form.Stratocaster, Qt::RightButton, {}, 50, 30);
        QCOMPARE(form.pos(), before);
    }

    void theCreditsEndTheProgramWithCodeZeroAfterTheirScroll()
    {
        Program p;
        p.windows.Form1.close();
        int ticks = 0;
        while (p.exitCode < 0 && ticks < 2000) {
            p.windows.Credits.Timer1Timer(nullptr);
            ++ticks;
        }
        QCOMPARE(p.exitCode, 0);
        QCOMPARE(ticks, 1301);
    }
};

FRETLORE_TEST_MAIN(ChromeTest)
#include "ChromeTest.moc"
