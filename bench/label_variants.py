"""Label wordings that neither part of `labelled.py` uses, written from how forms, exports and
logs label values (keys in camelCase, snake_case, kebab-case and dotted paths, short forms,
Korean compounds with modifiers and generic words): how many values under them each setting
hides and types, and how many numbers under look-alike wordings it reports.

    python bench/label_variants.py            # both settings, misses of Config.thorough()
    python bench/label_variants.py --quiet    # totals only

A check of how label reading generalises, not a target: each wording is tried with a dozen
values, separators (":", "=", "->", tab, "|") and frames (prose, JSON, a log line, a list).
"""

from __future__ import annotations

import argparse
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import labelled  # noqa: E402
import quality  # noqa: E402

LABELS = {
    "bank_account": ["입금 계좌", "출금계좌", "결제계좌", "가상계좌", "수취 계좌번호", "송금 받을 계좌", "본인 명의 계좌",
                     "통장 번호", "예금 계좌", "이체 계좌 정보", "환급 계좌", "계좌(신한)", "bankAccount",
                     "depositAccount", "account_num", "acc_no", "accNo", "acctNumber", "payout.account",
                     "settlement-account", "withdrawal_account", "virtualAccount", "bank_acct", "A/C No.",
                     "Acc. No.", "Account #", "Bank A/C", "Deposit Account", "REFUND_ACCOUNT_NO",
                     "customer.bankAccount", "payoutAcctNo", "Bank Account No"],
    "birth_date": ["출생일자", "출생 년월일", "생년 월일", "생년월일(양력)", "출생 날짜", "본인 생일", "고객 생년월일",
                   "birthDate", "dateOfBirth", "birth_ymd", "birthday", "userBirth", "birth-date",
                   "customer.birthDate", "birthDt", "BIRTH_DT", "D.O.B.", "Date of birth", "Birth Date", "dob",
                   "memberBirthday", "brthDt", "BRTH_YMD", "Born"],
    "passport": ["여권번호", "여권 No.", "여권 정보", "여권 넘버", "소지 여권번호", "passportNo", "passport_num", "ppNo",
                 "pp_number", "Passport #", "PSPT", "travelerPassport", "passport.number", "PASSPORT_NO",
                 "Passport Number", "guestPassportNo"],
    "phone": ["비상연락처", "자택 전화", "직장 전화번호", "긴급 연락처", "연락 가능 번호", "수신 번호", "휴대 전화 번호",
              "전화번호(휴대폰)", "모바일", "phoneNo", "mobileNumber", "contactPhone", "tel_no", "cellPhone", "homeTel",
              "emergencyContact", "guardian_phone", "receiverPhone", "phone-number", "user.mobile", "Tel #",
              "Ph.", "Cell #", "Mobile No.", "Contact No.", "Hand phone", "H/P", "TEL", "MOBILE_NO",
              "senderTelNo"],
    "credit_card": ["결제 카드", "신용카드 번호", "법인카드", "체크 카드 번호", "cardNo", "card_num", "creditCard",
                    "cc_number", "ccNum", "paymentCard", "PAN", "CC#", "Card #", "Credit Card No.", "CARD_NUMBER",
                    "payment.cardNumber"],
    "driver_license": ["운전면허 번호", "면허증 번호", "운전 면허", "운전면허증번호", "driverLicense", "licenseNo",
                       "dl_number", "driver_license_no", "drvLicNo", "DL#", "D/L", "Driver Lic. No.", "Lic. No.",
                       "DRIVER_LICENSE", "driversLicenseNumber"],
    "resident": ["주민등록 번호", "주민 등록번호", "본인 주민번호", "juminNo", "residentNumber", "residentRegNo",
                 "Resident Reg. No.", "JUMIN_NO", "user.rrn", "customerRrn"],
    "foreigner_registration": ["외국인 등록번호", "외국인등록증번호", "foreignerNo", "arcNo", "alienRegNo", "ARC #",
                               "foreigner_reg_no", "Alien Registration No."],
    "business_registration": ["사업자 등록 번호", "bizNo", "businessNo", "bizRegNo", "business_reg_no", "Biz Reg. No.",
                              "사업자등록번호(법인)", "sellerBizNo"],
}
LOOK_ALIKES = ["orderNumber", "order_no", "approvalCode", "approval.number", "trackingNo", "tracking-number",
               "memberId", "memberNo", "invoiceNo", "receiptNo", "txnId", "transactionNumber", "serialNumber",
               "couponCode", "reservationNo", "bookingRef", "주문 정보", "승인 번호", "예약 일자", "배송 날짜", "가입 일자",
               "접수 일자", "운송장 번호", "결제 일자", "회원 번호는", "주문번호는", "예약번호 정보", "결제 승인번호",
               "카드 승인 번호", "cardApprovalNo", "orderDate", "deliveryDate", "paymentDate", "createdAt",
               "updated_at", "regDate", "reg_dt", "join_date", "issueDate", "Order #", "Ref No.", "Case No.",
               "Ticket #", "appVersion", "deviceSerial", "modelNo"]
