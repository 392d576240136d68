"""Where the board window places its slots, counter and title, read from the program's own
board/board_geometry.h so that the artwork and the program cannot disagree."""
import os
import re

_HEADER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "board", "board_geometry.h")
_TWIPS_PER_PIXEL = 15  # at 96 dpi, the resolution the artwork is drawn for

with open(_HEADER) as _source:
    _VALUES = {name: int(value) for name, value in re.findall(r"constexpr int (k\w+) = (\d+);", _source.read())}

CLIENT = (_VALUES["kClientWidth"], _VALUES["kClientHeight"])
# x0, y0, x1, y1 of the nine slots together (inclusive).
GRID = (_VALUES["kSlotLeft"], _VALUES["kSlotTop"],
        _VALUES["kSlotLeft"] + 2 * _VALUES["kSlotPitch"] + _VALUES["kSlotSize"] - 1,
        _VALUES["kSlotTop"] + 2 * _VALUES["kSlotPitch"] + _VALUES["kSlotSize"] - 1)
# x0, y0, x1, y1 of the counter, with one pixel to spare on the right and below.
COUNTER = (_VALUES["kCounterLeft"], _VALUES["kCounterTop"],
           _VALUES["kCounterLeft"] + _VALUES["kCounterWidthInTwips"] // _TWIPS_PER_PIXEL,
           _VALUES["kCounterTop"] + _VALUES["kCounterHeightInTwips"] // _TWIPS_PER_PIXEL)
SPLASH = (_VALUES["kSplashLeft"], _VALUES["kSplashTop"])
