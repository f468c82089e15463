#pragma once

#include <QColor>

#include <cstdint>

namespace fretlore {

// A colour value as the program's tables write it: red in bits 0 to 7, green
// in 8 to 15, blue in 16 to 23.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clWhite = 0xFFFFFF;

// The RGB colour of a plain (non-system) colour value.
inline QColor ToQColor(TColor c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

} // namespace fretlore
