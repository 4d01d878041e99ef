#!/usr/bin/env bash
# Installs every Debian package needed to build, test, benchmark and run Peruka.
# Safe to run again: apt skips what is already installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev libgl-dev libgmp-dev libboost-dev
  fonts-ipafont-gothic fontconfig qt6-translations-l10n
  librsvg2-bin scdoc groff-base man-db desktop-file-utils appstream lintian dpkg-dev
  xvfb xauth imagemagick xdotool x11-utils
  python3 python3-numpy libopenblas0-pthread time
  # Cross builds of the Qt-free part and the emulators that run their tests
  # (the Arm programs run on Debian's arm64 C and C++ libraries, which have
  # glibc's code page 932 module); clang's libFuzzer for the fuzz targets.
  g++-aarch64-linux-gnu qemu-user libc6:arm64 libstdc++6:arm64 g++-mingw-w64-x86-64-posix wine wine64
  # The Windows program's multi-size icon (icotool); its installer (wixl,
  # msiinfo, msibuild), the manual pages in HTML (mandoc), the zip's check.
  icoutils wixl msitools mandoc unzip
  clang libclang-rt-14-dev
)

if [ "${1:-}" = "--minimal" ]; then
  # Build and test only: no screenshot or numpy comparison tools.
  packages=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev googletest
            libbenchmark-dev qt6-base-dev libgl-dev libgmp-dev libboost-dev fonts-ipafont-gothic fontconfig qt6-translations-l10n librsvg2-bin scdoc)
fi

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
# The Arm C library comes from Debian's arm64 archive.
if printf '%s\n' "${packages[@]}" | grep -q ':arm64$' && ! dpkg --print-foreign-architectures | grep -qx arm64; then
  "${sudo_cmd[@]}" dpkg --add-architecture arm64
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
