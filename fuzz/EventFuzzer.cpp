// libFuzzer target: arbitrary sequences of clicks, timer ticks, repaints, play and sizes against Program.
//
// The input is read as a stream of events, one byte each, some followed by operands:
//   0  Command1 click: one count byte n, then n bytes, each a random fraction byte / 256 for
//      the generator. When they run out, a source seeded from a hash of the input takes over,
//      so every build ends and every input replays identically.
//   1  Command2 click, only while Command2 is enabled (a disabled button takes no click)
//   2  one timer tick, only while Timer1 runs
//   3  timer ticks until Timer1 stops (a whole replay in one byte)
//   4  repaint: DrawMaze once more, which must change no state
//   5  P: start (or restart) playing
//   6  a move: one operand byte, its low two bits the direction, the rest the milliseconds since
//      the last event
//   7  Escape: leave play
//   8  the window loses or regains the focus (the clock's pause): one operand byte, the
//      milliseconds since the last event
//   9  the size of the next builds: two operand bytes, the width and the height, each
//      kMinSide + byte % kSizeSpan (square or not, the classic size among them)
// Bytes 199 to 204 are three more events, two values each; every other byte reads as above,
// byte % 10. Those six values were the rarest in the corpora grown before them (5 of 24,689
// bytes; the mutator favours 0, 255 and ASCII), so old corpora keep their meaning:
//   199, 200  the way of the next builds: three operand bytes, the algorithm (byte % 7 of the
//             table), the loops' percent (none for an even byte, else byte % 101) and route
//             first (an odd byte, only without loops)
//   201, 202  watching the maze shown: one operand byte, byte % 7 picks a search of the table,
//             the route, or (with the byte as its seed) the build of a classic maze; its steps
//             are recorded and played onto the surface to the end
//   203, 204  a maze of another shape, built, searched and drawn on its own: five operand bytes,
//             the shape (byte % 7; an outline takes a 4 x 4 mask from the next two bytes), its
//             size, the way, the loops and the seed
// After each event the state table is checked, and during play the trail: a path from S through
// open walls to the marker, no cell twice. The whole maze is checked after the events that
// may rewrite it (start-up and builds); the others are held to leaving it byte for byte as it
// was, which keeps every maze check true at the cost of one comparison. A violation aborts.
//
// The harness allocates nothing per event: the state it compares with is one copy kept in step
// with the program's (a build or a search copies into it, a tick moves its StepCount), so an
// event that must change nothing is one comparison and no snapshot.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <span>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "MazeInvariants.h"
#include "core/generate/RouteFirst.h"
#include "core/graph/Rectangle.h"
#include "core/search/Searches.h"
#include "core/platform/surface/NullSurface.h"
#include "core/platform/surface/RecordingSurface.h"
#include "core/play/Play.h"
#include "core/program/Program.h"
#include "core/render/DrawMaze.h"
#include "core/render/DrawShape.h"
#include "core/shape/make/Mask.h"
#include "core/shape/ShapeChoice.h"
#include "core/shape/ShapeMaze.h"
#include "core/watch/StepPlayer.h"
#include "core/watch/Watch.h"

