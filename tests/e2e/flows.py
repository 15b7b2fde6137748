"""The steps the cases share: waiting for a picture, building a maze, watching a replay."""

import time

from maze import (blue_outside_marks, mark_pixels, point_symmetry, prefix_length, read_maze, red_anywhere, red_cells,
                  red_pixels, route_band, surface_problems_beside_maze)
from picture import COMMAND1, GOAL, START

TICK = 0.050  # seconds between replay ticks


def settled(ctx, app, label, unlike=None, timeout=10.0, test=None):
    """Grabs until the picture differs from `unlike` (when given), passes `test` (when given)
    and stays the same over two grabs in a row; returns that picture."""
    deadline = time.monotonic() + timeout
    previous = None
    while True:
        pic = ctx.grab(app, label)
        fresh = unlike is None or not pic.same_outside_buttons(unlike)
        if fresh and (test is None or test(pic)) and previous is not None and pic.same_outside_buttons(previous):
            return pic
        previous = pic if fresh else None
        if time.monotonic() > deadline:
            what = "a new picture" if not fresh else "a picture that passes the check" if test else "a still picture"
            ctx.check(False, f"{label}: no {what} within {timeout:.0f} s", (label, pic))
        time.sleep(0.03)


def restored(ctx, app, reference, label, timeout=5.0):
    """Waits for the picture to be the reference again; fails, showing both, if it does not come back."""
    deadline = time.monotonic() + timeout
    while True:
        pic = ctx.grab(app, label)
        if pic.same_outside_buttons(reference):
            return pic
        if time.monotonic() > deadline:
            ctx.check(False, f"{label}: the picture differs from before, e.g. at "
                      f"{reference.differences_outside_buttons(pic, 5)}", ("before", reference), (label, pic))
        time.sleep(0.03)


def startup_picture(ctx, app):
    """The first picture of a new window, once the frame is on it."""
    return settled(ctx, app, "start-up", test=lambda pic: pic.kind(0, 0) == "black")


def check_maze_picture(ctx, pic, label):
    """Reads the maze from a picture whose walls and marks must be drawn cleanly; returns it."""
    maze, problems = read_maze(pic)
    ctx.check(not problems, f"{label}: the picture is not a clean maze drawing: " + "; ".join(problems[:8]),
              (label, pic))
    beside = surface_problems_beside_maze(pic)
    ctx.check(not beside, f"{label}: " + "; ".join(beside[:5]), (label, pic))
    return maze


def check_marks(ctx, pic, label):
    """S and G are blue, each inside its own cell, and nothing else in the square is blue."""
    s, g = mark_pixels(pic, START), mark_pixels(pic, GOAL)
    ctx.check(len(s) >= 10, f"{label}: only {len(s)} blue pixels in the start cell, no S", (label, pic))
    ctx.check(len(g) >= 10, f"{label}: only {len(g)} blue pixels in the goal cell, no G", (label, pic))
    ctx.check(s != g, f"{label}: the start and the goal cells carry the same blue letter", (label, pic))
    s_turn, g_turn = point_symmetry(s), point_symmetry(g)
    ctx.check(s_turn >= g_turn + 0.2, f"{label}: the letter in the start cell does not look like an S beside the "
              f"one in the goal cell (point symmetry {s_turn:.2f} against {g_turn:.2f})", (label, pic))
    # Each letter is printed 5 pixels right of and 2 below its cell's corner, so no ink lies above or left of that.
    for name, ink in (("S", s), ("G", g)):
        left, top = min(x for x, _ in ink), min(y for _, y in ink)
        ctx.check(left >= 5 and top >= 2, f"{label}: {name} has ink at ({left}, {top}) of its cell, left of or "
                                          f"above its print position (5, 2)", (label, pic))
    stray = blue_outside_marks(pic)
    ctx.check(not stray, f"{label}: blue pixels outside the S and G cells, e.g. {stray[:5]}", (label, pic))
    return s, g


def check_perfect(ctx, maze, pic, label):
    problems = maze.problems_as_perfect_maze()
    ctx.check(not problems, f"{label}: not a perfect maze: " + "; ".join(problems[:8]), (label, pic))


def build_maze(ctx, app, before, how="click", label="new maze"):
    """Builds a maze with a click on Command1 or with a key; returns the picture and the maze read from it."""
    if how == "click":
        app.click(COMMAND1)
    else:
        app.key(how)
    pic = settled(ctx, app, label, unlike=before)
    ctx.check(not red_anywhere(pic), f"{label}: the picture carries red", (label, pic))
    maze = check_maze_picture(ctx, pic, label)
    check_perfect(ctx, maze, pic, label)
    return pic, maze


