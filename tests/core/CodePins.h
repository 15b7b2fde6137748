// Pinned codes: a code read as the command line reads it, its maze built, and its passages as text.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/generate/MakeMaze.h"
#include "core/code/Recipe.h"
#include "core/graph/Rectangle.h"
#include "core/shape/ShapeChoice.h"
#include "core/shape/ShapeMaze.h"

namespace tolvane::testing {

// A code and the maze it must name: S and G, then the open walls in the order of their
// numbers, four a hex digit, the first wall the highest bit ("0-29:a3f…"). A changed maze shows
// as the digits that changed.
struct PinnedCode {
    const char* code;
    const char* maze;
};

inline std::string MazeText(const MazeGraph& graph, const Passages& passages)
{
    std::string text = std::to_string(graph.start) + "-" + std::to_string(graph.goal) + ":";
    const std::size_t walls = passages.open.size();
    for (std::size_t first = 0; first < walls; first += 4) {
        int digit = 0;
        for (std::size_t w = first; w < first + 4; ++w)
            digit = digit << 1 | (w < walls && passages.open[w] != 0);
        text += "0123456789abcdef"[digit];
    }
    return text;
}

// The maze a code names, built as the command line builds it: a rectangle as its state (the
// classic generator for the classic way), any other shape from the shape `makeShape` makes of
// the code's choice. Empty when the code is refused or names no shape.
template <typename MakeShape>
std::string MazeTextOfCode(std::string_view code, MakeShape makeShape)
{
    const RecipeReading read = ReadCode(code);
    if (!read.recipe)
        return "refused";
    const Recipe& r = *read.recipe;
    if (FormatRecipeCode(r) != code)
        return "written back as " + FormatRecipeCode(r);
    if (r.shape == ShapeKind::Rectangle) {
        const MazeState state = MazeFromRecipe(r.seed, r.size, r.how);
        const MazeGraph graph = RectangleGraph(r.size);
        return MazeText(graph, PassagesOf(graph, state));
    }
    std::optional<Shape> shape = makeShape(ShapeChoice{r.shape, r.size, r.word});
    if (!shape)
        return "no shape";
    const ShapeMaze maze = BuildShapeMaze(std::move(*shape), r.how, r.seed);
    return MazeText(maze.shape.graph, maze.passages);
}

// Every code of `pins` names its maze. A failure prints the row as it now stands, so that a
// deliberate change is made by pasting the new rows over the old:
//     build/tests/core_tests --gtest_filter='CodePins.*' | grep -o '{".*},'
// (and widget_tests for a word's codes).
template <typename MakeShape>
void ExpectPinnedMazes(std::span<const PinnedCode> pins, MakeShape makeShape)
{
    for (const PinnedCode& pin : pins) {
        const std::string now = MazeTextOfCode(pin.code, makeShape);
        EXPECT_EQ(pin.maze, now) << "now: {\"" << pin.code << "\", \"" << now << "\"},";
    }
}

}  // namespace tolvane::testing
