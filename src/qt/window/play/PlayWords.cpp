// What a game says.
#include "qt/window/play/PlayWords.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>
#include <iterator>
#include <cmath>

#include "core/play/Play.h"

namespace tolvane {
namespace {

QString DirectionWord(Direction direction)
{
    switch (direction) {
    case Direction::Right:
        return QCoreApplication::translate("Play", "right");
    case Direction::Left:
        return QCoreApplication::translate("Play", "left");
    case Direction::Down:
        return QCoreApplication::translate("Play", "down");
    case Direction::Up:
        return QCoreApplication::translate("Play", "up");
    }
    return {};
}

// "left", "left and down", "left, right and down", ...
QString ListWords(const QStringList& words)
{
    if (words.size() == 1)
        return words.front();
    QString list = words.front();
    for (qsizetype i = 1; i + 1 < words.size(); ++i)
        list = QCoreApplication::translate("Play", "%1, %2").arg(list, words[i]);
    return QCoreApplication::translate("Play", "%1 and %2").arg(list, words.back());
}

// "dead end", "corridor: … open" or "junction: … open", for a cell with `ways` open ways named `names`.
QString OpenWords(int ways, const QStringList& names)
{
    if (ways <= 1)
        return QCoreApplication::translate("Play", "dead end");
    return (ways == 2 ? QCoreApplication::translate("Play", "corridor: %1 open")
                      : QCoreApplication::translate("Play", "junction: %1 open"))
        .arg(ListWords(names));
}

}  // namespace

QString ClockText(Millis elapsed, bool tenths)
{
    const Millis seconds = elapsed / 1000;
    QString text = seconds >= 3600 ? QStringLiteral("%1:%2:%3")
                                         .arg(seconds / 3600)
                                         .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                                         .arg(seconds % 60, 2, 10, QLatin1Char('0'))
                                   : QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (tenths)
        text += QStringLiteral(".%1").arg(elapsed / 100 % 10);
    return text;
}

QString StatusText(const Game& play, Millis elapsed)
{
    if (play.AtGoal()) {
        QString text = QCoreApplication::translate("Play", "G reached!\n\nTime %1\nMoves %2\n\nShortest route:\n%3 moves")
                           .arg(ClockText(elapsed, true))
                           .arg(play.Moves())
                           .arg(play.ShortestMoves());
        if (play.Hints() > 0)
            text += QCoreApplication::translate("Play", "\nHints: %1").arg(play.Hints());
        if (play.TookShortestRoute())
            text += QLatin1String("\n\n") + QCoreApplication::translate("Play", "You took the shortest route.");
        return text;
    }
    QString text = QCoreApplication::translate("Play", "Time %1\nMoves %2").arg(ClockText(elapsed)).arg(play.Moves());
    if (play.clock().Paused())
        text += QLatin1String("\n\n") + QCoreApplication::translate("Play", "Paused");
    else if (play.Moves() == 0)
        text += QLatin1String("\n\n") + QCoreApplication::translate("Play", "Arrow keys or WASD move.\nEsc leaves.");
    return text;
}

QString ResultWords(const Game& play, Millis elapsed)
{
    QString text = play.TookShortestRoute()
                       ? QCoreApplication::translate("Play", "G reached in %1 moves, time %2: the shortest route.")
                             .arg(play.Moves())
                             .arg(ClockText(elapsed, true))
                       : QCoreApplication::translate("Play", "G reached in %1 moves, time %2. The shortest route takes %3 moves.")
                             .arg(play.Moves())
                             .arg(ClockText(elapsed, true))
                             .arg(play.ShortestMoves());
    if (play.Hints() > 0)
        text += QLatin1Char(' ') + QCoreApplication::translate("Play", "Hints taken: %1.").arg(play.Hints());
    return text;
}

namespace {

// The order the ways are named in: the picture's sides as on the rectangle, along a ring then
// across it, the compass clockwise from north.
constexpr Way kWayOrder[] = {Way::Left, Way::Right, Way::Up, Way::Down,
                             Way::Clockwise, Way::Anticlockwise, Way::Outward, Way::Inward,
                             Way::North, Way::NorthEast, Way::East, Way::SouthEast,
                             Way::South, Way::SouthWest, Way::West, Way::NorthWest};

bool AtCircleCentre(const Shape& shape, CellId cell) { return shape.pole && RingOf(shape, cell) == 0; }

QString HourWord(int hour) { return QCoreApplication::translate("Play", "%1 o'clock").arg(hour); }

QString KeyWord(Direction key)
{
    switch (key) {
    case Direction::Right:
        return QCoreApplication::translate("Play", "Right");
    case Direction::Left:
        return QCoreApplication::translate("Play", "Left");
    case Direction::Down:
        return QCoreApplication::translate("Play", "Down");
    case Direction::Up:
        return QCoreApplication::translate("Play", "Up");
    }
    return {};
}

// On square cells a way is named by the key that takes it. Elsewhere ways are named for the shape
// (clockwise, north-east), and which arrow key takes each depends on where the cell lies (on a
// circle's left side Up goes clockwise): the words name the key too, "anticlockwise (Up)", aimed
// as the game aims a key, from the cell the marker came from.
struct KeysOut {
    std::array<CellId, 4> reached{kNoCell, kNoCell, kNoCell, kNoCell};  // by Direction

