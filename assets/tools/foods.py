"""The twelve food pictures, 32 x 32 pixels each on the near-black background.

Each picture is painted from a few filled shapes, then shaded by recolouring
the rims that face away from the light (which comes from the top left).
"""

import math

from picturelib import Canvas, distance

SIZE = 32
BACKGROUND = "."
BACKGROUND_COLOUR = (4, 2, 4)


def _canvas():
    return Canvas(SIZE, SIZE, BACKGROUND)


def apple():
    palette = {
        BACKGROUND: BACKGROUND_COLOUR,
        "R": (214, 28, 32), "D": (138, 10, 20), "H": (255, 132, 122), "W": (255, 226, 214),
        "F": (252, 238, 176), "f": (214, 192, 110), "B": (112, 62, 22), "G": (70, 184, 44),
        "g": (30, 112, 26),
    }
    c = _canvas()
    c.ellipse(10.5, 17.5, 8.5, 9.5, "R")
    c.ellipse(19.5, 17.5, 8.5, 9.5, "R")
    c.ellipse(15.0, 22.0, 10.5, 8.5, "R")
    c.ellipse(15.0, 8.5, 2.5, 1.8, BACKGROUND)
    # The bite: three tooth marks out of the right side, edged with flesh.
    bites = [(29.5, 14.0, 4.2), (30.5, 19.5, 4.2), (29.0, 25.0, 3.6)]
    near = lambda px, py, gap: any(distance(px, py, bx, by) <= r + gap for bx, by, r in bites)
    c.fill_where(lambda px, py: near(px, py, 2.2), "F", only={"R"})
    c.fill_where(lambda px, py: near(px, py, 0.0), BACKGROUND)
    c.rim({"F"}, "f", "rb", {BACKGROUND})
    c.rim({"R"}, "D", "lb", {BACKGROUND})
    c.rim({"R"}, "D", "b", {BACKGROUND, "D"})
    c.ellipse(8.0, 14.5, 2.0, 3.2, "H", only={"R"})
    c.ellipse(7.6, 13.6, 0.9, 1.3, "W", only={"H"})
    c.stroke(15.0, 10.0, 16.5, 3.5, 1.9, "B")
    c.ellipse(21.0, 5.5, 5.0, 2.3, "G", angle=-20)
    c.line(17, 7, 24, 4, "g")
    c.rim({"G"}, "g", "b", {BACKGROUND})
    return c.lines(), palette


def banana():
    palette = {
        BACKGROUND: BACKGROUND_COLOUR,
        "Y": (250, 214, 30), "y": (200, 150, 16), "L": (255, 244, 140), "C": (250, 244, 206),
        "c": (220, 204, 150), "B": (104, 66, 24), "P": (244, 236, 168),
    }
    c = _canvas()
    # The peeled fruit standing up out of the peel.
    c.ellipse(16.0, 12.0, 4.6, 9.5, "C")
    c.rim({"C"}, "c", "r", {BACKGROUND})
    c.rim({"C"}, "c", "r", {BACKGROUND, "c"})
    c.ellipse(14.2, 7.5, 1.0, 3.0, "P", only={"C"})
    # The unpeeled lower half and the stalk end.
    c.polygon([(10.5, 16.0), (21.5, 16.0), (19.0, 27.0), (13.0, 27.0)], "Y")
    c.rect(14, 27, 17, 30, "B")
    # Three strips of peel hanging open: left, right and in front.
    c.polygon([(10.5, 15.0), (13.5, 17.0), (8.0, 24.0), (4.0, 29.0), (2.5, 27.0), (6.0, 20.0)],
              "Y")
    c.polygon([(21.5, 15.0), (18.5, 17.0), (24.0, 24.0), (28.0, 29.0), (29.5, 27.0), (26.0, 20.0)],
              "Y")
    c.polygon([(13.0, 16.0), (19.0, 16.0), (18.5, 22.0), (16.0, 24.5), (13.5, 22.0)], "L")
    c.rim({"L"}, "Y", "b", {BACKGROUND, "Y"})
    c.rim({"Y"}, "y", "rb", {BACKGROUND, "B"})
    c.plot([(3, 28), (3, 27), (28, 28), (28, 27)], "B")
    return c.lines(), palette


