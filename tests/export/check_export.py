"""The command line from the outside: the files --export writes, read back, help without a
display, and how a wrong command fails.

check_export.py PROGRAM WORKDIR
"""

import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
from maze import Maze, all_edges  # noqa: E402
from picture import LAST as SQUARE, SIDE, Picture  # noqa: E402

CODE = "3F7KQ-M2XWA"
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def run(*args, env=None):
    result = subprocess.run([program, *args], capture_output=True, text=True, timeout=120, env=env)
    return result.returncode, result.stdout, result.stderr


def page(pdf, number, dpi=150):
    """Page `number` of a PDF as a picture."""
    ppm = subprocess.run(["pdftoppm", "-r", str(dpi), "-f", str(number), "-l", str(number), pdf],
                         capture_output=True, check=True).stdout
    return Picture.from_ppm(ppm)


def read_page(pic):
    """The maze and the cells whose centre is red, read from a page: the frame's top-left corner is
    the first black pixel, its width the black run from there."""
    first = next(i for i in range(pic.width * pic.height) if pic.kind(i % pic.width, i // pic.width) == "black")
    left, top = first % pic.width, first // pic.width
    right = left
    while pic.kind(right + 1, top) == "black":
        right += 1
    return read_frame(pic, left, top, right, SIDE, SIDE)


def read_frame(pic, left, top, right, width, height):
    """The maze of width x height cells whose frame's top line runs from (left, top) to (right, top),
    and the cells whose centre is red. A maze fills the window's 357-unit square with whole cells,
    or takes 4 units a cell where those would be fewer; a wall is one unit."""
    cell = SQUARE // max(width, height)
    cell = cell if cell >= 4 else 4
    unit = (right + 1 - left) / (cell * width + 1)

    def at(x, y):
        return pic.kind(int(left + (x + 0.5) * unit), int(top + (y + 0.5) * unit))

    def wall(x, y):  # a line one unit wide, found within a pixel of where it should be
        px, py = int(left + (x + 0.5) * unit), int(top + (y + 0.5) * unit)
        return any(max(pic.pixel(px + dx, py + dy)) <= 128 for dx in (-1, 0, 1) for dy in (-1, 0, 1))

    walls = {}
    for edge in all_edges(width, height):
        side, x, y = edge
        point = (cell * (x + 1), cell * y + cell // 2) if side == "right" else (cell * x + cell // 2, cell * (y + 1))
        walls[edge] = wall(*point)
    red = {(x, y) for x in range(width) for y in range(height) if at(cell * x + cell // 2, cell * y + cell // 2) == "red"}
    return Maze(walls, width, height), red


def frames(pic):
    """The top-left corner and right end of every maze frame on a page, in reading order: the
    longest black lines that a black line of the same length runs down from (the mazes of a
    page are all of one size)."""
    dark = bytes(1 if max(pic.rgb[i:i + 3]) <= 128 else 0 for i in range(0, len(pic.rgb), 3))
    found = []
    for y in range(1, pic.height):
        row = dark[y * pic.width:(y + 1) * pic.width]
        for run in re.finditer(b"\x01{30,}", row):
            x0, x1 = run.start(), run.end() - 1
            above = dark[(y - 1) * pic.width + x0:(y - 1) * pic.width + x1]
            down = all(any(dark[(y + k) * pic.width + x0 - 1:(y + k) * pic.width + x0 + 2])
                       for k in range(0, min((x1 - x0) * 9 // 10, pic.height - y)))
            if not any(above) and down and x1 - x0 < pic.height - y and not any(
                    abs(x0 - fx) <= 3 and abs(y - fy) <= 3 for fx, fy, _ in found):
                found.append((x0, y, x1))
    longest = max((x1 - x0 for x0, _, x1 in found), default=0)
    return [f for f in found if f[2] - f[0] >= longest - 2]


def text_of(pdf, number):
    return subprocess.run(["pdftotext", "-f", str(number), "-l", str(number), pdf, "-"], capture_output=True,
                          text=True, check=True).stdout


def page_count(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    found = re.search(r"Pages:\s+(\d+)", info)
    return int(found.group(1)) if found else 0


def numbered_codes(text):
    """Number -> (width, height, code) of every maze caption on a page."""
    return {int(n): (int(w), int(h), f"{w}x{h}-{code}")
            for n, w, h, code in re.findall(r"(\d+)\.\s+(\d+)x(\d+)-(\S+)", text)}


def worksheets(work):
    # A class set: five level-1 mazes, four to a page, a title, and the answer key.
    pdf = os.path.join(work, "sheets.pdf")
    status, _, err = run("--export", pdf, "--count", "5", "--level", "1", "--per-page", "4", "--solution",
                         "--title", "Room 4 mazes", "--paper", "letter")
    check(status == 0 and not err, f"a class set: status {status}, stderr {err!r}")
    check(page_count(pdf) == 4, f"5 mazes four to a page and their answers make {page_count(pdf)} pages, not 4")
    check("612 x 792" in subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout, "not on Letter")
    texts = [text_of(pdf, n) for n in range(1, 5)]
    for n, text in enumerate(texts, 1):
        check("Room 4 mazes" in text and f"Page {n} of 4" in text, f"page {n} lacks the title or its number")
        puzzle_page = n <= 2
        check(("Name" in text and "Date" in text) == puzzle_page, f"page {n}: the name line is wrong")
        check(("Answer key" in text) != puzzle_page, f"page {n}: the answer key heading is wrong")
    routes = [int(r) for r in re.findall(r"Level 1 · route (\d+) cells", texts[0] + texts[1])]
    check(len(routes) == 5 and all(15 <= r <= 19 for r in routes), f"level 1 routes outside 15..19: {routes}")
    puzzles = {**numbered_codes(texts[0]), **numbered_codes(texts[1])}
    answers = {**numbered_codes(texts[2]), **numbered_codes(texts[3])}
    check(sorted(puzzles) == [1, 2, 3, 4, 5] and puzzles == answers, f"puzzles {puzzles} and answers {answers} differ")
    check(len({code for _, _, code in puzzles.values()}) == 5, "a class set repeats a maze")

    # The mazes of page 1 and the answers of page 3 read back: same mazes, each answer's route its own.
    shown = {}
    for number, (n, kind) in ((1, (1, "puzzle")), (3, (1, "answer"))):
        pic = page(pdf, number, 200)
        corners = frames(pic)
        check(len(corners) == 4, f"page {number} shows {len(corners)} mazes, not 4")
        for i, (x0, y0, x1) in enumerate(corners[:4]):
            w, h, _ = puzzles.get(n + i, (8, 8, ""))
            shown[(kind, n + i)] = read_frame(pic, x0, y0, x1, w, h)
    for i in range(1, 5):
        maze, red = shown.get(("puzzle", i), (None, None))
        solved, route = shown.get(("answer", i), (None, None))
        if maze is None or solved is None:
            continue
        check(not maze.problems_as_perfect_maze(), f"puzzle {i}: {maze.problems_as_perfect_maze()[:3]}")
        check(not red, f"puzzle {i} shows a route")
        check(solved == maze, f"answer {i} is another maze than puzzle {i}")
        check(route == set(maze.path() or []), f"answer {i} does not show puzzle {i}'s route from S to G")

    # Without options: a name line, one maze a page, and after them an answer key four to a page.
    plain = os.path.join(work, "plain.pdf")
    status, _, _ = run("--export", plain, "--count", "3", "--solution", "--no-name-line")
    check(status == 0 and page_count(plain) == 4, f"3 mazes and their answers: status {status}, {page_count(plain)} pages")
    check("Name" not in text_of(plain, 1), "--no-name-line kept the name line")

    # The paper follows the locale's custom unless --paper says otherwise.
    for locale, size in (("en_US.UTF-8", "612 x 792"), ("de_DE.UTF-8", "595 x 842"), ("en_CA.UTF-8", "612 x 792")):
        status, _, _ = run("--export", plain, env=dict(os.environ, LC_PAPER=locale))
        info = subprocess.run(["pdfinfo", plain], capture_output=True, text=True).stdout
        check(status == 0 and size in info, f"LC_PAPER={locale}: not {size} points")


def poster(work):
    # A 1001 x 1001 maze and its solution, a page each, in bounded memory.
    pdf = os.path.join(work, "poster.pdf")
    timed = subprocess.run(["/usr/bin/time", "-f", "%M", program, "--export", pdf, "--size", "1001x1001",
                            "--solution"], capture_output=True, text=True, timeout=120)
    peak_kib = int(timed.stderr.strip().splitlines()[-1])
    check(timed.returncode == 0 and page_count(pdf) == 2, f"poster: status {timed.returncode}, {page_count(pdf)} pages")
    check(peak_kib < 200 * 1024, f"the poster took {peak_kib} KiB at its peak")
    codes = re.findall(r"1001x1001-\S+", text_of(pdf, 1) + text_of(pdf, 2))
    check(len(codes) == 2 and codes[0] == codes[1], f"the poster's pages name {codes}")


def single_pictures(work):
    svg = os.path.join(work, "maze.svg")
    status, _, err = run("--maze", CODE, "--export", svg, "--solution")
    with open(svg, encoding="utf-8") as f:
        text = f.read()
    check(status == 0 and text.count("<svg") == 1 and CODE in text, f"SVG: status {status}, {err!r}")
    png = os.path.join(work, "maze.png")
    status, _, _ = run("--maze", CODE.lower().replace("-", ""), "--export", png)
    with open(png, "rb") as f:
        header = f.read(24)
    check(status == 0 and header[16:24] == (358).to_bytes(4, "big") * 2, "PNG: not a 358x358 picture")
    # A PNG of its own cells: 45 cells of 5 pixels and the closing line.
    status, _, _ = run("--export", png, "--size", "31x45", "--png-cell", "5")
    with open(png, "rb") as f:
        header = f.read(24)
    check(status == 0 and header[16:24] == (226).to_bytes(4, "big") * 2, "PNG at 5 pixels a cell: not 226x226")


def help_needs_no_display(work):
    bare = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    status, out, err = run("--help", env=bare)
    check(status == 0 and "--export" in out and not err, f"--help without a display: {status}, {err!r}")


def failures_lose_nothing(work):
    def fails(args, status, words, env=None):
        got, out, err = run(*args, env=env)
        lines = err.strip().splitlines()
        check(got == status and lines and words in err and lines[0].startswith("Tolvane: "),
              f"{args}: status {got} (not {status}), stderr {err!r} (wanted {words!r})")

    fails(["--bogus"], 2, "bogus")
    fails(["-qwindowtitle", "Foo"], 2, "qwindowtitle")  # the title is the program's own
    fails(["--export", os.path.join(work, "x.pdf"), "--count", "0"], 2, "1 to 1000")
    fails(["--export", os.path.join(work, "x.pdf"), "--count", "1001"], 2, "1 to 1000")
    fails(["--export", os.path.join(work, "x.png"), "--count", "2"], 2, "PDF")
    fails(["--export", os.path.join(work, "x.gif")], 2, "x.gif")
    fails(["--maze", "3F7KQ-M2XWB", "--export", os.path.join(work, "x.png")], 1, "3F7KQ-M2XWB")
    fails(["--solution"], 2, "--export")
    made = os.path.join(work, "never.pdf")
    for args, words in ((["--size", "1x45"], "2 to 1001"), (["--size", "31x1002"], "2 to 1001"),
                        (["--size", "31x31", "--level", "2"], "--level"), (["--level", "6"], "1 to 5"),
                        (["--size", "101x101", "--per-page", "6"], "at most"), (["--per-page", "3"], "1, 2, 4 or 6"),
                        (["--title", "A very long title " * 12], "title"), (["--paper", "a3"], "a4 or letter")):
        fails(["--export", made] + args, 2, words)
    check(not os.path.exists(made), "a refused worksheet was written")
    fails(["--export", os.path.join(work, "x.png"), "--size", "1001x1001", "--png-cell", "5"], 2, "4097")
    fails(["--maze", "1001x1001-000000000P"], 2, "--export")  # too big for the window's square

    # A folder that cannot be written: the old file stays as it was and nothing is added. Root may
    # write anywhere, so there the program runs as nobody.
    locked = os.path.join(work, "locked")
    os.makedirs(locked)
    old = os.path.join(locked, "old.pdf")
    with open(old, "w") as f:
        f.write("the user's own file")
    os.chmod(old, 0o444)
    os.chmod(locked, 0o555)
    global program
    real = program
    prefix = []
    if os.getuid() == 0:
        program = "setpriv"
        prefix = ["--reuid=nobody", "--regid=nogroup", "--clear-groups", real]
    fails(prefix + ["--export", old, "--count", "2"], 1, "old.pdf")
    program = real
    with open(old) as f:
        check(f.read() == "the user's own file", "a failed export changed the file that was there")
    check(os.listdir(locked) == ["old.pdf"], f"a failed export left {os.listdir(locked)}")
    os.chmod(locked, 0o755)


if __name__ == "__main__":
    program, work = os.path.abspath(sys.argv[1]), sys.argv[2]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    os.chmod(work, 0o755)
    for case in (worksheets, poster, single_pictures, help_needs_no_display, failures_lose_nothing):
        case(work)
    sys.exit(1 if failures else 0)
