"""The keyboard: Command1 has the focus at start, Space, Enter and Return press the focused button, Tab moves on.

There is no window manager to hand the window the keyboard focus, so each case gives it the
focus the way one would, and then types through XTest."""

import sys

import harness
from flows import build_maze, check_still, startup_picture, watch_replay


def space_on_command1_builds_maze(ctx):
    app = ctx.launch()
    pic = startup_picture(ctx, app)
    app.focus()
    build_maze(ctx, app, pic, how="space")


def tab_skips_disabled_command2(ctx):
    app = ctx.launch()
    pic = startup_picture(ctx, app)
    app.focus()
    # With Command2 disabled, Tab leads from Command1 back to Command1: Space still builds a maze.
    app.key("Tab")
    pic, _ = build_maze(ctx, app, pic, how="space", label="Space after Tab")
    check_still(ctx, app, pic, 0.5, "maze built with Space after Tab")


def tab_reaches_command2_and_space_replays(ctx):
    app = ctx.launch()
    pic = startup_picture(ctx, app)
    app.focus()
    pic, maze = build_maze(ctx, app, pic, how="space")
    path = maze.path()
    app.key("Tab")
    since = app.key("space")
    watch_replay(ctx, app, path, since, "replay started with Tab and Space", stop_at=4, timeout=5)


def enter_and_return_press_the_focused_button(ctx):
    app = ctx.launch()
    pic = startup_picture(ctx, app)
    app.focus()
    pic, maze = build_maze(ctx, app, pic, how="Return")
    pic, maze = build_maze(ctx, app, pic, how="KP_Enter", label="maze built with keypad Enter")
    app.key("Tab")
    since = app.key("Return")
    watch_replay(ctx, app, maze.path(), since, "replay started with Tab and Return", stop_at=4, timeout=5)


CASES = [
    ("space_on_command1_builds_maze", space_on_command1_builds_maze),
    ("tab_skips_disabled_command2", tab_skips_disabled_command2),
    ("tab_reaches_command2_and_space_replays", tab_reaches_command2_and_space_replays),
    ("enter_and_return_press_the_focused_button", enter_and_return_press_the_focused_button),
]

if __name__ == "__main__":
    sys.exit(harness.main("keyboard", CASES))
