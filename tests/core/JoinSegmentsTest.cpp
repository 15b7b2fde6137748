// Segments joined into polylines: every segment drawn once, runs straight through junctions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

#include "core/maze/BuildMaze.h"
#include "core/platform/RecordingSurface.h"
#include "core/render/DrawMaze.h"
#include "core/render/JoinSegments.h"

namespace tolvane::testing {
namespace {

using Key = std::tuple<float, float, float, float>;
using Lines = std::vector<std::vector<PointF>>;

Key Normal(PointF a, PointF b)
{
    if (std::tie(b.x, b.y) < std::tie(a.x, a.y))
        std::swap(a, b);
    return {a.x, a.y, b.x, b.y};
}

// The polylines cut back into axis-aligned pieces `step` long, each as it was drawn; a piece
// that comes out twice is kept twice, so that nothing drawn twice goes unseen.
std::multiset<Key> Pieces(const Lines& lines, float step)
{
    std::multiset<Key> pieces;
    for (const auto& line : lines) {
        EXPECT_GE(line.size(), 2u);
        for (std::size_t i = 1; i < line.size(); ++i) {
            const PointF a = line[i - 1], b = line[i];
            const float length = std::abs(b.x - a.x) + std::abs(b.y - a.y);
            const float dx = (b.x - a.x) / length * step, dy = (b.y - a.y) / length * step;
            for (float done = 0; done < length; done += step) {
                const PointF from{a.x + dx * done / step, a.y + dy * done / step};
                pieces.insert(Normal(from, {from.x + dx, from.y + dy}));
            }
        }
    }
    return pieces;
}

TEST(JoinSegments, SegmentsInOneDirectionGivenOutOfOrderAndEitherWayRoundBecomeOneLineThatTurnsNoCorner)
{
    // An L: three segments down and two across, shuffled and reversed.
    const std::vector<Segment> given{{{0, 2}, {0, 1}}, {{1, 3}, {0, 3}}, {{0, 0}, {0, 1}}, {{0, 3}, {0, 2}},
                                     {{1, 3}, {2, 3}}};
    Lines lines = JoinSegments(given);
    ASSERT_EQ(2u, lines.size());
    for (auto& line : lines)
        if (std::tie(line.back().x, line.back().y) < std::tie(line.front().x, line.front().y))
            std::reverse(line.begin(), line.end());
    std::sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.back().y < b.back().y; });
    EXPECT_EQ((Lines{{{0, 0}, {0, 3}}, {{0, 3}, {2, 3}}}), lines);
}

TEST(JoinSegments, ARingOfHalfSidesIsFourWholeSidesWhereverTheRunsStart)
{
    // Every point meets two segments, so runs may start anywhere, also half-way along a side.
    const std::vector<Segment> ring{{{-1, -1}, {0, -1}}, {{0, -1}, {1, -1}}, {{1, -1}, {1, 0}}, {{1, 0}, {1, 1}},
                                    {{1, 1}, {0, 1}},    {{0, 1}, {-1, 1}},  {{-1, 1}, {-1, 0}}, {{-1, 0}, {-1, -1}}};
    const Lines lines = JoinSegments(ring);
    ASSERT_EQ(4u, lines.size());
    for (const auto& line : lines) {
        ASSERT_EQ(2u, line.size());
        EXPECT_EQ(2, std::abs(line[1].x - line[0].x) + std::abs(line[1].y - line[0].y));
    }
}

TEST(JoinSegments, AWallRunsStraightThroughAJunctionAndItsBranchesEndThere)
{
    // A cross: the branches come first and from the middle, so that joining in the given order
    // would turn the corners.
    const std::vector<Segment> cross{{{1, 1}, {1, 0}}, {{1, 1}, {2, 1}}, {{0, 1}, {1, 1}}, {{1, 1}, {1, 2}}};
    Lines lines = JoinSegments(cross);
    ASSERT_EQ(2u, lines.size());
    for (auto& line : lines) {
        ASSERT_EQ(2u, line.size());  // one straight run each, its middle point dropped
        if (std::tie(line[1].x, line[1].y) < std::tie(line[0].x, line[0].y))
            std::swap(line[0], line[1]);
    }
    std::sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a[0].x < b[0].x; });
    EXPECT_EQ((std::vector<PointF>{{0, 1}, {2, 1}}), lines[0]);
    EXPECT_EQ((std::vector<PointF>{{1, 0}, {1, 2}}), lines[1]);
}

TEST(JoinSegments, ASegmentGivenTwiceIsDrawnOnceAndOneOfNoLengthNotAtAll)
{
    const std::vector<Segment> given{{{0, 0}, {3, 0}}, {{3, 0}, {0, 0}}, {{5, 5}, {5, 5}}};
    EXPECT_EQ((Lines{{{0, 0}, {3, 0}}}), JoinSegments(given));
    EXPECT_TRUE(JoinSegments({}).empty());
}

TEST(JoinSegments, AMazesWallsAreEachDrawnOnceInAFractionOfTheLines)
{
    const MazeState maze = MazeFromSeed(0x5EED, {31, 31});
    const CellGeometry g = CellGeometry::For(maze.size);
    RecordingSurface surface;
    DrawMaze(maze, surface, g);
    std::vector<Segment> walls;
    std::multiset<Key> expected;
    for (const DrawOp& op : surface.ops())
        if (op.kind == DrawOp::Kind::Line && !op.colour) {  // the walls; the marks have a colour of their own
            const PointF to{op.from.x + op.to.x, op.from.y + op.to.y};
            walls.push_back({op.from, to});
            expected.insert(Normal(op.from, to));
        }
    const Lines lines = JoinSegments(walls);
    EXPECT_EQ(expected, Pieces(lines, static_cast<float>(g.cell)));
    EXPECT_LT(lines.size() * 3, walls.size() * 2);
}

}  // namespace
}  // namespace tolvane::testing
