#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test, then runs
# the reader fuzz tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

install_missing_packages "${VEXLIN_PACKAGES[@]}"
build_project -DVEXLIN_WERROR=ON
ctest --test-dir build --output-on-failure --timeout 300 -j2

build_sanitized vexlin_fuzz_tests
UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-sanitize -R 'Fuzz\.' --no-tests=error \
  --output-on-failure --timeout 300 -j2
