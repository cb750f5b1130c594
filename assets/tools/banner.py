"""The about window's banner, 309 x 91 pixels on white: the game's name in
worm-green block letters over a worm crawling towards an apple."""

from picturelib import Canvas

WIDTH = 309
HEIGHT = 91

PAPER = "_"
SHADOW = "s"

GLYPHS = {
    "V": ["X...X", "X...X", "X...X", "X...X", "X...X", ".X.X.", "..X.."],
    "E": ["XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "XXXXX"],
    "R": ["XXXX.", "X...X", "X...X", "XXXX.", "X.X..", "X..X.", "X...X"],
    "M": ["X...X", "XX.XX", "X.X.X", "X.X.X", "X...X", "X...X", "X...X"],
    "I": [".XXX.", "..X..", "..X..", "..X..", "..X..", "..X..", ".XXX."],
    "L": ["X....", "X....", "X....", "X....", "X....", "X....", "XXXXX"],
    "O": [".XXX.", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."],
}

TITLE = "VERMILO"
LETTER_SCALE = 6
LETTER_GAP = 6
TITLE_TOP = 6


def _title_mask():
    """The pixels of the title, laid out centred across the banner."""
    width = len(TITLE) * 5 * LETTER_SCALE + (len(TITLE) - 1) * LETTER_GAP
    left = (WIDTH - width) // 2
    mask = set()
    for i, letter in enumerate(TITLE):
        x0 = left + i * (5 * LETTER_SCALE + LETTER_GAP)
        for gy, line in enumerate(GLYPHS[letter]):
            for gx, key in enumerate(line):
                if key != "X":
                    continue
                for dy in range(LETTER_SCALE):
                    for dx in range(LETTER_SCALE):
                        mask.add((x0 + gx * LETTER_SCALE + dx, TITLE_TOP + gy * LETTER_SCALE + dy))
    return mask


def make(sprites, sprite_palette, food_rows, food_palette):
    """The banner's rows and palette, drawn with the game's own worm sprites
    (doubled in size) and a food picture, their dark backgrounds turned white."""
    palette = {PAPER: (255, 255, 255), SHADOW: (214, 220, 214)}
    palette.update({key: colour for key, colour in sprite_palette.items()
                    if key not in (".", "k")})
    food_keys = {}
    for key, colour in food_palette.items():
        if key == ".":
            continue
        # Food keys are letters; keep them apart from the sprites' keys.
        mapped = key.lower() if key.isupper() else key.upper()
        if mapped in palette:
            mapped = chr(ord("0") + len(food_keys))
        food_keys[key] = mapped
        palette[mapped] = colour

    c = Canvas(WIDTH, HEIGHT, PAPER)
    title = _title_mask()
    for x, y in title:
        c.put(x + 3, y + 3, SHADOW)
    for x, y in title:
        edge = any((nx, ny) not in title for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1),
                                                         (x, y + 1)))
        c.put(x, y, "o" if edge else "#")

    worm = ["pWTR", "pWBLR", "pWBLR", "pWBLR", "pWHR"]
    top = HEIGHT - 4 - 32
    left = (WIDTH - (len(worm) * 32 + 12 + 32)) // 2
    for i, name in enumerate(worm):
        for y, line in enumerate(sprites[name]):
            for x, key in enumerate(line):
                if key != ".":
                    c.rect(left + i * 32 + 2 * x, top + 2 * y, left + i * 32 + 2 * x + 1,
                           top + 2 * y + 1, key)
    food_left = left + len(worm) * 32 + 12
    for y, line in enumerate(food_rows):
        for x, key in enumerate(line):
            if key != ".":
                c.put(food_left + x, top + y, food_keys[key])
    return c.lines(), palette
