#pragma once

#include <QString>

#include <array>

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

    static QString Draw(const std::array<int, 6>& frets, Charset charset);
};

} // namespace fretlore
