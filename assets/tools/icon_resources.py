#!/usr/bin/env python3
"""Splits the program's icon file into the Windows program's icon resources.

    icon_resources.py ICON.ico OUTPUT_DIR

Writes each image of the icon file and the icon group's directory into
OUTPUT_DIR and prints the resource script lines that carry them: icon group 1,
whose 32 x 32 image in 256 colours is icon 30001; the other sizes, for shells
that show icons larger or smaller, are icons 30002 and on in the same group.
"""

import os
import struct
import sys

GROUP = 1
FIRST_ICON = 30001
MAIN_IMAGE = (32, 32, 8)
RT_ICON = 3
RT_GROUP_ICON = 14


def images(data):
    """The icon file's images as ((width, height, bits), directory entry, bytes)."""
    _, kind, count = struct.unpack_from("<HHH", data)
    if kind != 1:
        raise SystemExit("not an icon file")
    found = []
    for i in range(count):
        entry = data[6 + 16 * i:6 + 16 * i + 12]
        width, height, _, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", data,
                                                                       6 + 16 * i)
        found.append(((width or 256, height or 256, bits), entry, data[offset:offset + size]))
    return found


def main():
    source, output = sys.argv[1:3]
    with open(source, "rb") as icon_file:
        found = images(icon_file.read())
    # The image the program's icon is named by comes first, as 30001.
    found.sort(key=lambda image: image[0] != MAIN_IMAGE)
    if not found or found[0][0] != MAIN_IMAGE:
        raise SystemExit(f"{source} holds no 32 x 32 image in 256 colours")
    os.makedirs(output, exist_ok=True)
    group = struct.pack("<HHH", 0, 1, len(found))
    lines = []
    for number, ((width, height, bits), entry, image) in enumerate(found, FIRST_ICON):
        path = os.path.join(output, f"icon-{width}x{height}-{bits}.bin")
        with open(path, "wb") as image_file:
            image_file.write(image)
        group += entry + struct.pack("<H", number)
        lines.append(f'{number} {RT_ICON} "{path}"')
    path = os.path.join(output, "icon-group.bin")
    with open(path, "wb") as group_file:
        group_file.write(group)
    lines.append(f'{GROUP} {RT_GROUP_ICON} "{path}"')
    print("\n".join(lines))


if __name__ == "__main__":
    main()
