// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram drawing and the tone-hover geometry, on a blank picture of the
// diagram's size, without a window.
#include "diagram/ChordDiagram.h"
#include "diagram/ToneHover.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include <memory>

using namespace fretlore;
using namespace DiagramGeometry;

namespace {

const QRgb kLime = qRgb(0, 255, 0);
const QRgb kBlack = qRgb(0, 0, 0);

// The position number needs the font database, which needs an application.
class GuiApplication : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QGuiApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[13] = "test_diagram";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};
[[maybe_unused]] const auto* const kGuiApplication = ::testing::AddGlobalTestEnvironment(new GuiApplication);

QImage blank()
{
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    picture.fill(Qt::black);
    return picture;
}

} // namespace

TEST(ChordDiagram, DrawsDiscsRingsAndNothingForMutedStrings)
{
    QImage picture = blank();
    ToneMarkerArray markers;
    markers[0].Shown = true;  // left over from an earlier chord
    EXPECT_EQ(DrawChordDiagram(picture, {-1, 0, 2, 2, 1, 0}, markers), 1);  // Am

    EXPECT_FALSE(markers[0].Shown);
    EXPECT_EQ(picture.pixel(kOpenX, RowY(1)), kBlack);
    for (int string : {2, 6}) {
        const ToneMarker& m = markers[size_t(string - 1)];
        EXPECT_TRUE(m.Shown);
        EXPECT_EQ(QPoint(m.X, m.Y), QPoint(kOpenX, RowY(string)));
        EXPECT_EQ(picture.pixel(kOpenX, RowY(string)), kBlack) << "open centre";
        EXPECT_EQ(picture.pixel(kOpenX - kToneDiameter / 2, RowY(string)), kLime) << "open ring";
    }
    EXPECT_EQ(QPoint(markers[2].X, markers[2].Y), QPoint(ToneX(2), RowY(3)));
    EXPECT_EQ(picture.pixel(ToneX(2), RowY(3)), kLime);
    EXPECT_EQ(picture.pixel(ToneX(1), RowY(5)), kLime);
    EXPECT_EQ(markers[2].NoteName, QLatin1String("E"));
    EXPECT_EQ(markers[4].NoteName, QLatin1String("C"));
}

TEST(ChordDiagram, HighPositionsCountFromTheirBaseFret)
{
    QImage picture = blank();
    ToneMarkerArray markers;
    EXPECT_EQ(DrawChordDiagram(picture, {8, 10, 10, 9, 8, 8}, markers), 8);
    EXPECT_EQ(markers[1].X, ToneX(3));
    EXPECT_EQ(markers[3].X, ToneX(2));
    EXPECT_EQ(markers[0].NoteName, QLatin1String("C"));
    // The position number is drawn at the top right.
    bool numberDrawn = false;
    for (int y = kBaseFretY; y < kBaseFretY + 12; ++y)
        for (int x = kBaseFretX; x < kBaseFretX + 10; ++x)
            numberDrawn |= picture.pixel(x, y) == kLime;
    EXPECT_TRUE(numberDrawn);

    // A tone more than four frets up lands left of the picture, unseen but recorded.
    picture = blank();
    EXPECT_EQ(DrawChordDiagram(picture, {1, -1, -1, -1, -1, 9}, markers), 1);
    EXPECT_LT(markers[5].X, 0);
    EXPECT_TRUE(markers[5].Shown);
}

TEST(ToneHover, ReachIsASquaredDistanceOfAtMostNinety)
{
    EXPECT_EQ(ToneDistance(0, 0, 3, 4), 5);
    EXPECT_EQ(ToneDistance(0, 0, 9, 3), 9);   // 90: 9.49
    EXPECT_EQ(ToneDistance(0, 0, 9, 4), 10);  // 97: 9.85
    EXPECT_EQ(ToneDistance(0, 0, 40000, 30000), 50000) << "no overflow far off the screen";

    ToneMarkerArray markers;
    markers[1] = {100, 53, QStringLiteral("A"), true};
    markers[2] = {105, 53, QStringLiteral("E"), true};  // overlaps the first: the later one wins
    markers[3] = {200, 53, QStringLiteral("A"), false};
    EXPECT_EQ(ToneUnderMouse(markers, 109, 56), 2);
    EXPECT_EQ(ToneUnderMouse(markers, 93, 53), 1);
    EXPECT_EQ(ToneUnderMouse(markers, 200, 53), -1) << "a hidden marker is never under the mouse";
    EXPECT_EQ(ToneUnderMouse(markers, 105, 63), -1) << "10 pixels away is out of reach";
    EXPECT_EQ(ToneHint(markers[2]), QStringLiteral("E. Click to play this tone"));
}
