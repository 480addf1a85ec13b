#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once in a normal
# build, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

bash scripts/build.sh build
ctest --test-dir build --output-on-failure

bash scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILLFORM_SANITIZE=ON -DQUILLFORM_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure
