# Engraved robed figures seated in profile, used on both sides of the main board.
from engrave import INK, between, catmull, poly_d, smooth_d


def _pts(points, dx, dy):
    return [(x + dx, y + dy) for x, y in points]


# Local coordinates: the figure faces right, about 110 wide and 165 tall, feet on y = 160.
ROBE = [(44, 40), (58, 42), (64, 56), (66, 74), (72, 90), (92, 92), (100, 100), (95, 124), (94, 148), (104, 156),
        (104, 162), (70, 162), (34, 162), (22, 156), (26, 130), (24, 100), (27, 70), (33, 50)]
# The robe's shadowed back half, for cross-hatching.
ROBE_SHADE = [(33, 50), (40, 48), (42, 80), (46, 110), (50, 140), (56, 162), (34, 162), (22, 156), (26, 130), (24, 100),
              (27, 70)]
LAP_SHADE = [(70, 100), (92, 100), (98, 108), (94, 128), (78, 118)]
SLEEVE = [(42, 46), (52, 46), (58, 58), (64, 70), (82, 70), (86, 78), (78, 86), (70, 102), (56, 110), (42, 108),
          (34, 96), (34, 72), (36, 56)]
SASH = [(30, 84), (66, 80), (67, 86), (31, 91)]
FACE = [(47, 36), (46, 26), (48, 18), (55, 14), (62, 15), (66, 20), (66.5, 24), (70, 29), (67, 30), (66.5, 33),
        (64, 36), (60, 38), (52, 40)]
STOOL = [(18, 104), (44, 104), (46, 110), (44, 150), (46, 160), (16, 160), (18, 150), (16, 110)]


def robe(d, dx, dy):
    outline = smooth_d(_pts(ROBE, dx, dy), True)
    d.fill(outline, d.ground)
    # Folds run from the waist down to the hem; the hatching follows them.
    back = catmull(_pts([(30, 92), (27, 120), (24, 156)], dx, dy))
    front = catmull(_pts([(60, 92), (72, 124), (84, 160)], dx, dy))
    d.contours(between(back, front, 8), outline, width=1)
    d.hatch(smooth_d(_pts(ROBE_SHADE, dx, dy), True), angle=40, spacing=3, phase=1)
    # Crossed collar of the robe.
    d.line(smooth_d(_pts([(47, 40), (52, 50), (58, 58)], dx, dy)), 1.2)
    d.line(smooth_d(_pts([(57, 42), (55, 50), (58, 58)], dx, dy)), 1.0)
    chest_a = catmull(_pts([(36, 50), (33, 66), (32, 84)], dx, dy))
    chest_b = catmull(_pts([(58, 60), (63, 72), (64, 82)], dx, dy))
    d.contours(between(chest_a, chest_b, 4), outline, width=1)
    d.hatch(smooth_d(_pts(LAP_SHADE, dx, dy), True), angle=-20, spacing=3)
    # Lap: lines across the thigh, from hip to knee.
    top = catmull(_pts([(66, 90), (80, 91), (96, 96)], dx, dy))
    bottom = catmull(_pts([(60, 104), (78, 104), (97, 112)], dx, dy))
    d.contours(between(top, bottom, 3), outline, width=1)
    for fold in ([(48, 96), (54, 126), (60, 158)], [(62, 108), (70, 134), (76, 160)], [(86, 118), (88, 140), (92, 158)]):
        d.cut(_pts(fold, dx, dy), 0.4, 0.6, 2.0)
    d.line(outline, 1.4)


def sleeve(d, dx, dy):
    outline = smooth_d(_pts(SLEEVE, dx, dy), True)
    d.fill(outline, d.ground)
    # Sleeve lines curve round the arm, from the shoulder seam to the hanging cuff.
    upper = catmull(_pts([(46, 46), (62, 60), (80, 70)], dx, dy))
    lower = catmull(_pts([(36, 64), (40, 96), (62, 104)], dx, dy))
    d.contours(between(upper, lower, 6), outline)
    d.hatch(smooth_d(_pts([(34, 84), (46, 98), (66, 98), (56, 110), (42, 108), (34, 96)], dx, dy), True), angle=60, spacing=3)
    d.cut(_pts([(46, 60), (50, 84), (62, 100)], dx, dy), 0.4, 0.4, 1.8)
    d.line(outline, 1.3)
    # Cuff and hand.
    d.line(smooth_d(_pts([(78, 68), (80, 78), (76, 86)], dx, dy)), 1.2)
    hand = smooth_d(_pts([(82, 71), (89, 70), (94, 74), (92, 79), (86, 80), (83, 77)], dx, dy), True)
    d.shape(hand, d.ground, 1.1)
    d.line(smooth_d(_pts([(86, 74), (91, 75)], dx, dy)), 0.7)


def sash(d, dx, dy):
    d.shape(smooth_d(_pts(SASH, dx, dy), True), INK, 1)
    d.cut(_pts([(40, 90), (38, 108), (41, 122)], dx, dy), 1.2, 0.5, 2.6)
    d.cut(_pts([(44, 90), (45, 106), (48, 118)], dx, dy), 1.0, 0.5, 2.2)


