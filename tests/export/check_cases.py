#!/usr/bin/env python3
"""The command line case by case: every level, the answer key's packing and the page count that
follows from it, the paper in any case, a big maze's PNG, a mistyped sized code, and the status
and the old file when a file cannot be written (safely).

Usage: check_cases.py PROGRAM WORKDIR. Runs beside check_export.py and shares its helpers."""
import math
import os
import re
import resource
import shutil
import signal
import struct
import subprocess
import sys
import zlib

sys.path.insert(0, os.path.dirname(__file__))
import check_export as ce  # noqa: E402
from check_export import check, page_count, text_of  # noqa: E402

# The levels as --help and docs/worksheets.md give them: the size and the band of route lengths.
LEVELS = {1: (8, 23, 27), 2: (13, 54, 64), 3: (21, 119, 145), 4: (31, 260, 316), 5: (41, 530, 646)}


def every_level(work):
    for level, (side, shortest, longest) in LEVELS.items():
        pdf = os.path.join(work, f"level{level}.pdf")
        # The figures are the teacher's: they are printed in the answer key, not on the child's page.
        status, _, err = ce.run("--export", pdf, "--level", str(level), "--count", "2", "--per-page", "2", "--solution")
        check(status == 0 and not err and page_count(pdf) == 2, f"--level {level}: status {status}, {err!r}")
        if status != 0:
            continue
        text = text_of(pdf)
        codes = re.findall(r"Maze ((?:[A-Z](?:\d+|[SN])[A-Z])?(\d+)x(\d+)-[0-9A-Z-]+|[0-9A-Z]{5}-[0-9A-Z]{5})", text)  # puzzles, then the key
        sizes = {(int(w), int(h)) if w else (21, 21) for _, w, h in codes}
        routes = [int(r) for r in re.findall(rf"Level {level} · route (\d+) cells", text)]
        check(sizes == {(side, side)} and len(codes) == 4, f"--level {level}: mazes of {sizes}, codes {codes}")
        check(len(routes) == 2 and all(shortest <= r <= longest for r in routes),
              f"--level {level}: routes {routes}, not 2 in {shortest}..{longest}")


def levels_on_rectangles_of_shapes(work):
    # The rectangles of hexagons and triangles have levels too: level 2's size, its way (hunt and
    # kill, route first) and its route of 59 cells within 10 %.
    for name, letter, size in (("hexagon-rectangle", "E", "12x14"), ("triangle-rectangle", "A", "17x10")):
        status, out, err = ce.run("--facts", "--shape", name, "--level", "2")
        route = re.search(r"Route: (\d+) cells", out)
        check(status == 0 and re.match(rf"Maze HS{letter}{size}-", out) and route and 53 <= int(route.group(1)) <= 65,
              f"--shape {name} --level 2: status {status}, {out[:80]!r}, {err!r}")


def answer_key_figures(work):
    # A maze without a level is measured when its answer is drawn: the key prints the route and
    # the dead ends that --facts counts for the same code.
    status, out, _ = ce.run("--facts", "--maze", "H5549-93W36")
    route = re.search(r"Route: (\d+) cells", out)
    dead = re.search(r"Dead ends: (\d+)", out)
    pdf = os.path.join(work, "key.pdf")
    ce.run("--export", pdf, "--maze", "H5549-93W36", "--solution")
    key = re.search(r"route (\d+) cells · (\d+) dead ends", text_of(pdf))
    check(status == 0 and route and key and key.group(1) == route.group(1) and (not dead or key.group(2) == dead.group(1)),
          f"the answer key's figures {key and key.groups()} against --facts {out[:160]!r}")


def refused_together(work):
    # Options that cannot go together are refused with status 2 before anything is written.
    for options, said in ((["--tile", "2x2", "--per-page", "2"], "--tile prints one maze across several sheets"),
                          (["--level", "1", "--size", "8x8"], "--size and --level do not go together")):
        pdf = os.path.join(work, "together.pdf")
        status, _, err = ce.run("--export", pdf, *options)
        check(status == 2 and said in err and not os.path.exists(pdf), f"{options}: status {status}, {err!r}")


