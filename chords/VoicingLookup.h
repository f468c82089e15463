// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/ChordEntry.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace fretlore {

// Finds catalogue lines for what a user types: a line number ("762"), a
// chord name exactly as the catalogue writes it ("Am"), or a name with the
// number of one of its voicings ("Am:3", counting from 1).
class VoicingLookup {
public:
    // `catalogue`: the catalogue lines, line 0 first.
    explicit VoicingLookup(const QStringList& catalogue);

    // The lines `what` names: every voicing of a name, or the one line of a
    // number or a "name:n". Nothing, with the reason in `error`, when it
    // names none.
    std::optional<std::vector<int>> Lines(const QString& what, QString* error) const;

    // The one line `what` names: a name alone means its first voicing.
    std::optional<int> Line(const QString& what, QString* error) const;

    // The line read (every catalogue line reads; line 0 and lines beyond
    // the catalogue give an empty entry).
    const ChordEntry& Entry(int line) const;
    const QStringList& Catalogue() const { return catalogue_; }

private:
    QStringList catalogue_;
    std::vector<ChordEntry> entries_;  // one per line, read once
};

// "x 3 2 0 1 0": the frets of a voicing as a player writes them, E6 first.
QString FretsText(const std::array<int, 6>& frets);

} // namespace fretlore
