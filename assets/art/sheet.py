# Lays every generated picture, icon and cursor out on one labelled contact sheet for review.
import os
import subprocess

import formats
import raster
import runtime

WINDOW_ICON = runtime.path("windowIcon")

WIDTH, HEIGHT = 1270, 1030
BACKGROUND = "#8c8c8c"

# (label, file relative to assets, frame within the file, x, y, zoom)
ITEMS = [
    ("board.gif", "pictures/board.gif", 0, 20, 34, 1),
    ("title.gif", "pictures/title.gif", 0, 620, 34, 1),
    ("result.gif", "pictures/result.gif", 0, 620, 214, 1),
    ("result1.gif", "pictures/result1.gif", 0, 990, 34, 1),
    ("result2.gif", "pictures/result2.gif", 0, 1120, 34, 1),
    ("result3.gif", "pictures/result3.gif", 0, 990, 214, 1),
    ("result4.gif", "pictures/result4.gif", 0, 1120, 214, 1),
    ("rules.bmp", "pictures/96/rules.bmp", 0, 620, 454, 1),
    ("logo.bmp", "pictures/96/logo.bmp", 0, 740, 454, 1),
    ("hand.cur", "pictures/hand.cur", 0, 900, 454, 1),
    ("hand.cur x4", "pictures/hand.cur", 0, 960, 454, 4),
    ("board.ico", "pictures/board.ico", 3, 1120, 454, 1),
    ("board.ico x4", "pictures/board.ico", 3, 1120, 510, 4),
    ("board.ico 16/20/24/32/40/48/64", "pictures/board.ico", 0, 20, 755, 1),
    ("", "pictures/board.ico", 1, 46, 755, 1),
    ("", "pictures/board.ico", 2, 76, 755, 1),
    ("", "pictures/board.ico", 3, 110, 755, 1),
    ("", "pictures/board.ico", 4, 152, 755, 1),
    ("", "pictures/board.ico", 5, 202, 755, 1),
    ("", "pictures/board.ico", 6, 260, 755, 1),
    ("board.ico 256", "pictures/board.ico", 7, 340, 755, 1),
    (os.path.basename(WINDOW_ICON) + " 16/32/48", WINDOW_ICON, 0, 620, 680, 1),
    ("", WINDOW_ICON, 4, 645, 680, 1),
    ("", WINDOW_ICON, 7, 688, 680, 1),
    (os.path.basename(WINDOW_ICON) + " x4", WINDOW_ICON, 0, 760, 680, 4),
    ("", WINDOW_ICON, 4, 840, 680, 4),
    ("", WINDOW_ICON, 7, 982, 680, 4),
]


def tile_items():
    names = ["bird%d.gif" % n for n in range(1, 9)] + ["empty.gif"]
    return [(name, "pictures/" + name, 0, 20 + (i % 5) * 96, 534 + (i // 5) * 104, 1) for i, name in enumerate(names)]


def to_png(assets, rel, frame, zoom):
    out = os.path.join(raster.WORK, "sheet-%s-%d-%d.png" % (rel.replace("/", "_"), frame, zoom))
    cmd = [raster.CONVERT, os.path.join(assets, rel) + "[%d]" % frame]
    if zoom > 1:
        cmd += ["-filter", "point", "-resize", "%d%%" % (zoom * 100)]
    subprocess.run(cmd + ["PNG32:" + out], check=True)
    return out


def drawing(assets):
    parts = ['<rect width="%d" height="%d" fill="%s"/>' % (WIDTH, HEIGHT, BACKGROUND)]
    for label, rel, frame, x, y, zoom in ITEMS + tile_items():
        png = to_png(assets, rel, frame, zoom)
        parts.append('<image x="%d" y="%d" href="%s"/>' % (x, y, png))
        if label:
            parts.append('<text x="%d" y="%d" font-family="DejaVu Sans" font-size="11" fill="#ffffff">%s</text>'
                         % (x, y - 5, label))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d">%s</svg>\n'
            % (WIDTH, HEIGHT, "".join(parts)))


def build(assets, out):
    svg = os.path.join(raster.WORK, "sheet.svg")
    png = os.path.join(raster.WORK, "sheet.png")
    with open(svg, "w") as f:
        f.write(drawing(assets))
    subprocess.run([raster.RSVG, "-o", png, svg], check=True)
    rgb = subprocess.run([raster.CONVERT, png, "-depth", "8", "RGB:-"], check=True, capture_output=True).stdout
    # Re-encoded here so the sheet carries no timestamps.
    with open(out, "wb") as f:
        f.write(formats.png(WIDTH, HEIGHT, rgb, channels=3))
