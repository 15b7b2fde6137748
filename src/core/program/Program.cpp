// The event handlers.
#include "core/program/Program.h"

#include <span>
#include <stdexcept>

#include "core/generate/MakeMaze.h"
#include "core/play/DrawPlay.h"
#include "core/render/DrawMaze.h"
#include "core/graph/Rectangle.h"
#include "core/shape/make/Polygons.h"
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
    DrawGame();
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
        DrawGame();
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
    DrawShapePlay(maze.shape, maze.passages, play_.game(), p_.surface, shape_.View(square_), route);
}

ShapeView Program::ShapeViewShown() const
{
    if (shaped_)
        return shape_.View(square_);
    return ShapeView::Of(Geometry());
}

void Program::DrawGame()
{
    if (shaped_)
        return DrawShaped();
    DrawShapePlay(classic_.shape, classic_.passages, play_.game(), p_.surface, ShapeViewShown());
}

void Program::Play_Start()
{
    if (!p_.Command2.Enabled())  // enabled by the first build: no maze to play before it
        return;
    p_.Timer1.SetEnabled(false);
    routeDrawn_ = false;
    if (shaped_) {
        shape_.HideRoute();
    } else {
        // The game plays the classic state as the rectangle shape it draws like; the shape is
        // made again only for a new size.
        if (classic_.shape.width != static_cast<float>(state_.Width()) ||
            classic_.shape.height != static_cast<float>(state_.Height()))
            classic_.shape = RectangleShape(state_.size);
        classic_.passages = PassagesOf(classic_.shape.graph, state_);
    }
    play_.Start(PlayMaze());
    DrawGame();
}

namespace {

bool Redraws(MoveOutcome outcome)
{
    return outcome == MoveOutcome::Moved || outcome == MoveOutcome::SteppedBack || outcome == MoveOutcome::Reached;
}

}  // namespace

MoveOutcome Program::Play_Move(Direction direction, Millis now)
{
    const MoveOutcome outcome = play_.Key(PlayMaze(), direction, now);
    if (Redraws(outcome))
        DrawGame();
    return outcome;
}

MoveOutcome Program::Play_MoveTo(CellId to, Millis now)
{
    const MoveOutcome outcome = play_.MoveTo(PlayMaze(), to, now);
    if (Redraws(outcome))
        DrawGame();
    return outcome;
}

std::optional<CellId> Program::Play_Hint()
{
    const auto next = play_.Hint(PlayMaze());
    if (next)
        DrawShapeHint(PlayMaze().shape, play_.game(), *next, p_.surface, ShapeViewShown());
    return next;
}

void Program::Play_Redraw()
{
    if (play_.Active())
        DrawGame();
}

void Program::Play_Stop()
{
    if (!play_.Active())
        return;
    play_.Stop();
    if (shaped_)
        return DrawShaped();  // the maze alone, or the game's result at G
    if (!play_.AtGoal())  // left on the way: the maze alone
        DrawMaze(state_, p_.surface, Geometry());
}

}  // namespace tolvane
