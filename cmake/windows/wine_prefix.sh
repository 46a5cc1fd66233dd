#!/usr/bin/env bash
# Gives a ctest run of the Windows build a Wine prefix of its own:
#   wine_prefix.sh boot WINE64 WINESERVER   a fresh prefix at $WINEPREFIX, booted (about 5 s),
#                                           with the window's fonts (wine_fonts.reg)
#   wine_prefix.sh end WINE64 WINESERVER    ends every Windows process of that prefix
# The prefix stays on disk after the run for a look at what happened; the next boot replaces it.
set -euo pipefail
action=$1 wine64=$2 wineserver=$3
: "${WINEPREFIX:?WINEPREFIX names the prefix folder}"

case $action in
boot)
  "$wineserver" -k 2>/dev/null || true # a server left from an interrupted run
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  # Without Wine's .NET and HTML engines, which nothing here needs; booting asks for them.
  if ! WINEDLLOVERRIDES="mscoree,mshtml=" "$wine64" wineboot -i >"$WINEPREFIX.log" 2>&1; then
    cat "$WINEPREFIX.log" >&2
    exit 1
  fi
  "$wine64" regedit /S "Z:$(cd "$(dirname "$0")" && pwd)/wine_fonts.reg"
  ;;
end)
  "$wineserver" -k 2>/dev/null || true
  ;;
*)
  echo "usage: $0 boot|end WINE64 WINESERVER" >&2
  exit 2
  ;;
esac
