# The maker's mark shown in the About box: the bird in a medallion above the name PLUMARO.
import bird
import result
from engrave import Drawing, circle_d, poly_d

INK = result.INK
GROUND = result.GROUND
CENTRE, RADIUS = (68, 33), 27


def medallion(d):
    cx, cy = CENTRE
    d.fill(circle_d(cx, cy, RADIUS), INK)
    # A ring of short radial cuts between two rules, like a coin's milled edge.
    d.fill(circle_d(cx, cy, RADIUS - 2), GROUND)
    d.hatch(circle_d(cx, cy, RADIUS - 2), angle=0, spacing=2)
    d.fill(circle_d(cx, cy, RADIUS - 6), "#ffffff")
    d.line(circle_d(cx, cy, RADIUS - 6), 1.2, INK)
    # Flat tones: at this size the tile's hatching would fill in.
    scale = 0.56
    # Centre of the flat bird (no twig) is near (40, 41) in tile coordinates.
    d.group("translate(%s %s) scale(%s)" % (cx - 40 * scale, cy - 41 * scale, scale))
    bird.flat(d, line=2.4, eye=3.0, feathers=True, wing_tone="#8a8070", belly_tone="#ddd6c0")
    d.end()


def name(d):
    d.text(68, 79, "PLUMARO", 19, family="C059", weight="bold", anchor="middle", colour=INK, spacing=2.5)
    for side in (-1, 1):
        d.cut([(68 + side * 8, 87), (68 + side * 30, 86), (68 + side * 52, 87.5)], 1.4, 0.2, 1.6, colour=INK)
    d.fill(poly_d([(63, 87), (68, 83.5), (73, 87), (68, 90.5)], True), INK)


def drawing():
    d = Drawing(136, 98, GROUND)
    medallion(d)
    name(d)
    d.rect(0.5, 0.5, d.width - 1, d.height - 1, stroke=INK, width=1)
    return d
