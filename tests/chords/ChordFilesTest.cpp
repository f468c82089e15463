// SPDX-License-Identifier: GPL-3.0-or-later
// The files and pictures fretlore-chords makes for players and their other
// programs, read back: ChordPro definitions with a strict reader of the
// define syntax, MusicXML frames with Qt's XML reader, the paper sheet's
// marks, the left-handed diagram.
#include "catalogue/ChordCatalogue.h"
#include "catalogue/ChordEntry.h"
#include "catalogue/Fingering.h"

#include "../app/AppTestMain.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace fretlore;

namespace {

struct Run {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Run chords(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral(FRETLORE_CHORDS_EXE), arguments);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What an export must hold for one operand: the frets and name of its voicing.
struct Expected {
    QString Name;
    fretlore::Frets Frets{};
};

// A NAME's voicing is its easiest, as `voicings` ranks them; NAME:N and LINE a catalogue line.
Expected expectedFor(const QString& what)
{
    if (what.contains(u':') || what.front().isDigit()) {
        const QStringList catalogue = ChordCatalogue();
        const int line = what.contains(u':') ? -1 : what.toInt();
        int found = line;
        if (line < 0) {
            int n = 0;
            for (int i = 1; i < catalogue.size() && found < 0; ++i)
                if (ChordNameOf(catalogue[i]) == what.section(u':', 0, 0) && ++n == what.section(u':', 1).toInt())
                    found = i;
        }
        const auto entry = ReadChordEntry(catalogue[found]);
        return {entry->Name, entry->Frets};
    }
    const QJsonObject doc =
        QJsonDocument::fromJson(chords({QStringLiteral("voicings"), QStringLiteral("--json"), what}).out).object();
    const QJsonArray frets = doc[QStringLiteral("voicings")].toArray().first()[QStringLiteral("frets")].toArray();
    Expected e{doc[QStringLiteral("name")].toString(), {}};
    for (int s = 0; s < 6; ++s)
        e.Frets[size_t(s)] = frets[s].isNull() ? -1 : frets[s].toInt();
    return e;
}

// One {define} read strictly by the ChordPro syntax: "{define: NAME base-fret
// N frets P P P P P P [fingers F F F F F F]}", a position per string, lowest
// first: 0 open, x, X, N or -1 muted, else a fret counted from the base fret;
// a finger 0 to 9, A to Z, or -, x, X, N for none. Frets come back on the neck.
struct Definition {
    QString Name;
    int BaseFret = 0;
    fretlore::Frets Frets{};
    std::optional<std::array<QString, 6>> Fingers;
};

std::optional<Definition> readDefine(const QString& line)
{
    if (!line.startsWith(QLatin1String("{define:")) || !line.endsWith(u'}'))
        return std::nullopt;
    const QStringList t = line.mid(8, line.size() - 9).split(u' ', Qt::SkipEmptyParts);
    if (t.size() != 10 && t.size() != 17)
        return std::nullopt;
    Definition d{t[0], t[2].toInt(), {}, std::nullopt};
    if (t[1] != QLatin1String("base-fret") || d.BaseFret < 1 || t[3] != QLatin1String("frets"))
        return std::nullopt;
    const QStringList muted = {"x", "X", "N", "-1"};
    for (int s = 0; s < 6; ++s) {
        bool number = false;
        const int p = t[4 + s].toInt(&number);
        if (muted.contains(t[4 + s]))
            d.Frets[size_t(s)] = -1;
        else if (number && p >= 0)
            d.Frets[size_t(s)] = p == 0 ? 0 : p + d.BaseFret - 1;
        else
            return std::nullopt;
    }
    if (t.size() == 17) {
        if (t[10] != QLatin1String("fingers"))
            return std::nullopt;
        d.Fingers.emplace();
        static const QRegularExpression finger(QStringLiteral("^([0-9A-Z]|-|x|X|N)$"));
        for (int s = 0; s < 6; ++s) {
            if (!finger.match(t[11 + s]).hasMatch())
                return std::nullopt;
            (*d.Fingers)[size_t(s)] = t[11 + s];
        }
    }
    return d;
}

// One <harmony> of a MusicXML file, read back.
struct Frame {
    QString RootStep;
    int RootAlter = 0;
    QString Kind;
    QString BassStep;
    int Strings = 0;
    int FirstFret = 0;
    fretlore::Frets Frets = {-1, -1, -1, -1, -1, -1};
    std::array<int, 6> Fingers{};
    std::vector<std::pair<int, QString>> Barres;  // string index, start or stop
};

std::vector<Frame> readFrames(const QByteArray& xml, QString* version)
{
    std::vector<Frame> frames;
    QXmlStreamReader r(xml);
    int string = -1;
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView n = r.name();
        if (n == u"score-partwise")
            *version = r.attributes().value(QStringLiteral("version")).toString();
        if (n == u"harmony")
            frames.emplace_back();
        else if (n == u"root-step")
            frames.back().RootStep = r.readElementText();
        else if (n == u"root-alter")
            frames.back().RootAlter = r.readElementText().toInt();
        else if (n == u"kind")
            frames.back().Kind = r.readElementText();
        else if (n == u"bass-step")
            frames.back().BassStep = r.readElementText();
        else if (n == u"frame-strings")
            frames.back().Strings = r.readElementText().toInt();
        else if (n == u"first-fret")
            frames.back().FirstFret = r.readElementText().toInt();
        else if (n == u"string")
            string = 6 - r.readElementText().toInt();  // MusicXML's string 1 is the highest
        else if (n == u"fret")
            frames.back().Frets[size_t(string)] = r.readElementText().toInt();
        else if (n == u"fingering")
            frames.back().Fingers[size_t(string)] = r.readElementText().toInt();
        else if (n == u"barre")
            frames.back().Barres.emplace_back(string, r.attributes().value(QStringLiteral("type")).toString());
    }
    if (r.hasError())
        *version = r.errorString();
    return frames;
}

} // namespace

class ChordFilesTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    const QStringList operands_ = {"C", "Am", "F:3", "C#m7", "D/F#", "404"};

private slots:
    void chordProDefinesEveryVoicingStringByString()
    {
        const QString file = dir_.filePath(QStringLiteral("song.cho"));
        QStringList arguments = {QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("chordpro"),
                                 QStringLiteral("-o"), file};
        QCOMPARE(chords(arguments + operands_).code, 0);
        const QStringList lines = QString::fromUtf8(contents(file)).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), operands_.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const auto d = readDefine(lines[i]);
            QVERIFY2(d, qPrintable(lines[i]));
            const Expected e = expectedFor(operands_[i]);
            QCOMPARE(d->Name, QString(e.Name).remove(QStringLiteral("(Db)")).remove(QStringLiteral("(Gb)")));
            QCOMPARE(d->Frets, e.Frets);
            const auto hand = BestFingering(e.Frets);  // none for line 404's undamped muted strings
            QCOMPARE(d->Fingers.has_value(), hand.has_value());
            if (!hand)
                continue;
            for (size_t s = 0; s < 6; ++s)
                if (e.Frets[s] > 0)
                    QCOMPARE((*d->Fingers)[s], QString::number(hand->Fingers[s]));
        }
    }

    void musicXmlFramesHoldEveryStringAndBarre()
    {
        const QString file = dir_.filePath(QStringLiteral("song.musicxml"));
        QStringList arguments = {QStringLiteral("export"), QStringLiteral("--format"), QStringLiteral("musicxml"),
                                 QStringLiteral("-o"), file};
        QCOMPARE(chords(arguments + operands_).code, 0);
        QString version;
        const std::vector<Frame> frames = readFrames(contents(file), &version);
        QCOMPARE(version, QStringLiteral("4.0"));
        QCOMPARE(int(frames.size()), operands_.size());
        const QList<std::tuple<QString, int, QString, QString>> names = {
            {"C", 0, "major", ""},         {"A", 0, "minor", ""}, {"F", 0, "major", ""},
            {"C", 1, "minor-seventh", ""}, {"D", 0, "major", "F"}, {"E", 0, "minor", ""}};
        bool barreSeen = false;
        for (size_t i = 0; i < frames.size(); ++i) {
            const Frame& f = frames[i];
            const Expected e = expectedFor(operands_[qsizetype(i)]);
            const auto& [step, alter, kind, bass] = names[qsizetype(i)];
            QCOMPARE(f.RootStep, step);
            QCOMPARE(f.RootAlter, alter);
            QCOMPARE(f.Kind, kind);
            QCOMPARE(f.BassStep, bass);
            QCOMPARE(f.Strings, 6);
            QVERIFY(f.FirstFret >= 1);
            QCOMPARE(f.Frets, e.Frets);
            const auto hand = BestFingering(e.Frets);
            for (size_t s = 0; s < 6; ++s)
                QCOMPARE(f.Fingers[s], e.Frets[s] > 0 && hand ? hand->Fingers[s] : 0);
            std::vector<std::pair<int, QString>> barres;
            for (const Barre& b : hand ? BarresOf(e.Frets, *hand) : std::vector<Barre>()) {
                barres.emplace_back(b.LowString, QStringLiteral("start"));
                barres.emplace_back(b.HighString, QStringLiteral("stop"));
            }
            std::sort(barres.begin(), barres.end());
            std::vector<std::pair<int, QString>> read = f.Barres;
            std::sort(read.begin(), read.end());
            QCOMPARE(read, barres);
            barreSeen = barreSeen || !barres.empty();
        }
        QVERIFY(barreSeen);  // F:3 lies under a barre
    }

    void aSheetTakesTheEasiestVoicingsAndMarksTheirStrings()
    {
        // The open grips: Am x 0 2 2 1 0, Dm x x 0 2 3 1, E 0 2 2 1 0 0, A7 x 0 2 0 2 0.
        const QString song = QStringLiteral("Am Dm E A7");
        const QString cho = dir_.filePath(QStringLiteral("open.cho"));
        QCOMPARE(chords({QStringLiteral("export"), song, QStringLiteral("--format"), QStringLiteral("chordpro"),
                         QStringLiteral("-o"), cho})
                     .code,
                 0);
        const QList<Frets> open = {{-1, 0, 2, 2, 1, 0}, {-1, -1, 0, 2, 3, 1}, {0, 2, 2, 1, 0, 0}, {-1, 0, 2, 0, 2, 0}};
        const QStringList lines = QString::fromUtf8(contents(cho)).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), open.size());
        for (qsizetype i = 0; i < open.size(); ++i)
            QCOMPARE(readDefine(lines[i])->Frets, open[i]);

        // Their paper boxes: 4 x and 9 o over the strings, the string names under each box.
        const QString svg = dir_.filePath(QStringLiteral("open.svg"));
        QCOMPARE(chords({QStringLiteral("sheet"), song, QStringLiteral("-o"), svg}).code, 0);
        const QString text = QString::fromUtf8(contents(svg));
        QCOMPARE(text.count(QStringLiteral(">x<")), 4);
        QCOMPARE(text.count(QStringLiteral(">o<")), 9);
        QCOMPARE(text.count(QStringLiteral(">G<")), 4);
        QCOMPARE(text.count(QStringLiteral(">A7<")), 1);
        QVERIFY(!text.contains(QStringLiteral("#00ff00")));  // dark ink, not the window's lime
    }

    void aLeftHandedDiagramIsTheMirrorOutsideItsText()
    {
        for (const QString& what : {QStringLiteral("1"), QStringLiteral("F:3"), QStringLiteral("855")}) {
            const QString right = dir_.filePath(QStringLiteral("right.png"));
            const QString left = dir_.filePath(QStringLiteral("left.png"));
            QCOMPARE(chords({QStringLiteral("draw"), what, QStringLiteral("-o"), right}).code, 0);
            QCOMPARE(chords({QStringLiteral("draw"), QStringLiteral("--left-handed"), what, QStringLiteral("-o"), left})
                         .code,
                     0);
            const QImage mirrored = QImage(right).convertToFormat(QImage::Format_RGB32).mirrored(true, false);
            const QImage drawn = QImage(left).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(drawn.size(), mirrored.size());
            // The position number stands in the top band, read the usual way round.
            const int textBand = 20;
            int differing = 0;
            for (int y = textBand; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x)
                    differing += drawn.pixel(x, y) != mirrored.pixel(x, y);
            QCOMPARE(differing, 0);
            QCOMPARE(drawn.copy(0, 0, drawn.width(), textBand).mirrored(true, false) ==
                         QImage(right).convertToFormat(QImage::Format_RGB32).copy(0, 0, drawn.width(), textBand),
                     false);  // the number itself is not mirrored
        }
    }

    void badFilesGetOneLineAndTheUsualCodes()
    {
        const QTemporaryDir dir_;
        const QString notADir = QStringLiteral(FRETLORE_CHORDS_EXE) + QStringLiteral("/x.cho");
        const QList<std::pair<QStringList, int>> cases = {
            {{"export", "Am", "-o", dir_.filePath("a.cho")}, 2},
            {{"export", "Am", "--format", "abc", "-o", dir_.filePath("a.cho")}, 2},
            {{"export", "Xm", "--format", "chordpro", "-o", dir_.filePath("a.cho")}, 2},
            {{"export", "Am:99", "--format", "musicxml", "-o", dir_.filePath("a.xml")}, 2},
            {{"export", "Am", "--format", "chordpro"}, 2},
            {{"export", "Am", "--format", "chordpro", "-o", notADir}, 3},
            {{"sheet", "Am Hm7b9#11", "-o", dir_.filePath("s.pdf")}, 2},
            {{"draw", "--style", "paper", "Am", "-o", dir_.filePath("d.pdf")}, 2},
        };
        for (const auto& [arguments, code] : cases) {
            const Run r = chords(arguments);
            const QByteArray what = arguments.join(u' ').toUtf8();
            QVERIFY2(r.code == code, what + " exits " + QByteArray::number(r.code));
            QVERIFY2(r.err.count('\n') == 1, what + " said " + r.err);
        }
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList());
    }
};

FRETLORE_TEST_MAIN(ChordFilesTest)
#include "ChordFilesTest.moc"
