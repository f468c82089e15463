// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Fingering.h"

#include <QIODevice>
#include <QString>

#include <optional>
#include <vector>

namespace fretlore {

// Chord voicings as files other programs read: ChordPro chord definitions
// and MusicXML chord frames.
class ChordExport {
public:
    enum class Format { ChordPro, MusicXml };

    struct Voicing {
        // As the program writes it in English ("C#(Db)m7", "D/F#"): the root,
        // the kind's suffix and a bass after the last "/" when one is named.
        QString Name;
        // As the reader is to see it (in the chosen notation); empty: Name.
        QString ShownName;
        std::array<int, kStringCount> Frets{};  // lowest string first, -1 muted
        std::optional<Fingering> Hand;
    };

    // "chordpro" or "musicxml".
    static std::optional<Format> FormatNamed(const QString& name);

    // One "{define: NAME base-fret N frets ... fingers ...}" line per voicing:
    // frets relative to the base fret (0 open, x muted), lowest string first;
    // fingers 1 to 4, 0 where no finger presses. A root written two ways
    // ("C#(Db)") is written the first way, as chord names are written there.
    static QString ChordPro(const std::vector<Voicing>& voicings);

    // A MusicXML 4.0 partwise score for guitar: one measure per voicing, each
    // with a <harmony> (its <root>, <kind>, <bass> when named, and a <frame>
    // of six strings with a <frame-note> per sounded string, string 1 the
    // highest, frets counted on the neck from 0 open, <first-fret> the fret
    // of the frame's top space, <barre> start and stop on a barre's outer
    // strings) over a whole-bar rest.
    static QByteArray MusicXml(const std::vector<Voicing>& voicings);

    // Writes the file whole or not at all; `error` says why not.
    static bool Save(Format format, const std::vector<Voicing>& voicings, const QString& path, QString* error);
};

} // namespace fretlore
