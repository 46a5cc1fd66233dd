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
# The build compiles most files in unity batches, and its commands name the batches: each file a
# batch includes gets the batch's command, so that clang-tidy reads it as a file of its own, under
# its own folder's rules.
each_file() {
  awk '
    function emit(path, command) {
      printf "%s{\n%s,\n%s,\n  \"file\": \"%s\"\n}", separator, directory, command, path
      separator = ",\n"
    }
    /^[[\]]/ { next }
    /^\{/ { directory = command = file = ""; next }
    /"directory":/ { directory = $0; sub(/,$/, "", directory); next }
    /"command":/ { command = $0; sub(/,$/, "", command); next }
    /"file":/ { file = $0; sub(/^[ \t]*"file": "/, "", file); sub(/",?$/, "", file); next }
    /^\}/ {
      if (file !~ /\/Unity\/unity_[0-9]+_cxx\.cxx$/) { emit(file, command); next }
      at = index(command, file)
      while ((getline line < file) > 0) {
        if (line !~ /^#include "/) continue
        source = line; sub(/^#include "/, "", source); sub(/"$/, "", source)
        emit(source, substr(command, 1, at - 1) source substr(command, at + length(file)))
      }
      close(file)
    }
    BEGIN { print "[" } END { print "\n]" }
  ' "$1"
}
# The test programs' commands include GoogleTest's header precompiled by GCC, which clang cannot
# read: clang-tidy takes the commands without it (each test file includes the header itself).
database=$(mktemp -d)
trap 'rm -rf "$database"' EXIT
each_file "$build/compile_commands.json" |
  sed -E 's/ -include [^ ]*cmake_pch\.hxx//g; s/ -Winvalid-pch//g' >"$database/compile_commands.json"
status=0
report=$(printf '%s\n' "${files[@]}" |
  xargs -P "$(nproc)" -n 8 clang-tidy -p "$database" --quiet 2>&1) || status=$?
if [ "$status" -ne 0 ]; then
  grep -E 'error:|warning:' <<<"$report" | sort -u >&2
  echo "Names that break .clang-tidy's rules (above)." >&2
  exit 1
fi
