#!/usr/bin/env bash
# Packs a built tree into the Debian package and checks what a user gets from it: what lintian,
# Debian's package checker, finds (no error, no warning), the file list, the dependencies, the
# copyright file and the changelog, the menu entry, the icon sizes, the installed deckplate-cli,
# and both manual pages. Usage: packaging/test_package.sh BUILD_DIR
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
changed="$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version)"
[ "$changed" = "$version" ] ||
  fail "the changelog's latest entry is $changed, not $version: add an entry to packaging/changelog"

desktop-file-validate "$root/usr/share/applications/deckplate.desktop" ||
  fail "the menu entry does not validate"
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
grep -q $'^Platform A bay 1,.*,51\\.34,.*,pass,,'"$version"$'\r$' <<<"$results" ||
  fail "batch of the example schedule: the first bay's row is wrong: $results"

for page in "$root"/usr/share/man/man1/deckplate{,-cli}.1.gz; do
  warnings="$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "man -l $(basename "$page") warns: $warnings"
  [[ "$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page")" == *"DeckPlate $version"* ]] ||
    fail "the manual page $(basename "$page") does not name version $version"
done
echo "package test passed: $(basename "$deb"), Depends: $depends"
