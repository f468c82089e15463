// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/NameTest.h"

#include "search/AsciiUpper.h"

namespace fretlore {

NameTest::NameTest(const QString& text) : upper_(text)
{
    for (QChar& c : upper_)
        c = AsciiUpper(c);
}

bool NameTest::operator()(QStringView line) const
{
    if (upper_.isEmpty() || upper_.size() > line.size())
        return false;
    for (qsizetype i = 0; i < upper_.size(); ++i)
        if (AsciiUpper(line[i]) != upper_[i])
            return false;
    return true;
}

} // namespace fretlore
