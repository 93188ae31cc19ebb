"""Masks a Korean customer-service note under a mixed policy set with the thorough settings,
saves the restore map as JSON, reads it back and restores the original exactly."""

import json
import os
import tempfile

import norvane
from norvane import Policy, PolicySet

NOTE = (
    "상담 기록 (2024-03-15)\n"
    "고객 김민수 님이 전화로 카드 분실을 신고했습니다. 본인확인을 위해 주민등록번호 880101-1234568 을 "
    "확인했고, 연락처는 010-1234-5678, 회신 메일은 minsu.kim@example.co.kr 입니다. "
    "분실 카드번호는 ４１１１ １１１１ １１１１ １１１１ 이며, 환불 계좌번호 110-234-567890 으로 "
    "처리 예정입니다. 주문번호 2024031512345 는 참고용입니다.\n"
    "추가 메모: DOB 1988.01.01, 해외 연락처 +82 10 8764 4688, 메일 minsu(at)example.com\n"
    "상담전화 1566-6671 (회사 대표번호)"
)

# The thorough settings read labels in English, in logs and tables, and the shapes people
# actually write (+82 ..., hong(at)...); Config() keeps the original rules only.
CONFIG = norvane.Config.thorough()

policies = (
    PolicySet()  # labels for every kind not named below
    .with_entity("phone", Policy.partial(3, 4, "*"))
    .with_entity("email", Policy.hash(b"example-key", 12))
    .with_entity("resident", Policy.tokenize())
    .with_entity("credit_card", Policy.tokenize())
)

out = norvane.mask(NOTE, policies, CONFIG)
print("== 가린 텍스트 ==")
print(out.text)
print()
print("== 찾은 개인정보 ==")
for f in out.applied:
    extensions = " ".join(f.evidence.extensions)  # the thorough extensions that found it
    print(f"{f.entity_label:8} {f.certainty:9} {f.score:.2f}  {f.text(NOTE)!r}  ({f.evidence.rule}) {extensions}")

# The policy set tokenizes, so mask() returns a restore map (it is None only without tokens).
assert out.restore is not None
path = os.path.join(tempfile.mkdtemp(), "restore.json")
with open(path, "w", encoding="utf-8") as fh:
    fh.write(out.restore.to_json())
print()
print(f"== 복원표 ({path}) ==")
print(json.dumps(json.loads(open(path, encoding="utf-8").read()), ensure_ascii=False, indent=1))

with open(path, encoding="utf-8") as fh:
    restore = norvane.RestoreMap.from_json(fh.read())
print()
print("== 토큰만 되돌린 텍스트 ==")
print(norvane.unmask(out.text, restore))

# With tokens for every kind, the restore map gives back the original byte for byte.
full = norvane.mask(NOTE, PolicySet(Policy.tokenize()), CONFIG)
assert full.restore is not None
reread = norvane.RestoreMap.from_json(full.restore.to_json())
assert norvane.unmask(full.text, reread) == NOTE
print()
print(f"== 전부 토큰으로 가린 뒤 복원: 원문과 {'같다' if norvane.unmask(full.text, reread) == NOTE else '다르다'} ==")
