#!/usr/bin/env bash
# Fuzzes the network's rules and the lesson loader with libFuzzer for a
# while each (default 60 s) and keeps what it learns in fuzz/corpus and
# fuzz/lesson-corpus. Not part of the test command.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/deps.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTS_BUILD_FUZZER=ON \
    -DBUILD_TESTING=OFF -DTS_BUILD_BENCH=ON >/dev/null
cmake --build build-fuzz --target fuzz_network fuzz_lesson
mkdir -p fuzz/corpus fuzz/lesson-corpus
./build-fuzz/fuzz/fuzz_network -max_total_time="$seconds" -print_final_stats=1 fuzz/corpus
./build-fuzz/fuzz/fuzz_lesson -max_total_time="$seconds" -print_final_stats=1 -dict=fuzz/lesson.dict fuzz/lesson-corpus
