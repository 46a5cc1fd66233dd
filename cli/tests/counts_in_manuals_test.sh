#!/usr/bin/env bash
# The manuals' counts of checks, verdicts and utilisations against the program's own: how many
# utilisation columns a schedule's results have under each basis, with and without a point load.
# Every count the manuals give ("nine checks", "its six verdicts") must stand in a row of the
# table below, which says which of the program's counts it is; a count no row holds fails, so a
# sentence added later is held too. Every check's key is named in the README.
#   counts_in_manuals_test.sh DECKPLATE_CLI SCHEDULE README CLI_MANUAL WINDOW_MANUAL BASIS_DOC
set -euo pipefail
export LC_ALL=C # offsets and matches byte by byte, whatever the manuals' script
cli=$1 schedule=$2 readme=$3 cli_manual=$4 window_manual=$5 basis_doc=$6

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The check keys of a run: its results' utilisation columns, one a line.
check_keys() {
  "$cli" batch "$schedule" "$@" -o "$tmp/results.csv" >/dev/null 2>&1 || true
  head -n 1 "$tmp/results.csv" | tr -d '\r' | tr ',' '\n' | sed -n 's/^utilisation_//p'
}
keys_current_point=$(check_keys --point-load 1.5)
declare -A count=(
  [current]=$(check_keys | wc -l)
  [legacy]=$(check_keys --basis legacy | wc -l)
  [current_all]=$(wc -l <<<"$keys_current_point")
  [legacy_all]=$(check_keys --basis legacy --point-load 1.5 | wc -l)
  [weld]=$(grep -c '^weld' <<<"$keys_current_point")
)
count[current_point]=$((count[current_all] - count[current]))
count[legacy_point]=$((count[legacy_all] - count[legacy]))
count[current_more]=$((count[current] - count[legacy]))
if [ "${count[legacy]}" -lt 4 ] || [ "${count[current_point]}" -lt 4 ]; then
  fail "the results of $schedule have too few utilisation columns: ${count[*]}"
fi

numbers=(zero one two three four five six seven eight nine ten eleven twelve thirteen fourteen
  fifteen sixteen seventeen eighteen nineteen twenty)
number_word="([0-9]+|$(
  IFS='|'
  echo "${numbers[*]}"
))"
# A number as the manuals write it: a word up to twenty, figures above.
value_of() {
  local i
  [[ $1 =~ ^[0-9]+$ ]] && {
    echo "$1"
    return
  }
  for i in "${!numbers[@]}"; do [ "${numbers[$i]}" != "${1,,}" ] || echo "$i"; done
}

# The text as a reader sees it, one line: a manual page rendered, a Markdown file's lines joined.
as_read() {
  case "$1" in
    *.1.in) LC_ALL=C.UTF-8 MANWIDTH=10000 man -l "$1" ;;
    *) cat "$1" ;;
  esac | tr '\n' ' ' | tr -s ' '
}

# Each row: the file, a phrase with N where a count stands, and which count each N is.
rows=(
  "$readme|the first N checks only|legacy"
  "$readme|its N verdicts \(strength and detailing\)|weld"
  "$readme|[0-9]+ of N checks failed|current_all"
  "$readme|the N verdict texts, the N utilisations|legacy legacy"
  "$readme|its N more checks|current_more"
  "$readme|its N verdicts and N utilisations \(the stiffener's shear|current_point current_point"
  "$readme|adds N verdicts and N utilisations\)|legacy_point legacy_point"
  "$readme|counts all N checks \(N\)|current_all legacy_all"
  "$readme|pass all N checks under the current basis|current"
  "$readme|pass all N checks under the legacy basis|legacy"
  "$readme|point-load case's N checks \(N under the legacy basis\)|current_point legacy_point"
  "$cli_manual|It makes N checks|current"
  "$cli_manual|and N checks: the plate and the stiffener against f|legacy"
  "$cli_manual|\(N under the current basis with the default weld, N under the legacy one; with --point-load its N or N more\)|current legacy current_point legacy_point"
  "$window_manual|with N verdicts \(N under the legacy basis\)|current_point legacy_point"
  "$basis_doc|The case gives N checks of its own under the current basis|current_point"
  "$basis_doc|and N under the legacy basis \(the plate's and the stiffener's strength|legacy_point"
)

for file in "$readme" "$cli_manual" "$window_manual" "$basis_doc"; do
  text=$(as_read "$file")
  held=()  # the byte ranges of the text that rows hold, "start end"
  for row in "${rows[@]}"; do
    IFS='|' read -r row_file phrase which <<<"$row"
    [ "$row_file" = "$file" ] || continue
    pattern=${phrase//N/$number_word}  # a group a count, in the phrase's order
    matches=$(grep -obE "$pattern" <<<"$text" || true)
    [ -n "$matches" ] || {
      fail "$file no longer says \"$phrase\": mend the row"
      continue
    }
    while IFS= read -r match; do
      start=${match%%:*} said=${match#*:}
      held+=("$start $((start + ${#said}))")
      read -ra names <<<"$which"
      [[ $said =~ ^$pattern$ ]]
      for i in "${!names[@]}"; do
        [ "$(value_of "${BASH_REMATCH[$((i + 1))]}")" = "${count[${names[$i]}]}" ] ||
          fail "$file says \"$said\": the program has ${count[${names[$i]}]} (${names[$i]})"
      done
    done <<<"$matches"
  done
  # Every count of checks, verdicts or utilisations must stand in a row's phrase.
  while IFS=: read -r at said; do
    [ -n "$at" ] || continue
    inside=false
    for range in "${held[@]}"; do
      read -r from to <<<"$range"
      [ "$at" -lt "$from" ] || [ "$at" -ge "$to" ] || inside=true
    done
    $inside || fail "$file says \"$said\", a count no row holds to the program: add a row"
  done <<<"$(grep -obiE "\b$number_word( more| other)? (checks|verdicts|verdict texts|utilisations)\b" <<<"$text" || true)"
done

for key in $keys_current_point; do
  grep -qF "\`$key\`" "$readme" || grep -qF "\`point_load_$key\`" "$readme" ||
    fail "the check $key is not named in $readme"
done

[ "$failures" -eq 0 ] || exit 1
echo "the manuals' counts are the program's: ${count[current]} checks (${count[legacy]} legacy)," \
  "${count[current_point]} more with a point load (${count[legacy_point]})"
