// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>

namespace fretlore {

// Upper-casing as both searches do it: the letters a to z become A to Z and
// every other character, accented and other non-ASCII letters included, stays
// as it is.
inline constexpr char16_t AsciiUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
}

inline QChar AsciiUpper(QChar c) { return QChar(AsciiUpper(c.unicode())); }

} // namespace fretlore
