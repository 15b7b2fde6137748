// A maze as a graph: cells, each with its neighbours in a fixed order, and one wall between each pair.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tolvane {

using CellId = std::int32_t;
using WallId = std::int32_t;
inline constexpr CellId kNoCell = -1;

// One neighbour of a cell: the cell it leads to and the wall that stands between them.
struct Link {
    CellId to;
    WallId wall;
    friend bool operator==(const Link&, const Link&) = default;
};

// The cells of a maze of any shape and how they touch. Cells are numbered 0..CellCount()-1 and
// walls 0..WallCount()-1; a wall stands between exactly two cells and is listed by both, so
// every neighbour relation is mutual. A cell's neighbours come in its shape's fixed order:
// every algorithm that chooses "the r-th neighbour" depends on that order, so a shape must
// never change it. The frame is not a wall of the graph: a maze has no way out of it.
class MazeGraph {
public:
    MazeGraph() = default;

    int CellCount() const { return static_cast<int>(first_.size()) - 1; }
    int WallCount() const { return static_cast<int>(sideA_.size()); }

    [[gnu::always_inline]] std::span<const Link> Neighbours(CellId cell) const
    {
        return {links_.data() + first_[static_cast<std::size_t>(cell)],
                links_.data() + first_[static_cast<std::size_t>(cell) + 1]};
    }
    // The two cells a wall stands between, the lower-numbered first.
    CellId SideA(WallId wall) const { return sideA_[static_cast<std::size_t>(wall)]; }
    CellId SideB(WallId wall) const { return sideB_[static_cast<std::size_t>(wall)]; }
    // The cell on the other side of `wall` from `cell`.
    CellId Across(WallId wall, CellId cell) const { return SideA(wall) == cell ? SideB(wall) : SideA(wall); }

    CellId start = 0;  // S
    CellId goal = 0;   // G

private:
    friend class GraphBuilder;
    std::vector<std::int32_t> first_{0};  // cell c's links are first_[c] .. first_[c + 1] - 1
    std::vector<Link> links_;
    std::vector<CellId> sideA_;
    std::vector<CellId> sideB_;
};

// Builds a graph cell by cell, in ascending order, each cell's neighbours in its fixed order:
//     GraphBuilder b(cells); for each cell c: { b.BeginCell(c); for each neighbour n: b.Link(n); }
// A wall is numbered when the lower-numbered of its two cells names the other; the
// higher-numbered cell then finds it. Finish checks that every relation was named both ways.
class GraphBuilder {
public:
    // `walls`, when known, is room made for that many walls at once.
    explicit GraphBuilder(int cells, int walls = 0);
    void BeginCell(CellId cell);
    void Link(CellId neighbour);
    // Throws std::logic_error when a neighbour was named by one side only, a cell was skipped,
    // or a cell names itself or one cell twice: a shape's fault, never a user's.
    MazeGraph Finish(CellId start, CellId goal);

private:
    MazeGraph graph_;
    int cells_;
    CellId current_ = kNoCell;
    std::vector<CellId> namedBy_;  // the last cell that named each cell
};

// Which walls are open: one flag a wall. A maze is a graph and its passages.
struct Passages {
    Passages() = default;
    explicit Passages(const MazeGraph& graph) : open(static_cast<std::size_t>(graph.WallCount()), 0) {}

    bool Open(WallId wall) const { return open[static_cast<std::size_t>(wall)] != 0; }
    void Carve(WallId wall) { open[static_cast<std::size_t>(wall)] = 1; }
    void Close(WallId wall) { open[static_cast<std::size_t>(wall)] = 0; }
    int OpenCount() const;

    std::vector<std::uint8_t> open;
    friend bool operator==(const Passages&, const Passages&) = default;
};

// A perfect maze: every cell reachable from every other by exactly one way (a spanning tree:
// cells - 1 passages, all cells connected).
bool IsPerfect(const MazeGraph& graph, const Passages& passages);

}  // namespace tolvane
