# Sourced by the scripts that run the Windows programs under wine.
# prepare_wine_prefix: makes $WINEPREFIX ready once (wine's first start, which
# takes 20-30 s) and lets the Japanese font names resolve to the IPA fonts, as
# on Linux (regedit reads its files as UTF-16).
prepare_wine_prefix() {
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    local start=$SECONDS
    wineboot --init >/dev/null 2>&1
    wineserver -w
    echo "wine's first start in $WINEPREFIX took $((SECONDS - start)) s"
  fi
  # Applied again whenever the settings changed.
  local fonts="$WINEPREFIX/wine-fonts.reg" wanted
  wanted=$(mktemp)
  { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$(dirname "${BASH_SOURCE[0]}")/../cmake/toolchains/wine-fonts.reg"; } >"$wanted"
  if ! cmp -s "$wanted" "$fonts"; then
    mv "$wanted" "$fonts"
    wine regedit /S "$(winepath -w "$fonts")" >/dev/null 2>&1
    wineserver -w
  fi
  rm -f "$wanted"
}

# prepare_wine_prefix_at_120_ppi: a copy of $WINEPREFIX beside it,
# $WINEPREFIX-120, whose screen has 120 pixels per inch (made again whenever
# the first one's font settings changed).
prepare_wine_prefix_at_120_ppi() {
  local copy="$WINEPREFIX-120"
  if ! cmp -s "$WINEPREFIX/wine-fonts.reg" "$copy/wine-fonts.reg"; then
    wineserver -w
    rm -rf "$copy"
    cp -a "$WINEPREFIX" "$copy"
    WINEPREFIX="$copy" wine regedit /S "$(dirname "${BASH_SOURCE[0]}")/../cmake/toolchains/wine-120-ppi.reg" >/dev/null 2>&1
    WINEPREFIX="$copy" wineserver -w
  fi
}
