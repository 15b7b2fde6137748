// Playing a maze of another shape in the window: keys by their direction, the mouse, the words,
// the hint, the bump along slanted and curved walls, and the result kept at G and on paper.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <map>

#include "core/platform/Random.h"
#include "core/play/DrawPlay.h"
#include "core/render/DrawShape.h"
#include "core/shape/make/Polygons.h"
#include "qt/paper/Pictures.h"
#include "qt/platform/surface/QtColour.h"
#include "qt/platform/letters/WindowFont.h"
#include "qt/window/Form1.h"
#include "qt/window/play/PlayWords.h"

namespace tolvane {
namespace {

constexpr Qt::Key kKeys[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up};  // in Direction's order

int CountPixels(const QImage& image, Colour colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) | 0xFF000000) == (ToQRgb(colour) | 0xFF000000);
    return count;
}

// A shown, active window with the maze of a shape's code open and a game started on it.
struct ShapePlayed {
    ShapePlayed(ShapeKind kind, int size, std::uint64_t seed) : ShapePlayed(Recipe{kind, {size, size}, {}, {Algorithm::Backtracker}, seed}) {}
    explicit ShapePlayed(const Recipe& recipe)
    {
        form.show();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        EXPECT_EQ(std::nullopt, form.OpenRecipe(recipe));
        form.play().action().trigger();
        EXPECT_TRUE(form.play().Playing());
    }
    const ShapeMaze& Maze() const { return *form.ShownShape(); }
    const Game& GameShown() { return form.program().game(); }
    CellId Marker() { return GameShown().Marker(); }
    QWidget* Picture() { return form.findChild<QWidget*>("MazePicture"); }
    QString Said() { return QAccessible::queryAccessibleInterface(Picture())->text(QAccessible::Name); }
    QString Status() { return form.findChild<QLabel*>("PlayStatus")->text(); }
    QImage Grab() { return form.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // Where a point of the shape lies in the window.
    QPoint At(PointF p)
    {
        const PointF q = form.program().ShapeViewShown().Map(p);
        return {static_cast<int>(std::lround(q.x)), static_cast<int>(std::lround(q.y))};
    }
    QPoint CentreOf(CellId c) { return At(Maze().shape.centres[static_cast<std::size_t>(c)]); }
    Form1 form;
};

// The picture the window must show: the maze alone, or with `game` (and `route`) over it.
QImage Drawn(ShapePlayed& s, const Game* game, std::span<const CellId> route = {})
{
    ImageSurface surface(kClientWidth, kClientHeight, WindowFont());
    const ShapeView view = s.form.program().ShapeViewShown();
    const ShapeMaze& m = s.Maze();
    if (game)
        DrawShapePlay(m.shape, m.passages, *game, surface, view, route);
    else
        DrawShape(m.shape, m.passages, surface, view);
    return surface.image();
}

// Every key goes to the open neighbour its direction aims at, or is refused and said so.
void PlayByKeys(ShapePlayed& s)
{
    const ShapeMaze& m = s.Maze();
    int moved = 0;
    int refused = 0;
    for (int press = 0; press < 60 && !s.GameShown().AtGoal(); ++press) {
        const auto key = static_cast<Direction>((press * 7 / 3) % 4);
        const Aim aim = Aimed(m.shape.graph, m.passages, m.shape.centres, s.Marker(), KeyDegrees(key), s.GameShown().Previous());
        const CellId expected = aim.open ? aim.to : s.Marker();
        QTest::keyClick(s.Picture(), kKeys[static_cast<int>(key)]);
        ASSERT_EQ(expected, s.Marker()) << "press " << press;
        if (aim.open && s.GameShown().Trail().size() > 1 && !s.GameShown().AtGoal()) {
            EXPECT_TRUE(s.Said().endsWith(CellWords(m.shape, m.passages, expected, s.GameShown().Previous()))) << press;
        }
        if (aim.open) {
            EXPECT_EQ(Drawn(s, &s.GameShown()), s.form.surface().image()) << press;
        }
        (aim.open ? moved : refused) += 1;
    }
    EXPECT_GT(moved, 5);
    EXPECT_GT(refused, 5);
    QTest::keyClick(s.Picture(), Qt::Key_I);
    EXPECT_EQ(WhereWords(m.shape, m.passages, s.GameShown(), 0), s.Said());
}

TEST(ShapePlayWindow, KeysMoveToTheNeighbourTheirDirectionAimsAtOnHexagonsAndCircles)
{
    ShapePlayed hexagon(ShapeKind::Hexagon, 5, 31);
    PlayByKeys(hexagon);
    ShapePlayed circle(ShapeKind::Circle, 6, 32);
    EXPECT_EQ(StartWords(circle.Maze().shape, circle.Maze().passages, circle.GameShown()), circle.Said());
    PlayByKeys(circle);
}

// A player who cannot see the maze: at every cell I says where it is, H the next way and the key
// that takes it, and that key is pressed. Each hint's key leads on along the route, so G is
// reached in the route's moves; on a circle I counts the rings as its code does, and no two cells
// share a place.
TEST(ShapePlayWindow, ABlindPlayerReachesGByTheKeysTheHintsNameAndEachCellHasItsOwnPlace)
{
    const std::map<QString, Qt::Key> keys{{"Up", Qt::Key_Up}, {"Down", Qt::Key_Down}, {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right}};
    static const QRegularExpression kHint(QStringLiteral("^hint: .*\\((Up|Down|Left|Right)(?: or \\w+)*\\)$"));
    static const QRegularExpression kRing(QStringLiteral("^Ring (\\d+) of (\\d+), cell (\\d+) of (\\d+) clockwise"));
    static const QRegularExpression kCentre(QStringLiteral("^The centre, ring 1 of (\\d+),"));
    // The circle of the player who bounced between two cells, and others of every shape off square cells.
    std::vector<Recipe> recipes{*ReadCode("B0C10-NA431-PHDY7").recipe};
    for (const auto& [kind, size] : {std::pair{ShapeKind::Circle, 16}, {ShapeKind::Hexagon, 6}, {ShapeKind::Triangle, 9}})
        recipes.push_back({kind, {size, size}, {}, {Algorithm::Backtracker}, 0x5EED0 + static_cast<std::uint64_t>(size)});
    for (const Recipe& r : recipes) {
        const std::string code = FormatRecipeCode(r);
        const std::optional<Recipe> recipe = r;
        ShapePlayed s(*recipe);
        const ShapeMaze& m = s.Maze();
        const int shortest = static_cast<int>(m.route.size()) - 1;
        std::map<std::pair<int, int>, CellId> places;
        for (int step = 0; step < shortest && !s.GameShown().AtGoal(); ++step) {
            if (recipe->shape == ShapeKind::Circle) {
                QTest::keyClick(s.Picture(), Qt::Key_I);
                const QString where = s.Said();
                const auto ring = kRing.match(where), centre = kCentre.match(where);
                ASSERT_TRUE(ring.hasMatch() || centre.hasMatch()) << where.toStdString();
                const int rings = (ring.hasMatch() ? ring.captured(2) : centre.captured(1)).toInt();
                EXPECT_EQ(recipe->size.width, rings) << where.toStdString();
                const std::pair place{ring.hasMatch() ? ring.captured(1).toInt() : 1, ring.hasMatch() ? ring.captured(3).toInt() : 1};
                EXPECT_TRUE(!places.contains(place) || places[place] == s.Marker()) << where.toStdString();
                places[place] = s.Marker();
            }
            QTest::keyClick(s.Picture(), Qt::Key_H);
            const auto hint = kHint.match(s.Said());
            ASSERT_TRUE(hint.hasMatch()) << code << ": " << s.Said().toStdString();
            QTest::keyClick(s.Picture(), keys.at(hint.captured(1)));
        }
        EXPECT_TRUE(s.GameShown().AtGoal()) << code;
        EXPECT_EQ(shortest, s.GameShown().Moves()) << code;
    }
}

// Where the middle of edge `i` of the shape lies in the window: on the arc where it is one.
QPoint MiddleOf(ShapePlayed& s, std::int32_t i)
{
    const Edge& e = s.Maze().shape.edges[static_cast<std::size_t>(i)];
    return s.At(e.arc ? OnCircle(e.centre, e.radius, e.startDeg + e.sweepDeg / 2)
                      : PointF{(e.from.x + e.to.x) / 2, (e.from.y + e.to.y) / 2});
}

bool Flashed(const QImage& image, QPoint p) { return (image.pixel(p) | 0xFF000000) == (ToQRgb(kMarkerColour) | 0xFF000000); }

// I on a shape without rings says how far across and down the picture the marker stands, in
// tenths: on three rows of hexagons nine wide, S's centre lies half a cell from the left of a
// picture 9.5 cells wide (5 %, said as 10 %) and one corner radius R below the top of one 5 R
// tall (20 %).
TEST(ShapePlayWindow, ISaysHowFarAcrossAndDownThePictureTheMarkerStands)
{
    const Shape shape = HexagonRectangleShape({9, 3});
    Game game;
    game.Start(shape.graph);
    const QString words = WhereWords(shape, Passages(shape.graph), game, 0);
    EXPECT_TRUE(words.startsWith(QStringLiteral("10 % across, 20 % down, 0 moves"))) << words.toStdString();
}

TEST(ShapePlayWindow, ARefusedKeyFlashesTheWallItMetAlongItsSlopeOrArcAndTheFrame)
{
    // On a circle a key from S refused by a wall: the wall's arc flashes, not its chord.
    ShapePlayed circle(ShapeKind::Circle, 6, 33);
    const ShapeMaze& m = circle.Maze();
    const QImage before = circle.Grab();
    WallId wall = -1;
    for (int k = 0; k < 4 && wall < 0; ++k)
        if (const Aim aim = Aimed(m.shape.graph, m.passages, m.shape.centres, circle.Marker(), KeyDegrees(static_cast<Direction>(k)));
            !aim.open && aim.wall >= 0) {
            wall = aim.wall;
            QTest::keyClick(circle.Picture(), kKeys[k]);
        }
    ASSERT_GE(wall, 0);
    ASSERT_EQ(0, circle.GameShown().Moves());
    EXPECT_EQ(circle.form.surface().image(), Drawn(circle, &circle.GameShown())) << "the picture itself is unchanged";
    EXPECT_TRUE(Flashed(circle.Grab(), MiddleOf(circle, m.shape.wallEdge[static_cast<std::size_t>(wall)])));
    QTest::qWait(PlayController::kBumpTime + 100);
    EXPECT_EQ(before, circle.Grab());

    // On a hexagon, Left from S at the left edge: the frame to its west flashes with the wall below.
    ShapePlayed hexagon(ShapeKind::Hexagon, 5, 31);
    const Shape& hex = hexagon.Maze().shape;
    QTest::keyClick(hexagon.Picture(), Qt::Key_Left);
    ASSERT_EQ(hex.graph.start, hexagon.Marker());
    std::int32_t west = -1;
    for (const std::int32_t i : hex.Outline(hex.graph.start))
        if (hex.edges[static_cast<std::size_t>(i)].wall < 0 &&
            (west < 0 || MiddleOf(hexagon, i).x() < MiddleOf(hexagon, west).x()))
            west = i;
    const Aim aim = Aimed(hex.graph, hexagon.Maze().passages, hex.centres, hex.graph.start, kLeftDeg);
    ASSERT_GE(aim.wall, 0);
    const QImage bumped = hexagon.Grab();
    EXPECT_TRUE(Flashed(bumped, MiddleOf(hexagon, west)));
    EXPECT_TRUE(Flashed(bumped, MiddleOf(hexagon, hex.wallEdge[static_cast<std::size_t>(aim.wall)])));
}

TEST(ShapePlayWindow, ADragFollowsTheCorridorsAndAClickCrossesNoWall)
{
    ShapePlayed s(ShapeKind::Hexagon, 6, 34);
    const std::vector<CellId>& route = s.Maze().route;
    QTest::mousePress(&s.form, Qt::LeftButton, {}, s.CentreOf(route[0]));
    for (std::size_t i = 1; i <= 6; ++i) {
        QTest::mouseMove(&s.form, s.CentreOf(route[i]));
        ASSERT_EQ(route[i], s.Marker()) << i;
    }
    QTest::mouseRelease(&s.form, Qt::LeftButton, {}, s.CentreOf(route[6]));
    // Back along the trail rubs it out; a neighbour behind a wall stays where it is, and is said so.
    QTest::mouseClick(&s.form, Qt::LeftButton, {}, s.CentreOf(route[5]));
    EXPECT_EQ(route[5], s.Marker());
    EXPECT_EQ(6u, s.GameShown().Trail().size());
    const ShapeMaze& m = s.Maze();
    for (const Link& l : m.shape.graph.Neighbours(route[5]))
        if (!m.passages.Open(l.wall)) {
            QTest::mouseClick(&s.form, Qt::LeftButton, {}, s.CentreOf(l.to));
            EXPECT_EQ(route[5], s.Marker());
            EXPECT_EQ("wall: no way " + WayWord(WayTo(m.shape, route[5], l.to)), s.Said());
            break;
        }
    // Where the route runs straight on, one move of the pointer two cells ahead takes the marker there.
    const auto distance = [&](std::size_t a, std::size_t b) {
        const PointF p = m.shape.centres[static_cast<std::size_t>(route[a])];
        const PointF q = m.shape.centres[static_cast<std::size_t>(route[b])];
        return std::hypot(p.x - q.x, p.y - q.y);
    };
    std::size_t i = 5;
    while (i + 2 < route.size() && std::abs(distance(i, i + 2) - 2 * distance(i, i + 1)) > 0.01f)
        QTest::mouseClick(&s.form, Qt::LeftButton, {}, s.CentreOf(route[++i]));
    ASSERT_LT(i + 2, route.size());
    ASSERT_EQ(route[i], s.Marker());
    QTest::mousePress(&s.form, Qt::LeftButton, {}, s.CentreOf(route[i]));
    QTest::mouseMove(&s.form, s.CentreOf(route[i + 2]));
    EXPECT_EQ(route[i + 2], s.Marker());
}

TEST(ShapePlayWindow, AHintIsTheNextStepOfTheShortestRouteAndTheResultAtGCountsIt)
{
    ShapePlayed s(ShapeKind::Circle, 6, 35);
    const ShapeMaze& m = s.Maze();
    const std::vector<CellId>& route = m.route;  // a perfect maze: the one and shortest route
    // One step off the route first, where there is one: the hint leads back.
    CellId off = kNoCell;
    for (const Link& l : m.shape.graph.Neighbours(route[1]))
        if (m.passages.Open(l.wall) && l.to != route[0] && l.to != route[2])
            off = l.to;
    QTest::mouseClick(&s.form, Qt::LeftButton, {}, s.CentreOf(route[1]));
    const CellId from = off == kNoCell ? route[1] : off;
    if (off != kNoCell)
        QTest::mouseClick(&s.form, Qt::LeftButton, {}, s.CentreOf(off));
    ASSERT_EQ(from, s.Marker());
    const QImage before = s.form.surface().image();
    QTest::keyClick(s.Picture(), Qt::Key_H);
    const CellId next = off == kNoCell ? route[2] : route[1];
    EXPECT_EQ(HintWords(m.shape, m.passages, s.GameShown(), next), s.Said());
    EXPECT_GT(CountPixels(s.form.surface().image(), kHintColour), 0);
    s.form.program().Play_Redraw();  // the hint's moment is over
    EXPECT_EQ(before, s.form.surface().image());

    // To G along the route; the result counts the moves and the hint.
    QTest::mouseClick(&s.form, Qt::LeftButton, {}, s.CentreOf(route[1]));
    for (std::size_t i = 2; i < route.size(); ++i)
        QTest::mouseClick(&s.form, Qt::LeftButton, {}, s.CentreOf(route[i]));
    const int shortest = static_cast<int>(route.size()) - 1;
    const int moves = shortest + (off == kNoCell ? 0 : 2);
    EXPECT_TRUE(s.GameShown().AtGoal());
    EXPECT_TRUE(s.Status().contains(QString("Moves %1\n\nShortest route:\n%2 moves\nHints: 1").arg(moves).arg(shortest)))
        << s.Status().toStdString();
    // Escape leaves the game, not its picture; Save takes the trail as shown, and the route over it.
    const QImage atGoal = s.Grab();
    QTest::keyClick(s.Picture(), Qt::Key_Escape);
    EXPECT_FALSE(s.form.play().Playing());
    EXPECT_EQ(atGoal, s.Grab());
    ASSERT_EQ(&s.form.program().game(), s.form.ShownGame());
    const int unit = ShapeUnit(m.shape.kind);
    const QImage saved = CellPictureImage(m, Answer::Hidden, unit, s.form.ShownGame());
    EXPECT_GT(CountPixels(saved, kTrailColour), moves * unit);
    EXPECT_GT(CountPixels(CellPictureImage(m, Answer::Shown, unit, s.form.ShownGame()), kRed), shortest * unit / 2);
    EXPECT_EQ(0, CountPixels(CellPictureImage(m, Answer::Hidden, unit), kTrailColour));
    // The replay then draws the route over the trail, which stays.
    s.form.command2().click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !s.form.timer1().isActive(); }, 10000));
    EXPECT_EQ(Drawn(s, &s.GameShown(), route), s.form.surface().image());
    // A new game takes the route away again.
    s.form.play().action().trigger();
    EXPECT_EQ(Drawn(s, &s.GameShown()), s.form.surface().image());
}

