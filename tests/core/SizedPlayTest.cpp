// A game, the measures and the codes on mazes that are not 21 x 21: where the goal is, which cell a
// point of the picture falls in, when the clock starts, what counts as a dead end, what a level
// gives, and which sized codes are read.
#include <gtest/gtest.h>

#include "core/Harness.h"
#include "core/MazeCheck.h"
#include "core/code/MazeCode.h"
#include "core/code/SizedCode.h"
#include "core/solve/Difficulty.h"
#include "core/search/Searches.h"
#include "core/graph/Rectangle.h"
#include "core/shape/ShapeMaze.h"

namespace tolvane::testing {
namespace {

Direction Towards(Cell from, Cell to)
{
    if (to.first != from.first)
        return to.first > from.first ? Direction::Right : Direction::Left;
    return to.second > from.second ? Direction::Down : Direction::Up;
}

// A program showing a maze of `size` built from `seed`, with a game started on it.
struct SizedGame : Harness {
    SizedGame(MazeSize size, std::uint64_t seed)
    {
        program.SetMazeSize(size);
        program.Form_Load();
        BuildWithSeed(seed);
        program.Play_Start();
        path = ShortestPath(program.state());
    }
    std::vector<Cell> path;
};

// Every closed side of the cell; a maze always has at least one (S has the frame's two).
std::vector<Direction> ClosedSides(const MazeState& maze, tolvane::Cell cell)
{
    std::vector<Direction> closed;
    for (Direction d : {Direction::Right, Direction::Left, Direction::Down, Direction::Up})
        if (!IsOpen(maze, cell, d))
            closed.push_back(d);
    return closed;
}

TEST(SizedPlay, TheClockStartsAtTheFirstMoveNotAtABumpIntoAWall)
{
    SizedGame g({21, 21}, 31);
    for (Direction wall : ClosedSides(g.s, {0, 0}))
        EXPECT_EQ(MoveOutcome::Blocked, g.program.Play_Move(wall, 1000));
    EXPECT_FALSE(g.program.play().clock().Started());
    EXPECT_EQ(0, g.program.play().clock().Elapsed(5000));
    ASSERT_EQ(MoveOutcome::Moved, g.program.Play_Move(Towards(g.path[0], g.path[1]), 6000));
    EXPECT_EQ(2500, g.program.play().clock().Elapsed(8500));
}

TEST(SizedPlay, TheGoalOfAMazeThatIsNotSquareIsItsBottomRightCellAndEndsTheGame)
{
    // One program through every size, as the window goes from one to the next: the same width
    // with another height, then another width.
    SizedGame g({31, 45}, 32);
    for (const MazeSize size : {MazeSize{31, 45}, MazeSize{31, 20}, MazeSize{45, 31}, MazeSize{2, 9}}) {
        g.program.SetMazeSize(size);
        g.BuildWithSeed(32);
        g.program.Play_Start();
        g.path = ShortestPath(g.s);
        const CellId goal = g.program.PlayMaze().shape.graph.goal;
        EXPECT_EQ(size.width - 1, goal % size.width);
        EXPECT_EQ(size.height - 1, goal / size.width);
        for (std::size_t i = 1; i < g.path.size(); ++i)
            ASSERT_EQ(i + 1 == g.path.size() ? MoveOutcome::Reached : MoveOutcome::Moved,
                      g.program.Play_Move(Towards(g.path[i - 1], g.path[i]), 100 * static_cast<Millis>(i)))
                << size.width << "x" << size.height << " step " << i;
        EXPECT_TRUE(g.program.play().Finished());
        EXPECT_EQ(static_cast<int>(g.path.size()) - 1, g.program.game().ShortestMoves());
    }
}

TEST(SizedPlay, EveryPointOfThePictureFallsInTheCellDrawnThereAtEverySize)
{
    // The window's sizes, the largest it shows, and mazes longer one way than the other.
    for (const MazeSize size : {MazeSize{11, 11}, MazeSize{15, 15}, MazeSize{21, 21}, MazeSize{31, 31},
                                MazeSize{41, 41}, MazeSize{51, 51}, MazeSize{119, 119}, MazeSize{31, 45},
                                MazeSize{45, 31}}) {
        const ShapeMaze maze = ShapeMazeOf(MazeState(size));
        const CellGeometry g = CellGeometry::For(size);
        Play play;
        play.Start(maze);
        // The window's pixel in the shape's units, as the window reads a click.
        const auto cellAt = [&](float x, float y) {
            const ShapeView view = ShapeView::Of(g);
            return play.CellUnder(maze, {(x - view.left) / view.unit, (y - view.top) / view.unit});
        };
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{size.width - 1, 0}, std::pair{0, size.height - 1},
                                  std::pair{size.width - 1, size.height - 1}, std::pair{size.width / 2, size.height / 3}}) {
            const PointF centre = g.Centre(x, y);
            const PointF corner = g.Corner(x, y);
            for (const PointF at : {centre, corner, PointF{corner.x + g.cell - 0.5f, corner.y + g.cell - 0.5f}}) {
                const auto cell = cellAt(at.x, at.y);
                ASSERT_TRUE(cell) << size.width << "x" << size.height << " at " << at.x << "," << at.y;
                EXPECT_EQ(RectangleCell(size, x, y), *cell) << size.width << "x" << size.height << " at " << at.x << "," << at.y;
            }
        }
        // Just outside the maze on every side: no cell.
        const PointF first = g.Corner(0, 0);
        const PointF past = g.Corner(size.width, size.height);
        for (const PointF out : {PointF{first.x - 0.5f, first.y + 1}, PointF{first.x + 1, first.y - 0.5f},
                                 PointF{past.x + 0.5f, past.y - 1}, PointF{past.x - 1, past.y + 0.5f}})
            EXPECT_FALSE(cellAt(out.x, out.y)) << size.width << "x" << size.height << " at " << out.x << "," << out.y;
    }
}

