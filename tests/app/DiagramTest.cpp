// SPDX-License-Identifier: GPL-3.0-or-later
// Showing a line: the diagram's pixels, the markers, the chord's name, the
// play icon's hint, the players' files; and the tone hover and click.
#include "app/CommandLine.h"
#include "app/MainUnit.h"
#include "catalogue/ChordEntry.h"
#include "controls/ImageControl.h"
#include "controls/LabelControl.h"
#include "controls/ListBoxControl.h"
#include "controls/SpeedButton.h"
#include "flat/TFlatSoundUnit.h"
#include "media/MediaSystem.h"
#include "platform/MessageTimer.h"
#include "playback/StringPlayer.h"

#include "AppTestMain.h"
#include "ClickTiming.h"
#include "WindowTesting.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>

using namespace fretlore;
using windowtest::kBlack;
using windowtest::kLime;

namespace {

const QColor kWhite(255, 255, 255);

// The pixel's colour, opaque whatever the picture's alpha.
QColor at(const QImage& img, int x, int y) { return QColor(img.pixel(x, y)); }

// Shows line `index` as the program does (no click sound).
void show(TForm1& form, int index)
{
    form.ExeDir = QStringLiteral(FRETLORE_EXE_DIR);  // the program's folder in the build, with its mid folder
    form.ListBox->setCurrentRow(index);
    form.ListBoxClick(form.BitBtn1);
}

} // namespace

class DiagramTest : public QObject {
    Q_OBJECT
private:
    MediaSystem media_{false};

    // A disc of diameter 14 at (x, y): lime to radius 6 all round, nothing
    // lime at radius 9 above and below.
    static void checkDisc(const QImage& img, int x, int y)
    {
        for (auto [dx, dy] : {std::pair{0, 0}, {-6, 0}, {5, 0}, {0, -6}, {0, 5}, {-4, -4}, {3, 3}})
            QCOMPARE(at(img, x + dx, y + dy), kLime);
        QCOMPARE(at(img, x, y - 9), kWhite);
        QCOMPARE(at(img, x, y + 9), kWhite);
    }
    // A ring: a lime rim one pixel wide around a black centre of diameter 12.
    static void checkRing(const QImage& img, int x, int y)
    {
        for (auto [dx, dy] : {std::pair{0, 0}, {-5, 0}, {4, 0}, {0, -5}, {0, 4}})
            QCOMPARE(at(img, x + dx, y + dy), kBlack);
        QCOMPARE(at(img, x - 7, y), kLime);
        QCOMPARE(at(img, x, y - 7), kLime);
        QCOMPARE(at(img, x, y - 9), kWhite);
        QCOMPARE(at(img, x, y + 9), kWhite);
    }
    static bool anyLime(const QImage& img, const QRect& r)
    {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (at(img, x, y) == kLime)
                    return true;
        return false;
    }

private slots:
    void line1OpenC()
    {
        TForm1 form(&media_);
        show(form, 1);
        const QImage img = form.Chord->Picture();
        checkRing(img, 334, 30);
        checkRing(img, 334, 99);
        checkRing(img, 334, 145);
        checkDisc(img, 148, 53);
        checkDisc(img, 241, 76);
        checkDisc(img, 334, 122);
        // The position number "1" at (330, 3), nothing left of it.
        QVERIFY(anyLime(img, QRect(330, 3, 8, 11)));
        QVERIFY(!anyLime(img, QRect(300, 0, 29, 20)));

        const int xs[6] = {334, 148, 241, 334, 334, 334};
        const char* names[6] = {"E", "C", "E", "G", "C", "E"};
        for (int k = 0; k < 6; ++k) {
            const ToneMarker& m = form.ToneMarkers[size_t(k)];
            QVERIFY(m.Shown);
            QCOMPARE(m.X, xs[k]);
            QCOMPARE(m.Y, 30 + 23 * k);
            QCOMPARE(m.NoteName, QLatin1String(names[k]));
        }
        QCOMPARE(form.ChordName->Caption(), QStringLiteral(" C "));
        QCOMPARE(form.SoundP->toolTip(), QStringLiteral("Play C chord on MIDI device"));
        QCOMPARE(form.SoundP->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form.S1->FileName(), form.ExeDir + QStringLiteral("mid/6-00.mid"));
        QCOMPARE(form.S2->FileName(), form.ExeDir + QStringLiteral("mid/5-03.mid"));
        QCOMPARE(form.S6->FileName(), form.ExeDir + QStringLiteral("mid/1-00.mid"));
    }

