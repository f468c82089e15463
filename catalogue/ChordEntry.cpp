#include "catalogue/ChordEntry.h"

#include <cstdint>
#include <limits>

namespace fretlore {

namespace {

constexpr qsizetype kNameField = 16;  // characters before the fret text
constexpr qsizetype kNameWidth = 15;  // character 16 is never part of the name

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

QString FretText(QStringView line)
{
    return line.size() > kNameField ? line.sliced(kNameField).toString() : QString();
}

QString ChordNameOf(QStringView line)
{
    QStringView name = line.left(kNameWidth);
    while (!name.isEmpty() && name.back() == u' ')
        name.chop(1);
    return name.toString();
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

std::optional<std::array<int, 6>> ReadFrets(QStringView fretText, QString* error)
{
    QString text = fretText.toString();
    if (text.size() == 11)
        text.append(u' ');

    std::array<int, 6> frets{};
    for (int column = 0; column < 6; ++column) {
        QStringView field = QStringView(text).left(2);
        if (field.size() == 2 && field[1] == u' ')
            field.chop(1);
        if (field == u"x") {
            frets[column] = kMuted;
        } else if (const auto value = ConvertFretField(field)) {
            frets[column] = *value;
        } else {
            if (error) {
                *error = QStringLiteral("Fret field %1 (\"%2\") is not a valid fret number")
                             .arg(column + 1)
                             .arg(field.toString());
            }
            return std::nullopt;
        }
        text.remove(0, 2);
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
