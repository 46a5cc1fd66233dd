#!/usr/bin/env bash
# Checks the names of every C++ file of the Linux build against .clang-tidy's naming rules (the
# documents' names allowed in form/ and report/ only). Needs the release build's
# compile_commands.json: run after `cmake --preset release`.
# Usage: scripts/check-names.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/release}"

# The Windows edition's sources are not in the Linux build; the fuzz targets are in another.
mapfile -t files < <(git ls-files '*.cpp' | grep -v -e '^win/' -e 'windows' -e '/fuzz/')
# The test programs' commands include GoogleTest's header precompiled by GCC, which clang cannot
# read: clang-tidy takes the commands without it (each test file includes the header itself).
database=$(mktemp -d)
trap 'rm -rf "$database"' EXIT
sed -E 's/ -include [^ ]*cmake_pch\.hxx//g; s/ -Winvalid-pch//g' "$build/compile_commands.json" \
  >"$database/compile_commands.json"
status=0
report=$(printf '%s\n' "${files[@]}" |
  xargs -P "$(nproc)" -n 8 clang-tidy -p "$database" --quiet 2>&1) || status=$?
if [ "$status" -ne 0 ]; then
  grep -E 'error:|warning:' <<<"$report" | sort -u >&2
  echo "Names that break .clang-tidy's rules (above)." >&2
  exit 1
fi
