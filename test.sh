#!/usr/bin/env bash
# Builds the Q4150 Programmer and runs every test. Installs missing Debian packages first.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
          qt6-translations-l10n libgtest-dev libgmock-dev
          locales fonts-dejavu-core xauth poppler-utils)

bash scripts/install-packages.sh "${PACKAGES[@]}"

# The decimal-comma tests run under de_DE.UTF-8.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  if [ -f /etc/locale.gen ]; then
    $SUDO sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
  else
    $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
  fi
fi

BUILD_DIR=${BUILD_DIR:-build}
GEN=()
# CMAKE_GENERATOR chooses another generator for a new build folder (CMake reads it itself).
[ -z "${CMAKE_GENERATOR:-}" ] && command -v ninja >/dev/null && GEN=(-G Ninja)
[ -f "$BUILD_DIR/CMakeCache.txt" ] && GEN=()
cmake -S . -B "$BUILD_DIR" "${GEN[@]}" -DQ4_WERROR=ON "$@"
# FIRST_TARGET is built alone before the rest: in a new folder that shows a dependency it lacks.
# BUILD_TARGETS and CTEST_ARGS narrow a run, e.g. to the transfers under ThreadSanitizer.
[ -n "${FIRST_TARGET:-}" ] && cmake --build "$BUILD_DIR" -j2 --target "$FIRST_TARGET"
cmake --build "$BUILD_DIR" -j2 ${BUILD_TARGETS:+--target $BUILD_TARGETS}
export QT_QPA_PLATFORM=offscreen
unset QT_QPA_PLATFORMTHEME
cd "$BUILD_DIR"
# Two at a time: the plant's tests drive several emulated units at once with the shortest waits,
# which a third test beside them can starve.
ctest --output-on-failure -j"${CTEST_JOBS:-2}" ${CTEST_ARGS:-}
