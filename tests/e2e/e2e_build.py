"""Clicks on Command1: each draws a new perfect maze, read back from the window's pixels."""

import sys

import harness
from flows import build_maze, check_marks, startup_picture


def clicks_build_new_perfect_mazes(ctx):
    app = ctx.launch()
    pic = startup_picture(ctx, app)
    marks = check_marks(ctx, pic, "start-up")
    mazes = []
    for n in range(1, 4):
        pic, maze = build_maze(ctx, app, pic)
        ctx.check(check_marks(ctx, pic, f"maze {n}") == marks, f"maze {n}: S or G look different from start-up",
                  (f"maze-{n}", pic))
        ctx.check(all(maze != m for m in mazes), f"click {n} on Command1 gave a maze shown before",
                  (f"maze-{n}", pic))
        mazes.append(maze)
        path = maze.path()
        ctx.note(f"maze {n}: route of {len(path)} cells")


CASES = [
    ("clicks_build_new_perfect_mazes", clicks_build_new_perfect_mazes),
]

if __name__ == "__main__":
    sys.exit(harness.main("build", CASES))
