// SPDX-License-Identifier: GPL-3.0-or-later
// The not-found window: its look, where it appears, and that every way of
// closing it gives the main window back, with the click sound only for OK.
#include "shell/MessageUnit.h"

#include "controls/ImageControl.h"
#include "controls/LabelControl.h"
#include "controls/ShapeControl.h"
#include "flat/TFlatSoundUnit.h"
#include "media/AudioOutput.h"
#include "platform/FontSubstitutes.h"

#include "ClickTiming.h"
#include "WindowTesting.h"

#include <QGuiApplication>
#include "flat/TFlatButtonUnit.h"
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cmath>

using namespace fretlore;
using windowtest::countPixels;
using windowtest::kBlack;
using windowtest::kLime;

namespace {

std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Steady-clock time of the first recorded period that carries sound, or -1.
std::int64_t firstSoundNs(const AudioOutput::Recording& r)
{
    for (std::size_t i = 0; i < r.samples.size(); ++i)
        if (std::abs(r.samples[i]) > 1e-4f)
            return r.periodTimesNs.at(i / AudioOutput::kPeriodFrames);
    return -1;
}

// Records what the output plays while `action` runs and a little after.
template <typename Action>
AudioOutput::Recording recordWhile(AudioOutput& out, Action action)
{
    out.StartRecording(AudioOutput::kSampleRate);  // up to a second
    action();
    QTest::qWait(10);
    clicktiming::waitForStream(out, 150);  // the whole click: a silent output does not wait for it
    return out.StopRecording();
}

// A main window stand-in that notes when it is enabled again.
class MainWindow : public QWidget {
public:
    std::int64_t enabledAtNs = -1;

protected:
    void changeEvent(QEvent* e) override
    {
        if (e->type() == QEvent::EnabledChange && isEnabled())
            enabledAtNs = nowNs();
        QWidget::changeEvent(e);
    }
};

} // namespace

class MessageWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void windowAndControlsStandWhereDesigned()
    {
        TFMessage w;
        QCOMPARE(w.objectName(), QStringLiteral("FMessage"));
        QCOMPARE(w.size(), QSize(261, 109));
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(w.isHidden());

        QCOMPARE(w.Shape1->geometry(), QRect(2, 2, 257, 105));
        QCOMPARE(w.Shape1->PenWidth(), 2);
        QCOMPARE(w.Shape1->PenColor(), kLime);
        QCOMPARE(w.Shape1->BrushColor(), kBlack);

        QCOMPARE(w.Label1->Caption(), QStringLiteral("No chords matching your requests"));
        QCOMPARE(w.Label1->pos(), QPoint(41, 24));
        QCOMPARE(w.Label1->font().pixelSize(), 13);
        QCOMPARE(w.Label1->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(w.Label1->width(), QFontMetrics(w.Label1->font()).horizontalAdvance(w.Label1->Caption()));
        QVERIFY(w.Label1->Transparent());

        QCOMPARE(w.Image1->geometry(), QRect(8, 16, 32, 32));
        QCOMPARE(w.Image1->Picture().size(), QSize(32, 32));
        QVERIFY(w.Image1->Transparent());

        QCOMPARE(w.FlatButton1->objectName(), QStringLiteral("FlatButton1"));
        QCOMPARE(w.FlatButton1->geometry(), QRect(82, 68, 97, 25));
        QCOMPARE(w.FlatButton1->Caption(), QStringLiteral("OK"));
        QCOMPARE(w.FlatButton1->font().pixelSize(), 11);
        for (const char* name : {"Shape1", "Label1", "Image1", "FlatButton1"})
            QVERIFY2(w.findChild<QObject*>(QLatin1String(name)), name);
    }

    void paintsFrameTextPictureAndButton()
    {
        TFMessage w;
        w.show();
        const QImage img = w.grab().toImage();
        QCOMPARE(img.size(), QSize(261, 109));
        // The frame: two lime pixels inside the shape's bounds, black outside and inside.
        for (const QPoint p : {QPoint(2, 2), QPoint(3, 3), QPoint(130, 2), QPoint(258, 50), QPoint(130, 106),
                               QPoint(2, 100)})
            QCOMPARE(img.pixelColor(p), kLime);
        for (const QPoint p : {QPoint(0, 0), QPoint(1, 50), QPoint(260, 108), QPoint(4, 4), QPoint(60, 55)})
            QCOMPARE(img.pixelColor(p), kBlack);
        // The text in lime on the black ground, inside the label's bounds only.
        const QRect text = w.Label1->geometry();
        QVERIFY(countPixels(img, text, kLime) > 40);
        QCOMPARE(countPixels(img, QRect(text.right() + 1, text.top(), 14, text.height()), kLime), 0);
        // The picture draws something, and its ground lets the black through.
        const QRect picture(8, 16, 32, 32);
        QVERIFY(countPixels(img, picture, kBlack) > 100);
        QVERIFY(countPixels(img, picture, kBlack) < 32 * 32 - 50);
        QCOMPARE(img.pixelColor(8, 16), kBlack);
        // The button: a green caption on a dark face, its outline black at rest.
        const QRect button(82, 68, 97, 25);
        const auto green = [&img](QPoint p) {
            const QColor c = img.pixelColor(p);
            return c.green() > 150 && c.red() < 80 && c.blue() < 80;
        };
        int caption = 0;
        for (int y = button.top() + 5; y < button.bottom() - 5; ++y)
            for (int x = button.left() + 30; x < button.right() - 30; ++x)
                caption += green(QPoint(x, y));
        QVERIFY(caption > 15);
        QVERIFY(!green(QPoint(button.center().x(), button.top())));
        QVERIFY(!green(QPoint(button.left(), button.center().y())));
        QVERIFY(qGray(img.pixel(button.center() + QPoint(25, 0))) < 64);
    }

    void centredTheFirstTimeThenKeepsItsPlace()
    {
        MainWindow main;
        TFMessage w(&main);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint centred(screen.x() + (screen.width() - 261) / 2, screen.y() + (screen.height() - 109) / 2);
        w.move(5, 5);  // wherever it was before its first showing
        w.show();
        QCOMPARE(w.pos(), centred);
        w.close();
        w.show();
        QCOMPARE(w.pos(), centred);
        w.move(40, 30);  // moved by the user
        main.move(300, 200);
        w.close();
        w.show();
        QCOMPARE(w.pos(), QPoint(40, 30));
    }

    void okClosesFirstThenClicks()
    {
        AudioOutput out(nullptr, false);  // no source: silence for the click to mix into
        TFlatSound sound(nullptr, &out);
        MainWindow main;
        TFMessage w(&main, &sound);
        for (int round = 0; round < 2; ++round) {  // any number of times
            main.setEnabled(false);
            w.show();
            QVERIFY(!main.isEnabled());
            main.enabledAtNs = -1;
            const auto r = recordWhile(out, [&] { QTest::mouseClick(w.FlatButton1, Qt::LeftButton); });
            QVERIFY(w.isHidden());
            QVERIFY(main.isEnabled());
            const std::int64_t soundAt = firstSoundNs(r);
            QVERIFY2(soundAt > 0, "OK plays the click");
            QVERIFY2(main.enabledAtNs > 0 && main.enabledAtNs < soundAt, "the window goes before the click");
        }
    }

    void keyboardClosesGiveTheMainWindowBackSilently()
    {
        AudioOutput out(nullptr, false);  // no source: silence for the click to mix into
        TFlatSound sound(nullptr, &out);
        MainWindow main;
        TFMessage w(&main, &sound);

        main.setEnabled(false);
        w.show();
        auto r = recordWhile(out, [&] { QTest::keyClick(w.FlatButton1, Qt::Key_Escape); });
        QVERIFY(w.isHidden());
        QVERIFY(main.isEnabled());
        QCOMPARE(firstSoundNs(r), std::int64_t(-1));

        // The window manager's close (Alt+F4) arrives as a close request.
        main.setEnabled(false);
        w.show();
        r = recordWhile(out, [&] { QVERIFY(w.close()); });
        QVERIFY(w.isHidden());
        QVERIFY(main.isEnabled());
        QCOMPARE(firstSoundNs(r), std::int64_t(-1));
    }

    void withoutAMainWindowOrSoundNothingBreaks()
    {
        TFMessage w;
        w.show();
        QTest::mouseClick(w.FlatButton1, Qt::LeftButton);
        QVERIFY(w.isHidden());
        w.show();
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isHidden());
        // Other keys leave it up.
        w.show();
        QTest::keyClick(&w, Qt::Key_A);
        QTest::keyClick(&w, Qt::Key_Escape, Qt::ShiftModifier);
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(MessageWindowTest)
#include "MessageWindowTest.moc"
