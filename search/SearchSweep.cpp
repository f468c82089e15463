// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SearchSweep.h"

#include <algorithm>

namespace fretlore {

int SweepPosition(int failures, int lineCount)
{
    if (lineCount <= 0)
        return 0;
    // floor(100 f / N + 1/2) in integers: (200 f + N) / 2N.
    return int((200LL * failures + lineCount) / (2LL * lineCount));
}

int SearchSweep(int lineCount, const LineAt& lineAt, int selection, const LineTest& test,
                const SweepProgress& progress)
{
    if (lineCount <= 1)
        return kNotFound;  // no chord line to test
    const int s = std::clamp(selection, -1, lineCount - 1);

    int failures = 0;
    int position = 0;
    const auto testLine = [&](int index) {
        if (test(lineAt(index)))
            return true;
        ++failures;
        const int now = SweepPosition(failures, lineCount);
        if (now != position) {
            position = now;
            if (progress)
                progress(position);
        }
        return false;
    };

    // Round one: after the selection to the last line (line 0 skipped).
    for (int i = std::max(s + 1, 1); i < lineCount; ++i)
        if (testLine(i))
            return i;
    // Round two: from the top up to the selection itself.
    for (int i = 1; i <= s; ++i)
        if (testLine(i))
            return i;
    return kNotFound;
}

int SearchSweep(const QStringList& lines, int selection, const LineTest& test, const SweepProgress& progress)
{
    return SearchSweep(
        int(lines.size()), [&lines](int index) { return lines.at(index); }, selection, test, progress);
}

} // namespace fretlore
