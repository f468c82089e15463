// SPDX-License-Identifier: GPL-3.0-or-later
#include "chords/FretFields.h"

#include "diagram/guitarstr.h"

namespace fretlore {

namespace {

const char* const kStrings[6] = {"E6", "A5", "D4", "G3", "B2", "e1"};

bool sixFields(const QStringList& fields, QString* error)
{
    if (fields.size() == 6)
        return true;
    *error = QStringLiteral("give six fret fields, E6 first (x 3 2 0 1 0), not %1").arg(fields.size());
    return false;
}

QString notAFret(int column, const QString& field, const char* allowed)
{
    return QStringLiteral("the %1 field \"%2\" is not a fret: write %3")
        .arg(QLatin1String(kStrings[column]), field, QLatin1String(allowed));
}

bool digits(const QString& field, int most)
{
    if (field.isEmpty() || field.size() > most)
        return false;
    for (QChar c : field)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

std::optional<std::array<int, 6>> FretFields::Fingering(const QStringList& fields, QString* error)
{
    if (!sixFields(fields, error))
        return std::nullopt;
    std::array<int, 6> frets{};
    for (int s = 0; s < 6; ++s) {
        const QString& f = fields[s];
        if (f.compare(QLatin1String("x"), Qt::CaseInsensitive) == 0) {
            frets[size_t(s)] = -1;
            continue;
        }
        const int fret = digits(f, 2) ? f.toInt() : -1;
        if (fret < 0 || fret >= kNoteNameFrets) {
            *error = notAFret(s, f, "a fret number from 0 to 24, or x for a string not played");
            return std::nullopt;
        }
        frets[size_t(s)] = fret;
    }
    return frets;
}

std::optional<FretTexts> FretFields::Look(const QStringList& fields, QString* error)
{
    if (!sixFields(fields, error))
        return std::nullopt;
    FretTexts texts;
    for (int s = 0; s < 6; ++s) {
        const QString& f = fields[s];
        const bool wildcard = f == QLatin1String("?") || f.compare(QLatin1String("x"), Qt::CaseInsensitive) == 0;
        if (!wildcard && !digits(f, 2)) {
            *error = notAFret(s, f, "a fret number, x for a string not played or ? for any");
            return std::nullopt;
        }
        texts[size_t(s)] = PaddedFretText(f);
    }
    return texts;
}

} // namespace fretlore
