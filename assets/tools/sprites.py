"""The worm's cell sprites, built from the band's edge rules.

Every piece is first a shape (the set of pixels the worm covers in its cell);
its outline is then every covered pixel with an uncovered neighbour above,
below, left or right. Across an edge where the worm goes on into the next
cell, the neighbour counts as covered on the band's edge pixels 4 to 11, so
the outline runs on there instead of closing. Because every continuing edge
is cut to the same pixels 4 to 11, any two pieces laid side by side meet with
the same outline on both sides of the seam.
"""

import math

SIZE = 16
LAST = SIZE - 1

BACKGROUND = "."
OUTLINE = "o"
BODY = "#"
EYE_WHITE = "w"
PUPIL = "r"
BLACK = "k"

PALETTE = {
    BACKGROUND: (4, 2, 4),
    OUTLINE: (4, 130, 4),
    BODY: (4, 254, 4),
    EYE_WHITE: (252, 254, 252),
    PUPIL: (252, 2, 4),
    BLACK: (0, 0, 0),
}

# Across the band: the wide band inside a cell, and the narrower seam where it
# crosses an edge into the next cell (a slight notch marks each segment).
BAND_WIDE = (3, 12)
BAND_SEAM = (4, 11)

EDGES = ("top", "bottom", "left", "right")


def _beyond_covered(x, y, continuing):
    """Whether the pixel just outside the cell at (x, y) belongs to the worm."""
    low, high = BAND_SEAM
    if y < 0:
        return "top" in continuing and low <= x <= high
    if y > LAST:
        return "bottom" in continuing and low <= x <= high
    if x < 0:
        return "left" in continuing and low <= y <= high
    if x > LAST:
        return "right" in continuing and low <= y <= high
    return False


def draw(shape, continuing):
    """The sprite's rows for a shape (a set of (x, y)) that goes on across the
    named edges."""
    rows = []
    for y in range(SIZE):
        row = ""
        for x in range(SIZE):
            if (x, y) not in shape:
                row += BACKGROUND
                continue
            closed = False
            for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                inside_cell = 0 <= nx <= LAST and 0 <= ny <= LAST
                covered = (nx, ny) in shape if inside_cell else _beyond_covered(nx, ny, continuing)
                if not covered:
                    closed = True
                    break
            row += OUTLINE if closed else BODY
        rows.append(row)
    return rows


def rotate(rows):
    """A quarter turn clockwise: the top edge becomes the right edge."""
    return ["".join(rows[LAST - x][y] for x in range(SIZE)) for y in range(SIZE)]


def flip_vertical(rows):
    return list(reversed(rows))


def flip_horizontal(rows):
    return [row[::-1] for row in rows]


def _span_shape(spans):
    """A shape given row by row as (first, last) pixel spans, None for empty."""
    shape = set()
    for y, span in enumerate(spans):
        if span is not None:
            shape.update((x, y) for x in range(span[0], span[1] + 1))
    return shape


def straight_vertical():
    spans = [BAND_SEAM] + [BAND_WIDE] * (SIZE - 2) + [BAND_SEAM]
    return draw(_span_shape(spans), {"top", "bottom"})


def corner_right_bottom():
    """The band turning from the right edge down through the bottom edge: a
    quarter ring around the cell's bottom-right corner, whose outer side makes
    the rounded corner towards the top left."""
    inner = SIZE - (BAND_WIDE[1] + 0.5)
    outer = SIZE - (BAND_WIDE[0] - 0.5)
    low, high = BAND_SEAM
    shape = set()
    for y in range(SIZE):
        for x in range(SIZE):
            radius = math.hypot(SIZE - (x + 0.5), SIZE - (y + 0.5))
            if not inner <= radius <= outer:
                continue
            if x == LAST and not low <= y <= high:
                continue
            if y == LAST and not low <= x <= high:
                continue
            shape.add((x, y))
    return draw(shape, {"right", "bottom"})


# The tail's left edge row by row from its wide end at the top: the seam,
# the full band, then narrowing one pixel a side every three rows to a point
# two pixels wide on rows 13 and 14.
TAIL_LEFT = [4, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6, 6, 7, 7]


def tail_up():
    spans = [(left, LAST - left) for left in TAIL_LEFT] + [None]
    return draw(_span_shape(spans), {"top"})


# The head moving up, row by row: a blunt tip on row 1, the widest part just
# below the eyes, and a six-pixel neck on the bottom edge.
HEAD_LEFT = [None, 6, 5, 4, 3, 3, 2, 2, 2, 2, 2, 3, 3, 4, 4, 5]
# Each eye: two pixels wide, the pupil on its front row and white behind it.
EYES = [((5, 6), 4, PUPIL), ((5, 6), 5, EYE_WHITE), ((5, 6), 6, EYE_WHITE)]


def head_up():
    spans = [None if left is None else (left, LAST - left) for left in HEAD_LEFT]
    rows = [list(row) for row in draw(_span_shape(spans), {"bottom"})]
    for columns, y, key in EYES:
        for x in columns:
            rows[y][x] = key
            rows[y][LAST - x] = key
    return ["".join(row) for row in rows]


def crashed_head():
    """A round blob filling the cell, crossed by a dark X meeting at the centre."""
    centre = SIZE / 2
    shape = {(x, y) for y in range(SIZE) for x in range(SIZE)
             if math.hypot(x + 0.5 - centre, y + 0.5 - centre) <= 8.0}
    rows = [list(row) for row in draw(shape, set())]
    for y in range(SIZE):
        for x in range(SIZE):
            along = math.hypot(x + 0.5 - centre, y + 0.5 - centre)
            if (x == y or x + y == LAST) and along <= 5.0:
                rows[y][x] = OUTLINE
    return ["".join(row) for row in rows]


def blank():
    return [BLACK * SIZE] * SIZE


def all_sprites():
    """Every sprite by its name in the game, with the edges it continues across."""
    vertical = straight_vertical()
    corner = corner_right_bottom()
    tail = tail_up()
    head = head_up()
    head_left = rotate(rotate(rotate(head)))
    tail_right = rotate(tail)
    return {
        "pWHU": (head, {"bottom"}),
        "pWHD": (flip_vertical(head), {"top"}),
        "pWHL": (head_left, {"right"}),
        "pWHR": (flip_horizontal(head_left), {"left"}),
        "pWTU": (tail, {"top"}),
        "pWTD": (flip_vertical(tail), {"bottom"}),
        "pWTL": (flip_horizontal(tail_right), {"left"}),
        "pWTR": (tail_right, {"right"}),
        "pWJLD": (rotate(corner), {"left", "bottom"}),
        "pWJLU": (rotate(rotate(corner)), {"left", "top"}),
        "pWJRU": (rotate(rotate(rotate(corner))), {"right", "top"}),
        "pWJRD": (corner, {"right", "bottom"}),
        "pWBUD": (vertical, {"top", "bottom"}),
        "pWBLR": (rotate(vertical), {"left", "right"}),
        "pNUL": (blank(), set()),
        "pWHX": (crashed_head(), set()),
    }
