// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Fingering.h"

#include <QRectF>
#include <QString>

#include <array>
#include <optional>

class QPainter;

namespace fretlore {

// A chord box as players read it on paper: the strings upright, the lowest
// at the left, the frets across; the nut drawn as a thick line when the
// voicing lies within the first four frets, otherwise the number of the
// first fret shown beside it; "x" over a muted string and "o" over an open
// one; a disc on every fretted tone, with the finger number in it when the
// hand is given and a barre as one bar across the strings it covers; the
// string names under the box. Dark ink on white, drawn as lines, shapes and
// text, so that vector files keep them as such.
struct PaperChord {
    std::array<int, kStringCount> Frets{};  // counted from the capo, lowest string first
    std::optional<Fingering> Hand;          // finger numbers and barres, when wanted
    std::array<QString, 6> StringNames{};   // under the box, lowest string first
};

namespace PaperGeometry {
// The box's size in string spacings: width and height of the whole drawing,
// the marks above and the names below included.
inline constexpr double kWidth = 8.0;
inline constexpr double kHeight = 7.8;
// Frets the box shows at least; a wider voicing gets more, each narrower.
inline constexpr int kFrets = 4;
} // namespace PaperGeometry

// The first fret the box shows: 1 (with the nut) when every fretted tone lies
// within the first four frets, else the lowest fretted fret.
int PaperFirstFret(const Frets& frets);

// Paints the box into `area` (device units), as large as its proportions let
// it be, centred. Left-handed, the box is mirrored (the lowest string at the
// right, the fret number at the right); its text reads as usual.
void PaintPaperDiagram(QPainter& p, const QRectF& area, const PaperChord& chord, bool leftHanded);

} // namespace fretlore
