#pragma once

#include <QString>

#include <array>

namespace fretlore {

class StringPlayer;

// The six players in column order: S1 (E6) first.
using StringPlayerSet = std::array<StringPlayer*, 6>;

// The MIDI file of player n (1 = E6 to 6 = e1) at an absolute fret: ExeDir,
// "mid/", the string number 7 - n, "-", the fret in two digits, ".mid".
QString StringFileName(const QString& exeDir, int player, int fret);

// For each player in order: close it, then clear its file name when its fret
// is below 0, or point it at the file of its string and fret.
void PrepareStringPlayers(const StringPlayerSet& players, const std::array<int, 6>& frets, const QString& exeDir);

// For each player in order: close it and clear its file name.
void SilenceStringPlayers(const StringPlayerSet& players);

} // namespace fretlore
