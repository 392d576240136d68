#!/usr/bin/env python3
"""Writes the portable zip of the game: every file under one top folder, in
a fixed order, with fixed dates and attributes, so that the same files
always give the same bytes.

    make_zip.py OUT.zip TOP_FOLDER YYYY-MM-DD NAME=SOURCE...

NAME is the path inside the top folder, with / between folders.
"""
import sys
import zipfile


def entry(name, date, directory):
    info = zipfile.ZipInfo(name, date_time=date)
    info.create_system = 0  # made on an MS-DOS file system: no Unix modes
    info.external_attr = 0x10 if directory else 0x20  # directory / archive
    info.compress_type = zipfile.ZIP_STORED if directory else zipfile.ZIP_DEFLATED
    return info


def main(out, top, day, *pairs):
    date = tuple(int(part) for part in day.split("-")) + (0, 0, 0)
    files = dict(pair.split("=", 1) for pair in pairs)
    folders = {top + "/"}
    for name in files:
        parts = name.split("/")[:-1]
        for depth in range(1, len(parts) + 1):
            folders.add(top + "/" + "/".join(parts[:depth]) + "/")
    with zipfile.ZipFile(out, "w") as archive:
        for folder in sorted(folders):
            archive.writestr(entry(folder, date, True), b"")
        for name in sorted(files):
            with open(files[name], "rb") as source:
                archive.writestr(entry(top + "/" + name, date, False), source.read(), compresslevel=9)


if __name__ == "__main__":
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
