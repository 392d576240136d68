# The title card shown on the board's panel before the first game: lettering and a bird on a branch.
import bird
import board
from geometry import TITLE, scaled
from engrave import catmull, poly_d

# Where the program draws the title on the board.
AT = TITLE
SIZE = (260, 139)
SERIF = "Linux Libertine O"


def lettering(d, x, y, s, size, style="normal"):
    """Dark letters with a hatched shadow cut to the lower right, as on an engraved title page."""
    shadow = d.text_clip(x + 2, y + 2, s, size, SERIF, "bold", style, "middle")
    d.hatch(None, angle=-45, spacing=2, clip=shadow)
    d.text(x, y, s, size, SERIF, "bold", style, "middle", colour=board.INK)
    d.text(x, y, s, size, SERIF, "bold", style, "middle", colour="none", stroke=(board.INK, 0.6))


def branch(d, ox, oy):
    d.cut([(ox - 6, oy + 72), (ox + 20, oy + 66), (ox + 48, oy + 66), (ox + 70, oy + 62)], 4.0, 1.4, 3.6)
    for pts in ([(ox + 40, oy + 66), (ox + 50, oy + 76), (ox + 60, oy + 80)], [(ox + 12, oy + 68), (ox + 6, oy + 58)]):
        d.cut(pts, 2.0, 0.3, 1.8)
    for x, y, up in ((ox + 58, oy + 79, 1), (ox + 6, oy + 57, -1), (ox + 68, oy + 62, 1)):
        leaf = catmull([(x, y), (x + 5, y - 5 * up), (x + 13, y - 2 * up)])
        d.cut(leaf, 0.5, 0.2, 4.5)


def flourish(d, cx, y, half):
    """A ruled swash with a small diamond at its centre."""
    for side in (-1, 1):
        pts = [(cx + side * 8, y), (cx + side * half * 0.45, y - 3), (cx + side * half * 0.8, y + 2), (cx + side * half, y - 1)]
        d.cut(pts, 1.2, 0.2, 1.6)
    d.fill(poly_d([(cx - 5, y), (cx, y - 4), (cx + 5, y), (cx, y + 4)], True), board.INK)


def draw(d):
    ox, oy = AT
    scale = 0.78
    d.unit = scale
    d.group("translate(%s %s) scale(%s)" % (ox - 1, oy + 2, scale))
    bird.draw(d, board.GROUND)
    d.end()
    d.unit = 1.0
    # The card's right edge runs under the panel frame, so everything stays left of x = 226.
    lettering(d, ox + 139, oy + 52, "Plumaro", 41)
    lettering(d, ox + 113, oy + 100, "Puzzles", 40, style="italic")
    flourish(d, ox + 113, oy + 121, 72)


def indices(palette, dpi):
    """Draw the title over the board for dpi so frame lines under it match, then cut out the card
    where the program shows it at that scale."""
    import raster
    d = board.drawing()
    draw(d)
    idx = raster.quantize(raster.render(d, "title", dpi), palette)
    width = scaled(d.width, dpi)
    x0, y0, w, h = (scaled(length, dpi) for length in AT + SIZE)
    return bytes(b for y in range(y0, y0 + h) for b in idx[y * width + x0:y * width + x0 + w])
