"""Scene of the status pictures: the printer body, its options, the signs
and the trouble-spot highlights, as named parts in palette colours.

Machine units
-------------
The machine is a set of boxes seen from the front right and a little above.
A point is given as (x, l, z):

    x  along the front, 0 at the body's left edge, growing to the right;
    l  height, as the picture row the point would have on the body's
       front-left edge (so l grows downwards);
    z  depth, 0 at the body's front, growing to the back.

`at(x, l, z)` projects it onto the 320 x 200 picture: front edges fall a
little to the right and depth rises to the right, so right sides and tops
show.  The body is x 0..81, z 0..41; the options under it share its
footprint; the finishers stand at x < 0, left of it.

Items
-----
Every bitmap is a list of items, drawn in order:

    Shape(colour, pts, edge=None, part=None)   filled polygon, optional rim
    Lines(colour, pts, closed=False, width=1)  polyline
    Disc(colour, cx, cy, r)                    filled circle
    Text(colour, x, y, text)                   tiny pixel font
    Clip(region, items)                        items drawn only inside the
                                               union of the region polygons
    Mark(part, pts)                            not drawn: adds an outline
                                               to a part

A Shape or Mark with a `part` name makes up a part of the machine that a
highlight can point at; several of them with one name make one part.
HIGHLIGHTS says for every BM_POINT_n which part it marks and at which picture
positions the status rules draw it; the generator draws the mark from the
part's outline and checks that it lands on the part at each position.
"""

from collections import namedtuple

W, H = 320, 200

# --------------------------------------------------------------------------
# Palette.  Index 0 is black and 255 white; the named colours take the
# indices from 1 in this order; unused entries stay black.

PALETTE = [
    ("ink", (58, 64, 74)),            # outlines of the units
    ("seam", (146, 153, 162)),        # gaps between panels
    ("background", (242, 245, 248)),
    ("shell_top", (250, 250, 248)),   # housing: top, front, right side
    ("shell_front", (232, 234, 233)),
    ("shell_side", (200, 205, 209)),
    ("cover_top", (244, 245, 244)),   # covers and doors, a shade lighter
    ("cover_front", (240, 241, 240)),
    ("cover_side", (212, 216, 220)),
    ("trim_top", (130, 137, 147)),    # dark plinths and hoods
    ("trim_front", (100, 107, 118)),
    ("trim_side", (82, 88, 98)),
    ("cavity", (86, 93, 104)),        # inside the output space, bays
    ("cavity_wall", (124, 131, 141)),
    ("cavity_floor", (176, 182, 190)),
    ("tray_front", (224, 227, 229)),
    ("tray_plate", (188, 194, 201)),
    ("handle", (102, 109, 120)),
    ("handle_shadow", (72, 78, 88)),
    ("panel", (64, 69, 78)),          # operation panel
    ("lcd", (122, 206, 200)),
    ("lcd_text", (44, 116, 112)),
    ("key", (156, 162, 170)),
    ("key_go", (60, 180, 98)),
    ("led_green", (110, 230, 120)),
    ("accent", (40, 114, 188)),       # the family's blue stripe
    ("paper", (254, 254, 250)),
    ("paper_edge", (206, 206, 196)),
    ("gauge", (92, 160, 214)),        # paper-level marks
    ("caster", (56, 60, 66)),
    ("hl_edge", (222, 30, 22)),       # highlight rim, outer
    ("hl_rim", (255, 128, 0)),        # highlight rim, inner
    ("hl_hatch", (255, 200, 0)),      # highlight hatch
    ("sign_yellow", (255, 206, 0)),
    ("sign_ink", (36, 36, 36)),
    ("sign_blue", (30, 102, 200)),
    ("sign_blue_dark", (18, 66, 142)),
    ("sign_red", (220, 44, 36)),
    ("sign_grey", (96, 102, 110)),
]


def palette_index():
    """Colour name -> palette index."""
    idx = {"black": 0, "white": 255}
    for i, (name, _) in enumerate(PALETTE):
        idx[name] = i + 1
    return idx


def palette_rgb():
    """The 256 (r, g, b) entries of the shared colour table."""
    table = [(0, 0, 0)] * 256
    table[255] = (255, 255, 255)
    for i, (_, rgb) in enumerate(PALETTE):
        table[i + 1] = rgb
    return table


