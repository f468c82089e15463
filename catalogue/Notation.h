// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace fretlore {

// How note names are written:
// - English: C C# D D# E F F# G G# A A#/Bb B;
// - German: as English, but B is H and Bb (A#) is B;
// - Latin: Do Re Mi Fa Sol La Si, with # and b (Sib).
enum class Notation { English, German, Latin };

// "english", "german" or "latin" (any letter case); nothing otherwise.
std::optional<Notation> ParseNotation(QStringView text);
QStringList NotationNames();
QString NotationName(Notation notation);

// A pitch class (0 = C to 11 = B) in a notation, with a sharp for a black key,
// or a flat with `preferFlat`. German writes pitch class 10 as B either way.
QString SpellPitchClass(int pitchClass, Notation notation, bool preferFlat = false);

// An English chord or note name with its note names rewritten into a
// notation: the root, the bass after a slash, both spellings in
// "C#(Db)m7" or "C#, Db". The kind's suffix is left as it is. English
// names come back unchanged.
QString InNotation(QStringView englishName, Notation notation);

// The note at the start of `text` in a notation (or in English when it reads
// as none in the notation): its pitch class and how many characters it takes.
struct NoteAtStart {
    int PitchClass = 0;
    qsizetype Length = 0;
};
std::optional<NoteAtStart> ReadNote(QStringView text, Notation notation);

} // namespace fretlore
