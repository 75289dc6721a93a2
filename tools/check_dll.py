#!/usr/bin/env python3
"""Checks what patmodel.dll exports and imports, from its PE headers.

The export table must hold exactly the sixteen Pat* names, undecorated, at
ordinals 2 to 17; the DLL may import only from system DLLs.
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
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "version.dll", "msvcrt.dll", "advapi32.dll"}


class Image:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        machine, sections, _, _, _, opt_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        if machine != 0x14C:
            raise ValueError(f"machine 0x{machine:x} is not i386")
        opt = pe + 24
        if struct.unpack_from("<H", data, opt)[0] != 0x10B:
            raise ValueError("not a PE32 image")
        self.directories = [struct.unpack_from("<II", data, opt + 96 + 8 * i) for i in range(16)]
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


def main(path):
    with open(path, "rb") as f:
        image = Image(f.read())
    problems = []
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
    print(f"check_dll: {len(exports)} exports, imports {sorted(set(image.imports()))}: "
          + ("FAILED" if problems else "OK"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