    void line2HighCNamedAtTheAbsoluteFrets()
    {
        TForm1 form(&media_);
        show(form, 2);
        const QImage img = form.Chord->Picture();
        const int xs[6] = {334, 55, 148, 334, 241, 334};
        for (int k = 0; k < 6; ++k) {
            checkDisc(img, xs[k], 30 + 23 * k);
            QCOMPARE(form.ToneMarkers[size_t(k)].X, xs[k]);
        }
        QVERIFY(anyLime(img, QRect(330, 3, 16, 11)));  // "12"
        const char* names[6] = {"E", "C", "E", "G", "C", "E"};
        for (int k = 0; k < 6; ++k)
            QCOMPARE(form.ToneMarkers[size_t(k)].NoteName, QLatin1String(names[k]));
        QCOMPARE(form.S2->FileName(), form.ExeDir + QStringLiteral("mid/5-15.mid"));
    }

    void mutedStringsAndOpenOnlyChords()
    {
        TForm1 form(&media_);
        show(form, 5);  // 8 x 10 9 8 x
        QVERIFY(!form.ToneMarkers[1].Shown);
        QVERIFY(!form.ToneMarkers[5].Shown);
        QVERIFY(form.S2->FileName().isEmpty());
        QVERIFY(form.S6->FileName().isEmpty());
        const QImage img5 = form.Chord->Picture();
        QCOMPARE(at(img5, 334, 53), kLime);    // only the string line itself
        QCOMPARE(at(img5, 334, 53 - 3), kWhite);

        show(form, 404);  // Em 0 x x 0 0 0: no fretted string, position 1
        const QImage img = form.Chord->Picture();
        for (int k : {0, 3, 4, 5})
            checkRing(img, 334, 30 + 23 * k);
        QVERIFY(!form.ToneMarkers[1].Shown);
        QVERIFY(!form.ToneMarkers[2].Shown);
        QVERIFY(anyLime(img, QRect(330, 3, 8, 11)));
    }

    void tonesBeyondTheFourthFretKeepTheirMarkers()
    {
        TForm1 form(&media_);
        show(form, 855);  // A#5- x x 1 9 11 10
        QCOMPARE(form.ToneMarkers[2].X, 334);
        QCOMPARE(form.ToneMarkers[3].X, -410);
        QCOMPARE(form.ToneMarkers[4].X, -596);
        QCOMPARE(form.ToneMarkers[5].X, -503);
        for (int k = 2; k < 6; ++k)
            QVERIFY(form.ToneMarkers[size_t(k)].Shown);
        // Nothing of them on the picture: only the D4 disc is drawn.
        const QImage img = form.Chord->Picture();
        for (int k = 3; k < 6; ++k)
            for (int x = 9; x < 381; x += 3)
                QVERIFY(at(img, x, 30 + 23 * k - 4) != kLime);

        show(form, 974);  // Bdim x 2 3 1 3 7
        QCOMPARE(form.ToneMarkers[5].X, -224);
    }

    void nameLabelStaysCentredOverTheDiagram()
    {
        TForm1 form(&media_);
        int index = -1;
        for (int i = 1; i < form.ListBox->count() && index < 0; ++i)
            if (ChordNameOf(form.ListBox->item(i)->text()) == QLatin1String("C#(Db)7/9/5+"))
                index = i;
        QVERIFY(index > 0);
        show(form, index);
        QCOMPARE(form.ChordName->Caption(), QStringLiteral(" C#(Db)7/9/5+ "));
        const int centre = form.ChordName->x() + form.ChordName->width() / 2;
        QVERIFY2(qAbs(centre - 212) <= 1, qPrintable(QString::number(centre)));
        QCOMPARE(form.ChordName->y(), 244);
        show(form, 11);
        QVERIFY(qAbs(form.ChordName->x() + form.ChordName->width() / 2 - 212) <= 1);
    }

