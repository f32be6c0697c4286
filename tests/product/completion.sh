#!/usr/bin/env bash
# The bash completion of q4150cli offers every command, exactly each command's options as its
# usage names them, the values of sheet, format and baud options, serial ports, and .q4g files.
# Arguments: the completion script, q4150cli.
script=$1 q4150cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/plants" && touch "$work/a.q4g" "$work/b.csv" "$work/tty-link"
failed=0

# The completions of the command line "$@" (the last word the one being completed), sorted.
complete_line()
{
    (cd "$work" && bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _q4150cli
                           printf "%s\n" "${COMPREPLY[@]}"' complete "$script" "$@") | sort | xargs
}
expect()  # expected, then the command line
{
    local expected=$1; shift
    local got
    got=$(complete_line "$@")
    [[ $got == "$expected" ]] || { echo "FAIL: q4150cli ${*:2} -> \"$got\", expected \"$expected\""; failed=1; }
}
words() { tr ' ' '\n' | sed '/^$/d' | sort -u | xargs; }

help=$("$q4150cli" --help)
commands=$(sed -n 's/^q4150cli \([a-z]*\) .*/\1/p' <<<"$help")
expect "$(echo "$commands help --help --version" | words)" q4150cli ""
for command in $commands; do
    usage=$("$q4150cli" "$command" --help | head -1)
    options=$(grep -oE -- '(^|[[ ])--?[a-z][a-z-]*' <<<"$usage" | tr -d '[ ')
    expect "$(echo "$options --help" | words)" q4150cli "$command" -
done

# Sheet, format and rate values; ports and paths; documents.
ports=$(for p in /dev/ttyS* /dev/ttyUSB* /dev/ttyACM*; do [[ -e $p ]] && echo "$p"; done | words)
while IFS='|' read -r expected line; do
    # shellcheck disable=SC2086  # the line is a word list; an empty last word is written ''
    eval "expect \"$expected\" q4150cli $line"
done <<END
alarm general logical physical|show a.q4g --sheet ''
logical|blocks a.q4g --sheet lo
csv json|export a.q4g --format ''
9600|upload a.q4g --baud 96
$ports|verify a.q4g --port ''
tty-link|download a.q4g --port tty
a.q4g plants|show ''
a.q4g plants|upload a.q4g --backup ''
a.q4g b.csv plants tty-link|import ''
a.q4g b.csv plants tty-link|export a.q4g -o ''
a.q4g plants|diff a.q4g ''
--all|diff a.q4g b.q4g --a
|upload a.q4g --retries ''
|frobnicate ''
END
exit $failed
