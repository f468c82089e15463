// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/ChordNames.h"
#include "catalogue/Fingering.h"
#include "catalogue/Instrument.h"
#include "catalogue/Notation.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

namespace fretlore {

// What the commands that follow the tuning share: how an instrument, a
// hand and a name under a capo are written.

// "x 0 2 3 1 0": the finger on each string (1 index to 4 little), 0 for an
// open string, x for a muted one, E6 first.
QString FingersText(const Frets& frets, const Fingering& hand);
QJsonArray FretsJson(const Frets& frets);  // null for a muted string
QJsonArray FingersJson(const Frets& frets, const Fingering& hand);

// "drop-d tuning" or "D2 A2 D3 G3 B3 E4 tuning", with ", capo 2" when there is a capo.
QString GuitarText(const Instrument& guitar);

// The shape's name under a capo: the sounding chord moved down by the capo.
ChordName ShapeOf(const ChordName& sounding, int capo);

// The note names of a voicing's strings on an instrument ("C#, Db"), empty
// for a muted string, in a notation.
QStringList StringNotes(const Frets& frets, const Instrument& guitar, Notation notation);

} // namespace fretlore
