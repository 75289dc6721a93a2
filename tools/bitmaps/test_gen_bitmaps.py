#!/usr/bin/env python3
"""Tests of the bitmap generator and of the bitmaps it wrote.

    python3 tools/bitmaps/test_gen_bitmaps.py
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, HERE)
import gen_bitmaps  # noqa: E402

BITMAP_DIR = gen_bitmaps.OUT_DIR

SIZES = {
    "BM_BASE": (320, 200), "BM_BANK": (320, 200), "BM_LCT": (320, 200),
    "BM_ADF": (320, 200), "BM_BRIDGE": (320, 200), "BM_FIN1": (320, 200),
    "BM_FIN2": (320, 200), "BM_FIN3": (320, 200), "BM_1BIN": (320, 200),
    "BM_TABLE": (320, 200), "BM_CAUTION": (320, 200), "BM_SERVICE": (320, 200),
    "BM_POWEROFF": (320, 200),
    "BM_POINT_1": (68, 34), "BM_POINT_2": (93, 34), "BM_POINT_3": (93, 52),
    "BM_POINT_4": (59, 40), "BM_POINT_5": (103, 37), "BM_POINT_6": (95, 51),
    "BM_POINT_7": (79, 27), "BM_POINT_8": (43, 87), "BM_POINT_9": (39, 28),
    "BM_POINT_10": (50, 31), "BM_POINT_11": (62, 120), "BM_POINT_12": (36, 27),
    "BM_POINT_13": (72, 133), "BM_POINT_14": (39, 28), "BM_POINT_15": (55, 28),
    "BM_POINT_16": (54, 53), "BM_POINT_17": (33, 39), "BM_POINT_18": (44, 31),
    "BM_POINT_19": (50, 32), "BM_POINT_20": (69, 134), "BM_POINT_21": (79, 148),
    "BM_POINT_22": (66, 136), "BM_POINT_23": (74, 156), "BM_POINT_24": (33, 39),
    "BM_POINT_25": (34, 33),
}


def decode_rle8(data, w, h):
    """Independent reader of the RLE8 subset the files may use; returns rows
    top-down.  Fails on deltas, short or unpadded absolute runs, rows that do
    not end exactly at an end-of-line, and anything after end-of-bitmap."""
    rows, row, pos = [], [], 0
    while True:
        count, value = data[pos], data[pos + 1]
        pos += 2
        if count:
            row += [value] * count
        elif value == 0:
            assert len(row) == w, "row of %d pixels" % len(row)
            rows.append(row)
            row = []
        elif value == 1:
            assert not row and pos == len(data)
            break
        else:
            assert value >= 3, "delta or short absolute run"
            row += list(data[pos:pos + value])
            pos += value + value % 2
    assert len(rows) == h
    return rows[::-1]


def read_bmp(path):
    with open(path, "rb") as f:
        data = f.read()
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    (bi_size, w, h, planes, bits, compression, image_size, xppm, yppm, used,
     important) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    return dict(data=data, magic=magic, size=size, offset=offset, bi_size=bi_size, w=w,
                h=h, planes=planes, bits=bits, compression=compression,
                image_size=image_size, ppm=(xppm, yppm), used=used, important=important,
                table=data[54:54 + 1024], rle=data[offset:])


class Rle8(unittest.TestCase):
    def test_known_encoding(self):
        # rows go bottom-up; a padded absolute run, encoded runs, and a
        # two-pixel tail that must not become an absolute run
        pix = bytes([7, 7, 7, 7, 1, 2,
                     4, 5, 6, 9, 9, 9])
        self.assertEqual(gen_bitmaps.rle8_encode(pix, 6, 2),
                         bytes([0, 3, 4, 5, 6, 0, 3, 9, 0, 0,
                                4, 7, 1, 1, 1, 2, 0, 0,
                                0, 1]))

    def test_awkward_rows_round_trip(self):
        w = 600
        rows = [
            [i % 256 for i in range(w)],                    # literals past 255
            [5] * w,                                        # runs past 255
            [(i // 2) % 7 for i in range(w)],               # pairs
            [1, 2, 3, 3, 4] * (w // 5),                     # pair inside literals
            [9] + [1, 2] * ((w - 2) // 2) + [9],
        ]
        pix = bytes(v for row in rows for v in row)
        data = gen_bitmaps.rle8_encode(pix, w, len(rows))
        self.assertEqual(decode_rle8(data, w, len(rows)), rows)


class CommittedBitmaps(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.bmps = {}
        for name in SIZES:
            for fname in (name, name + "_B"):
                path = os.path.join(BITMAP_DIR, fname + ".bmp")
                if os.path.exists(path):
                    cls.bmps[fname] = read_bmp(path)

    def test_set_of_files(self):
        expected = set(SIZES) | {n + "_B" for n in SIZES if n != "BM_BASE"}
        on_disk = {f[:-4] for f in os.listdir(BITMAP_DIR) if f.endswith(".bmp")}
        self.assertEqual(on_disk, expected)
        self.assertEqual(len(expected), 75)

    def test_headers_and_shared_colour_table(self):
        table = self.bmps["BM_BASE"]["table"]
        self.assertEqual(table[0:4], b"\0\0\0\0")
        self.assertEqual(table[1020:1024], b"\xff\xff\xff\0")
        for fname, b in self.bmps.items():
            with self.subTest(fname):
                self.assertEqual(b["magic"], b"BM")
                self.assertEqual(b["size"], len(b["data"]))
                self.assertEqual(b["offset"], 14 + 40 + 1024)
                self.assertEqual((b["bi_size"], b["planes"], b["bits"], b["compression"]),
                                 (40, 1, 8, 1))
                self.assertEqual((b["w"], b["h"]), SIZES[fname[:-2] if fname.endswith("_B") else fname])
                self.assertEqual(b["image_size"], len(b["rle"]))
                self.assertIn(b["ppm"], ((2835, 2835), (0, 0)))
                self.assertEqual(b["used"], 256)
                self.assertIn(b["important"], (0, 256))
                self.assertEqual(b["table"], table)

    def test_masks_match_their_bitmaps(self):
        for name in SIZES:
            if name == "BM_BASE":
                continue
            with self.subTest(name):
                w, h = SIZES[name]
                pix = decode_rle8(self.bmps[name]["rle"], w, h)
                mask = decode_rle8(self.bmps[name + "_B"]["rle"], w, h)
                flat_pix = [v for row in pix for v in row]
                flat_mask = [v for row in mask for v in row]
                self.assertLessEqual(set(flat_mask), {0, 255})
                self.assertIn(0, flat_mask)          # something is drawn
                self.assertIn(255, flat_mask)        # and something is not
                self.assertFalse([i for i, (p, m) in enumerate(zip(flat_pix, flat_mask))
                                  if m == 255 and p != 0])


class CheckMode(unittest.TestCase):
    def run_check(self, directory):
        return subprocess.run([sys.executable, os.path.join(HERE, "gen_bitmaps.py"),
                               "--check", "--out", directory],
                              capture_output=True, text=True)

    def test_committed_files_are_up_to_date(self):
        result = self.run_check(BITMAP_DIR)
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_names_changed_and_missing_files(self):
        with tempfile.TemporaryDirectory() as tmp:
            gen_bitmaps.main(["--out", tmp])
            self.assertEqual(self.run_check(tmp).returncode, 0)
            with open(os.path.join(tmp, "BM_POINT_7.bmp"), "r+b") as f:
                f.seek(2000)
                byte = f.read(1)
                f.seek(2000)
                f.write(bytes([byte[0] ^ 1]))
            os.remove(os.path.join(tmp, "BM_ADF_B.bmp"))
            result = self.run_check(tmp)
            self.assertEqual(result.returncode, 1)
            self.assertIn("BM_POINT_7.bmp", result.stdout)
            self.assertIn("BM_ADF_B.bmp", result.stdout)
            self.assertNotIn("BM_BASE.bmp", result.stdout)


if __name__ == "__main__":
    unittest.main()
