#!/usr/bin/env python3
"""Draws the speed-bar (tool bar) and breakpoint bitmaps of the Tavrel window.

Writes 24x24 32-bit BMP files with an alpha channel (BITMAPV5HEADER, BI_BITFIELDS, rows
bottom-up) into the icones/ folder of the repository (../icones beside this tools/ folder).
Standard library only. Run it from anywhere:

    python3 tools/draw_icons.py

Every shape is a "depth" function (how far a point lies inside it, in pixels, negative
outside) drawn on a 4x supersampled canvas: the outer pixel of depth is the outline (the fill
darkened), the rest is the fill shaded lighter at the top (light from above), and reducing the
canvas to 24x24 anti-aliases the curves while edges on whole pixels stay crisp.
"""
import math
import os
import struct

SIZE, SS = 24, 4  # icon size in pixels, samples per pixel along each axis

# The palette (fills; outlines are the same colours darkened).
PAPER, GREY, STEEL, CHIP = (250, 250, 246), (200, 202, 198), (150, 154, 160), (78, 84, 92)
BLUE, SKY, GREEN, BOARD = (72, 126, 204), (160, 196, 236), (102, 184, 44), (52, 140, 84)
RED, ORANGE, YELLOW, TAN = (222, 52, 44), (244, 146, 36), (250, 206, 60), (232, 186, 104)
INK, WHITE = (60, 64, 70), (255, 255, 255)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def darker(c):
    return mix(c, (0, 0, 0), 0.45)


# ---- shapes: depth(x, y) > 0 inside, in pixels; box = (x0, y0, x1, y1) bounds them ----
class Shape:
    def __init__(self, depth, box):
        self.depth, self.box = depth, box

    def __or__(self, other):  # union
        a, b = self.box, other.box
        return Shape(lambda x, y: max(self.depth(x, y), other.depth(x, y)),
                     (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3])))

    def __sub__(self, other):  # difference
        return Shape(lambda x, y: min(self.depth(x, y), -other.depth(x, y)), self.box)


