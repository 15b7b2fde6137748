// Building a maze graph, and the test of a perfect maze.
#include "core/graph/MazeGraph.h"

#include <stdexcept>

namespace tolvane {

GraphBuilder::GraphBuilder(int cells, int walls) : cells_(cells)
{
    if (cells < 1)
        throw std::logic_error("a maze has at least one cell");
    namedBy_.assign(static_cast<std::size_t>(cells), kNoCell);
    graph_.first_.reserve(static_cast<std::size_t>(cells) + 1);
    if (walls > 0) {
        graph_.links_.reserve(2 * static_cast<std::size_t>(walls));
        graph_.sideA_.reserve(static_cast<std::size_t>(walls));
        graph_.sideB_.reserve(static_cast<std::size_t>(walls));
    }
}

void GraphBuilder::BeginCell(CellId cell)
{
    if (cell != current_ + 1 || cell >= cells_)
        throw std::logic_error("cells are added in ascending order, each once");
    if (current_ != kNoCell)
        graph_.first_.push_back(static_cast<std::int32_t>(graph_.links_.size()));
    current_ = cell;
}

void GraphBuilder::Link(CellId neighbour)
{
    if (current_ == kNoCell || neighbour < 0 || neighbour >= cells_ || neighbour == current_)
        throw std::logic_error("a cell's neighbour is another cell of the maze");
    // Marked with the cell naming it, so that a cell with very many neighbours costs no more.
    auto& namedBy = namedBy_[static_cast<std::size_t>(neighbour)];
    if (namedBy == current_)
        throw std::logic_error("a cell names each neighbour once");
    namedBy = current_;
    WallId wall = -1;
    if (neighbour < current_) {
        for (const tolvane::Link& back : graph_.Neighbours(neighbour))
            if (back.to == current_)
                wall = back.wall;
        if (wall < 0)
            throw std::logic_error("a neighbour relation is named by both cells");
    } else {
        wall = static_cast<WallId>(graph_.sideA_.size());
        graph_.sideA_.push_back(current_);
        graph_.sideB_.push_back(neighbour);
    }
    graph_.links_.push_back({neighbour, wall});
}

MazeGraph GraphBuilder::Finish(CellId start, CellId goal)
{
    if (current_ != cells_ - 1)
        throw std::logic_error("every cell is added");
    graph_.first_.push_back(static_cast<std::int32_t>(graph_.links_.size()));
    // Each wall is listed once by each of its cells: twice in all.
    if (graph_.links_.size() != 2 * graph_.sideA_.size())
        throw std::logic_error("a neighbour relation is named by both cells");
    if (start < 0 || start >= cells_ || goal < 0 || goal >= cells_)
        throw std::logic_error("S and G are cells of the maze");
    graph_.start = start;
    graph_.goal = goal;
    current_ = kNoCell;
    return std::move(graph_);
}

int Passages::OpenCount() const
{
    int count = 0;
    for (std::uint8_t o : open)
        count += o != 0;
    return count;
}

bool IsPerfect(const MazeGraph& graph, const Passages& passages)
{
    if (passages.open.size() != static_cast<std::size_t>(graph.WallCount()))
        return false;
    if (passages.OpenCount() != graph.CellCount() - 1)
        return false;
    // With cells - 1 passages, connected means no loops: a tree.
    std::vector<std::uint8_t> seen(static_cast<std::size_t>(graph.CellCount()), 0);
    std::vector<CellId> stack{0};
    seen[0] = 1;
    int reached = 1;
    while (!stack.empty()) {
        const CellId c = stack.back();
        stack.pop_back();
        for (const Link& l : graph.Neighbours(c)) {
            if (passages.Open(l.wall) && !seen[static_cast<std::size_t>(l.to)]) {
                seen[static_cast<std::size_t>(l.to)] = 1;
                ++reached;
                stack.push_back(l.to);
            }
        }
    }
    return reached == graph.CellCount();
}

}  // namespace tolvane
