// The maze square as assistive technology sees it: an image whose name and description say what it shows.
#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <string_view>

#include "core/maze/MazeState.h"
#include "core/play/Play.h"
#include "core/program/ShapeScreen.h"

namespace tolvane {

// A child of the window over the maze square that paints nothing and takes no mouse events: the
// window keeps drawing, clicks and context menus. It carries the words for the picture and tells
// assistive technology when they change. Once there is a maze, Tab reaches it after the buttons,
// so that a screen reader can be brought to it; during a game it has the keys.
class MazePicture final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(MazePicture)

public:
    // The least time between two notices while the route is being drawn: a screen reader gets
    // a few progress reports a second, not one for every tick.
    static constexpr int kNoticeInterval = 400;  // milliseconds

    explicit MazePicture(QWidget& window);

    // Updates the words after one of the window's handlers has run; `code` is the maze's code,
    // which the description and the tooltip name (empty when there is none); `game` is the
    // game, whose result at G stays in the picture after the game is left; `shape` the maze of
    // another shape shown instead of `state`, or null.
    void Follow(std::string_view handler, const MazeState& state, const QString& code, const Game& game,
                const ShapeScreen* shape = nullptr);

    // Says `words` at once, as the picture's name: a screen reader speaks the new name of the
    // object with the focus, also when the words are the same as the last. The description says
    // what is played and changes only with the maze, so it is not spoken again with every move.
    void Announce(const QString& words, const MazeState& state);
    // The same during a game on a maze of another shape.
    void Announce(const QString& words, const ShapeScreen& shape);
    // The same, leaving the description as it is (words about what is being watched).
    void Announce(const QString& words);

private:
    void Publish();
    void SetName(const QString& name, bool always);
    void SetDescription(const QString& description);

    QString name_;
    QString description_;
    QTimer throttle_;
    MazeSize size_;  // the maze shown, for the words of a game
    QElapsedTimer sincePublished_;
};

// What a screen reader calls the two buttons: words in the user's language (in Japanese, the
// captions themselves), since a voice for another language cannot read the captions.
QString BuildButtonName();
QString SolveButtonName();

// The buttons' spoken names, and what they do as a tooltip and as their accessible description.
void DescribeButtons(QAbstractButton& build, QAbstractButton& solve);

// Lets assistive technology close `window` through an action, as its close button does: for
// switch and voice control, which reach a program through its accessible actions.
void OfferCloseAction(QWidget& window);

}  // namespace tolvane
