"""The program icon: one green worm on a transparent square.

The worm is a thick line that comes in at the left end of the top edge, runs
along the top, down the right side, back along the bottom and up the left
side, where it ends in a blunt head pointing up inside the square it drew.
Its shape is a few polygons on a 32-unit grid, which the SVG uses as they
are and the PNGs sample at each size.
"""

from picturelib import inside_polygon

COLOUR = (0, 136, 0)
UNITS = 32
PNG_SIZES = (16, 32, 48, 64, 128, 256)

# Every corner lies on an even unit, so the 16-pixel picture is exact as well.
SHAPES = [
    # Along the top, from the left edge to the top-right bend.
    [(0, 0), (32, 0), (32, 6), (0, 6)],
    # Down the right side.
    [(26, 6), (32, 6), (32, 26), (26, 26)],
    # Back along the bottom.
    [(0, 26), (32, 26), (32, 32), (0, 32)],
    # Up the left side into the head: wider than the body, with its front
    # corners cut off to leave a blunt nose just below where the worm came in.
    [(0, 26), (0, 12), (2, 10), (8, 10), (10, 12), (10, 18), (8, 20), (6, 20), (6, 26)],
]
# The two eyes, left open.
HOLES = [
    [(2, 12), (4, 12), (4, 14), (2, 14)],
    [(6, 12), (8, 12), (8, 14), (6, 14)],
]


def covered(x, y):
    """Whether the point (x, y) in icon units lies on the worm."""
    if any(inside_polygon(hole, x, y) for hole in HOLES):
        return False
    return any(inside_polygon(shape, x, y) for shape in SHAPES)


def rows(size):
    """The icon at `size` pixels as rows of keys: '#' worm, '.' transparent.
    A pixel belongs to the worm when most of its area does (4 x 4 samples),
    which keeps every size to the one opaque colour."""
    scale = UNITS / size
    out = []
    for y in range(size):
        line = ""
        for x in range(size):
            hits = sum(covered((x + (i + 0.5) / 4) * scale, (y + (j + 0.5) / 4) * scale)
                       for i in range(4) for j in range(4))
            line += "#" if hits >= 8 else "."
        out.append(line)
    return out


def svg_text():
    def path(points):
        return "M" + " L".join(f"{x} {y}" for x, y in points) + " Z"

    worm = " ".join(path(shape) for shape in SHAPES)
    holes = " ".join(path(hole) for hole in HOLES)
    colour = "#%02x%02x%02x" % COLOUR
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">\n'
        '  <title>Vermilo</title>\n'
        '  <mask id="eyes">\n'
        '    <rect width="32" height="32" fill="#fff"/>\n'
        f'    <path d="{holes}" fill="#000"/>\n'
        '  </mask>\n'
        f'  <path d="{worm}" fill="{colour}" mask="url(#eyes)" shape-rendering="crispEdges"/>\n'
        '</svg>\n'
    )
