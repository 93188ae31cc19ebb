"""Labelled Korean documents for measuring what masking leaves in clear and what it hides by
mistake. Everything is made from a seed; nothing is downloaded.

    docs = labelled.generate("tuning", documents=400)
    docs = labelled.generate("heldout", documents=400)

Each `Document` has its genre, its text, the personal values in it (`Value`: kind, exact
character and UTF-8 byte span, way of writing, label situation, partly masked or not) and the
hard negatives in it (`Negative`: look-alikes that are not personal information, with their
category and span). Values are only what a careful reader recognises: a bare date or an
account-like number with no label anywhere is never written as a value.

The two parts share the kinds, ways of writing and negative categories, but not the wording:
every pool of sentence frames, filler lines, labels, log keys, column headers, questions, bank
names and negative phrasings is cut in two, about a third going to the held-out part only. Rules
tuned on the tuning part are therefore tested on phrasings they were not written from.
"""

from __future__ import annotations

import random
import zlib
from dataclasses import dataclass, field

import corpus

KINDS = corpus.KINDS
PARTS = ("tuning", "heldout")

# The year the documents' dates are weighed against when they are measured (a date after it is
# no one's birth date): figures and hashes then stay the same in any year and on any machine.
REFERENCE_YEAR = 2026


def pinned(config):
    """`config` with its reference year set to REFERENCE_YEAR, and returned. Builds from before
    `Config.reference_year` have no such setting and read the clock's year."""
    if hasattr(config, "reference_year"):
        config.reference_year = REFERENCE_YEAR
    return config

# --------------------------------------------------------------------------- records


@dataclass(frozen=True)
class Value:
    kind: str
    text: str
    char_start: int
    char_end: int
    byte_start: int
    byte_end: int
    writing: str        # way of writing, e.g. "hyphen", "intl_plus", "korean_date"
    label: str          # label situation, e.g. "label_punct", "log_key", "no_label"
    label_text: str     # the label as written ("" when there is none)
    masked: bool        # partly masked already (010-****-5678)
    genre: str
    frame: str          # id of the sentence frame or structure it sits in


@dataclass(frozen=True)
class Negative:
    category: str
    text: str
    char_start: int
    char_end: int
    byte_start: int
    byte_end: int
    phrasing: str       # id of the phrasing that carries it
    genre: str


@dataclass
class Document:
    genre: str
    part: str
    text: str = ""
    values: list = field(default_factory=list)
    negatives: list = field(default_factory=list)


class _Writer:
    """Appends text and records values and negatives at exact offsets."""

    def __init__(self, genre: str, part: str) -> None:
        self.genre, self.part = genre, part
        self.parts: list[str] = []
        self.chars = 0
        self.bytes = 0
        self.values: list[Value] = []
        self.negatives: list[Negative] = []

    def add(self, s: str) -> None:
        self.parts.append(s)
        self.chars += len(s)
        self.bytes += len(s.encode())

    def value(self, w: "Written", label: str, label_text: str, frame: str) -> None:
        self.values.append(Value(w.kind, w.text, self.chars, self.chars + len(w.text), self.bytes,
                                 self.bytes + len(w.text.encode()), w.writing, label, label_text,
                                 w.masked, self.genre, frame))
        self.add(w.text)

    def negative(self, category: str, text: str, phrasing: str) -> None:
        self.negatives.append(Negative(category, text, self.chars, self.chars + len(text),
                                       self.bytes, self.bytes + len(text.encode()), phrasing,
                                       self.genre))
        self.add(text)

    def document(self) -> Document:
        d = Document(self.genre, self.part, "".join(self.parts), self.values, self.negatives)
        check(d)
        return d


def check(doc: Document) -> None:
    """Every recorded span slices back to its text, in characters and in UTF-8 bytes."""
    raw = doc.text.encode()
    for r in list(doc.values) + list(doc.negatives):
        assert doc.text[r.char_start:r.char_end] == r.text, (doc.genre, r)
        assert raw[r.byte_start:r.byte_end].decode() == r.text, (doc.genre, r)


# --------------------------------------------------------------------------- the split

def _side(pool_name: str, item: str) -> str:
    """Which part a phrasing belongs to: a stable hash, one in three to the held-out part."""
    return "heldout" if zlib.crc32(f"{pool_name}\0{item}".encode()) % 3 == 0 else "tuning"


def share(pool_name: str, items, part: str) -> tuple:
    """The items of a pool that the given part may use: never empty, and disjoint from the
    other part's items unless the pool has a single item."""
    items = tuple(items)
    if len(items) < 2:
        return items
    held = [i for i in items if _side(pool_name, i) == "heldout"]
    tune = [i for i in items if _side(pool_name, i) == "tuning"]
    if not held:
        held.append(tune.pop())
    if not tune:
        tune.append(held.pop(0))
    return tuple(held if part == "heldout" else tune)


# --------------------------------------------------------------------------- wording pools

