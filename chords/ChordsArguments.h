// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Instrument.h"
#include "catalogue/Notation.h"

#include <QString>
#include <QStringList>

namespace fretlore {

// The command line of fretlore-chords, read: a command, its operands and the
// options it takes. Reading checks only the form (known command, known
// option for that command, option values present and well formed); what the
// operands mean is the command's business.
class ChordsArguments {
public:
    // `arguments` without the program name.
    explicit ChordsArguments(const QStringList& arguments);

    bool Ok() const { return error_.isEmpty(); }
    // Why the command line does not read; empty when it does.
    const QString& Error() const { return error_; }

    QString Command;       // "list", "show", ...; empty with --help or --version alone
    QStringList Operands;  // in the order given
    bool Help = false;
    bool Version = false;
    bool Json = false;
    bool Ascii = false;
    QString Output;        // -o / --output
    int String = 0;        // --string N: 1 (E6) to 6 (e1); 0 for the whole chord

    // --tuning T and --capo N (every command): the guitar, standard tuning
    // without a capo unless given. TuningGiven: --tuning or --capo was given.
    Instrument Guitar;
    bool TuningGiven = false;
    // --notation english|german|latin (every command).
    fretlore::Notation Notation = fretlore::Notation::English;
    int Max = 0;           // --max N (voicings): at most N; 0 for all
    bool Fingers = false;  // --fingers (show, draw, sheet)
    bool LeftHanded = false;  // --left-handed (show, draw, sheet)
    QString Style;         // --style window|paper (draw, sheet); empty when not given
    QString Format;        // --format chordpro|musicxml (export); empty when not given

    // Every command, in the order the help lists them.
    static const QStringList& Commands();
    // Whether a command draws pictures (and so needs the font machinery).
    static bool Draws(const QString& command);
    // Whether a command writes a file named with -o.
    static bool WritesFile(const QString& command);

private:
    bool readValue(const QString& option, const QString& value);

    QString error_;
};

} // namespace fretlore