# --------------------------------------------------------------------------
# Items

Shape = namedtuple("Shape", "colour pts edge part", defaults=(None, None))
Lines = namedtuple("Lines", "colour pts closed width", defaults=(False, 1))
Disc = namedtuple("Disc", "colour cx cy r")
Text = namedtuple("Text", "colour x y text")
Clip = namedtuple("Clip", "region items")
Mark = namedtuple("Mark", "part pts")

FONT = {
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["##.", "..#", ".#.", "#..", "###"],
    "3": ["##.", "..#", ".#.", "..#", "##."],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
}

# --------------------------------------------------------------------------
# Projection and faces

ORIGIN_X = 117      # picture column of the body's front-left edge
SLOPE = 0.11        # rows a front edge falls per column
DEPTH = (1.0, 0.4)  # columns right and rows up per unit of depth


def at(x, l, z=0):
    return (ORIGIN_X + x + DEPTH[0] * z, l + SLOPE * x - DEPTH[1] * z)


def front(x0, x1, l0, l1, z=0):
    """Rectangle in the front plane at depth z."""
    return [at(x0, l0, z), at(x1, l0, z), at(x1, l1, z), at(x0, l1, z)]


def side(x, z0, z1, l0, l1):
    """Rectangle in the side plane at x (a face looking right)."""
    return [at(x, l0, z0), at(x, l0, z1), at(x, l1, z1), at(x, l1, z0)]


def top(x0, x1, z0, z1, l):
    """Rectangle in the horizontal plane at height l."""
    return [at(x0, l, z0), at(x1, l, z0), at(x1, l, z1), at(x0, l, z1)]


def front_poly(xls, z=0):
    return [at(x, l, z) for x, l in xls]


def quad(*xlz):
    return [at(x, l, z) for x, l, z in xlz]


def rect(x0, y0, x1, y1):
    """Picture rectangle (signs and clip regions)."""
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


MATERIALS = {
    # colours of the top, the right side and the front
    "shell": ("shell_top", "shell_side", "shell_front"),
    "cover": ("cover_top", "cover_side", "cover_front"),
    "trim": ("trim_top", "trim_side", "trim_front"),
    "paper": ("paper", "paper_edge", "paper_edge"),
}


def block(x0, x1, l0, l1, z0, z1, mat="shell", faces="tsf", part=None):
    """A box: of its top, right side and front those that `faces` names."""
    t, s, f = MATERIALS[mat]
    out = []
    if "t" in faces:
        out.append(Shape(t, top(x0, x1, z0, z1, l0), "ink", part))
    if "s" in faces:
        out.append(Shape(s, side(x1, z0, z1, l0, l1), "ink", part))
    if "f" in faces:
        out.append(Shape(f, front(x0, x1, l0, l1, z0), "ink", part))
    return out


def inset(pts, a, b):
    """A quadrilateral inside a projected one (a sheet on a tray): about `a`
    pixels in from the ends of its first edge, `b` from those of its second."""
    def lerp(p, q, t):
        return (p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t)

    def length(p, q):
        return max(((q[0] - p[0]) ** 2 + (q[1] - p[1]) ** 2) ** 0.5, 1e-6)

    p0, p1, p2, p3 = pts
    ta, tb = a / length(p0, p1), b / length(p1, p2)

    def point(s, t):
        return lerp(lerp(p0, p1, s), lerp(p3, p2, s), t)

    return [point(ta, tb), point(1 - ta, tb), point(1 - ta, 1 - tb), point(ta, 1 - tb)]


# --------------------------------------------------------------------------
# Dimensions (machine units)

