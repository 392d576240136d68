"""The files that lie beside the program at run time, as packaging/runtime-files.txt names them: the
generator writes some of them, and names them only by the name the list gives each."""
import os

_ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")

with open(os.path.join(_ROOT, "packaging", "runtime-files.txt")) as _listed:
    # name -> path under assets/runtime, with / between folders
    FILES = dict(line.split() for line in _listed if line.strip() and not line.startswith("#"))


def path(name):
    """The run-time file called name, under assets/ (as the icon list names files)."""
    return "runtime/" + FILES[name]