def facts_and_paces(work):
    # --facts names a rectangle's width and height as given; a shape with loops but no way named
    # is built by the backtracker as every shape is; --pace 1000, the slowest, is taken.
    status, out, _ = ce.run("--facts", "--size", "31x21")
    check(status == 0 and ": 31 x 21 cells," in out.splitlines()[0], f"--facts --size 31x21: {status}, {out[:80]!r}")
    status, out, _ = ce.run("--facts", "--shape", "circle", "--braid", "20")
    check(status == 0 and "Recursive backtracker, 20 %" in out.splitlines()[0], f"a circle with loops: {status}, {out[:120]!r}")
    gif = os.path.join(work, "slow.gif")
    status, _, err = ce.run("--maze", "3F7KQ-M2XWA", "--animate", gif, "--pace", "1000")
    head = open(gif, "rb").read(6) if os.path.exists(gif) else b""
    check(status == 0 and head == b"GIF89a", f"--pace 1000: {status}, {err!r}")


def answer_key_packing(work):
    # Puzzles six to a page keep six to a page in the key; one, two or four to a page give a
    # key of four to a page. "Page N of M" counts the pages there are.
    for per_page, count, pages in ((6, 12, 2 + 2), (4, 8, 2 + 2), (2, 8, 4 + 2), (1, 5, 5 + 2), (6, 7, 2 + 2)):
        pdf = os.path.join(work, f"key{per_page}-{count}.pdf")
        status, _, err = ce.run("--export", pdf, "--count", str(count), "--per-page", str(per_page), "--solution",
                                "--size", "11x11")
        got = page_count(pdf) if status == 0 else 0
        footers = re.findall(r"Page (\d+) of (\d+)", text_of(pdf)) if status == 0 else []
        check(status == 0 and got == pages, f"{count} at {per_page} a page with answers: {got} pages, not {pages}")
        check(footers == [(str(n), str(pages)) for n in range(1, pages + 1)],
              f"{count} at {per_page} a page: footers {footers}")


def paper_in_any_case(work):
    for name, points in (("Letter", "612 x 792"), ("LETTER", "612 x 792"), ("letter", "612 x 792"),
                         ("A4", "595 x 842"), ("a4", "595 x 842")):
        pdf = os.path.join(work, f"paper-{name}.pdf")
        status, _, err = ce.run("--export", pdf, "--paper", name)
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout if status == 0 else ""
        check(status == 0 and points in info, f"--paper {name}: status {status}, {err!r}")


def big_png(work):
    # A maze too big for the window's square gets 4 pixels a cell, not the window's 358 pixels, in
    # a picture of its own shape.
    png = os.path.join(work, "big.png")
    status, _, err = ce.run("--export", png, "--size", "401x150")
    with open(png, "rb") as f:
        header = f.read(24) if status == 0 else b""
    check(status == 0 and header[16:24] == (4 * 401 + 1).to_bytes(4, "big") + (4 * 150 + 1).to_bytes(4, "big"),
          f"a 401x150 PNG: status {status}, {err!r}, header {header[16:24].hex()}")
    # One whose cells in the window are 4 pixels or more keeps the window's picture.
    status, _, _ = ce.run("--export", png, "--size", "89x60")
    with open(png, "rb") as f:
        check(status == 0 and f.read(24)[16:24] == (358).to_bytes(4, "big") * 2, "an 89x60 PNG is not 358 pixels")
    # Every shape's PNG has the rectangle's bound, 2^25 pixels, not a width of its own: a long row
    # of hexagons 4824 pixels wide is written at the cells asked for. Four rows of hexagons one
    # unit across, each row 1.5 corner radii below the last, span 300.5 x 6.5 radii, and the
    # picture adds half a cell all round.
    radius = 1 / 3 ** 0.5
    status, _, err = ce.run("--export", png, "--shape", "hexagon", "--size", "300x4", "--png-cell", "16")
    with open(png, "rb") as f:
        header = f.read(24) if status == 0 else b""
    wide, tall = math.ceil((300.5 + 1) * 16), math.ceil((6.5 * radius + 1) * 16)
    check(status == 0 and header[16:24] == wide.to_bytes(4, "big") + tall.to_bytes(4, "big"),
          f"a 300x4 hexagon PNG at 16 pixels a cell: status {status}, {err!r}, header {header[16:24].hex()}")
    status, _, err = ce.run("--export", png, "--shape", "circle", "--size", "100", "--png-cell", "64")
    check(status == 2 and "33.6 million" in err and err.count("\n") == 1, f"a circle PNG past the bound: {status}, {err!r}")


