#!/usr/bin/env python3
"""Checks an import library for Microsoft's linker against the DLL it imports.

Usage: check_import_lib.py LIB DLL --machine i386|x86-64 --include DIR
                           --source FILE [--clang CLANG]

SOURCE refers to every export through pat.h; compiled by clang for the MSVC
target of the machine, the symbols it leaves undefined are the names MSVC
looks up (on i386 with the stdcall decoration, _PatGetDllVersion@4).  Each
must be defined by LIB, code thunk and __imp_ pointer, by a short import
member whose import name (after its name type's undecoration) is an export
of DLL; and every export of DLL must be reachable that way.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_dll import Image  # noqa: E402

TARGETS = {"i386": "i686-pc-windows-msvc", "x86-64": "x86_64-pc-windows-msvc"}


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def looked_up_names(clang, machine, include, source):
    """The undefined Pat symbols of SOURCE compiled for the MSVC target."""
    with tempfile.TemporaryDirectory() as folder:
        obj = os.path.join(folder, "calls.obj")
        run(clang, "--target=" + TARGETS[machine], "-ffreestanding", "-I", include, "-c", source, "-o", obj)
        return {line.split()[-1] for line in run("llvm-nm", "-u", obj).splitlines()
                if "Pat" in line}


def import_members(lib):
    """{symbol: (import name, type)} from the short import members of LIB."""
    members = {}
    for block in run("llvm-readobj", lib).split("\n\n"):
        if "Format: COFF-import-file" not in block:
            continue
        kind = re.search(r"^Type: (\S+)", block, re.M).group(1)
        name_type = re.search(r"^Name type: (\S+)", block, re.M).group(1)
        symbols = re.findall(r"^Symbol: (\S+)", block, re.M)
        thunk = [s for s in symbols if not s.startswith("__imp_")][0]
        members.update({s: (undecorated(thunk, name_type), kind) for s in symbols})
    return members


def undecorated(symbol, name_type):
    """The name the loader looks up in the DLL, as the name type derives it."""
    if name_type == "name":
        return symbol
    if name_type == "noprefix":
        return symbol.lstrip("?@_")
    if name_type == "undecorate":
        return symbol.lstrip("?@_").split("@")[0]
    raise ValueError("import by ordinal or unknown name type " + name_type)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("lib")
    parser.add_argument("dll")
    parser.add_argument("--machine", choices=TARGETS, required=True)
    parser.add_argument("--include", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--clang", default="clang")
    args = parser.parse_args()

    with open(args.dll, "rb") as f:
        exports = set(Image(f.read()).exports()[0])
    members = import_members(args.lib)
    wanted = looked_up_names(args.clang, args.machine, args.include, args.source)
    prefix = "__imp__" if args.machine == "i386" else "__imp_"
    errors = []
    for name in sorted(wanted):
        imp = prefix + (name[1:] if args.machine == "i386" else name)
        for symbol in (name, imp):
            if symbol not in members:
                errors.append(f"{symbol}: not in the import library")
            elif members[symbol][0] not in exports:
                errors.append(f"{symbol}: imports {members[symbol][0]}, which the DLL does not export")
    reached = {members[n][0] for n in wanted if n in members}
    errors += [f"{name}: exported but not reached through pat.h and the import library"
               for name in sorted(exports - reached)]
    if len(wanted) != len(exports):
        errors.append(f"pat.h declares {len(wanted)} exports, the DLL has {len(exports)}")
    for error in errors:
        print(error, file=sys.stderr)
    if not errors:
        print(f"{args.lib}: {len(wanted)} exports, each under the names MSVC looks up")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
