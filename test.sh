#!/usr/bin/env bash
# Builds and runs every test: the formatting check, the release build, the naming rules, the
# Debian package, the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, a
# bounded run of each fuzzer, and the Windows edition, cross-built, tested under Wine and packed
# into its ZIP and its setup program. Exits non-zero on any failure.
#   ./test.sh --quick   the formatting check and the release build's tests only, for day-to-day
#                       work
set -euo pipefail
cd "$(dirname "$0")"

quick=false
case "${1:-}" in
  --quick) quick=true ;;
  "") ;;
  *) echo "usage: ./test.sh [--quick]" >&2; exit 2 ;;
esac

./scripts/install-deps.sh

echo "== Formatting"
scripts/check-format.sh

echo "== Release build and tests"
cmake --preset release >/dev/null
cmake --build --preset release
if $quick; then
  ctest --preset release
  echo "== Quick run passed (the full run adds the naming rules, the Debian package, ASan + UBSan, fuzzing and Windows)"
  exit 0
fi
# The naming rules are checked at the lowest priority while the tests run, most of which leave a
# core idle; their output goes to a log, shown when they fail.
naming_log=build/naming-rules.log
nice -n 19 scripts/check-names.sh build/release >"$naming_log" 2>&1 &
naming=$!
ctest --preset release

echo "== Naming rules (clang-tidy)"
wait "$naming" || {
  cat "$naming_log"
  exit 1
}

echo "== The Debian package"
packaging/test_package.sh build/release

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build (with the fuzz targets) and tests"
cmake --preset asan >/dev/null
cmake --build --preset asan
# The sanitizer tests spend most of their time waiting on the window: the Windows edition is
# built beside them meanwhile, at the lowest priority, so that the window's tests keep their
# pace. Its output goes to a log, shown when it fails.
mkdir -p build
builds_log=build/windows-build.log
(
  scripts/fetch-windows-sources.sh  # the libraries Debian ships for Linux only, as sources
  cmake --preset windows >/dev/null
  nice -n 19 cmake --build --preset windows
) >"$builds_log" 2>&1 &
builds=$!
tests_status=0
ctest --preset asan || tests_status=$?
builds_status=0
wait "$builds" || builds_status=$?
[ "$tests_status" -eq 0 ] || exit "$tests_status"
if [ "$builds_status" -ne 0 ]; then
  cat "$builds_log"
  echo "the Windows edition's build failed (above)" >&2
  exit "$builds_status"
fi

echo "== Fuzzing the number text rules, the whole check, the schedule reader and the bay file reader"
fuzz_seconds="${FUZZ_SECONDS:-15}"
fuzz() {
  local target=$1 name corpus seeds=()
  name="$(basename "$target")"
  corpus="build/asan/corpus/$name"
  mkdir -p "$corpus"
  # A target's seeds/ folder, when it has one, starts its corpus.
  [ -d "$(dirname "$target")/seeds" ] && seeds=("$(dirname "$target")/seeds")
  "build/asan/$target" -max_total_time="$fuzz_seconds" -print_final_stats=0 \
    -artifact_prefix="build/asan/" "$corpus" "${seeds[@]}" 2>&1 | tail -n 1
}
# Two at a time, one a core.
for pair in "calc/fuzz/fuzz_number_text calc/fuzz/fuzz_check" \
  "cli/fuzz/fuzz_batch project/fuzz/fuzz_bay_file"; do
  read -r first second <<<"$pair"
  fuzz "$first" &
  one=$!
  fuzz "$second" &
  two=$!
  wait "$one"
  wait "$two"
done

echo "== Windows edition: tests under Wine, the ZIP and the setup program"
ctest --preset windows
packaging/test_windows_zip.sh build/windows
packaging/test_windows_setup.sh build/windows
echo "== All tests passed"
