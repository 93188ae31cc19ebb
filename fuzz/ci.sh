#!/usr/bin/env bash
# CI for the fuzz targets: install clang if missing, build the targets with AddressSanitizer,
# UndefinedBehaviorSanitizer and libFuzzer, replay the saved corpora, then fuzz each target for
# FUZZ_SECONDS (default 60) on the saved corpus plus fresh inputs. Any crash, sanitizer report,
# leak, slow input (over 10 s) or memory blow-up (over 2 GiB) fails the run. Ends with the
# Python-level harness's random driver when the module is importable.
set -uo pipefail
cd "$(dirname "$0")/.."

FUZZ_SECONDS=${FUZZ_SECONDS:-60}
export BUILD=${BUILD:-build/fuzz-ci}
export WORK=${WORK:-$(mktemp -d "${TMPDIR:-/tmp}/norvane-fuzz.XXXXXX")}
TARGETS=(normalize_fuzz detect_fuzz mask_roundtrip_fuzz restore_json_fuzz cue_search_fuzz)

have_expected_clang() {
  local c
  for c in clang++-21 clang++-20 clang++-19 clang++-18 clang++-17 clang++; do
    command -v "$c" >/dev/null || continue
    echo '#include <expected>
extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) {
  std::expected<int, int> e{1};
  return *e - 1;
}' |
      "$c" -std=c++23 -fsanitize=fuzzer,address,undefined -x c++ - -o /dev/null 2>/dev/null && return 0
  done
  return 1
}

# libstdc++ 12's <expected> needs clang 19 here (Debian's clang 14 and 16 lack the concepts
# level it checks for); the libFuzzer runtime comes with libclang-rt.
if ! have_expected_clang || ! command -v cmake >/dev/null || ! command -v ninja >/dev/null; then
  echo "fuzz: installing clang-19, cmake and ninja"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq >/dev/null
  apt-get install -y -qq clang-19 libclang-rt-19-dev cmake ninja-build libssl-dev >/dev/null || true
fi
# Without clang (the package registry unreachable), the saved corpora still run through the
# replay drivers built with g++ and the sanitizers; only the fresh-input fuzzing is skipped.
if ! have_expected_clang; then
  echo "fuzz: no clang with <expected>; replaying the saved corpora with g++ sanitizers only"
  REPLAY=build/fuzz-replay-gcc
  cmake -S . -B "$REPLAY" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNORVANE_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
    >/dev/null && ninja -C "$REPLAY" -j2 fuzz_replay >/dev/null || exit 1
  for t in "${TARGETS[@]}"; do "$REPLAY/fuzz/${t}_replay" "fuzz/corpus/$t" || exit 1; done
  exit 0
fi
# Fixed seeds: a run here replays the random streams that were fuzzed before landing.
export FUZZ_SEED=${FUZZ_SEED:-20261208}
# The JSON reader's header: from the Python package, as the build files look for it.
python3 -c "import nlohmann_json" 2>/dev/null || python3 -m pip install --quiet nlohmann-json || exit 1

echo "fuzz: building in $BUILD"
fuzz/run.sh build >"$WORK/build.log" 2>&1 || { tail -n 50 "$WORK/build.log"; exit 1; }

passed=0
failed=0
step() {
  local name=$1
  shift
  if "$@" >"$WORK/$name.log" 2>&1; then
    passed=$((passed + 1))
    echo "fuzz: $name ok: $(grep -E 'replayed|stat::number_of_executed_units|random driver' "$WORK/$name.log" | tr -s ' ' | tail -n 1)"
  else
    failed=$((failed + 1))
    echo "fuzz: $name FAILED"
    grep -E -A 40 'ERROR: |runtime error|check failed|SUMMARY|Traceback' "$WORK/$name.log" | head -n 80
    ls "$WORK/artifacts" 2>/dev/null | sed 's/^/fuzz: artifact /'
  fi
}

for t in "${TARGETS[@]}"; do
  step "$t-replay" fuzz/run.sh replay "$t"
done
for t in "${TARGETS[@]}"; do
  step "$t-fuzz" fuzz/run.sh run "$t" "$FUZZ_SECONDS"
done
if python3 -c "import norvane" 2>/dev/null; then
  step python-harness python3 fuzz/atheris_harness.py --random --seconds 20 --seed "${HARNESS_SEED:-1208}"
fi

echo "fuzz: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
