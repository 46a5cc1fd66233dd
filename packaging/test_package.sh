#!/usr/bin/env bash
# Packs a built tree into the Debian package and checks what a user gets from it: what lintian,
# Debian's package checker, finds (no error, no warning), the file list, the dependencies, the
# copyright file with every library the programs link, the changelog, the README's links and
# pictures, the menu entry and the bay files' type it opens, the icon sizes, the installed
# deckplate-cli, and both manual pages. Usage: packaging/test_package.sh BUILD_DIR
set -euo pipefail
build="$(cd "${1:?usage: packaging/test_package.sh BUILD_DIR}" && pwd)"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
deb="$build/deckplate_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
echo "built $deb"

fail() { echo "package test: $*" >&2; exit 1; }

# Lintian names the package's faults as Debian sees them; its notes (I:) are listed in
# docs/packaging.md with the reason each stays.
findings="$(lintian --fail-on error,warning "$deb" 2>&1)" ||
  fail "lintian finds errors or warnings in $(basename "$deb"):"$'\n'"$findings"

diff -u - <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort) <<'EOF' ||
./usr/bin/deckplate
./usr/bin/deckplate-cli
./usr/share/applications/deckplate.desktop
./usr/share/doc/deckplate/README.md
./usr/share/doc/deckplate/changelog.gz
./usr/share/doc/deckplate/copyright
./usr/share/doc/deckplate/docs/architecture.md
./usr/share/doc/deckplate/docs/book-word.png
./usr/share/doc/deckplate/docs/book.png
./usr/share/doc/deckplate/docs/engineering-basis.md
./usr/share/doc/deckplate/docs/packaging.md
./usr/share/doc/deckplate/docs/schedule-summary.png
./usr/share/doc/deckplate/docs/schedules.md
./usr/share/doc/deckplate/docs/sizing-dialog.png
./usr/share/doc/deckplate/docs/verification.md
./usr/share/doc/deckplate/docs/window-point-load-150.png
./usr/share/doc/deckplate/docs/window-point-load.png
./usr/share/doc/deckplate/docs/window.png
./usr/share/doc/deckplate/docs/windows-window-144dpi.png
./usr/share/doc/deckplate/docs/windows-window-96dpi.png
./usr/share/doc/deckplate/docs/windows-window-point-load-144dpi.png
./usr/share/doc/deckplate/docs/windows-window-point-load-96dpi.png
./usr/share/doc/deckplate/example_schedule.csv
./usr/share/icons/hicolor/128x128/apps/deckplate.png
./usr/share/icons/hicolor/16x16/apps/deckplate.png
./usr/share/icons/hicolor/24x24/apps/deckplate.png
./usr/share/icons/hicolor/256x256/apps/deckplate.png
./usr/share/icons/hicolor/32x32/apps/deckplate.png
./usr/share/icons/hicolor/48x48/apps/deckplate.png
./usr/share/icons/hicolor/64x64/apps/deckplate.png
./usr/share/icons/hicolor/scalable/apps/deckplate.svg
./usr/share/man/man1/deckplate-cli.1.gz
./usr/share/man/man1/deckplate.1.gz
./usr/share/mime/packages/deckplate.xml
EOF
  fail "the package's file list differs from the expected one (- expected, + packed)"

depends="$(dpkg-deb -f "$deb" Depends)"
for package in libqt6widgets6 libqt6core6 libcsv3 qt6-qpa-plugins; do
  [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
    fail "Depends lacks $package: $depends"
done

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
doc="$root/usr/share/doc/deckplate"
grep -qx 'License: Expat' "$doc/copyright" && grep -q '^ Permission is hereby granted' "$doc/copyright" ||
  fail "the copyright file does not name the MIT (Expat) licence with its text"
# Every library the programs load names its Debian package there, and so does each header-only
# library compiled in.
multiarch="$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
for library in $(objdump -p "$root"/usr/bin/* | sed -n 's/^ *NEEDED *//p' | sort -u); do
  package="$(dpkg -S "*/$multiarch/$library" | sed -n '1s/:.*//p')"
  grep -qw -- "$package" "$doc/copyright" ||
    fail "the copyright file does not name $package, whose $library the programs load"
done
for header_only in nlohmann-json3-dev libcli11-dev; do
  grep -qw -- "$header_only" "$doc/copyright" || fail "the copyright file does not name $header_only"
done
changed="$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version)"
[ "$changed" = "$version" ] ||
  fail "the changelog's latest entry is $changed, not $version: add an entry to packaging/changelog"

# Every relative link and picture of the installed README, and of the documents it links to,
# reaches a file of the package.
while IFS=: read -r document target; do
  [ -z "$target" ] || [ -e "$(dirname "$document")/$target" ] ||
    fail "${document#"$doc"/} links to $target, which the package lacks"
done < <(find "$doc" -name '*.md' -exec grep -o -H ']([^)#:]*[)#]' {} + | sed 's/:](\(.*\).$/:\1/')

desktop-file-validate "$root/usr/share/applications/deckplate.desktop" ||
  fail "the menu entry does not validate"
# Bay files are a type of their own that the menu entry opens, given as the file to open.
share="$root/usr/share"
XDG_DATA_DIRS="$share" update-mime-database "$share/mime"
grep -qx 'application/x-deckplate:\*\.deckplate' "$share/mime/globs" ||
  fail "the MIME database does not give *.deckplate the type application/x-deckplate"
grep -qF '<comment xml:lang="zh_CN">' "$share/mime/application/x-deckplate.xml" ||
  fail "the type application/x-deckplate has no Chinese comment"
update-desktop-database "$share/applications"
grep -qx 'application/x-deckplate=deckplate.desktop;' "$share/applications/mimeinfo.cache" ||
  fail "the menu entry does not open application/x-deckplate"
grep -qx 'Exec=deckplate %f' "$share/applications/deckplate.desktop" ||
  fail "the menu entry does not pass the file to open to deckplate"
for png in "$root"/usr/share/icons/hicolor/*x*/apps/deckplate.png; do
  size="$(basename "$(dirname "$(dirname "$png")")")"
  file "$png" | grep -q "PNG image data, ${size/x/ x }," || fail "$png is not $size: $(file "$png")"
done

cli="$root/usr/bin/deckplate-cli"
[ "$("$cli" --version)" = "deckplate-cli $version" ] || fail "--version says: $("$cli" --version)"
for command in "check --thickness 6 --flat-bar 80x8" "design --top 1"; do
  json="$("$cli" $command --dead 1 --live 2 --span 2000 --spacing 500 --json)"
  [[ "$json" == *"\"version\": \"$version\""* ]] || fail "$command --json has no version $version"
done
status=0
results="$("$cli" batch "$root/usr/share/doc/deckplate/example_schedule.csv")" || status=$?
[ "$status" -eq 1 ] || fail "batch of the example schedule ended with status $status, not 1"
# Under the current basis, the default: the stiffener at 77.66 N/mm², no error, no note.
grep -q $'^Platform A bay 1,.*,current,.*,77\\.66,.*,pass,,,'"$version"$'\r$' <<<"$results" ||
  fail "batch of the example schedule: the first bay's row is wrong: $results"

for page in "$root"/usr/share/man/man1/deckplate{,-cli}.1.gz; do
  warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "man -l $(basename "$page") warns: $warnings"
  [[ "$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page")" == *"DeckPlate $version"* ]] ||
    fail "the manual page $(basename "$page") does not name version $version"
done
echo "package test passed: $(basename "$deb"), Depends: $depends"
