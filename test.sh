#!/usr/bin/env bash
# Installs what is missing, builds everything (default compiler, warnings as errors), runs every
# test, then the core tests once more under AddressSanitizer and UndefinedBehaviorSanitizer,
# built with clang so that both compilers see every change, and last the browser edition, built
# with Emscripten and tested in headless Chromium against plotwerk-cli.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLOTWERK_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --timeout 600 -j"$jobs"

# A build folder made earlier with another compiler is started afresh (CMake cannot switch).
if [[ -f build-asan/CMakeCache.txt ]] && ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' build-asan/CMakeCache.txt; then
  rm -rf build-asan
fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DPLOTWERK_CORE_ONLY=ON -DPLOTWERK_SANITIZE=ON -DPLOTWERK_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure --timeout 600 -j"$jobs"

scripts/build-web.sh
/usr/bin/python3 tests/web/browser_test.py build-web/site build/cli/plotwerk-cli
