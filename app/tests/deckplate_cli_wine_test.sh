#!/usr/bin/env bash
# deckplate-cli.exe under Wine, as a script or an engineer at a console sees it.
#   deckplate_cli_wine_test.sh CASE WINE64 DECKPLATE_CLI_EXE EXAMPLE_SCHEDULE
# CASE: exit_statuses, check_text, batch_redirected, chinese_file_names, books_whatever_the_case,
# paths_and_words or console.
# Run by ctest in the Wine prefix of the run (WINEPREFIX) with a UTF-8 locale.
set -euo pipefail
case_name=$1 wine64=$2 cli=$3 schedule=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Runs the program with standard output to out.txt and standard error to err.txt; sets status.
run() {
  status=0
  timeout 60 "$wine64" "$cli" "$@" >out.txt 2>err.txt || status=$?
}

# A bay of the legacy basis, whose numbers stay as they always were.
bay=(--dead 1 --live 2 --thickness 6 --span 2000 --spacing 500 --basis legacy)

# The status and error columns of a results file, one "status,error" per row (the note and
# version columns after them dropped).
statuses() {
  tail -n +2 "$1" | tr -d '\r' | sed -E 's/^.*,(pass|fail|error),(.*),[^,]*,[^,]*$/\1,\2/' |
    paste -sd'|'
}
expected_statuses='pass,|fail,|pass,|error,"line 5: column '"'spacing'"': must be greater than 0 mm, not 0"'

case $case_name in
exit_statuses)
  # Read-only targets, kept as they are.
  echo "read-only" >ro.html
  echo "read-only" >ro.csv
  chmod 444 ro.html ro.csv
  cp "$schedule" schedule.csv
  while IFS='|' read -r expected arguments; do
    # shellcheck disable=SC2086  # the table's arguments are words
    run $arguments
    [ "$status" -eq "$expected" ] || fail "exit status $status, not $expected: $arguments"
  done <<EOF
0|check ${bay[*]} --flat-bar 80x8
1|check ${bay[*]} --angle L25x16x3
2|check --dead 1kN --live 2 --thickness 6 --span 2000 --spacing 500 --flat-bar 80x8
3|check --dead 0 --live 0 --thickness 6 --span 2000 --spacing 500 --flat-bar 80x8 --basis legacy
2|book ${bay[*]} --flat-bar 80x8 -o nul.html
2|book ${bay[*]} --flat-bar 80x8 -o ro.html
2|batch schedule.csv -o ro.csv
EOF
  for file in ro.html ro.csv; do
    [ "$(cat "$file")" = "read-only" ] || fail "the read-only $file was replaced"
  done
  ;;
check_text)
  # Redirected output is the UTF-8 bytes as on Linux: no CR added before LF.
  run check "${bay[@]}" --flat-bar 80x8
  [ "$status" -eq 0 ] || fail "exit status $status"
  if grep -q $'\r' out.txt; then fail "CR in redirected output"; fi
  for line in "  加劲肋强度：51.34 N/mm²" "  组合截面强轴惯性矩：108.76 cm⁴" \
    "  铺板及加劲肋自重：0.6 kN/m²" "钢铺板强度满足要求" "加劲肋挠度满足要求"; do
    grep -Fq "$line" out.txt || fail "no line '$line' in: $(cat out.txt)"
  done
  # A Chinese argument arrives whole and comes back whole in the message.
  run check "${bay[@]}" --angle 角钢L63
  [ "$status" -eq 2 ] || fail "exit status $status for an unknown designation"
  grep -Fq "'角钢L63' is not in the angle catalogue" err.txt || fail "message: $(cat err.txt)"
  ;;
batch_redirected)
  cp "$schedule" schedule.csv
  run batch schedule.csv -o results.csv
  [ "$status" -eq 1 ] || fail "exit status $status with -o"
  run batch schedule.csv
  [ "$status" -eq 1 ] || fail "exit status $status to standard output"
  cmp -s out.txt results.csv || fail "standard output differs from the -o file"
  [ "$(statuses out.txt)" = "$expected_statuses" ] || fail "statuses: $(statuses out.txt)"
  ;;
