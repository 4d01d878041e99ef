#!/usr/bin/env bash
# Installs the packages, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release -j "$(nproc 2>/dev/null || echo 2)" --target peruka
exec ./build/release/src/app/peruka "$@"
