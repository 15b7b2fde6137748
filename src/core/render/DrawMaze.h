// Paints the whole maze picture, walls and the S and G marks, from the wall data.
#pragma once

#include "core/graph/MazeGraph.h"
#include "core/maze/MazeState.h"
#include "core/platform/surface/Surface.h"
#include "core/render/Geometry.h"

namespace tolvane {

// Clears the surface and draws every wall of cells -1..width-1 and -1..height-1 and the blue
// S and G; leaves the pen black and the pen width as it was. Without a geometry, the maze
// fills the window's square.
void DrawMaze(const MazeState& state, Surface& surface);
void DrawMaze(const MazeState& state, Surface& surface, const CellGeometry& geometry);

// DrawMaze without S and G: for a picture that draws more before them.
void DrawWalls(const MazeState& state, Surface& surface, const CellGeometry& geometry);

// The blue S and G alone, as DrawMaze prints them last; leaves the pen black and its width as it
// was. Each mark lies inside its own cell, clear of the walls: the classic letters in a cell of
// the classic size, a letter fitted to any other cell, and a plain blue square in a cell too
// small to hold a readable letter, with a beacon round it.
void PrintMarks(const MazeState& state, Surface& surface, const CellGeometry& geometry);

// The box a maze's picture spans on its surface.
struct PictureBox {
    PointF topLeft;
    PointF bottomRight;
};

// S or G in the square cell of `cell` pixels whose top-left corner is `corner`, as PrintMarks
// draws it: the classic letter or a fitted one in the pen's colour (the caller's blue), or a
// blue square, with a beacon inside `box` when the picture is big. Leaves the pen's colour and width as they were.
void PrintSquareMark(Surface& surface, PointF corner, float cell, bool goal, const PictureBox& box);

// Beside a mark too small to read, in a picture at least 40 cells across, what makes it found at
// a glance: a blue ring round the cell `centre`, a cell and a half and a fiftieth of the picture
// wide, and the letter, as large, beside the ring towards the middle of the picture. Only what
// lies inside `box` is drawn, so that a corner's ring is cut by the picture's edge and nothing
// strays onto a page.
void PrintBeacon(Surface& surface, PointF centre, float cell, std::string_view letter, const PictureBox& box);

// A beacon's measures in pixels: its ring, the letter's square, and how far from the cell's
// centre anything of it may lie (0 where the picture is too small to need one), for a picture
// that redraws the cells around it.
struct BeaconSize {
    float radius = 0;
    int ringWidth = 0;
    float letter = 0;
    float reach = 0;
    static BeaconSize For(float cell, const PictureBox& box, int smallestLetter);
};

// Where a rectangle of square cells lies on a picture: cell (x, y)'s top-left corner at
// (left + x * cell, top + y * cell).
struct RectangleView {
    float cell = kCell;
    float left = 0;
    float top = 0;
};

// Clears the surface and draws a rectangle's walls, its passages read on `graph` (the
// rectangle's, cell (x, y) numbered y * width + x), through the same strokes and in the same
// order as DrawWalls draws a state with those passages: the same pixels, the frame included.
void DrawRectangleWalls(const MazeGraph& graph, const Passages& passages, MazeSize size, Surface& surface,
                        const RectangleView& view);

// Whether the marks at this geometry are letters, not squares, on a surface whose letters need
// a square of `smallestLetter` pixels.
bool MarksAreLetters(const CellGeometry& geometry, int smallestLetter);

}  // namespace tolvane
