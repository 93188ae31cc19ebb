"""Texts whose normalized form outgrows 32-bit offsets: refused like an over-large text. Tested
under a lowered limit; the real one is 4 GiB."""
import pytest

import _norvane_testing
import norvane

# "일억" reads as 100000000: seven bytes "일억 " become ten after the numeral pass (before the
# separator pass joins the runs again).
HUNDRED_MILLIONS = "일억 " * 3  # 21 bytes; 30 after the numeral pass, 28 at the end


def test_normalized_form_within_the_limit_is_kept():
    assert _norvane_testing.normalize_within(HUNDRED_MILLIONS, 30) == norvane.normalize(HUNDRED_MILLIONS).text
    assert norvane.normalize(HUNDRED_MILLIONS).text == "100000000100000000100000000 "


@pytest.mark.parametrize("limit", [21, 25, 29])
def test_normalized_form_past_the_limit_is_refused(limit):
    with pytest.raises(ValueError) as e:
        _norvane_testing.normalize_within(HUNDRED_MILLIONS, limit)
    assert str(e.value) == (
        "argument 'text': text of 21 bytes is too large once normalized; texts and their normalized form "
        f"must be shorter than {limit + 1} bytes of UTF-8"
    )


def test_growth_after_shrinking_counts_from_the_input_size():
    # "구" (3 bytes) becomes "9": six of them give twelve bytes back before the two hundred
    # millions grow by six, so the 32 bytes end as 26 and fit a limit of 32.
    text = "구구구구구구 일억 일억"
    assert len(text.encode()) == 32
    assert _norvane_testing.normalize_within(text, 32) == norvane.normalize(text).text


def test_input_past_the_limit_is_refused_with_the_argument_message():
    with pytest.raises(ValueError) as e:
        _norvane_testing.normalize_within("abcd", 3)
    assert str(e.value) == "argument 'text': text of 4 bytes is too large; texts must be shorter than 4 bytes of UTF-8"
    assert _norvane_testing.text_size_error(2**32) == (
        "argument 'text': text of 4294967296 bytes is too large; texts must be shorter than 4 GiB (4294967296 bytes) of UTF-8"
    )
