#include "chords/ChordsProgram.h"

#include "catalogue/ChordCatalogue.h"
#include "catalogue/FingeringNames.h"
#include "chords/ChordPlayback.h"
#include "chords/ChordSheet.h"
#include "chords/ChordsArguments.h"
#include "chords/FretFields.h"
#include "chords/PaperCommands.h"
#include "chords/PictureFile.h"
#include "chords/TextDiagram.h"
#include "diagram/ChordDiagram.h"
#include "diagram/guitarstr.h"
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

QJsonArray fretsJson(const std::array<int, 6>& frets)
{
    QJsonArray a;
    for (int f : frets)
        a.append(f < 0 ? QJsonValue() : QJsonValue(f));
    return a;
}

QJsonArray notesJson(const std::array<int, 6>& frets)
{
    QJsonArray a;
    for (int s = 0; s < 6; ++s)
        a.append(frets[size_t(s)] < 0 ? QJsonValue() : QJsonValue(NoteName(s + 1, frets[size_t(s)])));
    return a;
}

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The names of a root's tones that a candidate leaves out ("G, B").
QString leftOutTones(const ChordCandidate& c, ToneSet sounded)
{
    QStringList names;
    const ToneSet above = TonesAbove(sounded, ChordRoots[size_t(c.Root)].PitchClass);
    for (int i = 0; i < 12; ++i)
        if ((ChordKinds[size_t(c.Kind)].Tones & ~above) & (1u << i))
            names << latin1(ChordRoots[size_t((ChordRoots[size_t(c.Root)].PitchClass + i) % 12)].Name);
    return names.join(QStringLiteral(", "));
}

} // namespace

ChordsProgram::ChordsProgram(QTextStream& out, QTextStream& err, QString exeDir)
    : out_(out), err_(err), exeDir_(std::move(exeDir)), lookup_(ChordCatalogue())
{
}

QString ChordsProgram::Version()
{
    return QStringLiteral("fretlore-chords " FRETLORE_VERSION "\n");
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

int ChordsProgram::printVoicings(const std::vector<int>& lines, bool json)
{
    if (json) {
        QJsonArray voicings;
        for (int line : lines) {
            const ChordEntry& e = lookup_.Entry(line);
            voicings.append(QJsonObject{{QStringLiteral("line"), line},
                                        {QStringLiteral("name"), e.Name},
                                        {QStringLiteral("frets"), fretsJson(e.Frets)}});
        }
        out_ << QJsonDocument(QJsonObject{{QStringLiteral("voicings"), voicings}}).toJson();
    } else {
        for (int line : lines) {
            const ChordEntry& e = lookup_.Entry(line);
            out_ << QString::number(line).rightJustified(4) << "  " << e.Name.leftJustified(15) << ' '
                 << FretsText(e.Frets) << '\n';
        }
    }
    if (lines.empty() && !json)
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
        return printVoicings(lines, a.Json);
    }

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
            list.append(QJsonObject{{QStringLiteral("name"), names[i]},
                                    {QStringLiteral("voicings"), counts[i]},
                                    {QStringLiteral("first_line"), firsts[i]}});
        out_ << QJsonDocument(QJsonObject{{QStringLiteral("names"), list}}).toJson();
        return kDone;
    }
    for (qsizetype i = 0; i < names.size(); ++i)
        out_ << names[i].leftJustified(15) << ' ' << QString::number(counts[i]).rightJustified(2) << '\n';
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
    if (a.Json) {
        QJsonArray voicings;
        for (int line : lines) {
            const ChordEntry& e = lookup_.Entry(line);
            voicings.append(QJsonObject{{QStringLiteral("line"), line},
                                        {QStringLiteral("name"), e.Name},
                                        {QStringLiteral("frets"), fretsJson(e.Frets)},
                                        {QStringLiteral("position"), BaseFretOf(e.Frets)},
                                        {QStringLiteral("notes"), notesJson(e.Frets)}});
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
        out_ << e.Name << "  (line " << line << ")\n" << TextDiagram::Draw(e.Frets, ShowOptions(a, e.Frets));
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
    return printVoicings(lines, a.Json);
}

int ChordsProgram::name(const ChordsArguments& a)
{
    QString error;
    const auto frets = FretFields::Fingering(a.Operands, &error);
    if (!frets)
        return fail(kBadInput, error);
    const std::vector<ChordCandidate> candidates = NameFingering(*frets);
    const ToneSet sounded = SoundedTones(*frets);
    std::vector<int> same;  // catalogue lines of this very fingering
    const QStringList& catalogue = lookup_.Catalogue();
    for (int i = 1; i < catalogue.size(); ++i)
        if (lookup_.Entry(i).Frets == *frets)
            same.push_back(i);
    // Whether a catalogue line's name is among the candidates: a few lines
    // typed in by hand carry names their tones do not make, and say so.
    const auto fits = [&](int line) {
        const auto parts = SplitChordName(lookup_.Entry(line).Name);
        return parts && std::any_of(candidates.begin(), candidates.end(), [&](const ChordCandidate& c) {
                   return c.Root == parts->Root && c.Kind == parts->Kind;
               });
    };

    if (a.Json) {
        QJsonArray list;
        for (const ChordCandidate& c : candidates)
            list.append(QJsonObject{{QStringLiteral("name"), c.Name},
                                    {QStringLiteral("root"), latin1(ChordRoots[size_t(c.Root)].Name)},
                                    {QStringLiteral("kind"), latin1(ChordKinds[size_t(c.Kind)].Suffix)},
                                    {QStringLiteral("bass"), latin1(ChordRoots[size_t(c.Bass)].Name)},
                                    {QStringLiteral("root_in_bass"), c.RootInBass},
                                    {QStringLiteral("left_out"), c.LeftOut}});
        QJsonArray lines;
        for (int line : same)
            lines.append(QJsonObject{{QStringLiteral("line"), line},
                                     {QStringLiteral("name"), lookup_.Entry(line).Name},
                                     {QStringLiteral("tones_fit_name"), fits(line)}});
        out_ << QJsonDocument(QJsonObject{{QStringLiteral("frets"), fretsJson(*frets)},
                                          {QStringLiteral("notes"), notesJson(*frets)},
                                          {QStringLiteral("candidates"), list},
                                          {QStringLiteral("catalogue"), lines}})
                    .toJson();
        return kDone;
    }

    out_ << FretsText(*frets) << ": ";
    if (candidates.empty()) {
        QStringList notes;
        for (int s = 0; s < 6; ++s)
            if ((*frets)[size_t(s)] >= 0)
                notes << NoteName(s + 1, (*frets)[size_t(s)]);
        out_ << (notes.isEmpty() ? QStringLiteral("no string sounds") + u'\n'
                                 : QStringLiteral("no chord kind explains these notes: ") + notes.join(QStringLiteral("; ")) + u'\n');
    } else {
        out_ << candidates.front().Name << '\n';
        for (const ChordCandidate& c : candidates) {
            out_ << "  " << c.Name;
            if (c.LeftOut > 0)
                out_ << QString(std::max(1, 21 - int(c.Name.size())), u' ') << "leaves out " << leftOutTones(c, sounded);
            out_ << '\n';
        }
    }
    for (int line : same)
        out_ << "  catalogue line " << line << ": " << lookup_.Entry(line).Name
             << (fits(line) ? "" : " (its tones do not make that chord)") << '\n';
    return kDone;
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
    if (!playback.Play(lookup_.Entry(*line).Frets, a.String, &error))
        return fail(kFailed, error);
    return kDone;
}

} // namespace fretlore