chinese_file_names)
  cp "$schedule" 平台排表.csv
  run batch 平台排表.csv -o 结果.csv
  [ "$status" -eq 1 ] || fail "exit status $status: $(cat err.txt)"
  if [ ! -f 结果.csv ]; then
    fail "no 结果.csv; the folder holds: $(ls)"
  elif [ "$(statuses 结果.csv)" != "$expected_statuses" ]; then
    fail "statuses in 结果.csv: $(statuses 结果.csv)"
  fi
  ;;
books_whatever_the_case)
  # Names that Windows' disk takes for one file: still one book for each row, none replaced.
  names=(É é Σ σ Ａ ａ)
  {
    echo "name,dead,live,thickness,span,spacing,boundary,stiffener"
    for name in "${names[@]}"; do echo "$name,1,2,6,2000,500,simple,80x8"; done
  } >cases.csv
  run batch cases.csv --books books
  [ "$status" -eq 0 ] || fail "exit status $status: $(cat err.txt)"
  [ "$(ls books | wc -l)" -eq ${#names[@]} ] || fail "books for ${#names[@]} rows: $(ls books)"
  for name in "${names[@]}"; do
    grep -Fqs "构件：$name<" books/* || fail "no book holds row $name: $(ls books)"
  done
  ;;
paths_and_words)
  # A path that begins with / or // is a path, never a Windows-style option ("/data" as an
  # option named data): a Unix path reaches the file through Wine's drive Z:, a server's share
  # is named in the message.
  cp "$schedule" schedule.csv
  run batch "$work/schedule.csv"
  [ "$status" -eq 1 ] || fail "exit status $status for $work/schedule.csv: $(cat err.txt)"
  [ "$(statuses out.txt)" = "$expected_statuses" ] || fail "statuses: $(statuses out.txt)"
  run batch //server/share/s.csv
  [ "$status" -eq 2 ] || fail "exit status $status for //server/share/s.csv"
  grep -Fq "cannot read the schedule '//server/share/s.csv'" err.txt ||
    fail "//server/share/s.csv: $(cat err.txt)"
  # Mistyped words are named as on Linux.
  while IFS='|' read -r message arguments; do
    # shellcheck disable=SC2086  # the table's arguments are words
    run $arguments
    [ "$status" -eq 2 ] || fail "exit status $status, not 2: $arguments"
    [ "$(tr -d '\r' <err.txt)" = "$message" ] || fail "$arguments said: $(cat err.txt)"
  done <<EOF
deckplate-cli: unknown command 'chek'; did you mean check? The commands are check, book, angles, batch, design ('deckplate-cli --help' describes them, 'deckplate-cli COMMAND --help' lists a command's options)|chek
deckplate-cli: check has no option --thicknes; did you mean --thickness? ('deckplate-cli check --help' lists its options)|check --dead 1 --live 2 --thicknes 6 --span 2000 --spacing 500 --flat-bar 80x8
EOF
  ;;
console)
  # In a console window the text goes through WriteConsoleW; UTF-8 bytes written to a console
  # whose code page is not UTF-8 would show as Latin letters instead. script gives the program
  # a terminal, which Wine turns into a console; the escape sequences and CRs of the terminal
  # are stripped before reading.
  screen() {
    timeout 60 script -qec "$(printf '%q ' "$wine64" "$cli" "$@")" /dev/null </dev/null |
      sed -e 's/\x1b\[[0-9;?]*[a-zA-Z]//g' -e 's/\r//g' >screen.txt || true
  }
  screen check "${bay[@]}" --flat-bar 80x8
  grep -Fq "钢铺板强度满足要求" screen.txt || fail "console shows: $(cat screen.txt)"
  screen check "${bay[@]}" --angle 角钢L63
  grep -Fq "'角钢L63' is not in the angle catalogue" screen.txt ||
    fail "console shows: $(cat screen.txt)"
  ;;
*)
  echo "unknown case $case_name" >&2
  exit 2
  ;;
esac

[ "$failures" -eq 0 ] || exit 1
echo "$case_name: passed"
