#!/usr/bin/env bash
# Installs what is missing, builds Veltrane and runs every test: once in a
# normal build, once with AddressSanitizer and UndefinedBehaviorSanitizer, and
# the tests that need no Qt once more with ThreadSanitizer; the fuzz targets
# run for a bounded time in between.
# Warnings are errors. Test programs give up the right to set the clock first.
set -euo pipefail
cd "$(dirname "$0")"

./setup.sh

jobs=$(nproc)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANE_WERROR=ON -DVELTRANE_NO_QT=OFF "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

echo "== normal build"
build build
ctest --test-dir build --output-on-failure -j "$jobs"


echo "== fuzzing (libFuzzer, clang, with sanitizers)"
CXX=clang++ build build-fuzz -DVELTRANE_NO_QT=ON -DVELTRANE_SANITIZE=ON -DVELTRANE_FUZZ=ON
fuzz_seconds=${VELTRANE_FUZZ_SECONDS:-30}
fuzz() {  # fuzz TARGET SEED_DIR [SECONDS]: a bounded run from the seeds, into a scratch corpus
  local corpus log status=0
  corpus=$(mktemp -d)
  log=$(mktemp)
  cp -r "$2"/. "$corpus"/
  echo "-- $1"
  "build-fuzz/fuzz/$1" -max_total_time="${3:-$fuzz_seconds}" -max_len=8192 -print_final_stats=1 \
    -artifact_prefix="$corpus/" "$corpus" >"$log" 2>&1 || status=$?
  if [ "$status" -eq 0 ]; then
    tail -n 6 "$log"
  else
    tail -n 60 "$log"  # the report and the input that failed
  fi
  rm -rf "$corpus" "$log"
  return "$status"
}
fuzz page_fuzzer tests/calibration/pages $(( fuzz_seconds * 2 ))
fuzz number_text_fuzzer fuzz/corpus/number_text
fuzz date_time_text_fuzzer fuzz/corpus/date_time_text
fuzz text_split_fuzzer fuzz/corpus/text_split
fuzz url_fuzzer fuzz/corpus/url

echo "== ThreadSanitizer build (the tests that need no Qt)"
build build-tsan -DVELTRANE_NO_QT=ON -DVELTRANE_TSAN=ON
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 ctest --test-dir build-tsan --output-on-failure -j "$jobs"

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
build build-asan -DVELTRANE_SANITIZE=ON
ctest --test-dir build-asan --output-on-failure -j "$jobs"
