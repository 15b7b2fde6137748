"""Pixels of a window as the X server holds them, and what the Tolvane picture shows in them."""

import struct
import zlib

# The maze square: 21 cells of 17 pixels, lines from 0 to 357 on both axes.
CELL = 17
SIDE = 21
LAST = CELL * SIDE  # 357, the frame's right column and bottom row
START = (0, 0)
GOAL = (SIDE - 1, SIDE - 1)

CLIENT_WIDTH = 464
CLIENT_HEIGHT = 358
# The two buttons, as (left, top, width, height) in client pixels.
COMMAND1 = (368, 8, 89, 33)
COMMAND2 = (368, 56, 89, 33)


def centre_of(rect):
    left, top, width, height = rect
    return left + width // 2, top + height // 2


def in_rect(x, y, rect):
    left, top, width, height = rect
    return left <= x < left + width and top <= y < top + height


class Picture:
    """An RGB image grabbed from the X server, with the moment it was taken."""

    def __init__(self, width, height, rgb, taken=0.0):
        if len(rgb) != width * height * 3:
            raise ValueError(f"{len(rgb)} bytes for a {width}x{height} RGB image")
        self.width = width
        self.height = height
        self.rgb = bytes(rgb)
        self.taken = taken

    @classmethod
    def from_ppm(cls, data, taken=0.0):
        # A binary PPM: "P6", width, height, maximum value, each followed by white space.
        fields = []
        pos = 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos) + 1
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        if fields[0] != b"P6" or fields[3] != b"255":
            raise ValueError(f"not an 8-bit PPM: {fields!r}")
        width, height = int(fields[1]), int(fields[2])
        return cls(width, height, data[pos + 1:pos + 1 + width * height * 3], taken)

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return self.rgb[i], self.rgb[i + 1], self.rgb[i + 2]

    def kind(self, x, y):
        return classify(*self.pixel(x, y))

    def same_outside_buttons(self, other):
        """True when both pictures agree on every pixel of the drawing surface the buttons leave visible."""
        if (self.width, self.height) != (other.width, other.height):
            return False
        if self.rgb == other.rgb:
            return True
        return not self.differences_outside_buttons(other, limit=1)

    def differences_outside_buttons(self, other, limit=20):
        found = []
        for y in range(self.height):
            row = 3 * y * self.width
            a = self.rgb[row:row + 3 * self.width]
            b = other.rgb[row:row + 3 * self.width]
            if a == b:
                continue
            for x in range(self.width):
                if a[3 * x:3 * x + 3] == b[3 * x:3 * x + 3] or in_rect(x, y, COMMAND1) or in_rect(x, y, COMMAND2):
                    continue
                found.append((x, y))
                if len(found) >= limit:
                    return found
        return found

    def save_png(self, path):
        raw = b"".join(b"\x00" + self.rgb[3 * y * self.width:3 * (y + 1) * self.width] for y in range(self.height))

        def chunk(tag, body):
            return struct.pack(">I", len(body)) + tag + body + struct.pack(">I", zlib.crc32(tag + body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 6))
                      + chunk(b"IEND", b""))


def classify(r, g, b):
    """Names the colour of one pixel in the few colours the program draws with."""
    if r <= 60 and g <= 60 and b <= 60:
        return "black"
    if r >= 200 and g >= 200 and b >= 200:
        return "white"
    if r >= 200 and g <= 60 and b <= 60:
        return "red"
    if b >= 180 and r <= 80 and g <= 80:
        return "blue"
    return "other"
