"""The blind part of the labelled documents: a third part written apart from the rules and from
the tuning and held-out parts, so that it measures how the detector does on text nobody tuned it
on. Seeded, nothing downloaded.

    docs = labelled_blind.generate(documents=400)        # part "blind"

The records are those of `labelled.py` (`Document`, `Value`, `Negative`: kind, exact character
and UTF-8 byte span, way of writing, label situation, genre) and the kinds and negative
categories are the same, so `quality.py --parts blind` reports it in the same tables. Everything
else is its own: the genres (in-app support chats, KakaoTalk exports, second-hand trade chats,
call transcripts, bank and card text messages, e-mail signatures, insurance claims, lease
contracts, scanned ID cards and passports, school and clinic forms, travel bookings, onboarding
mails, JSON API responses, XML records, SQL inserts, quoted, semicolon and Excel CSV, fixed-width
reports, audit logs, web access logs), the labels, keys, column headers, bank names, questions
and sentence frames, several ways of writing (spoken Hangul digits, ㅡ for a hyphen, wrapped
lines, +82 (0)10, PG-style masked cards, dates in English) and the look-alike phrasings.

Rules are never tuned on this part: its figures are only read, once per change that is meant to
generalise. Values are only what a careful reader recognises as personal information; a bare
date or account-like number with no label is never written as a value.
"""

from __future__ import annotations

import random
from dataclasses import dataclass

import corpus
from labelled import Document, Written, _Writer

PART = "blind"
KINDS = corpus.KINDS

# --------------------------------------------------------------------------- people and things

FAMILY = "김이박최정강조윤장임한오서신권황안송전홍유고문양손배백허남심노하곽성차주우구민진"
GIVEN = ("가영 건희 경태 관우 규리 기현 나래 다인 도현 동건 라희 명진 문정 미란 민혁 범수 병철 보영 상민 "
         "서희 석진 선영 세훈 소연 수정 승민 시원 아름 애란 여진 연경 영민 예진 용수 원석 유나 윤호 은숙 "
         "인호 재민 정민 종현 주희 지석 진아 찬호 창민 태현 하린 한결 해진 현정 혜원 효진").split()
ROMAN_GIVEN = ("gayoung geonhee kyungtae gwanwoo gyuri kihyun narae dain dohyun donggun rahee myungjin "
               "minhyuk bumsoo seohee sukjin sunyoung sehoon soyeon sujung seungmin siwon areum yujin "
               "yeonkyung yongsu wonseok yuna yoonho inho jaemin jongheon juhee jiseok jina chanho").split()
ROMAN_FAMILY = "kim lee park choi jeong kang jo yun jang lim han oh seo shin kwon hwang ahn song hong".split()
FREE_MAIL = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com", "icloud.com",
             "outlook.com", "hotmail.com", "yahoo.co.kr")
WORK_MAIL = ("hanultech.co.kr", "daesung-eng.com", "mirae-log.kr", "snuh.org", "yonsei.ac.kr",
             "kookmin.ac.kr", "seoul.go.kr", "kepco.co.kr", "bluefin.io", "greenpay.kr")
GOODS = ("에어프라이어", "유모차", "전동킥보드", "아이패드 미니", "닌텐도 스위치", "캠핑 텐트", "식기세척기",
         "안마의자", "골프채 세트", "전기자전거", "무선 청소기", "제습기", "4K 모니터", "책상 의자")
TOWNS = ("성수동", "망원동", "연남동", "판교동", "광교동", "동탄", "일산동구", "부평구", "수영구", "남구",
         "청주 흥덕구", "전주 완산구", "창원 성산구", "천안 서북구")

# --------------------------------------------------------------------------- labels

