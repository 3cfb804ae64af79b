#!/usr/bin/env bash
# Installs what is missing, builds, and runs the bundled example job with the batch tool,
# printing its report.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

install_missing_packages "${VEXLIN_PACKAGES[@]}"
build_project
exec build/src/vexlin-batch --progress examples
