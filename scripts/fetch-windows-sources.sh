#!/usr/bin/env bash
# Fetches what the Windows build compiles that Debian ships for Linux only: libcsv's Debian
# source package. The Windows build makes libcsv.dll of it, and both Windows packages carry the
# source package beside the DLL, as libcsv's licence (LGPL-2.1+) asks. It is fetched through a
# private sources file and package index under build/deps/apt, leaving the system's sources
# list alone, kept as fetched in build/deps/libcsv-package (.dsc, .orig.tar.gz, .debian.tar.xz)
# and unpacked with Debian's patches applied to build/deps/libcsv, where the windows preset
# looks for both. Quiet when both are there already. Needs dpkg-dev (scripts/install-deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

package_dir=build/deps/libcsv-package libcsv_dir=build/deps/libcsv
if [ -f "$libcsv_dir/libcsv.c" ] && compgen -G "$package_dir/libcsv_*.dsc" >/dev/null; then
  exit 0
fi

echo "Fetching the libcsv source package for the Windows build into $package_dir"
apt_dir=$PWD/build/deps/apt
rm -rf "$apt_dir" "$package_dir" "$libcsv_dir"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/download"
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
if ! (apt-get "${apt_options[@]}" update &&
  cd "$apt_dir/download" && apt-get "${apt_options[@]}" source --download-only libcsv &&
  dpkg-source -x ./libcsv_*.dsc "$apt_dir/libcsv") >"$log" 2>&1; then
  cat "$log" >&2
  echo "Fetching the libcsv sources failed (log above)" >&2
  exit 1
fi
mv "$apt_dir/libcsv" "$libcsv_dir"
mv "$apt_dir/download" "$package_dir"