BODY_W, BODY_D = 81, 41
SCANNER_TOP, SCANNER_BOTTOM = 33, 49      # reader unit over the output space
SPACE = dict(x1=79, l0=49, l1=67, z1=38)  # in-body output space, open front
FRONT_COVER = dict(l0=68, l1=96, leg=113) # front cover; its left leg goes down
TRAY1 = dict(x0=25, l0=97)                # to tray 2, tray 1 sits beside it
TRAY2_L, TRAY_H = 114, 15
BODY_BOTTOM = 131
BANK_TRAYS_L = (132, 147)
LCT_TRAY_L = (132, 168)
UNIT_BOTTOM, FLOOR = 174, 180             # bank, LCT, stand and finishers
UPPER_RIGHT_COVER = dict(l0=51, l1=64, z0=7, z1=40, out=6)
RIGHT_COVER_L = 65
BRIDGE = dict(l0=57, z0=2, z1=36, split=40)

SPACE_OPENING = front(0, SPACE["x1"], SPACE["l0"], SPACE["l1"])
LEFT_OF_BODY = rect(0, 0, ORIGIN_X, H)


# --------------------------------------------------------------------------
# Pieces used more than once


def drawer(x0, l0, l1, label, part, x1=BODY_W):
    """A paper drawer: panel, handle, paper-level gauge and its number."""
    mid = (x0 + x1) / 2.0
    items = [
        Shape("tray_front", front(x0, x1, l0, l1), "seam", part),
        Shape("handle_shadow", front(mid - 9, mid + 9, l0 + 3, l0 + 6)),
        Shape("handle", front(mid - 8, mid + 8, l0 + 4, l0 + 6)),
        Lines("seam", [at(x0 + 1, l1 - 2), at(x1 - 1, l1 - 2)]),
    ]
    marks = max(4, int((l1 - l0) / 4))
    for k in range(marks):
        colour = "gauge" if k >= marks // 4 else "key"
        l = l0 + 3 + (l1 - l0 - 6) * k / marks
        items.append(Shape(colour, front(x1 - 8, x1 - 4, l, l + 1.5)))
    if label:
        tx, ty = at(x0 + 3, l0 + 4)
        items.append(Text("ink", tx, ty, label))
    return items


def caster(x, z):
    cx, cy = at(x, FLOOR - 3, z)
    return [Disc("caster", cx, cy, 3.2), Disc("trim_top", cx - 0.6, cy - 0.8, 1.1)]


def floor_unit():
    """Housing of the paper bank, the LCT and the stand: one outline for all
    three, so that a bank or LCT drawn over the stand hides it.  Its top is
    under the body and not drawn."""
    items = [
        Shape("shell_side", side(BODY_W, 0, BODY_D, BODY_BOTTOM, UNIT_BOTTOM), "ink"),
        Shape("shell_front", front(0, BODY_W, BODY_BOTTOM, UNIT_BOTTOM), "ink"),
        Shape("trim_front", front(0, BODY_W, UNIT_BOTTOM - 5, UNIT_BOTTOM), "ink"),
        Shape("trim_side", side(BODY_W, 0, BODY_D, UNIT_BOTTOM - 5, UNIT_BOTTOM), "ink"),
    ]
    for x, z in ((BODY_W, BODY_D - 4), (6, 3), (BODY_W - 6, 3)):
        items += caster(x, z)
    return items


def lower_right_cover(part):
    return [
        Shape("cover_side", side(BODY_W, 2, 33, 142, 167), "seam", part),
        Shape("handle_shadow", side(BODY_W, 5, 7, 147, 160)),
    ]


def sloped_tray(corners, part, clip=None):
    """An output tray given by the corners of its plate, with a thin front
    edge and a sheet on it."""
    (ax, al, az), (bx, bl, bz) = corners[0], corners[1]
    plate = quad(*corners)
    items = [
        Shape("tray_plate", plate, "ink", part),
        Shape("trim_front", quad((ax, al, az), (bx, bl, bz), (bx, bl + 1.5, bz),
                                 (ax, al + 1.5, az)), "ink", part),
        Shape("paper", inset(plate, 4, 2.5), "paper_edge"),
    ]
    return [Clip(clip, items)] if clip else items


# --------------------------------------------------------------------------
# BM_BASE: the printer body, drawn opaque


def base():
    items = [Shape("background", rect(0, 0, W, H))]
    # feet, hidden when the body stands on a bank, an LCT or the stand
    for x0 in (4, BODY_W - 10):
        items += block(x0, x0 + 6, BODY_BOTTOM, BODY_BOTTOM + 3, 3, 6, "trim", "sf")
    items += block(0, BODY_W, SCANNER_TOP, BODY_BOTTOM, 0, BODY_D)
    items += reader_unit()
    items += output_space()
    items += front_doors()
    items += right_side()
    return items


