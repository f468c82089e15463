// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as a catalogue line: the reading rule answers with an entry or a
// reason, and an entry's frets are what its fields say.
#include "catalogue/ChordEntry.h"

#include <cstdint>
#include <cstdlib>

using namespace fretlore;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const std::optional<ChordEntry> entry = ReadChordEntry(line, &error);
    if (entry.has_value() == !error.isEmpty())
        std::abort();  // exactly one of an entry and a reason
    if (entry && (entry->Name != ChordNameOf(line) || ReadFrets(FretText(line)) != entry->Frets))
        std::abort();
    return 0;
}
