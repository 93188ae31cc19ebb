"""`python -m norvane`: the command line (the same as the `norvane` command)."""

import sys

from .cli import main

sys.exit(main(prog="python -m norvane"))
