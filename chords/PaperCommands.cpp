// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that make pictures and files of voicings: draw, sheet, export.
#include "chords/PaperCommands.h"

#include "catalogue/ChordNames.h"
#include "catalogue/Tunings.h"
#include "catalogue/VoicingFinder.h"
#include "chords/ChordExport.h"
#include "chords/ChordSheet.h"
#include "chords/ChordsArguments.h"
#include "chords/ChordsProgram.h"
#include "chords/MusicCommands.h"
#include "chords/PictureFile.h"
#include "diagram/ChordDiagram.h"
#include "platform/FontSubstitutes.h"
#include "platform/TerminalText.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace fretlore {

namespace {

// A voicing a sheet or an export shows: its frets on the guitar, the hand
// for them, and its names.
struct ChosenVoicing {
    fretlore::Frets Frets{};
    std::optional<Fingering> Hand;
    QString English;  // as it sounds ("Bm"), or the catalogue's name
    QString Shape;    // as the shape is called under a capo; empty without one
};

bool isCatalogueReference(const QString& what)
{
    static const QRegularExpression reference(QStringLiteral("^\\d+$|:"));
    return reference.match(what).hasMatch();
}

// A NAME is its easiest voicing on the guitar; a LINE or NAME:N a catalogue
// line, named as it sounds on the guitar when that is not the catalogue's.
std::optional<ChosenVoicing> chooseVoicing(const VoicingLookup& lookup, const QString& what,
                                           const ChordsArguments& a, QString* error)
{
    const Instrument& guitar = a.Guitar;
    if (isCatalogueReference(what)) {
        const auto line = lookup.Line(what, error);
        if (!line)
            return std::nullopt;
        ChosenVoicing v{lookup.Entry(*line).Frets, BestFingering(lookup.Entry(*line).Frets), lookup.Entry(*line).Name,
                        {}};
        if (guitar != kStandardGuitar) {
            const std::vector<ChordCandidate> names = NameVoicing(v.Frets, guitar);
            if (!names.empty())
                v.English = names.front().Name;
            if (guitar.Capo > 0)
                v.Shape = lookup.Entry(*line).Name;
        }
        return v;
    }
    const auto name = ParseChordName(what, a.Notation);
    if (!name) {
        *error = QStringLiteral("no chord kind explains the name \"%1\"").arg(what);
        return std::nullopt;
    }
    const QString english = ChordNameText(*name);
    const auto easiest = EasiestVoicing(english, guitar);
    if (!easiest) {
        *error = QStringLiteral("no voicing of %1 is playable in %2").arg(english, GuitarText(guitar));
        return std::nullopt;
    }
    return ChosenVoicing{easiest->Frets, easiest->Hand, english,
                         guitar.Capo > 0 ? ChordNameText(ShapeOf(*name, guitar.Capo)) : QString()};
}

// The operands as names, split at blanks ("C Am F"), each once, in order.
QStringList namesOf(const QStringList& operands)
{
    QStringList names;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& operand : operands)
        for (const QString& n : operand.split(blanks, Qt::SkipEmptyParts))
            if (!names.contains(n))
                names << n;
    return names;
}

// The name above a chord: "Am", or "Am shape, sounds Bm" under a capo.
QString label(const ChosenVoicing& v, Notation notation)
{
    const QString sounding = InNotation(v.English, notation);
    if (v.Shape.isEmpty() || v.Shape == v.English)
        return sounding;
    return QStringLiteral("%1 shape, sounds %2").arg(InNotation(v.Shape, notation), sounding);
}

constexpr double kPaperSpacing = 40.0;  // a paper box's string spacing in a drawn picture, pixels
constexpr int kPaperNameHeight = 48;    // the band above the box that holds the name

// A paper chord box with its name above, as a picture or into an SVG.
void paintPaperPicture(QPainter& p, QSize size, const QString& name, const PaperChord& box, bool leftHanded)
{
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    p.setPen(Qt::black);
    p.setFont(PixelFont(QStringLiteral("MS Sans Serif"), kPaperNameHeight * 2 / 3, true));
    p.drawText(QRect(0, 0, size.width(), kPaperNameHeight), Qt::AlignCenter, name);
    PaintPaperDiagram(p, QRectF(0, kPaperNameHeight, size.width(), size.height() - kPaperNameHeight), box, leftHanded);
}

} // namespace

std::array<QString, kStringCount> StringNames(const Instrument& guitar, Notation notation, bool numbered)
{
    std::array<QString, kStringCount> names;
    for (int s = 0; s < kStringCount; ++s) {
        QString name = SpellPitchClass(guitar.OpenPitch[size_t(s)] % 12, notation);
        if (numbered) {
            if (s == kStringCount - 1)
                name = name.left(1).toLower() + name.mid(1);
            name += QString::number(GuitaristNumberOf(s));
        }
        names[size_t(s)] = name;
    }
    return names;
}

TextDiagram::Options ShowOptions(const ChordsArguments& a, const Frets& frets)
{
    TextDiagram::Options o;
    o.Glyphs = a.Ascii || !TerminalUsesUtf8() ? TextDiagram::Charset::Ascii : TextDiagram::Charset::Unicode;
    o.LeftHanded = a.LeftHanded;
    if (a.Fingers)
        o.Hand = BestFingering(frets);
    o.StringNames = StringNames(kStandardGuitar, a.Notation, true);
    const QStringList notes = StringNotes(frets, kStandardGuitar, a.Notation);
    o.Notes.emplace();
    for (int s = 0; s < kStringCount; ++s)
        (*o.Notes)[size_t(s)] = notes.value(s);
    return o;
}

