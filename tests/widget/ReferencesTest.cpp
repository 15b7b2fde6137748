// References on the toolkit's side: a word's codes pinned to their mazes, the facts' lines
// carrying each figure in its place, and every watched frame on a shape against a picture
// drawn afresh for that step.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QLocale>
#include <algorithm>
#include <set>

#include "core/CodePins.h"
#include "core/search/Texture.h"
#include "core/render/DrawMaze.h"
#include "core/render/DrawShape.h"
#include "core/graph/Rectangle.h"
#include "core/shape/make/Polygons.h"
#include "core/shape/ShapeChoice.h"
#include "core/watch/ShapePlayer.h"
#include "core/watch/StepPlayer.h"
#include "core/watch/Watch.h"
#include "qt/paper/Facts.h"
#include "qt/paper/Outlines.h"
#include "qt/platform/surface/ImageSurface.h"
#include "qt/platform/surface/QtColour.h"
#include "qt/platform/letters/WindowFont.h"
#include "widget/Ink.h"

namespace tolvane::testing {
namespace {

// The word TO seven cells tall: the seven ways, one with loops and one with the route laid first.
// The outline comes from the toolkit's font, as the command line makes it. S is the left end of
// the longest way, so that a word reads from S to G: the same passages as when S was the right
// end, S and G the other way round, and the route laid first from the new S.
constexpr PinnedCode kWordPins[] = {
    {"R0W7TO-A8FVN-014YG", "0-11:fef56f3babbbf9aedc7ecd3cf"},
    {"B0W7TO-VV6XB-HCRNZ", "0-11:f7ff65ff5b657b3cddea73af5"},
    {"H0W7TO-5R7GY-YSR0C", "0-11:f3f7ef7d4e7bddde2aa1e7ff5"},
    {"G0W7TO-VJHJS-B72F0", "0-11:e7ffb73c777dc7bea87173fdf"},
    {"P0W7TO-3B1WK-MB1JV", "0-11:fbf55debadcfd5ebe995cd3ff"},
    {"K0W7TO-PYJST-G50SJ", "0-11:eed77fbcf73dcbe7e566a75fb"},
    {"W0W7TO-WTC67-GW5MF", "0-11:dbff72d7add7bdd72cbbaf7ec"},
    {"R85W7TO-2ZBRM-177KJ", "0-11:dffe7fef6ff9deeecee9fbffb"},
    {"GSW7TO-B6KNG-X986C", "0-11:fbbd5deced6fceba6eaaa7f7f"},
};

TEST(CodePins, AWordsOutlineKeepsItsMazeForEveryWay)
{
    // The outline is the letters of the face the program asks for; where it is missing another
    // face draws other letters, and so another maze.
    QFont face(QStringLiteral("DejaVu Sans"));
    face.setBold(true);
    if (QFontInfo(face).family() != QLatin1String("DejaVu Sans"))
        GTEST_SKIP() << "no DejaVu Sans Bold here";
    ExpectPinnedMazes(kWordPins, [](const ShapeChoice& choice) { return ShapeOfChoice(choice); });
}

// Each line of the facts names its own figure: numbers that are all different, so that any two
// swapped show.
TEST(Facts, EachLineCarriesItsOwnFigureInItsPlace)
{
    const QLocale before;
    QLocale::setDefault(QLocale::c());
    Texture t;
    t.cells = 40;
    t.route = 10;
    t.decisions = 3;
    t.turns = 7;
    t.deadEnds = 6;
    t.branches = 5;
    t.longestBranch = 9;
    t.meanBranch = 2.25;
    t.longestPath = 17;
    const QStringList lines = FactLines(t);
    EXPECT_EQ(lines, (QStringList{
                         QStringLiteral("Route: 10 cells, 25.0 % of the maze"),
                         QStringLiteral("Decisions on the route: 3"),
                         QStringLiteral("Turns on the route: 7"),
                         QStringLiteral("Dead ends: 6, 15.0 % of the cells"),
                         QStringLiteral("False branches: 5, the longest 9 cells deep, 2.3 on average"),
                         QStringLiteral("Longest path: 17 cells"),
                     }));
    EXPECT_EQ(FactsSummary(t), QStringLiteral("route 10 cells (25 %) · 3 decisions · 7 turns · longest false branch 9"));
    // A shape with no rule for turns says nothing of them.
    t.turns = -1;
    EXPECT_FALSE(FactLines(t).join(QLatin1Char('\n')).contains(QLatin1String("Turns")));
    QLocale::setDefault(before);
}

constexpr float kUnit = 22;
const ShapeView kView{kUnit, 8, 8};

ImageSurface Canvas(const Shape& shape)
{
    return ImageSurface(static_cast<int>(shape.width * kUnit) + 16, static_cast<int>(shape.height * kUnit) + 16, WindowFont(), false);
}

// A point of each cell nearly half way from its first corner to its middle: away from its
// walls and from the red path through its middle.
std::vector<QPoint> InsidePoints(const Shape& shape)
{
    std::vector<QPoint> inside;
    for (CellId c = 0; c < shape.graph.CellCount(); ++c) {
        const PointF corner = shape.edges[static_cast<std::size_t>(shape.Outline(c)[0])].from;
        const PointF middle = shape.centres[static_cast<std::size_t>(c)];
        const PointF p = kView.Map({corner.x + 0.45f * (middle.x - corner.x), corner.y + 0.45f * (middle.y - corner.y)});
        inside.emplace_back(static_cast<int>(p.x), static_cast<int>(p.y));
    }
    return inside;
}

// Every cell but S and G (which hold their letters) shows its colour at its inside point.
void ExpectColours(const QImage& frame, const Shape& shape, const std::vector<QPoint>& inside, const std::vector<Colour>& colours,
                   const std::string& what)
{
    for (CellId c = 0; c < shape.graph.CellCount(); ++c) {
        if (c == shape.graph.start || c == shape.graph.goal)
            continue;
        const QRgb seen = frame.pixel(inside[static_cast<std::size_t>(c)]) & 0xFFFFFFu;
        ASSERT_EQ(seen, ToQRgb(colours[static_cast<std::size_t>(c)]) & 0xFFFFFFu) << what << ", cell " << c;
    }
}

const ShapeChoice kShapes[] = {
    {ShapeKind::Circle, {4, 4}, {}},
    {ShapeKind::Hexagon, {3, 3}, {}},
    {ShapeKind::Triangle, {5, 5}, {}},
    {ShapeKind::HexagonRectangle, {5, 4}, {}},
    {ShapeKind::TriangleRectangle, {6, 4}, {}},
};

// After every step of a build, the frame shows exactly the walls the steps have opened so far
// (the same walls as the maze drawn afresh with those passages, no half wall left standing),
// and each cell the colour of its group (a region, a set) or else of its last step: pale green
// taken in, light grey done with, white not yet reached.
TEST(WatchedFrames, EveryStepOfABuildOnAShapeShowsTheWallsOpenedSoFar)
{
    const BuildChoice ways[] = {{Algorithm::Backtracker, 0, false}, {Algorithm::Kruskal, 0, false}, {Algorithm::HuntAndKill, 20, false}};
    for (const ShapeChoice& choice : kShapes)
        for (const BuildChoice& how : ways) {
            WatchedShape watched = RecordShapeWatch(WatchKind::Build, *MakeShape(choice), how, 0x5EED + choice.size.width);
            const std::vector<StepEvent> steps = watched.steps;
            const Shape& shape = watched.maze.shape;
            ShapePlayer player(watched.maze, WatchKind::Build, watched.steps, kView);
            ImageSurface frame = Canvas(shape);
            player.DrawFirst(frame);
            Passages opened(shape.graph);
            const std::string what = std::string(InfoOf(choice.kind).name) + " " + std::string(InfoOf(how.algorithm).name);
            const std::vector<QPoint> inside = InsidePoints(shape);
            std::vector<Colour> marked(static_cast<std::size_t>(shape.graph.CellCount()), kWhite);
            std::vector<Colour> grouped(marked.size(), 0);
            for (std::size_t i = 0; i < steps.size(); ++i) {
                ASSERT_TRUE(player.PlayStep(frame));
                const auto cell = static_cast<std::size_t>(steps[i].cell);
                if (steps[i].kind == StepKind::Enter)
                    marked[cell] = kTakenColour;
                else if (steps[i].kind == StepKind::BackUp)
                    marked[cell] = kJoinedColour;
                else if (steps[i].kind == StepKind::Group)
                    grouped[cell] = steps[i].group > 0 ? RegionColours()[static_cast<std::size_t>(steps[i].group - 1) % RegionColours().size()] : 0;
                std::vector<Colour> colours = marked;
                for (std::size_t c = 0; c < colours.size(); ++c)
                    if (grouped[c] != 0)
                        colours[c] = grouped[c];
                ExpectColours(frame.image(), shape, inside, colours, what + " after step " + std::to_string(i));
                ASSERT_FALSE(HasFatalFailure());
                if (steps[i].kind == StepKind::Open)
                    opened.Carve(steps[i].wall);
                else if (i + 1 < steps.size())
                    continue;  // only an opening changes walls; the last step is checked anyway
                ImageSurface fresh = Canvas(shape);
                DrawShape(shape, opened, fresh, kView);
                ASSERT_EQ(WallsApart(frame.image(), fresh.image()), 0) << what << " after step " << i;
            }
            EXPECT_EQ(opened, watched.maze.passages) << what;
        }
}

// On a picture big enough for beacons, a watched build and search, whose steps paint cells
// under S's and G's rings and letters, show the marks the still picture has after every step:
// each of its pure blue pixels, on the rectangle and on a hexagon.
TEST(WatchedFrames, AWatchedBuildAndSearchKeepTheBeaconsOfABigPictureAtEveryStep)
{
    const auto blue = [](const QImage& image) {
        std::vector<QPoint> points;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFFu) == (ToQRgb(kBlue) & 0xFFFFFFu))
                    points.emplace_back(x, y);
        return points;
    };
    // Plays every step, checking the still picture's blue after each; the marks alone are a pixel each.
    const auto expectKept = [&](WatchPlayer& player, ImageSurface& frame, const QImage& still, const std::string& what) {
        const std::vector<QPoint> want = blue(still);
        ASSERT_GT(want.size(), 50u) << what << ": no beacons to keep";
        player.DrawFirst(frame);
        for (int step = 0; player.PlayStep(frame); ++step)
            for (const QPoint p : want)
                ASSERT_EQ(frame.image().pixel(p) & 0xFFFFFFu, ToQRgb(kBlue) & 0xFFFFFFu) << what << " after step " << step << " at " << p.x() << "," << p.y();
    };
    constexpr int kCell = 4;
    const MazeSize size{151, 151};  // rings and letters reaching past the corners that hold S's and G's letters
    const CellGeometry g{kCell, 8, 8};
    const ShapeView view{kCell, 8, 8};
    for (const WatchKind kind : {WatchKind::Build, WatchKind::Search}) {
        const std::string what = kind == WatchKind::Build ? "built" : "searched";
        const Watched watched = RecordWatch(kind, 0xBEAC, size, nullptr, {Algorithm::Kruskal});
        StepPlayer player(watched.maze, kind, watched.steps, g);
        ImageSurface frame(size.width * kCell + 17, size.height * kCell + 17, WindowFont(), false);
        ImageSurface still(size.width * kCell + 17, size.height * kCell + 17, WindowFont(), false);
        DrawMaze(watched.maze, still, g);
        expectKept(player, frame, still.image(), "the rectangle " + what);

        WatchedShape shaped = RecordShapeWatch(kind, *MakeShape({ShapeKind::Hexagon, {24, 24}, {}}), {Algorithm::Kruskal, 0, false}, 0xBEAC);
        const Shape& shape = shaped.maze.shape;
        ShapePlayer shapePlayer(shaped.maze, kind, shaped.steps, view);
        const int w = static_cast<int>(shape.width * kCell) + 16, h = static_cast<int>(shape.height * kCell) + 16;
        ImageSurface shapeFrame(w, h, WindowFont(), false), shapeStill(w, h, WindowFont(), false);
        DrawShape(shape, shaped.maze.passages, shapeStill, view);
        expectKept(shapePlayer, shapeFrame, shapeStill.image(), "the hexagon " + what);
    }
}

