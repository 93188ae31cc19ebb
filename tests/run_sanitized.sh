#!/usr/bin/env bash
# The batch tests against an extension built with AddressSanitizer or ThreadSanitizer:
#   bash tests/run_sanitized.sh address|thread [pytest arguments]
# Builds in /tmp/norvane-<sanitizer> (separate from the normal build; NORVANE_SANITIZED_BUILD
# names another directory, for worktrees side by side), preloads the sanitizer
# runtime and libstdc++ (Python links neither; the runtime must come first to intercept C++
# exceptions) and runs the tests on that build. Python's own allocations are not leak-checked.
# polars crashes on import under the ThreadSanitizer runtime; its test is skipped there
# (put a directory whose polars/__init__.py raises ModuleNotFoundError first on PYTHONPATH).
set -euo pipefail
cd "$(dirname "$0")/.."
san="${1:?address or thread}"
shift
build="${NORVANE_SANITIZED_BUILD:-/tmp/norvane-$san}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPython_EXECUTABLE="$(command -v python)" \
  -DCMAKE_CXX_FLAGS="-fsanitize=$san -fno-omit-frame-pointer" -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=$san" >/dev/null
cmake --build "$build" --target norvane -j "$(nproc)" >/dev/null
case "$san" in
  address) runtime="$(gcc -print-file-name=libasan.so)" ;;
  thread) runtime="$(gcc -print-file-name=libtsan.so)" ;;
  *) echo "address or thread" >&2; exit 2 ;;
esac
export PYTHONPATH="$build${PYTHONPATH:+:$PYTHONPATH}"
export LD_PRELOAD="$runtime $(gcc -print-file-name=libstdc++.so.6)"
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" TSAN_OPTIONS="halt_on_error=1:report_signal_unsafe=0"
tests=(tests/test_batch.py tests/test_batch_arrow.py tests/test_batch_properties.py tests/test_batch_interrupt.py)
if [ $# -gt 0 ]; then tests=("$@"); fi
exec python -m pytest -q -p no:cacheprovider "${tests[@]}"
