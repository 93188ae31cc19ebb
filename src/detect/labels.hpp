#pragma once
// The labels that the label-reading and structure extensions look for beyond the base cue
// tables (cues.hpp): one table per kind, English and abbreviated labels, keys of logs and
// key=value text, Korean variants and bank names. A newcomer finds every label of a kind here.
#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

namespace norvane::labels {

// How a label is matched and what it is taken as.
enum Flags : std::uint16_t {
  kPlain = 0,
  kAscii = 1,            // ASCII letters match either case, and no letter may touch either end
  kAdjacent = 2,         // a common word (국민, 우리, 하나): counts only right before the value
  kTrailing = 4,         // only right after the value (880726생)
  kLogKey = 8,           // a key of a log or key=value text: reported as "context.log_key"
  kBank = 16,            // a bank name before an account: reported as "context.bank_name"
  kPersonal = 32,        // a phone label that makes a representative or toll-free number personal
  kAbbreviation = 64,    // a short form (A/C, D/L, PPT, Mob.): reported as "context.abbreviation"
  kStandalone = 128,     // a syllable or two that count only as a word of their own: no Hangul
                         // letter right before or after them (34세, (남, ...), not 월세 or 남편)
  kBlockKey = 256,       // read only as a key enclosing the value's block or path (company: {...})
  kNotMobile = 512,      // a word that names a company's lines or another number, not a mobile
                         // after it (문의는 010-..., 가입번호 010-****-1234: someone's own)
  kStatementKey = 1024,  // read only as the header of a bank statement's description column
  kUnlessNamed = 2048,   // counts only when no look-alike label stands right before the value
                         // (... 110-***-123456 잔액, not 거래번호 1094... 잔액)
  kTypeValue = 4096,     // counts only as the quoted value of a type key in a record ("type":
                         // "DRIVER"): it names the kind of the number beside it
  kLeading = 8192,       // after the value ("02-... (직통)") it says what line the number is
                         // and counts only when no company's or look-alike's word before the
                         // number says whose it is
};

// Keys whose value names the kind of an identity number in the same record ({"id_type":
// "PASSPORT", "id_no": ...}); read with kTypeValue words. Lower case, matched in any case.
inline constexpr std::string_view kTypeKeys[] = {
    "type",    "kind",          "id_type",      "idtype",    "doc_type",
    "doctype", "id_kind",       "document_type", "documenttype", "cert_type",
    "certtype",
};

struct Label {
  std::string_view word;
  float weight;
  std::uint16_t flags = kPlain;
};

inline constexpr Label kResident[] = {
    {"RRN", 1.0f, kAscii},
    {"rrn=", 1.0f, kLogKey},
    {"rrn_no", 1.0f, kLogKey},
    {"residentNo", 1.0f, kLogKey},
    {"jumin_no", 1.0f, kLogKey},
    {"ssn", 1.0f, kAscii | kLogKey},
    {"jumin", 1.0f, kAscii | kLogKey},
    {"resident_no", 1.0f, kLogKey},
    {"ihidnum", 1.0f, kAscii | kLogKey},  // the standard term's column name (IHIDNUM)
    // Column names of the public-data standard terms and their cousins (RRNO, JMNO).
    {"rrno", 1.0f, kAscii | kLogKey},
    {"jmno", 1.0f, kAscii | kLogKey},
    {"주민 번호", 1.0f},
    {"주민등록 번호", 1.0f},
    {"주민", 0.8f},
    {"Resident No", 1.0f, kAscii},
    {"Resident Registration", 1.0f, kAscii},
    {"Resident ID", 1.0f, kAscii},
    {"Resident Reg", 1.0f, kAscii},
    {"National ID", 1.0f, kAscii},
    {"Resident", 0.9f, kAscii},
    // A verification log's generic identity key (id_no=, 신분증번호=): the label of every identity
    // kind whose shape the value has.
    {"id_no", 1.0f, kAscii | kLogKey},
    {"idno", 1.0f, kAscii | kLogKey},
    {"id_number", 1.0f, kAscii | kLogKey},
    {"identity_no", 1.0f, kAscii | kLogKey},
    {"신분증번호", 1.0f},
    // Identity checks' labels that ask for whichever number the person has (실명확인번호,
    // 실명번호, 본인확인 번호): the number's shape says its kind.
    {"실명확인번호", 1.0f},
    {"실명번호", 1.0f},
    {"본인확인번호", 1.0f},
};
inline constexpr Label kForeigner[] = {
    {"외국인 등록번호", 1.0f},
    {"외국인번호", 1.0f},
    {"ARC", 0.9f, kAscii},
    {"Alien Registration", 1.0f, kAscii},
    {"Foreigner Registration", 1.0f, kAscii},  // as a key too (foreigner_registration_no)
    {"foreigner_no", 1.0f, kLogKey},
    {"arc_no", 1.0f, kLogKey},
    {"frn", 1.0f, kAscii | kLogKey},
    {"foreignerNo", 1.0f, kLogKey},
    {"frgnr", 1.0f, kAscii | kLogKey},  // the standard term's word (FRGNR_RGST_NO, frgnrRgstNo)
    {"등록증 번호", 0.8f},
    {"Foreigner ID", 1.0f, kAscii},
    {"Foreigner", 1.0f, kAscii},
    {"Alien Reg", 1.0f, kAscii},
    {"ARC No", 1.0f, kAscii},
    {"Alien", 0.9f, kAscii},
    {"체류자격", 0.9f},  // the stay status (E-9, F-4) beside a bare 등록번호
    // The generic identity keys, as kResident holds them.
    {"id_no", 1.0f, kAscii | kLogKey},
    {"idno", 1.0f, kAscii | kLogKey},
    {"id_number", 1.0f, kAscii | kLogKey},
    {"identity_no", 1.0f, kAscii | kLogKey},
    {"신분증번호", 1.0f},
    {"실명확인번호", 1.0f},
    {"실명번호", 1.0f},
    {"본인확인번호", 1.0f},
};
inline constexpr Label kBusiness[] = {
    {"사업자 번호", 1.0f},
    {"사업자 등록번호", 1.0f},
    {"BRN", 1.0f, kAscii},
    {"biz_no", 1.0f, kLogKey},
    {"business_no", 1.0f, kLogKey},
    {"Business Registration", 1.0f, kAscii},
    {"Business No", 1.0f, kAscii},
    {"Biz No", 1.0f, kAscii},
    {"bizNo", 1.0f, kLogKey},
    {"brn=", 1.0f, kLogKey},
    // The standard terms' column names (BRNO, BZMN_NO, bzmnRgstNo) and the usual bizrno.
    {"brno", 1.0f, kAscii | kLogKey},
    {"bzmn", 1.0f, kAscii | kLogKey},
    {"bizrno", 1.0f, kAscii | kLogKey},
    {"등록번호", 0.5f},
    {"Tax ID", 1.0f, kAscii},
    {"Business Reg", 1.0f, kAscii},
    {"Company Reg", 1.0f, kAscii},
    {"사업자 ID", 1.0f},
    {"Biz", 0.8f, kAscii | kAbbreviation},
    {"Business", 0.8f, kAscii},
};
inline constexpr Label kCard[] = {
    {"Card No", 1.0f, kAscii},
    {"Card Number", 1.0f, kAscii},
    {"card_no=", 1.0f, kLogKey},
    {"card_no", 1.0f, kLogKey},
    {"card=", 1.0f, kLogKey},
    {"card_number", 1.0f, kLogKey},
    {"카드 번호", 1.0f},
    {"결제카드", 1.0f},
    {"카드정보", 1.0f},
    {"Card", 0.8f, kAscii},
    {"VISA", 0.7f, kAscii},
    {"Master", 0.7f, kAscii},
    {"cardNumber", 1.0f, kLogKey},
    {"cardNo", 1.0f, kLogKey},
    {"pan", 1.0f, kAscii | kLogKey},
    {"crd no", 1.0f, kAscii | kLogKey},  // the standard term's short form (CRD_NO, crdNo)
    {"CC", 0.8f, kAscii | kAbbreviation},
    {"Credit Card", 1.0f, kAscii},
    // A payment column's short header (pay, 결제수단): the card it was paid with, masked, or the
    // name of another way to pay. Not "payment", whose key paths (payment.number) hold a
    // payment's own number.
    {"pay", 0.8f, kAscii},
    {"결제수단", 1.0f},
};
inline constexpr Label kPhone[] = {
    {"Tel", 1.0f, kAscii},
    {"T.", 0.8f, kAscii},
    {"M.", 0.8f, kAscii | kPersonal},
    {"Phone", 1.0f, kAscii},
    {"Mobile", 1.0f, kAscii | kPersonal},
    {"HP", 1.0f, kAscii | kPersonal},
    {"H.P", 1.0f, kAscii | kPersonal},
    {"Cell", 1.0f, kAscii | kPersonal},
    {"Contact", 0.8f, kAscii},
    {"phone=", 1.0f, kLogKey},
    {"tel=", 1.0f, kLogKey},
    {"mobile=", 1.0f, kLogKey | kPersonal},
    {"phone_no", 1.0f, kLogKey},
    {"hp=", 1.0f, kLogKey | kPersonal},
    {"휴대번호", 1.0f, kPersonal},
    {"휴대전화", 1.0f, kPersonal},
    {"휴대폰", 1.0f, kPersonal},
    {"핸드폰", 1.0f, kPersonal},
    {"연락처", 1.0f, kPersonal},
    {"연락번호", 1.0f, kPersonal},
    {"전화 번호", 1.0f},
    {"폰번호", 1.0f, kPersonal},
    {"자택", 0.8f, kPersonal},
    {"집전화", 1.0f, kPersonal},
    {"전화(집)", 1.0f, kPersonal},  // a form's home line beside 전화(휴대)
    {"☎", 0.9f},
    {"☏", 0.9f},  // the white telephone sign, written for ☎ alike
    {"📞", 0.9f},
    {"번호로", 0.5f},
    {"연락", 0.6f},
    {"phoneNumber", 1.0f, kLogKey},
    {"cell=", 1.0f, kLogKey | kPersonal},
    {"mobileNo", 1.0f, kLogKey | kPersonal},
    {"tel_no", 1.0f, kLogKey},
    // The standard terms' column names: TELNO (mblTelno, MBL_TELNO) and MBTLNUM.
    {"telno", 1.0f, kAscii | kLogKey},
    {"mbtlnum", 1.0f, kAscii | kLogKey | kPersonal},
    {"회신번호", 0.8f},
    {"☏", 0.9f},
    {"✆", 0.9f},
    {"Mob", 0.9f, kAscii | kAbbreviation | kPersonal},
    {"Ph", 0.8f, kAscii | kAbbreviation},
    {"Telephone", 1.0f, kAscii},
    {"모바일", 0.9f, kPersonal},
    {"안심번호", 1.0f, kPersonal},  // a platform's virtual number standing for a person's own
    // Marketplace posts' short words: 전번 (전화번호), 핸폰, 카톡 (a messenger found by the
    // number).
    {"전번", 1.0f, kPersonal | kStandalone},  // not the 전 번 of 예전 번호
    {"핸폰", 1.0f, kPersonal},
    {"카톡", 0.6f, kPersonal},
    // A sentence that asks to be called or written to, right after the number (... 번으로 카톡
    // 주세요, ... 여기로 연락 부탁해요); after a particle (... 로 연락주세요) 연락, 전화, 문자 and
    // 카톡 are read as labels one word away.
    {"번으로", 0.8f, kTrailing | kPersonal},
    {"여기로연락", 0.9f, kTrailing | kPersonal},
    // A foreign worker's family or home abroad named on a number's line (본국 가족: +84 ...).
    {"본국", 0.8f, kPersonal},
    {"고국", 0.8f, kPersonal},
    {"Home Country", 0.8f, kAscii | kPersonal},
    // A cash receipt is issued to the buyer's mobile: the number under its label, or under the
    // issue or application words that follow it (현금영수증 발급 번호, 신청번호), is theirs. The
    // longer words hold the look-alikes' 발급번호 and 신청번호; the receipt's own approval number
    // (현금영수증 승인번호) is still a look-alike's.
    {"현금영수증", 1.0f},
    {"현금영수증 발급", 1.0f},
    {"현금영수증 발행", 1.0f},
    {"현금영수증 신청", 1.0f},
    {"현금영수증용", 1.0f},
    // A direct line (직통, 직통번호, 직통전화) reaches a person at their desk; a company's word
    // before it (고객센터 직통, 고객센터 02-... (직통)) still weighs more.
    {"직통", 0.9f, kLeading},
    // Where a text message or a messenger's note goes (영수증 문자는 010-... 로, 알림톡 받으실
    // 번호, 결과는 SMS로): the number it is sent to is a person's phone. Not kPersonal: a
    // company's sender line (문자 발신 1588-...) stays the company's.
    {"문자", 0.9f},
    {"알림톡", 1.0f},
    {"카카오톡", 0.8f},
    {"SMS", 0.9f, kAscii},
    {"메시지", 0.8f},
    // English labels of a person's own line (Host direct:, Direct 0503..., direct line, call the
    // host directly:, My number:): a booking's or a signature's host or sender, not a desk.
    {"Direct", 0.9f, kAscii | kPersonal},
    {"directly", 0.9f, kAscii | kPersonal},
    {"My number", 0.9f, kAscii | kPersonal},
    // Places and roles that name one person's own line, as 자택 and 집전화 do a home's: a
    // professor's office (교수 연구실), a booking's holder (예약자 번호; 예약자 연락처 is read as
    // 연락처). Safe numbers (050x) under them are the holder's too.
    {"연구실", 0.9f, kPersonal},
    {"예약자 번호", 1.0f, kPersonal},
};
// Countries' calling codes other than Korea's, with the length of a number after them (E.164):
// a phone written with "+" and one of them is read as a phone abroad (extend.cpp) under a phone's
// label. The codes are prefix-free, so the digits after "+" match one at most. Korea's workers
// and students come from most of these; the rest are the usual others.
struct CallingCode {
  std::string_view code;
  std::uint8_t fewest, most;  // digits after the code
};
inline constexpr CallingCode kForeignCallingCodes[] = {
    {"84", 9, 10},  {"63", 8, 10},  {"86", 9, 11}, {"95", 7, 10},  {"62", 8, 12}, {"855", 8, 9},
    {"977", 8, 10}, {"880", 8, 10}, {"66", 8, 9},  {"976", 8, 8},  {"998", 9, 9}, {"94", 9, 9},
    {"92", 9, 10},  {"7", 10, 10},  {"996", 9, 9}, {"856", 8, 10}, {"670", 7, 8}, {"91", 10, 10},
    {"81", 9, 10},  {"1", 10, 10},  {"44", 9, 10}, {"65", 8, 8},   {"852", 8, 8}, {"886", 9, 9},
    {"60", 8, 10},  {"61", 9, 9},   {"49", 7, 11}, {"33", 9, 9},   {"992", 9, 9}, {"993", 8, 8},
};
inline constexpr Label kLicense[] = {
    {"면허 번호", 1.0f},
    {"운전면허증", 1.0f},
    {"License", 1.0f, kAscii},
    {"Licence", 1.0f, kAscii},
    {"license=", 1.0f, kLogKey},
    {"license_no", 1.0f, kLogKey},
    {"면허", 0.8f},
    // A licence's class written beside its number (1종보통, 2종 소형).
    {"종보통", 0.9f},
    {"종대형", 0.9f},
    {"종소형", 0.9f},
    {"종특수", 0.9f},
    {"DL", 0.8f, kAscii},
    {"licenseNo", 1.0f, kLogKey},
    {"license_number", 1.0f, kLogKey},
    {"dl_no", 1.0f, kLogKey},
    {"drv lcns", 1.0f, kAscii | kLogKey},  // the standard term's words (DRV_LCNS_NO, drvLcnsNo)
    {"Lic", 0.8f, kAscii | kAbbreviation},
    {"D/L", 0.9f, kAscii | kAbbreviation},
    {"원동기", 0.9f},  // a moped's licence (원동기장치자전거 면허)
    // An identity record's type ({"type": "DRIVER", "number": ...}).
    {"DRIVER", 1.0f, kAscii | kTypeValue},
    {"DRIVERS", 1.0f, kAscii | kTypeValue},
    {"DRIVING", 1.0f, kAscii | kTypeValue},
    // The generic identity keys, as kResident holds them.
    {"id_no", 1.0f, kAscii | kLogKey},
    {"idno", 1.0f, kAscii | kLogKey},
    {"id_number", 1.0f, kAscii | kLogKey},
    {"identity_no", 1.0f, kAscii | kLogKey},
    {"신분증번호", 1.0f},
    {"실명확인번호", 1.0f},
    {"실명번호", 1.0f},
    {"본인확인번호", 1.0f},
};
inline constexpr Label kAccount[] = {
    {"환불계좌", 1.0f},
    {"입금계좌", 1.0f},
    {"계좌 번호", 1.0f},
    {"급여계좌", 1.0f},
    {"accountNo", 1.0f, kLogKey},
    {"acct_no", 1.0f, kLogKey},
    // Column names of Korean systems' standard terms (ACNT_NO, ACNUTNO).
    {"acnt", 1.0f, kAscii | kLogKey},
    {"acnutno", 1.0f, kAscii | kLogKey},
    {"actno", 1.0f, kAscii | kLogKey},
    {"국민은행", 1.0f, kBank},
    {"우리은행", 1.0f, kBank},
    {"하나은행", 1.0f, kBank},
    {"기업은행", 1.0f, kBank},
    {"농협은행", 1.0f, kBank},
    {"신한은행", 1.0f, kBank},
    {"IBK기업", 1.0f, kBank},
    {"어디로 보내", 0.9f},
    // Friends asking where to send money in a chat, as they say it (어디로 쏘면 돼?, 어디로 쏴?,
    // 어디로 쏠까, 어디로 쏨?, 어디로 넣으면 돼?, 어디로 보낼까?, 번호 찍어줘): the answer below is an
    // account, also past the answerer's remark (잠깐만); 번호 alone may ask for a phone, and weighs
    // less.
    {"어디로쏘", 0.9f},
    {"어디로쏴", 0.9f},
    {"어디로쏠", 0.9f},
    {"어디로쏨", 0.9f},
    {"어디로넣", 0.9f},
    {"어디로보낼", 0.9f},
    {"번호찍어", 0.8f},
    {"은행", 0.9f, kBank},
    {"증권", 0.8f, kBank},
    {"account_number", 1.0f, kLogKey},
    {"accountNumber", 1.0f, kLogKey},
    {"예금", 0.8f},
    {"Bank", 0.9f, kAscii | kBank},
    {"통장", 1.0f},
    {"KB", 0.8f, kAscii | kBank | kAdjacent},
    {"NH", 0.8f, kAscii | kBank | kAdjacent},
    {"카뱅", 0.9f, kBank},
    {"새마을", 0.8f, kBank},
    {"Account", 1.0f, kAscii},
    {"Acct", 1.0f, kAscii},
    {"account=", 1.0f, kLogKey},
    {"account_no", 1.0f, kLogKey},
    {"acct=", 1.0f, kLogKey},
    {"bank_account", 1.0f, kLogKey},
    {"NH농협", 0.9f, kBank},
    {"농협", 0.9f, kBank},
    {"KB국민", 0.9f, kBank},
    {"국민", 0.8f, kBank | kAdjacent},
    {"신한", 0.9f, kBank},
    {"우리", 0.8f, kBank | kAdjacent},
    {"하나", 0.8f, kBank | kAdjacent},
    {"IBK", 0.9f, kBank | kAscii},
    {"기업", 0.8f, kBank | kAdjacent},
    {"카카오뱅크", 0.9f, kBank},
    {"카카오", 0.7f, kBank | kAdjacent},
    {"토스뱅크", 0.9f, kBank},
    {"토스", 0.7f, kBank | kAdjacent},
    {"케이뱅크", 0.9f, kBank},
    {"새마을금고", 0.9f, kBank},
    {"우체국", 0.8f, kBank | kAdjacent},
    {"수협", 0.9f, kBank},
    {"신협", 0.9f, kBank},
    {"SC제일", 0.9f, kBank},
    {"씨티", 0.9f, kBank},
    {"iM뱅크", 0.9f, kBank},
    {"저축은행", 0.9f, kBank},
    // Cooperatives keeping members' deposits, by their short and their full names (산림조합,
    // 지역축협, 신용협동조합), a bank's nickname (케뱅), the foreign and regional banks written by
    // their letters (HSBC, BNK부산, DGB대구, KEB하나) and a securities firm's cash account (키움 CMA).
    {"산림조합", 0.9f, kBank},
    {"축협", 0.9f, kBank},
    {"신용협동조합", 0.9f, kBank},
    {"농업협동조합", 0.9f, kBank},
    {"축산업협동조합", 0.9f, kBank},
    {"수산업협동조합", 0.9f, kBank},
    {"케뱅", 0.9f, kBank},
    {"HSBC", 0.9f, kAscii | kBank},
    {"BNK", 0.9f, kAscii | kBank},
    {"DGB", 0.9f, kAscii | kBank},
    {"KEB", 0.9f, kAscii | kBank},
    {"CMA", 0.8f, kAscii | kBank | kAdjacent},
    {"금고", 0.7f, kBank},
    {"뱅크", 0.8f, kBank},
    {"부산", 0.7f, kBank | kAdjacent},
    {"경남", 0.7f, kBank | kAdjacent},
    {"광주", 0.7f, kBank | kAdjacent},
    {"전북", 0.7f, kBank | kAdjacent},
    {"제주", 0.7f, kBank | kAdjacent},
    {"대구", 0.7f, kBank | kAdjacent},
    {"KDB", 0.9f, kBank | kAscii},
    {"산업", 0.7f, kBank | kAdjacent},
    {"Acc", 0.8f, kAscii | kAbbreviation},
    {"A/C", 0.9f, kAscii | kAbbreviation},
    // Banks' English names (Bank: Shinhan 110-...); the ones that are also words or places
    // count only right before the number.
    {"Shinhan", 0.9f, kAscii | kBank},
    {"Kookmin", 0.9f, kAscii | kBank},
    {"Nonghyup", 0.9f, kAscii | kBank},
    {"KakaoBank", 0.9f, kAscii | kBank},
    {"Kbank", 0.9f, kAscii | kBank},
    {"Suhyup", 0.9f, kAscii | kBank},
    {"Saemaul", 0.9f, kAscii | kBank},
    {"Shinhyup", 0.9f, kAscii | kBank},
    {"Citibank", 0.9f, kAscii | kBank},
    {"Woori", 0.8f, kAscii | kBank | kAdjacent},
    {"Hana", 0.8f, kAscii | kBank | kAdjacent},
    {"Kakao", 0.7f, kAscii | kBank | kAdjacent},
    {"Toss", 0.7f, kAscii | kBank | kAdjacent},
    {"Citi", 0.8f, kAscii | kBank | kAdjacent},
    // Paying in: 입금은 110 123 456789, 이체는 ... (stronger than the base cues' 0.7, which
    // a number grouped by spaces falls short with).
    {"입금", 0.9f},
    {"이체", 0.9f},
    {"송금", 0.9f},
    // Kinds of account as one word, which also name it after the number (... <- 받는계좌).
    {"받는계좌", 1.0f},
    {"출금계좌", 1.0f},
    {"가상계좌", 1.0f},
    {"이체계좌", 1.0f},
    {"납부계좌", 1.0f},
    {"송금계좌", 1.0f},
    // A romanised column name (gyejwa_no), and a bank statement's description columns, where
    // a transfer's other account stands after its holder (받는분통장표시: 홍길동 110-...).
    {"gyejwa", 1.0f, kAscii | kLogKey},
    {"받는분통장표시", 0.8f},
    {"내통장표시", 0.8f},
    // A transaction history's column of the other party's account (상대계좌, 받는분 계좌, 보낸분
    // 계좌), however many columns away from the description.
    {"상대계좌", 1.0f},
    {"상대방계좌", 1.0f},
    {"받는분계좌", 1.0f},
    {"보낸분계좌", 1.0f},
    {"보내는분계좌", 1.0f},
    // The same columns under a header that names no kind (적요, 메모, 내용, 거래내용), read only
    // in a table whose header is a statement's (kStatementBalanceWords): elsewhere 적요 is
    // read across a space inside 견적 요청, and 내용 and 메모 head anything.
    {"적요", 1.0f, kStatementKey},
    {"메모", 1.0f, kStatementKey},
    {"내용", 1.0f, kStatementKey},
    // A sentence that asks for money to be sent, right after the number (... 여기로 보내주세요)
    // or after a particle (... 으로 입금 부탁드립니다: 입금, 이체 and 송금 above, one word away).
    {"여기로보내", 0.7f, kTrailing},
    // A bank's deposit or withdrawal alert writes the balance right after the account it
    // touched ([KB] 입금 30,000원 홍*동 302-...-** 잔액 1,200,000원).
    {"잔액", 0.9f, kTrailing | kUnlessNamed},
    // ... and the withdrawal itself (110-***-123456 출금 50,000원).
    {"출금", 0.8f, kTrailing},
    {"보내주", 0.8f},  // ... 로 보내주세요
    {"넣어주", 0.8f},  // ... 에 넣어주세요
    // How invitations and funeral notices name the gift account (모바일 청첩장, 돌잔치 초대장,
    // 부고), on a line, over it or as a guest list's column header: 마음 전하실 곳, 축하의 마음
    // 전하실 곳, 축의금 보내실 곳. Spaces may stand between the syllables.
    {"마음전하실곳", 1.0f},
    {"마음전하는곳", 1.0f},
    {"마음전할곳", 1.0f},
    {"마음을전하실곳", 1.0f},
    {"마음보내실곳", 1.0f},
    {"마음보내는곳", 1.0f},
    {"축의금보내실곳", 1.0f},
    {"부의금보내실곳", 1.0f},
    {"조의금보내실곳", 1.0f},
    {"계좌번호안내", 1.0f},
};
inline constexpr Label kBirth[] = {
    {"DOB", 1.0f, kAscii},
    {"D.O.B", 1.0f, kAscii},
    {"Birth", 1.0f, kAscii},
    {"Birthday", 1.0f, kAscii},
    {"birth=", 1.0f, kLogKey},
    {"dob=", 1.0f, kLogKey},
    {"birth_date", 1.0f, kLogKey},
    {"birthdate", 1.0f, kLogKey},
    {"생년 월일", 1.0f},
    {"생", 0.9f, kTrailing},
    // 생 as a word of its own right before the date: how a roster's row or a note jots a birth
    // (홍길동 - 010-... - 생 1978.10.07, 생. 58.10.20), not 학생 or 발생.
    {"생", 0.9f, kAdjacent | kStandalone},
    {"태어난", 0.8f},
    {"탄생", 0.6f},
    {"B/D", 1.0f, kAscii},
    {"B/DATE", 1.0f, kAscii | kAbbreviation},  // as passenger lists write it
    {"brthdy", 1.0f, kAscii | kLogKey},        // the standard term's column name (BRTHDY)
    {"birthDate", 1.0f, kLogKey},
    {"birthday=", 1.0f, kLogKey},
    {"태어나신", 0.8f},
    {"태어", 0.8f},
    {"생신", 0.9f},
    {"생년", 0.9f},
    {"Date of Birth", 1.0f, kAscii},
    {"dateOfBirth", 1.0f, kLogKey},
    {"date_of_birth", 1.0f, kLogKey},
    {"birth_dt", 1.0f, kLogKey},
    {"brdt", 1.0f, kAscii | kLogKey},  // the standard term's column name (BRDT)
    {"bday", 1.0f, kAscii | kLogKey},
    {"년생", 0.9f, kTrailing},
    {"출생", 1.0f},
    {"Born", 0.9f, kAscii},
    {"brth", 0.9f, kAscii | kAbbreviation},
    {"brthdy", 1.0f, kAscii | kLogKey},  // the standard term's column name (BRTHDY)
    // The front half of a resident number is the birth date: 주민번호 앞자리 900115, 주민등록번호
    // 앞 6자리. Right before the value only (카드번호 앞 6자리 is a card's first digits, seldom
    // a date); written without the 주민번호 before them, which every 주 of a text would try.
    {"앞자리", 0.9f, kAdjacent},
    {"앞 6자리", 0.9f, kAdjacent},
    {"앞6자리", 0.9f, kAdjacent},
    {"앞부분", 0.9f, kAdjacent},
    // A date beside the person's age or sex is the person's: 만 34세 (1990.01.01), 홍길동(남,
    // 1990.1.1), 여 / 1988.05.12, 1990.01.01 (만 34세).
    {"세", 0.8f, kAdjacent | kStandalone},
    {"만", 0.8f, kTrailing | kAdjacent | kStandalone},
    {"남", 0.8f, kAdjacent | kStandalone},
    {"여", 0.8f, kAdjacent | kStandalone},
    {"남자", 0.8f, kAdjacent | kStandalone},
    {"여자", 0.8f, kAdjacent | kStandalone},
    {"남성", 0.8f, kAdjacent | kStandalone},
    {"여성", 0.8f, kAdjacent | kStandalone},
};
inline constexpr Label kPassport[] = {
    {"Passport", 1.0f, kAscii},
    {"passport=", 1.0f, kLogKey},
    {"passport_no", 1.0f, kLogKey},
    {"여권 번호", 1.0f},
    {"PP No", 0.9f, kAscii},
    {"pp_no", 1.0f, kLogKey},
    {"passport_number", 1.0f, kLogKey},
    {"passportNo", 1.0f, kLogKey},
    {"passportNumber", 1.0f, kLogKey},
    {"passport_num", 1.0f, kLogKey},
    {"여권정보", 1.0f},
    {"PP", 0.8f, kAscii | kAbbreviation},
    {"PPT", 0.9f, kAscii | kAbbreviation},
    {"PSPT", 0.9f, kAscii | kAbbreviation},
    {"DOCS", 0.8f, kAscii | kAbbreviation},  // the airline's passenger document entry
    // The generic identity keys, as kResident holds them.
    {"id_no", 1.0f, kAscii | kLogKey},
    {"idno", 1.0f, kAscii | kLogKey},
    {"id_number", 1.0f, kAscii | kLogKey},
    {"identity_no", 1.0f, kAscii | kLogKey},
    {"신분증번호", 1.0f},
    {"실명확인번호", 1.0f},
    {"실명번호", 1.0f},
    {"본인확인번호", 1.0f},
};
// Labels of numbers that look like personal information and are not: a number under one of
// these is a look-alike.
inline constexpr Label kLookAlike[] = {
    {"거래번호", 1.0f},
    // A card's first six digits (its BIN), not the front half of a resident number: each holds
    // a label of the front half (앞자리, 앞 6자리), which it replaces.
    {"카드번호 앞자리", 1.0f},
    {"카드번호 앞 6자리", 1.0f},
    {"카드 앞자리", 1.0f},
    {"카드 앞 6자리", 1.0f},
    {"BIN", 1.0f, kAscii},
    {"승인번호", 1.0f},
    {"수표번호", 1.0f},    // a cheque's number in a bank's deposit alert
    {"납부자번호", 1.0f},  // an automatic debit's payer number (CMS)
    {"예약번호", 1.0f},
    // Registries' issued numbers, ten digits of which pass a business number's check by chance:
    // a research project's (과제번호), a soldier's service number (군번), a bond's purchase.
    {"과제번호", 1.0f},
    {"군번", 1.0f},
    {"매입번호", 1.0f},
    // Other registers' numbers under a compound 등록번호: a farm's, a fishery's or a forest's
    // business entity (농업경영체 등록번호, 경영체등록번호), a livestock farm's, an organ donor's
    // pledge (기증희망등록번호); and a land parcel's code (필지번호, PNU).
    {"경영체", 1.0f},
    {"축산업 등록", 1.0f},
    {"기증희망", 1.0f},
    {"필지번호", 1.0f},
    {"PNU", 1.0f, kAscii},
    {"학번", 1.0f},
    {"사번", 1.0f},
    {"사원번호", 1.0f},
    {"S/N", 1.0f, kAscii},
    {"SN", 0.9f, kAscii},
    {"제품번호", 1.0f},
    {"order_id", 1.0f, kLogKey},
    {"order", 0.9f, kAscii},
    {"주문 No", 1.0f},
    {"주문No", 1.0f},
    {"주문 번호", 1.0f},
    {"ordNo", 1.0f, kLogKey},
    {"기기번호", 1.0f},
    {"관리번호", 1.0f},
    {"접수번호", 1.0f},
    {"waybill", 1.0f, kAscii},
    {"주문", 0.8f, kAdjacent},
    {"영수증", 1.0f},
    {"결제번호", 1.0f},
    {"티켓번호", 1.0f},
    {"좌석", 0.8f},
    {"사건번호", 1.0f},
    {"등기번호", 1.0f},
    {"쿠폰", 0.9f},
    {"coupon", 0.9f, kAscii | kLogKey},
    // Gift vouchers and prepaid gift cards (온누리상품권 번호, 문화상품권 PIN, 기프티콘, gift card
    // no.): the bearer's, issued to no one, though a gift card's sixteen digits pass a card's check.
    // Read right before the number only: a voucher is sent to a mobile written after other words
    // (모바일 상품권 받을 번호 010-...), and a paper about vouchers holds its people's values.
    {"상품권", 1.0f, kAdjacent | kNotMobile},
    {"상품권 PIN", 1.0f, kAdjacent | kNotMobile},
    {"상품권 핀", 1.0f, kAdjacent | kNotMobile},
    {"기프티콘", 1.0f, kAdjacent | kNotMobile},
    {"기프트카드", 1.0f, kAdjacent | kNotMobile},
    {"기프트 카드", 1.0f, kAdjacent | kNotMobile},
    {"gift card", 1.0f, kAscii | kAdjacent | kNotMobile},
    {"giftcard", 1.0f, kAscii | kLogKey | kAdjacent | kNotMobile},
    {"voucher", 1.0f, kAscii | kLogKey | kAdjacent | kNotMobile},
    {"인증번호", 1.0f},
    {"학생번호", 1.0f},
    {"환자번호", 1.0f},
    {"차트번호", 1.0f},
    {"진료번호", 1.0f},
    // A hospital's numbers of a patient: 환자 등록번호, 환자ID, 병록번호, 입원번호, 진료카드.
    {"환자 등록", 1.0f},
    {"환자ID", 1.0f},
    {"병록", 1.0f},
    {"입원번호", 1.0f},
    // A hospital's department right after a bare 등록번호's number (... (내과), ... 진료과
    // 정형외과).
    {"진료과", 1.0f, kTrailing},
    {"내과", 0.9f, kTrailing},
    {"외과", 0.9f, kTrailing},
    {"외래 등록", 1.0f},
    {"진료카드", 1.0f},
    // Clubs' and loyalty cards (회원카드, 포인트카드, 적립카드) and their numbers: not a payment
    // card's.
    {"회원카드", 1.0f},
    {"멤버십", 1.0f},
    {"포인트카드", 1.0f},
    {"적립카드", 1.0f},
    {"통합회원", 1.0f},
    // ... and a card label led by one (멤버십 카드번호, 포인트 카드번호): the club's card.
    {"멤버십 카드", 1.0f},
    {"포인트 카드", 1.0f},
    {"회원 카드", 1.0f},
    // Tickets and bookings: 탑승권, 승차권, 전자항공권, 예약확인번호.
    {"탑승권", 1.0f},
    {"승차권", 1.0f},
    {"항공권", 1.0f},
    {"예약확인", 1.0f},
    // A shop's numbers with the card companies: 가맹점번호, 가맹점NO, 가맹번호, CAT ID, MID.
    // (As the key of a block, 가맹점 is read below too.)
    {"가맹점", 1.0f},
    {"가맹번호", 1.0f},
    {"MID", 1.0f, kAscii},
    {"CAT ID", 1.0f, kAscii},
    {"수험번호", 1.0f},
    {"가입번호", 1.0f, kNotMobile},  // a club's, or a carrier's: then the subscriber's mobile
    // A corporation's registration number (13 digits, shaped like a resident number). English
    // keys such as corp_reg_no name the business registration number as often: not here.
    {"법인등록번호", 1.0f},
    {"법인번호", 1.0f},
    {"법인 등록번호", 1.0f},
    {"jurirno", 1.0f, kLogKey},
    {"jurir_no", 1.0f, kLogKey},
    {"crno", 1.0f, kAscii | kLogKey},
    // Blocks and key paths of a company, a shop or an order (company: {tel: ...},
    // merchant.regNo=...): the numbers inside them are theirs, not a person's.
    {"company", 1.0f, kAscii | kBlockKey},
    {"corp", 1.0f, kAscii | kBlockKey},
    {"corporation", 1.0f, kAscii | kBlockKey},
    {"employer", 1.0f, kAscii | kBlockKey},
    {"merchant", 1.0f, kAscii | kBlockKey},
    {"vendor", 1.0f, kAscii | kBlockKey},
    {"supplier", 1.0f, kAscii | kBlockKey},
    {"store", 1.0f, kAscii | kBlockKey},
    {"shop", 1.0f, kAscii | kBlockKey},
    {"branch", 1.0f, kAscii | kBlockKey},
    {"hq", 1.0f, kAscii | kBlockKey},
    {"headquarters", 1.0f, kAscii | kBlockKey},
    {"dealer", 1.0f, kAscii | kBlockKey},
    {"franchise", 1.0f, kAscii | kBlockKey},
    {"center", 1.0f, kAscii | kBlockKey},
    {"insurer", 1.0f, kAscii | kBlockKey},
    {"agency", 1.0f, kAscii | kBlockKey},
    {"hospital", 1.0f, kAscii | kBlockKey},
    {"clinic", 1.0f, kAscii | kBlockKey},
    {"organization", 1.0f, kAscii | kBlockKey},
    {"device", 1.0f, kAscii | kBlockKey},
    {"shipment", 1.0f, kAscii | kBlockKey},
    {"ticket", 1.0f, kAscii | kBlockKey},
    {"receipt", 1.0f, kAscii | kBlockKey},
    {"법인", 1.0f, kBlockKey},
    {"회사", 1.0f, kBlockKey},
    {"사업장", 1.0f, kBlockKey},
    {"업체", 1.0f, kBlockKey},
    {"가맹점", 1.0f, kBlockKey},
    {"거래처", 1.0f, kBlockKey},
    {"병원", 1.0f, kBlockKey},
    {"보험사", 1.0f, kBlockKey},
    {"판매처", 1.0f, kBlockKey},
    {"대리점", 1.0f, kBlockKey},
    {"ISBN", 1.0f, kAscii},
    // A product's barcode: EAN-13 (880 for goods made in Korea), GTIN, JAN.
    {"EAN", 1.0f, kAscii},
    {"GTIN", 1.0f, kAscii},
    {"JAN", 0.9f, kAscii},
    {"바코드", 1.0f},
    {"상품코드", 1.0f},
    {"상품번호", 1.0f},
    {"품목코드", 1.0f},
    // A real-estate broker's office registration and a broker's licence (11650-2019-00123).
    {"중개사무소", 1.0f},
    {"중개업", 1.0f},
    {"중개등록", 1.0f},
    {"공인중개사", 1.0f},
    {"개설등록", 1.0f},
    // Registries of agents, brokers and care: an insurance agent's or broker's registration (a
    // ten-digit number that passes a business number's check digit one time in ten) and a long-
    // term care recognition number (L and ten digits). The agent's own mobile stays a phone.
    {"설계사", 1.0f, kNotMobile},
    {"모집인", 1.0f, kNotMobile},
    {"모집종사자", 1.0f, kNotMobile},
    {"중개사 등록번호", 1.0f},
    {"대리점 등록번호", 1.0f},
    {"인정번호", 1.0f},
    // A remittance's or a transfer's reference (OR2020061132768), beside the accounts it names.
    {"참조번호", 1.0f},
    {"Ref. No", 1.0f, kAscii},
    {"Ref No", 1.0f, kAscii},
    {"Our Ref", 1.0f, kAscii},
    {"Reference", 1.0f, kAscii | kNotMobile},
    {"IP", 1.0f, kAscii},
    {"ip=", 1.0f, kLogKey},
    {"version", 1.0f, kAscii},
    {"ver", 0.9f, kAscii},
    {"버전", 1.0f},
    {"build", 1.0f, kAscii},
    {"빌드", 1.0f},
    {"Serial", 1.0f, kAscii},
    {"txn", 1.0f, kAscii},
    {"transaction", 1.0f, kAscii},
    {"invoice", 1.0f, kAscii},
    {"tracking", 1.0f, kAscii},
    {"request_id", 1.0f, kLogKey},
    {"금액", 1.0f},
    {"tid", 1.0f, kAscii | kLogKey},
    {"trade_no", 1.0f, kLogKey},
    {"serialNo", 1.0f, kLogKey},
    {"serial", 1.0f, kAscii | kLogKey},
    {"approval_no", 1.0f, kLogKey},
    // A payment gateway's answer and transaction (PG 응답코드 73582021861210, approval 4539...
    // declined): bug reports name the card after it. A mobile after the words stays a phone.
    {"응답코드", 1.0f},
    {"PG", 1.0f, kAscii | kNotMobile},
    {"approval", 1.0f, kAscii | kNotMobile},
    {"auth_code", 1.0f, kLogKey},
    {"order_no", 1.0f, kLogKey},
    {"orderNo", 1.0f, kLogKey},
    {"tracking_no", 1.0f, kLogKey},
    {"invoice_no", 1.0f, kLogKey},
    {"Receipt", 1.0f, kAscii},
    {"Approval", 1.0f, kAscii},
    {"거래", 0.6f},
    {"txn_id", 1.0f, kLogKey},
    {"transaction_id", 1.0f, kLogKey},
    {"transactionId", 1.0f, kLogKey},
    {"tx_id", 1.0f, kLogKey},
    {"결제 ID", 1.0f},
    {"학생증", 1.0f},
    {"student_id", 1.0f, kLogKey},
    {"Student", 1.0f, kAscii},
    {"예매번호", 1.0f},
    {"booking_no", 1.0f, kLogKey},
    {"reservation_no", 1.0f, kLogKey},
    {"시리얼", 1.0f},
    {"거래 ID", 1.0f},
    {"거래ID", 1.0f},
    {"수강", 0.6f},
    {"재학", 0.6f},
    // Insurance policies, land registers, call recordings and air tickets (an airline's code and
    // ten digits): 보험증권번호, 부동산 고유번호, 등기 접수번호, 녹취번호, 통화ID, E-TICKET.
    {"증권번호", 1.0f},
    {"증권 번호", 1.0f},
    {"증권No", 1.0f},
    {"보험증권", 1.0f},
    {"Policy No", 1.0f, kAscii},
    {"policy_no", 1.0f, kLogKey},
    {"policyNo", 1.0f, kLogKey},
    // A policy's certificate (가입증서 번호, 보험증서, 증서번호) and a record's policy key
    // (policy=, "policy":, policy_number): a mobile after the key in prose stays a mobile.
    {"가입증서", 1.0f},
    {"보험증서", 1.0f},
    {"증서번호", 1.0f},
    {"policy", 1.0f, kAscii | kLogKey | kNotMobile},
    {"고유번호", 1.0f},
    {"등기 접수", 1.0f},
    {"발급번호", 1.0f},
    {"녹취", 1.0f},
    {"녹음파일", 1.0f},
    {"통화ID", 1.0f},
    {"통화 ID", 1.0f},
    {"call_id", 1.0f, kLogKey},
    {"Recording ID", 1.0f, kAscii},
    {"Ticket", 1.0f, kAscii},
    {"ETKT", 1.0f, kAscii},
    {"TKT", 1.0f, kAscii},
    {"티켓 번호", 1.0f},
    {"콜ID", 1.0f},  // a call centre's recording id (콜ID 20210207-1844-4887)
    // A blood-donation certificate (헌혈증서 번호 02-24-123456: centre, year, serial), a pet's
    // registration chip (동물등록번호, 15 digits from 410), a case's processing or application
    // number (처리번호, 신청번호, 민원번호: 13 digits) and a hospital's register (병원 등록번호).
    {"헌혈증", 1.0f},
    {"동물등록", 1.0f},
    {"칩번호", 1.0f},  // 마이크로칩 번호, 내장칩 번호
    {"반려견 등록", 1.0f},
    {"반려묘 등록", 1.0f},
    {"처리번호", 1.0f},
    {"처리 결과", 1.0f},
    {"신청번호", 1.0f},
    {"민원번호", 1.0f},
    {"병원 등록", 1.0f},
    // A carrier's own numbers: the SIM's serial (ICCID 8982...), contracts.
    {"ICCID", 1.0f, kAscii},
    {"USIM", 1.0f, kAscii},
    // Serials their label names as no person's: a lottery ticket's groups of five digits (복권번호,
    // 복권 일련번호), a prescription's number led by its year (처방전 번호, 교부번호), an
    // electronic tax payment's nineteen digits (전자납부번호), a SIM card's (유심번호, 8982...), a
    // customs tariff code (세번부호, HS코드 8471.30-0000), an export declaration's number
    // (수출신고번호, 신고번호 12345-26-123456X), a veteran's number (보훈번호 12-345678).
    {"복권", 1.0f},
    {"처방전 번호", 1.0f},
    {"처방전번호", 1.0f},
    {"교부번호", 1.0f},
    {"전자납부", 1.0f},
    {"유심", 1.0f, kNotMobile},
    {"세번부호", 1.0f},
    {"HS코드", 1.0f},
    {"HS 코드", 1.0f},
    {"HS CODE", 1.0f, kAscii},
    {"수출신고", 1.0f},
    {"신고번호", 1.0f},
    {"보훈번호", 1.0f},
    {"계약번호", 1.0f},
    // Times of a log line or a query (ts=2026-12-09%2010%3A11%3A12).
    {"ts=", 1.0f, kLogKey},
    {"timestamp", 1.0f, kAscii | kLogKey},
    {"created_at", 1.0f, kLogKey},
    // Dates that are not birth dates.
    {"배송일", 1.0f},
    {"가입일", 1.0f},
    {"내원일", 1.0f},
    {"결제일", 1.0f},
    {"예정일", 1.0f},
    {"주문일", 1.0f},
    {"구매일", 1.0f},
    {"발급일", 1.0f},
    {"접수일", 1.0f},
    {"등록일", 1.0f},
    {"만료일", 1.0f},
    {"방문일", 1.0f},
    {"작성일", 1.0f},
    {"입사일", 1.0f},
    {"계약일", 1.0f},
    {"발생일", 1.0f},  // 피해 발생일, 사고 발생일
    {"신청일", 1.0f},
    {"사고일", 1.0f},
    {"구입일", 1.0f},
    {"발권일", 1.0f},
    {"청구일", 1.0f},  // an insurance claim's, a bill's
    {"대여일", 1.0f},
    {"심사일", 1.0f},
    {"탑승일", 1.0f},
    {"출국일", 1.0f},
    {"입국일", 1.0f},
    // A visit's, a booking's or an event's day in prose (일정: 2026년 4월 22일, 예약일은 ...),
    // though a birth date's line stands right above it. 일정 is a common word (일정 변경이
    // 있으면): only right before the value.
    {"일정", 1.0f, kAdjacent},
    {"예약일", 1.0f},
    {"행사일", 1.0f},
    // An account's own days, masked or not (최근 접속 2025.02.**, Joined: 2021.08.XX).
    {"최근 접속", 1.0f},
    {"최종 접속", 1.0f},
    {"최종 수정", 1.0f},
    {"Joined", 1.0f, kAscii},
    {"Last login", 1.0f, kAscii},
    // Dates of a person's events that are not their birth (졸업일 19.07.09 beside 생년월일,
    // a roster's 입회일 column): graduation, joining, entry, completion, anniversaries.
    {"졸업일", 1.0f},
    {"입회일", 1.0f},
    {"입학일", 1.0f},
    {"수료일", 1.0f},
    {"퇴사일", 1.0f},
    {"입대일", 1.0f},
    {"전역일", 1.0f},
    {"결혼기념일", 1.0f},
    {"결혼일", 1.0f},
    {"기념일", 1.0f},
    {"세례일", 1.0f},
    {"임용일", 1.0f},
    {"취임일", 1.0f},
    {"개업일", 1.0f},
    {"설립일", 1.0f},
    {"창립일", 1.0f},
    {"가격", 1.0f},
    {"합계", 1.0f},
    {"원", 0.6f, kTrailing},
    // Devices and parcels.
    {"IMEI", 1.0f, kAscii},
    {"MEID", 1.0f, kAscii},
    {"단말기", 0.9f},
    {"일련번호", 1.0f},
    {"MAC", 1.0f, kAscii},
    {"맥 주소", 1.0f},
    {"운송장", 1.0f},
    {"송장", 1.0f},
    {"배송조회", 1.0f},
    // Certificates and courses (자격번호, 자격증 번호, 자격등록번호, 교육 이수번호). Not 이수
    // alone: a search led by 이 would stop at every particle.
    {"자격", 1.0f},
    {"수료증", 1.0f},
    {"교육 이수", 1.0f},
    // A gas, water or power meter's number (계량기 번호는 02-4778593): no telephone's.
    {"계량기", 1.0f},
    // Dates of events written in English (Issued 13/01/2024, Expiry: 31.12.2027).
    {"Issued", 1.0f, kAscii},
    {"Issue date", 1.0f, kAscii},
    {"Date of issue", 1.0f, kAscii},
    {"Flight date", 1.0f, kAscii},
    {"Expiry", 1.0f, kAscii},
    {"Expires", 1.0f, kAscii},
    {"Expiration", 1.0f, kAscii},
    {"Valid until", 1.0f, kAscii},
    {"Valid thru", 1.0f, kAscii},
    {"Check-in", 1.0f, kAscii},
    {"Check-out", 1.0f, kAscii},
    {"Due", 0.9f, kAscii},
    {"Shipped", 1.0f, kAscii},
    {"Delivered", 1.0f, kAscii},
    {"Payment date", 1.0f, kAscii},
    // Members, customers, users and bookings, and the cash receipts issued to them: shops and
    // sites key them by the person's own mobile (회원 010-..., user_id=010..., 현금영수증
    // 010-...), so a mobile number's digits under them are a phone. The numbers a system issues
    // (주문번호, 승인번호, 거래번호, 예약번호, 송장) stay look-alikes whatever their digits.
    {"회원번호", 1.0f, kNotMobile},
    // A parish's and a martial-arts school's registers (교적번호 2026-304442, 관원번호 ...).
    {"교적번호", 1.0f, kNotMobile},
    {"관원번호", 1.0f, kNotMobile},
    {"고객번호", 1.0f, kNotMobile},
    {"id=", 0.8f, kLogKey | kNotMobile},
    {"memberNo", 1.0f, kLogKey | kNotMobile},
    {"member_id", 1.0f, kLogKey | kNotMobile},
    {"uid", 1.0f, kAscii | kLogKey | kNotMobile},
    {"Booking", 1.0f, kAscii | kNotMobile},
    {"Reservation", 1.0f, kAscii | kNotMobile},
    {"Member", 0.6f, kAscii | kNotMobile},
    {"회원", 0.6f, kNotMobile},
    {"아이디", 1.0f, kNotMobile},
    {"user_no", 1.0f, kLogKey | kNotMobile},
    {"user_id", 1.0f, kLogKey | kNotMobile},
    {"userNo", 1.0f, kLogKey | kNotMobile},
    {"customer_id", 1.0f, kLogKey | kNotMobile},
    {"cust_no", 1.0f, kLogKey | kNotMobile},
    {"예약", 0.6f, kNotMobile},
    {"현금영수증", 1.0f, kNotMobile},
};
// Syllables a scan misreads in a label's word, as the label writes it and as the scan read it
// (번흐 for 번호: its vowel's stroke lost; 둥 for 등, 샌터 for 센터, 전하 for 전화, 펙스 for 팩스,
// 관리사무스 for 관리사무소). Read from a label's third syllable on, where its first two have
// chosen it, and alike for every table: a look-alike's or a company's label (대표번흐) is read as a
// value's is (사업자번흐). A company's label a scan garbled right before a number is read with them
// at any syllable (펙스, 콜샌터).
struct MisreadSyllable {
  std::string_view written, misread;
};
inline constexpr MisreadSyllable kMisreadSyllables[] = {
    {"호", "흐"}, {"호", "후"}, {"등", "둥"}, {"센", "샌"}, {"센", "쎈"}, {"화", "하"}, {"화", "와"},
    {"팩", "펙"}, {"소", "스"}, {"소", "수"}, {"표", "포"}, {"상", "삼"}, {"실", "칠"}};

// Labels of company numbers: call centres, representative and toll-free numbers.
inline constexpr Label kCompany[] = {
    {"상담전화", 1.0f},
    {"문의전화", 1.0f},
    {"고객상담", 1.0f},
    {"수신자부담", 1.0f},
    {"무료전화", 1.0f},
    // A representative's mobile (협력사 대표 전화번호= 010-...) is the head's own: no company
    // answers on a mobile.
    {"대표전화", 1.0f, kNotMobile},
    {"고객센터", 1.0f},
    {"콜센터", 1.0f},
    {"대표번호", 1.0f, kNotMobile},
    {"ARS", 1.0f, kAscii},
    {"무료상담", 1.0f},
    {"상담센터", 1.0f},
    {"문의처", 0.9f},
    {"고객지원", 1.0f},
    {"상담실", 1.0f},
    {"안내센터", 1.0f},
    {"예약센터", 1.0f},
    {"헬프데스크", 1.0f},
    {"CS센터", 1.0f},
    {"대표", 0.6f, kNotMobile},
    {"문의", 0.6f, kNotMobile},
    {"Call Center", 1.0f, kAscii},
    {"Customer Service", 1.0f, kAscii},
    {"Help Desk", 1.0f, kAscii},
    // Keys that name a company's line: cs_phone, csTel, repTel, helpdesk_tel, hotline.
    {"CS Tel", 1.0f, kAscii},
    {"CS Phone", 1.0f, kAscii},
    {"Rep Tel", 1.0f, kAscii},
    {"Rep Phone", 1.0f, kAscii},
    // An export paper's office lines beside its contact person's (Office Tel, Company Tel).
    {"Office Tel", 1.0f, kAscii},
    {"Office Phone", 1.0f, kAscii},
    {"Company Tel", 1.0f, kAscii},
    {"Company Phone", 1.0f, kAscii},
    {"helpdesk", 1.0f, kAscii},
    {"hotline", 1.0f, kAscii},
    // A fax number, or the number of a shop or a head office, is the business's.
    {"팩스", 1.0f},
    {"FAX", 1.0f, kAscii},
    {"F.", 0.9f, kAscii | kAbbreviation},  // a signature's fax line: F. 02-...
    {"매장", 0.9f},
    {"본사", 0.9f},
    {"지점", 0.9f},
    // After-sales service: A/S 센터, AS센터, 서비스센터.
    {"A/S", 0.9f, kAscii},
    {"AS센터", 1.0f},
    {"서비스센터", 1.0f},
    // An apartment's management office and guard room, a broker's office.
    {"관리사무소", 1.0f},
    {"관리소", 1.0f},
    {"관리실", 1.0f},
    {"경비실", 1.0f},
    {"방재실", 1.0f},
    {"부동산", 0.9f},
};

// Labels of an e-mail address on its line (From: hong at naver.com): there, a plain " at "
// between a name and a domain is the at-mark, which elsewhere may be English prose. ASCII
// letters match either case; each is looked for inside the line's words.
inline constexpr std::string_view kEmailLabels[] = {"e-mail", "email", "mail", "회신 주소", "메일"};
// The sender's labels among them (they are e-mail labels too). Right before an address (보낸사람
// notice@mail.bankk.co.kr, "sender": "...", sender=, a scan's 보 낸 사 람.) they are read with
// spaces, hyphens and underscores dropped (reply_to, Reply-To): an address at an organisation's
// mailing host there is the organisation's sender (kMailingHosts).
inline constexpr std::string_view kSenderLabels[] = {"from",     "reply-to", "sender", "보낸 사람",
                                                     "보낸사람", "보낸이",   "발신",   "발신자",
                                                     "발신인",   "return-path"};
// Mail services whose domain after a plain " at " makes it the at-mark (yerin.kwon at naver.com):
// nobody's English sentence goes on at one of them.
inline constexpr std::string_view kMailHosts[] = {
    "naver.com",   "gmail.com", "daum.net",    "hanmail.net", "kakao.com",   "nate.com",
    "hotmail.com", "live.com",  "outlook.com", "yahoo.com",   "yahoo.co.kr", "icloud.com",
    "korea.com",   "empal.com", "dreamwiz.com", "naver.net",  "proton.me",   "protonmail.com"};
// Top-level domains an address may end with where a fax's OCR read its dot as a comma
// (hong@nate,com): a comma before one of them is the dot.
inline constexpr std::string_view kCommaTopDomains[] = {"com", "net", "org", "kr", "edu", "gov"};
// An organisation's own landlines and accounts (read on the value's line, see
// extend::owned_by_organisation): words naming an organisation, words putting a person on the
// number, and words naming an account's holder. Mobiles are never an organisation's here.
// Legal forms, kinds of institutions and shops, their desks and branches (a centre's, a
// showroom's, a reservist unit's, a wake's own line), public offices a benefit or a permit is
// applied at (국민연금공단 지사, 등기소, 출입국·외국인청, 고용노동지청, 지방병무청), a
// crematorium's (승화원, 연화장), a lottery's retailer (판매점), a car dealer (상사), a shop's
// account (업체 계좌, 가게 계좌).
inline constexpr std::string_view kOrganisationWords[] = {
    "(주)",   "㈜",       "주식회사", "유한회사",   "법인",     "재단",       "사단",   "(사)",
    "(재)",   "협회",     "조합",     "병원",       "의원",     "치과",       "내과",   "외과",
    "소아과", "안과",     "피부과",   "이비인후과", "산부인과", "약국",       "보건소", "학교",
    "학원",   "어린이집", "유치원",   "태권도",     "구청",     "시청",       "군청",   "도청",
    "법원",   "검찰청",   "경찰서",   "파출소",     "지구대",   "소방서",     "세무서", "장례식장",
    "웨딩홀", "예식장",   "구민회관", "복지관",     "도서관",   "교회",       "성당",   "지사",
    "행정실", "교무실",   "원무과",   "민원실",     "민원과",   "민원봉사실", "여권과", "예약실",
    "응급실", "사무국",   "총무과",   "센터",       "사무실",   "지점",       "본점",   "대리점",
    "전시장", "매장",     "빈소",     "예비군",     "동대본부", "접수처",     "데스크", "공단",
    "등기소", "출입국",   "외국인청", "지청",       "클럽",     "병무청",     "승화원", "연화장",
    "화장장", "공원",     "사업소",   "판매점",     "상사",     "업체",       "가게",
    // A franchise's head office (가맹비 입금 계좌(본사)), a photo studio's own account.
    "본사",   "가맹본부", "사진관",
    // The coast guard (해경 신고 064-...).
    "해경",
    // A hospital's or a school's main office beside its branches (본원 031-..., 〔본원〕).
    "본원",
};
// Roles an organisation plays on a paper, named before its own landline or representative
// number (등록기관, 접수기관, 수행기관, 운영기관, 주관기관; a shipping line, a developer, a
// builder; an apartment's or a building's management office or company): read for telephones only, as an account of theirs is
// named by the holder.
inline constexpr std::string_view kOrganisationRoleWords[] = {
    "기관", "선사", "시행사", "시공사", "관리사무소", "관리소", "관리회사", "관리단",
};
// Endings of a company's name standing before a generic contact label (OK저축은행 연락처 1588-...,
// KB국민카드, 연락처 1644-...): the number after that label is the company's.
inline constexpr std::string_view kCompanyNameEndings[] = {
    "카드", "은행", "캐피탈", "대부", "금융", "보험", "생명", "화재", "증권", "텔레콤", "통신",
};
// Labels of a person's own mobile: on a number right after one, the owner's line under a
// company's block (업체 대표 휴대폰: 031-...) is the person's, whatever its shape.
inline constexpr std::string_view kMobileWords[] = {"휴대폰", "핸드폰", "휴대전화", "휴대번호",
                                                    "핸폰",   "HP",     "H.P",      "Mobile",
                                                    "mobile", "Cell",   "모바일"};
// English words that put a contact person on an export paper's line (Shipper contact: Minji Kim,
// Person in charge: LEE JUNHO, Attn. Ms. Park): the line's Tel is that person's direct line.
inline constexpr std::string_view kContactPersonWords[] = {
    "contact",          "Contact",          "CONTACT", "Attn", "ATTN", "attn",
    "Person in charge", "person in charge", "PERSON IN CHARGE", "PIC",  "In charge"};
// Words after a contact word that are a line's label, not a person (Contact: Tel 02-...).
inline constexpr std::string_view kContactLineLabels[] = {"Tel", "TEL", "Phone", "Fax", "FAX",
                                                          "Office", "Email", "E-mail", "No",
                                                          "Number", "Info", "Us", "Center"};
// Generic contact labels: naming no one, the word before them names whose number it is.
inline constexpr std::string_view kContactWords[] = {"연락처", "연락번호", "전화", "전화번호",
                                                     "Tel",    "TEL",      "tel"};
// A fax's words after a landline on its line (051-... / FAX 043-...): an office's line.
inline constexpr std::string_view kFaxWords[] = {"팩스", "FAX", "Fax", "fax"};
// A fax's one-letter labels right before its number (F.051-..., T)02-... F)02-...), read where
// they begin a word and stand in no bracket: (F) is a sex's or an option's letter.
inline constexpr std::string_view kFaxLetterLabels[] = {"F.", "F)"};
// A person on the number: a desk's staff member named with a title, a guardian, the owner's
// own line or account (본인, 직통, 환불, 급여), a form's contact person, a person's workplace
// in their own record (직장, 근무처, 근무지).
inline constexpr std::string_view kPersonWords[] = {
    "님",     "씨",   "선생",   "담당",   "보호자",         "학부모",         "본인",   "직통",
    "개인",   "환불", "급여",   "과장",   "대리",           "차장",           "부장",   "팀장",
    "실장",   "주임", "사원",   "원장",   "교사",           "기사",           "매니저", "수령",
    "센터장", "직장", "근무처", "근무지", "연구실", "자택", "Contact person", "contact person",
};
// A person written right before a date in brackets (손미경(010328), 도정우 어르신 (1946년 2월 23일),
// 환자 변윤서 (1962-10-16), (배우자 441216)): Koreans write a person's birth date so, with no
// label (extend::date_bracketed_after_person). A name is a usual surname and one or two syllables
// (three after a surname of two); surnames that more often begin a common word
// (사, 시, 은, 창) are left out.
// The commonest first (kCommonSurnames is their head).
inline constexpr std::string_view kSurnames[] = {
    "김", "이", "박", "최", "정", "강", "조", "윤", "장", "임", "한", "오", "서", "신", "권", "황",
    "안", "송", "류", "유", "홍", "전", "고", "문", "양", "손", "배", "백", "허", "남", "심", "노",
    "하", "곽", "성", "차", "주", "우", "구", "민", "진", "나", "지", "엄", "채", "원", "천", "방",
    "공", "현", "함", "변", "염", "여", "추", "도", "소", "석", "선", "설", "마", "길", "연", "위",
    "표", "명", "기", "반", "왕", "금", "옥", "육", "인", "맹", "제", "라", "모", "탁", "국", "편",
    "용", "예", "경", "봉", "태"};
// The commonest family names, for a bracket after an account that holds a holder's name alone
// ((강철수), not (회비 전용) nor (새마을)): a name of three syllables led by one of them.
inline constexpr std::span<const std::string_view> kCommonSurnames =
    std::span(kSurnames).first(75);
inline constexpr std::string_view kCompoundSurnames[] = {"남궁", "황보", "제갈", "선우",
                                                         "독고", "사공", "서문", "동방"};
// Characters a notice hides a name's letters with (한*우님, 김○○ 고객님, H** K**).
inline constexpr std::string_view kNameMasks[] = {"*", "＊", "○", "●", "◯", "〇"};
// Titles after a name (홍길동님, 도정우 어르신, 김민수 고객님).
inline constexpr std::string_view kPersonTitles[] = {
    "님",   "씨",     "군",     "양",     "어르신", "할머니", "할아버지", "고객님", "고객",
    "환자", "학생",   "회원",   "원생",   "아동",   "선생님", "선생",     "환자분", "회원님"};
// Roles before a name (환자 변윤서, 공동이용자: 전도윤, 팀원: 손미경), or opening the bracket of
// a date with no name before it ((배우자 441216)): a person's role or relation.
inline constexpr std::string_view kPersonRoles[] = {
    "환자",   "고객",   "어르신", "회원",   "원생",   "수강생", "학생",     "아동",   "보호자",
    "배우자", "신청인", "신청자", "보험자", "가입자", "이용자", "참가자",   "참석자", "동행자",
    "팀원",   "대상자", "수급자", "임차인", "임대인", "예약자", "본인",     "자녀",   "아들",
    "딸",     "남편",   "아내",   "부인",   "모친",   "부친",   "어머니",   "아버지", "할머니",
    "할아버지", "장남", "장녀",   "차남",   "차녀",   "손자",   "손녀",     "형",     "누나",
    "오빠",   "언니",   "동생",   "수익자", "계약자", "가족",
    // The family's people an invitation or a funeral notice names (신랑, 혼주, 상주, 유족, 아빠).
    "신랑",   "신부",   "혼주",   "상주",   "유족",   "아빠",   "엄마",     "아기"};
// Titles and roles of a child (원생, 아동, 자녀, 딸): only beside one is a date in brackets that makes
// the person younger than 14 a birth date (김민수 님 (2025.03.02) is a visit's day).
inline constexpr std::string_view kChildWords[] = {"원생", "아동", "학생", "자녀",  "아들", "딸",
                                                   "손자", "손녀", "어린이", "유아", "아기", "군",
                                                   "양"};
// The brackets a person's date stands in after the name: round and square ones, and the full-width
// round ones a Korean input method types in its full-width mode (홍길동（1990.01.01）).
inline constexpr std::string_view kDateBracketOpenings[] = {"(", "[", "（"};
inline constexpr std::string_view kDateBracketClosings[] = {")", "]", "）"};
// The mark of a birth that opens such a bracket before the date, maybe with a dot or a colon (피해자
// 성로제(생 1984. 7. 3.), 김철수(생. 1975.3.2)): the date is a birth date whoever stands before it.
inline constexpr std::string_view kBirthMarkInBracket = "생";
// A roster thread's request for its rows' fields (여행자보험 가입 위해 댓글로 성함·생년월일 남겨주세요,
// 명단: 이름 / 생년월일 / 연락처): a line holding a word of each names the date after a name at a
// row's head a few lines away (extend::date_after_name_in_roster).
inline constexpr std::string_view kNameFieldWords[] = {"이름", "성함", "성명"};
inline constexpr std::string_view kBirthFieldWords[] = {"생년", "생일", "출생"};
// A group chat's request for birth dates asks with one of these (명단 정리하게 선수, 생년월일, 휴대폰
// 남겨주세요~, 보험 가입용으로 생년월일 필요해요): with a birth field word it names the date in the
// replies below it, whatever word it names the people by (extend::date_after_name_in_roster).
inline constexpr std::string_view kRosterRequestWords[] = {"남겨", "부탁", "필요", "주세요",
                                                           "적어", "올려", "알려", "취합"};
// How a chat's answer gives its own number (저는 S03666465요, 제 건 M12345678 입니다, M12345678 이에요):
// the words before it in the message, and the endings after it.
inline constexpr std::string_view kOwnAnswerLeads[] = {"저는", "전", "제 건", "제건", "제 거",
                                                       "제거", "제 꺼", "제꺼", "제 것은", "제 번호는"};
inline constexpr std::string_view kOwnAnswerEndings[] = {"요", "이에요", "예요", "입니다", "이요",
                                                         "입니당", "임"};
// The organiser's thanks end the thread of replies (감사합니다~ 회비는 총무 계좌로 부탁드려요):
// a date below it answers no request above it.
inline constexpr std::string_view kThreadClosingWords[] = {"감사합니다", "감사해요", "감사드립니다",
                                                           "고맙습니다", "고마워요", "수고하셨"};
// Last syllables of an event's name that a surname may begin (신청일, 송년회, 한마당날): such a
// word is no name.
inline constexpr std::string_view kEventNameEndings[] = {"일", "회", "날"};
// Organisations' words that hold a person's word (대리 in 대리점): a person's word inside one of
// them names no person.
inline constexpr std::string_view kOrganisationWordsHoldingAPerson[] = {"대리점"};
static_assert(std::all_of(std::begin(kOrganisationWordsHoldingAPerson),
                          std::end(kOrganisationWordsHoldingAPerson), [](std::string_view w) {
                            return std::find(std::begin(kOrganisationWords),
                                             std::end(kOrganisationWords),
                                             w) != std::end(kOrganisationWords) &&
                                   std::any_of(std::begin(kPersonWords), std::end(kPersonWords),
                                               [&](std::string_view p) {
                                                 return w.find(p) != std::string_view::npos;
                                               });
                          }));

// Words of a business's header or footer: a landline in the block that holds one (the lines above
// it up to a blank line, and its own line) is the business's, as a receipt's TEL under the
// shop's registration, a prescription's under the clinic's code, a letterhead's beside its fax.
inline constexpr std::string_view kOfficeBlockWords[] = {
    "사업자", "가맹점", "요양기관", "기관기호", "팩스", "FAX", "Fax", "fax", "F.",
};
// A bank statement's header (structure.cpp): a balance column and a column of money out or in
// (거래일시, 적요, 출금, 입금, 잔액).
inline constexpr std::string_view kStatementBalanceWords[] = {"잔액", "잔고"};
inline constexpr std::string_view kStatementMoneyWords[] = {"출금", "입금", "지급", "찾으신",
                                                            "맡기신"};
// Words that say the order of the fields of the rows below a line (이름/생년월일/연락처 순서예요,
// 순서: 성명 | 여권번호): that line is those rows' header (structure.cpp, announced_header).
inline constexpr std::string_view kFieldOrderWords[] = {
    "순서", "순으로", "순입니다", "순이에요", "순임", "순)", "순 )", "in this order", "양식"};
// How a line ends that says what its writer is about to send (면허번호 보내드려요, 계좌 알려드릴게요,
// 제 번호 남길게요): the next message holds what it names, as an answer holds what a question asks.
inline constexpr std::string_view kAnnouncementEndings[] = {
    "보내드려요", "보내드릴게요", "보내드립니다", "보낼게요",   "보냅니다",   "알려드려요",
    "알려드릴게요", "알려드립니다", "남길게요",   "남겨요",     "남깁니다",   "남겨드려요",
    "남겨드릴게요", "적어드려요",   "적어드릴게요", "적을게요",   "적습니다",   "드릴게요",
    "드려요",     "드립니다",     "불러드릴게요", "불러드려요", "올려드려요", "올려드릴게요",
    "전달드려요", "전달드립니다", "공유드려요",   "공유드립니다"};
// The same said by a line that ends with 순 after its fields (※ 성명 / 연락처 순).
inline constexpr std::string_view kFieldOrderLastWord = " 순";
// Words naming a corporation's registration number, which is shaped like a resident number: on
// their line, thirteen digits whose resident check digit fails are no resident number, even
// under a form's 주민등록번호 (주민등록번호 (법인등록번호) 110111-0392443).
inline constexpr std::string_view kCorporateNumberWords[] = {
    "법인등록번호", "법인번호", "법인 등록번호", "법인(주민)등록번호", "주민(법인)등록번호"};
// Words that make the word holding them an account's label (입금계좌:, 계좌번호는, 통장으로,
// account_no): a mobile right after that word is an account (extend::account_word_attached).
inline constexpr std::string_view kAccountWordsInside[] = {"계좌",    "통장", "account", "Account",
                                                           "ACCOUNT", "acct", "Acct",    "A/C"};
// The word for a foreigner: in the bracket or the cell of a registration number whose seventh
// digit is hidden, it makes the number a foreigner's.
inline constexpr std::string_view kForeignerWord = "외국인";
// The holder's word right before an account (피상속인 명의 637-...), and the words of a deposit
// that, before it on the line, make the number an account (extend::account_after_holder).
inline constexpr std::string_view kNameHolderWord = "명의";
inline constexpr std::string_view kDepositWords[] = {"예금", "적금", "계좌", "통장"};
// The syllable that makes a word the name of what it says (가맹점명, 상품명): a look-alike's
// word with it names the shop or the product, not their number.
inline constexpr std::string_view kNameSuffix = "명";
// Characters that mask a month or a day written in words (1973년 **월 **일, 1985년 ●월 ○○일).
inline constexpr std::string_view kDatePartMasks[] = {"*", "X", "x", "●", "○", "◯", "■", "□", "#", "◇"};
// Endings that make a company's word the title of the person heading that desk (상담 실장,
// 관리소장, 지점장님, 센터장): the line after it is that person's, not the desk's.
inline constexpr std::string_view kHeadTitleEndings[] = {"장", "장님"};
// Words naming an account's holder: the holder named after them decides whose it is.
inline constexpr std::string_view kHolderWords[] = {"예금주", "명의"};
// Associations, clubs and agencies that hold accounts and keep an office: alumni and parents'
// associations, clubs, a church's missions, debt collectors, a group's shared account (모임통장),
// scholarship foundations and councils.
// Read as kOrganisationWords are.
inline constexpr std::string_view kAssociationWords[] = {
    "동문회", "동창회", "후원회",   "친목회",   "부녀회",   "청년회", "노인회",
    "향우회", "종친회", "산악회",   "동호회",   "축구회",   "등산회", "학부모회",
    "선교회", "위원회", "신용정보", "채권관리", "채권추심", "모임통장", "모임 통장",
    "장학회", "협의회", "연합회", "봉사회", "복지회",
    // An apartment's and a shopping arcade's bodies holding its funds (입주자대표회의, 상가 번영회,
    // 주민자치회, 상인회); its committees end in 위원회 already.
    "대표회의", "번영회", "자치회", "상인회",
};
// Endings of the word right before an account's 계좌 that make its owner an organisation (리그 계좌,
// 학회 계좌, 회사 계좌, 주최측 계좌, 주최 측 계좌, 연맹 계좌, 구단 계좌, 대회 본부 계좌): read as the
// owner words before 계좌 are (extend::owner_before_account_word), past a qualifier between them.
// An event's organiser and its managing body (참가비 입금 계좌(주최), 부스비 계좌(주관사)): the fee
// an applicant pays goes to them. A business's own account (사업자 계좌, 법인사업자 계좌): a
// company's, unless the person's own word stands before it (kSelfOwnerWords).
// 측 after a person's role or relation (kPersonRoles: 신랑측, 신부 측, 혼주측, 상주측) is a family's side
// on an invitation or a funeral notice: a person's account (extend::persons_side).
inline constexpr std::string_view kSideWord = "측";
// A community's account (공동체 계좌: a parish's, a village's or a co-op's) is its own.
inline constexpr std::string_view kAccountOwnerEndings[] = {"리그", "학회", "회사", "당사", "측",
                                                            "연맹", "구단", "본부", "대회", "주최",
                                                            "주관", "주관사", "주최사", "사업자",
                                                            "공동체"};
// The words a bank's branch ends in after the bank's name (국민은행 강남지점, 새마을금고 본점, 하나은행
// WM센터): like an organisation's word inside a bank's name (조합 in 산림조합, 신용협동조합), they
// name the bank an account is kept at, which is no owner of it (extend::organisation_outside_banks
// reads the Hangul bank names of kAccount so).
inline constexpr std::string_view kBankBranchEndings[] = {"지점", "본점", "출장소", "센터", "영업부"};
// Endings of a chat speaker's name that make the speaker a club, a class or a studio writing as
// itself (새벽FC:, 하늘요가:, 댄스 아카데미 : ), beside the organisations' and businesses' words:
// the account it gives to pay into is its own (extend::organisation_speaks).
inline constexpr std::string_view kClubNameEndings[] = {
    "FC", "fc", "합창단", "동아리", "크루", "오케스트라", "무용단", "극단",
    "요가", "필라테스", "피트니스", "체육관", "교습소", "공부방"};
// A call centre's or a counter's staff speaking for their organisation (상담원:, [14:02] 상담사
// 김하나:, 직원:): the account they give to pay into (입금 계좌 신협 ... 입니다) is the
// organisation's, as a club's own is (extend::organisation_speaks). Read at the speaker's start;
// not 직원 alone, which an employee giving their own account may be called.
inline constexpr std::string_view kAgentSpeakers[] = {"상담원", "상담사", "상담직원", "안내원"};
// The words of paying in a staff member's message (입금 계좌, 납부 계좌, 송금): without one the
// account they read out may be the customer's own (등록된 계좌 ... 맞으세요?).
inline constexpr std::string_view kPayInWords[] = {"입금", "납부", "송금", "이체"};
// Members' dues named before 입금처 (회비 입금처, 연회비 입금처는): where a club's notice asks its
// members to pay, the club's account. 회비 계좌 alone may be the treasurer's own (회비 계좌(총무)).
inline constexpr std::string_view kDuesWords[] = {"회비", "연회비", "월회비", "회원비", "가입비"};
// How a notice asks its readers about the account under a bare 입금 계좌 (- 입금 계좌 NH농협은행
// ... 참고해 주세요, ... 로 입금 바랍니다): the account they all pay into, the organisation's. A
// person asks for their own otherwise (회신 부탁드립니다, 정정 부탁드립니다, 로 보내줘).
inline constexpr std::string_view kNoticeRequestWords[] = {
    "참고해",   "참고 바랍",       "참고바랍",         "참고하시",         "입금 바랍",
    "입금바랍", "입금하시기 바랍", "입금해 주시기 바랍", "입금해주시기 바랍", "납부 바랍",
    "납부바랍", "납부하시기 바랍", "납부해 주시기 바랍"};
// The writer's own account named in a message (제 계좌, 제 통장, 내 계좌): a person's, whoever
// speaks.
inline constexpr std::string_view kWritersOwnAccountWords[] = {"제 계좌", "제계좌", "제 통장", "제통장",
                                                               "내 계좌", "내계좌", "내 통장", "내통장",
                                                               "저의", "나의"};
// Words right before an account's owner that make the owner the person themself (본인 사업자 계좌,
// 개인 사업자 계좌, 개인사업자 계좌): a self-employed person's account, held in their own name.
inline constexpr std::string_view kSelfOwnerWords[] = {"본인", "개인"};
// Words between the owner and 계좌 that say nothing of whose (학회 공식 계좌, 회사 명의 계좌,
// 주최측 입금 계좌).
inline constexpr std::string_view kAccountOwnerQualifiers[] = {"공식", "명의", "전용", "입금"};
// Words right before 계좌, spaces aside, that name an account an organisation collects one bill's
// or one payer's payments into (가상계좌, 가상 계좌번호, 납부용 가상계좌, 전용 입금계좌, 입금 전용
// 계좌): a bank issues it to the organisation, it names no person as holder and cannot be drawn
// on, whoever pays into it. Not 입금 alone (입금계좌: the account a person is paid into) nor
// 가상자산 (an exchange's account of the person).
inline constexpr std::string_view kCollectionAccountWords[] = {
    "가상", "전용입금", "입금전용", "납부용", "납부전용",
    // A virtual account issued for one bill (납부 계좌(1회용), 일회용 계좌).
    "1회용", "일회용",
    // Offerings and donations a church, a temple or a charity collects (헌금 계좌, 감사헌금,
    // 십일조, 보시, 후원 계좌, 기부금 계좌): given to it, whoever gives. A giver's own account is
    // named otherwise (후원자 계좌, 후원 출금계좌, 환급계좌).
    "헌금", "십일조", "보시", "시주", "후원", "후원금", "기부", "기부금", "성금",
    // A fund a school, a scholarship or a building project raises (학교발전기금, 장학기금).
    "기금",
    // The account a collecting company or office receives payments into (an auto-debit form's
    // 수납 계좌 beside the payer's 출금 계좌).
    "수납"};
// The account word letter-spaced by a scan's OCR (교 회   헌 금 계 좌 :): its line is read with
// its spaces taken out.
inline constexpr std::string_view kSpacedAccountWord = "계 좌";
// Holders that are an organisation only when named after a holder word (예금주 OO관리사무소): an
// apartment notice's account beside its office's name alone says nothing. A building's management
// body (예금주 OO빌딩 관리단, 관리주체) too.
inline constexpr std::string_view kHolderOnlyOrganisationWords[] = {"관리사무소", "관리소", "관리단",
                                                                   "관리주체"};
// Religious bodies and their houses holding an account (예금주 대한불교 은하사, 천주교 수원교구,
// 원불교 OO교당, (대한불교 보광사) right after it): an order's name or its house's word, read
// after a holder word or in the bracket right after the account. Not 사 alone (회사, a
// person's name): a temple is named with its order.
inline constexpr std::string_view kReligiousBodyWords[] = {
    "불교", "조계종", "천태종", "태고종", "천주교", "교구",   "교당",   "본당",   "수녀원",
    "수녀회", "수도원", "수도회", "사찰", "노회",   "교단",   "종단",   "법당",   "기독교",
    "장로회", "감리회", "침례회", "성결교", "순복음", "종무소"};
// The organisations' words a bank's Hangul name or its branch's ending holds (조합 in 산림조합,
// 지점, 본점, 센터): only a line holding one of them is looked through for a bank's name before its
// organisations' words are read (extend::organisation_outside_banks).
inline constexpr std::string_view kOrganisationWordsBanksHold[] = {"조합", "지점", "본점", "센터"};
namespace held_by_banks {
constexpr bool held(std::string_view w) {
  const auto holds = [&](std::string_view name) { return name.find(w) != std::string_view::npos; };
  return std::any_of(std::begin(kAccount), std::end(kAccount),
                     [&](const Label& l) {
                       return (l.flags & kBank) && !(l.flags & (kAscii | kAdjacent)) && holds(l.word);
                     }) ||
         std::any_of(std::begin(kBankBranchEndings), std::end(kBankBranchEndings), holds);
}
constexpr bool listed(std::string_view w) {
  return std::find(std::begin(kOrganisationWordsBanksHold), std::end(kOrganisationWordsBanksHold),
                   w) != std::end(kOrganisationWordsBanksHold);
}
constexpr bool all_listed(std::span<const std::string_view> words) {
  return std::all_of(words.begin(), words.end(), [](std::string_view w) { return !held(w) || listed(w); });
}
static_assert(all_listed(kOrganisationWords) && all_listed(kAssociationWords) &&
              all_listed(kHolderOnlyOrganisationWords) && all_listed(kReligiousBodyWords));
static_assert(std::all_of(std::begin(kOrganisationWordsBanksHold),
                          std::end(kOrganisationWordsBanksHold), held));
}  // namespace held_by_banks
// Endings of the word right before a landline that make it a unit's desk (문의: 학생지원팀
// 031-..., 생활관 행정실 02-..., 보험급여부 ☎ 02-..., 사무국 02-...). 처 is left out: 연락처.
inline constexpr std::string_view kOfficeUnitEndings[] = {
    "팀", "과", "실", "부", "국", "센터", "사무소", "연구소", "지청",
    // A courier's or a warehouse's hub (지역 허브, 물류허브), a ward's nurses' station (병동 스테이션).
    "허브", "스테이션",
    // A temple's office (종무소 061-...), a church's (교무실 is a 실), a school's or a
    // hospital's counters (행정실, 원무과 end in 실 and 과 already).
    "종무소", "종무실",
    // An office's switchboard (교환 031-..., 대표 교환), the Korean of kEnglishDeskNames' switchboard.
    "교환",
    // A department named as such (문의: 담당 부서 064-...).
    "부서"};
// Marks a form sets an office's label off with before its landline ([교무실], 【행정실】, ▷ 사무국:,
// ■ 접수처): under a person's generic label (연락처) the label so set off names the line. Not a
// plain parenthesis: 연락처(사무실) notes where a person answers.
inline constexpr std::string_view kLabelSetOffMarks[] = {"[", "【", "〔", "《", "〈", "<", "「", "『",
                                                        "▷", "▶", "►", "■", "□", "◆", "◇", "●",
                                                        "○", "※", "☞"};
// English names of an organisation's desks and lines, ending the words right before a landline
// (Front desk: 031-..., Branch tel 043) 342-..., Customer care 02-...): read as kOfficeUnitEndings
// are, in any case. Not Office, Main nor Branch alone: a person's record has its office phone,
// its main phone (phone: {main: ...}) and its branch (Branch: 강남).
inline constexpr std::string_view kEnglishDeskNames[] = {
    "front desk",    "reception",      "switchboard",    "head office",  "branch tel",
    "branch office", "main office",    "main line",      "customer care", "visitor centre",
    "visitor center", "after hours",   "general inquiries", "store tel",
    // A hotel's or a building's desks, also as a system's keys (front_desk, lobby_tel).
    "frontdesk",     "front office",   "lobby",          "lobby tel",    "concierge",
    "reception desk", "guest services", "bell desk",     "security desk", "info desk",
    // A record's keys for a shop's, a union's, a centre's or a clinic's own line (store=,
    // union_tel=, center_tel=, shop_tel:): no person's record names their own line so.
    "store",         "store phone",    "shop tel",       "shop phone",   "union tel",
    "union phone",   "union office",   "center tel",     "centre tel",   "center phone",
    "clinic tel",    "clinic phone",
    // An office's main line named as such on a form or a record (Office Main Phone:,
    // office_main_phone=, office_main_tel).
    "office main phone", "office main tel", "office main number", "office main"};
// English keys naming an office's or a main line, whole words in any case (office=, "office_tel":,
// main_phone=, - office:): read only for a number numbered as main lines are (kMainLineEndings),
// as a person's record names their own work line so too (Office: 02-555-1234, phone: {main: ...}).
inline constexpr std::string_view kMainLineOfficeKeys[] = {
    "office", "office tel", "office phone", "office line", "office number", "office no",
    "main phone", "main tel", "main number"};
// Words naming a line as a telephone only, right before its number (센터 전화 053-..., 사무실
// 번호, 협회 연락처, T. 042-...): the word before them names whose line it is.
inline constexpr std::string_view kTelephoneWords[] = {"전화", "전화번호", "번호", "연락처",
                                                       "Tel",  "TEL",      "tel",  "T"};
// A person's direct line in a signature (직통 053-... / T. 042-..., Direct: 02-... / Tel 051-...):
// the telephone after it on its line is the office's main line.
inline constexpr std::string_view kDirectLineWords[] = {"직통", "직통전화", "Direct", "direct",
                                                        "DIRECT", "D",      "DID"};
// How Korean offices number their main lines: the last digits round (02-972-0114, 063-791-0000,
// 055-627-1000, 041-330-9200, 053-575-1114), endings of the number's digits. Weighed only with an
// office's or a place's word right before the number or its telephone word (kMainLineOfficeWords:
// 마을 사무장 번호는, 조합 사무실 전화는, 도장 전화 -) or an office's key (kMainLineOfficeKeys), never
// alone: a person's landline or mobile ends so too (of the three tuning parts' 1055 landline
// values 15 end in 00, none in 114, none after such a word).
inline constexpr std::string_view kMainLineEndings[] = {"00", "114"};
// Endings of a word naming an office or the clerk who answers its line: a village's or an
// association's office (마을, 사무장, 사무국장, 마을회관), read with kMainLineEndings only.
// And the places a business or a unit answers its line at, named by what they are (도장 전화 -,
// 관광버스 회사:, 연회장, (식당 ..., 부대 행정반:, 대리점:, 터미널 =): a person's line under them is
// named by the person (식당 사장님, 도장 관장님 휴대폰).
inline constexpr std::string_view kMainLineOfficeWords[] = {
    "마을",   "회관",   "사무장", "사무국장", "사무실", "사무소", "사무국",
    "회사",   "도장",   "식당",   "연회장",   "행정반", "부대",   "대리점", "터미널",
    "체육관", "수영장", "공장",   "영업소",   "출장소", "호텔",   "리조트", "콘도",
    "민박",   "캠핑장", "골프장", "경로당",   "주유소", "정비소", "세차장", "주차장",
    "카페",   "뷔페",   "컨벤션"};
// Words of an extension right after a landline (02-2231-8876 내선 204, (내선 9510)): the number
// is an office's switchboard, whoever's desk the extension reaches.
inline constexpr std::string_view kExtensionWords[] = {"내선", "ext.", "Ext.", "EXT."};
// A person's own line though an extension follows: their workplace in their own record (직장전화:
// 031-... 내선 764, 근무처 전화) or a line labelled direct (담당 직통 051-... 내선 2320) reaches
// that person, so the extension makes no office's line of it.
inline constexpr std::string_view kPersonsOwnLineWords[] = {"직장", "근무처", "근무지", "직통",
                                                              "연구실", "자택"};
static_assert(std::all_of(std::begin(kPersonsOwnLineWords), std::end(kPersonsOwnLineWords),
                          [](std::string_view w) {
                            return std::find(std::begin(kPersonWords), std::end(kPersonWords),
                                             w) != std::end(kPersonWords);
                          }),
              "a person's own line is named by a person's word");
// A patient's paper (퇴원 요약지, 진료비 내역서): its words, on the number's block or line, make
// the bare 등록번호 before ten digits the hospital's chart number, not a business's.
inline constexpr std::string_view kPatientPaperWords[] = {"환자", "수진자", "성별", "나이",
                                                          "진료과", "병동", "퇴원", "입원"};
inline constexpr std::string_view kBareRegistrationLabel = "등록번호";
// Words of an amount right after a number (846,620원, 50만원): its digits are money, never a
// part of the account or card before it.
inline constexpr std::string_view kAmountWords[] = {"원", "만원", "천원"};
// The word for "in charge" right before a number, after a unit (인사팀 담당 02-..., HR 담당
// 032-...): with no name after it, it names the unit's desk, not a person.
inline constexpr std::string_view kUnitDeskWord = "담당";
// A word that names a department, not a person, in front of its name (담당부서: 재무팀): the
// person words before it are the department's.
inline constexpr std::string_view kDepartmentWord = "부서";
// A business's own identification on a line (사업자번호 ..., 통신판매업 제2025-...호): a landline
// on that line, with no person on it, is the business's, labelled as a telephone or not.
inline constexpr std::string_view kBusinessIdentityWords[] = {"사업자", "통신판매"};
// Endings of a business's name written as an account's holder beside it (무통장 입금: 하나 ...
// (솔바람 글램핑), 입금처: ... 한결세무회계): a shop, a food seller, a lodge, an office, a farm.
// A name with one of them heading its line names the landline after it too (꽃담플라워
// 043-..., 스마일렌탈 02-...).
inline constexpr std::string_view kBusinessNameEndings[] = {
    "샵",     "숍",   "푸드",   "펜션",   "글램핑",   "캠핑",     "캠핑장", "세무회계", "회계",
    "상사",   "상회", "마트",   "스토어", "공방",     "식당",     "카페",   "농원",     "농장",
    "정육점", "가게", "꽃집",   "플라워", "베이커리", "스튜디오", "유통",   "물산",     "인테리어",
    "조리원", "솔라", "에너지", "하우스", "아카데미", "웨딩",     "골프",   "클리닉",   "건설",
    "렌탈",   "렌트", "사진관", "헤어",   "미용실",   "세탁소",   "여행사",
};
// Charges paid before 입금 (잔금 입금 계좌, 계약금 입금처): whose account the money goes into
// depends on the paper (a care centre's contract or a flat's private sale), so a business must be
// named there; unless a person is written as its holder.
inline constexpr std::string_view kChargeWords[] = {"잔금", "계약금", "중도금", "대금"};
// Charges only a business's service is paid (공사대금, 수강료 입금 계좌): its account, unless a
// person is written as its holder or a payout's word stands before it. A bare 대금 is not one of
// them: a seller of a used car, a membership or a rented machine asks the price into their own
// account as often as a maker does (대금 입금계좌, 양도대금 입금 계좌).
// Named right before 계좌 or before 납부 or 입금 and 계좌 (관리비 계좌, 관리비 납부계좌, 예약금 입금계좌):
// an apartment's management fee, a booking's deposit a kids' cafe or a school takes, a hall's rent.
// Not 회비 (a club's dues go to its treasurer's own account) nor 월세 (a landlord's).
inline constexpr std::string_view kServiceChargeWords[] = {"공사대금", "수강료", "이용료", "레슨비",
                                                           "교육비",   "관리비", "예약금", "대관료"};
// The word of paying between a service's charge and 계좌 (관리비 납부계좌, 수강료 납부 계좌).
inline constexpr std::string_view kPaymentWord = "납부";
// A club's officers named in the bracket right after 계좌 (회비 계좌(총무)): the dues go into that
// officer's own account, whatever the club is.
inline constexpr std::string_view kClubOfficerWords[] = {"총무", "회계", "회장"};
// Words before a charge that make it money paid out to the account's holder (판매 대금 입금 계좌:
// a seller's proceeds, 정산 대금, 환급 대금, 보상 대금): the holder's own account.
inline constexpr std::string_view kPayoutWords[] = {"판매", "정산", "환급", "환불",
                                                    "보상", "지원", "지급"};
// The parties of a private sale or lease (a second-hand trade's chat, a flat's sale contract):
// a charge paid into their account (계약금 입금 계좌 ... 매도인 명의) is paid to a person.
inline constexpr std::string_view kPrivatePartyWords[] = {"매도인", "매수인", "임대인", "임차인",
                                                          "판매자", "구매자", "양도인", "양수인"};
// Words only a business's message to its customer holds: how it addresses the reader (김민수
// 고객님), a quote, the work it did (견적, 시공). A charge it asks to be paid into an account goes
// to the business.
inline constexpr std::string_view kBusinessMessageWords[] = {"고객님", "견적", "시공"};
inline constexpr std::string_view kDepositInWord = "입금";
inline constexpr std::string_view kDepositPlaceWord = "처";  // 입금처
// An address's last word before a land parcel's code (…면 도암리, 역삼동) and the words of its
// lot number (산18, 12-3번지).
inline constexpr std::string_view kAddressWordEndings[] = {"리", "동", "읍", "면"};
inline constexpr std::string_view kMountainLotWord = "산";
inline constexpr std::string_view kLotWord = "번지";
// Words a line begins with that say what its own date or number is (Flight LJ396 ... 2026.01.13,
// 출발 2026-01-13, 입실 12/24): the line does not take the label of the line above it.
inline constexpr std::string_view kOwnLineWords[] = {
    "Flight", "Departure", "Arrival", "Check-in", "Check-out", "출발",   "도착",    "입실",
    "퇴실",   "탑승",      "출국",    "귀국",     "입국",      "체크인", "체크아웃"};
// A post office is a bank and a parcel service: after a courier's word a few lines up (송장,
// 운송장, 택배), its name before thirteen bare digits names a parcel's tracking number.
inline constexpr std::string_view kPostOfficeWord = "우체국";
inline constexpr std::string_view kParcelWords[] = {"송장", "택배", "등기번호", "배송"};
inline constexpr std::string_view kAccountWord = "계좌";
inline constexpr std::string_view kAccountNumberWord = "계좌번호";
// A merchant's record in a payment company's log (merchant_brn=..., settlement_account=...): the
// settlement account on a line holding a merchant's key is the merchant's, paid its sales.
inline constexpr std::string_view kSettlementKeyWord = "settle";
// Keys of a record naming the organisation's account (payee_account, virtual_account,
// sponsorAccount, corp-account-no, corp.account, company_acct), lower-cased with what joins their
// words (_ - .) taken out, as the key's beginning: the account paid, a collection account, a
// sponsor's, a company's or an organisation's. A person's keys stay values (account, acct,
// refund_acct, account_no, bank_account, payout_account).
inline constexpr std::string_view kOrganisationAccountKeys[] = {
    "payeeaccount",   "sponsoraccount", "donationaccount",   "vaccount",    "virtualaccount",
    "corpaccount",    "companyaccount", "corporateaccount",  "orgaccount",  "collectionaccount",
    "corpacct",       "companyacct",    "orgacct",           "organisationaccount", "organizationaccount",
    // An event's host's or organiser's account on an application form or its export
    // (host_account=, organizer_account:), a charity's (charity_account, Charity account -).
    "hostaccount",    "hostacct",       "organizeraccount",  "organiseraccount", "organizeracct",
    "organiseracct",  "charityaccount", "offeringaccount"};
inline constexpr std::string_view kMerchantKeyWord = "merchant";
// Shared and no-reply mailboxes of an organisation (RFC 2142's role names and the usual others):
// an address whose local part is one of them, whole, is no person's (help.kim@ stays one).
inline constexpr std::string_view kRoleMailboxes[] = {
    "info",         "marketing",    "sales",        "support", "abuse",   "noc",
    "security",     "postmaster",   "hostmaster",   "usenet",  "news",    "webmaster",
    "www",          "uucp",         "ftp",          "help",    "helpdesk", "cs",
    "contact",      "admin",        "noreply",      "no-reply", "no_reply", "donotreply",
    "do-not-reply", "do_not_reply", "mailer-daemon", "recruit",
    // A company's press, people, investor and partner desks, its general inbox and its bills.
    "press",        "pr",           "media",        "hr",      "jobs",    "careers",
    "hello",        "office",       "partners",     "partner", "biz",     "ir",
    "billing",      "events",       "event",        "hiring",
    // Notifications' senders: statements, alerts, newsletters and the mailer sending them.
    "notice",       "notices",      "notification", "notifications", "noti", "notify",
    "alert",        "alerts",       "newsletter",   "newsletters",   "mailer"};
// The first label of an organisation's host that sends its mass mail (notice@mail.bankk.co.kr,
// event@news.ticketon.kr): under a sender's label (kSenderLabels) any address there is the
// organisation's, when the rest of the host is no mail service (kMailHosts: mail.naver.com).
inline constexpr std::string_view kMailingHosts[] = {"mail",  "email", "news",   "newsletter",
                                                     "noti",  "alert", "alerts", "notice",
                                                     "mailer", "em",   "e"};
// Domains of public bodies, schools and research institutes (mail.go.kr, mail.korea.ac.kr): their
// mail hosts are their staff's own mailboxes, no mailing host.
inline constexpr std::string_view kStaffMailDomains[] = {"go.kr", "ac.kr", "re.kr", "mil.kr", "hs.kr",
                                                         "ms.kr", "es.kr", "sc.kr", "kg.kr", "edu",
                                                         "gov"};
// A business's booking and inquiry desks (reservation@tutorlink.kr, booking@greencheck.co.kr):
// a role's mailbox at the business's own domain only; at a mail service people sign up to
// (booking@gmail.com) it is as often a person's or a one-person shop's own address.
inline constexpr std::string_view kBookingMailboxes[] = {
    "reservation", "reservations", "booking", "bookings", "reserve", "reserves", "rsvp",
    "inquiry",     "inquiries",    "enquiry", "enquiries", "order",  "orders",  "ticket",
    "tickets",     "help-desk",    "customer", "service",  "cs-center", "cscenter",
    // The business's general inbox (mail@daon-market.com).
    "mail",
    // Its tax, finance and purchasing desks (tax@mirae-agri.kr, invoice@, finance@: where its
    // tax invoices are asked for), its recruiting and its legal desks.
    "tax",         "taxinvoice",   "invoice",  "invoices", "finance",   "accounting", "accounts",
    "payment",     "payments",     "purchase", "purchasing", "recruiting", "recruitment", "apply",
    "qna",         "faq",          "privacy",  "legal",    "compliance", "feedback", "membership",
    // Its questions', counselling and personal-information desks (ask@, question@, counsel@, dpo@:
    // the data protection officer's, cpo@: the privacy officer's).
    "ask",         "question",     "questions", "counsel", "consult",  "dpo",        "cpo"};
// Words a line writes before an address to call it shared (홍보팀 공용 hanbit.pr@..., 공식 메일,
// Shared inbox): whatever its local part, the address is the organisation's.
inline constexpr std::string_view kSharedMailboxWords[] = {
    "공용", "공식 메일", "공식메일", "공식 이메일", "shared", "Shared"};
// Words naming an organisation's main mailbox, or its representative's own (대표 is both: a
// form's 대표자 lines are followed by 대표 이메일 ▶ siwoo82@kakao.com): the address is the
// organisation's only when it is not at a mail service people sign up to (kMailHosts).
inline constexpr std::string_view kMainMailboxWords[] = {"대표 메일", "대표메일", "대표 이메일",
                                                         "대표이메일"};
// Endings of a drug's name as prescriptions and pharmacies print them (tablet, capsule, syrup,
// injection, solution, powder, ointment): a bare nine-digit number right after one, or in a
// bracket after one, is its product code.
inline constexpr std::string_view kDrugFormEndings[] = {"정",   "캡슐", "시럽", "주",   "액",  "산",
                                                        "연고", "크림", "겔",   "과립", "좌제"};

// A sender's signature block (하채원 드림 / 탐라렌트 고객지원팀 / 052.847.9428 / ...): the line that
// names the sender, by a closing after the name (드림, 올림, 배상), a staff title after it (김도윤
// 과장) or a sender's head before it (From: 박서연). A number that begins a line under it in its
// block, with no number between, is the sender's own line, whatever team or company the lines
// between name; a line that begins with its own word (대표 054-..., 고객센터, 팩스) is read by it.
inline constexpr std::string_view kSenderClosings[] = {"드림", "올림", "배상"};
inline constexpr std::string_view kStaffTitles[] = {
    "과장", "대리", "매니저", "주임", "사원", "차장", "부장", "선임", "책임", "팀장",
    "실장", "이사", "연구원", "선임연구원", "책임연구원", "프로", "주무관", "사무관"};
inline constexpr std::string_view kSenderHeads[] = {"From:", "보낸 사람:", "보낸사람:", "발신인:",
                                                    "발신:"};
// How many lines above a number its sender's line may stand (the name, the team, the company).
inline constexpr std::size_t kSignatureLines = 4;

// Words that qualify a label without naming a kind: a number, a date, the information. Between
// a label and its value they count as no distance, so a label is read by its head word
// (출생 연월일, 계좌 정보, birth_ymd). Korean ones may carry a particle (번호는).
inline constexpr std::string_view kGenericWords[] = {
    "번호", "넘버", "연월일", "년월일", "일자", "날짜", "정보", "date", "dt", "ymd", "info",
    // A key's format suffix (dob_yyyymmdd, birth_yyyy_mm_dd).
    "yyyymmdd", "yymmdd", "yyyy", "mm", "dd",
};
// The issuing regions a licence number is written after (서울 11-123456-78, 경기남부 19-...),
// by their short names and as people write them in full (경기도, 부산광역시, 강원특별자치도).
inline constexpr std::string_view kLicenceRegions[] = {
    "서울", "부산", "경기", "강원", "충북", "충남", "전북", "전남", "경북", "경남", "제주", "대구",
    "인천", "광주", "대전", "울산", "세종", "경기북부", "경기남부",
    "서울특별시", "서울시", "부산광역시", "부산시", "대구광역시", "대구시", "인천광역시", "인천시",
    "광주광역시", "광주시", "대전광역시", "대전시", "울산광역시", "울산시", "세종특별자치시", "세종시",
    "경기도", "강원도", "강원특별자치도", "충청북도", "충청남도", "전라북도", "전북특별자치도",
    "전라남도", "경상북도", "경상남도", "제주도", "제주특별자치도"};
// A licence's labels as chat glues a region to them (면허증번호는강원 19-..., 운전면허증번호인천
// 85-...): the longer ones (운전면허번호) end in these.
inline constexpr std::string_view kLicenceLabelWords[] = {"면허", "면허증", "면허번호", "면허증번호"};
// Words that lead a document's number written after its label (신청번호 제 2026-973호, 접수번호
// No. 1234): the label still has a number right after it.
inline constexpr std::string_view kNumberLeadWords[] = {"제", "No.", "#"};
inline constexpr std::string_view kParticles[] = {"은", "는", "이",   "가", "을",
                                                  "를", "로", "으로", "도", "란"};
// A label as a sentence's subject and the value as its predicate (생일이 1960. 12. 12.이에요,
// 연락처는 010-1234-5678 입니다): the subject's particle stands right before the value and a
// copula right after it, and the particle is no distance.
inline constexpr std::string_view kSubjectParticles[] = {"이", "가", "은", "는"};
inline constexpr std::string_view kCopulas[] = {"이에요", "예요", "입니다", "이야", "이고",
                                                "이며",   "이라서", "이었", "이요"};
// Words of saying, giving or showing a value between its label and the value (계좌 불러줌:,
// 계좌 불러드릴게요 110-..., 면허증을 보여줬는데 11-23-...): a label is read across them as if
// they were not there.
inline constexpr std::string_view kSpeechWords[] = {
    "불러줌",       "불러주심",     "불러드림",   "불러드릴게요", "불러드릴께요", "불러드려요",
    "불러주신",     "알려줌",       "알려주심",   "알려드림",     "알려드릴게요", "알려드려요",
    "말씀드릴게요", "말씀하신",     "드릴게요",   "적어드릴게요", "보내드릴게요", "보내드렸는데",
    "보여줬는데",   "보여주셨는데", "보여주셨고", "보여줬고",     "확인해보니",   "확인했는데요",
    "확인했는데",   "제시했는데",   "보니까",     "봤는데",
};
// A request or a notice between a label and its value, before a colon or an arrow (DOB 확인
// 부탁드려요: 1946.02.27, 계좌번호 전달드립니다 → 110-...): a clause of Korean words whose last
// syllable ends a sentence, read across as if it were not there. The marks that part it from
// the value, and the syllables that end it.
inline constexpr std::string_view kRequestMarks[] = {":", "→", "▶", "➡", "⇒", "->", "=>"};
inline constexpr std::string_view kSentenceEndings[] = {"요", "다", "림", "함", "음", "죠"};
static_assert(std::all_of(std::begin(kSentenceEndings), std::end(kSentenceEndings),
                          [](std::string_view e) { return e.size() == 3; }));
// How a clause ends that says a value was asked for, right before it with no mark between
// (면허번호 필요하다고 해서요 21-10-..., 보험사에서 계좌 달라고 하셔서 110-..., 여권번호 알려 달래서
// M1234...): read across as the requests before a mark are, and so are the announcements of
// kAnnouncementEndings (면허번호 달라고 해서 보내드려요 12 11 ...), under a label of an identity
// number or an account only (extend.cpp, kAskedForKinds): a phone's or a date's label is followed
// by such clauses about something else.
inline constexpr std::string_view kAskedForEndings[] = {"해서",   "해서요", "셔서",   "셔서요",
                                                        "래서",   "래서요", "대서",   "대서요",
                                                        "길래",   "길래요", "하시니", "하시네요"};
// A column's header that names a number a system issues to people (고객ID, 교적번호, 고객 코드,
// user_no): one of these words for whom, and one of the endings after it. Ten bare digits under
// it whose check digit holds are no business number; so are registries' numbers (과제번호, a
// bond's 매입번호, 채권번호). (A business's column names a business:
// 사업자, 법인, 거래처; a header with neither word says nothing.)
inline constexpr std::string_view kIssuedNumberHolders[] = {
    "고객",    "회원",       "교적",   "가입",     "사원",   "직원",    "학생",
    "환자",    "user",       "member", "customer", "client", "student", "employee",
    "patient", "subscriber", "과제",   "채권",     "매입",
};
inline constexpr std::string_view kIssuedNumberEndings[] = {"번호", "id",   "no",
                                                            "코드", "code", "넘버"};
// Capitals written glued to their value as its label, beside the tables' words (HP010-...,
// TEL02-..., KB123-... are read through those): a line's one-letter abbreviation on a card or a
// sign and a cell phone's CP, before a telephone number only (T0312345678, M010-..., F02-...;
// M9697970410 is a registry's identifier), and banks' and cards' short names. Other capitals
// glued to a number lead an identifier (extend::led_by_identifier_capitals).
inline constexpr std::string_view kGluedLineCapitals[] = {"T", "M", "P", "H", "F", "CP"};
inline constexpr std::string_view kGluedNameCapitals[] = {"SC", "KEB", "DGB", "BNK",
                                                          "BC", "JCB", "AMEX"};
// One O or I glued before digits is a 0 or a 1 a scan misread (국민 O67380-99-99160l), no lead.
inline constexpr std::string_view kMisreadDigitCapitals[] = {"O", "I"};
// Words for "number" after a label (Passport No., 여권NO., card_num): never counted either.
inline constexpr std::string_view kNumberWords[] = {"no", "number", "num", "nr", "nbr"};

// Words of a scan's title: a document whose first line holds one ([OCR 변환본], 스캔 문서 -
// 보험금 청구서) is text OCR read off a paper, and a number below it read through a scan's
// letters is taken without a label of its own.
inline constexpr std::string_view kScanTitleWords[] = {"OCR", "스캔", "이미지에서 추출", "이미지 추출",
                                                       "팩스 수신"};
// How far the first line is read for them, in bytes (a title is short).
inline constexpr std::size_t kScanTitleReach = 160;

// The tables by what they label: the ten kinds in EntityKind order (e-mail has none), then
// look-alikes, then company numbers. The base negative cues (cues.hpp) are read with them as
// one more table, kNegativeTable.
inline constexpr std::size_t kLookAlikeTable = 10;
inline constexpr std::size_t kCompanyTable = 11;
inline constexpr std::size_t kNegativeTable = 12;
inline constexpr std::size_t kTableCount = 12;
inline constexpr std::span<const Label> kTables[kTableCount] = {
    kResident, kForeigner, kBusiness, kCard,     kAccount,   kPhone,
    {},        kLicense,   kBirth,    kPassport, kLookAlike, kCompany,
};

}  // namespace norvane::labels
