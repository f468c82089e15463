// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/bmp2rgn.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using namespace fretlore;

namespace {

constexpr QRgb W = 0xFFFFFFFF;
constexpr QRgb K = 0xFF000000;

// A picture from rows of pixels.
QImage picture(const std::vector<std::vector<QRgb>>& rows)
{
    QImage img(rows.empty() ? 0 : int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, rows[size_t(y)][size_t(x)]);
    return img;
}

struct Traced {
    QRegion region;
    std::vector<QRect> subtractions;
};

Traced trace(const QImage& img)
{
    Traced t;
    t.region = MaskToRegion(img, [&t](const QRect& r) { t.subtractions.push_back(r); });
    return t;
}

} // namespace

TEST(MaskToRegion, OneSubtractionPerWhiteRunInRowOrder)
{
    const Traced t = trace(picture({
        {W, W, W, W},  // all white: one run to the end of the row
        {K, K, K, K},  // no white: no call
        {W, K, W, W},  // a single pixel, then a run touching the right edge
        {K, W, K, K},  // a 1 x 1 run inside the row
    }));
    const std::vector<QRect> expected = {QRect(0, 0, 4, 1), QRect(0, 2, 1, 1), QRect(2, 2, 2, 1),
                                         QRect(1, 3, 1, 1)};
    EXPECT_EQ(t.subtractions, expected);
    QRegion kept = QRegion(0, 1, 4, 1) + QRegion(1, 2, 1, 1) + QRegion(0, 3, 1, 1) + QRegion(2, 3, 2, 1);
    EXPECT_EQ(t.region, kept);
}

TEST(MaskToRegion, RunsSplitAtEveryColourButOnlyExactWhiteIsCut)
{
    const QRgb nearWhite = 0xFFFDFDFD;
    const QRgb red = 0xFFFF0000;
    const Traced t = trace(picture({{W, nearWhite, W, red, red, W, W}}));
    const std::vector<QRect> expected = {QRect(0, 0, 1, 1), QRect(2, 0, 1, 1), QRect(5, 0, 2, 1)};
    EXPECT_EQ(t.subtractions, expected);
    EXPECT_TRUE(t.region.contains(QPoint(1, 0)));   // near-white is kept
    EXPECT_FALSE(t.region.contains(QPoint(0, 0)));
    EXPECT_TRUE(t.region.contains(QPoint(3, 0)));
}

TEST(MaskToRegion, AlphaDoesNotMatter)
{
    const Traced t = trace([] {
        QImage img(2, 1, QImage::Format_ARGB32);
        img.setPixel(0, 0, 0x00FFFFFF);  // transparent white is still white
        img.setPixel(1, 0, 0x80000000);
        return img;
    }());
    EXPECT_EQ(t.subtractions, std::vector<QRect>{QRect(0, 0, 1, 1)});
}

TEST(MaskToRegion, EmptyPictureGivesEmptyRegionWithoutReadingPixels)
{
    for (const QSize size : {QSize(0, 5), QSize(5, 0), QSize(0, 0)}) {
        const Traced t = trace(QImage(size, QImage::Format_RGB32));
        EXPECT_TRUE(t.region.isEmpty());
        EXPECT_TRUE(t.subtractions.empty());
    }
    EXPECT_TRUE(MaskToRegion(QImage()).isEmpty());
}

TEST(MaskToRegion, WithoutWhiteTheRegionIsThePictureRectangle)
{
    QImage img(7, 3, QImage::Format_RGB32);
    img.fill(Qt::black);
    const Traced t = trace(img);
    EXPECT_TRUE(t.subtractions.empty());
    EXPECT_EQ(t.region, QRegion(0, 0, 7, 3));
}

TEST(MaskToRegion, IndexedPicturesReadThroughTheirColourTable)
{
    QImage img(3, 1, QImage::Format_Indexed8);
    img.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    img.setPixel(0, 0, 1);
    img.setPixel(1, 0, 0);
    img.setPixel(2, 0, 0);
    EXPECT_EQ(trace(img).subtractions, std::vector<QRect>{QRect(1, 0, 2, 1)});
}

// The region must be exactly the picture's rectangle with every white run cut
// out of it, in the canonical form QRegion itself gives that difference (so
// that region comparisons elsewhere hold), whatever the shapes.
TEST(MaskToRegion, SameRegionAsCuttingEveryRunFromTheWholeRectangle)
{
    const auto reference = [](const QImage& img) {
        QRegion r(0, 0, img.width(), img.height());
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xFFFFFF) == kMaskCutColour)
                    r -= QRegion(x, y, 1, 1);
        return r;
    };
    std::srand(7);
    for (int round = 0; round < 60; ++round) {
        QImage img(1 + std::rand() % 40, 1 + std::rand() % 40, QImage::Format_RGB32);
        const int whiteShare = std::rand() % 100;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                img.setPixel(x, y, std::rand() % 100 < whiteShare ? W : K);
        // Some pictures get aligned columns, which QRegion joins into taller rectangles.
        if (round % 3 == 0)
            for (int y = 1; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    img.setPixel(x, y, img.pixel(x, 0));
        const QRegion region = MaskToRegion(img);
        EXPECT_EQ(region, reference(img)) << "round " << round;
        EXPECT_EQ(region.rectCount(), reference(img).rectCount()) << "round " << round;
        // The same picture in the forms pictures are stored and loaded in.
        const QList<QRgb> blackWhite{K, W};
        for (const QImage& form : {img.convertToFormat(QImage::Format_Mono, blackWhite),
                                   img.convertToFormat(QImage::Format_MonoLSB, blackWhite),
                                   img.convertToFormat(QImage::Format_Indexed8, blackWhite),
                                   img.convertToFormat(QImage::Format_RGB888)})
            EXPECT_EQ(MaskToRegion(form), region) << "round " << round << ", format " << form.format();
    }
}
