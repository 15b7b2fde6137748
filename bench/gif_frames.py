#!/usr/bin/env python3
"""Reads an animated GIF's block structure: prints its frame count, the bytes of its first frame
(with the header and palette), and the mean bytes of each later frame (its control extension,
descriptor and image data).

    python3 bench/gif_frames.py FILE.gif [FILE.gif ...]
"""
import sys


def frames(data):
    """Byte offsets where each frame's blocks start, and the file's length."""
    pos = 13
    flags = data[10]
    if flags & 0x80:
        pos += 3 * (2 << (flags & 7))
    starts, pending = [], None
    while pos < len(data):
        block = data[pos]
        if block == 0x3B:
            break
        start = pos
        if block == 0x21:  # an extension: label, then sub-blocks
            if data[pos + 1] == 0xF9 and pending is None:
                pending = start
            pos += 2
        elif block == 0x2C:  # an image: descriptor, optional palette, code size, sub-blocks
            packed = data[pos + 9]
            pos += 10
            if packed & 0x80:
                pos += 3 * (2 << (packed & 7))
            pos += 1
            starts.append(pending if pending is not None else start)
            pending = None
        else:
            raise ValueError("not a GIF block at %d" % pos)
        while data[pos] != 0:
            pos += data[pos] + 1
        pos += 1
    return starts, len(data)


for path in sys.argv[1:]:
    data = open(path, "rb").read()
    starts, size = frames(data)
    first = starts[1] if len(starts) > 1 else size
    later = (size - first) / max(1, len(starts) - 1)
    print(f"{path}: {len(starts)} frames, {size} bytes, first frame {first} bytes, later frames {later:.1f} bytes each")
