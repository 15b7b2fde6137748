"""The installed Windows program from the outside, under Wine: its version, the files --export
writes read back against the Debian build's, its messages in Japanese, and the window building and
solving a maze with its captions in a real Japanese font.

check_windows.py WINDOWS_EXE LINUX_PROGRAM WORKDIR   (DISPLAY and WINEPREFIX set by the caller)
"""

import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
sys.path.insert(0, os.path.join(HERE, "..", "export"))
import check_export  # noqa: E402
from check_export import check, frames, page, png_picture, read_frame, read_page, svg_picture  # noqa: E402
from harness import wait_until  # noqa: E402
from maze import read_maze, red_cells  # noqa: E402
from picture import COMMAND1, COMMAND2, GOAL, SIDE, START, Picture, centre_of  # noqa: E402

WINE = os.environ.get("WINE", "/usr/lib/wine/wine64")
# The codes whose mazes are pinned in the unit tests.
PINNED = ["00000-00000", "ZZZZZ-ZZZZX", "3F7KQ-M2XWA", "T0LVA-NE01R", "8H4Q2-RDEYZ"]
JAPANESE = {"LANG": "ja_JP.UTF-8", "LC_ALL": "ja_JP.UTF-8"}


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def run_windows(*args, env=None, encoding="ascii", program=None):
    """The Windows program's status and output; it writes in the ANSI code page of its locale."""
    result = subprocess.run([WINE, program or exe, *args], capture_output=True, timeout=180, env=dict(os.environ, **(env or {})))
    decode = lambda b: b.decode(encoding, errors="replace").replace("\r\n", "\n")  # noqa: E731
    # Wine refuses per-monitor DPI awareness (version 2), which Windows 10 grants, and Qt says so.
    err = "".join(line for line in decode(result.stderr).splitlines(True) if "SetProcessDpiAwarenessContext" not in line)
    return result.returncode, decode(result.stdout), err


def run_linux(*args, env=None):
    environment = dict(os.environ, **(env or {}))
    environment.pop("DISPLAY", None)
    result = subprocess.run([linux, *args], capture_output=True, text=True, timeout=120, env=environment)
    return result.returncode, result.stdout, result.stderr


def version_and_help():
    status, out, err = run_windows("--version")
    expected = run_linux("--version")[1]
    check(status == 0 and out == expected and not err.strip(), f"--version: status {status}, {out!r} (Linux: {expected!r}), {err!r}")
    # Japanese texts, Tolvane's and Qt's own (the help's headings), found beside the program.
    status, out, err = run_windows("--help", env=JAPANESE, encoding="cp932")
    expected = run_linux("--help", env=JAPANESE)[1]
    check(status == 0 and out == expected and "迷路" in out, f"--help in Japanese differs from Linux's: {out[:300]!r}")


def same_files():
    """Each pinned code as PNG, SVG and PDF, with and without the route: the same walls and the
    same red cells as the Debian build's file, and the red cells the maze's own route."""
    identical = 0
    for code in PINNED:
        for suffix in ("png", "svg", "pdf"):
            for solution in (True, False):
                name = f"{code}{'-solved' if solution else ''}.{suffix}"
                mine, theirs = os.path.join(work, "win-" + name), os.path.join(work, "linux-" + name)
                extra = ["--solution"] if solution else []
                status, _, err = run_windows("--maze", code, "--export", windows_path(mine), *extra)
                check(status == 0 and not err.strip() and os.path.exists(mine), f"{name}: status {status}, {err!r}")
                check(run_linux("--maze", code, "--export", theirs, *extra)[0] == 0, f"{name}: the Linux build failed")
                if not os.path.exists(mine):
                    continue
                shown = []
                for path in (mine, theirs):
                    if suffix == "png":
                        with open(path, "rb") as f:
                            shown.append(png_picture(f.read()))
                    elif suffix == "svg":
                        shown.append(svg_picture(path))
                    else:  # with the route, its answer key follows the maze, on the last page
                        shown.append(page(path, check_export.page_count(path)))
                if suffix == "pdf":  # the maze under its caption on a page
                    (maze, red), (linux_maze, linux_red) = (read_frame(pic, *frames(pic)[0], SIDE, SIDE) for pic in shown)
                    bare = set()
                else:
                    (maze, red, bare, _), (linux_maze, linux_red, _, _) = read_page(shown[0]), read_page(shown[1])
                route = set(maze.path() or []) if solution else set()
                ends = {START, GOAL}  # on paper S and G lie over the route
                check(maze == linux_maze and not maze.problems_as_perfect_maze(), f"{name}: not the Linux build's maze")
                check(red - ends == linux_red - ends == route - ends and not bare,
                      f"{name}: red in {len(red)} cells (Linux {len(linux_red)}), the route has {len(route)}")
                if suffix == "png" and shown[0].rgb == shown[1].rgb:
                    identical += 1
    print(f"check_windows: {identical} of {2 * len(PINNED)} PNGs the same as Linux's pixel for pixel")


def command_line_files():
    """A file name outside the ANSI code page, and a folder that does not exist."""
    path = os.path.join(work, "迷路.png")
    status, _, err = run_windows("--export", windows_path(path))
    check(status == 0 and os.path.exists(path), f"export to {path}: status {status}, {err!r}")
    missing = os.path.join(work, "no-such-folder", "maze.png")
    status, out, err = run_windows("--export", windows_path(missing))
    check(status == 1 and len(err.strip().splitlines()) == 1 and "no-such-folder" in err and not os.path.exists(missing),
          f"export into a missing folder: status {status}, {err!r}")


