# The main window's background: a pavilion with lattice pillars, a plain panel for the puzzle, and two seated figures.
import math

import figure
from engrave import Drawing, catmull, circle_d, poly_d, rect_d, smooth_d, taper_outline
from geometry import CLIENT, COUNTER, GRID

GROUND = "#cfd8df"
INK = "#1a2129"
FAINT = "#7a8794"  # thin distant lines: sky, hills
BLACK = "#000000"

PILLARS = ((86, 114), (438, 466))
PANEL_TOP, PANEL_BOTTOM = 38, 312


def border(d):
    w, h = d.width, d.height
    d.fill(rect_d(0, 0, w, h) + "M5 5V%sH%sV5Z" % (h - 5, w - 5), BLACK, crisp=True)
    d.rect(7.5, 7.5, w - 15, h - 15, stroke=INK, width=1)


def sky(d):
    # Faint horizontal ruling behind the architecture, as an engraver rules a sky.
    d.hatch(rect_d(9, 9, d.width - 9, 330), angle=0, spacing=3, colour=FAINT)


def hills(d):
    far = [(9, 214), (30, 196), (52, 205), (72, 184), (90, 200)]
    near = [(462, 210), (486, 178), (506, 190), (530, 160), (552, 182), (571, 172)]
    for pts in (far, near):
        ridge = catmull(pts)
        region = poly_d(ridge + [(pts[-1][0], 330), (pts[0][0], 330)], True)
        d.fill(region, GROUND)
        d.hatch(region, angle=-30, spacing=3, colour=FAINT)
        d.line(poly_d(ridge), 1.2)
    for cx, cy, s in ((506, 104, 1.0), (44, 150, 0.75)):
        cloud(d, cx, cy, s)
    # The moon, outlined and shaded on one side.
    moon = "M531 62m-13 0a13 13 0 1 0 26 0a13 13 0 1 0 -26 0"
    d.fill(moon, GROUND)
    d.hatch("M531 49A13 13 0 0 0 531 75A8 13 0 0 1 531 49Z", angle=0, spacing=2)
    d.line(moon, 1.1)


def cloud(d, cx, cy, s):
    """A scalloped cloud: overlapping puffs outlined as one, curls inside, flat underneath."""
    puffs = [(-26, 2, 8), (-13, -4, 10), (3, -8, 12), (19, -3, 9), (30, 3, 7)]
    shape = "".join(circle_d(cx + x * s, cy + y * s, r * s) for x, y, r in puffs)
    cid = d.clip("M%s %sH%sV%sH%sZ" % (cx - 50 * s, cy - 40 * s, cx + 50 * s, cy + 8 * s, cx - 50 * s))
    d.raw('<g clip-path="url(#%s)"><path d="%s" fill="none" stroke="%s" stroke-width="2.6"/>'
          '<path d="%s" fill="%s"/></g>' % (cid, shape, INK, shape, GROUND))
    d.line("M%s %sH%s" % (cx - 32 * s, cy + 7.5 * s, cx + 36 * s), 1.0)
    d.hatch("M%s %sH%sV%sH%sZ" % (cx - 30 * s, cy + 1 * s, cx + 34 * s, cy + 7 * s, cx - 30 * s), angle=0, spacing=2, colour=FAINT)
    for x, y, r in puffs[1:4]:
        px, py = cx + x * s, cy + y * s
        d.line(smooth_d([(px - r * 0.5 * s, py + r * 0.3 * s), (px - r * 0.2 * s, py - r * 0.3 * s),
                         (px + r * 0.3 * s, py - r * 0.2 * s), (px + r * 0.25 * s, py + r * 0.2 * s),
                         (px, py + r * 0.25 * s)]), 0.9)


