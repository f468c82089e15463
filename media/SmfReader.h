// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A reader of Standard MIDI Files that checks a file before it is handed to
// the synthesizer. The synthesizer only loads a file once it starts playing,
// so a broken file would fail late and quietly; this reader looks at the
// whole file at open and says what is wrong with it.
//
// It takes any bytes: every read is bounds-checked, variable-length numbers
// stop after 4 bytes, files over kSmfMaxFileBytes are refused unread, and
// every loop moves forward through the bytes, so no input makes it crash,
// hang or allocate without limit.
#include <QByteArray>
#include <QString>

namespace fretlore {

enum class SmfError {
    None,
    FileMissing,  // no file at that path
    Unreadable,   // there, but not a regular file or cannot be opened or read
    NotMidi,      // does not begin with "MThd"
    Truncated,    // the file ends before its header or a chunk it declares
    Malformed,    // inconsistent content within the declared sizes
    Unsupported,  // a valid shape this reader does not take (format > 2, too large, time-code timing)
};

struct SmfSummary {
    int format = 0;           // 0, 1 or 2
    int trackCount = 0;       // as the header declares; every track is present
    int division = 0;         // ticks per quarter note, or ticks per frame when framesPerSecond > 0
    int framesPerSecond = 0;  // 0 for tempo-based timing; 24, 25, 29 (29.97 drop-frame) or 30
    qint64 lengthTicks = 0;   // formats 0 and 1: the latest track end; format 2: the tracks one after another
    double lengthMs = 0.0;    // the same length in time, following every tempo change
    int noteOnCount = 0;      // note-on events with a velocity above 0
};

struct SmfResult {
    SmfError error = SmfError::None;
    QString message;  // empty when error is None
    SmfSummary summary;  // also filled for a well-formed file refused as Unsupported

    bool ok() const { return error == SmfError::None; }
};

// Files larger than this are refused as Unsupported without being read.
inline constexpr qint64 kSmfMaxFileBytes = 16 * 1024 * 1024;

// Reads and checks the file at `path`. Messages name the path.
SmfResult ReadSmfFile(const QString& path);

// Checks the bytes of a whole file.
SmfResult ParseSmf(const QByteArray& bytes);

} // namespace fretlore
