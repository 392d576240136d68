# Engraving toolkit: builds SVG drawings from hatching, swelling strokes and lettering.
import math

INK = "#000000"
PAPER = "#ffffff"


def fmt(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


def catmull(points, closed=False, steps=8):
    """Polyline through the given points along a Catmull-Rom spline."""
    pts = list(points)
    if len(pts) < 3:
        return pts
    n = len(pts)
    out = []
    segs = n if closed else n - 1
    for i in range(segs):
        p0 = pts[(i - 1) % n] if closed or i > 0 else pts[0]
        p1 = pts[i % n]
        p2 = pts[(i + 1) % n]
        p3 = pts[(i + 2) % n] if closed or i + 2 < n else pts[-1]
        for s in range(steps):
            t = s / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * ((2 * p1[k]) + (-p0[k] + p2[k]) * t + (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t2
                                    + (-p0[k] + 3 * p1[k] - 3 * p2[k] + p3[k]) * t3) for k in (0, 1)))
    if not closed:
        out.append(pts[-1])
    return out


def rect_d(x0, y0, x1, y1):
    return "M%s %sH%sV%sH%sZ" % (fmt(x0), fmt(y0), fmt(x1), fmt(y1), fmt(x0))


def circle_d(cx, cy, r):
    return "M%s %sm-%s 0a%s %s 0 1 0 %s 0a%s %s 0 1 0 -%s 0" % tuple(fmt(v) for v in (cx, cy, r, r, r, 2 * r, r, r, 2 * r))


def poly_d(points, closed=False):
    d = "M" + " L".join(fmt(x) + " " + fmt(y) for x, y in points)
    return d + (" Z" if closed else "")


def smooth_d(points, closed=False):
    return poly_d(catmull(points, closed), closed)


def resample(points, n):
    """n points evenly spaced by arc length along a polyline."""
    lengths = [0.0]
    for a, b in zip(points, points[1:]):
        lengths.append(lengths[-1] + math.dist(a, b))
    total = lengths[-1] or 1.0
    out = []
    j = 0
    for i in range(n):
        target = total * i / (n - 1)
        while j < len(lengths) - 2 and lengths[j + 1] < target:
            j += 1
        seg = (lengths[j + 1] - lengths[j]) or 1.0
        t = (target - lengths[j]) / seg
        a, b = points[j], points[j + 1]
        out.append((a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t))
    return out


def between(a, b, n, samples=40):
    """n curves spread evenly between guide curves a and b (both excluded)."""
    ra, rb = resample(a, samples), resample(b, samples)
    return [[(p[0] + (q[0] - p[0]) * k / (n + 1), p[1] + (q[1] - p[1]) * k / (n + 1)) for p, q in zip(ra, rb)]
            for k in range(1, n + 1)]


