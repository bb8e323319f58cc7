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

echo "== Translations: lupdate on the sources changes nothing in translations/"
kept=$(mktemp -d)
cp translations/*.ts "$kept"/
cmake --build build --target update_translations >/dev/null
if ! diff -ru "$kept" translations; then
    cp "$kept"/*.ts translations/
    echo "translations/ misses texts of the sources: run cmake --build build --target update_translations" >&2
    exit 1
fi
rm -r "$kept"
# Every text of every shipped language translated: the live-switch test
# proves every text goes through the translator, this that each has one.
for ts in translations/*.ts; do
    if grep -q 'type="unfinished"' "$ts"; then
        echo "$ts: $(grep -c 'type="unfinished"' "$ts") texts not translated yet" >&2
        exit 1
    fi
done

echo "== Sanitizer build and tests"
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$PWD/tests/ubsan.supp"
build_and_test build-asan -DCMAKE_BUILD_TYPE=Debug -DTS_SANITIZE=ON -DTS_BUILD_BENCH=OFF

echo "== A packager's build without Qt Test, and the fuzzer's build with clang"
cmake -S . -B build-notest -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-notest -j "$jobs"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTS_BUILD_FUZZER=ON \
    -DBUILD_TESTING=OFF -DTS_BUILD_BENCH=ON >/dev/null
cmake --build build-fuzz -j "$jobs"
./build-fuzz/fuzz/fuzz_network -runs=0 fuzz/corpus 2>&1 | tail -1
./build-fuzz/fuzz/fuzz_lesson -runs=0 fuzz/lesson-corpus 2>&1 | tail -1

echo "== Install and package"
bash scripts/check-deps.sh build
bash scripts/check-install.sh build
