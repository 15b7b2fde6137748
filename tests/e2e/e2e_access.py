"""What a screen reader finds: the two buttons with what they do, and the maze picture saying what it shows,
kept current during a replay with a few notices a second rather than one per tick; and a game played by
ear, every move spoken through the picture's name."""

import access  # first: it puts the test on a private session bus

import re
import sys
import time

import harness
from access import NAME_EVENT, Listener, Window, fresh, poll, pump
from flows import ARROWS, TICK, build_maze, keys_along, startup_picture
from picture import COMMAND1, COMMAND2

# Every description of a maze ends with its code.
CODE = r" Maze code [0-9A-Z]{5}-[0-9A-Z]{5}\."
DRAWING = re.compile(r"The route is being drawn: (\d+) of (\d+) cells\." + CODE)
REACHED = re.compile(r"The route reached G in (\d+) cells\." + CODE)
# A player who walks the route read off the screen takes the shortest route, and hears so.
REACHED_BY_HAND = re.compile(r"G reached in (\d+) moves, time [0-9:.]+: the shortest route\.")


def window_buttons_and_a_replay(ctx):
    app = ctx.launch()
    pic = startup_picture(ctx, app)
    window = Window(app.process)
    ctx.check(window.app.name == harness.TITLE and window.frame.name == harness.TITLE,
              f"the application is named {window.app.name!r}, its window {window.frame.name!r}")
    # An English voice cannot read the Japanese captions: the buttons are named in English.
    ctx.check([window.command1.name, window.command2.name] == ["New maze", "Solve the maze"],
              f"the buttons are named {window.command1.name!r} and {window.command2.name!r}")
    for button, does in ((window.command1, "Builds a new random maze."),
                         (window.command2, "Finds the route from S to G and draws it.")):
        ctx.check(button.description == does, f"{button.name}: description {button.description!r}")
    ctx.check(window.picture.name == "No maze yet" and "Press New maze" in window.description(),
              f"before any maze the picture says {window.picture.name!r}: {window.description()!r}")

    pic, maze = build_maze(ctx, app, pic)
    window.wait_description(lambda d: d.startswith("A maze of 21 by 21 cells") and "Press Solve the maze" in d, 5,
                            "a new maze is not described")

    listener = Listener(window.picture)
    since = app.click(COMMAND2)
    reached = window.wait_description(REACHED.fullmatch, 3 * len(maze.path()) * TICK + 10,
                                      "the route never reached G")
    took = time.monotonic() - since
    pump(1.0)  # notices still on the way
    listener.close()
    cells = int(REACHED.fullmatch(reached).group(1))
    ctx.check(cells == len(maze.path()), f"the picture says the route has {cells} cells; the maze drawn has a "
                                         f"route of {len(maze.path())} cells from S to G")

    said = [text for _, text in listener.seen]
    progress = [DRAWING.fullmatch(text) for text in said if DRAWING.fullmatch(text)]
    ctx.note(f"{len(said)} notices over a replay of {cells} ticks in {took:.1f} s")
    ctx.check(said and REACHED.fullmatch(said[-1]), f"the last notice is {said[-1:]!r}, not the arrival at G")
    ctx.check(len(progress) >= 2, f"only {len(progress)} progress notices during the replay: {said}")
    counts = [int(m.group(1)) for m in progress]
    ctx.check(counts == sorted(counts) and all(int(m.group(2)) == cells for m in progress),
              f"the progress notices do not count up to the route's {cells} cells: {said}")
    # A few a second: at most one per 0.4 s, plus the start and the end.
    ctx.check(len(said) <= took / 0.4 + 3 and len(said) < cells / 3,
              f"{len(said)} notices in {took:.1f} s of a replay of {cells} ticks: one per tick or close to it")

    # A new maze during the next replay says so at once.
    app.click(COMMAND2)
    window.wait_description(DRAWING.fullmatch, 5, "a second replay is not described")
    app.click(COMMAND1)
    window.wait_description(lambda d: d.startswith("A maze of 21 by 21 cells"), 5,
                            "a maze built during a replay is not described")