def console_twin():
    """Tolvane.com, which cmd and PowerShell wait for, passes the options, the output and the status."""
    twin = exe[:-4] + ".com"
    status, out, err = run_windows("--version", program=twin)
    check(status == 0 and out == run_linux("--version")[1], f"Tolvane.com --version: status {status}, {out!r}, {err!r}")
    missing = os.path.join(work, "no-such-folder", "maze.pdf")
    status, out, err = run_windows("--export", windows_path(missing), "--count", "2", program=twin)
    check(status == 1 and len(err.strip().splitlines()) == 1 and "no-such-folder" in err and not out,
          f"Tolvane.com, export into a missing folder: status {status}, {err!r}")


def grab(window):
    ppm = subprocess.run(["import", "-window", str(window), "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
    return Picture.from_ppm(ppm)


def click(window, point):
    subprocess.run(["xdotool", "mousemove", "--window", str(window), str(point[0]), str(point[1]), "click", "1"], check=True)


def caption_ink(pic, rect):
    """The inked pixels inside a button, as (x, y) from its corner, and their ink summed (a black
    pixel counts 1, a grey one of antialiased text less)."""
    left, top, width, height = rect
    ink, mass = set(), 0.0
    for y in range(top + 3, top + height - 3):
        for x in range(left + 3, left + width - 3):
            grey = sum(pic.pixel(x, y)) / 3
            if grey < 200:
                ink.add((x - left, y - top))
                mass += (255 - grey) / 255
    return ink, mass


def reference_ink(text):
    """The ink of the caption drawn by PIL in VL Gothic at the window's 12 pixels: what real glyphs take."""
    from PIL import Image, ImageDraw, ImageFont
    font = ImageFont.truetype("/usr/share/fonts/truetype/vlgothic/VL-Gothic-Regular.ttf", 12)
    image = Image.new("L", (120, 30), 255)
    ImageDraw.Draw(image).text((4, 8), text, font=font, fill=0)
    return sum((255 - value) / 255 for value in image.getdata() if value < 200)


def boxes(ink):
    """How many of the caption's glyphs look like the hollow box of a missing glyph: split at empty
    columns, a part whose ink lies all on its bounding rectangle."""
    columns = sorted({x for x, _ in ink})
    parts, current = [], [columns[0]] if columns else []
    for x in columns[1:]:
        if x == current[-1] + 1:
            current.append(x)
        else:
            parts.append(current)
            current = [x]
    parts.append(current) if current else None
    hollow = 0
    for part in parts:
        points = [(x, y) for x, y in ink if part[0] <= x <= part[-1]]
        ys = [y for _, y in points]
        top, bottom = min(ys), max(ys)
        inside = [p for p in points if part[0] < p[0] < part[-1] and top < p[1] < bottom]
        if len(part) >= 6 and bottom - top >= 6 and not inside:
            hollow += 1
    return hollow


def the_window():
    """制作 builds a perfect maze, 迷路を解く draws its route to G, and both captions are glyphs."""
    log = open(os.path.join(work, "window.log"), "wb")
    process = subprocess.Popen([WINE, exe], stdout=log, stderr=subprocess.STDOUT, env=dict(os.environ, **JAPANESE))
    try:
        found = []

        def find():
            out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Tolvane$"], capture_output=True, text=True).stdout
            found[:] = out.split()
            return bool(found) or process.poll() is not None

        wait_until(find, 60, 0.2)
        check(bool(found), f"no window titled Tolvane (status {process.poll()})")
        if not found:
            return
        window = found[0]
        time.sleep(2)
        first = grab(window)
        first.save_png(os.path.join(work, "window-start.png"))
        click(window, centre_of(COMMAND1))
        built = [None]
        wait_until(lambda: (built.__setitem__(0, grab(window)) or built[0].kind(357, 357) == "black"), 20, 0.3)
        built[0].save_png(os.path.join(work, "window-built.png"))
        maze, problems = read_maze(built[0])
        check(not problems and not maze.problems_as_perfect_maze(), f"制作: not a perfect maze: {problems[:3]}")
        click(window, centre_of(COMMAND2))
        goal = 17 * GOAL[0] + 8
        solved = [None]
        reached = wait_until(lambda: (solved.__setitem__(0, grab(window)) or solved[0].kind(goal, goal) == "red"), 90, 0.5)
        time.sleep(0.5)
        solved[0] = grab(window)
        solved[0].save_png(os.path.join(work, "window-solved.png"))
        route = set(maze.path() or [])
        check(reached and red_cells(solved[0]) == route, f"迷路を解く: red in {len(red_cells(solved[0]))} cells, the route has {len(route)}")
        for caption, rect in (("制作", COMMAND1), ("迷路を解く", COMMAND2)):
            (ink, mass), expected = caption_ink(solved[0], rect), reference_ink(caption)
            # Wine draws the strokes lighter than FreeType does: about 60 % of the ink.
            check(0.4 * expected <= mass <= 1.8 * expected and boxes(ink) == 0,
                  f"{caption}: ink {mass:.0f} (VL Gothic draws {expected:.0f}), {boxes(ink)} glyphs look like boxes")
    finally:
        process.kill()
        process.wait()
        subprocess.run([WINE, "wineboot", "-k"], capture_output=True)
        log.close()


if __name__ == "__main__":
    exe, linux, work = sys.argv[1], os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3])
    os.makedirs(work, exist_ok=True)
    for case in (version_and_help, same_files, command_line_files, console_twin, the_window):
        case()
    failures = check_export.failures
    print(f"check_windows: {'FAILED, ' + str(len(failures)) + ' checks' if failures else 'all checks passed'}")
    sys.exit(1 if failures else 0)