KO_LABELS = {
    "resident": ("주민등록번호", "주민번호", "주민등록 번호", "실명번호", "주민번호(13자리)", "주민등록번호는",
                 "주민 번호", "본인 주민번호"),
    "foreigner_registration": ("외국인등록번호", "외국인번호", "외국인 등록번호", "등록증 번호",
                               "외국인등록증 번호", "외국인등록번호는"),
    "business_registration": ("사업자등록번호", "사업자번호", "사업자 등록번호", "사업자 번호",
                              "사업자등록번호는", "법인 사업자번호"),
    "credit_card": ("카드번호", "결제카드", "신용카드 번호", "체크카드", "카드 번호", "결제 카드번호",
                    "카드번호는", "신용카드"),
    "bank_account": ("계좌번호", "환불계좌", "입금계좌", "계좌", "환불 받을 계좌", "급여계좌", "계좌번호는",
                     "출금계좌", "입금 계좌번호"),
    "phone": ("연락처", "휴대폰", "전화번호", "핸드폰", "보호자 연락처", "비상연락처", "휴대전화", "연락처는",
              "자택 전화", "휴대폰 번호", "회신번호", "긴급 연락처"),
    "email": ("이메일", "메일", "메일주소", "전자우편", "이메일 주소", "메일 주소는"),
    "driver_license": ("운전면허번호", "면허번호", "면허 번호", "운전면허", "운전면허증 번호", "면허번호는"),
    "birth_date": ("생년월일", "생일", "출생일", "생년월일은", "생년 월일", "출생 연월일"),
    "passport": ("여권번호", "여권", "여권 번호", "여권번호는", "여권 No", "여권NO."),
}
EN_LABELS = {
    "resident": ("RRN", "Resident No.", "Jumin No.", "Resident Registration No", "ID No."),
    "foreigner_registration": ("ARC No.", "Alien Reg. No.", "Foreigner ID", "ARC"),
    "business_registration": ("BRN", "Business No.", "Biz No.", "Business Reg. No.", "Tax ID"),
    "credit_card": ("Card No.", "Card", "CC", "Credit Card", "Card Number"),
    "bank_account": ("Account", "Acct", "A/C", "Account No.", "Acct No.", "Bank Account"),
    "phone": ("Tel", "Tel.", "T.", "M.", "Phone", "Mobile", "HP", "H.P", "Cell", "Mob.", "Contact",
              "C.P"),
    "email": ("E-mail", "Email", "E.", "Mail", "e-mail"),
    "driver_license": ("License", "DL", "Driver's License No.", "License No.", "DL No."),
    "birth_date": ("DOB", "Birth", "Date of Birth", "D.O.B.", "Birthday", "B/D"),
    "passport": ("Passport No.", "Passport", "PP No.", "Passport Number", "PPT"),
}
SYMBOLS = {"phone": ("☎", "✆", "📞", "☏", "℡"), "email": ("✉", "📧", "✉️")}
PUNCT = (": ", ":", " : ", "： ", "*: ", " - ", ") ", "] ", " / ", " = ", " > ", " | ", ":  ")
LOG_KEYS = {
    "resident": ("rrn", "jumin", "ssn", "resident_no", "rrn_no"),
    "foreigner_registration": ("arc_no", "frn", "foreigner_no", "alien_no"),
    "business_registration": ("biz_no", "brn", "business_no", "corp_reg_no"),
    "credit_card": ("card_no", "card", "cardNumber", "pan", "cc_no"),
    "bank_account": ("account", "acct_no", "bank_account", "refundAccount", "account_no"),
    "phone": ("phone", "tel", "mobile", "hp", "phoneNumber", "contact", "cell"),
    "email": ("email", "mail", "user_email", "emailAddress", "e_mail"),
    "driver_license": ("license", "dl_no", "driver_license", "licenseNo", "license_no"),
    "birth_date": ("birth", "dob", "birthday", "birthDate", "birth_dt"),
    "passport": ("passport", "passport_no", "passportNo", "pp_no", "passport_number"),
}
HEADERS = {
    "resident": ("주민등록번호", "주민번호", "RRN", "jumin_no", "주민등록번호(필수)"),
    "foreigner_registration": ("외국인등록번호", "ARC", "외국인번호", "arc_no"),
    "business_registration": ("사업자번호", "사업자등록번호", "BRN", "biz_no"),
    "credit_card": ("카드번호", "결제카드", "card_no", "Card Number", "카드"),
    "bank_account": ("계좌번호", "환불계좌", "account", "입금계좌", "계좌"),
    "phone": ("연락처", "휴대폰", "phone", "전화번호", "HP", "mobile", "비상연락처"),
    "email": ("이메일", "email", "메일", "E-mail"),
    "driver_license": ("면허번호", "운전면허번호", "license_no", "DL"),
    "birth_date": ("생년월일", "DOB", "birth", "생일", "birth_date"),
    "passport": ("여권번호", "passport", "여권", "passport_no"),
}
TRAILING = {
    "resident": (" (주민번호)", "(주민등록번호)", " ← 주민번호", " [주민등록번호]"),
    "foreigner_registration": (" (외국인등록번호)", "(외국인번호)", " ← 등록증 번호"),
    "business_registration": (" (사업자번호)", "(사업자등록번호)", " ← 사업자번호"),
    "credit_card": (" (결제카드)", "(카드번호)", " ← 카드번호", " [신용카드]"),
    "bank_account": (" (환불계좌)", "(입금계좌)", " ← 계좌번호", " [계좌]"),
    "phone": ("(휴대폰)", " (연락처)", " (핸드폰)", " ← 연락처", "(자택)"),
    "email": (" (이메일)", "(메일)", " ← 메일주소"),
    "driver_license": (" (면허번호)", "(운전면허)", " ← 면허번호"),
    "birth_date": ("생", " (생년월일)", "(생일)", " 출생", "생 "),
    "passport": (" (여권번호)", "(여권)", " ← 여권번호"),
}
QUESTIONS = {
    "resident": ("주민등록번호 뒷자리까지 불러 주세요.", "본인 확인을 위해 주민번호 부탁드립니다.",
                 "주민번호 앞뒤 다 말씀해 주세요.", "주민등록번호 확인이 필요합니다.",
                 "주민번호 열세 자리 알려주시겠어요?"),
    "foreigner_registration": ("외국인등록번호 알려주시겠어요?", "등록증 번호 말씀해 주세요.",
                               "외국인등록증에 있는 번호 부탁드려요.", "외국인등록번호 확인 부탁드립니다."),
    "business_registration": ("사업자등록번호 알려주세요.", "사업자번호가 어떻게 되시죠?",
                              "세금계산서 받으실 사업자번호 부탁드립니다.", "사업자 번호 불러 주세요."),
    "credit_card": ("결제하신 카드번호 불러 주세요.", "카드 번호 열여섯 자리 말씀해 주세요.",
                    "결제 카드 번호 확인 부탁드려요.", "어느 카드로 결제하셨어요? 번호 부탁드려요."),
    "bank_account": ("환불받으실 계좌 말씀해주세요.", "입금받으실 계좌번호 알려주세요.", "어느 계좌로 보내드릴까요?",
                     "계좌 불러줘", "돈 어디로 보내면 돼?", "환불 계좌 확인 부탁드립니다."),
    "phone": ("연락 가능한 번호 알려주시겠어요?", "휴대폰 번호가 어떻게 되세요?", "회신받으실 연락처 부탁드립니다.",
              "번호 좀 불러 주세요.", "보호자분 연락처도 알려주세요.", "비상시 연락드릴 번호는요?",
              "너 번호 바뀌었어?"),
    "email": ("메일 주소 알려주시겠어요?", "이메일 어디로 보내드릴까요?", "메일 주소 좀 보내줘",
              "자료 받으실 이메일 말씀해 주세요."),
    "driver_license": ("운전면허번호 말씀해 주세요.", "면허증 번호 불러 주시겠어요?", "면허 번호 확인 부탁드립니다.",
                       "운전면허증 번호가 필요합니다."),
    "birth_date": ("생년월일 여섯 자리 말씀해 주세요.", "생일이 언제세요?", "본인 생년월일 확인 부탁드립니다.",
                   "너 생일 언제였지?", "출생일 알려주세요.", "태어나신 날짜 말씀해 주시겠어요?"),
    "passport": ("여권번호 알려주세요.", "여권 번호 불러 주시겠어요?", "여권에 있는 번호 부탁드립니다.",
                 "여권번호 확인이 필요합니다."),
}
BANKS = ("NH농협", "농협", "국민", "KB국민", "신한", "우리", "하나", "IBK기업", "기업", "카카오뱅크", "토스뱅크",
         "케이뱅크", "새마을금고", "우체국", "수협", "신협", "SC제일", "씨티", "부산", "경남", "광주", "전북",
         "제주", "대구", "iM뱅크", "OK저축은행", "SBI저축은행", "국민은행", "신한은행", "하나은행", "우리은행")
LICENSE_REGIONS = ("서울", "부산", "경기", "강원", "충북", "충남", "전북", "전남", "경북", "경남", "제주",
                   "대구", "인천", "광주", "대전", "울산")