def reader_unit():
    """Glass cover on top; stripe and operation panel in front."""
    t, b = SCANNER_TOP, SCANNER_BOTTOM
    items = [
        Shape("cover_top", top(1, 60, 1, BODY_D - 1, t), "seam"),
        Lines("handle", [at(8, t, 1), at(24, t, 1)]),
        Lines("seam", [at(0, b - 1), at(BODY_W, b - 1)]),
        Lines("seam", [at(BODY_W, b - 1, 0), at(BODY_W, b - 1, BODY_D)]),
        Shape("accent", front(0, 42, b - 5, b - 3)),
        Shape("panel", front(45, 79, t + 2, b - 3), "ink"),
        Shape("lcd", front(47, 62, t + 4, b - 5), "panel"),
        Lines("lcd_text", [at(49, t + 7), at(57, t + 7)]),
        Lines("lcd_text", [at(49, t + 9), at(60, t + 9)]),
        Shape("key_go", front(74, 78, t + 7, b - 5)),
        Shape("led_green", front(74, 76, t + 4, t + 5)),
    ]
    for i in range(3):
        for j in range(3):
            items.append(Shape("key", front(64 + 3 * i, 66 + 3 * i, t + 4 + 3 * j, t + 6 + 3 * j)))
    return items


def output_space():
    """The in-body output tray: an open space under the reader unit, its
    inner left wall, its floor and a stack of prints."""
    x1, l0, l1, z1 = SPACE["x1"], SPACE["l0"], SPACE["l1"], SPACE["z1"]
    inside = [
        Shape("cavity", SPACE_OPENING, None, "internal_tray"),
        Shape("cavity_wall", side(0, 0, z1, l0, l1)),
        Shape("cavity_floor", top(0, x1, 0, z1, l1)),
        Lines("seam", [at(0, l1, 0), at(0, l1, z1)]),
        Shape("cavity_wall", top(x1 - 12, x1, 0, z1, l1 - 0.5)),
    ]
    inside += block(26, 64, l1 - 3, l1, 6, 30, "paper")
    inside += [Lines("paper_edge", [at(26, l1 - 2, 6), at(64, l1 - 2, 6)])]
    return [Clip([SPACE_OPENING], inside), Lines("ink", SPACE_OPENING, True)]


def front_doors():
    """Front cover (its left leg reaching down beside tray 1), trays 1 and 2."""
    fc = FRONT_COVER
    items = [
        Shape("cover_front", front_poly([
            (0, fc["l0"]), (BODY_W, fc["l0"]), (BODY_W, fc["l1"]), (TRAY1["x0"], fc["l1"]),
            (TRAY1["x0"], fc["leg"]), (0, fc["leg"])]), "seam", "front_cover"),
        Shape("handle_shadow", front(32, 50, fc["l0"] + 3, fc["l0"] + 6)),
        Shape("handle", front(33, 49, fc["l0"] + 4, fc["l0"] + 6)),
        Shape("accent", front(4, 20, fc["leg"] - 6, fc["leg"] - 4)),
    ]
    items += drawer(TRAY1["x0"], TRAY1["l0"], TRAY1["l0"] + TRAY_H, "1", "tray_1")
    items += drawer(0, TRAY2_L, TRAY2_L + TRAY_H, "2", "tray_2")
    items += [
        Shape("trim_front", front(0, BODY_W, TRAY2_L + TRAY_H, BODY_BOTTOM), "ink"),
        Shape("trim_side", side(BODY_W, 0, BODY_D, TRAY2_L + TRAY_H, BODY_BOTTOM), "ink"),
    ]
    return items


