"""The command line from the outside: the files --export writes, read back, help without a
display, and how a wrong command fails.

check_export.py PROGRAM WORKDIR
"""

import os
import re
import resource
import shutil
import signal
import subprocess
import sys
import unicodedata

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
from maze import Maze, all_edges  # noqa: E402
from picture import CELL, GOAL, LAST as SQUARE, SIDE, START, Picture  # noqa: E402

CODE = "3F7KQ-M2XWA"
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def run(*args, env=None):
    result = subprocess.run([program, *args], capture_output=True, text=True, timeout=120, env=env)
    return result.returncode, result.stdout, result.stderr


def page(pdf, number, on_paper=True, dpi=150):
    """Page `number` of a PDF as a picture at 150 dpi unless told: on white paper, or else on
    magenta, so that whatever the page leaves unpainted shows."""
    if on_paper:
        ppm = subprocess.run(["pdftoppm", "-r", str(dpi), "-f", str(number), "-l", str(number), pdf],
                             capture_output=True, check=True).stdout
        return Picture.from_ppm(ppm)
    png = subprocess.run(["pdftocairo", "-png", "-transp", "-r", str(dpi), "-f", str(number), "-l", str(number),
                          "-singlefile", pdf, "-"], capture_output=True, check=True).stdout
    return png_picture(png, "magenta")


def png_picture(png, backdrop="white"):
    ppm = subprocess.run(["convert", "png:-", "-background", backdrop, "-flatten", "-depth", "8", "ppm:-"],
                         input=png, capture_output=True, check=True).stdout
    return Picture.from_ppm(ppm)