namespace {

using namespace tolvane;
using quality::Violation;

[[noreturn]] void Fail(const char* event, const std::string& what)
{
    std::fprintf(stderr, "event fuzzer: after %s: %s\n", event, what.c_str());
    std::fflush(stderr);
    __builtin_trap();
}

void Expect(const char* event, const Violation& violation)
{
    if (violation)
        Fail(event, *violation);
}

void Expect(const char* event, bool ok, const char* what)
{
    if (!ok)
        Fail(event, what);
}

std::uint64_t Hash(const std::uint8_t* data, std::size_t size)
{
    std::uint64_t h = 0xCBF29CE484222325ull;  // FNV-1a
    for (std::size_t i = 0; i < size; ++i)
        h = (h ^ data[i]) * 0x100000001B3ull;
    return h;
}

// The generator's fractions: those the input gives, then a stream seeded from the input, so that every input replays identically. A build takes ten thousand draws, so a draw
// does the least it can:
// - one member access: under the type-checking sanitizer each access of a member of a class
//   with virtual functions is checked;
// - not even that check, nor coverage counters, nor the address sanitizer's: the program's
//   call has just checked this object's type (the call could not have reached this final
//   class otherwise), the edges of the harness's own source tell the fuzzer nothing about the
//   program, and the one array read is bounded by `count`, which Append keeps within it.
class InputRandom final : public RandomSource {
public:
    explicit InputRandom(std::uint64_t seed) { s_.stream = seed; }
    void Randomize() override { ++s_.seedings; }
    __attribute__((no_sanitize("address", "vptr", "coverage"))) double NextRandom() override { return Draw(); }
    __attribute__((no_sanitize("address", "vptr", "coverage"))) Pair NextPair() override
    {
        const double first = Draw();
        return {first, Draw()};
    }
    // Fractions byte / 256 for the draws to come, after any not drawn yet.
    void Append(std::uint8_t byte)
    {
        if (s_.count < s_.script.size())
            s_.script[s_.count++] = byte;
    }
    std::size_t seedings() const { return s_.seedings; }

private:
    [[gnu::always_inline]] __attribute__((no_sanitize("address", "vptr", "coverage"))) double Draw()
    {
        Stream& s = s_;
        if (s.next < s.count)
            return s.script[s.next++] / 256.0;
        // Knuth's 64-bit linear congruential step: its top 53 bits are plenty for cells picked
        // from at most a few thousand, and one multiplication from the last draw to the next
        // keeps the build, which waits on every draw, from waiting long.
        s.stream = s.stream * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(s.stream >> 11) * 0x1.0p-53;  // the top 53 bits: [0, 1)
    }

    struct Stream {
        std::array<std::uint8_t, 4096> script;  // an input holds fewer fraction bytes; read only below count
        std::size_t count = 0;
        std::size_t next = 0;
        std::uint64_t stream = 0;
        std::size_t seedings = 0;
    };
    Stream s_;
};

// The states of the window as the user sees them.
enum class Phase { FrameOnly, Built, Replaying, Finished, Playing };

// The sizes event 9 asks for: 2 to 24 cells a side. The faults of sizes live at the small end
// (a side of 2, one much longer than the other), the classic 21 x 21 is among them, and from
// 442 cells on (22 x 21, 24 x 24) builds take the bigger mazes' way of drawing cells; a build
// costs on average no more than a classic one, so sizes do not slow the run down. Bigger
// mazes are the unit tests' and the soak's.
constexpr int kSizeSpan = 23;

// What the harness compares with, kept from one input to the next: copying into arrays that
// are already there allocates nothing, where three fresh states an input cost more than most
// short inputs' events. Every input overwrites them before reading them.
struct Snapshots {
    MazeState ref;         // the program's state as the last event left it, checked
    MazeState lastSearch;  // the state after the last search
    std::vector<CellId> trail;
};

class Session {
public:
    Session(std::uint64_t seed, Snapshots& snapshots)
        : random_(seed), ref_(snapshots.ref), lastSearch_(snapshots.lastSearch), trailBefore_(snapshots.trail)
    {
        Run("Form_Load", [&] { program_.Form_Load(); });
        CheckMaze("Form_Load");
        CheckControls("Form_Load");
        ref_ = state();
    }

    void Command1(const std::uint8_t*& in, const std::uint8_t* end)
    {
        std::size_t count = in < end ? *in++ : 0;
        for (; count > 0 && in < end; --count)
            random_.Append(*in++);

        const MazeState& before = ref_;  // the state as the last event left it
        const std::size_t seedings = random_.seedings();
        Run("Command1", [&] { program_.Command1_Click(); });
        phase_ = Phase::Built;
        Expect("Command1", !play().Active(), "a build left the game running");
        Expect("Command1", state().size == program_.mazeSize(), "a build ignored the size asked for");

        Expect("Command1", random_.seedings() == seedings + 1, "the source was not seeded once per click");
        Expect("Command1", program_.builtWith() == program_.buildChoice(), "the maze was not built the way chosen");
        CheckBuild();
        // Generation leaves the search and the replay variables alone; a maze of another size
        // starts them afresh.
        const MazeState& s = state();
        if (s.size == before.size)
            Expect("Command1", SameSearch(s, before), "a build changed the search or replay state");
        else
            Expect("Command1", FreshSearch(s), "a build of a new size kept search or replay state");
        CheckMaze("Command1");
        CheckControls("Command1");
        ref_ = s;
    }

