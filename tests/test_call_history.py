"""A call's result does not depend on the calls made before it on the same thread (the core keeps
its working lists from call to call), nor on a call made from a signal handler in the middle of it."""
import random
import signal

import pytest

import norvane
from norvane import Config

from batch_cases import PIECES, texts

SHORT = "확인 후 010-4821-7730 번호로 다시 연락드릴게요."
# A list of numbers joined by spaces and commas (the run is split back into its pieces), long
# enough to grow every working list well past what a short text needs.
LIST = ", ".join(f"010-{1000 + i:04d}-{2000 + i:04d} 또는 {880101 + i}-1234568" for i in range(400))


def history_texts():
    rng = random.Random(11)
    long_mixed = " ".join(rng.choice(PIECES) for _ in range(3000))
    return texts(60, seed=5) + [SHORT, LIST, long_mixed, LIST[:300], long_mixed[:5000]]


@pytest.mark.parametrize("seed", [1, 2])
def test_detect_and_mask_equal_whatever_came_before(seed):
    all_texts = history_texts()
    configs = [None, Config.thorough()]
    # Each text under each setting once, in a first order; then the same pairs shuffled, so
    # short texts follow long ones and the other setting.
    first = {(i, j): norvane.detect(t, c).to_json()
             for i, t in enumerate(all_texts) for j, c in enumerate(configs)}
    first_mask = {(i, j): norvane.mask(t, None, c).text
                  for i, t in enumerate(all_texts) for j, c in enumerate(configs)}
    order = [(i, j) for i in range(len(all_texts)) for j in range(len(configs))]
    random.Random(seed).shuffle(order)
    again = {(i, j): norvane.detect(all_texts[i], configs[j]).to_json() for i, j in order}
    again_mask = {(i, j): norvane.mask(all_texts[i], None, configs[j]).text for i, j in order}
    assert again == first
    assert again_mask == first_mask


def test_detect_from_a_signal_handler_during_a_long_detect():
    """The interrupt check runs Python's signal handlers inside a call; a handler that detects
    again must get its own working lists and leave the outer call's intact."""
    if not hasattr(signal, "setitimer"):
        pytest.skip("needs setitimer")
    text = LIST * 60  # about 2 MB: long enough for the timer to fire inside the call
    expected_outer = norvane.detect(text).to_json()
    expected_inner = norvane.detect(SHORT).to_json()
    inner, in_call, fired_inside = [], [False], []

    def handler(signum, frame):
        fired_inside.append(in_call[0])
        inner.append(norvane.detect(SHORT).to_json())

    previous = signal.signal(signal.SIGALRM, handler)
    try:
        signal.setitimer(signal.ITIMER_REAL, 0.002, 0.002)
        in_call[0] = True
        report = norvane.detect(text)
        in_call[0] = False
        outer = report.to_json()
    finally:
        signal.setitimer(signal.ITIMER_REAL, 0, 0)
        signal.signal(signal.SIGALRM, previous)
    assert outer == expected_outer
    assert any(fired_inside), "the timer never fired inside the call"
    assert set(inner) == {expected_inner}
