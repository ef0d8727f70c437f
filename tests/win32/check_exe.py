#!/usr/bin/env python3
"""Checks the built Windows program as a file, without running it: a GUI
executable of the expected format that imports only DLLs every Windows has,
with one icon group of three images and the version record.

Usage: check_exe.py PROGRAM.exe PE32|PE32+
"""
import re
import struct
import subprocess
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "msvcrt.dll", "advapi32.dll",
               "shell32.dll", "ole32.dll", "oleaut32.dll", "oleacc.dll", "uxtheme.dll"}
ICONS = ["--width=16 --height=16 --bit-depth=4", "--width=32 --height=32 --bit-depth=1",
         "--width=32 --height=32 --bit-depth=4"]
STRINGS = {"FileVersion": "1.00", "ProductVersion": "1.00", "ProductName": "Tenglama",
           "OriginalFilename": "tenglama.exe", "FileDescription": None, "InternalName": None, "CompanyName": None}


def run(*command, text=True):
    return subprocess.run(command, check=True, capture_output=True, text=text).stdout


def version_block(data, offset=0):
    """One VS_VERSIONINFO block: (key, value, {child key: child block}, length)."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
    key_end = offset + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + 6:key_end].decode("utf-16-le")
    value_start = (key_end + 5) & ~3
    value_end = value_start + (value_length * 2 if is_text else value_length)
    value = data[value_start:value_end]
    if is_text:
        value = value.decode("utf-16-le").rstrip("\0")
    children, child = {}, (value_end + 3) & ~3
    while child < offset + length:
        block = version_block(data, child)
        if block[3] == 0:
            raise ValueError("malformed version record")
        children[block[0]] = block
        child = (child + block[3] + 3) & ~3
    return key, value, children, length


def problems(path, pe_format):
    headers = run("objdump", "-p", path)
    if f"({pe_format})" not in re.findall(r"^Magic\s+\S+\s+(\(.*\))", headers, re.M):
        yield f"not {pe_format}"
    if "(Windows GUI)" not in headers:
        yield "not a Windows GUI program"
    foreign = [dll for dll in re.findall(r"DLL Name: (\S+)", headers) if dll.lower() not in SYSTEM_DLLS]
    if foreign:
        yield f"imports DLLs that Windows does not have: {foreign}"

    icons = run("sh", "-c", f"wrestool -x --type=14 '{path}' | icotool -l -")
    shapes = sorted(re.sub(r".*?(--width=\S+ --height=\S+ --bit-depth=\S+).*", r"\1", line)
                    for line in icons.splitlines())
    if shapes != ICONS:
        yield f"icon group {shapes}, expected {ICONS}"

    record = run("wrestool", "-x", "--raw", "--type=16", path, text=False)
    if not record:
        yield "no version record"
        return
    _, fixed, blocks, _ = version_block(record)
    signature, _, *numbers = struct.unpack_from("<6I", fixed)
    if signature != 0xFEEF04BD or numbers != [0x10000, 0, 0x10000, 0]:
        yield "fixed version is not file and product 1.0.0.0"
    table = blocks.get("StringFileInfo", (0, 0, {}))[2].get("040904B0", (0, 0, {}))[2]
    for key, expected in STRINGS.items():
        found = table.get(key, (0, ""))[1]
        if found != expected if expected else not found:
            yield f"{key} is {found!r}, expected {expected or 'a name'!r}"
    translation = blocks.get("VarFileInfo", (0, 0, {}))[2].get("Translation", (0, b""))[1]
    if translation[:4] != struct.pack("<HH", 0x0409, 1200):
        yield f"translation {translation.hex()}, expected 0409 / 1200"


def main():
    path, pe_format = sys.argv[1:3]
    found = list(problems(path, pe_format))
    for problem in found:
        print(f"{path}: {problem}")
    print(f"{path}: {len(found)} problems")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
