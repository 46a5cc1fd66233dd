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
status=0
report=$(printf '%s\n' "${files[@]}" |
  xargs -P "$(nproc)" -n 8 clang-tidy -p "$build" --quiet 2>&1) || status=$?
if [ "$status" -ne 0 ]; then
  grep -E 'error:|warning:' <<<"$report" | sort -u >&2
  echo "Names that break .clang-tidy's rules (above)." >&2
  exit 1
fi
