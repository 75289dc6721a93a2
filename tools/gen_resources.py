#!/usr/bin/env python3
"""Generates the library's resources from resources/, the one source of them.

Outputs, into --out:
  patmodel.rc            for windres: string-table blocks, version block, bitmaps
  rc/*.bin               the binary string-table blocks and version block the .rc names
  resource_table.cpp     the same resources as C++ tables for the Linux build

String-table blocks and the version block are written in their binary
resource form here, so both builds carry byte-identical data.
"""
import argparse
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import strings_format  # noqa: E402

RT_BITMAP = 2
RT_STRING = 6
RT_VERSION = 16
BITMAP_LANGUAGE = 0x0411
VERSION_LANGUAGE = 0x0409
BMP_FILE_HEADER_SIZE = 14


def string_blocks(strings):
    """{block number: block bytes}; block n holds strings (n-1)*16 .. (n-1)*16+15."""
    blocks = {}
    for block in sorted({number // 16 + 1 for number in strings}):
        data = bytearray()
        for index in range(16):
            units = strings.get((block - 1) * 16 + index, "").encode("utf-16-le")
            data += struct.pack("<H", len(units) // 2) + units
        blocks[block] = bytes(data)
    return blocks


def pad32(data):
    return data + b"\0" * (-len(data) % 4)


def version_node(key, value=b"", value_length=0, value_type=0, children=b""):
    """One VS_VERSIONINFO-style node: header, key, aligned value, aligned children."""
    body = struct.pack("<HHH", 0, value_length, value_type) + (key + "\0").encode("utf-16-le")
    body = pad32(body) + value
    if children:
        body = pad32(body) + children
    return struct.pack("<H", len(body)) + body[2:]


def parse_version_numbers(text):
    parts = [int(p) for p in text.split(".")]
    if len(parts) != 4 or any(p < 0 or p > 0xFFFF for p in parts):
        raise ValueError(f"version {text!r} must be four numbers of 0..65535")
    return (parts[0] << 16) | parts[1], (parts[2] << 16) | parts[3]


def version_block(entries):
    file_ms, file_ls = parse_version_numbers(entries["FileVersion"])
    product_ms, product_ls = parse_version_numbers(entries["ProductVersion"])
    fixed = struct.pack("<13I", 0xFEEF04BD, 0x00010000, file_ms, file_ls, product_ms, product_ls,
                        0x3F, 0, 0x00040004, 2, 0, 0, 0)  # VOS_NT_WINDOWS32, VFT_DLL
    strings = b""
    for key, value in entries.items():
        text = (value + "\0").encode("utf-16-le")
        strings += pad32(version_node(key, text, len(value) + 1, 1))
    table = version_node("040904b0", value_type=1, children=strings)
    string_info = version_node("StringFileInfo", value_type=1, children=pad32(table))
    translation = version_node("Translation", struct.pack("<HH", 0x0409, 0x04B0), 4, 0)
    var_info = version_node("VarFileInfo", value_type=1, children=pad32(translation))
    return version_node("VS_VERSION_INFO", fixed, len(fixed), 0, pad32(string_info) + var_info)


def read_version(path):
    entries = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            key, value = line.split("\t", 1)
            entries[key] = value
    return entries


def bitmap_files(bitmaps_dir):
    if not os.path.isdir(bitmaps_dir):
        return []
    names = sorted(f[:-4] for f in os.listdir(bitmaps_dir) if f.endswith(".bmp"))
    return [(name, os.path.join(bitmaps_dir, name + ".bmp")) for name in names]


def packed_dib(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError(f"{path}: not a BMP file")
    return data[BMP_FILE_HEADER_SIZE:]


def c_bytes(data):
    lines = []
    for i in range(0, len(data), 24):
        lines.append("    " + ",".join(str(b) for b in data[i:i + 24]) + ",")
    return "\n".join(lines) if lines else "    0,"


def write_if_changed(path, content):
    mode = "wb" if isinstance(content, bytes) else "w"
    if os.path.exists(path):
        with open(path, "rb" if mode == "wb" else "r", **({} if mode == "wb" else {"encoding": "utf-8"})) as f:
            if f.read() == content:
                return
    with open(path, mode, **({} if mode == "wb" else {"encoding": "utf-8"})) as f:
        f.write(content)


def rc_path(path):
    return path.replace("\\", "/")


def type_spans(resources):
    """[(type id, first entry, entry count)]: each type's entries stand together."""
    spans = []
    for i, (type_id, _n, _id, _l, _d) in enumerate(resources):
        if spans and spans[-1][0] == type_id:
            spans[-1][2] += 1
        elif any(span[0] == type_id for span in spans):
            raise ValueError(f"resources of type {type_id} do not stand together")
        else:
            spans.append([type_id, i, 1])
    return spans


def generate(resources_dir, out_dir):
    os.makedirs(os.path.join(out_dir, "rc"), exist_ok=True)
    strings_dir = os.path.join(resources_dir, "strings")
    languages = strings_format.read_languages(os.path.join(resources_dir, "languages.txt"))
    resources = []  # (type id, name or None, id, language, bytes)
    for lang, lang_id, _code_page in languages:
        strings = strings_format.read_strings(strings_format.string_file_path(strings_dir, lang))
        for block, data in string_blocks(strings).items():
            resources.append((RT_STRING, None, block, lang_id, data))
    resources.append((RT_VERSION, None, 1, VERSION_LANGUAGE,
                      version_block(read_version(os.path.join(resources_dir, "version.txt")))))
    bitmaps = bitmap_files(os.path.join(resources_dir, "bitmaps"))
    for name, path in bitmaps:
        resources.append((RT_BITMAP, name, 0, BITMAP_LANGUAGE, packed_dib(path)))

    rc = ["// Generated by tools/gen_resources.py from resources/. Do not edit.", ""]
    for type_id, name, number, lang_id, data in resources:
        if type_id == RT_BITMAP:
            continue
        bin_name = f"rc/{type_id}_{number}_{lang_id:04x}.bin"
        write_if_changed(os.path.join(out_dir, bin_name), data)
        rc.append(f"LANGUAGE 0x{lang_id & 0x3FF:x}, 0x{lang_id >> 10:x}")
        rc.append(f'{number} {type_id} "{rc_path(os.path.abspath(os.path.join(out_dir, bin_name)))}"')
    rc.append(f"LANGUAGE 0x{BITMAP_LANGUAGE & 0x3FF:x}, 0x{BITMAP_LANGUAGE >> 10:x}")
    for name, path in bitmaps:
        rc.append(f'{name} BITMAP "{rc_path(os.path.abspath(path))}"')
    write_if_changed(os.path.join(out_dir, "patmodel.rc"), "\n".join(rc) + "\n")

    cpp = ["// Generated by tools/gen_resources.py from resources/. Do not edit.",
           '#include "platform/linux/resource_table.h"', "", "namespace {"]
    for i, (_t, _n, _id, _l, data) in enumerate(resources):
        cpp.append(f"const uint8_t kData{i}[] = {{\n{c_bytes(data)}\n}};")
    cpp += ["}  // namespace", "", "const PlatformResourceEntry kPlatformResources[] = {"]
    for i, (type_id, name, number, lang_id, data) in enumerate(resources):
        cpp_name = f'"{name}"' if name else "nullptr"
        cpp.append(f"    {{{type_id}, {cpp_name}, {number}, 0x{lang_id:04x}, kData{i}, {len(data)}u}},")
    cpp += ["    {0, nullptr, 0, 0, nullptr, 0},", "};", "",
            "const PlatformResourceType kPlatformResourceTypes[] = {"]
    for type_id, first, count in type_spans(resources):
        cpp.append(f"    {{{type_id}, {first}u, {count}u}},")
    cpp += ["    {0, 0, 0},", "};", "",
            "const PlatformLocaleEntry kPlatformLocales[] = {"]
    for _lang, lang_id, code_page in languages:
        cpp.append(f"    {{0x{lang_id:04x}, {code_page}}},")
    cpp += ["    {0, 0},", "};", ""]
    write_if_changed(os.path.join(out_dir, "resource_table.cpp"), "\n".join(cpp))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--resources", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    try:
        generate(args.resources, args.out)
    except (strings_format.FormatError, ValueError, OSError) as e:
        print(f"gen_resources: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
