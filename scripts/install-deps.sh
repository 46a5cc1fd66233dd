#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the window need.
# Quiet when everything is already there; uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-dev                      # libFuzzer and the sanitizer runtimes
  qt6-base-dev qt6-translations-l10n         # the window, and Qt's own words in Chinese
  libgtest-dev libgmock-dev libbenchmark-dev # tests and benchmarks
  nlohmann-json3-dev libcli11-dev            # the command-line tool
  libcsv-dev                                 # schedules read by the batch check
  xvfb xauth xdotool x11-utils imagemagick   # window tests and screenshots on a virtual display
  xclip                                      # the random-action test copies result boxes out
  fonts-arphic-uming fonts-wqy-microhei fonts-noto-cjk  # Chinese user-interface fonts
  dpkg-dev file librsvg2-bin                 # the Debian package: dependencies, icon sizes
  desktop-file-utils man-db                  # checks of the menu entry and the manual page
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
