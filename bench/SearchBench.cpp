// SPDX-License-Identifier: GPL-3.0-or-later
// Times a search that finds nothing: every one of the 1008 chord lines is
// tested and the progress position moves through 1 to 100.
//   1. the scan alone over the catalogue, the progress callback storing the
//      position (the least a repaint could cost), by name and by look;
//   2. as the main window runs it: lines read from a list widget's items and
//      every position change repainting a shown flat progress bar.
// Prints the best and the median of a number of runs, in milliseconds.
#include "catalogue/ChordCatalogue.h"
#include "flat/TFlatProgressBarUnit.h"
#include "search/LookTest.h"
#include "search/NameTest.h"
#include "search/SearchSweep.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace fretlore;

namespace {

constexpr int kRuns = 50;

template <typename Sweep>
void report(const char* what, Sweep sweep)
{
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        const int hit = sweep();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        if (hit != kNotFound)
            std::printf("unexpected hit %d\n", hit);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-58s best %7.3f ms  median %7.3f ms\n", what, ms.front(), ms[ms.size() / 2]);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const QStringList lines = ChordCatalogue();
    volatile int shown = 0;
    int changes = 0;
    const SweepProgress store = [&](int position) {
        shown = position;
        ++changes;
    };
    const FretTexts noChord{QStringLiteral("15"), QStringLiteral("15"), QStringLiteral("15"),
                            QStringLiteral("15"), QStringLiteral("15"), QStringLiteral("15")};

    report("by name \"db\", scan + stored position", [&] {
        return SearchSweep(lines, -1, NameTest(QStringLiteral("db")), store);
    });
    report("by look 15 15 15 15 15 15, scan + stored position", [&] {
        return SearchSweep(lines, 500, LookTest(noChord), store);
    });
    std::printf("position changes per sweep: %d, last position %d\n", changes / (2 * kRuns), int(shown));

    // The main window's way: items of a list, a shown bar repainted on every change.
    QWidget window;
    window.resize(572, 423);
    QListWidget list(&window);
    list.setGeometry(429, 113, 129, 272);
    for (const QString& line : lines)
        new QListWidgetItem(line, &list);
    TFlatProgressBar bar(&window);
    bar.setGeometry(25, 395, 375, 16);
    bar.SetSmooth(true);
    window.show();
    QApplication::processEvents();
    const LineAt fromList = [&list](int i) { return list.item(i)->text(); };
    const SweepProgress repaint = [&bar](int position) { bar.SetPosition(position); };
    report("by name \"db\", list items + bar repaints", [&] {
        bar.SetPosition(0);
        return SearchSweep(list.count(), fromList, list.currentRow(), NameTest(QStringLiteral("db")), repaint);
    });
    report("by look 15 15 15 15 15 15, list items + bar repaints", [&] {
        bar.SetPosition(0);
        return SearchSweep(list.count(), fromList, list.currentRow(), LookTest(noChord), repaint);
    });
    return 0;
}