def mistyped_size(work):
    png = os.path.join(work, "sized.png")
    status, _, err = ce.run("--export", png, "--size", "31x45")
    check(status == 0, f"31x45: status {status}, {err!r}")
    # Its code, read back from the PNG's title, opens the same maze with a capital X, and
    # refuses every size around it.
    title = subprocess.run(["identify", "-format", "%[Title]", png], capture_output=True, text=True).stdout
    found = re.search(r"(31x45-\S+)", title)
    check(found is not None, f"no sized code in the PNG's title {title!r}")
    if not found:
        return
    code = found.group(1)
    again = os.path.join(work, "again.png")
    status, _, err = ce.run("--maze", code.replace("x", "X"), "--export", again)
    same = status == 0 and open(png, "rb").read() == open(again, "rb").read()
    check(same, f"{code} with a capital X: status {status}, {err!r}")
    for size in ("30x45", "31x46", "45x31", "13x45"):
        typo = size + code[5:]
        status, _, err = ce.run("--maze", typo, "--export", os.path.join(work, "typo.png"))
        check(status == 1 and "typo.png" not in os.listdir(work) and err.count("\n") == 1 and typo in err,
              f"{typo}: status {status}, {err!r}")


def names_in_any_case(work):
    # Every named choice is taken in any case, as --algorithm and --paper are, and a word in
    # full-width letters is the word: each gives what its lower-case spelling gives.
    for args, start in ((["--shape", "Circle", "--size", "6"], "Maze B0C6-"),
                        (["--shape", "HEXAGON", "--size", "5"], "Maze B0H5-"),
                        (["--text", "\uff23\uff41\uff34", "--size", "6"], "Maze B0W6CAT-"),  # ＣａＴ
                        # Names and numbers typed in full width, as codes are read: ＣＩＲＣＬＥ ６, ３１ｘ３１.
                        (["--shape", "".join(chr(ord(c) + 0xFEE0) for c in "CIRCLE"), "--size", "\uff16"], "Maze B0C6-"),
                        (["--size", "\uff13\uff11\uff58\uff13\uff11"], "Maze 31x31-")):
        status, out, err = ce.run("--facts", *args)
        check(status == 0 and out.startswith(start), f"{args}: status {status}, {out[:40]!r}, {err!r}")
    gif = os.path.join(work, "named.gif")
    status, _, err = ce.run("--animate", gif, "--animate-what", "Search", "--search", "Breadth-First", "--size", "5x5")
    check(status == 0 and os.path.getsize(gif) > 0, f"--animate-what Search --search Breadth-First: {status}, {err!r}")


def mistyped_fronts(work):
    # A shape's code mistyped at its front is refused for that, in one line, with status 1.
    for front, says in (("B0C1", "2 to 1000 rings, not 1"), ("B0C2000", "2 to 1000 rings, not 2000"),
                        ("BOC9", "the character 'O'"), ("Q0C9", "no way to build has the letter Q"),
                        ("B0X9", "no shape has the letter X")):
        status, out, err = ce.run("--maze", front + "-NA431-PHDY7", "--facts")
        check(status == 1 and not out and err.count("\n") == 1 and says in err, f"{front}: status {status}, {err!r}")


