// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace fretlore {

// The search by name's line test: a line matches when it begins with the
// searched text, letter case of a to z ignored (no other letters are folded).
// The whole line is compared, so a text longer than the 16-character name
// field goes on into the fret fields, and "C " matches only the chords named
// exactly "C". An empty text, or one longer than the line, matches nothing.
class NameTest {
public:
    explicit NameTest(const QString& text);

    bool operator()(QStringView line) const;

private:
    QString upper_;  // the searched text, a to z upper-cased
};

} // namespace fretlore
