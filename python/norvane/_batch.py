"""Many texts in one call: the library's batch functions, with the per-text functions as the
fallback of a build without them."""

from __future__ import annotations

from typing import List

import norvane


def mask_texts(texts: List[str], policies, config, threads: int = 1) -> list:
    """`norvane.mask` of every text, in order."""
    many = getattr(norvane, "mask_many", None)
    if many is not None:
        return many(texts, policies, config, threads=threads)
    return [norvane.mask(text, policies, config) for text in texts]


def detect_texts(texts: List[str], config, threads: int = 1) -> list:
    """`norvane.detect` of every text, in order."""
    many = getattr(norvane, "detect_many", None)
    if many is not None:
        return many(texts, config, threads=threads)
    return [norvane.detect(text, config) for text in texts]


def mask_column(array, policies, config, threads: int = 1):
    """A pyarrow string array with every value masked (nulls stay null), of the same type."""
    import pyarrow as pa

    many = getattr(norvane, "mask_many", None)
    if many is not None:
        return pa.array(many(array, policies, config, threads=threads)).cast(array.type)
    texts = array.to_pylist()
    present = [t for t in texts if t is not None]
    masked = iter(out.text for out in mask_texts(present, policies, config, threads))
    return pa.array([None if t is None else next(masked) for t in texts], type=array.type)
