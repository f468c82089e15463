#pragma once

#include <QColor>
#include <QRgb>

// The program's palette: black ground and lime (clLime) ink, with a few
// darker greens for depth in the larger pictures.
namespace ArtColours {
inline constexpr QRgb Black = 0xff000000;
inline constexpr QRgb White = 0xffffffff;
inline constexpr QRgb Lime = 0xff00ff00;
inline constexpr QRgb LightGreen = 0xff00c800;
inline constexpr QRgb MidGreen = 0xff009600;
inline constexpr QRgb DarkGreen = 0xff005a00;
inline constexpr QRgb DeepGreen = 0xff002a00;

inline QColor colour(QRgb rgb) { return QColor::fromRgba(rgb); }
} // namespace ArtColours
