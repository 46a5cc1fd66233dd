#!/usr/bin/env bash
# Packs the Windows build into its ZIP and checks what a user gets from it: the file list, the
# quick start as Notepad needs it (UTF-8 with a byte-order mark, CR LF), and two programs that
# need no DLL beside them: each imports system DLLs only, deckplate.exe is a GUI program with
# its icon, manifest and version, deckplate-cli.exe a console program. Last, the unpacked
# deckplate-cli.exe runs under Wine in the prefix of the last test run.
# Usage: packaging/test_windows_zip.sh BUILD_DIR (the windows preset's, after its ctest run)
set -euo pipefail
build="$(cd "${1:?usage: packaging/test_windows_zip.sh BUILD_DIR}" && pwd)"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
folder="deckplate-${version}-windows-x64"
zip="$build/$folder.zip"
rm -f "$zip"
(cd "$build" && cpack -G ZIP >cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
echo "built $zip"

fail() { echo "ZIP test: $*" >&2; exit 1; }

diff -u - <(unzip -Z1 "$zip" | grep -v '/$' | LC_ALL=C sort) <<FILES ||
$folder/LICENSE.txt
$folder/deckplate-cli.exe
$folder/deckplate.exe
$folder/example_schedule.csv
$folder/使用说明.txt
FILES
  fail "the ZIP's file list differs from the expected one (- expected, + packed)"

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
unzip -q "$zip" -d "$root"
cd "$root/$folder"

[ "$(head -c 3 使用说明.txt | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
  fail "使用说明.txt does not start with a UTF-8 byte-order mark"
[ "$(grep -c $'\r$' 使用说明.txt)" -eq "$(wc -l <使用说明.txt)" ] ||
  fail "使用说明.txt has a line that does not end in CR LF"
for words in "$version" 'd:\WExo.txt' '另存为' 'deckplate-cli.exe check'; do
  grep -qF "$words" 使用说明.txt || fail "使用说明.txt does not mention $words"
done

# The DLLs every Windows has; MinGW's own (libstdc++, libwinpthread, libgcc) must not appear.
system_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll"
system_dlls+=" ole32.dll shell32.dll user32.dll uxtheme.dll "
check_exe() {
  local exe=$1 subsystem=$2 dumped dll
  dumped="$(x86_64-w64-mingw32-objdump -p "$exe")"
  grep -q "^Subsystem.*($subsystem)" <<<"$dumped" || fail "$exe is not a $subsystem program"
  for dll in $(sed -n 's/^\tDLL Name: //p' <<<"$dumped" | tr '[:upper:]' '[:lower:]'); do
    [[ "$system_dlls" == *" $dll "* ]] || fail "$exe imports $dll, which Windows does not have"
  done
}
check_exe deckplate.exe 'Windows GUI'
check_exe deckplate-cli.exe 'Windows CUI'

# deckplate.exe's resources by type: 0e an icon group, 10 the version, 18 the manifest.
resources="$(x86_64-w64-mingw32-objdump -p deckplate.exe |
  sed -n 's/^[0-9a-f]*   Entry: ID: 0x0000\(..\),.*/\1/p')"
for type in 0e 10 18; do
  grep -qx "$type" <<<"$resources" || fail "deckplate.exe has no resource of type 0x$type"
done
strings deckplate.exe | grep -q 'PerMonitorV2' || fail "deckplate.exe's manifest is not DPI aware"
strings -el deckplate.exe | grep -qx "$version" ||
  fail "deckplate.exe's version resource lacks $version"

prefix="$build/wine_prefix"
[ -f "$prefix/system.reg" ] || fail "no Wine prefix at $prefix: run ctest --preset windows first"
export WINEPREFIX="$prefix" WINEDEBUG=-all LC_ALL=C.UTF-8 DISPLAY=
shown="$(timeout 60 /usr/lib/wine/wine64 ./deckplate-cli.exe --version)" ||
  fail "the unpacked deckplate-cli.exe does not run"
/usr/lib/wine/wineserver -k 2>/dev/null || true
[[ "$shown" == *"$version"* ]] || fail "deckplate-cli.exe --version says: $shown"
echo "ZIP test: passed ($(du -k "$zip" | cut -f1) KB)"
