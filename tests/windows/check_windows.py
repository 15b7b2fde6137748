"""The installed Windows program from the outside, under Wine: its version, the files --export
writes read back against the Debian build's, its messages in Japanese, and the window building and
solving a maze with its captions in a real Japanese font.

check_windows.py WINDOWS_EXE LINUX_PROGRAM WORKDIR   (DISPLAY and WINEPREFIX set by the caller)
"""

import fcntl
import os
import pty
import re
import select
import shutil
import struct
import subprocess
import sys
import termios
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
# Codes of words, pinned in the widget tests: their outlines are cut from DejaVu Sans Bold.
WORD_CODES = ["R0W7TO-A8FVN-014YG", "B0W7TO-VV6XB-HCRNZ", "R85W7TO-2ZBRM-177KJ"]
JAPANESE = {"LANG": "ja_JP.UTF-8", "LC_ALL": "ja_JP.UTF-8"}


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def run_windows(*args, env=None, encoding="utf-8", program=None):
    """The Windows program's status and output, which it writes to a pipe in UTF-8."""
    result = subprocess.run([WINE, program or exe, *args], capture_output=True, timeout=180, env=dict(os.environ, **(env or {})))
    decode = lambda b: b.decode(encoding, errors="replace").replace("\r\n", "\n")  # noqa: E731
    # Wine refuses per-monitor DPI awareness (version 2), which Windows 10 grants, and Qt says so.
    err = "".join(line for line in decode(result.stderr).splitlines(True) if "SetProcessDpiAwarenessContext" not in line)
    return result.returncode, decode(result.stdout), err


def run_in_console(*args, env=None, program=None):
    """The Windows program's status and what a console of Wine's own shows of its output, as text:
    run on a pseudo-terminal as wide as any line, as from cmd."""
    environment = dict(os.environ, **(env or {}))
    pid, fd = pty.fork()
    if pid == 0:
        fcntl.ioctl(0, termios.TIOCSWINSZ, struct.pack("HHHH", 50, 250, 0, 0))
        os.execve(WINE, [WINE, program or exe, *args], environment)
    shown = b""
    while select.select([fd], [], [], 120)[0]:
        try:
            data = os.read(fd, 65536)
        except OSError:  # the program has ended and its terminal is closed
            break
        if not data:
            break
        shown += data
    status = os.waitstatus_to_exitcode(os.waitpid(pid, 0)[1])
    os.close(fd)
    # Its lines as they stand: a move of the cursor to the right is as many blanks (the console
    # draws a run of them so), the other controls (the cursor shown, a line cleared) draw nothing.
    text = re.sub(r"\x1b\[(\d*)C", lambda m: " " * int(m.group(1) or 1), shown.decode("utf-8", errors="replace"))
    text = re.sub(r"\x1b\[[0-9;?]*[A-Za-z]|\x1b\][^\x07]*\x07", "", text)
    return status, text.replace("\r", "")


def run_linux(*args, env=None):
    environment = dict(os.environ, **(env or {}))
    environment.pop("DISPLAY", None)
    result = subprocess.run([linux, *args], capture_output=True, text=True, timeout=120, env=environment)
    return result.returncode, result.stdout, result.stderr


def version_and_help():
    status, out, err = run_windows("--version")
    expected = run_linux("--version")[1]
    check(status == 0 and out == expected and not err.strip(), f"--version: status {status}, {out!r} (Linux: {expected!r}), {err!r}")
    # Japanese texts, Tolvane's and Qt's own (the help's headings), found beside the program, every
    # character kept (〜 is in no ANSI code page): through a pipe, and on a console from either
    # program, Tolvane.com as cmd runs `Tolvane`.
    expected = run_linux("--help", env=JAPANESE)[1]
    status, out, err = run_windows("--help", env=JAPANESE)
    check(status == 0 and out == expected and "〜" in out, f"--help in Japanese through a pipe differs from Linux's: {out[:300]!r}")
    for program in (exe, exe[:-4] + ".com"):
        status, shown = run_in_console("--help", env=JAPANESE, program=program)
        check(status == 0 and shown == expected, f"{os.path.basename(program)} --help in Japanese on a console "
              f"differs from Linux's: status {status}, {shown[:300]!r}")


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
    # Alone in a folder named in Japanese, as a user's profile may be: the program it cannot
    # find is named whole, with the system's reason.
    alone = os.path.join(work, "迷路の部屋")
    os.makedirs(alone, exist_ok=True)
    shutil.copy(twin, alone)
    status, out, err = run_windows("--version", program=os.path.join(alone, "Tolvane.com"))
    check(status == 1 and len(err.strip().splitlines()) == 1 and f"{windows_path(alone)}\\Tolvane.exe: " in err,
          f"Tolvane.com without Tolvane.exe: status {status}, {err!r}")


