# Builds every picture, icon, cursor and sound of the game into the assets folder.
import os
import sys

import formats
import raster
import runtime
from geometry import DPIS, LAYOUT_DPI, MESSAGE, scaled, scaled_box

ASSETS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PICTURES = os.path.join(ASSETS, "pictures")

# Tile art is black and white; two greys keep the curves smooth without going muddy.
MONO = [(255, 255, 255), (0, 0, 0), (96, 96, 96), (176, 176, 176)]


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def picture(drawing, name, palette, dpi):
    """Rasterise a drawing for dpi onto a palette; returns (width, height, palette, indices)."""
    idx = raster.quantize(raster.render(drawing, name, dpi), palette)
    return scaled(drawing.width, dpi), scaled(drawing.height, dpi), palette, idx


def write_picture(name, dpi, width, height, palette, indices, record=True):
    """The picture as the program embeds it, an 8-bit run-length encoded BMP that the system decodes
    itself, in the folder of its scale (pictures/<dpi>/); beside the 96-dpi one, the GIF of record
    with the same pixels and palette, unless record is False."""
    write(os.path.join(PICTURES, str(dpi), name + ".bmp"), formats.bmp8(width, height, palette, indices))
    if record and dpi == LAYOUT_DPI:
        write(os.path.join(PICTURES, name + ".gif"), formats.gif(width, height, palette, indices))


def save(drawing, name, palette, record=True):
    """The drawing drawn afresh for every display scale."""
    for dpi in DPIS:
        write_picture(name, dpi, *picture(drawing, name, palette, dpi), record=record)


def birds():
    import bird
    for n in range(1, 9):
        save(bird.tile(n), "bird%d" % n, MONO)
    from engrave import Drawing, PAPER
    save(Drawing(78, 78, PAPER), "empty", MONO)


def board_palette():
    import board as scene
    return [raster.hexrgb(scene.GROUND)] + raster.ramp(scene.GROUND, scene.INK, 6)[1:] + [(0, 0, 0)]


def require_plain(name, w, idx, box, colour):
    """Stop if anything is drawn inside box (x0, y0, x1, y1, inclusive): the program paints there."""
    x0, y0, x1, y1 = box
    if any(idx[y * w + x] != colour for y in range(y0, y1 + 1) for x in range(x0, x1 + 1)):
        raise SystemExit("%s: the area x %d-%d, y %d-%d must stay plain ground" % (name, x0, x1, y0, y1))


def board():
    import board as scene
    palette = board_palette()
    drawing = scene.drawing()
    for dpi in DPIS:
        w, h, _, idx = picture(drawing, "board", palette, dpi)
        for box in (scene.GRID, scene.COUNTER):
            require_plain("board at %d dpi" % dpi, w, idx, scaled_box(box, dpi), 0)
        write_picture("board", dpi, w, h, palette, idx)


def title():
    import title as card
    palette = board_palette()
    for dpi in DPIS:
        write_picture("title", dpi, scaled(card.SIZE[0], dpi), scaled(card.SIZE[1], dpi), palette,
                      card.indices(palette, dpi))


def result_palette():
    import result as dialog
    return ([raster.hexrgb(dialog.GROUND)] + raster.ramp(dialog.GROUND, dialog.INK, 6)[1:]
            + [raster.hexrgb(dialog.WHITE)])


def result():
    import result as dialog
    palette = result_palette()
    drawing = dialog.drawing()
    # The program writes the verdict on the sign, so that strip must stay pure white.
    x0, y0, x1, y1 = MESSAGE
    for dpi in DPIS:
        w, h, _, idx = picture(drawing, "result", palette, dpi)
        require_plain("result at %d dpi" % dpi, w, idx, scaled_box((x0 - 2, y0 - 3, x1 + 2, y1 + 3), dpi),
                      palette.index(raster.hexrgb(dialog.WHITE)))
        write_picture("result", dpi, w, h, palette, idx)


def verdicts():
    import verdict
    for name in sorted(verdict.TEXTS):
        save(verdict.drawing(name), name, result_palette())


def rules():
    import rules as illustration
    save(illustration.drawing(), "rules", result_palette(), record=False)


def logo():
    import logo as mark
    save(mark.drawing(), "logo", result_palette(), record=False)


def cursor():
    """The hand in the size of the system's cursors at each display scale, 32 x 32 first."""
    import cursor as hand
    sizes = sorted({scaled(hand.SIZE, dpi) for dpi in DPIS})
    write(os.path.join(PICTURES, "hand.cur"), formats.cur([hand.image(size) for size in sizes]))


# Icon colours: the tile's black and white plus the board's blue-greys.
ICON = [(0, 0, 0), (255, 255, 255)] + raster.ramp("#e6ebef", "#38424c", 6) + [(128, 128, 128)]


def icon_image(size):
    import bird
    pixels = raster.render(bird.icon(size), "icon%d" % size)
    opaque = [p[3] >= 128 for p in pixels]
    return size, ICON, raster.quantize(pixels, ICON), opaque


def listed_icons():
    """(path under assets, sizes) of every icon file that art/icons.txt lists; a file listed by a name
    alone is the run-time file of that name."""
    with open(os.path.join(ASSETS, "art", "icons.txt")) as listed:
        for file, *sizes in (line.split() for line in listed if line.strip() and not line.startswith("#")):
            yield (file if "/" in file else runtime.path(file)), [int(size) for size in sizes]


def icons():
    """Every icon file that art/icons.txt lists, with the images it lists."""
    import bird
    for path, sizes in listed_icons():
        images = [(256, raster.render(bird.icon(256), "icon256")) if size == 256 else icon_image(size)
                  for size in sizes]
        write(os.path.join(ASSETS, path), formats.ico(images))


def sound():
    import sound as call
    write(os.path.join(ASSETS, runtime.path("startupSound")), call.wav_bytes())


def contact_sheet():
    import sheet
    sheet.build(ASSETS, os.path.join(os.path.dirname(ASSETS), "docs", "contact-sheet.png"))


STEPS = {
    "birds": birds,
    "board": board,
    "title": title,
    "result": result,
    "verdicts": verdicts,
    "rules": rules,
    "logo": logo,
    "cursor": cursor,
    "icons": icons,
    "sound": sound,
    "contact-sheet": contact_sheet,  # last: it shows the files made above
}


def main(argv):
    wanted = argv or list(STEPS)
    for name in wanted:
        STEPS[name]()


if __name__ == "__main__":
    main(sys.argv[1:])
