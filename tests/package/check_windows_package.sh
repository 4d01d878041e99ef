#!/usr/bin/env bash
# Checks the Windows installer and the portable zip under wine, in a copy of
# the test run's wine prefix: the package's tables; an install of an older
# version, then of this one, leaving one installation; the files, the
# shortcut and the entry among the installed apps; the installed programs
# run (the worked example; the window opens and closes); an older package
# refused over this one; the uninstall leaving nothing behind; the zip's
# files and its peruka-fit.exe run where they are.
#   check_windows_package.sh BUILD_DIR SOURCE_DIR VERSION E2E_DRIVER
set -euo pipefail
build=$(cd "$1" && pwd) source=$(cd "$2" && pwd) version=$3 driver=$4
msi="$build/peruka-$version.msi"
zip="$build/peruka-$version-windows-x64.zip"
work="$build/package-check"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -n "${PERUKA_WINE_DISPLAY:-}" ]; then export DISPLAY=$PERUKA_WINE_DISPLAY; else unset DISPLAY; fi
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"
[ -f "$build/wine/system.reg" ] || fail "no wine prefix in $build/wine (scripts/cross-test.sh makes it)"
cp -a "$build/wine" "$work/wine"
export WINEPREFIX="$work/wine"
trap 'wineserver -k 2>/dev/null || true' EXIT
user=$(ls "$WINEPREFIX/drive_c/users" | grep -v -x Public | head -n 1)
home="$WINEPREFIX/drive_c/users/$user"
installed="$home/AppData/Local/Programs/Peruka"
shortcut="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/ペルカ.lnk"

# The package's own description.
msiinfo suminfo "$msi" | grep -q "^Author: The Peruka developers" || fail "summary information"
properties=$(msiinfo export "$msi" Property)
for expected in "ProductName	ペルカ (Peruka) $version" "ProductVersion	$version" \
  "UpgradeCode	{9895EB75-EB08-46D2-B3D7-E7068634DFEF}" "Manufacturer	The Peruka developers" \
  "ARPPRODUCTICON	peruka.ico" "ARPHELPLINK	https://peruka.jp/"; do
  grep -q -F "$expected" <<<"$properties" || fail "property missing: $expected"
done
msiinfo export "$msi" Shortcut | grep -q "	ペルカ	" || fail "shortcut table"

# The installed apps' entries for Peruka: "name|version" a line (the
# registry as the wine server has saved it once it has ended).
entries() {
  wineserver -w
  cat "$WINEPREFIX"/system.reg "$WINEPREFIX"/user.reg | awk '
    /^\[/ { inside = index($0, "\\\\Uninstall\\\\{") > 0; name = ""; next }
    inside && /^"DisplayName"=/ { name = $0 }
    inside && /^"DisplayVersion"=/ && name ~ /Peruka/ { print name "|" $0 }'
}

# An older version first, then this one over it: one installation is left.
old="$work/old"
mkdir -p "$old/doc"
cp "$build/windows-package/"{peruka.exe,peruka-fit.exe,peruka.ico} "$old/"
cp "$build/windows-package/doc/"*.{txt,html} "$old/doc/"
(cd "$old" && WINDOWS_LANGUAGE=ja wixl -a x64 -D Version=0.0.1 -o "$work/peruka-0.0.1.msi" "$source/packaging/windows/peruka.wxs")
(cd "$build/windows-package" && WINDOWS_LANGUAGE=ja msibuild "$work/peruka-0.0.1.msi" -i _ForceCodepage.idt)
wine msiexec /i "$(winepath -w "$work/peruka-0.0.1.msi")" /qn || fail "the older package does not install"
[ "$(entries | grep -c .)" = 1 ] || fail "after the older package: $(entries)"
wine msiexec /i "$(winepath -w "$msi")" /qn || fail "the package does not install over the older one"
wineserver -w
[ "$(entries | grep -c .)" = 1 ] || fail "not one installation after the upgrade: $(entries)"
entries | grep -q "\"DisplayVersion\"=\"$version\"" || fail "the installation is not $version: $(entries)"

# The files and the shortcut.
for file in peruka.exe peruka-fit.exe README.txt LICENSE.txt peruka.html peruka-fit.html; do
  [ -f "$installed/$file" ] || fail "not installed: $file"
done
cmp -s "$installed/peruka.exe" "$build/windows-package/peruka.exe" || fail "peruka.exe is not this version's"
[ -f "$shortcut" ] || fail "no Start menu shortcut"

# The installed programs run.
result=$(printf '0\t1\n1\t3\n2\t5\n' | wine "$installed/peruka-fit.exe" -d 1 --pairs - 2>/dev/null | tr -d '\r')
[ "$result" = "$(printf 'y = (2.000000000000000) x^1\n   + (1.000000000000000)')" ] || fail "installed peruka-fit printed: $result"
wine "$driver" "$(winepath -w "$installed/peruka.exe")" --gtest_filter=PerukaProgram.StartsAndEndsWhenClosed \
  >"$work/window.log" 2>&1 || { cat "$work/window.log" >&2; fail "the installed peruka.exe"; }

# An older package does not install over this one.
if wine msiexec /i "$(winepath -w "$work/peruka-0.0.1.msi")" /qn; then fail "the older package installed over $version"; fi
entries | grep -q "\"DisplayVersion\"=\"$version\"" || fail "a downgrade changed the installation: $(entries)"

# The uninstall removes every file, the shortcut, the entry and the settings.
wine msiexec /x "$(winepath -w "$msi")" /qn || fail "the uninstall failed"
wineserver -w
[ ! -e "$installed" ] || fail "left behind: $(ls -A "$installed")"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
[ -z "$(entries)" ] || fail "the entry is left: $(entries)"
! grep -q '^\[Software\\\\Peruka\]' "$WINEPREFIX/user.reg" || fail "the settings key is left"

# The portable zip: its files, and peruka-fit.exe run from where it is.
unzip -q "$zip" -d "$work/portable"
for file in peruka.exe peruka-fit.exe README.txt LICENSE.txt peruka.html peruka-fit.html how-to-run.txt; do
  [ -f "$work/portable/peruka-$version/$file" ] || fail "not in the zip: $file"
done
result=$(printf '0\t1\n1\t3\n2\t5\n' | wine "$work/portable/peruka-$version/peruka-fit.exe" -d 1 --pairs - 2>/dev/null | tr -d '\r')
[ "$result" = "$(printf 'y = (2.000000000000000) x^1\n   + (1.000000000000000)')" ] || fail "the zip's peruka-fit printed: $result"
echo "the installer and the zip of $version work under wine"
