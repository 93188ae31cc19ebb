"""A hash of everything detect and mask return on the labelled documents, for each setting: the
gate for work that must leave outputs byte-identical (run it before and after, compare).

    python bench/output_hash.py                 # 1500 documents of each part, both settings
    python bench/output_hash.py --documents 200

Both settings have their reference year pinned to 2026 (labelled.REFERENCE_YEAR), so the hashes
do not move when the clock's year does.
"""

from __future__ import annotations

import argparse
import hashlib
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import labelled  # noqa: E402


def output_hashes(documents: int, seed: int = 1) -> dict:
    """SHA-256 over detect(text, config).to_json() and mask(text, None, config).text of every
    document of both parts, for Config() and Config.thorough(), each pinned to the reference year."""
    import norvane
    docs = [d for part in labelled.PARTS for d in labelled.generate(part, documents, seed)]
    out = {}
    for name, config in (("default", labelled.pinned(norvane.Config())),
                         ("thorough", labelled.pinned(norvane.Config.thorough()))):
        h = hashlib.sha256()
        for d in docs:
            h.update(norvane.detect(d.text, config).to_json().encode())
            h.update(b"\0")
            h.update(norvane.mask(d.text, None, config).text.encode())
            h.update(b"\0")
        out[name] = h.hexdigest()
    return out


def main() -> None:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--documents", type=int, default=1500, help="documents per part")
    ap.add_argument("--seed", type=int, default=1)
    a = ap.parse_args()
    for name, digest in output_hashes(a.documents, a.seed).items():
        print(f"{name:9} {digest}")


if __name__ == "__main__":
    main()
