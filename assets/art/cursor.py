# The pointing-hand cursor shown over movable birds, drawn pixel by pixel for 32 x 32 and enlarged
# pixel by pixel for the larger cursors of higher display scales.
# X = black outline, o = white fill, . = transparent. The fingertip sits at the hot spot (12, 9).
SIZE = 32
HOTSPOT = (12, 9)

HAND = [
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "...........XXXX.................",
    "..........XooooX................",
    "..........XooooX................",
    "..........XooooX................",
    "..........XooooX................",
    "..........XooooX................",
    "..........XooooXXXXX............",
    "..........XooooXooooXXXX........",
    "..........XooooXooooXoooXXXX....",
    "..........XooooXooooXoooXoooX...",
    "....XXX...XooooXooooXoooXoooX...",
    "...XoooX..XooooXooooXoooXoooX...",
    "...XooooX.XoooooooooooooooooX...",
    "....XooooXooooooooooooooooooX...",
    ".....XooooooooooooooooooooooX...",
    "......XoooooooooooooooooooooX...",
    ".......XoooooooooooooooooooX....",
    ".......XoooooooooooooooooooX....",
    "........XoooooooooooooooooX.....",
    "........XoooooooooooooooooX.....",
    "........XXXXXXXXXXXXXXXXXXX.....",
    "........XoooooooooooooooooX.....",
    "........XXXXXXXXXXXXXXXXXXX.....",
    "................................",
]


def image(size):
    """(size, hotspot, ink, opaque) of the hand size pixels wide: each pixel takes the drawing's cell
    under it, so that outlines stay solid; ink 1 is white."""
    assert len(HAND) == SIZE and all(len(row) == SIZE for row in HAND)
    cells = [HAND[y * SIZE // size][x * SIZE // size] for y in range(size) for x in range(size)]
    # The first pixel of the fingertip's cell.
    hotspot = tuple(-(-at * size // SIZE) for at in HOTSPOT)
    return size, hotspot, [1 if c == "o" else 0 for c in cells], [c != "." for c in cells]