class Sample:
    """One picture taken during a replay: how many cells of the route were red, and when.
    The picture was taken between `taken` and `done`."""

    def __init__(self, taken, done, length):
        self.taken = taken
        self.done = done
        self.length = length


def check_route_drawing(ctx, pic, cells, label):
    """The red line is exactly the 3-pixel route through the centres of the given cells, nowhere else."""
    red = red_pixels(pic)
    band = route_band(cells)
    extra, missing = sorted(red - band), sorted(band - red)
    ctx.check(not extra and not missing,
              f"{label}: the red line is not the 3-pixel route through the centres of its {len(cells)} cells: "
              f"{len(extra)} red pixels off it (e.g. {extra[:4]}), {len(missing)} of it not red (e.g. {missing[:4]})",
              (label, pic))


def watch_replay(ctx, app, path, since, label="replay", stop_at=None, timeout=None):
    """Grabs pictures until `stop_at` cells of the route are red (the whole route when not given).

    Every picture must show a beginning of the route, never shorter than the one before, and never
    more cells than ticks have passed since the click: tick k shows k cells. Now and then the red
    pixels themselves are compared with the route. Returns the samples and the last picture."""
    stop_at = len(path) if stop_at is None else stop_at
    timeout = timeout if timeout is not None else 3 * len(path) * TICK + 5
    samples = []
    previous, previous_pic = None, None
    while True:
        pic = ctx.grab(app, label)
        done = time.monotonic()
        red = red_cells(pic)
        length = prefix_length(red, path)
        ctx.check(length is not None, f"{label}: the red cells are not a beginning of the route from S to G "
                                      f"({len(red)} red cells, route of {len(path)})", (label, pic))
        sample = Sample(pic.taken, done, length)
        if previous is not None:
            ctx.check(length >= previous.length, f"{label}: the red route shrank from {previous.length} to "
                                                 f"{length} cells", ("before", previous_pic), (label, pic))
            # At most one tick per interval, and one more for a late tick followed by a punctual one.
            allowed = int((done - previous.taken) / TICK) + 2
            ctx.check(length - previous.length <= allowed,
                      f"{label}: the route grew by {length - previous.length} cells in {done - previous.taken:.3f} s, "
                      f"more than one cell per tick", ("before", previous_pic), (label, pic))
        allowed = int((done - since) / TICK) + 2
        ctx.check(length <= allowed, f"{label}: {length} cells red {done - since:.3f} s after the click, more than "
                                     f"one per tick", (label, pic))
        if length and (previous is None or length != previous.length) and (length <= 2 or length % 16 == 0):
            check_route_drawing(ctx, pic, path[:length], label)
        samples.append(sample)
        previous, previous_pic = sample, pic
        if length >= stop_at:
            return samples, pic
        ctx.check(done - since < timeout, f"{label}: only {length} of {len(path)} cells red after "
                                          f"{done - since:.1f} s", (label, pic))
        time.sleep(0.01)  # leave the program and the server some room on a small machine


def restarted_replay(ctx, app, path, since, shown, label):
    """After a click on Command2 while `shown` cells of the route are red: waits for the replay to begin
    again from S, then watches it to the end. Returns the samples and the last picture."""
    deadline = since + 5
    while True:
        pic = ctx.grab(app, label)
        length = prefix_length(red_cells(pic), path)
        ctx.check(length is not None, f"{label}: the red cells are not a beginning of the route", (label, pic))
        if length < shown:
            break
        ctx.check(time.monotonic() < deadline, f"a click on Command2 with {shown} cells red did not start the "
                  f"replay over", (label, pic))
        time.sleep(0.01)
    ctx.check(length <= int((time.monotonic() - since) / TICK) + 2,
              f"{label}: {length} cells red {time.monotonic() - since:.3f} s after the click; the replay did not "
              f"begin again from S", (label, pic))
    return watch_replay(ctx, app, path, since, label)


def replay_duration(samples, since):
    """From the click to the moment the whole route was first seen, between two grabs."""
    last = samples[-1]
    before = samples[-2].taken if len(samples) > 1 else since
    return (before + last.done) / 2 - since


def check_still(ctx, app, reference, seconds, label):
    """Nothing changes in the picture for the given time."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pic = ctx.grab(app, label)
        ctx.check(pic.same_outside_buttons(reference), f"{label}: the picture changed "
                  f"{pic.taken - reference.taken:.2f} s later, at {reference.differences_outside_buttons(pic, 5)}",
                  ("expected", reference), ("changed", pic))
        time.sleep(0.04)


ARROWS = {(1, 0): "Right", (-1, 0): "Left", (0, 1): "Down", (0, -1): "Up"}


def keys_along(path):
    """The arrow keys that walk a game's marker along a path of neighbouring cells."""
    return [ARROWS[(b[0] - a[0], b[1] - a[1])] for a, b in zip(path, path[1:])]