# Sentence frames by genre; {X} is where a labelled value (or a look-alike) goes. Frames carry
# no cue word of their own, so the label situation alone decides what labels a value.
FRAMES = {
    "chat": ("{X} 입니다.", "네, {X} 맞습니다.", "{X} 로 부탁드려요.", "아 {X}이요", "{X} 확인해 주세요.",
             "제 건 {X} 이에요.", "{X} 으로 해 주시면 돼요.", "방금 말씀드린 건 {X} 였어요.",
             "{X} 이걸로 처리 부탁드립니다.", "혹시 {X} 조회되나요?", "{X} 입니다. 확인 부탁드려요.",
             "정정할게요, {X} 가 맞아요.", "{X} 이거 맞는지 봐 주세요.", "음.. {X} 일 거예요.",
             "{X} 요. 급해서요", "저번에 드린 {X} 그대로예요.", "{X} 적어 두세요.", "{X} 인데 안 되나요?",
             "네네 {X}", "{X} (오타 없어요)"),
    "messenger": ("{X}", "{X} ㅇㅇ", "여기 {X}", "{X} 이거야", "ㅋㅋ {X} 맞음", "{X} 저장해둬",
                  "아까 그거 {X}", "{X} 로 보내줘", "{X} 임", "{X}!!", "{X} ㄱㄱ", "엄마가 {X} 래",
                  "{X} 이걸로 해", "ㅇㅋ {X}", "복붙: {X}", "{X} 까먹지 마"),
    "call_note": ("- 고객 {X} 확인.", "{X} 로 회신 요청함.", "→ {X}", "고객 제공 정보 {X}", "{X} 재확인 필요.",
                  "메모) {X}", "{X} (고객 구두 확인)", "* {X} 기록함", "{X} 변경 요청 접수.",
                  "고객 불러준 값 {X}", "{X} 시스템 입력 완료", "이관 시 참고: {X}", "{X} 불일치로 재문의 예정"),
    "email": ("{X} 로 회신 부탁드립니다.", "참고로 {X} 입니다.", "{X}", "변경된 정보는 {X} 입니다.",
              "아래 정보 확인 부탁드립니다. {X}", "{X} 기준으로 처리해 주세요.", "요청하신 정보: {X}",
              "{X} 로 정정 부탁드립니다.", "기존 정보({X})는 더 이상 쓰지 않습니다.", "| {X}",
              "번거로우시겠지만 {X} 다시 확인해 주시겠어요?", "{X} 건으로 연락드렸습니다.", "※ {X}"),
    "delivery": ("[알림] {X}", "{X} 확인 후 출발합니다.", "배송 안내: {X}", "{X} (부재 시 문 앞)",
                 "수령인 {name} {X}", "{X} 기준으로 안내드립니다.", "[배송] {X} 접수 완료",
                 "[Web발신] {X}", "{X} 으로 도착 알림 보내드립니다.", "기사님 메모: {X}", "{X} / 오늘 도착"),
    "web_form": ("{X}", "* {X}", "- {X}", "[필수] {X}", "{X} (확인됨)", "  {X}", "[선택] {X}", "□ {X}",
                 "{X} ✔", "▶ {X}"),
    "hr_record": ("{X}", "· {X}", "{X} (인사팀 확인)", "{X} / 재직", "[개인] {X}", "- {X}", "{X} (변경 신고)",
                  "○ {X}", "{X} ※ 원본 대조"),
    "hospital_intake": ("{X}", "- {X}", "{X} (접수처 확인)", "환자 {name}, {X}", "· {X}", "{X} / 초진",
                        "{X} / 재진", "[원무] {X}", "{X} (신분증 대조)"),
}
FILLERS = {
    "chat": ("안녕하세요, {name} 고객님. 무엇을 도와드릴까요?", "주문한 {product} 배송이 아직 안 왔어요.",
             "불편을 드려 정말 죄송합니다.", "잠시만 기다려 주시면 바로 확인해 보겠습니다.",
             "혹시 교환도 가능한가요? 사이즈가 작아서요.", "네, 칠 일 이내라면 교환 가능합니다.",
             "감사합니다. 좋은 하루 보내세요!", "상품이 파손된 채로 도착했어요.", "사진 확인했습니다.",
             "환불은 결제하신 수단으로 진행됩니다.", "처리되면 문자로 안내드릴게요.", "네 알겠습니다.",
             "확인 감사합니다. 잠시만요.", "오늘 안에 처리해 주실 수 있나요?", "담당 부서로 전달해 두었습니다.",
             "앱에서 결제가 자꾸 실패해요.", "다른 문의 사항 있으실까요?", "{product} 색상을 바꾸고 싶어요."),
    "messenger": ("ㅋㅋㅋ 알겠어", "오늘 저녁 뭐 먹을래?", "나 지금 {place} 가는 중", "ㅇㅋ 이따 봐",
                  "사진 보내줄게", "헐 대박", "내일 몇 시에 만나?", "고마워~", "{name} 결혼식 갈 거야?",
                  "택배 왔더라", "ㅠㅠ 늦을 듯", "주말에 뭐해?", "그거 어디서 샀어?", "ㄴㄴ 괜찮아",
                  "회의 끝나고 연락할게", "{product} 샀다 ㅎㅎ"),
    "call_note": ("[상담메모] 고객 {name}, {product} 관련 불만 접수.", "고객이 여러 번 전화했으나 연결 안 됨.",
                  "담당자 {name} 에게 이관, 내일 오전 회신 예정.", "처리 결과: 전액 환불 승인.",
                  "재방문 일정은 고객과 협의 후 결정.", "상담 종료. 만족도 조사 안내함.",
                  "{place} 센터 재고 부족으로 대체 상품 안내함.", "고객 요청: 문자로만 안내 바람.",
                  "고객 언성 높음, 팀장 연결 요청.", "보상 쿠폰 발급 안내.", "설치 기사 방문 일정 조율 중.",
                  "동일 건 재문의, 이전 상담 이력 확인."),
    "email": ("안녕하세요, {name}입니다.", "지난번 회의에서 말씀드린 자료를 첨부합니다.",
              "검토하시고 궁금하신 점은 편하게 회신 주세요.", "항상 도움 주셔서 감사합니다.",
              "다음 주 화요일 오후에 잠깐 뵐 수 있을까요?", "계약서 초안은 법무팀 검토 후 공유하겠습니다.",
              "제목: {product} 견적 요청드립니다", "{name} 드림", "좋은 하루 보내세요.",
              "일정 변경이 있으면 미리 알려 주세요.", "첨부 파일이 열리지 않으면 말씀해 주세요.",
              "---------- 전달된 메시지 ----------"),
    "delivery": ("[{courier}] {name} 고객님의 상품이 배송 출발했습니다.", "오늘 14~16시 도착 예정입니다.",
                 "{product} 1건 배송 완료되었습니다.", "문 앞에 두고 갑니다.", "부재 시 경비실에 맡기겠습니다.",
                 "배송 지연으로 불편을 드려 죄송합니다.", "{place} 터미널 도착", "공동현관 비밀번호 확인 부탁드립니다.",
                 "{courier} 배송 조회는 앱에서 가능합니다.", "반품 회수 예정입니다."),
    "web_form": ("■ 서비스 신청서", "성명: {name}", "주소: 서울특별시 {place} 테헤란로 일대",
                 "신청 상품: {product}", "개인정보 수집 및 이용에 동의합니다. (동의함)",
                 "※ 표시 항목은 필수 입력 사항입니다.", "희망 방문일: 평일 오전", "[제출하기]",
                 "마케팅 수신 동의: 아니오", "문의 유형: 설치", "첨부파일: 없음", "■ 회원가입"),
    "hr_record": ("■ 인사기록카드", "성명: {name}", "소속: 경영지원팀", "직급: 대리", "최종학력: 대학교 졸업",
                  "근무지: {place} 사옥", "고용형태: 정규직", "※ 인사팀 외 열람 금지", "병역: 군필",
                  "자격증: 정보처리기사", "■ 가족사항", "비고: 육아휴직 복귀"),
    "hospital_intake": ("■ 초진 접수지", "환자명: {name}", "진료과: 내과", "주 증상: 기침, 미열",
                        "알레르기: 없음", "복용 중인 약: 없음", "보험 유형: 건강보험", "담당의: {name}",
                        "혈압: 정상", "과거력: 고혈압", "내원 경로: 외래", "■ 보호자 정보"),
}
COURIERS = ("CJ대한통운", "한진택배", "롯데택배", "우체국택배", "로젠택배", "쿠팡")