TEST(ShapePlayWindow, AGameInProgressIsCoveredWhilePausedAndLeftOnlyWhenThePlayerSaysSo)
{
    ShapePlayed s(ShapeKind::Triangle, 8, 36);
    QTest::mouseClick(&s.form, Qt::LeftButton, {}, s.CentreOf(s.Maze().route[1]));
    ASSERT_EQ(1, s.GameShown().Moves());
    emit s.form.menu().Menu().aboutToShow();
    EXPECT_TRUE(s.GameShown().clock().Paused());
    EXPECT_EQ(0, CountPixels(s.Grab().copy(0, 0, kClientHeight, kClientHeight), kTrailColour)) << "the maze is covered";
    emit s.form.menu().Menu().aboutToHide();
    std::vector<int> asked;
    s.form.SetLeaveQuestion([&](int moves) {
        asked.push_back(moves);
        return false;
    });
    s.form.command1().click();
    EXPECT_EQ(std::vector<int>{1}, asked);
    EXPECT_TRUE(s.form.play().Playing());
    // Left on the way, the maze is shown alone; a new maze has no trail of the old game.
    QTest::keyClick(s.Picture(), Qt::Key_Escape);
    EXPECT_EQ(Drawn(s, nullptr), s.form.surface().image());
    s.form.play().action().trigger();
    QTest::mouseClick(&s.form, Qt::LeftButton, {}, s.CentreOf(s.Maze().route[1]));
    s.form.SetLeaveQuestion([](int) { return true; });
    s.form.command1().click();
    EXPECT_FALSE(s.form.program().GameShown());
    EXPECT_EQ(Drawn(s, nullptr), s.form.surface().image());
}

}  // namespace
}  // namespace tolvane