int ChordsProgram::draw(const ChordsArguments& a)
{
    if (a.Operands.size() != 1)
        return fail(kBadInput, QStringLiteral("draw takes one chord name or line number (try draw --help)"));
    if (a.Output.isEmpty())
        return fail(kBadInput, QStringLiteral("draw needs -o FILE (.png or .svg)"));
    const PictureFile::Format format = PictureFile::FormatOf(a.Output);
    if (format != PictureFile::Format::Png && format != PictureFile::Format::Svg)
        return fail(kBadInput, QStringLiteral("%1: a diagram is written as .png or .svg").arg(a.Output));
    QString error;
    const auto line = lookup_.Line(a.Operands.front(), &error);
    if (!line)
        return fail(kBadInput, error);
    noteCatalogueTuning(a);
    const ChordEntry& entry = lookup_.Entry(*line);
    const std::optional<Fingering> hand = a.Fingers ? BestFingering(entry.Frets) : std::nullopt;

    if (a.Style == QLatin1String("paper")) {
        const PaperChord box{entry.Frets, hand, StringNames(kStandardGuitar, a.Notation, false)};
        const QString name = InNotation(entry.Name, a.Notation);
        const QSize size(qRound(PaperGeometry::kWidth * kPaperSpacing),
                         qRound(PaperGeometry::kHeight * kPaperSpacing) + kPaperNameHeight);
        const bool saved = PictureFile::Save(
            a.Output,
            [&](QIODevice& device, QString* reason) {
                QPainter p;
                if (format == PictureFile::Format::Svg) {
                    QSvgGenerator svg;
                    svg.setOutputDevice(&device);
                    svg.setSize(size);
                    svg.setViewBox(QRect(QPoint(0, 0), size));
                    svg.setTitle(name);
                    if (!p.begin(&svg)) {
                        *reason = QStringLiteral("the SVG did not start");
                        return false;
                    }
                    paintPaperPicture(p, size, name, box, a.LeftHanded);
                    return p.end();
                }
                QImage picture(size, QImage::Format_RGB32);
                p.begin(&picture);
                paintPaperPicture(p, size, name, box, a.LeftHanded);
                p.end();
                if (picture.save(&device, "PNG"))
                    return true;
                *reason = QStringLiteral("the picture did not encode");
                return false;
            },
            &error);
        return saved ? kDone : fail(kFailed, error);
    }
    QImage picture = DiagramTemplate();
    if (picture.isNull())
        return fail(kFailed, QStringLiteral("the diagram picture is missing from the program"));
    ToneMarkerArray markers;
    DrawChordDiagram(picture, entry.Frets, markers, {a.LeftHanded, a.Fingers});
    if (!PictureFile::SavePicture(picture, a.Output, &error))
        return fail(kFailed, error);
    return kDone;
}

int ChordsProgram::sheet(const ChordsArguments& a)
{
    if (a.Output.isEmpty())
        return fail(kBadInput, QStringLiteral("sheet needs -o FILE (.pdf, .svg or .png)"));
    if (PictureFile::FormatOf(a.Output) == PictureFile::Format::Unknown)
        return fail(kBadInput, QStringLiteral("%1: a sheet is written as .pdf, .svg or .png").arg(a.Output));
    const QStringList names = namesOf(a.Operands);
    if (names.isEmpty())
        return fail(kBadInput, QStringLiteral("sheet needs chord names (try sheet --help)"));
    std::vector<ChordSheet::Chord> chords;
    for (const QString& n : names) {
        QString error;
        const auto v = chooseVoicing(lookup_, n, a, &error);
        if (!v)
            return fail(kBadInput, error);
        chords.push_back({label(*v, a.Notation),
                          {v->Frets, a.Fingers ? v->Hand : std::nullopt, StringNames(a.Guitar, a.Notation, false)}});
    }
    const ChordSheet::Style style =
        a.Style == QLatin1String("window") ? ChordSheet::Style::Window : ChordSheet::Style::Paper;
    const ChordSheet sheet(std::move(chords), DiagramTemplate(), {style, a.LeftHanded});
    QString error;
    if (!sheet.Save(a.Output, &error))
        return fail(kFailed, error);
    return kDone;
}

int ChordsProgram::exportFiles(const ChordsArguments& a)
{
    if (a.Output.isEmpty())
        return fail(kBadInput, QStringLiteral("export needs -o FILE"));
    const auto format = ChordExport::FormatNamed(a.Format);
    if (!format)
        return fail(kBadInput, QStringLiteral("export needs --format chordpro or --format musicxml"));
    const QStringList names = namesOf(a.Operands);
    if (names.isEmpty())
        return fail(kBadInput, QStringLiteral("export needs chord names or line numbers (try export --help)"));
    std::vector<ChordExport::Voicing> voicings;
    for (const QString& n : names) {
        QString error;
        const auto v = chooseVoicing(lookup_, n, a, &error);
        if (!v)
            return fail(kBadInput, error);
        // The frets count from the capo: the names say what they make there.
        const QString english = v->Shape.isEmpty() ? v->English : v->Shape;
        voicings.push_back({english, InNotation(english, a.Notation), v->Frets, v->Hand});
    }
    QString error;
    if (!ChordExport::Save(*format, voicings, a.Output, &error))
        return fail(kFailed, error);
    return kDone;
}

} // namespace fretlore
