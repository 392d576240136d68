# The engraved songbird printed on the eight puzzle tiles (and reused by the icons).
from engrave import INK, PAPER, Drawing, between, catmull, circle_d, poly_d, smooth_d

# The bird faces left so the numeral in the top-right corner stays clear of it.
HEAD_BODY = [(15, 24), (17, 18), (23, 14), (30, 15), (35, 20), (43, 28), (52, 37), (58, 46), (56, 53),
             (47, 59), (37, 62), (27, 60), (19, 53), (15, 44), (14, 35), (14, 29)]
WING = [(30, 30), (38, 27), (48, 33), (57, 43), (64, 53), (60, 55), (50, 52), (40, 47), (32, 40), (29, 34)]
TAIL = [(53, 50), (60, 51), (73, 64), (72, 68), (68, 69), (52, 57)]
CAP = [(15, 24), (17, 18), (23, 14), (30, 15), (35, 20), (36, 24), (30, 22), (23, 21), (18, 23)]
BELLY_SHADE = [(56, 53), (47, 59), (37, 62), (27, 60), (22, 56), (32, 56), (44, 52), (52, 48)]
TWIG = [(3, 69), (16, 66), (30, 65), (44, 65), (58, 62)]


def twig(d, paper):
    d.cut(TWIG, 3.2, 1.2, 3.0)
    d.cut([(44, 65), (50, 70), (54, 72)], 1.8, 0.3, 1.5)
    d.cut([(12, 67), (8, 61), (9, 57)], 1.5, 0.3, 1.3)
    for x in range(6, 56, 3):
        d.line("M%d %dL%d %d" % (x, 66, x + 2, 67), 0.6, paper)


def legs(d, paper):
    for x in (33, 40):
        d.line("M%d 60L%d 65" % (x, x - 1), 1.2)
        d.line("M%d 65L%d 66.5M%d 65L%d 66.5" % (x - 1, x - 4, x - 1, x + 2), 1.0)


def body(d, paper):
    outline = smooth_d(HEAD_BODY, True)
    d.fill(outline, paper)
    # Breast: sparse lines curving round the form, denser toward the belly.
    breast_a = catmull([(15, 45), (20, 54), (30, 61), (42, 61)])
    breast_b = catmull([(23, 43), (28, 50), (37, 55), (49, 55)])
    d.contours(between(breast_a, breast_b, 3), outline, width=0.8)
    d.hatch(smooth_d(BELLY_SHADE, True), angle=-35, spacing=2.5, width=0.9)
    for x, y in [(19, 38), (24, 41), (19, 44), (25, 47), (30, 45)]:
        d.cut([(x, y), (x + 1.5, y + 1.6), (x + 3.2, y + 1.8)], 0.3, 0.3, 1.2)
    # Back and nape, darker than the breast.
    back = smooth_d([(30, 16), (36, 21), (45, 29), (53, 38), (45, 34), (36, 28), (31, 22)], True)
    d.hatch(back, angle=60, spacing=2.2, width=1)
    d.fill(smooth_d(CAP, True), INK)
    d.line(outline, 1.3)


def wing(d, paper):
    outline = smooth_d(WING, True)
    d.fill(outline, paper)
    d.hatch(outline, angle=30, spacing=2.4, width=1)
    # Covert feathers: a white shoulder crossed by two rows of small feather edges.
    shoulder = smooth_d([(30, 31), (38, 27.5), (47, 32), (52, 37), (44, 38), (36, 39), (30, 36)], True)
    d.fill(shoulder, paper)
    for row in range(2):
        y = 33 + row * 3.4
        for k in range(4 - row):
            x = 32 + row * 3 + k * 4.6
            d.line(smooth_d([(x, y + k * 0.5), (x + 2, y + 2.2 + k * 0.5), (x + 4.4, y + 1.4 + k * 0.5)]), 0.9)
    # Long flight feathers, each one cut as a swelling line.
    for k in range(5):
        s = k * 2.6
        d.cut([(37 + s * 0.3, 40 + s * 0.6), (48 + s * 0.2, 45 + s * 0.5), (62 - k * 0.8, 53 + k * 0.2)], 0.4, 0.4, 1.5)
    d.line(outline, 1.2)


def tail(d, paper):
    outline = smooth_d(TAIL, True)
    d.fill(outline, INK)
    for k in range(3):
        d.line(poly_d([(56 + k, 53 + k * 0.7), (70 - k * 0.5, 66 + k * 0.5)]), 0.7, paper)


def head(d, paper):
    # Beak: a short finch's cone.
    d.shape(poly_d([(16, 21.5), (6.5, 26), (16, 29.5)], True), INK, 0.8)
    d.line("M7 26L14 26", 0.7, paper)
    # Eye in a white ring, with a catch-light.
    d.fill("M23.5 23.5m-3.3 0a3.3 3.3 0 1 0 6.6 0a3.3 3.3 0 1 0 -6.6 0", paper)
    d.fill("M23.5 23.5m-2.2 0a2.2 2.2 0 1 0 4.4 0a2.2 2.2 0 1 0 -4.4 0", INK)
    d.fill("M22.7 22.6m-0.7 0a0.7 0.7 0 1 0 1.4 0a0.7 0.7 0 1 0 -1.4 0", paper)
    # Cheek line.
    d.cut([(18, 30), (24, 32), (30, 30)], 0.3, 0.3, 1.1)


def draw(d, paper=PAPER):
    """The tile bird at 78x78; paper is the colour of its white parts."""
    for part in (twig, tail, legs, body, wing, head):
        part(d, paper)


def tile(numeral):
    d = Drawing(78, 78, PAPER)
    draw(d)
    d.text(64, 30, str(numeral), 31, family="C059", weight="bold", anchor="middle")
    return d


def flat(d, line, eye, feathers, wing_tone="#7d8a96", belly_tone="#c4ccd3"):
    """The tile bird in flat tones, in tile coordinates, for pictures too small for hatching."""
    d.fill(smooth_d(TAIL, True), INK)
    d.fill(smooth_d(HEAD_BODY, True), PAPER)
    d.fill(smooth_d(BELLY_SHADE, True), belly_tone)
    d.fill(smooth_d(CAP, True), INK)
    d.line(smooth_d(HEAD_BODY, True), line)
    d.fill(smooth_d(WING, True), wing_tone)
    if feathers:
        for k in range(3):
            s = k * 3.2
            d.line(smooth_d([(38 + s * 0.3, 41 + s * 0.6), (48 + s * 0.2, 46 + s * 0.5), (61 - k, 53)]), 1.2)
    d.line(smooth_d(WING, True), line)
    d.fill(poly_d([(16, 21), (6, 26), (16, 30)], True), INK)
    d.fill(circle_d(23.5, 23.5, eye + 1.2), PAPER)
    d.fill(circle_d(23.5, 23.5, eye), INK)


def icon(size):
    """The same bird in flat tones for the window icon; engraving lines would blur at this size."""
    d = Drawing(size, size, None)
    # The smallest icon crops the tail tip so the head stays big enough to read.
    k, cx = (size / 60.0, 36) if size < 24 else (size / 70.0, 40)
    d.group("translate(%s %s) scale(%s) translate(%s -41)" % (size / 2, size / 2, k, -cx))
    small = size < 24
    flat(d, 2.2 if small else 1.6, 3.4 if small else 2.6, feathers=size >= 32)
    d.end()
    return d
