#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what clang-format (.clang-format at the
# root) makes of it, and names the files. `scripts/check-format.sh --fix` formats them in place.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
  grep -o '^[^:]*\.\(cpp\|h\):' <<<"$report" | sort -u | sed 's/:$//; s/^/  /' >&2
  echo "These files are not formatted as .clang-format says;" \
    "scripts/check-format.sh --fix formats them." >&2
  exit 1
fi