# Negatives: phrasings with the look-alike in [[...]] (the span that must not be reported);
# {v} is its value. Company numbers carry company labels, never personal ones.
NEG_PHRASES = {
    "company_number": ("상담전화 [[{v}]]", "고객센터 [[{v}]]", "대표번호: [[{v}]]", "콜센터([[{v}]])",
                       "무료상담 [[{v}]]", "대표전화 [[{v}]]", "ARS [[{v}]]", "Customer Center [[{v}]]",
                       "문의: 고객센터 [[{v}]]"),
    "ip_address": ("ip=[[{v}]]", "접속 IP [[{v}]]", "IP: [[{v}]]", "client=[[{v}]]", "원격 주소 [[{v}]]",
                   "from [[{v}]]"),
    "version_number": ("버전 [[{v}]]", "[[v{v}]]", "build [[{v}]]", "앱 버전 [[{v}]]", "펌웨어 [[{v}]]",
                       "OS [[{v}]]"),
    "isbn": ("ISBN [[{v}]]", "ISBN: [[{v}]]", "도서번호(ISBN) [[{v}]]", "isbn=[[{v}]]"),
    "price": ("결제금액 [[{v}]]원", "합계: [[{v}]]원", "금액 ₩[[{v}]]", "총액 [[{v}]]", "환불 금액 [[{v}]]원",
              "단가 [[{v}]]원"),
    "order_number": ("주문번호 [[{v}]]", "주문 No. [[{v}]]", "order_id=[[{v}]]", "주문번호: [[{v}]]",
                     "Order #[[{v}]]", "주문 번호 [[{v}]]"),
    "transaction_number": ("거래번호 [[{v}]]", "거래 ID: [[{v}]]", "tid=[[{v}]]", "거래고유번호 [[{v}]]"),
    "approval_number": ("승인번호 [[{v}]]", "승인번호: [[{v}]]", "approval_no=[[{v}]]", "카드 승인 [[{v}]]"),
    "reservation_number": ("예약번호 [[{v}]]", "예약 번호: [[{v}]]", "Booking No. [[{v}]]",
                           "reservation_id=[[{v}]]"),
    "member_number": ("회원번호 [[{v}]]", "회원 ID [[{v}]]", "member_id=[[{v}]]", "멤버십 번호 [[{v}]]"),
    "student_number": ("학번 [[{v}]]", "학번: [[{v}]]", "Student ID [[{v}]]", "학생번호 [[{v}]]"),
    "employee_number": ("사번 [[{v}]]", "사번: [[{v}]]", "사원번호 [[{v}]]", "emp_no=[[{v}]]"),
    "serial_number": ("S/N [[{v}]]", "제품번호 [[{v}]]", "일련번호 [[{v}]]", "시리얼 [[{v}]]",
                      "serial=[[{v}]]"),
    "receipt_number": ("접수번호 [[{v}]]", "영수증번호 [[{v}]]", "receipt_no=[[{v}]]", "접수 번호: [[{v}]]"),
    "tracking_number": ("송장번호 [[{v}]]", "운송장번호: [[{v}]]", "tracking=[[{v}]]", "운송장 [[{v}]]"),
    "event_date": ("주문일 [[{v}]]", "배송일: [[{v}]]", "가입일 [[{v}]]", "결제일 [[{v}]]",
                   "방문 예정일 [[{v}]]", "계약일: [[{v}]]", "내원일 [[{v}]]", "입사일 [[{v}]]"),
    "timestamp": ("[[{v}]] 접수", "처리 시각 [[{v}]]", "ts=[[{v}]]", "[[{v}]] 기준"),
    "hangul_numeral_word": ("[[행사일 {v}]]", "[[공사일정 {v}]]", "[[이사일 {v}]]", "[[오일 교환 {v}]]",
                            "[[구매일이 {v}]]", "[[일일 특가 {v}]]", "[[삼일절 연휴 {v}]]",
                            "[[사이즈 교환 {v}]]"),
}
NEG_CATEGORIES = tuple(NEG_PHRASES) + ("csv_joined",)
# Categories whose look-alike can stand in a table column, with their headers.
NEG_HEADERS = {
    "order_number": ("주문번호", "order_id", "주문 No."),
    "event_date": ("주문일", "가입일", "결제일", "order_date"),
    "price": ("결제금액", "금액", "amount"),
    "member_number": ("회원번호", "member_id", "회원ID"),
    "approval_number": ("승인번호", "approval_no", "승인No"),
    "tracking_number": ("송장번호", "tracking_no", "운송장"),
}

# --------------------------------------------------------------------------- ways of writing

# (writing, weight) by kind. Partly masked writings are "masked"; "post2020" resident numbers
# have no valid check digit (issued since October 2020).
WRITINGS = {
    "resident": (("hyphen", 5), ("plain", 2), ("spaced", 1), ("fullwidth", 1), ("dash_variant", 1),
                 ("hangul_numerals", 1), ("lookalike_letter", 0.5), ("masked", 1.5), ("post2020", 2)),
    "foreigner_registration": (("hyphen", 5), ("plain", 2), ("spaced", 1), ("fullwidth", 1),
                               ("masked", 1)),
    "business_registration": (("hyphen", 5), ("plain", 2), ("spaced", 1), ("fullwidth", 1),
                              ("masked", 0.5)),
    "credit_card": (("hyphen", 4), ("spaced", 2), ("plain", 2), ("amex", 1), ("fullwidth", 1),
                    ("dash_variant", 0.5), ("masked", 1.5)),
    "bank_account": (("hyphen", 5), ("plain", 2), ("spaced", 1), ("masked", 1)),
    "phone": (("hyphen", 5), ("plain", 1.5), ("spaced", 1.5), ("dot", 1), ("area_bracket", 1),
              ("intl_plus", 1), ("intl_plus_space", 1), ("intl_0082", 0.5), ("intl_bracket", 0.5),
              ("fullwidth", 0.5), ("hangul_numerals", 0.5), ("masked", 1.5), ("lookalike_letter", 0.3)),
    "email": (("plain", 8), ("obfuscated_paren", 0.7), ("obfuscated_bracket", 0.7),
              ("obfuscated_korean", 0.7), ("fullwidth_at", 0.4), ("glued_digits", 0.7), ("masked", 1)),
    "driver_license": (("hyphen", 5), ("plain", 1.5), ("spaced", 1), ("region_prefixed", 2.5)),
    "birth_date": (("iso", 2), ("dot", 2), ("korean_date", 2), ("korean_short_year", 1), ("slash", 1),
                   ("short_dot", 1), ("spaced_dot", 1), ("yymmdd", 1.5), ("compact", 1)),
    "passport": (("old_format", 2), ("current_format", 2)),
}
MASKED_WRITINGS = {"masked"}
# Ways of writing that tables and logs use (no spaces inside, nothing needing quotes).
COMPACT_WRITINGS = {"hyphen", "plain", "masked", "post2020", "iso", "dot", "slash", "compact", "yymmdd",
                    "old_format", "current_format", "intl_plus", "amex"}
# Kinds and writings a reader recognises without any label.
UNLABELLED_OK = {
    "resident": {"hyphen", "fullwidth", "dash_variant", "masked", "post2020"},
    "foreigner_registration": {"hyphen", "fullwidth", "masked"},
    "business_registration": {"hyphen", "fullwidth"},
    "credit_card": {"hyphen", "spaced", "amex", "fullwidth", "dash_variant", "masked"},
    "phone": {"hyphen", "dot", "area_bracket", "intl_plus", "intl_plus_space", "intl_0082",
              "intl_bracket", "fullwidth", "masked"},
    "email": {"plain", "obfuscated_paren", "obfuscated_bracket", "obfuscated_korean", "fullwidth_at",
              "glued_digits", "masked"},
}
FULL = str.maketrans("0123456789-", "０１２３４５６７８９－")
HANGUL_DIGITS = "공일이삼사오육칠팔구"
DASHES = ("\u2010", "\u2013", "\u2212")


@dataclass(frozen=True)
class Written:
    kind: str
    text: str
    writing: str
    masked: bool


