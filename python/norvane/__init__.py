"""한국어 자유 텍스트에서 개인정보(주민등록번호, 외국인등록번호, 사업자등록번호, 카드번호, 계좌번호, \
전화번호, 이메일, 운전면허번호, 생년월일, 여권번호)를 찾아 원문 좌표와 함께 보고하고 가린다."""

# The package's version: the build reads it from this line, so it is written nowhere else.
__version__ = "0.1.0"
__status__ = "span, normalize, detect, and mask layers are available"
__has_hash_policy__ = True

from norvane._core import (
    Config,
    ContextHit,
    Evidence,
    Finding,
    MaskOutput,
    MaskedColumn,
    NormalizationCost,
    Normalized,
    Policy,
    PolicySet,
    Rejection,
    Report,
    RestoreEntry,
    RestoreMap,
    Segment,
    SourceSpan,
    Span,
    SpanMap,
    SpanMapBuilder,
    SpanMapError,
    detect,
    detect_many,
    entity_names,
    mask,
    mask_many,
    normalize,
    unmask,
)

__all__ = [
    "Config",
    "ContextHit",
    "Evidence",
    "Finding",
    "MaskOutput",
    "MaskedColumn",
    "NormalizationCost",
    "Normalized",
    "Policy",
    "PolicySet",
    "Rejection",
    "Report",
    "RestoreEntry",
    "RestoreMap",
    "Segment",
    "SourceSpan",
    "Span",
    "SpanMap",
    "SpanMapBuilder",
    "SpanMapError",
    "detect",
    "detect_many",
    "entity_names",
    "mask",
    "mask_many",
    "normalize",
    "unmask",
]
