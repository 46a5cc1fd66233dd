#!/usr/bin/env bash
# Builds the Windows setup program and checks, under Wine in a fresh prefix of its own, what an
# administrator deploying it silently and a user get from it:
#   /S /PATH      over another program's file type for .deckplate: the files in
#                 C:\Program Files\DeckPlate, the Start-menu entries, the bay files' type, every
#                 value of the uninstall entry, and a new cmd that finds deckplate-cli and runs it;
#   an update     a newer setup program with /S /DESKTOP /D=C:\Apps\Engineering\DeckPlate (two
#                 folders that do not exist yet): the older version gone from its folder, one
#                 uninstall entry, the newer one's; the PATH entry carried over to the new folder;
#                 the desktop shortcut;
#   uninstalling  with /S: no file, folder, shortcut, PATH entry or uninstall entry left behind,
#                 the other program's file type exactly as it was before the first install, and
#                 the user's settings under HKCU\Software\DeckPlate kept;
#   a folder that was there before and in the PATH (/D=C:\Tools without /PATH), with no file
#                 type before: both stay after the uninstall, and no file type; so too after an
#                 update whose older version's uninstaller had been deleted;
#   a system PATH too long for the setup program to rewrite whole is left as it was, and a file
#                 type taken over by another program after the install stays after the uninstall.
# The prefix is removed at the end. Usage: packaging/test_windows_setup.sh BUILD_DIR (the windows
# preset's, with deckplate and deckplate-cli built)
set -euo pipefail
build="$(cd "${1:?usage: packaging/test_windows_setup.sh BUILD_DIR}" && pwd)"
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
export LC_ALL=C.UTF-8  # Chinese file names pass between Linux and Windows unchanged

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
libcsv_package="$(sed -n 's/^DECKPLATE_LIBCSV_PACKAGE:PATH=//p' "$build/CMakeCache.txt")"
minizip_package="$(sed -n 's/^DECKPLATE_MINIZIP_PACKAGE:PATH=//p' "$build/CMakeCache.txt")"
setup="$build/deckplate-$version-windows-x64-setup.exe"
rm -f "$setup"
(cd "$build" && cpack -G NSIS >cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
echo "built $setup"

fail() { echo "setup test: $*" >&2; exit 1; }

grep -qaF 'level="requireAdministrator"' "$setup" ||
  fail "the setup program's manifest does not ask for administrator rights"

work="$(mktemp -d)"
wine64=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver
export WINEPREFIX="$work/prefix" WINEDEBUG=-all DISPLAY=
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT

# The newer version: this build, packed under the next patch number while the prefix boots.
IFS=. read -r major minor patch <<<"$version"
newer="$major.$minor.$((patch + 1))"
cat >"$work/newer.cmake" <<EOF
include("$build/CPackConfig.cmake")
set(CPACK_PACKAGE_VERSION $newer)
set(CPACK_PACKAGE_FILE_NAME deckplate-$newer-windows-x64)
EOF
(cd "$build" && cpack --config "$work/newer.cmake" -G NSIS -B "$work/newer" >"$work/cpack.log" 2>&1) &
packing=$!
newer_setup="$work/newer/deckplate-$newer-windows-x64-setup.exe"

"$source_dir/cmake/windows/wine_prefix.sh" boot "$wine64" "$wineserver"
wait $packing || { cat "$work/cpack.log"; exit 1; }

wine() { timeout 60 "$wine64" "$@"; }
drive_c="$WINEPREFIX/drive_c"
start_menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/平台钢铺板计算"
desktop_shortcut="$drive_c/users/Public/Desktop/平台钢铺板计算.lnk"
environment='HKLM\System\CurrentControlSet\Control\Session Manager\Environment'
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
classes='HKLM\Software\Classes'

system_path() {
  wine reg query "$environment" /v PATH | tr -d '\r' | sed -n 's/^ *PATH *REG_EXPAND_SZ *//p'
}
# A registry key as .reg text in UTF-8 (reg query writes Chinese as "?"); nothing when missing.
exported() {
  rm -f "$work/exported.reg"
  wine reg export "$1" "Z:${work//\//\\}\\exported.reg" /y >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$work/exported.reg" | tr -d '\r' | sed '1,2d'
}
uninstall_entries() { exported "$uninstall"; }
# The bay files' type: the extension's key and the type's own.
file_type() { exported "$classes\.deckplate" && exported "$classes\DeckPlate.Bay"; }
# Waits until the uninstaller is done: it runs from a copy of itself in TEMP and returns at
# once; the copy removes the uninstall entry last.
wait_for_uninstall() {
  for _ in $(seq 1 100); do
    grep -q 'Uninstall\\DeckPlate\]$' <<<"$(uninstall_entries)" || return 0
    sleep 0.2
  done
}
installed_files() { (cd "$1" && find . -type f | LC_ALL=C sort); }
shortcut_target() { strings -a "$1" | grep -x '[A-Z]:\\.*' | tail -n 1; }

# check_installed VERSION FOLDER CREATED: the files, the Start-menu entries, the bay files' type
# and the one uninstall entry of VERSION in FOLDER, installed with /PATH into a folder whose
# outermost new one was CREATED.
check_installed() {
  local version=$1 folder=$2 on_linux reg_folder entries size
  on_linux="$drive_c/${folder#C:\\}"
  on_linux="${on_linux//\\//}"
  reg_folder="${folder//\\/\\\\}"  # a .reg file doubles each backslash
  diff -u - <(installed_files "$on_linux") <<FILES ||
./LICENSE.txt
./THIRD-PARTY.txt
./deckplate-cli.exe
./deckplate.exe
./example_schedule.csv
./libcsv.dll
./libcsv/COPYING.LESSER.txt
$(cd "$libcsv_package" && LC_ALL=C ls libcsv_* | sed 's|^|./libcsv/|')
$(cd "$minizip_package" && LC_ALL=C ls minizip_* | sed 's|^|./minizip/|')
./uninstall.exe
./使用说明.txt
FILES
    fail "the files in $folder differ from the expected ones (- expected, + installed)"
  [ "$(shortcut_target "$start_menu/平台钢铺板计算.lnk")" = "$folder\\deckplate.exe" ] ||
    fail "the Start-menu entry 平台钢铺板计算 does not start $folder\\deckplate.exe"
  [ -f "$start_menu/使用说明.lnk" ] || fail "the Start menu has no entry 使用说明"
  diff -u - <(file_type) <<TYPE ||
[HKEY_LOCAL_MACHINE\\Software\\Classes\\.deckplate]
@="DeckPlate.Bay"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\.deckplate\\OpenWithProgids]
"DeckPlate.Bay"=""
"Other.Viewer.File"=""

[HKEY_LOCAL_MACHINE\\Software\\Classes\\DeckPlate.Bay]
@="平台钢铺板计算文件"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\DeckPlate.Bay\\DefaultIcon]
@="$reg_folder\\\\deckplate.exe,0"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\DeckPlate.Bay\\shell]

