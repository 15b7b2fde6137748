// What a game says.
#include "qt/window/play/PlayWords.h"

#include <QCoreApplication>
#include <QStringList>

#include "core/maze/Openings.h"

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

QString StatusText(const Play& play, Millis elapsed)
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

QString CellWords(const MazeState& maze, Cell cell)
{
    const Openings open = OpenSides(maze, cell.x, cell.y);
    if (open.Count() <= 1)
        return QCoreApplication::translate("Play", "dead end");
    QStringList sides;
    for (auto [isOpen, direction] : {std::pair{open.left, Direction::Left}, std::pair{open.right, Direction::Right},
                                     std::pair{open.up, Direction::Up}, std::pair{open.down, Direction::Down}})
        if (isOpen)
            sides << DirectionWord(direction);
    return (open.Count() == 2 ? QCoreApplication::translate("Play", "corridor: %1 open") : QCoreApplication::translate("Play", "junction: %1 open")).arg(ListWords(sides));
}

QString ResultWords(const Play& play, Millis elapsed)
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

QString MoveWords(const MazeState& maze, const Play& play, MoveOutcome outcome, Direction direction, Millis elapsed)
{
    switch (outcome) {
    case MoveOutcome::Moved:
        return CellWords(maze, play.Marker());
    case MoveOutcome::SteppedBack:
        return QCoreApplication::translate("Play", "back, %1").arg(CellWords(maze, play.Marker()));
    case MoveOutcome::Reached:
        return ResultWords(play, elapsed);
    case MoveOutcome::Blocked:
        return QCoreApplication::translate("Play", "wall: no way %1").arg(DirectionWord(direction));
    case MoveOutcome::Ignored:
        break;
    }
    return WhereWords(maze, play, elapsed);
}

QString StartWords(const MazeState& maze, const Play& play)
{
    return QCoreApplication::translate("Play", "Playing from S: %1. Arrow keys move, I tells where you are, Escape leaves.")
        .arg(CellWords(maze, play.Marker()));
}

QString WhereWords(const MazeState& maze, const Play& play, Millis elapsed)
{
    if (play.AtGoal())
        return ResultWords(play, elapsed);
    return QCoreApplication::translate("Play", "Row %1, column %2, %3 moves: %4")
        .arg(play.Marker().y + 1)
        .arg(play.Marker().x + 1)
        .arg(play.Moves())
        .arg(CellWords(maze, play.Marker()));
}

}  // namespace tolvane

namespace tolvane {

QString HintWords(std::optional<Direction> next)
{
    return next ? QCoreApplication::translate("Play", "hint: %1").arg(DirectionWord(*next))
                : QCoreApplication::translate("Play", "no hint here");
}

}  // namespace tolvane
