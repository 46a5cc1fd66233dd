#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the window need. Quiet when everything
# is already there; uses sudo when not run as root. The Windows build's library sources are
# fetched by scripts/fetch-windows-sources.sh, only for that build.
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
  libminizip-dev libz-mingw-w64-dev          # the Word book's zip package (Linux, Windows)
  xvfb xauth xdotool x11-utils imagemagick   # window tests and screenshots on a virtual display
  xclip                                      # the random-action test copies result boxes out
  fonts-arphic-uming fonts-wqy-microhei fonts-noto-cjk  # Chinese user-interface fonts
  dpkg-dev file librsvg2-bin                 # the Debian package: dependencies, icon sizes
  desktop-file-utils man-db                  # checks of the menu entry and the manual page
  shared-mime-info                           # the bay files' MIME type, checked in the package
  g++-mingw-w64-x86-64-posix googletest      # the Windows edition, cross-built with its tests
  wine64 wine                                # runs the Windows tests
  chromium poppler-utils                     # the calculation book printed and read back
  libreoffice-writer-nogui libreoffice-math-nogui libxml2-utils  # the Word book opened and read back
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
