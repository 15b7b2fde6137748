"""Both buttons work during a replay: Command1 stops it for a new maze, Command2 starts it over."""

import sys

import harness
from flows import (TICK, build_maze, check_maze_picture, check_perfect, check_route_drawing, check_still,
                   replay_duration, restarted_replay, settled, startup_picture, watch_replay)
from maze import red_anywhere
from picture import COMMAND1, COMMAND2


def replay_under_way(ctx, app, cells):
    """Builds a maze, starts its replay and waits until `cells` cells of the route are red."""
    pic = startup_picture(ctx, app)
    pic, maze = build_maze(ctx, app, pic)
    path = maze.path()
    since = app.click(COMMAND2)
    samples, pic = watch_replay(ctx, app, path, since, stop_at=cells)
    return maze, path, samples[-1], pic


def command1_mid_replay_shows_new_maze_without_route(ctx):
    app = ctx.launch()
    maze, path, during, during_pic = replay_under_way(ctx, app, 8)
    app.click(COMMAND1)
    pic = settled(ctx, app, "new-maze", unlike=during_pic)
    ctx.check(not red_anywhere(pic), "the new maze carries red: the replay goes on", ("new-maze", pic))
    # No later tick draws the old route over the new maze: the replay has stopped.
    check_still(ctx, app, pic, 1.0, "new maze after the interrupted replay")
    new_maze = check_maze_picture(ctx, pic, "new maze")
    check_perfect(ctx, new_maze, pic, "new maze")
    ctx.check(new_maze != maze, "Command1 during the replay did not change the maze", ("new-maze", pic))


def command2_mid_replay_starts_over(ctx):
    app = ctx.launch()
    maze, path, during, during_pic = replay_under_way(ctx, app, 15)
    since = app.click(COMMAND2)
    samples, final = restarted_replay(ctx, app, path, since, during.length, "restarted replay")
    ctx.note(f"replay with {during.length} of {len(path)} cells red started over; whole again "
             f"{samples[-1].done - since:.3f} s after the click ({len(path)} ticks: {len(path) * TICK:.3f} s)")
    ctx.check(0.6 * len(path) * TICK <= replay_duration(samples, since) <= 3 * len(path) * TICK,
              "the restarted replay did not take one tick per cell from S", ("final", final))
    ctx.check(check_maze_picture(ctx, final, "restarted replay") == maze, "the maze changed when the replay restarted",
              ("during", during_pic), ("final", final))
    check_route_drawing(ctx, final, path, "restarted replay")
    check_still(ctx, app, ctx.grab(app, "finished"), 0.5, "finished replay")


CASES = [
    ("command1_mid_replay_shows_new_maze_without_route", command1_mid_replay_shows_new_maze_without_route),
    ("command2_mid_replay_starts_over", command2_mid_replay_starts_over),
]

if __name__ == "__main__":
    sys.exit(harness.main("interrupt", CASES))