def hamburger():
    palette = {
        BACKGROUND: BACKGROUND_COLOUR,
        "O": (222, 142, 52), "o": (248, 190, 96), "n": (168, 94, 30), "S": (252, 242, 206),
        "L": (92, 196, 52), "l": (40, 122, 30), "T": (222, 40, 36), "Y": (252, 208, 36),
        "P": (110, 56, 28), "p": (152, 82, 40),
    }
    c = _canvas()
    c.fill_where(lambda px, py: py <= 15.0 and ((px - 16) / 14.0) ** 2 + ((py - 15) / 11.0) ** 2
                 <= 1.0, "O")
    c.ellipse(11.0, 8.5, 5.5, 2.5, "o", only={"O"})
    c.plot([(9, 10), (10, 10), (15, 7), (16, 7), (21, 9), (22, 9), (13, 12), (14, 12),
            (19, 12), (20, 12), (25, 12), (26, 12), (6, 13), (7, 13), (17, 10), (18, 10)], "S")
    c.rim({"O"}, "n", "b", {BACKGROUND})
    c.rect(2, 16, 29, 16, "L")
    for x in range(2, 30):
        if x % 4 in (0, 1):
            c.put(x, 17, "L")
        if x % 4 == 2:
            c.put(x, 16, "l")
    c.rect(3, 18, 28, 18, "T")
    c.rect(3, 19, 28, 19, "Y")
    c.polygon([(6.0, 19.0), (10.0, 19.0), (8.0, 22.5)], "Y")
    c.polygon([(18.0, 19.0), (22.0, 19.0), (20.0, 22.5)], "Y")
    c.fill_where(lambda px, py: 19.0 <= py <= 24.0 and 3.0 <= px <= 29.0
                 and not (py > 23.0 and (px < 4.0 or px > 28.0)), "P", only={BACKGROUND})
    c.plot([(5, 21), (12, 22), (15, 20), (24, 21), (27, 23), (17, 23), (9, 23), (25, 20)], "p")
    c.fill_where(lambda px, py: py >= 25.0 and ((px - 16) / 13.5) ** 2
                 + ((py - 25) / 5.0) ** 2 <= 1.0, "O")
    c.rect(4, 25, 27, 25, "o", only={"O"})
    c.rim({"O"}, "n", "b", {BACKGROUND})
    return c.lines(), palette


def carrot():
    palette = {
        BACKGROUND: BACKGROUND_COLOUR,
        "O": (246, 132, 22), "D": (186, 76, 10), "L": (255, 186, 88), "G": (64, 176, 42),
        "g": (30, 108, 28), "l": (132, 214, 72),
    }
    c = _canvas()
    top = (21.5, 10.5)
    tip = (4.5, 28.5)
    length = distance(*top, *tip)
    ax, ay = (tip[0] - top[0]) / length, (tip[1] - top[1]) / length

    def body(px, py):
        t = ((px - top[0]) * ax + (py - top[1]) * ay) / length
        across = abs(-(px - top[0]) * ay + (py - top[1]) * ax)
        if t < 0:
            return distance(px, py, *top) <= 5.2
        return t <= 1.0 and across <= 5.2 * (1.0 - t) ** 0.85 + 0.4

    c.fill_where(body, "O")
    c.rim({"O"}, "D", "rb", {BACKGROUND})
    c.rim({"O"}, "L", "lt", {BACKGROUND})
    # Ridges across the root.
    for t, half in ((0.18, 3.0), (0.36, 2.5), (0.55, 1.8), (0.72, 1.0)):
        cx, cy = top[0] + ax * t * length, top[1] + ay * t * length
        c.stroke(cx - ay * half, cy + ax * half, cx + ay * 0.4, cy - ax * 0.4, 1.0, "D",
                 only={"O", "L"})
    # Leaves fanning out of the top.
    c.ellipse(22.5, 4.5, 1.6, 4.5, "G", angle=-10)
    c.ellipse(27.0, 6.0, 1.6, 4.8, "l", angle=40)
    c.ellipse(17.5, 4.5, 1.5, 4.0, "g", angle=-30)
    c.ellipse(28.0, 10.5, 1.4, 3.8, "G", angle=75)
    c.stroke(22.5, 8.5, 22.8, 1.0, 0.9, "g")
    return c.lines(), palette


