"""The par each result picture names ("in just 17 moves"), read from the puzzles' own table in
core/puzzles.cpp so that the lettering and the rules cannot disagree."""
import os
import re

_TABLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "core", "puzzles.cpp")

with open(_TABLE) as _source:
    _TEXT = _source.read()
# One puzzle a line: drawn("start"), drawn("goal"), par, ResultPicture::InPar, slot 7 must stay.
_ROWS = re.findall(r'^\s+\{drawn\("[^"]*"\), drawn\("[^"]*"\), (\d+), ResultPicture::(\w+), (?:true|false)\},$', _TEXT, re.M)
if len(_ROWS) != 3:
    raise SystemExit("pars.py: core/puzzles.cpp does not list three puzzles as it used to")

# ResultPicture name -> the par of the puzzles solved in par with it.
NAMED = {}
for _par, _picture in _ROWS:
    if NAMED.setdefault(_picture, int(_par)) != int(_par):
        raise SystemExit("pars.py: puzzles with different pars share the picture " + _picture)
