#!/usr/bin/env bash
# Each program's manual page renders without warnings, shows every synopsis its --help shows
# (for q4150cli each command's usage line), and names every option and command --help names
# (and every rule of q4150cli's set-up checks).
# Arguments: the folder of the manual pages, then the programs.
man_dir=$1; shift
failed=0
fail() { echo "FAIL: $*"; failed=1; }
squeeze() { tr -s ' \t' ' ' | sed 's/^ //; s/ $//'; }

for program in "$@"; do
    name=$(basename "$program")
    page=$man_dir/$name.1
    [[ -f $page ]] || { fail "$name has no manual page $page"; continue; }
    warnings=$(LC_ALL=C MANWIDTH=1000 man --warnings -l "$page" 2>&1 >/dev/null)
    [[ -z $warnings ]] && warnings=$(LC_ALL=C groff -man -ww -z "$page" 2>&1)
    [[ -n $warnings ]] && fail "$name.1 renders with warnings: $warnings"
    # One line a paragraph, so that a synopsis is never broken across lines.
    text=$(LC_ALL=C MANWIDTH=1000 man -l "$page" 2>/dev/null | col -b | squeeze)
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help)

    # Synopses: "usage: NAME ..." with its continuation lines, "       NAME ..." lines after it,
    # and for q4150cli the usage line above each command's description.
    synopses=$(awk -v name="$name" '
        /^usage: / { if (s != "") print s; s = substr($0, 8); inusage = 1; next }
        inusage && $0 ~ "^ +" name " " { print s; s = $0; next }
        inusage && /^ +\[/ { s = s " " $0; next }
        { if (s != "") print s; s = ""; inusage = 0 }
        $0 ~ "^" name " [a-z]" { print substr($0, length(name) + 2) }
        END { if (s != "") print s }' <<<"$help" | squeeze)
    [[ -n $synopses ]] || fail "$name --help shows no usage"
    while IFS= read -r synopsis; do
        grep -Fxq -- "$synopsis" <<<"$text" || fail "$name.1 lacks the line \"$synopsis\""
    done <<<"$synopses"

    # Every option named in the help, and every command.
    for option in $(grep -oE -- '(^|[][ (|,])--?[a-z][a-z-]*' <<<"$help" | sed 's/^[][ (|,]//' | sort -u); do
        grep -Eq -- "(^|[^a-z-])$option([^a-z-]|\$)" <<<"$text" || fail "$name.1 does not name $option"
    done

    # q4150cli: every rule of the set-up checks that check --help lists.
    if [[ $name == q4150cli ]]; then
        rules=$("$program" check --help | sed -n '/The rules (/,/^Exit/p' | sed '1d;$d' |
                sed 's/^  *\(error\|warning\|note\)  *//' | tr ',' ' ')
        [[ -n $rules ]] || fail "q4150cli check --help lists no rules"
        for rule in $rules; do
            grep -Eq -- "(^|[^a-z-])$rule([^a-z-]|\$)" <<<"$text" || fail "$name.1 does not name the rule $rule"
        done
    fi
done
exit $failed
