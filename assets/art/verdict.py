# The verdict texts shown beside the Emperor: centred serif lines with a small flourish between the two parts.
import os
import re

import result
from engrave import Drawing, poly_d
from geometry import FEWER_MOVES_PICTURE, RESULT_PICTURE
from pars import NAMED

FAMILY = "C059"
SIZE = 13
LEADING = 16

with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "win32", "texts.rc")) as _table:
    _STRINGS = dict(re.findall(r'^\s+(IDS_\w+) "([^"]*)"$', _table.read(), re.M))

# Each picture: its size, the words it is lettered with, as the string table gives them to screen
# readers (with the par the picture names for %1), and how many of them each line takes: the first
# sentence above the flourish, the rest below it. Should the words change, their count must be
# looked at again, or the generator stops.
TEXTS = {
    "result1": (RESULT_PICTURE, "IDS_WORDS_IN_PAR", NAMED["InJust17Moves"], [2, 1, 4, 2], [2, 2]),
    "result2": (FEWER_MOVES_PICTURE, "IDS_WORDS_FEWER_MOVES", None, [3, 3, 2], [3]),
    "result3": (RESULT_PICTURE, "IDS_WORDS_IN_PAR", NAMED["InJust23Moves"], [2, 1, 4, 2], [2, 2]),
    "result4": (RESULT_PICTURE, "IDS_WORDS_EMPEROR_WOKEN", None, [2, 1, 2], [2, 3]),
}


def lines(name):
    """The picture's lines above the flourish and below it."""
    _, string, par, above, below = TEXTS[name]
    words = _STRINGS[string].replace("%1", str(par)).split()
    first = next(at for at, word in enumerate(words) if word.endswith(".")) + 1
    parts = []
    for part, counts in ((words[:first], above), (words[first:], below)):
        if sum(counts) != len(part):
            raise SystemExit("verdict.py: %s's words changed: %s" % (string, " ".join(part)))
        at = 0
        parts.append([])
        for count in counts:
            parts[-1].append(" ".join(part[at:at + count]))
            at += count
    return parts


def flourish(d, cx, y):
    for side in (-1, 1):
        d.cut([(cx + side * 6, y), (cx + side * 14, y - 2.5), (cx + side * 24, y + 1.5), (cx + side * 30, y - 0.5)], 1.0, 0.2, 1.4,
              colour=result.INK)
    d.fill(poly_d([(cx - 3.5, y), (cx, y - 3.5), (cx + 3.5, y), (cx, y + 3.5)], True), result.INK)


def drawing(name):
    w, h = TEXTS[name][0]
    first, second = lines(name)
    d = Drawing(w, h, result.GROUND)
    cap = SIZE * 0.7
    flourish_drop, second_drop = 11, 26  # below the last baseline of the first part
    block = cap + (len(first) - 1) * LEADING + second_drop + (len(second) - 1) * LEADING
    y = round((h - block) / 2 + cap)
    for line in first:
        d.text(w / 2, y, line, SIZE, FAMILY, anchor="middle", colour=result.INK)
        y += LEADING
    y -= LEADING
    flourish(d, w / 2, y + flourish_drop)
    y += second_drop
    for line in second:
        d.text(w / 2, y, line, SIZE, FAMILY, style="italic", anchor="middle", colour=result.INK)
        y += LEADING
    return d
