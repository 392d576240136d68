"""The par each result picture names ("in just 17 moves"), read from the puzzles' own table in
core/puzzles.cpp so that the lettering and the rules cannot disagree."""
import os
import re

_TABLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "core", "puzzles.cpp")

with open(_TABLE) as _source:
    _TEXT = _source.read()
_PARS = [int(par) for par in re.findall(r"^\s+\.par = (\d+),$", _TEXT, re.M)]
_PICTURES = re.findall(r"^\s+\.inPar = ResultPicture::(\w+),$", _TEXT, re.M)
if not _PARS or len(_PARS) != len(_PICTURES):
    raise SystemExit("pars.py: core/puzzles.cpp has no .par and .inPar for every puzzle")

# ResultPicture name -> the par of the puzzles solved in par with it.
NAMED = {}
for _picture, _par in zip(_PICTURES, _PARS):
    if NAMED.setdefault(_picture, _par) != _par:
        raise SystemExit("pars.py: puzzles with different pars share the picture " + _picture)