TEST(SizedPlay, MeasuresCountDeadEndsAndJunctionsButNeitherSNorG)
{
    // 3 x 2: S (0,0) - (1,0) - (2,0), down to (2,1) = G, and a spur from (1,0) down to (1,1) and
    // (0,1). S and G have one open side each but are the route's ends; (0,1) is the one dead end,
    // and (1,0) the one junction met on the way.
    const MazeState maze = Carved({3, 2}, {{{0, 0}, {1, 0}}, {{1, 0}, {2, 0}}, {{2, 0}, {2, 1}},
                                           {{1, 0}, {1, 1}}, {{1, 1}, {0, 1}}});
    const Difficulty d = Measure(maze);
    EXPECT_EQ(4, d.route);
    EXPECT_EQ(1, d.deadEnds);
    EXPECT_EQ(1, d.junctions);
    // A corridor that snakes through every cell has no dead end and no junction at all.
    const MazeState snake = Carved({2, 3}, {{{0, 0}, {1, 0}}, {{1, 0}, {1, 1}}, {{1, 1}, {0, 1}},
                                            {{0, 1}, {0, 2}}, {{0, 2}, {1, 2}}});
    const Difficulty s = Measure(snake);
    EXPECT_EQ(6, s.route);
    EXPECT_EQ(0, s.deadEnds);
    EXPECT_EQ(0, s.junctions);
    // S with two ways on is a junction: nothing led into it.
    const MazeState fork = Carved({2, 2}, {{{0, 0}, {1, 0}}, {{0, 0}, {0, 1}}, {{1, 0}, {1, 1}}});
    const Difficulty f = Measure(fork);
    EXPECT_EQ(3, f.route);
    EXPECT_EQ(1, f.deadEnds);
    EXPECT_EQ(1, f.junctions);
}

TEST(SizedPlay, EveryLevelFromTheFirstToTheLastGivesAMazeOfItsSizeInsideItsBand)
{
    ASSERT_EQ(5u, kLevels.size());
    for (int number = 1; number <= 5; ++number) {
        const auto level = LevelNumbered(number);
        ASSERT_TRUE(level) << number;
        ClockRandom random;
        random.Seed(static_cast<std::uint64_t>(number));
        MazeState maze;
        const auto measured = BuildLevelMaze(maze, random, *level);
        ASSERT_TRUE(measured) << number;
        EXPECT_EQ(level->size, maze.size) << number;
        EXPECT_EQ(Measure(maze).route, measured->route) << number;
        EXPECT_GE(measured->route, level->LeastRoute()) << number;
        EXPECT_LE(measured->route, level->MostRoute()) << number;
        EXPECT_GE(measured->junctions, level->LeastDecisions()) << number;
        EXPECT_LE(measured->junctions, level->MostDecisions()) << number;
    }
    EXPECT_FALSE(LevelNumbered(0));
    EXPECT_FALSE(LevelNumbered(6));
}

TEST(SizedPlay, ASizedCodeReadsWithEitherXAndAMistypedSizeIsRefused)
{
    const SizedSeed maze{0x123456789ull, {31, 45}};
    const std::string code = FormatSizedCode(maze);
    ASSERT_EQ("31x45-", code.substr(0, 6));
    std::string capital = code;
    capital[2] = 'X';
    for (const std::string& text : {code, capital, "31×45-" + code.substr(6)}) {
        const auto read = ReadSizedCode(text);
        ASSERT_TRUE(read.maze) << text;
        EXPECT_EQ(maze.seed, read.maze->seed) << text;
        EXPECT_EQ(maze.size, read.maze->size) << text;
    }
    // The same characters under another size: every neighbour of 31 x 45, and the sides swapped.
    for (const char* size : {"30x45", "32x45", "31x44", "31x46", "45x31", "21x21"}) {
        const std::string typo = std::string(size) + code.substr(5);
        EXPECT_FALSE(ReadSizedCode(typo).maze) << typo;
    }
}

}  // namespace
}  // namespace tolvane::testing
