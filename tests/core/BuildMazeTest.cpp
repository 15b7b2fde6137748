// Maze generation: the draws each phase makes, and the mazes it builds.
#include <gtest/gtest.h>

#include "core/Harness.h"
#include "core/MazeCheck.h"
#include "core/maze/BuildMaze.h"

namespace tolvane::testing {
namespace {

struct ScriptEnd {};

// Hands out exactly the scripted fractions; one draw more ends the phase under test.
class StrictScript final : public RandomSource {
public:
    void Randomize() override {}
    double NextRandom() override
    {
        if (next_ == fractions_.size())
            throw ScriptEnd{};
        return fractions_[next_++];
    }
    // A fraction that draws index i below n.
    void Index(int i, int n) { fractions_.push_back((i + 0.5) / n); }
    void Cell(int x, int y)
    {
        Index(x, kSide);
        Index(y, kSide);
    }
    std::size_t remaining() const { return fractions_.size() - next_; }

private:
    std::vector<double> fractions_;
    std::size_t next_ = 0;
};

void ResetAll(MazeState& s)
{
    for (int x = -1; x <= kLast; ++x)
        for (int y = -1; y <= kLast; ++y) {
            s.Walls(x, y) = 3;
            s.Region(x, y) = 0;
        }
}

TEST(Seeding, TheFirstPlacementStoresZeroAndLeavesItsCellEmpty)
{
    MazeState s;
    ResetAll(s);
    StrictScript script;
    script.Cell(3, 4);
    std::vector<std::pair<int, int>> seeds;
    for (int i = 0; seeds.size() < 100; ++i)
        if (std::pair{i % kSide, i / kSide} != std::pair{3, 4})
            seeds.emplace_back(i % kSide, i / kSide);
    for (auto [x, y] : seeds)
        script.Cell(x, y);
    SeedRegions(s, script);
    EXPECT_EQ(0u, script.remaining());
    EXPECT_EQ(0, s.Region(3, 4));
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(i + 1, s.Region(seeds[i].first, seeds[i].second));
}

TEST(Seeding, DrawsOnTakenCellsAreDropped)
{
    MazeState s;
    ResetAll(s);
    StrictScript script;
    script.Cell(0, 0);  // stores 0
    script.Cell(1, 0);  // region 1
    script.Cell(1, 0);  // taken: dropped
    for (int i = 2; i <= 100; ++i)
        script.Cell(i % kSide, 1 + i / kSide);
    SeedRegions(s, script);
    EXPECT_EQ(0u, script.remaining());
    EXPECT_EQ(1, s.Region(1, 0));
    EXPECT_EQ(2, s.Region(2, 1));
}

TEST(Growing, DrawsTwoFractionsForCellsThatCannotGrowAndThreeForOneThatDoes)
{
    MazeState s;
    ResetAll(s);
    s.Region(10, 10) = 7;
    s.Region(12, 9) = 8;
    s.Region(13, 10) = 9;
    StrictScript script;
    script.Cell(0, 0);      // empty, no filled neighbour: two draws, nothing changes
    script.Cell(10, 10);    // filled already: two draws, nothing changes
    script.Cell(11, 10);    // its only filled neighbour is on the left
    script.Index(0, 1);
    script.Cell(12, 10);    // right (13,10) and up (12,9) are filled, then left (11,10)
    script.Index(2, 3);     // the third of right, left, up: up
    // A last growth that shows every draw above was taken as scripted: one draw too many or
    // too few before it would read its fractions in the wrong roles.
    script.Cell(14, 10);    // only (13,10) on the left is filled
    script.Index(0, 1);
    EXPECT_THROW(GrowRegions(s, script), ScriptEnd);
    EXPECT_EQ(9, s.Region(14, 10));
    EXPECT_EQ(1, s.Walls(13, 10));
    EXPECT_EQ(0, s.Region(0, 0));
    EXPECT_EQ(3, s.Walls(0, 0));
    EXPECT_EQ(7, s.Region(11, 10));
    EXPECT_EQ(1, s.Walls(10, 10));  // the wall between (10,10) and (11,10) is (10,10)'s right wall
    EXPECT_EQ(3, s.Walls(11, 10));
    EXPECT_EQ(8, s.Region(12, 10));
    EXPECT_EQ(2, s.Walls(12, 9));   // the wall above (12,10) is (12,9)'s bottom wall
    EXPECT_EQ(3, s.Walls(12, 10));
}

// Every playable cell in region 1 except the cells listed, which get the regions 2, 3, ...
MazeState LinkLayout(const std::vector<std::pair<int, int>>& others)
{
    MazeState s;
    ResetAll(s);
    for (int x = 0; x <= kLast; ++x)
        for (int y = 0; y <= kLast; ++y)
            s.Region(x, y) = 1;
    for (std::size_t i = 0; i < others.size(); ++i)
        s.Region(others[i].first, others[i].second) = static_cast<Int16>(2 + i);
    return s;
}

// 99 cells on odd rows and columns, none next to another: every one borders region 1.
std::vector<std::pair<int, int>> IslandCells()
{
    std::vector<std::pair<int, int>> cells;
    for (int x = 1; x <= 19; x += 2)
        for (int y = 1; y <= 19 && cells.size() < 99; y += 2)
            cells.emplace_back(x, y);
    return cells;
}

TEST(Linking, EndsRightAfterTheIterationThatJoinsTheLastRegion)
{
    const auto islands = IslandCells();
    MazeState s = LinkLayout(islands);
    StrictScript script;
    script.Cell(0, 0);  // region 1 is joined from the start: two draws
    for (auto [x, y] : islands) {
        script.Cell(x, y);
        script.Index(0, 4);  // the first of four qualifying neighbours: right
    }
    LinkRegions(s, script);  // one draw more would throw
    EXPECT_EQ(0u, script.remaining());
    for (auto [x, y] : islands)
        EXPECT_EQ(1, s.Walls(x, y)) << x << "," << y;  // the right wall opened
}

// The islands of IslandCells, each joined by its first qualifying neighbour, end the phase:
// LinkRegions returns exactly when the script runs out only if it took every draw as scripted.
void JoinIslands(StrictScript& script, const std::vector<std::pair<int, int>>& islands)
{
    for (auto [x, y] : islands) {
        script.Cell(x, y);
        script.Index(0, 4);  // below 1/4: the first qualifying neighbour for any count 1..4
    }
}

TEST(Linking, AnUnjoinedCellWithNoJoinedNeighbourUsesThreeDrawsAndChangesNothing)
{
    // Island (1,1) spreads over the corner: (0,0) has only its own region beside it.
    const auto islands = IslandCells();
    MazeState s = LinkLayout(islands);
    s.Region(0, 0) = s.Region(1, 0) = s.Region(0, 1) = s.Region(1, 1);
    const MazeState before = s;
    StrictScript script;
    script.Cell(0, 0);
    script.Index(0, 1);
    JoinIslands(script, islands);
    LinkRegions(s, script);
    EXPECT_EQ(0u, script.remaining());
    EXPECT_EQ(before.Walls(0, 0), s.Walls(0, 0));
    EXPECT_EQ(before.Walls(-1, 0), s.Walls(-1, 0));
    EXPECT_EQ(before.Walls(0, -1), s.Walls(0, -1));
    for (auto [x, y] : islands)
        EXPECT_EQ(1, s.Walls(x, y)) << x << "," << y;  // the right wall opened
}

TEST(Linking, CellsOnTheEdgeNeverOpenTheFrame)
{
    // Each corner, with its neighbours inside the square, belongs to the region of an island
    // beside it, so it has only its own region there, while the border beyond is region 0,
    // joined. All 100 odd cells but (9,9) are islands.
    std::vector<std::pair<int, int>> islands;
    for (int x = 1; x <= 19; x += 2)
        for (int y = 1; y <= 19; y += 2)
            if (std::pair{x, y} != std::pair{9, 9})
                islands.emplace_back(x, y);
    MazeState s = LinkLayout(islands);
    const std::vector<std::vector<std::pair<int, int>>> corners{
        {{0, 0}, {1, 0}, {0, 1}}, {{20, 20}, {19, 20}, {20, 19}}, {{20, 0}, {19, 0}, {20, 1}}, {{0, 20}, {1, 20}, {0, 19}}};
    const std::vector<std::pair<int, int>> besides{{1, 1}, {19, 19}, {19, 1}, {1, 19}};
    for (std::size_t g = 0; g < corners.size(); ++g)
        for (auto [x, y] : corners[g])
            s.Region(x, y) = s.Region(besides[g].first, besides[g].second);
    const MazeState before = s;
    StrictScript script;
    for (const auto& corner : corners) {
        script.Cell(corner[0].first, corner[0].second);
        script.Index(1, kSide);  // any fraction draws 0 of none; taken for a column, 1
    }
    JoinIslands(script, islands);
    LinkRegions(s, script);
    EXPECT_EQ(0u, script.remaining());
    for (int k = -1; k <= kLast; ++k) {
        ASSERT_EQ(before.Walls(-1, k), s.Walls(-1, k)) << k;
        ASSERT_EQ(before.Walls(k, -1), s.Walls(k, -1)) << k;
        ASSERT_EQ(before.Walls(kLast, k), s.Walls(kLast, k)) << k;
        ASSERT_EQ(before.Walls(k, kLast), s.Walls(k, kLast)) << k;
    }
    for (const auto& corner : corners)
        EXPECT_EQ(before.Walls(corner[0].first, corner[0].second), s.Walls(corner[0].first, corner[0].second));
}

TEST(Linking, MarksTheDrawnCellsRegionNotTheNeighbours)
{
    // Regions 2 and 3 side by side on the top row, 4..100 islands. Region 3 joins region 1
    // first; region 2 can then join through region 3, which only works if joining marked
    // region 3 (the drawn cell's) and not region 1 (the neighbour's).
    std::vector<std::pair<int, int>> cells{{4, 0}, {5, 0}};
    const auto islands = IslandCells();
    cells.insert(cells.end(), islands.begin(), islands.begin() + 97);
    MazeState s = LinkLayout(cells);
    StrictScript script;
    script.Cell(5, 0);   // right (6,0) qualifies; left is region 2, down an island, up the frame
    script.Index(0, 1);
    script.Cell(4, 0);   // right (region 3, joined now), left, down qualify
    script.Index(1, 3);  // take left
    for (auto it = islands.begin(); it != islands.begin() + 97; ++it) {
        script.Cell(it->first, it->second);
        script.Index(0, 4);
    }
    LinkRegions(s, script);
    EXPECT_EQ(0u, script.remaining());
    EXPECT_EQ(1, s.Walls(5, 0));  // right wall of (5,0) opened
    EXPECT_EQ(1, s.Walls(3, 0));  // right wall of (3,0): the wall left of (4,0)
    EXPECT_EQ(3, s.Walls(4, 0));
}

TEST(BuildMaze, ThousandsOfMazesArePerfectAndUseEveryRegion)
{
    Harness h;
    h.program.Form_Load();
    for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
        h.BuildWithSeed(seed);
        // Also: every region 1..100 used, the border ring in region 0, and the cells with
        // index 21 still as start-up left them.
        ASSERT_EQ("", PerfectMazeProblem(h.s)) << "seed " << seed;
    }
    EXPECT_EQ(3000u, h.random.randomizeCalls());
}

TEST(BuildMaze, TheSameFractionsGiveTheSameMazeWhateverCameBefore)
{
    Harness a;
    Harness b;
    a.program.Form_Load();
    b.program.Form_Load();
    a.BuildWithSeed(11);
    b.BuildWithSeed(12);
    const std::size_t drawsA = a.random.draws();
    const std::size_t drawsB = b.random.draws();
    a.BuildWithSeed(99);
    b.BuildWithSeed(99);
    EXPECT_EQ(a.random.draws() - drawsA, b.random.draws() - drawsB);
    for (int x = -1; x <= kSide; ++x)
        for (int y = -1; y <= kSide; ++y) {
            ASSERT_EQ(a.s.Walls(x, y), b.s.Walls(x, y));
            ASSERT_EQ(a.s.Region(x, y), b.s.Region(x, y));
        }
}

}  // namespace
}  // namespace tolvane::testing
