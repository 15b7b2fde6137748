// Animation files read back: their frames, their pace, and a last frame that is the picture Save writes.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <webp/demux.h>


#include <QDir>
#include <QFile>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTemporaryDir>
#include <tuple>

#include "core/maze/BuildMaze.h"
#include "core/generate/MakeMaze.h"
#include "core/shape/ShapeChoice.h"
#include "core/watch/ShapePlayer.h"
#include "core/watch/StepPlayer.h"
#include "qt/paper/Pictures.h"
#include "qt/paper/animation/AnimationFile.h"
#include "qt/platform/surface/ImageSurface.h"
#include "qt/platform/surface/QtColour.h"
#include "qt/platform/letters/WindowFont.h"
#include "qt/window/Form1.h"
#include "qt/window/watch/SaveAnimation.h"
#include "widget/Ink.h"

namespace tolvane::testing {
namespace {

constexpr std::uint64_t kSeed = 0x2468'ACE0'1357ull;

struct Frame {
    QImage picture;  // the whole picture once this frame is shown
    QRect stored;    // the part the file stores
    int ms;          // how long it stays
};

// Every frame of a GIF, composed as a viewer composes them.
std::vector<Frame> ReadGif(const QString& path)
{
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    EXPECT_NE(gif, nullptr);
    if (gif == nullptr || DGifSlurp(gif) != GIF_OK)
        return {};
    std::vector<Frame> frames;
    QImage canvas(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        GraphicsControlBlock control{};
        DGifSavedExtensionToGCB(gif, i, &control);
        const GifImageDesc& d = image.ImageDesc;
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const int index = image.RasterBits[y * d.Width + x];
                if (index == control.TransparentColor)
                    continue;
                const GifColorType c = map->Colors[index];
                canvas.setPixel(d.Left + x, d.Top + y, qRgb(c.Red, c.Green, c.Blue));
            }
        frames.push_back({canvas.copy(), QRect(d.Left, d.Top, d.Width, d.Height), control.DelayTime * 10});
    }
    DGifCloseFile(gif, &error);
    return frames;
}

// Every frame of a WebP as its demuxer gives it, the stored rectangle left empty.
std::vector<Frame> ReadWebp(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    WebPData data{reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())};
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_BGRA;
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    EXPECT_NE(decoder, nullptr);
    std::vector<Frame> frames;
    WebPAnimInfo info{};
    if (decoder == nullptr || !WebPAnimDecoderGetInfo(decoder, &info))
        return frames;
    int previous = 0;
    while (WebPAnimDecoderHasMoreFrames(decoder)) {
        uint8_t* pixels = nullptr;
        int timestamp = 0;  // when this frame ends
        if (!WebPAnimDecoderGetNext(decoder, &pixels, &timestamp))
            break;
        const QImage picture(pixels, static_cast<int>(info.canvas_width), static_cast<int>(info.canvas_height), QImage::Format_ARGB32);
        frames.push_back({picture.convertToFormat(QImage::Format_RGB32), {}, timestamp - previous});
        previous = timestamp;
    }
    WebPAnimDecoderDelete(decoder);
    return frames;
}

