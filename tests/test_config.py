"""Config and the conventions of the configuration and result classes, seen from Python."""

import inspect
import math
import struct
import warnings
import weakref

import pytest

import norvane
from norvane import Config


def f32(x):
    """x rounded to a 32-bit float, the way the core stores it."""
    return struct.unpack("f", struct.pack("f", x))[0]


WEIGHTS = [("checksum_passed", 0.6), ("checksum_failed", 0.25), ("context", 0.5),
           ("absorbed_whitespace", 0.08), ("absorbed_separator", 0.01),
           ("expanded_syllable", 0.01), ("replaced_char", 0.002)]


class TestDefaults:
    def test_fields(self):
        c = Config()
        assert (c.nfc, c.fold, c.hangul, c.lookalike, c.separator) == (True,) * 5
        assert c.context_window == 24
        assert (c.min_score, c.min_context, c.min_veto) == (0.5, f32(0.3), 0.5)
        assert (c.numeral_min_digits_with_context, c.numeral_min_digits_without_context) == (2, 6)
        assert not hasattr(c, "numeral_context_gap")

    def test_weights_are_widened_32_bit_floats(self):
        w = Config().weights
        assert w == [(name, f32(v)) for name, v in WEIGHTS]
        assert w[0][1] == 0.6000000238418579
        assert all(type(pair) is tuple and type(pair[1]) is float for pair in w)

    def test_repr(self):
        assert repr(Config()) == "Config(min_score=0.5, min_context=0.3, context_window=24)"

    @pytest.mark.parametrize("value, text", [
        (1.0, "1"), (0.1, "0.1"), (1e-7, "0.0000001"), (-0.0, "-0"), (3e20, "300000000000000000000"),
        (float("nan"), "NaN"), (float("inf"), "inf"), (-float("inf"), "-inf"), (2**24 + 1, "16777216"),
    ])
    def test_repr_shows_shortest_32_bit_text(self, value, text):
        c = Config()
        c.min_context = value
        c.context_window = 0
        assert repr(c) == f"Config(min_score=0.5, min_context={text}, context_window=0)"


