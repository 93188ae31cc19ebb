"""Texts and policy sets shared by the batch tests, and whole-value views of results."""
import random

from norvane import Policy, PolicySet

PIECES = [
    "주민번호 880101-1234568", "연락처: 010-1234-5678", "카드번호 4111 1111 1111 1111",
    "계좌번호 110-123-456789", "사업자등록번호 123-45-67890", "메일 hong.gildong@example.co.kr",
    "여권번호 M12345678", "운전면허 11-12-345678-90", "생년월일 19900101", "공일공 일이삼사 오육칠팔",
    "주문번호 2024-0001-5566", "고객센터 1588-1234", "네, 확인했습니다.", "[[PII:0]]", "[[PII0:", "😀",
    "９００１０１－２２３４５６７", "O1O-l234-5678", "", "\n",
]


def texts(count, seed=7, max_pieces=6):
    rng = random.Random(seed)
    return [" ".join(rng.choice(PIECES) for _ in range(rng.randint(0, max_pieces))) for _ in range(count)]


# Every kind of policy as the default, and sets that mix kinds per entity.
POLICY_SETS = {
    "default": None,
    "label": PolicySet(Policy.redact_label()),
    "code": PolicySet(Policy.redact_code()),
    "fill": PolicySet(Policy.redact_fill("#")),
    "fixed": PolicySet(Policy.redact_fixed("<개인정보>")),
    "partial": PolicySet(Policy.partial(2, 2, "*")),
    "hash": PolicySet(Policy.hash(b"key", 10)),
    "tokenize": PolicySet(Policy.tokenize()),
    "mixed": PolicySet(Policy.tokenize())
    .with_entity("phone", Policy.partial(3, 4))
    .with_entity("email", Policy.hash([1, 2, 3], 8))
    .with_entity("credit_card", Policy.redact_fill("X")),
}


def report_view(report):
    return report.to_json()


def findings_view(findings):
    return [f.to_json() for f in findings]


def output_view(out):
    """Everything a MaskOutput holds, as plain values."""
    restore = None if out.restore is None else out.restore.to_json()
    return out.text, findings_view(out.applied), findings_view(out.skipped), restore
