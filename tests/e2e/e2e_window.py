"""The window as it opens: title, size, fixed border, the start-up picture, and Command2 still off."""

import re
import sys
import time

import harness
from flows import check_maze_picture, check_marks, startup_picture
from maze import is_frame, red_anywhere
from picture import CLIENT_HEIGHT, CLIENT_WIDTH, COMMAND2


def title_size_and_hints(ctx):
    app = ctx.launch()
    for name in ("WM_NAME", "_NET_WM_NAME"):
        text = app.prop(name)
        ctx.check(text.strip().endswith('= "Tolvane"'), f"{name} is not \"Tolvane\": {text.strip()}")
    pid = app.prop("_NET_WM_PID")
    ctx.check(pid.strip().endswith(f"= {app.process.pid}"), f"the window titled Tolvane is not ours: {pid.strip()}")

    geometry = app.geometry()
    ctx.check((geometry["width"], geometry["height"]) == (CLIENT_WIDTH, CLIENT_HEIGHT),
              f"client area {geometry['width']}x{geometry['height']}, expected {CLIENT_WIDTH}x{CLIENT_HEIGHT}")

    # A window manager lets the edges be dragged unless the smallest and the largest size agree.
    hints = app.prop("WM_NORMAL_HINTS")
    smallest = re.search(r"minimum size: (\d+) by (\d+)", hints)
    largest = re.search(r"maximum size: (\d+) by (\d+)", hints)
    ctx.check(smallest and largest, f"WM_NORMAL_HINTS give no minimum and maximum size: {hints.strip()}")
    size = (str(CLIENT_WIDTH), str(CLIENT_HEIGHT))
    ctx.check(smallest.groups() == size and largest.groups() == size,
              f"the window can be resized: minimum {smallest.groups()}, maximum {largest.groups()}")

    protocols = app.prop("WM_PROTOCOLS")
    ctx.check("WM_DELETE_WINDOW" in protocols, f"the window does not take close requests: {protocols.strip()}")


def startup_frame_with_marks(ctx):
    app = ctx.launch()
    pic = startup_picture(ctx, app)
    maze = check_maze_picture(ctx, pic, "start-up")
    open_frame = [e for e, wall in maze.walls.items() if is_frame(e) and not wall]
    inner = [e for e, wall in maze.walls.items() if not is_frame(e) and wall]
    ctx.check(not open_frame, f"start-up: the frame is open at {open_frame[:5]}", ("start-up", pic))
    ctx.check(not inner, f"start-up: {len(inner)} inner walls, e.g. {inner[:5]}", ("start-up", pic))
    # The frame's lines are the first and the last pixel rows and columns of the square.
    for name, pixels in (("top", [(x, 0) for x in range(358)]), ("bottom", [(x, 357) for x in range(358)]),
                         ("left", [(0, y) for y in range(358)]), ("right", [(357, y) for y in range(358)])):
        gaps = [p for p in pixels if pic.kind(*p) != "black"]
        ctx.check(not gaps, f"start-up: the {name} line of the frame has gaps at {gaps[:5]}", ("start-up", pic))
    check_marks(ctx, pic, "start-up")
    ctx.check(not red_anywhere(pic), "start-up: red on the window", ("start-up", pic))


def command2_ignored_before_first_maze(ctx):
    app = ctx.launch()
    before = startup_picture(ctx, app)
    app.click(COMMAND2)
    deadline = time.monotonic() + 0.6  # a dozen ticks, had a replay started
    while time.monotonic() < deadline:
        pic = ctx.grab(app, "after-click")
        ctx.check(not red_anywhere(pic), "a click on the disabled Command2 started a replay",
                  ("before", before), ("after", pic))
        ctx.check(pic.same_outside_buttons(before), "a click on the disabled Command2 changed the picture at "
                  f"{before.differences_outside_buttons(pic, 5)}", ("before", before), ("after", pic))
        time.sleep(0.05)


CASES = [
    ("title_size_and_hints", title_size_and_hints),
    ("startup_frame_with_marks", startup_frame_with_marks),
    ("command2_ignored_before_first_maze", command2_ignored_before_first_maze),
]

if __name__ == "__main__":
    sys.exit(harness.main("window", CASES))
