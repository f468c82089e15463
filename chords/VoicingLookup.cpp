// SPDX-License-Identifier: GPL-3.0-or-later
#include "chords/VoicingLookup.h"

namespace fretlore {

VoicingLookup::VoicingLookup(const QStringList& catalogue) : catalogue_(catalogue)
{
    entries_.reserve(size_t(catalogue_.size()));
    for (const QString& line : catalogue_)
        entries_.push_back(ReadChordEntry(line).value_or(ChordEntry{}));
}

const ChordEntry& VoicingLookup::Entry(int line) const
{
    static const ChordEntry none;
    return line >= 0 && size_t(line) < entries_.size() ? entries_[size_t(line)] : none;
}

std::optional<std::vector<int>> VoicingLookup::Lines(const QString& what, QString* error) const
{
    const qsizetype last = catalogue_.size() - 1;
    bool isNumber = false;
    const int number = what.toInt(&isNumber);
    if (isNumber && !what.startsWith(u'+') && !what.startsWith(u'-')) {
        if (number >= 1 && number <= last)
            return std::vector<int>{number};
        *error = QStringLiteral("there is no catalogue line %1 (lines are 1 to %2)").arg(what).arg(last);
        return std::nullopt;
    }

    QString name = what;
    int voicing = 0;  // 0: all of them
    const qsizetype colon = what.lastIndexOf(u':');
    if (colon > 0) {
        name = what.left(colon);
        const QString count = what.mid(colon + 1);
        bool ok = false;
        voicing = count.toInt(&ok);
        if (!ok || voicing < 1 || count.startsWith(u'+')) {
            *error = QStringLiteral("\"%1\": the voicing number after \":\" counts from 1").arg(what);
            return std::nullopt;
        }
    }
    std::vector<int> lines;
    for (int i = 1; i <= last; ++i)
        if (entries_[size_t(i)].Name == name)
            lines.push_back(i);
    if (lines.empty() || name.isEmpty()) {
        *error = QStringLiteral("no chord is named \"%1\" (names are written as the list command shows them)")
                     .arg(name);
        return std::nullopt;
    }
    if (voicing == 0)
        return lines;
    if (size_t(voicing) > lines.size()) {
        *error = QStringLiteral("%1 has %2 voicings, not %3").arg(name).arg(lines.size()).arg(voicing);
        return std::nullopt;
    }
    return std::vector<int>{lines[size_t(voicing - 1)]};
}

std::optional<int> VoicingLookup::Line(const QString& what, QString* error) const
{
    const auto lines = Lines(what, error);
    if (!lines)
        return std::nullopt;
    return lines->front();
}

QString FretsText(const std::array<int, 6>& frets)
{
    QStringList fields;
    for (int f : frets)
        fields << (f < 0 ? QStringLiteral("x") : QString::number(f));
    return fields.join(u' ');
}

} // namespace fretlore
