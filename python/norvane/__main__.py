"""`python -m norvane`: the command line is not written yet; this entry says so and exits 2."""

import sys


def main() -> int:
    print(
        "usage: python -m norvane\n"
        "norvane has no command-line interface yet; use the Python API (import norvane).",
        file=sys.stderr,
    )
    return 2


if __name__ == "__main__":
    sys.exit(main())
