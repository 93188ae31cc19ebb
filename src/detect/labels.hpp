#pragma once
// The labels that the label-reading and structure extensions look for beyond the base cue
// tables (cues.hpp): one table per kind, English and abbreviated labels, keys of logs and
// key=value text, Korean variants and bank names. A newcomer finds every label of a kind here.
#include <cstdint>
#include <span>
#include <string_view>

namespace norvane::labels {

// How a label is matched and what it is taken as.
enum Flags : std::uint8_t {
  kPlain = 0,
  kAscii = 1,       // ASCII letters match either case, and no letter may touch either end
  kAdjacent = 2,    // a common word (국민, 우리, 하나): counts only right before the value
  kTrailing = 4,    // only right after the value (880726생)
  kLogKey = 8,      // a key of a log or key=value text: reported as "context.log_key"
  kBank = 16,       // a bank name before an account: reported as "context.bank_name"
  kPersonal = 32,   // a phone label that makes a representative or toll-free number personal
};

struct Label {
  std::string_view word;
  float weight;
  std::uint8_t flags = kPlain;
};

inline constexpr Label kResident[] = {
    {"RRN", 1.0f, kAscii},          {"rrn=", 1.0f, kLogKey},         {"rrn_no", 1.0f, kLogKey},
    {"residentNo", 1.0f, kLogKey},  {"jumin_no", 1.0f, kLogKey},    {"ssn", 1.0f, kAscii | kLogKey},         {"jumin", 1.0f, kAscii | kLogKey},
    {"resident_no", 1.0f, kLogKey}, {"주민 번호", 1.0f},             {"주민등록 번호", 1.0f},
    {"주민", 0.8f},                 {"Resident No", 1.0f, kAscii},   {"Resident Registration", 1.0f, kAscii}, {"Resident ID", 1.0f, kAscii},
    {"Resident Reg", 1.0f, kAscii},  {"National ID", 1.0f, kAscii},
};
inline constexpr Label kForeigner[] = {
    {"외국인 등록번호", 1.0f},  {"외국인번호", 1.0f},         {"ARC", 0.9f, kAscii},
    {"Alien Registration", 1.0f, kAscii}, {"foreigner_no", 1.0f, kLogKey}, {"arc_no", 1.0f, kLogKey},
    {"frn", 1.0f, kAscii | kLogKey}, {"foreignerNo", 1.0f, kLogKey}, {"등록증 번호", 0.8f},
    {"Foreigner ID", 1.0f, kAscii}, {"Foreigner", 1.0f, kAscii}, {"Alien Reg", 1.0f, kAscii}, {"ARC No", 1.0f, kAscii},
};
inline constexpr Label kBusiness[] = {
    {"사업자 번호", 1.0f},        {"사업자 등록번호", 1.0f},        {"BRN", 1.0f, kAscii},
    {"biz_no", 1.0f, kLogKey},   {"business_no", 1.0f, kLogKey},  {"Business Registration", 1.0f, kAscii},
    {"Business No", 1.0f, kAscii}, {"Biz No", 1.0f, kAscii},      {"bizNo", 1.0f, kLogKey},
    {"brn=", 1.0f, kLogKey},       {"등록번호", 0.5f},            {"Tax ID", 1.0f, kAscii},
    {"Business Reg", 1.0f, kAscii}, {"Company Reg", 1.0f, kAscii}, {"사업자 ID", 1.0f},
};
inline constexpr Label kCard[] = {
    {"Card No", 1.0f, kAscii}, {"Card Number", 1.0f, kAscii}, {"card_no=", 1.0f, kLogKey},
    {"card_no", 1.0f, kLogKey}, {"card=", 1.0f, kLogKey},     {"card_number", 1.0f, kLogKey},
    {"카드 번호", 1.0f},        {"결제카드", 1.0f},            {"카드정보", 1.0f},
    {"Card", 0.8f, kAscii},     {"VISA", 0.7f, kAscii},        {"Master", 0.7f, kAscii},
    {"cardNumber", 1.0f, kLogKey}, {"cardNo", 1.0f, kLogKey},   {"pan", 1.0f, kAscii | kLogKey},
};
inline constexpr Label kPhone[] = {
    {"Tel", 1.0f, kAscii},           {"T.", 0.8f, kAscii},        {"M.", 0.8f, kAscii | kPersonal},
    {"Phone", 1.0f, kAscii},         {"Mobile", 1.0f, kAscii | kPersonal}, {"HP", 1.0f, kAscii | kPersonal},
    {"H.P", 1.0f, kAscii | kPersonal}, {"Cell", 1.0f, kAscii | kPersonal}, {"Contact", 0.8f, kAscii},
    {"phone=", 1.0f, kLogKey},       {"tel=", 1.0f, kLogKey},     {"mobile=", 1.0f, kLogKey | kPersonal},
    {"phone_no", 1.0f, kLogKey},     {"hp=", 1.0f, kLogKey | kPersonal},
    {"휴대번호", 1.0f, kPersonal},   {"휴대전화", 1.0f, kPersonal}, {"휴대폰", 1.0f, kPersonal},
    {"핸드폰", 1.0f, kPersonal},     {"연락처", 1.0f, kPersonal},   {"연락번호", 1.0f, kPersonal},
    {"전화 번호", 1.0f},             {"폰번호", 1.0f, kPersonal},   {"자택", 0.8f, kPersonal},
    {"집전화", 1.0f, kPersonal},     {"☎", 0.9f},                  {"📞", 0.9f},
    {"번호로", 0.5f},                {"연락", 0.6f},              {"phoneNumber", 1.0f, kLogKey},
    {"cell=", 1.0f, kLogKey | kPersonal}, {"mobileNo", 1.0f, kLogKey | kPersonal}, {"tel_no", 1.0f, kLogKey},
    {"회신번호", 0.8f},             {"☏", 0.9f},                  {"✆", 0.9f},
};
inline constexpr Label kLicense[] = {
    {"면허 번호", 1.0f},        {"운전면허증", 1.0f},         {"License", 1.0f, kAscii},
    {"Licence", 1.0f, kAscii},  {"license=", 1.0f, kLogKey},  {"license_no", 1.0f, kLogKey},
    {"면허", 0.8f},             {"DL", 0.8f, kAscii},         {"licenseNo", 1.0f, kLogKey},
    {"license_number", 1.0f, kLogKey}, {"dl_no", 1.0f, kLogKey},
};
inline constexpr Label kAccount[] = {
    {"환불계좌", 1.0f},           {"입금계좌", 1.0f},          {"계좌 번호", 1.0f},
    {"급여계좌", 1.0f},           {"accountNo", 1.0f, kLogKey}, {"acct_no", 1.0f, kLogKey},
    {"국민은행", 1.0f, kBank},    {"우리은행", 1.0f, kBank},    {"하나은행", 1.0f, kBank},
    {"기업은행", 1.0f, kBank},    {"농협은행", 1.0f, kBank},    {"신한은행", 1.0f, kBank},
    {"IBK기업", 1.0f, kBank},     {"어디로 보내", 0.8f},        {"은행", 0.9f, kBank},
    {"증권", 0.8f, kBank},         {"account_number", 1.0f, kLogKey}, {"accountNumber", 1.0f, kLogKey},
    {"예금", 0.8f},                {"Bank", 0.9f, kAscii | kBank}, {"통장", 1.0f},
    {"KB", 0.8f, kAscii | kBank | kAdjacent}, {"NH", 0.8f, kAscii | kBank | kAdjacent}, {"카뱅", 0.9f, kBank},
    {"새마을", 0.8f, kBank},
    {"Account", 1.0f, kAscii},    {"Acct", 1.0f, kAscii},      {"account=", 1.0f, kLogKey},
    {"account_no", 1.0f, kLogKey}, {"acct=", 1.0f, kLogKey},   {"bank_account", 1.0f, kLogKey},
    {"NH농협", 0.9f, kBank},      {"농협", 0.9f, kBank},        {"KB국민", 0.9f, kBank},
    {"국민", 0.8f, kBank | kAdjacent}, {"신한", 0.9f, kBank},  {"우리", 0.8f, kBank | kAdjacent},
    {"하나", 0.8f, kBank | kAdjacent}, {"IBK", 0.9f, kBank | kAscii}, {"기업", 0.8f, kBank | kAdjacent},
    {"카카오뱅크", 0.9f, kBank},  {"카카오", 0.7f, kBank | kAdjacent}, {"토스뱅크", 0.9f, kBank},
    {"토스", 0.7f, kBank | kAdjacent}, {"케이뱅크", 0.9f, kBank}, {"새마을금고", 0.9f, kBank},
    {"우체국", 0.8f, kBank | kAdjacent}, {"수협", 0.9f, kBank}, {"신협", 0.9f, kBank},
    {"SC제일", 0.9f, kBank},      {"씨티", 0.9f, kBank},        {"iM뱅크", 0.9f, kBank},
    {"저축은행", 0.9f, kBank},    {"금고", 0.7f, kBank},        {"뱅크", 0.8f, kBank},
    {"부산", 0.7f, kBank | kAdjacent}, {"경남", 0.7f, kBank | kAdjacent}, {"광주", 0.7f, kBank | kAdjacent},
    {"전북", 0.7f, kBank | kAdjacent}, {"제주", 0.7f, kBank | kAdjacent}, {"대구", 0.7f, kBank | kAdjacent},
    {"KDB", 0.9f, kBank | kAscii}, {"산업", 0.7f, kBank | kAdjacent},
};
inline constexpr Label kBirth[] = {
    {"DOB", 1.0f, kAscii},         {"D.O.B", 1.0f, kAscii},       {"Birth", 1.0f, kAscii},
    {"Birthday", 1.0f, kAscii},    {"birth=", 1.0f, kLogKey},     {"dob=", 1.0f, kLogKey},
    {"birth_date", 1.0f, kLogKey}, {"birthdate", 1.0f, kLogKey},  {"생년 월일", 1.0f},
    {"생", 0.9f, kTrailing},       {"태어난", 0.8f},              {"탄생", 0.6f},
    {"B/D", 1.0f, kAscii},         {"birthDate", 1.0f, kLogKey},  {"birthday=", 1.0f, kLogKey},
    {"태어나신", 0.8f},            {"태어", 0.8f},                {"생신", 0.9f},
    {"생년", 0.9f},                {"Date of Birth", 1.0f, kAscii}, {"dateOfBirth", 1.0f, kLogKey},
    {"date_of_birth", 1.0f, kLogKey}, {"birth_dt", 1.0f, kLogKey}, {"bday", 1.0f, kAscii | kLogKey},
    {"년생", 0.9f, kTrailing},     {"출생", 1.0f, kTrailing},
};
inline constexpr Label kPassport[] = {
    {"Passport", 1.0f, kAscii},    {"passport=", 1.0f, kLogKey}, {"passport_no", 1.0f, kLogKey},
    {"여권 번호", 1.0f},           {"PP No", 0.9f, kAscii},      {"pp_no", 1.0f, kLogKey},
    {"passport_number", 1.0f, kLogKey}, {"passportNo", 1.0f, kLogKey}, {"passportNumber", 1.0f, kLogKey},
    {"passport_num", 1.0f, kLogKey}, {"여권정보", 1.0f},
};
// Labels of numbers that look like personal information and are not: a number under one of
// these is a look-alike.
inline constexpr Label kLookAlike[] = {
    {"거래번호", 1.0f},   {"승인번호", 1.0f},    {"예약번호", 1.0f},   {"회원번호", 1.0f},   {"학번", 1.0f},
    {"사번", 1.0f},       {"사원번호", 1.0f},    {"S/N", 1.0f, kAscii}, {"SN", 0.9f, kAscii}, {"제품번호", 1.0f},
    {"order_id", 1.0f, kLogKey}, {"order", 0.9f, kAscii}, {"주문 No", 1.0f}, {"주문", 0.8f, kAdjacent},
    {"영수증", 1.0f},
    {"결제번호", 1.0f},   {"티켓번호", 1.0f},    {"좌석", 0.8f},       {"사건번호", 1.0f},   {"등기번호", 1.0f},
    {"쿠폰", 0.9f},       {"인증번호", 1.0f},    {"학생번호", 1.0f},   {"환자번호", 1.0f},   {"차트번호", 1.0f},
    {"진료번호", 1.0f},   {"수험번호", 1.0f},    {"고객번호", 1.0f},   {"가입번호", 1.0f},   {"ISBN", 1.0f, kAscii},
    {"IP", 1.0f, kAscii}, {"ip=", 1.0f, kLogKey}, {"version", 1.0f, kAscii}, {"ver", 0.9f, kAscii},
    {"버전", 1.0f},       {"build", 1.0f, kAscii}, {"빌드", 1.0f},     {"Serial", 1.0f, kAscii},
    {"txn", 1.0f, kAscii}, {"transaction", 1.0f, kAscii}, {"invoice", 1.0f, kAscii}, {"tracking", 1.0f, kAscii},
    {"request_id", 1.0f, kLogKey}, {"id=", 0.8f, kLogKey}, {"금액", 1.0f},
    {"tid", 1.0f, kAscii | kLogKey}, {"trade_no", 1.0f, kLogKey}, {"serialNo", 1.0f, kLogKey},
    {"serial", 1.0f, kAscii | kLogKey}, {"memberNo", 1.0f, kLogKey}, {"member_id", 1.0f, kLogKey},
    {"uid", 1.0f, kAscii | kLogKey}, {"approval_no", 1.0f, kLogKey}, {"auth_code", 1.0f, kLogKey},
    {"order_no", 1.0f, kLogKey}, {"orderNo", 1.0f, kLogKey}, {"tracking_no", 1.0f, kLogKey},
    {"invoice_no", 1.0f, kLogKey}, {"Booking", 1.0f, kAscii}, {"Reservation", 1.0f, kAscii},
    {"Receipt", 1.0f, kAscii}, {"Approval", 1.0f, kAscii}, {"Member", 0.6f, kAscii},
    {"회원", 0.6f},       {"아이디", 1.0f},      {"user_no", 1.0f, kLogKey},
    {"user_id", 1.0f, kLogKey}, {"userNo", 1.0f, kLogKey}, {"customer_id", 1.0f, kLogKey}, {"cust_no", 1.0f, kLogKey},
    {"거래", 0.6f},       {"txn_id", 1.0f, kLogKey}, {"transaction_id", 1.0f, kLogKey}, {"transactionId", 1.0f, kLogKey},
    {"tx_id", 1.0f, kLogKey}, {"결제 ID", 1.0f},  {"학생증", 1.0f},     {"student_id", 1.0f, kLogKey},
    {"Student", 1.0f, kAscii}, {"예매번호", 1.0f}, {"booking_no", 1.0f, kLogKey}, {"reservation_no", 1.0f, kLogKey},
    {"예약", 0.6f},       {"시리얼", 1.0f},     {"거래 ID", 1.0f},    {"거래ID", 1.0f},       {"수강", 0.6f},       {"재학", 0.6f},
    // Dates that are not birth dates.
    {"배송일", 1.0f}, {"가입일", 1.0f}, {"내원일", 1.0f}, {"결제일", 1.0f}, {"예정일", 1.0f},
    {"주문일", 1.0f}, {"구매일", 1.0f}, {"발급일", 1.0f}, {"접수일", 1.0f}, {"등록일", 1.0f},
    {"만료일", 1.0f}, {"방문일", 1.0f}, {"작성일", 1.0f}, {"입사일", 1.0f}, {"계약일", 1.0f},
    {"가격", 1.0f},       {"합계", 1.0f},        {"원", 0.6f, kTrailing},
};
// Labels of company numbers: call centres, representative and toll-free numbers.
inline constexpr Label kCompany[] = {
    {"상담전화", 1.0f}, {"문의전화", 1.0f}, {"고객상담", 1.0f}, {"수신자부담", 1.0f}, {"무료전화", 1.0f},
    {"대표전화", 1.0f}, {"고객센터", 1.0f}, {"콜센터", 1.0f},   {"대표번호", 1.0f},   {"ARS", 1.0f, kAscii},
    {"무료상담", 1.0f}, {"상담센터", 1.0f}, {"문의처", 0.9f},   {"고객지원", 1.0f},   {"상담실", 1.0f},
    {"안내센터", 1.0f}, {"예약센터", 1.0f}, {"헬프데스크", 1.0f}, {"CS센터", 1.0f},   {"대표", 0.6f},
    {"문의", 0.6f},     {"Call Center", 1.0f, kAscii}, {"Customer Service", 1.0f, kAscii}, {"Help Desk", 1.0f, kAscii},
};

// The tables by what they label: the ten kinds in EntityKind order (e-mail has none), then
// look-alikes, then company numbers. The base negative cues (cues.hpp) are read with them as
// one more table, kNegativeTable.
inline constexpr std::size_t kLookAlikeTable = 10;
inline constexpr std::size_t kCompanyTable = 11;
inline constexpr std::size_t kNegativeTable = 12;
inline constexpr std::size_t kTableCount = 12;
inline constexpr std::span<const Label> kTables[kTableCount] = {
    kResident, kForeigner, kBusiness, kCard, kAccount, kPhone, {}, kLicense, kBirth, kPassport,
    kLookAlike, kCompany,
};

}  // namespace norvane::labels
