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
    bool PlayStep(Surface& surface) override;
    void DrawLast(Surface& surface) const override;
    std::size_t Count() const override { return steps_.size(); }
    std::vector<Colour> Colours() const override;
    bool HoldsLastStep() const override { return kind_ != WatchKind::Route; }

    WatchKind Kind() const override { return kind_; }
    const std::vector<StepEvent>& Steps() const override { return steps_; }
    std::size_t Played() const override { return next_; }
    int Visited() const override { return visited_; }
    int PathLength() const override { return static_cast<int>(path_.size()); }
    // The walls opened so far: after a build's last step, the maze's.
    const Passages& Opened() const { return shown_; }

private:
    Colour CellColour(CellId cell) const;
    void PaintCell(Surface& surface, CellId cell);
    void Build(Surface& surface, const StepEvent& step);
    void Search(Surface& surface, const StepEvent& step);
    void SetPath(Surface& surface, std::vector<CellId> path);

    ShapeMaze finished_;
    WatchKind kind_;
    std::vector<StepEvent> steps_;
    ShapeView view_;
    Passages shown_;
    std::vector<std::int32_t> group_;
    std::vector<std::uint8_t> mark_;
    std::vector<CellId> path_;
    bool flood_ = false;
    std::size_t next_ = 0;
    int visited_ = 0;
};

}  // namespace tolvane
