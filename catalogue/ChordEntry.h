// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CatalogueLine.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace fretlore {

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
// blank appended; then six 2-character fields are taken in turn and read by
// ReadFretField. When a field does not convert, returns nothing and, if
// `error` is given, says which field and why.
std::optional<std::array<int, 6>> ReadFrets(QStringView fretText, QString* error = nullptr);

// The whole line: name and frets. Fails only where ReadFrets fails.
std::optional<ChordEntry> ReadChordEntry(QStringView line, QString* error = nullptr);

} // namespace fretlore
