#!/usr/bin/env bash
# The manual page and the README against the program's own help, so that neither falls behind
# it: every option that a command's --help lists is in the command's synopsis in the manual page
# (and under its OPTIONS) and in the command's synopsis in the README; every column that
# batch --help lists is under the manual's SCHEDULES and in the README.
#   help_in_manuals_test.sh DECKPLATE_CLI MANUAL_PAGE README
set -euo pipefail
cli=$1 manual=$2 readme=$3

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The manual as a reader sees it, one paragraph a line.
page=$(LC_ALL=C.UTF-8 MANWIDTH=10000 man -l "$manual")
# A section of the rendered page, from its heading to the next.
section() { awk -v name="$1" '/^[A-Z]/ { on = ($0 == name) } on' <<<"$page"; }
synopses=$(section SYNOPSIS)
options_section=$(section OPTIONS)
schedules_section=$(section SCHEDULES)

# A command's synopsis, in the manual or the README; book's refers to check's options, book's and
# batch's to the project options, which have a synopsis of their own.
manual_synopsis() {
  local line
  line=$(grep -E "^ *deckplate-cli $1( |$)" <<<"$synopses" || true)
  [[ "$line" != *"options of check"* ]] || line+=" $(manual_synopsis check)"
  [[ "$line" != *"the project options"* ]] ||
    line+=" $(grep -E '^ *the project options:' <<<"$synopses" || true)"
  echo "$line"
}
readme_synopsis() {
  local line
  line=$(grep -E "^### \`deckplate-cli $1( |\`)" "$readme" || true)
  [[ "$line" != *"<check's options>"* ]] || line+=" $(readme_synopsis check)"
  [[ "$line" != *"[project options]"* ]] ||
    line+=" $(grep -E '^### Project options ' "$readme" || true)"
  echo "$line"
}

# The options of a command's help, one a line with its names: "-o,--output".
options_of() { "$cli" "$1" --help | sed -nE 's/^  (-[^ ]+).*/\1/p'; }

# Whether the text holds the name as a word of its own: --patch is not in --patches.
holds() { [[ "$1" =~ (^|[^a-z_-])$2([^a-z_-]|$) ]]; }
# Whether it holds one of the option's names: a synopsis gives -o for -o,--output.
holds_one() {
  local name
  for name in ${2//,/ }; do holds "$1" "$name" && return 0; done
  return 1
}

for command in check book batch design angles; do
  in_manual=$(manual_synopsis "$command") in_readme=$(readme_synopsis "$command")
  for option in $(options_of "$command"); do
    for name in ${option//,/ }; do
      holds "$options_section" "$name" || fail "$command $name is not under OPTIONS in $manual"
    done
    [ "$option" != "-h,--help" ] || continue # every command has it
    holds_one "$in_manual" "$option" ||
      fail "$command $option is not in the synopsis of $command in $manual"
    holds_one "$in_readme" "$option" ||
      fail "$command $option is not in the README's heading of $command"
  done
done

# "CSV with the columns name, …, stiffener, and optionally basis, point_load, patch"
columns=$("$cli" batch --help | sed -nE 's/.*with the columns (.*)/\1/p' |
  sed 's/and optionally//' | tr -d ',' | tr ' ' '\n' | grep -v '^$')
[ "$(wc -l <<<"$columns")" -ge 11 ] || fail "batch --help lists only these columns: $columns"
for column in $columns; do
  holds "$schedules_section" "$column" || fail "column $column is not under SCHEDULES in $manual"
  grep -qF "\`$column\`" "$readme" || fail "column $column is not in the README"
done

[ "$failures" -eq 0 ] || exit 1
echo "every option and column of the help is in the manual page and the README"
