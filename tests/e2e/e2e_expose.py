"""Hiding the window, by unmapping it or by covering it, and showing it again leaves its picture as it was."""

import sys

import harness
from flows import build_maze, restored, settled, startup_picture, watch_replay
from picture import COMMAND2


def hide_and_show(ctx, app, reference, state):
    """Unmaps and maps the window, then covers and uncovers it; after each the picture is the same as before."""
    app.unmap()
    ctx.check(app.geometry()["map_state"] == "IsUnMapped", f"{state}: the window did not go away when unmapped")
    app.map()
    restored(ctx, app, reference, f"{state} unmapped and mapped")

    uncover = app.cover()
    try:
        covered = app.grab_screen_over_window()
    finally:
        uncover()
    # Had the cover not shown over the window, the check after it would prove nothing.
    ctx.check(all(covered.pixel(x, y) == app.COVER for x in (0, 200, 463) for y in (0, 200, 357)),
              f"{state}: the covering window did not cover Tolvane", ("covered", covered))
    restored(ctx, app, reference, f"{state} covered and uncovered")


def frame_only(ctx):
    app = ctx.launch()
    hide_and_show(ctx, app, startup_picture(ctx, app), "frame only")


def maze_built(ctx):
    app = ctx.launch()
    pic, _ = build_maze(ctx, app, startup_picture(ctx, app))
    hide_and_show(ctx, app, pic, "maze built")


def replay_finished(ctx):
    app = ctx.launch()
    pic, maze = build_maze(ctx, app, startup_picture(ctx, app))
    since = app.click(COMMAND2)
    watch_replay(ctx, app, maze.path(), since)
    hide_and_show(ctx, app, settled(ctx, app, "finished"), "replay finished")


CASES = [
    ("frame_only", frame_only),
    ("maze_built", maze_built),
    ("replay_finished", replay_finished),
]

if __name__ == "__main__":
    sys.exit(harness.main("expose", CASES))
