#!/bin/sh
# Runs a Windows program under wine, on the X server that the test run
# started for it (PERUKA_WINE_DISPLAY, see scripts/cross-test.sh), never on
# the user's own display; without one, wine runs without a display.
if [ -n "${PERUKA_WINE_DISPLAY:-}" ]; then
  DISPLAY=$PERUKA_WINE_DISPLAY
  export DISPLAY
else
  unset DISPLAY
fi
# A test may name another prefix of the build folder (one with other display
# settings, see scripts/wine-prefix.sh).
if [ -n "${PERUKA_WINEPREFIX:-}" ]; then
  WINEPREFIX=$PERUKA_WINEPREFIX
  export WINEPREFIX
fi
exec wine "$@"
