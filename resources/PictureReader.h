// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace fretlore {

// Reads one of the program's own PNG pictures, a resource path from
// PicturePaths or a file, into the image the toolkit's own reader gives for
// it: a 1-bit palette picture as Format_Mono, an 8-bit palette picture as
// Format_Indexed8 with its palette (and its transparency) as colour table,
// anything else as Format_ARGB32, or Format_RGB32 without an alpha channel. It reads with libpng directly: the
// toolkit's reader first loads its image-format plugins, several
// milliseconds that would stand between the start and the splash.
// A missing or unreadable picture gives a null image.
QImage ReadPicture(const QString& path);

} // namespace fretlore