def word_codes():
    """A word's code names the same maze as on Linux, with none of the Unix fonts that Wine would
    otherwise lend: only the Windows folder's (a Japanese face) and those the program brings."""
    bare = os.path.join(work, "no-fonts.conf")
    with open(bare, "w") as f:
        f.write('<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "fonts.dtd">\n<fontconfig></fontconfig>\n')
    for code in WORD_CODES:
        status, out, err = run_windows("--maze", code, "--facts", env={"FONTCONFIG_FILE": bare})
        expected = run_linux("--maze", code, "--facts")[1]
        check(status == 0 and out == expected and expected, f"--facts of the word code {code}: {out!r}, Linux: {expected!r}")


def held_open(path):
    """A Windows program that holds `path` open as an editor or a viewer does, until its input closes."""
    holder = os.path.join(work, "hold_file.exe")
    if not os.path.exists(holder):
        subprocess.run(["x86_64-w64-mingw32-gcc-posix", "-O2", "-municode", os.path.join(HERE, "hold_file.c"), "-o", holder],
                       check=True)
    process = subprocess.Popen([WINE, holder, windows_path(path)], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    check(process.stdout.readline().strip() == b"held", f"hold_file.exe could not hold {path}")
    return process


def failed_writes():
    """A write that fails on a full disk or over a file another program has open keeps the old
    file whole and leaves no other, with one line naming the file and why."""
    old = os.path.join(work, "old.pdf")
    check(run_windows("--maze", PINNED[0], "--export", windows_path(old))[0] == 0, "the first PDF")
    with open(old, "rb") as f:
        before = f.read()

    def kept(folder, name, status, err, why, what):
        path = os.path.join(folder, name)
        with open(path, "rb") as f:
            whole = f.read() == before
        lines = err.strip().splitlines()
        check(status == 1 and len(lines) == 1 and windows_path(path) in err and re.search(why, err, re.I)
              and whole and os.listdir(folder) == [name],
              f"{what}: status {status}, {err!r}, old file whole: {whole}, left: {os.listdir(folder)}")

    # A file system of 64 KB, which the 30 pages of mazes (some 150 KB) do not fit.
    small = os.path.join(work, "small")
    os.makedirs(small)
    if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", small], capture_output=True).returncode != 0:
        print("check_windows: no file system can be mounted here, so the full disk is not checked")
    else:
        try:
            shutil.copy(old, os.path.join(small, "sheet.pdf"))
            status, _, err = run_windows("--export", windows_path(os.path.join(small, "sheet.pdf")), "--count", "30", "--solution")
            kept(small, "sheet.pdf", status, err, "disk|space", "a full disk")
        finally:
            subprocess.run(["umount", small], check=True)

    held = os.path.join(work, "held")
    os.makedirs(held)
    shutil.copy(old, os.path.join(held, "sheet.pdf"))
    holder = held_open(os.path.join(held, "sheet.pdf"))
    try:
        status, _, err = run_windows("--export", windows_path(os.path.join(held, "sheet.pdf")), "--count", "2")
        kept(held, "sheet.pdf", status, err, "another program has it open", "a file open in another program")
    finally:
        holder.stdin.close()
        holder.wait()


def grab(window, scale=1):
    """The window's pixels; at a whole `scale` of 100 %, every scale-th one, which is the picture
    at 100 % when each of its pixels became a square of them."""
    ppm = subprocess.run(["import", "-window", str(window), "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
    pic = Picture.from_ppm(ppm)
    if scale == 1:
        return pic
    width, height, rgb = pic.width // scale, pic.height // scale, bytearray()
    for y in range(height):
        row = pic.rgb[3 * y * scale * pic.width:3 * (y * scale + 1) * pic.width]
        rgb += b"".join(row[i:i + 3] for i in range(0, 3 * width * scale, 3 * scale))
    grabbed = Picture(width, height, rgb)
    grabbed.full_size = (pic.width, pic.height)
    return grabbed


def click(window, point, scale=1):
    x, y = point[0] * scale, point[1] * scale
    subprocess.run(["xdotool", "mousemove", "--window", str(window), str(x), str(y), "click", "1"], check=True)


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


def the_window(scale=1):
    """制作 builds a perfect maze, 迷路を解く draws its route to G, and both captions are glyphs. At
    a `scale` of 2 (192 dots an inch) the window is twice as large, and its maze and route are the
    same, every line twice as thick. Returns the window's size in pixels."""
    name = "" if scale == 1 else f"-{scale}x"
    log = open(os.path.join(work, f"window{name}.log"), "wb")
    process = subprocess.Popen([WINE, exe], stdout=log, stderr=subprocess.STDOUT, env=dict(os.environ, **JAPANESE))
    size = None
    try:
        found = []

        def find():
            out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Tolvane$"], capture_output=True, text=True).stdout
            found[:] = out.split()
            return bool(found) or process.poll() is not None

        wait_until(find, 60, 0.2)
        check(bool(found), f"no window titled Tolvane (status {process.poll()})")
        if not found:
            return None
        window = found[0]
        time.sleep(2)
        first = grab(window, scale)
        first.save_png(os.path.join(work, f"window-start{name}.png"))
        size = getattr(first, "full_size", (first.width, first.height))
        click(window, centre_of(COMMAND1), scale)
        built = [None, None, None]

        def read_built():
            """The window's maze once it stands whole (the frame is there from the start)."""
            built[0] = grab(window, scale)
            maze, problems = read_maze(built[0])
            if scale > 1:  # S and G are drawn smoothly at twice the pixels, their edges in paler blues
                ends = [f"inside cell {START}", f"inside cell {GOAL}"]
                problems = [p for p in problems if not any(e in p and " is other " in p for e in ends)]
            built[1:] = [maze, problems]
            return not problems and not maze.problems_as_perfect_maze()

        wait_until(read_built, 20, 0.3)
        built[0].save_png(os.path.join(work, f"window-built{name}.png"))
        maze, problems = built[1], built[2]
        check(not problems and not maze.problems_as_perfect_maze(),
              f"制作{name}: not a perfect maze: {problems[:3] or maze.problems_as_perfect_maze()[:3]}")
        click(window, centre_of(COMMAND2), scale)
        goal = 17 * GOAL[0] + 8
        solved = [None]
        reached = wait_until(lambda: (solved.__setitem__(0, grab(window, scale)) or solved[0].kind(goal, goal) == "red"), 90, 0.5)
        time.sleep(0.5)
        solved[0] = grab(window, scale)
        solved[0].save_png(os.path.join(work, f"window-solved{name}.png"))
        route = set(maze.path() or [])
        check(reached and red_cells(solved[0]) == route,
              f"迷路を解く{name}: red in {len(red_cells(solved[0]))} cells, the route has {len(route)}")
        for caption, rect in (("制作", COMMAND1), ("迷路を解く", COMMAND2)) if scale == 1 else ():
            (ink, mass), expected = caption_ink(solved[0], rect), reference_ink(caption)
            # Wine draws the strokes lighter than FreeType does: about 60 % of the ink.
            check(0.4 * expected <= mass <= 1.8 * expected and boxes(ink) == 0,
                  f"{caption}: ink {mass:.0f} (VL Gothic draws {expected:.0f}), {boxes(ink)} glyphs look like boxes")
    finally:
        process.kill()
        process.wait()
        subprocess.run([WINE, "wineboot", "-k"], capture_output=True)
        log.close()
    return size


def set_dpi(dots):
    """The dots an inch of Wine's screen, as a user sets the scale in Display settings."""
    subprocess.run([WINE, "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                    "/d", str(dots), "/f"], capture_output=True, check=True)
    subprocess.run([WINE.replace("wine64", "wineserver64"), "-k"], capture_output=True)


def windows():
    """The window at 100 %, then at 200 %: the same window at twice the pixels."""
    normal = the_window()
    set_dpi(192)
    try:
        double = the_window(2)
    finally:
        set_dpi(96)
    check(normal and double and double == (2 * normal[0], 2 * normal[1]),
          f"at 200 % the window is {double} pixels, at 100 % {normal}")


if __name__ == "__main__":
    exe, linux, work = sys.argv[1], os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3])
    os.makedirs(work, exist_ok=True)
    for case in (version_and_help, same_files, word_codes, command_line_files, console_twin, failed_writes, windows):
        case()
    failures = check_export.failures
    print(f"check_windows: {'FAILED, ' + str(len(failures)) + ' checks' if failures else 'all checks passed'}")
    sys.exit(1 if failures else 0)
