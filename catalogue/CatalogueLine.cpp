// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/CatalogueLine.h"

#include <cstdint>
#include <limits>

namespace fretlore {

namespace {

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int v = -1;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v < base ? v : -1;
}

} // namespace

QStringView TrimmedFretField(QStringView field)
{
    if (field.size() == kFretFieldWidth && field[1] == u' ')
        field.chop(1);
    return field;
}

std::optional<int> ReadFretField(QStringView field)
{
    field = TrimmedFretField(field);
    if (field == u"x")
        return kMuted;
    return ConvertFretField(field);
}

std::optional<int> ConvertFretField(QStringView field)
{
    qsizetype i = 0;
    while (i < field.size() && field[i] == u' ')
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == u'+' || field[i] == u'-')) {
        negative = field[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < field.size() && (field[i] == u'$' || field[i] == u'x' || field[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < field.size() && field[i] == u'0' && (field[i + 1] == u'x' || field[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == field.size())
        return std::nullopt;  // no digits at all

    std::int64_t value = 0;
    for (; i < field.size(); ++i) {
        const int d = digitValue(field[i], base);
        if (d < 0)
            return std::nullopt;
        value = value * base + d;
        if (value > std::int64_t(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace fretlore
