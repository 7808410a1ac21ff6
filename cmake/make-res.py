#!/usr/bin/env python3
"""Writes a binary resource file (.res) with custom-typed resources.

    make-res.py <output.res> <TYPE>:<NAME>=<file> ...

The resource compiler cannot name a type LANGUAGE (a keyword of its
language), so the package's named resources are written here directly and
the compiler only converts the .res file into an object.
"""
import struct
import sys


def ident(text):
    return (text.upper() + "\0").encode("utf-16-le")


def entry(rtype, name, data, language=0x0409):
    header = ident(rtype) + ident(name)
    if len(header) % 4:
        header += b"\0" * (4 - len(header) % 4)
    # DataVersion, MemoryFlags (moveable, pure, discardable), LanguageId, Version, Characteristics
    header += struct.pack("<IHHII", 0, 0x1030, language, 0, 0)
    out = struct.pack("<II", len(data), 8 + len(header)) + header + data
    if len(out) % 4:
        out += b"\0" * (4 - len(out) % 4)
    return out


def main():
    output, specs = sys.argv[1], sys.argv[2:]
    blob = struct.pack("<II", 0, 32) + struct.pack("<HHHH", 0xFFFF, 0, 0xFFFF, 0) + b"\0" * 16
    for spec in specs:
        kind, path = spec.split("=", 1)
        rtype, name = kind.split(":", 1)
        with open(path, "rb") as f:
            blob += entry(rtype, name, f.read())
    with open(output, "wb") as f:
        f.write(blob)


main()
