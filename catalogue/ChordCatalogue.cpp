// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/ChordCatalogue.h"

#include <cstddef>

namespace fretlore {

// The data file's bytes (catalogue/chords.txt), generated at build time.
extern const char kChordsText[];
extern const std::size_t kChordsTextSize;

QStringList ChordCatalogue()
{
    QStringList lines;
    lines.reserve(kCatalogueLines);
    lines.append(QString());  // line 0: no chord

    // One voicing per line of the data file; a final line break ends the last one.
    const QLatin1StringView text(kChordsText, static_cast<qsizetype>(kChordsTextSize));
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        lines.append(QString(text.sliced(start, end - start)));
        start = end + 1;
    }
    return lines;
}

} // namespace fretlore
