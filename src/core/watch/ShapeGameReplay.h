// A game played on a maze of any shape as an animation: the trail from S growing move by move.
#pragma once

#include <cstddef>
#include <vector>

#include "core/play/Game.h"
#include "core/render/DrawShape.h"
#include "core/shape/ShapeMaze.h"
#include "core/solve/Answer.h"
#include "core/watch/Animated.h"

namespace tolvane {

// Replays `game`'s trail on `maze` one move a step through the game's own drawing
// (DrawShapePlay): the marker on S first, then one cell further each step, ending on the game as
// played, with the whole route over it when `answer` shows it. A trail that stepped back is
// replayed as the path it left, S to the marker.
class ShapeGameReplay final : public Animated {
public:
    ShapeGameReplay(const ShapeMaze& maze, const Game& game, Answer answer, const ShapeView& view);

    void DrawFirst(Surface& surface) override;
    bool PlayStep(Surface& surface) override;
    void DrawLast(Surface& surface) const override;
    std::size_t Count() const override { return trail_.size() - 1; }
    std::vector<Colour> Colours() const override;
    bool HoldsLastStep() const override { return false; }

private:
    const ShapeMaze& maze_;
    std::vector<CellId> trail_;
    Answer answer_;
    ShapeView view_;
    Game replay_;
    std::size_t next_ = 1;
};

}  // namespace tolvane
