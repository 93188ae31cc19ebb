"""Large inputs are worked on without the interpreter lock: threads must see the same results."""

import concurrent.futures as cf

import norvane
from norvane import Policy, PolicySet

LINE = "고객 연락처는 010-1234-5678, 주민번호 880101-1234568, 메일 kim.minsu@example.co.kr 입니다. "


def docs():
    # Each document is far above the size at which the lock is released.
    return [f"문서 {i}: " + LINE * (50 + i) for i in range(24)]


def test_threads_give_the_sequential_results():
    texts = docs()
    policies = PolicySet(Policy.tokenize())
    sequential = [(norvane.detect(t).to_json(), norvane.mask(t, policies).text) for t in texts]

    def work(t):
        out = norvane.mask(t, policies)
        restored = norvane.unmask(out.text, norvane.RestoreMap.from_json(out.restore.to_json()))
        return norvane.detect(t).to_json(), out.text, restored

    with cf.ThreadPoolExecutor(4) as pool:
        results = list(pool.map(work, texts))
    assert [(r[0], r[1]) for r in results] == sequential
    assert [r[2] for r in results] == texts
