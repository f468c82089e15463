// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how long MaskToRegion takes on the program's two masks.
#include "resources/PicturePaths.h"
#include "shell/bmp2rgn.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    for (const char* path : {fretlore::PicturePaths::MainMask, fretlore::PicturePaths::SplashMask}) {
        const QImage mask(QString::fromLatin1(path));
        const char* name = path + sizeof(":/pictures/") - 1;
        int subtractions = 0;
        std::vector<double> ms;
        for (int run = 0; run < 20; ++run) {
            int count = 0;
            QElapsedTimer t;
            t.start();
            const QRegion region = fretlore::MaskToRegion(mask, [&count](const QRect&) { ++count; });
            ms.push_back(double(t.nsecsElapsed()) / 1e6);
            subtractions = count;
            if (region.isEmpty())
                return 1;
        }
        std::sort(ms.begin(), ms.end());
        std::printf("MaskToRegion %s (%dx%d): %d subtractions, median %.2f ms, best %.2f ms, worst %.2f ms\n",
                    name, mask.width(), mask.height(), subtractions, ms[ms.size() / 2], ms.front(), ms.back());
    }
    return 0;
}