// After every step of a search, each cell shows the colour of the last thing the search did
// to it (pale yellow entered, grey given up, white untouched): read at a point of the cell
// away from its middle, where the red path goes, and from its walls.
TEST(WatchedFrames, EveryStepOfASearchOnAShapeShowsEachCellInTheColourOfItsLastStep)
{
    for (const ShapeChoice& choice : kShapes)
        for (const char* way : {"depth-first", "breadth-first", "a-star", "left-hand", "dead-end-filling"}) {
            WatchedShape watched = RecordShapeWatch(WatchKind::Search, *MakeShape(choice), {Algorithm::Kruskal, 40, false}, 0xC0DE,
                                                    FindSearch(way));
            const std::vector<StepEvent> steps = watched.steps;
            const Shape& shape = watched.maze.shape;
            ShapePlayer player(watched.maze, WatchKind::Search, watched.steps, kView);
            ImageSurface frame = Canvas(shape);
            player.DrawFirst(frame);
            const std::vector<QPoint> inside = InsidePoints(shape);
            std::vector<Colour> expected(static_cast<std::size_t>(shape.graph.CellCount()), kWhite);
            const std::string what = std::string(InfoOf(choice.kind).name) + " " + way;
            for (std::size_t i = 0; i < steps.size(); ++i) {
                ASSERT_TRUE(player.PlayStep(frame));
                const auto cell = static_cast<std::size_t>(steps[i].cell);
                if (steps[i].kind == StepKind::Enter)
                    expected[cell] = kVisitedColour;
                else if (steps[i].kind == StepKind::BackUp)
                    expected[cell] = kGivenUpColour;
                ExpectColours(frame.image(), shape, inside, expected, what + " after step " + std::to_string(i));
                ASSERT_FALSE(HasFatalFailure());
            }
            // The count the window shows at the end is the search's own, the red path its route.
            const GraphRoute run = FindSearch(way)->run(shape.graph, watched.maze.passages, ShapePlaces(shape), nullptr);
            EXPECT_EQ(player.Visited(), run.visited) << what;
            if (!run.cells.empty()) {
                EXPECT_EQ(player.PathLength(), static_cast<int>(run.cells.size())) << what;
            }
        }
}