    void Command2()
    {
        if (!command2_.Enabled())
            return;
        Run("Command2", [&] { program_.Command2_Click(); });
        phase_ = Phase::Replaying;
        Expect("Command2", !play().Active(), "a search left the game running");

        const MazeState& s = state();
        Expect("Command2", quality::CheckRoute(s));
        Expect("Command2", s.StepCount == 0, "StepCount not 0 after a search");
        Expect("Command2", SameMaze(s, ref_), "a search changed the maze");
        // Searching the same maze again finds the same route.
        if (searched_ && SameMaze(s, lastSearch_))
            Expect("Command2", SameFoundRoute(s, lastSearch_), "two searches of one maze differ");
        searched_ = true;
        lastSearch_ = s;
        CheckControls("Command2");
        ref_ = s;
    }

    // One tick; false once the timer has stopped.
    bool Tick()
    {
        if (!timer1_.Enabled())
            return false;
        Run("Timer1", [&] { program_.Timer1_Timer(); });
        ref_.StepCount = static_cast<std::int32_t>(ref_.StepCount + 1);
        Expect("Timer1", state() == ref_, "a tick changed more than StepCount by one");
        if (state().StepCount == state().PathLen)
            phase_ = Phase::Finished;
        CheckControls("Timer1");
        return timer1_.Enabled();
    }

    void PlayStart()
    {
        Run("P", [&] { program_.Play_Start(); });
        Expect("P", state() == ref_, "starting a game changed the maze state");
        if (phase_ != Phase::FrameOnly) {
            phase_ = Phase::Playing;
            Expect("P", play().Trail().size() == 1 && play().Moves() == 0 && !play().clock().Started(),
                   "a new game does not start on S with no move and the clock at rest");
        }
        CheckPlay("P");
        CheckControls("P");
    }

    void Move(const std::uint8_t*& in, const std::uint8_t* end)
    {
        const std::uint8_t operand = in < end ? *in++ : 0;
        const auto direction = static_cast<Direction>(operand & 3);
        now_ += operand >> 2;
        const Game& game = play();
        trailBefore_ = game.Trail();
        const int movesBefore = game.Moves();
        const Cell markerBefore{game.Marker() % state().Width(), game.Marker() / state().Width()};
        const Millis elapsed = game.clock().Elapsed(now_);
        MoveOutcome outcome{};
        Run("move", [&] { outcome = program_.Play_Move(direction, now_); });
        const MazeState& maze = state();
        Expect("move", maze == ref_, "a move changed the maze state");
        const std::size_t length = trailBefore_.size();
        switch (outcome) {
        case MoveOutcome::Ignored:
        case MoveOutcome::Blocked:
            Expect("move", game.Trail() == trailBefore_ && game.Moves() == movesBefore,
                   "a refused move changed the game");
            Expect("move", outcome == MoveOutcome::Ignored || IsOpen(maze, markerBefore, direction) == false,
                   "a move through an open side was refused");
            break;
        case MoveOutcome::SteppedBack:
            // Onto a cell the trail holds: in a perfect maze only the one just left; with loops
            // the trail is cut back to whichever it was.
            if (Perfect())
                Expect("move", game.Trail().size() + 1 == length, "a step back did not take one step off");
            else
                Expect("move", game.Trail().size() < length &&
                                   std::ranges::equal(game.Trail(), std::span(trailBefore_).first(game.Trail().size())),
                       "a step onto the trail did not cut it back to that cell");
            break;
        case MoveOutcome::Moved:
            Expect("move", game.Trail().size() == length + 1, "a move did not add one step");
            break;
        case MoveOutcome::Reached:
            Expect("move", game.Finished() && game.Marker() == program_.PlayMaze().shape.graph.goal &&
                               game.Marker() == maze.LastY() * maze.Width() + maze.LastX(), "G reached elsewhere");
            // In a perfect maze the trail to G is the one way there; with loops, no shorter.
            Expect("move", Perfect() ? game.ShortestMoves() + 1 == static_cast<int>(game.Trail().size())
                                     : game.ShortestMoves() + 1 <= static_cast<int>(game.Trail().size()),
                   "the shortest route is not the shortest path to G");
            break;
        }
        if (outcome != MoveOutcome::Ignored && outcome != MoveOutcome::Blocked)
            Expect("move", game.Moves() == movesBefore + 1, "a move was not counted once");
        Expect("move", game.clock().Elapsed(now_) >= elapsed, "the clock went back");
        CheckPlay("move");
        CheckControls("move");
    }

