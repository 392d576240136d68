"""Where the board window and the result window place their pictures and controls, read from the
program's own board/board_geometry.h and result/result_geometry.h, and the display scales the
pictures are drawn for, read from win32/pictures.h, so that the artwork and the program cannot
disagree."""
import os
import re

_ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def _values(header):
    with open(os.path.join(_ROOT, header)) as source:
        lines = re.findall(r"^constexpr int (k\w+ = \d+(?:, k\w+ = \d+)*);$", source.read(), re.M)
    return {name: int(value) for line in lines for name, value in re.findall(r"(k\w+) = (\d+)", line)}


_BOARD = _values("board/board_geometry.h")
CLIENT = (_BOARD["kClientWidth"], _BOARD["kClientHeight"])
# x0, y0, x1, y1 of the nine slots together (inclusive).
GRID = (_BOARD["kSlotLeft"], _BOARD["kSlotTop"],
        _BOARD["kSlotLeft"] + 2 * _BOARD["kSlotPitch"] + _BOARD["kSlotSize"] - 1,
        _BOARD["kSlotTop"] + 2 * _BOARD["kSlotPitch"] + _BOARD["kSlotSize"] - 1)
# x0, y0, x1, y1 of the counter, with one pixel to spare on the right and below.
COUNTER = (_BOARD["kCounterLeft"], _BOARD["kCounterTop"],
           _BOARD["kCounterLeft"] + _BOARD["kCounterWidth"], _BOARD["kCounterTop"] + _BOARD["kCounterHeight"])
TITLE = (_BOARD["kTitleLeft"], _BOARD["kTitleTop"])

_RESULT = _values("result/result_geometry.h")
RESULT_CLIENT = (_RESULT["kClientWidth"], _RESULT["kClientHeight"])
# x0, y0, x1, y1 of the verdict the program writes on the sign (exclusive).
MESSAGE = (_RESULT["kMessageLeft"], _RESULT["kMessageTop"],
           _RESULT["kMessageLeft"] + _RESULT["kMessageWidth"], _RESULT["kMessageTop"] + _RESULT["kMessageHeight"])
# The sizes of the result pictures: three alike, and the one that asks for fewer moves.
RESULT_PICTURE = (_RESULT["kPictureWidth"], _RESULT["kPictureHeight"])
FEWER_MOVES_PICTURE = (_RESULT["kFewerMovesWidth"], _RESULT["kFewerMovesHeight"])

with open(os.path.join(_ROOT, "win32", "pictures.h")) as _source:
    _SCALES = re.search(r"kPictureDpis\{([\d, ]+)\};", _source.read())
# The resolutions, in dots per inch, that every picture is drawn for; 96 (100 %) first.
DPIS = [int(dpi) for dpi in _SCALES.group(1).split(",")]
LAYOUT_DPI = 96


def scaled(length, dpi):
    """A length of the 96-dpi layout at dpi, rounded to the nearest pixel with halves up, as the program
    scales it (win32/display_scale.h)."""
    return (length * dpi + LAYOUT_DPI // 2) // LAYOUT_DPI


def scaled_box(box, dpi):
    """An inclusive box (x0, y0, x1, y1) of the layout at dpi: the pixels the layout's pixels cover."""
    x0, y0, x1, y1 = box
    return scaled(x0, dpi), scaled(y0, dpi), scaled(x1 + 1, dpi) - 1, scaled(y1 + 1, dpi) - 1