KO = {
    "resident": ("주민등록번호", "주민번호", "주민등록번호 전체", "주민No", "본인 주민등록번호", "주민등록 번호(13자리)"),
    "foreigner_registration": ("외국인등록번호", "외국인 등록증 번호", "등록번호(외국인)", "ARC 번호",
                               "외국인등록증번호"),
    "business_registration": ("사업자등록번호", "사업자등록증 번호", "사업자 번호", "사업자NO"),
    "credit_card": ("카드번호", "신용카드번호", "결제 카드 번호", "체크카드 번호", "카드 No.", "등록 카드"),
    "bank_account": ("계좌번호", "입금 계좌", "환불 계좌번호", "자동이체 계좌", "송금 계좌", "정산 계좌", "통장 번호"),
    "phone": ("휴대폰번호", "핸드폰번호", "전화", "본인 휴대전화", "집 전화", "연락처(휴대폰)", "연락 가능 번호",
              "휴대전화번호", "비상 연락망", "폰번호"),
    "email": ("이메일주소", "e메일", "전자메일", "메일 주소", "이메일 계정", "회신 메일"),
    "driver_license": ("운전면허 번호", "면허증 번호", "자동차운전면허번호", "운전면허증번호", "면허 No."),
    "birth_date": ("생년월일", "출생년월일", "생년월일(8자리)", "생일", "출생일자", "생년월일(양력)"),
    "passport": ("여권번호", "여권 No.", "여권 번호", "여권상 번호", "여권정보"),
}
# Labels that belong to the people of one genre (the insured, the landlord, the patient ...),
# used most of the time there.
GENRE_KO = {
    "insurance_claim": {"resident": ("피보험자 주민번호", "계약자 주민등록번호", "수익자 주민번호"),
                        "birth_date": ("피보험자 생년월일", "사고자 생년월일"),
                        "bank_account": ("보험금 수령 계좌", "지급 계좌"), "phone": ("청구인 연락처", "계약자 휴대폰")},
    "rental_contract": {"resident": ("임대인 주민번호", "임차인 주민등록번호"), "phone": ("임대인 연락처", "임차인 전화"),
                        "bank_account": ("보증금 반환 계좌", "월세 입금계좌")},
    "clinic_booking": {"resident": ("수진자 주민번호",), "birth_date": ("환자 생년월일", "수진자 생년월일"),
                       "phone": ("환자 연락처", "보호자 휴대폰")},
    "school_form": {"phone": ("보호자 휴대폰", "어머니 연락처", "아버지 휴대전화", "긴급시 연락처"),
                    "birth_date": ("학생 생년월일",), "email": ("학부모 이메일",)},
    "onboarding_mail": {"bank_account": ("급여 이체 계좌", "급여통장"), "phone": ("본인 휴대폰", "배우자 연락처"),
                        "resident": ("본인 주민번호", "부양가족 주민번호")},
    "used_trade": {"bank_account": ("대금 입금계좌",), "phone": ("판매자 번호",)},
    "email_signature": {"phone": ("휴대폰", "모바일"), "email": ("세금계산서 수신 메일", "담당자 이메일"),
                        "business_registration": ("공급자 등록번호", "공급받는자 사업자번호", "거래처 사업자번호")},
    "bank_sms": {"business_registration": ("가맹점 사업자번호",), "credit_card": ("분실 카드번호",)},
    "call_transcript": {"credit_card": ("분실 카드번호",), "phone": ("회신 받을 번호",)},
    "travel_booking": {"passport": ("탑승객 여권번호", "투숙객 여권번호"), "phone": ("예약자 연락처",),
                       "email": ("예약자 이메일",), "birth_date": ("탑승객 생년월일",)},
    "app_chat": {"phone": ("수령인 연락처", "주문자 휴대폰")},
}
EN = {
    "resident": ("Resident Reg. No.", "RRN#", "Korean ID No.", "National ID"),
    "foreigner_registration": ("Alien Registration No.", "ARC #", "Residence Card No.", "ARC number"),
    "business_registration": ("Business Registration No.", "BRN#", "Tax Reg. No.", "Biz Reg No"),
    "credit_card": ("Card #", "Credit card no.", "PAN", "CC#", "Payment card"),
    "bank_account": ("Bank Acct.", "Account #", "Acc. No.", "Beneficiary Account", "A/C No."),
    "phone": ("Mobile No.", "Phone #", "Tel #", "Cell phone", "Mob", "Emergency Contact", "HP No.",
              "Mobile phone"),
    "email": ("Email Address", "E-Mail", "Email ID", "Mail to"),
    "driver_license": ("Driver License #", "Driving Licence No.", "D/L No.", "Driver's lic."),
    "birth_date": ("Date of birth", "DoB", "Birthdate", "Born"),
    "passport": ("Passport #", "Passport no", "PP#", "Travel Document No."),
}
SYMBOL = {"phone": ("📱", "☎️", "📲", "✆ "), "email": ("📩", "📨", "💌")}
# What stands between a label and its value on a form line.
SEP = (" : ", "：", " - ", ")", "=", " → ", "\t", " ▷ ", ": ", ":", "…", "． ", " ― ", "  ")
# A label written after the value.
AFTER = {
    "resident": (" ← 주민등록번호 맞음", " (주민번호 뒷자리 포함)", "(주민)"),
    "foreigner_registration": (" (외국인등록증)", " ← ARC"),
    "business_registration": (" (사업자)", " ← 사업자등록번호"),
    "credit_card": (" 카드로 결제했어요", " (법인카드)", " ← 카드"),
    "bank_account": (" (예금주 본인)", " 계좌로 부탁드려요", " ← 입금 계좌", " (급여통장)"),
    "phone": (" (본인 휴대폰)", " 으로 연락 주세요", " (집)", " ← 제 폰 번호", " 번으로 전화 주세요"),
    "email": (" 로 메일 주세요", " (회사 메일)", " ← 메일"),
    "driver_license": (" (1종 보통 면허)", " ← 면허번호"),
    "birth_date": (" (양력)", " (음력)", "생, 양력", " 출생", "에 태어났어요"),
    "passport": (" (여권)", " ← 여권 번호"),
}
# Lines before an answer that ask for it.
ASK = {
    "resident": ("실명 확인 때문에 주민번호 앞자리랑 뒷자리 순서대로 불러주세요.", "본인인증 하려면 주민등록번호가 필요해요.",
                 "가입자분 주민번호 전체 말씀 부탁드립니다."),
    "foreigner_registration": ("외국인이시면 등록증 번호로 확인해 드릴게요. 번호 불러 주세요.",
                               "Please tell me your alien registration number."),
    "business_registration": ("계산서 발행하려면 사업자 번호가 필요합니다.", "거래처 등록번호 좀 보내주세요."),
    "credit_card": ("취소할 카드 번호 전체 말씀해 주시겠어요?", "분실하신 카드 번호 혹시 아시나요?"),
    "bank_account": ("계좌번호 보내주시면 바로 입금할게요", "입금 받으실 통장 알려주세요.", "보증금 돌려받을 계좌 적어주세요.",
                     "어디로 쏘면 돼?"),
    "phone": ("연락받으실 번호 남겨주세요.", "기사님이 연락드릴 번호가 어떻게 되세요?", "폰 번호 좀 줘봐",
              "보호자분 휴대폰 번호 부탁드려요.", "What's your phone number?"),
    "email": ("견적서 받으실 메일 주소요?", "메일 주소 좀 찍어줘", "영수증 메일로 보내드릴까요? 주소 알려주세요."),
    "driver_license": ("렌트하시려면 면허번호가 필요합니다.", "면허증 앞면에 있는 번호 읽어 주세요."),
    "birth_date": ("생년월일 8자리로 말씀해주세요.", "환자분 생년월일이요?", "언제 태어나셨어요?", "생일 며칠이야?"),
    "passport": ("출국하시는 분 여권번호 알려주세요.", "항공권 발권하려면 여권번호가 필요해요."),
}
# Bank names before an account number, and the shape of that bank's account numbers.
BANK_SHAPES = {
    "KB국민은행": (6, 2, 6), "국민": (6, 2, 6), "KB": (6, 2, 6), "신한은행": (3, 3, 6), "신한": (3, 3, 6),
    "우리은행": (4, 3, 6), "우리": (4, 3, 6), "하나은행": (3, 6, 5), "농협은행": (3, 4, 4, 2), "NH": (3, 4, 4, 2),
    "농협": (6, 2, 6), "IBK기업은행": (3, 6, 2, 3), "기업은행": (3, 6, 2, 3), "카카오뱅크": (4, 2, 7),
    "카뱅": (4, 2, 7), "토스뱅크": (4, 4, 4), "토스": (4, 4, 4), "케이뱅크": (3, 3, 6), "우체국": (6, 2, 6),
    "MG새마을금고": (4, 4, 4, 1), "새마을": (4, 4, 4, 1), "SC제일은행": (3, 2, 6), "한국씨티은행": (3, 6, 3),
    "BNK부산은행": (3, 4, 4, 2), "BNK경남은행": (3, 2, 7), "광주은행": (3, 3, 6), "전북은행": (3, 2, 7),
    "제주은행": (3, 2, 6), "iM뱅크": (3, 2, 6, 1), "DGB대구은행": (3, 2, 6, 1), "수협은행": (3, 2, 6),
    "신협": (3, 3, 6), "KDB산업은행": (3, 4, 7), "웰컴저축은행": (3, 3, 6), "SBI저축은행": (3, 4, 6),
}
# Keys of JSON, XML, SQL and key=value text: enterprise column abbreviations and API names.
KEYS = {
    "resident": ("juminNo", "rrnNo", "RESI_NO", "jumin_no", "residentRegNo", "custRrn", "RRNO"),
    "foreigner_registration": ("frgnrRegNo", "FRGN_REG_NO", "alienRegNo", "arcNumber", "foreignerNo"),
    "business_registration": ("bizRegNo", "BIZ_REG_NO", "bzmnNo", "brno", "businessNumber", "saupjaNo",
                              "bizrno"),
    "credit_card": ("cardNo", "CARD_NO", "card_number", "cardNum", "crdNo", "creditCardNo"),
    "bank_account": ("acctNo", "ACNT_NO", "accountNumber", "bankAcctNo", "rfndAcctNo", "depositAccount",
                     "payoutAccount", "acnt_no"),
    "phone": ("hpNo", "HP_NO", "mobileNo", "cellPhone", "telNo", "phone_number", "custTelNo", "mbl_telno",
              "guardianPhone", "contactNumber"),
    "email": ("emailAddr", "EMAIL_ADDR", "email_address", "userEmail", "mailAddr", "contactEmail"),
    "driver_license": ("drvLcnsNo", "DRV_LIC_NO", "driverLicenseNo", "licenseNumber", "dlNo"),
    "birth_date": ("brdt", "BRTH_YMD", "dateOfBirth", "birth_ymd", "birthYmd", "dob_yyyymmdd"),
    "passport": ("psptNo", "passportNumber", "pspt_no", "travelDocNo", "PSPT_NO"),
}
# Column headers of exported spreadsheets.
HEAD = {
    "resident": ("주민등록번호(마스킹)", "주민등록번호 ", "RRN(주민번호)", "주민번호(-포함)", "JUMIN"),
    "foreigner_registration": ("외국인등록번호(ARC)", "등록번호(외국인)", "ARC No"),
    "business_registration": ("사업자등록번호(10자리)", "공급자 사업자번호", "BIZ_NO"),
    "credit_card": ("카드번호(16)", "결제카드번호", "CARD_NO"),
    "bank_account": ("계좌번호(은행명 제외)", "입금계좌번호", "ACNT_NO", "환급계좌"),
    "phone": ("휴대폰번호(-포함)", "연락처 (HP)", "CUST_HP", "보호자연락처", "전화번호(휴대)"),
    "email": ("E-MAIL 주소", "이메일(ID)", "EMAIL_ADDR"),
    "driver_license": ("면허번호(지역)", "운전면허번호(12자리)", "DRV_LIC"),
    "birth_date": ("생년월일(YYYYMMDD)", "생년월일(YYYY-MM-DD)", "BIRTH_YMD", "출생일"),
    "passport": ("여권번호(PASSPORT NO.)", "여권No", "PSPT_NO"),
}

# --------------------------------------------------------------------------- ways of writing

WRITE = {
    "resident": (("hyphen", 5), ("plain", 1.5), ("hangul_dash", 1), ("spaced_hyphen", 1), ("fullwidth", 0.7),
                 ("wrapped", 0.5), ("masked_tail", 1.5), ("masked_symbols", 0.7), ("post2020", 1.5)),
    "foreigner_registration": (("hyphen", 5), ("plain", 1.5), ("spaced_hyphen", 1), ("hangul_dash", 0.7),
                               ("masked_tail", 1)),
    "business_registration": (("hyphen", 5), ("plain", 2), ("spaced", 1), ("spaced_hyphen", 0.7),
                              ("masked", 0.7)),
    "credit_card": (("hyphen", 4), ("spaced", 3), ("plain", 1.5), ("amex_spaced", 0.7), ("masked_pg", 1),
                    ("masked_mid", 1), ("fullwidth", 0.5)),
    "bank_account": (("hyphen", 5), ("plain", 2), ("spaced", 1), ("masked", 1)),
    "phone": (("hyphen", 5), ("plain", 2), ("dot", 1), ("spaced", 1.5), ("spaced_hyphen", 0.7),
              ("paren_area", 0.7), ("split_mid", 0.7), ("intl_plus", 1), ("intl_zero", 0.5), ("intl_82", 0.5),
              ("masked_mid", 1.2), ("masked_tail", 0.6), ("fullwidth", 0.4)),
    "email": (("plain", 6), ("work", 3), ("plus_tag", 0.7), ("mixed_case", 0.7), ("angle", 1), ("mailto", 0.5),
              ("spaced_at", 0.5), ("at_dot_words", 0.5), ("korean_words", 0.5), ("masked", 1)),
    "driver_license": (("hyphen", 5), ("plain", 1.5), ("spaced", 1), ("region_name", 2), ("masked", 0.7)),
    "birth_date": (("iso", 2), ("dot", 2), ("dot_trailing", 1), ("korean_padded", 1), ("korean_tight", 1),
                   ("korean_short", 1), ("dash_nopad", 0.7), ("compact", 1.5), ("yymmdd", 1),
                   ("english_day_month", 0.7), ("english_month_day", 0.5), ("spaced_digits", 0.5)),
    "passport": (("old_format", 2), ("current_format", 3)),
}
MASKED = {"masked", "masked_tail", "masked_symbols", "masked_pg", "masked_mid"}
# What tables, logs and query strings hold: no spaces, nothing needing quotes or escapes.
COMPACT = {"hyphen", "plain", "masked", "masked_tail", "masked_pg", "post2020", "iso", "dot",
           "compact", "yymmdd", "old_format", "current_format", "work", "dash_nopad"}