def right_side():
    """Upper right cover on a bulge, right cover, bypass tray."""
    u = UPPER_RIGHT_COVER
    ux = BODY_W + u["out"]
    items = block(BODY_W, ux, u["l0"], u["l1"], u["z0"], u["z1"], "cover", "tf")
    items += [Shape("cover_side", side(ux, u["z0"], u["z1"], u["l0"], u["l1"]), "ink",
                    "upper_right_cover")]
    for k in range(4):
        l = u["l0"] + 3 + 2.5 * k
        items.append(Lines("seam", [at(ux, l, 14), at(ux, l, 34)]))
    items += [
        Shape("cover_side", side(BODY_W, 1, BODY_D - 1, RIGHT_COVER_L, TRAY2_L + TRAY_H),
              "seam", "right_cover"),
        Shape("handle_shadow", side(BODY_W, 4, 6, 70, 86)),
    ]
    return items + bypass_tray()


def bypass_tray():
    """Bypass tray folded out of the right cover, a sheet on it."""
    x = BODY_W
    shapes = block(x, x + 4, 106, 118, 4, 35, "cover", "tsf", "bypass_tray")
    shapes += [
        Shape("cover_top", quad((x + 4, 110, 6), (x + 22, 112, 6), (x + 22, 112, 33),
                                (x + 4, 110, 33)), "ink", "bypass_tray"),
        Shape("cover_side", quad((x + 22, 112, 6), (x + 22, 112, 33), (x + 22, 113.5, 33),
                                 (x + 22, 113.5, 6)), "ink", "bypass_tray"),
        Shape("paper", quad((x + 5, 109.5, 10), (x + 18, 111, 10), (x + 18, 111, 29),
                            (x + 5, 109.5, 29)), "paper_edge"),
        Lines("handle", [at(x + 6, 109.7, 9), at(x + 20, 111.5, 9)]),
        Lines("handle", [at(x + 6, 109.7, 30), at(x + 20, 111.5, 30)]),
    ]
    return shapes


# --------------------------------------------------------------------------
# Under the body: paper bank and LCT (layer 20), stand (layer 10)


def bank():
    items = floor_unit()
    for label, l0 in zip("34", BANK_TRAYS_L):
        items += drawer(0, l0, l0 + TRAY_H, label, "tray_%s" % label)
    return items + lower_right_cover("bank_right_cover")


def lct():
    l0, l1 = LCT_TRAY_L
    items = floor_unit()
    items += drawer(0, l0, l1, None, "lct_tray")
    # window on the paper stack
    items += [Shape("cavity", front(8, 20, l0 + 12, l1 - 5), "seam")]
    for k in range(5):
        items.append(Shape("paper", front(9, 19, l0 + 20 + 2.5 * k, l0 + 21.5 + 2.5 * k)))
    return items + lower_right_cover("lct_right_cover")


def stand():
    b = BODY_BOTTOM
    items = floor_unit()
    items += [
        Shape("trim_front", front(0, BODY_W, b, b + 5), "ink"),
        Shape("trim_side", side(BODY_W, 0, BODY_D, b, b + 5), "ink"),
        Shape("cover_front", front(3, 40, b + 8, UNIT_BOTTOM - 8), "seam"),
        Shape("cover_front", front(41, BODY_W - 3, b + 8, UNIT_BOTTOM - 8), "seam"),
        Shape("handle", front(35, 37, b + 16, b + 26)),
        Shape("handle", front(44, 46, b + 16, b + 26)),
    ]
    return items


# --------------------------------------------------------------------------
# On and in the body: document feeder (30), bridge unit (40), one-bin tray (60)


def adf():
    """Document feeder over the glass, left of the operation panel: feed
    hood at its left, original tray with a sheet on top, exit slot in front."""
    x1, l0, l1 = 60, 20, SCANNER_TOP
    items = block(0, x1, l0, l1, 0, BODY_D, "shell", "tsf", "adf")
    items += [
        Shape("trim_top", top(0, 14, 0, BODY_D, l0), "ink"),
        Shape("trim_front", front(0, 14, l0, l1), "ink"),
        Shape("cover_top", top(17, x1 - 2, 4, BODY_D - 4, l0), "seam"),
        Shape("paper", top(21, x1 - 6, 8, BODY_D - 8, l0 - 0.5), "paper_edge"),
        Lines("handle", [at(19, l0, 6), at(x1 - 4, l0, 6)]),
        Lines("handle", [at(19, l0, BODY_D - 6), at(x1 - 4, l0, BODY_D - 6)]),
        Shape("cavity", front(17, x1 - 3, l0 + 6, l0 + 8)),
        Shape("accent", front(17, 40, l1 - 4, l1 - 2.5)),
    ]
    return items


