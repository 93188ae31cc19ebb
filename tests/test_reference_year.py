"""Config.reference_year: the year the thorough mode weighs dates against (a date after it is no
one's birth date; a resident number born after it is not one issued since 2020). Pinned, the
findings are a function of the text and the settings alone; None reads the clock's year."""
import copy
import datetime
import pickle
import threading

import pytest
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import norvane
from norvane import Config, Policy, PolicySet
from norvane._core import _rebuild
from test_thorough_properties import FAMILIES
from test_thorough_properties import FRAGMENTS as THOROUGH_FRAGMENTS

# A birth date in 2027 under its label, the same date in English, and a resident number born in
# 2027 whose check digit fails (seventh digit 3: born since 2000).
TEXT = "생년월일: 2027.03.15\nDOB 15 MAR 2027\n주민번호 270315-3123456"
SEEN = {
    2026: [("resident", "270315-3123456", "resident.korean_13", ("context.letter_distance",))],
    2027: [("birth_date", "2027.03.15", "birth.yyyymmdd", ("context.letter_distance",)),
           ("birth_date", "15 MAR 2027", "birth.english_month", ("birth.english_month", "context.extra_label")),
           ("resident", "270315-3123456", "resident.recent", ("resident.recent", "context.letter_distance"))],
}
NOT_A_CARD_OR_ACCOUNT = [("credit_card", "270315-3123456", "no_context"),
                         ("bank_account", "270315-3123456", "no_context")]
REJECTED = {2026: [("birth_date", "15 MAR 2027", "look_alike"), *NOT_A_CARD_OR_ACCOUNT],
            2027: NOT_A_CARD_OR_ACCOUNT}


def thorough_at(year):
    c = Config.thorough()
    c.reference_year = year
    return c


def seen(report, text=TEXT):
    return [(f.entity, f.text(text), f.evidence.rule, tuple(f.evidence.extensions)) for f in report.findings]


def rejected(report, text=TEXT):
    return [(r.entity, text[r.source.char_start:r.source.char_end], r.reason) for r in report.rejections]


def clock_year():
    return datetime.datetime.now(datetime.timezone.utc).year


# ---------------------------------------------------------------------------------------------
# What the year changes


def test_findings_follow_the_pinned_year():
    for year in (2026, 2027):
        report = norvane.detect(TEXT, thorough_at(year))
        assert (seen(report), rejected(report)) == (SEEN[year], REJECTED[year])
    assert norvane.mask(TEXT, None, thorough_at(2026)).text == (
        "생년월일: 2027.03.15\nDOB 15 MAR 2027\n주민번호 [주민등록번호]")
    assert norvane.mask(TEXT, None, thorough_at(2027)).text == (
        "생년월일: [생년월일]\nDOB [생년월일]\n주민번호 [주민등록번호]")


def test_the_default_settings_read_no_year():
    default = Config()
    pinned = Config()
    pinned.reference_year = 2027
    assert norvane.detect(TEXT, pinned).to_json() == norvane.detect(TEXT, default).to_json()


# ---------------------------------------------------------------------------------------------
# Every surface that carries a Config carries the year


def by_every_surface(config):
    """The reports of TEXT (as JSON) and its masked text through each way a Config reaches the
    core, by name."""
    texts = [TEXT, "연락처 010-1234-5678", TEXT] * 8
    out = {
        "single": ([norvane.detect(t, config).to_json() for t in texts],
                   [norvane.mask(t, None, config).text for t in texts]),
        "pickled": ([norvane.detect(t, pickle.loads(pickle.dumps(config))).to_json() for t in texts],
                    [norvane.mask(t, None, copy.deepcopy(config)).text for t in texts]),
    }
    for threads in (1, 2):
        out[f"many, {threads} threads"] = (
            [r.to_json() for r in norvane.detect_many(texts, config, threads=threads)],
            [m.text for m in norvane.mask_many(texts, PolicySet(), config, threads=threads)])
    pa = pytest.importorskip("pyarrow")
    column = pa.array(texts)
    out["arrow"] = ([r.to_json() for r in norvane.detect_many(column, config, threads=2)],
                    pa.array(norvane.mask_many(column, None, config, threads=2)).to_pylist())
    return out


@pytest.mark.parametrize("year", [2026, 2027])
def test_every_surface_gives_the_single_calls_result(year):
    results = by_every_surface(thorough_at(year))
    single = results["single"]
    assert {name: r == single for name, r in results.items()} == {name: True for name in results}


def test_copies_and_pickles_keep_the_year_and_the_rest():
    config = thorough_at(2027)
    config.min_score = 0.25
    for other in (copy.copy(config), copy.deepcopy(config), pickle.loads(pickle.dumps(config))):
        assert (other.reference_year, other.min_score, repr(other)) == (2027, 0.25, repr(config))
    assert pickle.loads(pickle.dumps(Config.thorough())).reference_year is None


