"""Where the board window and the result window place their pictures and controls, read from the
program's own board/board_geometry.h and result/result_geometry.h so that the artwork and the
program cannot disagree."""
import os
import re

_ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
_TWIPS_PER_PIXEL = 15  # at 96 dpi, the resolution the artwork is drawn for


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
           _BOARD["kCounterLeft"] + _BOARD["kCounterWidthInTwips"] // _TWIPS_PER_PIXEL,
           _BOARD["kCounterTop"] + _BOARD["kCounterHeightInTwips"] // _TWIPS_PER_PIXEL)
TITLE = (_BOARD["kTitleLeft"], _BOARD["kTitleTop"])

_RESULT = _values("result/result_geometry.h")
RESULT_CLIENT = (_RESULT["kClientWidth"], _RESULT["kClientHeight"])
# x0, y0, x1, y1 of the verdict the program writes on the sign (exclusive).
MESSAGE = (_RESULT["kMessageLeft"], _RESULT["kMessageTop"],
           _RESULT["kMessageLeft"] + _RESULT["kMessageWidth"], _RESULT["kMessageTop"] + _RESULT["kMessageHeight"])
# The sizes of the result pictures: three alike, and the one that asks for fewer moves.
RESULT_PICTURE = (_RESULT["kPictureWidth"], _RESULT["kPictureHeight"])
FEWER_MOVES_PICTURE = (_RESULT["kFewerMovesWidth"], _RESULT["kFewerMovesHeight"])
