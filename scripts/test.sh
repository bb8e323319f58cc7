#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build,
# the same suite under AddressSanitizer and UndefinedBehaviorSanitizer, and
# the install and package checks. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)

build_and_test() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    TS_QUIET_XVFB=1 bash scripts/xrun.sh ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

echo "== Release build and tests"
build_and_test build -DCMAKE_BUILD_TYPE=Release

echo "== Sanitizer build and tests"
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$PWD/tests/ubsan.supp"
build_and_test build-asan -DCMAKE_BUILD_TYPE=Debug -DTS_SANITIZE=ON -DTS_BUILD_BENCH=OFF

echo "== Install and package"
bash scripts/check-install.sh build
