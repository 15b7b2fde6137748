// A maze of another shape as the window shows it: the maze, how much of its route is drawn, and its picture.
#pragma once

#include <optional>

#include "core/platform/Controls.h"
#include "core/platform/surface/Surface.h"
#include "core/render/DrawShape.h"
#include "core/shape/ShapeChoice.h"
#include "core/shape/ShapeMaze.h"

namespace tolvane {

// Pixels left free round a shape in the picture's square, so that its frame is never cut.
inline constexpr float kShapeMargin = 6;

// The shape's side of the window: the rectangle keeps the classic state and its drawing; a
// shape is drawn through DrawShape and its route replayed one step a tick through the cells'
// centres, the picture at every tick being the maze and the first steps of the full route.
class ShapeScreen {
public:
    // A new maze in `shape`, built `how` with the draws of `random` (reseeded once); no route shown.
    void Build(ShapeChoice choice, Shape shape, const BuildChoice& how, RandomSource& random);
    bool Built() const { return maze_.has_value(); }

    // The route from none of its steps; Step draws one more each.
    void StartRoute();
    // One step more of the route; false once it has reached G (and nothing changed).
    bool Step();
    // No route shown.
    void HideRoute() { steps_ = -1; }
    // The whole route shown, as at the end of its replay.
    void ShowWholeRoute() { steps_ = RouteSteps(); }

    // The maze, and the route as far as it is drawn, filling the square from 0 to `square`.
    void Draw(Surface& surface, int square) const;
    // After Step: the step just taken drawn over the picture Draw left, in a fraction of its
    // time on a big maze. (Where two steps meet, the pixels may differ a little from Draw's one
    // stroke, so the last step is best drawn by Draw.)
    void DrawStep(Surface& surface, int square) const;
    ShapeView View(int square) const;

    const ShapeMaze& Maze() const { return *maze_; }
    const ShapeChoice& Choice() const { return choice_; }
    const BuildChoice& BuiltWith() const { return how_; }
    // Steps of the route drawn: -1 while it is not shown, up to the route's cells less one.
    int Steps() const { return steps_; }
    int RouteSteps() const { return maze_ ? static_cast<int>(maze_->route.size()) - 1 : 0; }

private:
    std::optional<ShapeMaze> maze_;
    ShapeChoice choice_;
    BuildChoice how_;
    int steps_ = -1;
};

}  // namespace tolvane
