"""Labelled documents where the label of a value stands lines away from it, in the structures
people and systems write: fixed-width reports, XML, SQL inserts, JSON API responses, delimited
tables whose header is not right above the row, form dumps (a label on one line, the value on
the next) and dialogues where a question is answered on a following line by another speaker.
Everything is made from a seed; nothing is downloaded.

    docs = labelled_structure.generate("tuning", documents=300)
    docs = labelled_structure.generate("heldout", documents=300)

Records are those of `labelled.py` (`Document`, `Value`, `Negative`), so `quality.py` scores
them the same way. A value's `label` tells how its label is placed (e.g. "fixed_width_header",
"xml_element", "sql_column", "json_array_key", "question_previous", "html_header", "two_row_header"); hard negatives (order
numbers, prices, event dates, serials, company numbers, ...) sit in the same structures under
their own headers, keys and questions.

Every pool of wordings (column and key names, questions, answer forms, titles) is cut in two
as in `labelled.py`: the held-out part uses names and questions the tuning part never shows.
"""

from __future__ import annotations

import contextlib
import random
import unicodedata

import corpus
import labelled
from labelled import Written, _Values, _Writer, share

KINDS = corpus.KINDS
PARTS = ("tuning", "heldout")

# --------------------------------------------------------------------------- wording pools

# Identifiers a system gives a field: XML elements and attributes, JSON keys, SQL columns.
KEYS = {
    "resident": ("rrn", "jumin_no", "residentNo", "resRegNo", "juminNo", "rrnNo", "resident_id",
                 "jumin", "ssn", "residentRegNo"),
    "foreigner_registration": ("arcNo", "foreignerNo", "alien_reg_no", "frgnrNo", "arc_number",
                               "foreigner_reg_no", "alienNo"),
    "business_registration": ("bizNo", "brn", "bizRegNo", "business_no", "bizr_no", "tax_id",
                              "businessRegNo"),
    "credit_card": ("cardNo", "card_number", "pan", "cardNum", "ccNo", "paymentCardNo", "card_no",
                    "creditCard"),
    "bank_account": ("acctNo", "accountNo", "bank_account", "refundAcct", "depositAccount",
                     "acnt_no", "payoutAccount", "account_number", "refund_account"),
    "phone": ("phone", "mobile", "hpNo", "telNo", "cellPhone", "mobileNo", "contactPhone",
              "guardianPhone", "phone_number", "hp", "tel", "mobile_no"),
    "email": ("email", "mail", "emailAddr", "user_email", "contactEmail", "e_mail",
              "emailAddress", "mail_addr"),
    "driver_license": ("licenseNo", "dl_no", "driverLicense", "drvLicNo", "license_number",
                       "driver_license_no"),
    "birth_date": ("birthDate", "dob", "birth_ymd", "birthday", "dateOfBirth", "birth_dt",
                   "birthYmd", "brth_dt"),
    "passport": ("passportNo", "passport_no", "ppNo", "passport", "passportNumber", "pspt_no"),
}
# Headers a person gives a column or a form field.
HEADERS = {
    "resident": ("주민등록번호", "주민번호", "주민등록번호(앞-뒤)", "실명번호", "주민 번호", "주민등록 번호",
                 "RRN", "Resident No."),
    "foreigner_registration": ("외국인등록번호", "외국인번호", "외국인 등록번호", "등록번호(외국인)",
                               "ARC No.", "외국인등록증번호"),
    "business_registration": ("사업자등록번호", "사업자번호", "사업자 등록번호", "사업자 번호", "Biz Reg. No",
                              "사업자등록번호(10자리)"),
    "credit_card": ("카드번호", "결제카드번호", "신용카드", "카드 번호", "Card No", "결제카드"),
    "bank_account": ("계좌번호", "환불계좌", "입금계좌번호", "지급계좌", "계좌", "환불 계좌", "Account No",
                     "입금 계좌"),
    "phone": ("연락처", "휴대폰", "휴대전화", "전화번호", "핸드폰번호", "보호자연락처", "비상연락처", "Phone",
              "휴대폰 번호", "Mobile", "연락처(휴대폰)"),
    "email": ("이메일", "메일주소", "전자우편", "이메일 주소", "E-mail", "Email"),
    "driver_license": ("운전면허번호", "면허번호", "운전면허", "면허 번호", "Driver License", "운전면허증번호"),
    "birth_date": ("생년월일", "생일", "출생일", "생년월일(8자리)", "DOB", "Date of Birth", "출생 연월일"),
    "passport": ("여권번호", "여권", "여권 번호", "Passport No", "여권번호(영문)", "Passport"),
}
# Look-alikes in the same structures, under their own headers and keys.
NEG_KEYS = {
    "order_number": ("orderNo", "order_id", "ordNo", "order_number"),
    "price": ("amount", "totalPrice", "payAmt", "price", "settle_amt"),
    "event_date": ("orderDate", "reg_date", "joinDate", "visit_dt", "payDate", "created_date"),
    "serial_number": ("serialNo", "device_sn", "sn", "serial_number", "imei"),
    "company_number": ("csTel", "helpdesk_tel", "callCenter", "repTel", "cs_phone", "store_tel",
                       "shopPhone", "branch_tel", "companyPhone", "merchant_tel", "vendor_contact",
                       "storeTelNo", "agencyTel"),
    "tracking_number": ("trackingNo", "invoice_no", "waybill"),
    "approval_number": ("approvalNo", "auth_no", "apprNo"),
    "member_number": ("memberNo", "member_id", "custNo"),
    "corporate_number": ("jurirno", "crno", "jurir_no", "corpRgstNo"),
}
NEG_HEADERS = {
    "order_number": ("주문번호", "주문 번호", "Order No", "주문No"),
    "price": ("결제금액", "금액", "단가", "합계금액", "Amount"),
    "event_date": ("주문일", "가입일", "결제일자", "방문일", "등록일", "Order Date"),
    "serial_number": ("제품번호", "일련번호", "S/N", "시리얼번호", "기기번호"),
    "company_number": ("고객센터", "대표번호", "대표전화", "상담전화", "A/S 센터", "매장 전화", "지점 연락처",
                       "본사 전화", "매장전화번호", "가맹점 전화"),
    "tracking_number": ("송장번호", "운송장번호", "Tracking No"),
    "approval_number": ("승인번호", "카드승인번호", "Approval No"),
    "member_number": ("회원번호", "고객번호", "Member No"),
    "corporate_number": ("법인등록번호", "법인번호", "법인 등록번호", "법인등록번호(13자리)"),
}
NEG_WEIGHTS = {"order_number": 3, "price": 3, "event_date": 3, "serial_number": 1.5,
               "company_number": 2, "tracking_number": 1, "approval_number": 1, "member_number": 1,
               "corporate_number": 1}

# A question by one speaker, answered on a following line by another.
QUESTIONS = {
    "resident": ("주민등록번호 13자리 불러주시겠어요?", "주민번호 확인 부탁드립니다.", "주민등록번호가 어떻게 되세요?",
                 "Could you give me your resident registration number?", "본인 확인차 주민번호 여쭤볼게요.",
                 "주민번호 앞자리랑 뒷자리 다 말씀해 주세요."),
    "foreigner_registration": ("외국인등록번호 알려주시겠어요?", "외국인등록증 번호가 어떻게 되세요?",
                               "What is your alien registration number?", "등록증 번호 불러주세요."),
    "business_registration": ("사업자등록번호가 어떻게 되세요?", "사업자번호 알려주시면 계산서 발행해 드릴게요.",
                              "What's your business registration number?", "사업자 번호 불러주시겠어요?"),
    "credit_card": ("결제하실 카드번호 알려주세요.", "카드번호 16자리 부탁드립니다.", "카드 번호가 어떻게 되세요?",
                    "What card number would you like to use?", "Can you read me the card number?"),
    "bank_account": ("환불받으실 계좌번호 알려주시겠어요?", "입금받을 계좌 불러주세요.", "계좌번호가 어떻게 되세요?",
                     "Which account should we refund to?", "돈 받을 계좌 알려줘", "환불 계좌 말씀해 주시겠어요?",
                     "What's your bank account number?"),
    "phone": ("연락받으실 번호가 어떻게 되세요?", "휴대폰 번호 좀 알려주시겠어요?", "What's the best number to reach you?",
              "Can I get your mobile number?", "전화번호 다시 한번 불러주실래요?", "연락처 남겨주시면 회신드릴게요.",
              "보호자분 연락처도 부탁드려요.", "번호 뭐야?", "What is your phone number?"),
    "email": ("이메일 주소가 어떻게 되세요?", "메일 어디로 보내드릴까요?", "What's your email address?",
              "견적서 받으실 메일 주소 알려주세요.", "Where should I send the e-mail?"),
    "driver_license": ("운전면허번호가 어떻게 되세요?", "면허증 번호 불러주세요.", "What's your driver's license number?",
                       "운전면허 번호 확인 부탁드립니다."),
    "birth_date": ("생년월일이 어떻게 되세요?", "생일 여덟 자리로 말씀해 주세요.", "What is your date of birth?",
                   "Could you confirm your birth date?", "생년월일 확인 부탁드려요.", "태어나신 날짜가 언제세요?",
                   "When were you born?"),
    "passport": ("여권번호 알려주시겠어요?", "Could you read me your passport number?", "여권 번호가 어떻게 되세요?",
                 "What's your passport number?"),
}
NEG_QUESTIONS = {
    "order_number": ("주문번호 알려주시겠어요?", "What's your order number?", "주문 번호가 어떻게 되세요?"),
    "price": ("결제 금액이 얼마였죠?", "How much did you pay?", "금액 얼마 나왔어?"),
    "event_date": ("언제 주문하셨어요?", "방문 날짜가 언제였죠?", "When did you order it?"),
    "serial_number": ("제품 시리얼 번호 알려주세요.", "What's the serial number on the device?",
                      "기기 뒷면 일련번호 불러주시겠어요?"),
    "tracking_number": ("송장번호 불러주시겠어요?", "What's the tracking number?"),
    "approval_number": ("카드 승인번호 알려주세요.", "What's the approval number on the receipt?"),
    "member_number": ("회원번호가 어떻게 되세요?", "What's your member number?"),
    "company_number": ("고객센터 번호가 뭐였죠?", "What's the customer center number?"),
    "corporate_number": ("법인등록번호도 불러주시겠어요?", "What's the corporate registration number?",
                         "법인번호 알려주세요."),
}
SPEAKERS = (("상담사: ", "고객: "), ("Agent: ", "Customer: "), ("[상담원] ", "[고객] "), ("A: ", "B: "),
            ("직원: ", "손님: "), ("Q. ", "A. "), ("CS> ", "USER> "),
            ("[{stamp}] 상담사: ", "[{stamp}] 고객: "), ("{stamp} Agent: ", "{stamp} Customer: "))
ANSWERS = ("{v}", "네 {v}입니다", "{v} 이에요", "It's {v}", "{v}요", "아 네, {v}", "{v} 입니다.",
           "Sure, {v}", "{v} 맞아요", "음.. {v}")
STALLS = ("잠시만요", "네 잠깐만요, 찾아볼게요", "Just a sec.", "음 그게...", "잠깐만 기다려 주세요",
          "Let me check.", "어디 적어놨는데..")
