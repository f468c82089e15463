// SPDX-License-Identifier: GPL-3.0-or-later
// Any texts in the name field and the six fret edits, tested against every
// catalogue line and one arbitrary line. Input: the texts separated by
// newlines (name, E6 ... e1, the extra line).
#include "catalogue/ChordCatalogue.h"
#include "search/LookTest.h"
#include "search/NameTest.h"

#include <cstdint>
#include <cstdlib>

using namespace fretlore;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QStringList catalogue = ChordCatalogue();
    const QStringList parts =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(u'\n');
    const QString name = parts.value(0);
    FretTexts frets;
    for (int k = 0; k < 6; ++k)
        frets[size_t(k)] = PaddedFretText(parts.value(k + 1));
    const NameTest byName(name);
    const LookTest byLook(frets);
    const auto check = [&](const QString& line) {
        // A name matches only a line at least as long, which it begins.
        if (byName(line) && (name.isEmpty() || line.size() < name.size()))
            std::abort();
        byLook(line);
    };
    for (const QString& line : catalogue)
        check(line);
    check(parts.value(7));
    return 0;
}
