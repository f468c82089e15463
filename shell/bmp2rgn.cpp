#include "shell/bmp2rgn.h"

namespace fretlore {

QRegion MaskToRegion(const QImage& mask, const std::function<void(const QRect&)>& onSubtract)
{
    const int w = mask.width();
    const int h = mask.height();
    QRegion result(0, 0, w, h);
    if (w == 0 || h == 0)
        return result;

    // Pixels compared without alpha: the mask convention is about colour only.
    const auto colourAt = [&mask](int x, int y) { return mask.pixel(x, y) & 0xFFFFFF; };
    const auto subtract = [&](int left, int y, int right) {
        const QRect run(left, y, right - left, 1);
        result -= QRegion(run);
        if (onSubtract)
            onSubtract(run);
    };

    for (int y = 0; y < h; ++y) {
        int runStart = 0;
        QRgb runColour = colourAt(0, y);
        for (int x = 0; x < w; ++x) {
            const QRgb c = colourAt(x, y);
            if (c == runColour)
                continue;
            if (runColour == kMaskCutColour)
                subtract(runStart, y, x);
            runStart = x;
            runColour = c;
        }
        if (runColour == kMaskCutColour)
            subtract(runStart, y, w);
    }
    return result;
}

} // namespace fretlore
