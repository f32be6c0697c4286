#!/usr/bin/env bash
# Checks the Debian package of the Q4150 Programmer: lintian, its files against
# packaging/expected-files.txt and its metadata; then installs it on this machine, runs each
# installed program, and removes it again. Argument: the .deb (default: the newest q4150_*.deb
# in OUT, default build-deb/). Installs missing Debian packages first.
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
OUT=${OUT:-$ROOT/build-deb}
DEB=${1:-$(ls -t "$OUT"/q4150_*.deb 2>/dev/null | head -1)}
[ -f "$DEB" ] || { echo "check-deb.sh: no package; run packaging/build-deb.sh first" >&2; exit 2; }
DEB=$(realpath "$DEB")
bash "$ROOT"/scripts/install-packages.sh lintian appstream desktop-file-utils man-db dpkg-dev || exit 2
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

failed=0
fail() { echo "FAIL: $*"; failed=1; }
work=$(mktemp -d)
installed=0
sim=""
cleanup()
{
    [ -n "$sim" ] && kill "$sim" 2>/dev/null
    [ $installed -eq 1 ] && DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove --purge -y -qq q4150 >/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

version=$(dpkg-deb --field "$DEB" Version)
upstream=${version%-*}
echo "== $DEB: version $version, $(stat -c %s "$DEB") bytes"
dpkg-deb --field "$DEB" Package Section Priority Maintainer Installed-Size Depends Suggests

echo "== lintian"
lintian --info --display-info "$DEB"
lintian --fail-on error "$DEB" >/dev/null || fail "lintian reports errors"

echo "== files"
dpkg-deb --contents "$DEB" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort >"$work/files"
grep -v '^#' "$ROOT/packaging/expected-files.txt" | sed '/^$/d' >"$work/expected"
while IFS= read -r entry; do
    [[ $entry == *'*'* ]] && continue
    grep -Fxq -- "$entry" "$work/files" || fail "the package lacks $entry"
done <"$work/expected"
while IFS= read -r file; do
    known=0
    while IFS= read -r entry; do
        # shellcheck disable=SC2053  # the entry is a pattern
        [[ $file == $entry ]] && { known=1; break; }
    done <"$work/expected"
    [ $known -eq 1 ] || fail "the package holds $file, which is not in packaging/expected-files.txt"
done <"$work/files"
echo "$(wc -l <"$work/files") files"

echo "== metadata"
dpkg-deb --extract "$DEB" "$work/root"
# An empty folder is build debris that an install rule copied along.
while IFS= read -r dir; do fail "the package holds the empty folder ${dir#"$work"/root/}"; done \
    < <(find "$work/root" -type d -empty)
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"
desktop-file-validate "$work/root/usr/share/applications/q4150.desktop" || fail "desktop-file-validate"

echo "== install"
if dpkg-query -W -f='${Status}' q4150 2>/dev/null | grep -q "install ok installed"; then
    echo "check-deb.sh: q4150 is installed already; remove it first" >&2
    exit 2
fi
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "$DEB" >"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log"; fail "apt-get install"; exit 1; }
installed=1

echo "== programs"
for program in q4150 q4150cli q4000sim; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY "/usr/bin/$program" --version 2>&1)
    [ "$out" = "$program $upstream" ] || fail "$program --version printed \"$out\", not \"$program $upstream\""
    page=$(man -w "$program" 2>&1)
    [ "$page" = "/usr/share/man/man1/$program.1.gz" ] || fail "man -w $program: $page"
    man "$program" 2>&1 | grep -q "^NAME" || fail "man $program shows no page"
done
cd "$work" || exit 1
q4150cli new plant.q4g || fail "q4150cli new"
[ "$(echo 'general 3 1 12' | q4150cli edit plant.q4g)" = "ok" ] || fail "q4150cli edit"
q4000sim --blank --link "$work/q4" >"$work/sim.out" &
sim=$!
for _ in $(seq 50); do [ -e "$work/q4" ] && break; sleep 0.1; done
q4150cli upload plant.q4g --port "$work/q4" --fixed-wait 2 2>"$work/upload.err" \
    || fail "q4150cli upload to q4000sim: $(cat "$work/upload.err")"
q4150cli verify plant.q4g --port "$work/q4" --fixed-wait 2 2>/dev/null || fail "q4150cli verify after the upload"
kill "$sim"; wait "$sim"; sim=""
title=$(XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen timeout 60 q4150 --quit-after-start plant.q4g 2>"$work/q4150.err")
[ "$title" = "plant.q4g - Norda Q4150 Programmer" ] || fail "q4150 opening plant.q4g: \"$title\" $(cat "$work/q4150.err")"
completion=$(bash -c 'source /usr/share/bash-completion/completions/q4150cli
                      COMP_WORDS=(q4150cli up); COMP_CWORD=1; _q4150cli; echo "${COMPREPLY[*]}"')
[ "$completion" = "upload" ] || fail "the bash completion of \"q4150cli up\" gives \"$completion\""
# A set-up and a plant open in the program from a file manager.
for type in document:q4g plant:q4plant; do
    grep -q "^[0-9]*:application/x-q4150-${type%%:*}:\\*\\.${type#*:}\$" /usr/share/mime/globs2 \
        || fail "*.${type#*:} is not in the MIME database"
    if command -v update-desktop-database >/dev/null; then
        grep -q "application/x-q4150-${type%%:*}=.*q4150.desktop" /usr/share/applications/mimeinfo.cache \
            || fail "q4150.desktop does not open application/x-q4150-${type%%:*} in the desktop database"
    fi
done
q4150cli plant new works.q4plant --name works >/dev/null && q4150cli plant add works.q4plant plant.q4g --tag AN-1 >/dev/null \
    || fail "q4150cli plant new and add"
opened=$(XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen timeout 60 q4150 --quit-after-start works.q4plant 2>"$work/q4150.err")
[ "$opened" = "Untitled - Norda Q4150 Programmer
plant works: 1 units" ] || fail "q4150 opening works.q4plant: \"$opened\" $(cat "$work/q4150.err")"

echo "== remove"
DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove --purge -y -qq q4150 >/dev/null || fail "apt-get remove"
installed=0
[ -e /usr/bin/q4150 ] && fail "/usr/bin/q4150 is still there after the removal"
grep -q 'q4150-document' /usr/share/mime/globs2 && fail "the MIME type is still registered after the removal"

if [ $failed -eq 0 ]; then echo "check-deb.sh: the package is fine"; else echo "check-deb.sh: FAILED"; fi
exit $failed