# Ways of writing a reader recognises without a label.
SHAPES_ALONE = {
    "resident": {"hyphen", "hangul_dash", "masked_tail", "post2020"},
    "foreigner_registration": {"hyphen", "masked_tail"},
    "credit_card": {"hyphen", "spaced", "masked_pg", "masked_mid"},
    "phone": {"hyphen", "dot", "paren_area", "intl_plus", "intl_zero", "masked_mid"},
    "email": {"plain", "work", "plus_tag", "mixed_case", "angle", "mailto", "masked"},
}
HANGUL = "공일이삼사오육칠팔구"
# Kinds a caller reads out digit by digit, which a call transcript may write in Hangul.
SPOKEN = ("phone", "resident", "credit_card")
WIDE = str.maketrans("0123456789-", "０１２３４５６７８９－")
MONTHS = ("Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec")


class _Values:
    """Values in the blind part's ways of writing, with valid check digits where they exist."""

    def __init__(self, r: random.Random) -> None:
        self.r = r

    def d(self, n: int) -> str:
        return corpus.random_digits(self.r, n)

    def date(self, lo: int, hi: int) -> tuple[int, int, int]:
        return corpus.random_date(self.r, lo, hi)

    def writing(self, kind: str, allowed=None) -> str:
        opts = [(w, p) for w, p in WRITE[kind] if allowed is None or w in allowed]
        return self.r.choices([w for w, _ in opts], [p for _, p in opts])[0]

    def make(self, kind: str, writing: str, bank: str = "") -> Written:
        fn = getattr(self, "_" + kind)
        text = fn(writing, bank) if kind == "bank_account" else fn(writing)
        return Written(kind, text, writing, writing in MASKED)

    def join(self, groups: list[str], writing: str) -> str:
        r = self.r
        if writing == "plain":
            return "".join(groups)
        if writing == "spaced":
            return " ".join(groups)
        if writing == "dot":
            return ".".join(groups)
        if writing == "spaced_hyphen":
            return " - ".join(groups)
        if writing == "hangul_dash":
            return "ㅡ".join(groups)
        if writing == "fullwidth":
            return "-".join(groups).translate(WIDE)
        if writing == "wrapped":  # a form field broken over two lines
            return "-\n".join(groups)
        if writing == "hangul_numerals":  # a transcript of digits read out one by one
            return r.choice((" ", " 다시 ", ", ")).join("".join(HANGUL[int(c)] for c in g) for g in groups)
        return "-".join(groups)

    def _person_number(self, writing: str, foreigner: bool) -> str:
        r = self.r
        if writing == "post2020":
            y, m, dd = self.date(2020, 2025)
            if y == 2020 and m < 10:  # the new numbers start in October 2020
                m = r.randrange(10, 13)
                dd = r.randrange(1, corpus.days_in(y, m) + 1)
            s = f"{y % 100:02d}{m:02d}{dd:02d}{3 + r.randrange(2)}" + self.d(6)
            return f"{s[:6]}-{s[6:]}"
        y, m, dd = self.date(1938, 2016)
        g = ((5 if foreigner else 1) if y < 2000 else (7 if foreigner else 3)) + r.randrange(2)
        d12 = [int(c) for c in f"{y % 100:02d}{m:02d}{dd:02d}"] + [g] + [int(c) for c in self.d(5)]
        s = "".join(map(str, d12 + [corpus.resident_check(d12, foreigner)]))
        if writing == "masked_tail":
            return f"{s[:6]}-{s[6]}******"
        if writing == "masked_symbols":
            return f"{s[:6]}-{s[6]}{r.choice(('●●●●●●', '######'))}"
        return self.join([s[:6], s[6:]], writing)

    def _resident(self, writing: str) -> str:
        return self._person_number(writing, False)

    def _foreigner_registration(self, writing: str) -> str:
        return self._person_number(writing, True)

    def _business_registration(self, writing: str) -> str:
        r = self.r
        d9 = [r.randrange(1, 10), r.randrange(10), r.randrange(10), r.choice((1, 2, 3, 5, 8)), r.randrange(10)] \
            + [int(c) for c in self.d(4)]
        s = "".join(map(str, d9 + [corpus.business_check(d9)]))
        if writing == "masked":
            return f"{s[:3]}-{s[3:5]}-{s[5]}****"
        return self.join([s[:3], s[3:5], s[5:]], writing)

    def _credit_card(self, writing: str) -> str:
        r = self.r
        if writing == "amex_spaced":
            body = [3, r.choice((4, 7))] + [int(c) for c in self.d(12)]
            s = "".join(map(str, body + [corpus.luhn_check(body)]))
            return f"{s[:4]} {s[4:10]} {s[10:]}"
        prefix = r.choice(("4", "4", "51", "53", "55", "9409", "9430", "6243", "3568", "2221"))
        body = [int(c) for c in prefix + self.d(15 - len(prefix))]
        s = "".join(map(str, body + [corpus.luhn_check(body)]))
        if writing == "masked_pg":  # payment gateways keep the first six and the last four
            return s[:6] + "******" + s[12:]
        if writing == "masked_mid":
            return r.choice((f"{s[:4]}-{s[4:6]}**-****-{s[12:]}", f"{s[:4]} {s[4:6]}** **** {s[12:]}"))
        return self.join([s[:4], s[4:8], s[8:12], s[12:]], writing)

    def _bank_account(self, writing: str, bank: str = "") -> str:
        shape = BANK_SHAPES.get(bank) or self.r.choice(tuple(BANK_SHAPES.values()))
        g = [self.d(n) for n in shape]
        if writing == "masked":
            if len(g[-1]) >= 4:
                g[-1] = g[-1][:-4] + "****"
            else:
                g[1] = "*" * len(g[1])
            return "-".join(g)
        return self.join(g, writing)

    def _phone_groups(self) -> list[str]:
        r = self.r
        x = r.random()
        if x < 0.7:
            return ["010", str(r.randrange(2, 10)) + self.d(3), self.d(4)]
        if x < 0.82:
            return ["02", str(r.randrange(2, 10)) + self.d(r.choice((2, 3))), self.d(4)]
        if x < 0.92:
            return [r.choice(("031", "033", "041", "043", "052", "054", "055", "061", "063")),
                    str(r.randrange(2, 10)) + self.d(r.choice((2, 3))), self.d(4)]
        return ["070", str(r.randrange(2, 10)) + self.d(3), self.d(4)]

    def _phone(self, writing: str) -> str:
        r = self.r
        g = self._phone_groups()
        rest = g[1:]
        if writing == "intl_plus":
            return r.choice(("+82 {} {} {}", "+82-{}-{}-{}", "+82.{}.{}.{}")).format(g[0][1:], *rest)
        if writing == "intl_zero":
            return f"+82 (0){g[0][1:]}-{rest[0]}-{rest[1]}"
        if writing == "intl_82":
            return f"82-{g[0][1:]}-{rest[0]}-{rest[1]}"
        if writing == "paren_area":
            return f"({g[0]}){rest[0]}-{rest[1]}"
        if writing == "split_mid":
            return f"{g[0]}-{rest[0]}{rest[1]}"
        if writing == "masked_mid":
            return f"{g[0]}-{r.choice(('*' * len(rest[0]), rest[0][:2] + '**'))}-{rest[1]}"
        if writing == "masked_tail":
            return f"{g[0]}-{rest[0]}-{'*' * len(rest[1])}"
        return self.join(g, writing)

    def _email(self, writing: str) -> str:
        r = self.r
        given, family = r.choice(ROMAN_GIVEN), r.choice(ROMAN_FAMILY)
        local = r.choice((f"{given}.{family}", f"{family}{given}", f"{given}{r.randrange(80, 100)}",
                          f"{given[0]}{family}", f"{family}_{given}{r.randrange(1, 30)}", f"{given}{family[0]}"))
        domain = r.choice(WORK_MAIL if writing == "work" else FREE_MAIL)
        if writing == "plus_tag":
            return f"{local}+{r.choice(('shop', 'news', 'coupang', 'bank'))}@{r.choice(('gmail.com', 'icloud.com'))}"
        if writing == "mixed_case":
            return f"{given.capitalize()}.{family.capitalize()}@{domain.upper() if r.random() < 0.3 else domain}"
        if writing == "spaced_at":
            return f"{local} @ {domain}"
        if writing == "at_dot_words":
            host, _, tld = domain.partition(".")
            return f"{local} at {host} dot {tld.replace('.', ' dot ')}"
        if writing == "korean_words":
            host, _, tld = domain.partition(".")
            return f"{local}골뱅이{host}쩜{tld.replace('.', '쩜')}"
        if writing == "masked":
            return f"{local[:3]}{'*' * r.randrange(3, 6)}@{domain}"
        return f"{local}@{domain}"

    def _driver_license(self, writing: str) -> str:
        r = self.r
        area = f"{r.choice(list(range(11, 27)) + [28]):02d}"
        year, serial, check = f"{r.randrange(0, 25):02d}", self.d(6), f"{r.randrange(100):02d}"
        if writing == "region_name":
            return r.choice(("서울", "부산", "경기남부", "경기북부", "강원", "충북", "충남", "전북", "전남", "경북",
                             "경남", "제주", "대구", "인천", "광주", "대전", "울산")) \
                + r.choice((" ", "")) + f"{year}-{serial}-{check}"
        if writing == "masked":
            return f"{area}-{year}-{serial[:4]}**-{check}"
        return self.join([area, year, serial, check], writing)

    def _birth_date(self, writing: str) -> str:
        y, m, dd = self.date(1938, 2016)
        return {
            "iso": f"{y}-{m:02d}-{dd:02d}", "dot": f"{y}.{m:02d}.{dd:02d}", "dot_trailing": f"{y}.{m}.{dd}.",
            "korean_padded": f"{y}년 {m:02d}월 {dd:02d}일", "korean_tight": f"{y}년{m}월{dd}일",
            "korean_short": f"{y % 100:02d}년 {m}월 {dd}일", "dash_nopad": f"{y}-{m}-{dd}",
            "compact": f"{y}{m:02d}{dd:02d}", "yymmdd": f"{y % 100:02d}{m:02d}{dd:02d}",
            "english_day_month": f"{dd:02d} {MONTHS[m - 1].upper()} {y}",
            "english_month_day": f"{MONTHS[m - 1]} {dd}, {y}", "spaced_digits": f"{y} {m:02d} {dd:02d}",
        }[writing]

    def _passport(self, writing: str) -> str:
        r = self.r
        if writing == "current_format":
            return r.choice("MMMSRG") + self.d(3) + r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ") + self.d(4)
        return r.choice("MMMSRO") + self.d(8)

    # ------------------------------------------------------------------ look-alikes

    def negative(self, category: str) -> str:
        r, d = self.r, self.d
        if category == "company_number":
            return r.choice((lambda: f"{r.choice(('1522', '1544', '1599', '1670', '1833', '1855', '1688'))}-{d(4)}",
                             lambda: f"080-{r.randrange(200, 999)}-{d(4)}", lambda: f"1899{d(4)}",
                             lambda: f"02-{r.randrange(2, 10)}{d(3)}-{d(4)}",
                             lambda: f"{r.choice(('031', '051'))}-{r.randrange(2, 10)}{d(2)}-{d(4)}"))()
        if category == "ip_address":
            ip = ".".join(str(x) for x in (r.choice((10, 172, 192, 203, 222, 112, 58, 14)), r.randrange(256),
                                           r.randrange(256), r.randrange(1, 255)))
            return ip + (f":{r.choice((8080, 443, 3306, 9200, 22))}" if r.random() < 0.3 else "")
        if category == "version_number":
            return r.choice((lambda: f"{r.randrange(100, 130)}.0.{r.randrange(5000, 6500)}.{r.randrange(10, 250)}",
                             lambda: f"{r.randrange(1, 8)}.{r.randrange(0, 40)}.{r.randrange(0, 12)}",
                             lambda: f"{r.randrange(14, 18)}.{r.randrange(0, 7)}.{r.randrange(1, 4)}",
                             lambda: f"{r.randrange(1, 4)}.{r.randrange(0, 10)}.{r.randrange(0, 10)}."
                                     f"{r.randrange(10000, 99999)}"))()
        if category == "isbn":
            body = [9, 7, r.choice((8, 9)), 1, 1] + [int(c) for c in d(7)]
            t = "".join(map(str, body + [corpus.isbn_check(body)]))
            return r.choice((t, f"{t[:3]}-{t[3:5]}-{t[5:8]}-{t[8:12]}-{t[12]}",
                             f"{t[:3]} {t[3:5]} {t[5:8]} {t[8:12]} {t[12]}"))
        if category == "price":
            return f"{r.randrange(12, 99999) * r.choice((100, 1000, 10)):,}"
        if category == "order_number":
            y, m, dd = self.date(2021, 2026)
            return r.choice((lambda: f"ORD{y}{m:02d}{dd:02d}-{d(7)}", lambda: f"{y}{m:02d}{dd:02d}{d(7)}",
                             lambda: f"{y % 100}{m:02d}{dd:02d}-{d(4)}-{d(4)}", lambda: d(13)))()
        if category == "transaction_number":
            return r.choice((lambda: f"TX{d(16)}", lambda: f"{d(4)}-{d(4)}-{d(4)}", lambda: d(14)))()
        if category == "receipt_number":
            y, m, dd = self.date(2021, 2026)
            return r.choice((lambda: f"{y}-{d(7)}", lambda: f"{y}{m:02d}{dd:02d}-{d(3)}", lambda: f"A{d(10)}"))()
        if category == "approval_number":
            return r.choice((lambda: d(8), lambda: f"3{d(7)}", lambda: d(6)))()
        if category == "reservation_number":
            return r.choice((lambda: f"HB{d(10)}", lambda: f"{d(4)}-{d(4)}-{d(4)}", lambda: f"{d(3)}-{d(4)}-{d(4)}",
                             lambda: d(11)))()
        if category == "member_number":
            return r.choice((lambda: d(10), lambda: f"1{d(8)}", lambda: f"{d(4)}-{d(4)}-{d(4)}-{d(4)}"))()
        if category == "student_number":
            return f"{r.randrange(2015, 2026)}{d(r.choice((5, 6)))}"
        if category == "employee_number":
            return r.choice((lambda: f"{r.randrange(15, 26)}{d(5)}", lambda: f"E{r.randrange(2010, 2026)}{d(4)}"))()
        if category == "serial_number":
            if r.random() < 0.4:  # an IMEI: fifteen digits with a Luhn check digit
                body = [3, 5] + [int(c) for c in d(12)]
                s = "".join(map(str, body + [corpus.luhn_check(body)]))
                return r.choice((s, f"{s[:2]}-{s[2:8]}-{s[8:14]}-{s[14]}"))
            return r.choice((lambda: f"R{d(2)}{r.choice('NMT')}{d(3)}{r.choice('ABCKZ')}{d(4)}", lambda: d(14),
                             lambda: f"{d(5)}-{d(5)}-{d(5)}"))()
        if category == "tracking_number":
            return r.choice((lambda: d(12), lambda: d(13), lambda: f"{d(4)}-{d(4)}-{d(5)}"))()
        if category == "event_date":
            y, m, dd = self.date(2015, 2026)
            return r.choice((f"{y}-{m:02d}-{dd:02d}", f"{y}.{m:02d}.{dd:02d}", f"{y}년 {m:02d}월 {dd:02d}일",
                             f"{y}.{m}.{dd}.", f"{y}{m:02d}{dd:02d}", f"{y % 100:02d}.{m:02d}.{dd:02d}"))
        if category == "timestamp":
            y, m, dd = self.date(2021, 2026)
            h, mi, s = r.randrange(24), r.randrange(60), r.randrange(60)
            return r.choice((f"{y}-{m:02d}-{dd:02d} {h:02d}:{mi:02d}:{s:02d}.{d(3)}",
                             f"{y}{m:02d}{dd:02d}{h:02d}{mi:02d}{s:02d}",
                             f"{y}-{m:02d}-{dd:02d}T{h:02d}:{mi:02d}:{s:02d}+09:00"))
        if category == "hangul_numeral_word":
            y, m, dd = self.date(2021, 2026)
            return r.choice((f"{y}.{m:02d}.{dd:02d}", f"{m:02d}/{dd:02d}", f"{y}-{m:02d}-{dd:02d}", f"{m}.{dd}"))
        raise ValueError(category)


