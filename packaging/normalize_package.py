#!/usr/bin/env python3
"""Rewrites packages so that nothing of the machine or the moment of the
build is left in them: a zip's members in name order, each dated
SOURCE_DATE_EPOCH, owned by nobody in particular (no Unix owner field) and
mode 755 or 644; a .deb's ar members dated SOURCE_DATE_EPOCH, owned by root
and mode 644. What the members hold is not touched.

Usage: normalize_package.py SOURCE_DATE_EPOCH PACKAGE...
"""
import os
import sys
import time
import zipfile


def normal_mode(mode):
    return 0o755 if mode & 0o111 else 0o644


def normalize_zip(path, date_time):
    with zipfile.ZipFile(path) as old:
        members = sorted(((info, old.read(info)) for info in old.infolist()), key=lambda member: member[0].filename)
    with zipfile.ZipFile(path + ".new", "w") as new:
        for info, data in members:
            fresh = zipfile.ZipInfo(info.filename, date_time)
            fresh.create_system = 3  # Unix, so that the mode below is read
            directory = info.filename.endswith("/")
            fresh.external_attr = ((0o40755 if directory else 0o100000 | normal_mode(info.external_attr >> 16)) << 16
                                   | (0x10 if directory else 0))
            fresh.compress_type = zipfile.ZIP_STORED if directory else zipfile.ZIP_DEFLATED
            new.writestr(fresh, data, compresslevel=9)
    os.replace(path + ".new", path)


def normalize_ar(path, epoch):
    with open(path, "r+b") as archive:
        if archive.read(8) != b"!<arch>\n":
            raise ValueError(f"{path}: not an ar archive")
        while header := archive.read(60):
            size = int(header[48:58])
            fields = f"{epoch:<12}{0:<6}{0:<6}{100644:<8}".encode()
            archive.seek(-60 + 16, os.SEEK_CUR)
            archive.write(fields)
            archive.seek(10 + 2 + size + size % 2, os.SEEK_CUR)


def main():
    epoch = int(sys.argv[1])
    for path in sys.argv[2:]:
        if path.endswith(".zip"):
            normalize_zip(path, time.gmtime(epoch)[:6])
        elif path.endswith(".deb"):
            normalize_ar(path, epoch)
        else:
            raise ValueError(f"{path}: neither a zip nor a .deb")
    return 0


if __name__ == "__main__":
    sys.exit(main())
