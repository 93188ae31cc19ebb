"""The thorough mode on a phone's bank and card alerts: the holder's account, whole or partly
masked, between the amount and the balance (잔액) or before the withdrawal (출금), and the
numbers beside them that are no account (approval numbers, references, cheques, payer numbers).
Each group compares the whole outcome."""
import norvane
from norvane import Config, Policy, PolicySet
from thorough_checks import assert_exact_and_reversible, found

LD, EL, TL = "context.letter_distance", "context.extra_label", "context.trailing_label"

FEED = ("[Web발신]\n[KB국민] 12/03 14:22 입금 1,457,600원 홍*동 302-4596-2964-** 잔액 4,200,100원\n"
        "[신한] 출금 50,000원 110-***-123456 잔액 1,200,000원\n"
        "우리 입출금알림 12/04 09:10 1002-345-678901 출금 32,000원 잔액 88,000원\n"
        "[하나] 12/05 입금 200,000원 김민수 352-910234-11307 잔액 2,000,000원\n"
        "[현대카드] 승인 홍*동 12,000원 일시불 12/05 14:22 스타벅스 누적 1,234,000원\n"
        "[현대카드] 승인번호 30412345 12,000원 스타벅스\n"
        "[우리은행] 거래번호 109473132214 잔액 41,400원\n"
        "수표번호 2835294413 입금 63,600원\n"
        "[IBK] CMS 출금 64,500원 납부자번호 0432160696")


def test_accounts_in_a_feed_of_alerts_and_the_numbers_beside_them():
    assert found(FEED, Config.thorough()) == [
        ("bank_account", "302-4596-2964-**", "account.length", [LD, EL, "context.bank_name", TL], []),
        ("bank_account", "110-***-123456", "account.length", ["context.bank_name", TL], []),
        ("bank_account", "1002-345-678901", "account.length", [TL], []),
        ("bank_account", "352-910234-11307", "account.length", [LD, EL, TL], []),
    ]
    # The default settings read none of the accounts (the payer number reads as a landline there).
    assert found(FEED, Config()) == [("phone", "0432160696", "phone.landline", [], [])]


def test_the_balance_reads_an_account_only_when_no_look_alike_label_names_it():
    alerts = [("[KB] 입금 30,000원 홍*동 {} 잔액 4,200,100원", ["302-4596-2964-**"]),
              ("[KB] 입금 30,000원 홍*동 {} 4,200,100원", []),  # no balance: the label is too far
              ("[우리] 거래번호 {} 잔액 41,400원", []),
              ("[우리] {} 잔액 41,400원", ["302-4596-2964-**"])]
    got = []
    for frame, _ in alerts:
        text = frame.format("302-4596-2964-**")
        got.append([f.text(text) for f in norvane.detect(text, Config.thorough()).findings])
    assert got == [expected for _, expected in alerts]
    reasons = {r.reason for r in norvane.detect("[우리] 거래번호 302-4596-2964-** 잔액 41,400원",
                                                 Config.thorough()).rejections}
    assert "look_alike" in reasons


def test_masks_round_trip_on_a_feed_of_alerts():
    assert_exact_and_reversible(FEED)
    out = norvane.mask(FEED, PolicySet(Policy.tokenize()), Config.thorough())
    assert len(out.applied) == 4
    for account in ("302-4596-2964-**", "110-***-123456", "1002-345-678901", "352-910234-11307"):
        assert account not in out.text
    for look_alike in ("109473132214", "2835294413", "0432160696", "30412345"):
        assert look_alike in out.text