    void PlayStop()
    {
        Run("Escape", [&] { program_.Play_Stop(); });
        Expect("Escape", state() == ref_, "leaving a game changed the maze state");
        if (phase_ == Phase::Playing)
            phase_ = Phase::Built;
        CheckPlay("Escape");
        CheckControls("Escape");
    }

    void Focus(const std::uint8_t*& in, const std::uint8_t* end)
    {
        now_ += in < end ? *in++ : 0;
        away_ = !away_;
        const Millis elapsed = play().clock().Elapsed(now_);
        Run("focus", [&] { program_.Play_Away(away_, now_); });
        Expect("focus", play().clock().Elapsed(now_) == elapsed, "a change of focus changed the time");
        Expect("focus", !away_ || !play().clock().Running(), "the clock runs while the player is away");
        // Time passing while away does not count.
        if (away_)
            Expect("focus", play().clock().Elapsed(now_ + 1000) == elapsed, "the clock ran while away");
        Expect("focus", state() == ref_, "a change of focus changed the maze state");
        CheckControls("focus");
    }

    void Repaint()
    {
        const bool timer = timer1_.Enabled();
        const bool command2 = command2_.Enabled();
        Run("repaint", [&] { DrawMaze(program_.state(), surface_); });
        Expect("repaint", state() == ref_, "a repaint changed the state");
        Expect("repaint", timer1_.Enabled() == timer && command2_.Enabled() == command2,
               "a repaint changed a control");
        CheckControls("repaint");
    }

    // The Size menu: the maze shown stays as it is; the next build has the new size.
    void Size(const std::uint8_t*& in, const std::uint8_t* end)
    {
        const int width = kMinSide + (in < end ? *in++ : 0) % kSizeSpan;
        const int height = kMinSide + (in < end ? *in++ : 0) % kSizeSpan;
        Run("size", [&] { program_.SetMazeSize({width, height}); });
        Expect("size", program_.mazeSize() == MazeSize{width, height}, "the size asked for was not kept");
        Expect("size", state() == ref_, "choosing a size changed the maze shown");
        CheckPlay("size");
        CheckControls("size");
    }

    // The way of the next builds, as the Build menu chooses it; the maze shown stays.
    void Choose(const std::uint8_t*& in, const std::uint8_t* end)
    {
        BuildChoice how;
        how.algorithm = kAlgorithms[Operand(in, end) % kAlgorithms.size()].id;
        const std::uint8_t loops = Operand(in, end);
        how.braid = loops % 2 == 0 ? 0 : loops % (kMaxBraid + 1);
        how.routeFirst = how.braid == 0 && Operand(in, end) % 2 == 1;
        Run("choose", [&] { program_.SetBuildChoice(how); });
        Expect("choose", program_.buildChoice() == how, "the way asked for was not kept");
        Expect("choose", state() == ref_, "choosing a way changed the maze shown");
        CheckPlay("choose");
        CheckControls("choose");
    }