def head(d, dx, dy, beard=True):
    outline = smooth_d(_pts(FACE, dx, dy), True)
    d.fill(outline, d.ground)
    d.line(outline, 1.2)
    # Hair drawn back over the ear into a knot at the nape.
    d.fill(smooth_d(_pts([(46, 19), (54, 17), (53, 24), (50, 30), (49, 37), (45, 33), (45, 25)], dx, dy), True), INK)
    d.line(smooth_d(_pts([(47, 22), (50, 21), (51, 26)], dx, dy)), 0.7, d.ground)
    # Eye, brow, ear.
    d.line(smooth_d(_pts([(60, 22.5), (63, 21.5), (65, 22)], dx, dy)), 1.1)
    d.line(smooth_d(_pts([(61, 25), (63.5, 25), (64.5, 24.5)], dx, dy)), 1.1)
    ear = smooth_d(_pts([(53, 24), (51, 26), (51, 30), (54, 31), (55, 27)], dx, dy), True)
    d.shape(ear, d.ground, 1.0)
    d.line(smooth_d(_pts([(64, 33), (66.5, 32.8)], dx, dy)), 0.9)
    if beard:
        tuft = _pts([(60, 37), (66, 34), (67, 42), (64, 54), (60, 60), (58, 48)], dx, dy)
        d.fill(smooth_d(tuft, True), d.ground)
        for k in range(4):
            d.cut(_pts([(60 + k * 1.7, 38), (62 + k * 1.5, 47), (60 + k * 0.6, 58 - k * 2)], dx, dy), 0.4, 0.2, 1.1)
        d.cut(_pts([(66.5, 30.5), (70, 32), (73, 38)], dx, dy), 0.8, 0.2, 1.1)


def scholar_cap(d, dx, dy):
    cap = smooth_d(_pts([(46, 20), (47, 11), (52, 5), (60, 4), (65, 8), (66, 16), (62, 18), (52, 20)], dx, dy), True)
    d.fill(cap, INK)
    d.line(smooth_d(_pts([(52, 8), (58, 6), (62, 9)], dx, dy)), 0.8, d.ground)
    # The two stiff ribbons of a scholar's cap, trailing behind.
    d.cut(_pts([(47, 14), (38, 13), (30, 16)], dx, dy), 2.4, 1.2, 2.4)
    d.cut(_pts([(47, 17), (39, 19), (32, 24)], dx, dy), 2.0, 1.0, 2.0)


def courtier_hat(d, dx, dy):
    crown = smooth_d(_pts([(48, 17), (50, 6), (57, 2), (63, 6), (64, 17)], dx, dy), True)
    d.fill(crown, d.ground)
    d.hatch(crown, angle=0, spacing=2)
    d.line(crown, 1.2)
    brim = smooth_d(_pts([(40, 19), (56, 15), (74, 18), (72, 21), (56, 19), (42, 22)], dx, dy), True)
    d.shape(brim, INK, 0.8)
    d.fill("M%s %sm-2 0a2 2 0 1 0 4 0a2 2 0 1 0 -4 0" % (57 + dx, 1.5 + dy), INK)


def stool(d, dx, dy):
    outline = smooth_d(_pts(STOOL, dx, dy), True)
    d.fill(outline, d.ground)
    d.hatch(outline, angle=90, spacing=3)
    d.line(outline, 1.3)
    for y in (112, 150):
        d.line(smooth_d(_pts([(17, y), (31, y + 2), (45, y)], dx, dy)), 1.4)


def scroll(d, dx, dy):
    roll = _pts([(84, 64), (100, 58), (102, 62), (86, 69)], dx, dy)
    d.shape(poly_d(roll, True), d.ground, 1.1)
    d.hatch(poly_d(roll, True), angle=-20, spacing=3)
    sheet = _pts([(90, 69), (104, 64), (106, 88), (94, 94)], dx, dy)
    d.shape(poly_d(sheet, True), d.ground, 1.0)
    for k in range(4):
        d.line(poly_d(_pts([(94, 74 + k * 4), (103, 71 + k * 4)], dx, dy)), 0.8)


def fan(d, dx, dy):
    hub = (90 + dx, 78 + dy)
    ribs = [(hub[0] + 24 * c, hub[1] - 24 * s) for c, s in ((0.2, 0.98), (0.5, 0.87), (0.77, 0.64), (0.94, 0.34))]
    blade = poly_d([hub] + catmull(ribs), True)
    d.shape(blade, d.ground, 1.1)
    for x, y in ribs:
        d.line(poly_d([hub, (x, y)]), 0.8)
    d.hatch(blade, angle=-45, spacing=3)


def seated(d, dx, dy, kind):
    """kind is 'scholar' (cap, beard, scroll) or 'courtier' (hat, fan)."""
    stool(d, dx, dy)
    robe(d, dx, dy)
    sash(d, dx, dy)
    head(d, dx, dy, beard=kind == "scholar")
    (scholar_cap if kind == "scholar" else courtier_hat)(d, dx, dy)
    sleeve(d, dx, dy)
    (scroll if kind == "scholar" else fan)(d, dx, dy)