def cheese():
    palette = {
        BACKGROUND: BACKGROUND_COLOUR,
        "T": (255, 234, 120), "Y": (250, 200, 40), "y": (212, 156, 20), "h": (196, 136, 14),
        "H": (150, 96, 8),
    }
    c = _canvas()
    tip = (2.0, 21.0)
    back_top = (20.0, 6.0)
    back_front = (30.0, 12.0)
    c.polygon([tip, back_top, back_front], "T")
    c.polygon([tip, back_front, (30.0, 24.0), (2.0, 28.0)], "Y")
    c.polygon([(30.0, 12.0), (31.5, 12.0), (31.5, 24.0), (30.0, 24.0)], "y")
    c.rim({"Y"}, "y", "b", {BACKGROUND})
    holes = [(9.0, 23.5, 2.2, 1.8), (18.0, 19.5, 2.6, 2.2), (25.5, 23.0, 1.8, 1.6),
             (14.0, 25.8, 1.5, 1.2), (23.0, 16.0, 1.3, 1.1)]
    for hx, hy, rx, ry in holes:
        c.ellipse(hx, hy, rx, ry, "h", only={"Y"})
        c.ellipse(hx, hy - 0.7, rx, ry * 0.6, "H", only={"h"})
    c.ellipse(16.0, 11.5, 2.0, 1.2, "h", only={"T"})
    c.ellipse(16.0, 11.2, 2.0, 0.7, "H", only={"h"})
    c.ellipse(22.0, 9.5, 1.3, 0.8, "h", only={"T"})
    # Holes cut through the edges.
    c.ellipse(2.0, 26.5, 2.0, 1.5, BACKGROUND)
    c.ellipse(30.5, 18.0, 1.7, 2.0, BACKGROUND)
    return c.lines(), palette


def cherries():
    palette = {
        BACKGROUND: BACKGROUND_COLOUR,
        "R": (222, 22, 42), "D": (128, 4, 22), "H": (255, 156, 164), "S": (110, 168, 44),
        "G": (70, 180, 48), "g": (30, 112, 28), "B": (96, 60, 20),
    }
    c = _canvas()
    joint = (17.0, 5.0)
    berries = [(8.0, 22.5, 5.2), (25.0, 21.0, 5.0), (16.5, 26.0, 5.2)]
    c.ellipse(22.5, 5.0, 5.5, 2.4, "G", angle=-15)
    c.ellipse(11.5, 6.5, 4.5, 2.0, "g", angle=25)
    c.line(18, 5, 26, 3, "g")
    for bx, by, r in berries:
        c.stroke(joint[0], joint[1], bx + 0.5, by - r + 1.0, 1.4, "S")
    for bx, by, r in berries:
        c.ellipse(bx, by, r, r, "R")
        c.fill_where(lambda px, py, bx=bx, by=by, r=r: distance(px, py, bx, by) <= r
                     and distance(px, py, bx - 1.3, by - 1.3) > r, "D")
        c.ellipse(bx - 2.0, by - 2.0, 1.2, 1.5, "H")
    c.ellipse(joint[0], joint[1], 1.3, 1.1, "B")
    return c.lines(), palette


def grapes():
    palette = {
        BACKGROUND: BACKGROUND_COLOUR,
        "P": (138, 52, 178), "D": (72, 18, 104), "H": (206, 156, 236), "B": (116, 72, 28),
        "G": (74, 166, 50), "g": (36, 104, 30),
    }
    c = _canvas()
    c.ellipse(23.0, 6.0, 6.5, 3.5, "G", angle=-25)
    c.line(18, 8, 28, 3, "g")
    c.rim({"G"}, "g", "b", {BACKGROUND})
    c.stroke(15.5, 9.0, 17.5, 2.0, 1.8, "B")
    rows = [(12.0, [6.5, 12.5, 18.5, 24.5]), (17.5, [9.5, 15.5, 21.5]), (23.0, [12.5, 18.5]),
            (28.0, [15.5])]
    for gy, xs in rows:
        for gx in xs:
            c.ellipse(gx, gy, 3.4, 3.4, "D")
            c.ellipse(gx - 0.5, gy - 0.5, 2.6, 2.6, "P")
            c.ellipse(gx - 1.3, gy - 1.4, 0.8, 0.8, "H")
    return c.lines(), palette