    // Watching the maze shown: a search's steps, the route's or a build's, played to the end.
    void Watch(const std::uint8_t*& in, const std::uint8_t* end)
    {
        const std::uint8_t operand = Operand(in, end);
        if (phase_ == Phase::FrameOnly)  // nothing to watch before the first maze
            return;
        const std::span<const SearchWay> ways = SearchWays();
        const std::size_t pick = operand % (ways.size() + 2);
        const MazeState& s = state();
        if (pick == ways.size() + 1) {
            Watched built;
            Run("watch", [&] { built = RecordWatch(WatchKind::Build, operand, s.size); });
            Expect("watch build", quality::CheckPerfectMaze(built.maze));
            int opened = 0;
            for (const StepEvent& step : built.steps)
                opened += step.kind == StepKind::Open;
            Expect("watch build", opened == built.maze.size.Cells() - 1, "the build's steps do not open each passage once");
            PlayToEnd("watch build", built.maze, WatchKind::Build, std::move(built.steps), -1, -1);
            return;
        }
        const MazeGraph graph = RectangleGraph(s.size);
        const Passages passages = PassagesOf(graph, s);
        const std::vector<CellId> depthFirst = SearchDepthFirst(graph, passages).cells;
        std::vector<StepEvent> steps;
        std::vector<CellId> route;
        int visited = -1;
        if (pick == ways.size()) {
            Run("watch route", [&] { steps = RecordRoute(s); });
            for (const StepEvent& step : steps)
                route.push_back(step.kind == StepKind::Route ? step.cell : kNoCell);
            Expect("watch route", route == depthFirst, "the route watched is not the maze's route");
        } else {
            const SearchWay& way = ways[pick];
            Run("watch search", [&] { steps = RecordSearch(s, way); });
            for (const StepEvent& step : steps)
                if (step.kind == StepKind::Route)
                    route.push_back(step.cell);
            const GraphRoute direct = way.run(graph, passages, RectanglePlaces(s.size), nullptr);
            Expect("watch search", direct.cells == route, "the steps' route is not the search's");
            visited = direct.visited;
            // On a perfect maze every search ends on the one route; with loops a search may
            // walk round one without reaching G only by the left hand, and the breadth-first
            // search and A* find a shortest route.
            if (route.empty())
                Expect("watch search", !Perfect() && way.name == "left-hand", "a search found no route");
            else
                Expect("watch search", quality::CheckGraphRoute(graph, passages, route));
            if (Perfect())
                Expect("watch search", route == depthFirst, "a search of a perfect maze found another route");
            else if (way.name == "a-star")
                Expect("watch search", route.size() == SearchBreadthFirst(graph, passages).cells.size(),
                       "A* found a longer route than the breadth-first search");
        }
        Expect("watch", state() == ref_, "recording a watch changed the maze shown");
        PlayToEnd("watch", s, pick == ways.size() ? WatchKind::Route : WatchKind::Search, std::move(steps),
                  static_cast<int>(route.size()), visited);
    }

