"""What every labelled corpus's documents must hold: each recorded value and look-alike slices
back from the text exactly, in characters and in UTF-8 bytes, and no two of them overlap."""


def assert_spans_exact(doc) -> None:
    raw = doc.text.encode()
    for r in doc.values + doc.negatives:
        assert doc.text[r.char_start:r.char_end] == r.text
        assert raw[r.byte_start:r.byte_end].decode() == r.text
        assert len(doc.text[:r.char_start].encode()) == r.byte_start


def assert_disjoint(doc) -> None:
    spans = sorted((r.char_start, r.char_end) for r in doc.values + doc.negatives)
    for (s0, e0), (s1, e1) in zip(spans, spans[1:]):
        assert e0 <= s1, (doc.genre, doc.text[s0:e1])
