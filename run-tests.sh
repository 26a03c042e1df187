#!/usr/bin/env bash
# Installs what is missing, builds Veltrane and runs every test: once in a
# normal build, once with AddressSanitizer and UndefinedBehaviorSanitizer.
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
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANE_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

echo "== normal build"
build build
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
build build-asan -DVELTRANE_SANITIZE=ON
ctest --test-dir build-asan --output-on-failure -j "$jobs"
