#!/usr/bin/env bash
# Builds the Debian package of the Q4150 Programmer: a Release build installed under /usr and
# packed by CPack. The .deb is left in OUT (default build-deb/); the build itself goes to
# BUILD_DIR (default build-deb/release). Installs missing Debian packages first.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
OUT=${OUT:-$ROOT/build-deb}
BUILD_DIR=${BUILD_DIR:-$ROOT/build-deb/release}
umask 022

PACKAGES=(build-essential cmake ninja-build qt6-base-dev qt6-serialport-dev dpkg-dev librsvg2-bin)
bash "$ROOT"/scripts/install-packages.sh "${PACKAGES[@]}"

# Debian's hardening and optimisation flags, as a package built by dpkg-buildpackage gets them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"

GEN=()
command -v ninja >/dev/null && GEN=(-G Ninja)
[ -f "$BUILD_DIR/CMakeCache.txt" ] && GEN=()
cmake -S "$ROOT" -B "$BUILD_DIR" "${GEN[@]}" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DBUILD_TESTING=OFF -DQ4_PNG_ICONS=ON "-DCMAKE_CXX_FLAGS=$CXXFLAGS" "-DCMAKE_EXE_LINKER_FLAGS=$LDFLAGS"
cmake --build "$BUILD_DIR" -j2

mkdir -p "$OUT"
rm -rf "$BUILD_DIR/cpack"
(cd "$BUILD_DIR" && cpack -G DEB -B "$BUILD_DIR/cpack")
deb=$(find "$BUILD_DIR/cpack" -maxdepth 1 -name '*.deb' | head -1)
[ -n "$deb" ] || { echo "build-deb.sh: CPack made no .deb" >&2; exit 1; }
cp "$deb" "$OUT/"
deb="$OUT/$(basename "$deb")"
echo "$deb: $(stat -c %s "$deb") bytes"
dpkg-deb --field "$deb" Package Version Architecture Installed-Size Depends
