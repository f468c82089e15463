// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The main window's two lettered pictures, lime on black, 24-bit.
namespace TitlePictures {

// Title logo, 387 x 81: the maker's name small, the program's name large.
QImage logo();
// Banner, 300 x 30: the size of the catalogue beside a fretboard motif.
QImage banner();

} // namespace TitlePictures
