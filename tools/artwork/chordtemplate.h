// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <iterator>

// The blank fretboard that every chord drawing starts from (391 x 176,
// 24-bit): white ground, six lime string lines and five lime fret lines,
// each one pixel wide. White is the transparent colour of the diagram, so
// on screen only the lines show.
namespace ChordTemplate {

inline constexpr int Width = 391;
inline constexpr int Height = 176;
inline constexpr int StringRows[] = {30, 53, 76, 98, 121, 145};
inline constexpr int FretColumns[] = {8, 101, 194, 287, 381};

QImage picture();

} // namespace ChordTemplate