# --------------------------------------------------------------------------- look-alike phrasings

# The look-alike is in [[...]]; {v} is its value. Company numbers carry company words only.
NEG = {
    "company_number": ("고객만족센터 [[{v}]]", "ARS 안내 [[{v}]]", "대표번호([[{v}]])", "문의처: [[{v}]] (평일 9-18시)",
                       "☎ 고객센터 [[{v}]]", "무료수신거부 [[{v}]]", "팩스 [[{v}]]", "Help desk [[{v}]]",
                       "콜센터 번호는 [[{v}]] 이에요", "본사 [[{v}]]", "분실신고 [[{v}]] (24시간)"),
    "ip_address": ("접속지 [[{v}]]", "source IP [[{v}]]", "허용 IP: [[{v}]]", "서버 [[{v}]] 점검",
                   "http://[[{v}]]/admin", "NAT [[{v}]]"),
    "version_number": ("Chrome/[[{v}]]", "앱 업데이트 [[{v}]]", "iOS [[{v}]]", "Android [[{v}]]",
                       "펌웨어 ver [[{v}]]", "v[[{v}]] 릴리스", "빌드번호 [[{v}]]"),
    "isbn": ("ISBN13 [[{v}]]", "(ISBN [[{v}]])", "도서 ISBN: [[{v}]]", "978로 시작하는 ISBN [[{v}]]"),
    "price": ("[[{v}]]원 결제", "₩[[{v}]]", "KRW [[{v}]]", "총 [[{v}]]원(VAT 포함)", "월 납입액 [[{v}]]원",
              "보증금 [[{v}]]원", "잔액 [[{v}]]원", "청구금액 [[{v}]]"),
    "order_number": ("주문 [[{v}]]", "주문번호([[{v}]])", "Order No. [[{v}]]", "구매번호 [[{v}]]",
                     "상품주문번호 [[{v}]]"),
    "transaction_number": ("거래일련번호 [[{v}]]", "TID [[{v}]]", "이체 거래번호 [[{v}]]", "결제 고유번호 [[{v}]]"),
    "approval_number": ("승인 [[{v}]]", "승인No. [[{v}]]", "카드승인번호 [[{v}]]", "승인번호([[{v}]])"),
    "reservation_number": ("예약 확인번호 [[{v}]]", "예매번호 [[{v}]]", "Booking ref [[{v}]]", "진료예약번호 [[{v}]]",
                           "PNR [[{v}]]"),
    "member_number": ("고객번호 [[{v}]]", "멤버십 [[{v}]]", "포인트 카드 [[{v}]]", "회원 번호는 [[{v}]]",
                      "가입자번호 [[{v}]]"),
    "student_number": ("학번 [[{v}]]", "수험번호 [[{v}]]", "학생증 번호 [[{v}]]", "재학생 [[{v}]]"),
    "employee_number": ("사원번호: [[{v}]]", "사번([[{v}]])", "직원번호 [[{v}]]", "Employee ID [[{v}]]"),
    "serial_number": ("IMEI [[{v}]]", "제조번호 [[{v}]]", "시리얼넘버 [[{v}]]", "S/N: [[{v}]]", "기기번호 [[{v}]]"),
    "receipt_number": ("민원 접수번호 [[{v}]]", "청구 접수번호 [[{v}]]", "처리번호 [[{v}]]", "A/S 접수 [[{v}]]"),
    "tracking_number": ("운송장 번호 [[{v}]]", "송장 [[{v}]]", "등기번호 [[{v}]]", "택배 조회 [[{v}]]"),
    "event_date": ("계약 만료일 [[{v}]]", "납부기한 [[{v}]]", "진료 예약일 [[{v}]]", "입주일 [[{v}]]",
                   "사고일자 [[{v}]]", "출국일 [[{v}]]", "발급일 [[{v}]]", "최종 수정 [[{v}]]", "개업일 [[{v}]]",
                   "입사일자 [[{v}]]"),
    "timestamp": ("로그인 시각 [[{v}]]", "[[{v}]] 에 발송됨", "최종 접속 [[{v}]]"),
    "hangul_numeral_word": ("[[육아휴직 시작 {v}]]", "[[구정 연휴 {v}]]", "[[사은품 증정 {v}]]", "[[이월 상품 {v}]]",
                            "[[공사 기간 {v}]]", "[[칠순 잔치 {v}]]", "[[공구 마감 {v}]]", "[[사진 인화 {v}]]",
                            "[[오픈 이벤트 {v}]]", "[[일반 구매 {v}]]", "[[구독 갱신 {v}]]", "[[사무실 이전 {v}]]"),
}