# ---------------------------------------------------------------------------------------------
# Setting, showing and refusing


def test_repr_shows_a_pinned_year_and_none_resets_it():
    c = Config()
    assert c.reference_year is None
    c.reference_year = 2026
    assert (c.reference_year, repr(c)) == (
        2026, "Config(min_score=0.5, min_context=0.3, context_window=24, reference_year=2026)")
    c.reference_year = None
    assert (c.reference_year, repr(c)) == (None, "Config(min_score=0.5, min_context=0.3, context_window=24)")


def test_years_at_the_ends_of_the_range_and_integer_like_values():
    class Year:
        def __index__(self):
            return 2030

    c = Config()
    assert [setattr(c, "reference_year", y) or c.reference_year for y in (1900, 2099, Year())] == [1900, 2099, 2030]


@pytest.mark.parametrize("value, error, message", [
    ("2026", TypeError, "reference_year must be an int or None, not str"),
    (2026.0, TypeError, "reference_year must be an int or None, not float"),
    (True, TypeError, "reference_year must be an int or None, not bool"),
    (1899, ValueError, "reference_year must be a year from 1900 to 2099, got 1899"),
    (2100, ValueError, "reference_year must be a year from 1900 to 2099, got 2100"),
    (-2026, ValueError, "reference_year must be a year from 1900 to 2099, got -2026"),
    (10**30, ValueError, f"reference_year must be a year from 1900 to 2099, got {10**30}"),
])
def test_bad_years_are_refused_and_change_nothing(value, error, message):
    c = thorough_at(2027)
    with pytest.raises(error) as raised:
        c.reference_year = value
    assert str(raised.value) == message
    with pytest.raises(TypeError, match="can't delete attribute"):
        del c.reference_year
    assert c.reference_year == 2027



# ---------------------------------------------------------------------------------------------
# Stored configs

# A thorough Config's state as pickles made before the setting existed hold it.
OLD_THOROUGH_STATE = {
    "nfc": True, "fold": True, "hangul": True, "lookalike": True, "separator": True, "context_window": 24,
    "min_score": 0.5, "min_context": 0.3, "min_veto": 0.5, "numeral_min_digits_with_context": 2,
    "numeral_min_digits_without_context": 6, "label_reading": True, "structure": True,
    "extra_shapes": True, "recent_resident": True, "company_veto": True, "lookalike_veto": True,
    "numeral_words": True, "writing_variants": True,
    "weights": {"checksum_passed": 0.6, "checksum_failed": 0.25, "context": 0.7, "absorbed_whitespace": 0.04,
                "absorbed_separator": 0.01, "expanded_syllable": 0.01, "replaced_char": 0.002},
}


def test_old_pickles_load_reading_the_clock():
    old = _rebuild(Config, OLD_THOROUGH_STATE)
    # A family added since (scanned_letters) stays off: the stored settings read as they did.
    then = Config.thorough()
    then.scanned_letters = False
    assert (old.reference_year, repr(old)) == (None, repr(then))
    assert norvane.detect(TEXT, old).to_json() == norvane.detect(TEXT, then).to_json()


def test_states_carry_the_year_through_its_checks():
    assert _rebuild(Config, {**OLD_THOROUGH_STATE, "reference_year": 2027}).reference_year == 2027
    assert _rebuild(Config, {"reference_year": None}).reference_year is None
    with pytest.raises(ValueError, match="^reference_year must be a year from 1900 to 2099, got 1800$"):
        _rebuild(Config, {"reference_year": 1800})
    with pytest.raises(TypeError, match="^reference_year must be an int or None, not str$"):
        _rebuild(Config, {"reference_year": "2026"})


# ---------------------------------------------------------------------------------------------
# None is the clock's year


def dated_pieces():
    """Dates and resident numbers around the clock's year, and the labels that make them read."""
    now = clock_year()
    pieces = ["생년월일 ", "DOB ", "주민번호 ", "여권 만료일 ", "\n", " ", ", "]
    for year in (now - 1, now, now + 1):
        yy = year % 100
        pieces += [f"{year}.03.15", f"{year}0315", f"15 MAR {year}", f"{year}년 3월 15일",
                   f"{yy:02d}0315-3123456", f"{yy:02d}0315-4000000", f"{yy:02d}01017654321"]
    return pieces


