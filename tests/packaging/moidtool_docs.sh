#!/usr/bin/env bash
# The bash completion and the manual page of moidtool against the program's own --help:
# every subcommand, option and option value (as --format's) that moidtool lists is completed and
# documented, and the completion offers nothing moidtool does not list. Both manual pages
# render without warnings.
# With MOIDVIEW given, every option of moidview --help is in moidview's manual too.
# Usage: moidtool_docs.sh MOIDTOOL SOURCE_DIR [MOIDVIEW]
set -euo pipefail
moidtool=$1
root=$2
moidview=${3:-}
manual=$root/man/moidtool.1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# shellcheck source=/dev/null
source "$root/packaging/moidtool.bash-completion"

# What the completion offers, sorted, for the words after "moidtool" (the last one is the
# word being completed).
offered() {
  COMP_WORDS=(moidtool "$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  _moidtool
  [ ${#COMPREPLY[@]} -eq 0 ] || printf '%s\n' "${COMPREPLY[@]}" | sort
}

# Option names in a usage text: words that start with one or two dashes after a blank,
# a bracket, a bar or a comma.
options_in() {
  { grep -oE '(^|[][ ,|])--?[a-z][a-z0-9-]*' || true; } | sed 's/^[][ ,|]//' | sort -u
}

words() { tr '\n' ' ' <<<"$1"; }

same() {  # what, expected, got
  [ "$2" = "$3" ] || fail "$1: moidtool lists [$(words "$2")], the completion offers [$(words "$3")]"
}

"$moidtool" --help >"$work/help"
commands=$(sed -n 's/^  moidtool \([a-z][a-z-]*\)\( .*\)\{0,1\}$/\1/p' "$work/help" | sort)
[ -n "$commands" ] || fail "no subcommands in moidtool --help"
top_options=$(sed '/^commands:/,$d' "$work/help" | options_in)
same "subcommands" "$(printf '%s\n%s\n' "$commands" "$top_options" | grep . | sort)" "$(offered "")"

for command in $commands; do
  "$moidtool" "$command" --help >"$work/$command.help"
  expected=$( (options_in <"$work/$command.help"; echo --help) | sort -u)
  same "$command options" "$expected" "$(offered "$command" -)"
  grep -q "^\.SS $command\b" "$manual" || fail "the manual has no section for $command"
  for option in $expected; do
    grep -qF -- "${option//-/\\-}" "$manual" || fail "the manual does not mention $command $option"
  done
  # Options with a list of values, as "--format mpcorb|sbdb-json|sbdb-csv".
  while read -r option values; do
    [ -n "$option" ] || continue
    values=$(tr '|' '\n' <<<"$values" | sort)
    same "$command $option values" "$values" "$(offered "$command" "$option" "")"
    for value in $values; do
      grep -qF -- "${value//-/\\-}" "$manual" || fail "the manual does not mention $option $value"
    done
  done < <(grep -oE -- '--[a-z-]+ [a-z0-9-]+(\|[a-z0-9-]+)+' "$work/$command.help" | sort -u)
done

# File names: with blanks, below the current directory, and directories only for --out.
mkdir -p "$work/files/out dir"
touch "$work/files/my catalog.dat" "$work/files/MPCORB.DAT"
cd "$work/files"
same "file names" "$(printf '%s\n' "my catalog.dat")" "$(offered catalog my)"
same "file names after an option" "MPCORB.DAT" "$(offered import --neo MP)"
same "output file" "$(printf '%s\n' "MPCORB.DAT" "my catalog.dat" "out dir" | sort)" \
     "$(offered import x -o "")"
same "directories for --out" "out dir" "$(offered render x --out "")"
same "a value of the user's own" "" "$(offered moid x --body "")"
same "render widths" "$(seq 432 72 1080 | sort)" "$(offered render x --width "")"
same "moid widths from 72" "$(printf '%s\n' 72 720)" "$(offered moid x --width 72)"

if [ -n "$moidview" ]; then
  for option in $("$moidview" --help | options_in); do
    grep -qF -- "${option//-/\\-}" "$root/man/moidview.1" ||
      fail "moidview's manual does not mention $option"
  done
fi

for page in "$root/man/moidview.1" "$manual"; do
  warnings=$(groff -ww -z -man "$page" 2>&1)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done

[ "$failures" -eq 0 ] || exit 1
echo "moidtool completion and manual: $(words "$commands")checked"
