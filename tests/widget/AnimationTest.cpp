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

#include "core/maze/BuildMaze.h"
#include "core/generate/MakeMaze.h"
#include "core/shape/ShapeChoice.h"
#include "core/watch/ShapePlayer.h"
#include "core/watch/StepPlayer.h"
#include "qt/paper/Pictures.h"
#include "qt/paper/ShapePictures.h"
#include "qt/paper/animation/AnimationFile.h"
#include "qt/platform/ImageSurface.h"
#include "qt/platform/QtColour.h"
#include "qt/platform/WindowFont.h"
#include "qt/window/Form1.h"
#include "qt/window/watch/SaveAnimation.h"

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
    EXPECT_EQ(w.frames.back().picture, PictureImage(w.maze, Answer::Shown).convertToFormat(QImage::Format_RGB32));
}

TEST(Animation, ABuildAndASearchEndOnTheSavedPictureAfterEveryStepAtThePace)
{
    QTemporaryDir dir;
    const Written build = Write(dir, "build.gif", WatchKind::Build, {15, 11}, 20);
    ASSERT_GE(build.frames.size(), 2u);
    EXPECT_EQ(build.frames.back().picture, PictureImage(build.maze, Answer::Hidden).convertToFormat(QImage::Format_RGB32));
    int total = 0;
    for (const Frame& f : build.frames)
        total += f.ms;
    // Half a second first, every step 20 ms, a second on the last step, three on the maze.
    EXPECT_EQ(total, 500 + static_cast<int>(build.steps) * 20 + 1000 + 3000);

    const Written search = Write(dir, "search.webp", WatchKind::Search, {15, 11}, 30);
    ASSERT_GE(search.frames.size(), 2u);
    EXPECT_EQ(search.frames.back().picture, PictureImage(search.maze, Answer::Shown).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(search.frames.back().ms, 3000);
    total = 0;
    for (const Frame& f : search.frames)
        total += f.ms;
    EXPECT_EQ(total, 500 + static_cast<int>(search.steps) * 30 + 1000 + 3000);
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
    EXPECT_EQ(frames.back().picture, PictureImage(watched.maze, Answer::Hidden).convertToFormat(QImage::Format_RGB32));

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
        EXPECT_EQ(read.back().picture, ShapePictureImage(exported, answer, unit).convertToFormat(QImage::Format_RGB32));
        int total = 0;
        for (const Frame& f : read)
            total += f.ms;
        EXPECT_EQ(total, 500 + static_cast<int>(count) * 30 + 1000 + 3000);
        // Half way, the cells taken in or entered show in their colours.
        EXPECT_NE(read[read.size() / 2].picture, read.front().picture);
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
        ASSERT_EQ(WriteShownAnimation(path, form.Maze(), form.ShownPlay(), Answer::Hidden, 30), std::nullopt);
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
    ASSERT_EQ(WriteShownAnimation(withRoute, solved.Maze(), solved.ShownPlay(), Answer::Shown, 30), std::nullopt);
    EXPECT_EQ(ReadGif(withRoute).back().picture,
              PictureImage(solved.Maze(), Answer::Shown, 1.0, solved.ShownPlay()).convertToFormat(QImage::Format_RGB32));
    // With no game, the route's replay, at the pace asked.
    Form1 form;
    form.OpenMaze(kSeed);
    const QString path = dir.filePath(QStringLiteral("route.webp"));
    ASSERT_EQ(WriteShownAnimation(path, form.Maze(), form.ShownPlay(), Answer::Hidden, 40), std::nullopt);
    const std::vector<Frame> frames = ReadWebp(path);
    ASSERT_EQ(frames.size(), RecordRoute(form.Maze()).size());
    EXPECT_EQ(frames[1].ms, 40);
    EXPECT_EQ(frames.back().picture, PictureImage(form.Maze(), Answer::Shown).convertToFormat(QImage::Format_RGB32));
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
              ShapePictureImage(maze, Answer::Hidden, unit, form.ShownGame()).convertToFormat(QImage::Format_RGB32));
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
              ShapePictureImage(maze, Answer::Shown, ShapePngUnit(maze.shape, 0)).convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace tolvane::testing