def bridge():
    """Bridge unit on the floor of the output space, carrying prints out to
    the finisher; a left and a right cover in front."""
    b, x1, l1 = BRIDGE, SPACE["x1"], SPACE["l1"]
    l0, z, split = b["l0"], b["z0"], b["split"]
    items = [
        Shape("shell_top", top(0, x1, z, b["z1"], l0), "ink"),
        Shape("trim_front", front(0, x1, l0, l1, z), "ink"),
        Shape("cover_front", front(1, split, l0, l0 + 6, z), "ink", "bridge_left_cover"),
        Shape("cover_front", front(split + 1, x1 - 2, l0, l1 - 1, z), "ink", "bridge_right_cover"),
        Shape("handle", front(split + 6, split + 16, l0 + 2, l0 + 4, z)),
        Shape("handle", front(8, 18, l0 + 2, l0 + 4, z)),
        Lines("paper_edge", [at(1, l1 - 2.5, z), at(split, l1 - 2.5, z)]),
    ]
    return [Clip([SPACE_OPENING], items)]


def one_bin():
    """Extra output tray under the reader unit, over the in-body tray (and
    over the bridge unit), its lip a little out of the front."""
    l, z0, x0, x1 = 50.5, -3, 22, SPACE["x1"]
    items = [
        Shape("tray_plate", top(x0, x1, z0, 30, l), "ink"),
        Shape("paper", top(34, 72, z0 + 2, 26, l - 0.5), "paper_edge"),
        Shape("cover_front", front(x0, x1, l, l + 3, z0), "ink"),
        Shape("accent", front(x0 + 3, x0 + 18, l + 1, l + 2, z0)),
    ]
    return [Clip([SPACE_OPENING], items)]


# --------------------------------------------------------------------------
# Finishers (layer 50), standing left of the body; all of a finisher that is
# behind the body is cut off at the body's left edge.

Finisher = namedtuple("Finisher", "w top strip shift_bay shift_tray upper_tray")

# trays as the (x, l, z) corners of their plates; the bay as (x0, x1, l0, l1)
FIN_1000 = Finisher(
    w=38, top=58.5, strip=-12,
    shift_bay=(-36, -14, 66, 86),
    shift_tray=((-61, 76, 1), (-16, 84, 1), (-16, 84, 16), (-61, 76, 16)),
    upper_tray=((-45, 46, 2), (-22, 58, 2), (-22, 58, 14), (-45, 46, 14)),
)
FIN_3000 = Finisher(
    w=48, top=46, strip=-14,
    shift_bay=(-46, -17, 56, 76),
    shift_tray=((-71, 66, 1), (-19, 74, 1), (-19, 74, 16), (-71, 66, 16)),
    upper_tray=((-56, 34, 2), (-31, 45, 2), (-31, 45, 13), (-56, 34, 13)),
)
BOOKLET_TRAY = ((-74, 150, 3), (-48, 146, 3), (-48, 146, 30), (-74, 150, 30))


