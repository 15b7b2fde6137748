// Playing by hand: moves, the trail, the clock, the result, and play beside the replay and a build.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/Harness.h"
#include "core/MazeCheck.h"
#include "core/play/DrawPlay.h"
#include "core/solve/Answer.h"
#include "core/render/DrawMaze.h"
#include "core/solve/Replay.h"
#include "core/shape/ShapeMaze.h"

namespace tolvane::testing {
namespace {

// The direction from a cell to its neighbour.
Direction Towards(Cell from, Cell to)
{
    if (to.first != from.first)
        return to.first > from.first ? Direction::Right : Direction::Left;
    return to.second > from.second ? Direction::Down : Direction::Up;
}

// The trail's cells by column and row: the rectangle numbers its cells row by row.
std::vector<Cell> TrailCells(const MazeState& maze, const tolvane::Game& game)
{
    std::vector<Cell> cells;
    for (const CellId c : game.Trail())
        cells.emplace_back(c % maze.Width(), c / maze.Width());
    return cells;
}

CellId IdOf(const MazeState& maze, Cell c) { return c.second * maze.Width() + c.first; }

// A game's picture as the classic one, drawn with `geometry`.
void DrawGame(const MazeState& maze, const tolvane::Game& game, RecordingSurface& surface, const CellGeometry& geometry,
              Answer answer = Answer::Hidden)
{
    const ShapeMaze shaped = ShapeMazeOf(maze);
    DrawShapePlay(shaped.shape, shaped.passages, game, surface, ShapeView::Of(geometry),
                  answer == Answer::Shown ? std::span(shaped.route) : std::span<const CellId>());
}

std::size_t CountLines(const RecordingSurface& surface, Colour colour)
{
    return static_cast<std::size_t>(std::count_if(surface.ops().begin(), surface.ops().end(), [&](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Line && op.colour == colour;
    }));
}

// A built maze with a game started on it.
struct Game : Harness {
    explicit Game(std::uint64_t seed)
    {
        program.Form_Load();
        BuildWithSeed(seed);
        program.Play_Start();
        path = ShortestPath(s);
    }
    std::vector<Cell> path;  // the one route from S to G
};

TEST(Play, AMoveIntoAWallChangesNothingAndDrawsNothing)
{
    Game g(11);
    ASSERT_EQ(MoveOutcome::Moved, g.program.Play_Move(Towards(g.path[0], g.path[1]), 100));
    const tolvane::Game before = g.program.game();
    const Cell at = TrailCells(g.s, before).back();
    // Every closed side of the marker's cell, including the frame's.
    int walls = 0;
    for (Direction d : {Direction::Right, Direction::Left, Direction::Down, Direction::Up}) {
        if (IsOpen(g.s, {at.first, at.second}, d))
            continue;
        ++walls;
        g.surface.Clear();
        EXPECT_EQ(MoveOutcome::Blocked, g.program.Play_Move(d, 5000));
        EXPECT_EQ(0u, g.surface.count());
        EXPECT_EQ(TrailCells(g.s, before), TrailCells(g.s, g.program.game()));
        EXPECT_EQ(1, g.program.play().Moves());
        EXPECT_EQ(4900, g.program.play().clock().Elapsed(5000));
    }
    EXPECT_GE(walls, 1);
}

TEST(Play, SteppingBackRubsOutTheLastStepAndEveryMoveCounts)
{
    Game g(12);
    const Direction out = Towards(g.path[0], g.path[1]);
    const Direction back = Towards(g.path[1], g.path[0]);
    g.program.Play_Move(out, 0);
    g.program.Play_Move(Towards(g.path[1], g.path[2]), 0);
    EXPECT_EQ((std::vector<Cell>{g.path[0], g.path[1], g.path[2]}), TrailCells(g.s, g.program.game()));
    EXPECT_EQ(MoveOutcome::SteppedBack, g.program.Play_Move(Towards(g.path[2], g.path[1]), 0));
    EXPECT_EQ((std::vector<Cell>{g.path[0], g.path[1]}), TrailCells(g.s, g.program.game()));
    EXPECT_EQ(MoveOutcome::SteppedBack, g.program.Play_Move(back, 0));
    EXPECT_EQ((std::vector<Cell>{g.path[0]}), TrailCells(g.s, g.program.game()));
    EXPECT_EQ(4, g.program.play().Moves());
}

TEST(Play, ReachingGStopsTheClockAndGivesTheShortestRoutesLength)
{
    Game g(14);
    for (std::size_t i = 1; i < g.path.size(); ++i) {
        const MoveOutcome outcome = g.program.Play_Move(Towards(g.path[i - 1], g.path[i]), 1000 + 10 * i);
        ASSERT_EQ(i + 1 == g.path.size() ? MoveOutcome::Reached : MoveOutcome::Moved, outcome) << i;
    }
    const tolvane::Game& play = g.program.game();
    EXPECT_TRUE(play.Finished());
    EXPECT_EQ(static_cast<int>(g.path.size()) - 1, play.ShortestMoves());
    EXPECT_EQ(g.path, TrailCells(g.s, play));
    const Millis last = 1000 + 10 * static_cast<Millis>(g.path.size() - 1);
    EXPECT_EQ(last - 1010, play.clock().Elapsed(last + 60000));
    EXPECT_EQ(MoveOutcome::Ignored, g.program.Play_Move(Towards(g.path.back(), g.path[g.path.size() - 2]), last + 1));
}

TEST(Play, AHintIsTheNextStepOfTheShortestRouteFromTheMarkerEvenOffItAndIsCounted)
{
    Game g(15);
    // Off the route: into the first side corridor from S's route, then ask.
    Cell off{-1, -1};
    std::size_t from = 0;
    for (std::size_t i = 0; i + 1 < g.path.size() && off.first < 0; ++i)
        for (Direction d : {Direction::Right, Direction::Left, Direction::Down, Direction::Up}) {
            const tolvane::Cell n = Step({g.path[i].first, g.path[i].second}, d);
            const Cell c{n.x, n.y};
            if (IsOpen(g.s, {g.path[i].first, g.path[i].second}, d) && c != g.path[i + 1] && (i == 0 || c != g.path[i - 1])) {
                off = c;
                from = i;
                break;
            }
        }
    ASSERT_GE(off.first, 0);
    for (std::size_t i = 1; i <= from; ++i)
        g.program.Play_Move(Towards(g.path[i - 1], g.path[i]), 0);
    g.program.Play_Move(Towards(g.path[from], off), 0);
    g.surface.Clear();
    const auto back = g.program.Play_Hint();
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, IdOf(g.s, g.path[from]));  // the way back to the route
    EXPECT_EQ(CountLines(g.surface, kHintColour), 1u);
    g.program.Play_MoveTo(*back, 0);
    const auto on = g.program.Play_Hint();
    ASSERT_TRUE(on.has_value());
    EXPECT_EQ(*on, IdOf(g.s, g.path[from + 1]));
    EXPECT_EQ(g.program.game().Hints(), 2);
    g.program.Play_Start();
    EXPECT_EQ(g.program.game().Hints(), 0);
}

TEST(Play, TheClockStandsStillWhileThePlayerIsAway)
{
    PlayClock clock;
    clock.SetAway(true, 0);  // away before the first move: nothing to pause yet
    clock.SetAway(false, 500);
    clock.Start(1000);
    clock.SetAway(true, 3000);
    EXPECT_TRUE(clock.Paused());
    EXPECT_EQ(2000, clock.Elapsed(9000));
    clock.SetAway(false, 10000);
    EXPECT_FALSE(clock.Paused());
    EXPECT_EQ(4000, clock.Elapsed(12000));
    clock.Stop(12000);
    clock.SetAway(true, 13000);
    clock.SetAway(false, 20000);
    EXPECT_EQ(4000, clock.Elapsed(30000));
    EXPECT_FALSE(clock.Paused());
}

TEST(Play, NeverDrawsTheTrailAndTheReplayTogether)
{
    Harness h;
    h.program.Form_Load();
    h.surface.Clear();
    h.program.Play_Start();  // before the first maze: nothing
    EXPECT_FALSE(h.program.play().Active());
    EXPECT_EQ(0u, h.surface.count());
    h.BuildWithSeed(15);
    h.program.Command2_Click();
    h.program.Timer1_Timer();
    h.program.Play_Start();  // during a replay: it stops
    EXPECT_FALSE(h.timer.Enabled());
    EXPECT_TRUE(h.program.play().Active());
    const auto path = ShortestPath(h.s);
    h.program.Play_Move(Towards(path[0], path[1]), 0);
    // The answer during play ends the game and takes the trail away at once; no tick draws it.
    h.surface.Clear();
    h.program.Command2_Click();
    EXPECT_FALSE(h.program.play().Active());
    ASSERT_FALSE(h.surface.ops().empty());
    EXPECT_EQ(DrawOp::Kind::Cls, h.surface.ops().front().kind);
    while (h.timer.Enabled())
        h.program.Timer1_Timer();
    EXPECT_EQ(0u, CountLines(h.surface, kTrailColour));
    EXPECT_EQ(0u, CountLines(h.surface, kMarkerColour));
    // A build during play ends it too, and moves no longer do anything.
    h.program.Play_Start();
    h.BuildWithSeed(16);
    EXPECT_FALSE(h.program.play().Active());
    EXPECT_EQ(MoveOutcome::Ignored, h.program.Play_Move(Direction::Right, 0));
}

// A game drawn at another scale (a PNG at so many pixels a cell, paper) keeps its trail and marker
// on the walls and the route: one geometry for the whole picture.
TEST(Play, AGamesPictureAtAnyScaleLinesUp)
{
    Game g(11);
    for (int i = 0; i + 1 < 6; ++i)
        g.program.Play_Move(Towards(g.path[i], g.path[i + 1]), 100);
    const CellGeometry scaled = CellGeometry::For(g.s.size, 1000);
    ASSERT_NE(CellGeometry::For(g.s.size), scaled);
    RecordingSurface game, maze;
    DrawGame(g.s, g.program.game(), game, scaled, Answer::Shown);
    DrawPicture(g.s, maze, Answer::Shown, scaled);
    // The walls and the route, in order, are the picture's own at that scale.
    auto wallsAndRoute = [](const RecordingSurface& surface) {
        std::vector<DrawOp> lines;
        for (const DrawOp& op : surface.ops())
            if (op.kind == DrawOp::Kind::Line && (!op.colour || op.colour == kRouteColour))
                lines.push_back(op);
        return lines;
    };
    EXPECT_EQ(wallsAndRoute(maze), wallsAndRoute(game));
    // The trail runs through the centres of its cells there, and the marker stands on the last.
    std::vector<PointF> trail;
    for (const DrawOp& op : game.ops())
        if (op.kind == DrawOp::Kind::Line && op.colour == kTrailColour)
            trail.push_back(op.to);
    ASSERT_EQ(5u, trail.size());
    for (std::size_t i = 0; i < trail.size(); ++i)
        EXPECT_EQ(scaled.Centre(g.path[i + 1].first, g.path[i + 1].second), trail[i]) << i;
    const auto marker = std::find_if(game.ops().begin(), game.ops().end(),
                                     [](const DrawOp& op) { return op.kind == DrawOp::Kind::Line && op.colour == kMarkerColour; });
    ASSERT_NE(game.ops().end(), marker);
    EXPECT_EQ(scaled.Centre(g.path[5].first, g.path[5].second), marker->from);
}

TEST(Play, AtGTheGameStaysWithItsResultUntilANewMaze)
{
    Game g(17);
    for (std::size_t i = 1; i < g.path.size(); ++i)
        g.program.Play_Move(Towards(g.path[i - 1], g.path[i]), 0);
    g.surface.Clear();
    g.program.Play_Stop();  // Escape at G
    EXPECT_FALSE(g.program.play().Active());
    EXPECT_TRUE(g.program.GameShown());
    EXPECT_EQ(0u, g.surface.count()) << "the picture at G stays as it is";
    // The route replayed over the trail, which every tick draws again.
    g.program.Command2_Click();
    int ticks = 0;
    while (g.timer.Enabled()) {
        g.surface.Clear();
        g.program.Timer1_Timer();
        ++ticks;
        ASSERT_EQ(g.path.size() - 1, CountLines(g.surface, kTrailColour)) << ticks;
        ASSERT_EQ(static_cast<std::size_t>(ticks), CountLines(g.surface, kRouteColour)) << ticks;
    }
    EXPECT_EQ(static_cast<int>(g.path.size()), ticks);
    EXPECT_EQ(static_cast<int>(g.path.size()) - 1, g.program.play().Moves());
    g.BuildWithSeed(18);
    EXPECT_FALSE(g.program.GameShown());
    EXPECT_EQ(0, g.program.play().Moves());
}

// Redraw gives what the handlers drew, in the square the window has now.
TEST(Play, RedrawDrawsWhatIsShownInTheNewSquare)
{
    Game g(19);
    auto expect = [&](const char* what, const std::function<void(RecordingSurface&, const CellGeometry&)>& draw) {
        g.program.SetSquare(600);
        g.surface.Clear();
        g.program.Redraw();
        RecordingSurface wanted;
        draw(wanted, CellGeometry::For(g.s.size, 600));
        EXPECT_EQ(wanted.ops(), g.surface.ops()) << what;
        g.program.SetSquare(kSquare);
    };
    g.program.Play_Move(Towards(g.path[0], g.path[1]), 0);
    expect("a game", [&](RecordingSurface& r, const CellGeometry& at) { DrawGame(g.s, g.program.game(), r, at); });
    g.program.Command2_Click();
    for (int tick = 0; tick < 3; ++tick)
        g.program.Timer1_Timer();
    expect("a replay", [&](RecordingSurface& r, const CellGeometry& at) {
        DrawMaze(g.s, r, at);
        DrawRoute(g.s, r, 2, at);
    });
    g.BuildWithSeed(20);
    expect("a maze", [&](RecordingSurface& r, const CellGeometry& at) { DrawMaze(g.s, r, at); });
}

}  // namespace
}  // namespace tolvane::testing