    // A maze of another shape, built, searched and drawn on its own, with what must hold of it.
    void ShapeMazeEvent(const std::uint8_t*& in, const std::uint8_t* end)
    {
        const std::uint8_t kind = Operand(in, end);
        const std::uint8_t size = Operand(in, end);
        BuildChoice how;
        how.algorithm = kAlgorithms[Operand(in, end) % kAlgorithms.size()].id;
        const std::uint8_t loops = Operand(in, end);
        how.braid = loops % 2 == 0 ? 0 : loops % (kMaxBraid + 1);
        how.routeFirst = how.braid == 0 && loops % 4 == 2;
        const std::uint64_t seed = Operand(in, end);

        ShapeChoice asked{kShapes[kind % kShapes.size()].id, {}, {}};
        std::optional<Shape> shape;
        if (asked.kind == ShapeKind::Outline) {
            Mask mask{4, 4, std::vector<std::uint8_t>(16)};
            const unsigned bits = size | Operand(in, end) << 8;
            for (int i = 0; i < 16; ++i)
                mask.inside[static_cast<std::size_t>(i)] = (bits >> i) & 1;
            Run("shape", [&] { shape = MaskShape(mask); });
            Expect("shape", shape.has_value() == (bits != 0), "an outline of some cells made no shape, or one of none");
            if (!shape)
                return;
        } else {
            // Small shapes: their faults are at the small end, and a build must cost about as
            // much as a classic one. A side or a ring count from the least the kind takes.
            const int least = RangeOf(asked.kind).least;
            const int sides = asked.kind == ShapeKind::Circle || asked.kind == ShapeKind::Hexagon ? 5 : 10;
            const int width = least + size % sides;
            asked.size = {width, InfoOf(asked.kind).twoSides ? least + size / 16 % sides : width};
            Expect("shape", InRange(asked), "a size the kind takes is out of its range");
            Run("shape", [&] { shape = MakeShape(asked); });
            Expect("shape", shape.has_value(), "a shape in range was not made");
        }
        ShapeMaze maze;
        Run("shape", [&] { maze = BuildShapeMaze(*shape, how, seed); });
        const MazeGraph& graph = maze.shape.graph;
        Expect("shape", quality::CheckGraphMaze(graph, maze.passages, how.braid == 0));
        Expect("shape", quality::CheckGraphRoute(graph, maze.passages, maze.route));
        if (how.braid == kMaxBraid)
            Expect("shape", NoDeadEnd(graph, maze.passages), "loops of 100 % left a dead end");
        if (how.routeFirst)
            Expect("shape", RouteRangeOf(graph).Holds(static_cast<int>(maze.route.size())),
                   "a route laid first is outside the lengths it may have");
        ShapeMaze again;
        Run("shape", [&] { again = BuildShapeMaze(std::move(*shape), how, seed); });
        Expect("shape", again.passages == maze.passages && again.route == maze.route,
               "one seed built two mazes of one shape");

        // Drawn: the frame and each closed wall once, S and G, the pen as it was; the route one
        // stroke from S's centre to G's, a piece a step.
        RecordingSurface& drawn = shapeSurface_;
        drawn.Clear();
        const ShapeView view = ShapeView::Fit(maze.shape, 400, 300, 8);
        Run("shape", [&] {
            DrawShape(maze.shape, maze.passages, drawn, view);
            DrawShapeRoute(maze.shape, maze.route, drawn, view);
        });
        const std::vector<DrawOp>& ops = drawn.ops();
        // Walls that go on in one line are drawn as one piece: the lengths must add up.
        const auto distance = [](PointF a, PointF b) { return std::hypot(double(b.x - a.x), double(b.y - a.y)); };
        const auto arcLength = [](float radius, float sweepDeg) { return std::abs(sweepDeg) * std::numbers::pi / 180 * radius; };
        std::size_t walls = 0, pieces = 0, paths = 0;
        double wallLength = 0, drawnLength = 0;
        for (const Edge& edge : maze.shape.edges) {
            if (edge.wall >= 0 && maze.passages.Open(edge.wall))
                continue;
            ++walls;
            wallLength += edge.arc ? arcLength(edge.radius * view.unit, edge.sweepDeg)
                                   : distance(view.Map(edge.from), view.Map(edge.to));
        }
        // The rectangle keeps its classic strokes: a line a wall, its end relative to its corner.
        for (const DrawOp& op : ops) {
            if (op.kind == DrawOp::Kind::Path && !op.colour) {
                ++paths;
                pieces += op.pieces.size();
                PointF at = op.from;
                for (const PathPiece& piece : op.pieces) {
                    drawnLength += piece.arc ? arcLength(piece.radius, piece.sweepDeg) : distance(at, piece.to);
                    at = piece.to;
                }
            } else if (op.kind == DrawOp::Kind::Line && !op.colour && op.end == EndPoint::Relative) {
                ++paths;
                ++pieces;
                drawnLength += distance({0, 0}, op.to);
            }
        }
        Expect("shape draw", !ops.empty() && ops.front().kind == DrawOp::Kind::Cls, "the picture was not cleared first");
        Expect("shape draw", pieces <= walls && paths <= pieces && std::abs(drawnLength - wallLength) <= 1e-3 * (1 + wallLength),
               "the walls drawn are not the frame and the closed walls");
        const auto centre = [&](CellId c) { return view.Map(maze.shape.centres[static_cast<std::size_t>(c)]); };
        if (maze.route.size() < 2) {
            Expect("shape draw", ops.back().kind != DrawOp::Kind::Path || !ops.back().colour, "a route of one cell was drawn");
        } else {
            const DrawOp* route = nullptr;
            std::vector<const DrawOp*> lines;  // the rectangle's: a dot on S, then a line a step
            for (const DrawOp& op : ops) {
                if (op.kind == DrawOp::Kind::Path && op.colour == kRed)
                    route = &op;
                if (op.kind == DrawOp::Kind::Line && op.colour == kRed)
                    lines.push_back(&op);
            }
            if (maze.shape.kind == ShapeKind::Rectangle) {
                bool joined = lines.size() == maze.route.size() && lines.front()->from == centre(graph.start);
                for (std::size_t i = 1; joined && i < lines.size(); ++i)
                    joined = lines[i]->from == lines[i - 1]->to && lines[i]->to == centre(maze.route[i]);
                Expect("shape draw", route == nullptr && joined,
                       "the rectangle's route is not a line a step from S to G");
            } else {
                Expect("shape draw", route != nullptr && route->pieces.size() + 1 == maze.route.size() &&
                                         route->from == centre(graph.start) && route->pieces.back().to == centre(graph.goal),
                       "the route is not one stroke from S through each step to G");
            }
        }
        Expect("shape draw", drawn.ForeColor() == kBlack && drawn.DrawWidth() == 1, "drawing a shape left the pen changed");
        Expect("shape", state() == ref_, "a maze of another shape changed the maze shown");
        CheckControls("shape");
    }

private:
    const MazeState& state() const { return program_.state(); }