def rect(x0, y0, x1, y1, r=0.0):
    """Covers whole pixels x0..x1-1, y0..y1-1; r rounds the corners."""
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def depth(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return r - math.hypot(max(qx, 0), max(qy, 0)) - min(max(qx, qy), 0)
    return Shape(depth, (x0, y0, x1, y1))


def circle(cx, cy, r):
    return Shape(lambda x, y: r - math.hypot(x - cx, y - cy), (cx - r, cy - r, cx + r, cy + r))


def seg_dist(x, y, a, b):
    dx, dy = b[0] - a[0], b[1] - a[1]
    t = max(0.0, min(1.0, ((x - a[0]) * dx + (y - a[1]) * dy) / (dx * dx + dy * dy or 1)))
    return math.hypot(x - a[0] - t * dx, y - a[1] - t * dy)


def polygon(pts):
    edges = list(zip(pts, pts[1:] + pts[:1]))

    def depth(x, y):
        inside = False
        for (ax, ay), (bx, by) in edges:
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        d = min(seg_dist(x, y, a, b) for a, b in edges)
        return d if inside else -d
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return Shape(depth, (min(xs), min(ys), max(xs), max(ys)))


def line(pts, w=1.0):
    """A polyline of width w with round ends."""
    segs = list(zip(pts, pts[1:]))
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return Shape(lambda x, y: w / 2 - min(seg_dist(x, y, a, b) for a, b in segs),
                 (min(xs) - w, min(ys) - w, max(xs) + w, max(ys) + w))


def arc(cx, cy, r, a0, a1, w):
    """A band of width w along a circle, from angle a0 to a1 (degrees, clockwise from east)."""
    a0, span = math.radians(a0), math.radians(a1 - a0)

    def depth(x, y):
        d = math.hypot(x - cx, y - cy)
        rel = (math.atan2(y - cy, x - cx) - a0) % (2 * math.pi)
        along = min(rel, span - rel) if rel <= span else -min(rel - span, 2 * math.pi - rel)
        return min(w / 2 - abs(d - r), along * d)
    return Shape(depth, (cx - r - w, cy - r - w, cx + r + w, cy + r + w))


def arrow(p, q, shaft=4.0, head=10.0, head_len=6.0):
    """A straight arrow from p to its tip q."""
    length = math.hypot(q[0] - p[0], q[1] - p[1])
    ux, uy = (q[0] - p[0]) / length, (q[1] - p[1]) / length
    nx, ny = -uy, ux
    b = (q[0] - ux * head_len, q[1] - uy * head_len)

    def at(base, k):
        return (base[0] + nx * k, base[1] + ny * k)
    return polygon([at(p, shaft / 2), at(b, shaft / 2), at(b, head / 2), q,
                    at(b, -head / 2), at(b, -shaft / 2), at(p, -shaft / 2)])


def arc_arrow(cx, cy, r, a0, a1, w=3.0, head=8.0, head_len=5.0):
    """An arc from a0 to a1 (clockwise if a1 > a0) ending in an arrow head."""
    step = 1 if a1 > a0 else -1
    t = math.radians(a1)
    ex, ey, nx, ny = cx + r * math.cos(t), cy + r * math.sin(t), math.cos(t), math.sin(t)
    tx, ty = -ny * step, nx * step
    tip = polygon([(ex + nx * head / 2, ey + ny * head / 2), (ex + tx * head_len, ey + ty * head_len),
                   (ex - nx * head / 2, ey - ny * head / 2)])
    return arc(cx, cy, r, min(a0, a1), max(a0, a1), w) | tip


# ---- a 3x5 pixel font for the few letters and digits the icons show ----
FONT = {
    '0': "111 101 101 101 111", '1': "010 110 010 010 111", '2': "110 001 010 100 111",
    'C': "011 100 100 100 011", 'E': "111 100 110 100 111", 'H': "101 101 111 101 101",
    'X': "101 101 010 101 101", 'R': "110 101 110 101 101", 'S': "011 100 010 001 110",
    'V': "101 101 101 101 010", 'N': "101 111 111 111 101", 'Z': "111 001 010 100 111",
    '{': "011 010 100 010 011", '}': "110 010 001 010 110",
}


class Icon:
    def __init__(self):
        n = SIZE * SS
        self.s = [[None] * n for _ in range(n)]

    def fill(self, shape, color, outline=True, shade=True):
        x0, y0, x1, y1 = shape.box
        top, bottom = mix(color, WHITE, 0.35), mix(color, (0, 0, 0), 0.08)
        edge = darker(color)
        for j in range(max(0, int(y0 * SS) - 1), min(SIZE * SS, int(y1 * SS) + 2)):
            y = (j + 0.5) / SS
            t = min(1.0, max(0.0, (y - y0) / ((y1 - y0) or 1)))
            body = mix(top, bottom, t) if shade else color
            for i in range(max(0, int(x0 * SS) - 1), min(SIZE * SS, int(x1 * SS) + 2)):
                d = shape.depth((i + 0.5) / SS, y)
                if d > 0:
                    self.s[j][i] = edge if outline and d < 1 else body

    def flat(self, shape, color):
        self.fill(shape, color, outline=False, shade=False)

    def bitmap(self, x, y, rows, color):
        """Pixels from rows of '1' (or any mark but '0' and '.') separated by spaces."""
        for j, bits in enumerate(rows.split()):
            for i, bit in enumerate(bits):
                if bit not in '0.':
                    self.flat(rect(x + i, y + j, x + i + 1, y + j + 1), color)

    def text(self, x, y, string, color):
        for k, ch in enumerate(string):
            self.bitmap(x + 4 * k, y, FONT[ch], color)

    def pixels(self):
        """24 rows, top first, of (r, g, b, a), straight alpha."""
        out = []
        for y in range(SIZE):
            row = []
            for x in range(SIZE):
                got = [self.s[y * SS + j][x * SS + i] for j in range(SS) for i in range(SS)]
                got = [c for c in got if c is not None]
                if not got:
                    row.append((0, 0, 0, 0))
                    continue
                rgb = tuple(round(sum(c[k] for c in got) / len(got)) for k in range(3))
                row.append(rgb + (round(255 * len(got) / (SS * SS)),))
            out.append(row)
        return out


def write_bmp(path, rows):
    data = b''.join(struct.pack('<4B', b, g, r, a) for row in reversed(rows) for r, g, b, a in row)
    info = struct.pack('<IiiHHIIiiIIIIIII36sIIIIIII', 124, SIZE, SIZE, 1, 32, 3, len(data),
                       2835, 2835, 0, 0, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000,
                       0x73524742, b'', 0, 0, 0, 4, 0, 0, 0)  # 'sRGB', LCS_GM_IMAGES
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(path, 'wb') as f:
        f.write(head + info + data)


# ---- the icons ----
def page(ic, x0=4, y0=2, x1=20, y1=22, fold=5):
    ic.fill(polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]), PAPER)
    ic.fill(polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]), GREY)