class _Values:
    """Values of every kind in every way of writing, with valid check digits where they exist."""

    def __init__(self, r: random.Random) -> None:
        self.r = r

    def digits(self, n: int) -> str:
        return corpus.random_digits(self.r, n)

    def date(self, lo: int, hi: int) -> tuple[int, int, int]:
        return corpus.random_date(self.r, lo, hi)

    def make(self, kind: str, writing: str) -> Written:
        text = getattr(self, "_" + kind)(writing)
        return Written(kind, text, writing, writing in MASKED_WRITINGS)

    def pick_writing(self, kind: str, allowed=None) -> str:
        opts = [(w, p) for w, p in WRITINGS[kind] if allowed is None or w in allowed]
        return self.r.choices([w for w, _ in opts], [p for _, p in opts])[0]

    @staticmethod
    def _groups(groups: list[str], writing: str, r: random.Random) -> str:
        if writing == "plain":
            return "".join(groups)
        if writing == "spaced":
            return " ".join(groups)
        if writing == "dot":
            return ".".join(groups)
        if writing == "fullwidth":
            return "-".join(groups).translate(FULL)
        if writing == "dash_variant":
            return r.choice(DASHES).join(groups)
        if writing == "hangul_numerals":
            return "-".join("".join(HANGUL_DIGITS[int(c)] for c in g) for g in groups)
        if writing == "lookalike_letter":
            s = "-".join(groups)
            spots = [i for i in range(2, len(s) - 2) if s[i] in "01" and s[i - 1] != "-"
                     and s[i + 1] != "-"]
            if spots:
                i = r.choice(spots)
                s = s[:i] + (r.choice("Oo") if s[i] == "0" else r.choice("lI")) + s[i + 1:]
            return s
        return "-".join(groups)

    def _resident_groups(self, foreigner: bool, post2020: bool = False) -> list[str]:
        if post2020:
            y, m, d = self.date(2020, 2025)
            if y == 2020 and m < 10:
                m = self.r.randrange(10, 13)
            g = (7 if foreigner else 3) + self.r.randrange(2)
            s = f"{y % 100:02d}{m:02d}{d:02d}{g}" + self.digits(6)
            return [s[:6], s[6:]]
        y, m, d = self.date(1940, 2019)
        g = ((5 if foreigner else 1) if y < 2000 else (7 if foreigner else 3)) + self.r.randrange(2)
        d12 = [int(c) for c in f"{y % 100:02d}{m:02d}{d:02d}"] + [g] + [int(c) for c in self.digits(5)]
        s = "".join(map(str, d12 + [corpus.resident_check(d12, foreigner)]))
        return [s[:6], s[6:]]

    def _resident(self, writing: str, foreigner: bool = False) -> str:
        g = self._resident_groups(foreigner, writing == "post2020")
        if writing == "masked":
            g[1] = g[1][0] + "*" * 6 if self.r.random() < 0.7 else "*" * 7
            return "-".join(g)
        return self._groups(g, "hyphen" if writing == "post2020" else writing, self.r)

    def _foreigner_registration(self, writing: str) -> str:
        return self._resident(writing, foreigner=True)

    def _business_registration(self, writing: str) -> str:
        r = self.r
        d9 = [r.randrange(1, 10), r.randrange(10), r.randrange(10), r.randrange(1, 9)] + \
            [int(c) for c in self.digits(5)]
        s = "".join(map(str, d9 + [corpus.business_check(d9)]))
        g = [s[:3], s[3:5], s[5:]]
        if writing == "masked":
            g[2] = "*****"
            return "-".join(g)
        return self._groups(g, writing, r)

    def _credit_card(self, writing: str) -> str:
        r = self.r
        if writing == "amex":
            body = [3, r.choice((4, 7))] + [int(c) for c in self.digits(12)]
            s = "".join(map(str, body + [corpus.luhn_check(body)]))
            return "-".join([s[:4], s[4:10], s[10:]])
        prefix = r.choice(([4], [5, r.randrange(1, 6)], [9, 4, 1, 0], [6, 2], [3, 5, 6, 8]))
        body = prefix + [int(c) for c in self.digits(15 - len(prefix))]
        s = "".join(map(str, body + [corpus.luhn_check(body)]))
        g = [s[0:4], s[4:8], s[8:12], s[12:]]
        if writing == "masked":
            g[1] = g[1][:2] + "**"
            g[2] = "****"
            return "-".join(g)
        return self._groups(g, writing, r)

    def _bank_account(self, writing: str) -> str:
        shape = self.r.choice(((3, 3, 6), (4, 3, 6), (6, 2, 6), (3, 6, 5), (3, 4, 4, 2), (4, 2, 7),
                               (3, 2, 6), (3, 6, 2, 3), (3, 3, 7)))
        g = [self.digits(n) for n in shape]
        if writing == "masked":
            g[-1] = g[-1][:-4] + "****" if len(g[-1]) > 4 else "*" * len(g[-1])
            return "-".join(g)
        return self._groups(g, writing, self.r)

    def _phone_groups(self, mobile_only: bool) -> list[str]:
        r = self.r
        x = 0.0 if mobile_only else r.random()
        if x < 0.65:
            return ["010", str(r.randrange(2, 10)) + self.digits(3), self.digits(4)]
        if x < 0.7:
            return [r.choice(("011", "016", "017", "019")), str(r.randrange(2, 10)) + self.digits(2),
                    self.digits(4)]
        if x < 0.85:
            return ["02", str(r.randrange(2, 10)) + self.digits(r.choice((2, 3))), self.digits(4)]
        return [r.choice(("031", "032", "042", "051", "053", "062", "064", "070")),
                str(r.randrange(2, 10)) + self.digits(r.choice((2, 3))), self.digits(4)]

    def _phone(self, writing: str) -> str:
        r = self.r
        g = self._phone_groups(False)
        if writing.startswith("intl"):
            n = [g[0][1:]] + g[1:]
            if writing == "intl_plus":
                return "+82-" + "-".join(n) if r.random() < 0.7 else "+82" + "".join(n)
            if writing == "intl_plus_space":
                return "+82 " + " ".join(n)
            if writing == "intl_0082":
                return "0082-" + "-".join(n)
            return "(+82) " + "-".join(n)
        if writing == "area_bracket":
            return f"({g[0]}) {g[1]}-{g[2]}"
        if writing == "masked":
            if r.random() < 0.7:
                g[1] = "*" * len(g[1])
            else:
                g[2] = "*" * len(g[2])
            return "-".join(g)
        return self._groups(g, writing, r)

    def _email(self, writing: str) -> str:
        r = self.r
        local = r.choice((
            lambda: f"{r.choice(corpus.ROMAN)}.{r.choice(corpus.ROMAN_SUR)}",
            lambda: f"{r.choice(corpus.ROMAN_SUR)}{r.choice(corpus.ROMAN)}{r.randrange(70, 100)}",
            lambda: f"{r.choice(corpus.ROMAN)}_{r.choice(corpus.ROMAN_SUR)}",
            lambda: f"{r.choice(corpus.ROMAN)[0]}{r.choice(corpus.ROMAN_SUR)}{r.randrange(1, 1000)}",
        ))()
        domain = r.choice(corpus.DOMAINS)
        if writing == "obfuscated_paren":
            return f"{local}{r.choice(('(at)', ' (at) ', '(AT)'))}{domain}"
        if writing == "obfuscated_bracket":
            host, _, tld = domain.partition(".")
            return f"{local} [at] {host} [dot] {tld.replace('.', ' [dot] ')}"
        if writing == "obfuscated_korean":
            return f"{local}{r.choice((' 골뱅이 ', '골뱅이'))}{domain}"
        if writing == "fullwidth_at":
            return f"{local}＠{domain}"
        if writing == "masked":
            return f"{local[:2]}{'*' * max(3, len(local) - 2)}@{domain}"
        return f"{local}@{domain}"

    def _driver_license(self, writing: str) -> str:
        r = self.r
        region = r.choice(list(range(11, 27)) + [28])
        tail = [f"{r.randrange(0, 100):02d}", self.digits(6), f"{r.randrange(0, 100):02d}"]
        if writing == "region_prefixed":
            return r.choice(LICENSE_REGIONS) + r.choice((" ", "")) + "-".join(tail)
        return self._groups([str(region)] + tail, writing, r)

    def _birth_date(self, writing: str) -> str:
        y, m, d = self.date(1940, 2015)
        yy = y % 100
        return {
            "iso": f"{y}-{m:02d}-{d:02d}", "dot": f"{y}.{m:02d}.{d:02d}",
            "korean_date": f"{y}년 {m}월 {d}일", "korean_short_year": f"{yy:02d}년 {m}월 {d}일",
            "slash": f"{y}/{m:02d}/{d:02d}", "short_dot": f"{yy:02d}.{m:02d}.{d:02d}",
            "spaced_dot": f"{y}. {m}. {d}.", "yymmdd": f"{yy:02d}{m:02d}{d:02d}",
            "compact": f"{y}{m:02d}{d:02d}",
        }[writing]

    def _passport(self, writing: str) -> str:
        r = self.r
        if writing == "current_format":
            return r.choice("MSRDGT") + self.digits(3) + r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ") + \
                self.digits(4)
        return r.choice("MSRODG") + self.digits(8)

    # ------------------------------------------------------------------ look-alikes

    def negative(self, category: str) -> str:
        r = self.r
        d = self.digits
        if category == "company_number":
            return r.choice((
                lambda: f"{r.choice(('1566', '1588', '1577', '1644', '1661', '1600', '1800', '1899'))}-{d(4)}",
                lambda: f"080-{d(3)}-{d(4)}", lambda: f"080{d(7)}",
                lambda: f"02-{r.randrange(2, 10)}{d(3)}-{d(4)}"))()
        if category == "ip_address":
            return ".".join(str(x) for x in (r.choice((211, 175, 121, 59, 10, 192, 220, 61)),
                                             r.randrange(256), r.randrange(256), r.randrange(1, 255)))
        if category == "version_number":
            return r.choice((lambda: f"10.0.{r.randrange(10000, 23000)}.{r.randrange(100, 2000)}",
                             lambda: f"{r.randrange(1, 20)}.{r.randrange(0, 30)}.{r.randrange(0, 40)}",
                             lambda: f"{r.randrange(1, 9)}.{r.randrange(0, 9)}.{r.randrange(0, 9)}."
                                     f"{r.randrange(1000, 9999)}",
                             lambda: f"2024{r.randrange(1, 13):02d}{r.randrange(1, 29):02d}.{r.randrange(1, 9)}"))()
        if category == "isbn":
            body = [9, 7, r.choice((8, 9))] + [int(c) for c in ("89" + d(7))]
            t = "".join(map(str, body + [corpus.isbn_check(body)]))
            return f"{t[:3]}-{t[3:5]}-{t[5:9]}-{t[9:12]}-{t[12]}" if r.random() < 0.6 else t
        if category == "price":
            return f"{r.randrange(100, 99000) * r.choice((100, 1000, 10)):,}"
        if category == "order_number":
            y, m, dd = self.date(2019, 2026)
            return r.choice((lambda: f"{y}{m:02d}{dd:02d}-{d(7)}", lambda: f"{y}{m:02d}{dd:02d}{d(8)}",
                             lambda: f"{y % 100}{m:02d}{dd:02d}{d(6)}", lambda: d(12)))()
        if category in ("transaction_number", "receipt_number"):
            y, m, dd = self.date(2019, 2026)
            return r.choice((lambda: f"{y}{m:02d}{dd:02d}{d(6)}", lambda: f"T{d(14)}",
                             lambda: f"{y}-{d(6)}", lambda: d(10)))()
        if category == "approval_number":
            return d(8)
        if category == "reservation_number":
            return r.choice((lambda: d(10), lambda: f"R{d(9)}", lambda: f"{d(4)}-{d(4)}-{d(4)}"))()
        if category == "member_number":
            return r.choice((lambda: d(8), lambda: d(10), lambda: f"M{d(9)}"))()
        if category == "student_number":
            return f"{r.randrange(2010, 2026)}{d(r.choice((4, 5, 6)))}"
        if category == "employee_number":
            return f"{r.randrange(2005, 2026)}{d(4)}"
        if category == "serial_number":
            return r.choice((lambda: d(12), lambda: f"R{d(2)}N{d(3)}A{d(4)}", lambda: d(16),
                             lambda: f"{d(4)}-{d(4)}-{d(4)}-{d(4)}"))()
        if category == "tracking_number":
            return r.choice((lambda: d(12), lambda: f"{d(4)}-{d(4)}-{d(4)}", lambda: d(13)))()
        if category == "event_date":
            y, m, dd = self.date(2015, 2026)
            return r.choice((f"{y}-{m:02d}-{dd:02d}", f"{y}.{m:02d}.{dd:02d}", f"{y}년 {m}월 {dd}일",
                             f"{y}/{m:02d}/{dd:02d}", f"{y}. {m}. {dd}."))
        if category == "timestamp":
            y, m, dd = self.date(2020, 2026)
            hms = f"{r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}"
            return r.choice((f"{y}-{m:02d}-{dd:02d} {hms}", f"{y}-{m:02d}-{dd:02d}T{hms}Z",
                             f"{y}{m:02d}{dd:02d}{hms.replace(':', '')}", f"{y}.{m:02d}.{dd:02d} {hms[:5]}"))
        if category == "hangul_numeral_word":
            y, m, dd = self.date(2020, 2026)
            return r.choice((f"{y}-{m:02d}-{dd:02d}", f"{y}.{m:02d}.{dd:02d}", f"{m}월 {dd}일",
                             f"{y}{m:02d}{dd:02d}"))
        raise ValueError(category)


