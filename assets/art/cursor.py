# The pointing-hand cursor shown over movable birds, drawn pixel by pixel.
# X = black outline, o = white fill, . = transparent. The fingertip sits at the hot spot (12, 9).
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


def pixels():
    """(ink, opaque) lists, row by row from the top; ink 1 is white."""
    assert len(HAND) == 32 and all(len(row) == 32 for row in HAND)
    cells = "".join(HAND)
    return [1 if c == "o" else 0 for c in cells], [c != "." for c in cells]
