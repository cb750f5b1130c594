#!/usr/bin/env python3
"""Zips the site's files in the order given, with one date and one mode, so
that the same files always make the same zip.

usage: zip_site.py ZIP FOLDER FILE...
"""
import os
import sys
import zipfile


def main():
    target, folder, names = sys.argv[1], sys.argv[2], sys.argv[3:]
    with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as archive:
        for name in names:
            entry = zipfile.ZipInfo(name, date_time=(2000, 1, 1, 0, 0, 0))
            entry.external_attr = 0o644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(folder, name), "rb") as data:
                archive.writestr(entry, data.read(), compresslevel=9)


if __name__ == "__main__":
    main()
