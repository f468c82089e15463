// SPDX-License-Identifier: GPL-3.0-or-later
#include "chords/ChordExport.h"

#include "chords/PictureFile.h"
#include "diagram/PaperDiagram.h"

#include <QRegularExpression>
#include <QXmlStreamWriter>

#include <algorithm>

namespace fretlore {

namespace {

// A note name at the start of a chord name: a letter, a sharp or flat, and
// the other spelling of the same note in brackets ("C#(Db)").
const QRegularExpression& notePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^([A-G])([#b]?)(\\([A-G][#b]\\))?"));
    return pattern;
}

struct Note {
    QString Step;
    int Alter = 0;
};

std::optional<Note> noteAt(QStringView text, qsizetype* length)
{
    const QRegularExpressionMatch m = notePattern().match(text);
    if (!m.hasMatch())
        return std::nullopt;
    *length = m.capturedLength(0);
    return Note{m.captured(1), m.captured(2) == QLatin1String("#") ? 1 : m.captured(2) == QLatin1String("b") ? -1 : 0};
}

// A chord name taken apart: root, the kind's suffix, and a named bass.
struct NameParts {
    Note Root;
    QString Suffix;
    std::optional<Note> Bass;
};

std::optional<NameParts> partsOf(const QString& name)
{
    qsizetype length = 0;
    const auto root = noteAt(name, &length);
    if (!root)
        return std::nullopt;
    NameParts parts{*root, name.mid(length), std::nullopt};
    const qsizetype slash = parts.Suffix.lastIndexOf(u'/');
    if (slash >= 0) {
        qsizetype bassLength = 0;
        const QString after = parts.Suffix.mid(slash + 1);
        if (const auto bass = noteAt(after, &bassLength); bass && bassLength == after.size()) {
            parts.Bass = bass;
            parts.Suffix.truncate(slash);
        }
    }
    return parts;
}

// A chord tone a MusicXML kind does not hold: added, or the kind's own one altered.
struct Degree {
    int Value;
    int Alter;
    const char* Type;  // "add", "alter"
};

struct XmlKind {
    const char* Suffix;
    const char* Value;
    std::vector<Degree> Degrees;
};

// The kinds by the suffix the program writes, as MusicXML names them.
const std::vector<XmlKind>& xmlKinds()
{
    static const std::vector<XmlKind> kinds = {
        {"", "major", {}},
        {"m", "minor", {}},
        {"5+", "augmented", {}},
        {"5-", "major", {{5, -1, "alter"}}},
        {"6", "major-sixth", {}},
        {"6/9", "major-sixth", {{9, 0, "add"}}},
        {"7", "dominant", {}},
        {"7/5+", "augmented-seventh", {}},
        {"7/5-", "dominant", {{5, -1, "alter"}}},
        {"7/9", "dominant-ninth", {}},
        {"9", "dominant-ninth", {}},
        {"7/9/5+", "dominant-ninth", {{5, 1, "alter"}}},
        {"7/9/5-", "dominant-ninth", {{5, -1, "alter"}}},
        {"11", "dominant-11th", {}},
        {"13", "dominant-13th", {}},
        {"dim", "diminished", {}},
        {"dim7", "diminished-seventh", {}},
        {"m7b5", "half-diminished", {}},
        {"m/maj7", "major-minor", {}},
        {"m6", "minor-sixth", {}},
        {"m6/9", "minor-sixth", {{9, 0, "add"}}},
        {"m7", "minor-seventh", {}},
        {"m7/9", "minor-ninth", {}},
        {"m9", "minor-ninth", {}},
        {"maj7", "major-seventh", {}},
        {"maj9", "major-ninth", {}},
        {"sus2", "suspended-second", {}},
        {"sus4", "suspended-fourth", {}},
        {"7sus4", "suspended-fourth", {{7, -1, "add"}}},
        {"add9", "major", {{9, 0, "add"}}},
        {"m(add9)", "minor", {{9, 0, "add"}}},
        {"5", "power", {}},
    };
    return kinds;
}

// The ChordPro name: a root written two ways is written the first way.
QString chordProName(const ChordExport::Voicing& v)
{
    QString name = v.ShownName.isEmpty() ? v.Name : v.ShownName;
    static const QRegularExpression twoWays(QStringLiteral("\\([A-G][#b]\\)"));
    return name.remove(twoWays).remove(u' ');
}

void writeNote(QXmlStreamWriter& xml, const char* element, const Note& note)
{
    xml.writeStartElement(QLatin1String(element));
    xml.writeTextElement(QLatin1String(element) + QLatin1String("-step"), note.Step);
    if (note.Alter != 0)
        xml.writeTextElement(QLatin1String(element) + QLatin1String("-alter"), QString::number(note.Alter));
    xml.writeEndElement();
}

// The kind, a named bass, and the tones the kind's MusicXML name does not hold, in MusicXML's order.
void writeKind(QXmlStreamWriter& xml, const QString& suffix, const std::optional<Note>& bass)
{
    const auto& kinds = xmlKinds();
    const auto kind = std::find_if(kinds.begin(), kinds.end(),
                                   [&](const XmlKind& k) { return suffix == QLatin1String(k.Suffix); });
    xml.writeStartElement(QStringLiteral("kind"));
    xml.writeAttribute(QStringLiteral("text"), suffix);
    xml.writeCharacters(kind == kinds.end() ? QStringLiteral("other") : QLatin1String(kind->Value));
    xml.writeEndElement();
    if (bass)
        writeNote(xml, "bass", *bass);
    if (kind == kinds.end())
        return;
    for (const Degree& d : kind->Degrees) {
        xml.writeStartElement(QStringLiteral("degree"));
        xml.writeTextElement(QStringLiteral("degree-value"), QString::number(d.Value));
        xml.writeTextElement(QStringLiteral("degree-alter"), QString::number(d.Alter));
        xml.writeTextElement(QStringLiteral("degree-type"), QLatin1String(d.Type));
        xml.writeEndElement();
    }
}

void writeFrame(QXmlStreamWriter& xml, const ChordExport::Voicing& v)
{
    const int first = PaperFirstFret(v.Frets);
    const int last = *std::max_element(v.Frets.begin(), v.Frets.end());
    const std::vector<Barre> barres = v.Hand ? BarresOf(v.Frets, *v.Hand) : std::vector<Barre>();
    xml.writeStartElement(QStringLiteral("frame"));
    xml.writeAttribute(QStringLiteral("unplayed"), QStringLiteral("x"));
    xml.writeTextElement(QStringLiteral("frame-strings"), QString::number(kStringCount));
    xml.writeTextElement(QStringLiteral("frame-frets"), QString::number(std::max(PaperGeometry::kFrets, last - first + 1)));
    xml.writeTextElement(QStringLiteral("first-fret"), QString::number(first));
    for (int s = 0; s < kStringCount; ++s) {
        const int fret = v.Frets[size_t(s)];
        if (fret < 0)
            continue;
        xml.writeStartElement(QStringLiteral("frame-note"));
        xml.writeTextElement(QStringLiteral("string"), QString::number(GuitaristNumberOf(s)));
        xml.writeTextElement(QStringLiteral("fret"), QString::number(fret));
        if (fret > 0 && v.Hand && v.Hand->Fingers[size_t(s)] > 0)
            xml.writeTextElement(QStringLiteral("fingering"), QString::number(v.Hand->Fingers[size_t(s)]));
        for (const Barre& b : barres)
            if (fret == b.Fret && (s == b.LowString || s == b.HighString)) {
                xml.writeEmptyElement(QStringLiteral("barre"));
                xml.writeAttribute(QStringLiteral("type"), s == b.LowString ? QStringLiteral("start") : QStringLiteral("stop"));
            }
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void writeAttributes(QXmlStreamWriter& xml)
{
    xml.writeStartElement(QStringLiteral("attributes"));
    xml.writeTextElement(QStringLiteral("divisions"), QStringLiteral("1"));
    xml.writeStartElement(QStringLiteral("key"));
    xml.writeTextElement(QStringLiteral("fifths"), QStringLiteral("0"));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("time"));
    xml.writeTextElement(QStringLiteral("beats"), QStringLiteral("4"));
    xml.writeTextElement(QStringLiteral("beat-type"), QStringLiteral("4"));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("clef"));
    xml.writeTextElement(QStringLiteral("sign"), QStringLiteral("G"));
    xml.writeTextElement(QStringLiteral("line"), QStringLiteral("2"));
    xml.writeTextElement(QStringLiteral("clef-octave-change"), QStringLiteral("-1"));
    xml.writeEndElement();
    xml.writeEndElement();
}

} // namespace

std::optional<ChordExport::Format> ChordExport::FormatNamed(const QString& name)
{
    if (name == QLatin1String("chordpro"))
        return Format::ChordPro;
    if (name == QLatin1String("musicxml"))
        return Format::MusicXml;
    return std::nullopt;
}

QString ChordExport::ChordPro(const std::vector<Voicing>& voicings)
{
    QString text;
    for (const Voicing& v : voicings) {
        const int base = PaperFirstFret(v.Frets);
        QStringList frets;
        QStringList fingers;
        for (int s = 0; s < kStringCount; ++s) {
            const int f = v.Frets[size_t(s)];
            frets << (f < 0 ? QStringLiteral("x") : f == 0 ? QStringLiteral("0") : QString::number(f - base + 1));
            fingers << QString::number(f > 0 && v.Hand ? v.Hand->Fingers[size_t(s)] : 0);
        }
        text += QStringLiteral("{define: %1 base-fret %2 frets %3").arg(chordProName(v)).arg(base).arg(frets.join(u' '));
        if (v.Hand)
            text += QStringLiteral(" fingers ") + fingers.join(u' ');
        text += QStringLiteral("}\n");
    }
    return text;
}

QByteArray ChordExport::MusicXml(const std::vector<Voicing>& voicings)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument(QStringLiteral("1.0"), false);
    xml.writeDTD(QStringLiteral("<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
                                "\"http://www.musicxml.org/dtds/partwise.dtd\">"));
    xml.writeStartElement(QStringLiteral("score-partwise"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("4.0"));
    xml.writeStartElement(QStringLiteral("part-list"));
    xml.writeStartElement(QStringLiteral("score-part"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("P1"));
    xml.writeTextElement(QStringLiteral("part-name"), QStringLiteral("Guitar"));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("part"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("P1"));
    int number = 0;
    for (const Voicing& v : voicings) {
        xml.writeStartElement(QStringLiteral("measure"));
        xml.writeAttribute(QStringLiteral("number"), QString::number(++number));
        if (number == 1)
            writeAttributes(xml);
        xml.writeStartElement(QStringLiteral("harmony"));
        const auto parts = partsOf(v.Name);
        writeNote(xml, "root", parts ? parts->Root : Note{QStringLiteral("C"), 0});
        writeKind(xml, parts ? parts->Suffix : v.Name, parts ? parts->Bass : std::nullopt);
        writeFrame(xml, v);
        xml.writeEndElement();
        xml.writeStartElement(QStringLiteral("note"));
        xml.writeStartElement(QStringLiteral("rest"));
        xml.writeAttribute(QStringLiteral("measure"), QStringLiteral("yes"));
        xml.writeEndElement();
        xml.writeTextElement(QStringLiteral("duration"), QStringLiteral("4"));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

bool ChordExport::Save(Format format, const std::vector<Voicing>& voicings, const QString& path, QString* error)
{
    const QByteArray content = format == Format::ChordPro ? ChordPro(voicings).toUtf8() : MusicXml(voicings);
    return PictureFile::Save(
        path,
        [&](QIODevice& device, QString* reason) {
            if (device.write(content) == content.size())
                return true;
            *reason = device.errorString();
            return false;
        },
        error);
}

} // namespace fretlore
