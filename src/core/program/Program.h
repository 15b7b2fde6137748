// The event handlers of the window, over the maze state and the platform interfaces.
#pragma once

#include <optional>

#include "core/generate/Algorithms.h"
#include "core/maze/MazeState.h"
#include "core/play/Play.h"
#include "core/platform/Controls.h"
#include "core/platform/surface/Surface.h"
#include "core/program/ShapeScreen.h"
#include "core/render/Geometry.h"

namespace tolvane {

inline constexpr int kTimerInterval = 50;  // milliseconds between replay ticks

// What the handlers reach of the window: its surface, the timer, Command2 and the random
// source. The window owns all of them; Program only borrows them.
struct Platform {
    Surface& surface;
    Switch& Timer1;
    Switch& Command2;
    RandomSource& random;
};

// The program's logic, free of any toolkit: the window wires its events here, and tests,
// benchmarks and the fuzzer drive it directly.
class Program {
public:
    explicit Program(Platform platform) : p_(platform) {}

    // Sets Walls to the closed frame with no inner wall and draws it.
    void Form_Load();
    // Stops a replay, builds and draws a new maze, and enables Command2.
    void Command1_Click();
    // Searches the current maze and starts the replay from segment 0.
    void Command2_Click();
    // One replay step.
    void Timer1_Timer();
    // The whole route shown, as at the end of a replay, without drawing: a search watched to
    // its end has drawn it, and what draws the picture again (a resize) keeps it.
    void ShowWholeRoute();

    // The size of the mazes the next clicks on Command1 build; 21 x 21 unless changed.
    void SetMazeSize(MazeSize size) { size_ = size; }
    MazeSize mazeSize() const { return size_; }
    // How the next clicks on Command1 build; the classic regions algorithm unless changed.
    void SetBuildChoice(const BuildChoice& how) { how_ = how; }
    const BuildChoice& buildChoice() const { return how_; }
    // How the maze shown was built.
    const BuildChoice& builtWith() const { return shaped_ ? shape_.BuiltWith() : builtWith_; }

    // The shape of the next mazes: `made` is the shape `choice` names, made by the caller
    // (an outline needs a font); with none, MakeShape makes it. A rectangle is the classic
    // state of mazeSize(), whatever size the choice carries.
    void SetShape(const ShapeChoice& choice, std::optional<Shape> made = std::nullopt);
    const ShapeChoice& shapeChoice() const { return shapeChoice_; }
    // The maze of another shape shown, or null while a rectangle (or nothing) is shown.
    const ShapeScreen* ShapeShown() const { return shaped_ ? &shape_ : nullptr; }

    // The picture's square: lines from 0 to `square` on both axes, the window's unless the
    // window was enlarged. Takes effect at the next Redraw or handler.
    void SetSquare(int square) { square_ = square; }
    // Where the cells of the maze shown lie in the picture.
    CellGeometry Geometry() const { return CellGeometry::For(state_.size, square_); }
    // Where the cells of the maze shown lie in the picture, of whatever shape.
    ShapeView ShapeViewShown() const;
    // Draws again what is shown (the maze alone, a game, the route so far) in the current square.
    // A shape is drawn centred in the square, as large as fits it.
    void Redraw();

    // Playing by hand, on a maze of any shape. Starting (again) needs a maze; it stops a replay,
    // so that the route is never drawn at the same time as a trail. A move redraws only when
    // something moved. A key goes to the open neighbour nearest its direction.
    void Play_Start();
    MoveOutcome Play_Move(Direction direction, Millis now);
    // The marker onto the neighbouring cell `to`, as a click or a drag asks.
    MoveOutcome Play_MoveTo(CellId to, Millis now);
    // Leaves the game and shows the maze alone; a game that reached G stays in the picture with
    // its result until a new maze or a new game.
    void Play_Stop();
    // A game is shown: being played, or its result at G.
    bool GameShown() const { return game().Active() || game().AtGoal(); }
    // Shows the cell the marker should go to next on the shortest route, and gives it
    // (counted as a hint taken); Play_Redraw takes it away again.
    std::optional<CellId> Play_Hint();
    void Play_Redraw();
    // The player left or came back to the window: the clock stands still meanwhile.
    void Play_Away(bool away, Millis now) { play_.clock().SetAway(away, now); }

    MazeState& state() { return state_; }
    const MazeState& state() const { return state_; }
    // The game on the maze shown, of whatever shape, and the maze it is played on.
    const Play& play() const { return play_; }
    const Game& game() const { return play_.game(); }
    const ShapeMaze& PlayMaze() const { return shaped_ ? shape_.Maze() : classic_; }

private:
    Platform p_;
    MazeSize size_;
    int square_ = kSquare;
    bool routeDrawn_ = false;  // the replay has started on the maze shown
    BuildChoice how_;
    BuildChoice builtWith_;
    MazeState state_;
    ShapeMaze classic_;  // state_ read as a rectangle shape when a game starts on it
    Play play_;
    ShapeChoice shapeChoice_;
    std::optional<Shape> nextShape_;  // the shape the next builds copy, when not a rectangle
    ShapeScreen shape_;
    bool shaped_ = false;  // the maze shown is shape_'s, not state_

    // The shape shown as it stands: its game over the maze when one is shown, with as much of
    // the route as the replay has drawn.
    void DrawShaped();
    // The game as it stands over the maze shown, of whatever shape.
    void DrawGame();
};

}  // namespace tolvane
