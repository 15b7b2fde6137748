// Which cell of a shape lies under a point of its picture.
#pragma once

#include <optional>
#include <vector>

#include "core/shape/Shape.h"

namespace tolvane {

// Finds the cell whose outline holds a point, arcs and all, by counting the outline's edges
// that a ray from the point crosses. The cells are filed once by the unit squares their outlines
// touch, so that a point is tested against the few cells filed where it lies.
class CellFinder {
public:
    explicit CellFinder(const Shape& shape);

    // The cell under (x, y), in shape units; nothing outside every cell. A point on a wall
    // belongs to one of the two cells beside it.
    std::optional<CellId> At(const Shape& shape, PointF p) const;

private:
    int columns_ = 0;
    int rows_ = 0;
    std::vector<std::int32_t> first_;  // square s's cells are cells_[first_[s] .. first_[s + 1] - 1]
    std::vector<CellId> cells_;
};

// Whether the outline of `cell` holds `p`.
bool InOutline(const Shape& shape, CellId cell, PointF p);

}  // namespace tolvane
