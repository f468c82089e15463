#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace fretlore {

// Fret value of a string that is not played.
inline constexpr int kMuted = -1;

// One catalogue line, read: the chord's name and the fret of each string in
// column order E6, A5, D4, G3, B2, e1 (-1 muted, 0 open, 1 and up fretted).
struct ChordEntry {
    QString Name;
    std::array<int, 6> Frets{};

    friend bool operator==(const ChordEntry&, const ChordEntry&) = default;
};

// The reading rule, split the way the diagram uses it.

// The fret text: everything from the 17th character on (empty for short text).
QString FretText(QStringView line);

// The name: the first 15 characters with trailing blanks removed.
QString ChordNameOf(QStringView line);

// The six frets of a fret text. A fret text of exactly 11 characters gets a
// blank appended; then six 2-character fields are taken in turn, a field whose
// second character is a blank losing it. A field that is exactly "x" is muted;
// any other is an integer (see ConvertFretField). When a field does not
// convert, returns nothing and, if `error` is given, says which field and why.
std::optional<std::array<int, 6>> ReadFrets(QStringView fretText, QString* error = nullptr);

// The whole line: name and frets. Fails only where ReadFrets fails.
std::optional<ChordEntry> ReadChordEntry(QStringView line, QString* error = nullptr);

// Integer conversion of one field: leading blanks skipped, an optional sign,
// then "$", "x", "X", "0x" or "0X" marking hexadecimal digits, otherwise
// decimal digits, and nothing after them. Values outside the 32-bit range,
// empty text and stray characters give nothing.
std::optional<int> ConvertFretField(QStringView field);

} // namespace fretlore
