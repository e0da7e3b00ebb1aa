#!/usr/bin/env bash
# Builds the unit and gui tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs them; any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTANDREL_SANITIZE=ON \
    "${launcher[@]}" >/dev/null
# Each test's executable carries the test's name: build those and nothing else.
mapfile -t tests < <(ctest --test-dir build-asan -N -L 'unit|gui' | sed -n 's/^ *Test *#[0-9]*: //p')
cmake --build build-asan -j"$(nproc)" --target "${tests[@]}"
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-asan --output-on-failure --timeout 600 -L 'unit|gui'
