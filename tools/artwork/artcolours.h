// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TColor.h"

#include <QColor>
#include <QRgb>

// The pictures' palette as pixel values: the program's black ground and lime
// ink, by the program's colour names, with a few darker greens for depth in
// the larger pictures.
namespace ArtColours {
inline constexpr QRgb Black = fretlore::RgbOf(fretlore::clBlack);
inline constexpr QRgb White = fretlore::RgbOf(fretlore::clWhite);
inline constexpr QRgb Lime = fretlore::RgbOf(fretlore::clLime);
inline constexpr QRgb LightGreen = fretlore::RgbOf(fretlore::RgbColor(0, 200, 0));
inline constexpr QRgb MidGreen = fretlore::RgbOf(fretlore::RgbColor(0, 150, 0));
inline constexpr QRgb DarkGreen = fretlore::RgbOf(fretlore::RgbColor(0, 90, 0));
inline constexpr QRgb DeepGreen = fretlore::RgbOf(fretlore::RgbColor(0, 42, 0));

inline QColor colour(QRgb rgb) { return QColor::fromRgba(rgb); }
} // namespace ArtColours