def svg_picture(path):
    """An SVG of one maze painted on magenta at one pixel a unit: its filled rectangles, and the
    straight paths of its stroked groups, stroked with square ends (the letters S and G, outlines
    of glyphs filled, are left out)."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    side = int(re.search(r'<svg[^>]* width="(\d+)"', text).group(1))
    rgb = bytearray(b"\xff\x00\xff" * side * side)

    def fill(x0, y0, x1, y1, colour):
        x0, y0, x1, y1 = max(0, round(x0)), max(0, round(y0)), min(side, round(x1)), min(side, round(y1))
        for row in range(y0, y1):
            rgb[3 * (row * side + x0):3 * (row * side + x1)] = bytes.fromhex(colour) * max(0, x1 - x0)

    stroke, half, shift = None, 0, 0
    for tag, attributes in re.findall(r"<(/?g|rect|path)\b([^>]*)>", text):
        if tag == "g":
            colour = re.search(r'stroke="#([0-9a-f]{6})"', attributes)
            stroke = colour and colour.group(1)
            half = float(re.search(r'stroke-width="([\d.]+)"', attributes).group(1)) / 2 if stroke else 0
            shift = 0.5 if 'translate(.5 .5)' in attributes else 0
        elif tag == "/g":
            stroke = None
        elif tag == "rect":
            colour = re.search(r'fill="#([0-9a-f]{6})"', attributes).group(1)
            size = re.search(r'x="(\d+)" y="(\d+)" width="(\d+)" height="(\d+)"', attributes)
            if size:
                x, y, w, h = map(int, size.groups())
                fill(x, y, x + w, y + h, colour)
            else:
                fill(0, 0, side, side, colour)
        elif tag == "path" and stroke:
            # Moves and lines: absolute, relative, or across (h) or down (v) alone.
            last = None
            d = re.search(r'd="([^"]*)"', attributes).group(1)
            for command, numbers in re.findall(r"([MLlhv])([-\d. ]+)", d):
                n = [float(v) for v in numbers.split()]
                if command in "ML":
                    point = (n[0] + shift, n[1] + shift)
                else:
                    dx, dy = {"l": (n[0], n[1] if len(n) > 1 else 0), "h": (n[0], 0), "v": (0, n[0])}[command]
                    point = (last[0] + dx, last[1] + dy)
                if command != "M":
                    (ax, ay), (bx, by) = last, point
                    fill(min(ax, bx) - half, min(ay, by) - half, max(ax, bx) + half, max(ay, by) + half, stroke)
                last = point
    return Picture(side, side, rgb)


def read_page(pic, frame=None):
    """What a page shows: the maze, the cells whose centre is red, the cells whose centre is neither
    red nor white (S and G left out, their letters may cover it), and the frame's left, top and
    right. The frame's top-left corner is the first black pixel, its width the black run from there,
    unless `frame` gives them (as `frames` finds them on a page with more than the maze)."""
    if frame is None:
        first = next(i for i in range(pic.width * pic.height) if pic.kind(i % pic.width, i // pic.width) == "black")
        left, top = first % pic.width, first // pic.width
        right = left
        while right + 1 < pic.width and pic.kind(right + 1, top) == "black":
            right += 1
    else:
        left, top, right = frame
    unit = (right + 1 - left) / (CELL * SIDE + 1)

    def at(x, y):
        return pic.kind(int(left + x * unit), int(top + y * unit))

    def wall(x, y):  # a line one unit wide, found within a pixel of where it should be
        px, py = int(left + x * unit), int(top + y * unit)
        return any(pic.kind(min(px + dx, pic.width - 1), min(py + dy, pic.height - 1)) == "black"
                   for dx in (-1, 0, 1) for dy in (-1, 0, 1))

    walls = {}
    for edge in all_edges():
        side, x, y = edge
        point = (CELL * (x + 1) + 0.5, CELL * y + 8.5) if side == "right" else (CELL * x + 8.5, CELL * (y + 1) + 0.5)
        walls[edge] = wall(*point)
    centres = {(x, y): at(CELL * x + 8.5, CELL * y + 8.5) for x in range(SIDE) for y in range(SIDE)}
    red = {cell for cell, kind in centres.items() if kind == "red"}
    bare = {cell for cell, kind in centres.items() if kind not in ("red", "white") and cell not in (START, GOAL)}
    return Maze(walls), red, bare, (left, top, right)


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
            # The row above may hold a few dark pixels where the line's smoothed edge lies under
            # the ends of walls; a frame's first row is the first of the line, not its second.
            if sum(above) < len(above) // 2 and down and x1 - x0 < pic.height - y and not any(
                    abs(x0 - fx) <= 3 and abs(y - fy) <= 3 for fx, fy, _ in found):
                found.append((x0, y, x1))
    longest = max((x1 - x0 for x0, _, x1 in found), default=0)
    return [f for f in found if f[2] - f[0] >= longest * 0.9]


def numbered_codes(text):
    """Number -> (width, height, code) of every maze caption on a page."""
    return {int(n): (int(w), int(h), code)
            for n, code, w, h in re.findall(r"(\d+)\.\s+Maze\s+((?:[A-Z][0-9S]+R)?(\d+)x(\d+)-\S+)", text)}


def text_of(pdf):
    """The text of a PDF, its pages parted by form feeds."""
    return subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True, check=True).stdout


def words_out_of_column(pdf, width, number=1):
    """The words of a page below its first name line and above the page number that cross the
    middle of the page or its edges: a caption must keep to its column, on the paper."""
    layout = subprocess.run(["pdftotext", "-bbox-layout", "-f", str(number), "-l", str(number), pdf, "-"],
                            capture_output=True,
                            text=True, check=True).stdout
    words = [(float(x0), float(y0), float(x1), word) for x0, y0, x1, word in
             re.findall(r'<word xMin="(-?[\d.]+)" yMin="(-?[\d.]+)" xMax="(-?[\d.]+)" yMax="[\d.]+">([^<]*)</word>', layout)]
    name_line = min((y0 for _, y0, _, word in words if word in ("Name", "key")), default=0)
    footer = max((y0 for _, y0, _, word in words if word == "Page"), default=10000)
    return [word for x0, y0, x1, word in words
            if name_line + 5 < y0 < footer - 5 and (x0 < 0 or x1 > width or x0 < width / 2 < x1)]


def page_count(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    pages = re.search(r"Pages:\s+(\d+)", info)
    return int(pages.group(1)) if pages else None


def layout_problems(pic, frame):
    """Where a worksheet page of one maze, without a title or a name line, does not stand as it
    must: the picture centred across the page, the caption centred under it, the two together
    centred down the page above the page number, nothing else."""
    left, top, right = frame
    bottom = top + right - left
    paper = pic.rgb[:3] * pic.width
    rows = [y for y in range(pic.height) if pic.rgb[3 * y * pic.width:3 * (y + 1) * pic.width] != paper]
    # The page number, the last line of ink, is left aside: the maze and its caption share the
    # page above it.
    footer = [y for y in rows if y > bottom and not any(r in rows for r in range(y - 15, y))]
    footer_top = footer[-1] if footer else pic.height
    rows = [y for y in rows if y < footer_top]
    caption = [y for y in rows if y > bottom + 3]  # below the frame's bottom line, however thick
    problems = []
    if rows[0] < top - 1 or not caption or caption[0] < bottom + 3:
        problems.append(f"ink from row {rows[0]} to {rows[-1]}, frame from {top} to {bottom}: no caption under it")
    # As large as the page allows: margins of the width that printers leave, equal on both sides.
    millimetre = pic.width / 210
    # (The renderer widens a frame line by a fraction of a pixel unevenly: 0.6 mm of leeway, far
    # below any misplaced margin or gap.)
    if abs(left - (pic.width - 1 - right)) > 0.6 * millimetre or not 5 * millimetre <= left <= 21 * millimetre:
        problems.append(f"the picture stands {left} px from the left edge, {pic.width - 1 - right} px from the right")
    millimetre_down = pic.height / 297
    above = top - 15 * millimetre_down                           # below the top margin
    below = footer_top - 9 * millimetre_down - rows[-1]         # above the page number's row
    if abs(above - below) > 8 * millimetre_down:
        problems.append(f"the picture starts {above:.0f} px below the margin, the caption ends {below:.0f} px above "
                        "the page number's row")
    inked = [x for x in range(pic.width) if any(pic.pixel(x, y) != pic.pixel(0, 0) for y in caption)]
    if inked and abs(inked[0] + inked[-1] - (pic.width - 1)) > 4:
        problems.append(f"the caption runs from {inked[0]} to {inked[-1]}, off the centre of a {pic.width} px page")
    return problems


def worksheets(work):
    # A class set: five level-1 mazes, four to a page, a title, and the answer key.
    pdf = os.path.join(work, "sheets.pdf")
    status, _, err = run("--export", pdf, "--count", "5", "--level", "1", "--per-page", "4", "--solution",
                         "--title", "Room 4 mazes", "--paper", "letter")
    check(status == 0 and not err, f"a class set: status {status}, stderr {err!r}")
    check(page_count(pdf) == 4, f"5 mazes four to a page and their answers make {page_count(pdf)} pages, not 4")
    check("612 x 792" in subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout, "not on Letter")
    texts = text_of(pdf).split("\f")[:4]
    for n, text in enumerate(texts, 1):
        check("Room 4 mazes" in text and f"Page {n} of 4" in text, f"page {n} lacks the title or its number")
        # A name line over every maze of a puzzle page, and none in the answer key.
        names = (4, 1, 0, 0)[n - 1]
        check(text.count("Name") == names and text.count("Date") == names,
              f"page {n}: {text.count('Name')} name lines, not {names}")
        check(("Answer key" in text) == (n > 2), f"page {n}: the answer key heading is wrong")
    # The measures of difficulty are for the teacher: in the answer key, never on a child's sheet.
    check("route" not in texts[0] + texts[1], "the puzzle pages show the measures of difficulty")
    # Level 1: route 25 cells and 4 decisions, every maze within 10 % of both, read from the key.
    figures = [(int(r), int(j)) for r, j in re.findall(r"Level 1 · route (\d+) cells · \d+ dead ends · (\d+) junctions",
                                                       texts[2] + texts[3])]
    check(len(figures) == 5 and all(23 <= r <= 27 and j == 4 for r, j in figures),
          f"level 1 routes and decisions outside 23..27 and 4: {figures}")
    puzzles = {**numbered_codes(texts[0]), **numbered_codes(texts[1])}
    answers = {**numbered_codes(texts[2]), **numbered_codes(texts[3])}
    check(sorted(puzzles) == [1, 2, 3, 4, 5] and puzzles == answers, f"puzzles {puzzles} and answers {answers} differ")
    check(len({code for _, _, code in puzzles.values()}) == 5, "a class set repeats a maze")
    # Six to a page in the narrower columns of A4, where the figures of the answer key are
    # longest for their maze.
    six = os.path.join(work, "six.pdf")
    status, _, err = run("--export", six, "--count", "6", "--level", "1", "--per-page", "6", "--paper", "a4",
                         "--solution")
    check(status == 0 and not err, f"six to a page: status {status}, stderr {err!r}")
    for sheet, width, number in ((pdf, 612, 1), (pdf, 612, 3), (six, 595, 1), (six, 595, 2)):
        strays = words_out_of_column(sheet, width, number)
        check(not strays, f"{os.path.basename(sheet)}: words of page {number} run out of their column: {strays[:6]}")

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
        ends = {(0, 0), (maze.width - 1, maze.height - 1)}  # S and G lie over the route on paper
        check(route - ends == set(maze.path() or []) - ends, f"answer {i} does not show puzzle {i}'s route from S to G")

    # One maze a page, and after them an answer key four to a page: every puzzle page a perfect
    # maze of its own with its own code, every answer the same maze with that maze's route.
    count = 3
    plain = os.path.join(work, "plain.pdf")
    status, _, err = run("--export", plain, "--count", str(count), "--solution", "--no-name-line")
    check(status == 0 and not err and page_count(plain) == count + 1,
          f"{count} mazes and their answers: status {status}, {err!r}, {page_count(plain)} pages")
    pages = text_of(plain).split("\f")
    check("Name" not in pages[0], "--no-name-line kept the name line")
    codes = [re.findall(r"[0-9A-Z]{5}-[0-9A-Z]{5}", text) for text in pages[:count + 1]]
    check(all(len(found) == 1 for found in codes[:count]) and len({found[0] for found in codes[:count]}) == count
          and [found[0] for found in codes[:count]] == codes[count], f"the pages name the codes {codes}")
    answers = page(plain, count + 1, dpi=200)
    corners = frames(answers)
    check(len(corners) == count, f"the answer page shows {len(corners)} mazes, not {count}")
    for number in range(1, count + 1):
        # The first page on no paper at all: the picture brings its own white background.
        shown = page(plain, number, on_paper=number != 1, dpi=200)
        found = frames(shown)
        check(len(found) == 1, f"page {number} shows {len(found)} mazes, not one")
        puzzle, red, bare, frame = read_page(shown, (found or [None])[0])
        check(not puzzle.problems_as_perfect_maze(), f"page {number}: {puzzle.problems_as_perfect_maze()[:3]}")
        check(not red and not bare, f"page {number}, a puzzle, shows red in {sorted(red)[:3]}, neither white nor "
                                    f"red in {sorted(bare)[:3]}")
        if number == 1:
            problems = layout_problems(shown, frame)
            check(not problems, f"page 1: {problems}")
        if number <= len(corners):
            answer, route = read_frame(answers, *corners[number - 1], SIDE, SIDE)
            check(answer == puzzle, f"answer {number} is not the solution of page {number}")
            # On paper S and G lie over the route, a small G's opening may show red or not: the
            # route's other cells are red, and only they.
            check(route - {START, GOAL} == set(puzzle.path() or []) - {START, GOAL},
                  f"answer {number} does not show page {number}'s route")

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
    codes = re.findall(r"1001x1001-\S+", text_of(pdf))
    check(len(codes) == 2 and codes[0] == codes[1], f"the poster's pages name {codes}")
    # The answer is a poster too: its caption sits under a maze that fills the page, as the puzzle's does.
    layout = subprocess.run(["pdftotext", "-bbox-layout", pdf, "-"], capture_output=True, text=True, check=True).stdout
    tops = [float(y) for y in re.findall(r'<word xMin="[\d.]+" yMin="([\d.]+)"[^>]*>1001x1001-', layout)]
    check(len(tops) == 2 and abs(tops[0] - tops[1]) < 40, f"the poster's captions stand at {tops} points from the top")


def class_sets(work):
    """--maze with several codes makes a worksheet of exactly those mazes, in order; --copies prints
    the puzzle pages that many times over and the answer key once."""
    codes = ["3F7KQ-M2XWA", "31x45-T01VA-NE015", "T01VA-NE01R"]
    listed = os.path.join(work, "codes.txt")
    with open(listed, "w", encoding="utf-8") as f:
        f.write("\n".join(codes[:2]) + "\n\n" + codes[2].lower() + "\n")
    for given in (",".join(codes), " ".join(codes), "@" + listed):
        pdf = os.path.join(work, "again.pdf")
        status, _, err = run("--export", pdf, "--maze", given, "--copies", "2", "--per-page", "2", "--solution")
        pages = text_of(pdf).split("\f") if status == 0 else []
        # Two copies of two puzzle pages, then one page of three answers.
        check(status == 0 and not err and page_count(pdf) == 5, f"--maze {given!r} --copies 2: status {status}, "
                                                                 f"{err!r}, {page_count(pdf)} pages, not 5")
        shown = [[m.group(1) for m in re.finditer(r"\d+\.\s+Maze\s+(\S+)", text)] for text in pages[:5]]
        wanted = [codes[:2], codes[2:], codes[:2], codes[2:], codes]
        check(shown == wanted, f"--maze {given!r} --copies 2: the pages show {shown}, not {wanted}")
        names = [text.count("Name") for text in pages[:5]]
        check(names == [2, 1, 2, 1, 0], f"--maze {given!r}: name lines page by page {names}, not [2, 1, 2, 1, 0]")
    # The whole class on one maze: a page each, the answer once.
    pdf = os.path.join(work, "same.pdf")
    status, _, _ = run("--export", pdf, "--maze", codes[0], "--copies", "30", "--solution")
    check(status == 0 and page_count(pdf) == 31, f"one maze 30 times: status {status}, {page_count(pdf)} pages")


def papers_and_posters(work):
    """Every paper by name in any case, at its size in points; a poster has no name line unless asked."""
    pdf = os.path.join(work, "paper.pdf")
    for name, size in (("A3", "842 x 1191"), ("a2", "1191 x 1684"), ("A1", "1684 x 2384"), ("a0", "2384 x 3370"),
                       ("Tabloid", "792 x 1224"), ("LEDGER", "1224 x 792")):
        status, _, err = run("--export", pdf, "--paper", name)
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
        check(status == 0 and size in info, f"--paper {name}: status {status}, {err!r}, not {size} points")
    for args, named in (([], False), (["--name-line"], True)):
        status, _, _ = run("--export", pdf, "--size", "301x301", *args)
        check(status == 0 and ("Name" in text_of(pdf)) == named, f"a poster with {args}: name line {not named}")


def tiles(work):
    """A poster across 2 x 2 sheets: each sheet says where it goes, and the four parts, cut at their
    marks and put together, show the maze of the answer key whole."""
    pdf = os.path.join(work, "tiled.pdf")
    status, _, err = run("--export", pdf, "--size", "41x41", "--tile", "2x2", "--solution", "--paper", "a4")
    check(status == 0 and not err and page_count(pdf) == 5, f"a tiled poster: status {status}, {err!r}, "
                                                             f"{page_count(pdf)} sheets, not 4 and the key")
    texts = text_of(pdf).split("\f")
    places = [re.search(r"row (\d) of 2, column (\d) of 2 · sheet (\d) of 5", t) for t in texts[:4]]
    check([p.groups() if p else None for p in places] == [("1", "1", "1"), ("1", "2", "2"), ("2", "1", "3"),
                                                           ("2", "2", "4")], f"the sheets' places read {places}")
    # At 127 dots an inch a millimetre is 5 pixels. The marks in the margins, 2 to 10 mm out from
    # the corners of a sheet's part, say where the part lies; it lies there on every sheet.
    parts = [page(pdf, n, dpi=127) for n in range(1, 5)]
    first = parts[0]
    band = range(30, 63, 8)

    def dark(x, y):
        return max(first.pixel(x, y)) <= 160

    xs = [x for x in range(first.width) if all(dark(x, y) for y in band)]
    ys = [y for y in range(first.height) if all(dark(x, y) for x in band)]
    check(len(xs) in (2, 4, 6) and len(ys) in (2, 4, 6), f"the join marks stand at x {xs}, y {ys}")
    if not (xs and ys):
        return
    left, right, top, bottom = xs[0], xs[-1], ys[0], ys[-1]
    check(abs(left - 75) <= 3 and abs(top - 75) <= 3 and abs(right - left - 900) <= 6
          and abs(bottom - top - 1300) <= 6, f"a sheet's part spans ({left}, {top}) to ({right}, {bottom})")
    check(first.kind(left - 5, top) == "white" and first.kind(left, top - 5) == "white",
          "a join mark runs into its part's corner")
    # The parts' edges fall within a pixel, which the renderer paints half: left out, as the
    # scissors cut them.
    left, top = left + 1, top + 1
    width, height = right - left, bottom - top
    rows = []
    for r in range(2):
        for y in range(top, top + height):
            rows.append(b"".join(parts[2 * r + c].rgb[3 * (y * first.width + left):3 * (y * first.width + left + width)]
                                 for c in range(2)))
    whole = Picture(2 * width, 2 * height, bytearray(b"".join(rows)))
    corners = frames(whole)
    check(len(corners) == 1, f"the joined sheets show {len(corners)} mazes, not one")
    key = page(pdf, 5, dpi=200)
    answers = frames(key)
    if corners and answers:
        maze, red = read_frame(whole, *corners[0], 41, 41)
        solved, route = read_frame(key, *answers[0], 41, 41)
        check(not maze.problems_as_perfect_maze() and not red, f"the joined poster: {maze.problems_as_perfect_maze()[:3]}")
        # (The letters S and G, over the route in a small answer, can hide walls near their cells.)
        near_letters = {(x, y) for x in (0, 1, 39, 40) for y in (0, 1, 39, 40) if (x < 2) == (y < 2)}
        differ = [e for e in maze.walls if maze.walls[e] != solved.walls.get(e) and e[1:] not in near_letters]
        check(not differ, f"the joined poster is another maze than its answer: {differ[:4]}")


def single_pictures(work):
    """A PNG and an SVG of one code show its maze, with its route exactly when --solution asks."""
    mazes = []
    for name, code, solution in (("maze.svg", CODE, True), ("maze.PNG", CODE.lower().replace("-", ""), True),
                                 ("puzzle.png", CODE, False)):
        path = os.path.join(work, name)
        status, _, err = run("--maze", code, "--export", path, *(["--solution"] if solution else []))
        check(status == 0 and not err, f"{name}: status {status}, {err!r}")
        if name.endswith(".svg"):
            with open(path, encoding="utf-8") as f:
                text = f.read()
            check(text.count("<svg") == 1, "the SVG holds more or less than one picture")
            # S and G as one outline each, which need no font where the file is opened, over the route,
            # and the route one stroke.
            blue, red = 'fill="#0000ff"', 'stroke="#ff0000"'
            check("<text" not in text and text.count(blue) == 2 and text.rfind(blue) > text.rfind(red) > 0,
                  f"SVG: S and G are text, {text.count(blue)} blue shapes, or lie under the route")
            check(len(re.findall(r'<g [^>]*stroke="#ff0000"[^>]*>\n<path[^>]*/>\n</g>', text)) == 1,
                  "SVG: the route is not one stroke")
            shown = svg_picture(path)
        else:
            with open(path, "rb") as f:
                shown = png_picture(f.read())
        check((shown.width, shown.height) == (358, 358), f"{name} is {shown.width}x{shown.height}, not 358x358")
        maze, red, bare, _ = read_page(shown)
        route = set(maze.path() or []) if solution else set()
        check(red == route and not bare, f"{name} (--solution {solution}): red in {len(red)} cells, the route has "
                                         f"{len(route)}; neither white nor red in {sorted(bare)[:3]}")
        mazes.append(maze)
    check(mazes[0] == mazes[1] == mazes[2] and not mazes[0].problems_as_perfect_maze(),
          f"the three pictures of {CODE} do not show one perfect maze")
    # A PNG of its own cells: 45 cells of 5 pixels and the closing line.
    png = os.path.join(work, "cells.png")
    status, _, _ = run("--export", png, "--size", "31x45", "--png-cell", "5")
    with open(png, "rb") as f:
        header = f.read(24)
    check(status == 0 and header[16:24] == (156).to_bytes(4, "big") + (226).to_bytes(4, "big"),
          "PNG of 31x45 cells at 5 pixels a cell: not 156x226")


def built_ways(work):
    """Every way to build gives a perfect maze with its route drawn; loops take dead ends away; a
    route asked for is met within 2 % of the cells; --facts names the same maze's code."""
    def shown(*args):
        path = os.path.join(work, "way.svg")
        status, out, err = run("--export", path, "--solution", *args)
        check(status == 0 and not err, f"{args}: status {status}, {err!r}")
        maze, red, _, _ = read_page(svg_picture(path))
        return maze, red, out

    for name in ("regions", "backtracker", "hunt-and-kill", "growing-tree", "prim", "kruskal", "wilson"):
        maze, red, _ = shown("--algorithm", name)
        check(not maze.problems_as_perfect_maze() and red == set(maze.path() or []),
              f"{name}: {maze.problems_as_perfect_maze()[:2]}, red in {len(red)} cells")
    maze, _, _ = shown("--algorithm", "kruskal", "--braid", "100")
    ends = [c for c in ((x, y) for x in range(SIDE) for y in range(SIDE))
            if len(list(maze.neighbours(c))) == 1 and c not in ((0, 0), (SIDE - 1, SIDE - 1))]
    check(not ends, f"--braid 100 leaves dead ends at {ends[:4]}")
    for ask, cells in (("50%", 221), ("41", 41), ("352", 352)):  # 220.5 rounds up
        maze, red, out = shown("--route", ask, "--algorithm", "backtracker", "--facts")
        route = maze.path() or []
        check(not maze.problems_as_perfect_maze() and abs(len(route) - cells) <= 441 * 2 // 100,
              f"--route {ask}: a route of {len(route)} cells, not {cells}")
        code = re.match(r"Maze (\S+):", out)
        again = run("--facts", "--maze", code.group(1) if code else "none")[1]
        check(code and f"Route: {len(route)} cells" in out and again == out, f"--facts: {out!r} then {again!r}")


