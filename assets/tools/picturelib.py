"""Small drawing and file-writing helpers for the game's picture generator.

Pictures are grids of one-character colour keys; a palette maps each key to an
(r, g, b) triple, or to None for a transparent pixel. Only the standard library
is used, so the pictures can be rebuilt anywhere Python 3 runs.
"""

import math
import struct
import zlib


class Canvas:
    """A grid of colour keys with a few filled shapes, sampled at pixel centres."""

    def __init__(self, width, height, key):
        self.width = width
        self.height = height
        self.rows = [[key] * width for _ in range(height)]

    def get(self, x, y):
        return self.rows[y][x]

    def put(self, x, y, key):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = key

    def fill_where(self, inside, key, only=None):
        """Sets every pixel whose centre satisfies `inside`, optionally only
        over pixels that currently hold one of the keys in `only`."""
        for y in range(self.height):
            for x in range(self.width):
                if only is not None and self.rows[y][x] not in only:
                    continue
                if inside(x + 0.5, y + 0.5):
                    self.rows[y][x] = key

    def rect(self, x0, y0, x1, y1, key, only=None):
        """Fills pixels x0..x1, y0..y1, both ends included."""
        for y in range(max(0, y0), min(self.height - 1, y1) + 1):
            for x in range(max(0, x0), min(self.width - 1, x1) + 1):
                if only is None or self.rows[y][x] in only:
                    self.rows[y][x] = key

    def ellipse(self, cx, cy, rx, ry, key, only=None, angle=0.0):
        """A filled ellipse, its x axis turned by `angle` degrees clockwise."""
        cos_a = math.cos(math.radians(angle))
        sin_a = math.sin(math.radians(angle))

        def inside(px, py):
            u = (px - cx) * cos_a + (py - cy) * sin_a
            v = -(px - cx) * sin_a + (py - cy) * cos_a
            return (u / rx) ** 2 + (v / ry) ** 2 <= 1.0

        self.fill_where(inside, key, only)

    def polygon(self, points, key, only=None):
        self.fill_where(lambda px, py: inside_polygon(points, px, py), key, only)

    def stroke(self, x0, y0, x1, y1, width, key, only=None):
        """A thick line between two points, with round ends."""
        self.fill_where(lambda px, py: segment_distance(px, py, x0, y0, x1, y1) <= width / 2,
                        key, only)

    def line(self, x0, y0, x1, y1, key, only=None):
        """A one-pixel line between two pixel positions (Bresenham)."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            if 0 <= x0 < self.width and 0 <= y0 < self.height:
                if only is None or self.rows[y0][x0] in only:
                    self.rows[y0][x0] = key
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def plot(self, points, key):
        for x, y in points:
            self.put(x, y, key)

    def rim(self, shape_keys, key, sides, background):
        """Recolours the pixels of a shape that border the background on the
        given sides ("l", "r", "t", "b"): a cheap way to shade an edge."""
        offsets = {"l": (-1, 0), "r": (1, 0), "t": (0, -1), "b": (0, 1)}
        hits = []
        for y in range(self.height):
            for x in range(self.width):
                if self.rows[y][x] not in shape_keys:
                    continue
                for side in sides:
                    dx, dy = offsets[side]
                    nx, ny = x + dx, y + dy
                    outside = not (0 <= nx < self.width and 0 <= ny < self.height)
                    if outside or self.rows[ny][nx] in background:
                        hits.append((x, y))
                        break
        self.plot(hits, key)

    def paste(self, grid, x0, y0, transparent=None):
        for dy, row in enumerate(grid):
            for dx, key in enumerate(row):
                if key != transparent:
                    self.put(x0 + dx, y0 + dy, key)

    def lines(self):
        return ["".join(row) for row in self.rows]


def inside_polygon(points, px, py):
    """Even-odd rule for a closed polygon of (x, y) corners."""
    inside = False
    count = len(points)
    for i in range(count):
        x0, y0 = points[i]
        x1, y1 = points[(i + 1) % count]
        if (y0 > py) != (y1 > py):
            cross = x0 + (py - y0) * (x1 - x0) / (y1 - y0)
            if px < cross:
                inside = not inside
    return inside


def segment_distance(px, py, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / length))
    return math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))


def distance(x0, y0, x1, y1):
    return math.hypot(x1 - x0, y1 - y0)


def grid_colours(lines, palette):
    """The distinct colours a grid uses, in first-use order."""
    seen = []
    for line in lines:
        for key in line:
            colour = palette[key]
            if colour not in seen:
                seen.append(colour)
    return seen


def xpm_text(name, lines, palette):
    """An XPM image, one character per pixel, listing only the keys it uses."""
    used = sorted({key for line in lines for key in line}, key=lambda k: list(palette).index(k))
    height = len(lines)
    width = len(lines[0])
    out = ["/* XPM */", f"static const char *const {name}[] = {{",
           f'"{width} {height} {len(used)} 1",']
    for key in used:
        colour = palette[key]
        value = "None" if colour is None else "#%02X%02X%02X" % colour
        out.append(f'"{key} c {value}",')
    for i, line in enumerate(lines):
        out.append(f'"{line}"' + ("," if i + 1 < height else ""))
    out.append("};")
    return "\n".join(out) + "\n"


def rgba_rows(lines, palette):
    rows = []
    for line in lines:
        row = bytearray()
        for key in line:
            colour = palette[key]
            row += bytes((0, 0, 0, 0)) if colour is None else bytes((*colour, 255))
        rows.append(bytes(row))
    return rows


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_bytes(rows, width, height):
    """A PNG of 8-bit RGBA rows (each row width * 4 bytes)."""
    raw = b"".join(b"\x00" + row for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def png_two_colour_bytes(lines, colour):
    """A PNG of a one-colour picture at one bit a pixel, with a palette whose
    first entry is transparent: '.' keys are transparent, every other key is
    the colour. It shows as the RGBA one would, and unpacks to an eighth of
    its bytes, which makes it quicker to read."""
    raw = b""
    for line in lines:
        bits = "".join("0" if key == "." else "1" for key in line)
        bits += "0" * (-len(bits) % 8)
        raw += b"\x00" + bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))
    header = struct.pack(">IIBBBBB", len(lines[0]), len(lines), 1, 3, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"PLTE", bytes((0, 0, 0)) + bytes(colour)) + png_chunk(b"tRNS", b"\x00")
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def png_pixels(data):
    """The chunks of a PNG with its pixel rows decompressed, which stay the
    same whichever zlib compressed them."""
    pos = 8
    chunks = []
    image = b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IDAT":
            image += body
        else:
            chunks.append((kind, body))
        pos += 12 + length
    return chunks, zlib.decompress(image)


def ico_image(lines, colour):
    """The 8-bit icon image (header, 256-entry palette, colour rows and the
    transparency mask, bottom row first) of a one-colour picture; '.' keys
    are transparent, every other key is the colour."""
    size = len(lines)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    palette = bytes((0, 0, 0, 0)) + bytes((colour[2], colour[1], colour[0], 0)) + bytes(254 * 4)
    pixels = b""
    mask = b""
    for line in reversed(lines):
        pixels += bytes(0 if key == "." else 1 for key in line)
        bits = 0
        for key in line:
            bits = (bits << 1) | (1 if key == "." else 0)
        mask += bits.to_bytes(size // 8, "big").ljust((size // 8 + 3) // 4 * 4, b"\x00")
    return header + palette + pixels + mask


def bmp_bytes(lines, palette):
    """A 24-bit BMP file of an opaque picture: rows bottom first, each padded to
    four bytes, colours as blue, green, red."""
    height = len(lines)
    width = len(lines[0])
    stride = (width * 3 + 3) // 4 * 4
    pixels = b""
    for line in reversed(lines):
        row = bytearray()
        for key in line:
            colour = palette[key]
            if colour is None:
                raise ValueError("a BMP picture must be opaque")
            row += bytes((colour[2], colour[1], colour[0]))
        pixels += bytes(row).ljust(stride, b"\x00")
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835,
                         0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0,
                              14 + len(header))
    return file_header + header + pixels


def ico_bytes(images):
    """An .ico file of several images, given as (size, bits per pixel, image
    bytes); a 256-pixel image is stored with size 0 in the directory, as the
    format wants."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, bits, image in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(image),
                               offset)
        offset += len(image)
    return directory + entries + b"".join(image for _, _, image in images)
