// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <array>

namespace fretlore {

// The six fret edits' texts in catalogue column order: E6 (Estr6) first, e1 (Estr1) last.
using FretTexts = std::array<QString, 6>;

// The text a fret edit holds for the search: a single character gets a blank
// appended ("3" becomes "3 ", "x" becomes "x "), the way the catalogue writes
// one-character fields; any other text, empty or longer, is returned as it is.
QString PaddedFretText(const QString& text);

// The search by look's line test. For each string, the (padded) edit text is
// compared as text with the line's two-character fret field of that string
// (characters 17-18 for E6 up to 27-28 for e1, as catalogue/CatalogueLine.h
// lays a line out), letter case of a to z ignored; whole strings, so the
// lengths must agree too. "? " agrees with any field.
// Fields are not read as numbers: "03" agrees with no field, "1 " not with
// "13", and an irregular field such as "x6" only with "x6", "X6" or "? ".
// An empty text agrees with no field of a catalogue line.
class LookTest {
public:
    explicit LookTest(const FretTexts& frets);

    bool operator()(QStringView line) const;

private:
    FretTexts upper_;                 // the edit texts, a to z upper-cased
    std::array<bool, 6> anyFret_{};  // the text is the wildcard "? "
};

} // namespace fretlore