# --------------------------------------------------------------------------- genres

PROSE_GENRES = ("chat", "messenger", "call_note", "email", "delivery", "web_form", "hr_record",
                "hospital_intake")
TABLE_GENRES = ("export_csv", "export_tsv", "export_pipe", "export_markdown")
GENRES = PROSE_GENRES + TABLE_GENRES + ("app_log",)
# How often each genre is drawn; a table holds several times the values of a chat.
GENRE_WEIGHTS = {**{g: 1.0 for g in PROSE_GENRES}, **{g: 0.3 for g in TABLE_GENRES}, "app_log": 0.8}

# Label situations each prose genre uses, with weights.
SITUATIONS = {
    "chat": {"label_plain": 3, "label_punct": 1, "label_english": 0.5, "previous_line": 3,
             "trailing_label": 1, "bank_name": 4, "no_label": 1.5},
    "messenger": {"label_plain": 2, "label_english": 0.5, "previous_line": 3, "trailing_label": 1,
                  "bank_name": 4, "no_label": 2},
    "call_note": {"label_plain": 2, "label_punct": 2, "label_english": 1, "previous_line": 2,
                  "trailing_label": 1, "bank_name": 4, "no_label": 1.5},
    "email": {"label_plain": 2, "label_punct": 2, "label_english": 2, "label_symbol": 1,
              "trailing_label": 1, "bank_name": 1.5, "no_label": 1.5},
    "delivery": {"label_plain": 2, "label_punct": 2, "label_symbol": 1, "label_english": 1,
                 "no_label": 2, "trailing_label": 0.5},
    "web_form": {"label_punct": 5, "label_plain": 1, "label_english": 2, "bank_name": 0.5},
    "hr_record": {"label_punct": 5, "label_plain": 1, "label_english": 1.5, "bank_name": 1,
                  "trailing_label": 0.5},
    "hospital_intake": {"label_punct": 5, "label_plain": 1, "label_english": 1,
                        "trailing_label": 0.5, "label_symbol": 0.5},
}
# Kinds by genre, with weights (who writes what where).
GENRE_KINDS = {
    "chat": {"phone": 4, "bank_account": 3, "credit_card": 2, "birth_date": 2, "resident": 2,
             "email": 2, "business_registration": 0.5, "driver_license": 0.5, "passport": 0.5,
             "foreigner_registration": 0.5},
    "messenger": {"phone": 4, "bank_account": 4, "email": 1.5, "birth_date": 1.5, "resident": 0.5,
                  "credit_card": 0.5, "passport": 0.3},
    "call_note": {"phone": 3, "bank_account": 2, "birth_date": 2, "resident": 2, "credit_card": 1.5,
                  "email": 1, "driver_license": 1, "foreigner_registration": 1, "passport": 1,
                  "business_registration": 1},
    "email": {"email": 3, "phone": 3, "business_registration": 2, "bank_account": 2, "passport": 1,
              "birth_date": 1, "credit_card": 0.5, "resident": 0.5},
    "delivery": {"phone": 5, "email": 1, "bank_account": 0.5},
    "web_form": {"phone": 2, "email": 2, "birth_date": 2, "resident": 1.5, "credit_card": 1,
                 "bank_account": 1, "driver_license": 1.5, "passport": 1, "business_registration": 1,
                 "foreigner_registration": 1},
    "hr_record": {"resident": 2, "phone": 2, "bank_account": 2, "email": 1.5, "birth_date": 1.5,
                  "driver_license": 1, "passport": 1, "foreigner_registration": 1},
    "hospital_intake": {"resident": 2, "phone": 3, "birth_date": 3, "foreigner_registration": 1,
                        "passport": 0.5, "email": 0.5},
    "table": {k: 1.0 for k in KINDS},
    "app_log": {"phone": 3, "email": 3, "credit_card": 2, "bank_account": 2, "birth_date": 1.5,
                "resident": 1, "passport": 1, "driver_license": 0.5, "business_registration": 0.5,
                "foreigner_registration": 0.5},
}
# Negative categories by genre, with weights.
GENRE_NEGATIVES = {
    "chat": {"order_number": 3, "company_number": 2, "price": 2, "event_date": 2, "approval_number": 1,
             "reservation_number": 1, "tracking_number": 1, "hangul_numeral_word": 2,
             "member_number": 1, "transaction_number": 1, "serial_number": 1},
    "messenger": {"price": 2, "event_date": 2, "hangul_numeral_word": 2, "reservation_number": 1,
                  "company_number": 1},
    "call_note": {"order_number": 2, "company_number": 2, "receipt_number": 2, "event_date": 1,
                  "serial_number": 1, "approval_number": 1, "price": 1, "hangul_numeral_word": 1,
                  "member_number": 1},
    "email": {"company_number": 2, "isbn": 2.5, "version_number": 1, "price": 2, "event_date": 1,
              "reservation_number": 1, "order_number": 1, "hangul_numeral_word": 1,
              "transaction_number": 1},
    "delivery": {"tracking_number": 4, "company_number": 3, "order_number": 2, "event_date": 1,
                 "price": 1},
    "web_form": {"receipt_number": 2, "member_number": 2, "event_date": 1, "company_number": 1,
                 "version_number": 0.5},
    "hr_record": {"employee_number": 4, "student_number": 2, "event_date": 2, "price": 1,
                  "company_number": 0.5},
    "hospital_intake": {"receipt_number": 3, "event_date": 3, "company_number": 1, "price": 1,
                        "hangul_numeral_word": 0.5},
    "app_log": {"ip_address": 4, "version_number": 3, "order_number": 2, "transaction_number": 2,
                "approval_number": 1, "member_number": 1, "serial_number": 1, "price": 0.5},
}