def bamboo(d, stems, leaves):
    """Bamboo stems (x, top, width) rising from the terrace, with drooping leaf sprays at (x, y, direction)."""
    for x, top, w in stems:
        half = w / 2
        stem = "M%s %sH%sV336H%sZ" % (x - half, top, x + half, x - half)
        d.fill(stem, GROUND)
        d.hatch("M%s %sH%sV336H%sZ" % (x + 0.5, top, x + half, x + 0.5), angle=90, spacing=2)
        d.line(stem, 1.1)
        # Nodes: a swollen ring every 30 px, with a short shadow under it.
        for y in range(top + 22, 326, 30):
            d.line("M%s %sQ%s %s %s %s" % (x - half - 1, y, x, y + 2.5, x + half + 1, y), 1.6)
            d.line("M%s %sQ%s %s %s %s" % (x - half, y + 3, x, y + 4.5, x + half, y + 3), 0.8)
    for x, y, direction in leaves:
        twig_end = (x + direction * 12, y - 5)
        d.cut([(x, y), (x + direction * 6, y - 4), twig_end], 1.8, 0.6, 1.8)
        for ang, ln in ((8, 30), (32, 34), (58, 28), (84, 22)):
            a = math.radians(ang)
            ox, oy = twig_end
            tip = (ox + direction * ln * math.cos(a), oy + ln * math.sin(a))
            mid = (ox + direction * ln * 0.5 * math.cos(a) + direction * 2, oy + ln * 0.5 * math.sin(a) - 2.5)
            spine = catmull([(ox, oy), mid, tip])
            outline = poly_d(taper_outline(spine, 0.8, 0.2, 6.0), True)
            d.fill(outline, GROUND)
            # Shade one side of each leaf, leaving the other pale.
            d.hatch(poly_d(taper_outline(spine, 0.4, 0.1, 3.0), True), angle=90 - ang * direction, spacing=2)
            d.line(outline, 1.0)
            d.line(poly_d(spine[: len(spine) * 3 // 4]), 0.6)


def flying_birds(d):
    for x, y, s in ((482, 128, 1.0), (506, 140, 0.8), (470, 150, 0.7)):
        d.cut([(x - 9 * s, y - 2 * s), (x - 4 * s, y - 4 * s), (x, y)], 0.3, 1.4, 1.8)
        d.cut([(x, y), (x + 5 * s, y - 5 * s), (x + 10 * s, y - 3 * s)], 1.4, 0.3, 1.8)


def lintel(d):
    x0, x1 = 52, 500
    # A tiled roof whose eaves turn up at the ends, over a beam carrying a key-pattern band.
    top = catmull([(x0 - 30, 10), (x0 - 14, 14), (x0 + 6, 15), (x1 - 6, 15), (x1 + 14, 14), (x1 + 30, 10)])
    bottom = catmull([(x1 + 27, 11), (x1 + 12, 21), (x1 - 6, 24), (x0 + 6, 24), (x0 - 12, 21), (x0 - 27, 11)])
    roof = poly_d(top + bottom, True)
    d.fill(roof, GROUND)
    d.hatch(roof, angle=90, spacing=3)
    # Solid tips where the eaves turn up.
    cid = d.clip(roof)
    d.raw('<g clip-path="url(#%s)"><path d="M0 0H%sV30H0ZM%s 0H%sV30H%sZ" fill="%s"/></g>'
          % (cid, x0 - 12, x1 + 12, d.width, x1 + 12, INK))
    d.line(roof, 1.3)
    d.line("M%s 14.5H%s" % (x0 + 6, x1 - 6), 2.0)
    beam = "M%s 24H%sV38H%sZ" % (x0, x1, x0)
    d.fill(beam, GROUND)
    d.line(beam, 1.3)
    d.rect(x0 + 6, 26, x1 - x0 - 12, 9, fill=GROUND, stroke=INK, width=1)
    key = []
    for x in range(x0 + 10, x1 - 12, 10):
        key.append("M%s 33V28H%sV31H%s" % (x + 0.5, x + 6.5, x + 3.5))
    d.line("".join(key), 1, crisp=True, cap="butt")


def pillar(d, x0, x1):
    top, bottom = PANEL_TOP, 336
    d.rect(x0, top, x1 - x0, bottom - top, fill=GROUND)
    inner = rect_d(x0 + 4, top + 14, x1 - 4, bottom - 16)
    d.hatch(inner, angle=0, spacing=2)
    d.hatch(inner, angle=90, spacing=2)
    # Lattice bars: broad ground-coloured diagonals edged in ink.
    step = 12
    bars = []
    for k in range(-30, 40):
        c = top + k * step
        bars.append("M%s %sL%s %s" % (x0, c, x1, c + (x1 - x0)))
        bars.append("M%s %sL%s %s" % (x0, c + (x1 - x0), x1, c))
    cid = d.clip(inner)
    d.raw('<g clip-path="url(#%s)"><path d="%s" stroke="%s" stroke-width="5" fill="none"/>'
          '<path d="%s" stroke="%s" stroke-width="3" fill="none"/></g>' % (cid, "".join(bars), INK, "".join(bars), GROUND))
    d.line(inner, 1.2)
    d.rect(x0 + 0.5, top + 0.5, x1 - x0 - 1, bottom - top - 1, stroke=INK, width=1.2)
    # Capital and base blocks, hatched as turned wood.
    for y0, y1 in ((top, top + 12), (bottom - 14, bottom)):
        block = rect_d(x0 - 4, y0, x1 + 4, y1)
        d.fill(block, GROUND)
        d.hatch(block, angle=90, spacing=3)
        d.line(block, 1.3)
        d.line("M%s %sH%s" % (x0 - 4, (y0 + y1) / 2, x1 + 4), 1)


def panel(d):
    x0, x1 = PILLARS[0][1], PILLARS[1][0]
    d.rect(x0, PANEL_TOP, x1 - x0, PANEL_BOTTOM - PANEL_TOP, fill=GROUND)
    # Shadow under the lintel keeps the panel from floating.
    d.hatch(rect_d(x0, PANEL_TOP, x1, PANEL_TOP + 3), angle=0, spacing=2)
    gx0, gy0, gx1, gy1 = GRID
    d.rect(gx0 - 5.5, gy0 - 5.5, gx1 - gx0 + 12, gy1 - gy0 + 12, stroke=INK, width=1.2)
    d.rect(gx0 - 2.5, gy0 - 2.5, gx1 - gx0 + 6, gy1 - gy0 + 6, stroke=INK, width=1)
    for cx, cy in ((gx0 - 5, gy0 - 5), (gx1 + 6, gy0 - 5), (gx0 - 5, gy1 + 6), (gx1 + 6, gy1 + 6)):
        d.rect(cx - 3, cy - 3, 6, 6, fill=INK)
    counter(d)
    # Balustrade rail across the foot of the panel.
    rail = rect_d(x0, PANEL_BOTTOM - 12, x1, PANEL_BOTTOM)
    d.fill(rail, GROUND)
    d.hatch(rail, angle=0, spacing=2)
    d.line(rail, 1.2)


def counter(d):
    x0, y0, x1, y1 = COUNTER
    d.text((x0 + x1 + 1) / 2, 52, "MOVES", 10, family="C059", weight="bold", anchor="middle", colour=INK, spacing=0.6)
    d.rect(x0 - 3.5, y0 - 3.5, x1 - x0 + 8, y1 - y0 + 8, stroke=INK, width=1)
    d.rect(x0 - 1.5, y0 - 1.5, x1 - x0 + 4, y1 - y0 + 4, stroke=INK, width=1)


def terrace(d):
    top, bottom = 336, d.height - 9
    floor = rect_d(9, top, d.width - 9, bottom)
    d.fill(floor, GROUND)
    d.line("M9 %sH%s" % (top + 0.5, d.width - 9), 1.4)
    # Flagstones: rows widening toward the viewer, joints converging on the panel,
    # every other stone shaded so the pavement reads as a chequer.
    vx, vy = 290, 200
    ys, y, gap = [], top, 6
    while y < bottom + gap:
        ys.append(y)
        y += gap
        gap += 4

    def at(k, yy):
        x = vx + k * 34
        return vx + (x - vx) * (yy - vy) / (bottom - vy)

    shaded = []
    for i, (ya, yb) in enumerate(zip(ys, ys[1:])):
        for k in range(-14, 14):
            if (i + k) % 2 == 0:
                shaded.append(poly_d([(at(k, ya), ya), (at(k + 1, ya), ya), (at(k + 1, yb), yb), (at(k, yb), yb)], True))
    d.hatch("".join(shaded), angle=0, spacing=2, colour=FAINT)
    joints = "".join("M9 %sH%s" % (yy + 0.5, d.width - 9) for yy in ys[1:])
    for k in range(-14, 15):
        joints += "M%s %sL%s %s" % (at(k, top), top, at(k, bottom), bottom)
    cid = d.clip(floor)
    d.raw('<g clip-path="url(#%s)"><path d="%s" stroke="%s" stroke-width="1" fill="none"/></g>' % (cid, joints, INK))
    steps(d)


def steps(d):
    x0, x1 = PILLARS[0][0] - 10, PILLARS[1][1] + 10
    for i, y in enumerate((PANEL_BOTTOM, 324)):
        inset = i * 8
        tread = rect_d(x0 + inset, y, x1 - inset, y + 12)
        d.fill(tread, GROUND)
        d.hatch(rect_d(x0 + inset, y + 4, x1 - inset, y + 12), angle=0, spacing=2)
        d.line(tread, 1.2)


FIGURE_SCALE = 1.32


def figures(d):
    # Drawn larger than life in the front corners, in front of the pillar bases.
    d.unit = FIGURE_SCALE
    top = d.height - 8 - 162 * FIGURE_SCALE
    d.group("translate(4 %s) scale(%s)" % (top, FIGURE_SCALE))
    figure.seated(d, 0, 0, "scholar")
    d.end()
    d.group("translate(%d %s) scale(-%s %s)" % (d.width - 4, top, FIGURE_SCALE, FIGURE_SCALE))
    figure.seated(d, 0, 0, "courtier")
    d.end()
    d.unit = 1.0


def drawing():
    d = Drawing(*CLIENT, GROUND)
    sky(d)
    hills(d)
    bamboo(d, [(24, 52, 8), (50, 90, 7), (70, 150, 6)], [(24, 96, 1), (24, 164, -1), (50, 126, 1), (50, 196, -1),
                                                          (70, 214, 1)])
    flying_birds(d)
    terrace(d)
    panel(d)
    for x0, x1 in PILLARS:
        pillar(d, x0, x1)
    lintel(d)
    figures(d)
    border(d)
    return d