FILLERS = ("안녕하세요, 무엇을 도와드릴까요?", "네 감사합니다.", "확인해 보겠습니다.", "Thanks, one moment please.",
           "처리되면 문자 드릴게요.", "다른 문의 있으세요?", "네 알겠습니다.", "OK, got it.")
FORM_LABEL_STYLES = ("{h}", "{h}:", "■ {h}", "[{h}]", "- {h}", "{h} *", "▶ {h}", "<{h}>")
FORM_VALUE_STYLES = ("{v}", "  {v}", "→ {v}", "    {v}", ": {v}")
TITLES = ("회원 목록", "주문 내역", "고객 정보 조회", "환불 신청 목록", "배송 대상자", "MEMBER LIST",
          "결제 내역 보고서", "인사 명부", "접수 현황")
SQL_TABLES = ("customer", "tb_member", "users", "refund_request", "order_info", "t_cust_master",
              "member_profile")
XML_RECORDS = ("member", "customer", "user", "record", "applicant", "row")
JSON_LISTS = ("members", "items", "customers", "results", "records", "users")
NAME_KEYS = ("name", "custNm", "user_name", "memberName")
NAME_HEADERS = ("성명", "이름", "고객명", "Name", "신청자")
# The bank of an account in a column of its own, and the account's holder.
BANK_HEADERS = ("은행", "은행명", "입금은행", "Bank", "거래은행", "환불은행")
BANK_KEYS = ("bankNm", "bank_name", "bank", "bankCd", "refundBank")
HOLDER_HEADERS = ("예금주", "예금주명", "Account Holder", "수취인")
HOLDER_KEYS = ("holderNm", "account_holder", "depositor")
# The line over a header that groups its columns (merged cells of a spreadsheet).
GROUPS = ("고객정보", "기본정보", "연락처 정보", "환불정보", "결제정보", "신청 내용", "Customer", "비고")
# Separators between the pairs of a record written on one line.
PAIR_SEPARATORS = ("  ", " / ", " | ", ", ", "\t", "   ")
PAIR_STYLES = ("{h}: {v}", "{h} : {v}", "{h} {v}", "{h}：{v}", "[{h}] {v}")
# Labels before a phone in an e-mail signature, and the company's own lines.
SIGNATURE_LABELS = ("M.", "Mobile", "H.P", "HP", "휴대폰", "Mob.", "C.", "핸드폰")
MAIL_PEOPLE_HEADERS = ("From", "To", "Cc", "Reply-To", "보낸사람", "받는사람", "참조")
COMPANY_LINES = ("대표번호", "고객센터", "Fax", "F.", "팩스", "대표전화")

# Keys of a block that name what the values inside it are (phone: {mobile: ...}), and the
# plain keys of the values inside such a block, which name nothing by themselves.
PARENT_KEYS = {
    "resident": ("rrn", "resident", "jumin", "residentRegistration", "주민등록", "rrnInfo"),
    "foreigner_registration": ("arc", "alienRegistration", "foreignerRegistration", "외국인등록",
                               "arcInfo"),
    "business_registration": ("bizRegistration", "businessRegistration", "사업자등록", "bizReg",
                              "taxRegistration"),
    "credit_card": ("card", "paymentCard", "creditCard", "카드", "billingCard", "cardInfo"),
    "bank_account": ("account", "refundAccount", "bankAccount", "payoutAccount", "환불계좌",
                     "settlementAccount", "계좌", "depositAccount"),
    "phone": ("phones", "telephone", "cellphone", "phoneNumbers", "contactPhones", "전화", "휴대폰정보"),
    "email": ("emails", "emailAddress", "mailbox", "메일", "eMail", "emailInfo"),
    "driver_license": ("license", "driverLicense", "drivingLicence", "운전면허", "licence",
                       "dlInfo"),
    "birth_date": ("birth", "birthInfo", "dateOfBirthInfo", "출생", "born", "생년월일정보"),
    "passport": ("passportInfo", "여권정보", "travelDocument", "pspt", "passportDetails"),
}
# A block's key is a wording of its own: never one that labels a value directly in either part.
PARENT_KEYS = {kind: tuple(k for k in keys if k not in KEYS[kind] and k not in HEADERS[kind])
               for kind, keys in PARENT_KEYS.items()}
LEAF_KEYS = {
    "birth_date": ("date", "value", "ymd", "solar", "ymd8"),
    "email": ("primary", "work", "personal", "address", "value", "main", "addr"),
    "phone": ("primary", "home", "work", "main", "number", "value", "personal", "office", "num"),
}
LEAF_DEFAULT = ("number", "no", "value", "num", "id", "번호", "primary", "main", "nbr")
# Levels between a block and its value (phone: {primary: {number: ...}}).
MIDDLE_KEYS = ("primary", "default", "current", "main", "refund", "personal", "latest", "info")
# Blocks of a record that hold no personal information, with look-alikes under plain keys.
COMPANY_PARENTS = ("company", "corp", "corporation", "법인", "사업장", "회사", "employer",
                   "merchant", "vendor", "가맹점", "업체", "store", "거래처", "insurer")
COMPANY_LEAVES = {
    "corporate_number": ("regNo", "registrationNo", "number", "no", "등록번호", "corpNo", "id"),
    "company_number": ("tel", "phone", "contact", "대표번호", "callCenter", "fax", "main"),
}
ORDER_PARENTS = ("order", "주문", "shipment", "payment", "receipt", "approval", "device",
                 "invoice", "ticket")
ORDER_LEAVES = {"order_number": ("number", "no", "id", "번호"),
                "event_date": ("date", "createdAt", "paidAt", "일자"),
                "approval_number": ("approvalNo", "authCode", "code"),
                "serial_number": ("serial", "sn", "number")}
# Records whose blocks are parents of that kind: the record's own key, and the keys of the
# plain fields beside the blocks.
RECORD_KEYS = ("customer", "member", "applicant", "patient", "user", "insured", "guardian",
               "beneficiary", "holder", "고객", "환자")
# Separators of a key path: user.phone, customer[phone][mobile], user/phone, user__phone.
PATH_STYLES = ("dot", "bracket", "underscore", "colon")
LOG_EVENTS = ("signup", "profile.update", "refund.request", "kyc.verify", "payment.approve",
              "member.sync", "claim.submit", "appointment.book")
API_PATHS = ("/api/v1/members", "/member/update", "/refund/apply", "/kyc/check", "/claims/new",
             "/patient/register", "/v2/users")
# How a messenger's export writes each message: its date lines and the head of a message, by
# app and phone (a PC export brackets name and time; phones put date and time first).
CHAT_STYLES = ("pc", "android", "ios", "line", "dotted")
CHAT_REPLIES = ("ㅇㅇ", "잠깐만", "찾아볼게", "ㅋㅋ 잠시만", "어디 뒀더라", "기다려봐")
CHAT_QUESTIONS = {
    "resident": ("주민번호 뭐였지?", "주민등록번호 좀 보내줘", "주민번호 앞뒤 다 알려줄래?"),
    "foreigner_registration": ("외국인등록번호 보내줄래?", "등록증 번호 뭐야?"),
    "business_registration": ("사업자번호 좀 보내주세요", "사업자등록번호 알려주실래요?"),
    "credit_card": ("카드번호 불러줘", "결제할 카드 번호 보내줘", "카드 번호 찍어서 보내줘"),
    "bank_account": ("계좌번호 알려줘", "입금할 계좌 보내줘", "환불받을 계좌 알려주세요", "계좌 몇번이야?",
                     "돈 보낼 계좌 좀"),
    "phone": ("폰번호 알려줘", "새 번호 뭐야?", "연락처 좀 보내줘", "엄마 번호 알려줄래?", "번호 바뀌었어?"),
    "email": ("메일 주소 알려줘", "이메일 뭐였지?", "메일로 보낼게 주소 알려줘"),
    "driver_license": ("면허번호 보내줄래?", "운전면허 번호 알려줘"),
    "birth_date": ("생일 언제였지?", "생년월일 알려줘", "생년월일 여덟자리로 보내줘"),
    "passport": ("여권번호 보내줘", "여권 번호 뭐야?"),
}
NEG_CHAT_QUESTIONS = {
    "order_number": ("주문번호 뭐야?", "주문번호 보내줘"),
    "price": ("얼마였어?", "결제 금액 얼마 나왔어?"),
    "event_date": ("언제 주문했어?", "예약 날짜 언제야?"),
    "serial_number": ("시리얼 번호 보내줘", "기기 일련번호 알려줘"),
    "tracking_number": ("송장번호 보내줘", "운송장 번호 뭐야?"),
    "approval_number": ("승인번호 알려줘", "카드 승인번호 뭐였어?"),
    "member_number": ("회원번호 뭐야?", "멤버십 번호 알려줘"),
    "company_number": ("고객센터 번호 알아?", "매장 전화번호 뭐였지?"),
    "corporate_number": ("법인번호 알려줘", "법인등록번호 보내줄래?"),
}
CHAT_ANSWERS = ("{v}", "{v} 이거", "{v}임", "여기 {v}", "{v} ㅇㅇ", "{v}!", "{v} 야")
# Speakers of a recorded call and how a transcript stamps their turns (time from the call's
# start).
CALL_SPEAKERS = (("상담원", "고객"), ("상담사", "고객님"), ("Agent", "Caller"), ("직원", "민원인"),
                 ("화자1", "화자2"), ("CSR", "CUST"))
CALL_STYLES = ("[{t}] {who}: ", "{who} ({t}): ", "{t} {who}: ", "[{who} {t}] ", "{who} [{t}] ",
               "{t}\t{who}\t")
# Semicolon-delimited exports (the list separator where the comma is the decimal mark).
SEMICOLON_PRICE = ("{a}.{b:03d},00", "{a}{b:03d},00", "{a}.{b:03d}", "{a}{b:03d}")
SEMICOLON_DATE = ("{d:02d}.{m:02d}.{y}", "{y}-{m:02d}-{d:02d}", "{d:02d}/{m:02d}/{y}")
# How a database dump writes its inserts: after a CREATE TABLE, without a column list.
SQL_STYLES = ("columns", "one_line", "dump")
SQL_TYPES = ("varchar(20)", "varchar(50) DEFAULT NULL", "character varying(30)", "VARCHAR2(40)",
             "text", "char(13)", "nvarchar(64) NULL")

# Rows of a report or sheet named by their first cell, values in the columns to the right.
ROW_SUBJECTS = ("본인", "배우자", "보호자", "자녀", "신청인", "대리인", "피보험자", "수익자", "계약자",
                "Applicant", "Spouse", "Guardian")
ROW_CORNER = ("구분", "항목", "", "Field", "내용", "정보")

# Bank statements as internet banking exports them (거래내역 조회): the account itself in a
# header above the table, then one row a transaction, the counterparty's account in a column of
# its own or inside the description (이체 국민 123456-01-234567 홍길동).
STATEMENT_TITLES = ("거래내역 조회", "입출금 거래내역", "거래내역서", "계좌 거래내역", "통장 거래내역",
                    "Transaction History", "거래내역 다운로드", "입출금내역 조회")
STATEMENT_ACCOUNT_HEADERS = ("계좌번호", "조회계좌", "계좌 번호", "조회계좌번호", "Account No.", "조회 계좌번호",
                             "계좌", "통장번호")
