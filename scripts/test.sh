#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

install_missing_packages "${VEXLIN_PACKAGES[@]}"
build_project -DVEXLIN_WERROR=ON
ctest --test-dir build --output-on-failure --timeout 300
