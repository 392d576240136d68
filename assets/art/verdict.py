# The verdict texts shown beside the Emperor: centred serif lines with a small flourish between the two parts.
import result
from engrave import Drawing, poly_d
from geometry import FEWER_MOVES_PICTURE, RESULT_PICTURE
from pars import NAMED

FAMILY = "C059"
SIZE = 13
LEADING = 16

TEXTS = {
    "result1": (RESULT_PICTURE, ["You have", "accomplished", "your task in just", "%d moves." % NAMED["InJust17Moves"]],
                ["The Emperor", "is pleased."]),
    "result2": (FEWER_MOVES_PICTURE, ["You can accomplish", "your task in", "fewer moves."], ["Please try again"]),
    "result3": (RESULT_PICTURE, ["You have", "accomplished", "your task in just", "%d moves." % NAMED["InJust23Moves"]],
                ["The Emperor", "is pleased."]),
    "result4": (RESULT_PICTURE, ["You have", "awakened", "the Emperor"], ["The Emperor", "is not pleased."]),
}


def flourish(d, cx, y):
    for side in (-1, 1):
        d.cut([(cx + side * 6, y), (cx + side * 14, y - 2.5), (cx + side * 24, y + 1.5), (cx + side * 30, y - 0.5)], 1.0, 0.2, 1.4,
              colour=result.INK)
    d.fill(poly_d([(cx - 3.5, y), (cx, y - 3.5), (cx + 3.5, y), (cx, y + 3.5)], True), result.INK)


def drawing(name):
    (w, h), first, second = TEXTS[name]
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