def star(cx, cy, r_out, r_in, points=5):
    pts = []
    for k in range(2 * points):
        r, a = (r_out, r_in)[k % 2], math.radians(-90 + 180 * k / points)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polygon(pts)


def icon_pnew(ic):
    page(ic, 3, 2, 18, 22)
    ic.fill(star(17, 16.5, 7, 3), YELLOW)


def icon_popen(ic):
    ic.fill(polygon([(2, 5), (8, 5), (10, 7), (19, 7), (19, 20), (2, 20)]), TAN)
    ic.fill(rect(5, 9, 17, 18), PAPER)
    ic.fill(polygon([(5, 11), (23, 11), (19, 20), (2, 20)]), ORANGE)


def icon_psave(ic):
    ic.fill(polygon([(3, 3), (19, 3), (21, 5), (21, 21), (3, 21)]), BLUE)
    ic.fill(rect(7, 3, 17, 10), GREY)
    ic.flat(rect(13, 4, 15, 9), CHIP)
    ic.fill(rect(6, 13, 18, 21), PAPER)
    ic.flat(rect(8, 15, 16, 16), SKY)
    ic.flat(rect(8, 17, 16, 18), SKY)


def icon_clock(ic):
    ic.fill(circle(12, 12, 10.5), BLUE)
    ic.fill(circle(12, 12, 8.5), PAPER, shade=False)
    for k in range(12):
        a = math.radians(30 * k)
        r0 = 6.3 if k % 3 else 5.6
        ic.flat(line([(12 + r0 * math.cos(a), 12 + r0 * math.sin(a)),
                      (12 + 7.3 * math.cos(a), 12 + 7.3 * math.sin(a))], 1.0), INK)
    ic.flat(line([(12, 12), (12, 5.5)], 1.5), INK)
    ic.flat(line([(12, 12), (16, 14.5)], 1.8), INK)
    ic.flat(circle(12, 12, 1.3), RED)


def icon_asm(ic):
    for y in (5, 9, 13, 17):
        ic.fill(rect(3, y, 7, y + 3), GREY)
        ic.fill(rect(17, y, 21, y + 3), GREY)
    ic.fill(rect(6, 2, 18, 22, 1), CHIP)
    ic.text(8, 5, "01", GREEN)
    ic.text(8, 13, "10", GREEN)


def icon_registers(ic):
    for k in range(3):
        y = 2 + 7 * k
        ic.fill(rect(11, y, 22, y + 7), PAPER)
        ic.fill(rect(2, y, 12, y + 7), BLUE)
        ic.text(4, y + 1, "R" + "012"[k], WHITE)
        ic.text(13, y + 1, ("01", "10", "11")[k], INK)


def icon_sr(ic):
    ic.fill(rect(1, 4, 23, 21, 1), GREY)
    ic.text(3, 6, "SVNZC", INK)
    for k, lit in enumerate((0, 1, 0, 1, 1)):
        ic.flat(rect(2 + 4 * k, 13, 7 + 4 * k, 19), INK)
        ic.fill(rect(3 + 4 * k, 14, 6 + 4 * k, 18), YELLOW if lit else CHIP, outline=False)


def icon_stack(ic):
    for k, color in enumerate((SKY, BLUE, BLUE)):
        y = 11 + 4 * k
        ic.fill(rect(3, y, 21, y + 5, 1), color)
    ic.fill(arrow((12, 1), (12, 11), shaft=4, head=9, head_len=5), GREEN)