STATEMENT_HOLDERS = ("예금주", "예금주명", "고객명", "성명", "예금주 성명")
STATEMENT_PERIODS = ("조회기간", "조회 기간", "기간", "거래기간")
STATEMENT_DATES = ("거래일시", "거래일자", "거래일", "일시", "거래 일시", "거래일시(KST)")
STATEMENT_OUT = ("출금액", "출금", "찾으신금액", "출금금액", "지급액", "출금(원)")
STATEMENT_IN = ("입금액", "입금", "맡기신금액", "입금금액", "입금(원)")
STATEMENT_BALANCE = ("잔액", "거래후잔액", "잔고", "거래 후 잔액", "잔액(원)")
STATEMENT_COUNTER_ACCOUNTS = ("상대계좌", "상대계좌번호", "상대 계좌", "상대방계좌", "상대 계좌번호",
                              "상대방 계좌번호", "거래상대계좌")
STATEMENT_COUNTER_BANKS = ("상대은행", "상대 은행", "상대기관", "상대은행명", "거래은행")
STATEMENT_MEMO_HEADERS = ("적요", "메모", "내용", "거래내용", "기재내용", "거래 메모")
STATEMENT_TRANSFERS = ("이체", "타행이체", "인터넷이체", "모바일이체", "송금", "당행이체", "오픈뱅킹",
                       "타행송금", "폰뱅킹이체", "자동이체")
STATEMENT_PLAIN_MEMOS = ("체크카드", "급여", "ATM출금", "예금이자", "카드대금", "관리비", "통신요금", "보험료",
                         "현금입금", "CMS출금")
STATEMENT_LAYOUTS = ("csv", "tsv", "pipe", "spaces")
# Certificates and resident registers pasted as text: cells parted by two spaces or more, not
# padded to columns (a relation or a name of another width shifts the rest of its row).
CERT_TITLES = {
    "family": ("가족관계증명서", "가족관계증명서(일반)", "가족관계증명서 (상세)", "혼인관계증명서", "입양관계증명서",
               "친양자입양관계증명서"),
    "basic": ("기본증명서", "기본증명서(일반)", "기본증명서 (상세)", "제적등본", "제적초본"),
    "register": ("주민등록표 등본", "주민등록표(등본)", "주민등록등본", "주민등록표 초본", "세대원 명부", "주민등록 등본(세대별)"),
}
CERT_RELATION_HEADERS = ("구분", "관계", "구 분", "가족관계", "세대주 관계", "세대주와의 관계")
CERT_NAME_HEADERS = ("성명", "성 명", "이 름", "성명(한자)")
CERT_BIRTH_HEADERS = ("출생연월일", "출생일자", "출 생 일", "출생년월일", "생 년 월 일", "출생 년월일")
CERT_RESIDENT_HEADERS = ("주 민 등 록 번 호", "주민(외국인)등록번호", "주민등록번호(외국인등록번호)", "주민 등록 번호",
                         "주민등록번호 ", "개인 식별번호")
CERT_SEX_HEADERS = ("성별", "성 별")
CERT_ORIGIN_HEADERS = ("본", "본관", "본(本)")
CERT_MOVE_HEADERS = ("전입일", "변동일", "전입일자", "전입 일자", "변동일자", "신고일")
CERT_REASON_HEADERS = ("변동사유", "변동 사유", "비고", "등록상태")
CERT_ISSUE_LABELS = ("발급번호", "문서확인번호", "발급 번호", "확인번호")
CERT_RELATIONS = {"family": ("본인", "부", "모", "배우자", "자녀", "자녀", "자녀"),
                  "basic": ("본인",),
                  "register": ("본인", "배우자", "자", "녀", "모", "부", "손", "처", "세대주")}
CERT_ORIGINS = ("金海", "全州", "密陽", "慶州", "光山", "晉州", "김해", "전주", "밀양", "청주")
CERT_REASONS = ("전입", "출생등록", "세대합가", "전입(세대합가)", "거주", "")
CERT_FOOTERS = ("위 가족관계증명서는 가족관계등록부의 기록사항과 틀림없음을 증명합니다.",
                "위 등본은 주민등록표의 원본내용과 틀림없음을 증명합니다.", "발급일 ", "신청일 ",
                "위와 같이 증명합니다.")
# Wordings of their own, so that the parts stay apart (출생 연월일 is a column header's already).
CERT_BIRTH_HEADERS, CERT_RESIDENT_HEADERS = (
    tuple(h for h in pool if h.strip() not in HEADERS[kind] + KEYS[kind])
    for pool, kind in ((CERT_BIRTH_HEADERS, "birth_date"), (CERT_RESIDENT_HEADERS, "resident")))
# PostgreSQL's dumps: COPY table (a, b) FROM stdin; then a row a line, tab-separated, to \.
SQL_SCHEMAS = ("public.", "", "crm.", "app.")
PG_TYPES = ("character varying(30)", "text", "character(13)", "character varying(64)", "varchar(20)")
# Wordings of their own, so that the parts stay apart (계좌번호 is a column header's already).
STATEMENT_ACCOUNT_HEADERS, STATEMENT_COUNTER_ACCOUNTS = (
    tuple(h for h in pool if h not in HEADERS["bank_account"] + KEYS["bank_account"])
    for pool in (STATEMENT_ACCOUNT_HEADERS, STATEMENT_COUNTER_ACCOUNTS))


# --------------------------------------------------------------------------- genres

GENRES = ("fixed_width", "xml", "sql", "json_api", "table_csv", "table_tsv", "table_pipe",
          "table_markdown", "form_dump", "dialogue", "html_table", "two_row_table", "pair_line",
          "mail", "yaml", "nested", "key_path", "html_spans", "row_labels", "table_semicolon",
          "chat_export", "call_transcript", "bank_statement", "sql_copy", "certificate")
GENRE_WEIGHTS = {g: 1.0 for g in GENRES} | {"dialogue": 2.0, "form_dump": 1.5, "html_table": 1.5,
                                             "mail": 0.7, "yaml": 0.8, "nested": 1.5,
                                             "key_path": 1.2, "html_spans": 0.8, "row_labels": 1.0,
                                             "table_semicolon": 1.0, "chat_export": 1.5,
                                             "call_transcript": 1.2, "bank_statement": 1.2,
                                             "sql_copy": 0.8, "certificate": 1.0}
# Genres added later, which draw from a stream of their own (_Builder.own_stream).
OWN_STREAM_GENRES = ("bank_statement", "sql_copy", "certificate")
SITUATIONS = ("fixed_width_header", "xml_element", "xml_attribute", "xml_field_name", "sql_column",
              "json_key", "json_array_key", "column_header", "form_next_line", "question_previous",
              "question_later", "question_two_later", "html_header", "html_row_header",
              "two_row_header", "same_line_pairs", "mail_header", "signature_label", "yaml_key",
              "parent_key", "key_path", "query_string", "form_data", "html_span_header",
              "row_label", "sql_table_column", "chat_previous", "chat_later", "call_previous",
              "call_later", "statement_header", "statement_column", "statement_memo",
              "sql_copy_column", "certificate_column")
# Ways of writing a system stores (no spaces inside; nothing needing quotes).
STORED = labelled.COMPACT_WRITINGS
# Ways of writing a person says or types on a line of their own.
SPOKEN = {w for k in KINDS for w, _ in labelled.WRITINGS[k]} - {"glued_digits"}


def width(s: str) -> int:
    """Columns a string takes in a fixed-width report: East Asian wide characters take two."""
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in s)


