# The help window's rules illustration: a small board with a bird sliding into the gap, and the pointing hand.
import math

import bird
import result
from engrave import PAPER, Drawing, catmull, poly_d, rect_d, smooth_d, taper_outline

INK = result.INK
GROUND = result.GROUND
TILE, GAP = 28, 2
BOARD = (7, 8)
# The last moves of a solved game: 8 slides left into the gap.
ORDER = [1, 2, 3, 4, 5, 6, 7, None, 8]


def slot(i):
    return BOARD[0] + (i % 3) * (TILE + GAP), BOARD[1] + (i // 3) * (TILE + GAP)


def tile(d, x, y, n):
    d.rect(x, y, TILE, TILE, fill=PAPER)
    k = TILE / 78.0
    d.group("translate(%s %s) scale(%s)" % (x, y + 2, k))
    bird.flat(d, line=3.0, eye=3.2, feathers=False, wing_tone="#8a8070", belly_tone="#ddd6c0")
    d.end()
    d.text(x + TILE - 5.5, y + 11, str(n), 11, family="C059", weight="bold", anchor="middle")


def board(d):
    x0, y0 = BOARD
    size = 3 * TILE + 2 * GAP
    tray = rect_d(x0 - 3, y0 - 3, x0 + size + 3, y0 + size + 3)
    d.fill(tray, GROUND)
    d.hatch(tray, angle=45, spacing=3)
    d.line(tray, 1.2)
    for i, n in enumerate(ORDER):
        x, y = slot(i)
        if n:
            tile(d, x, y, n)
        else:
            d.rect(x, y, TILE, TILE, fill=GROUND)
            d.hatch(rect_d(x, y, x + TILE, y + TILE), angle=0, spacing=3)


def arrow(d):
    (xa, ya), (xb, _) = slot(8), slot(7)
    y = ya + TILE / 2 + 6
    path = catmull([(xa + 20, y), (xa + 2, y - 3), (xb + 14, y - 2)])
    body = poly_d(taper_outline(path, 3.6, 1.8, 3.0), True)
    head = poly_d([(xb + 6, y - 2), (xb + 15, y - 9), (xb + 14, y + 5)], True)
    # A white halo first, so the arrow stands clear of the tiles it crosses.
    for shape in (body, head):
        d.line(shape, 3, PAPER)
    for shape in (body, head):
        d.fill(shape, INK)


# The hand as seen from its back, fingertip at the origin.
FINGER = [(-4, 4), (-3, 0.5), (0, -0.5), (3, 0.5), (4, 4), (4, 22), (-4, 22)]
FIST = [(-5, 20), (4, 18), (10, 17), (15, 19), (19, 18), (24, 21), (27, 26), (27, 36), (24, 44), (-3, 44), (-6, 36)]
THUMB = [(-5, 28), (-12, 24), (-16, 26), (-14, 32), (-6, 40), (-2, 38)]
CUFF = [(-6, 44), (26, 44), (27, 58), (-7, 58)]


def hand(d, ox, oy):
    def at(points):
        return [(x + ox, y + oy) for x, y in points]

    cuff = poly_d(at(CUFF), True)
    d.fill(cuff, GROUND)
    d.hatch(cuff, angle=90, spacing=3)
    d.line(cuff, 1.2)
    d.line(smooth_d(at([(-6, 47), (0, 49), (8, 47), (14, 49), (20, 47), (26, 49)])), 1.0)
    fist = smooth_d(at(FIST), True)
    d.fill(fist, PAPER)
    d.hatch(smooth_d(at([(18, 26), (27, 26), (27, 36), (24, 44), (12, 44), (20, 36)]), True), angle=-45, spacing=2.5)
    d.line(fist, 1.3)
    for x in (10, 16):
        d.line(smooth_d(at([(x, 20), (x + 1, 26), (x - 1, 31)])), 0.9)
    thumb = smooth_d(at(THUMB), True)
    d.fill(thumb, PAPER)
    d.line(thumb, 1.3)
    d.line(smooth_d(at([(-11, 27), (-8, 31), (-4, 33)])), 0.8)
    finger = smooth_d(at(FINGER), True)
    d.fill(finger, PAPER)
    d.hatch(poly_d(at([(1.5, 2), (4, 2), (4, 22), (1.5, 22)]), True), angle=0, spacing=2.5)
    d.line(finger, 1.3)
    for y in (9, 15):
        d.line(smooth_d(at([(-2.5, y), (0, y + 0.8), (2.5, y)])), 0.8)
    d.line(smooth_d(at([(-1.5, 2.5), (1.5, 2.5)])), 0.8)


def sprig(d):
    """A twig with leaves in the lower left corner, balancing the hand."""
    d.cut([(2, 160), (12, 148), (24, 138), (34, 132)], 2.6, 0.6, 2.2)
    for x, y, ang in ((12, 148, -70), (20, 141, 10), (26, 137, -60), (33, 133, 5), (16, 145, 60)):
        r = math.radians(ang)
        tip = (x + 15 * math.cos(r), y + 15 * math.sin(r))
        mid = ((x + tip[0]) / 2 + 2 * math.sin(r), (y + tip[1]) / 2 - 2 * math.cos(r))
        outline = poly_d(taper_outline(catmull([(x, y), mid, tip]), 0.6, 0.2, 5.0), True)
        d.fill(outline, GROUND)
        d.hatch(outline, angle=ang + 60, spacing=3)
        d.line(outline, 0.9)
        d.line(poly_d(catmull([(x, y), mid, tip])), 0.6)


def drawing():
    d = Drawing(102, 165, GROUND)
    board(d)
    arrow(d)
    tx, ty = slot(8)
    tip = (tx + 2, ty + TILE + 12)
    hand(d, *tip)
    # Short strokes round the fingertip: the click.
    for a, b in (((-5, -3), (-10, -6)), ((4, -4), (8, -9)), ((-6, 3), (-12, 4))):
        d.line(poly_d([(tip[0] + a[0], tip[1] + a[1]), (tip[0] + b[0], tip[1] + b[1])]), 1.1)
    sprig(d)
    d.rect(0.5, 0.5, d.width - 1, d.height - 1, stroke=INK, width=1)
    return d
