// The maze square as assistive technology sees it: an image whose name and description say what it shows.
#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <string_view>

#include "core/maze/MazeState.h"

namespace tolvane {

// A child of the window over the maze square that paints nothing and takes neither focus nor the
// mouse: the window keeps drawing, clicks and context menus. It only carries the words for the
// picture and tells assistive technology when they change.
class MazePicture final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(MazePicture)

public:
    // The least time between two notices while the route is being drawn: a screen reader gets
    // a few progress reports a second, not one for every tick.
    static constexpr int kNoticeInterval = 400;  // milliseconds

    // `build` and `solve` are the window's two buttons, named in the descriptions by their captions.
    MazePicture(QWidget& window, const QAbstractButton& build, const QAbstractButton& solve);

    // Updates the words after one of the window's handlers has run; `code` is the maze's code,
    // which the description and the tooltip name (empty when there is none).
    void Follow(std::string_view handler, const MazeState& state, const QString& code);

    // Says `words` at once, as the picture's name: a screen reader speaks the new name of the
    // object with the focus, also when the words are the same as the last.
    void Announce(const QString& words);

private:
    void Publish();

    QString build_;
    QString solve_;
    QString name_;
    QString description_;
    QTimer throttle_;
    MazeSize size_;  // the maze shown, for the words of a game
    QElapsedTimer sincePublished_;
};

// What the two buttons do, as a tooltip and as their accessible description.
void DescribeButtons(QAbstractButton& build, QAbstractButton& solve);

// Lets assistive technology close `window` through an action, as its close button does: for
// switch and voice control, which reach a program through its accessible actions.
void OfferCloseAction(QWidget& window);

}  // namespace tolvane
