#!/usr/bin/env python3
"""Draws every picture of the game and writes them under assets/.

    make_pictures.py           write the pictures and the resource list
    make_pictures.py --check   only compare the files in assets/ with a fresh
                               drawing; exit status 1 and a list if they differ

Sprites, food and the banner become XPM files (text, so a change shows in a
diff), and 24-bit BMP files under bitmaps/ that both programs load: the
Windows program carries them as its bitmap resources, and the Qt program reads
them several times faster than the XPM text. The icon becomes an SVG, PNGs for
the desktop and the game's window (one bit a pixel, quick to read) and an
.ico file of 16, 32, 48 and 256 pixels, the Windows program's icon. The Qt program loads its pictures through pictures.qrc, which
is written here as well; the bitmaps are stored in it uncompressed, so reading
one is a plain copy.
"""

import argparse
import os
import sys

# Leave no compiled files beside the sources when run from the build's check.
sys.dont_write_bytecode = True

import banner  # noqa: E402
import foods  # noqa: E402
import icon  # noqa: E402
import sprites  # noqa: E402
from picturelib import bmp_bytes, grid_colours, ico_bytes, ico_image, png_bytes  # noqa: E402
from picturelib import png_pixels, png_two_colour_bytes  # noqa: E402
from picturelib import rgba_rows, xpm_text  # noqa: E402

ASSETS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ICO_SIZES = (16, 32, 48)
# A resource stored as it is, not packed.
STORED = 'compression-algorithm="none"'


def build():
    """Every output file as {path relative to assets/: content bytes}."""
    files = {}
    qrc = []

    sprite_set = sprites.all_sprites()
    for name, (rows, _) in sprite_set.items():
        path = f"sprites/{name}.xpm"
        files[path] = xpm_text(name, rows, sprites.PALETTE).encode()
        files[f"bitmaps/{name}.bmp"] = bmp_bytes(rows, sprites.PALETTE)
        qrc.append(f'        <file alias="sprites/{name}.bmp" {STORED}>bitmaps/{name}.bmp</file>')

    food_set = foods.all_foods()
    for index, (stem, rows, palette) in enumerate(food_set):
        count = len(grid_colours(rows, palette))
        if not 5 <= count <= 20:
            raise SystemExit(f"food picture {stem} has {count} colours, not 5 to 20")
        path = f"food/{stem}.xpm"
        files[path] = xpm_text(stem, rows, palette).encode()
        files[f"bitmaps/{stem}.bmp"] = bmp_bytes(rows, palette)
        qrc.append(f'        <file alias="food/{index}.bmp" {STORED}>bitmaps/{stem}.bmp</file>')

    _, apple_rows, apple_palette = food_set[0]
    banner_rows, banner_palette = banner.make({name: rows for name, (rows, _) in
                                               sprite_set.items()},
                                              sprites.PALETTE, apple_rows, apple_palette)
    files["banner.xpm"] = xpm_text("banner", banner_rows, banner_palette).encode()
    files["bitmaps/banner.bmp"] = bmp_bytes(banner_rows, banner_palette)
    qrc.append(f'        <file alias="banner.bmp" {STORED}>bitmaps/banner.bmp</file>')

    icon_palette = {"#": icon.COLOUR, ".": None}
    for size in icon.PNG_SIZES:
        rows = icon.rows(size)
        path = f"icon/vermilo-{size}.png"
        files[path] = png_two_colour_bytes(rows, icon.COLOUR)
        qrc.append(f"        <file>{path}</file>")
    # The small sizes in 256 colours with a transparency mask, the large one as
    # the RGBA PNG that icon files hold at that size.
    files["icon/vermilo.ico"] = ico_bytes(
        [(size, 8, ico_image(icon.rows(size), icon.COLOUR)) for size in ICO_SIZES]
        + [(256, 32, png_bytes(rgba_rows(icon.rows(256), icon_palette), 256, 256))])
    files["icon/vermilo.svg"] = icon.svg_text().encode()

    files["pictures.qrc"] = ("<!DOCTYPE RCC>\n<!-- Written by tools/make_pictures.py. -->\n"
                             '<RCC version="1.0">\n    <qresource prefix="/">\n'
                             + "\n".join(qrc) + "\n    </qresource>\n</RCC>\n").encode()
    return files


def same(path, fresh, stored):
    # PNGs are compared by their pixels: zlib versions may pack them differently.
    if path.endswith(".png"):
        try:
            return png_pixels(fresh) == png_pixels(stored)
        except Exception:
            return False
    return fresh == stored


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the files in assets/ instead of writing")
    args = parser.parse_args()
    files = build()
    if args.check:
        stale = []
        for path, content in sorted(files.items()):
            full = os.path.join(ASSETS, path)
            if not os.path.exists(full):
                stale.append(f"missing: {path}")
                continue
            with open(full, "rb") as stored:
                if not same(path, content, stored.read()):
                    stale.append(f"differs: {path}")
        for folder in ("sprites", "food", "bitmaps"):
            for name in sorted(os.listdir(os.path.join(ASSETS, folder))):
                if f"{folder}/{name}" not in files:
                    stale.append(f"not drawn by the generator: {folder}/{name}")
        if stale:
            print("The pictures in assets/ do not match tools/make_pictures.py:")
            print("\n".join("  " + line for line in stale))
            print("Run assets/tools/make_pictures.py and commit what it writes.")
            return 1
        print(f"All {len(files)} picture files match the generator.")
        return 0
    for path, content in files.items():
        full = os.path.join(ASSETS, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as out:
            out.write(content)
    print(f"Wrote {len(files)} files under {ASSETS}.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