    static std::uint8_t Operand(const std::uint8_t*& in, const std::uint8_t* end) { return in < end ? *in++ : 0; }

    // Every loop asked for: no dead end is left but S, G and cells with one neighbour.
    static bool NoDeadEnd(const MazeGraph& graph, const Passages& passages)
    {
        for (CellId c = 0; c < graph.CellCount(); ++c) {
            int open = 0;
            for (const Link& link : graph.Neighbours(c))
                open += passages.Open(link.wall);
            if (open == 1 && c != graph.start && c != graph.goal && graph.Neighbours(c).size() > 1)
                return false;
        }
        return true;
    }

    // The maze shown has no loops.
    bool Perfect() const { return program_.builtWith().braid == 0; }

    // The maze just built, the way it was built: the classic way keeps its regions; the others
    // leave Region at 0; loops keep every cell reachable; a route laid first has a length the
    // maze allows.
    void CheckBuild()
    {
        const MazeState& s = state();
        const BuildChoice& how = program_.builtWith();
        if (how.Classic())
            return Expect("Command1", quality::CheckPerfectMaze(s));
        Expect("Command1", quality::CheckJoinedMaze(s, how.braid == 0));
        if (how.algorithm != Algorithm::Regions || how.routeFirst)
            for (int x = 0; x <= s.LastX(); ++x)
                for (int y = 0; y <= s.LastY(); ++y)
                    Expect("Command1", s.Region(x, y) == 0, "a way without regions left a region number");
        if (how.braid != kMaxBraid && !how.routeFirst)
            return;
        const MazeGraph graph = RectangleGraph(s.size);
        const Passages passages = PassagesOf(graph, s);
        if (how.braid == kMaxBraid)
            Expect("Command1", NoDeadEnd(graph, passages), "loops of 100 % left a dead end");
        if (how.routeFirst) {
            Expect("Command1",
                   RouteRangeOf(graph).Holds(static_cast<int>(SearchDepthFirst(graph, passages).cells.size())),
                   "a route laid first is outside the lengths it may have");
        }
    }

    // Plays recorded steps onto the program's surface from the first picture to the last, as
    // the window's watch does: every step played, the path and the count where the search left them.
    void PlayToEnd(const char* event, const MazeState& maze, WatchKind kind, std::vector<StepEvent> steps, int route,
                   int visited)
    {
        const std::size_t count = steps.size();
        std::optional<StepPlayer> player;
        Run(event, [&] {
            player.emplace(maze, kind, std::move(steps), program_.Geometry());
            player->DrawFirst(surface_);
            while (player->PlayStep(surface_)) {
            }
            player->DrawLast(surface_);
        });
        Expect(event, player->Played() == count && player->Count() == count, "not every step was played");
        if (route >= 0)
            Expect(event, player->PathLength() == route, "the watch did not end on the whole route");
        if (visited >= 0)
            Expect(event, player->Visited() == visited, "the watch counted other cells than the search visited");
        CheckControls(event);
    }

    const Game& play() const { return program_.game(); }

    void CheckPlay(const char* event)
    {
        Expect(event, play().Active() == (phase_ == Phase::Playing), "a game runs outside play, or none in it");
        if (play().Active())
            Expect(event, quality::CheckTrail(state(), play().Trail()));
    }

    // The parts of the state that one event or another must leave alone, compared in place.
    static bool SameMaze(const MazeState& a, const MazeState& b)
    {
        return a.size == b.size && a.Walls == b.Walls && a.Region == b.Region;
    }
    static bool SameRoute(const MazeState& a, const MazeState& b)
    {
        return a.PathX == b.PathX && a.PathY == b.PathY && a.PathLen == b.PathLen && a.Found == b.Found;
    }
    // The route a search found, entries 0 to PathLen. Above it the route arrays keep what the
    // search backed out of, and what earlier searches left there: a state that searched other
    // mazes of its size before holds other entries there than a fresh one.
    static bool SameFoundRoute(const MazeState& a, const MazeState& b)
    {
        if (a.PathLen != b.PathLen || a.Found != b.Found)
            return false;
        for (int i = 0; i <= a.PathLen; ++i)
            if (a.PathX(i) != b.PathX(i) || a.PathY(i) != b.PathY(i))
                return false;
        return true;
    }
    static bool SameSearch(const MazeState& a, const MazeState& b)
    {
        return SameRoute(a, b) && a.Visited == b.Visited && a.StepCount == b.StepCount;
    }