def hot_dog():
    palette = {
        BACKGROUND: BACKGROUND_COLOUR,
        "W": (238, 238, 244), "w": (172, 172, 188), "x": (118, 118, 136), "B": (228, 164, 84),
        "b": (170, 104, 40), "L": (250, 206, 132), "S": (192, 62, 40), "s": (128, 34, 24),
        "h": (236, 124, 92), "M": (252, 222, 30), "G": (90, 176, 40),
    }
    c = _canvas()
    c.ellipse(16.0, 24.5, 15.5, 6.0, "w")
    c.ellipse(16.0, 24.0, 15.0, 5.4, "W")
    c.ellipse(16.0, 24.5, 10.5, 3.4, "w", only={"W"})
    c.ellipse(16.0, 24.0, 10.0, 3.0, "W")
    c.rim({"w"}, "x", "b", {BACKGROUND})
    # The bun's far half, the sausage lying in it, then the near half in front.
    c.fill_where(lambda px, py: distance(px, py, min(max(px, 9.0), 23.0), 11.5) <= 3.6, "L")
    c.fill_where(lambda px, py: distance(px, py, min(max(px, 4.5), 27.5), 13.0) <= 3.0, "S")
    c.rim({"S"}, "s", "b", {BACKGROUND, "L", "W", "w"})
    c.rect(5, 11, 27, 11, "h", only={"S"})
    c.fill_where(lambda px, py: py >= 15.0
                 and distance(px, py, min(max(px, 9.0), 23.0), 15.5) <= 4.6, "B")
    c.rim({"B"}, "b", "b", {BACKGROUND, "W", "w"})
    c.rim({"B"}, "b", "lr", {BACKGROUND, "W", "w", "S"})
    for x in range(6, 27):
        c.put(x, 12 if (x // 2) % 2 == 0 else 13, "M")
    c.plot([(8, 11), (13, 11), (18, 11), (23, 11), (10, 14), (16, 14), (21, 14), (26, 13)], "G")
    return c.lines(), palette


def ice_cream():
    palette = {
        BACKGROUND: BACKGROUND_COLOUR,
        "C": (218, 152, 72), "c": (158, 94, 34), "V": (252, 242, 208), "v": (214, 194, 148),
        "W": (255, 255, 255), "R": (222, 22, 42), "r": (146, 10, 26),
    }
    c = _canvas()
    c.polygon([(8.0, 16.0), (24.0, 16.0), (16.5, 31.0), (15.5, 31.0)], "C")
    c.fill_where(lambda px, py: (int(px) + int(py)) % 4 == 0 or (int(px) - int(py)) % 4 == 0,
                 "c", only={"C"})
    c.rim({"C"}, "c", "rb", {BACKGROUND})
    c.ellipse(16.0, 10.5, 9.5, 7.5, "V")
    for dx in (-7.5, -2.5, 2.5, 7.5):
        c.ellipse(16.0 + dx, 16.5, 2.5, 2.0, "V")
    c.rim({"V"}, "v", "rb", {BACKGROUND, "C", "c"})
    c.ellipse(12.0, 6.5, 2.5, 1.5, "W", only={"V"})
    pieces = [(11, 10), (18, 7), (21, 12), (14, 14), (8, 13), (16, 11), (23, 15)]
    for px, py in pieces:
        c.plot([(px, py), (px + 1, py), (px, py + 1)], "R")
        c.put(px + 1, py + 1, "r")
    return c.lines(), palette


def ham():
    palette = {
        BACKGROUND: BACKGROUND_COLOUR,
        "G": (204, 102, 42), "D": (120, 46, 20), "H": (250, 170, 92), "d": (146, 60, 24),
        "k": (78, 34, 14), "W": (246, 240, 224), "w": (190, 180, 160), "P": (244, 152, 156),
        "p": (210, 104, 114), "F": (252, 230, 216),
    }
    c = _canvas()
    c.ellipse(13.0, 18.5, 12.0, 10.5, "G", angle=-35)
    c.polygon([(14.0, 10.0), (22.0, 6.5), (25.0, 10.0), (21.0, 17.0)], "G")
    # Scored into diamonds with a clove where the cuts cross.
    c.fill_where(lambda px, py: (int(px) + int(py)) % 6 == 0 or (int(px) - int(py)) % 6 == 0,
                 "d", only={"G"})
    c.fill_where(lambda px, py: (int(px) + int(py)) % 6 == 0 and (int(px) - int(py)) % 12 == 0,
                 "k", only={"d"})
    c.rim({"G", "d", "k"}, "D", "rb", {BACKGROUND})
    c.ellipse(10.0, 12.5, 3.2, 1.8, "H", only={"G", "d"}, angle=-35)
    # The cut face at the broad end, ringed with fat.
    c.ellipse(7.5, 23.5, 6.2, 5.2, "F", angle=-35)
    c.ellipse(7.8, 23.2, 4.9, 4.0, "P", angle=-35)
    c.ellipse(8.5, 22.5, 1.8, 1.3, "p", angle=-35)
    # The bone sticking out of the narrow end.
    c.stroke(21.0, 10.5, 26.5, 5.0, 3.0, "W")
    c.ellipse(26.0, 3.3, 2.0, 2.0, "W")
    c.ellipse(28.7, 6.0, 2.0, 2.0, "W")
    c.rim({"W"}, "w", "rb", {BACKGROUND, "G", "D", "d", "k"})
    return c.lines(), palette


def pizza():
    palette = {
        BACKGROUND: BACKGROUND_COLOUR,
        "C": (206, 134, 60), "c": (150, 84, 32), "L": (240, 180, 104), "Y": (252, 206, 64),
        "y": (222, 160, 36), "P": (204, 40, 30), "p": (138, 18, 18), "G": (62, 164, 44),
        "K": (44, 34, 34),
    }
    c = _canvas()
    c.polygon([(4.0, 6.0), (28.0, 6.0), (16.5, 31.0), (15.5, 31.0)], "Y")
    c.rim({"Y"}, "y", "lrb", {BACKGROUND})
    c.fill_where(lambda px, py: 2.5 <= px <= 29.5 and 2.0 <= py <= 8.0
                 and distance(px, py, min(max(px, 5.0), 27.0), 5.0) <= 3.2, "C")
    c.rect(5, 3, 27, 3, "L", only={"C"})
    c.rim({"C"}, "c", "b", {BACKGROUND, "Y", "y"})
    # Melted cheese running over the crust's edge.
    c.ellipse(11.0, 8.5, 1.5, 1.6, "Y")
    c.ellipse(20.5, 8.8, 1.3, 1.8, "Y")
    for px, py in [(10.5, 13.0), (20.5, 13.5), (15.5, 20.5), (15.0, 27.0)]:
        c.ellipse(px, py, 2.7, 2.5, "P", only={"Y", "y"})
        c.rim({"P"}, "p", "rb", {"Y", "y"})
    c.plot([(7, 9), (8, 10), (16, 12), (17, 13), (12, 17), (13, 18), (19, 19), (20, 18)], "G")
    c.plot([(24, 9), (25, 9), (14, 23), (13, 23), (18, 24), (18, 25)], "K")
    return c.lines(), palette


def sandwich():
    palette = {
        BACKGROUND: BACKGROUND_COLOUR,
        "B": (244, 226, 178), "b": (192, 138, 66), "L": (96, 196, 52), "l": (44, 126, 32),
        "T": (224, 44, 40), "Y": (252, 210, 50), "H": (242, 158, 166), "h": (204, 114, 126),
    }
    c = _canvas()
    bread = lambda py0, py1: (lambda px, py: 2.0 <= px <= 30.0 and py0 <= py <= py1
                              and distance(px, py, min(max(px, 5.0), 27.0),
                                           min(max(py, py0 + 3.0), py1 - 2.0)) <= 3.0)
    c.fill_where(bread(4.0, 12.0), "B")
    c.rim({"B"}, "b", "ltr", {BACKGROUND})
    for x in range(3, 30):
        c.put(x, 12, "L" if x % 3 else "l")
    c.rect(3, 13, 28, 13, "L")
    c.rect(3, 14, 28, 15, "T")
    c.rect(2, 16, 29, 16, "Y")
    c.rect(3, 17, 28, 18, "H")
    c.rect(3, 18, 28, 18, "h")
    c.fill_where(bread(19.0, 25.0), "B", only={BACKGROUND})
    c.rim({"B"}, "b", "lrb", {BACKGROUND})
    # The bite out of the right end, and the crumbs it dropped.
    for bx, by, r in [(30.0, 8.0, 4.2), (30.5, 14.0, 4.4), (30.0, 20.0, 4.0)]:
        c.ellipse(bx, by, r, r, BACKGROUND)
    c.plot([(25, 28), (27, 29), (22, 29), (29, 27), (24, 30), (26, 27)], "b")
    c.plot([(28, 29), (23, 28), (26, 30)], "B")
    return c.lines(), palette


# In the order of the game's food pictures, with the file each is kept in.
FOODS = [
    ("apple", apple),
    ("banana", banana),
    ("hamburger", hamburger),
    ("carrot", carrot),
    ("cheese", cheese),
    ("cherries", cherries),
    ("grapes", grapes),
    ("hotdog", hot_dog),
    ("icecream", ice_cream),
    ("ham", ham),
    ("pizza", pizza),
    ("sandwich", sandwich),
]


def all_foods():
    """(file stem, rows, palette) for each food picture in the game's order."""
    pictures = []
    for stem, paint in FOODS:
        rows, palette = paint()
        pictures.append((stem, rows, palette))
    return pictures
