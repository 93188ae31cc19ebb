"""The thorough mode on what stands beside a person's number or in place of one and is no person's:
an amount or another number after a partly masked card (the card ends at its last group), an
organisation's line right after its name or desk, an account an organisation is said to hold,
and a company's shared mailboxes. Each group compares the whole outcome; the people's own
numbers beside them stay values."""
import pytest

from thorough_checks import (assert_exact_and_reversible, assert_masks_keep_vetoed, found_thorough as found,
                            vetoed_thorough as rejected)

LD = ["context.letter_distance"]
APART = "card.masked_before_more"
AMOUNT = "context.run_before_amount"


def card(number, rule, extensions):
    return ("credit_card", number, rule, extensions)


# The document, what thorough finds in it, and the look-alikes it vetoes with their reasons.
MASKED_CARDS = [
    # A partly masked card ends at its last group, whatever number follows after a space: an
    # amount, a count of months, a bare figure. Its masks leave no check digit to refuse more.
    ("결제: 5214-87**-****-0803 253,500원 승인 19240175",
     [card("5214-87**-****-0803", "card.masked_groups", ["card.masked_groups"] + LD + [APART])], {}),
    ("결제카드 5214 87** **** 0803 3개월 할부",
     [card("5214 87** **** 0803", "card.masked_groups", ["card.masked_groups", "context.extra_label", APART])], {}),
    ("카드 3728-35****-*3959 12,000원 일시불\n카드번호 3411-4024**-**917 5 결제",
     [card("3728-35****-*3959", "card.luhn", LD + [APART]), card("3411-4024**-**917", "card.luhn", LD + [APART])],
     {}),
    ("카드 5214-87●●-●●●●-0803 64,000원", [card("5214-87●●-●●●●-0803", "card.luhn", LD + [APART])], {}),
    # A masked account before an amount is read apart from it as a whole one is.
    ("환불 계좌 국민 123-45**-6789 50,000원 입금 예정",
     [("bank_account", "123-45**-6789", "account.length",
       ["context.bank_name", "context.extra_label", AMOUNT])], {}),
    # A card in clear was already read apart by its check digit; an approval number after a word
    # was never joined.
    ("카드 5214-8712-3456-0803 253,500원", [card("5214-8712-3456-0803", "card.luhn", LD + [AMOUNT])], {}),
    ("카드 5214-87**-****-0803 승인 19240175",
     [card("5214-87**-****-0803", "card.masked_groups", ["card.masked_groups"] + LD)], {}),
    # A mobile with x_... right after it: the x is a word's letter, not a mask.
    ("mobile=010-9868-4038 x_forwarded_for=121.35.138.43", [("phone", "010-9868-4038", "phone.mobile_11",
                                                             ["context.log_key"])],
     {"121.35.138.43": "look_alike"}),
]

DOCUMENTS = MASKED_CARDS


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_what_is_no_persons_is_not_reported(text, expected, vetoed):
    assert found(text) == expected
    assert rejected(text) == vetoed
    assert_exact_and_reversible(text)


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_masking_hides_the_values_and_keeps_the_rest(text, expected, vetoed):
    assert_masks_keep_vetoed([(text, expected, vetoed)], [(text, expected)])
