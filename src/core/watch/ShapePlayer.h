// Plays a step record onto a maze of any shape: its build by any way, or a search of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/graph/Steps.h"
#include "core/render/DrawShape.h"
#include "core/shape/ShapeMaze.h"
#include "core/watch/StepPlayer.h"
#include "core/watch/WatchPlayer.h"

namespace tolvane {

// The StepPlayer's pictures on a shape: each changed cell filled up to its outline and its
// standing walls drawn again over it (DrawShapeCell), walls opening as the builder opens them,
// the red path through the centres (DrawShapeRoute); the last picture exactly DrawShape's, with
// the route after a search or a replay. Groups (regions, Kruskal's sets) show in their colours.
class ShapePlayer final : public WatchPlayer {
public:
    ShapePlayer(const ShapeMaze& finished, WatchKind kind, std::vector<StepEvent> steps, const ShapeView& view);

    void DrawFirst(Surface& surface) override;
    void DrawLast(Surface& surface) const override;
    std::vector<Colour> Colours() const override;
    // The walls opened so far: after a build's last step, the maze's.
    const Passages& Opened() const { return shown_; }

private:
    Colour CellColour(CellId cell) const;
    void PaintCell(Surface& surface, CellId cell);
    void Build(Surface& surface, const StepEvent& step) override;
    void Search(Surface& surface, const StepEvent& step) override;
    void SetPath(Surface& surface, std::vector<CellId> path);

    ShapeMaze finished_;
    ShapeView view_;
    Passages shown_;
    std::vector<std::int32_t> group_;
    std::vector<std::uint8_t> mark_;
    bool flood_ = false;
};

}  // namespace tolvane
