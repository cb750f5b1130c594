#!/usr/bin/env python3
"""Compiles the program's Windows resource script with windres and checks what
the compiled resources hold: icon group 1 with every image of
assets/icon/vermilo.ico, its 32 x 32 image in 256 colours as icon 30001, the
version information and the two WAVE sounds, all in US English.

    check_windows_resources.py WINDRES SCRIPT ASSETS_DIR OUTPUT.res
"""

import struct
import subprocess
import sys

RT_ICON = 3
RT_GROUP_ICON = 14
RT_VERSION = 16
US_ENGLISH = 0x0409

failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)


def read_name(data, pos):
    """A resource type or name: a number after 0xFFFF, or a UTF-16 string."""
    (first,) = struct.unpack_from("<H", data, pos)
    if first == 0xFFFF:
        return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
    end = pos
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[pos:end].decode("utf-16-le"), end + 2


def resources(data):
    """{(type, name): (language, bytes)} of a .res file."""
    found = {}
    pos = 0
    while pos < len(data):
        size, header = struct.unpack_from("<II", data, pos)
        kind, at = read_name(data, pos + 8)
        name, at = read_name(data, at)
        at = (at + 3) & ~3
        _, _, language = struct.unpack_from("<IHH", data, at)
        if size:
            found[(kind, name)] = (language, data[pos + header:pos + header + size])
        pos = (pos + header + size + 3) & ~3
    return found


def version_nodes(data, pos=0):
    """The version information's tree as {key: (value bytes, children)}."""
    length, value_length, kind = struct.unpack_from("<HHH", data, pos)
    key_end = pos + 6
    while struct.unpack_from("<H", data, key_end)[0] != 0:
        key_end += 2
    key = data[pos + 6:key_end].decode("utf-16-le")
    at = (key_end + 2 + 3) & ~3
    value_size = value_length * 2 if kind == 1 else value_length
    value = data[at:at + value_size]
    at = (at + value_size + 3) & ~3
    children = {}
    while at < pos + length:
        child_length = struct.unpack_from("<H", data, at)[0]
        children.update(version_nodes(data, at))
        at = (at + child_length + 3) & ~3
    return {key: (value, children)}


def text(value):
    return value.decode("utf-16-le").rstrip("\x00")


def main():
    windres, script, assets, output = sys.argv[1:5]
    subprocess.run([windres, "--preprocessor=cpp", "--preprocessor-arg=-xc", "-O", "res",
                    "-i", script, "-o", output], check=True)
    with open(output, "rb") as compiled:
        found = resources(compiled.read())
    for key, (language, _) in found.items():
        expect(language == US_ENGLISH, f"resource {key} has language {language:#06x}")

    with open(f"{assets}/icon/vermilo.ico", "rb") as icon_file:
        icon = icon_file.read()
    _, _, count = struct.unpack_from("<HHH", icon)
    images = []
    for i in range(count):
        width, height, _, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", icon,
                                                                       6 + 16 * i)
        images.append(((width or 256, height or 256, bits), icon[offset:offset + size]))
    expect(sorted(shape for shape, _ in images) == [(16, 16, 8), (32, 32, 8), (48, 48, 8),
                                                    (256, 256, 32)],
           "vermilo.ico should hold 16, 32 and 48 pixels in 256 colours and 256 in full colour")
    stored = dict(images)
    numbers = {}
    group = found.get((RT_GROUP_ICON, 1), (0, b""))[1]
    expect(len(group) == 6 + 14 * count, f"icon group 1 should hold {count} icons")
    if len(group) == 6 + 14 * count:
        for i in range(count):
            width, height, _, _, _, bits, size, number = struct.unpack_from("<BBBBHHIH", group,
                                                                           6 + 14 * i)
            shape = (width or 256, height or 256, bits)
            numbers[shape] = number
            expect(shape in stored and size == len(stored[shape]),
                   f"icon group 1 entry {i} describes no image of the .ico")
            expect(found.get((RT_ICON, number), (0, b""))[1] == stored.get(shape),
                   f"icon {number} is not the .ico's image of {shape}")
    expect(numbers.get((32, 32, 8)) == 30001,
           "icon 30001 should be the 32 x 32 image in 256 colours")
    expect(sum(1 for kind, _ in found if kind == RT_GROUP_ICON) == 1,
           "the program should have one icon group")

    version = found.get((RT_VERSION, 1), (0, b""))[1]
    expect(bool(version), "no version information 1")
    if version:
        root = version_nodes(version)["VS_VERSION_INFO"]
        fixed = struct.unpack_from("<13I", root[0])
        expect(fixed[0] == 0xFEEF04BD, "version information has no fixed part")
        expect(fixed[2:6] == (0x00010001, 0x00000003, 0x00010001, 0x00000003),
               "file and product version should be 1.1.0.3")
        strings = root[1].get("StringFileInfo", (b"", {}))[1].get("040904B0", (b"", {}))[1]
        wanted = {"FileVersion": "1.01.0003", "ProductVersion": "1.01.0003",
                  "ProductName": "Vermilo", "InternalName": "Vermilo",
                  "OriginalFilename": "Vermilo.exe"}
        for key, value in wanted.items():
            got = text(strings[key][0]) if key in strings else None
            expect(got == value, f'{key} is {got!r}, not "{value}"')
        translation = root[1].get("VarFileInfo", (b"", {}))[1].get("Translation", (b"", {}))[0]
        expect(translation == struct.pack("<HH", 0x0409, 0x04B0),
               "translation should be US English, Unicode")

    for name in ("POP", "OOF"):
        with open(f"{assets}/sounds/{name}.wav", "rb") as sound:
            expect(found.get(("WAVE", name), (0, b""))[1] == sound.read(),
                   f"WAVE {name} is not assets/sounds/{name}.wav")

    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(found)} resources checked, {len(failures)} problems.")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