class _Builder:
    def __init__(self, part: str, seed: int) -> None:
        self.part = part
        self.r = random.Random(seed)
        self.v = _Values(self.r)

    def pool(self, name: str, items) -> tuple:
        return share(name, items, self.part)

    def pick(self, name: str, items) -> str:
        return self.r.choice(self.pool(name, items))

    def weighted(self, table: dict) -> str:
        return self.r.choices(list(table), list(table.values()))[0]

    def fill(self, s: str) -> str:
        r = self.r
        return (s.replace("{name}", r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN))
                 .replace("{product}", r.choice(corpus.PRODUCTS)).replace("{place}", r.choice(corpus.PLACES))
                 .replace("{courier}", r.choice(COURIERS)))

    def speaker(self, genre: str, customer: bool = True) -> str:
        r = self.r
        if genre == "messenger":
            return f"[{r.choice(('오전', '오후'))} {r.randrange(1, 13)}:{r.randrange(60):02d}] " \
                   f"{r.choice(corpus.GIVEN)}: "
        if genre == "chat":
            return "고객: " if customer else "상담사: "
        return ""

    # ------------------------------------------------------------------ one value or look-alike

    def labelled_value(self, w: _Writer, kind: str, genre: str, situation: str, frame: str) -> None:
        """Writes label and value for one situation that sits inside a sentence."""
        r = self.r
        v = self.v
        unlabelled = UNLABELLED_OK.get(kind)
        if situation == "no_label":
            writing = v.pick_writing(kind, unlabelled)
        else:
            writing = v.pick_writing(kind)
        val = v.make(kind, writing)
        if situation == "label_plain":
            lab = self.pick(f"ko.{kind}", KO_LABELS[kind])
            w.add(lab + " ")
        elif situation == "label_punct":
            lab = self.pick(f"ko.{kind}", KO_LABELS[kind])
            w.add(lab + self.pick("punct", PUNCT))
        elif situation == "label_english":
            lab = self.pick(f"en.{kind}", EN_LABELS[kind])
            w.add(lab + r.choice((" ", ": ", " : ")))
        elif situation == "label_symbol":
            lab = self.pick(f"sym.{kind}", SYMBOLS[kind])
            w.add(lab + r.choice((" ", "", ": ")))
        elif situation == "bank_name":
            lab = self.pick("bank", BANKS)
            w.add(lab + r.choice((" ", " ", "은행 " if not lab.endswith(("은행", "뱅크", "금고", "국", "협"))
                                  else " ")))
        else:
            lab = ""
        if situation == "trailing_label":
            lab = self.pick(f"trail.{kind}", TRAILING[kind])
        w.value(val, situation, lab, frame)
        if writing == "glued_digits":  # an e-mail with a telephone number right behind it
            phone = v._groups(v._phone_groups(True), "hyphen", r)
            w.value(Written("phone", phone, "glued_after_email", False), "no_label", "", frame)
        if situation == "trailing_label":
            w.add(lab)

    def situation_for(self, kind: str, genre: str) -> str:
        table = dict(SITUATIONS[genre])
        if kind not in UNLABELLED_OK:
            table.pop("no_label", None)
        if kind != "bank_account":
            table.pop("bank_name", None)
        if kind not in SYMBOLS:
            table.pop("label_symbol", None)
        return self.weighted(table)

    def negative_phrase(self, w: _Writer, category: str, genre: str) -> None:
        phrasings = self.pool(f"neg.{category}", NEG_PHRASES[category])
        if genre in ("chat", "messenger", "delivery", "call_note"):  # people do not say key=value
            phrasings = tuple(p for p in phrasings if "=" not in p) or phrasings
        phr = self.r.choice(phrasings)
        head, rest = phr.split("[[")
        inner, tail = rest.split("]]")
        w.add(head)
        w.negative(category, inner.replace("{v}", self.v.negative(category)), phr)
        w.add(tail)

    # ------------------------------------------------------------------ prose genres

    def prose(self, genre: str) -> Document:
        r = self.r
        w = _Writer(genre, self.part)
        n_values = r.randrange(2, 7)
        n_negs = r.randrange(2, 6)
        items = ["v"] * n_values + ["n"] * n_negs + ["f"] * r.randrange(2, 7)
        r.shuffle(items)
        frames = self.pool(f"frame.{genre}", FRAMES[genre])
        fillers = self.pool(f"filler.{genre}", FILLERS[genre])
        for it in items:
            if it == "f":
                w.add(self.speaker(genre, r.random() < 0.5) + self.fill(r.choice(fillers)) + "\n")
                continue
            frame = r.choice(frames)
            if it == "v":
                kind = self.weighted(GENRE_KINDS[genre])
                situation = self.situation_for(kind, genre)
                if situation == "previous_line":
                    q = self.pick(f"question.{kind}", QUESTIONS[kind])
                    w.add(self.speaker(genre, False) + q + "\n")
                    w.add(self.speaker(genre, True) + r.choice(("", "네 ", "아 네, ")))
                    writing = self.v.pick_writing(kind)
                    if writing == "glued_digits":
                        writing = "plain"
                    w.value(self.v.make(kind, writing), "previous_line", q, "answer")
                    w.add(r.choice(("", " 입니다", "요", " 이에요", "")) + "\n")
                    continue
                head, tail = self.fill(frame).split("{X}")
                w.add(self.speaker(genre, True) + head)
                self.labelled_value(w, kind, genre, situation, frame)
                w.add(tail + "\n")
            else:
                category = self.weighted(GENRE_NEGATIVES[genre])
                head, tail = self.fill(frame).split("{X}")
                w.add(self.speaker(genre, True) + head)
                self.negative_phrase(w, category, genre)
                w.add(tail + "\n")
        return w.document()

    # ------------------------------------------------------------------ tables

    def table(self, genre: str) -> Document:
        r = self.r
        w = _Writer(genre, self.part)
        fmt = genre.split("_")[1]
        kinds = r.sample(KINDS, r.randrange(1, 4))
        negs = r.sample(tuple(NEG_HEADERS), r.randrange(1, 4))
        if r.random() < 0.25 and not {"event_date", "price"} <= set(negs):
            negs = [c for c in negs if c not in ("event_date", "price")][:1] + ["event_date", "price"]
        cols: list[tuple[str, str, str]] = [("name", "", r.choice(("이름", "성명", "name", "고객명")))]
        for k in kinds:
            cols.append(("value", k, self.pick(f"header.{k}", HEADERS[k])))
        for c in negs:
            cols.append(("negative", c, self.pick(f"negheader.{c}", NEG_HEADERS[c])))
        head, body = cols[:1], cols[1:]
        r.shuffle(body)
        # A date column right before a plain amount column gives joined-looking fields.
        if "event_date" in negs and "price" in negs and r.random() < 0.8:
            body = [c for c in body if c[1] not in ("event_date", "price")]
            body.append(("negative", "event_date", self.pick("negheader.event_date",
                                                             NEG_HEADERS["event_date"])))
            body.append(("negative", "price", self.pick("negheader.price", NEG_HEADERS["price"])))
        cols = head + body
        sep = {"csv": ",", "tsv": "\t", "pipe": "|", "markdown": " | "}[fmt]
        names = [c[2] for c in cols]
        if fmt == "markdown":
            w.add("| " + " | ".join(names) + " |\n|" + "|".join("---" for _ in names) + "|\n")
        else:
            w.add(sep.join(names) + "\n")
        plain_amounts = fmt in ("csv", "tsv") and r.random() < 0.7
        header_date_sep = r.choice(("-", ".", "/"))
        for _ in range(r.randrange(2, 6)):
            if fmt == "markdown":
                w.add("| ")
            i = 0
            while i < len(cols):
                role, what, header = cols[i]
                if i:
                    w.add(sep)
                if role == "name":
                    w.add(r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN))
                elif role == "value":
                    writing = self.v.pick_writing(what, COMPACT_WRITINGS)
                    w.value(self.v.make(what, writing), "column_header", header, f"{fmt}")
                elif (what == "event_date" and i + 1 < len(cols) and cols[i + 1][1] == "price"
                      and plain_amounts):
                    y, m, d = self.v.date(2019, 2026)
                    joined = f"{y}-{m:02d}-{d:02d}{sep}{r.randrange(100, 99999) * 10}"
                    w.negative("csv_joined", joined, f"{fmt}.{header}")
                    i += 1
                else:
                    val = self.v.negative(what)
                    if what == "event_date":  # tables hold dates in one compact form per export
                        y, m, d = self.v.date(2015, 2026)
                        val = f"{y}{header_date_sep}{m:02d}{header_date_sep}{d:02d}"
                    quote = fmt == "csv" and "," in val
                    if quote:
                        w.add('"')
                    w.negative(what, val, f"{fmt}.{header}")
                    if quote:
                        w.add('"')
                i += 1
            w.add(" |\n" if fmt == "markdown" else "\n")
        return w.document()

    # ------------------------------------------------------------------ application logs

    def log(self) -> Document:
        r = self.r
        w = _Writer("app_log", self.part)
        services = ("c.e.member.SignupService", "c.e.pay.PaymentController", "c.e.order.OrderApi",
                    "c.e.auth.LoginFilter", "c.e.refund.RefundBatch")
        for _ in range(r.randrange(3, 9)):
            ts = self.v.negative("timestamp")
            json_line = r.random() < 0.35
            pairs: list[tuple[str, str, str]] = []
            for _ in range(r.randrange(1, 3)):
                pairs.append(("value", self.weighted(GENRE_KINDS["app_log"]), ""))
            for _ in range(r.randrange(1, 3)):
                pairs.append(("negative", self.weighted(GENRE_NEGATIVES["app_log"]), ""))
            r.shuffle(pairs)
            if json_line:
                w.add('{"ts":"')
                w.negative("timestamp", ts, "log.json.ts")
                w.add(f'","level":"{r.choice(("INFO", "WARN", "DEBUG"))}","event":"'
                      f'{r.choice(("signup", "refund", "payment", "profile_update"))}"')
            else:
                w.negative("timestamp", ts, "log.ts")
                w.add(f" {r.choice(('INFO ', 'WARN ', 'DEBUG'))} [http-nio-8080-exec-{r.randrange(1, 20)}] "
                      f"{r.choice(services)} - {r.choice(('request ok', 'update', 'validation failed', 'saved'))}")
            for role, what, _ in pairs:
                if role == "value":
                    key = self.pick(f"logkey.{what}", LOG_KEYS[what])
                    writing = self.v.pick_writing(what, COMPACT_WRITINGS)
                    if json_line:
                        w.add(f',"{key}":"')
                        w.value(self.v.make(what, writing), "log_key", key, "log.json")
                        w.add('"')
                    else:
                        w.add(f" {key}=")
                        w.value(self.v.make(what, writing), "log_key", key, "log.kv")
                else:
                    phr = self.pick(f"logneg.{what}", _LOG_NEG_KEYS[what])
                    if json_line:
                        w.add(f',"{phr}":"')
                        w.negative(what, self.v.negative(what), f"log.json.{phr}")
                        w.add('"')
                    else:
                        w.add(f" {phr}=")
                        w.negative(what, self.v.negative(what).replace(",", ""), f"log.kv.{phr}")
            w.add("}\n" if json_line else "\n")
        return w.document()