def finisher(f, name, booklet=False):
    """A floor-standing finisher: the shift tray comes out of a bay in the
    front and sticks out to the left, the upper tray sits on top, the upper
    cover is the right-hand strip of the top, the front cover is the front
    below the bay and beside it.  The booklet model adds the booklet tray
    out of its left side.

    Parts: <name>_whole (front and trays beside it), _cover (front and upper
    covers), _front_cover, _upper_cover, _shift_tray, _upper_tray and
    _booklet_tray."""
    x0, t = -f.w, f.top
    bx0, bx1, bl0, bl1 = f.shift_bay
    low = UNIT_BOTTOM - 4
    beside = rect(0, 0, ORIGIN_X + x0, H)          # left of the unit's front
    bay = front(bx0, bx1, bl0, bl1)
    upper_cover = top(f.strip, 0, 0, BODY_D, t)
    front_cover = front_poly([(x0, bl1 + 3), (f.strip, bl1 + 3), (f.strip, t + 4),
                              (0, t + 4), (0, low), (x0, low)])
    items = [
        Shape("shell_top", top(x0, 0, 0, BODY_D, t), "ink"),
        Shape("shell_front", front(x0, 0, t, UNIT_BOTTOM), "ink", name + "_whole"),
        Shape("cover_top", upper_cover, "ink", name + "_upper_cover"),
        Shape("cover_front", front_cover, "seam", name + "_front_cover"),
        Mark(name + "_cover", upper_cover),
        Mark(name + "_cover", front_cover),
        Shape("handle_shadow", front(f.strip + 3, f.strip + 6, t + 12, t + 32)),
        Shape("handle", front(f.strip + 4, f.strip + 6, t + 13, t + 31)),
        Shape("trim_front", front(x0, 0, low, UNIT_BOTTOM), "ink"),
        Shape("accent", front(x0 + 3, x0 + 14, low - 6, low - 4.5)),
        Shape("cavity", bay, "ink"),
    ]
    items += caster(x0 + 5, 3) + caster(-5, 3)
    items += [Clip([bay, beside], [Mark(name + "_whole", quad(*f.shift_tray))])]
    items += sloped_tray(f.shift_tray, name + "_shift_tray", [bay, beside])
    items += [Lines("ink", bay, True)]
    items += sloped_tray(f.upper_tray, name + "_upper_tray")
    if booklet:
        items += [Clip([beside], [Mark(name + "_whole", quad(*BOOKLET_TRAY))])]
        items += sloped_tray(BOOKLET_TRAY, name + "_booklet_tray", [beside])
    return [Clip([LEFT_OF_BODY], items)]


# --------------------------------------------------------------------------
# Signs: whole-picture overlays, transparent but for the sign.  Caution top
# left, service top right, power-off bottom right, so that any two can show
# together.


def caution_sign():
    x, y, s = 8, 8, 46                  # top-left corner, side
    h = s * 0.87
    cx = x + s / 2
    return [
        Shape("sign_ink", [(cx, y), (x + s, y + h), (x, y + h)], "sign_ink"),
        Shape("sign_yellow", [(cx, y + 7), (x + s - 6, y + h - 3.5), (x + 6, y + h - 3.5)]),
        Shape("sign_ink", [(cx - 2.5, y + 14), (cx + 2.5, y + 14), (cx + 1.5, y + 29),
                           (cx - 1.5, y + 29)]),
        Disc("sign_ink", cx, y + 33.5, 2.6),
    ]


def service_sign():
    """A spanner in a blue disc."""
    cx, cy, r = 290, 30, 22

    def p(a, b):                        # a along the spanner, b across it
        d = 0.7071
        return (cx + d * (a + b), cy + d * (b - a))

    return [
        Disc("sign_blue_dark", cx, cy, r),
        Disc("sign_blue", cx, cy, r - 2.5),
        Shape("white", [p(-15, -2.6), p(6, -2.6), p(6, 2.6), p(-15, 2.6)]),
        Disc("white", *p(-15, 0), 2.6),
        Disc("white", *p(9, 0), 7.2),
        Shape("sign_blue", [p(8, -2.4), p(18, -2.4), p(18, 2.4), p(8, 2.4)]),
    ]


def power_off_sign():
    """The power symbol in a red disc."""
    cx, cy, r = 290, 168, 22
    return [
        Disc("sign_grey", cx, cy, r),
        Disc("sign_red", cx, cy, r - 2.5),
        Disc("white", cx, cy + 1.5, 11.5),
        Disc("sign_red", cx, cy + 1.5, 8.5),
        Shape("sign_red", rect(cx - 5.5, cy - 14, cx + 5.5, cy - 2)),
        Shape("white", rect(cx - 1.6, cy - 15, cx + 1.6, cy + 1)),
    ]


# --------------------------------------------------------------------------
# The 320 x 200 bitmaps

Layer = namedtuple("Layer", "items opaque")