SEPARATORS = [": ", "=", " -> ", "\t", " | ", " ", ":", " : ", " => "]
FRAMES = ["{L}{S}{V}", "고객 정보 {L}{S}{V} 입니다", '{{"{L}": "{V}"}}', "[INFO] {L}{S}{V} status=ok", "- {L}{S}{V}"]
WRITINGS = {"bank_account": ["hyphen", "plain"], "birth_date": ["iso", "dot", "compact", "korean_date"],
            "passport": ["old_format", "current_format"], "phone": ["hyphen", "plain", "spaced"],
            "credit_card": ["hyphen", "plain"], "driver_license": ["hyphen", "plain"],
            "resident": ["hyphen", "plain"], "foreigner_registration": ["hyphen"],
            "business_registration": ["hyphen", "plain"]}
TRIES = 12


class _Value:
    def __init__(self, text: str, start: int, writing: str) -> None:
        self.text, self.char_start, self.writing = text, start, writing


def cases(seed: int):
    """(kind, wording, text, value) for every wording, TRIES each."""
    r = random.Random(seed)
    values = labelled._Values(r)
    for kind, wordings in LABELS.items():
        for wording in wordings:
            for k in range(TRIES):
                w = values.make(kind, r.choice(WRITINGS[kind]))
                text = FRAMES[k % len(FRAMES)].format(L=wording, S=SEPARATORS[k % len(SEPARATORS)], V=w.text)
                yield kind, wording, text, _Value(w.text, text.index(w.text), w.writing)


def look_alike_cases(seed: int):
    r = random.Random(seed)
    values = labelled._Values(r)
    for wording in LOOK_ALIKES:
        for k in range(TRIES):
            if any(x in wording.lower() for x in ("date", "일자", "날짜", "at", "_dt")):
                v = values.make("birth_date", r.choice(["iso", "dot", "compact"])).text
            else:
                n = r.choice([8, 10, 11, 12, 13, 14, 16])
                d = values.digits(n)
                g = r.choice([0, 3, 4])
                v = "-".join(d[i:i + g] for i in range(0, n, g)) if g else d
            text = FRAMES[k % 4].format(L=wording, S=SEPARATORS[k % 6], V=v)
            yield wording, text, text.index(v), len(v)


def main() -> None:
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--seed", type=int, default=7)
    ap.add_argument("--quiet", action="store_true", help="totals only")
    a = ap.parse_args()
    import norvane
    settings = {"Config()": norvane.Config(), "Config.thorough()": norvane.Config.thorough()}
    misses: dict = {}
    for name, cfg in settings.items():
        n = hidden = typed = 0
        for kind, wording, text, v in cases(a.seed):
            found = [(f.source.char_start, f.source.char_end, f.entity) for f in norvane.detect(text, cfg).findings]
            pos = quality.informative(v)
            h = quality.covered(pos, [(s, e) for s, e, _ in found])
            t = quality.covered(pos, [(s, e) for s, e, k in found if k == kind])
            n, hidden, typed = n + 1, hidden + h, typed + t
            if name == "Config.thorough()" and not t:
                misses.setdefault((kind, wording), []).append(text)
        reported = tried = 0
        for wording, text, start, length in look_alike_cases(a.seed):
            tried += 1
            reported += any(f.source.char_start < start + length and start < f.source.char_end
                            for f in norvane.detect(text, cfg).findings)
        print(f"{name:18s} {sum(map(len, LABELS.values()))} wordings x {TRIES}: masking recall "
              f"{100 * hidden / n:.1f}%, typed recall {100 * typed / n:.1f}%; numbers under "
              f"{len(LOOK_ALIKES)} look-alike wordings reported {100 * reported / tried:.1f}%")
    if not a.quiet:
        for (kind, wording), texts in misses.items():
            print(f"  not typed by thorough: {kind:24s} {wording!r:26s} {len(texts)}/{TRIES}  e.g. {texts[0]!r}")


if __name__ == "__main__":
    main()
