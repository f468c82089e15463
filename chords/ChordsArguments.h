#pragma once

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

    // Every command, in the order the help lists them.
    static const QStringList& Commands();
    // Whether a command draws pictures (and so needs the font machinery).
    static bool Draws(const QString& command);

private:
    QString error_;
};

} // namespace fretlore