def words_at_a_level(work):
    # One word's maze at a level keeps the level's cells as two do: both are refused alike, and
    # every way out the refusal names, followed, is taken.
    pdf = os.path.join(work, "word-level.pdf")
    for word, level in (("HELLOWORLD", "3"), ("HELLO", "3")):
        results = [ce.run("--export", pdf, "--text", word, "--level", level, "--count", count, env=dict(os.environ, LC_PAPER="en_GB.UTF-8"))
                   for count in ("1", "2")]
        errors = [err for _, _, err in results]
        check([status for status, _, _ in results] == [2, 2] and errors[0] == errors[1] and errors[0].count("\n") == 1
              and "--per-page" not in errors[0] and not os.path.exists(pdf), f"{word} at level {level}: {results}")
        ways = re.findall(r"--paper (\w+)|at most (\d+) letters|--level (\d)", errors[0])
        check(len(ways) >= 2, f"{word} at level {level}: the refusal names {ways}: {errors[0]!r}")
        for paper, letters, other in ways:
            args = (["--text", word, "--level", level, "--paper", paper] if paper else
                    ["--text", word[:int(letters)], "--level", level] if letters else ["--text", word, "--level", other])
            status, _, err = ce.run("--export", pdf, "--count", "2", *args, env=dict(os.environ, LC_PAPER="en_GB.UTF-8"))
            check(status == 0 and os.path.exists(pdf), f"{word} at level {level}, followed with {args}: {status}, {err!r}")
            if os.path.exists(pdf):
                os.remove(pdf)


