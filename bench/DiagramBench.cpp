// SPDX-License-Identifier: GPL-3.0-or-later
// The time of one list click shown by the program: drawing, markers, six
// players closed and prepared.
#include "app/MainUnit.h"
#include "controls/ListBoxControl.h"
#include "controls/SpeedButton.h"
#include "media/MediaSystem.h"
#include "platform/FontSubstitutes.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fretlore::InstallFontSubstitutes();
    fretlore::MediaSystem media(false);
    fretlore::TForm1 form(&media);
    std::vector<double> ms;
    for (int run = 0; run < 2000; ++run) {
        form.ListBox->setCurrentRow(1 + (run * 37) % 1008);
        QElapsedTimer t;
        t.start();
        form.ListBoxClick(form.BitBtn1);
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("ListBoxClick (draw, markers, players closed and prepared): median %.3f ms, 99th %.3f ms, worst "
                "%.3f ms (%zu runs)\n",
                ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back(), ms.size());
    return 0;
}
