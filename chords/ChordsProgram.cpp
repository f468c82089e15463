// SPDX-License-Identifier: GPL-3.0-or-later
#include "chords/ChordsProgram.h"

#include "catalogue/ChordCatalogue.h"
#include "catalogue/Instrument.h"
#include "chords/ChordPlayback.h"
#include "chords/ChordSheet.h"
#include "chords/ChordsArguments.h"
#include "chords/FretFields.h"
#include "chords/PaperCommands.h"
#include "chords/PictureFile.h"
#include "chords/MusicCommands.h"
#include "chords/TextDiagram.h"
#include "diagram/ChordDiagram.h"
#include "diagram/guitarstr.h"
#include "platform/ProgramLicence.h"
#include "platform/TerminalText.h"
#include "search/LookTest.h"
#include "search/NameTest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>

#ifndef FRETLORE_VERSION
#define FRETLORE_VERSION "0"
#endif

namespace fretlore {

namespace {

QJsonArray notesJson(const std::array<int, 6>& frets, Notation notation)
{
    QJsonArray a;
    for (int s = 0; s < 6; ++s)
        a.append(frets[size_t(s)] < 0 ? QJsonValue() : QJsonValue(InNotation(NoteName(ColumnNumberOf(s), frets[size_t(s)]), notation)));
    return a;
}


} // namespace

ChordsProgram::ChordsProgram(QTextStream& out, QTextStream& err, QString exeDir)
    : out_(out), err_(err), exeDir_(std::move(exeDir)), lookup_(ChordCatalogue())
{
}

QString ChordsProgram::Version()
{
    return QStringLiteral("fretlore-chords " FRETLORE_VERSION "\n") + QLatin1String(kLicenceNotice);
}

int ChordsProgram::fail(int code, const QString& message)
{
    err_ << "fretlore-chords: " << message << Qt::endl;
    return code;
}

int ChordsProgram::Run(const ChordsArguments& a)
{
    if (!a.Ok())
        return fail(kBadInput, a.Error());
    if (a.Help) {
        out_ << Help(a.Command);
        return kDone;
    }
    if (a.Version) {
        out_ << Version();
        return kDone;
    }
    if (a.Command.isEmpty())
        return fail(kBadInput, QStringLiteral("no command given (try --help)"));
    using Command = int (ChordsProgram::*)(const ChordsArguments&);
    const std::pair<const char*, Command> commands[] = {
        {"list", &ChordsProgram::list}, {"show", &ChordsProgram::show},   {"find", &ChordsProgram::find},
        {"name", &ChordsProgram::name}, {"draw", &ChordsProgram::draw},   {"sheet", &ChordsProgram::sheet},
        {"play", &ChordsProgram::play}, {"voicings", &ChordsProgram::voicings},
        {"export", &ChordsProgram::exportFiles}};
    for (const auto& [command, run] : commands)
        if (a.Command == QLatin1String(command))
            return (this->*run)(a);
    return fail(kBadInput, QStringLiteral("unknown command \"%1\" (try --help)").arg(a.Command));
}

int ChordsProgram::printVoicings(const std::vector<int>& lines, const ChordsArguments& a, bool sounding)
{
    // In another guitar the lines are named as they sound there.
    const bool otherGuitar = sounding && a.Guitar != kStandardGuitar;
    const auto soundsAs = [&](const Frets& frets) {
        const std::vector<ChordCandidate> names = NameVoicing(frets, a.Guitar);
        return names.empty() ? QStringLiteral("no known chord") : InNotation(names.front().Name, a.Notation);
    };
    if (a.Json) {
        QJsonArray voicings;
        for (int line : lines) {
            const ChordEntry& e = lookup_.Entry(line);
            QJsonObject o = voicingJson(e, a);
            o.insert(QStringLiteral("line"), line);
            if (otherGuitar)
                o.insert(QStringLiteral("sounds"), soundsAs(e.Frets));
            voicings.append(o);
        }
        out_ << QJsonDocument(QJsonObject{{QStringLiteral("voicings"), voicings}}).toJson();
    } else {
        for (int line : lines) {
            const ChordEntry& e = lookup_.Entry(line);
            out_ << QString::number(line).rightJustified(4) << "  " << InNotation(e.Name, a.Notation).leftJustified(15)
                 << ' ' << FretsText(e.Frets);
            if (otherGuitar)
                out_ << "  sounds " << soundsAs(e.Frets);
            out_ << '\n';
        }
    }
    if (lines.empty() && !a.Json)
        err_ << "No chords matching your requests" << Qt::endl;
    return lines.empty() ? kNothingFound : kDone;
}

int ChordsProgram::list(const ChordsArguments& a)
{
    const QStringList& catalogue = lookup_.Catalogue();
    if (a.Operands.size() > 1)
        return fail(kBadInput, QStringLiteral("list takes one PREFIX (quote a prefix with blanks)"));
    if (a.Operands.size() == 1) {
        const NameTest test(a.Operands.front());
        std::vector<int> lines;
        for (int i = 1; i < catalogue.size(); ++i)
            if (test(catalogue[i]))
                lines.push_back(i);
        noteCatalogueTuning(a);
        return printVoicings(lines, a, false);
    }
    noteCatalogueTuning(a);

    // Names in catalogue order with their counts.
    QStringList names;
    QList<int> counts;
    QList<int> firsts;
    for (int i = 1; i < catalogue.size(); ++i) {
        const QString n = ChordNameOf(catalogue[i]);
        if (names.isEmpty() || names.back() != n) {
            names << n;
            counts << 0;
            firsts << i;
        }
        ++counts.back();
    }
    if (a.Json) {
        QJsonArray list;
        for (qsizetype i = 0; i < names.size(); ++i)
            list.append(QJsonObject{{QStringLiteral("name"), InNotation(names[i], a.Notation)},
                                    {QStringLiteral("voicings"), counts[i]},
                                    {QStringLiteral("first_line"), firsts[i]}});
        out_ << QJsonDocument(QJsonObject{{QStringLiteral("names"), list}}).toJson();
        return kDone;
    }
    for (qsizetype i = 0; i < names.size(); ++i)
        out_ << InNotation(names[i], a.Notation).leftJustified(15) << ' ' << QString::number(counts[i]).rightJustified(2) << '\n';
    return kDone;
}

int ChordsProgram::show(const ChordsArguments& a)
{
    if (a.Operands.isEmpty())
        return fail(kBadInput, QStringLiteral("show needs a chord name or line number (try show --help)"));
    std::vector<int> lines;
    for (const QString& what : a.Operands) {
        QString error;
        const auto found = lookup_.Lines(what, &error);
        if (!found)
            return fail(kBadInput, error);
        lines.insert(lines.end(), found->begin(), found->end());
    }
    noteCatalogueTuning(a);
    if (a.Json) {
        QJsonArray voicings;
        for (int line : lines) {
            const ChordEntry& e = lookup_.Entry(line);
            QJsonObject o = voicingJson(e, a);
            o.insert(QStringLiteral("line"), line);
            o.insert(QStringLiteral("position"), BaseFretOf(e.Frets));
            o.insert(QStringLiteral("notes"), notesJson(e.Frets, a.Notation));
            voicings.append(o);
        }
        out_ << QJsonDocument(QJsonObject{{QStringLiteral("voicings"), voicings}}).toJson();
        return kDone;
    }
    bool first = true;
    for (int line : lines) {
        const ChordEntry& e = lookup_.Entry(line);
        if (!first)
            out_ << '\n';
        first = false;
        out_ << InNotation(e.Name, a.Notation) << "  (line " << line << ")\n"
             << TextDiagram::Draw(e.Frets, ShowOptions(a, e.Frets));
    }
    return kDone;
}

int ChordsProgram::find(const ChordsArguments& a)
{
    QString error;
    const auto look = FretFields::Look(a.Operands, &error);
    if (!look)
        return fail(kBadInput, error);
    const LookTest test(*look);
    const QStringList& catalogue = lookup_.Catalogue();
    std::vector<int> lines;
    for (int i = 1; i < catalogue.size(); ++i)
        if (test(catalogue[i]))
            lines.push_back(i);
    return printVoicings(lines, a, true);
}

int ChordsProgram::play(const ChordsArguments& a)
{
    if (a.Operands.size() != 1)
        return fail(kBadInput, QStringLiteral("play takes one chord name or line number (try play --help)"));
    QString error;
    const auto line = lookup_.Line(a.Operands.front(), &error);
    if (!line)
        return fail(kBadInput, error);
    ChordPlayback playback(exeDir_);
    if (!playback.Play(lookup_.Entry(*line).Frets, a.String, &error, a.Guitar))
        return fail(kFailed, error);
    return kDone;
}

} // namespace fretlore
