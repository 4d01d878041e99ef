#!/usr/bin/env bash
# Builds the Qt-free part for other platforms and runs its tests there under
# an emulator: qemu-aarch64 for 64-bit Arm Linux, wine for 64-bit Windows.
#   bash scripts/cross-test.sh [windows|aarch64|all]    (default: all)
# Installs nothing: scripts/install-deps.sh brings the cross compilers and the
# emulators. Windows runs both extended backends (its long double is the x87
# format); aarch64 runs the software one.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
# shellcheck source=scripts/wine-prefix.sh
. scripts/wine-prefix.sh
what=${1:-all}

# Wine in the build folder's own prefix (the one the toolchain file names),
# on an X server of its own (the window layer's tests create windows), its
# first start done once before the tests.
xvfb_pid=
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true' EXIT
start_wine() {
  export WINEPREFIX="$PWD/build/$1/wine"
  unset DISPLAY WAYLAND_DISPLAY
  local displayfile
  displayfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
  # The emulator (cmake/toolchains/wine-run.sh) gives it to the programs.
  [ -s "$displayfile" ] && export PERUKA_WINE_DISPLAY=":$(head -n 1 "$displayfile")"
  rm -f "$displayfile"
  prepare_wine_prefix
  # The window's tests run once more on a screen of 120 pixels per inch.
  prepare_wine_prefix_at_120_ppi
}

stop_wine() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
  unset PERUKA_WINE_DISPLAY
}

run() {
  local preset=$1
  shift
  local start=$SECONDS
  cmake --preset "$preset" -DPERUKA_WARNINGS_AS_ERRORS=ON "$@"
  cmake --build --preset "$preset" -j "$jobs"
  local built=$SECONDS
  case $preset in windows*) start_wine "$preset" ;; esac
  local status=0
  # Under wine a test program now and then fails to start at all (no output);
  # a second run tells that from a test that fails.
  local retry=()
  case $preset in windows*) retry=(--repeat until-pass:2) ;; esac
  ctest --preset "$preset" -j "$jobs" "${retry[@]}" || status=$?
  case $preset in windows*) stop_wine ;; esac
  echo "cross-test: $preset built in $((built - start)) s, tested in $((SECONDS - built)) s"
  return $status
}

case $what in
  windows | aarch64 | all) ;;
  *)
    echo "usage: $0 [windows|aarch64|all]" >&2
    exit 64
    ;;
esac

if [ "$what" != aarch64 ]; then
  run windows
  run windows-software
fi
if [ "$what" != windows ]; then
  run aarch64
fi