# Dates of other events, in the words each genre uses for them (other genres use NEG's).
EVENTS = {
    "rental_contract": ("계약 만료일 [[{v}]]", "입주일 [[{v}]]", "잔금일 [[{v}]]", "계약일자: [[{v}]]"),
    "insurance_claim": ("사고일자 [[{v}]]", "진료일: [[{v}]]", "입원일 [[{v}]]", "청구일 [[{v}]]"),
    "clinic_booking": ("진료 예약일 [[{v}]]", "검진일 [[{v}]]", "내원 예정일 [[{v}]]"),
    "travel_booking": ("출국일 [[{v}]]", "귀국일: [[{v}]]", "체크인 [[{v}]]", "발권일 [[{v}]]"),
    "onboarding_mail": ("입사일자 [[{v}]]", "첫 출근일 [[{v}]]", "수습 종료일 [[{v}]]"),
    "school_form": ("체험학습일 [[{v}]]", "제출 기한 [[{v}]]", "방학식 [[{v}]]"),
    "bank_sms": ("납부기한 [[{v}]]", "이체 예정일 [[{v}]]", "만기일 [[{v}]]"),
}

# --------------------------------------------------------------------------- prose genres

# Per genre: frames ({X} the label and value), filler lines, kinds, label situations and
# look-alike categories with weights, and how lines start.
PROSE = {
    "app_chat": dict(
        frames=("{X} 입니당", "아 네 {X}", "{X} 이걸로 등록돼 있을 거예요", "{X} 요!", "지금 {X} 로 바꿔주세요",
                "예전 거 말고 {X}", "{X} 맞아요 확인 부탁해요", "{X} 이거 조회 안 되나요??"),
        fillers=("1:1 문의 남겼는데 답이 없어서요", "상담원 연결 감사합니다. 어떤 부분이 불편하셨을까요?",
                 "{goods} 주문 취소하고 싶어요", "확인 도와드리겠습니다. 잠시만 기다려 주세요.", "네 기다릴게요",
                 "처리 완료되었습니다. 추가 문의 있으신가요?", "아니요 없어요 감사합니다", "쿠폰 적용이 안 됐어요",
                 "결제는 됐는데 주문 내역이 안 보여요", "번거롭게 해 드려 죄송합니다."),
        kinds={"phone": 4, "bank_account": 3, "credit_card": 2, "email": 2, "birth_date": 1.5, "resident": 1,
               "business_registration": 0.5},
        situations={"label_plain": 2, "label_punct": 1, "previous_line": 3, "trailing_label": 1, "bank_name": 3,
                    "no_label": 1.5},
        negatives={"order_number": 3, "price": 2, "company_number": 1.5, "approval_number": 1, "event_date": 1,
                   "hangul_numeral_word": 1, "member_number": 1}),
    "kakao_export": dict(
        frames=("{X}", "{X} 여기로", "{X} ㅇㅇ 이거", "{X} 이거 맞지?", "ㄱㄱ {X}", "{X} 입금 ㄱ", "{X} 임돠"),
        fillers=("오늘 회비 걷을게요~", "ㅋㅋㅋㅋ 넵", "사진", "이모티콘", "다들 몇 시 도착?", "나 5분 늦음 ㅠ",
                 "{town} 역 앞에서 봐", "헐 진짜?", "ㅇㅋㅇㅋ", "수고했어요!!", "장소 바뀜 공지 확인해 주세요"),
        kinds={"bank_account": 5, "phone": 3, "email": 1, "birth_date": 1},
        situations={"bank_name": 5, "label_plain": 1, "previous_line": 2, "trailing_label": 1, "no_label": 1.5},
        negatives={"price": 3, "event_date": 2, "hangul_numeral_word": 2, "reservation_number": 1}),
    "used_trade": dict(
        frames=("{X} 로 보내주세요", "{X} 입니다 입금 확인되면 바로 발송해요", "{X} 이쪽으로요", "택배 받으실 분 {X}",
                "{X} 로 문자 주세요", "직거래면 {X} 로 연락주세요"),
        fillers=("{goods} 아직 판매 중인가요?", "네 판매 중이에요", "혹시 네고 가능할까요?", "택배비 포함인가요?",
                 "{town} 직거래 가능해요", "상태 사진 더 보내드릴게요", "입금했어요 확인 부탁드려요", "발송했습니다!"),
        kinds={"bank_account": 4, "phone": 4},
        situations={"bank_name": 4, "label_plain": 1, "previous_line": 2, "trailing_label": 1, "no_label": 2},
        negatives={"price": 4, "tracking_number": 2, "serial_number": 1, "event_date": 1}),
    "call_transcript": dict(
        frames=("{X} 이요", "음 {X} 이고요", "네 {X}", "{X} 맞습니다", "그러니까 {X}", "{X} 요 어 맞아요"),
        fillers=("네 고객님 본인 확인 먼저 진행하겠습니다", "아 네네", "잠시만요 제가 적을게요",
                 "통화 내용은 품질 향상을 위해 녹음됩니다", "네 말씀하세요", "확인됐습니다 감사합니다",
                 "혹시 다른 번호로 연락드려도 될까요", "네 그렇게 해 주세요", "처리까지 이삼 일 정도 소요됩니다"),
        kinds={"phone": 3, "resident": 2.5, "birth_date": 2, "credit_card": 2, "bank_account": 2,
               "foreigner_registration": 0.7, "driver_license": 1, "business_registration": 1},
        situations={"previous_line": 5, "label_plain": 2, "trailing_label": 1, "bank_name": 1.5},
        negatives={"company_number": 2, "receipt_number": 2, "member_number": 1, "approval_number": 1,
                   "hangul_numeral_word": 1.5, "event_date": 1, "price": 1}),
    "bank_sms": dict(
        frames=("[Web발신]\n{X}", "{X} 로 환불 예정입니다", "[알림] {X} 변경 완료", "{X} 등록이 완료되었습니다.",
                "(광고) {X}", "{X} 인증번호 요청"),
        fillers=("[Web발신]", "[신한카드] 홍*동님 {price}원 일시불 승인", "본인이 아닌 경우 즉시 신고 바랍니다.",
                 "해외결제 승인 알림", "출금 예정 안내", "누적 {price}원", "잔여한도 조회는 앱에서 가능합니다."),
        kinds={"bank_account": 3, "phone": 2, "credit_card": 2, "email": 1},
        situations={"label_punct": 3, "label_plain": 2, "bank_name": 2, "no_label": 1},
        negatives={"price": 3, "approval_number": 3, "company_number": 3, "event_date": 1.5, "transaction_number": 1,
                   "timestamp": 1}),
    "email_signature": dict(
        frames=("{X}", "| {X}", "{X} (직통)", "  {X}"),
        fillers=("감사합니다.", "{name} 드림", "{name} 과장 | 구매팀", "(주)한울테크 | 서울시 {town}",
                 "본 메일은 발신 전용이 아닙니다.", "첨부: 견적서_{goods}.pdf", "--", "Best regards,",
                 "이 메일에는 기밀 정보가 포함되어 있을 수 있습니다."),
        kinds={"phone": 4, "email": 4, "business_registration": 1.5, "bank_account": 1},
        situations={"label_english": 3, "label_punct": 2, "label_symbol": 1.5, "no_label": 1.5, "bank_name": 0.5},
        negatives={"company_number": 4, "price": 1, "isbn": 1.5, "version_number": 1, "event_date": 1}),
    "insurance_claim": dict(
        frames=("{X}", "□ {X}", "{X} (필수)", "ㆍ{X}"),
        fillers=("■ 보험금 청구서", "청구인: {name}", "사고 경위: 계단에서 넘어짐", "진단명: 발목 염좌",
                 "청구 유형: 통원 의료비", "※ 구비서류: 진단서, 영수증", "위 내용이 사실임을 확인합니다.", "서명: (인)"),
        kinds={"resident": 3, "phone": 2, "bank_account": 3, "birth_date": 1.5, "email": 1, "driver_license": 1},
        situations={"label_punct": 5, "label_next_line": 1.5, "label_plain": 1, "bank_name": 1},
        negatives={"receipt_number": 3, "event_date": 3, "price": 2, "company_number": 1}),
    "rental_contract": dict(
        frames=("{X}", "{X} (갑)", "{X} (을)", "  {X}"),
        fillers=("부동산 임대차 계약서", "소재지: {town} 일대 다세대주택 2층", "임대인: {name}", "임차인: {name}",
                 "제1조 보증금과 차임", "특약사항: 반려동물 불가", "계약 기간: 24개월", "공인중개사 {name} (인)"),
        kinds={"resident": 3, "phone": 3, "bank_account": 2},
        situations={"label_punct": 5, "label_plain": 1, "label_next_line": 1, "bank_name": 1},
        negatives={"price": 3, "event_date": 3, "company_number": 1, "hangul_numeral_word": 0.5}),
    "id_ocr": dict(
        frames=("{X}",),
        fillers=("{name}", "서울특별시 마포구 월드컵로12길 34", "경기도 성남시 분당구 판교역로 166", "(흐림)",
                 "IMG_scan_0012.jpg"),
        kinds={"resident": 3, "driver_license": 2, "passport": 2, "foreigner_registration": 1.5, "birth_date": 2},
        situations={"document_title": 4, "label_next_line": 2, "label_english": 1},
        negatives={"event_date": 4, "serial_number": 1}),
    "school_form": dict(
        frames=("{X}", "{X} (보호자)", "- {X}"),
        fillers=("가정통신문 회신서", "학생 성명: {name}", "학년/반: 3학년 2반", "체험학습 참가 동의: 예",
                 "알레르기 유무: 견과류", "담임 확인란", "방과후 신청 과목: 코딩"),
        kinds={"phone": 4, "birth_date": 3, "email": 1, "bank_account": 1},
        situations={"label_punct": 5, "label_plain": 1, "trailing_label": 0.5},
        negatives={"student_number": 4, "event_date": 2, "price": 1, "company_number": 0.5}),
    "clinic_booking": dict(
        frames=("{X}", "▶ {X}", "{X} 로 알림톡 발송", "{X} (본인)"),
        fillers=("[{clinic}] 진료 예약 안내", "{name}님 진료 예약이 확정되었습니다.", "예약 변경은 하루 전까지 가능합니다.",
                 "진료과: 정형외과", "내원 시 신분증을 지참해 주세요.", "주차는 2시간 무료입니다."),
        kinds={"phone": 3, "birth_date": 4, "resident": 1, "foreigner_registration": 0.7},
        situations={"label_punct": 4, "label_plain": 1, "label_english": 0.5},
        negatives={"reservation_number": 3, "event_date": 3, "company_number": 2, "receipt_number": 1,
                   "hangul_numeral_word": 1}),
    "travel_booking": dict(
        frames=("{X}", "{X} (영문 여권과 동일)", "- {X}", "{X} / 성인"),
        fillers=("항공권 예약 확인서", "탑승객: {rname}", "여정: 인천(ICN) → 다낭(DAD)", "좌석: 일반석",
                 "수하물 15kg 포함", "여권 유효기간이 6개월 이상 남아 있어야 합니다.", "Hotel: Seaside Resort, 2 nights"),
        kinds={"passport": 4, "birth_date": 3, "phone": 2, "email": 2},
        situations={"label_english": 3, "label_punct": 3, "label_plain": 1},
        negatives={"reservation_number": 4, "price": 2, "event_date": 2, "company_number": 1}),
    "onboarding_mail": dict(
        frames=("{X}", "{X} 로 등록 부탁드립니다", "{X} 입니다.", "* {X}"),
        fillers=("인사팀 담당자님 안녕하세요.", "입사 서류 회신드립니다.", "{name} 드림",
                 "첨부: 가족관계증명서, 통장사본", "다음 주 월요일 첫 출근 예정입니다.", "확인 부탁드립니다."),
        kinds={"resident": 3, "bank_account": 3, "phone": 2, "email": 1.5, "driver_license": 1,
               "foreigner_registration": 1},
        situations={"label_punct": 3, "label_plain": 2, "bank_name": 1.5, "trailing_label": 1},
        negatives={"employee_number": 3, "event_date": 2, "price": 1, "company_number": 0.5,
                   "hangul_numeral_word": 1}),
}
CLINICS = ("서울튼튼정형외과", "하나이비인후과", "밝은눈안과", "연세바른내과", "우리들소아과")
# The heading an ID card or passport scan starts with, by the kind it vouches for.
TITLES = {"resident": ("주민등록증",), "driver_license": ("자동차운전면허증", "운전면허증"),
          "passport": ("여권 PASSPORT", "대한민국 여권"), "foreigner_registration": ("외국인등록증", "RESIDENCE CARD"),
          "birth_date": ("주민등록증", "자동차운전면허증")}

