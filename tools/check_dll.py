#!/usr/bin/env python3
"""Checks what patmodel.dll exports, imports and holds, from its PE headers.

Usage: check_dll.py DLL [--machine i386|x86-64]

The image must be PE32 for i386 or PE32+ for x86-64 (the one named, when
named); the export table must hold exactly the sixteen Pat* names,
undecorated, at ordinals 2 to 17; the DLL may import only from system DLLs;
its resources hold 75 bitmaps, string tables in 17 languages and a version
block.
"""
import struct
import sys

EXPECTED = {
    "PatCreateBitmapInfo": 2, "PatDisposeBitmapInfo": 3, "PatLoadBitmap": 4,
    "PatGetStatusString": 5, "PatGetDeviceName": 6, "PatPMInfoToPrnInfoEx": 7,
    "PatPrnInfoExToPrnInfo": 8, "PatCreateQueryInfo": 9, "PatCreateEmulUniqQueryInfo": 10,
    "PatSetCentroDataTo": 11, "PatGetDllVersion": 12, "PatGetPeripheralProfile": 13,
    "PatSetLocale": 14, "PatGetStatusHelpFileName": 15, "PatLoadDIBitmap": 16, "PatGetPalette": 17,
}
MACHINES = {"i386": (0x14C, 0x10B, 96), "x86-64": (0x8664, 0x20B, 112)}  # machine, magic, directories
RT_BITMAP, RT_STRING, RT_VERSION = 2, 6, 16
EXPECTED_BITMAPS, EXPECTED_LANGUAGES = 75, 17
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "version.dll", "msvcrt.dll", "advapi32.dll"}


class Image:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        machine, sections, _, _, _, opt_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        names = [name for name, row in MACHINES.items() if row[0] == machine]
        if not names:
            raise ValueError(f"machine 0x{machine:x} is neither i386 nor x86-64")
        self.machine = names[0]
        _, magic, directories = MACHINES[self.machine]
        opt = pe + 24
        if struct.unpack_from("<H", data, opt)[0] != magic:
            raise ValueError(f"optional header magic is not 0x{magic:x} ({self.machine})")
        self.directories = [struct.unpack_from("<II", data, opt + directories + 8 * i) for i in range(16)]
        self.sections = []
        table = opt + opt_size
        for i in range(sections):
            vsize, vaddr, rsize, raddr = struct.unpack_from("<IIII", data, table + 40 * i + 8)
            self.sections.append((vaddr, max(vsize, rsize), raddr))

    def offset(self, rva):
        for vaddr, size, raddr in self.sections:
            if vaddr <= rva < vaddr + size:
                return raddr + rva - vaddr
        raise ValueError(f"rva 0x{rva:x} outside every section")

    def cstring(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def exports(self):
        rva, _ = self.directories[0]
        (_, _, _, _, _, base, n_functions, n_names, functions, names, ordinals) = \
            struct.unpack_from("<IIHHIIIIIII", self.data, self.offset(rva))
        result = {}
        for i in range(n_names):
            name = self.cstring(struct.unpack_from("<I", self.data, self.offset(names) + 4 * i)[0])
            index = struct.unpack_from("<H", self.data, self.offset(ordinals) + 2 * i)[0]
            result[name] = base + index
        live = sum(1 for i in range(n_functions)
                   if struct.unpack_from("<I", self.data, self.offset(functions) + 4 * i)[0] != 0)
        return result, live

    def imports(self):
        rva, _ = self.directories[1]
        dlls, at = [], self.offset(rva)
        while True:
            fields = struct.unpack_from("<IIIII", self.data, at)
            if fields[3] == 0:
                return dlls
            dlls.append(self.cstring(fields[3]).lower())
            at += 20


    def resource_entries(self, directory_rva):
        """(id or name offset, is_directory, rva of the child) of one resource directory."""
        root, _ = self.directories[2]
        at = self.offset(root + directory_rva)
        named, numbered = struct.unpack_from("<HH", self.data, at + 12)
        for i in range(named + numbered):
            key, child = struct.unpack_from("<II", self.data, at + 16 + 8 * i)
            yield key, bool(child & 0x80000000), child & 0x7FFFFFFF

    def resource_counts(self):
        """{type id: (number of names, set of languages)} of the resource tree."""
        counts = {}
        for type_id, _, names_rva in self.resource_entries(0):
            languages, entries = set(), 0
            for _, _, languages_rva in self.resource_entries(names_rva):
                entries += 1
                languages.update(lang for lang, _, _ in self.resource_entries(languages_rva))
            counts[type_id] = (entries, languages)
        return counts


def main(path, machine=None):
    with open(path, "rb") as f:
        image = Image(f.read())
    problems = []
    if machine is not None and image.machine != machine:
        problems.append(f"the image is for {image.machine}, expected {machine}")
    resources = image.resource_counts()
    bitmaps = resources.get(RT_BITMAP, (0, set()))[0]
    languages = len(resources.get(RT_STRING, (0, set()))[1])
    if bitmaps != EXPECTED_BITMAPS:
        problems.append(f"{bitmaps} bitmaps, expected {EXPECTED_BITMAPS}")
    if languages != EXPECTED_LANGUAGES:
        problems.append(f"string tables in {languages} languages, expected {EXPECTED_LANGUAGES}")
    if RT_VERSION not in resources:
        problems.append("no version block")
    exports, live = image.exports()
    if exports != EXPECTED:
        problems.append(f"exports differ: {sorted(exports.items(), key=lambda kv: kv[1])}")
    if live != len(EXPECTED):
        problems.append(f"{live} exported functions, expected {len(EXPECTED)} (no name-less exports)")
    foreign = [d for d in image.imports() if d not in SYSTEM_DLLS and not d.startswith("api-ms-win-")]
    if foreign:
        problems.append(f"imports from non-system DLLs: {foreign}")
    for p in problems:
        print(f"check_dll: {p}")
    print(f"check_dll: {image.machine}, {len(exports)} exports, {bitmaps} bitmaps, strings in "
          f"{languages} languages, imports {sorted(set(image.imports()))}: " + ("FAILED" if problems else "OK"))
    return 1 if problems else 0


if __name__ == "__main__":
    args = sys.argv[1:]
    wanted = None
    if len(args) == 3 and args[1] == "--machine" and args[2] in MACHINES:
        wanted = args[2]
        args = args[:1]
    if len(args) != 1:
        sys.exit(__doc__)
    sys.exit(main(args[0], wanted))
