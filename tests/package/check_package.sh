#!/usr/bin/env bash
# Builds the Debian package from a finished build and checks it as a user
# would meet it: valid desktop entry and metainfo, lintian without errors,
# the files the install rules name, and the unpacked programs working.
# Usage: check_package.sh CPACK BUILD_DIR SOURCE_DIR
set -euo pipefail
cpack=$1 build=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$source/data/jp.peruka.Peruka.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$build/data/jp.peruka.Peruka.metainfo.xml" || fail "metainfo"

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/peruka_*.deb)

lintian_status=0
lintian --fail-on error "$deb" > "$work/lintian.log" 2>&1 || lintian_status=$?
grep -v "running with root privileges" "$work/lintian.log" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors"

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' | LC_ALL=C sort > "$work/contents"
diff -u "$source/tests/package/contents.txt" "$work/contents" || fail "package contents"

# Besides the libraries: the window's font and Qt's Japanese texts.
depends=$(dpkg-deb -f "$deb" Depends)
for package in fonts-ipafont-gothic qt6-translations-l10n; do
  grep -q "$package" <<< "$depends" || fail "Depends lacks $package: $depends"
done

dpkg-deb -x "$deb" "$work/root"
printf '0\n1\n2\n' > "$work/x"
printf '1\n3\n5\n' > "$work/y"
printf 'y = (2.000000000000000) x^1\n   + (1.000000000000000)\n' > "$work/expected"
"$work/root/usr/bin/peruka-fit" -d 1 "$work/x" "$work/y" > "$work/fit" || fail "peruka-fit exit status"
diff -u "$work/expected" "$work/fit" || fail "peruka-fit output"

# The window starts, and a request to quit ends it with status 0.
QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/peruka" 2> "$work/window.log" &
window=$!
sleep 2
kill -0 "$window" 2> /dev/null || { cat "$work/window.log"; fail "peruka did not stay up"; }
kill -TERM "$window"
status=0
wait "$window" || status=$?
[ "$status" -eq 0 ] || { cat "$work/window.log"; fail "peruka ended with status $status"; }
echo "package checked: $(basename "$deb")"
