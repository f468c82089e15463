// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace fretlore {

// Resource paths of the program's pictures: drawn at build time by
// tools/artwork and compiled in by the fretlore_artwork library. A program
// that does not link that library gets null pictures from them.
namespace PicturePaths {

inline constexpr char Stratocaster[] = ":/pictures/stratocaster.png";
inline constexpr char MainMask[] = ":/pictures/main_mask.png";
inline constexpr char Splash[] = ":/pictures/splash.png";
inline constexpr char SplashMask[] = ":/pictures/splash_mask.png";
inline constexpr char Kestrune[] = ":/pictures/kestrune.png";
inline constexpr char Ultimate[] = ":/pictures/ultimate.png";
inline constexpr char Play[] = ":/pictures/play.png";
inline constexpr char Author[] = ":/pictures/author.png";
inline constexpr char Www[] = ":/pictures/www.png";
inline constexpr char Mail[] = ":/pictures/mail.png";
inline constexpr char Exclamation[] = ":/pictures/exclamation.png";
inline constexpr char ChordTemplate[] = ":/pictures/chord_template.png";

// The program's icon at one of its sizes (16, 32, 48, 64, 128, 256 pixels).
QString ProgramIcon(int size);

// Every path above (the icon not included).
QStringList all();

} // namespace PicturePaths

} // namespace fretlore