LAYERS = {
    "BM_BASE": Layer(base(), True),
    "BM_BANK": Layer(bank(), False),
    "BM_LCT": Layer(lct(), False),
    "BM_ADF": Layer(adf(), False),
    "BM_BRIDGE": Layer(bridge(), False),
    "BM_FIN1": Layer(finisher(FIN_1000, "fin1"), False),
    "BM_FIN2": Layer(finisher(FIN_3000, "fin2"), False),
    "BM_FIN3": Layer(finisher(FIN_3000, "fin3", booklet=True), False),
    "BM_1BIN": Layer(one_bin(), False),
    "BM_TABLE": Layer(stand(), False),
    "BM_CAUTION": Layer(caution_sign(), False),
    "BM_SERVICE": Layer(service_sign(), False),
    "BM_POWEROFF": Layer(power_off_sign(), False),
}


def has_mask(name):
    return name != "BM_BASE"


# --------------------------------------------------------------------------
# Highlights: bitmap size, the part marked, and every position at which the
# status rules draw it.  `trim` (left, top, right, bottom) keeps the mark that
# many pixels in from the bitmap's edges, for a bitmap drawn at two positions
# a pixel apart.

Place = namedtuple("Place", "part x y")
Highlight = namedtuple("Highlight", "size places trim", defaults=(None,))

HIGHLIGHTS = {
    "BM_POINT_1": Highlight((68, 34), [Place("tray_1", 142, 99)]),
    "BM_POINT_2": Highlight((93, 34), [Place("tray_2", 117, 114), Place("tray_3", 117, 132),
                                       Place("tray_4", 117, 147)]),
    "BM_POINT_3": Highlight((93, 52), [Place("lct_tray", 117, 129)]),
    "BM_POINT_4": Highlight((59, 40), [Place("bypass_tray", 198, 99)]),
    "BM_POINT_5": Highlight((103, 37), [Place("adf", 116, 3)]),
    "BM_POINT_6": Highlight((95, 51), [Place("front_cover", 117, 67)]),
    "BM_POINT_7": Highlight((79, 27), [Place("internal_tray", 117, 49)]),
    "BM_POINT_8": Highlight((43, 87), [Place("right_cover", 196, 53)]),
    "BM_POINT_9": Highlight((39, 28), [Place("fin1_upper_tray", 72, 35)]),
    "BM_POINT_10": Highlight((50, 31), [Place("fin1_shift_tray", 57, 61)]),
    "BM_POINT_11": Highlight((62, 120), [Place("fin1_front_cover", 79, 61)]),
    "BM_POINT_12": Highlight((36, 27), [Place("fin1_upper_cover", 103, 34)]),
    "BM_POINT_13": Highlight((72, 133), [Place("fin2_front_cover", 69, 48),
                                         Place("fin3_front_cover", 69, 48)]),
    "BM_POINT_14": Highlight((39, 28), [Place("fin2_upper_tray", 62, 21),
                                        Place("fin3_upper_tray", 62, 21)]),
    "BM_POINT_15": Highlight((55, 28), [Place("fin2_shift_tray", 46, 50),
                                        Place("fin3_shift_tray", 46, 50)]),
    "BM_POINT_16": Highlight((54, 53), [Place("fin3_booklet_tray", 46, 119)]),
    "BM_POINT_17": Highlight((33, 39), [Place("bank_right_cover", 199, 137),
                                        Place("lct_right_cover", 199, 137)]),
    "BM_POINT_18": Highlight((44, 31), [Place("bridge_right_cover", 156, 44)]),
    "BM_POINT_19": Highlight((50, 32), [Place("bridge_left_cover", 117, 35)]),
    "BM_POINT_20": Highlight((69, 134), [Place("fin1_whole", 53, 54)]),
    "BM_POINT_21": Highlight((79, 148), [Place("fin2_whole", 43, 40),
                                         Place("fin3_whole", 43, 40)]),
    "BM_POINT_22": Highlight((66, 136), [Place("fin1_cover", 79, 45)]),
    "BM_POINT_23": Highlight((74, 156), [Place("fin2_cover", 69, 25),
                                         Place("fin3_cover", 69, 25)]),
    # no status rule draws this one; it marks the LCT's lower right cover
    "BM_POINT_24": Highlight((33, 39), [Place("lct_right_cover", 199, 137)]),
    "BM_POINT_25": Highlight((34, 33), [Place("upper_right_cover", 211, 43),
                                        Place("upper_right_cover", 212, 43)], (1, 0, 1, 0)),
}
