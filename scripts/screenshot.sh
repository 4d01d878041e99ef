#!/usr/bin/env bash
# Takes screenshots of the calculator under a virtual X server: starts Xvfb,
# runs the program, enters a small data set with real key and mouse events,
# presses the calculate button and captures the window; then opens the graph
# window with Ctrl+G, shows the residuals with Alt+R and both bands with
# Alt+M and Alt+N, types an x into its entry (Alt+X), points at the plot and
# captures both windows side by side.
#
# Usage: scripts/screenshot.sh [peruka-binary] [output.png] [graph-output.png]
# A Windows program (peruka.exe, from the windows preset) runs under wine, in
# the build folder's prefix: scripts/screenshot.sh build/windows/src/app/peruka.exe
# docs/screenshot-windows.png
# Needs: xvfb, xdotool, imagemagick (scripts/install-deps.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."

binary=${1:-build/release/src/app/peruka}
output=${2:-docs/screenshot.png}
graph_output=${3:-docs/screenshot-graph.png}
[ -x "$binary" ] || { echo "no program at $binary: build it first (cmake --preset release && cmake --build --preset release --target peruka)" >&2; exit 1; }
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps.sh" >&2; exit 1; }
done

# Xvfb picks a free display itself and writes its number once it is ready.
displayfile=$(mktemp)
# Wide enough for the graph window beside the centred main window.
Xvfb -displayfd 3 -screen 0 1760x900x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb_pid=$!
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  case $binary in *.exe) wineserver -k 2>/dev/null || true ;; esac
  kill "$xvfb_pid" 2>/dev/null || true
  rm -f "$displayfile"
}
trap cleanup EXIT

for _ in $(seq 200); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$displayfile")"

export LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
case $binary in
  *.exe)
    # shellcheck source=scripts/wine-prefix.sh
    . scripts/wine-prefix.sh
    export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$binary")/../.." && pwd)/wine}
    prepare_wine_prefix
    wine "$binary" &
    ;;
  *) "$binary" & ;;
esac
app_pid=$!

window=
for _ in $(seq 300); do
  window=$(xdotool search --onlyvisible --name '^ペルカ$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 0.5

# The entry box has the focus: x, Enter, y, Enter, ...
xdotool windowfocus --sync "$window"
for value in 1 2.1 2 3.9 3 6.2 4 7.8 5 10.1; do
  xdotool type --delay 20 "$value"
  xdotool key Return
done

# The calculate button: below the columns, in the left half.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" $((WIDTH / 4)) 170 click 1
sleep 0.7

# The window may have grown to the result: read its geometry again.
eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p "$(dirname "$output")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$output"
echo "wrote $output (${WIDTH}x${HEIGHT})"

# The graph window, opened by its keys beside the main window, with the
# residuals shown; both windows in one picture.
xdotool key ctrl+g
graph=
for _ in $(seq 50); do
  graph=$(xdotool search --onlyvisible --name '^グラフ$' 2>/dev/null | head -n 1) && [ -n "$graph" ] && break
  sleep 0.1
done
[ -n "$graph" ] || { echo "the graph window did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$graph"
xdotool key alt+r alt+m alt+n alt+x
xdotool type --delay 20 "2.5"
eval "$(xdotool getwindowgeometry --shell "$graph")"
xdotool mousemove --window "$graph" $((WIDTH * 2 / 3)) $((HEIGHT / 2))
sleep 0.7
# Each window on its own, then side by side on a plain background.
main_part=$(mktemp --suffix=.png) graph_part=$(mktemp --suffix=.png)
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$main_part"
eval "$(xdotool getwindowgeometry --shell "$graph")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$graph_part"
convert "$main_part" -size 12x1 xc:'#c8c8c8' "$graph_part" -background '#c8c8c8' -gravity north +append \
  -bordercolor '#c8c8c8' -border 12 "$graph_output"
rm -f "$main_part" "$graph_part"
echo "wrote $graph_output"
