"""Deterministic Korean benchmark corpus: customer-service chats, forms, e-mails and call notes
with personal information of all ten kinds at a chosen density, plus PII-free prose and
number-heavy text. Everything is made from a seed; nothing is downloaded.

    text = corpus.generate("mixed", 1 << 20, seed=1, density=200)
    text, truth = corpus.generate_with_truth("mixed", 65536)

Kinds of text: "mixed" (prose with PII), "clean" (prose without PII), "numeric" (prices, dates,
order and invoice numbers next to negative cues such as 주문번호 and 송장번호).
"""

from __future__ import annotations

import random
import re

KINDS = ("resident", "foreigner_registration", "business_registration", "credit_card",
         "bank_account", "phone", "email", "driver_license", "birth_date", "passport")

# Two short sentences of about 60 UTF-8 bytes each.
SHORT_CLEAN = "네, 주문하신 상품은 내일 도착할 예정입니다."
SHORT_PHONE = "확인 후 010-4821-7730 번호로 다시 연락드릴게요."
# The same number without its hyphens: no normalization pass changes this one.
SHORT_PHONE_PLAIN = "확인 후 01048217730 번호로 다시 연락드릴게요."

# --------------------------------------------------------------------------- checksums


def resident_check(d12: list[int], foreigner: bool) -> int:
    s = sum(d * w for d, w in zip(d12, (2, 3, 4, 5, 6, 7, 8, 9, 2, 3, 4, 5)))
    c = (11 - s % 11) % 10
    return (c + 2) % 10 if foreigner else c


def business_check(d9: list[int]) -> int:
    s = sum(d * w for d, w in zip(d9, (1, 3, 7, 1, 3, 7, 1, 3, 5))) + d9[8] * 5 // 10
    return (10 - s % 10) % 10


def luhn_check(body: list[int]) -> int:
    """Check digit to append to body so that the whole passes Luhn."""
    s = 0
    for i, d in enumerate(reversed(body)):
        if i % 2 == 0:  # these become even positions once the check digit is appended
            d *= 2
            if d > 9:
                d -= 9
        s += d
    return (10 - s % 10) % 10


def luhn_ok(digits: list[int]) -> bool:
    s = 0
    for i, d in enumerate(reversed(digits)):
        if i % 2 == 1:
            d *= 2
            if d > 9:
                d -= 9
        s += d
    return s % 10 == 0


def isbn_check(body: list[int]) -> int:
    """Check digit to append to the twelve digits of an ISBN-13 (weights 1, 3, 1, 3, ...)."""
    return (10 - sum(x * (1 if i % 2 == 0 else 3) for i, x in enumerate(body)) % 10) % 10


_MDAYS = (31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31)


def days_in(year: int, month: int) -> int:
    if month == 2 and (year % 4 == 0 and year % 100 != 0 or year % 400 == 0):
        return 29
    return _MDAYS[month - 1]


def random_digits(r: random.Random, n: int) -> str:
    return "".join(str(r.randrange(10)) for _ in range(n))


def random_date(r: random.Random, lo: int, hi: int) -> tuple[int, int, int]:
    """A real (year, month, day) with the year between lo and hi."""
    y = r.randrange(lo, hi + 1)
    m = r.randrange(1, 13)
    return y, m, r.randrange(1, days_in(y, m) + 1)


# --------------------------------------------------------------------------- word pools

SURNAMES = "김이박최정강조윤장임한오서신권황안송류홍전고문양손배백허유남심노하곽성차주우구민진나지엄채원천방공현함변염여추도소석선설마길연위표명기반왕금옥육인맹제모탁국어은편용"
GIVEN = ("민수 서연 지훈 유진 하늘 동원 은비 성호 미경 재현 소희 준석 지민 혜진 태영 보람 수빈 민호 지원 "
         "현우 예은 도윤 서준 하은 시우 지아 주원 채원 건우 수아 우진 지유 선우 다은 연우 서윤 정우 "
         "윤서 승현 가은 민재 나연 태윤 소율 경민 은지 상훈 영숙 순자 정희 광수 명숙 철수 영희").split()
PRODUCTS = ("무선 이어폰 블루투스 스피커 겨울 패딩 운동화 가습기 전기밥솥 공기청정기 노트북 가방 "
            "선풍기 커피머신 청소기 로봇청소기 캠핑 의자 유아 카시트 침대 매트리스 원목 식탁 "
            "스마트워치 충전기 모니터 키보드 니트 원피스 등산화 프라이팬 냄비 세트").split(" ")
