// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRgb>

#include <cstdint>

namespace fretlore {

// A colour value as the program's tables write it, 32 bits: for an explicit
// colour red in bits 0 to 7, green in 8 to 15, blue in 16 to 23 and a high
// byte of 0; a high byte of 0x80 names a system colour by its index in the
// low byte. A value is kept as it was given: a system colour stays one, so
// that it follows the desktop's palette when it is resolved for painting.
//
// Made from a table value, from Qt's named colours or from a QColor (which
// give explicit colours, alpha dropped); a QRgb is not a table value (its
// red is in bits 16 to 23) and goes through QColor first. Turned into
// something to paint with only through ToQColor, which resolves system
// colours.
class TColor {
public:
    constexpr TColor() = default;
    constexpr TColor(std::uint32_t value) : value_(value) {}
    TColor(const QColor& c);
    // A named colour of Qt's, not a table value (Qt::black is not 0x000002).
    TColor(Qt::GlobalColor c) : TColor(QColor(c)) {}

    constexpr std::uint32_t Value() const { return value_; }
    constexpr bool IsSystemColor() const { return (value_ >> 24) == 0x80; }
    // The channels of an explicit colour.
    constexpr int Red() const { return int(value_ & 0xFF); }
    constexpr int Green() const { return int((value_ >> 8) & 0xFF); }
    constexpr int Blue() const { return int((value_ >> 16) & 0xFF); }

    friend constexpr bool operator==(TColor a, TColor b) = default;

private:
    std::uint32_t value_ = 0;
};

constexpr TColor RgbColor(int red, int green, int blue)
{
    return TColor(std::uint32_t(red) | (std::uint32_t(green) << 8) | (std::uint32_t(blue) << 16));
}

// The named colours.
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clWindow = 0x80000005;
inline constexpr TColor clWindowText = 0x80000008;
inline constexpr TColor clHighlight = 0x8000000D;
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clBtnShadow = 0x80000010;
inline constexpr TColor clBtnHighlight = 0x80000014;

// The flat controls' default palette.
inline constexpr TColor FlatLightFace = 14805739;    // 235, 234, 225: ColorFocused, ColorFlat
inline constexpr TColor FlatDownFace = 12965593;     // 217, 214, 197: ColorDown, combo arrow face
inline constexpr TColor FlatBorder = 8623776;        // 160, 150, 131: every ColorBorder
inline constexpr TColor FlatElement = 10053171;      // 51, 102, 153: progress ColorElement
inline constexpr TColor FlatHintArrowBack = 5493503; // 255, 210, 83: hint arrow band

// The explicit colour of any colour value: a system colour through the
// application's palette (black for an index the palette has no role for; the
// toolkit's default grey palette before there is an application), an
// explicit one unchanged (high byte cleared).
TColor ResolveColor(TColor c);
// ResolveColor as a QColor: the one way from a colour value to paint.
QColor ToQColor(TColor c);

// The opaque pixel value of an explicit colour, for drawing into images
// without a palette (the build-time artwork); the high byte is ignored.
constexpr QRgb RgbOf(TColor c)
{
    return qRgb(c.Red(), c.Green(), c.Blue());
}

} // namespace fretlore