class _Builder:
    def __init__(self, part: str, seed: int) -> None:
        self.part = part
        self.r = random.Random(seed)
        self.v = _Values(self.r)

    def pick(self, name: str, items) -> str:
        return self.r.choice(share("structure." + name, items, self.part))

    @contextlib.contextmanager
    def own_stream(self):
        """Draws from a stream of their own, seeded by one draw of the main one: how much a
        later genre draws leaves the documents of the others as they were."""
        r, v = self.r, self.v
        self.r = random.Random(r.getrandbits(64))
        self.v = _Values(self.r)
        try:
            yield
        finally:
            self.r, self.v = r, v

    def weighted(self, table: dict) -> str:
        return self.r.choices(list(table), list(table.values()))[0]

    def name(self) -> str:
        return self.r.choice(corpus.SURNAMES) + self.r.choice(corpus.GIVEN)

    def value(self, kind: str, allowed) -> Written:
        return self.v.make(kind, self.v.pick_writing(kind, allowed))

    def corporate_number(self) -> str:
        """A corporation's registration number: registry office, kind of corporation, serial,
        check digit (weights 1, 2, 1, 2, ...); shaped like a resident number."""
        r = self.r
        body = r.choice(("1101", "1311", "1345", "1201", "2801", "1601", "2001", "1749")) + \
            r.choice(("11", "11", "71", "14", "81")) + self.v.digits(6)
        check = (10 - sum(int(c) * (1 if i % 2 == 0 else 2) for i, c in enumerate(body)) % 10) % 10
        t = body + str(check)
        return f"{t[:6]}-{t[6:]}" if r.random() < 0.8 else t

    def spoken_negative(self, category: str) -> str:
        return self.corporate_number() if category == "corporate_number" else self.v.negative(category)

    def negative(self, category: str) -> str:
        if category == "corporate_number":
            return self.corporate_number()
        val = self.v.negative(category)
        if category == "event_date":  # stored dates are compact
            y, m, d = self.v.date(2015, 2026)
            val = self.r.choice((f"{y}-{m:02d}-{d:02d}", f"{y}.{m:02d}.{d:02d}", f"{y}/{m:02d}/{d:02d}"))
        return val

    def columns(self, keyed: bool) -> list[tuple[str, str, str]]:
        """The fields of one record: (role, kind or category, header or key), a name first."""
        r = self.r
        kinds = r.sample(KINDS, r.randrange(1, 4))
        negs = r.sample(list(NEG_WEIGHTS), r.randrange(1, 3))
        pool = KEYS if keyed else HEADERS
        cols = [("value", k, self.pick(("key." if keyed else "header.") + k, pool[k])) for k in kinds]
        npool = NEG_KEYS if keyed else NEG_HEADERS
        cols += [("negative", c, self.pick(("negkey." if keyed else "negheader.") + c, npool[c]))
                 for c in negs]
        r.shuffle(cols)
        # An account's bank often has a column of its own right before it, its holder after it.
        for i, col in enumerate(cols):
            if col[1] == "bank_account" and r.random() < 0.5:
                cols.insert(i, ("bank", "", self.pick("bankkey", BANK_KEYS) if keyed
                                else self.pick("bankheader", BANK_HEADERS)))
                if r.random() < 0.4:
                    cols.insert(i + 2, ("name", "", self.pick("holderkey", HOLDER_KEYS) if keyed
                                        else self.pick("holderheader", HOLDER_HEADERS)))
                break
        head = self.pick("namekey", NAME_KEYS) if keyed else self.pick("nameheader", NAME_HEADERS)
        return [("name", "", head)] + cols

    def bank(self) -> str:
        return self.r.choice(labelled.BANKS)

    def cell(self, w: _Writer, col, situation: str, frame: str, quote: str = "") -> None:
        role, what, header = col
        if role == "name":
            w.add(quote + self.name() + quote)
        elif role == "bank":
            w.add(quote + self.bank() + quote)
        elif role == "value":
            w.add(quote)
            w.value(self.value(what, STORED), situation, header, frame)
            w.add(quote)
        else:
            w.add(quote)
            w.negative(what, self.negative(what), f"{frame}.{header}")
            w.add(quote)

    # ------------------------------------------------------------------ fixed-width reports

    def fixed_width(self) -> Document:
        r = self.r
        w = _Writer("fixed_width", self.part)
        cols = self.columns(False)
        rows = []
        for _ in range(r.randrange(2, 7)):
            row = []
            for role, what, _ in cols:
                if role == "name":
                    row.append(("", self.name()))
                elif role == "bank":
                    row.append(("", self.bank()))
                elif role == "value":
                    row.append(("v", self.value(what, STORED)))
                else:
                    row.append(("n", self.negative(what)))
            rows.append(row)
        by_width = r.random() < 0.7  # wide characters count two columns, as a terminal shows them
        measure = width if by_width else len

        def text_of(c) -> str:
            return c[1].text if c[0] == "v" else c[1]
        widths = [max([measure(h)] + [measure(text_of(row[i])) for row in rows]) + r.randrange(2, 5)
                  for i, (_, _, h) in enumerate(cols)]
        if r.random() < 0.7:
            w.add(f"{self.pick('title', TITLES)}\n")
        if r.random() < 0.4:
            w.add("=" * (sum(widths) - 2) + "\n")
        w.add("".join(h + " " * (widths[i] - measure(h)) for i, (_, _, h) in enumerate(cols)).rstrip() + "\n")
        if r.random() < 0.6:
            rule = r.choice("-=")
            w.add(" ".join(rule * (widths[i] - 1) for i in range(len(cols))) + "\n")
        for row in rows:
            line_parts = []
            for i, c in enumerate(row):
                t = text_of(c)
                pad = " " * (widths[i] - measure(t))
                line_parts.append((c, t, pad))
            last = len(line_parts) - 1
            for i, (c, t, pad) in enumerate(line_parts):
                if c[0] == "v":
                    w.value(c[1], "fixed_width_header", cols[i][2], "fixed_width")
                elif c[0] == "n":
                    w.negative(cols[i][1], c[1], f"fixed_width.{cols[i][2]}")
                else:
                    w.add(t)
                if i < last:
                    w.add(pad)
            w.add("\n")
        if r.random() < 0.5:
            w.add(f"총 {len(rows)}건\n")
        return w.document()

    # ------------------------------------------------------------------ XML

    def xml(self) -> Document:
        r = self.r
        w = _Writer("xml", self.part)
        cols = self.columns(True)
        rec = self.pick("xmlrecord", XML_RECORDS)
        style = r.choice(("element", "element", "attribute", "field"))
        pretty = style != "attribute" or r.random() < 0.5
        if r.random() < 0.6:
            w.add('<?xml version="1.0" encoding="UTF-8"?>\n')
        w.add(f"<{rec}List>\n")
        for _ in range(r.randrange(1, 4)):
            if style == "attribute":
                w.add(f"  <{rec}")
                for col in cols:
                    w.add(f' {col[2]}="')
                    self.cell(w, col, "xml_attribute", "xml.attribute")
                    w.add('"')
                w.add("/>\n")
                continue
            w.add(f"  <{rec}>" + ("\n" if pretty else ""))
            for col in cols:
                if pretty:
                    w.add("    ")
                if style == "field":
                    w.add(f'<field name="{col[2]}">')
                    self.cell(w, col, "xml_field_name", "xml.field")
                    w.add("</field>")
                else:
                    w.add(f"<{col[2]}>")
                    self.cell(w, col, "xml_element", "xml.element")
                    w.add(f"</{col[2]}>")
                if pretty:
                    w.add("\n")
            w.add(f"{'  ' if pretty else ''}</{rec}>\n")
        w.add(f"</{rec}List>\n")
        return w.document()

    # ------------------------------------------------------------------ SQL

    def sql(self) -> Document:
        """An INSERT with its column list (rows one a line, or all on the VALUES line), or a
        database dump: a CREATE TABLE, then inserts without a column list."""
        r = self.r
        w = _Writer("sql", self.part)
        cols = self.columns(True)
        style = r.choice(SQL_STYLES)
        q = r.choice(("", "`", '"')) if style != "dump" else r.choice(("`", ""))
        table = self.pick("sqltable", SQL_TABLES)
        situation = "sql_table_column" if style == "dump" else "sql_column"
        if style == "dump":
            w.add(f"DROP TABLE IF EXISTS {q}{table}{q};\n" if r.random() < 0.5 else "")
            w.add(f"CREATE TABLE {q}{table}{q} (\n  {q}id{q} int NOT NULL AUTO_INCREMENT,\n")
            for c in cols:
                kind = "decimal(12,2)" if c[1] == "price" else r.choice(SQL_TYPES)
                comment = f" COMMENT '{c[2]}, 필수'" if r.random() < 0.2 else ""
                w.add(f"  {q}{c[2]}{q} {kind}{comment},\n")
            w.add(f"  PRIMARY KEY ({q}id{q})\n) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;\n\n")
            w.add(f"LOCK TABLES {q}{table}{q} WRITE;\n" if r.random() < 0.5 else "")
            w.add(f"INSERT INTO {q}{table}{q} VALUES ")
            sep, gap = ("", ",") if r.random() < 0.7 else (" ", ", ")
        else:
            w.add(f"INSERT INTO {table} ({', '.join(q + c[2] + q for c in cols)}) VALUES")
            sep, gap = " ", ", "
        n = r.randrange(1, 5)
        for k in range(n):
            if style == "columns":
                w.add("\n  (" if n > 1 or r.random() < 0.5 else " (")
            else:
                w.add(("(" if style == "dump" else " (") if k == 0 else gap.strip() + sep + "(")
            if style == "dump":
                w.add(f"{k + 1},")
            for i, col in enumerate(cols):
                if i:
                    w.add(gap)
                plain_number = col[0] == "negative" and col[1] == "price" and r.random() < 0.5
                if plain_number:
                    w.negative("price", str(r.randrange(100, 99000) * 100), f"sql.{col[2]}")
                else:
                    self.cell(w, col, situation, "sql", "'")
            w.add(")" + ("," if k + 1 < n and style == "columns" else ""))
        if style == "columns" and r.random() < 0.3:
            named = [c[2] for c in cols if c[0] != "name"][:2]
            w.add("\nON DUPLICATE KEY UPDATE " + ", ".join(f"{c} = VALUES({c})" for c in named))
        w.add(";\n")
        if style == "dump" and r.random() < 0.5:
            w.add("UNLOCK TABLES;\n")
        return w.document()

    # ------------------------------------------------------------------ JSON API responses

    def json_api(self) -> Document:
        r = self.r
        w = _Writer("json_api", self.part)
        cols = self.columns(True)
        pretty = r.random() < 0.7
        nl = "\n" if pretty else ""

        def ind(n: int) -> str:
            return "  " * n if pretty else ""
        sp = " " if pretty else ""
        lst = self.pick("jsonlist", JSON_LISTS)
        w.add(f'{{{nl}{ind(1)}"code":{sp}200,{nl}{ind(1)}"message":{sp}"OK",{nl}'
              f'{ind(1)}"data":{sp}{{{nl}{ind(2)}"{lst}":{sp}[{nl}')
        n = r.randrange(1, 4)
        for k in range(n):
            w.add(f"{ind(3)}{{{nl}")
            for i, col in enumerate(cols):
                w.add(f'{ind(4)}"{col[2]}":{sp}')
                role, what, key = col
                if role == "value" and r.random() < 0.3:
                    # An array of values under one key: the key stands lines above the later ones.
                    items = r.randrange(2, 4)
                    w.add("[" + nl)
                    for j in range(items):
                        w.add(ind(5) + '"')
                        w.value(self.value(what, STORED), "json_array_key", key, "json.array")
                        w.add('"' + ("," if j + 1 < items else "") + nl)
                    w.add(ind(4) + "]")
                elif role == "negative" and what == "price":
                    w.negative("price", str(r.randrange(100, 99000) * 100), f"json.{key}")
                else:
                    self.cell(w, col, "json_key", "json", '"')
                w.add(("," if i + 1 < len(cols) else "") + nl)
            w.add(f"{ind(3)}}}" + ("," if k + 1 < n else "") + nl)
        w.add(f'{ind(2)}],{nl}{ind(2)}"total":{sp}{n}{nl}{ind(1)}}}{nl}}}\n')
        return w.document()

    # ------------------------------------------------------------------ delimited tables

    def table(self, genre: str) -> Document:
        r = self.r
        w = _Writer(genre, self.part)
        fmt = genre.split("_")[1]
        cols = self.columns(r.random() < 0.3)
        sep = {"csv": ",", "tsv": "\t", "pipe": "|", "markdown": " | ", "semicolon": ";"}[fmt]
        quote_headers = fmt in ("csv", "semicolon") and r.random() < 0.5
        names = [f'"{c[2]}"' if quote_headers else c[2] for c in cols]
        if fmt == "semicolon" and r.random() < 0.4:
            w.add("sep=;\n")  # Excel reads the delimiter from such a first line
        elif r.random() < 0.4:
            w.add(f"# {self.pick('title', TITLES)}\n")
        if fmt == "markdown":
            # The rule under the header may set each column's alignment (|:---|---:|:-:|).
            aligned = r.random() < 0.5
            rule = "|".join((r.choice((":---", "---:", ":---:", ":-:", " :--- ", " ---: "))
                             if aligned else "---") for _ in names)
            w.add("| " + " | ".join(names) + " |\n|" + rule + "|\n")
        else:
            w.add(sep.join(names) + "\n")
            gap = r.random()
            if gap < 0.25:  # a rule under the header
                w.add(r.choice(("-", "=")) * 30 + "\n")
            elif gap < 0.4:
                w.add("\n")
        for _ in range(r.randrange(2, 12)):
            if fmt == "markdown":
                w.add("| ")
            for i, col in enumerate(cols):
                if i:
                    w.add(sep)
                if col[0] != "name" and r.random() < 0.12:
                    continue  # an empty cell
                quoted = quote_headers or col[1] == "price" or r.random() < 0.2
                quote = '"' if fmt in ("csv", "semicolon") and quoted else ""
                if fmt == "semicolon" and col[0] == "negative" and col[1] in ("price", "event_date"):
                    w.add(quote)
                    w.negative(col[1], self.semicolon_negative(col[1]), f"table.semicolon.{col[2]}")
                    w.add(quote)
                    continue
                self.cell(w, col, "column_header", f"table.{fmt}", quote)
            w.add(" |\n" if fmt == "markdown" else "\n")
        return w.document()

    def semicolon_negative(self, category: str) -> str:
        """An amount or a date as a spreadsheet of a comma-decimal locale exports it."""
        r = self.r
        if category == "price":
            return r.choice(SEMICOLON_PRICE).format(a=r.randrange(1, 999), b=r.randrange(1000))
        y, m, d = self.v.date(2015, 2026)
        return r.choice(SEMICOLON_DATE).format(y=y, m=m, d=d)

    # ------------------------------------------------------------------ messenger exports

    def chat_export(self) -> Document:
        """A messenger conversation saved as text: who wrote and when before every message, a
        question answered in a later message of the other person."""
        r = self.r
        w = _Writer("chat_export", self.part)
        style = self.pick("chatstyle", CHAT_STYLES)
        me, friend = self.name(), self.name()
        y, m, d = self.v.date(2020, 2026)
        clock = [r.randrange(8, 22), r.randrange(60)]
        weekday = "월화수목금토일"[corpus.random_date(r, 2020, 2026)[2] % 7]

        def day_line() -> str:
            if style == "pc":
                return f"--------------- {y}년 {m}월 {d}일 {weekday}요일 ---------------\n"
            if style == "line":
                return f"{y}.{m:02d}.{d:02d} {weekday}요일\n"
            if style == "dotted":
                return f"{y}년 {m}월 {d}일 {weekday}요일\n"
            return f"{y}년 {m}월 {d}일 {weekday}요일\n"

        def said(who: str) -> str:
            clock[1] += r.randrange(0, 4)
            h, mi = (clock[0] + clock[1] // 60) % 24, clock[1] % 60
            half = "오전" if h < 12 else "오후"
            h12 = h % 12 or 12
            if style == "pc":
                return f"[{who}] [{half} {h12}:{mi:02d}] "
            if style == "android":
                return f"{y}년 {m}월 {d}일 {half} {h12}:{mi:02d}, {who} : "
            if style == "ios":
                return f"{y}. {m}. {d}. {half} {h12}:{mi:02d}, {who} : "
            if style == "line":
                return f"{half}{h12}:{mi:02d} {who} "
            return f"[{d:02d}.{m:02d}.{y % 100:02d} {h:02d}:{mi:02d}] {who}: "
        if style in ("pc", "android"):
            w.add(f"{friend} 님과 카카오톡 대화\n저장한 날짜 : {y}-{m:02d}-{d:02d} "
                  f"{r.randrange(10, 24)}:{r.randrange(60):02d}:{r.randrange(60):02d}\n\n")
        if style != "ios" or r.random() < 0.5:
            w.add(day_line())
        asker, answerer = (me, friend) if r.random() < 0.5 else (friend, me)
        for _ in range(r.randrange(2, 6)):
            if r.random() < 0.3:
                w.add(said(r.choice((asker, answerer))) + r.choice(FILLERS) + "\n")
            negative = r.random() < 0.3
            if negative:
                what = self.weighted(NEG_WEIGHTS)
                q = self.pick(f"chatnegq.{what}", NEG_CHAT_QUESTIONS[what])
            else:
                what = r.choice(KINDS)
                q = self.pick(f"chatq.{what}", CHAT_QUESTIONS[what])
            w.add(said(asker) + q + "\n")
            later = r.random() < 0.3
            if later:
                w.add(said(answerer) + r.choice(CHAT_REPLIES) + "\n")
            head, tail = self.pick("chatanswer", CHAT_ANSWERS).split("{v}")
            w.add(said(answerer) + head)
            if negative:
                w.negative(what, self.spoken_negative(what), f"chat.{q}")
            else:
                w.value(self.value(what, SPOKEN), "chat_later" if later else "chat_previous", q,
                        f"chat.{style}")
            w.add(tail + "\n")
            if r.random() < 0.3:
                w.add(said(asker) + r.choice(("고마워", "ㅇㅋ", "땡큐", "알겠어")) + "\n")
        return w.document()

    # ------------------------------------------------------------------ call transcripts

    def call_transcript(self) -> Document:
        """A recorded call turned into text: each turn stamped with the time since the call
        began and its speaker; the caller answers the agent's question a turn or two later."""
        r = self.r
        w = _Writer("call_transcript", self.part)
        agent, caller = self.pick("callspeakers", CALL_SPEAKERS)
        style = self.pick("callstyle", CALL_STYLES)
        seconds = [r.randrange(0, 20)]
        hours = r.random() < 0.5

        def turn(who: str) -> str:
            seconds[0] += r.randrange(2, 15)
            t = seconds[0]
            stamp = f"{t // 3600:02d}:{t // 60 % 60:02d}:{t % 60:02d}" if hours else f"{t // 60:02d}:{t % 60:02d}"
            return style.format(t=stamp, who=who)
        if r.random() < 0.5:
            w.add(f"통화일시: {self.v.date(2022, 2026)[0]}-0{r.randrange(1, 10)}-1{r.randrange(10)} "
                  f"{r.randrange(9, 18)}:{r.randrange(10, 60)}\n\n")
        w.add(turn(agent) + r.choice(("네 고객센터입니다.", "Thank you for calling.", "네 상담원 김민지입니다.")) + "\n")
        for _ in range(r.randrange(2, 5)):
            if r.random() < 0.3:
                w.add(turn(r.choice((agent, caller))) + r.choice(FILLERS) + "\n")
            negative = r.random() < 0.3
            if negative:
                what = self.weighted(NEG_WEIGHTS)
                q = self.pick(f"negq.{what}", NEG_QUESTIONS[what])
            else:
                what = r.choice([k for k in KINDS if k in QUESTIONS])
                q = self.pick(f"q.{what}", QUESTIONS[what])
            w.add(turn(agent) + q + "\n")
            later = r.random() < 0.3
            if later:
                w.add(turn(caller) + r.choice(STALLS) + "\n")
            head, tail = self.pick("answer", ANSWERS).split("{v}")
            w.add(turn(caller) + head)
            if negative:
                w.negative(what, self.spoken_negative(what), f"question.{q}")
            else:
                w.value(self.value(what, SPOKEN), "call_later" if later else "call_previous", q,
                        "call")
            w.add(tail + "\n")
        return w.document()

    # ------------------------------------------------------------------ form dumps

    def form_dump(self) -> Document:
        r = self.r
        w = _Writer("form_dump", self.part)
        cols = self.columns(False)
        label_style = self.pick("formlabel", FORM_LABEL_STYLES)
        value_style = self.pick("formvalue", FORM_VALUE_STYLES)
        if r.random() < 0.6:
            w.add(f"{self.pick('title', TITLES)}\n\n")
        for role, what, header in cols:
            w.add(label_style.format(h=header) + "\n")
            if r.random() < 0.2:
                w.add("\n")
            head, tail = value_style.split("{v}")
            w.add(head)
            if role == "name":
                w.add(self.name())
            elif role == "bank":
                w.add(self.bank())
            elif role == "value":
                w.value(self.value(what, SPOKEN), "form_next_line", header, "form")
            else:
                w.negative(what, self.negative(what), f"form.{header}")
            w.add(tail + "\n")
        return w.document()

    # ------------------------------------------------------------------ dialogues

    def dialogue(self) -> Document:
        r = self.r
        w = _Writer("dialogue", self.part)
        asker, answerer = self.pick("speakers", SPEAKERS) if r.random() < 0.85 else ("", "")
        y, m, d = self.v.date(2020, 2026)
        clock = [r.randrange(9, 19), r.randrange(60)]

        def said(who: str) -> str:  # a chat export stamps every line with the time
            clock[1] += r.randrange(0, 3)
            return who.replace("{stamp}", f"{y}-{m:02d}-{d:02d} {clock[0] + clock[1] // 60:02d}:{clock[1] % 60:02d}")
        if r.random() < 0.5:
            answerer, asker = asker, answerer  # either side may ask
        kinds = [k for k in KINDS if k in QUESTIONS]
        for _ in range(r.randrange(2, 6)):
            if r.random() < 0.35:
                w.add(said(r.choice((asker, answerer))) + r.choice(FILLERS) + "\n")
            negative = r.random() < 0.3
            if negative:
                what = self.weighted(NEG_WEIGHTS)
                q = self.pick(f"negq.{what}", NEG_QUESTIONS[what])
            else:
                what = r.choice(kinds)
                q = self.pick(f"q.{what}", QUESTIONS[what])
            w.add(said(asker) + q + "\n")
            later = r.random() < 0.3
            stalls = 0
            if later:
                stalls = 2 if r.random() < 0.35 else 1
                for stall in r.sample(STALLS, stalls):
                    w.add(said(answerer) + stall + "\n")
            answer = self.pick("answer", ANSWERS)
            head, tail = answer.split("{v}")
            w.add(said(answerer) + head)
            if negative:
                w.negative(what, self.spoken_negative(what), f"question.{q}")
            else:
                situation = ("question_previous", "question_later", "question_two_later")[stalls]
                w.value(self.value(what, SPOKEN), situation, q, "dialogue")
            w.add(tail + "\n")
        if r.random() < 0.5:
            w.add(said(asker) + r.choice(FILLERS) + "\n")
        return w.document()

    # ------------------------------------------------------------------ HTML tables

    def html_table(self) -> Document:
        """A table of a web page or an HTML e-mail: a header row over rows of records, or a form
        laid out as rows of a name cell and a value cell."""
        r = self.r
        w = _Writer("html_table", self.part)
        cols = self.columns(False)
        layout = r.choice(("grid", "grid", "grid_cells", "one_line", "form", "form_cells"))
        nl = "" if layout == "one_line" else "\n"
        attrs = r.choice(("", ' border="1"', ' class="tbl"', ' style="width:100%"'))
        if r.random() < 0.4:
            w.add(f"<h3>{self.pick('title', TITLES)}</h3>{nl}")
        w.add(f"<table{attrs}>{nl}")
        if layout.startswith("form"):
            for col in cols:
                head = col[2]
                if layout == "form":
                    w.add(f"<tr><th>{head}</th><td>")
                else:
                    w.add(f"  <tr>\n    <th>{head}</th>\n    <td>")
                self.html_cell(w, col, "html_row_header", "html.form")
                w.add("</td></tr>\n" if layout == "form" else "</td>\n  </tr>\n")
            w.add("</table>\n")
            return w.document()
        bold = r.random() < 0.2  # a header row of bold td cells instead of th
        head_cells = "".join(f"<td><b>{c[2]}</b></td>" if bold else f"<th>{c[2]}</th>" for c in cols)
        if layout == "grid_cells":
            head_cells = "".join(f"\n    {c}" for c in head_cells.replace("</th>", "</th>\x00")
                                 .replace("</td>", "</td>\x00").split("\x00") if c) + "\n  "
        thead = r.random() < 0.5 and not bold
        w.add(("<thead>" + nl if thead else "") + f"  <tr>{head_cells}</tr>{nl}" +
              ("</thead>" + nl + "<tbody>" + nl if thead else ""))
        for _ in range(r.randrange(1, 6)):
            w.add("  <tr>")
            for col in cols:
                w.add("\n    <td>" if layout == "grid_cells" else "<td>")
                if col[0] != "name" and r.random() < 0.08:
                    w.add("&nbsp;</td>")
                    continue
                self.html_cell(w, col, "html_header", "html.grid")
                w.add("</td>")
            w.add(("\n  " if layout == "grid_cells" else "") + "</tr>" + nl)
        w.add(("</tbody>" + nl if thead else "") + "</table>\n")
        return w.document()

    def html_cell(self, w: _Writer, col, situation: str, frame: str) -> None:
        role, what, header = col
        if role == "value":
            w.value(self.value(what, STORED), situation, header, frame)
        elif role == "negative":
            w.negative(what, self.negative(what), f"{frame}.{header}")
        else:
            w.add(self.name() if role == "name" else self.bank())

    # ------------------------------------------------------------------ headers over two lines

    def two_row_table(self) -> Document:
        """A spreadsheet pasted or exported with its header over two lines: a line of groups
        over the column names (merged cells), or names wrapped in their cells."""
        r = self.r
        w = _Writer("two_row_table", self.part)
        cols = self.columns(False)
        sep = r.choice((",", "\t", "|"))
        style = r.choice(("group", "wrapped"))
        upper, lower = [], []
        if style == "group":
            k = 0
            while k < len(cols):
                span = min(len(cols) - k, r.randrange(1, 4))
                upper += [self.pick("group", GROUPS)] + [""] * (span - 1)
                k += span
            lower = [c[2] for c in cols]
        else:
            for c in cols:
                h = c[2]  # wrapped at a space, or before 번호 (운전면허증 / 번호)
                if " " in h:
                    a, b = h.split(" ", 1)
                elif h.endswith("번호") and len(h) > 3:
                    a, b = h[:-2], h[-2:]
                else:
                    a, b = h, ""
                upper.append(a)
                lower.append(b)
        if r.random() < 0.3:
            w.add(f"{self.pick('title', TITLES)}\n")
        w.add(sep.join(upper) + "\n" + sep.join(lower) + "\n")
        for _ in range(r.randrange(2, 9)):
            for i, col in enumerate(cols):
                if i:
                    w.add(sep)
                if col[0] != "name" and r.random() < 0.1:
                    continue
                quote = '"' if sep == "," and col[1] == "price" else ""
                self.cell(w, col, "two_row_header", "table.two_row", quote)
            w.add("\n")
        return w.document()

    # ------------------------------------------------------------------ several pairs on a line

    def pair_line(self) -> Document:
        """Records written one to a line as label and value pairs: a form pasted into a note
        (성명: 홍길동  연락처: 010-...), or a log line of key=value pairs."""
        r = self.r
        w = _Writer("pair_line", self.part)
        keyed = r.random() < 0.4
        cols = self.columns(keyed)
        sep = " " if keyed else self.pick("pairsep", PAIR_SEPARATORS).replace("\\t", "\t")
        style = "{h}={v}" if keyed else self.pick("pairstyle", PAIR_STYLES)
        head_h, tail_h = style.split("{h}")
        mid, tail = tail_h.split("{v}")
        for _ in range(r.randrange(1, 5)):
            if keyed:
                y, m, d = self.v.date(2023, 2026)
                w.add(f"{y}-{m:02d}-{d:02d}T{r.randrange(24):02d}:{r.randrange(60):02d}:"
                      f"{r.randrange(60):02d} {r.choice(('INFO', 'DEBUG', 'WARN'))} ")
            for i, col in enumerate(cols):
                if i:
                    w.add(sep)
                role, what, header = col
                w.add(head_h + header + mid)
                if role == "value":
                    w.value(self.value(what, STORED if keyed else SPOKEN), "same_line_pairs", header,
                            "pairs")
                elif role == "negative":
                    w.negative(what, self.negative(what) if keyed else self.spoken_negative(what),
                               f"pairs.{header}")
                else:
                    w.add(self.name() if role == "name" else self.bank())
                w.add(tail)
            w.add("\n")
        return w.document()

    # ------------------------------------------------------------------ e-mail

    def mail(self) -> Document:
        """An e-mail as saved or forwarded: the people in its header (names and addresses), a
        short body, a signature with the sender's mobile and the company's own numbers."""
        r = self.r
        w = _Writer("mail", self.part)
        for head in r.sample(share("structure.mailhead", MAIL_PEOPLE_HEADERS, self.part), 2):
            w.add(f"{head}: ")
            for k in range(r.randrange(1, 3)):
                if k:
                    w.add(", ")
                if r.random() < 0.7:
                    w.add(f'"{self.name()}" <' if r.random() < 0.3 else f"{self.name()} <")
                    w.value(self.value("email", {"plain"}), "mail_header", head, "mail.header")
                    w.add(">")
                else:
                    w.value(self.value("email", {"plain"}), "mail_header", head, "mail.header")
            w.add("\n")
        y, m, d = self.v.date(2022, 2026)
        w.add(f"Date: {y}-{m:02d}-{d:02d} {r.randrange(24):02d}:{r.randrange(60):02d}\n")
        w.add(f"Subject: {self.pick('title', TITLES)} 문의\n\n")
        w.add(r.choice(FILLERS) + "\n" + r.choice(FILLERS) + "\n\n--\n")
        w.add(f"{self.name()} {r.choice(('드림', '올림', '매니저', '대리', ''))}\n")
        label = self.pick("signature", SIGNATURE_LABELS)
        w.add(label + r.choice((" ", ": ") if label.endswith(".") else (" ", ": ", ". ")))
        w.value(self.value("phone", {"hyphen", "dot", "intl_plus", "plain"}), "signature_label", label,
                "mail.signature")
        w.add("\n")
        for line in r.sample(COMPANY_LINES, r.randrange(1, 3)):
            w.add(line + r.choice((" ", ": ")))
            w.negative("company_number", self.v.negative("company_number"), f"mail.{line}")
            w.add("\n")
        return w.document()

    # ------------------------------------------------------------------ YAML

    def yaml(self) -> Document:
        """A YAML file of records (a configuration, a test fixture, an export): keys over
        nested blocks, an account's bank in the block with it."""
        r = self.r
        w = _Writer("yaml", self.part)
        cols = self.columns(True)
        w.add(f"{self.pick('jsonlist', JSON_LISTS)}:\n")
        for _ in range(r.randrange(1, 4)):
            for i, col in enumerate(cols):
                role, what, key = col
                lead = "  - " if i == 0 else "    "
                if role == "value" and what == "bank_account" and r.random() < 0.5:
                    # The account in a block of its own, its bank beside it.
                    w.add(f"{lead}{r.choice(('refund', 'payout', 'deposit'))}:\n"
                          f"      bank: {self.bank()}\n      {key}: ")
                    lead = None
                else:
                    w.add(f"{lead}{key}: ")
                quote = r.choice(("", "", "'", '"')) if role == "value" else ""
                w.add(quote)
                if role == "value":
                    w.value(self.value(what, STORED), "yaml_key", key, "yaml")
                elif role == "negative":
                    w.negative(what, self.negative(what), f"yaml.{key}")
                else:
                    w.add(self.name() if role == "name" else self.bank())
                w.add(quote + "\n")
        return w.document()

    # ------------------------------------------------------------------ nested blocks

    def leaf(self, w: _Writer, scalar: tuple, situation: str, label: str, frame: str, quote: str = "") -> None:
        """One scalar of a nested record: ("value", kind), ("negative", category) or ("text", s)."""
        role, what = scalar
        w.add(quote)
        if role == "value":
            w.value(self.value(what, STORED), situation, label, frame)
        elif role == "negative":
            w.negative(what, self.negative(what), f"{frame}.{label}")
        else:
            w.add(what)
        w.add(quote)

    def blocks(self) -> list:
        """The fields of a nested record as (key, child) pairs, a child being a list of pairs or a
        leaf: the kind of a value is named by the key of its block (phone: {primary: ...}), once
        or twice up, and look-alikes sit in company and order blocks under plain keys."""
        r = self.r
        items: list = [(self.pick("namekey", NAME_KEYS), ("text", self.name()))]
        for kind in r.sample(KINDS, r.randrange(1, 4)):
            parent = self.pick("parent." + kind, PARENT_KEYS[kind])
            leaf_key = self.pick("leaf." + kind, LEAF_KEYS.get(kind, LEAF_DEFAULT))
            inner: list = [(leaf_key, ("value", kind))]
            if kind == "bank_account" and r.random() < 0.6:
                inner.insert(0, (self.pick("bankkey", BANK_KEYS), ("text", self.bank())))
            if kind in ("passport", "driver_license") and r.random() < 0.5:
                inner.append((r.choice(("expiry", "issued", "validUntil", "issueDate")),
                              ("negative", "event_date")))
            if r.random() < 0.3:
                inner = [(self.pick("middle", MIDDLE_KEYS), inner)]
            items.append((parent, inner))
        for _ in range(r.randrange(1, 3)):
            if r.random() < 0.6:
                cat = r.choice(tuple(COMPANY_LEAVES))
                parent = self.pick("companyparent", COMPANY_PARENTS)
                inner = [("name", ("text", r.choice(("(주)한빛상사", "주식회사 다온", "미래헬스 의원",
                                                     "Hanbit Co., Ltd.", "(유)새솔"))))]
                inner.append((self.pick("negleaf." + cat, COMPANY_LEAVES[cat]), ("negative", cat)))
                if r.random() < 0.3:  # the company's own business number is still one
                    inner.append((self.pick("key.business_registration",
                                            KEYS["business_registration"]),
                                  ("value", "business_registration")))
            else:
                cat = r.choice(tuple(ORDER_LEAVES))
                parent = self.pick("orderparent", ORDER_PARENTS)
                inner = [(self.pick("negleaf." + cat, ORDER_LEAVES[cat]), ("negative", cat))]
            items.append((parent, inner))
        head, rest = items[0], items[1:]
        r.shuffle(rest)
        return [head] + rest

    def nested(self) -> Document:
        """A record of nested blocks as a YAML file or a JSON document (pretty or on one line)."""
        r = self.r
        w = _Writer("nested", self.part)
        fmt = r.choice(("yaml", "yaml", "json", "json", "json_line"))
        records = [self.blocks() for _ in range(r.randrange(1, 3))]
        top = self.pick("recordkey", RECORD_KEYS)

        def named(path: list) -> str:  # the innermost key that names a kind
            return next((k for k in reversed(path) if any(k in p for p in PARENT_KEYS.values())
                         or any(k in p for p in KEYS.values())), path[-1])

        def yaml(items: list, indent: str, first: str | None, path: list) -> None:
            for i, (key, child) in enumerate(items):
                w.add((first if i == 0 and first is not None else indent) + key + ":")
                if isinstance(child, list):
                    w.add("\n")
                    yaml(child, indent + "  ", None, path + [key])
                else:
                    w.add(" ")
                    quote = r.choice(("", "", "'", '"')) if child[0] == "value" else ""
                    label = named(path + [key])
                    self.leaf(w, child, "yaml_key" if label == key else "parent_key", label,
                              "nested.yaml", quote)
                    w.add("\n")

        def json(items: list, depth: int, path: list) -> None:
            pretty = fmt == "json"
            nl, sp = ("\n", " ") if pretty else ("", "")
            w.add("{" + nl)
            for i, (key, child) in enumerate(items):
                w.add(("  " * (depth + 1) if pretty else "") + f'"{key}":{sp}')
                if isinstance(child, list):
                    json(child, depth + 1, path + [key])
                else:
                    label = named(path + [key])
                    self.leaf(w, child, "json_key" if label == key else "parent_key", label,
                              f"nested.{fmt}", '"')
                w.add(("," if i + 1 < len(items) else "") + nl)
            w.add(("  " * depth if pretty else "") + "}")

        if fmt == "yaml":
            if len(records) == 1:
                w.add(f"{top}:\n")
                yaml(records[0], "  ", None, [top])
            else:
                w.add(f"{self.pick('jsonlist', JSON_LISTS)}:\n")
                for rec in records:
                    yaml(rec, "    ", "  - ", [])
        else:
            for rec in records:  # one document per line, as a log or an export writes them
                json([(top, rec)], 0, [])
                w.add("\n")
        return w.document()

    # ------------------------------------------------------------------ key paths

    def path_fields(self) -> list:
        """The fields of a record as (key path, leaf) pairs: a kind named by the last key
        (user.phone) or by the one before a plain key (phone.primary, refundAccount.number)."""
        r = self.r
        rec = self.pick("recordkey", RECORD_KEYS) if r.random() < 0.6 else None
        fields = [([self.pick("namekey", NAME_KEYS)], ("text", self.name()))]
        for kind in r.sample(KINDS, r.randrange(1, 4)):
            if r.random() < 0.4:
                path = [self.pick("key." + kind, KEYS[kind])]
            else:
                path = [self.pick("parent." + kind, PARENT_KEYS[kind]),
                        self.pick("leaf." + kind, LEAF_KEYS.get(kind, LEAF_DEFAULT))]
            fields.append((path, ("value", kind)))
        for _ in range(r.randrange(1, 3)):
            roll = r.random()
            if roll < 0.45:
                cat = r.choice(tuple(COMPANY_LEAVES))
                path = [self.pick("companyparent", COMPANY_PARENTS),
                        self.pick("negleaf." + cat, COMPANY_LEAVES[cat])]
            elif roll < 0.8:
                cat = r.choice(tuple(ORDER_LEAVES))
                path = [self.pick("orderparent", ORDER_PARENTS),
                        self.pick("negleaf." + cat, ORDER_LEAVES[cat])]
            else:
                cat = self.weighted(NEG_WEIGHTS)
                path = [self.pick("negkey." + cat, NEG_KEYS[cat])]
            fields.append((path, ("negative", cat)))
        head, rest = fields[0], fields[1:]
        r.shuffle(rest)
        if rec is not None:
            return [([rec] + p, leaf) for p, leaf in [head] + rest]
        return [head] + rest

    @staticmethod
    def join_path(path: list, style: str) -> str:
        if style == "bracket":
            return path[0] + "".join(f"[{k}]" for k in path[1:])
        return {"dot": ".", "underscore": "__", "colon": ":"}[style].join(path)

    def key_path(self) -> Document:
        """Records written by programs with nested keys: log lines of key=value pairs, query
        strings of requests, and the parts of a multipart form."""
        r = self.r
        w = _Writer("key_path", self.part)
        layout = r.choice(("log", "query", "form_data", "urlencoded"))
        style = r.choice(PATH_STYLES) if layout == "log" else r.choice(("dot", "bracket"))
        situation = {"log": "key_path", "query": "query_string", "form_data": "form_data",
                     "urlencoded": "query_string"}[layout]

        def label(path: list) -> str:
            return next((k for k in reversed(path) if any(k in p for p in PARENT_KEYS.values())
                         or any(k in p for p in KEYS.values())), path[-1])

        for _ in range(r.randrange(1, 4)):
            fields = self.path_fields()
            if layout == "form_data":
                boundary = "----WebKitFormBoundary" + "".join(
                    r.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") for _ in range(16))
                w.add(f"POST {self.pick('apipath', API_PATHS)} HTTP/1.1\n"
                      f"Content-Type: multipart/form-data; boundary={boundary}\n\n")
                for path, leaf in fields:
                    w.add(f'--{boundary}\nContent-Disposition: form-data; '
                          f'name="{self.join_path(path, style)}"\n\n')
                    self.leaf(w, leaf, situation, label(path), "key_path.form_data")
                    w.add("\n")
                w.add(f"--{boundary}--\n")
                continue
            if layout == "log":
                y, m, d = self.v.date(2023, 2026)
                w.add(f"{y}-{m:02d}-{d:02d}T{r.randrange(24):02d}:{r.randrange(60):02d}:"
                      f"{r.randrange(60):02d} {r.choice(('INFO', 'DEBUG', 'WARN'))} "
                      f"{self.pick('logevent', LOG_EVENTS)} ")
                sep = " "
            elif layout == "query":
                w.add(f"{r.choice(('GET', 'POST'))} {self.pick('apipath', API_PATHS)}?")
                sep = "&"
            else:
                w.add("body=")
                sep = "&"
            for i, (path, leaf) in enumerate(fields):
                if i:
                    w.add(sep)
                w.add(self.join_path(path, style) + "=")
                self.leaf(w, leaf, situation, label(path), f"key_path.{layout}")
            w.add(" HTTP/1.1\n" if layout == "query" else "\n")
        return w.document()

    # ------------------------------------------------------------------ HTML spans

    def html_spans(self) -> Document:
        """An HTML table whose header is two rows with merged cells (a group over columns with
        colspan, the other names down both rows with rowspan), rows sharing a merged name cell."""
        r = self.r
        w = _Writer("html_spans", self.part)
        cols = self.columns(False)
        groups: list[tuple[str | None, int]] = []  # (group or None, columns it spans)
        k = 0
        while k < len(cols):
            span = min(len(cols) - k, r.randrange(1, 4))
            if span == 1 or k == 0:
                groups.append((None, 1))
                k += 1
            else:
                groups.append((self.pick("group", GROUPS), span))
                k += span
        nl = "\n" if r.random() < 0.7 else ""
        attrs = r.choice(("", " border=1", ' class="grid"'))
        w.add(f"<table{attrs}>{nl}<tr>")
        k = 0
        lower = []
        for group, span in groups:
            if group is None:
                w.add(f'<th rowspan="2">{cols[k][2]}</th>')
            else:
                w.add(f'<th colspan="{span}">{group}</th>')
                lower += [c[2] for c in cols[k:k + span]]
            k += span
        w.add(f"</tr>{nl}<tr>" + "".join(f"<th>{h}</th>" for h in lower) + f"</tr>{nl}")
        rows = r.randrange(2, 6)
        shared = 0  # rows left under a name cell merged down
        for _ in range(rows):
            w.add("<tr>")
            for i, col in enumerate(cols):
                if i == 0:
                    if shared:
                        shared -= 1
                        continue
                    if r.random() < 0.35:
                        shared = 1
                        w.add('<td rowspan="2">')
                    else:
                        w.add("<td>")
                else:
                    w.add("<td>")
                self.html_cell(w, col, "html_span_header", "html.spans")
                w.add("</td>")
            w.add(f"</tr>{nl}")
        w.add("</table>\n")
        return w.document()

    # ------------------------------------------------------------------ rows named on the left

    def row_labels(self) -> Document:
        """A report or pasted sheet turned sideways: each row is named by its first cell, the
        people or records stand in the columns to the right."""
        r = self.r
        w = _Writer("row_labels", self.part)
        cols = self.columns(False)
        subjects = r.sample(share("structure.rowsubject", ROW_SUBJECTS, self.part), r.randrange(1, 4))
        layout = r.choice(("tab", "spaces", "pipe", "csv"))
        cells = []
        for role, what, header in cols:
            row = []
            for _ in subjects:
                if role == "value":
                    row.append(("v", self.value(what, STORED)))
                elif role == "negative":
                    row.append(("n", self.negative(what)))
                else:
                    row.append(("", self.name() if role == "name" else self.bank()))
            cells.append(row)

        def text_of(c) -> str:
            return c[1].text if c[0] == "v" else c[1]
        corner = self.pick("rowcorner", ROW_CORNER)
        if r.random() < 0.5:
            w.add(f"{self.pick('title', TITLES)}\n")
        if layout == "spaces":
            lw = max(width(h) for h in [corner] + [c[2] for c in cols]) + r.randrange(2, 6)
            cw = [max([width(s)] + [width(text_of(row[j])) for row in cells]) + r.randrange(2, 5)
                  for j, s in enumerate(subjects)]
            w.add((corner + " " * (lw - width(corner)) +
                   "".join(s + " " * (cw[j] - width(s)) for j, s in enumerate(subjects))).rstrip() + "\n")
        else:
            sep = {"tab": "\t", "pipe": " | ", "csv": ","}[layout]
            w.add(sep.join([corner] + subjects) + "\n")
        for (role, what, header), row in zip(cols, cells):
            if layout == "spaces":
                w.add(header + " " * (lw - width(header)))
            else:
                w.add(header + sep)
            for j, c in enumerate(row):
                if j and layout != "spaces":
                    w.add(sep)
                if c[0] == "v":
                    w.value(c[1], "row_label", header, f"row_labels.{layout}")
                elif c[0] == "n":
                    w.negative(what, c[1], f"row_labels.{header}")
                else:
                    w.add(c[1])
                if layout == "spaces" and j + 1 < len(row):
                    w.add(" " * (cw[j] - width(text_of(c))))
            w.add("\n")
        return w.document()


    # ------------------------------------------------------------------ bank statements

    def amount(self) -> str:
        a = self.r.randrange(1, 4000) * self.r.choice((10, 100, 1000))
        return f"{a:,}" if self.r.random() < 0.6 else str(a)

    def bank_statement(self) -> Document:
        """A statement export: a title, the account and its holder above the table, then rows
        with a time, amounts and a balance (look-alikes), the counterparty's account in a column
        of its own and/or inside the description after a transfer word and a bank."""
        r = self.r
        w = _Writer("bank_statement", self.part)
        layout = r.choice(STATEMENT_LAYOUTS)
        sep = {"csv": ",", "tsv": "\t", "pipe": " | ", "spaces": ""}[layout]
        if r.random() < 0.8:
            w.add(self.pick("statement.title", STATEMENT_TITLES) + "\n")
        head_sep = r.choice((": ", " : ", "：", "\t", ",", " ")) if layout != "tsv" else "\t"
        if r.random() < 0.8:
            label = self.pick("statement.account", STATEMENT_ACCOUNT_HEADERS)
            w.add(label + head_sep)
            if r.random() < 0.4:
                w.add(self.bank() + " ")
            w.value(self.value("bank_account", STORED), "statement_header", label, "statement.header")
            w.add("\n")
            if r.random() < 0.7:
                w.add(self.pick("statement.holder", STATEMENT_HOLDERS) + head_sep + self.name() + "\n")
        if r.random() < 0.6:
            w.add(self.pick("statement.period", STATEMENT_PERIODS) + head_sep)
            w.negative("event_date", self.negative("event_date"), "statement.period")
            w.add(" ~ ")
            w.negative("event_date", self.negative("event_date"), "statement.period")
            w.add("\n")
        if r.random() < 0.5:
            w.add("\n")
        # The columns: (role, header); a counterparty's account has a column, its description, or both.
        roles = ["date", "memo", "out", "in", "balance"]
        column = r.random() < 0.6
        if column:
            roles.insert(r.randrange(2, 6), "account")
            if r.random() < 0.6:
                roles.insert(roles.index("account") + r.choice((0, 1)), "bank")
        if r.random() < 0.4:
            roles.append("note")
        pools = {"date": STATEMENT_DATES, "memo": STATEMENT_MEMO_HEADERS, "out": STATEMENT_OUT,
                 "in": STATEMENT_IN, "balance": STATEMENT_BALANCE, "account": STATEMENT_COUNTER_ACCOUNTS,
                 "bank": STATEMENT_COUNTER_BANKS, "note": STATEMENT_MEMO_HEADERS}
        heads = []
        for role in roles:
            h = self.pick("statement." + ("memo" if role == "note" else role), pools[role])
            while h in heads:  # a memo column beside the description, under another header
                h = self.pick("statement.memo", STATEMENT_MEMO_HEADERS)
            heads.append(h)
        rows = []
        for _ in range(r.randrange(2, 9)):
            transfer = r.random() < 0.75
            outgoing = r.random() < 0.6
            row = []
            for role, h in zip(roles, heads):
                if role == "date":
                    y, m, d = self.v.date(2022, 2026)
                    dt = r.choice((f"{y}-{m:02d}-{d:02d}", f"{y}.{m:02d}.{d:02d}", f"{y}/{m:02d}/{d:02d}"))
                    cell = [("n", "event_date", dt)]
                    if r.random() < 0.7:
                        cell.append(("", f" {r.randrange(24):02d}:{r.randrange(60):02d}:{r.randrange(60):02d}"))
                elif role in ("out", "in"):
                    mine = (role == "out") == outgoing
                    cell = [("n", "price", self.amount())] if mine else [("", r.choice(("0", "", "-")))]
                elif role == "balance":
                    cell = [("n", "price", self.amount())]
                elif role == "account":
                    cell = [("v", self.value("bank_account", STORED), h)] if transfer else []
                elif role == "bank":
                    cell = [("", self.bank())] if transfer else []
                elif role == "memo" and transfer and (not column or r.random() < 0.3):
                    acct = self.value("bank_account", STORED)
                    if r.random() < 0.6:  # after a transfer word and a bank
                        word = self.pick("statement.transfer", STATEMENT_TRANSFERS)
                        cell = [("", word + " " + self.bank() + " "), ("v", acct, word)]
                        if r.random() < 0.7:
                            cell.append(("", " " + self.name()))
                    else:  # the counterparty's name and account only: the column says what it is
                        cell = [("", self.name() + " "), ("v", acct, h)]
                elif role == "memo" and not transfer and r.random() < 0.3:
                    # A card payment's approval number, or a bill's customer number, in its place.
                    category = r.choice(("approval_number", "member_number"))
                    cell = [("", self.pick("statement.plain", STATEMENT_PLAIN_MEMOS) + " "),
                            ("n", category, self.negative(category))]
                elif role == "memo":
                    cell = [("", self.name() if transfer else self.pick("statement.plain", STATEMENT_PLAIN_MEMOS))]
                else:
                    cell = [("", r.choice(("", "", self.pick("statement.plain", STATEMENT_PLAIN_MEMOS))))]
                if layout == "csv" and any(seg[-1].count(",") for seg in cell if seg[0] != "v"):
                    cell = [("", '"')] + cell + [("", '"')]  # 1,250,000 quoted in a CSV
                row.append(cell)
            rows.append(row)

        def text_of(cell) -> str:
            return "".join(c[1].text if c[0] == "v" else c[-1] for c in cell)
        widths = [max([width(h)] + [width(text_of(row[i])) for row in rows]) + r.randrange(2, 4)
                  for i, h in enumerate(heads)]
        if layout == "spaces":
            w.add("".join(h + " " * (widths[i] - width(h)) for i, h in enumerate(heads)).rstrip() + "\n")
            w.add("-" * (sum(widths) - 2) + "\n")
        else:
            w.add(sep.join(heads) + "\n")
        for row in rows:
            for i, cell in enumerate(row):
                if i and layout != "spaces":
                    w.add(sep)
                for seg in cell:
                    if seg[0] == "v":
                        situation = "statement_column" if roles[i] == "account" else "statement_memo"
                        w.value(seg[1], situation, seg[2], f"statement.{layout}")
                    elif seg[0] == "n":
                        w.negative(seg[1], seg[2], f"statement.{heads[i]}")
                    else:
                        w.add(seg[1])
                if layout == "spaces" and i + 1 < len(row):
                    w.add(" " * (widths[i] - width(text_of(cell))))
            w.add("\n")
        return w.document()


    # ------------------------------------------------------------------ PostgreSQL COPY blocks

    def sql_copy(self) -> Document:
        """A pg_dump: maybe the table's CREATE TABLE, then COPY with its column list (or without
        one after the CREATE TABLE), tab-separated rows (\\N for NULL), and \\. at the end."""
        r = self.r
        w = _Writer("sql_copy", self.part)
        cols = self.columns(True)
        table = self.pick("sqltable", SQL_TABLES)
        schema = r.choice(SQL_SCHEMAS)
        defined = r.random() < 0.5
        if r.random() < 0.5:
            w.add("--\n-- PostgreSQL database dump\n--\n\nSET client_encoding = 'UTF8';\n\n")
        if defined:
            w.add(f"CREATE TABLE {schema}{table} (\n    id integer NOT NULL,\n")
            w.add(",\n".join(f"    {c[2]} {'numeric(12,2)' if c[1] == 'price' else r.choice(PG_TYPES)}"
                             for c in cols) + "\n);\n\n")
        listed = not defined or r.random() < 0.6
        names = ", ".join(["id"] + [c[2] for c in cols])
        w.add(f"COPY {schema}{table} ({names}) FROM stdin;\n" if listed else
              f"COPY {schema}{table} FROM stdin;\n")
        for k in range(r.randrange(2, 10)):
            w.add(str(k + 1))
            for col in cols:
                w.add("\t")
                if col[0] != "name" and r.random() < 0.1:
                    w.add("\\N")
                elif col[0] == "negative" and col[1] == "price":
                    w.negative("price", f"{r.randrange(100, 99000) * 100}.00", f"sql_copy.{col[2]}")
                else:
                    self.cell(w, col, "sql_copy_column", "sql_copy")
            w.add("\n")
        w.add("\\.\n\n")
        return w.document()

    # ------------------------------------------------------------------ certificates

    def certificate(self) -> Document:
        """A family relation certificate, a basic certificate or a resident register pasted as
        text: a title, an issue number (a look-alike), a header line, then rows whose cells are
        parted by two spaces or more but (mostly) not padded to the header's columns; a single
        space stays inside a cell (1985년 3월 12일, 성 명). Dates of moving in (전입일) and of
        issue are dates that are not births."""
        r = self.r
        w = _Writer("certificate", self.part)
        sort = r.choice(tuple(CERT_TITLES))
        w.add(self.pick(f"cert.title.{sort}", CERT_TITLES[sort]) + "\n")
        if r.random() < 0.6:
            w.add(self.pick("cert.issue", CERT_ISSUE_LABELS) + r.choice((" : ", ": ", "  ")))
            w.negative("serial_number", self.v.negative("serial_number"), "certificate.issue")
            w.add("\n")
        if r.random() < 0.5:
            w.add("\n")
        # The columns: (role, header).
        if sort == "register":
            roles = ["relation", "name", "resident", "moved"] + (["reason"] if r.random() < 0.6 else [])
        else:
            roles = (["relation"] if sort == "family" or r.random() < 0.4 else []) + ["name"]
            roles += ["birth"] if r.random() < 0.85 else []
            roles += ["resident"] + (["sex"] if r.random() < 0.8 else []) + (["origin"] if r.random() < 0.7 else [])
        pools = {"relation": CERT_RELATION_HEADERS, "name": CERT_NAME_HEADERS, "birth": CERT_BIRTH_HEADERS,
                 "resident": CERT_RESIDENT_HEADERS, "sex": CERT_SEX_HEADERS, "origin": CERT_ORIGIN_HEADERS,
                 "moved": CERT_MOVE_HEADERS, "reason": CERT_REASON_HEADERS}
        heads = [self.pick("cert." + role, pools[role]).strip() for role in roles]
        rows = []
        for k in range(1 if sort == "basic" else r.randrange(2, 7)):
            row = []
            for role in roles:
                if role == "relation":
                    rel = CERT_RELATIONS[sort]
                    row.append(("", rel[0] if k == 0 else r.choice(rel[1:] or rel)))
                elif role == "name":
                    row.append(("", self.name()))
                elif role == "birth":
                    row.append(("v", self.value("birth_date", {"korean_date", "iso", "dot"}), "birth_date"))
                elif role == "resident":
                    row.append(("v", self.value("resident", {"hyphen", "masked"}), "resident"))
                elif role == "sex":
                    row.append(("", r.choice(("남", "여"))))
                elif role == "origin":
                    row.append(("", r.choice(CERT_ORIGINS)))
                elif role == "moved":
                    y, m, d = self.v.date(1990, 2026)
                    row.append(("n", "event_date", r.choice((f"{y}-{m:02d}-{d:02d}", f"{y}.{m:02d}.{d:02d}",
                                                             f"{y}년 {m:02d}월 {d:02d}일"))))
                else:
                    row.append(("", r.choice(CERT_REASONS) or "-"))
            rows.append(row)

        def text_of(cell) -> str:
            return cell[1].text if cell[0] == "v" else cell[1]
        padded = r.random() < 0.25  # printed by a program: cells under their headers
        widths = [max([width(h)] + [width(text_of(row[i])) for row in rows]) + r.randrange(2, 4)
                  for i, h in enumerate(heads)]

        def gap(i: int, t: str) -> str:
            return " " * (widths[i] - width(t)) if padded else " " * r.randrange(2, 5)
        w.add("".join(h + (gap(i, h) if i + 1 < len(heads) else "") for i, h in enumerate(heads)) + "\n")
        for row in rows:
            for i, cell in enumerate(row):
                if cell[0] == "v":
                    w.value(cell[1], "certificate_column", heads[i], f"certificate.{sort}")
                elif cell[0] == "n":
                    w.negative(cell[1], cell[2], f"certificate.{heads[i]}")
                else:
                    w.add(cell[1])
                if i + 1 < len(row):
                    w.add(gap(i, text_of(cell)))
            w.add("\n")
        w.add("\n" + self.pick("cert.footer", CERT_FOOTERS).strip() + " ")
        y, m, d = self.v.date(2024, 2026)
        w.negative("event_date", r.choice((f"{y}년 {m:02d}월 {d:02d}일", f"{y}-{m:02d}-{d:02d}")), "certificate.issued")
        w.add("\n")
        return w.document()


Document = labelled.Document


def _seed(part: str, seed: int) -> int:
    return seed * 2_000_029 + (53 if part == "tuning" else 127)


def _documents(part: str, seed: int):
    b = _Builder(part, _seed(part, seed))
    while True:
        genre = b.weighted(GENRE_WEIGHTS)
        if genre.startswith("table_"):
            yield b.table(genre)
        elif genre in OWN_STREAM_GENRES:
            with b.own_stream():
                yield getattr(b, genre)()
        else:
            yield getattr(b, genre)()


def generate(part: str, documents: int = 300, seed: int = 1) -> list[Document]:
    """`documents` labelled documents of one part ("tuning" or "heldout"). Same arguments, same
    documents on every machine."""
    if part not in PARTS:
        raise ValueError(f"part must be one of {PARTS}, not {part!r}")
    stream = _documents(part, seed)
    return [next(stream) for _ in range(documents)]


if __name__ == "__main__":
    import sys
    part = sys.argv[1] if len(sys.argv) > 1 else "tuning"
    n = int(sys.argv[2]) if len(sys.argv) > 2 else len(GENRES)
    labelled.show(generate(part, n), lambda v: f"{v.label:20} {v.label_text!r}")
