# The result dialog's background: the sleeping Emperor on his throne, holding the blank sign the verdict is written on.
from engrave import Drawing, between, catmull, poly_d, rect_d, smooth_d
from geometry import MESSAGE, RESULT_CLIENT

GROUND = "#f3eac6"
INK = "#2a2017"
WHITE = "#ffffff"

AXIS = 88  # the Emperor sits square to the viewer, centred on this x
# The blank sign around the place where the program writes "WELL DONE" or "GOOD TRY".
SIGN = (MESSAGE[0] - 8, MESSAGE[1] - 6, MESSAGE[2] + 8, MESSAGE[3] + 6)


def sym(half):
    """Close a left-half outline (listed top to bottom, ending on the axis) with its mirror image."""
    return half + [(2 * AXIS - x, y) for x, y in reversed(half)]


def mirror(points):
    return [(2 * AXIS - x, y) for x, y in points]


def both(draw, points):
    """Draw a left-side detail and its mirror image."""
    draw(points)
    draw(mirror(points))


def frame(d):
    w, h = d.width, d.height
    d.fill(rect_d(0, 0, w, h) + "M4 4V%sH%sV4Z" % (h - 4, w - 4), INK, crisp=True)
    d.rect(6.5, 6.5, w - 13, h - 13, stroke=INK, width=1)
    for x, y in ((6.5, 6.5), (w - 6.5, 6.5), (6.5, h - 6.5), (w - 6.5, h - 6.5)):
        d.fill(poly_d([(x - 4, y), (x, y - 4), (x + 4, y), (x, y + 4)], True), INK)
    # A ruled divider between the Emperor and the verdict text.
    d.line("M182.5 16V188M185.5 16V188", 1, crisp=True)
    for y in (16, 102, 188):
        d.fill(poly_d([(184, y - 5), (188, y), (184, y + 5), (180, y)], True), INK)


def throne(d):
    back = smooth_d(sym([(AXIS, 11), (62, 15), (44, 22), (34, 22), (30, 31), (34, 40), (34, 152), (AXIS, 152)]), True)
    d.fill(back, GROUND)
    d.hatch(back, angle=0, spacing=2)
    d.hatch(back, angle=90, spacing=2)
    d.line(back, 1.4)
    # A lighter inner panel so the crown and face stand clear of the carved back.
    inner = smooth_d(sym([(AXIS, 17), (64, 21), (48, 28), (41, 36), (41, 152), (AXIS, 152)]), True)
    d.fill(inner, GROUND)
    d.hatch(inner, angle=0, spacing=3)
    d.line(inner, 1.1)
    # Finials: a ball on each shoulder of the throne.
    for x in (32, 2 * AXIS - 32):
        ball = "M%s 29m-5 0a5 5 0 1 0 10 0a5 5 0 1 0 -10 0" % x
        d.fill(ball, GROUND)
        d.hatch("M%s 29m0 -5a5 5 0 0 1 0 10Z" % x, angle=0, spacing=2)
        d.line(ball, 1.1)
    seat = rect_d(20, 150, 156, 168)
    d.fill(seat, GROUND)
    d.hatch(rect_d(20, 160, 156, 168), angle=0, spacing=2)
    d.line(seat, 1.3)
    for x0 in (24, 142):
        leg = rect_d(x0, 168, x0 + 10, 196)
        d.fill(leg, GROUND)
        d.hatch(leg, angle=90, spacing=2)
        d.line(leg, 1.2)
    stool = rect_d(52, 186, 124, 196)
    d.fill(stool, GROUND)
    d.hatch(stool, angle=45, spacing=3)
    d.line(stool, 1.2)


def lower_robe(d):
    robe = smooth_d(sym([(AXIS, 118), (50, 118), (44, 134), (42, 160), (38, 182), (44, 187), (AXIS, 187)]), True)
    d.fill(robe, GROUND)
    left_a, left_b = catmull([(50, 122), (46, 150), (42, 184)]), catmull([(76, 124), (74, 156), (72, 186)])
    d.contours(between(left_a, left_b, 6), robe)
    d.contours(between(mirror(left_a), mirror(left_b), 6), robe)
    # Knees: short arcs where the cloth tightens.
    both(lambda p: d.cut(p, 0.3, 0.3, 1.6), [(52, 140), (62, 136), (72, 140)])
    apron = rect_d(80, 120, 96, 186)
    d.fill(apron, GROUND)
    d.hatch(apron, angle=0, spacing=3)
    d.line(apron, 1.1)
    d.line(robe, 1.4)
    for x in (64, 2 * AXIS - 64):
        shoe = smooth_d([(x - 10, 192), (x - 9, 185), (x, 183), (x + 9, 185), (x + 10, 192)], True)
        d.fill(shoe, INK)


def sleeves(d):
    half = [(54, 118), (22, 118), (14, 130), (18, 150), (32, 158), (50, 150), (56, 136)]
    for pts in (half, mirror(half)):
        bag = smooth_d(pts, True)
        d.fill(bag, GROUND)
        top = catmull([pts[1], pts[0]])
        bottom = catmull([pts[3], pts[4], pts[5]])
        d.contours(between(top, bottom, 7), bag)
        d.line(bag, 1.3)