// The same on the rectangle, whose watch plays onto the classic picture: after every step of a
// build the frame shows the walls opened so far (as the maze drawn afresh with them) and each
// cell its colour, a region turning grey once linked (the first region with the first link);
// after every step of the depth-first search each cell its colour, and red at the middle of
// exactly the cells on the path being tried.
TEST(WatchedFrames, EveryStepOnTheRectangleShowsItsWallsColoursAndPath)
{
    const MazeSize size{7, 5};
    const Shape shape = RectangleShape(size);
    const CellGeometry g{static_cast<int>(kUnit), 8, 8};
    const std::vector<QPoint> inside = InsidePoints(shape);
    for (const Algorithm way : {Algorithm::Regions, Algorithm::Backtracker, Algorithm::Kruskal}) {
        const Watched watched = RecordWatch(WatchKind::Build, 0xF00D, size, nullptr, {way});
        const std::vector<StepEvent>& steps = watched.steps;
        StepPlayer player(watched.maze, WatchKind::Build, steps, g);
        ImageSurface frame = Canvas(shape);
        player.DrawFirst(frame);
        Passages opened(shape.graph);
        std::vector<Colour> marked(static_cast<std::size_t>(shape.graph.CellCount()), kWhite);
        std::vector<std::int32_t> group(marked.size(), 0);
        std::set<std::int32_t> linked;
        const std::string what = std::string(InfoOf(way).name);
        for (std::size_t i = 0; i < steps.size(); ++i) {
            ASSERT_TRUE(player.PlayStep(frame));
            const StepEvent& step = steps[i];
            const auto cell = static_cast<std::size_t>(step.cell);
            if (step.kind == StepKind::Enter)
                marked[cell] = kTakenColour;
            else if (step.kind == StepKind::BackUp)
                marked[cell] = kJoinedColour;
            else if (step.kind == StepKind::Group)
                group[cell] = step.group;
            else if (step.kind == StepKind::Open) {
                opened.Carve(step.wall);
                if (step.group > 0)
                    linked.insert({1, step.group});
            }
            std::vector<Colour> colours = marked;
            for (std::size_t c = 0; c < colours.size(); ++c)
                if (group[c] > 0)
                    colours[c] = linked.contains(group[c]) ? kJoinedColour
                                                          : RegionColours()[static_cast<std::size_t>(group[c] - 1) % RegionColours().size()];
            ExpectColours(frame.image(), shape, inside, colours, what + " after step " + std::to_string(i));
            ASSERT_FALSE(HasFatalFailure());
            ImageSurface fresh = Canvas(shape);
            DrawShape(shape, opened, fresh, kView);
            ASSERT_EQ(WallsApart(frame.image(), fresh.image()), 0) << what << " after step " << i;
        }
        EXPECT_EQ(opened, PassagesOf(shape.graph, watched.maze)) << what;
    }
    const Watched searched = RecordWatch(WatchKind::Search, 0xF00D, size, nullptr, {Algorithm::Kruskal, 40, false});
    StepPlayer player(searched.maze, WatchKind::Search, searched.steps, g);
    ImageSurface frame = Canvas(shape);
    player.DrawFirst(frame);
    const Passages passages = PassagesOf(shape.graph, searched.maze);
    std::vector<Colour> expected(static_cast<std::size_t>(shape.graph.CellCount()), kWhite);
    std::vector<CellId> path;
    for (std::size_t i = 0; i < searched.steps.size(); ++i) {
        ASSERT_TRUE(player.PlayStep(frame));
        const StepEvent& step = searched.steps[i];
        if (step.kind == StepKind::Enter) {
            expected[static_cast<std::size_t>(step.cell)] = kVisitedColour;
            path.push_back(step.cell);
        } else if (step.kind == StepKind::BackUp) {
            expected[static_cast<std::size_t>(step.cell)] = kGivenUpColour;
            if (!path.empty() && path.back() == step.cell)
                path.pop_back();
        }
        const std::string what = "depth-first after step " + std::to_string(i);
        ExpectColours(frame.image(), shape, inside, expected, what);
        ASSERT_FALSE(HasFatalFailure());
        const auto red = [&](PointF at) {
            const PointF p = kView.Map(at);
            const QColor seen = frame.image().pixelColor(static_cast<int>(p.x), static_cast<int>(p.y));
            return seen.red() > 200 && seen.green() < 80 && seen.blue() < 80;
        };
        const auto onPath = [&](CellId c) { return std::find(path.begin(), path.end(), c) != path.end(); };
        for (CellId c = 0; c < shape.graph.CellCount(); ++c) {
            if (c == shape.graph.start || c == shape.graph.goal)
                continue;
            const PointF middle = shape.centres[static_cast<std::size_t>(c)];
            ASSERT_EQ(red(middle), onPath(c)) << what << ", cell " << c;
            // A third of the way to each open neighbour: red only towards the path's next or
            // last cell, no stub left towards a cell backed out of.
            for (const Link& l : shape.graph.Neighbours(c)) {
                if (!passages.Open(l.wall))
                    continue;
                const auto at = std::find(path.begin(), path.end(), c);
                const bool joined = at != path.end() && ((at + 1 != path.end() && *(at + 1) == l.to) ||
                                                         (at != path.begin() && *(at - 1) == l.to));
                const PointF other = shape.centres[static_cast<std::size_t>(l.to)];
                const PointF third{middle.x + (other.x - middle.x) / 3, middle.y + (other.y - middle.y) / 3};
                ASSERT_EQ(red(third), joined) << what << ", cell " << c << " towards " << l.to;
            }
        }
    }
}

}  // namespace
}  // namespace tolvane::testing
