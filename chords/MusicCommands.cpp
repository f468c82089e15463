// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that follow the tuning, the capo and the notation: voicings,
// and the shared writing of hands, guitars and names.
#include "chords/MusicCommands.h"

#include "catalogue/Tunings.h"
#include "catalogue/VoicingFinder.h"
#include "chords/ChordsArguments.h"
#include "chords/ChordsProgram.h"
#include "chords/FretFields.h"

#include <QJsonDocument>

#include <algorithm>

namespace fretlore {

QString FingersText(const Frets& frets, const Fingering& hand)
{
    QStringList fields;
    for (int s = 0; s < kStringCount; ++s)
        fields << (frets[size_t(s)] < 0 ? QStringLiteral("x") : QString::number(hand.Fingers[size_t(s)]));
    return fields.join(u' ');
}

QJsonArray FretsJson(const Frets& frets)
{
    QJsonArray a;
    for (int f : frets)
        a.append(f < 0 ? QJsonValue() : QJsonValue(f));
    return a;
}

QJsonArray FingersJson(const Frets& frets, const Fingering& hand)
{
    QJsonArray a;
    for (int s = 0; s < kStringCount; ++s)
        a.append(frets[size_t(s)] < 0 ? QJsonValue() : QJsonValue(hand.Fingers[size_t(s)]));
    return a;
}

QString GuitarText(const Instrument& guitar)
{
    QString text = TuningText(guitar) + QStringLiteral(" tuning");
    if (guitar.Capo > 0)
        text += QStringLiteral(", capo %1").arg(guitar.Capo);
    return text;
}

ChordName ShapeOf(const ChordName& sounding, int capo)
{
    ChordName shape = sounding;
    shape.Root = ((sounding.Root - capo) % 12 + 12) % 12;
    if (sounding.Bass >= 0)
        shape.Bass = ((sounding.Bass - capo) % 12 + 12) % 12;
    return shape;
}

QStringList StringNotes(const Frets& frets, const Instrument& guitar, Notation notation)
{
    QStringList notes;
    for (int s = 0; s < kStringCount; ++s) {
        const int f = frets[size_t(s)];
        if (f < 0) {
            notes << QString();
            continue;
        }
        const int pc = guitar.PitchClass(s, f);
        const QString sharp = SpellPitchClass(pc, notation);
        const QString flat = SpellPitchClass(pc, notation, true);
        notes << (sharp == flat ? sharp : sharp + QStringLiteral(", ") + flat);
    }
    return notes;
}

QJsonObject ChordsProgram::voicingJson(const ChordEntry& entry, const ChordsArguments& a)
{
    const auto hand = BestFingering(entry.Frets);
    QJsonObject o{{QStringLiteral("name"), InNotation(entry.Name, a.Notation)},
                  {QStringLiteral("frets"), FretsJson(entry.Frets)},
                  {QStringLiteral("fingers"), hand ? QJsonValue(FingersJson(entry.Frets, *hand)) : QJsonValue()},
                  {QStringLiteral("cost"), hand ? QJsonValue(hand->Cost) : QJsonValue()}};
    if (a.Notation != Notation::English)
        o.insert(QStringLiteral("name_english"), entry.Name);
    return o;
}

void ChordsProgram::noteCatalogueTuning(const ChordsArguments& a)
{
    if (a.Guitar != kStandardGuitar)
        err_ << "fretlore-chords: the catalogue's voicings are for standard tuning without a capo; " << a.Command
             << " shows them so, not in " << GuitarText(a.Guitar) << Qt::endl;
}

int ChordsProgram::voicings(const ChordsArguments& a)
{
    if (a.Operands.size() != 1)
        return fail(kBadInput, QStringLiteral("voicings takes one chord name (try voicings --help)"));
    const auto name = ParseChordName(a.Operands.front(), a.Notation);
    if (!name)
        return fail(kBadInput, QStringLiteral("no chord kind explains the name \"%1\"").arg(a.Operands.front()));
    const Instrument& guitar = a.Guitar;
    std::vector<RankedVoicing> found = FindVoicings(name->Root, name->Kind, guitar, 0, name->Bass);
    const size_t total = found.size();
    if (a.Max > 0 && found.size() > size_t(a.Max))
        found.resize(size_t(a.Max));
    const QString english = ChordNameText(*name);
    const QString spelled = InNotation(english, a.Notation);
    const QString shape = InNotation(ChordNameText(ShapeOf(*name, guitar.Capo)), a.Notation);
    // In the catalogue's guitar, its own lines for the name are marked.
    const auto catalogueLine = [&](const Frets& frets) {
        if (guitar != kStandardGuitar)
            return 0;
        for (int line = 1; line < lookup_.Catalogue().size(); ++line)
            if (lookup_.Entry(line).Frets == frets && lookup_.Entry(line).Name == english)
                return line;
        return 0;
    };
    if (a.Json) {
        QJsonArray list;
        for (const RankedVoicing& v : found) {
            QJsonObject o{{QStringLiteral("frets"), FretsJson(v.Frets)},
                          {QStringLiteral("fingers"), FingersJson(v.Frets, v.Hand)},
                          {QStringLiteral("cost"), v.Hand.Cost}};
            if (const int line = catalogueLine(v.Frets))
                o.insert(QStringLiteral("catalogue_line"), line);
            list.append(o);
        }
        QJsonObject doc{{QStringLiteral("name"), spelled},
                        {QStringLiteral("tuning"), TuningText(guitar)},
                        {QStringLiteral("capo"), guitar.Capo},
                        {QStringLiteral("count"), qint64(total)},
                        {QStringLiteral("voicings"), list}};
        if (a.Notation != Notation::English)
            doc.insert(QStringLiteral("name_english"), english);
        if (guitar.Capo > 0)
            doc.insert(QStringLiteral("shape_name"), shape);
        out_ << QJsonDocument(doc).toJson();
        return found.empty() ? kNothingFound : kDone;
    }
    out_ << spelled;
    if (shape != spelled)
        out_ << " (" << shape << " shape)";
    out_ << " in " << GuitarText(guitar) << ": " << total << (total == 1 ? " voicing" : " voicings");
    if (found.size() < total)
        out_ << ", the easiest " << found.size() << ":\n";
    else
        out_ << ", easiest first\n";
    int rank = 0;
    for (const RankedVoicing& v : found) {
        out_ << QString::number(++rank).rightJustified(4) << "  " << FretsText(v.Frets).leftJustified(18)
             << "fingers " << FingersText(v.Frets, v.Hand) << "  cost " << v.Hand.Cost;
        if (const int line = catalogueLine(v.Frets))
            out_ << "  catalogue line " << line;
        out_ << '\n';
    }
    if (found.empty()) {
        err_ << "No voicing of " << spelled << " is playable in " << GuitarText(guitar) << Qt::endl;
        return kNothingFound;
    }
    return kDone;
}


namespace {

// The names of a candidate's tones that do not sound ("G, B"), in a notation.
QString leftOutTones(const ChordCandidate& c, ToneSet sounded, Notation notation)
{
    QStringList names;
    const ToneSet above = TonesAbove(sounded, c.Root);
    for (int i = 0; i < 12; ++i)
        if ((KnownKinds[size_t(c.Kind)].Tones & ~above) & (1u << i)) {
            const std::string_view n = ChordRoots[size_t((c.Root + i) % 12)].Name;
            names << InNotation(QString::fromLatin1(n.data(), qsizetype(n.size())), notation);
        }
    return names.join(QStringLiteral(", "));
}

QString rootName(int pitchClass, Notation notation)
{
    const std::string_view n = ChordRoots[size_t(pitchClass)].Name;
    return InNotation(QString::fromLatin1(n.data(), qsizetype(n.size())), notation);
}

QJsonObject candidateJson(const ChordCandidate& c, const ChordsArguments& a)
{
    QJsonObject o{{QStringLiteral("name"), InNotation(c.Name, a.Notation)},
                  {QStringLiteral("root"), rootName(c.Root, a.Notation)},
                  {QStringLiteral("kind"), QString::fromLatin1(KnownKinds[size_t(c.Kind)].Suffix.data(),
                                                               qsizetype(KnownKinds[size_t(c.Kind)].Suffix.size()))},
                  {QStringLiteral("bass"), rootName(c.Bass, a.Notation)},
                  {QStringLiteral("root_in_bass"), c.RootInBass},
                  {QStringLiteral("left_out"), c.LeftOut}};
    if (a.Notation != Notation::English)
        o.insert(QStringLiteral("name_english"), c.Name);
    if (a.Guitar.Capo > 0) {
        const ChordName shape = ShapeOf({c.Root, c.Kind, c.RootInBass ? -1 : c.Bass}, a.Guitar.Capo);
        o.insert(QStringLiteral("shape_name"), InNotation(ChordNameText(shape), a.Notation));
        if (InNotation(ChordNameText(shape), a.Notation) != ChordNameText(shape))
            o.insert(QStringLiteral("shape_name_english"), ChordNameText(shape));
    }
    return o;
}

} // namespace

QString ChordsProgram::soundingName(const ChordCandidate& c, const ChordsArguments& a)
{
    const QString sounds = InNotation(c.Name, a.Notation);
    if (a.Guitar.Capo == 0)
        return sounds;
    const ChordName shape = ShapeOf({c.Root, c.Kind, c.RootInBass ? -1 : c.Bass}, a.Guitar.Capo);
    const QString shapeName = InNotation(ChordNameText(shape), a.Notation);
    return shapeName == sounds ? sounds : shapeName + QStringLiteral(" shape, sounds ") + sounds;
}

int ChordsProgram::name(const ChordsArguments& a)
{
    QString error;
    const auto frets = FretFields::Fingering(a.Operands, &error);
    if (!frets)
        return fail(kBadInput, error);
    const Instrument& guitar = a.Guitar;
    if (*std::max_element(frets->begin(), frets->end()) + guitar.Capo > kNeckFrets)
        return fail(kBadInput, QStringLiteral("with a capo at %1 the frets go up to %2, counted from the capo")
                                   .arg(guitar.Capo)
                                   .arg(kNeckFrets - guitar.Capo));
    const std::vector<ChordCandidate> candidates = NameVoicing(*frets, guitar);
    const ToneSet sounded = SoundedTones(*frets, guitar);
    const auto hand = BestFingering(*frets);
    // Catalogue lines of this very fingering, when the catalogue's tuning
    // is the guitar's (with a capo, their names are the shape's).
    std::vector<int> same;
    if (guitar.OpenPitch == kStandardTuning)
        for (int i = 1; i < lookup_.Catalogue().size(); ++i)
            if (lookup_.Entry(i).Frets == *frets)
                same.push_back(i);
    // Whether a catalogue line's name is among the candidates: a few lines
    // typed in by hand carry names their tones do not make, and say so.
    const auto fits = [&](int line) {
        const auto parts = SplitChordName(lookup_.Entry(line).Name);
        return parts && std::any_of(candidates.begin(), candidates.end(), [&](const ChordCandidate& c) {
                   return (c.Root - guitar.Capo + 12) % 12 == parts->Root && c.Kind == parts->Kind;
               });
    };

    if (a.Json) {
        QJsonArray list;
        for (const ChordCandidate& c : candidates) {
            list.append(candidateJson(c, a));
        }
        QJsonArray lines;
        for (int line : same)
            lines.append(QJsonObject{{QStringLiteral("line"), line},
                                     {QStringLiteral("name"), InNotation(lookup_.Entry(line).Name, a.Notation)},
                                     {QStringLiteral("tones_fit_name"), fits(line)}});
        QJsonArray notes;
        for (const QString& n : StringNotes(*frets, guitar, a.Notation))
            notes.append(n.isEmpty() ? QJsonValue() : QJsonValue(n));
        out_ << QJsonDocument(QJsonObject{{QStringLiteral("frets"), FretsJson(*frets)},
                                          {QStringLiteral("notes"), notes},
                                          {QStringLiteral("fingers"), hand ? QJsonValue(FingersJson(*frets, *hand)) : QJsonValue()},
                                          {QStringLiteral("cost"), hand ? QJsonValue(hand->Cost) : QJsonValue()},
                                          {QStringLiteral("tuning"), TuningText(guitar)},
                                          {QStringLiteral("capo"), guitar.Capo},
                                          {QStringLiteral("candidates"), list},
                                          {QStringLiteral("catalogue"), lines}})
                    .toJson();
        return kDone;
    }

    out_ << FretsText(*frets);
    if (guitar != kStandardGuitar)
        out_ << " in " << GuitarText(guitar);
    out_ << ": ";
    if (candidates.empty()) {
        QStringList notes = StringNotes(*frets, guitar, a.Notation);
        notes.removeAll(QString());
        out_ << (notes.isEmpty() ? QStringLiteral("no string sounds") + u'\n'
                                 : QStringLiteral("no chord kind explains these notes: ") + notes.join(QStringLiteral("; ")) + u'\n');
    } else {
        out_ << soundingName(candidates.front(), a) << '\n';
        for (const ChordCandidate& c : candidates) {
            const QString text = soundingName(c, a);
            out_ << "  " << text;
            if (c.LeftOut > 0)
                out_ << QString(std::max(1, 21 - int(text.size())), u' ') << "leaves out "
                     << leftOutTones(c, sounded, a.Notation);
            out_ << '\n';
        }
    }
    for (int line : same)
        out_ << "  catalogue line " << line << ": " << InNotation(lookup_.Entry(line).Name, a.Notation)
             << (fits(line) ? "" : " (its tones do not make that chord)") << '\n';
    return kDone;
}

} // namespace fretlore