ISSUERS = {"resident": ("서울특별시 마포구청장", "성남시 분당구청장", "부산광역시 해운대구청장"),
           "driver_license": ("서울경찰청장", "경기남부경찰청장", "부산경찰청장"),
           "foreigner_registration": ("서울출입국·외국인청장", "수원출입국·외국인사무소장")}

# --------------------------------------------------------------------------- structured genres

STRUCTURED = ("json_api", "xml_record", "sql_insert", "csv_quoted", "csv_semicolon", "csv_excel", "fixed_width",
              "audit_log", "access_log")
GENRES = tuple(PROSE) + STRUCTURED
GENRE_WEIGHTS = {**{g: 1.0 for g in PROSE}, **{g: 0.4 for g in STRUCTURED}, "audit_log": 0.7, "access_log": 0.7}
# Look-alikes that stand in a field of a record, with their keys and headers.
NEG_KEYS = {
    "order_number": ("orderNo", "ORD_NO", "주문번호"),
    "member_number": ("custNo", "MBR_NO", "고객번호"),
    "approval_number": ("aprvNo", "APRV_NO", "승인번호"),
    "event_date": ("regDt", "JOIN_YMD", "가입일자"),
    "price": ("payAmt", "TOT_AMT", "결제금액"),
    "ip_address": ("clientIp", "REG_IP", "접속IP"),
    "reservation_number": ("rsvNo", "RSV_NO", "예약번호"),
    "tracking_number": ("invoiceNo", "DLVR_NO", "송장번호"),
}


@dataclass
class _Field:
    role: str   # "value", "negative" or "name"
    what: str   # kind or category
    key: str


