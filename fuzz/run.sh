#!/usr/bin/env bash
# Build, replay and run the fuzz targets.
#
#   fuzz/run.sh build                 configure and build with clang (ASan + UBSan + libFuzzer)
#   fuzz/run.sh replay [TARGET...]    run the saved corpora once through the replay drivers
#   fuzz/run.sh run TARGET SECONDS    fuzz one target; new inputs go to the work directory
#   fuzz/run.sh all SECONDS           fuzz every target in turn
#
# Environment: BUILD (build directory, default build/fuzz-clang), CXX_FUZZ (clang++ to use,
# default the newest installed one that has <expected>), WORK (work corpora, default
# $BUILD/work), JOBS (parallel build jobs, default 2), FUZZ_SEED (libFuzzer seed, default 0:
# random).
set -euo pipefail
cd "$(dirname "$0")/.."

TARGETS=(normalize_fuzz detect_fuzz mask_roundtrip_fuzz restore_json_fuzz cue_search_fuzz)
BUILD=${BUILD:-build/fuzz-clang}
WORK=${WORK:-$BUILD/work}
JOBS=${JOBS:-2}

# libstdc++'s std::expected needs a clang that defines __cpp_concepts >= 202002 (clang 19 does;
# Debian's clang 14 and 16 do not).
pick_clang() {
  if [[ -n "${CXX_FUZZ:-}" ]]; then echo "$CXX_FUZZ"; return; fi
  local c
  for c in clang++-21 clang++-20 clang++-19 clang++-18 clang++-17 clang++; do
    if command -v "$c" >/dev/null && echo '#include <expected>
int main() { std::expected<int, int> e{1}; return *e - 1; }' |
      "$c" -std=c++23 -x c++ - -o /dev/null 2>/dev/null; then
      echo "$c"
      return
    fi
  done
  echo "no clang++ with std::expected found (apt-get install clang-19 libclang-rt-19-dev)" >&2
  return 1
}

build() {
  local cxx
  cxx=$(pick_clang)
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER="$cxx" -DNORVANE_FUZZ=ON >/dev/null
  ninja -C "$BUILD" -j"$JOBS" fuzz_targets fuzz_replay
}

# Options shared by every run: a slow input or a memory blow-up counts as a fault.
FUZZ_OPTS=(-timeout=10 -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:symbolize=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

replay() {
  local t
  for t in "${@:-${TARGETS[@]}}"; do
    "$BUILD/fuzz/${t}_replay" "fuzz/corpus/$t"
  done
}

run() {
  local t=$1 secs=$2
  mkdir -p "$WORK/$t" "$WORK/artifacts"
  # New inputs go to the work directory; the saved corpus is only read.
  # FUZZ_SEED fixes libFuzzer's random stream (0, the default, picks one).
  "$BUILD/fuzz/$t" "${FUZZ_OPTS[@]}" -seed="${FUZZ_SEED:-0}" -max_total_time="$secs" \
    -artifact_prefix="$WORK/artifacts/$t-" "$WORK/$t" "fuzz/corpus/$t"
}

case "${1:-}" in
  build) build ;;
  replay) shift; replay "$@" ;;
  run) run "$2" "$3" ;;
  all) for t in "${TARGETS[@]}"; do run "$t" "$2"; done ;;
  *) sed -n '2,12p' "$0"; exit 2 ;;
esac