[HKEY_LOCAL_MACHINE\\Software\\Classes\\DeckPlate.Bay\\shell\\open]

[HKEY_LOCAL_MACHINE\\Software\\Classes\\DeckPlate.Bay\\shell\\open\\command]
@="\\"$reg_folder\\\\deckplate.exe\\" \\"%1\\""

TYPE
    fail "the bay files' type differs from the expected one (- expected, + written)"

  entries="$(uninstall_entries)"
  [ "$(grep -c '^"DisplayName"="平台钢铺板计算"$' <<<"$entries")" -eq 1 ] ||
    fail "not one uninstall entry of 平台钢铺板计算 but: $entries"
  size=$(($(find "$on_linux" -type f -exec cat {} + | wc -c) / 1024))  # Explorer's estimate, KB
  diff -u - <(sed -n '/\\Uninstall\\DeckPlate\]$/,/^$/p' <<<"$entries" | sed '/^$/d') <<ENTRY ||
[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\DeckPlate]
"CreatedFolder"="${3//\\/\\\\}"
"DisplayIcon"="$reg_folder\\\\deckplate.exe"
"DisplayName"="平台钢铺板计算"
"DisplayVersion"="$version"
"EstimatedSize"=dword:$(printf %08x "$size")
"InstallLocation"="$reg_folder"
"NoModify"=dword:00000001
"NoRepair"=dword:00000001
"PathEntry"="$reg_folder"
"Publisher"="The DeckPlate authors"
"QuietUninstallString"="\\"$reg_folder\\\\uninstall.exe\\" /S"
"UninstallString"="\\"$reg_folder\\\\uninstall.exe\\""
ENTRY
    fail "the uninstall entry differs from the expected one (- expected, + written)"
}

path_before="$(system_path)"
# Another program's file type for .deckplate, there before the setup program: the extension
# names it and lists it, and it has our type's very name, its command with %SystemRoot%.
wine reg add "$classes\.deckplate" /ve /d Other.Viewer.File /f >/dev/null
wine reg add "$classes\.deckplate\OpenWithProgids" /v Other.Viewer.File /d '' /f >/dev/null
wine reg add "$classes\DeckPlate.Bay" /ve /d "Another viewer's file" /f >/dev/null
wine reg add "$classes\DeckPlate.Bay\shell\open\command" /ve /t REG_EXPAND_SZ \
  /d '"%SystemRoot%\viewer.exe" "%1"' /f >/dev/null
type_before="$(file_type)"

echo "setup test: /S /PATH installs $version over another program's file type"
wine "$setup" /S /PATH || fail "the setup program with /S /PATH ended with status $?"
check_installed "$version" 'C:\Program Files\DeckPlate' 'C:\Program Files\DeckPlate'
[ ! -e "$desktop_shortcut" ] || fail "a desktop shortcut was made without being chosen"
shown="$(cd "$work" && wine cmd /c deckplate-cli --version | tr -d '\r')" || true
[ "$shown" = "deckplate-cli $version" ] ||
  fail "a new cmd does not run deckplate-cli from the PATH; it says: $shown"

