#!/usr/bin/env bash
# The bash completion of q4150cli offers every command, exactly each command's options as its
# usage names them (and each subcommand's, for plant), the values of sheet, format and baud
# options, serial ports, .q4g documents, plant files and the tags of a plant's units.
# Arguments: the completion script, q4150cli.
script=$1 q4150cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/plants" && touch "$work/a.q4g" "$work/b.csv" "$work/tty-link"
"$q4150cli" plant new "$work/plants/works.q4plant" &&
    "$q4150cli" plant add "$work/plants/works.q4plant" "$work/a.q4g" --tag AN-101 2>/dev/null &&
    "$q4150cli" plant add "$work/plants/works.q4plant" "$work/a.q4g" --tag AN-102 2>/dev/null ||
    { echo "FAIL: no plant file made"; exit 1; }
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
commands=$(sed -n 's/^q4150cli \([a-z]*\) .*/\1/p' <<<"$help" | words)
expect "$(echo "$commands help --help --version" | words)" q4150cli ""
for command in $commands; do
    # A command with subcommands ("q4150cli plant new PLANT ...") offers them, then each its options.
    subcommands=$(sed -n "s/^q4150cli $command \([a-z][a-z]*\) .*/\1/p" <<<"$help" | words)
    if [[ -n $subcommands ]]; then
        expect "$(echo "$subcommands --help" | words)" q4150cli "$command" ""
    fi
    for sub in ${subcommands:-""}; do
        usage=$("$q4150cli" "$command" $sub --help | head -1)
        options=$(grep -oE -- '(^|[[ ])--?[a-z][a-z-]*' <<<"$usage" | tr -d '[ ')
        expect "$(echo "$options --help" | words)" q4150cli "$command" $sub -
    done
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
plants|identify --plant ''
plants/works.q4plant|identify --port a --plant plants/
|identify ''
plants|plant status ''
plants|plant verify ''
a.q4g plants|plant add plants/works.q4plant ''
AN-101= AN-102=|plant verify plants/works.q4plant --port ''
AN-102=|plant upload plants/works.q4plant --force --port AN-102
tty-link|plant verify plants/works.q4plant --port AN-101 = tty
$ports|plant verify plants/works.q4plant --port AN-101 =
AN-101=tty-link|plant upload plants/works.q4plant --port AN-101=tty
AN-101 AN-102|verify a.q4g --plant plants/works.q4plant --tag ''
|plant add plants/works.q4plant a.q4g --tag ''
|plant new p.q4plant --name ''
|frobnicate ''
a.q4g plants|check ''
AN-101 AN-102|plant set plants/works.q4plant --tag ''
a.q4g plants|plant set plants/works.q4plant --tag AN-101 --file ''
shared-led|plant add plants/works.q4plant a.q4g --tag AN-9 --ignore sh
long-delay,shared-led|check a.q4g --ignore long-delay,sh
END

# --ignore offers exactly the rules q4150cli check --help lists.
rules=$("$q4150cli" check --help | sed -n '/The rules (/,/^Exit/p' | sed '1d;$d' |
        sed 's/^  *\(error\|warning\|note\)  *//; s/^  *//' | tr ',' ' ' | words)
[[ $(wc -w <<<"$rules") -ge 10 ]] || { echo "FAIL: no rules read from q4150cli check --help"; failed=1; }
expect "$rules" q4150cli check a.q4g --ignore ''
expect "$rules" q4150cli plant set plants/works.q4plant --tag AN-101 --ignore ''
exit $failed
