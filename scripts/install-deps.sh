#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the window need, and fetches the
# libcsv sources the Windows build compiles. Quiet when everything is already there; uses sudo
# when not run as root.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-dev                      # libFuzzer and the sanitizer runtimes
  clang-format clang-tidy                    # the formatting check and the naming rules
  qt6-base-dev qt6-translations-l10n         # the window, and Qt's own words in Chinese
  libgtest-dev libgmock-dev libbenchmark-dev # tests and benchmarks
  nlohmann-json3-dev libcli11-dev            # the command-line tool
  libcsv-dev                                 # schedules read by the batch check
  xvfb xauth xdotool x11-utils imagemagick   # window tests and screenshots on a virtual display
  xclip                                      # the random-action test copies result boxes out
  fonts-arphic-uming fonts-wqy-microhei fonts-noto-cjk  # Chinese user-interface fonts
  dpkg-dev file librsvg2-bin                 # the Debian package: dependencies, icon sizes
  desktop-file-utils man-db                  # checks of the menu entry and the manual page
  g++-mingw-w64-x86-64-posix googletest      # the Windows edition, cross-built with its tests
  wine64 wine                                # runs the Windows tests
  chromium poppler-utils                     # the calculation book printed and read back
  unzip                                      # the Windows ZIP's test unpacks it
  nsis                                       # makensis builds the Windows setup program
  lintian                                    # Debian's package checker, in the package test
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  # Other builds on a shared machine may hold the package lock for a while: wait for it.
  $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
    --no-install-recommends "${missing[@]}"
fi

# libcsv for the Windows build: Debian has no MinGW build of it, so the Windows build compiles
# Debian's own source package (with Debian's patches applied). It is fetched through a private
# sources file and package index under build/deps/, leaving the system's sources list alone, and
# unpacked to build/deps/libcsv, where the windows preset looks for it.
libcsv_dir=build/deps/libcsv
[ -f "$libcsv_dir/libcsv.c" ] && exit 0

echo "Fetching the libcsv source package for the Windows build into $libcsv_dir"
apt_dir=$PWD/build/deps/apt
rm -rf "$apt_dir" "$libcsv_dir"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/download"
mirror=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null ||
  true)
. /etc/os-release
cat >"$apt_dir/deb-src.sources" <<EOF
Types: deb-src
URIs: ${mirror:-http://deb.debian.org/debian}
Suites: ${VERSION_CODENAME:-bookworm}
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
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
