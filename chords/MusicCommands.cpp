// The commands that follow the tuning, the capo and the notation: voicings,
// and the shared writing of hands, guitars and names.
#include "chords/MusicCommands.h"

#include "catalogue/Tunings.h"
#include "catalogue/VoicingFinder.h"
#include "chords/ChordsArguments.h"
#include "chords/ChordsProgram.h"

#include <QJsonDocument>

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
    QString text = TuningText(guitar);
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

int ChordsProgram::voicings(const ChordsArguments& a)
{
    if (a.Operands.size() != 1)
        return fail(kBadInput, QStringLiteral("voicings takes one chord name (try voicings --help)"));
    const auto name = ParseChordName(a.Operands.front(), a.Notation);
    if (!name)
        return fail(kBadInput, QStringLiteral("no chord kind explains the name \"%1\"").arg(a.Operands.front()));
    const Instrument& guitar = a.Guitar;
    const std::vector<RankedVoicing> found = FindVoicings(name->Root, name->Kind, guitar, a.Max, name->Bass);
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
                        {QStringLiteral("voicings"), list}};
        if (a.Notation != Notation::English)
            doc.insert(QStringLiteral("name_english"), english);
        if (guitar.Capo > 0)
            doc.insert(QStringLiteral("shape_name"), shape);
        out_ << QJsonDocument(doc).toJson();
        return found.empty() ? kNothingFound : kDone;
    }
    out_ << spelled;
    if (guitar.Capo > 0)
        out_ << " (" << shape << " shape)";
    out_ << " in " << GuitarText(guitar) << ": " << found.size() << (found.size() == 1 ? " voicing" : " voicings")
         << ", easiest first\n";
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

} // namespace fretlore