SIDES = (((-1, 0), "left"), ((1, 0), "right"), ((0, -1), "up"), ((0, 1), "down"))


def cell_words(maze, cell):
    """What the picture must say of a cell, worked out from the walls read off the screen."""
    near = set(maze.neighbours(cell))
    sides = [word for (dx, dy), word in SIDES if (cell[0] + dx, cell[1] + dy) in near]
    if len(sides) <= 1:
        return "dead end"
    listed = sides[0] if len(sides) == 1 else ", ".join(sides[:-1]) + " and " + sides[-1]
    return ("corridor" if len(sides) == 2 else "junction") + f": {listed} open"


def a_game_played_by_ear(ctx):
    app = ctx.launch()
    pic = startup_picture(ctx, app)
    window = Window(app.process)
    app.focus()
    pic, maze = build_maze(ctx, app, pic)
    path = maze.path()
    name = lambda: fresh(window.picture).name  # noqa: E731
    app.key("p")
    poll(lambda: name().startswith("Playing from S: " + cell_words(maze, path[0])), 5,
         f"P does not start a game by ear; the picture says {name()!r}")

    listener = Listener(window.picture, NAME_EVENT)
    # Into a wall of S: said as such; the same words again are spoken again.
    open_sides = set(maze.neighbours(path[0]))
    wall = next((d, word) for d, word in SIDES if (path[0][0] + d[0], path[0][1] + d[1]) not in open_sides)
    app.key(ARROWS[wall[0]])
    poll(lambda: name() == f"wall: no way {wall[1]}", 5, f"a move into a wall is said as {name()!r}")
    pump(0.5)  # notices still on the way
    heard = len(listener.seen)
    app.key(ARROWS[wall[0]])
    poll(lambda: len(listener.seen) > heard, 5, "a second move into the same wall was not spoken")

    # Step by step until a corridor and a junction have both been described (or G is near).
    steps = keys_along(path)
    kinds, taken = set(), 0
    while taken < len(steps) - 1 and kinds != {"corridor", "junction"}:
        app.key(steps[taken])
        taken += 1
        said = cell_words(maze, path[taken])
        poll(lambda: name() == said, 5, f"after {taken} moves the picture says {name()!r}, not {said!r}")
        kinds.add(said.split(":")[0])
    app.key("i")
    at = path[taken]
    where = f"Row {at[1] + 1}, column {at[0] + 1}, {taken} moves: {cell_words(maze, at)}"
    poll(lambda: name() == where, 5, f"I says {name()!r}, not {where!r}")
    app.key(*steps[taken:])
    reached = poll(lambda: REACHED_BY_HAND.fullmatch(name()), 10, f"no result at G; the picture says {name()!r}")
    listener.close()
    ctx.check(int(reached.group(1)) == len(path) - 1,
              f"at G the picture says {name()!r}; the route has {len(path)} cells, {len(path) - 1} moves")


def japanese_for_a_japanese_user(ctx):
    """A user whose first language is Japanese hears the window in Japanese; the captions and the
    title stay as they are in every language."""
    app = ctx.launch(env={"LANG": "ja_JP.UTF-8", "LANGUAGE": "ja"})
    startup_picture(ctx, app)
    window = Window(app.process)
    ctx.check(window.picture.name == "迷路はまだありません"
              and window.command1.description == "新しい迷路をランダムに作ります。",
              f"in Japanese the picture is named {window.picture.name!r}, 制作 is described as "
              f"{window.command1.description!r}")
    ctx.check([window.frame.name, window.command1.name, window.command2.name] == [harness.TITLE, "制作", "迷路を解く"],
              f"in Japanese the window and its buttons are named {window.frame.name!r}, {window.command1.name!r}, "
              f"{window.command2.name!r}")


CASES = [
    ("window_buttons_and_a_replay", window_buttons_and_a_replay),
    ("a_game_played_by_ear", a_game_played_by_ear),
    ("japanese_for_a_japanese_user", japanese_for_a_japanese_user),
]

if __name__ == "__main__":
    sys.exit(harness.main("access", CASES))