PLACES = ("강남구 서초구 송파구 마포구 영등포구 분당구 해운대구 수성구 유성구 연수구 "
          "덕양구 팔달구 동래구 남동구 북구 중구 서구").split()
BANKS = ("국민은행", "신한은행", "우리은행", "하나은행", "농협", "기업은행", "카카오뱅크",
         "토스뱅크", "새마을금고", "우체국")
DOMAINS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com",
           "korea.ac.kr", "snu.ac.kr", "hanbit.co.kr", "samjin.co.kr", "mail.go.kr")
ROMAN = ("minsu seoyeon jihoon yujin haneul dongwon eunbi sungho mikyung jaehyun sohee junseok "
         "jimin hyejin taeyoung boram subin minho jiwon hyunwoo").split()
ROMAN_SUR = "kim lee park choi jung kang cho yoon jang lim han oh seo shin kwon".split()
LATIN_WORDS = ("OTP", "ARS", "PDF", "Wi-Fi", "LTE", "iOS", "Galaxy", "iPhone", "OK", "login",
               "online", "App", "USB", "Bluetooth", "QR", "FAQ", "VIP", "email", "Kakao", "Toss")

# PII-free sentences by genre. {n} a name, {p} a product, {g} a district, {w} a Latin word.
CHAT_LINES = (
    "안녕하세요, {n} 고객님. 무엇을 도와드릴까요?",
    "주문한 {p} 배송이 아직 안 왔는데 언제쯤 도착하나요?",
    "확인해 보니 택배사 사정으로 하루 정도 지연되고 있습니다.",
    "불편을 드려 정말 죄송합니다. 최대한 빨리 처리해 드리겠습니다.",
    "혹시 교환도 가능한가요? 사이즈가 생각보다 작아서요.",
    "네, 수령하신 날부터 칠 일 이내라면 교환 가능합니다.",
    "결제 취소는 카드사 사정에 따라 영업일 기준 삼 일에서 오 일 정도 걸립니다.",
    "앱에서 {w} 인증이 계속 실패하는데 방법이 있을까요?",
    "잠시만 기다려 주시면 담당 부서에 바로 확인해 보겠습니다.",
    "오늘 오후에 기사님이 방문하실 예정이니 집에 계실 때 연락 부탁드립니다.",
    "포인트는 구매 확정 후 이틀 안에 자동으로 적립됩니다.",
    "그럼 반품 접수해 주시고, 회수 기사님께 상자째로 전달해 주세요.",
    "감사합니다. 좋은 하루 보내세요!",
    "제가 지난주에 주문했는데 아직 출고 준비 중으로 나와요.",
    "상품이 파손된 채로 도착했어요. 사진 보내드릴게요.",
    "사진 확인했습니다. 새 상품으로 다시 보내드리겠습니다.",
    "전화로 설명드리기 어려우면 문자로 안내드려도 될까요?",
    "{g} 지역은 오늘 폭설 때문에 배송이 조금 늦어질 수 있습니다.",
    "카드 결제 말고 계좌 이체로도 결제할 수 있나요?",
    "환불은 결제하신 수단으로 진행되며 별도 신청은 필요 없습니다.",
)
FORM_LINES = (
    "■ 서비스 신청서",
    "성명: {n}",
    "주소: 서울특별시 {g} 테헤란로 일대",
    "신청 상품: {p}",
    "희망 방문일: 평일 오전",
    "개인정보 수집 및 이용에 동의합니다. (동의함)",
    "※ 표시 항목은 필수 입력 사항입니다.",
    "비고: 부재 시 경비실에 맡겨 주세요.",
    "신청 경로: 모바일 {w}",
    "담당자 확인란: {n}",
)
MAIL_LINES = (
    "제목: {p} 견적 요청드립니다",
    "안녕하세요, {n}입니다.",
    "지난번 회의에서 말씀드린 자료를 첨부 파일로 보내드립니다.",
    "검토하시고 궁금하신 점이 있으면 편하게 회신 주세요.",
    "다음 주 화요일 오후에 잠깐 통화 가능하실까요?",
    "계약서 초안은 법무팀 검토가 끝나는 대로 공유하겠습니다.",
    "항상 도움 주셔서 감사합니다. {n} 드림",
    "첨부한 {w} 파일이 열리지 않으면 말씀해 주세요.",
    "일정이 바뀌면 미리 알려 주시면 감사하겠습니다.",
    "참고로 세금계산서는 월말에 일괄 발행됩니다.",
)
NOTE_LINES = (
    "[상담메모] 고객 {n}, {p} 관련 불만 접수.",
    "고객이 여러 번 전화했으나 연결이 안 돼 불만이 큼.",
    "본인 요청으로 통화 녹음 내용 확인, 특이사항 없음.",
    "담당자 {n} 에게 이관, 내일 오전 중 회신 예정.",
    "고객 요청: 다음부터는 문자로만 안내해 달라고 함.",
    "{g} 센터 재고 부족으로 대체 상품 안내함.",
    "처리 결과: 전액 환불 승인, 고객 동의 받음.",
    "재방문 일정은 고객과 협의 후 다시 잡기로 함.",
    "통화 중 {w} 앱 오류 화면 공유받음, 개발팀 전달.",
    "상담 종료. 만족도 조사 안내함.",
)
GENRE_LINES = {"chat": CHAT_LINES, "form": FORM_LINES, "mail": MAIL_LINES, "note": NOTE_LINES}

