#!/usr/bin/env bash
# Installs what is missing, builds, and opens the window on the bundled example job. Without
# a display it runs the example job with the batch tool and prints its report.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

install_missing_packages "${VEXLIN_PACKAGES[@]}"
build_project
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  # The program reads its default files from the folder it is started in.
  cd examples
  exec ../build/src/vexlin
fi
exec build/src/vexlin-batch --progress examples
