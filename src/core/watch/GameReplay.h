// A played game as an animation: the marker's trail from S growing move by move.
#pragma once

#include <cstddef>
#include <vector>

#include "core/maze/MazeState.h"
#include "core/play/Play.h"
#include "core/render/Geometry.h"
#include "core/solve/Answer.h"
#include "core/watch/Animated.h"

namespace tolvane {

// Replays `game`'s trail on `maze` one move a step through the game's own drawing (DrawPlay):
// the marker on S first, then one cell further each step, ending on the picture of the game as
// played, with the whole route over it when `answer` shows it. A trail that stepped back is
// replayed as the path it left, S to the marker.
class GameReplay final : public Animated {
public:
    GameReplay(const MazeState& maze, const Play& game, Answer answer, const CellGeometry& geometry);

    void DrawFirst(Surface& surface) override;
    bool PlayStep(Surface& surface) override;
    void DrawLast(Surface& surface) const override;
    std::size_t Count() const override { return trail_.size() - 1; }
    std::vector<Colour> Colours() const override;
    bool HoldsLastStep() const override { return false; }

private:
    MazeState maze_;
    std::vector<Cell> trail_;
    Answer answer_;
    CellGeometry g_;
    Play replay_;
    std::size_t next_ = 1;
};

}  // namespace tolvane
