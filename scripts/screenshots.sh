#!/usr/bin/env bash
# Renders every tab of the window with the example job loaded, offscreen at 1280x800, to
# build/screenshots/, so the look can be reviewed without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

install_missing_packages "${VEXLIN_PACKAGES[@]}"
build_project
mkdir -p build/screenshots
QT_QPA_PLATFORM=offscreen build/tests/ui/vexlin-screenshots examples build/screenshots
ls build/screenshots
