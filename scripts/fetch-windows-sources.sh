#!/usr/bin/env bash
# Fetches what the Windows build compiles that Debian ships for Linux only: the Debian source
# packages of libcsv (the schedule reader) and of minizip (zlib's contrib/minizip, which writes
# the Word book's zip package). The Windows build makes libcsv.dll of the first, and links
# minizip in, with zlib from Debian's libz-mingw-w64-dev; both Windows packages carry each
# source package beside what was built of it, as libcsv's licence (LGPL-2.1+) asks and as the
# notice names minizip's. They are fetched through a private sources file and package index
# under build/deps/apt, leaving the system's sources list alone, kept as fetched in
# build/deps/<name>-package (.dsc, .orig.tar.*, .debian.tar.xz) and unpacked with Debian's
# patches applied to build/deps/<name>, where the windows preset looks for both. Quiet when they
# are all there already. Needs dpkg-dev (scripts/install-deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

# Each source package with a file its unpacked tree must have.
sources=("libcsv libcsv.c" "minizip zip.c")

missing=()
for entry in "${sources[@]}"; do
  read -r name file <<<"$entry"
  if [ ! -f "build/deps/$name/$file" ] || ! compgen -G "build/deps/$name-package/${name}_*.dsc" >/dev/null; then
    missing+=("$name")
  fi
done
[ ${#missing[@]} -gt 0 ] || exit 0

apt_dir=$PWD/build/deps/apt
rm -rf "$apt_dir"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
mirror=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null ||
  true)
. /etc/os-release
cat >"$apt_dir/deb-src.sources" <<SOURCES
Types: deb-src
URIs: ${mirror:-http://deb.debian.org/debian}
Suites: ${VERSION_CODENAME:-bookworm}
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
apt_options=(
  -o "Dir::Etc::sourcelist=$apt_dir/deb-src.sources" -o Dir::Etc::sourceparts=-
  -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
)
log=$apt_dir/fetch.log
apt-get "${apt_options[@]}" update >"$log" 2>&1 || {
  cat "$log" >&2
  echo "Fetching the source packages' index failed (log above)" >&2
  exit 1
}
for name in "${missing[@]}"; do
  package_dir=build/deps/$name-package source_dir=build/deps/$name
  echo "Fetching the $name source package for the Windows build into $package_dir"
  rm -rf "$package_dir" "$source_dir" "$apt_dir/download" "$apt_dir/$name"
  mkdir -p "$apt_dir/download"
  if ! (cd "$apt_dir/download" && apt-get "${apt_options[@]}" source --download-only "$name" &&
    dpkg-source -x "./${name}_"*.dsc "$apt_dir/$name") >>"$log" 2>&1; then
    cat "$log" >&2
    echo "Fetching the $name sources failed (log above)" >&2
    exit 1
  fi
  mv "$apt_dir/$name" "$source_dir"
  mv "$apt_dir/download" "$package_dir"
done
