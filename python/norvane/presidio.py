"""norvane as a Presidio recognizer (extra `presidio`).

    from presidio_analyzer import AnalyzerEngine
    from norvane.presidio import NorvaneRecognizer

    analyzer = AnalyzerEngine(supported_languages=["ko"], nlp_engine=...)
    analyzer.registry.add_recognizer(NorvaneRecognizer())
    analyzer.analyze(text, language="ko")

Each finding becomes a `RecognizerResult` at its exact character offsets in the analyzed text.
norvane scores run from 0 to 2; Presidio's from 0 to 1, so the score is halved. The
explanation tells the rule, the checksum, the cue words near the value and the normalizations
that were needed to read it.
"""

from __future__ import annotations

import math
from typing import Dict, List, Optional

from presidio_analyzer import AnalysisExplanation, LocalRecognizer, RecognizerResult

import norvane

# norvane's kinds and the entity names they carry in Presidio. Presidio has no name of its own
# for the last two; these follow its KR_ names.
ENTITY_NAMES: Dict[str, str] = {
    "resident": "KR_RRN",
    "foreigner_registration": "KR_FRN",
    "business_registration": "KR_BRN",
    "credit_card": "CREDIT_CARD",
    "bank_account": "KR_BANK_ACCOUNT",
    "phone": "PHONE_NUMBER",
    "email": "EMAIL_ADDRESS",
    "driver_license": "KR_DRIVER_LICENSE",
    "birth_date": "KR_BIRTH_DATE",
    "passport": "KR_PASSPORT",
}

MAX_SCORE = 2.0   # norvane clamps every score to 0..2


def presidio_score(score: float) -> float:
    """A norvane score (0..2) on Presidio's 0..1 scale; NaN (only from NaN weights) counts as 0."""
    if math.isnan(score):
        return 0.0
    return min(1.0, max(0.0, score / MAX_SCORE))


def explain(finding) -> str:
    """One line on why norvane reported the finding, from its evidence."""
    evidence = finding.evidence
    parts = [f"norvane rule {evidence.rule}", f"certainty {finding.certainty}", f"score {finding.score:.2f} of 2"]
    if evidence.checksum == "not_applicable":
        parts.append(f"no checksum ({evidence.checksum_reason})")
    else:
        parts.append(f"checksum {evidence.checksum}")
    if evidence.context_hits:
        parts.append("cue words " + ", ".join(f"'{hit.cue}' at {hit.distance} (weight {hit.weight:.2f})"
                                               for hit in evidence.context_hits))
    if evidence.normalizations:
        parts.append("read through " + ", ".join(evidence.normalizations))
    return "; ".join(parts)


class NorvaneRecognizer(LocalRecognizer):
    """Korean personal information found by norvane, as Presidio results.

    `config` is a `norvane.Config` (defaults when None); `entities` narrows the Presidio entity
    names reported (all of `ENTITY_NAMES` by default)."""

    def __init__(self, supported_language: str = "ko", config: Optional[norvane.Config] = None,
                 entities: Optional[List[str]] = None, name: str = "NorvaneRecognizer"):
        known = list(ENTITY_NAMES.values())
        if entities is not None:
            unknown = [e for e in entities if e not in known]
            if unknown:
                raise ValueError(f"unknown entity {unknown[0]!r}; expected some of: {', '.join(known)}")
        self.config = config if config is not None else norvane.Config()
        self.recognizer_name: str = name
        super().__init__(supported_entities=list(entities) if entities is not None else known,
                         name=name, supported_language=supported_language)

    def load(self) -> None:
        """Nothing to load: the rules are part of the library."""

    def analyze(self, text: str, entities: List[str], nlp_artifacts=None) -> List[RecognizerResult]:
        wanted = set(entities or self.supported_entities) & set(self.supported_entities)
        results = []
        for finding in norvane.detect(text, self.config).findings:
            entity = ENTITY_NAMES[finding.entity]
            if entity not in wanted:
                continue
            score = presidio_score(finding.score)
            explanation = AnalysisExplanation(recognizer=self.recognizer_name, original_score=score,
                                              pattern_name=finding.evidence.rule,
                                              textual_explanation=explain(finding))
            if finding.evidence.checksum != "not_applicable":
                explanation.validation_result = finding.evidence.checksum == "passed"
            results.append(RecognizerResult(
                entity_type=entity, start=finding.source.char_start, end=finding.source.char_end, score=score,
                analysis_explanation=explanation,
                recognition_metadata={RecognizerResult.RECOGNIZER_NAME_KEY: self.recognizer_name,
                                      RecognizerResult.RECOGNIZER_IDENTIFIER_KEY: self.id,
                                      "norvane_entity": finding.entity,
                                      "norvane_certainty": finding.certainty,
                                      "norvane_score": finding.score}))
        return results
