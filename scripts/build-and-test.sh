#!/usr/bin/env bash
# Installs the packages, builds the optimised and the sanitizer configurations
# and runs every test headless; then the cross builds of the Qt-free part,
# tested under their emulators (scripts/cross-test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc 2>/dev/null || echo 2)
for preset in release sanitize; do
  cmake --preset "$preset" -DPERUKA_WARNINGS_AS_ERRORS=ON
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
bash scripts/cross-test.sh all
