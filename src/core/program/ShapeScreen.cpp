// A maze of another shape in the window.
#include "core/program/ShapeScreen.h"

#include <span>

namespace tolvane {

void ShapeScreen::Build(ShapeChoice choice, Shape shape, const BuildChoice& how, RandomSource& random)
{
    maze_ = BuildShapeMaze(std::move(shape), how, random);
    choice_ = std::move(choice);
    how_ = how;
    steps_ = -1;
}

void ShapeScreen::StartRoute() { steps_ = 0; }

bool ShapeScreen::Step()
{
    if (steps_ < 0 || steps_ >= RouteSteps())
        return false;
    ++steps_;
    return true;
}

ShapeView ShapeScreen::View(int square) const
{
    const float side = static_cast<float>(square + 1);
    return ShapeView::Fit(maze_->shape, side, side, kShapeMargin);
}

void ShapeScreen::Draw(Surface& surface, int square) const
{
    if (!maze_)
        return;
    const ShapeView view = View(square);
    DrawShape(maze_->shape, maze_->passages, surface, view);
    if (steps_ > 0)
        DrawShapeRoute(maze_->shape, maze_->route, surface, view, steps_);
}

void ShapeScreen::DrawStep(Surface& surface, int square) const
{
    if (!maze_ || steps_ <= 0)
        return;
    const auto step = std::span<const CellId>(maze_->route).subspan(static_cast<std::size_t>(steps_ - 1), 2);
    DrawShapeRoute(maze_->shape, step, surface, View(square));
}

}  // namespace tolvane