@settings(max_examples=150, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(st.lists(st.one_of(st.sampled_from(dated_pieces()), st.text(max_size=6)), max_size=12))
def test_a_year_pinned_to_the_clocks_gives_the_unpinned_result(pieces):
    text = "".join(pieces)
    assert norvane.detect(text, thorough_at(clock_year())).to_json() == \
        norvane.detect(text, Config.thorough()).to_json()


# ---------------------------------------------------------------------------------------------
# Any settings at all


WEIRD_FLOATS = [0.0, -1.0, 0.3, 0.5, 1.0, 2.0, float("nan"), float("inf"), float("-inf")]


@st.composite
def any_configs(draw):
    """A Config with every setting Python can change drawn, from ordinary to absurd values."""
    c = Config.thorough() if draw(st.booleans()) else Config()
    for flag in ("nfc", "fold", "hangul", "lookalike", "separator", *FAMILIES):
        if draw(st.booleans()):
            setattr(c, flag, draw(st.booleans()))
    c.context_window = draw(st.sampled_from([0, 1, 8, 24, 300, 2**32 - 1]))
    c.numeral_min_digits_with_context = draw(st.sampled_from([0, 1, 2, 6, 2**64 - 1]))
    c.numeral_min_digits_without_context = draw(st.sampled_from([0, 1, 2, 6, 2**64 - 1]))
    for threshold in ("min_score", "min_context", "min_veto"):
        if draw(st.booleans()):
            setattr(c, threshold, draw(st.sampled_from(WEIRD_FLOATS)))
    if draw(st.booleans()):
        c.set_weights(**{name: draw(st.sampled_from(WEIRD_FLOATS)) for name, _ in c.weights})
    c.reference_year = draw(st.one_of(st.none(), st.sampled_from([1900, 1990, 2026, 2027, 2099]),
                                      st.integers(1900, 2099)))
    return c


def exact_spans(report, text):
    """Whether every finding and rejection slices its source and its normalized text alike by
    bytes and by characters, inside the text."""
    size, normalized = len(text.encode()), report.normalized_text
    for f in report.findings:
        if not (0 <= f.source.byte_start < f.source.byte_end <= size and
                f.text(text) == f.source.slice(text) == text[f.source.char_start:f.source.char_end] and
                f.normalized.slice(normalized) == normalized[f.normalized.char_start:f.normalized.char_end]):
            return False
    return all(r.source.slice(text) == text[r.source.char_start:r.source.char_end] for r in report.rejections)


any_texts = st.lists(st.one_of(st.sampled_from(THOROUGH_FRAGMENTS + dated_pieces()), st.text(max_size=6)),
                     max_size=10).map("".join)


@settings(max_examples=120, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(st.lists(any_texts, min_size=1, max_size=6), any_configs())
def test_any_settings_give_exact_spans_and_the_same_results_on_every_surface(texts, config):
    reports = [norvane.detect(t, config) for t in texts]
    assert all(exact_spans(r, t) for r, t in zip(reports, texts))
    tokenize = PolicySet(Policy.tokenize())
    masked = [norvane.mask(t, tokenize, config) for t in texts]
    assert [norvane.unmask(m.text, m.restore) for m in masked] == texts
    again = pickle.loads(pickle.dumps(config))
    assert repr(again) == repr(config) and again.reference_year == config.reference_year
    # Batches next to single calls (an Arrow column's tokens are numbered across the column:
    # labels are compared there).
    single = ([r.to_json() for r in reports], [m.text for m in masked],
              [norvane.mask(t, None, config).text for t in texts])
    for threads in (1, 2):
        assert ([r.to_json() for r in norvane.detect_many(texts, again, threads=threads)],
                [m.text for m in norvane.mask_many(texts, tokenize, config, threads=threads)],
                [m.text for m in norvane.mask_many(texts, None, config, threads=threads)]) == single
    pa = pytest.importorskip("pyarrow")
    column = pa.array(texts)
    assert ([r.to_json() for r in norvane.detect_many(column, config, threads=2)],
            pa.array(norvane.mask_many(column, None, config, threads=2)).to_pylist()) == (single[0], single[2])


# ---------------------------------------------------------------------------------------------
# A Config shared by threads


def test_a_call_reads_the_year_once_while_another_thread_changes_it():
    """Each call copies the Config it is given: a batch sees one year throughout, whatever
    another thread sets meanwhile."""
    config = thorough_at(2026)
    by_year = {year: norvane.detect(TEXT, thorough_at(year)).to_json() for year in (2026, 2027)}
    texts = [TEXT] * 400
    stop = threading.Event()

    def flip():
        while not stop.is_set():
            for year in (2027, 2026):
                config.reference_year = year

    flipper = threading.Thread(target=flip)
    flipper.start()
    try:
        for _ in range(20):
            batch = {r.to_json() for r in norvane.detect_many(texts, config, threads=2)}
            assert len(batch) == 1 and batch <= set(by_year.values())
    finally:
        stop.set()
        flipper.join()
    assert config.reference_year == 2026