def taper_outline(points, w0, w1, wmid=None):
    """Closed outline of a stroke that swells from w0 through wmid to w1, like a burin cut."""
    pts = resample(points, max(4, int(sum(math.dist(a, b) for a, b in zip(points, points[1:])) / 2) + 2))
    wmid = (w0 + w1) / 2 if wmid is None else wmid
    left, right = [], []
    n = len(pts)
    for i, p in enumerate(pts):
        t = i / (n - 1)
        w = (w0 * (1 - t) + w1 * t) + (wmid - (w0 + w1) / 2) * math.sin(math.pi * t)
        a = pts[max(i - 1, 0)]
        b = pts[min(i + 1, n - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / ln * w / 2, dx / ln * w / 2
        left.append((p[0] + nx, p[1] + ny))
        right.append((p[0] - nx, p[1] - ny))
    return left + right[::-1]


class Drawing:
    """An SVG picture built up layer by layer; later calls paint over earlier ones."""

    def __init__(self, width, height, ground):
        self.width, self.height = width, height
        self.ground = ground or PAPER
        # Inside a scaled group, hatching is divided by this so its lines stay one pixel wide.
        self.unit = 1.0
        self.defs = []
        self.body = []
        self.ids = 0
        if ground:
            self.rect(0, 0, width, height, fill=ground)

    def _id(self, prefix):
        self.ids += 1
        return "%s%d" % (prefix, self.ids)

    def raw(self, text):
        self.body.append(text)

    def clip(self, d, crisp=True):
        cid = self._id("c")
        rendering = ' shape-rendering="crispEdges"' if crisp else ""
        self.defs.append('<clipPath id="%s"><path d="%s"%s/></clipPath>' % (cid, d, rendering))
        return cid

    def rect(self, x, y, w, h, fill=None, stroke=None, width=1, crisp=True):
        self.body.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s" stroke="%s" stroke-width="%s"%s/>' % (
            fmt(x), fmt(y), fmt(w), fmt(h), fill or "none", stroke or "none", fmt(width),
            ' shape-rendering="crispEdges"' if crisp else ""))

    def fill(self, d, colour=INK, crisp=False):
        self.body.append('<path d="%s" fill="%s"%s/>' % (d, colour, ' shape-rendering="crispEdges"' if crisp else ""))

    def line(self, d, width=1.0, colour=INK, crisp=False, cap="round"):
        self.body.append('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="%s" stroke-linejoin="round"%s/>'
                         % (d, colour, fmt(width), cap, ' shape-rendering="crispEdges"' if crisp else ""))

    def curve(self, points, width=1.0, colour=INK, closed=False):
        self.line(smooth_d(points, closed), width, colour)

    def cut(self, points, w0=0.3, w1=0.3, wmid=1.6, colour=INK):
        """A single swelling line, thin at both ends."""
        self.fill(poly_d(taper_outline(catmull(points), w0, w1, wmid), True), colour)

    def shape(self, d, fill, outline=1.2, colour=INK):
        self.fill(d, fill)
        if outline:
            self.line(d, outline, colour)

    def text_clip(self, x, y, s, size, family="C059", weight="normal", style="normal", anchor="start", spacing=0):
        """A clip region shaped like a line of lettering, for hatched or shadowed letters."""
        cid = self._id("c")
        self.defs.append('<clipPath id="%s">%s</clipPath>' % (cid, self._text(x, y, s, size, family, weight, style, anchor,
                                                                              INK, spacing, None)))
        return cid

    def hatch(self, d, angle=45, spacing=3, width=1, colour=INK, phase=0.0, box=None, clip=None):
        """Straight parallel lines clipped to the region d (or a ready clip id), drawn pixel-sharp."""
        cid = clip or self.clip(d)
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
        r = math.hypot(x1 - x0, y1 - y0) / 2 + spacing
        a = math.radians(angle)
        ux, uy = math.cos(a), math.sin(a)
        nx, ny = -uy, ux
        parts = []
        k = -math.ceil(r / spacing)
        while k * spacing <= r:
            off = k * spacing + phase
            px, py = cx + nx * off, cy + ny * off
            parts.append("M%s %sL%s %s" % (fmt(px - ux * r), fmt(py - uy * r), fmt(px + ux * r), fmt(py + uy * r)))
            k += 1
        self.body.append('<g clip-path="url(#%s)"><path d="%s" stroke="%s" stroke-width="%s" fill="none" shape-rendering="crispEdges"/></g>'
                         % (cid, "".join(parts), colour, fmt(width / self.unit)))

    def contours(self, curves, d=None, width=1, colour=INK, crisp=True):
        """Lines that follow the form (e.g. from between()), optionally clipped to d."""
        path = "".join(poly_d(c) for c in curves)
        rendering = ' shape-rendering="crispEdges"' if crisp else ""
        g = '<path d="%s" stroke="%s" stroke-width="%s" fill="none" stroke-linecap="round"%s/>' % (
            path, colour, fmt(width / self.unit if crisp else width), rendering)
        if d:
            g = '<g clip-path="url(#%s)">%s</g>' % (self.clip(d), g)
        self.body.append(g)

    def text(self, x, y, s, size, family="C059", weight="normal", style="normal", anchor="start", colour=INK,
             spacing=0, stroke=None):
        self.body.append(self._text(x, y, s, size, family, weight, style, anchor, colour, spacing, stroke))

    @staticmethod
    def _text(x, y, s, size, family, weight, style, anchor, colour, spacing, stroke):
        esc = s.replace("&", "&amp;").replace("<", "&lt;")
        extra = ' stroke="%s" stroke-width="%s"' % stroke if stroke else ""
        return ('<text x="%s" y="%s" font-family="%s" font-size="%s" font-weight="%s" font-style="%s" '
                'text-anchor="%s" fill="%s" letter-spacing="%s"%s>%s</text>'
                % (fmt(x), fmt(y), family, fmt(size), weight, style, anchor, colour, fmt(spacing), extra, esc))

    def group(self, transform):
        """Start a transformed group; close it with end()."""
        self.body.append('<g transform="%s">' % transform)

    def end(self):
        self.body.append("</g>")

    def svg(self):
        return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
                "<defs>%s</defs>%s</svg>\n" % (self.width, self.height, self.width, self.height,
                                              "".join(self.defs), "".join(self.body)))
