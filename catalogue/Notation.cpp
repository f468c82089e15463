// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Notation.h"

#include <array>

namespace fretlore {

namespace {

// The natural notes, C first, in each notation; German's B is its own note
// (pitch class 10), its H the natural 11.
constexpr std::array<const char*, 7> kEnglishNaturals = {"C", "D", "E", "F", "G", "A", "B"};
constexpr std::array<const char*, 7> kLatinNaturals = {"Do", "Re", "Mi", "Fa", "Sol", "La", "Si"};
constexpr std::array<int, 7> kNaturalPitch = {0, 2, 4, 5, 7, 9, 11};

struct Spelling {
    int Natural;      // index into the naturals
    int Accidental;   // -1 flat, 0, +1 sharp
};

Spelling spell(int pitchClass, bool preferFlat)
{
    static constexpr std::array<int, 12> kSharpNatural = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
    static constexpr std::array<int, 12> kFlatNatural = {0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6};
    const int natural = preferFlat ? kFlatNatural[size_t(pitchClass)] : kSharpNatural[size_t(pitchClass)];
    return {natural, pitchClass - kNaturalPitch[size_t(natural)]};
}

QString accidental(int a)
{
    return a > 0 ? QStringLiteral("#") : a < 0 ? QStringLiteral("b") : QString();
}

// A note's spelling in English at the start of `text` (letter, then at
// most one # or b), or nothing.
std::optional<std::pair<Spelling, qsizetype>> readEnglish(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    int natural = -1;
    for (int n = 0; n < 7; ++n)
        if (text[0] == QLatin1Char(kEnglishNaturals[size_t(n)][0]))
            natural = n;
    if (natural < 0)
        return std::nullopt;
    if (text.size() > 1 && (text[1] == u'#' || text[1] == u'b'))
        return std::make_pair(Spelling{natural, text[1] == u'#' ? 1 : -1}, qsizetype(2));
    return std::make_pair(Spelling{natural, 0}, qsizetype(1));
}

QString write(Spelling s, Notation notation)
{
    const int pc = (kNaturalPitch[size_t(s.Natural)] + s.Accidental + 12) % 12;
    switch (notation) {
    case Notation::English:
        break;
    case Notation::German:
        if (pc == 10)
            return QStringLiteral("B");
        if (pc == 11 && s.Natural == 6)
            return QStringLiteral("H");
        break;
    case Notation::Latin:
        return QLatin1String(kLatinNaturals[size_t(s.Natural)]) + accidental(s.Accidental);
    }
    return QLatin1String(kEnglishNaturals[size_t(s.Natural)]) + accidental(s.Accidental);
}

} // namespace

std::optional<Notation> ParseNotation(QStringView text)
{
    const QStringList names = NotationNames();
    for (qsizetype i = 0; i < names.size(); ++i)
        if (text.compare(names[i], Qt::CaseInsensitive) == 0)
            return Notation(i);
    return std::nullopt;
}

QStringList NotationNames()
{
    return {QStringLiteral("english"), QStringLiteral("german"), QStringLiteral("latin")};
}

QString NotationName(Notation notation)
{
    return NotationNames().at(int(notation));
}

QString SpellPitchClass(int pitchClass, Notation notation, bool preferFlat)
{
    return write(spell(((pitchClass % 12) + 12) % 12, preferFlat), notation);
}

QString InNotation(QStringView englishName, Notation notation)
{
    if (notation == Notation::English)
        return englishName.toString();
    // A note starts the name, and follows "(", "/" and ", ".
    QString result;
    qsizetype i = 0;
    bool noteMayStart = true;
    while (i < englishName.size()) {
        if (noteMayStart) {
            if (const auto note = readEnglish(englishName.mid(i))) {
                result += write(note->first, notation);
                i += note->second;
                noteMayStart = false;
                continue;
            }
        }
        const QChar c = englishName[i++];
        result += c;
        noteMayStart = c == u'(' || c == u'/' || (c == u' ' && i >= 2 && englishName[i - 2] == u',');
    }
    return result;
}

std::optional<NoteAtStart> ReadNote(QStringView text, Notation notation)
{
    if (notation == Notation::Latin) {
        // "Sol" before "So..." and every syllable in any letter case at its start.
        for (int n = 0; n < 7; ++n) {
            const QLatin1StringView syllable(kLatinNaturals[size_t(n)]);
            if (!text.startsWith(syllable, Qt::CaseInsensitive))
                continue;
            qsizetype length = syllable.size();
            int pc = kNaturalPitch[size_t(n)];
            if (text.size() > length && (text[length] == u'#' || text[length] == u'b'))
                pc += text[length++] == u'#' ? 1 : -1;
            return NoteAtStart{(pc + 12) % 12, length};
        }
    }
    if (notation == Notation::German && !text.isEmpty()) {
        if (text[0] == u'H')
            return NoteAtStart{11, 1};
        if (text[0] == u'B' && !(text.size() > 1 && (text[1] == u'#' || text[1] == u'b')))
            return NoteAtStart{10, 1};
    }
    const auto note = readEnglish(text);
    if (!note)
        return std::nullopt;
    const Spelling s = note->first;
    return NoteAtStart{(kNaturalPitch[size_t(s.Natural)] + s.Accidental + 12) % 12, note->second};
}

} // namespace fretlore