class TestSetters:
    def test_values_are_stored_without_range_checks(self):
        c = Config()
        c.nfc = False
        c.context_window = 2**32 - 1
        c.min_score = -3
        c.min_veto = True  # a bool has __index__
        c.numeral_min_digits_with_context = 2**64 - 1
        c.numeral_min_digits_without_context = 0
        assert (c.nfc, c.context_window, c.min_score, c.min_veto) == (False, 2**32 - 1, -3.0, 1.0)
        assert (c.numeral_min_digits_with_context, c.numeral_min_digits_without_context) == (2**64 - 1, 0)
        c.min_context = 0.1
        assert c.min_context == f32(0.1) != 0.1

    def test_float_fields_take_float_and_index(self):
        class Half:
            def __float__(self):
                return 0.5

        class Seven:
            def __index__(self):
                return 7

        c = Config()
        c.min_score, c.min_context = Half(), Seven()
        assert (c.min_score, c.min_context) == (0.5, 7.0)
        c.context_window = Seven()
        assert c.context_window == 7

    @pytest.mark.parametrize("attr, value, error, message", [
        ("nfc", 1, TypeError, "nfc must be a bool, not int"),
        ("separator", None, TypeError, "separator must be a bool, not NoneType"),
        ("structure", "yes", TypeError, "structure must be a bool, not str"),
        ("context_window", -1, OverflowError, "context_window must be from 0 to 4294967295, got -1"),
        ("context_window", 2**32, OverflowError, "context_window must be from 0 to 4294967295, got 4294967296"),
        ("context_window", 1.5, TypeError, "context_window must be an int, not float"),
        ("context_window", True, TypeError, "context_window must be an int, not bool"),
        ("numeral_min_digits_with_context", -1, OverflowError,
         "numeral_min_digits_with_context must be from 0 to 18446744073709551615, got -1"),
        ("numeral_min_digits_without_context", 2**64, OverflowError,
         "numeral_min_digits_without_context must be from 0 to 18446744073709551615, got 18446744073709551616"),
        ("numeral_min_digits_without_context", False, TypeError, "numeral_min_digits_without_context must be an int, not bool"),
        ("min_score", "0.5", TypeError, "min_score must be a real number, not str"),
        ("min_veto", None, TypeError, "min_veto must be a real number, not NoneType"),
        ("min_context", 1j, TypeError, "min_context must be a real number, not complex"),
    ])
    def test_conversion_errors_name_value_and_change_nothing(self, attr, value, error, message):
        c = Config()
        before = getattr(c, attr)
        with pytest.raises(error) as e:
            setattr(c, attr, value)
        assert str(e.value) == message
        assert getattr(c, attr) == before

    def test_every_setting_names_itself_in_its_type_error(self):
        c = Config()
        settable = [name for name in dir(c) if not name.startswith("_") and name not in ("weights", "set_weights", "thorough")]
        for name in settable:
            with pytest.raises(TypeError) as e:
                setattr(c, name, "x")
            assert str(e.value).startswith(f"{name} must be "), str(e.value)

    def test_a_finite_threshold_beyond_32_bit_floats_is_kept_infinite_with_a_warning(self):
        # Infinity compares with every score as the value given does: it worked and keeps working.
        c = Config()
        with pytest.warns(RuntimeWarning, match=r"^min_score: 1e\+39 is beyond the range of a 32-bit float and is kept as inf$"):
            c.min_score = 1e39
        with pytest.warns(RuntimeWarning, match=r"^min_veto: -1e\+300 .* kept as -inf$"):
            c.min_veto = -1e300
        assert (c.min_score, c.min_veto) == (float("inf"), -float("inf"))
        with warnings.catch_warnings():
            warnings.simplefilter("error")
            c.min_context = float("inf")  # given as infinity: nothing to say
            c.min_context = 3.4028235e38  # the largest 32-bit float
            assert c.min_context == 3.4028234663852886e38
            with pytest.raises(RuntimeWarning):
                c.min_context = 1e39
            assert c.min_context == 3.4028234663852886e38  # an error changes nothing

    def test_weights_beyond_32_bit_floats_warn_with_their_argument(self):
        c = Config()
        with pytest.warns(RuntimeWarning, match=r"^argument 'context': 1e\+300 is beyond .* kept as inf$"):
            c.set_weights(context=1e300)
        assert dict(c.weights)["context"] == float("inf")

    @pytest.mark.parametrize("attr", ["nfc", "context_window", "min_score", "numeral_min_digits_with_context"])
    def test_attributes_cannot_be_deleted(self, attr):
        with pytest.raises(TypeError, match="can't delete attribute"):
            delattr(Config(), attr)

    def test_weights_are_read_only_and_fresh(self):
        c = Config()
        with pytest.raises(AttributeError):
            c.weights = []
        w = c.weights
        w.clear()
        assert c.weights is not c.weights and len(c.weights) == 7


