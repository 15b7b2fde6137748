"""Playing: P starts a game, and the marker reaches G along the route read from the picture, once
with the arrow keys and once dragged with the mouse. The trail lies on exactly the route's cells,
the marker stands on G, and the area under the buttons, white before, shows the result."""

import sys

import harness
from flows import build_maze, keys_along, settled, startup_picture
from maze import centre_pixel
from picture import CLIENT_HEIGHT, CLIENT_WIDTH, GOAL, SIDE, START

TRAIL = (240, 140, 0)
MARKER = (170, 85, 0)
STATUS = (358, 89, CLIENT_WIDTH - 358, CLIENT_HEIGHT - 89)  # right of the picture, under the buttons


def near(pixel, colour):
    return all(abs(a - b) <= 8 for a, b in zip(pixel, colour))


def shows(pic, cell, colour):
    """Whether `colour` shows inside the cell: at its centre, or beside S or G printed over it."""
    if near(pic.pixel(*centre_pixel(cell)), colour):
        return True
    if cell not in (START, GOAL):
        return False
    left, top = cell[0] * 17 + 1, cell[1] * 17 + 1
    return sum(1 for y in range(top, top + 16) for x in range(left, left + 16) if near(pic.pixel(x, y), colour)) >= 8


def ink_in_status(pic):
    left, top, width, height = STATUS
    return sum(1 for y in range(top, top + height) for x in range(left, left + width) if pic.kind(x, y) != "white")


def start_game(ctx, app):
    """A new maze and a game on it; returns the route read from the picture and the picture before P."""
    pic = startup_picture(ctx, app)
    app.focus()
    pic, maze = build_maze(ctx, app, pic)
    ctx.check(ink_in_status(pic) == 0, "the area under the buttons is not white before play", ("maze", pic))
    app.key("p")
    return maze.path(), pic


def check_at_goal(ctx, app, path, before, label):
    """The marker on G, the trail on exactly the other cells of the route, the result beside."""
    pic = settled(ctx, app, label, unlike=before, test=lambda p: shows(p, GOAL, MARKER))
    # G's cell holds the marker, S and G are printed over the trail and the marker.
    trail = {(x, y) for x in range(SIDE) for y in range(SIDE) if (x, y) != GOAL and shows(pic, (x, y), TRAIL)}
    ctx.check(trail == set(path[:-1]), f"{label}: the trail covers {len(trail)} cells, not the route's "
              f"{len(path) - 1} before G; off the route: {sorted(trail - set(path))[:5]}", (label, pic))
    ctx.check(ink_in_status(pic) > 100, f"{label}: no result under the buttons", (label, pic))
    ctx.note(f"{label}: G reached in {len(path) - 1} moves")


def keyboard_play_to_goal(ctx):
    app = ctx.launch()
    path, before = start_game(ctx, app)
    app.key(*keys_along(path))
    check_at_goal(ctx, app, path, before, "played with the arrow keys")


def mouse_drag_to_goal(ctx):
    app = ctx.launch()
    path, before = start_game(ctx, app)
    # Press on the marker, then through every cell of the route, a little time for each.
    steps = []
    for cell in path[1:]:
        steps += ["mousemove", "--window", str(app.window), *map(str, centre_pixel(cell)), "sleep", "0.01"]
    x, y = centre_pixel(path[0])
    app.server.run("xdotool", "mousemove", "--window", str(app.window), str(x), str(y), "mousedown", "1",
                   *steps, "mouseup", "1")
    check_at_goal(ctx, app, path, before, "dragged with the mouse")


CASES = [
    ("keyboard_play_to_goal", keyboard_play_to_goal),
    ("mouse_drag_to_goal", mouse_drag_to_goal),
]

if __name__ == "__main__":
    sys.exit(harness.main("play", CASES))
