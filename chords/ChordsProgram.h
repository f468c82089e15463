// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/FingeringNames.h"
#include "chords/VoicingLookup.h"

#include <QJsonObject>
#include <QString>
#include <QTextStream>

namespace fretlore {

class ChordsArguments;

// The commands of fretlore-chords over the catalogue, the searches, the
// diagram and the strum. Results go to `out`, one line saying what went
// wrong to `err`.
//
// Exit codes: 0 done; 1 a search found nothing; 2 the command line or its
// operands do not read (an unknown name, a field that is not a fret);
// 3 the output could not be written or there is no sound.
class ChordsProgram {
public:
    enum ExitCode { kDone = 0, kNothingFound = 1, kBadInput = 2, kFailed = 3 };

    // `exeDir`: the program's folder, ending in "/", where the "mid" folder lies.
    ChordsProgram(QTextStream& out, QTextStream& err, QString exeDir);

    int Run(const ChordsArguments& arguments);

    // The help of the program (empty command) or of one command.
    static QString Help(const QString& command);
    // The name and version, then the copyright and the licence.
    static QString Version();

private:
    int list(const ChordsArguments& a);
    int show(const ChordsArguments& a);
    int find(const ChordsArguments& a);
    int name(const ChordsArguments& a);
    int draw(const ChordsArguments& a);
    int sheet(const ChordsArguments& a);
    int play(const ChordsArguments& a);
    // In chords/MusicCommands.cpp: the voicings the fingering model finds.
    int voicings(const ChordsArguments& a);
    // The chord files other programs read.
    int exportFiles(const ChordsArguments& a);

    // A candidate's name in the notation; with a capo, "Am shape, sounds Bm".
    static QString soundingName(const ChordCandidate& c, const ChordsArguments& a);

    int fail(int code, const QString& message);
    // Voicings as lines of text ("  12  C               x 3 2 0 1 0") or as
    // JSON; `sounding`: named also as they sound on the guitar asked for.
    int printVoicings(const std::vector<int>& lines, const ChordsArguments& a, bool sounding);
    // A catalogue line's JSON fields: name (in the notation, and in English
    // under "name_english" when they differ), frets, fingers and cost.
    static QJsonObject voicingJson(const ChordEntry& entry, const ChordsArguments& a);
    // Says on err_ that the catalogue's lines stay in standard tuning when
    // another tuning or a capo is asked for.
    void noteCatalogueTuning(const ChordsArguments& a);

    QTextStream& out_;
    QTextStream& err_;
    QString exeDir_;
    VoicingLookup lookup_;
};

} // namespace fretlore