def counts_within_bounds(work):
    """--count takes 1 to 1000, both ends included. (The page of one maze is captioned in the user's
    language.)"""
    for count in (1, 1000):
        pdf = os.path.join(work, f"count{count}.pdf")
        status, _, err = run("--export", pdf, "--count", str(count), env=dict(os.environ, LANGUAGE="ja"))
        check(status == 0 and page_count(pdf) == count, f"--count {count}: status {status}, {page_count(pdf)} "
                                                        f"pages, {err!r}")
        if count == 1:
            check("迷路" in text_of(pdf), f"a Japanese user's page is captioned {text_of(pdf)!r}")
        os.remove(pdf)


def columns(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in text)


def help_needs_no_display(work):
    """--help needs no display, and speaks the first language of the user's list that Tolvane
    speaks: Japanese, or English, the language of the source, which needs no translation."""
    bare = {k: v for k, v in os.environ.items()
            if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG")}
    for preferences, japanese in (({}, False), ({"LANG": "ja_JP.UTF-8"}, True), ({"LANGUAGE": "fr:ja:en"}, True),
                                  ({"LANGUAGE": "en_GB:ja"}, False), ({"LANGUAGE": "de:fr"}, False),
                                  ({"LANG": "ja_JP.UTF-8", "LANGUAGE": "pt_BR:en"}, False)):
        status, out, err = run("--help", env=dict(bare, **preferences))
        kana = re.search("[\u3040-\u30ff]", out) is not None
        check(status == 0 and "--export" in out and not err and kana == japanese,
              f"--help without a display, {preferences}: status {status}, {err!r}, "
              f"{'Japanese' if kana else 'English'} (wanted {'Japanese' if japanese else 'English'})")
        # Lines end before the 80th terminal column, and every description, and every continuation
        # of one, starts in the same column, a Japanese character taking two.
        lines = out.splitlines()
        starts = {columns(re.match(r"(  \S.*?  +|\s+)", line).group(1)) for line in lines if line.startswith("  ")}
        check(max(map(columns, lines)) < 80 and len(starts) == 1,
              f"--help, {preferences}: lines of up to {max(map(columns, lines))} columns, descriptions starting in "
              f"columns {sorted(starts)}")


def texts_and_codes(work):
    """--help's level table one level a line in both languages; a refused option, title or code
    says what is wrong with it, quoting what was typed, with no full stop before the parentheses."""
    for env in (None, {"LANG": "ja_JP.UTF-8", "LANGUAGE": "ja"}):
        _, out, _ = run("--help", env=env and dict(os.environ, **env))
        rows = [line.strip() for line in out.splitlines() if re.match(r"\s+[1-5] = ", line)]
        check([row[0] for row in rows] == list("12345") and all(row.count(" = ") == 1 for row in rows),
              f"--help {env}: the level table's rows are {rows}")
    english = dict(os.environ, LANGUAGE="en", LANG="C.UTF-8")
    japanese = dict(os.environ, LANGUAGE="ja", LANG="ja_JP.UTF-8")
    code = "41x40-" + "620MM-65NGA"  # a 41 x 40 code's shape
    for args, status, words in ((["--bogus"], 2, "'--bogus'"), (["-bogus=3"], 2, "'-bogus'"),
                                (["--maze"], 2, "'--maze'"), (["--solution=1"], 2, "'--solution'"),
                                (["--export", os.path.join(work, "t.pdf"), "--title", "Wide title " * 20], 2,
                                 "characters fit"),
                                (["--maze", code[:-1]], 1, "has 9"), (["--maze", "0x0-12345-12345"], 1, "2 to 1001"),
                                (["--maze", "21x21-3F7KQ-M2XWA"], 1, "no size"),
                                (["--maze", code.replace("-", "")], 1, "hyphen")):
        for env in (english, japanese):
            got, _, err = run(*args, env=env)
            lines = err.strip().splitlines()
            wanted = words if env is english or not words.isascii() or "'" in words else ""
            check(got == status and len(lines) == 1 and wanted in err and "\u3002 (" not in err and ". (" not in err,
                  f"{args} {env['LANGUAGE']}: status {got} (not {status}), stderr {err!r} (wanted {words!r})")
    # The title's limit is the one that holds: that many of its characters fit, one more does not.
    title = "Wide title " * 20
    sheet = os.path.join(work, "titled.pdf")
    _, _, err = run("--export", sheet, "--title", title, env=english)
    fit = int(re.search(r"(\d+) of its", err).group(1)) if re.search(r"(\d+) of its", err) else 0
    shorter = run("--export", sheet, "--title", title[:fit], env=english)[0]
    longer = run("--export", sheet, "--title", title[:fit + 1], env=english)[0]
    check(shorter == 0 and longer == 2, f"a title of {fit} characters: status {shorter}, of {fit + 1}: {longer}")


def failures_lose_nothing(work):
    def fails(args, status, words, env=None):
        before = sorted(os.listdir(work))
        got, out, err = run(*args, env=env)
        lines = err.strip().splitlines()
        check(got == status and len(lines) == 1 and words in err and lines[0].startswith("Tolvane: "),
              f"{args}: status {got} (not {status}), stderr {err!r} (wanted {words!r})")
        check(sorted(os.listdir(work)) == before, f"{args} wrote {set(os.listdir(work)) - set(before)}")

    fails(["--bogus"], 2, "bogus")
    fails(["-qwindowtitle", "Foo"], 2, "qwindowtitle")  # the title is the program's own
    fails(["--export", os.path.join(work, "x.pdf"), "--count", "0"], 2, "1 to 1000")
    fails(["--export", os.path.join(work, "x.pdf"), "--count", "1001"], 2, "1 to 1000")
    fails(["--export", os.path.join(work, "x.png"), "--count", "2"], 2, "PDF")
    fails(["--maze", CODE, "--export", os.path.join(work, "x.pdf"), "--count", "2"], 2, "--count")
    fails(["--export", os.path.join(work, "x.gif")], 2, "x.gif")
    fails(["--maze", "3F7KQ-M2XWB", "--export", os.path.join(work, "x.png")], 1, "3F7KQ-M2XWB")
    fails(["--solution"], 2, "--export")
    fails(["--export", os.path.join(work, "x.png"), "stray"], 2, "stray")
    for args, words in ((["--size", "1x45"], "2 to 1001"), (["--size", "31x1002"], "2 to 1001"),
                        (["--size", "31x31", "--level", "2"], "--level"), (["--level", "6"], "1 to 5"),
                        (["--size", "101x101", "--per-page", "6"], "at most"), (["--per-page", "3"], "1, 2, 4 or 6"),
                        (["--title", "A very long title " * 12], "title"), (["--paper", "b4"], "a4, a3"),
                        (["--level", "3", "--per-page", "6", "--paper", "letter"], "--per-page 4"),
                        (["--level", "1", "--per-page", "6", "--paper", "letter", "--title", "Room 4"], "--per-page 4"),
                        (["--level", "4", "--per-page", "4"], "--per-page 2"),
                        (["--tile", "0x3"], "1 to 10"), (["--tile", "3x11"], "1 to 10"), (["--tile", "3"], "COLUMNS"),
                        (["--tile", "2x2", "--per-page", "2"], "--per-page"), (["--copies", "101"], "1 to 100"),
                        (["--count", "1000", "--copies", "11"], "10000"),
                        (["--name-line", "--no-name-line"], "--name-line")):
        fails(["--export", os.path.join(work, "never.pdf")] + args, 2, words)
    fails(["--export", os.path.join(work, "x.png"), "--size", "1001x1001", "--png-cell", "6"], 2, "33.6 million")
    fails(["--export", os.path.join(work, "x.png"), "--maze", "3F7KQ-M2XWA T0LVA-NE01R"], 2, "PDF")
    fails(["--export", os.path.join(work, "x.svg"), "--copies", "2"], 2, "PDF")
    fails(["--maze", "3F7KQ-M2XWA,T0LVA-NE01R"], 2, "one maze")
    fails(["--export", os.path.join(work, "x.pdf"), "--maze", "3F7KQ-M2XWA, 3F7KQ-M2XWB"], 1, "'3F7KQ-M2XWB'")
    fails(["--export", os.path.join(work, "x.pdf"), "--maze", "@" + os.path.join(work, "no-such-list")], 1,
          "cannot read the codes")
    for args, words in ((["--level", "2", "--algorithm", "prim"], "level"), (["--braid", "120"], "0 to 100"),
                        (["--route", "900"], "41 to 352"), (["--route", "20", "--braid", "5"], "--braid"),
                        (["--algorithm", "maze"], "wilson"), (["--maze", CODE, "--algorithm", "prim"], "code"),
                        (["--route", "ten"], "40%"), (["--route", "81%"], "352")):
        fails(["--export", os.path.join(work, "never.svg")] + args, 2, words)
        fails(["--facts"] + args, 2, words)
    fails(["--maze", "1001x1001-000000000P"], 2, "--export")  # too big for the window's square
    fails(["--export", os.path.join(work, "a.pdf"), "--export", os.path.join(work, "b.pdf")], 2, "--export")
    blank = os.path.join(work, "blank.png")
    subprocess.run(["convert", "-size", "10x10", "xc:white", blank], check=True)
    for args, words in ((["--shape", "circle", "--size", "1"], "2 to 1000"), (["--shape", "circle", "--size", "9x9"], "9x9"),
                        (["--shape", "hexagon", "--size", "601"], "2 to 600"), (["--shape", "octagon"], "octagon"),
                        (["--text", "ABCDEFGHIJKLMNOPQRST", "--level", "1"], "shorter word"), (["--shape", "circle", "--text", "HI"], "one"),
                        (["--shape", "circle", "--level", "2", "--size", "8"], "--size"),
                        (["--shape", "triangle", "--size", "12", "--route", "90%"], "23 to 115"),
                        (["--mask", os.path.join(work, "none.png")], "none.png"), (["--mask", blank], "no dark pixels"),
                        (["--mask", blank, "--level", "1"], "--level"), (["--mask", blank, "--hard"], "--hard"),
                        (["--text", "r2d2"], "A to Z")):
        fails(["--export", os.path.join(work, "never.svg")] + args, 2, words)
    os.remove(blank)
    fails(["--shape", "circle", "--route", "5", "--animate", os.path.join(work, "never.gif")], 2, "--route")
    fails(["--maze", CODE, "--maze", "T0LVA-NE01R"], 2, "--maze")
    fails(["--solution", "--export", os.path.join(work, "a.pdf"), "--solution"], 2, "--solution")
    # What is wrong with a code: a character codes never use, the count, or a typo the check catches.
    fails(["--maze", "3F7KQ-M2XW#"], 1, "'#'")
    fails(["--maze", "3F7KQ-M2XW"], 1, "9")
    fails(["--maze", "3F7KQ-M2XAW"], 1, "check")
    got, _, err = run("--maze", "7" * 100000, "--export", os.path.join(work, "x.png"))
    check(got == 1 and len(err) < 400, f"a long bad code is echoed: status {got}, {len(err)} characters")
    # Pasted with line ends, typed full-width with a full-width hyphen: the same maze as the code.
    pasted, plain = os.path.join(work, "pasted.png"), os.path.join(work, "plain.png")
    got, _, err = run("--maze", "\uff13\uff26\uff17\uff2b\uff31\uff0dM2XWA\r\n", "--export", pasted)
    run("--maze", CODE, "--export", plain)
    with open(pasted, "rb") as a, open(plain, "rb") as b:
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


def animations(work):
    """--animate writes a GIF whose last frame is the --export picture; its usage faults fail alone."""
    gif, png = os.path.join(work, "route.gif"), os.path.join(work, "route.png")
    status, _, err = run("--maze", "3F7KQM2XWA", "--animate", gif, "--pace", "30")
    check(status == 0 and err == "", f"--animate: status {status}, {err!r}")
    run("--maze", "3F7KQM2XWA", "--export", png, "--solution")
    last = subprocess.run(["convert", gif, "-coalesce", "-delete", "0--2", "rgb:-"], capture_output=True).stdout
    shown = subprocess.run(["convert", png, "rgb:-"], capture_output=True).stdout
    check(len(last) > 0 and last == shown, "--animate: the GIF's last frame is not the exported picture")
    for args, words in ((["--animate", gif, "--animate-what", "maze"], "--animate-what takes build, search or route"),
                        (["--animate", gif, "--search", "a-star"], "--search goes with --animate-what search"),
                        (["--animate", gif, "--pace", "0"], "--pace takes a whole number from 1 to 1000"),
                        (["--animate", gif, "--export", png], "--export does not go with --animate"),
                        (["--animate", gif, "--tile", "2x2"], "--tile does not go with --animate"),
                        (["--animate", gif, "--maze", "3F7KQM2XWA,3F7KQM2XWA"], "--animate shows one maze"),
                        (["--animate", gif, "--duration", "5"], "--duration takes a whole number of seconds from 10"),
                        (["--pace", "20"], "--pace goes with --animate")):
        got, _, err = run(*args)
        check(got == 2 and len(err.strip().splitlines()) == 1 and words in err, f"{args}: {got} {err!r}")
    # A build that would last minutes at a step a second lasts the --duration asked, its frames
    # under a second but for the pauses before and after the last step.
    status, _, err = run("--animate", gif, "--animate-what", "build", "--size", "11x11", "--pace", "1000", "--duration", "20")
    delays = [int(d) * 10 for d in subprocess.run(["identify", "-format", "%T ", gif], capture_output=True,
                                                  text=True).stdout.split()] if status == 0 else []
    check(status == 0 and 15_000 <= sum(delays) <= 20_000 and max(delays[:-2], default=0) <= 1000,
          f"--duration 20: status {status}, {err!r}, {len(delays)} frames, {sum(delays)} ms")
def shapes(work):
    """Mazes of other shapes, built the backtracker's way unless another is asked for: each writes its three formats, an SVG draws the circle's rings as
    true arcs and the route as one red stroke, and the code in its title rebuilds the same file."""
    for args, code_start, arcs in ((["--shape", "circle", "--size", "6"], "B0C6-", True),
                                   (["--shape", "circle", "--size", "6", "--algorithm", "kruskal", "--braid", "100"],
                                    "KNC6-", True),
                                   (["--shape", "hexagon", "--size", "5"], "B0H5-", False),
                                   (["--shape", "hexagon", "--size", "7x5", "--algorithm", "wilson"], "W0E7x5-", False),
                                   (["--shape", "triangle", "--size", "6"], "B0T6-", False),
                                   (["--shape", "triangle", "--size", "8x4"], "B0A8x4-", False),
                                   (["--text", "hi", "--size", "6"], "B0W6HI-", False)):
        svg = os.path.join(work, "shape.svg")
        status, _, err = run("--export", svg, "--solution", *args)
        text = open(svg, encoding="utf-8").read() if status == 0 else ""
        title = re.search(r"<title>Tolvane: Maze (\S+), solution", text)
        check(status == 0 and not err and title and title.group(1).startswith(code_start),
              f"{args}: status {status}, {err!r}, title {title and title.group(1)}")
        if not title:
            continue
        red = re.findall(r'<g fill="none" stroke="#ff0000"[^>]*>\n(<path[^>]*>\n)*', text)
        check(len(red) == 1 and text.count("<path") > 2, f"{args}: the route is not one red stroke")
        check((re.search(r'd="[^"]*A', text) is not None) == arcs, f"{args}: arcs {arcs} expected")
        again = os.path.join(work, "again.svg")
        status, _, _ = run("--export", again, "--solution", "--maze", title.group(1))
        check(status == 0 and open(again, encoding="utf-8").read() == text, f"{args}: its code builds another maze")
        for other in ("shape.png", "shape.pdf"):
            status, _, err = run("--export", os.path.join(work, other), "--solution", "--maze", title.group(1))
            check(status == 0 and not err, f"{args} as {other}: status {status}, {err!r}")
        check(page_count(os.path.join(work, "shape.pdf")) == 1, f"{args}: the PDF is not one page")
        for name in ("shape.svg", "again.svg", "shape.png", "shape.pdf"):
            if os.path.exists(os.path.join(work, name)):
                os.remove(os.path.join(work, name))
    # Without --solution no route is drawn.
    plain = os.path.join(work, "plain.svg")
    status, _, _ = run("--export", plain, "--shape", "hexagon", "--size", "4")
    check(status == 0 and "#ff0000" not in open(plain, encoding="utf-8").read(), "a maze without --solution shows a route")
    os.remove(plain) if os.path.exists(plain) else None
    # A circle of 6 rings is 12 cells across and half a cell free all round, 16 pixels a cell.
    png = os.path.join(work, "circle.png")
    status, _, _ = run("--export", png, "--shape", "circle", "--size", "6")
    header = open(png, "rb").read(24) if status == 0 else b""
    check(header[16:24] == (208).to_bytes(4, "big") * 2, "a 6-ring circle's PNG is not 208 pixels square")
    os.remove(png) if os.path.exists(png) else None
    # An outline from a picture: a dark bar over the top half of 60 x 20 pixels, 30 cells across: 30 x 5.
    bar = os.path.join(work, "bar-mask.png")
    # One more dark pixel below it darkens only a quarter of its cell: that cell stays outside.
    subprocess.run(["convert", "-size", "60x20", "xc:white", "-fill", "black", "-draw", "rectangle 0,0 59,9",
                    "-draw", "point 0,10", bar], check=True)
    out = os.path.join(work, "bar.svg")
    status, _, err = run("--export", out, "--mask", bar, "--size", "30")
    text = open(out, encoding="utf-8").read() if status == 0 else ""
    check(status == 0 and "has no code" in text and 'width="496" height="96"' in text,
          f"a 30 x 5 outline: status {status}, {err!r}, {text[:300]!r}")
    for name in ("bar.svg", "bar-mask.png"):
        os.remove(os.path.join(work, name)) if os.path.exists(os.path.join(work, name)) else None


def shape_worksheets(work):
    """Mazes of shapes on worksheets: exactly the mazes asked for, numbered and named by their codes
    with where S and G are, and an answer key of the same mazes with their routes; a list of codes
    of every way and shape opens the very mazes named; a wrong code in it is named, nothing written."""
    def reds(pdf, number):
        pic = page(pdf, number, dpi=40)
        return sum(pic.kind(x, y) == "red" for y in range(0, pic.height, 2) for x in range(0, pic.width, 2))

    pdf = os.path.join(work, "hexagons.pdf")
    status, _, err = run("--export", pdf, "--shape", "hexagon", "--size", "5", "--count", "5", "--per-page", "2",
                         "--solution")
    pages = text_of(pdf).split("\f") if status == 0 else []
    named = [re.findall(r"(\d+)\.\s+Maze (B0H5-\S+); S at the top left, G at the bottom right", p) for p in pages]
    puzzles, answers = [m for p in named[:3] for m in p], [m for p in named[3:5] for m in p]
    check(status == 0 and not err and page_count(pdf) == 5 and [int(n) for n, _ in puzzles] == [1, 2, 3, 4, 5]
          and answers == puzzles and len(set(c for _, c in puzzles)) == 5,
          f"5 hexagons 2 a page with answers: status {status}, {err!r}, {page_count(pdf)} pages, {puzzles} / {answers}")
    if status == 0:
        check(reds(pdf, 1) == 0 and reds(pdf, 4) > 0, "the route is on the puzzles or missing from the answer key")
    measures = dict(re.findall(r"Maze (B0H5-\S+);[^\n]*\n(route [^\n]*)", "\n".join(pages[3:])))

    circle = os.path.join(work, "circle.svg")
    run("--export", circle, "--shape", "circle", "--size", "6")
    circle_code = re.search(r"Maze (B0C6-\S+?)[;,]", open(circle, encoding="utf-8").read()).group(1)
    codes = [puzzles[1][1] if len(puzzles) > 1 else "none", CODE, "P0R41x41-NNTAW-BKH56", circle_code]
    listed = os.path.join(work, "codes.txt")
    with open(listed, "w", encoding="utf-8") as f:
        f.write("\n".join(codes) + "\n")
    mixed = os.path.join(work, "mixed.pdf")
    status, _, err = run("--export", mixed, "--maze", "@" + listed, "--per-page", "2", "--solution")
    text = text_of(mixed) if status == 0 else ""
    shown = re.findall(r"\d+\.\s+Maze (\S+?);?\s", text)
    # (pdftotext reads the answer key's two columns in its own order)
    check(status == 0 and shown[:4] == codes and sorted(shown[4:]) == sorted(codes),
          f"mixed codes: status {status}, {err!r}, {shown}")
    again = dict(re.findall(r"Maze (B0H5-\S+);[^\n]*\n(route [^\n]*)", text))
    check(codes[0] in again and again[codes[0]] == measures.get(codes[0]), f"{codes[0]} opened another maze: {again}")
    typo = circle_code[:-1] + ("A" if circle_code[-1] != "A" else "B")
    before = sorted(os.listdir(work))
    status, _, err = run("--export", os.path.join(work, "never.pdf"), "--maze", ",".join([CODE, typo]))
    check(status == 1 and typo in err and err.count("\n") == 1 and sorted(os.listdir(work)) == before,
          f"a mistyped code in a list: status {status}, {err!r}")
    # A shape shares a page by how many cells it spans: a circle of 40 rings is 80 cells across.
    status, _, err = run("--export", os.path.join(work, "never.pdf"), "--shape", "circle", "--size", "40", "--count", "6",
                         "--per-page", "6", "--paper", "a4")
    check(status == 2 and "80x80" in err and not os.path.exists(os.path.join(work, "never.pdf")),
          f"40-ring circles 6 to an A4 page: status {status}, {err!r}")
    for name in ("hexagons.pdf", "circle.svg", "codes.txt", "mixed.pdf"):
        os.remove(os.path.join(work, name)) if os.path.exists(os.path.join(work, name)) else None


def facts_of(out):
    """Each maze --facts printed: its code, route and decisions."""
    return [(code, int(route), int(decisions)) for code, route, decisions in
            re.findall(r"Maze (\S+): .*\n(?:  .*\n)*?  Route: (\d+) cells.*\n  Decisions on the route: (\d+)", out)]


def shape_levels(work):
    """Levels and routes asked for on shapes: a class set of circles at level 3 with its answer key,
    every maze inside the level's bands and named by a code that builds it again; a level-2
    hexagon; a route on triangles met within 2 % of the cells."""
    pdf = os.path.join(work, "circles.pdf")
    # (Four to a page would give rings of 3.4 mm, narrower than the 4 mm level 3 keeps.)
    status, out, err = run("--export", pdf, "--shape", "circle", "--level", "3", "--count", "4", "--per-page", "2",
                           "--solution", "--facts")
    mazes = facts_of(out)
    # Level 3 on a circle: 13 rings, route 142 (128 to 156), 20 decisions (18 to 22).
    check(status == 0 and not err and page_count(pdf) == 3 and len(mazes) == 4 and len({c for c, _, _ in mazes}) == 4
          and all(c.startswith("WSC13-") and 128 <= r <= 156 and 18 <= d <= 22 for c, r, d in mazes),
          f"circles at level 3: status {status}, {err!r}, {page_count(pdf) if status == 0 else 0} pages, {mazes}")
    key = text_of(pdf).split("\f")[2] if status == 0 else ""
    check(len(re.findall(r"Level 3 · route (\d+) cells", key)) == 4, f"the key does not name level 3 four times: {key!r}")
    if mazes:
        code, route, decisions = mazes[0]
        check(facts_of(run("--facts", "--maze", code)[1]) == [mazes[0]], f"{code} builds another maze")
    status, _, err = run("--export", os.path.join(work, "never.pdf"), "--shape", "circle", "--level", "3", "--per-page", "4",
                         "--paper", "a4")
    check(status == 2 and "3.4 mm" in err and "--per-page 2" in err, f"level-3 circles 4 to a page: {status}, {err!r}")
    status, out, _ = run("--facts", "--shape", "hexagon", "--level", "2")
    check(status == 0 and [(c[:5], 54 <= r <= 64, d) for c, r, d in facts_of(out)] == [("HSH8-", True, 6)],
          f"a level-2 hexagon: {out!r}")
    # A word at level 2: letters as tall as give about the 169 cells of 13 x 13, route 59 cells in 169.
    status, out, err = run("--facts", "--text", "hi", "--level", "2")
    got = re.findall(r"Maze (HSW\d+HI-\S+): (\d+) cells", out)
    share = [r / int(got[0][1]) for _, r, _ in facts_of(out)] if got else []
    check(status == 0 and len(got) == 1 and 150 <= int(got[0][1]) <= 190 and len(share) == 1 and 0.31 <= share[0] <= 0.39,
          f"HI at level 2: status {status}, {err!r}, {out!r}")
    for args, cells in ((["--size", "12", "--route", "50%"], 144), (["--size", "16x6", "--hard"], 96)):
        status, out, err = run("--facts", "--shape", "triangle", *args)
        got = facts_of(out)
        check(status == 0 and f": {cells} cells" in out and len(got) == 1 and abs(got[0][1] - cells // 2) <= cells * 2 // 100,
              f"triangle {args}: status {status}, {err!r}, {out!r}, not {cells // 2} within 2 % of {cells}")
    os.remove(pdf) if os.path.exists(pdf) else None


def hard_mazes(work):
    """--hard: the backtracker with the route laid first through half the cells (within the 2 % of
    the cells a route asked for keeps), for new mazes of any size; nothing else to go with it."""
    for size in ("31x31", "60x20"):
        status, out, err = run("--facts", "--hard", "--size", size)
        share = re.search(r"Route: (\d+) cells, ([\d.]+) %", out)
        check(status == 0 and "Recursive backtracker" in out and share and 48.0 <= float(share.group(2)) <= 52.0,
              f"--hard {size}: status {status}, {err!r}, {out[:200]!r}")
    for args in (["--algorithm", "prim"], ["--route", "40%"], ["--level", "2"], ["--maze", CODE]):
        status, _, err = run("--export", os.path.join(work, "hard.pdf"), "--hard", *args)
        check(status == 2 and "--hard" in err and not os.path.exists(os.path.join(work, "hard.pdf")),
              f"--hard with {args}: status {status}, {err!r}")


if __name__ == "__main__":
    program, work = os.path.abspath(sys.argv[1]), sys.argv[2]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    os.chmod(work, 0o755)
    for case in (worksheets, class_sets, papers_and_posters, tiles, poster, single_pictures, built_ways, counts_within_bounds,
                 help_needs_no_display, texts_and_codes, failures_lose_nothing, animations, shapes, shape_worksheets, shape_levels, hard_mazes):
        case(work)
    sys.exit(1 if failures else 0)
