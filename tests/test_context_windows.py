"""Windows wider than the default walk until the walks have covered the text's size, then look
cues up in an index of the text. Both give the same hits: a text padded with trailing spaces
(which only delays the switch, as the walks then never cover the text) reports the same."""
import json

from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import norvane
from norvane import Config

PIECES = ["연락처 ", "주민번호 ", "계좌번호 ", "주문번호 ", "고객센터 ", "카드 ", "010-1234-5678", "880101-1234568",
          "110-123-456789", "4111 1111 1111 1111", "02-123-4567", "1 ", "2024", ", ", "\n", "전화 ", "메일 ",
          "kim@example.com", "M12345678", "여권번호 ", "사업자 ", "123-45-67890"]


def findings_and_rejections(text, window):
    config = Config()
    config.context_window = window
    report = json.loads(norvane.detect(text, config).to_json())
    return report["findings"], report["rejections"]


@settings(max_examples=60, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(pieces=st.lists(st.sampled_from(PIECES), min_size=1, max_size=12), repeat=st.integers(20, 60),
       window=st.sampled_from([25, 40, 64, 100, 200, 256]))
def test_index_after_walks_reports_what_walks_alone_report(pieces, repeat, window):
    text = "".join(pieces) * repeat
    padded = text + " " * (len(text.encode()) * 2 * window)
    assert findings_and_rejections(text, window) == findings_and_rejections(padded, window)


WIDTHS = [0, 1, 5, 24, 25, 60, 255, 256, 257, 4096, 2**32 - 1]


def nearest(text, cue, start, end, window):
    """The distance of the nearest occurrence of `cue` wholly in the `window` characters on either
    side of text[start:end], or None: the plain reading of a cue hit."""
    best = None
    at = text.rfind(cue, max(0, start - window), start)
    if at >= 0:
        best = start - (at + len(cue))
    at = text.find(cue, end, end + window)
    if at >= 0 and at + len(cue) <= end + window and (best is None or at - end < best):
        best = at - end
    return best


@settings(max_examples=80, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(pieces=st.lists(st.sampled_from(PIECES + ["가나다라마바사 ", "  ", "note: ", "😀"]), min_size=1, max_size=40),
       repeat=st.integers(1, 30), window=st.sampled_from(WIDTHS), thorough=st.booleans())
def test_every_width_reports_the_nearest_occurrence_of_each_cue_in_its_window(pieces, repeat, window, thorough):
    text = "".join(pieces) * repeat
    config = Config.thorough() if thorough else Config()
    config.context_window = window
    report = norvane.detect(text, config)
    normalized = report.normalized_text
    checked = 0
    for f in report.findings:
        if f.evidence.extensions:  # labels read by the extension families, not cue words
            continue
        start, end = f.normalized.char_start, f.normalized.char_end
        for hit in f.evidence.context_hits:
            assert nearest(normalized, hit.cue, start, end, window) == hit.distance, (hit.cue, window)
            checked += 1
    if window == 0:
        assert checked == 0
    # Walks and the index agree: trailing spaces keep windows up to 256 walking longer.
    if 24 < window <= 256 and not thorough and len(text) < 2000:
        padded = text + " " * (len(text.encode()) * 2 * window)
        assert findings_and_rejections(text, window) == findings_and_rejections(padded, window)


# ---------------------------------------------------------------------------------------------
# Lists mended piece by piece skip the pieces that cannot win (their absorbed separators cost
# too much for the best score there is). A cost weight below zero turns that skipping off; given
# to Hangul numerals, which these texts do not hold, it changes no score: the findings must be
# the same.

LIST_PIECES = ["010", "1234", "5678", "02", "123", "4567", "880101", "1234568", "4111", "1111", "1", "0", "O",
               "12", "2024", "0101"]
SEPARATORS = [" ", "  ", ", ", ",", "-", " - "]
CUES = ["", "", "연락처 ", "주민번호 ", "카드번호 ", "주문번호 ", "계좌 "]


def findings(text, config):
    return json.loads(norvane.detect(text, config).to_json())["findings"]


@settings(max_examples=150, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(
    items=st.lists(st.tuples(st.sampled_from(LIST_PIECES), st.sampled_from(SEPARATORS)), min_size=2, max_size=30),
    cue=st.sampled_from(CUES),
    window=st.sampled_from([0, 3, 24, 60]),
    whitespace=st.sampled_from([0.08, 0.01, 0.0, 0.3]),
    min_score=st.sampled_from([0.5, 0.2, 0.9]),
)
def test_skipping_pieces_that_cannot_win_changes_no_finding(items, cue, window, whitespace, min_score):
    text = cue + "".join(p + s for p, s in items) + " 끝"
    pruned = Config()
    pruned.context_window = window
    pruned.min_score = min_score
    pruned.set_weights(absorbed_whitespace=whitespace)
    unpruned = Config()
    unpruned.context_window = window
    unpruned.min_score = min_score
    unpruned.set_weights(absorbed_whitespace=whitespace, expanded_syllable=-1e-30)
    assert findings(text, pruned) == findings(text, unpruned)