# Sentences with a personal-information slot {v}, by kind; cue words as people use them.
PII_LINES = {
    "resident": ("주민등록번호 {v} 로 본인확인 완료했습니다.", "주민번호: {v}",
                 "본인확인을 위해 주민등록번호 {v} 받았습니다.", "실명확인 {v} 일치함."),
    "foreigner_registration": ("외국인등록번호 {v} 확인 부탁드립니다.",
                               "체류 자격 확인용 외국인등록번호는 {v} 입니다.", "외국인등록: {v}"),
    "business_registration": ("사업자등록번호 {v} 로 세금계산서 발행 요청하셨습니다.",
                              "사업자번호: {v}", "상호 {n}상회, 사업자 {v}"),
    "credit_card": ("카드번호 {v} 결제 건 취소 요청하셨습니다.", "신용카드 {v} 로 결제했어요.",
                    "체크카드 번호는 {v} 입니다.", "결제하신 카드 {v} 승인 취소 완료."),
    "bank_account": ("환불 계좌번호는 {b} {v} 예금주 {n} 입니다.", "{b} {v} 로 입금 부탁드립니다.",
                     "이체하실 계좌: {b} {v}", "계좌 {v} ({b}) 로 송금했습니다."),
    "phone": ("연락처 {v} 로 연락 주세요.", "휴대폰 번호가 {v} 인데요.", "{v} 로 전화 부탁드립니다.",
              "핸드폰: {v}", "전화번호 {v} 로 문자 보내드렸습니다.", "{n} 님 {v}"),
    "email": ("메일 {v} 로 보내드렸습니다.", "회신은 {v} 로 부탁드립니다.", "이메일: {v}",
              "보내는 사람: {n} <{v}>"),
    "driver_license": ("운전면허번호 {v} 확인했습니다.", "면허번호: {v}", "운전면허 {v} 로 본인 인증."),
    "birth_date": ("생년월일 {v}", "생년월일은 {v} 입니다.", "생일: {v}", "출생일 {v} 확인."),
    "passport": ("여권번호 {v} 입니다.", "여권번호: {v}", "여권 {v} 만료일 확인 필요."),
}
KIND_WEIGHTS = (1.5, 1.0, 1.0, 1.5, 1.5, 3.0, 2.0, 1.0, 1.0, 1.0)

# Number-heavy lines: prices, dates, order and invoice numbers, codes (no personal information).
NUMERIC_LINES = (
    "주문번호 {d8}{r5} 결제금액 {price}원",
    "송장번호 {r4}-{r4}-{r4} (CJ대한통운) 오늘 출고",
    "운송장 {r12} 조회 결과 배송 중",
    "{date} {hm} 입고, 수량 {q}개, 단가 {price}원, 합계 {price}원",
    "접수번호 {d8}-{r6} 처리 완료",
    "상품코드 {r12} 재고 {q}개",
    "바코드 {r13} 스캔 오류",
    "관리번호 A-{yr}-{r5}",
    "고객센터 1588-{r4} (평일 09:00~18:00)",
    "대표번호 02-{r4}-{r4}",
    "우편번호 {r5}",
    "모델번호 SM-{r4}N 색상 블랙",
    "전표번호 {d8}{r4}",
    "할인율 {q}.{q1}% 적용, 최종 {price}원",
    "{date} 기준 누적 포인트 {price}점",
    "계약번호 {d8}-{r4} 갱신 예정일 {date}",
    "증권번호 {r4}-{r6}-{r4}",
    "일련번호 {r10}",
    "문서번호 제{yr}-{r4}호",
    "총 {q}건, {price}원 환불 예정 ({date})",
)
NUMERIC_CHANCE_IN_PROSE = 0.08