wine reg add 'HKCU\Software\DeckPlate' /v basis /d current /f >/dev/null  # as 设置 → 计算依据 does

nested='C:\Apps\Engineering\DeckPlate'
echo "setup test: $newer with /S /DESKTOP /D=$nested replaces it"
wine "$newer_setup" /S /DESKTOP "/D=$nested" || fail "the newer setup program ended with status $?"
[ ! -e "$drive_c/Program Files/DeckPlate" ] ||
  fail "the update left the older version's folder: $(ls "$drive_c/Program Files/DeckPlate")"
check_installed "$newer" "$nested" 'C:\Apps'
[ "$(tr ';' '\n' <<<"$(system_path)" | grep -ci 'DeckPlate')" -eq 1 ] &&
  tr ';' '\n' <<<"$(system_path)" | grep -qxF "$nested" ||
  fail "after the update the PATH does not hold $nested alone of ours: $(system_path)"
[ "$(shortcut_target "$desktop_shortcut")" = "$nested\deckplate.exe" ] ||
  fail "the desktop shortcut does not start $nested\deckplate.exe"

echo "setup test: the uninstaller with /S removes it"
wine "$nested\uninstall.exe" /S || fail "the uninstaller ended with status $?"
wait_for_uninstall
leftovers=()
for left in "$drive_c/Apps" "$start_menu" "$desktop_shortcut"; do
  [ ! -e "$left" ] || leftovers+=("$left")
done
grep -q 'Uninstall\\DeckPlate\]$' <<<"$(uninstall_entries)" && leftovers+=("its uninstall entry")
[ ${#leftovers[@]} -eq 0 ] || fail "the uninstaller left: ${leftovers[*]}"
diff -u <(echo "$type_before") - <<<"$(file_type)" ||
  fail "the uninstaller did not give back the other program's file type (- before, + left)"
[ "$(system_path)" = "$path_before" ] || fail "the uninstaller left the PATH as: $(system_path)"
grep -q 'REG_SZ *current' <<<"$(wine reg query 'HKCU\Software\DeckPlate' /v basis)" ||
  fail "the uninstaller took the user's settings under HKCU\\Software\\DeckPlate"

echo "setup test: /D=C:\\Tools (there before, in the PATH, no file type), updated, uninstalled"
wine reg delete "$classes\.deckplate" /f >/dev/null
wine reg delete "$classes\DeckPlate.Bay" /f >/dev/null
mkdir "$drive_c/Tools"
path_with_tools="$path_before;C:\Tools"
wine reg add "$environment" /v PATH /t REG_EXPAND_SZ /d "$path_with_tools" /f >/dev/null
wine "$setup" /S '/D=C:\Tools' || fail "the setup program with /D=C:\\Tools ended with status $?"
# The update finds the entry and the file type of a version it cannot uninstall: it must not take
# that version's file type for one that was there before, to be given back.
rm "$drive_c/Tools/uninstall.exe"
wine "$newer_setup" /S || fail "the newer setup program into C:\\Tools ended with status $?"
wine 'C:\Tools\uninstall.exe' /S || fail "the uninstaller in C:\\Tools ended with status $?"
wait_for_uninstall
[ "$(system_path)" = "$path_with_tools" ] ||
  fail "installing into C:\\Tools and uninstalling changed the PATH to: $(system_path)"
[ -d "$drive_c/Tools" ] && [ -z "$(ls -A "$drive_c/Tools")" ] ||
  fail "the uninstaller did not leave C:\\Tools as it was before"
[ -z "$(file_type)" ] || fail "with no file type before, the uninstaller left: $(file_type)"

echo "setup test: a PATH too long to rewrite whole is left alone"
long_path="$path_before$(printf ';C:\\Tools\\%04d' $(seq 1 100))"
wine reg add "$environment" /v PATH /t REG_EXPAND_SZ /d "$long_path" /f >/dev/null
wine "$setup" /S /PATH || fail "the setup program with a long PATH ended with status $?"
[ "$(system_path)" = "$long_path" ] ||
  fail "the setup program changed a PATH of ${#long_path} characters to: $(system_path)"

echo "setup test: .deckplate taken over by another program after the install, and uninstalling"
wine reg add "$classes\.deckplate" /ve /d Later.Viewer.File /f >/dev/null
wine 'C:\Program Files\DeckPlate\uninstall.exe' /S || fail "the uninstaller ended with status $?"
wait_for_uninstall
[ "$(file_type)" = '[HKEY_LOCAL_MACHINE\Software\Classes\.deckplate]
@="Later.Viewer.File"' ] ||
  fail "the uninstaller did not leave .deckplate to the program that took it over: $(file_type)"
[ "$(system_path)" = "$long_path" ] ||
  fail "the uninstaller changed a PATH of ${#long_path} characters to: $(system_path)"

echo "setup test: passed ($(du -k "$setup" | cut -f1) KB)"
