// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Instrument.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <string_view>

namespace fretlore {

// A tuning players know by name, lowest string first.
struct NamedTuning {
    std::string_view Name;  // "standard", "drop-d", ...
    std::array<int, kStringCount> OpenPitch;
};

extern const std::array<NamedTuning, 10> kNamedTunings;

// The known names, in the order the help lists them.
QStringList TuningNames();

// The guitar a tuning names, without a capo. `text` is one of the known
// names, six pitches low to high with their octaves ("D2,A2,D3,G3,B3,E4",
// commas or blanks between them), or six letters ("DADGAD", "EbAbDbGbBbEb",
// "D A D G A D"), each string taking the octave nearest to its pitch in
// standard tuning. Nothing, with one line saying why in `error`, otherwise.
std::optional<Instrument> ParseTuning(QStringView text, QString* error);

// A capo position, 0 to kMaxCapo; nothing, with the reason in `error`, otherwise.
std::optional<int> ParseCapo(QStringView text, QString* error);

// How a tuning is written back: its name when it has one, otherwise its
// pitches ("D2 A2 D3 G3 B3 E4"). The capo is not part of it.
QString TuningText(const Instrument& instrument);

// A MIDI pitch with its octave in English letters, sharps for black keys ("F#3").
QString PitchText(int pitch);

} // namespace fretlore
