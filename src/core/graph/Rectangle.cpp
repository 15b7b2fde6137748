// The rectangle of square cells as a graph.
#include "core/graph/Rectangle.h"

#include <span>

namespace tolvane {

MazeGraph RectangleGraph(MazeSize size)
{
    const int w = size.width;
    const int h = size.height;
    GraphBuilder b(w * h, (w - 1) * h + w * (h - 1));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            b.BeginCell(RectangleCell(size, x, y));
            if (x + 1 < w)
                b.Link(RectangleCell(size, x + 1, y));
            if (x > 0)
                b.Link(RectangleCell(size, x - 1, y));
            if (y + 1 < h)
                b.Link(RectangleCell(size, x, y + 1));
            if (y > 0)
                b.Link(RectangleCell(size, x, y - 1));
        }
    }
    return b.Finish(0, w * h - 1);
}

const MazeGraph& KeptRectangleGraph(MazeSize size)
{
    thread_local MazeSize keptSize{0, 0};
    thread_local MazeGraph kept;
    if (keptSize != size) {
        kept = RectangleGraph(size);
        keptSize = size;
    }
    return kept;
}

Passages PassagesOf(const MazeState& state) { return PassagesOf(RectangleGraph(state.size), state); }

Passages PassagesOf(const MazeGraph& graph, const MazeState& state)
{
    // A cell owns the walls to its higher-numbered neighbours, its right one and the one below
    // it: each is open where the cell's code leaves that wall out.
    Passages passages(graph);
    for (int x = 0; x < state.Width(); ++x) {
        const std::span<const Int16> column = state.Walls.Column(x);  // row y at y + 1
        for (int y = 0; y < state.Height(); ++y) {
            const CellId c = RectangleCell(state.size, x, y);
            const Int16 code = column[static_cast<std::size_t>(y) + 1];
            for (const Link& l : graph.Neighbours(c))
                if (l.to > c && (l.to == c + 1 ? code / kRightWall == 0 : code % 2 == 0))
                    passages.Carve(l.wall);
        }
    }
    return passages;
}

void ApplyPassages(const Passages& passages, MazeState& state)
{
    const MazeGraph graph = RectangleGraph(state.size);
    for (int x = -1; x <= state.LastX(); ++x)
        for (int y = -1; y <= state.LastY(); ++y)
            state.Walls(x, y) = To16(kBottomWall + kRightWall);
    for (WallId wall = 0; wall < graph.WallCount(); ++wall) {
        if (!passages.Open(wall))
            continue;
        // The lower-numbered side owns the wall: its right wall, or its bottom wall.
        const CellId a = graph.SideA(wall);
        const CellId b = graph.SideB(wall);
        const int x = a % state.Width();
        const int y = a / state.Width();
        Int16& code = state.Walls(x, y);
        code = To16(code - (b == a + 1 ? kRightWall : kBottomWall));
    }
}

}  // namespace tolvane