FULL = str.maketrans("0123456789-", "０１２３４５６７８９－")
HANGUL_DIGITS = "공일이삼사오육칠팔구"
DASHES = ("\u2010", "\u2013", "\u2212")
_SLOT = re.compile(r"\{(\w+)\}")


class _Gen:
    def __init__(self, seed: int) -> None:
        self.r = random.Random(seed)

    # ------------------------------------------------------------------ little pieces
    def name(self) -> str:
        r = self.r
        return r.choice(SURNAMES) + r.choice(GIVEN)

    def fill(self, line: str) -> str:
        r = self.r
        if "{" not in line:
            return line
        return line.format(n=self.name(), p=r.choice(PRODUCTS), g=r.choice(PLACES),
                           w=r.choice(LATIN_WORDS), b=r.choice(BANKS), v="{v}")

    def digits(self, n: int) -> list[int]:
        return [self.r.randrange(10) for _ in range(n)]

    def date(self, lo: int = 1940, hi: int = 2015) -> tuple[int, int, int]:
        return random_date(self.r, lo, hi)

    # ------------------------------------------------------------------ values by kind
    # Each returns the groups of digits as written with hyphens, and which styles fit.
    def resident(self, foreigner: bool = False) -> list[str]:
        y, m, d = self.date()
        g = (5 if foreigner else 1) if y < 2000 else (7 if foreigner else 3)
        g += self.r.randrange(2)
        d12 = [int(c) for c in f"{y % 100:02d}{m:02d}{d:02d}"] + [g] + self.digits(5)
        d13 = d12 + [resident_check(d12, foreigner)]
        s = "".join(map(str, d13))
        return [s[:6], s[6:]]

    def business(self) -> list[str]:
        r = self.r
        d9 = [r.randrange(1, 10), r.randrange(10), r.randrange(10), r.randrange(8, 9) if r.random() < .3
              else r.randrange(1, 9), r.randrange(10)] + self.digits(4)
        s = "".join(map(str, d9 + [business_check(d9)]))
        return [s[:3], s[3:5], s[5:]]

    def card(self) -> list[str]:
        r = self.r
        if r.random() < 0.12:  # 15-digit cards, 4-6-5
            body = [3, r.choice((4, 7))] + self.digits(12)
            s = "".join(map(str, body + [luhn_check(body)]))
            return [s[:4], s[4:10], s[10:]]
        prefix = r.choice(([4], [5, r.randrange(1, 6)], [9, 4, 1, 0], [6, 2]))
        body = prefix + self.digits(15 - len(prefix))
        s = "".join(map(str, body + [luhn_check(body)]))
        return [s[0:4], s[4:8], s[8:12], s[12:]]

    def account(self) -> list[str]:
        r = self.r
        shape = r.choice(((3, 3, 6), (4, 3, 6), (6, 2, 6), (3, 6, 5), (3, 4, 4, 2), (4, 2, 7),
                          (3, 2, 6), (3, 6, 2, 3)))
        return ["".join(map(str, self.digits(n))) for n in shape]

    def phone(self) -> list[str]:
        r = self.r
        x = r.random()
        d = lambda n: "".join(map(str, self.digits(n)))  # noqa: E731
        if x < 0.6:
            return ["010", str(r.randrange(2, 10)) + d(3), d(4)]
        if x < 0.67:
            return [r.choice(("011", "016", "017", "019")), str(r.randrange(2, 10)) + d(2), d(4)]
        if x < 0.8:
            return ["02", str(r.randrange(2, 10)) + d(r.choice((2, 3))), d(4)]
        if x < 0.95:
            return [r.choice(("031", "032", "042", "051", "053", "062", "064", "070")),
                    str(r.randrange(2, 10)) + d(r.choice((2, 3))), d(4)]
        return [r.choice(("1588", "1577", "1644", "1800")), d(4)]

    def license(self) -> list[str]:
        r = self.r
        region = r.choice(list(range(11, 27)) + [28])
        return [str(region), f"{r.randrange(0, 100):02d}", "".join(map(str, self.digits(6))),
                f"{r.randrange(0, 100):02d}"]

    def birth(self) -> list[str]:
        y, m, d = self.date()
        if self.r.random() < 0.25:
            return [f"{y % 100:02d}{m:02d}{d:02d}"]
        return [str(y), f"{m:02d}", f"{d:02d}"]

    def email(self) -> str:
        r = self.r
        local = r.choice((
            lambda: f"{r.choice(ROMAN)}.{r.choice(ROMAN_SUR)}",
            lambda: f"{r.choice(ROMAN_SUR)}{r.choice(ROMAN)}{r.randrange(70, 100)}",
            lambda: f"{r.choice(ROMAN)}_{r.choice(ROMAN_SUR)}",
            lambda: f"{r.choice(ROMAN)[0]}{r.choice(ROMAN_SUR)}{r.randrange(1, 1000)}",
            lambda: f"{r.choice(ROMAN)}+shop",
        ))()
        s = f"{local}@{r.choice(DOMAINS)}"
        return s.replace("@", "＠") if r.random() < 0.04 else s

    def passport(self) -> str:
        r = self.r
        if r.random() < 0.85:
            return r.choice("MSROD") + "".join(map(str, self.digits(8)))
        return r.choice("MS") + "".join(map(str, self.digits(7)))

    # ------------------------------------------------------------------ ways of writing
    def write(self, kind: str, groups: list[str]) -> tuple[str, str]:
        """Writes digit groups the way people do; returns (text, style)."""
        r = self.r
        x = r.random()
        masked_ok = kind in ("resident", "foreigner_registration", "credit_card", "phone",
                             "bank_account", "business_registration")
        hangul_ok = kind in ("resident", "phone", "credit_card", "bank_account")
        if x < 0.48:
            return "-".join(groups), "hyphen"
        if x < 0.58:
            return "".join(groups), "plain"
        if x < 0.66:
            return " ".join(groups), "space"
        if x < 0.70 and kind in ("phone", "birth_date", "bank_account"):
            return ".".join(groups), "dot"
        if x < 0.74 and kind == "phone" and groups[0].startswith("0") and len(groups) == 3:
            return f"({groups[0]}) {groups[1]}-{groups[2]}", "bracket"
        if x < 0.81:
            return "-".join(groups).translate(FULL), "fullwidth"
        if x < 0.85:
            return r.choice(DASHES).join(groups), "dash"
        if x < 0.90 and hangul_ok:
            return "-".join("".join(HANGUL_DIGITS[int(c)] for c in g) for g in groups), "hangul"
        if x < 0.95:
            s = self.lookalike("-".join(groups))
            if s is not None:
                return s, "lookalike"
        if masked_ok:
            return self.masked(kind, groups), "masked"
        return "-".join(groups), "hyphen"

    def lookalike(self, s: str) -> str | None:
        """One interior 0 or 1 typed as a letter; neighbours (across hyphens) must be digits."""
        spots = [i for i in range(1, len(s) - 1) if s[i] in "01"
                 and s[i - 1] != "-" and s[i + 1] != "-" and i >= 2 and i <= len(s) - 3]
        if not spots:
            return None
        i = self.r.choice(spots)
        letter = self.r.choice("Oo") if s[i] == "0" else self.r.choice("lI")
        return s[:i] + letter + s[i + 1:]

    def masked(self, kind: str, groups: list[str]) -> str:
        g = list(groups)
        if kind in ("resident", "foreigner_registration"):
            g[1] = g[1][0] + "*" * 6 if self.r.random() < 0.7 else "*" * 7
        elif kind == "credit_card" and len(g) == 4:
            g[1] = g[1][:2] + "**"
            g[2] = "****"
        elif kind == "phone" and len(g) == 3:
            g[1] = "*" * len(g[1])
        else:
            g[-1] = g[-1][:-4] + "****" if len(g[-1]) > 4 else "*" * len(g[-1])
        return "-".join(g)

    def pii(self, kind: str) -> tuple[str, str]:
        if kind == "resident":
            return self.write(kind, self.resident())
        if kind == "foreigner_registration":
            return self.write(kind, self.resident(foreigner=True))
        if kind == "business_registration":
            return self.write(kind, self.business())
        if kind == "credit_card":
            return self.write(kind, self.card())
        if kind == "bank_account":
            return self.write(kind, self.account())
        if kind == "phone":
            return self.write(kind, self.phone())
        if kind == "driver_license":
            return self.write(kind, self.license())
        if kind == "birth_date":
            return self.write(kind, self.birth())
        if kind == "email":
            return self.email(), "plain"
        return self.passport(), "plain"

    def numeric_line(self) -> str:
        r = self.r
        y, m, d = self.date(2019, 2025)
        rn = lambda n: random_digits(r, n)  # noqa: E731
        slots = {
            "d8": lambda: f"{y}{m:02d}{d:02d}", "yr": lambda: str(y),
            "r4": lambda: rn(4), "r5": lambda: rn(5), "r6": lambda: rn(6), "r10": lambda: rn(10),
            "r12": lambda: rn(12), "r13": lambda: rn(13),
            "price": lambda: f"{r.randrange(1, 2000) * 100:,}",
            "q": lambda: str(r.randrange(1, 60)), "q1": lambda: str(r.randrange(10)),
            "date": lambda: r.choice((f"{y}-{m:02d}-{d:02d}", f"{y}.{m:02d}.{d:02d}",
                                      f"{y}년 {m}월 {d}일")),
            "hm": lambda: f"{r.randrange(8, 20):02d}:{r.randrange(60):02d}",
        }
        return _SLOT.sub(lambda mo: slots[mo.group(1)](), r.choice(NUMERIC_LINES))


