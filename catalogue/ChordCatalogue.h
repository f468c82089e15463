// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CatalogueLine.h"

#include <QStringList>

namespace fretlore {

// Number of catalogue lines, the empty line 0 included.
inline constexpr int kCatalogueLines = 1009;

// The chord catalogue: the items of the chord navigator, in order. Line 0 is
// empty and means "no chord"; lines 1 to 1008 are voicings, 28 characters each.
// The text is compiled into the program; each call builds a fresh list from it.
QStringList ChordCatalogue();

} // namespace fretlore
