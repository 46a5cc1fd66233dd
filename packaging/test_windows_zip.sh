#!/usr/bin/env bash
# Packs the Windows build into its ZIP and checks what a user gets from it: the file list, the
# quick start and the third-party notice as Notepad needs them (UTF-8 with a byte-order mark,
# CR LF), and two programs that need no DLL but libcsv.dll beside them: each imports system DLLs
# and DLLs of the package only, every one of these named in THIRD-PARTY.txt, whose licence and
# source are there too (the source unpacks to what libcsv.dll was built from); deckplate.exe is
# a GUI program with its icon, manifest and version, deckplate-cli.exe a console program. Last,
# the unpacked deckplate-cli.exe runs under Wine in the prefix of the last test run.
# Usage: packaging/test_windows_zip.sh BUILD_DIR (the windows preset's, after its ctest run)
set -euo pipefail
build="$(cd "${1:?usage: packaging/test_windows_zip.sh BUILD_DIR}" && pwd)"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
libcsv_source="$(sed -n 's/^DECKPLATE_LIBCSV_SOURCE:PATH=//p' "$build/CMakeCache.txt")"
libcsv_package="$(sed -n 's/^DECKPLATE_LIBCSV_PACKAGE:PATH=//p' "$build/CMakeCache.txt")"
minizip_package="$(sed -n 's/^DECKPLATE_MINIZIP_PACKAGE:PATH=//p' "$build/CMakeCache.txt")"
folder="deckplate-${version}-windows-x64"
zip="$build/$folder.zip"
rm -f "$zip"
(cd "$build" && cpack -G ZIP >cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
echo "built $zip"

fail() { echo "ZIP test: $*" >&2; exit 1; }

diff -u - <(unzip -Z1 "$zip" | grep -v '/$' | LC_ALL=C sort) <<FILES ||
$folder/LICENSE.txt
$folder/THIRD-PARTY.txt
$folder/deckplate-cli.exe
$folder/deckplate.exe
$folder/example_schedule.csv
$folder/libcsv.dll
$folder/libcsv/COPYING.LESSER.txt
$(cd "$libcsv_package" && LC_ALL=C ls libcsv_* | sed "s|^|$folder/libcsv/|")
$(cd "$minizip_package" && LC_ALL=C ls minizip_* | sed "s|^|$folder/minizip/|")
$folder/使用说明.txt
FILES
  fail "the ZIP's file list differs from the expected one (- expected, + packed)"

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
unzip -q "$zip" -d "$root"
cd "$root/$folder"

for text in 使用说明.txt THIRD-PARTY.txt; do
  [ "$(head -c 3 "$text" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
    fail "$text does not start with a UTF-8 byte-order mark"
  [ "$(grep -c $'\r$' "$text")" -eq "$(wc -l <"$text")" ] ||
    fail "$text has a line that does not end in CR LF"
done
for words in "$version" 'd:\WExo.txt' '另存为' 'deckplate-cli.exe check'; do
  grep -qF "$words" 使用说明.txt || fail "使用说明.txt does not mention $words"
done

# Besides the DLLs every Windows has, the programs import libcsv.dll, the one DLL that travels
# beside them (libcsv's licence asks for it not to be linked in), and it imports none: MinGW's
# own (libstdc++, libwinpthread, libgcc) must not appear. The notice names each library, and
# libcsv's licence and source are in the folder libcsv.
system_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll"
system_dlls+=" ole32.dll shell32.dll user32.dll uxtheme.dll "
check_imports() {
  local binary=$1 expected=$2 dll others=""
  for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\tDLL Name: //p'); do
    [[ "$system_dlls" == *" ${dll,,} "* ]] || others+=" $dll"
  done
  [ "$others" = "$expected" ] ||
    fail "$binary imports${others:- no DLL} beside the system's, not${expected:- none}"
  for dll in $others; do
    [ -f "$dll" ] || fail "$binary imports $dll, which is not beside it"
    grep -qF "$dll" THIRD-PARTY.txt || fail "$binary imports $dll, which THIRD-PARTY.txt lacks"
  done
}
check_subsystem() {
  grep -q "^Subsystem.*($2)" <<<"$(x86_64-w64-mingw32-objdump -p "$1")" ||
    fail "$1 is not a $2 program"
}
check_imports deckplate.exe ' libcsv.dll'
check_imports deckplate-cli.exe ' libcsv.dll'
check_imports libcsv.dll ''
check_subsystem deckplate.exe 'Windows GUI'
check_subsystem deckplate-cli.exe 'Windows CUI'
for library in libcsv.dll minizip zlib nlohmann-json CLI11 libstdc++ libgcc MinGW-w64 winpthreads; do
  grep -qF "$library" THIRD-PARTY.txt || fail "THIRD-PARTY.txt does not list $library"
done
grep -q 'Version 2.1, February 1999' <<<"$(head -n 2 libcsv/COPYING.LESSER.txt)" ||
  fail "libcsv/COPYING.LESSER.txt is not the LGPL 2.1"
dpkg-source -x libcsv/libcsv_*.dsc "$root/libcsv-source" >"$root/dpkg-source.log" 2>&1 ||
  fail "the libcsv source package does not unpack: $(cat "$root/dpkg-source.log")"
for file in libcsv.c csv.h; do
  cmp -s "$root/libcsv-source/$file" "$libcsv_source/$file" ||
    fail "the libcsv source's $file is not the one libcsv.dll was built from"
done

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
