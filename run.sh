#!/usr/bin/env bash
# Builds the Q4150 Programmer and starts the desktop program q4150, passing on the arguments
# (a .q4g document to open). Installs missing Debian packages first.
set -euo pipefail
# The program starts in the caller's directory, so that relative document paths work.
ROOT="$(cd "$(dirname "$0")" && pwd)"

PACKAGES=(build-essential cmake ninja-build qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
          qt6-translations-l10n libgtest-dev libgmock-dev
          locales fonts-dejavu-core)

bash "$ROOT"/scripts/install-packages.sh "${PACKAGES[@]}"

BUILD_DIR=${BUILD_DIR:-build}
[[ "$BUILD_DIR" = /* ]] || BUILD_DIR="$ROOT/$BUILD_DIR"
GEN=()
command -v ninja >/dev/null && GEN=(-G Ninja)
[ -f "$BUILD_DIR/CMakeCache.txt" ] && GEN=()
cmake -S "$ROOT" -B "$BUILD_DIR" "${GEN[@]}" >/dev/null
cmake --build "$BUILD_DIR" -j2 --target q4150
exec "$BUILD_DIR/ui/q4150" "$@"
