"""Reads the maze and the red route back from the pixels of the window, and judges them."""

from collections import deque

from picture import CELL, GOAL, LAST, SIDE, START, in_rect, COMMAND1, COMMAND2, CLIENT_WIDTH

# An edge is ("right", x, y), the line on the right of cell (x, y), or ("bottom", x, y), the
# line below it. Column -1 and row -1 carry the left and top edges of the square.


def all_edges(width=SIDE, height=SIDE):
    for x in range(-1, width):
        for y in range(height):
            yield ("right", x, y)
    for x in range(width):
        for y in range(-1, height):
            yield ("bottom", x, y)


def is_frame(edge, width=SIDE, height=SIDE):
    side, x, y = edge
    return (side == "right" and x in (-1, width - 1)) or (side == "bottom" and y in (-1, height - 1))


def edge_pixels(edge):
    """The 16 pixels of an edge between its two corners; the corners belong to four edges each."""
    side, x, y = edge
    if side == "right":
        column = CELL * (x + 1)
        return [(column, CELL * y + i) for i in range(1, CELL)]
    row = CELL * (y + 1)
    return [(CELL * x + i, row) for i in range(1, CELL)]


def edge_between(a, b):
    (ax, ay), (bx, by) = a, b
    if ay == by and abs(ax - bx) == 1:
        return ("right", min(ax, bx), ay)
    if ax == bx and abs(ay - by) == 1:
        return ("bottom", ax, min(ay, by))
    raise ValueError(f"{a} and {b} are not neighbours")


class Maze:
    """The walls of the square as read from a picture: edge -> True where a wall is drawn. A maze
    of another size than 21 x 21 says its own."""

    def __init__(self, walls, width=SIDE, height=SIDE):
        self.walls = walls
        self.width = width
        self.height = height

    def __eq__(self, other):
        return isinstance(other, Maze) and self.walls == other.walls

    def open_inner_edges(self):
        return [e for e, wall in self.walls.items() if not wall and not is_frame(e, self.width, self.height)]

    def neighbours(self, cell):
        x, y = cell
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if 0 <= nx < self.width and 0 <= ny < self.height and not self.walls[edge_between(cell, (nx, ny))]:
                yield (nx, ny)

    def problems_as_perfect_maze(self):
        """Why this is not a perfect maze with a closed frame; empty when it is one."""
        problems = [f"frame edge {e} is open" for e, wall in self.walls.items()
                    if is_frame(e, self.width, self.height) and not wall]
        opened = self.open_inner_edges()
        cells = self.width * self.height
        if len(opened) != cells - 1:
            problems.append(f"{len(opened)} open inner walls, a perfect maze has {cells - 1}")
        parent = {(x, y): (x, y) for x in range(self.width) for y in range(self.height)}

        def root(c):
            while parent[c] != c:
                parent[c] = parent[parent[c]]
                c = parent[c]
            return c

        cycles = 0
        for side, x, y in opened:
            a = (x, y)
            b = (x + 1, y) if side == "right" else (x, y + 1)
            ra, rb = root(a), root(b)
            if ra == rb:
                cycles += 1
            else:
                parent[ra] = rb
        if cycles:
            problems.append(f"the open walls close {cycles} cycle(s)")
        parts = len({root(c) for c in parent})
        if parts != 1:
            problems.append(f"the cells fall apart into {parts} unconnected parts")
        return problems

    def path(self, start=START, goal=None):
        """The shortest path from start to goal (the bottom-right cell unless given) as a list of cells,
        both ends included; None if there is none."""
        goal = goal or (self.width - 1, self.height - 1)
        previous = {start: None}
        queue = deque([start])
        while queue:
            cell = queue.popleft()
            if cell == goal:
                route = []
                while cell is not None:
                    route.append(cell)
                    cell = previous[cell]
                return route[::-1]
            for n in self.neighbours(cell):
                if n not in previous:
                    previous[n] = cell
                    queue.append(n)
        return None


