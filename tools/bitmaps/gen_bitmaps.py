#!/usr/bin/env python3
"""Draw the status-picture bitmaps from scene.py and write them as RLE8 BMPs.

    gen_bitmaps.py            write resources/bitmaps/<NAME>.bmp and <NAME>_B.bmp
    gen_bitmaps.py --out DIR  write them into DIR instead
    gen_bitmaps.py --check    regenerate in memory; exit 1 naming every file
                              in the bitmap directory that differs or is missing

Every bitmap is drawn into an 8-bit indexed raster together with an opacity
map.  A transparent layer's mask is black (0) exactly where the layer is
opaque and white (255) elsewhere, and the layer itself is 0 wherever its
mask is white, so that a host can draw it as mask AND then layer OR.
Output is deterministic: the same scene gives the same bytes.

Standard library only.
"""

import argparse
import math
import os
import struct
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import scene  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT_DIR = os.path.join(REPO, "resources", "bitmaps")

INK = scene.palette_index()


# --------------------------------------------------------------------------
# Raster


class Canvas:
    """An indexed raster with an opacity map and an optional clip mask."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.pix = bytearray(w * h)
        self.opaque = bytearray(w * h)
        self.clip = None

    def put(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            i = y * self.w + x
            if self.clip is None or self.clip[i]:
                self.pix[i] = colour
                self.opaque[i] = 1

    def span(self, y, x0, x1, colour):
        for x in range(max(x0, 0), min(x1, self.w)):
            self.put(x, y, colour)


def poly_spans(pts, h):
    """Yield (y, x0, x1) pixel spans whose centres lie inside the polygon
    (even-odd rule)."""
    if len(pts) < 3:
        return
    ys = [p[1] for p in pts]
    y0 = max(int(math.floor(min(ys))), 0)
    y1 = min(int(math.ceil(max(ys))), h)
    n = len(pts)
    for y in range(y0, y1):
        cy = y + 0.5
        xs = []
        for i in range(n):
            ax, ay = pts[i]
            bx, by = pts[(i + 1) % n]
            if (ay <= cy < by) or (by <= cy < ay):
                xs.append(ax + (cy - ay) * (bx - ax) / (by - ay))
        xs.sort()
        for k in range(0, len(xs) - 1, 2):
            # pixel x is inside when x + 0.5 lies in [xa, xb)
            xa = int(math.ceil(xs[k] - 0.5))
            xb = int(math.ceil(xs[k + 1] - 0.5))
            if xb > xa:
                yield y, xa, xb


def fill_poly(cv, pts, colour):
    for y, xa, xb in poly_spans(pts, cv.h):
        cv.span(y, xa, xb, colour)


def line_pixels(p0, p1):
    """Pixels of a 1-pixel line between two points (Bresenham on the pixels
    that contain the end points)."""
    x0, y0 = int(math.floor(p0[0])), int(math.floor(p0[1]))
    x1, y1 = int(math.floor(p1[0])), int(math.floor(p1[1]))
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx = 1 if x0 < x1 else -1
    sy = 1 if y0 < y1 else -1
    err = dx + dy
    out = []
    while True:
        out.append((x0, y0))
        if x0 == x1 and y0 == y1:
            return out
        e2 = 2 * err
        if e2 >= dy:
            err += dy
            x0 += sx
        if e2 <= dx:
            err += dx
            y0 += sy


def draw_lines(cv, pts, colour, closed, width=1):
    segs = list(zip(pts, pts[1:]))
    if closed and len(pts) > 2:
        segs.append((pts[-1], pts[0]))
    for a, b in segs:
        for x, y in line_pixels(a, b):
            if width == 1:
                cv.put(x, y, colour)
            else:
                for ox in range(width):
                    for oy in range(width):
                        cv.put(x + ox - width // 2, y + oy - width // 2, colour)


def fill_disc(cv, cx, cy, r, colour):
    for y in range(int(math.floor(cy - r)), int(math.ceil(cy + r)) + 1):
        for x in range(int(math.floor(cx - r)), int(math.ceil(cx + r)) + 1):
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                cv.put(x, y, colour)


def draw_text(cv, x, y, text, colour):
    for ch in text:
        rows = scene.FONT[ch]
        for dy, row in enumerate(rows):
            for dx, bit in enumerate(row):
                if bit == "#":
                    cv.put(int(x) + dx, int(y) + dy, colour)
        x += len(rows[0]) + 1


def region_mask(w, h, polys):
    m = bytearray(w * h)
    for pts in polys:
        for y, xa, xb in poly_spans(pts, h):
            for x in range(max(xa, 0), min(xb, w)):
                m[y * w + x] = 1
    return m


def render(cv, items):
    for it in items:
        kind = type(it).__name__
        if kind == "Shape":
            fill_poly(cv, it.pts, INK[it.colour])
            if it.edge:
                draw_lines(cv, it.pts, INK[it.edge], True)
        elif kind == "Lines":
            draw_lines(cv, it.pts, INK[it.colour], it.closed, it.width)
        elif kind == "Disc":
            fill_disc(cv, it.cx, it.cy, it.r, INK[it.colour])
        elif kind == "Text":
            draw_text(cv, it.x, it.y, it.text, INK[it.colour])
        elif kind == "Mark":
            pass
        elif kind == "Clip":
            saved = cv.clip
            mask = region_mask(cv.w, cv.h, it.region)
            if saved is not None:
                mask = bytearray(a & b for a, b in zip(mask, saved))
            cv.clip = mask
            render(cv, it.items)
            cv.clip = saved
        else:
            raise TypeError("unknown scene item %r" % (it,))


# --------------------------------------------------------------------------
# Parts and highlights


def collect_parts(items, parts, clips=()):
    """Gather the named shapes, each with the clip regions it is drawn in."""
    for it in items:
        kind = type(it).__name__
        if kind == "Clip":
            collect_parts(it.items, parts, clips + (it.region,))
        elif getattr(it, "part", None):
            parts.setdefault(it.part, []).append((it.pts, clips))


def part_mask(shapes, dx=0, dy=0, w=scene.W, h=scene.H):
    """The pixels a part covers as drawn (fill and rim, inside its clip
    regions), shifted by (-dx, -dy) into a w x h bitmap."""
    out = bytearray(w * h)

    def moved(pts):
        return [(x - dx, y - dy) for x, y in pts]

    for pts, clips in shapes:
        cv = Canvas(w, h)
        for region in clips:
            mask = region_mask(w, h, [moved(p) for p in region])
            cv.clip = mask if cv.clip is None else bytearray(a & b for a, b in zip(mask, cv.clip))
        fill_poly(cv, moved(pts), 1)
        draw_lines(cv, moved(pts), 1, True)
        for i, v in enumerate(cv.opaque):
            if v:
                out[i] = 1
    return out


def draw_highlight(w, h, mask):
    """Mark the masked pixels: a two-pixel red and orange rim round a
    diagonal hatch that lets the part show through."""
    cv = Canvas(w, h)
    edge, rim, hatch = INK["hl_edge"], INK["hl_rim"], INK["hl_hatch"]

    def inside(x, y):
        return 0 <= x < w and 0 <= y < h and mask[y * w + x]

    dist = {}
    for y in range(h):
        for x in range(w):
            if not mask[y * w + x]:
                continue
            near = [(x + ox, y + oy) for ox in (-1, 0, 1) for oy in (-1, 0, 1)]
            if not all(inside(a, b) for a, b in near):
                dist[(x, y)] = 0
    for y in range(h):
        for x in range(w):
            if mask[y * w + x] and (x, y) not in dist:
                near = [(x + ox, y + oy) for ox in (-1, 0, 1) for oy in (-1, 0, 1)]
                if any(dist.get(p) == 0 for p in near):
                    dist[(x, y)] = 1
    for y in range(h):
        for x in range(w):
            if not mask[y * w + x]:
                continue
            d = dist.get((x, y))
            if d == 0:
                cv.put(x, y, edge)
            elif d == 1:
                cv.put(x, y, rim)
            elif (x + y) % 4 == 0 or ((x + y) % 4 == 1 and (x - y) % 8 == 0):
                cv.put(x, y, hatch)
    return cv


def build_highlight(name, spec, parts):
    """Draw a highlight from the outline of the part at its first place."""
    w, h = spec.size
    first = spec.places[0]
    polys = parts[first.part]
    mask = part_mask(polys, first.x, first.y, w, h)
    # The part must lie inside the bitmap, or the highlight would miss it.
    full = part_mask(polys)
    if sum(mask) != sum(full):
        raise SystemExit("%s: part %s does not fit a %dx%d bitmap at (%d, %d)"
                         % (name, first.part, w, h, first.x, first.y))
    if spec.trim:
        x0, y0, x1, y1 = spec.trim
        mask = bytearray(v if x0 <= i % w < w - x1 and y0 <= i // w < h - y1 else 0
                         for i, v in enumerate(mask))
    check_places(name, spec, parts, mask, w, h)
    return draw_highlight(w, h, mask)


def check_places(name, spec, parts, mask, w, h):
    """At every place the rules put this highlight, it must cover its part:
    nothing of the highlight off the part (one pixel of slack), and at least
    nine tenths of the whole part marked."""
    for place in spec.places:
        target = part_mask(parts[place.part], place.x, place.y, w, h)
        whole = sum(part_mask(parts[place.part]))
        grown = bytearray(target)
        for i, v in enumerate(target):
            if v:
                x, y = i % w, i // w
                for ox, oy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    if 0 <= x + ox < w and 0 <= y + oy < h:
                        grown[(y + oy) * w + x + ox] = 1
        stray = sum(1 for a, b in zip(mask, grown) if a and not b)
        covered = sum(1 for a, b in zip(mask, target) if a and b)
        if stray or covered * 10 < whole * 9:
            raise SystemExit("%s at (%d, %d) misses part %s: %d stray pixels, %d of %d covered"
                             % (name, place.x, place.y, place.part, stray, covered, whole))


def draw_all():
    """Return {name: Canvas} for every bitmap of the scene."""
    out = {}
    parts = {}
    for name, layer in scene.LAYERS.items():
        cv = Canvas(scene.W, scene.H)
        render(cv, layer.items)
        if layer.opaque and sum(cv.opaque) != cv.w * cv.h:
            raise SystemExit("%s: opaque layer leaves pixels undrawn" % name)
        collect_parts(layer.items, parts)
        out[name] = cv
    for name, spec in scene.HIGHLIGHTS.items():
        out[name] = build_highlight(name, spec, parts)
    return out


# --------------------------------------------------------------------------
# BMP with RLE8 pixels


def rle8_encode(pix, w, h):
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = pix[y * w:(y + 1) * w]
        i = 0
        while i < w:
            j = i + 1
            while j < w and j - i < 255 and row[j] == row[i]:
                j += 1
            if j - i >= 2:
                out += bytes((j - i, row[i]))
                i = j
                continue
            k = i
            while k < w and k - i < 255:
                if k + 2 < w and row[k] == row[k + 1] == row[k + 2]:
                    break
                k += 1
            if k - i >= 3:
                out += bytes((0, k - i)) + row[i:k]
                if (k - i) % 2:
                    out.append(0)
            else:
                for v in row[i:k]:
                    out += bytes((1, v))
            i = k
        out += b"\x00\x00"
    out += b"\x00\x01"
    return bytes(out)


def rle8_decode(data, w, h):
    """Strict decoder for what the encoder may write: encoded runs,
    absolute runs of 3..255 pixels padded to 16 bits, one end-of-line per
    row, end-of-bitmap last.  No deltas."""
    pix = bytearray(w * h)
    pos, row, col = 0, 0, 0
    while True:
        if pos + 2 > len(data):
            raise ValueError("truncated RLE data")
        a, b = data[pos], data[pos + 1]
        pos += 2
        if a:
            if col + a > w or row >= h:
                raise ValueError("run past the row end")
            y = h - 1 - row
            pix[y * w + col:y * w + col + a] = bytes((b,)) * a
            col += a
        elif b == 0:
            if col != w:
                raise ValueError("row %d ends at %d pixels" % (row, col))
            row, col = row + 1, 0
        elif b == 1:
            if row != h or pos != len(data):
                raise ValueError("end of bitmap misplaced")
            return pix
        elif b == 2:
            raise ValueError("delta code")
        else:
            if col + b > w or row >= h:
                raise ValueError("absolute run past the row end")
            y = h - 1 - row
            pix[y * w + col:y * w + col + b] = data[pos:pos + b]
            col += b
            pos += b + (b & 1)


def bmp_bytes(pix, w, h):
    rle = rle8_encode(pix, w, h)
    try:
        same = rle8_decode(rle, w, h) == pix
    except ValueError as e:
        raise SystemExit("RLE8 data unreadable: %s" % e)
    if not same:
        raise SystemExit("RLE8 round trip changed the pixels")
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in scene.palette_rgb())
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rle), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 1, len(rle), 2835, 2835, 256, 0)
    return header + info + table + rle


def encode_all():
    """Return {file name: bytes} for every bitmap and mask."""
    files = {}
    for name, cv in draw_all().items():
        if scene.has_mask(name):
            pix = bytearray(v if o else 0 for v, o in zip(cv.pix, cv.opaque))
            mask = bytearray(0 if o else 255 for o in cv.opaque)
            files[name + "_B.bmp"] = bmp_bytes(mask, cv.w, cv.h)
        else:
            pix = cv.pix
        files[name + ".bmp"] = bmp_bytes(pix, cv.w, cv.h)
    return files


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--check", action="store_true",
                    help="compare with the files instead of writing them")
    ap.add_argument("--out", default=OUT_DIR, help="bitmap directory (default %(default)s)")
    args = ap.parse_args(argv)
    files = encode_all()
    if args.check:
        bad = []
        for fname in sorted(files):
            try:
                with open(os.path.join(args.out, fname), "rb") as f:
                    if f.read() == files[fname]:
                        continue
                bad.append((fname, "differs"))
            except OSError:
                bad.append((fname, "missing"))
        for fname, why in bad:
            print("%s: %s" % (os.path.join(args.out, fname), why))
        if bad:
            print("run %s to regenerate" % os.path.relpath(__file__, REPO))
        return 1 if bad else 0
    os.makedirs(args.out, exist_ok=True)
    for fname in sorted(files):
        with open(os.path.join(args.out, fname), "wb") as f:
            f.write(files[fname])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
