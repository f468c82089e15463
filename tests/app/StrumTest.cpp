// SPDX-License-Identifier: GPL-3.0-or-later
// The strum, heard through the real media layer on the silent, clock-paced
// output: when each string starts, at which pitch, and how a strum ends.
#include "app/MainUnit.h"
#include "controls/ImageControl.h"
#include "controls/ListBoxControl.h"
#include "controls/SpeedButton.h"
#include "media/MediaSystem.h"
#include "media/MidiDevice.h"
#include "platform/MessageTimer.h"
#include "playback/StringPlayer.h"

#include "AppTestMain.h"
#include "Dsp.h"
#include "StrumTiming.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include <chrono>

using namespace fretlore;

namespace {

// The strings start on the audio thread at their samples, so the gaps between
// them in the recording hold to the synthesizer's block (1.5 ms) whatever the
// machine is doing, as long as the synthesizer keeps up with real time. Where
// the strum lies against the click is read on the stream's clock, early
// against the time before the click and late against the time after it; a
// busy machine holds the handlers up, so the late bound is generous.
constexpr double kEarlyMs = 10;
#ifdef FRETLORE_SANITIZED
// Instrumented, the synthesizer can fall behind real time for a block or
// more; the order, gaps and pitches still count, within wider bounds.
constexpr double kGapToleranceMs = 30;
constexpr double kLateMs = 150;
#else
constexpr double kGapToleranceMs = 3;
constexpr double kLateMs = 60;
#endif

// Milliseconds between two frames of a recording, by its sample count.
double gapMs(size_t from, size_t to)
{
    return (double(to) - double(from)) / strum::kRate * 1000.0;
}

} // namespace

using namespace strum;

class StrumTest : public QObject {
    Q_OBJECT
private:
    MediaSystem media_{false};
    MidiDevice offline_;

    // Clicks the play icon on line `index` of a new window and records the
    // strum; `clicked` and `t0` are read just before and just after the click.
    AudioOutput::Recording strum(TForm1& form, int index, int ms, std::int64_t* clicked, std::int64_t* t0)
    {
        form.ExeDir = QStringLiteral(FRETLORE_EXE_DIR);
        form.ListBox->setCurrentRow(index);
        form.ListBoxClick(form.BitBtn1);
        media_.Output().StartRecording(size_t(kRate * (ms + 500) / 1000));
        runFor(100);
        std::vector<std::int64_t> ticks;
        auto c = connect(form.Timer1, &MessageTimer::timeout, this, [&ticks] { ticks.push_back(nowNs()); });
        *clicked = nowNs();
        form.SoundPClick(form.SoundP);
        *t0 = nowNs();  // the timer counts from between the two, after the click sound
        runFor(ms);
        disconnect(c);
        for (auto t : ticks)
            qDebug() << "tick handled at" << (t - *t0) / 1e6 << "ms";
        return media_.Output().StopRecording();
    }

private slots:
    void sixStringsAtTheirTimesAndPitches()
    {
        TForm1 form(&media_);
        std::int64_t clicked = 0, t0 = 0;
        const AudioOutput::Recording r = strum(form, 1, 6000, &clicked, &t0);  // C: 0 3 2 0 1 0
        std::vector<size_t> found;
        for (size_t f : dsp::soundStarts(r.samples, kRate, 1e-4, 0.5))
            if (frameMs(r, f, t0) > 300)  // the click sound comes first
                found.push_back(f);
        for (size_t f : found)
            qDebug() << "sound starts at" << frameMs(r, f, t0) << "ms";
        QCOMPARE(int(found.size()), 6);
        const int notes[6] = {40, 48, 52, 55, 60, 64};
        double delay[6];
        for (int k = 0; k < 6; ++k)
            delay[k] = soundDelayMs(offline_, form.Players()[size_t(k)]->FileName());
        // Where the first string sits in the stream, from before the click and from after it.
        const double first = frameMs(r, found[0], t0, true) - delay[0];
        const double sinceClick = frameMs(r, found[0], clicked, true) - delay[0];
        QVERIFY2(sinceClick >= 600 - kEarlyMs && first <= 600 + kLateMs, qPrintable(QString::number(first)));
        for (int k = 0; k < 6; ++k) {
            if (k > 0) {
                const double gap = gapMs(found[size_t(k - 1)], found[size_t(k)]) - delay[k] + delay[k - 1];
                QVERIFY2(std::abs(gap - 800) <= kGapToleranceMs,
                         qPrintable(QStringLiteral("string %1 %2 ms after the one before").arg(k + 1).arg(gap)));
            }
            const size_t from = std::min(r.samples.size(), found[size_t(k)] + 2000);
            const size_t to = std::min(r.samples.size(), found[size_t(k)] + 30000);
            const std::vector<float> tone(r.samples.begin() + std::ptrdiff_t(from), r.samples.begin() + std::ptrdiff_t(to));
            const double hz = dsp::pitchHzChecked(tone, kRate);
            QVERIFY2(std::abs(dsp::cents(hz, dsp::midiHz(notes[k]))) <= 20,
                     qPrintable(QStringLiteral("string %1: %2 Hz").arg(k + 1).arg(hz)));
        }
        // The end: the chord shown again, the players closed and prepared, the timer stopped at 800.
        QTRY_VERIFY_WITH_TIMEOUT(!form.Timer1->Enabled(), 2000);
        QCOMPARE(form.Timer1->Interval(), 800);
        QCOMPARE(form.StrumStep(), 7);
        for (StringPlayer* p : form.Players()) {
            QVERIFY(!p->IsOpen());
            QVERIFY(!p->FileName().isEmpty());
        }
        QCOMPARE(form.ListBox->currentRow(), 1);
    }

