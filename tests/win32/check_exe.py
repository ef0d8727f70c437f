#!/usr/bin/env python3
"""Checks the built Windows program as a file, without running it: a GUI
executable of the expected format that imports only DLLs every Windows has,
with one icon group of three images and the version record.

Usage: check_exe.py PROGRAM.exe PE32|PE32+
"""
import struct
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "msvcrt.dll", "advapi32.dll",
               "shell32.dll", "ole32.dll", "oleaut32.dll", "oleacc.dll", "uxtheme.dll"}
RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
ICONS = sorted([(32, 32, 1), (32, 32, 4), (16, 16, 4)])  # width, height, bits per pixel
STRINGS = {"FileVersion": "1.00", "ProductVersion": "1.00", "ProductName": "Tenglama",
           "OriginalFilename": "tenglama.exe"}
NAMED = ("FileDescription", "InternalName", "CompanyName")


class Image:
    def __init__(self, data):
        self.data = data
        header = struct.unpack_from("<I", data, 0x3C)[0]
        if data[header:header + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        sections, optional_size = struct.unpack_from("<2xH12xH", data, header + 4)
        optional = header + 24
        self.magic, = struct.unpack_from("<H", data, optional)
        self.subsystem, = struct.unpack_from("<H", data, optional + 68)
        directories = optional + (96 if self.magic == 0x10B else 112)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<8xIIII", data, table + 40 * i) for i in range(sections)]

    def at(self, rva):
        for size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise ValueError(f"address {rva:#x} is in no section")

    def c_string(self, rva):
        start = self.at(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imports(self):
        rva, _ = self.directories[1]
        names = []
        while True:
            lookup, _, _, name, thunks = struct.unpack_from("<IIIII", self.data, self.at(rva))
            if lookup == name == thunks == 0:
                return names
            names.append(self.c_string(name))
            rva += 20

    def resources(self, kind):
        """{id: bytes} of one resource type, first language of each."""
        root = self.at(self.directories[2][0])

        def entries(offset):
            named, numbered = struct.unpack_from("<12xHH", self.data, root + offset)
            for i in range(named + numbered):
                yield struct.unpack_from("<II", self.data, root + offset + 16 + 8 * i)

        found = {}
        for type_id, names in entries(0):
            if type_id != kind:
                continue
            for name_id, languages in entries(names & 0x7FFFFFFF):
                _, leaf = next(entries(languages & 0x7FFFFFFF))
                rva, size = struct.unpack_from("<II", self.data, root + leaf)
                found[name_id] = self.data[self.at(rva):self.at(rva) + size]
        return found


def version_blocks(data, offset=0):
    """Parses a VS_VERSIONINFO tree into {key: (value bytes, text?, children)}."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
    end, key_start = offset + length, offset + 6
    key_end = key_start
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[key_start:key_end].decode("utf-16-le")
    value_start = (key_end + 2 + 3) & ~3
    value_size = value_length * 2 if is_text else value_length
    value = data[value_start:value_start + value_size]
    if is_text:
        value = value.decode("utf-16-le").rstrip("\0")
    children, child = {}, (value_start + value_size + 3) & ~3
    while child < end:
        child_key, child_block, child_length = version_blocks(data, child)
        children[child_key] = child_block
        child = (child + child_length + 3) & ~3
    return key, (value, children), length


def problems(image, pe_format):
    expected_magic = {"PE32": 0x10B, "PE32+": 0x20B}[pe_format]
    if image.magic != expected_magic:
        yield f"optional header magic {image.magic:#x}, expected {pe_format}"
    if image.subsystem != 2:
        yield f"subsystem {image.subsystem}, expected 2 (Windows GUI)"

    foreign = [name for name in image.imports() if name.lower() not in SYSTEM_DLLS]
    if foreign:
        yield f"imports DLLs that Windows does not have: {foreign}"

    groups = image.resources(RT_GROUP_ICON)
    if len(groups) != 1:
        yield f"{len(groups)} icon groups, expected 1"
    images = image.resources(RT_ICON)
    for group in groups.values():
        _, _, count = struct.unpack_from("<HHH", group)
        shapes = []
        for i in range(count):
            icon_id, = struct.unpack_from("<H", group, 6 + 14 * i + 12)
            width, height, _, bits = struct.unpack_from("<iiHH", images[icon_id], 4)  # BITMAPINFOHEADER
            shapes.append((width, height // 2, bits))  # the height counts the mask too
        if sorted(shapes) != ICONS:
            yield f"icon images {sorted(shapes)}, expected {ICONS}"

    versions = image.resources(RT_VERSION)
    if len(versions) != 1:
        yield f"{len(versions)} version records, expected 1"
        return
    _, (fixed, blocks), _ = version_blocks(next(iter(versions.values())))
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    if signature != 0xFEEF04BD or (file_ms, file_ls, product_ms, product_ls) != (0x10000, 0, 0x10000, 0):
        yield "fixed version is not file and product 1.0.0.0"
    table = blocks.get("StringFileInfo", (None, {}))[1].get("040904B0", (None, {}))[1]
    strings = {key: value for key, (value, _) in table.items()}
    for key, value in STRINGS.items():
        if strings.get(key) != value:
            yield f"{key} is {strings.get(key)!r}, expected {value!r}"
    for key in NAMED:
        if not strings.get(key):
            yield f"{key} is missing"
    translation = blocks.get("VarFileInfo", (None, {}))[1].get("Translation", (b"",))[0]
    if translation[:4] != struct.pack("<HH", 0x0409, 1200):
        yield f"translation {translation.hex()}, expected 0409 / 1200"


def main():
    path, pe_format = sys.argv[1:3]
    with open(path, "rb") as program:
        image = Image(program.read())
    found = list(problems(image, pe_format))
    for problem in found:
        print(f"{path}: {problem}")
    if not found:
        print(f"{path}: {pe_format} GUI program; imports {', '.join(image.imports())}; "
              f"icon group and version record as expected")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