    // The search and replay state of a state just made: nothing searched, nothing to replay.
    static bool FreshSearch(const MazeState& s)
    {
        if (s.PathLen != 0 || s.Found != kFalse || s.StepCount != 0)
            return false;
        for (int i = 0; i <= s.PathX.Last(); ++i)
            if (s.PathX(i) != 0 || s.PathY(i) != 0)
                return false;
        for (int x = -1; x <= s.Width(); ++x)
            for (int y = -1; y <= s.Height(); ++y)
                if (s.Visited(x, y) != 0)
                    return false;
        return true;
    }

    template <typename Handler>
    void Run(const char* event, Handler&& handler)
    {
        // The program raises run-time errors as exceptions; none may arise from any sequence.
        try {
            handler();
        } catch (const std::exception& e) {
            Fail(event, std::string("run-time error: ") + e.what());
        }
    }

    // The maze after an event that may rewrite it. Every other event must leave the whole state
    // as it was, so what holds here holds until the next build.
    void CheckMaze(const char* event)
    {
        const MazeState& s = state();
        Expect(event, quality::CheckWallCodes(s));
        if (phase_ == Phase::FrameOnly)
            Expect(event, quality::CheckStartFrame(s));
        else
            Expect(event, quality::CheckBuiltFrame(s));
    }

    // What holds after every event, whatever came before.
    void CheckControls(const char* event)
    {
        const MazeState& s = state();
        Expect(event, s.StepCount >= 0 && s.StepCount <= s.PathLen, "StepCount outside 0..PathLen");
        Expect(event, timer1_.Enabled() == (phase_ == Phase::Replaying), "Timer1 running outside a replay");
        Expect(event, !play().Active() || !timer1_.Enabled(), "the replay runs during a game");
        Expect(event, phase_ != Phase::Replaying || s.StepCount < s.PathLen, "the replay went past the route");
        Expect(event, command2_.Enabled() == (phase_ != Phase::FrameOnly),
               "Command2 enabled before the first maze, or disabled after it");
        Expect(event, surface_.ForeColor() == kBlack && surface_.DrawWidth() == 1,
               "the pen is not black and 1 pixel wide between events");
    }

    NullSurface surface_;
    PlainSwitch timer1_;
    PlainSwitch command2_;
    InputRandom random_;
    Program program_{Platform{surface_, timer1_, command2_, random_}};
    Phase phase_ = Phase::FrameOnly;
    MazeState& ref_;
    MazeState& lastSearch_;
    std::vector<CellId>& trailBefore_;
    bool searched_ = false;
    Millis now_ = 0;
    bool away_ = false;
    RecordingSurface shapeSurface_;
};

}  // namespace

// The byte of the first of the events added after sizes (see the top).
constexpr std::uint8_t kFirstNewEvent = 199;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Snapshots snapshots;
    Session session(Hash(data, size), snapshots);
    const std::uint8_t* in = data;
    const std::uint8_t* const end = data + size;
    while (in < end) {
        const std::uint8_t event = *in++;
        if (event >= kFirstNewEvent && event < kFirstNewEvent + 6) {
            if (event < kFirstNewEvent + 2)
                session.Choose(in, end);
            else if (event < kFirstNewEvent + 4)
                session.Watch(in, end);
            else
                session.ShapeMazeEvent(in, end);
            continue;
        }
        switch (event % 10) {
        case 0:
            session.Command1(in, end);
            break;
        case 1:
            session.Command2();
            break;
        case 2:
            session.Tick();
            break;
        case 3:
            while (session.Tick()) {
            }
            break;
        case 4:
            session.Repaint();
            break;
        case 5:
            session.PlayStart();
            break;
        case 6:
            session.Move(in, end);
            break;
        case 7:
            session.PlayStop();
            break;
        case 8:
            session.Focus(in, end);
            break;
        default:
            session.Size(in, end);
            break;
        }
    }
    return 0;
}
