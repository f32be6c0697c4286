#!/usr/bin/env bash
# Each program prints "NAME VERSION" for --version, with the project's version, and exits 0,
# without a display. Arguments: the version, then the programs.
version=$1; shift
failed=0
for program in "$@"; do
    name=$(basename "$program")
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version 2>&1)
    status=$?
    if [[ $status -ne 0 || $out != "$name $version" ]]; then
        echo "FAIL: $name --version printed \"$out\" (exit $status), expected \"$name $version\" (exit 0)"
        failed=1
    fi
done
exit $failed