def png_bytes(width, height, dark=None):
    """A PNG of one bit a pixel, black where `dark(x, y)` (everywhere unless given), written here
    so that its size can be anything."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    if dark is None:
        rows = (b"\0" * (1 + (width + 7) // 8)) * height
    else:
        rows = b""
        for y in range(height):
            row = bytearray((width + 7) // 8)
            for x in range(width):
                if not dark(x, y):
                    row[x // 8] |= 0x80 >> (x % 8)
            rows += b"\0" + bytes(row)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 1, 0, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def unreadable_pictures(work):
    # A picture --mask cannot use is one line in the user's language naming the cause, nothing
    # from Qt or libpng, and no file; a whole picture of the same kind is taken.
    whole = png_bytes(64, 64)
    pictures = {"huge.png": png_bytes(20000, 20000), "cut.png": whole[:len(whole) // 2],
                "damaged.png": whole[:40] + bytes([whole[40] ^ 0xFF]) + whole[41:], "words.png": b"no picture",
                "whole.png": whole}
    for name, data in pictures.items():
        with open(os.path.join(work, name), "wb") as f:
            f.write(data)
    os.makedirs(os.path.join(work, "folder.png"), exist_ok=True)
    english = dict(os.environ, LANGUAGE="en", LANG="C.UTF-8")
    japanese = dict(os.environ, LANGUAGE="ja", LANG="ja_JP.UTF-8")
    out = os.path.join(work, "masked.svg")
    if os.path.exists(out):
        os.remove(out)
    for name, env, words in (("huge.png", english, "20000 x 20000 pixels; a picture for --mask may have at most 33.5 million"),
                             ("huge.png", japanese, "33.5 百万"),
                             ("cut.png", english, "damaged or cut off"), ("damaged.png", english, "damaged or cut off"),
                             ("cut.png", japanese, "壊れて"),
                             ("folder.png", english, "is a folder, not a picture"),
                             ("missing.png", english, "there is no picture"),
                             ("words.png", english, "is not a picture")):
        status, _, err = ce.run("--export", out, "--mask", os.path.join(work, name), env=env)
        check(status == 2 and err.count("\n") == 1 and words in err and not os.path.exists(out),
              f"--mask {name} ({env['LANGUAGE']}): status {status}, {err!r}")
    status, _, err = ce.run("--export", out, "--mask", os.path.join(work, "whole.png"))
    check(status == 0 and not err and os.path.exists(out), f"--mask whole.png: status {status}, {err!r}")


def first_release_codes(work):
    # Codes the first release printed are refused, saying where they may come from and how to
    # open them; --old-code opens each as its maze, the one today's code of its nine seed
    # characters names, and leaves every code of today as it was.
    for old, start in (("30x30-VZY4H-WRHNH", "30x30-VZY4H-WRHN"), ("13x13-RS88C-CQES7", "13x13-RS88C-CQES")):
        png = os.path.join(work, "old.png")
        status, _, err = ce.run("--maze", old, "--export", png)
        check(status == 1 and err.count("\n") == 1 and "first release" in err and "--old-code" in err
              and not os.path.exists(png), f"{old} without --old-code: status {status}, {err!r}")
        status, out, err = ce.run("--maze", old, "--old-code", "--export", png, "--facts")
        today = re.match(r"Maze (\S+):", out)
        check(status == 0 and today is not None and today.group(1).startswith(start), f"{old} --old-code: {status}, {out!r}, {err!r}")
        if status != 0 or today is None:
            continue
        again = os.path.join(work, "today.png")
        status, _, err = ce.run("--maze", today.group(1), "--export", again)
        check(status == 0 and open(png, "rb").read() == open(again, "rb").read(), f"{old}: not the maze of {today.group(1)}")
        os.remove(png)
    status, out, _ = ce.run("--maze", "31x45-T01VA-NE015", "--old-code", "--facts")
    check(status == 0 and out.startswith("Maze 31x45-T01VA-NE015:"), f"today's code with --old-code: {status}, {out!r}")


def masks_at_any_size(work):
    # --size gives a picture's cells across at any size, above its pixels too: a disc 32 pixels
    # wide has about pi r^2 cells at r = size / 2 (within 4 %), and a dark pixel alone a full square.
    # A picture with too little ink is told so, with a bigger --size to try while there is one.
    pictures = {"disc.png": png_bytes(32, 32, lambda x, y: (x + 0.5 - 16) ** 2 + (y + 0.5 - 16) ** 2 <= 256),
                "dot.png": png_bytes(1, 1), "speck.png": png_bytes(400, 400, lambda x, y: (x, y) == (200, 200))}
    for name, data in pictures.items():
        with open(os.path.join(work, name), "wb") as f:
            f.write(data)
    svg = os.path.join(work, "mask.svg")
    for name, size, cells in (("disc.png", 32, 3.14159 * 16 ** 2), ("disc.png", 60, 3.14159 * 30 ** 2),
                              ("disc.png", 120, 3.14159 * 60 ** 2), ("dot.png", 40, 1600)):
        status, out, err = ce.run("--export", svg, "--facts", "--mask", os.path.join(work, name), "--size", str(size))
        got = re.match(r"Maze -: (\d+) cells", out)
        check(status == 0 and got is not None and abs(int(got.group(1)) - cells) <= 0.04 * cells,
              f"--mask {name} --size {size}: {status}, {out[:40]!r}, {err!r}, not about {cells:.0f} cells")
    for size, advice in ((40, "give a bigger --size, up to 200"), (200, "even at 200 cells across")):
        status, _, err = ce.run("--export", svg, "--mask", os.path.join(work, "speck.png"), "--size", str(size))
        check(status == 2 and err.count("\n") == 1 and "too little of" in err and advice in err,
              f"a speck at --size {size}: {status}, {err!r}")


def on_a_terminal(args):
    """Runs the program with standard error on a terminal: the status and what the terminal got."""
    import pty
    import select
    leader, follower = pty.openpty()
    process = subprocess.Popen([ce.program, *args], stdout=subprocess.DEVNULL, stderr=follower)
    os.close(follower)
    got = b""
    while True:
        ready, _, _ = select.select([leader], [], [], 0.2)
        if ready:
            try:
                chunk = os.read(leader, 4096)
            except OSError:
                break
            if not chunk:
                break
            got += chunk
        elif process.poll() is not None:
            break
    os.close(leader)
    return process.wait(timeout=120), got.decode("utf-8", "replace")


def progress_on_a_terminal(work):
    # Work of more than half a second shows its progress on one line of a terminal, rewritten in
    # place and wiped at the end; to a pipe or a file it says nothing.
    gif = os.path.join(work, "progress.gif")
    args = ["--animate", gif, "--animate-what", "build", "--size", "101x101"]
    status, shown = on_a_terminal(args)
    lines = [line for line in shown.split("\r") if line.strip()]
    percents = [int(m.group(1)) for m in (re.match(r"progress\.gif: (\d+) %, about \d+ s left *$", line) for line in lines) if m]
    check(status == 0 and "\n" not in shown and len(percents) == len(lines) >= 2 and percents == sorted(percents)
          and shown.endswith("\r") and not shown.split("\r")[-2].strip(), f"progress on a terminal: {status}, {shown[-200:]!r}")
    status, _, err = ce.run(*args)
    check(status == 0 and err == "", f"progress to a pipe: {status}, {err!r}")


def as_nobody():
    """The command prefix that runs the program as nobody when the tests run as root, who may
    write anywhere."""
    if os.getuid() == 0:
        return ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", ce.program]
    return [ce.program]


def unwritable(work):
    # A file that cannot be written is a failure (1), whatever the type; wrong options are 2.
    for name in ("x.png", "x.svg", "x.pdf"):
        path = os.path.join(work, "no-such-folder", name)
        status, _, err = ce.run("--export", path)
        check(status == 1 and err.startswith("Tolvane: ") and err.count("\n") == 1,
              f"{name} in a missing folder: status {status}, {err!r}")

    # A writable file in a folder that takes no new file: nothing can be written safely beside
    # it, so the program says so and leaves the file whole, even where the file itself would
    # have taken the new one; here it could not take all of it (a size limit of 4 KiB).
    locked = os.path.join(work, "locked-folder")
    os.makedirs(locked)
    old = os.path.join(locked, "mine.pdf")
    with open(old, "w") as f:
        f.write("the user's own file")
    os.chmod(old, 0o666)
    os.chmod(locked, 0o555)

    def small_files():
        resource.setrlimit(resource.RLIMIT_FSIZE, (4096, 4096))
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)

    for args, limit in ((["--count", "20"], small_files), (["--count", "1"], None)):
        result = subprocess.run(as_nobody() + ["--export", old] + args, capture_output=True, text=True,
                                preexec_fn=limit, timeout=120)
        with open(old) as f:
            kept = f.read()
        check(result.returncode == 1 and "mine.pdf" in result.stderr and "safely" in result.stderr and
              result.stderr.count("\n") == 1,
              f"a locked folder, {args}: status {result.returncode}, {result.stderr!r}")
        check(kept == "the user's own file", f"a locked folder, {args}: the file became {kept[:40]!r}")
        check(os.listdir(locked) == ["mine.pdf"], f"a locked folder, {args}: {os.listdir(locked)}")
    os.chmod(locked, 0o755)


if __name__ == "__main__":
    ce.program, work = os.path.abspath(sys.argv[1]), sys.argv[2]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    os.chmod(work, 0o755)
    for case in (every_level, levels_on_rectangles_of_shapes, answer_key_figures, refused_together, facts_and_paces, answer_key_packing, paper_in_any_case, names_in_any_case, big_png, mistyped_size,
                 mistyped_fronts, first_release_codes,
                 unreadable_pictures, masks_at_any_size, words_at_a_level,
                 progress_on_a_terminal, unwritable):
        case(work)
    sys.exit(1 if ce.failures else 0)
