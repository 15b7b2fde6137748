#!/usr/bin/env python3
"""Draws Tolvane's icon: a small maze, black walls on white, a blue S in the top-left cell and a blue G in the
bottom-right one, on a transparent background. It writes

- tolvane-N.png at 16, 24, 32, 48, 64, 128 and 256 pixels, for the desktop's icon theme; the 16-, 32-, 48- and
  64-pixel ones are also the window's icon;
- tolvane.svg, the scalable icon: the 128-pixel picture as vectors;
- tolvane.ico, the Windows icon: the 64-, 48-, 32- and 16-pixel pictures in 256 colours.

The pictures are pixel art drawn here cell by cell, so that every size stays crisp (a scaled-down 64-pixel
picture turns the walls grey at 16 pixels), and the files come out the same on every run. Every picture is
made of whole-pixel rectangles in four colours, so the PNGs are 256-colour ones whose one transparent colour
lies outside the maze's frame. Run it after any change and commit what it writes:

    resources/icons/make-icons.py            # rewrite the files next to this script
    resources/icons/make-icons.py --check    # fail if the committed files differ from what it would draw
"""
import struct
import sys
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent
# The icon theme's sizes; the Windows icon and the window's icon take the four of WINDOW_SIZES.
SIZES = (256, 128, 64, 48, 32, 24, 16)
WINDOW_SIZES = (64, 48, 32, 16)
# The picture the scalable icon is drawn from, one pixel to one unit.
SVG_SIZE = 128

WHITE, BLACK, BLUE, CLEAR = 0, 1, 2, 3
# Colour table of 256 entries, as a 256-colour icon carries; only the first four are used. CLEAR is the
# transparent background; its colour is black so that a Windows icon's mask shows the desktop through it.
PALETTE = [(255, 255, 255), (0, 0, 0), (0, 0, 255), (0, 0, 0)] + [(0, 0, 0)] * 252
ALPHA = [255, 255, 255, 0]
SVG_COLOURS = {WHITE: "#ffffff", BLACK: "#000000", BLUE: "#0000ff"}

# The 4 x 4 maze from 32 pixels up: one route from S at (0, 0) to G at (3, 3), every cell reached.
# RIGHT[y][x] is the wall between cells (x, y) and (x + 1, y); BOTTOM[y][x] the one between (x, y) and (x, y + 1).
MAZE4 = {
    "RIGHT": ["...",
              "#.#",
              ".#.",
              "..#"],
    "BOTTOM": [".##.",
               "..##",
               ".#.."],
}
# At 16 and 24 pixels four cells leave no room for a letter: two by two cells, one inner wall.
MAZE2 = {
    "RIGHT": [".",
              "."],
    "BOTTOM": [".#"],
}

# Letters on a 3 x 5 grid; each column and row of the grid is widened to a stroke or a gap for the size at hand.
SMALL_GLYPHS = {
    "S": ["###",
          "#..",
          "###",
          "..#",
          "###"],
    "G": ["###",
          "#..",
          "#.#",
          "#.#",
          "###"],
}
# From 128 pixels up there is room for letters on a 5 x 7 grid of square dots, with rounded corners.
LARGE_GLYPHS = {
    "S": [".###.",
          "#...#",
          "#....",
          ".###.",
          "....#",
          "#...#",
          ".###."],
    "G": [".###.",
          "#...#",
          "#....",
          "#.###",
          "#...#",
          "#...#",
          ".####"],
}


def small(stroke, gap):
    """The small letters with strokes and gaps of (across, down) pixels."""
    return dict(glyphs=SMALL_GLYPHS, widths=[stroke[0], gap[0], stroke[0]],
                heights=[stroke[1], gap[1], stroke[1], gap[1], stroke[1]])


def large(dot):
    """The large letters with dots of the given side."""
    return dict(glyphs=LARGE_GLYPHS, widths=[dot] * 5, heights=[dot] * 7)


# Per size: the maze, cell pitch, wall thickness, the maze's offset from the top-left corner, and the letters.
LAYOUTS = {
    256: dict(maze=MAZE4, pitch=58, wall=8, offset=8, **large(6)),
    128: dict(maze=MAZE4, pitch=29, wall=4, offset=4, **large(3)),
    64: dict(maze=MAZE4, pitch=15, wall=2, offset=1, **small((2, 2), (2, 2))),
    48: dict(maze=MAZE4, pitch=11, wall=2, offset=1, **small((2, 1), (1, 2))),
    32: dict(maze=MAZE4, pitch=7, wall=1, offset=1, **small((1, 1), (1, 1))),
    24: dict(maze=MAZE2, pitch=10, wall=2, offset=1, **small((2, 2), (1, 1))),
    16: dict(maze=MAZE2, pitch=7, wall=1, offset=0, **small((1, 1), (1, 1))),
}


