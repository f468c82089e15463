// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Tunings.h"

#include <QRegularExpression>

#include <cstdlib>

namespace fretlore {

const std::array<NamedTuning, 10> kNamedTunings = {{
    {"standard", {40, 45, 50, 55, 59, 64}},       // E2 A2 D3 G3 B3 E4
    {"drop-d", {38, 45, 50, 55, 59, 64}},         // D2 A2 D3 G3 B3 E4
    {"double-drop-d", {38, 45, 50, 55, 59, 62}},  // D2 A2 D3 G3 B3 D4
    {"dadgad", {38, 45, 50, 55, 57, 62}},         // D2 A2 D3 G3 A3 D4
    {"open-d", {38, 45, 50, 54, 57, 62}},         // D2 A2 D3 F#3 A3 D4
    {"open-e", {40, 47, 52, 56, 59, 64}},         // E2 B2 E3 G#3 B3 E4
    {"open-g", {38, 43, 50, 55, 59, 62}},         // D2 G2 D3 G3 B3 D4
    {"open-c", {36, 43, 48, 55, 60, 64}},         // C2 G2 C3 G3 C4 E4
    {"half-down", {39, 44, 49, 54, 58, 63}},      // Eb2 Ab2 Db3 Gb3 Bb3 Eb4
    {"full-down", {38, 43, 48, 53, 57, 62}},      // D2 G2 C3 F3 A3 D4
}};

namespace {

// The lowest and highest open pitches a string may be tuned to: a guitar
// string far outside them does not sound.
constexpr int kLowestOpenPitch = 24;   // C1
constexpr int kHighestOpenPitch = 76;  // E5

QString knownNames()
{
    return TuningNames().join(QStringLiteral(", "));
}

// The pitch class of a letter with an optional accidental ("F#", "Bb", "e"),
// or -1.
int pitchClassOf(QStringView note)
{
    static constexpr int kNaturals[] = {9, 11, 0, 2, 4, 5, 7};  // A to G
    if (note.isEmpty())
        return -1;
    const char16_t letter = QChar::toUpper(note[0].unicode());
    if (letter < u'A' || letter > u'G')
        return -1;
    int pc = kNaturals[letter - u'A'];
    for (QChar c : note.mid(1)) {
        if (c == u'#')
            ++pc;
        else if (c == u'b')
            --pc;
        else
            return -1;
    }
    return (pc + 12) % 12;
}

std::optional<Instrument> failWith(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return std::nullopt;
}

// The open pitches in `text`, each a note with an optional octave; with
// no octaves each takes the octave nearest standard tuning's string.
std::optional<Instrument> parsePitches(const QStringList& notes, const QString& text, QString* error)
{
    if (notes.size() != kStringCount)
        return failWith(error, QStringLiteral("a tuning has six pitches, low to high; \"%1\" has %2")
                                   .arg(text).arg(notes.size()));
    static const QRegularExpression form(QStringLiteral("^([A-Ga-g][#b]?)(-?[0-9])?$"));
    Instrument instrument;
    int withOctave = 0;
    for (int s = 0; s < kStringCount; ++s) {
        const auto m = form.match(notes[s]);
        const int pc = m.hasMatch() ? pitchClassOf(m.capturedView(1)) : -1;
        if (pc < 0)
            return failWith(error, QStringLiteral("\"%1\" in tuning \"%2\" is no note (write D2 or F#3 or Bb2)")
                                       .arg(notes[s], text));
        int pitch = 0;
        if (m.hasCaptured(2)) {
            ++withOctave;
            // The accidental may cross an octave: Cb3 is B2, B#2 is C3.
            const QStringView name = m.capturedView(1);
            const int natural = pitchClassOf(name.first(1));
            const int shift = name.size() > 1 ? (name[1] == u'#' ? 1 : -1) : 0;
            pitch = (m.capturedView(2).toInt() + 1) * 12 + natural + shift;
        } else {
            const int standard = kStandardTuning[size_t(s)];
            pitch = standard - ((standard - pc) % 12 + 12) % 12;  // at or below standard
            if (standard - pitch > 6)
                pitch += 12;  // nearer above
        }
        if (pitch < kLowestOpenPitch || pitch > kHighestOpenPitch)
            return failWith(error, QStringLiteral("\"%1\" in tuning \"%2\" is out of a guitar's range (C1 to E5)")
                                       .arg(notes[s], text));
        instrument.OpenPitch[size_t(s)] = pitch;
    }
    if (withOctave != 0 && withOctave != kStringCount)
        return failWith(error, QStringLiteral("tuning \"%1\": give every pitch its octave, or none").arg(text));
    return instrument;
}

// "DADGAD" or "EbAbDbGbBbEb": an upper-case letter starts each note; a
// text all in lower case is one letter per note.
QStringList splitLetters(const QString& text)
{
    QStringList notes;
    const bool allLower = text == text.toLower();
    for (QChar c : text) {
        const bool starts = allLower ? c != u'#' : (c.isUpper() || notes.isEmpty());
        if (starts)
            notes << QString(c);
        else
            notes.back() += c;
    }
    return notes;
}

} // namespace

QStringList TuningNames()
{
    QStringList names;
    for (const NamedTuning& t : kNamedTunings)
        names << QString::fromLatin1(t.Name.data(), qsizetype(t.Name.size()));
    return names;
}

std::optional<Instrument> ParseTuning(QStringView text, QString* error)
{
    const QString t = text.trimmed().toString();
    for (const NamedTuning& named : kNamedTunings)
        if (t.compare(QLatin1StringView(named.Name.data(), qsizetype(named.Name.size())), Qt::CaseInsensitive) == 0)
            return Instrument{named.OpenPitch, 0};
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    if (t.contains(separators))
        return parsePitches(t.split(separators, Qt::SkipEmptyParts), t, error);
    static const QRegularExpression letters(QStringLiteral("^[A-Ga-g#b]+$"));
    if (!t.isEmpty() && letters.match(t).hasMatch())
        return parsePitches(splitLetters(t), t, error);
    return failWith(error, QStringLiteral("unknown tuning \"%1\" (known: %2; or six pitches low to high such as "
                                          "D2,A2,D3,G3,B3,E4 or DADGAD)")
                               .arg(t, knownNames()));
}

std::optional<int> ParseCapo(QStringView text, QString* error)
{
    bool ok = false;
    const int capo = text.toInt(&ok);
    if (ok && capo >= 0 && capo <= kMaxCapo)
        return capo;
    if (error)
        *error = QStringLiteral("--capo takes a fret from 0 to %1, not \"%2\"").arg(kMaxCapo).arg(text);
    return std::nullopt;
}

QString TuningText(const Instrument& instrument)
{
    for (const NamedTuning& named : kNamedTunings)
        if (named.OpenPitch == instrument.OpenPitch)
            return QString::fromLatin1(named.Name.data(), qsizetype(named.Name.size()));
    QStringList pitches;
    for (int p : instrument.OpenPitch)
        pitches << PitchText(p);
    return pitches.join(u' ');
}

QString PitchText(int pitch)
{
    static constexpr const char* kNames[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    return QString::fromLatin1(kNames[((pitch % 12) + 12) % 12]) + QString::number(pitch / 12 - 1);
}

} // namespace fretlore