def shoulders(d):
    body = smooth_d(sym([(AXIS, 72), (70, 74), (52, 80), (38, 88), (32, 96), (AXIS, 96)]), True)
    d.fill(body, GROUND)
    outer, inner = catmull([(52, 80), (44, 86), (38, 94)]), catmull([(70, 77), (66, 86), (62, 95)])
    d.contours(between(outer, inner, 4), body)
    d.contours(between(mirror(outer), mirror(inner), 4), body)
    d.line(body, 1.3)
    # Collar edges, disappearing behind the beard.
    both(lambda p: d.line(smooth_d(p), 1.2), [(72, 76), (77, 80), (81, 84)])


def head(d):
    face = "M%s 57m-13 0a13 15 0 1 0 26 0a13 15 0 1 0 -26 0" % AXIS
    for x in (AXIS - 13, AXIS + 13):
        ear = "M%s 58m-3 0a3 5 0 1 0 6 0a3 5 0 1 0 -6 0" % x
        d.shape(ear, GROUND, 1.0)
    d.fill(face, GROUND)
    d.hatch(smooth_d(sym([(AXIS, 43), (78, 45), (76, 52), (AXIS, 49)]), True), angle=0, spacing=2)
    d.line(face, 1.3)
    # Asleep: closed eyes drawn as lowered lids, brows relaxed.
    both(lambda p: d.line(smooth_d(p), 1.2), [(77, 56), (81, 58.5), (85, 57)])
    both(lambda p: d.line(smooth_d(p), 0.9), [(76, 59.5), (80, 60.5)])
    both(lambda p: d.cut(p, 0.4, 0.3, 1.6), [(75, 52), (80, 50.5), (85, 52)])
    d.line(smooth_d([(AXIS, 55), (AXIS - 1, 62), (AXIS + 1, 64), (AXIS + 3, 63)]), 1.0)
    # Long moustache and a pointed beard.
    both(lambda p: d.cut(p, 1.6, 0.2, 2.2), [(AXIS, 66.5), (81, 67), (75, 72), (73, 78)])
    beard = smooth_d(sym([(AXIS, 69), (82, 70), (81, 78), (AXIS, 89)]), True)
    d.fill(beard, GROUND)
    for k in (-3, 0, 3):
        d.cut([(AXIS + k, 71), (AXIS + k * 0.8 + 0.8, 79), (AXIS + k * 0.3, 87)], 0.3, 0.2, 1.0)
    d.line(beard, 0.9)
    d.line(smooth_d([(AXIS - 3, 69), (AXIS, 70.5), (AXIS + 3, 69)]), 0.9)


def crown(d):
    cap = smooth_d(sym([(AXIS, 26), (74, 27), (73, 44), (AXIS, 46)]), True)
    d.fill(cap, GROUND)
    d.hatch(cap, angle=90, spacing=3)
    d.line(cap, 1.4)
    d.line(poly_d(sym([(AXIS, 41), (74, 41)])), 1.5)
    board = poly_d([(56, 20), (120, 20), (116, 26), (60, 26)], True)
    d.fill(board, INK)
    d.line("M62 23H114", 0.8, GROUND)
    # Strings of beads hanging from the board's front edge, clear of the face.
    for x in (61, 66, 110, 115):
        for y in range(29, 42, 3):
            d.fill("M%s %sm-1.1 0a1.1 1.1 0 1 0 2.2 0a1.1 1.1 0 1 0 -2.2 0" % (x, y), INK)
    d.fill("M%s 22m-3 0a3 3 0 1 0 6 0a3 3 0 1 0 -6 0" % AXIS, GROUND)
    d.line("M%s 22m-3 0a3 3 0 1 0 6 0a3 3 0 1 0 -6 0" % AXIS, 1.0)


def sign(d):
    x0, y0, x1, y1 = SIGN
    # Rolled ends of the scroll, gripped by the hands.
    for rx in (x0 - 6, x1):
        roll = rect_d(rx, y0 - 4, rx + 6, y1 + 4)
        d.fill(roll, GROUND)
        d.hatch(roll, angle=90, spacing=2)
        d.line(roll, 1.2)
    d.rect(x0, y0, x1 - x0, y1 - y0, fill=WHITE)
    d.rect(x0 + 0.5, y0 + 0.5, x1 - x0 - 1, y1 - y0 - 1, stroke=INK, width=1)
    for hx, side in ((x0 - 3, -1), (x1 + 3, 1)):
        hand = smooth_d([(hx - 5 * side, y0 + 6), (hx + 3 * side, y0 + 4), (hx + 6 * side, y0 + 10), (hx + 5 * side, y0 + 20),
                         (hx - 1 * side, y0 + 23), (hx - 6 * side, y0 + 18)], True)
        d.fill(hand, GROUND)
        d.line(hand, 1.1)
        for k in range(3):
            d.line(smooth_d([(hx - 5 * side, y0 + 10 + k * 3.5), (hx - 1 * side, y0 + 9 + k * 3.5), (hx + 3 * side, y0 + 11 + k * 3.5)]), 0.8)


def drawing():
    d = Drawing(RESULT_CLIENT[0], RESULT_CLIENT[1], GROUND)
    throne(d)
    lower_robe(d)
    sleeves(d)
    shoulders(d)
    head(d)
    crown(d)
    sign(d)
    frame(d)
    return d
