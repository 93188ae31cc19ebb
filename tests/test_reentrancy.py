"""Arguments whose conversion runs Python code (__index__, __float__) that changes or empties the
container the argument came from: the values in use must stay alive and the result must be what
the values gave when they were read."""
import gc
import hashlib
import hmac
import weakref

import norvane
from norvane import Config, Policy, PolicySet, Span

PHONE = "010-1234-5678"


class Byte:
    """An integer-like value that can be freed (small ints never are)."""

    def __init__(self, value):
        self.value = value

    def __index__(self):
        return self.value


def hashed(policy):
    return norvane.mask(PHONE, PolicySet(policy)).text


def expected_hash(key, length):
    return "[PHONE:" + hmac.new(bytes(key), PHONE.encode(), hashlib.sha256).hexdigest()[:length] + "]"


def test_hash_key_list_emptied_by_its_first_item():
    key = []
    rest = [Byte(7) for _ in range(200)]
    alive = [weakref.ref(b) for b in rest]
    seen_alive = []

    class Clearing:
        def __index__(self):
            key.clear()
            rest.clear()
            gc.collect()
            seen_alive.append(all(r() is not None for r in alive))
            return 1

    key.extend([Clearing()] + rest)
    policy = Policy.hash(key, 8)
    assert seen_alive == [True]
    assert hashed(policy) == expected_hash([1] + [7] * 200, 8)


def test_hash_key_list_grown_by_its_items():
    key = []

    class Growing:
        def __index__(self):
            key.extend([Byte(9)] * 1000)
            return 2

    key.extend([Growing(), Byte(3), Growing()])
    assert hashed(Policy.hash(key, 64)) == expected_hash([2, 3, 2], 64)


def test_hash_key_list_items_replaced_while_read():
    key = [Byte(0) for _ in range(50)]

    class Replacing:
        def __index__(self):
            for i in range(len(key)):
                key[i] = Byte(255)
            gc.collect()
            return 4

    key.insert(0, Replacing())
    assert hashed(Policy.hash(key, 16)) == expected_hash([4] + [0] * 50, 16)


def empty_dicts_holding(value, key):
    """Empties every dict that holds value under key, the call's own keyword dict included."""
    found = [d for d in gc.get_referrers(value) if isinstance(d, dict) and d.get(key) is value]
    for d in found:
        d.clear()
    return len(found)


def test_keyword_dict_emptied_during_constructor_conversion():
    later = [Byte(5), Byte(6), Byte(7)]
    alive = [weakref.ref(b) for b in later]
    seen_alive = []

    class Clearing:
        def __index__(self):
            assert empty_dicts_holding(self, "byte_start") >= 1
            gc.collect()
            seen_alive.append(all(r() is not None for r in alive))
            return 1

    kwargs = {"byte_start": Clearing(), "byte_end": later[0], "char_start": later[1], "char_end": later[2]}
    later.clear()
    span = Span(**kwargs)
    del kwargs
    assert seen_alive == [True]
    assert (span.byte_start, span.byte_end, span.char_start, span.char_end) == (1, 5, 6, 7)


def test_weights_given_as_keywords_freed_during_conversion():
    class Weight(float):
        pass

    later = Weight(0.25)
    alive = weakref.ref(later)
    seen_alive = []

    class Clearing:
        def __float__(self):
            assert empty_dicts_holding(self, "checksum_passed") >= 1
            gc.collect()
            seen_alive.append(alive() is not None)
            return 0.5

    kwargs = {"checksum_passed": Clearing(), "context": later}
    del later
    config = Config()
    config.set_weights(**kwargs)
    del kwargs
    assert seen_alive == [True]
    weights = dict(config.weights)
    assert (weights["checksum_passed"], weights["context"]) == (0.5, 0.25)
