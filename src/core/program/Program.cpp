// The event handlers.
#include "core/program/Program.h"

#include <span>
#include <stdexcept>

#include "core/generate/MakeMaze.h"
#include "core/play/DrawPlay.h"
#include "core/render/DrawMaze.h"
#include "core/solve/Replay.h"
#include "core/search/Searches.h"

namespace tolvane {

void Program::Form_Load()
{
    MazeState& s = state_;
    for (int x = -1; x <= s.Width(); ++x)
        for (int y = -1; y <= s.Height(); ++y)
            s.Walls(x, y) = 0;
    // The bottom walls of rows -1 and the last are the top and bottom edges of the square;
    // the right walls of columns -1 and the last its left and right edges.
    for (int k = 0; k <= s.LastX(); ++k) {
        s.Walls(k, -1) = kBottomWall;
        s.Walls(k, s.LastY()) = kBottomWall;
    }
    for (int k = 0; k <= s.LastY(); ++k) {
        s.Walls(-1, k) = kRightWall;
        s.Walls(s.LastX(), k) = kRightWall;
    }
    s.Walls(s.LastX(), s.LastY()) = kBottomWall + kRightWall;
    DrawMaze(s, p_.surface, Geometry());
}

void Program::SetShape(const ShapeChoice& choice, std::optional<Shape> made)
{
    shapeChoice_ = choice;
    nextShape_.reset();
    if (choice.kind == ShapeKind::Rectangle)
        return;
    nextShape_ = made ? std::move(made) : MakeShape(choice);
    if (!nextShape_)
        throw std::invalid_argument("no shape for the choice");
}

void Program::Command1_Click()
{
    play_.Clear();
    shapeGame_.Clear();
    routeDrawn_ = false;
    p_.Timer1.SetEnabled(false);
    if (nextShape_) {
        shape_.Build(shapeChoice_, *nextShape_, how_, p_.random);
        shaped_ = true;
        shape_.Draw(p_.surface, square_);
        p_.Command2.SetEnabled(true);
        return;
    }
    shaped_ = false;
    if (state_.size != size_)
        state_ = MazeState(size_);
    BuildMazeBy(state_, how_, p_.random);
    builtWith_ = how_;
    DrawMaze(state_, p_.surface, Geometry());
    p_.Command2.SetEnabled(true);
}

void Program::Command2_Click()
{
    // A game in progress ends and its trail goes at once, not only at the replay's first tick;
    // a game at G stays, and the route is drawn over its trail for comparison.
    Play_Stop();
    if (shaped_) {
        // The route is known from the build: the replay draws it from none of its steps.
        shape_.StartRoute();
        DrawShaped();
        p_.Timer1.SetEnabled(shape_.RouteSteps() > 0);
        return;
    }
    p_.Timer1.SetEnabled(true);
    Solve(state_);
    routeDrawn_ = state_.Found != kFalse;
    // A search that misses the goal leaves no route to replay: the replay would run past
    // its end. Show the maze alone, with no stale route from before, and keep still.
    if (!state_.Found) {
        p_.Timer1.SetEnabled(false);
        Redraw();
    }
}

void Program::Timer1_Timer()
{
    if (shaped_) {
        // A step at a time over the picture; the whole picture again at G, and over a game's
        // trail, whose marks go over the route.
        if (shape_.Step()) {
            if (GameShown() || shape_.Steps() >= shape_.RouteSteps())
                DrawShaped();
            else
                shape_.DrawStep(p_.surface, square_);
        }
        if (shape_.Steps() >= shape_.RouteSteps())
            p_.Timer1.SetEnabled(false);
        return;
    }
    if (!play_.AtGoal())
        return ReplayTick(state_, p_.surface, p_.Timer1, Geometry());
    DrawPlay(state_, play_, p_.surface, Geometry());
    ReplayStep(state_, p_.surface, p_.Timer1, Geometry());
}

void Program::ShowWholeRoute()
{
    p_.Timer1.SetEnabled(false);
    if (shaped_)
        return shape_.ShowWholeRoute();
    Solve(state_);
    routeDrawn_ = state_.Found != kFalse;
    if (routeDrawn_)
        state_.StepCount = state_.PathLen;
}

void Program::Redraw()
{
    if (shaped_)
        return DrawShaped();
    const CellGeometry g = Geometry();
    if (GameShown())
        DrawPlay(state_, play_, p_.surface, g);
    else
        DrawMaze(state_, p_.surface, g);
    if (routeDrawn_ && state_.StepCount > 0)
        DrawRoute(state_, p_.surface, state_.StepCount - 1, g);
}

void Program::DrawShaped()
{
    if (!GameShown())
        return shape_.Draw(p_.surface, square_);
    const ShapeMaze& maze = shape_.Maze();
    // The route as far as the replay has drawn it: its first Steps() steps.
    const std::span<const CellId> route =
        shape_.Steps() > 0 ? std::span(maze.route).first(static_cast<std::size_t>(shape_.Steps()) + 1)
                           : std::span<const CellId>();
    DrawShapePlay(maze.shape, maze.passages, shapeGame_.game(), p_.surface, shape_.View(square_), route);
}

void Program::Play_Start()
{
    if (!p_.Command2.Enabled())  // enabled by the first build: no maze to play before it
        return;
    p_.Timer1.SetEnabled(false);
    routeDrawn_ = false;
    if (shaped_) {
        shape_.HideRoute();
        shapeGame_.Start(shape_.Maze());
        return DrawShaped();
    }
    play_.Start(state_);
    DrawPlay(state_, play_, p_.surface, Geometry());
}

namespace {

bool Redraws(MoveOutcome outcome)
{
    return outcome == MoveOutcome::Moved || outcome == MoveOutcome::SteppedBack || outcome == MoveOutcome::Reached;
}

}  // namespace

MoveOutcome Program::Play_Move(Direction direction, Millis now)
{
    if (shaped_) {
        const MoveOutcome outcome = shapeGame_.Key(shape_.Maze(), direction, now);
        if (Redraws(outcome))
            DrawShaped();
        return outcome;
    }
    const MoveOutcome outcome = play_.Move(state_, direction, now);
    if (Redraws(outcome))
        DrawPlay(state_, play_, p_.surface, Geometry());
    return outcome;
}

MoveOutcome Program::Play_MoveTo(CellId to, Millis now)
{
    if (!shaped_)
        return MoveOutcome::Ignored;
    const MoveOutcome outcome = shapeGame_.MoveTo(shape_.Maze(), to, now);
    if (Redraws(outcome))
        DrawShaped();
    return outcome;
}

std::optional<Direction> Program::Play_Hint()
{
    if (shaped_)
        return std::nullopt;
    const auto next = play_.Hint(state_);
    if (next)
        DrawHint(state_, play_, *next, p_.surface, Geometry());
    return next;
}

std::optional<CellId> Program::Play_ShapeHint()
{
    if (!shaped_)
        return std::nullopt;
    const auto next = shapeGame_.Hint(shape_.Maze());
    if (next)
        DrawShapeHint(shape_.Maze().shape, shapeGame_.game(), *next, p_.surface, shape_.View(square_));
    return next;
}

void Program::Play_Redraw()
{
    if (!game().Active())
        return;
    if (shaped_)
        return DrawShaped();
    DrawPlay(state_, play_, p_.surface, Geometry());
}

void Program::Play_Stop()
{
    if (shaped_) {
        if (!shapeGame_.game().Active())
            return;
        shapeGame_.Stop();
        return DrawShaped();  // the maze alone, or the game's result at G
    }
    if (!play_.Active())
        return;
    play_.Stop();
    if (!play_.AtGoal())  // left on the way: the maze alone
        DrawMaze(state_, p_.surface, Geometry());
}

}  // namespace tolvane
