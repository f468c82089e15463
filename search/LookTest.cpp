// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/LookTest.h"

#include "catalogue/CatalogueLine.h"
#include "search/AsciiUpper.h"

namespace fretlore {

QString PaddedFretText(const QString& text)
{
    return text.size() == 1 ? text + QLatin1Char(' ') : text;
}

LookTest::LookTest(const FretTexts& frets)
{
    for (int column = 0; column < 6; ++column) {
        anyFret_[column] = frets[column] == QLatin1String("? ");
        upper_[column] = frets[column];
        for (QChar& c : upper_[column])
            c = AsciiUpper(c);
    }
}

bool LookTest::operator()(QStringView line) const
{
    for (int string = 0; string < kStringCount; ++string) {
        if (anyFret_[size_t(string)])
            continue;
        // The field as the line has it: two characters, fewer where a short line ends.
        const QStringView field = line.mid(FretFieldStart(string), kFretFieldWidth);
        const QString& want = upper_[size_t(string)];
        if (field.size() != want.size())
            return false;
        for (qsizetype i = 0; i < want.size(); ++i)
            if (AsciiUpper(field[i]) != want[i])
                return false;
    }
    return true;
}

} // namespace fretlore
