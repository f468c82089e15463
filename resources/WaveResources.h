// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's WAVE sounds: synthesised at build time by tools/sounds,
// compiled in by the fretlore_sounds library and known by their resource
// names "ENC_001" to "ENC_005".
namespace fretlore {

// The one the program plays: the click of its buttons, icons and list.
inline constexpr char kClickSound[] = "ENC_001";

// Every resource name, in order.
QStringList WaveResourceNames();

// The resource path of a sound: "ENC_001" gives ":/sounds/ENC_001.wav".
// A name that is not one of the five gives a path that opens nothing.
QString WaveResourcePath(const QString& resourceName);

} // namespace fretlore
