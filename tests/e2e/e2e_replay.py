"""A click on Command2: the red route grows one cell per tick along the maze's one path from S to G, then stops."""

import sys

import harness
from flows import (TICK, build_maze, check_maze_picture, check_route_drawing, check_still, replay_duration,
                   restarted_replay, startup_picture, watch_replay)
from picture import COMMAND2


def check_finished(ctx, app, samples, final, path, maze, since, label):
    """The replay showed the route growing, took about one tick per cell, and ended on the whole route."""
    between = sorted({s.length for s in samples} - {0, len(path)})
    ctx.check(len(between) >= 3, f"{label}: the route was seen at only {len(between)} lengths between none and "
              f"all of its {len(path)} cells; it should grow cell by cell", (label, final))
    ctx.check(check_maze_picture(ctx, final, label) == maze, f"{label}: the walls changed during the replay",
              (label, final))
    check_route_drawing(ctx, final, path, label)

    # Tick k shows k cells of the route, so the last of its cells comes with tick len(path).
    duration = replay_duration(samples, since)
    expected = len(path) * TICK
    ctx.note(f"{label}: route of {len(path)} cells whole after {duration:.3f} s; {len(path)} ticks take "
             f"{expected:.3f} s (ratio {duration / expected:.2f}); {len(samples)} pictures")
    ctx.check(0.6 * expected <= duration <= 3 * expected,
              f"{label}: {len(path)} ticks took {duration:.3f} s, expected about {expected:.3f} s", (label, final))

    # The last tick stopped the timer: the finished replay stands still.
    check_still(ctx, app, ctx.grab(app, "finished"), 1.0, f"{label} finished")


def replay_to_the_end(ctx):
    app = ctx.launch()
    pic, maze = build_maze(ctx, app, startup_picture(ctx, app))
    path = maze.path()
    since = app.click(COMMAND2)
    samples, final = watch_replay(ctx, app, path, since)
    check_finished(ctx, app, samples, final, path, maze, since, "replay")
    return app, maze, path


def route_grows_to_goal_and_stops(ctx):
    replay_to_the_end(ctx)


def command2_after_finish_starts_over(ctx):
    app, maze, path = replay_to_the_end(ctx)
    since = app.click(COMMAND2)
    samples, final = restarted_replay(ctx, app, path, since, len(path), "second replay")
    check_finished(ctx, app, samples, final, path, maze, since, "second replay")


CASES = [
    ("route_grows_to_goal_and_stops", route_grows_to_goal_and_stops),
    ("command2_after_finish_starts_over", command2_after_finish_starts_over),
]

if __name__ == "__main__":
    sys.exit(harness.main("replay", CASES))
