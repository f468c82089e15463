// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "search/LookTest.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace fretlore {

// The six fret fields a user types on the command line, E6 first.
class FretFields {
public:
    // A fingering to name: "x" (or "X") for a string not played, otherwise
    // a fret number 0 to 24.
    static std::optional<std::array<int, 6>> Fingering(const QStringList& fields, QString* error);

    // A look to search for, as the fret edits take it: "?" for any fret,
    // "x" for a string not played, or a fret number of one or two digits,
    // each padded the way the edits pad it.
    static std::optional<FretTexts> Look(const QStringList& fields, QString* error);
};

} // namespace fretlore