    void aMutedFirstStringPassesAfterTheShortestPeriod()
    {
        TForm1 form(&media_);
        std::int64_t clicked = 0, t0 = 0;
        const AudioOutput::Recording r = strum(form, 6, 1800, &clicked, &t0);  // C: x 15 14 12 13 x
        std::vector<size_t> found;
        for (size_t f : dsp::soundStarts(r.samples, kRate, 1e-4, 0.5))
            if (frameMs(r, f, t0) > 300)
                found.push_back(f);
        QVERIFY(found.size() >= 2);
        const double a5 = soundDelayMs(offline_, form.S2->FileName());
        const double d4 = soundDelayMs(offline_, form.S3->FileName());
        // A5 one shortest period after the first tick, not a step later; D4 a step after A5.
        const double first = frameMs(r, found[0], t0, true) - a5;
        const double sinceClick = frameMs(r, found[0], clicked, true) - a5;
        QVERIFY2(sinceClick >= 601 - kEarlyMs && first <= 601 + kLateMs, qPrintable(QString::number(first)));
        const double gap = gapMs(found[0], found[1]) - d4 + a5;
        QVERIFY2(std::abs(gap - 800) <= kGapToleranceMs, qPrintable(QString::number(gap)));
        form.ListBoxClick(form.BitBtn1);
    }

    void aSelectionDuringTheStrumSilencesItAtOnce()
    {
        TForm1 form(&media_);
        form.ExeDir = QStringLiteral(FRETLORE_EXE_DIR);
        form.ListBox->setCurrentRow(3);
        form.ListBoxClick(form.BitBtn1);
        form.SoundPClick(form.SoundP);
        runFor(1700);  // two strings have sounded
        QVERIFY(form.Timer1->Enabled());
        form.ListBox->setCurrentRow(4);
        form.ListBoxClick(form.BitBtn1);
        QVERIFY(!form.Timer1->Enabled());
        for (StringPlayer* p : form.Players())
            QVERIFY(!p->IsOpen());
        media_.Output().StartRecording(size_t(kRate));
        runFor(400);
        const AudioOutput::Recording r = media_.Output().StopRecording();
        // Silent from the first period rendered after the selection (10 ms at most) on.
        const size_t settle = size_t(kRate * 0.010);
        const double level = dsp::rms(r.samples, settle, r.samples.size());
        QVERIFY2(level < 0.0005, qPrintable(QString::number(level)));
    }

    void aClickWithoutAChordDoesNothing()
    {
        TForm1 form(&media_);
        QElapsedTimer t;
        t.start();
        form.SoundPClick(form.SoundP);  // nothing selected
        form.ListBox->setCurrentRow(0);
        form.SoundPClick(form.SoundP);  // the empty line
        QVERIFY(t.elapsed() < 100);     // not even the click sound (110 ms)
        QVERIFY(!form.Timer1->Enabled());
    }

    void aClickDuringAStrumStartsItOver()
    {
        TForm1 form(&media_);
        form.ExeDir = QStringLiteral(FRETLORE_EXE_DIR);
        form.ListBox->setCurrentRow(1);
        form.ListBoxClick(form.BitBtn1);
        form.SoundPClick(form.SoundP);
        QTRY_COMPARE_WITH_TIMEOUT(form.StrumStep(), 2, 5000);  // the second string sounds
        form.SoundPClick(form.SoundP);
        QCOMPARE(form.StrumStep(), 0);
        QVERIFY(form.Timer1->Enabled());
        form.ListBoxClick(form.BitBtn1);
    }

    void aFailedOpenStopsTheClickAndTheStrumStillEnds()
    {
        TForm1 form(&media_);
        form.ExeDir = QStringLiteral(FRETLORE_EXE_DIR);
        form.ListBox->setCurrentRow(1);
        form.ListBoxClick(form.BitBtn1);
        form.SoundPClick(form.SoundP);
        runFor(100);
        // The third string's file goes missing; clicking again fails there.
        form.S3->SetFileName(form.ExeDir + QStringLiteral("mid/missing.mid"));
        // A real click: the handler shows the error report itself; nothing
        // is thrown through the event dispatch (which leaked the event's copy).
        QString report;
        QTimer::singleShot(300, [&report] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                report = box->objectName() + u'|' + box->windowTitle() + u'|' + static_cast<QMessageBox*>(box)->text();
                box->close();
            }
        });
        QTest::mouseClick(form.SoundP, Qt::LeftButton, {}, QPoint(8, 8));
        QCOMPARE(report, QStringLiteral("ErrorReport|Fretlore PRO|The MIDI file %1 was not found; the mid folder must "
                                        "lie beside the program.")
                             .arg(form.S3->FileName()));
        QVERIFY(!form.S3->IsOpen());
        // The running strum passes the closed player over and comes to its end.
        QTRY_VERIFY_WITH_TIMEOUT(!form.Timer1->Enabled(), 8000);
        QCOMPARE(form.StrumStep(), 7);
    }
};

FRETLORE_TEST_MAIN(StrumTest)
#include "StrumTest.moc"