class _Builder:
    def __init__(self, seed: int) -> None:
        self.r = random.Random(seed * 7_919 + 29)
        self.v = _Values(self.r)

    def weighted(self, table: dict) -> str:
        return self.r.choices(list(table), list(table.values()))[0]

    def name(self) -> str:
        return self.r.choice(FAMILY) + self.r.choice(GIVEN)

    def fill(self, s: str) -> str:
        r = self.r
        return (s.replace("{name}", self.name()).replace("{goods}", r.choice(GOODS))
                 .replace("{town}", r.choice(TOWNS)).replace("{clinic}", r.choice(CLINICS))
                 .replace("{price}", f"{r.randrange(10, 9000) * 100:,}")
                 .replace("{rname}", f"{r.choice(ROMAN_FAMILY).upper()}/{r.choice(ROMAN_GIVEN).upper()}"))

    def speaker(self, genre: str, customer: bool) -> str:
        r = self.r
        if genre == "app_chat":
            return f"{r.randrange(9, 19):02d}:{r.randrange(60):02d} " + ("고객 > " if customer else "상담원 > ")
        if genre == "kakao_export":
            return ""  # written with its timestamp by the builder
        if genre == "used_trade":
            return "구매자: " if customer else "판매자: "
        if genre == "call_transcript":
            return "[고객] " if customer else "[상담원] "
        return ""

    def line_start(self, w: _Writer, genre: str, customer: bool) -> None:
        if genre == "kakao_export":  # "2024. 3. 12. 오후 3:21, 이름 : message", as the PC app exports
            r = self.r
            y, m, d = self.v.date(2022, 2025)
            w.negative("timestamp", f"{y}. {m}. {d}. {r.choice(('오전', '오후'))} {r.randrange(1, 13)}:"
                                    f"{r.randrange(60):02d}", "kakao.header")
            w.add(f", {self.r.choice(GIVEN)} : ")
        else:
            w.add(self.speaker(genre, customer))

    # ------------------------------------------------------------------ one value

    def situation(self, plan: dict, kind: str) -> str:
        table = dict(plan["situations"])
        if kind not in SHAPES_ALONE:
            table.pop("no_label", None)
        if kind != "bank_account":
            table.pop("bank_name", None)
        if kind not in SYMBOL:
            table.pop("label_symbol", None)
        if kind not in TITLES:
            table.pop("document_title", None)
        return self.weighted(table) if table else "label_punct"

    def value_with_label(self, w: _Writer, kind: str, situation: str, frame: str) -> None:
        r, v = self.r, self.v
        writing = v.writing(kind, SHAPES_ALONE.get(kind) if situation == "no_label" else None)
        if situation == "label_next_line":
            writing = v.writing(kind, {x for x, _ in WRITE[kind]} - {"wrapped"})
        bank = ""
        own = GENRE_KO.get(w.genre, {}).get(kind)
        ko = own if own and r.random() < 0.7 else KO[kind]
        if situation == "label_plain":
            lab = r.choice(ko)
            w.add(lab + " ")
        elif situation == "label_punct":
            lab = r.choice(ko)
            w.add(lab + r.choice(SEP))
        elif situation == "label_english":
            lab = r.choice(EN[kind])
            w.add(lab + r.choice((": ", " ", " - ", ":")))
        elif situation == "label_symbol":
            lab = r.choice(SYMBOL[kind])
            w.add(lab + r.choice((" ", "")))
        elif situation == "label_next_line":
            lab = r.choice(ko + EN[kind])
            w.add(lab + r.choice(("\n", "\n  ", ":\n")))
        elif situation == "bank_name":
            bank = r.choice(tuple(BANK_SHAPES))
            lab = bank
            w.add(bank + r.choice((" ", " ", "  ", ")", " 계좌 " if r.random() < 0.2 else " ")))
            if writing not in ("hyphen", "plain", "masked"):
                writing = "hyphen"
        elif situation == "trailing_label":
            lab = r.choice(AFTER[kind])
        else:
            lab = ""
        self.emit(w, v.make(kind, writing, bank), situation, lab, frame)
        if situation == "trailing_label":
            w.add(lab)

    @staticmethod
    def emit(w: _Writer, x: Written, situation: str, label: str, frame: str) -> None:
        """Writes a value with what surrounds it in its way of writing (<...>, mailto:)."""
        before, after = {"angle": ("<", ">"), "mailto": ("mailto:", "")}.get(x.writing, ("", ""))
        w.add(before)
        w.value(x, situation, label, frame)
        w.add(after)

    def negative_phrase(self, w: _Writer, category: str) -> None:
        phr = self.r.choice(EVENTS.get(w.genre, NEG[category]) if category == "event_date" else NEG[category])
        head, rest = phr.split("[[")
        inner, tail = rest.split("]]")
        w.add(head)
        value = self.v.negative(category)
        if "수신거부" in phr:  # opt-out lines of advertising messages give a toll-free 080 number
            value = f"080-{self.r.randrange(200, 999)}-{self.v.d(4)}"
        w.negative(category, inner.replace("{v}", value), phr)
        w.add(tail)

    # ------------------------------------------------------------------ prose

    def prose(self, genre: str) -> Document:
        r = self.r
        plan = PROSE[genre]
        if genre == "id_ocr":
            return self.id_scan(plan)
        w = _Writer(genre, PART)
        items = ["v"] * r.randrange(2, 6) + ["n"] * r.randrange(2, 5) + ["f"] * r.randrange(2, 6)
        r.shuffle(items)
        for it in items:
            if it == "f":
                self.line_start(w, genre, r.random() < 0.5)
                w.add(self.fill(r.choice(plan["fillers"])) + "\n")
                continue
            frame = r.choice(plan["frames"])
            head, tail = self.fill(frame).split("{X}")
            if it == "n":
                self.line_start(w, genre, True)
                w.add(head)
                self.negative_phrase(w, self.weighted(plan["negatives"]))
                w.add(tail + "\n")
                continue
            kind = self.weighted(plan["kinds"])
            sit = self.situation(plan, kind)
            if sit == "previous_line":
                q = r.choice(ASK[kind])
                self.line_start(w, genre, False)
                w.add(q + "\n")
                self.line_start(w, genre, True)
                w.add(r.choice(("", "네 ", "아 ", "음.. ")))
                writing = self.v.writing(kind)
                if genre == "call_transcript" and kind in SPOKEN and r.random() < 0.4:
                    writing = "hangul_numerals"  # the speech-to-text wrote the digits as heard
                self.emit(w, self.v.make(kind, writing), "previous_line", q, "answer")
                w.add(r.choice(("", " 입니다", "요", " 이에요", " 맞죠?")) + "\n")
                continue
            if sit == "trailing_label":  # the label after the value ends the line
                tail = ""
            self.line_start(w, genre, True)
            w.add(head)
            self.value_with_label(w, kind, sit, frame)
            w.add(tail + "\n")
        return w.document()

    def id_scan(self, plan: dict) -> Document:
        """The text an OCR reads off an ID card, licence, residence card or passport."""
        r, v = self.r, self.v
        w = _Writer("id_ocr", PART)
        card = r.choice(("resident", "driver_license", "passport", "foreigner_registration"))
        title = r.choice(TITLES[card])
        w.add(title + "\n")
        if card == "passport":
            rows = [("passport", ("여권번호/Passport No.", "Passport No.")), ("birth_date", ("생년월일/Date of birth",))]
            w.add(f"성/Surname {r.choice(ROMAN_FAMILY).upper()}\n이름/Given names {r.choice(ROMAN_GIVEN).upper()}\n")
            for kind, labs in rows:
                lab = r.choice(labs)
                w.add(lab + "\n")
                writing = "english_day_month" if kind == "birth_date" else v.writing(kind)
                w.value(v.make(kind, writing), "label_next_line", lab, "passport_page")
                w.add("\n")
            w.add("발급일/Date of issue\n")
            y, m, d = v.date(2016, 2025)
            w.negative("event_date", f"{d:02d} {MONTHS[m - 1].upper()} {y}", "ocr.passport.issue")
            w.add("\n기간만료일/Date of expiry\n")
            w.negative("event_date", f"{d:02d} {MONTHS[m - 1].upper()} {y + 10}", "ocr.passport.expiry")
            w.add("\n")
            return w.document()
        w.add(f"{self.name()}\n")
        if card == "driver_license":
            w.add(r.choice(("1종보통", "2종보통", "1종대형")) + "\n")
            w.value(v.make("driver_license", v.writing("driver_license", {"hyphen", "region_name"})),
                    "document_title", title, "licence_card")
            w.add("\n")
        kind = "foreigner_registration" if card == "foreigner_registration" else "resident"
        w.value(v.make(kind, v.writing(kind, {"hyphen", "plain"})), "document_title", title, "id_card")
        w.add("\n" + self.fill(r.choice(plan["fillers"][1:3])) + "\n")
        if card == "driver_license":
            y, m, d = v.date(2024, 2026)
            w.add("적성검사 기간 ")
            w.negative("event_date", f"{y}.{m:02d}.{d:02d}", "ocr.licence.renewal")
            w.add(f"~{y + 10}.12.31\n")
            w.add(r.choice(("식별번호 ", "암호일련번호 ")))
            w.negative("serial_number", r.choice("ABCDEFGHJK") + v.d(5), "ocr.licence.serial")
            w.add("\n")
        y, m, d = v.date(2005, 2025)
        w.negative("event_date", f"{y}. {m}. {d}.", "ocr.issue")
        w.add("\n" + r.choice(ISSUERS[card]) + "\n")
        return w.document()

    # ------------------------------------------------------------------ records

    def fields(self) -> list[_Field]:
        r = self.r
        kinds = r.sample(KINDS, r.randrange(2, 5))
        cats = r.sample(tuple(NEG_KEYS), r.randrange(1, 4))
        out = [_Field("value", k, "") for k in kinds] + [_Field("negative", c, "") for c in cats]
        r.shuffle(out)
        return [_Field("name", "", "")] + out

    def field_value(self, f: _Field, allowed=COMPACT) -> Written | str:
        if f.role == "value":
            return self.v.make(f.what, self.v.writing(f.what, allowed))
        if f.role == "negative":
            val = self.v.negative(f.what)
            return val.replace(",", "") if f.what == "price" and self.r.random() < 0.6 else val
        return self.name()

    def put(self, w: _Writer, f: _Field, x, label: str, where: str) -> None:
        if f.role == "value":
            w.value(x, label, f.key, where)
        elif f.role == "negative":
            w.negative(f.what, x, where + "." + f.key)
        else:
            w.add(x)

    def json_api(self) -> Document:
        r = self.r
        w = _Writer("json_api", PART)
        fs = self.fields()
        for f in fs:
            f.key = r.choice(KEYS[f.what]) if f.role == "value" else (
                r.choice(NEG_KEYS[f.what][:2]) if f.role == "negative" else r.choice(("custNm", "userName", "memNm")))
        w.add('{\n  "resultCode": "0000",\n  "resultMsg": "정상 처리",\n  "data": {\n')
        for i, f in enumerate(fs):
            w.add(f'    "{f.key}": "')
            self.put(w, f, self.field_value(f), "log_key", "json")
            w.add('"' + ("," if i + 1 < len(fs) else "") + "\n")
        w.add("  }\n}\n")
        return w.document()

    def xml_record(self) -> Document:
        r = self.r
        w = _Writer("xml_record", PART)
        w.add('<?xml version="1.0" encoding="UTF-8"?>\n<custList>\n')
        fs = self.fields()
        for f in fs:
            f.key = r.choice([k for k in KEYS[f.what] if k.isupper() or "_" not in k]) if f.role == "value" else (
                NEG_KEYS[f.what][1] if f.role == "negative" else "CUST_NM")
        for _ in range(r.randrange(1, 4)):
            w.add("  <cust>")
            for f in fs:
                w.add(f"<{f.key}>")
                self.put(w, f, self.field_value(f), "log_key", "xml")
                w.add(f"</{f.key}>")
            w.add("</cust>\n")
        w.add("</custList>\n")
        return w.document()

    def sql_insert(self) -> Document:
        r = self.r
        w = _Writer("sql_insert", PART)
        fs = self.fields()
        for f in fs:
            f.key = (r.choice([k for k in KEYS[f.what] if "_" in k or k.islower()] or KEYS[f.what]).lower()
                     if f.role == "value" else (NEG_KEYS[f.what][1].lower() if f.role == "negative" else "cust_nm"))
        table = r.choice(("tb_member", "TB_CUST_INFO", "t_refund_req", "hr_emp_mst"))
        w.add(f"INSERT INTO {table} ({', '.join(f.key for f in fs)}) VALUES\n")
        rows = r.randrange(1, 4)
        for i in range(rows):
            w.add("  (")
            for j, f in enumerate(fs):
                if j:
                    w.add(", ")
                w.add("'")
                self.put(w, f, self.field_value(f), "column_header", "sql")
                w.add("'")
            w.add(")" + (",\n" if i + 1 < rows else ";\n"))
        return w.document()

    def table(self, genre: str) -> Document:
        r = self.r
        w = _Writer(genre, PART)
        fs = self.fields()
        for f in fs:
            f.key = r.choice(HEAD[f.what]) if f.role == "value" else (
                NEG_KEYS[f.what][2] if f.role == "negative" else r.choice(("성명", "고객명", "NAME", "예금주")))
        if genre == "fixed_width":
            widths = [max(len(f.key), 24 if f.role != "name" else 8) + 2 for f in fs]
            w.add("".join(f.key.ljust(n) for f, n in zip(fs, widths)).rstrip() + "\n")
            w.add("-" * sum(widths) + "\n")
        sep = {"csv_quoted": ",", "csv_semicolon": ";", "csv_excel": ","}.get(genre, "")
        quote = genre == "csv_quoted"
        # An Excel export ends with the payment date and the amount, unquoted, side by side.
        paid = genre == "csv_excel"
        if paid:
            fs = [f for f in fs if f.what not in ("price", "event_date")]
            w.add("\ufeff")
        if genre != "fixed_width":
            heads = [f'"{f.key}"' if quote else f.key for f in fs] + (["결제일", "결제금액"] if paid else [])
            w.add(sep.join(heads) + ("\r\n" if quote else "\n"))
        for _ in range(r.randrange(2, 6)):
            for j, f in enumerate(fs):
                x = self.field_value(f)
                text = x.text if isinstance(x, Written) else x
                if genre == "fixed_width":
                    self.put(w, f, x, "column_header", genre)
                    if j + 1 < len(fs):
                        w.add(" " * max(2, widths[j] - len(text)))
                    continue
                if j:
                    w.add(sep)
                if quote:
                    w.add('"')
                self.put(w, f, x, "column_header", genre)
                if quote:
                    w.add('"')
            if paid:
                y, m, d = self.v.date(2023, 2026)
                w.add(",")
                w.negative("csv_joined", f"{y}-{m:02d}-{d:02d},{r.randrange(10, 99999) * 100}", "csv_excel.paid")
            w.add("\r\n" if genre == "csv_quoted" else "\n")
        if genre == "csv_semicolon" and r.random() < 0.5:  # a summary row: date and amount side by side
            y, m, d = self.v.date(2023, 2026)
            w.add("합계;;")
            w.negative("csv_joined", f"{y}-{m:02d}-{d:02d};{r.randrange(100, 99999) * 100}", "csv_semicolon.total")
            w.add("\n")
        return w.document()

    def audit_log(self) -> Document:
        r = self.r
        w = _Writer("audit_log", PART)
        for _ in range(r.randrange(3, 8)):
            w.negative("timestamp", self.v.negative("timestamp"), "audit.ts")
            w.add(f" | {r.choice(('AUDIT', 'INFO', 'PRIV'))} | user=adm{r.randrange(10, 99)} | "
                  f"action={r.choice(('VIEW_CUSTOMER', 'UPDATE_PROFILE', 'EXPORT_EXCEL', 'REFUND_REQ'))}")
            fs = self.fields()[1:]
            for f in fs[:r.randrange(1, 4)]:
                if f.role == "value":
                    f.key = r.choice(KEYS[f.what])
                    w.add(f" | {f.key}: ")
                    self.put(w, f, self.field_value(f), "log_key", "audit")
                else:
                    f.key = NEG_KEYS[f.what][0]
                    w.add(f" | {f.key}: ")
                    self.put(w, f, self.field_value(f), "log_key", "audit")
            w.add(" | result=OK\n")
        return w.document()

    def access_log(self) -> Document:
        r = self.r
        w = _Writer("access_log", PART)
        for _ in range(r.randrange(2, 6)):
            ip = ".".join(str(x) for x in (r.choice((211, 121, 175, 39, 223)), r.randrange(256), r.randrange(256),
                                           r.randrange(1, 255)))
            w.negative("ip_address", ip, "access.client")
            y, m, d = self.v.date(2023, 2026)
            w.add(f" - - [{d:02d}/{MONTHS[m - 1]}/{y}:{r.randrange(24):02d}:{r.randrange(60):02d}:"
                  f"{r.randrange(60):02d} +0900] \"{r.choice(('GET', 'POST'))} "
                  f"/api/v{r.randrange(1, 4)}/{r.choice(('members', 'refunds', 'orders/verify', 'auth/identity'))}?")
            fs = [f for f in self.fields()[1:] if f.role == "value"][:r.randrange(1, 3)] or \
                [_Field("value", "phone", "")]
            for i, f in enumerate(fs):
                f.key = r.choice([k for k in KEYS[f.what] if not k.isupper()] or KEYS[f.what])
                w.add(("&" if i else "") + f.key + "=")
                x = self.v.make(f.what, self.v.writing(f.what, COMPACT - {"masked", "masked_tail", "masked_mid"}))
                self.put(w, f, x, "log_key", "query")
            w.add(f" HTTP/1.1\" {r.choice((200, 200, 302, 400))} {r.randrange(200, 9000)} \"-\" "
                  f"\"Mozilla/5.0 (Linux; Android {r.randrange(10, 15)}) AppleWebKit/537.36 Chrome/")
            w.negative("version_number", f"{r.randrange(110, 131)}.0.{r.randrange(5000, 6800)}.{r.randrange(10, 200)}",
                       "access.ua")
            w.add(" Mobile Safari/537.36\"\n")
        return w.document()

    def document(self, genre: str) -> Document:
        if genre in PROSE:
            return self.prose(genre)
        if genre in ("csv_quoted", "csv_semicolon", "csv_excel", "fixed_width"):
            return self.table(genre)
        return getattr(self, genre)()


def _documents(seed: int):
    b = _Builder(seed)
    while True:
        yield b.document(b.weighted(GENRE_WEIGHTS))


def generate(documents: int = 400, seed: int = 1) -> list[Document]:
    """`documents` labelled documents of the blind part. Same arguments, same documents."""
    stream = _documents(seed)
    return [next(stream) for _ in range(documents)]


if __name__ == "__main__":
    import sys
    n = int(sys.argv[1]) if len(sys.argv) > 1 else len(GENRES)
    for doc in generate(n):
        print(f"=== {doc.genre} ===")
        print(doc.text)
        for val in doc.values:
            print(f"  value {val.kind:24} {val.writing:18} {val.label:16} {val.text!r}")
        for ng in doc.negatives:
            print(f"  neg   {ng.category:24} {ng.text!r}")
