#!/usr/bin/env bash
# Installs what is missing, builds twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test in both builds; also builds the program in
# the Release configuration, whose optimiser warns differently, and checks the Debian package
# made from the plain build.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
cmake --build build -j "$jobs" --target all_verify_interface_header_sets
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESTARO_TESTS=OFF -DVESTARO_BENCH=OFF
cmake --build build-release -j "$jobs"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVESTARO_SANITIZE=ON -DVESTARO_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
bash scripts/check-package.sh build

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
