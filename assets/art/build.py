# Builds every picture, icon, cursor and sound of the game into the assets folder.
import os
import sys

import formats
import raster
from geometry import MESSAGE

ASSETS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PICTURES = os.path.join(ASSETS, "pictures")
SOUND = os.path.join(ASSETS, "runtime", "SOUND")

# Tile art is black and white; two greys keep the curves smooth without going muddy.
MONO = [(255, 255, 255), (0, 0, 0), (96, 96, 96), (176, 176, 176)]


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def picture(drawing, name, palette):
    """Rasterise a drawing onto a palette; returns (width, height, palette, indices)."""
    idx = raster.quantize(raster.render(drawing, name), palette)
    return drawing.width, drawing.height, palette, idx


def write_gif_and_bitmap(name, width, height, palette, indices):
    """The GIF is the picture of record; the 8-bit BMP beside it holds the same pixels and palette in the
    form the program embeds, so that it starts without an image decoder."""
    write(os.path.join(PICTURES, name + ".gif"), formats.gif(width, height, palette, indices))
    write(os.path.join(PICTURES, name + ".bmp"), formats.bmp8(width, height, palette, indices))


def save_gif(drawing, name, palette):
    write_gif_and_bitmap(name, *picture(drawing, name, palette))


def save_bmp(drawing, name, palette):
    write(os.path.join(PICTURES, name + ".bmp"), formats.bmp8(*picture(drawing, name, palette)))


def birds():
    import bird
    for n in range(1, 9):
        save_gif(bird.tile(n), "bird%d" % n, MONO)
    from engrave import Drawing, PAPER
    save_gif(Drawing(78, 78, PAPER), "empty", MONO)


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
    w, h, _, idx = picture(scene.drawing(), "board", palette)
    for box in (scene.GRID, scene.COUNTER):
        require_plain("board.gif", w, idx, box, 0)
    write_gif_and_bitmap("board", w, h, palette, idx)


def title():
    import title as card
    palette = board_palette()
    write_gif_and_bitmap("title", *card.SIZE, palette, card.indices(palette))


def result_palette():
    import result as dialog
    return ([raster.hexrgb(dialog.GROUND)] + raster.ramp(dialog.GROUND, dialog.INK, 6)[1:]
            + [raster.hexrgb(dialog.WHITE)])


def result():
    import result as dialog
    palette = result_palette()
    w, h, _, idx = picture(dialog.drawing(), "result", palette)
    # The program writes the verdict on the sign, so that strip must stay pure white.
    x0, y0, x1, y1 = MESSAGE
    require_plain("result.gif", w, idx, (x0 - 2, y0 - 3, x1 + 2, y1 + 3), palette.index(raster.hexrgb(dialog.WHITE)))
    write_gif_and_bitmap("result", w, h, palette, idx)


def verdicts():
    import verdict
    for name in sorted(verdict.TEXTS):
        save_gif(verdict.drawing(name), name, result_palette())


def rules():
    import rules as illustration
    save_bmp(illustration.drawing(), "rules", result_palette())


def logo():
    import logo as mark
    save_bmp(mark.drawing(), "logo", result_palette())


def cursor():
    import cursor as hand
    ink, opaque = hand.pixels()
    write(os.path.join(PICTURES, "hand.cur"), formats.cur(32, hand.HOTSPOT, ink, opaque))


# Icon colours: the tile's black and white plus the board's blue-greys.
ICON = [(0, 0, 0), (255, 255, 255)] + raster.ramp("#e6ebef", "#38424c", 6) + [(128, 128, 128)]


def icon_image(size):
    import bird
    pixels = raster.render(bird.icon(size), "icon%d" % size)
    opaque = [p[3] >= 128 for p in pixels]
    return size, ICON, raster.quantize(pixels, ICON), opaque


def icons():
    """Every icon file that art/icons.txt lists, with the images it lists."""
    import bird
    with open(os.path.join(ASSETS, "art", "icons.txt")) as listed:
        for path, *sizes in (line.split() for line in listed if line.strip() and not line.startswith("#")):
            images = [(256, raster.render(bird.icon(256), "icon256")) if size == "256" else icon_image(int(size))
                      for size in sizes]
            write(os.path.join(ASSETS, path), formats.ico(images))


def sound():
    import sound as call
    write(os.path.join(SOUND, "G0034.WAV"), call.wav_bytes())


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
    os.makedirs(PICTURES, exist_ok=True)
    os.makedirs(SOUND, exist_ok=True)
    wanted = argv or list(STEPS)
    for name in wanted:
        STEPS[name]()


if __name__ == "__main__":
    main(sys.argv[1:])