def read_maze(pic):
    """Reads every edge of the square from its pixels. Returns (maze, problems with the picture)."""
    problems = []
    walls = {}
    for edge in all_edges():
        kinds = [pic.kind(x, y) for x, y in edge_pixels(edge)]
        black = kinds.count("black")
        if black == len(kinds):
            walls[edge] = True
        elif black == 0:
            walls[edge] = False
        else:
            walls[edge] = black > len(kinds) // 2
            problems.append(f"edge {edge} is partly drawn: {black} of {len(kinds)} pixels black")

    def wall(side, x, y):
        return walls.get((side, x, y), False)

    # Walls are drawn with both end points, so a corner is black exactly when a wall meets it.
    for i in range(SIDE + 1):
        for j in range(SIDE + 1):
            expected = wall("right", i - 1, j - 1) or wall("right", i - 1, j) or wall("bottom", i - 1, j - 1) \
                or wall("bottom", i, j - 1)
            actual = pic.kind(CELL * i, CELL * j) == "black"
            if expected != actual:
                problems.append(f"corner ({CELL * i}, {CELL * j}) is {'black' if actual else 'not black'}, "
                                f"its walls say {'black' if expected else 'not black'}")

    # Inside the cells: no wall pixel (walls are one pixel wide), blue only for the marks.
    for cx in range(SIDE):
        for cy in range(SIDE):
            marked = (cx, cy) in (START, GOAL)
            for y in range(CELL * cy + 1, CELL * cy + CELL):
                for x in range(CELL * cx + 1, CELL * cx + CELL):
                    k = pic.kind(x, y)
                    if k == "white" or k == "red" or (k == "blue" and marked):
                        continue
                    problems.append(f"pixel ({x}, {y}) inside cell ({cx}, {cy}) is {k} {pic.pixel(x, y)}")
                    if len(problems) > 40:
                        return Maze(walls), problems
    return Maze(walls), problems


def surface_problems_beside_maze(pic):
    """The client area right of the square is white wherever the buttons leave it visible."""
    problems = []
    for y in range(pic.height):
        for x in range(LAST + 1, CLIENT_WIDTH):
            if in_rect(x, y, COMMAND1) or in_rect(x, y, COMMAND2):
                continue
            if pic.kind(x, y) != "white":
                problems.append(f"pixel ({x}, {y}) beside the maze is {pic.pixel(x, y)}, not white")
                if len(problems) > 10:
                    return problems
    return problems


def mark_pixels(pic, cell):
    """The blue pixels inside a cell, relative to its top-left corner."""
    cx, cy = cell
    return frozenset((x - CELL * cx, y - CELL * cy)
                     for y in range(CELL * cy + 1, CELL * cy + CELL)
                     for x in range(CELL * cx + 1, CELL * cx + CELL)
                     if pic.kind(x, y) == "blue")


def point_symmetry(ink):
    """How much of a glyph's ink lands on ink when turned half around its middle: about 1 for an S,
    about a half for a G, in any plain face."""
    xs, ys = [x for x, _ in ink], [y for _, y in ink]
    sx, sy = min(xs) + max(xs), min(ys) + max(ys)
    turned = {(sx - x, sy - y) for x, y in ink}
    return len(turned & ink) / len(turned | ink)


def blue_outside_marks(pic):
    found = []
    for y in range(LAST + 1):
        for x in range(LAST + 1):
            if pic.kind(x, y) == "blue" and (x // CELL, y // CELL) not in (START, GOAL):
                found.append((x, y))
    return found


# The route: a red line three pixels wide through the cell centres 17x + 8.5, 17y + 8.5, that is
# the pixels 17x + 7 to 17x + 9 across it, square-capped at both ends.

def centre_pixel(cell):
    return CELL * cell[0] + 8, CELL * cell[1] + 8


def red_cells(pic):
    """The cells whose centre pixel is red."""
    return {(x, y) for x in range(SIDE) for y in range(SIDE) if pic.kind(*centre_pixel((x, y))) == "red"}


def prefix_length(red, path):
    """How many cells of the path, from its start, the red cells are; None unless they are such a prefix."""
    n = len(red)
    if n > len(path) or set(path[:n]) != red:
        return None
    return n


def route_band(cells):
    """The pixels a 3-pixel route through the centres of the given cells covers."""
    band = set()
    points = [centre_pixel(c) for c in cells]
    for a, b in zip(points, points[1:] or points):
        for x in range(min(a[0], b[0]) - 1, max(a[0], b[0]) + 2):
            for y in range(min(a[1], b[1]) - 1, max(a[1], b[1]) + 2):
                band.add((x, y))
    return band


def red_pixels(pic):
    return {(x, y) for y in range(LAST + 1) for x in range(LAST + 1) if pic.kind(x, y) == "red"}


def red_anywhere(pic):
    """Whether any pixel of the whole window is red."""
    return any(pic.kind(x, y) == "red" for y in range(pic.height) for x in range(pic.width))