def _build(kind: str, size: int, seed: int, density: int, truth: list | None) -> str:
    g = _Gen(seed * 1_000_003 + {"mixed": 1, "clean": 2, "numeric": 3}[kind])
    r = g.r
    out: list[str] = []
    nbytes = 0
    next_pii = r.randrange(density // 2, density + 1) if kind == "mixed" else None
    genres = tuple(GENRE_LINES)
    genre = r.choice(genres)
    left_in_block = 0
    embedded = None  # (kind, byte offset in the line, value, style) of the line being written
    values: list[str] = []  # the embedded values as written, to check the recorded spans
    while nbytes < size:
        if left_in_block <= 0:  # a new chat, form, mail or note
            genre = r.choice(genres)
            left_in_block = r.randrange(6, 30)
            if out:
                out.append("\n\n")
                nbytes += 2
        left_in_block -= 1
        if kind == "numeric":
            line = g.numeric_line()
        elif next_pii is not None and nbytes >= next_pii:
            k = r.choices(KINDS, KIND_WEIGHTS)[0]
            template = g.fill(r.choice(PII_LINES[k]))
            value, style = g.pii(k)
            head, tail = template.split("{v}")
            line = head + value + tail
            embedded = (k, len(head.encode()), value, style)
            next_pii += r.randrange(density // 2, density * 3 // 2 + 1)
        elif kind == "mixed" and r.random() < NUMERIC_CHANCE_IN_PROSE:
            line = g.numeric_line()
        else:
            line = g.fill(r.choice(GENRE_LINES[genre]))
        sep = "\n" if genre in ("form", "note") or kind == "numeric" else " "
        prefix = ""
        if genre == "chat" and kind != "numeric":
            prefix = "상담사: " if r.random() < 0.5 else "고객: "
            line = prefix + line
            sep = "\n"
        if embedded is not None and truth is not None:  # offsets count the speaker prefix too
            k, offset, value, style = embedded
            start = nbytes + len(prefix.encode()) + offset
            truth.append((k, start, start + len(value.encode()), style))
            values.append(value)
        embedded = None
        piece = line + sep
        out.append(piece)
        nbytes += len(piece.encode())
    text = "".join(out)
    raw = text.encode()
    if truth is not None:
        for (_, start, end, _), value in zip(truth, values):
            assert raw[start:end].decode() == value, (start, end, value)
    if len(raw) > size:
        text = raw[:size].decode("utf-8", "ignore")
        if truth is not None:
            limit = len(text.encode())
            truth[:] = [t for t in truth if t[2] <= limit]
    return text


def generate(kind: str, size: int, seed: int = 1, density: int = 200) -> str:
    """Text of the given kind ("mixed", "clean", "numeric") with at most `size` UTF-8 bytes
    (short by under one character). `density` is the mean number of bytes per finding in
    mixed prose. Same arguments, same text."""
    return _build(kind, size, seed, density, None)


def generate_with_truth(kind: str, size: int, seed: int = 1, density: int = 200):
    """Like generate, plus the embedded values as (kind, byte_start, byte_end, style); each
    span is checked to slice back to the value as written."""
    truth: list = []
    return _build(kind, size, seed, density, truth), truth


def documents(count: int, size: int, seed: int = 7, density: int = 200) -> list[str]:
    """`count` different mixed documents of about `size` bytes each."""
    return [generate("mixed", size, seed * 10_007 + i, density) for i in range(count)]


if __name__ == "__main__":
    import sys
    kind = sys.argv[1] if len(sys.argv) > 1 else "mixed"
    size = int(sys.argv[2]) if len(sys.argv) > 2 else 2000
    print(generate(kind, size))
