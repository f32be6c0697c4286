#!/usr/bin/env bash
# The desktop program's command line: help and version before any display, refusals, and the
# check of a start that opens a document or a plant and ends by itself.
# Arguments: q4150, q4150cli, the project's version.
q4150=$1 q4150cli=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config
unset QT_QPA_PLATFORMTHEME
"$q4150cli" new "$work/plant.q4g" || exit 1
printf 'no document' >"$work/broken.q4g"
"$q4150cli" plant new "$work/works.q4plant" --name works >/dev/null || exit 1
"$q4150cli" plant add "$work/works.q4plant" "$work/plant.q4g" --tag AN-1 >/dev/null || exit 1
printf 'no plant' >"$work/broken.q4plant"

failed=0
# name | environment | arguments | exit status | start of standard output (\n a line break) | text in standard error
while IFS='|' read -r name environment arguments status stdout stderr; do
    [[ -z $name ]] && continue
    # shellcheck disable=SC2086  # the arguments and environment are word lists
    (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $environment \
        timeout 30 "$q4150" $arguments >"$work/out" 2>"$work/err")
    got=$?
    out=$(<"$work/out") err=$(<"$work/err")
    stdout=${stdout//\\n/$'\n'}
    if [[ $got -ne $status || $out != "$stdout"* || $err != *"$stderr"* ]]; then
        echo "FAIL: $name: q4150 $arguments: exit $got, output \"$out\", errors \"$err\""
        failed=1
    fi
done <<END
version without a display||--version|0|q4150 $version|
Qt options before the version||-platform offscreen --version|0|q4150 $version|
help without a display||--help|0|usage: q4150 [--quit-after-start] [FILE]|
unknown option|QT_QPA_PLATFORM=offscreen|--frobnicate|2||q4150: unknown option --frobnicate; try q4150 --help
two documents|QT_QPA_PLATFORM=offscreen|plant.q4g other.q4g|2||one document at a time: plant.q4g and other.q4g
a document opened, its title printed|QT_QPA_PLATFORM=offscreen|--quit-after-start plant.q4g|0|plant.q4g - Norda Q4150 Programmer|
Qt's option taken out of the line|XDG_SESSION_TYPE=none|-platform offscreen --quit-after-start plant.q4g|0|plant.q4g - Norda Q4150 Programmer|
no document, the default set-up|QT_QPA_PLATFORM=offscreen|--quit-after-start|0|Untitled - Norda Q4150 Programmer|
a document after the options' end|QT_QPA_PLATFORM=offscreen|--quit-after-start -- plant.q4g|0|plant.q4g - Norda Q4150 Programmer|
a missing document ends with its message|QT_QPA_PLATFORM=offscreen|--quit-after-start none.q4g|1||none.q4g
a damaged document ends with its message|QT_QPA_PLATFORM=offscreen|--quit-after-start broken.q4g|1||broken.q4g is not a valid Q4150 file
a plant opened, its units listed|QT_QPA_PLATFORM=offscreen|--quit-after-start works.q4plant|0|Untitled - Norda Q4150 Programmer\nplant works: 1 units|
a damaged plant ends with its message|QT_QPA_PLATFORM=offscreen|--quit-after-start broken.q4plant|1||broken.q4plant could not be opened
END
exit $failed
