"""norvane.presidio inside Presidio's AnalyzerEngine, on Presidio's no-model NLP engine."""

import pytest

presidio_analyzer = pytest.importorskip("presidio_analyzer", reason="presidio-analyzer is not installed (extra 'presidio')")

from presidio_analyzer import AnalyzerEngine, RecognizerRegistry  # noqa: E402
from presidio_analyzer.nlp_engine import NoOpNlpEngine  # noqa: E402

import norvane  # noqa: E402
from norvane.presidio import ENTITY_NAMES, NorvaneRecognizer, presidio_score  # noqa: E402

TEXT = ("연락처 010-1234-5678, 주민번호 880101-1234568, 메일 kim@example.com 계좌번호 110-123-456789 "
        "생년월일 1988.01.01 여권번호 M12345678 운전면허 11-12-123456-12 사업자등록번호 123-45-67890 "
        "카드 4111-1111-1111-1111 외국인등록번호 880101-5234567")


def analyzer(*recognizers, language="ko"):
    registry = RecognizerRegistry(supported_languages=[language])
    for recognizer in recognizers:
        registry.add_recognizer(recognizer)
    engine = NoOpNlpEngine([{"lang_code": language, "model_name": "none"}])
    return AnalyzerEngine(registry=registry, nlp_engine=engine, supported_languages=[language])


def test_every_kind_comes_back_at_its_exact_offsets_with_its_presidio_name():
    results = analyzer(NorvaneRecognizer()).analyze(TEXT, language="ko")
    got = sorted((r.start, r.end, r.entity_type, TEXT[r.start:r.end], r.score) for r in results)
    expected = sorted((f.source.char_start, f.source.char_end, ENTITY_NAMES[f.entity], f.text(TEXT), f.score / 2)
                      for f in norvane.detect(TEXT).findings)
    assert got == expected
    assert [entity for _, _, entity, _, _ in got] == [
        "PHONE_NUMBER", "KR_RRN", "EMAIL_ADDRESS", "KR_BANK_ACCOUNT", "KR_BIRTH_DATE", "KR_PASSPORT",
        "KR_DRIVER_LICENSE", "KR_BRN", "CREDIT_CARD", "KR_FRN"]
    assert all(0 <= r.score <= 1 for r in results)


def test_the_explanation_is_built_from_the_evidence():
    (result,) = analyzer(NorvaneRecognizer()).analyze("연락처 010-1234-5678", language="ko",
                                                      return_decision_process=True)
    explanation = result.analysis_explanation
    assert (explanation.recognizer, explanation.pattern_name, explanation.validation_result) == (
        "NorvaneRecognizer", "phone.mobile_11", None)
    assert explanation.textual_explanation == (
        "norvane rule phone.mobile_11; certainty probable; score 1.02 of 2; no checksum (전화번호에는 검증식이 없다); "
        "cue words '연락처' at 1 (weight 0.89); read through separator.hyphen")
    assert result.recognition_metadata["norvane_certainty"] == "probable"
    (card,) = analyzer(NorvaneRecognizer()).analyze("카드 4111-1111-1111-1111", language="ko",
                                                    return_decision_process=True)
    assert card.analysis_explanation.validation_result is True


def test_entities_narrow_what_is_reported():
    only_phone = analyzer(NorvaneRecognizer()).analyze(TEXT, language="ko", entities=["PHONE_NUMBER"])
    assert [(r.entity_type, TEXT[r.start:r.end]) for r in only_phone] == [("PHONE_NUMBER", "010-1234-5678")]
    narrow = analyzer(NorvaneRecognizer(entities=["KR_RRN", "KR_FRN"])).analyze(TEXT, language="ko")
    assert sorted(r.entity_type for r in narrow) == ["KR_FRN", "KR_RRN"]
    with pytest.raises(ValueError, match="unknown entity 'US_SSN'; expected some of: KR_RRN, KR_FRN"):
        NorvaneRecognizer(entities=["US_SSN"])


def test_a_config_and_another_language_are_passed_through():
    strict = norvane.Config()
    strict.min_score = 1.5
    results = analyzer(NorvaneRecognizer(supported_language="en", config=strict), language="en").analyze(
        TEXT, language="en")
    # e-mail addresses take no threshold; of the rest only the resident number scores 1.5 or more
    assert sorted(r.entity_type for r in results) == ["EMAIL_ADDRESS", "KR_RRN"]


@pytest.mark.parametrize("score, expected", [(0.0, 0.0), (0.5, 0.25), (2.0, 1.0), (3.0, 1.0), (-1.0, 0.0),
                                             (float("nan"), 0.0)])
def test_scores_map_from_0_to_2_onto_0_to_1(score, expected):
    assert presidio_score(score) == expected
