// SPDX-License-Identifier: GPL-3.0-or-later
// fretlore-chords against the window and the catalogue: the naming of every
// catalogue voicing, the searches, the diagram, the chord sheet, and what
// bad input gets. The program is run as a user runs it.
#include "app/MainUnit.h"
#include "catalogue/ChordCatalogue.h"
#include "catalogue/ChordEntry.h"
#include "catalogue/FingeringNames.h"
#include "controls/ImageControl.h"
#include "controls/ListBoxControl.h"
#include "controls/SpeedButton.h"
#include "flat/TFlatComboBoxUnit.h"
#include "flat/TFlatEditUnit.h"

#include "../app/AppTestMain.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QSet>
#include <QSvgRenderer>
#include <QPainter>
#include <QTemporaryDir>

using namespace fretlore;

namespace {

// The lines the catalogue holds verbatim by hand; only they may break the musical rules.
const QSet<int> kQuotedLines = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 89, 404, 842, 855, 887, 888, 974, 1002, 1003, 1004, 1005, 1008};

struct Run {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Run chords(const QStringList& arguments, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(FRETLORE_CHORDS_EXE), arguments);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

QList<int> jsonLines(const QByteArray& json)
{
    QList<int> lines;
    for (const QJsonValue& v : QJsonDocument::fromJson(json).object().value(QStringLiteral("voicings")).toArray())
        lines << v.toObject().value(QStringLiteral("line")).toInt();
    return lines;
}

// Runs a search in the window again and again from nothing selected and
// collects the lines it shows until it comes round to the first again.
template <typename Search>
QList<int> windowHits(TForm1& form, Search search)
{
    QList<int> hits;
    form.ListBox->setCurrentRow(-1);
    for (int i = 0; i < kCatalogueLines; ++i) {
        search();
        form.setEnabled(true);  // after a not-found report
        const int row = form.ListBox->currentRow();
        if (row < 1 || (!hits.isEmpty() && row == hits.front()))
            break;
        hits << row;
    }
    return hits;
}

QImage rgb32(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class ChordsTest : public QObject {
    Q_OBJECT
private:
    QStringList catalogue_ = ChordCatalogue();

private slots:
    void namingListsEveryRightVoicingByItsOwnName()
    {
        int named = 0;
        int first = 0;
        QStringList misfits;
        for (int i = 1; i < catalogue_.size(); ++i) {
            const auto entry = ReadChordEntry(catalogue_[i]);
            QVERIFY(entry);
            const auto parts = SplitChordName(entry->Name);
            QVERIFY2(parts, qPrintable(entry->Name));
            const ChordKind& kind = ChordKinds[size_t(parts->Kind)];
            const int root = ChordRoots[size_t(parts->Root)].PitchClass;
            const ToneSet tones = TonesAbove(SoundedTones(entry->Frets), root);
            if ((tones & ~kind.Tones) != 0 || (tones & kind.Required) != kind.Required) {
                misfits << QStringLiteral("%1 (%2)").arg(i).arg(catalogue_[i].simplified());
                QVERIFY2(kQuotedLines.contains(i), qPrintable(catalogue_[i]));
                continue;
            }
            const auto candidates = NameFingering(entry->Frets);
            const auto own = std::find_if(candidates.begin(), candidates.end(), [&](const ChordCandidate& c) {
                return c.Root == parts->Root && c.Kind == parts->Kind;
            });
            QVERIFY2(own != candidates.end(), qPrintable(catalogue_[i]));
            ++named;
            if (BassPitchClass(entry->Frets) == root) {
                QVERIFY2(own == candidates.begin(),
                         qPrintable(catalogue_[i] + QStringLiteral(" is named first ") + candidates.front().Name));
                QCOMPARE(own->Name, entry->Name);
                ++first;
            }
        }
        qInfo("%d voicings named by their own name, %d of them first (root in the bass)", named, first);
        qInfo("quoted lines whose tones do not fit their names: %s", qPrintable(misfits.join(QStringLiteral("; "))));
        QCOMPARE(named + misfits.size(), catalogue_.size() - 1);

        // Off the catalogue: the bass note after the name, and a fingering no kind explains.
        const Run inversion = chords({QStringLiteral("name"), "0", "3", "2", "0", "1", "0"});
        QCOMPARE(inversion.code, 0);
        QVERIFY(inversion.out.startsWith("0 3 2 0 1 0: C/E\n"));
        if (!misfits.isEmpty()) {
            const auto misfit = ReadChordEntry(catalogue_[misfits.front().section(u' ', 0, 0).toInt()]);
            QStringList fields = {QStringLiteral("name")};
            for (int f : misfit->Frets)
                fields << (f < 0 ? QStringLiteral("x") : QString::number(f));
            QVERIFY(chords(fields).out.contains(": " + misfit->Name.toUtf8() + " (its tones do not make that chord)\n"));
        }
        const Run none = chords({QStringLiteral("name"), "0", "1", "2", "x", "x", "x"});
        QCOMPARE(none.code, 0);
        QCOMPARE(none.out, QByteArray("0 1 2 x x x: no chord kind explains these notes: E; A#, Bb; E\n"));
    }

    void findAndListGiveWhatTheWindowsSearchesShow()
    {
        TForm1 form;
        const QStringList prefixes = {"C ", "am", "c#(db)m", "db", "A#m7", "Bmaj7  ", " C", "G7/"};
        for (const QString& prefix : prefixes) {
            const QList<int> window = windowHits(form, [&] {
                form.Edit1->setEditText(prefix);
                form.BitBtn1Click(form.BitBtn1);
            });
            const Run cli = chords({QStringLiteral("list"), QStringLiteral("--json"), prefix});
            QCOMPARE(cli.code, window.isEmpty() ? 1 : 0);
            QCOMPARE(jsonLines(cli.out), window);
        }
        const QList<QStringList> looks = {{"x", "3", "2", "0", "1", "0"}, {"x", "0", "?", "?", "?", "?"},
                                          {"x", "?", "2", "?", "1", "0"}, {"X", "0", "2", "2", "?", "0"},
                                          {"6", "8", "8", "7", "6", "6"}, {"9", "9", "9", "9", "9", "9"}};
        TFlatEdit* const edits[6] = {form.Estr6, form.Estr5, form.Estr4, form.Estr3, form.Estr2, form.Estr1};
        for (const QStringList& look : looks) {
            const QList<int> window = windowHits(form, [&] {
                for (int s = 0; s < 6; ++s)
                    edits[s]->setText(look[s]);
                form.BitBtn2Click(form.BitBtn2);
            });
            const Run cli = chords(QStringList{QStringLiteral("find"), QStringLiteral("--json")} + look);
            QCOMPARE(cli.code, window.isEmpty() ? 1 : 0);
            QCOMPARE(jsonLines(cli.out), window);
        }
    }

    void drawIsTheWindowsDiagramPixelForPixel()
    {
        QTemporaryDir dir;
        TForm1 form;
        const int firstAm = int(std::find_if(catalogue_.begin() + 1, catalogue_.end(),
                                             [](const QString& l) { return ChordNameOf(l) == QLatin1String("Am"); }) -
                                catalogue_.begin());
        const QList<std::pair<QString, int>> cases = {
            {"1", 1}, {"2", 2}, {"404", 404}, {"842", 842}, {"Am", firstAm}, {"Am:2", firstAm + 1}};
        for (const auto& [what, line] : cases) {
            form.ListBox->setCurrentRow(line);
            form.ListBoxClick(form.BitBtn1);
            const QImage window = rgb32(form.Chord->Picture());
            const QString png = dir.filePath(QStringLiteral("d.png"));
            QCOMPARE(chords({QStringLiteral("draw"), what, QStringLiteral("-o"), png}).code, 0);
            QCOMPARE(rgb32(QImage(png)), window);
            const QString svg = dir.filePath(QStringLiteral("d.svg"));
            QCOMPARE(chords({QStringLiteral("draw"), what, QStringLiteral("-o"), svg}).code, 0);
            QSvgRenderer renderer(svg);
            QCOMPARE(renderer.viewBox(), QRect(QPoint(0, 0), window.size()));
            QImage drawn(window.size(), QImage::Format_RGB32);
            QPainter p(&drawn);
            renderer.render(&p);
            p.end();
            QCOMPARE(drawn, window);
        }
    }

    void aSheetOfEightNamesIsOneA4PageAndNamesThemAll()
    {
        QTemporaryDir dir;
        const QStringList names = {"C", "Am", "F", "G7", "Dm", "Em:2", "A#m7", "C#(Db)maj7"};
        const QString song = names.join(u' ') + QStringLiteral(" Am C");  // repeated names appear once
        const QString pdf = dir.filePath(QStringLiteral("song.pdf"));
        QCOMPARE(chords({QStringLiteral("sheet"), song, QStringLiteral("-o"), pdf}).code, 0);
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        if (!info.waitForFinished(30000) || info.exitStatus() != QProcess::NormalExit)
            QSKIP("pdfinfo (poppler-utils) is not installed");
        const QByteArray facts = info.readAllStandardOutput();
        QVERIFY2(facts.contains("Pages:           1\n"), facts.constData());
        QVERIFY2(facts.contains("(A4)"), facts.constData());

        const QString svg = dir.filePath(QStringLiteral("song.svg"));
        QCOMPARE(chords({QStringLiteral("sheet"), song, QStringLiteral("-o"), svg}).code, 0);
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const QString& name : names)
            QCOMPARE(text.count(u'>' + name.section(u':', 0, 0) + u'<'), 1);
    }

    void tuningCapoAndNotationFollowTheGuitar()
    {
        // A shape under a capo has two names; JSON carries both, the hand and its cost.
        const Run capo = chords({"name", "--capo", "2", "x", "0", "2", "2", "1", "0"});
        QVERIFY(capo.out.startsWith("x 0 2 2 1 0 in standard tuning, capo 2: Am shape, sounds Bm\n"));
        const QJsonObject named = QJsonDocument::fromJson(
            chords({"name", "--json", "--capo", "2", "--notation", "german", "x", "0", "2", "2", "1", "0"}).out).object();
        const QJsonObject best = named.value("candidates").toArray().first().toObject();
        QCOMPARE(best.value("name").toString(), QStringLiteral("Hm"));
        QCOMPARE(best.value("name_english").toString(), QStringLiteral("Bm"));
        QCOMPARE(best.value("shape_name").toString(), QStringLiteral("Am"));
        QCOMPARE(named.value("fingers").toArray(), QJsonArray({QJsonValue(), 0, 2, 3, 1, 0}));
        QVERIFY(named.value("cost").isDouble());
        QVERIFY(chords({"name", "--tuning", "drop-d", "0", "0", "0", "x", "x", "x"}).out.startsWith(
            "0 0 0 x x x in drop-d tuning: D5\n"));

        // The easiest Am is the open grip, marked as the catalogue's own line.
        const QJsonObject am = QJsonDocument::fromJson(chords({"voicings", "--json", "--max", "1", "Am"}).out).object();
        const QJsonArray found = am.value("voicings").toArray();
        QCOMPARE(found.size(), 1);
        const QJsonObject open = found.first().toObject();
        QCOMPARE(open.value("frets").toArray(), QJsonArray({QJsonValue(), 0, 2, 2, 1, 0}));
        QCOMPARE(open.value("fingers").toArray(), QJsonArray({QJsonValue(), 0, 2, 3, 1, 0}));
        const int line = open.value("catalogue_line").toInt();
        QVERIFY(catalogue_.value(line).startsWith(QLatin1String("Am ")));
        const Run dadgad = chords({"voicings", "--tuning", "DADGAD", "--max", "2", "Dsus4"});
        QCOMPARE(dadgad.code, 0);
        QVERIFY(dadgad.out.contains(" voicings, the easiest 2:\n"));
        QVERIFY(dadgad.out.startsWith("Dsus4 in dadgad tuning: "));
        QCOMPARE(dadgad.out.count('\n'), 3);

        // The catalogue's lines stay as they are, and the program says so once.
        const Run list = chords({"list", "--tuning", "open-g"});
        QCOMPARE(list.out, chords({"list"}).out);
        QVERIFY(list.err.contains("standard tuning") && list.err.count('\n') == 1);
        const QJsonObject shown =
            QJsonDocument::fromJson(chords({"show", "--json", "--notation", "latin", "Bm:1"}).out).object();
        const QJsonObject bm = shown.value("voicings").toArray().first().toObject();
        QCOMPARE(bm.value("name").toString(), QStringLiteral("Sim"));
        QCOMPARE(bm.value("name_english").toString(), QStringLiteral("Bm"));
        QVERIFY(bm.value("fingers").isArray() && bm.value("cost").isDouble());
        QVERIFY(chords({"find", "--capo", "2", "x", "0", "2", "2", "1", "0"}).out.contains("sounds Bm\n"));
    }

    void badInputGetsOneLineAndAnExitCode()
    {
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("kept.png"));
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old");
        file.close();
        const QString notADir = kept + QStringLiteral("/x.png");
        QProcessEnvironment noSound = QProcessEnvironment::systemEnvironment();
        noSound.insert(QStringLiteral("ALSA_CONFIG_PATH"), QStringLiteral("/dev/null"));

        const QList<std::pair<QStringList, int>> cases = {
            {{"frobnicate"}, 2},
            {{"show", "Xm"}, 2},
            {{"show", "am"}, 2},
            {{"show", "0"}, 2},
            {{"show", "1009"}, 2},
            {{"show", "Am:99"}, 2},
            {{"show"}, 2},
            {{"list", "--ascii"}, 2},
            {{"name", "x", "3", "2", "0", "1"}, 2},
            {{"name", "x", "3", "2", "0", "1", "0", "0"}, 2},
            {{"name", "x", "3", "2", "a", "1", "0"}, 2},
            {{"name", "x", "3", "2", "0", "1", "25"}, 2},
            {{"find", "x", "3", "2", "0", "1", "b"}, 2},
            {{"find", "9", "9", "9", "9", "9", "9"}, 1},
            {{"draw", "Am"}, 2},
            {{"draw", "Xm", "-o", kept}, 2},
            {{"draw", "Am", "-o", dir.filePath("d.gif")}, 2},
            {{"draw", "Am", "-o", notADir}, 3},
            {{"sheet", "C Xm", "-o", dir.filePath("s.pdf")}, 2},
            {{"sheet", "C Am", "-o", notADir}, 3},
            {{"play", "--string", "7", "Am"}, 2},
            {{"play", "Xm"}, 2},
            {{"play", "Am"}, 3},
            {{"name", "--tuning", "drop-q", "0", "0", "0", "x", "x", "x"}, 2},
            {{"voicings", "C", "--tuning", "D2,A2,D3,G3,B3"}, 2},
            {{"find", "--tuning", "DADGADE", "0", "0", "0", "x", "x", "x"}, 2},
            {{"voicings", "Am", "--capo", "13"}, 2},
            {{"voicings", "Xy"}, 2},
            {{"voicings", "Am", "--notation", "klingon"}, 2},
            {{"voicings", "Am", "--max", "0"}, 2},
            {{"list", "--max", "3"}, 2},
            {{"name", "--capo", "12", "x", "13", "12", "12", "12", "x"}, 2},
        };
        for (const auto& [arguments, code] : cases) {
            const Run r = chords(arguments, noSound);
            const QByteArray what = arguments.join(u' ').toUtf8();
            QVERIFY2(r.code == code, what + " exits " + QByteArray::number(r.code));
            QVERIFY2(r.out.isEmpty(), what + " wrote " + r.out);
            QVERIFY2(r.err.endsWith('\n') && r.err.count('\n') == 1, what + " said " + r.err);
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.png")});
        const QByteArray version = chords({"--version"}).out;
        QVERIFY2(version.startsWith("fretlore-chords " FRETLORE_VERSION "\n")
                     && version.contains("\nLicence GPL-3.0-or-later: GNU GPL version 3 or later"),
                 version);
        for (const QString command : {"list", "show", "find", "name", "voicings", "draw", "sheet", "play"}) {
            const Run help = chords({command, QStringLiteral("--help")});
            QCOMPARE(help.code, 0);
            QVERIFY(help.out.startsWith("Usage: fretlore-chords " + command.toUtf8()));
        }
    }
};

FRETLORE_TEST_MAIN(ChordsTest)
#include "ChordsTest.moc"
