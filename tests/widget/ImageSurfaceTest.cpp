// Pixels of the real backing image: walls one pixel wide, marks inside their cells, the
// route three pixels wide, and sharp, even walls at other device pixel ratios.
#include <gtest/gtest.h>

#include <set>

#include "core/platform/Random.h"
#include "core/program/Program.h"
#include "core/search/Searches.h"
#include "qt/platform/surface/ImageSurface.h"
#include "qt/platform/surface/PainterSurface.h"
#include <QPainter>
#include "qt/window/Form1.h"

namespace tolvane::testing {
namespace {

const QRgb kWhitePx = qRgb(255, 255, 255);
const QRgb kBlackPx = qRgb(0, 0, 0);
const QRgb kBluePx = qRgb(0, 0, 255);
const QRgb kRedPx = qRgb(255, 0, 0);

// A Program drawing into a real backing image, with a seeded random source.
struct ImageHarness {
    ImageSurface surface{464, 358, WindowFont()};
    PlainSwitch timer;
    PlainSwitch command2;
    ScriptedRandom random;
    Program program{Platform{surface, timer, command2, random}};
    QRgb At(int x, int y) const { return surface.image().pixel(x, y) | 0xFF000000; }
};

TEST(BackingImage, TheStartFrameIsFourCompleteOnePixelLines)
{
    ImageHarness h;
    h.program.Form_Load();
    const QImage& image = h.surface.image();
    ASSERT_EQ(QSize(464, 358), image.size());
    for (int k = 0; k <= 357; ++k) {
        ASSERT_EQ(kBlackPx, h.At(k, 0)) << k;
        ASSERT_EQ(kBlackPx, h.At(k, 357)) << k;
        ASSERT_EQ(kBlackPx, h.At(0, k)) << k;
        ASSERT_EQ(kBlackPx, h.At(357, k)) << k;
    }
    for (int k = 20; k <= 337; ++k) {  // clear of the marks
        ASSERT_EQ(kWhitePx, h.At(k, 1)) << k;
        ASSERT_EQ(kWhitePx, h.At(k, 356)) << k;
        ASSERT_EQ(kWhitePx, h.At(1, k)) << k;
        ASSERT_EQ(kWhitePx, h.At(356, k)) << k;
    }
    // No inner wall, and everything right of the square is white.
    for (int y = 0; y < 358; ++y) {
        for (int x = 0; x < 464; ++x) {
            const bool frame = x == 0 || y == 0 || x == 357 || y == 357;
            const bool mark = (x < 17 && y < 17) || (x >= 340 && x < 357 && y >= 340 && y < 357);
            if (!frame && !mark) {
                ASSERT_EQ(kWhitePx, h.At(x, y)) << x << "," << y;
            }
        }
    }
}

TEST(BackingImage, SAndGAreSolidBlueAndLieInsideTheirCells)
{
    ImageHarness h;
    h.program.Form_Load();
    std::set<QRgb> colours;
    int start = 0, goal = 0;
    for (int y = 0; y < 358; ++y) {
        for (int x = 0; x < 464; ++x) {
            const QRgb px = h.At(x, y);
            colours.insert(px);
            if (px != kBluePx)
                continue;
            const bool inStart = x >= 1 && x <= 16 && y >= 1 && y <= 16;
            const bool inGoal = x >= 341 && x <= 356 && y >= 341 && y <= 356;
            ASSERT_TRUE(inStart || inGoal) << "blue outside the cells at " << x << "," << y;
            (inStart ? start : goal)++;
        }
    }
    EXPECT_GT(start, 15);
    EXPECT_GT(goal, 15);
    EXPECT_EQ((std::set<QRgb>{kWhitePx, kBlackPx, kBluePx}), colours) << "no blended pixels";
}

TEST(BackingImage, TheRouteIsRedThreePixelsWideThroughTheCellCentres)
{
    ImageHarness h;
    h.program.Form_Load();
    h.random.SetFallbackSeed(21);
    h.program.Command1_Click();
    h.program.Command2_Click();
    h.program.Timer1_Timer();
    // The first tick's segment has no length: a 3x3 dot on the start cell's centre.
    for (int y = 5; y <= 11; ++y)
        for (int x = 5; x <= 11; ++x)
            ASSERT_EQ(x >= 7 && x <= 9 && y >= 7 && y <= 9, h.At(x, y) == kRedPx) << x << "," << y;
    while (h.timer.Enabled())
        h.program.Timer1_Timer();
    const MazeState& s = h.program.state();
    for (int i = 1; i <= s.PathLen; ++i) {
        const int cx = 17 * s.PathX(i) + 8;
        const int cy = 17 * s.PathY(i) + 8;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                ASSERT_EQ(kRedPx, h.At(cx + dx, cy + dy)) << i;
        // Three wide: the pixels two away across the route's direction are not red.
        const bool horizontal = i < s.PathLen ? s.PathY(i + 1) == s.PathY(i) : s.PathY(i - 1) == s.PathY(i);
        const bool straight = i > 1 && i < s.PathLen &&
                              (s.PathY(i - 1) == s.PathY(i)) == (s.PathY(i + 1) == s.PathY(i));
        if (straight) {
            if (horizontal) {
                ASSERT_NE(kRedPx, h.At(cx, cy - 2)) << i;
                ASSERT_NE(kRedPx, h.At(cx, cy + 2)) << i;
            } else {
                ASSERT_NE(kRedPx, h.At(cx - 2, cy)) << i;
                ASSERT_NE(kRedPx, h.At(cx + 2, cy)) << i;
            }
        }
    }
    // The next maze erases the route.
    h.program.Command1_Click();
    for (int y = 0; y < 358; ++y)
        for (int x = 0; x < 358; ++x)
            ASSERT_NE(kRedPx, h.At(x, y));
}

// The lengths of the black runs met crossing every wall at right angles, mid-cell.
std::set<int> WallThicknesses(const QImage& image, double scale)
{
    std::set<int> runs;
    auto scan = [&](bool alongX, int fixed) {
        int run = 0;
        const int n = alongX ? image.width() : image.height();
        for (int i = 0; i < n; ++i) {
            const QRgb px = (alongX ? image.pixel(i, fixed) : image.pixel(fixed, i)) | 0xFF000000;
            if (px == kBlackPx) {
                ++run;
            } else {
                if (run)
                    runs.insert(run);
                run = 0;
            }
        }
        if (run)
            runs.insert(run);
    };
    for (int cell = 1; cell < 20; ++cell) {  // clear of the marks
        const int mid = static_cast<int>((17 * cell + 8.5) * scale);
        scan(true, mid);   // crosses the vertical walls
        scan(false, mid);  // crosses the horizontal walls
    }
    return runs;
}

TEST(BackingImage, WallsStaySharpAndEvenAtOtherDevicePixelRatios)
{
    ImageHarness h;
    h.program.Form_Load();
    h.random.SetFallbackSeed(3);
    h.program.Command1_Click();
    const QImage atOne = h.surface.image();
    EXPECT_EQ(std::set<int>{1}, WallThicknesses(atOne, 1));

    h.surface.SetScale(2);
    ASSERT_EQ(QSize(928, 716), h.surface.image().size());
    EXPECT_EQ(std::set<int>{2}, WallThicknesses(h.surface.image(), 2));
    // Away from the marks (whose glyphs are drawn at the finer resolution), exactly the 1x
    // picture with every pixel doubled: nothing blurred, nothing shifted.
    for (int y = 0; y < 716; ++y)
        for (int x = 0; x < 928; ++x) {
            const bool mark = (x < 34 && y < 34) || (x >= 680 && x < 714 && y >= 680 && y < 714);
            if (!mark) {
                ASSERT_EQ(atOne.pixel(x / 2, y / 2), h.surface.image().pixel(x, y)) << x << "," << y;
            }
        }

    for (double ratio : {1.25, 1.5, 1.75}) {
        h.surface.SetScale(ratio);
        const std::set<int> runs = WallThicknesses(h.surface.image(), ratio);
        EXPECT_EQ(1u, runs.size()) << "uneven walls at " << ratio;
    }
    // What is on the surface is painted again, not lost, when the ratio changes back.
    h.surface.SetScale(1);
    EXPECT_EQ(atOne, h.surface.image());
}

TEST(BackingImage, ClsErasesEverythingToWhite)
{
    ImageHarness h;
    h.program.Form_Load();
    h.surface.Cls();
    QImage white(464, 358, QImage::Format_RGB32);
    white.fill(kWhitePx);
    EXPECT_EQ(white, h.surface.image());
    h.surface.SetScale(2);  // nothing comes back from before the Cls
    EXPECT_EQ(white.scaled(928, 716), h.surface.image());
}

}  // namespace
}  // namespace tolvane::testing

