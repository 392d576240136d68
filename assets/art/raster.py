# Turns SVG drawings into pixels (rsvg-convert, ImageMagick) and maps them onto fixed palettes.
import os
import subprocess

from geometry import LAYOUT_DPI, scaled

CONVERT = "/usr/bin/convert"
RSVG = "/usr/bin/rsvg-convert"
WORK = os.environ.get("ART_WORK", "/tmp/plumaro-art")


def hexrgb(h):
    h = h.lstrip("#")
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def ramp(a, b, steps):
    """steps colours from a to b inclusive."""
    a, b = hexrgb(a), hexrgb(b)
    return [tuple(round(a[k] + (b[k] - a[k]) * i / (steps - 1)) for k in range(3)) for i in range(steps)]


def render(drawing, name, dpi=LAYOUT_DPI):
    """Rasterise a Drawing, whose units are pixels at 96 dpi, for dpi: 1:1 at 96, and at a larger
    scale drawn afresh from the same shapes (never a scaled-up raster). Returns its pixels as a list
    of (r, g, b, a), scaled(width) x scaled(height) of them."""
    os.makedirs(WORK, exist_ok=True)
    svg = os.path.join(WORK, name + ".svg")
    png = os.path.join(WORK, "%s-%d.png" % (name, dpi))
    with open(svg, "w") as f:
        f.write(drawing.svg())
    width, height = scaled(drawing.width, dpi), scaled(drawing.height, dpi)
    subprocess.run([RSVG, "-w", str(width), "-h", str(height), "-o", png, svg], check=True)
    raw = subprocess.run([CONVERT, png, "-depth", "8", "RGBA:-"], check=True, capture_output=True).stdout
    if len(raw) != width * height * 4:
        raise RuntimeError("unexpected raster size for %s at %d dpi" % (name, dpi))
    return [tuple(raw[i:i + 4]) for i in range(0, len(raw), 4)]


def quantize(pixels, palette):
    """Nearest palette colour for each pixel, without dithering, so lines stay clean."""
    cache = {}
    out = bytearray(len(pixels))
    for i, p in enumerate(pixels):
        key = p[:3]
        idx = cache.get(key)
        if idx is None:
            idx = min(range(len(palette)), key=lambda k: sum((palette[k][c] - key[c]) ** 2 for c in range(3)))
            cache[key] = idx
        out[i] = idx
    return bytes(out)