_LOG_NEG_KEYS = {
    "ip_address": ("ip", "client_ip", "remote_addr", "x_forwarded_for", "src"),
    "version_number": ("version", "app_ver", "build", "os_ver", "sdk"),
    "order_number": ("order_id", "orderNo", "order_no", "oid"),
    "transaction_number": ("tid", "txn_id", "trade_no", "transactionId"),
    "approval_number": ("approval_no", "auth_code", "apprNo"),
    "member_number": ("member_id", "uid", "memberNo", "user_no"),
    "serial_number": ("serial", "device_sn", "sn", "serialNo"),
    "price": ("amount", "price", "total_amt", "paid"),
}


def _seed(part: str, seed: int) -> int:
    return seed * 1_000_003 + (17 if part == "tuning" else 91)


def generate(part: str, documents: int = 400, seed: int = 1) -> list[Document]:
    """`documents` labelled documents of one part ("tuning" or "heldout"), genres in turn.
    Same arguments, same documents on every machine."""
    if part not in PARTS:
        raise ValueError(f"part must be one of {PARTS}, not {part!r}")
    stream = _documents(part, seed)
    return [next(stream) for _ in range(documents)]


def _documents(part: str, seed: int):
    b = _Builder(part, _seed(part, seed))
    while True:
        genre = b.weighted(GENRE_WEIGHTS)
        if genre in TABLE_GENRES:
            yield b.table(genre)
        elif genre == "app_log":
            yield b.log()
        else:
            yield b.prose(genre)


def dense_text(size: int, part: str = "tuning", seed: int = 1) -> str:
    """Documents of one part joined by blank lines, at most `size` UTF-8 bytes: realistic text
    where values and look-alike numbers are dense (about nine of each per KB). The first
    documents are those of `generate(part, n, seed)`."""
    if part not in PARTS:
        raise ValueError(f"part must be one of {PARTS}, not {part!r}")
    pieces: list[str] = []
    used = 0
    for doc in _documents(part, seed):
        n = len(doc.text.encode()) + (2 if pieces else 0)
        if used + n > size:
            break
        pieces.append(doc.text)
        used += n
    return "\n\n".join(pieces)


def summary(docs: list[Document]) -> dict:
    """Counts of values by kind and of negatives by category."""
    kinds: dict = {}
    cats: dict = {}
    for d in docs:
        for v in d.values:
            kinds[v.kind] = kinds.get(v.kind, 0) + 1
        for n in d.negatives:
            cats[n.category] = cats.get(n.category, 0) + 1
    return {"values": kinds, "negatives": cats}


def show(docs: list, label_of=lambda v: f"{v.label:14}") -> None:
    """Prints documents with their values and negatives, for a look at a generator's output."""
    for d in docs:
        print(f"=== {d.genre} ===")
        print(d.text)
        for v in d.values:
            print(f"  value {v.kind:24} {v.writing:18} {label_of(v)} {v.text!r}")
        for ng in d.negatives:
            print(f"  neg   {ng.category:24} {ng.text!r}")


if __name__ == "__main__":
    import sys
    part = sys.argv[1] if len(sys.argv) > 1 else "tuning"
    n = int(sys.argv[2]) if len(sys.argv) > 2 else len(GENRES)
    show(generate(part, n))
