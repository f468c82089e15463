// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Fingering.h"
#include "catalogue/Notation.h"
#include "diagram/ToneMarker.h"

#include <QImage>

#include <array>

namespace fretlore {

// Geometry of the fretboard picture, in picture pixels.
namespace DiagramGeometry {
inline constexpr int kWidth = 391;
inline constexpr int kHeight = 176;
// Row of string i (1 = E6 to 6 = e1).
constexpr int RowY(int string) { return 30 + 23 * (string - 1); }
// Middle of the cell of normalised fret f (1 = the cell next to the string labels).
constexpr int ToneX(int fret) { return 334 - 93 * (fret - 1); }
inline constexpr int kOpenX = 334;
inline constexpr int kBaseFretX = 330;
inline constexpr int kBaseFretY = 3;
inline constexpr int kToneDiameter = 14;
inline constexpr int kOpenCentreDiameter = 12;
} // namespace DiagramGeometry

// How the window's diagram is drawn beyond its usual look.
struct DiagramOptions {
    // Mirrored left to right, as a left-handed player sees the neck: cell 1
    // at the left, the position number at the top left; its text reads as usual.
    bool LeftHanded = false;
    // The finger of each fretted tone (from the fingering model) in its disc,
    // and a barre as a bar across its strings.
    bool Fingers = false;
    // How the markers name the tones (the hover hints): "A#, Bb", "B" or "La#, Sib".
    Notation Names = Notation::English;
};

// The blank fretboard picture every drawing starts from: the program's
// resource ":/pictures/chord_template.png" (a null image in a program that
// does not link the artwork).
QImage DiagramTemplate();

// The smallest fret above 0, or 1 when no string is fretted.
int BaseFretOf(const std::array<int, 6>& frets);

// Draws a voicing onto `picture` (a fresh copy of the blank diagram): the
// position number at the top right, a lime disc for every fretted tone at its
// fret relative to the position, a lime ring with a black centre for every
// open string, nothing for a muted one; tones more than four frets above the
// position land left of the picture, unseen. Records each drawn tone in
// `markers`, named from the note-name table at the absolute fret. Returns the
// position number. With default options the picture is exactly the window's.
int DrawChordDiagram(QImage& picture, const std::array<int, 6>& frets, ToneMarkerArray& markers,
                     const DiagramOptions& options = {});

// The text of a finger in a diagram: "1" to "4", "T" for the thumb (5), empty for none.
QString FingerText(int finger);

} // namespace fretlore