def icon_memory(ic):
    ic.fill(polygon([(1, 5), (23, 5), (23, 19), (13, 19), (12, 18), (11, 19), (1, 19)]), BOARD)
    for x in (3, 10, 17):
        ic.fill(rect(x, 7, x + 5, 15), CHIP)
    for x in range(3, 22, 2):
        if x != 11:
            ic.flat(rect(x, 16, x + 1, 19), YELLOW)


def box(ic, x0, y0, x1, y1):
    ic.fill(rect(x0, y0, x1, y1, 1), GREY)
    ic.fill(rect(x0 + 2, y0 + 2, x1 - 2, y1 - 2), CHIP, shade=False)


def icon_devicein(ic):
    box(ic, 10, 4, 22, 20)
    ic.fill(arrow((1, 12), (17, 12), shaft=5, head=11, head_len=6), GREEN)


def icon_deviceout(ic):
    box(ic, 2, 4, 14, 20)
    ic.fill(arrow((7, 12), (23, 12), shaft=5, head=11, head_len=6), ORANGE)


def icon_deviceio(ic):
    box(ic, 5, 10, 19, 22)
    ic.fill(arrow((12, 6), (23, 6), shaft=4, head=9, head_len=5)
            | arrow((12, 6), (1, 6), shaft=4, head=9, head_len=5), BLUE)


def icon_source(ic):
    page(ic, 3, 2, 21, 22)
    ic.bitmap(5, 8, ".11 .1. .1. .1. 1.. .1. .1. .1. .11", BLUE)
    ic.bitmap(17, 8, "11. .1. .1. .1. ..1 .1. .1. .1. 11.", BLUE)
    for y, x0, x1 in ((9, 9, 14), (11, 10, 16), (13, 10, 14), (15, 9, 15)):
        ic.flat(rect(x0, y, x1, y + 1), STEEL)


def icon_update(ic):
    ic.fill(arc_arrow(12, 12, 7.5, 200, 330) , GREEN)
    ic.fill(arc_arrow(12, 12, 7.5, 20, 150), GREEN)


def icon_run(ic):
    ic.fill(polygon([(6, 3), (20, 12), (6, 21)]), GREEN)


def icon_stop(ic):
    ic.fill(rect(5, 5, 19, 19, 1.5), RED)


def icon_step(ic):
    ic.fill(rect(7, 17, 17, 21), GREY)
    ic.fill(arc_arrow(12, 15, 8, 180, 360, w=3, head=8, head_len=5), BLUE)


def icon_breakv(ic):
    ic.fill(arrow((2, 12), (22, 12), shaft=7, head=17, head_len=9), ORANGE)


def icon_breakp(ic):
    ic.fill(circle(12, 12, 8.5), RED)


def icon_bin(ic):
    page(ic, 3, 2, 21, 22)
    ic.text(5, 5, "01", BLUE)
    ic.text(5, 10, "0101", BLUE)
    ic.text(6, 16, "HEX", RED)


def icon_verbose(ic):
    ic.fill(rect(2, 3, 22, 17, 3) | polygon([(5, 15), (5, 22), (11, 15)]), PAPER)
    for y, x1 in ((7, 18), (10, 16), (13, 12)):
        ic.flat(rect(6, y, x1, y + 1), STEEL)


ICONS = {
    'pnew': icon_pnew, 'popen': icon_popen, 'psave': icon_psave, 'clock': icon_clock,
    'asm': icon_asm, 'registers': icon_registers, 'sr': icon_sr, 'stack': icon_stack,
    'memory': icon_memory, 'devicein': icon_devicein, 'deviceout': icon_deviceout,
    'deviceio': icon_deviceio, 'source': icon_source, 'update': icon_update, 'run': icon_run,
    'stop': icon_stop, 'step': icon_step, 'breakv': icon_breakv, 'breakp': icon_breakp,
    'bin': icon_bin, 'verbose': icon_verbose,
}


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, 'icones')
    os.makedirs(folder, exist_ok=True)
    for name, draw in ICONS.items():
        ic = Icon()
        draw(ic)
        write_bmp(os.path.join(folder, name + '.bmp'), ic.pixels())
    print("wrote %d bitmaps into %s" % (len(ICONS), os.path.normpath(folder)))


if __name__ == '__main__':
    main()
