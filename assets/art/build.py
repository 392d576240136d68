# Builds every picture, icon, cursor and sound of the game into the assets folder.
import os
import sys

import formats
import raster

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


def save_gif(drawing, name, palette):
    write(os.path.join(PICTURES, name + ".gif"), formats.gif(*picture(drawing, name, palette)))


def save_bmp(drawing, name, palette):
    write(os.path.join(PICTURES, name + ".bmp"), formats.bmp8(*picture(drawing, name, palette)))


def birds():
    import bird
    for n in range(1, 9):
        save_gif(bird.tile(n), "bird%d" % n, MONO)
    from engrave import Drawing, PAPER
    save_gif(Drawing(78, 78, PAPER), "empty", MONO)


STEPS = {
    "birds": birds,
}


def main(argv):
    os.makedirs(PICTURES, exist_ok=True)
    os.makedirs(SOUND, exist_ok=True)
    wanted = argv or list(STEPS)
    for name in wanted:
        STEPS[name]()


if __name__ == "__main__":
    main(sys.argv[1:])
