"""The command line from the outside: the files --export writes, read back, help without a
display, and how a wrong command fails.

check_export.py PROGRAM WORKDIR
"""

import os
import re
import shutil
import resource
import signal
import subprocess
import sys
import unicodedata

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
from maze import Maze, all_edges  # noqa: E402
from picture import CELL, SIDE, Picture  # noqa: E402

CODE = "3F7KQ-M2XWA"
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def run(*args, env=None):
    result = subprocess.run([program, *args], capture_output=True, text=True, timeout=120, env=env)
    return result.returncode, result.stdout, result.stderr


def page(pdf, number):
    """Page `number` of a PDF as a picture at 150 dpi."""
    ppm = subprocess.run(["pdftoppm", "-r", "150", "-f", str(number), "-l", str(number), pdf],
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
    unit = (right + 1 - left) / (CELL * SIDE + 1)

    def at(x, y):
        return pic.kind(int(left + x * unit), int(top + y * unit))

    walls = {}
    for edge in all_edges():
        side, x, y = edge
        point = (CELL * (x + 1) + 0.5, CELL * y + 8.5) if side == "right" else (CELL * x + 8.5, CELL * (y + 1) + 0.5)
        walls[edge] = at(*point) == "black"
    red = {(x, y) for x in range(SIDE) for y in range(SIDE) if at(CELL * x + 8.5, CELL * y + 8.5) == "red"}
    # On paper S and G lie over the route: their cells' centres are blue, on every page.
    marks = [at(CELL * c + 8.5, CELL * c + 8.5) for c in (0, SIDE - 1)]
    check(marks == ["blue", "blue"], f"the centres of S and G are {marks} on paper, not blue")
    return Maze(walls), red


def text_of(pdf, number):
    return subprocess.run(["pdftotext", "-f", str(number), "-l", str(number), pdf, "-"], capture_output=True,
                          text=True, check=True).stdout


def worksheets(work):
    pdf = os.path.join(work, "sheets.pdf")
    status, _, err = run("--export", pdf, "--count", "3", "--solution")
    check(status == 0 and not err, f"--count 3 --solution: status {status}, stderr {err!r}")
    pages = re.search(r"Pages:\s+(\d+)", subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout)
    check(pages and pages.group(1) == "6", f"3 mazes with solutions make {pages and pages.group(1)} pages, not 6")
    puzzle, red = read_page(page(pdf, 1))
    check(not puzzle.problems_as_perfect_maze(), f"page 1: {puzzle.problems_as_perfect_maze()[:3]}")
    check(not red, "page 1, a puzzle, shows a route")
    answer, red = read_page(page(pdf, 4))
    check(answer == puzzle, "page 4 is not the solution of page 1")
    check(red == set(puzzle.path() or []) - {(0, 0), (SIDE - 1, SIDE - 1)},
          "page 4 does not show the route of page 1's maze from S to G")
    codes = [re.findall(r"[0-9A-Z]{5}-[0-9A-Z]{5}", text_of(pdf, n)) for n in (1, 4)]
    check(codes[0] and codes[0] == codes[1], f"pages 1 and 4 name the codes {codes}")


def single_pictures(work):
    svg = os.path.join(work, "maze.svg")
    status, _, err = run("--maze", CODE, "--export", svg, "--solution")
    with open(svg, encoding="utf-8") as f:
        text = f.read()
    check(status == 0 and text.count("<svg") == 1 and CODE in text, f"SVG: status {status}, {err!r}")
    # S and G as one outline each, which need no font where the file is opened, painted after the route.
    blue, red = 'fill="#0000ff"', 'fill="#ff0000"'
    check("<text" not in text and text.count(blue) == 2 and text.rfind(blue) > text.rfind(red) > 0,
          f"SVG: S and G are text, {text.count(blue)} blue shapes, or lie under the route")
    png = os.path.join(work, "maze.png")
    status, _, _ = run("--maze", CODE.lower().replace("-", ""), "--export", png)
    with open(png, "rb") as f:
        header = f.read(24)
    check(status == 0 and header[16:24] == (358).to_bytes(4, "big") * 2, "PNG: not a 358x358 picture")


def columns(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in text)


def help_needs_no_display(work):
    bare = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    for lang in ("C.UTF-8", "ja_JP.UTF-8"):
        status, out, err = run("--help", env={**bare, "LANG": lang, "LANGUAGE": lang.split(".")[0]})
        check(status == 0 and "--export" in out and not err, f"--help without a display ({lang}): {status}, {err!r}")
        lines = out.splitlines()
        check(max(map(columns, lines)) < 80, f"--help ({lang}) has lines of {max(map(columns, lines))} columns")
        # Every description, and every continuation of one, starts in the same terminal column.
        starts = {columns(re.match(r"(  -.*?  +|\s+)", line).group(1)) for line in lines if line.startswith("  ")}
        check(len(starts) == 1, f"--help ({lang}) starts its descriptions in columns {sorted(starts)}")


def failures_lose_nothing(work):
    def fails(args, status, words, env=None):
        got, out, err = run(*args, env=env)
        lines = err.strip().splitlines()
        check(got == status and len(lines) == 1 and words in err and lines[0].startswith("Tolvane: "),
              f"{args}: status {got} (not {status}), stderr {err!r} (wanted {words!r})")

    fails(["--bogus"], 2, "bogus")
    fails(["-qwindowtitle", "Foo"], 2, "qwindowtitle")  # the title is the program's own
    fails(["--export", os.path.join(work, "x.pdf"), "--count", "0"], 2, "1 to 1000")
    fails(["--export", os.path.join(work, "x.pdf"), "--count", "1001"], 2, "1 to 1000")
    fails(["--export", os.path.join(work, "x.png"), "--count", "2"], 2, "PDF")
    fails(["--export", os.path.join(work, "x.gif")], 2, "x.gif")
    fails(["--maze", "3F7KQ-M2XWB", "--export", os.path.join(work, "x.png")], 1, "3F7KQ-M2XWB")
    fails(["--solution"], 2, "--export")
    fails(["--export", os.path.join(work, "a.pdf"), "--export", os.path.join(work, "b.pdf")], 2, "--export")
    fails(["--maze", CODE, "--maze", "T0LVA-NE01R"], 2, "--maze")
    fails(["--solution", "--export", os.path.join(work, "a.pdf"), "--solution"], 2, "--solution")
    check(not os.path.exists(os.path.join(work, "a.pdf")) and not os.path.exists(os.path.join(work, "b.pdf")),
          "an option given twice still wrote a file")
    # What is wrong with a code: a character codes never use, the count, or a typo the check catches.
    fails(["--maze", "3F7KQ-M2XW#"], 1, "'#'")
    fails(["--maze", "3F7KQ-M2XW"], 1, "9")
    fails(["--maze", "3F7KQ-M2XAW"], 1, "check")
    got, _, err = run("--maze", "7" * 100000, "--export", os.path.join(work, "x.png"))
    check(got == 1 and len(err) < 400, f"a long bad code is echoed: status {got}, {len(err)} characters")
    # Pasted with line ends, typed full-width with a full-width hyphen: the same maze as the code.
    pasted = os.path.join(work, "pasted.png")
    got, _, err = run("--maze", "\uff13\uff26\uff17\uff2b\uff31\uff0dM2XWA\r\n", "--export", pasted)
    status, _, _ = run("--maze", CODE, "--export", os.path.join(work, "plain.png"))
    with open(pasted, "rb") as a, open(os.path.join(work, "plain.png"), "rb") as b:
        check(got == 0 and a.read() == b.read(), f"a pasted full-width code: status {got}, {err!r}")

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

    # A file that does not fit (here: over the size limit of the process) is refused with the
    # system's reason, and a replaced file keeps its permissions.
    def small_files():
        resource.setrlimit(resource.RLIMIT_FSIZE, (4096, 4096))
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)

    big = os.path.join(work, "big.pdf")
    result = subprocess.run([program, "--export", big, "--count", "50"], capture_output=True, text=True,
                            preexec_fn=small_files, timeout=120)
    check(result.returncode == 1 and "File too large" in result.stderr and not os.path.exists(big),
          f"a file over the size limit: status {result.returncode}, {result.stderr!r}")
    os.chmod(old, 0o640)
    status, _, _ = run("--export", old)
    check(status == 0 and os.stat(old).st_mode & 0o777 == 0o640, f"a replaced file has mode {os.stat(old).st_mode:o}")


if __name__ == "__main__":
    program, work = os.path.abspath(sys.argv[1]), sys.argv[2]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    os.chmod(work, 0o755)
    for case in (worksheets, single_pictures, help_needs_no_display, failures_lose_nothing):
        case(work)
    sys.exit(1 if failures else 0)
