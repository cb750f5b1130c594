#!/usr/bin/env python3
"""Reads the game's main window off a screenshot.

    screen_check.py worm SHOT X Y W H        where the worm lies on the board
    screen_check.py buttons SHOT              how many buttons the title bar offers
    screen_check.py scaled SHOT SCORE X Y W H F
        the field (with the worm, on SHOT) drawn at a whole factor F, and the
        score's digits (on SCORE) wholly inside their label

X Y W H bound the main window on the screenshot; without them the board is
looked for over the whole screen. The field is found by its black border.
"""
import subprocess
import sys

BOARD_W, BOARD_H, CELL = 479, 367, 16


class Shot:
    def __init__(self, path):
        data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                              capture_output=True).stdout
        fields, pos = [], 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        self.w, self.h, self.px = int(fields[1]), int(fields[2]), data[pos + 1:]

    def rgb(self, x, y):
        i = (y * self.w + x) * 3
        return self.px[i], self.px[i + 1], self.px[i + 2]

    def board(self, x0=0, y0=0, w=None, h=None, factor=1):
        """The top-left pixel inside the field's border: the first row with a
        black run as wide as the border is."""
        x1, y1 = min(self.w, x0 + (w or self.w)), min(self.h, y0 + (h or self.h))
        for y in range(y0, y1):
            run = 0
            for x in range(x0, x1):
                run = run + 1 if self.rgb(x, y) == (0, 0, 0) else 0
                if run == (BOARD_W + 2) * factor:
                    return x - (BOARD_W + 1) * factor + 1, y + factor
        sys.exit("no field found on the screenshot")


def worm_cells(shot, left, top):
    """The cells whose picture is mostly the worm's green."""
    cells = set()
    for row in range(BOARD_H // CELL):
        for col in range(BOARD_W // CELL):
            green = 0
            for y in range(top + row * CELL, top + row * CELL + CELL, 2):
                for x in range(left + col * CELL, left + col * CELL + CELL, 2):
                    r, g, b = shot.rgb(x, y)
                    green += g > 160 and r < 120 and b < 120
            if green >= 16:
                cells.add((col, row))
    return cells


def worm(shot, bounds):
    left, top = shot.board(*bounds)
    cells = worm_cells(shot, left, top)
    columns = {}
    for col, row in cells:
        columns.setdefault(col, []).append(row)
    # Three cells in a column below the top row: the worm went down. Food
    # covers two cells, so it cannot pass for that.
    turned = any(sum(1 for r in rows if r >= 1) >= 3 for rows in columns.values())
    moved = (0, 0) not in cells
    print(f"field at {left},{top}; worm cells {sorted(cells)}")
    print(f"the tail has left the corner: {moved}; the worm runs down a column: {turned}")
    return 0 if moved and turned else 1


def buttons(shot):
    left, top = shot.board()
    background = shot.rgb(2, shot.h - 2)
    probe = left + BOARD_W - 20
    frame_top = top - 2
    while frame_top > 0 and shot.rgb(probe, frame_top - 1) != background:
        frame_top -= 1
    # Columns in the right part of the title bar that hold ink, against the
    # bar's own colour, grouped where they touch: each group is one button.
    columns = range(left + BOARD_W * 3 // 5, left + BOARD_W)
    rows = range(frame_top + 3, top - 2)
    counts = {}
    for x in columns:
        for y in rows:
            counts[shot.rgb(x, y)] = counts.get(shot.rgb(x, y), 0) + 1
    bar = max(counts, key=counts.get)
    ink = lambda c: sum(abs(a - b) for a, b in zip(c, bar)) > 90
    dark_columns = [x for x in columns if any(ink(shot.rgb(x, y)) for y in rows)]
    groups = sum(1 for i, x in enumerate(dark_columns) if i == 0 or x - dark_columns[i - 1] > 2)
    print(f"field at {left},{top}; title bar from row {frame_top}; buttons: {groups}")
    return groups


def scaled(shot, score, bounds, factor):
    left, top = shot.board(*bounds, factor=factor)
    # Every pixel of the field's picture is a whole square of screen pixels.
    crisp = all(shot.rgb(left + x * factor + dx, top + y * factor + dy)
                == shot.rgb(left + x * factor, top + y * factor)
                for y in range(0, 136, 3) for x in range(0, BOARD_W, 3)
                for dy in range(factor) for dx in range(factor))
    white = [y for y in range(top, top + BOARD_H * factor)
             if (255, 255, 255) in (score.rgb(x, y) for x in range(left, left + BOARD_W * factor))]
    label_top, label_bottom = top + 136 * factor, top + 249 * factor - 1
    inside = bool(white) and white[0] > label_top and white[-1] < label_bottom
    print(f"field at {left},{top}; drawn in whole {factor} x {factor} squares: {crisp}; "
          f"score rows {white[0] - top if white else '-'}..{white[-1] - top if white else '-'} "
          f"inside the label's {136 * factor}..{249 * factor - 1}: {inside}")
    return 0 if crisp and inside else 1


if __name__ == "__main__":
    shot = Shot(sys.argv[2])
    if sys.argv[1] == "scaled":
        sys.exit(scaled(shot, Shot(sys.argv[3]), [int(v) for v in sys.argv[4:8]], int(sys.argv[8])))
    if sys.argv[1] == "worm":
        sys.exit(worm(shot, [int(v) for v in sys.argv[3:7]]))
    print(buttons(shot))