class TestSetWeights:
    def test_given_weights_change_and_the_others_stay(self):
        c = Config()
        c.set_weights(context=0.7, replaced_char=0)
        c.set_weights(0.9)
        expected = dict(WEIGHTS, checksum_passed=0.9, context=0.7, replaced_char=0.0)
        assert c.weights == [(name, f32(expected[name])) for name, _ in WEIGHTS]
        c.set_weights(None, None, None, None, None, None, None)
        assert c.weights == [(name, f32(expected[name])) for name, _ in WEIGHTS]

    def test_a_failed_conversion_changes_nothing(self):
        c = Config()
        with pytest.raises(TypeError) as e:
            c.set_weights(checksum_passed=0.9, checksum_failed=0.1, context="0.7")
        assert str(e.value) == "argument 'context': must be real number, not str"
        assert c.weights == Config().weights

    def test_a_failing_float_after_valid_ones_changes_nothing(self):
        class Broken:
            def __float__(self):
                raise ZeroDivisionError("no")

        c = Config()
        with pytest.raises(ZeroDivisionError):
            c.set_weights(0.1, 0.2, 0.3, 0.4, 0.5, 0.6, Broken())
        assert c.weights == Config().weights

    @pytest.mark.parametrize("call, message", [
        (lambda c: c.set_weights(1, 2, 3, 4, 5, 6, 7, 8),
         "Config.set_weights() takes from 0 to 7 positional arguments but 8 were given"),
        (lambda c: c.set_weights(weight=1), "Config.set_weights() got an unexpected keyword argument 'weight'"),
        (lambda c: c.set_weights(1, checksum_passed=1),
         "Config.set_weights() got multiple values for argument 'checksum_passed'"),
    ])
    def test_argument_errors(self, call, message):
        c = Config()
        with pytest.raises(TypeError) as e:
            call(c)
        assert str(e.value) == message
        assert c.weights == Config().weights

    def test_nan_weights_never_crash(self):
        c = Config()
        c.set_weights(context=float("nan"))
        report = norvane.detect("연락처 010-1234-5678", c)
        assert math.isnan(c.weights[2][1])
        # A NaN score fails no "<" test, so the phone is kept; JSON writes null, reprs NaN.
        [phone] = report.findings
        assert math.isnan(phone.score)
        assert repr(phone) == 'Finding(entity="phone", certainty="probable", score=NaN, byte=10..23)'
        assert [(r.entity, r.reason, repr(r)) for r in report.rejections] == [
            ("bank_account", "no_context", 'Rejection(entity="bank_account", reason="no_context", score=NaN)')]
        assert report.to_json().count('"score":null') == 2


def test_each_call_reads_the_config_it_is_given():
    text = "연락처 010-1234-5678"
    c = Config()
    assert len(norvane.detect(text, c)) == 1
    c.min_score = 2.0
    assert len(norvane.detect(text, c)) == 0
    c.min_score, c.separator = 0.5, False
    assert norvane.normalize(text, c).text == text
    assert len(norvane.detect(text, c)) == 0


# --------------------------------------------------------------------------------------------
# Conventions shared by the classes of this file and the result classes.

CLASSES = ["Config", "Normalized", "ContextHit", "Evidence", "Finding", "Rejection", "Report"]


@pytest.mark.parametrize("name", CLASSES)
def test_classes_are_final_without_dict_or_weakref(name):
    cls = getattr(norvane, name)
    assert cls.__module__ == "norvane" and cls.__name__ == name
    with pytest.raises(TypeError):
        type("Sub", (cls,), {})
    assert not hasattr(cls, "__dict__") or "__dict__" not in cls.__dict__
    assert "__weakref__" not in dir(cls)


def test_config_instances_take_no_new_attributes_or_weakrefs():
    c = Config()
    with pytest.raises(AttributeError):
        c.extra = 1
    with pytest.raises(TypeError):
        weakref.ref(c)


@pytest.mark.parametrize("name", CLASSES[1:])
def test_only_config_is_constructible(name):
    with pytest.raises(TypeError) as e:
        getattr(norvane, name)()
    assert str(e.value) == f"No constructor defined for {name}"


@pytest.mark.parametrize("call, message", [
    (lambda: Config(1), "Config() takes 0 positional arguments but 1 was given"),
    (lambda: Config(min_score=1), "Config() got an unexpected keyword argument 'min_score'"),
])
def test_config_takes_no_arguments(call, message):
    with pytest.raises(TypeError) as e:
        call()
    assert str(e.value) == message


@pytest.mark.parametrize("obj, signature", [
    (norvane.normalize, "(text, config=None)"),
    (norvane.detect, "(text, config=None)"),
    (norvane.entity_names, "()"),
    (Config, "()"),
    (Config.set_weights, "(self, /, checksum_passed=None, checksum_failed=None, context=None, "
                         "absorbed_whitespace=None, absorbed_separator=None, expanded_syllable=None, "
                         "replaced_char=None)"),
    (norvane.Finding.text, "(self, /, source_text)"),
    (norvane.Report.to_json, "(self, /)"),
])
def test_text_signatures_and_korean_docs(obj, signature):
    assert str(inspect.signature(obj)) == signature
    assert any("\uac00" <= ch <= "\ud7a3" for ch in obj.__doc__)