    void lineZeroClearsEverything()
    {
        TForm1 form(&media_);
        show(form, 1);
        form.S1->Open();
        show(form, 0);
        QCOMPARE(form.Chord->Picture(), form.TmpP->Picture());
        QVERIFY(form.ChordName->Caption().isEmpty());
        QCOMPARE(form.SoundP->toolTip(), QStringLiteral("Play selected chord"));
        QCOMPARE(form.SoundP->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(form.windowTitle(), form.SavedCaption);
        for (const ToneMarker& m : form.ToneMarkers)
            QVERIFY(!m.Shown);
        for (StringPlayer* p : form.Players()) {
            QVERIFY(p->FileName().isEmpty());
            QVERIFY(!p->IsOpen());
        }
    }

    void aListClickPlaysTheClickAndAProgramCallDoesNot()
    {
        TForm1 form(&media_);
        form.ExeDir = QStringLiteral(FRETLORE_EXE_DIR);
        form.ListBox->setCurrentRow(3);
        // The output is silent: the click goes into the stream without a wait.
        for (QObject* sender : {static_cast<QObject*>(form.ListBox), static_cast<QObject*>(form.BitBtn1)}) {
            media_.Output().StartRecording(AudioOutput::kSampleRate / 2);
            QElapsedTimer t;
            t.start();
            form.ListBoxClick(sender);
            QVERIFY(t.elapsed() < 100);  // short of the click's 110 ms, on a busy machine too
            clicktiming::waitForStream(media_.Output(), 150);
            const AudioOutput::Recording r = media_.Output().StopRecording();
            const bool heard = std::any_of(r.samples.begin(), r.samples.end(), [](float s) { return std::abs(s) > 0.01f; });
            QCOMPARE(heard, sender == form.ListBox);
        }
    }

    void hoverNamesTheToneWithinReach()
    {
        TForm1 form(&media_);
        show(form, 1);
        const QString resting = QStringLiteral("Chords displayer - hold mouse over tone to see it`s name");
        form.ChordMouseMove(form.Chord, {}, 290, 60);
        QCOMPARE(form.Chord->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(form.Chord->toolTip(), resting);

        form.ChordMouseMove(form.Chord, {}, 334, 124);  // 2 px from the B2 tone
        QCOMPARE(form.Chord->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form.Chord->toolTip(), QStringLiteral("C. Click to play this tone"));

        form.ChordMouseMove(form.Chord, {}, 148 + 9, 53 + 3);  // squared distance 90: a hit
        QCOMPARE(form.Chord->toolTip(), QStringLiteral("C. Click to play this tone"));
        form.ChordMouseMove(form.Chord, {}, 148 + 9, 53 + 4);  // 97: out of reach
        QCOMPARE(form.Chord->toolTip(), resting);
        form.ChordMouseMove(form.Chord, {}, 334, 30);  // the open ring's centre
        QCOMPARE(form.Chord->toolTip(), QStringLiteral("E. Click to play this tone"));

        // Before the window is ready a tone shows its name with the default cursor.
        form.FormReady = false;
        form.ChordMouseMove(form.Chord, {}, 241, 76);
        QCOMPARE(form.Chord->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(form.Chord->toolTip(), QStringLiteral("E. Click to play this tone"));
    }

    void hoverOverMutedStringsAndLineZeroShowsTheRestingHint()
    {
        TForm1 form(&media_);
        show(form, 5);  // A5 muted
        form.ChordMouseMove(form.Chord, {}, 334, 53);
        QCOMPARE(form.Chord->cursor().shape(), Qt::ArrowCursor);
        show(form, 0);
        for (int x = 0; x < 391; x += 7)
            form.ChordMouseMove(form.Chord, {}, x, 99);
        QCOMPARE(form.Chord->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(form.Chord->toolTip().startsWith(QLatin1String("Chords displayer")));
    }

    void anyButtonOnAToneOpensAndPlaysItsString()
    {
        TForm1 form(&media_);
        show(form, 1);
        form.ChordMouseDown(form.Chord, Qt::RightButton, {}, 241, 78);  // D4, right button
        QVERIFY(form.S3->IsOpen());
        QVERIFY(media_.Midi().IsPlaying(2));
        QVERIFY(!form.S1->IsOpen());
        QCOMPARE(form.Chord->cursor().shape(), Qt::ArrowCursor);  // the other shown markers reset it

        form.ChordMouseDown(form.Chord, Qt::LeftButton, {}, 20, 20);  // no tone
        QVERIFY(!form.S1->IsOpen());

        show(form, 0);
        form.ChordMouseDown(form.Chord, Qt::LeftButton, {}, 334, 30);  // nothing shown: nothing plays
        for (StringPlayer* p : form.Players())
            QVERIFY(!p->IsOpen());

        show(form, 1);
        form.FormReady = false;
        form.ChordMouseDown(form.Chord, Qt::LeftButton, {}, 334, 30);
        QVERIFY(!form.S1->IsOpen());
    }

    void theSettingsMirrorTheDiagramShowFingersAndNameNotesTheirWay()
    {
        TForm1 plain(&media_);
        show(plain, 1);  // C: 0 3 2 0 1 0
        TForm1 form(&media_);
        form.Diagram = {true, true, Notation::German};
        show(form, 1);
        const QImage mirrored = plain.Chord->Picture().convertToFormat(QImage::Format_RGB32).mirrored(true, false);
        const QImage img = form.Chord->Picture().convertToFormat(QImage::Format_RGB32);
        // The mirror of the usual picture, but for the text: the finger numbers
        // in the discs and the position number, now at the top left.
        for (int y = 20; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const bool inDisc = std::any_of(form.ToneMarkers.begin(), form.ToneMarkers.end(), [&](const ToneMarker& m) {
                    return m.Shown && std::abs(m.X - x) <= 7 && std::abs(m.Y - y) <= 7;
                });
                if (!inDisc && img.pixel(x, y) != mirrored.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("differs at %1, %2").arg(x).arg(y)));
            }
        QVERIFY(anyLime(img, QRect(50, 3, 12, 12)));
        QVERIFY(!anyLime(img, QRect(330, 3, 12, 12)));
        QCOMPARE(QPoint(form.ToneMarkers[1].X, form.ToneMarkers[1].Y), QPoint(390 - 148, 53));
        int black = 0;  // the ring finger's 3 in the A5 disc
        for (int y = 48; y < 58; ++y)
            for (int x = 237; x < 247; ++x)
                black += at(img, x, y) == kBlack;
        QVERIFY(black > 5);

        // Hover and click follow the tones to their mirrored places.
        form.ChordMouseMove(form.Chord, {}, 390 - 334, 124);
        QCOMPARE(form.Chord->toolTip(), QStringLiteral("C. Click to play this tone"));
        form.ChordMouseDown(form.Chord, Qt::LeftButton, {}, 390 - 241, 76);
        QVERIFY(form.S3->IsOpen());
        show(form, 404);  // Em: the open B2 string is H in German
        form.ChordMouseMove(form.Chord, {}, 390 - 334, 122);
        QCOMPARE(form.Chord->toolTip(), QStringLiteral("H. Click to play this tone"));
    }

    void theSettingsComeFromTheFileAndTheCommandLineWins()
    {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        const QString path = WindowSettingsPath();
        QCOMPARE(path, dir.filePath(QStringLiteral("fretlore.conf")));
        struct Case {
            QByteArray file;
            QStringList options;
            DiagramOptions expected;
            bool complains;
        };
        const QList<Case> cases = {
            {"", {}, {false, false, Notation::English}, false},
            {"[diagram]\nleft-handed=true\nfingers=yes\nnotation=latin\n", {}, {true, true, Notation::Latin}, false},
            {"[diagram]\nleft-handed=true\nfingers=true\n", {"--right-handed", "--notation", "german"},
             {false, true, Notation::German}, false},
            {"[diagram]\nfingers=1\n", {"--no-fingers", "--left-handed"}, {true, false, Notation::English}, false},
            {"[diagram]\nleft-handed=maybe\nnotation=klingon\n", {"--fingers"}, {false, true, Notation::English},
             true},
        };
        for (const Case& c : cases) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(c.file);
            file.close();
            QString said;
            QTextStream out(&said);
            QTextStream err(&said);
            WindowSettings settings = ReadWindowSettings(path, err);
            QCOMPARE(AnswerCommandLine(QStringList{QStringLiteral("fretlore")} + c.options, out, err, &settings),
                     std::nullopt);
            err.flush();
            QCOMPARE(settings.LeftHanded, c.expected.LeftHanded);
            QCOMPARE(settings.Fingers, c.expected.Fingers);
            QCOMPARE(settings.Names, c.expected.Names);
            QCOMPARE(!said.isEmpty(), c.complains);
        }
        QString said;
        QTextStream quiet(&said);
        QCOMPARE(AnswerCommandLine({QStringLiteral("fretlore"), QStringLiteral("--notation"), QStringLiteral("x")}, quiet,
                                   quiet),
                 std::optional<int>(2));
        QFile::remove(path);
        QTextStream err(&said);
        QCOMPARE(ReadWindowSettings(path, err).LeftHanded, false);  // no file: the window as always
        qunsetenv("XDG_CONFIG_HOME");
    }

    void withoutASoundDeviceTheFirstToneSaysSoOnceAndPlaysOn()
    {
        qputenv("ALSA_CONFIG_PATH", "/nonexistent/alsa.conf");  // no device can open
        MediaSystem media;
        QTRY_VERIFY(media.Output().DeviceProblem() != nullptr);
        TForm1 form(&media);
        show(form, 1);
        QStringList reports;
        const auto answer = [&reports] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                reports << box->objectName() + u'|' + box->text();
                box->close();
            }
        };
        QTimer::singleShot(200, answer);
        form.ChordMouseDown(form.Chord, Qt::LeftButton, {}, 241, 78);  // D4
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports[0].startsWith(QLatin1String("ErrorReport|There is no sound device (")), qPrintable(reports[0]));
        QVERIFY(reports[0].endsWith(QLatin1String("): Fretlore PRO plays silently.")));
        QVERIFY(media.Midi().IsPlaying(2));  // on, silently

        QTimer::singleShot(200, answer);
        form.SoundPClick(form.SoundP);
        QTest::qWait(300);
        QCOMPARE(reports.size(), 1);  // told once
        QVERIFY(form.Timer1->Enabled());
        form.ListBoxClick(form.BitBtn1);
    }
};

FRETLORE_TEST_MAIN(DiagramTest)
#include "DiagramTest.moc"
