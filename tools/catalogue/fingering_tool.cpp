// SPDX-License-Identifier: GPL-3.0-or-later
// The program's fingering model for the catalogue generator: reads voicings,
// one a line as six frets lowest string first ("-1 0 2 2 1 0"), and answers
// each on its own line with the cost and the finger on each string
// ("3.0 0 0 2 3 1 0"), or "none" when no fingering obeys the hand rules.
// "tuning" answers with the open strings' MIDI pitches. Output is flushed
// after every answer, so the generator can hold it as a coprocess.
#include "catalogue/Fingering.h"
#include "catalogue/Instrument.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

using namespace fretlore;

int main()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line == "tuning") {
            for (int s = 0; s < kStringCount; ++s)
                std::cout << (s ? " " : "") << kStandardGuitar.OpenPitch[s];
            std::cout << std::endl;
            continue;
        }
        std::istringstream in(line);
        Frets frets{};
        bool ok = true;
        for (int& f : frets)
            ok = ok && static_cast<bool>(in >> f) && f >= -1 && f <= 30;
        if (!ok) {
            std::cout << "error" << std::endl;
            continue;
        }
        const std::optional<Fingering> best = BestFingering(frets);
        if (!best) {
            std::cout << "none" << std::endl;
            continue;
        }
        char cost[32];
        std::snprintf(cost, sizeof cost, "%.1f", best->Cost);
        std::cout << cost;
        for (int finger : best->Fingers)
            std::cout << ' ' << finger;
        std::cout << std::endl;
    }
    return 0;
}