// The smallest rectangle holding every pixel in which two pictures differ.
QRect Differing(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

struct Written {
    MazeState maze;
    std::size_t steps;
    std::vector<Frame> frames;
};

Written Write(const QTemporaryDir& dir, const char* name, WatchKind kind, MazeSize size, int paceMs)
{
    Watched watched = RecordWatch(kind, kSeed, size);
    const std::size_t steps = watched.steps.size();
    StepPlayer player(watched.maze, kind, std::move(watched.steps), AnimationCanvasFor(size).geometry);
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_EQ(WriteAnimation(path, player, QSize(AnimationCanvasFor(size).side, AnimationCanvasFor(size).side), paceMs), std::nullopt);
    return {std::move(watched.maze), steps, path.endsWith(QLatin1String(".gif")) ? ReadGif(path) : ReadWebp(path)};
}

TEST(Animation, TheRoutesGifHasAFrameACellAtThePaceEachTheRectangleThatChangedAndEndsOnTheSavedPicture)
{
    QTemporaryDir dir;
    const Written w = Write(dir, "route.gif", WatchKind::Route, kClassicSize, 50);
    // The first frame holds the maze with S (half a second and the first step); one frame a
    // segment; the last segment is the finished picture, held three seconds.
    ASSERT_EQ(w.frames.size(), w.steps);
    EXPECT_EQ(w.frames.front().ms, 550);
    EXPECT_EQ(w.frames.front().stored, QRect(0, 0, kPictureSide, kPictureSide));
    for (std::size_t i = 1; i + 1 < w.frames.size(); ++i) {
        EXPECT_EQ(w.frames[i].ms, 50);
        EXPECT_LE(w.frames[i].stored.width() * w.frames[i].stored.height(), (kCell + 3) * 3) << i;
        EXPECT_EQ(w.frames[i].stored, Differing(w.frames[i - 1].picture, w.frames[i].picture)) << i;
    }
    EXPECT_EQ(w.frames.back().ms, 3050);
    EXPECT_EQ(w.frames.back().picture, PictureImage(ShapeMazeOf(w.maze), Answer::Shown).convertToFormat(QImage::Format_RGB32));
}

TEST(Animation, ABuildAndASearchEndOnTheSavedPictureAfterEveryStepAtThePace)
{
    QTemporaryDir dir;
    const Written build = Write(dir, "build.gif", WatchKind::Build, {15, 11}, 20);
    ASSERT_GE(build.frames.size(), 2u);
    EXPECT_EQ(build.frames.back().picture, PictureImage(ShapeMazeOf(build.maze), Answer::Hidden).convertToFormat(QImage::Format_RGB32));
    int total = 0;
    for (const Frame& f : build.frames)
        total += f.ms;
    // Half a second first, every step 20 ms, a second on the last step, three on the maze.
    EXPECT_EQ(total, 500 + static_cast<int>(build.steps) * 20 + 1000 + 3000);

    const Written search = Write(dir, "search.webp", WatchKind::Search, {15, 11}, 30);
    ASSERT_GE(search.frames.size(), 2u);
    EXPECT_EQ(search.frames.back().picture, PictureImage(ShapeMazeOf(search.maze), Answer::Shown).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(search.frames.back().ms, 3000);
    total = 0;
    for (const Frame& f : search.frames)
        total += f.ms;
    EXPECT_EQ(total, 500 + static_cast<int>(search.steps) * 30 + 1000 + 3000);
}

// However fast or slow the pace, the frames last as long as the steps do: half a second before
// the first, the pace a step (several steps a frame at a fast pace, the last frame holding what
// is left over), a second on a build's last step and three on the finished maze. A GIF counts
// in hundredths, so each delay carries what the rounding of those before it left over.
TEST(Animation, TheDelaysAddUpToThePaceTimesTheStepsAtAnyPace)
{
    QTemporaryDir dir;
    for (const WatchKind kind : {WatchKind::Build, WatchKind::Route})
        for (const int pace : {7, 13, 50})
            for (const char* type : {"gif", "webp"}) {
                const std::string name = std::to_string(static_cast<int>(kind)) + "-" + std::to_string(pace) + "." + type;
                const Written w = Write(dir, name.c_str(), kind, {9, 7}, pace);
                int total = 0;
                for (const Frame& f : w.frames)
                    total += f.ms;
                const int holds = 500 + (kind == WatchKind::Build ? 1000 : 0) + 3000;
                // A WebP keeps milliseconds: exactly. A GIF keeps hundredths: within one.
                EXPECT_NEAR(total, holds + static_cast<int>(w.steps) * pace, std::string(type) == "gif" ? 10 : 0)
                    << name << ", " << w.steps << " steps";
            }
}

// However many steps and however slow the pace, an animation lasts at most its length (a minute
// unless asked), in at most 2000 frames of 20 ms to a second; one that fits keeps its pace.
TEST(Animation, ALongAnimationIsPlayedFasterToLastItsLengthInFramesOfAtMostASecond)
{
    constexpr int kPauses = 500 + 1000 + 3000;  // the first picture, the last step, the finished maze
    for (const auto& [steps, paceMs, seconds] : {std::tuple{std::size_t{2'004'001}, 50, 60}, {std::size_t{20'402}, 1000, 60},
                                                 {std::size_t{20'402}, 1000, 600}, {std::size_t{40}, 1000, 60},
                                                 {std::size_t{300}, 7, 60}, {std::size_t{1'000'001}, 1, 1800}}) {
        const AnimationPace pace = PaceFor(steps, paceMs, seconds);
        const std::size_t frames = (steps + static_cast<std::size_t>(pace.stepsPerFrame) - 1) / static_cast<std::size_t>(pace.stepsPerFrame);
        const long long total = static_cast<long long>(frames) * pace.frameMs + kPauses;
        EXPECT_LE(total, seconds * 1000LL) << steps << " steps at " << paceMs;
        EXPECT_LE(frames, 2000u) << steps;
        EXPECT_GE(pace.frameMs, 20) << steps;
        EXPECT_LE(pace.frameMs, 1000) << steps;
        if (static_cast<long long>(steps) * paceMs + kPauses + 1000 <= seconds * 1000LL) {
            EXPECT_EQ(pace.frameMs, pace.stepsPerFrame * paceMs) << steps << " steps keep their pace";
        } else {
            EXPECT_GE(total, seconds * 1000LL * 9 / 10) << steps << " steps take the length they may";
        }
    }
    // A 41 x 41 build at a step a second would last an hour: a minute, its frames under a second.
    QTemporaryDir dir;
    const Written slow = Write(dir, "slow.gif", WatchKind::Build, {41, 41}, 1000);
    int total = 0;
    for (std::size_t i = 0; i < slow.frames.size(); ++i) {
        total += slow.frames[i].ms;
        if (i + 2 < slow.frames.size()) {
            EXPECT_LE(slow.frames[i].ms, i == 0 ? 500 + 1000 : 1000) << i;
        }
    }
    EXPECT_LE(total, 60'000);
    EXPECT_GE(total, 50'000);
    EXPECT_EQ(slow.frames.back().picture, PictureImage(ShapeMazeOf(slow.maze), Answer::Hidden).convertToFormat(QImage::Format_RGB32));
}

TEST(Animation, BigMazesAndFastPacesPlaySeveralStepsAFrameAndAFileThatCannotBeMadeLeavesNothing)
{
    EXPECT_EQ(PaceFor(300, 50).stepsPerFrame, 1);
    EXPECT_EQ(PaceFor(300, 7).stepsPerFrame, 3);  // frames of at least 20 ms
    EXPECT_EQ(PaceFor(300, 7).frameMs, 21);
    const AnimationPace big = PaceFor(1'000'001, 50);
    EXPECT_EQ(big.stepsPerFrame, 501);  // at most 2000 frames
    EXPECT_EQ(AnimationCanvasFor({89, 89}).side, kPictureSide);
    EXPECT_EQ(AnimationCanvasFor({90, 90}).side, 361);
    EXPECT_EQ(AnimationCanvasFor({1001, 1001}).side, 2003);

    QTemporaryDir dir;
    Watched watched = RecordWatch(WatchKind::Route, kSeed, {6, 6});
    StepPlayer player(watched.maze, WatchKind::Route, watched.steps, AnimationCanvasFor({6, 6}).geometry);
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/route.gif"));
    const auto error = WriteAnimation(missing, player, QSize(AnimationCanvasFor({6, 6}).side, AnimationCanvasFor({6, 6}).side), 50);
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->contains(QLatin1Char('\n')));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_TRUE(WriteAnimation(dir.filePath(QStringLiteral("route.png")), player, QSize(AnimationCanvasFor({6, 6}).side, AnimationCanvasFor({6, 6}).side), 50).has_value());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(Animation, EveryShapeAndEveryWayToBuildEndsOnThePictureItsExportShows)
{
    QTemporaryDir dir;
    // Another way on the rectangle: the maze its code names, drawn as the window draws it.
    const BuildChoice backtracker{Algorithm::Backtracker};
    Watched watched = RecordWatch(WatchKind::Build, kSeed, {15, 11}, nullptr, backtracker);
    EXPECT_EQ(watched.maze.Walls, MazeFromRecipe(kSeed, {15, 11}, backtracker).Walls);
    const std::size_t steps = watched.steps.size();
    StepPlayer rectangle(watched.maze, WatchKind::Build, std::move(watched.steps), AnimationCanvasFor({15, 11}).geometry);
    const QString built = dir.filePath(QStringLiteral("backtracker.gif"));
    ASSERT_EQ(WriteAnimation(built, rectangle, QSize(kPictureSide, kPictureSide), 20), std::nullopt);
    const std::vector<Frame> frames = ReadGif(built);
    ASSERT_GE(frames.size(), steps / 2);  // walls open as cells are taken in: few steps change nothing
    EXPECT_EQ(frames.back().picture, PictureImage(ShapeMazeOf(watched.maze), Answer::Hidden).convertToFormat(QImage::Format_RGB32));

    // A circle built by Kruskal, and searched breadth-first: exactly the PNG of its code.
    const ShapeChoice circle{ShapeKind::Circle, {6, 6}, {}};
    const BuildChoice kruskal{Algorithm::Kruskal};
    for (const WatchKind kind : {WatchKind::Build, WatchKind::Search}) {
        WatchedShape shaped = RecordShapeWatch(kind, *MakeShape(circle), kruskal, kSeed, FindSearch("breadth-first"));
        const ShapeMaze exported = BuildShapeMaze(*MakeShape(circle), kruskal, kSeed);
        ASSERT_EQ(shaped.maze.passages, exported.passages);
        const int unit = ShapePngUnit(exported.shape, 0);
        const std::size_t count = shaped.steps.size();
        ShapePlayer player(shaped.maze, kind, std::move(shaped.steps), ShapePictureView(unit));
        const QString path = dir.filePath(QStringLiteral("circle.webp"));
        ASSERT_EQ(WriteAnimation(path, player, ShapePicturePixels(exported.shape, unit), 30, AnimationPixels::File), std::nullopt);
        const std::vector<Frame> read = ReadWebp(path);
        ASSERT_GE(read.size(), 2u);
        const Answer answer = kind == WatchKind::Build ? Answer::Hidden : Answer::Shown;
        EXPECT_EQ(read.back().picture, CellPictureImage(exported, answer, unit).convertToFormat(QImage::Format_RGB32));
        int total = 0;
        for (const Frame& f : read)
            total += f.ms;
        EXPECT_EQ(total, 500 + static_cast<int>(count) * 30 + 1000 + 3000);
        // Half way, the cells taken in or entered show in their colours.
        EXPECT_NE(read[read.size() / 2].picture, read.front().picture);
    }
}

// A build's GIF on the rectangle, frame by frame, is the window's watch: each frame the picture
// the watch shows after the steps played by the time it starts, every colour kept.
TEST(Animation, EveryFrameOfABuildOnTheRectangleIsTheWatchsPicture)
{
    QTemporaryDir dir;
    constexpr int kPace = 50;
    const MazeSize size{9, 7};
    const AnimationCanvas canvas = AnimationCanvasFor(size);
    const Watched watched = RecordWatch(WatchKind::Build, kSeed, size, nullptr, {Algorithm::Backtracker});
    StepPlayer writer(watched.maze, WatchKind::Build, watched.steps, canvas.geometry);
    const QString path = dir.filePath(QStringLiteral("build.gif"));
    ASSERT_EQ(WriteAnimation(path, writer, QSize(canvas.side, canvas.side), kPace), std::nullopt);
    const std::vector<Frame> frames = ReadGif(path);
    ASSERT_GE(frames.size(), 3u);
    StepPlayer shown(watched.maze, WatchKind::Build, watched.steps, canvas.geometry);
    ImageSurface surface(canvas.side, canvas.side, WindowFont(), false);
    shown.DrawFirst(surface);
    std::size_t played = 0;
    int start = 0;
    for (std::size_t i = 0; i + 1 < frames.size(); ++i) {
        const std::size_t by = i == 0 ? 0 : static_cast<std::size_t>((start - 500) / kPace + 1);
        for (; played < by && shown.PlayStep(surface); ++played) {
        }
        ASSERT_EQ(frames[i].picture.convertToFormat(QImage::Format_RGB32), surface.image().convertToFormat(QImage::Format_RGB32))
            << "frame " << i << " after " << by << " steps";
        start += frames[i].ms;
    }
}

// A build's GIF on a shape, frame by frame: each frame shows the walls that the steps played
// by the time it starts have opened, as the maze's picture drawn afresh with just those walls.
TEST(Animation, EveryFrameOfABuildOnAShapeIsThePictureOfTheWallsOpenedByThen)
{
    QTemporaryDir dir;
    constexpr int kPace = 50;
    const ShapeChoice shapes[] = {{ShapeKind::HexagonRectangle, {5, 4}, {}}, {ShapeKind::Triangle, {5, 5}, {}}, {ShapeKind::Circle, {4, 4}, {}}};
    for (const ShapeChoice& choice : shapes) {
        const WatchedShape watched = RecordShapeWatch(WatchKind::Build, *MakeShape(choice), {Algorithm::HuntAndKill, 20, false}, kSeed);
        const int unit = ShapePngUnit(watched.maze.shape, 0);
        for (const char* name : {"build.gif", "build.webp"}) {
            const QString path = dir.filePath(QString::fromLatin1(name));
            ASSERT_EQ(WriteShapeAnimation(path, watched.maze, WatchKind::Build, watched.steps, kPace), std::nullopt);
            const std::vector<Frame> frames = path.endsWith(QLatin1String(".gif")) ? ReadGif(path) : ReadWebp(path);
            ASSERT_GE(frames.size(), 3u);
            ShapeMaze shown{watched.maze.shape, Passages(watched.maze.shape.graph), {}};
            std::size_t played = 0;
            int start = 0;
            // The first frame is the maze before any step, held half a second; the last the finished picture.
            for (std::size_t i = 0; i + 1 < frames.size(); ++i) {
                const std::size_t by = i == 0 ? 0 : static_cast<std::size_t>((start - 500) / kPace + 1);
                for (; played < by && played < watched.steps.size(); ++played)
                    if (watched.steps[played].kind == StepKind::Open)
                        shown.passages.Carve(watched.steps[played].wall);
                EXPECT_EQ(WallsApart(frames[i].picture, CellPictureImage(shown, Answer::Hidden, unit)), 0)
                    << InfoOf(choice.kind).name << " " << name << ", frame " << i << " after " << by << " steps";
                start += frames[i].ms;
            }
            EXPECT_EQ(shown.passages, watched.maze.passages);
        }
    }
}

// A search's GIF on a shape, frame by frame: each cell shows the colour of the last thing the
// steps played by then did to it, read at a point away from its middle (the red path's) and
// its walls. S and G hold their letters.
TEST(Animation, EveryFrameOfASearchOnAShapeShowsEachCellInItsColourByThen)
{
    QTemporaryDir dir;
    constexpr int kPace = 50;
    const ShapeChoice shapes[] = {{ShapeKind::Triangle, {5, 5}, {}}, {ShapeKind::HexagonRectangle, {5, 4}, {}}};
    for (const ShapeChoice& choice : shapes)
        for (const char* way : {"breadth-first", "depth-first"}) {
            const ShapeMaze maze = BuildShapeMaze(*MakeShape(choice), {Algorithm::Kruskal, 30, false}, kSeed);
            const std::vector<StepEvent> steps = RecordShapeSearch(maze, *FindSearch(way));
            const QString path = dir.filePath(QStringLiteral("search.gif"));
            ASSERT_EQ(WriteShapeAnimation(path, maze, WatchKind::Search, steps, kPace), std::nullopt);
            const std::vector<Frame> frames = ReadGif(path);
            ASSERT_GE(frames.size(), 3u);
            const ShapeView view = ShapePictureView(ShapePngUnit(maze.shape, 0));
            const Shape& shape = maze.shape;
            std::vector<Colour> colour(static_cast<std::size_t>(shape.graph.CellCount()), kWhite);
            std::size_t played = 0;
            int start = 0;
            for (std::size_t i = 0; i + 1 < frames.size(); ++i) {
                const std::size_t by = i == 0 ? 0 : static_cast<std::size_t>((start - 500) / kPace + 1);
                for (; played < by && played < steps.size(); ++played)
                    if (steps[played].kind != StepKind::Route)
                        colour[static_cast<std::size_t>(steps[played].cell)] = steps[played].kind == StepKind::Enter ? kVisitedColour : kGivenUpColour;
                for (CellId c = 0; c < shape.graph.CellCount(); ++c) {
                    if (c == shape.graph.start || c == shape.graph.goal)
                        continue;
                    const PointF corner = shape.edges[static_cast<std::size_t>(shape.Outline(c)[0])].from;
                    const PointF middle = shape.centres[static_cast<std::size_t>(c)];
                    const PointF p = view.Map({corner.x + 0.45f * (middle.x - corner.x), corner.y + 0.45f * (middle.y - corner.y)});
                    ASSERT_EQ(frames[i].picture.pixel(static_cast<int>(p.x), static_cast<int>(p.y)) & 0xFFFFFFu,
                              ToQRgb(colour[static_cast<std::size_t>(c)]) & 0xFFFFFFu)
                        << InfoOf(choice.kind).name << " " << way << ", frame " << i << " after " << by << " steps, cell " << c;
                }
                start += frames[i].ms;
            }
        }
}

// Plays `kind` on a hexagon built `how` onto an image, up to the first Route step; returns the image.
QImage PlayOnAHexagon(WatchKind kind, const BuildChoice& how, const SearchWay* way, ShapeMaze& maze)
{
    WatchedShape watched = RecordShapeWatch(kind, *MakeShape({ShapeKind::Hexagon, {5, 5}, {}}), how, kSeed, way);
    maze = watched.maze;
    const ShapeView view{20, 10, 10};
    const QSize size = ShapePicturePixels(maze.shape, 20);
    ImageSurface image(size.width(), size.height(), WindowFont(), false);
    const std::size_t routeAt = static_cast<std::size_t>(
        std::find_if(watched.steps.begin(), watched.steps.end(), [](const StepEvent& e) { return e.kind == StepKind::Route; }) -
        watched.steps.begin());
    ShapePlayer player(maze, kind, std::move(watched.steps), view);
    player.DrawFirst(image);
    while (player.Played() < routeAt && player.PlayStep(image)) {
    }
    return image.image().convertToFormat(QImage::Format_RGB32);
}

TEST(Animation, OnAShapeTheWallsOpenAsTheyAreOpenedAndOnlyASearchThatWalksOnePathShowsItInRed)
{
    ShapeMaze maze;
    const QImage built = PlayOnAHexagon(WatchKind::Build, {Algorithm::Backtracker}, nullptr, maze);
    // Every step played: the middle of each opened wall shows the cells' colour, of each wall
    // still standing the wall.
    const ShapeView view{20, 10, 10};
    for (const Edge& e : maze.shape.edges) {
        if (e.wall < 0)
            continue;
        const PointF m = view.Map({(e.from.x + e.to.x) / 2, (e.from.y + e.to.y) / 2});
        // A slanted wall is smoothed over the pixels around its middle: the darkest of them.
        int darkest = 255;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                darkest = std::min(darkest, built.pixelColor(static_cast<int>(m.x) + dx, static_cast<int>(m.y) + dy).lightness());
        if (maze.passages.Open(e.wall))
            EXPECT_GT(darkest, 160) << e.wall;
        else
            EXPECT_LT(darkest, 128) << e.wall;
    }
    auto red = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == (ToQRgb(kRed) | 0xFF000000u);
        return count;
    };
    // Breadth-first floods, no path; depth-first is left on its way to G, in red.
    EXPECT_EQ(red(PlayOnAHexagon(WatchKind::Search, {Algorithm::Backtracker}, FindSearch("bfs"), maze)), 0);
    EXPECT_GT(red(PlayOnAHexagon(WatchKind::Search, {Algorithm::Backtracker}, FindSearch("dfs"), maze)), 20);
}

// A game played in the window along the route from S, `moves` moves (all of them: to G).
void PlayAlongTheRoute(Form1& form, std::size_t moves)
{
    form.OpenMaze(kSeed);
    Program& program = form.program();
    const std::vector<StepEvent> route = RecordRoute(program.state());
    program.Play_Start();
    const int w = program.state().Width();
    for (std::size_t i = 1; i <= moves && i < route.size(); ++i) {
        const CellId from = route[i - 1].cell;
        const CellId to = route[i].cell;
        const Direction d = to == from + 1 ? Direction::Right : to == from - 1 ? Direction::Left : to == from + w ? Direction::Down : Direction::Up;
        ASSERT_NE(program.Play_Move(d, static_cast<Millis>(i)), MoveOutcome::Blocked) << i;
    }
}

TEST(Animation, ASavedGameGrowsItsTrailAMoveAFrameAtThePaceAndEndsOnTheWindowsPicture)
{
    QTemporaryDir dir;
    for (const std::size_t moves : {std::size_t{9}, std::size_t{10'000}}) {  // on the way, and at G
        Form1 form;
        PlayAlongTheRoute(form, moves);
        const std::size_t k = static_cast<std::size_t>(form.program().play().Moves());
        ASSERT_TRUE(moves == 9 ? k == 9 : form.program().play().AtGoal());
        const QString path = dir.filePath(QStringLiteral("game.gif"));
        ASSERT_EQ(WriteShownAnimation(path, form.Maze(), form.ShownGame(), Answer::Hidden, 30), std::nullopt);
        const std::vector<Frame> frames = ReadGif(path);
        // The marker on S, then one frame a move; the last held three seconds more.
        ASSERT_EQ(frames.size(), k + 1);
        EXPECT_EQ(frames.front().ms, 500);
        for (std::size_t i = 1; i + 1 < frames.size(); ++i)
            EXPECT_EQ(frames[i].ms, 30) << i;
        EXPECT_EQ(frames.back().ms, 3030);
        EXPECT_EQ(frames.back().picture, form.ShownPicture().convertToFormat(QImage::Format_RGB32));
    }
    // With the route shown, the last frame is the picture Save writes of the game and its route.
    Form1 solved;
    PlayAlongTheRoute(solved, 10'000);
    const QString withRoute = dir.filePath(QStringLiteral("solved.gif"));
    ASSERT_EQ(WriteShownAnimation(withRoute, solved.Maze(), solved.ShownGame(), Answer::Shown, 30), std::nullopt);
    EXPECT_EQ(ReadGif(withRoute).back().picture,
              PictureImage(ShapeMazeOf(solved.Maze()), Answer::Shown, 1.0, solved.ShownGame()).convertToFormat(QImage::Format_RGB32));
    // With no game, the route's replay, at the pace asked.
    Form1 form;
    form.OpenMaze(kSeed);
    const QString path = dir.filePath(QStringLiteral("route.webp"));
    ASSERT_EQ(WriteShownAnimation(path, form.Maze(), form.ShownGame(), Answer::Hidden, 40), std::nullopt);
    const std::vector<Frame> frames = ReadWebp(path);
    ASSERT_EQ(frames.size(), RecordRoute(form.Maze()).size());
    EXPECT_EQ(frames[1].ms, 40);
    EXPECT_EQ(frames.back().picture, PictureImage(ShapeMazeOf(form.Maze()), Answer::Shown).convertToFormat(QImage::Format_RGB32));
}

// Save Animation… through the window's dialog, the WebP filter chosen and `path` typed in.
void SaveThroughDialog(Form1& form, const QString& path)
{
    QTimer user;  // fills in the dialog once it is up
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        user.stop();
        dialog->selectNameFilter(dialog->nameFilters().back());  // WebP
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    user.start(50);
    form.menu().SaveAnimation();
}

// Without a game, a shape's route replay: SaveAnimationOfAShape… below.
TEST(Animation, AGameOnAShapeGrowsItsTrailAMoveAFrameAndEndsOnItsSavedPicture)
{
    QTemporaryDir dir;
    Form1 form;
    ASSERT_EQ(std::nullopt, form.OpenRecipe({ShapeKind::Circle, {6, 6}, {}, {Algorithm::Backtracker}, kSeed}));
    const ShapeMaze& maze = *form.ShownShape();
    const int unit = ShapePngUnit(maze.shape, 0);
    form.program().Play_Start();
    for (std::size_t i = 1; i <= 5; ++i)
        ASSERT_EQ(MoveOutcome::Moved, form.program().Play_MoveTo(maze.route[i], static_cast<Millis>(i)));
    const QString game = dir.filePath(QStringLiteral("game.webp"));
    ASSERT_EQ(WriteShownAnimation(game, maze, form.ShownGame(), Answer::Hidden, 30), std::nullopt);
    const std::vector<Frame> frames = ReadWebp(game);
    ASSERT_EQ(frames.size(), 6u);  // the marker on S, then one frame a move
    EXPECT_EQ(frames[1].ms, 30);
    EXPECT_EQ(frames.back().picture,
              CellPictureImage(maze, Answer::Hidden, unit, form.ShownGame()).convertToFormat(QImage::Format_RGB32));
}

// Through the window's dialog: a name without an extension takes the type of the filter chosen.
TEST(Animation, SaveAnimationWritesTheTypeItsDialogChose)
{
    QTemporaryDir dir;
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.OpenMaze(kSeed);
    SaveThroughDialog(form, dir.filePath(QStringLiteral("route")));
    EXPECT_EQ(ReadWebp(dir.filePath(QStringLiteral("route.webp"))).size(), RecordRoute(form.Maze()).size());
}

// A maze of another shape: its route's replay at the window's pace, drawn as its PNG is, so that
// it is the animation `--animate` writes of its code and ends on the picture Save writes.
TEST(Animation, SaveAnimationOfAShapeIsItsRoutesReplayEndingOnItsPicture)
{
    QTemporaryDir dir;
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_EQ(form.OpenRecipe({ShapeKind::Hexagon, {5, 5}, {}, {Algorithm::Backtracker}, kSeed}), std::nullopt);
    ASSERT_NE(form.ShownShape(), nullptr);
    const ShapeMaze maze = *form.ShownShape();
    form.watch().Slower();  // 100 ms a step
    SaveThroughDialog(form, dir.filePath(QStringLiteral("hexagon")));
    const std::vector<Frame> frames = ReadWebp(dir.filePath(QStringLiteral("hexagon.webp")));
    // The maze, a frame a route cell (S's own first), and the finished picture drawn afresh (the
    // smoothed edges of walls painted again cell by cell differ from it), held three seconds.
    ASSERT_EQ(frames.size(), maze.route.size() + 2);
    EXPECT_EQ(frames.front().ms, 500);
    for (std::size_t i = 1; i <= maze.route.size(); ++i)
        EXPECT_EQ(frames[i].ms, 100) << i;
    EXPECT_EQ(frames.back().ms, 3000);
    EXPECT_EQ(frames.back().picture,
              CellPictureImage(maze, Answer::Shown, ShapePngUnit(maze.shape, 0)).convertToFormat(QImage::Format_RGB32));
}

// A save hears of its progress frame by frame, the steps done rising to all of them; told to
// stop half way, it stops, writes nothing and leaves the old file whole.
TEST(Animation, ASaveTellsItsProgressAndStopsWhenToldLeavingNothing)
{
    struct Heard final : Progress {
        std::vector<std::pair<long long, long long>> calls;
        long long stopAt = -1;
        bool Reached(long long done, long long total) override
        {
            calls.emplace_back(done, total);
            return stopAt < 0 || done < stopAt;
        }
    };
    QTemporaryDir dir;
    Form1 form;
    form.OpenMaze(kSeed);
    const QString path = dir.filePath(QStringLiteral("route.gif"));
    Heard whole;
    ASSERT_EQ(WriteShownAnimation(path, form.Maze(), nullptr, Answer::Hidden, 50, &whole), std::nullopt);
    ASSERT_FALSE(whole.calls.empty());
    const long long steps = whole.calls.back().second;
    EXPECT_EQ(whole.calls.back().first, steps);
    for (std::size_t i = 1; i < whole.calls.size(); ++i) {
        EXPECT_GT(whole.calls[i].first, whole.calls[i - 1].first) << i;
        EXPECT_EQ(whole.calls[i].second, steps) << i;
    }
    const QByteArray saved = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    Heard stopped;
    stopped.stopAt = steps / 2;
    const auto error = WriteShownAnimation(path, form.Maze(), nullptr, Answer::Hidden, 50, &stopped);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(stopped.calls.back().first, steps / 2);
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), saved);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("route.gif")});
}

}  // namespace
}  // namespace tolvane::testing
