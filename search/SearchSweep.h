// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace fretlore {

// A per-line predicate: does this catalogue line match what the user asked for?
using LineTest = std::function<bool(QStringView line)>;

// The text of line `index` (0 <= index < the line count).
using LineAt = std::function<QString(int index)>;

// Receives the progress bar's new position, 1 to 100, each time it changes.
using SweepProgress = std::function<void(int position)>;

// What SearchSweep returns when no line matched.
inline constexpr int kNotFound = -1;

// The scan that both searches share. Tests the lines after `selection` in
// order up to the last one, then, when nothing matched and `selection` is a
// chord line (1 or more), wraps round to line 1 and goes on up to and
// including `selection` itself, so a selected line that is the only match is
// found again. A `selection` of -1 (nothing selected) or 0 starts at line 1
// and needs no second round. Line 0, the empty line, is never tested; each
// other line is tested at most once.
//
// Every line that fails the test counts, across both rounds; after each
// failure the position 100 x failures / lineCount, rounded to the nearest
// whole number, is sent to `progress` when it differs from the last one sent
// (the bar starts at 0). A not-found sweep of the catalogue thus ends at 100.
//
// Returns the index of the first matching line, or kNotFound. A `selection`
// outside -1 .. lineCount - 1 is taken as the nearest end of that range.
int SearchSweep(int lineCount, const LineAt& lineAt, int selection, const LineTest& test,
                const SweepProgress& progress = {});

// The same over a list of lines, line 0 first.
int SearchSweep(const QStringList& lines, int selection, const LineTest& test,
                const SweepProgress& progress = {});

// The progress bar's position after `failures` failed lines out of
// `lineCount`: 100 x failures / lineCount, rounded half up; 0 when there are no lines.
int SweepPosition(int failures, int lineCount);

} // namespace fretlore
