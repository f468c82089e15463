// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Fingering.h"

#include <QString>

#include <array>
#include <optional>

namespace fretlore {

// A voicing as a text diagram for a terminal: the six strings as columns
// (E6 at the left) over four frets from the position number, which stands
// right of the first fret as the window prints it at the diagram's top
// right; a disc on every fretted tone, "o" over an open string and "x" over
// a muted one; under the grid the string names, the fret of each string and
// the note name of each sounded string. Tones more than four frets above
// the position fall outside the grid, as they fall outside the picture.
class TextDiagram {
public:
    enum class Charset { Unicode, Ascii };

    struct Options {
        Charset Glyphs = Charset::Unicode;
        // Mirrored as a left-handed player sees the neck: E6 at the right,
        // the position number left of the first fret; labels read as usual.
        bool LeftHanded = false;
        // With a hand, its finger numbers stand in place of the discs and a
        // barre is a bar across the strings it covers.
        std::optional<Fingering> Hand;
        // Under the grid, lowest string first.
        std::array<QString, 6> StringNames = {QStringLiteral("E6"), QStringLiteral("A5"), QStringLiteral("D4"),
                                              QStringLiteral("G3"), QStringLiteral("B2"), QStringLiteral("e1")};
        // The note of each string, lowest first; nothing: the note-name table's at the fret.
        std::optional<std::array<QString, 6>> Notes;
    };

    static QString Draw(const std::array<int, 6>& frets, Charset charset);
    static QString Draw(const std::array<int, 6>& frets, const Options& options);
};

} // namespace fretlore