def shapes(size):
    """The icon at one size as (colour, x, y, width, height) rectangles in pixels, later ones on top."""
    lay = LAYOUTS[size]
    maze, pitch, wall, off = lay["maze"], lay["pitch"], lay["wall"], lay["offset"]
    cells = len(maze["RIGHT"])
    span = cells * pitch + wall
    assert off + span <= size, f"the maze does not fit {size} pixels"
    # The maze's white square; around it the background stays transparent.
    rects = [(WHITE, off, off, span, span)]
    # Frame.
    rects += [(BLACK, off, off, span, wall), (BLACK, off, off + span - wall, span, wall),
              (BLACK, off, off, wall, span), (BLACK, off + span - wall, off, wall, span)]
    # Inner walls, each covering the whole edge between two cells, corners included.
    for y, row in enumerate(maze["RIGHT"]):
        for x, c in enumerate(row):
            if c == "#":
                rects.append((BLACK, off + (x + 1) * pitch, off + y * pitch, wall, pitch + wall))
    for y, row in enumerate(maze["BOTTOM"]):
        for x, c in enumerate(row):
            if c == "#":
                rects.append((BLACK, off + x * pitch, off + (y + 1) * pitch, pitch + wall, wall))

    # Letters, centred in the inside of the start and goal cells.
    widths, heights = lay["widths"], lay["heights"]
    inside = pitch - wall
    assert sum(widths) <= inside and sum(heights) <= inside, f"the letters do not fit {size} pixels"
    for letter, cell in (("S", 0), ("G", cells - 1)):
        left = off + cell * pitch + wall + (inside - sum(widths)) // 2
        y = off + cell * pitch + wall + (inside - sum(heights)) // 2
        for gy, row in enumerate(lay["glyphs"][letter]):
            x = left
            for gx, c in enumerate(row):
                if c == "#":
                    rects.append((BLUE, x, y, widths[gx], heights[gy]))
                x += widths[gx]
            y += heights[gy]
    return rects


def draw(size):
    """The icon at one size, as rows of palette indices."""
    img = [[CLEAR] * size for _ in range(size)]
    for colour, x0, y0, w, h in shapes(size):
        for y in range(y0, y0 + h):
            img[y][x0:x0 + w] = [colour] * w
    return img


def svg(size):
    """The picture of one size as a scalable icon: one path of whole-unit rectangles per colour, so that a
    renderer leaves no seams where rectangles of one colour meet."""
    paths = {}
    for colour, x, y, w, h in shapes(size):
        paths.setdefault(colour, []).append(f"M{x} {y}h{w}v{h}h-{w}z")
    body = "".join(f'  <path fill="{SVG_COLOURS[colour]}" d="{"".join(parts)}"/>\n' for colour, parts in paths.items())
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" viewBox="0 0 {size} {size}">\n'
            "  <title>Tolvane</title>\n" + body + "</svg>\n").encode()


def png(img):
    """An 8-bit palette PNG of the picture, its background transparent."""
    h, w = len(img), len(img[0])

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\0" + bytes(row) for row in img)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(rgb) for rgb in PALETTE))
            + chunk(b"tRNS", bytes(ALPHA))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def read_png(data):
    """The palette, its alpha values and the rows of a PNG that png() wrote, or None if it is not one."""
    if not data.startswith(b"\x89PNG\r\n\x1a\n"):
        return None
    pos, chunks = 8, {}
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        chunks[kind] = chunks.get(kind, b"") + data[pos + 8:pos + 8 + length]
        pos += 12 + length
    w, h, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[b"IHDR"])
    if (depth, colour, interlace) != (8, 3, 0):
        return None
    raw = zlib.decompress(chunks[b"IDAT"])
    rows = [list(raw[y * (w + 1) + 1:(y + 1) * (w + 1)]) for y in range(h)]
    if any(raw[y * (w + 1)] != 0 for y in range(h)):
        return None
    return chunks[b"PLTE"], chunks.get(b"tRNS", b""), rows


def ico(images):
    """A Windows icon with one 8-bit bitmap per picture, largest first."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for img in images:
        h, w = len(img), len(img[0])
        colour_stride = (w + 3) // 4 * 4
        mask_stride = ((w + 31) // 32) * 4
        header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 8, 0, (colour_stride + mask_stride) * h, 0, 0, 0, 0)
        table = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
        # Bitmaps run bottom-up. The AND mask has a 1 for every transparent pixel, most significant bit first.
        colours = b"".join(bytes(row) + b"\0" * (colour_stride - w) for row in reversed(img))
        mask = b""
        for row in reversed(img):
            bits = "".join("1" if ALPHA[i] == 0 else "0" for i in row).ljust(mask_stride * 8, "0")
            mask += int(bits, 2).to_bytes(mask_stride, "big")
        blob = header + table + colours + mask
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 8, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def outputs():
    images = {size: draw(size) for size in SIZES}
    files = {f"tolvane-{size}.png": png(images[size]) for size in SIZES}
    files["tolvane.ico"] = ico([images[size] for size in WINDOW_SIZES])
    files["tolvane.svg"] = svg(SVG_SIZE)
    return files


def main(argv):
    check = argv[1:] == ["--check"]
    if argv[1:] and not check:
        sys.exit(f"usage: {argv[0]} [--check]")
    stale = []
    for name, data in outputs().items():
        path = HERE / name
        if not check:
            path.write_bytes(data)
            continue
        old = path.read_bytes() if path.exists() else b""
        # PNGs are compared by their pixels and palette, so that another zlib build does not count as a change.
        same = old == data or (name.endswith(".png") and read_png(old) is not None and read_png(old) == read_png(data))
        if not same:
            stale.append(name)
    if stale:
        sys.exit(f"out of date, run {Path(argv[0]).name} and commit: {' '.join(stale)}")


if __name__ == "__main__":
    main(sys.argv)
