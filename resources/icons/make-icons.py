#!/usr/bin/env python3
"""Draws Tolvane's icon: a small maze, black walls on white, a blue S in the top-left cell and a blue G in the
bottom-right one, at 64, 48, 32 and 16 pixels, as 256-colour PNGs and one Windows .ico holding all four.

The pictures are pixel art drawn here cell by cell, so that every size stays crisp (a scaled-down 64-pixel
picture turns the walls grey at 16 pixels), and the files come out the same on every run. Run it after any
change and commit what it writes:

    resources/icons/make-icons.py            # rewrite the files next to this script
    resources/icons/make-icons.py --check    # fail if the committed files differ from what it would draw
"""
import struct
import sys
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent
SIZES = (64, 48, 32, 16)

WHITE, BLACK, BLUE = 0, 1, 2
# Colour table of 256 entries, as a 256-colour icon carries; only the first three are used.
PALETTE = [(255, 255, 255), (0, 0, 0), (0, 0, 255)] + [(0, 0, 0)] * 253

# The 4 x 4 maze for the three larger sizes: one route from S at (0, 0) to G at (3, 3), every cell reached.
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
# At 16 pixels four cells leave no room for a letter: two by two cells, one inner wall.
MAZE2 = {
    "RIGHT": [".",
              "."],
    "BOTTOM": [".#"],
}

# Letters on a 3 x 5 grid; each column and row of the grid is widened to a stroke or a gap for the size at hand.
GLYPHS = {
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

# Per size: the maze, cell pitch, wall thickness, the maze's offset from the top-left corner, and the letters'
# strokes and gaps as (across, down) pixels.
LAYOUTS = {
    64: dict(maze=MAZE4, pitch=15, wall=2, offset=1, stroke=(2, 2), gap=(2, 2)),
    48: dict(maze=MAZE4, pitch=11, wall=2, offset=1, stroke=(2, 1), gap=(1, 2)),
    32: dict(maze=MAZE4, pitch=7, wall=1, offset=1, stroke=(1, 1), gap=(1, 1)),
    16: dict(maze=MAZE2, pitch=7, wall=1, offset=0, stroke=(1, 1), gap=(1, 1)),
}


def draw(size):
    """The icon at one size, as rows of palette indices."""
    lay = LAYOUTS[size]
    maze, pitch, wall, off = lay["maze"], lay["pitch"], lay["wall"], lay["offset"]
    cells = len(maze["RIGHT"])
    span = cells * pitch + wall
    assert off + span <= size, f"the maze does not fit {size} pixels"
    img = [[WHITE] * size for _ in range(size)]

    def fill(x0, y0, w, h, colour):
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                img[y][x] = colour

    # Frame.
    fill(off, off, span, wall, BLACK)
    fill(off, off + span - wall, span, wall, BLACK)
    fill(off, off, wall, span, BLACK)
    fill(off + span - wall, off, wall, span, BLACK)
    # Inner walls, each covering the whole edge between two cells, corners included.
    for y, row in enumerate(maze["RIGHT"]):
        for x, c in enumerate(row):
            if c == "#":
                fill(off + (x + 1) * pitch, off + y * pitch, wall, pitch + wall, BLACK)
    for y, row in enumerate(maze["BOTTOM"]):
        for x, c in enumerate(row):
            if c == "#":
                fill(off + x * pitch, off + (y + 1) * pitch, pitch + wall, wall, BLACK)

    # Letters, centred in the inside of the start and goal cells.
    stroke, gap = lay["stroke"], lay["gap"]
    widths = [stroke[0], gap[0], stroke[0]]
    heights = [stroke[1], gap[1], stroke[1], gap[1], stroke[1]]
    inside = pitch - wall
    assert sum(widths) <= inside and sum(heights) <= inside, f"the letters do not fit {size} pixels"
    for letter, cell in (("S", 0), ("G", cells - 1)):
        left = off + cell * pitch + wall + (inside - sum(widths)) // 2
        top = off + cell * pitch + wall + (inside - sum(heights)) // 2
        y = top
        for gy, row in enumerate(GLYPHS[letter]):
            x = left
            for gx, c in enumerate(row):
                if c == "#":
                    fill(x, y, widths[gx], heights[gy], BLUE)
                x += widths[gx]
            y += heights[gy]
    return img


def png(img):
    """An 8-bit palette PNG of the picture."""
    h, w = len(img), len(img[0])

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\0" + bytes(row) for row in img)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(rgb) for rgb in PALETTE))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def read_png(data):
    """The palette and rows of a PNG that png() wrote, or None if it is not one."""
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
    return chunks[b"PLTE"], rows


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
        # Bitmaps run bottom-up; the AND mask is all zero because every pixel is opaque.
        colours = b"".join(bytes(row) + b"\0" * (colour_stride - w) for row in reversed(img))
        mask = b"\0" * (mask_stride * h)
        blob = header + table + colours + mask
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 8, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def outputs():
    images = {size: draw(size) for size in SIZES}
    files = {f"tolvane-{size}.png": png(images[size]) for size in SIZES}
    files["tolvane.ico"] = ico([images[size] for size in SIZES])
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
