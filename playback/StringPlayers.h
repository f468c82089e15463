// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

class QObject;

namespace fretlore {

class MidiDevice;
class StringPlayer;

// The six players in column order: S1 (E6) first.
using StringPlayerSet = std::array<StringPlayer*, 6>;

// The MIDI file of player n (1 = E6 to 6 = e1) at an absolute fret: ExeDir,
// "mid/", the string number the file names count by (6 for E6 to 1 for e1),
// "-", the fret in two digits, ".mid".
QString StringFileName(const QString& exeDir, int player, int fret);

// The composed name of the player of a string (0 = E6): "S1" to "S6".
QString StringPlayerName(int string);

// Makes the six players as children of `parent`, S6 first, each named by its
// composed name and sounding its string on the device's slot of that string.
// `device` may be null: the players then fail every Open.
StringPlayerSet CreateStringPlayers(QObject* parent, MidiDevice* device);

// The players among `parent`'s direct children, found by their composed names
// (null where one is missing).
StringPlayerSet FindStringPlayers(const QObject* parent);

// For each player in order: close it, then clear its file name when its fret
// is below 0, or point it at the file of its string and fret.
void PrepareStringPlayers(const StringPlayerSet& players, const std::array<int, 6>& frets, const QString& exeDir);

// For each player in order: close it and clear its file name.
void SilenceStringPlayers(const StringPlayerSet& players);

} // namespace fretlore