namespace tolvane::testing {
namespace {

// A path's arc bulges the way its sweep says, on the screen's image and on a vector device
// alike: a quarter circle from three o'clock turning anticlockwise (up) to twelve o'clock.
TEST(BackingImage, APathsArcTurnsTheWayItsSweepSaysOnBothSurfaces)
{
    const PointF centre{50, 50};
    const PathPiece quarter{{50, 10}, true, centre, 40, 0, 90};
    // Points 40 pixels from the centre, on the quarter drawn and on the quarter below it.
    const QPoint drawn(50 + 28, 50 - 28), mirrored(50 + 28, 50 + 28);
    ImageSurface screen(100, 100, WindowFont());
    screen.SetDrawWidth(3);
    screen.Path({90, 50}, std::span(&quarter, 1), kBlack);
    QImage paper(100, 100, QImage::Format_RGB32);
    {
        QPainter painter(&paper);
        PainterSurface surface(painter, QSize(100, 100), WindowFont());
        surface.Cls();
        surface.SetDrawWidth(3);
        surface.Path({90, 50}, std::span(&quarter, 1), kBlack);
    }
    for (const QImage* image : {&screen.image(), static_cast<const QImage*>(&paper)}) {
        EXPECT_LT(qGray(image->pixel(drawn)), 128);
        EXPECT_EQ(image->pixel(mirrored) | 0xFF000000, kWhitePx);
        EXPECT_EQ(image->pixel(50, 50) | 0xFF000000, kWhitePx) << "an arc, not a pie";
    }
}

}  // namespace
}  // namespace tolvane::testing
