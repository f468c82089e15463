// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/ChordEntry.h"

namespace fretlore {

QString FretText(QStringView line)
{
    return line.size() > kNameFieldWidth ? line.sliced(kNameFieldWidth).toString() : QString();
}

QString ChordNameOf(QStringView line)
{
    QStringView name = line.left(kNameWidth);
    while (!name.isEmpty() && name.back() == u' ')
        name.chop(1);
    return name.toString();
}

std::optional<std::array<int, 6>> ReadFrets(QStringView fretText, QString* error)
{
    QString text = fretText.toString();
    if (text.size() == kFretTextWidth - 1)
        text.append(u' ');  // the last field lost its trailing blank

    std::array<int, 6> frets{};
    for (int string = 0; string < kStringCount; ++string) {
        const QStringView field = QStringView(text).mid(FretTextFieldStart(string), kFretFieldWidth);
        if (const auto value = ReadFretField(field)) {
            frets[size_t(string)] = *value;
        } else {
            if (error) {
                *error = QStringLiteral("Fret field %1 (\"%2\") is not a valid fret number")
                             .arg(ColumnNumberOf(string))
                             .arg(TrimmedFretField(field).toString());
            }
            return std::nullopt;
        }
    }
    return frets;
}

std::optional<ChordEntry> ReadChordEntry(QStringView line, QString* error)
{
    const auto frets = ReadFrets(FretText(line), error);
    if (!frets)
        return std::nullopt;
    return ChordEntry{ChordNameOf(line), *frets};
}

} // namespace fretlore
