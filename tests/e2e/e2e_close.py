"""Closing the window, as a window manager asks for it or with Ctrl+Q, ends Tolvane with status 0 in any state."""

import sys

import harness
from flows import build_maze, startup_picture, watch_replay
from picture import COMMAND2


def close_and_expect_clean_exit(ctx, app, state, close=None):
    (close or app.send_delete_window)()
    status = app.wait_exit(timeout=10)
    ctx.check(status is not None, f"{state}: Tolvane still runs 10 s after its window was asked to close")
    ctx.check(status == 0, f"{state}: Tolvane ended with status {status} after its window was closed; "
                           f"output: {app.output().strip()!r}")
    ctx.check(not ctx.server.windows_titled(harness.TITLE), f"{state}: a window titled Tolvane is still shown")


def frame_only(ctx):
    app = ctx.launch()
    startup_picture(ctx, app)
    close_and_expect_clean_exit(ctx, app, "frame only")


def mid_replay(ctx):
    app = ctx.launch()
    pic, maze = build_maze(ctx, app, startup_picture(ctx, app))
    since = app.click(COMMAND2)
    watch_replay(ctx, app, maze.path(), since, stop_at=5)
    close_and_expect_clean_exit(ctx, app, "mid-replay")


def ctrl_q_mid_replay(ctx):
    app = ctx.launch()
    pic, maze = build_maze(ctx, app, startup_picture(ctx, app))
    since = app.click(COMMAND2)
    watch_replay(ctx, app, maze.path(), since, stop_at=5)
    app.focus()
    close_and_expect_clean_exit(ctx, app, "Ctrl+Q mid-replay", lambda: app.key("ctrl+q"))


CASES = [
    ("frame_only", frame_only),
    ("mid_replay", mid_replay),
    ("ctrl_q_mid_replay", ctrl_q_mid_replay),
]

if __name__ == "__main__":
    sys.exit(harness.main("close", CASES))