    bool Takes(CellId to) const { return std::find(reached.begin(), reached.end(), to) != reached.end(); }

    QString Named(const QString& way, CellId to) const
    {
        QStringList keys;
        for (const Direction key : {Direction::Left, Direction::Right, Direction::Up, Direction::Down})
            if (reached[static_cast<std::size_t>(key)] == to)
                keys << KeyWord(key);
        if (keys.isEmpty())  // a way no key takes from here, only the mouse
            return way;
        return QCoreApplication::translate("Play", "%1 (%2)").arg(way, keys.join(QCoreApplication::translate("Play", " or ")));
    }
};

std::optional<KeysOut> KeysFrom(const Shape& shape, const Passages& passages, CellId cell, std::optional<CellId> previous)
{
    if (shape.kind == ShapeKind::Rectangle || shape.kind == ShapeKind::Outline)
        return std::nullopt;
    KeysOut out;
    for (const Direction key : {Direction::Right, Direction::Left, Direction::Up, Direction::Down}) {
        const Aim aim = Aimed(shape.graph, passages, shape.centres, cell, KeyDegrees(key), previous);
        if (aim.open)
            out.reached[static_cast<std::size_t>(key)] = aim.to;
    }
    return out;
}

// Rings are counted as a circle's size counts them, the centre the first: "Ring 3 of 10".
int RingNumber(const Shape& shape, CellId cell) { return RingOf(shape, cell) + 1; }
int RingCount(const Shape& shape) { return RingNumber(shape, shape.graph.goal); }

// A cell's place on its ring: the how-manyth clockwise from twelve o'clock, of how many. Rings
// have more cells than a clock has hours, so the hour alone leaves neighbours in one place.
std::pair<int, int> PlaceOnRing(const Shape& shape, CellId cell)
{
    const int ring = RingOf(shape, cell);
    const PointF p = *shape.pole;
    const auto clockwise = [&](CellId c) { return std::fmod(450.0 - DegreesTo(p, shape.centres[static_cast<std::size_t>(c)]), 360.0); };
    const double mine = clockwise(cell);
    int before = 0, count = 0;
    for (CellId c = 0; c < static_cast<CellId>(shape.centres.size()); ++c) {
        if (RingOf(shape, c) != ring)
            continue;
        ++count;
        before += clockwise(c) < mine ? 1 : 0;
    }
    return {before + 1, count};
}

}  // namespace

QString WayWord(Way way)
{
    switch (way) {
    case Way::Right:
        return DirectionWord(Direction::Right);
    case Way::Left:
        return DirectionWord(Direction::Left);
    case Way::Up:
        return DirectionWord(Direction::Up);
    case Way::Down:
        return DirectionWord(Direction::Down);
    case Way::Clockwise:
        return QCoreApplication::translate("Play", "clockwise");
    case Way::Anticlockwise:
        return QCoreApplication::translate("Play", "anticlockwise");
    case Way::Outward:
        return QCoreApplication::translate("Play", "outward");
    case Way::Inward:
        return QCoreApplication::translate("Play", "inward");
    case Way::North:
        return QCoreApplication::translate("Play", "north");
    case Way::NorthEast:
        return QCoreApplication::translate("Play", "north-east");
    case Way::East:
        return QCoreApplication::translate("Play", "east");
    case Way::SouthEast:
        return QCoreApplication::translate("Play", "south-east");
    case Way::South:
        return QCoreApplication::translate("Play", "south");
    case Way::SouthWest:
        return QCoreApplication::translate("Play", "south-west");
    case Way::West:
        return QCoreApplication::translate("Play", "west");
    case Way::NorthWest:
        return QCoreApplication::translate("Play", "north-west");
    }
    return {};
}

QString CellWords(const Shape& shape, const Passages& passages, CellId cell, std::optional<CellId> previous)
{
    std::vector<CellId> open;
    for (const Link& l : shape.graph.Neighbours(cell))
        if (passages.Open(l.wall))
            open.push_back(l.to);
    const std::optional<KeysOut> keys = KeysFrom(shape, passages, cell, previous);
    const auto named = [&](const QString& way, CellId to) { return keys ? keys->Named(way, to) : way; };
    QStringList names;
    if (AtCircleCentre(shape, cell)) {
        // Every way from the centre leads outward: the hour tells them apart.
        std::sort(open.begin(), open.end(), [&](CellId a, CellId b) { return ClockHour(shape, a) < ClockHour(shape, b); });
        for (CellId to : open)
            names << named(HourWord(ClockHour(shape, to)), to);
    } else {
        for (Way way : kWayOrder) {
            std::vector<CellId> ways;
            std::copy_if(open.begin(), open.end(), std::back_inserter(ways), [&](CellId to) { return WayTo(shape, cell, to) == way; });
            // A circle's two cells outward are told apart by their keys where keys take them.
            const bool apart = keys && ways.size() > 1 && std::all_of(ways.begin(), ways.end(), [&](CellId to) { return keys->Takes(to); });
            if (ways.size() == 1 || apart)
                for (CellId to : ways)
                    names << named(WayWord(way), to);
            else if (ways.size() > 1)
                names << QCoreApplication::translate("Play", "%1 ways %2").arg(ways.size()).arg(WayWord(way));
        }
    }
    return OpenWords(static_cast<int>(open.size()), names);
}

QString MoveWords(const Shape& shape, const Passages& passages, const Game& game, MoveOutcome outcome, Direction key,
                  Millis elapsed)
{
    switch (outcome) {
    case MoveOutcome::Moved:
        return CellWords(shape, passages, game.Marker(), game.Previous());
    case MoveOutcome::SteppedBack:
        return QCoreApplication::translate("Play", "back, %1").arg(CellWords(shape, passages, game.Marker(), game.Previous()));
    case MoveOutcome::Reached:
        return ResultWords(game, elapsed);
    case MoveOutcome::Blocked:
        return QCoreApplication::translate("Play", "wall: no way %1").arg(DirectionWord(key));
    case MoveOutcome::Ignored:
        break;
    }
    return WhereWords(shape, passages, game, elapsed);
}

QString StartWords(const Shape& shape, const Passages& passages, const Game& game)
{
    return QCoreApplication::translate("Play", "Playing from S: %1. Arrow keys move, I tells where you are, Escape leaves.")
        .arg(CellWords(shape, passages, game.Marker(), game.Previous()));
}

QString WhereWords(const Shape& shape, const Passages& passages, const Game& game, Millis elapsed)
{
    if (game.AtGoal())
        return ResultWords(game, elapsed);
    const CellId at = game.Marker();
    const PointF c = shape.centres[static_cast<std::size_t>(at)];
    if (shape.kind == ShapeKind::Rectangle)  // a square cell's centre lies half a cell in
        return QCoreApplication::translate("Play", "Row %1, column %2, %3 moves: %4")
            .arg(static_cast<int>(c.y) + 1)
            .arg(static_cast<int>(c.x) + 1)
            .arg(game.Moves())
            .arg(CellWords(shape, passages, at, game.Previous()));
    if (shape.pole) {
        if (AtCircleCentre(shape, at))
            return QCoreApplication::translate("Play", "The centre, ring 1 of %1, %2 moves: %3")
                .arg(RingCount(shape))
                .arg(game.Moves())
                .arg(CellWords(shape, passages, at, game.Previous()));
        const auto [place, cells] = PlaceOnRing(shape, at);
        return QCoreApplication::translate("Play", "Ring %1 of %2, cell %3 of %4 clockwise from twelve o'clock (near %5), "
                                                   "%6 moves: %7")
            .arg(RingNumber(shape, at))
            .arg(RingCount(shape))
            .arg(place)
            .arg(cells)
            .arg(HourWord(ClockHour(shape, at)))
            .arg(game.Moves())
            .arg(CellWords(shape, passages, at, game.Previous()));
    }
    // Across and down the picture in tenths, which every shape has.
    return QCoreApplication::translate("Play", "%1 % across, %2 % down, %3 moves: %4")
        .arg(static_cast<int>(std::lround(10 * c.x / shape.width)) * 10)
        .arg(static_cast<int>(std::lround(10 * c.y / shape.height)) * 10)
        .arg(game.Moves())
        .arg(CellWords(shape, passages, at, game.Previous()));
}

QString HintWords(const Shape& shape, const Passages& passages, const Game& game, std::optional<CellId> next)
{
    if (!next)
        return QCoreApplication::translate("Play", "no hint here");
    const QString way = AtCircleCentre(shape, game.Marker()) ? HourWord(ClockHour(shape, *next))
                                                             : WayWord(WayTo(shape, game.Marker(), *next));
    const std::optional<KeysOut> keys = KeysFrom(shape, passages, game.Marker(), game.Previous());
    return QCoreApplication::translate("Play", "hint: %1").arg(keys ? keys->Named(way, *next) : way);
}

}  // namespace tolvane
