#!/bin/sh
# Installs what the build needs from Debian's packages (only what is missing) and builds
# everything into build/. Sourced by ./run and ./test.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
# The build and its tests (Qt Charts draws the plot window; its CMake files ask for Qt OpenGL;
# Qt's linguist tools and their CMake files make the catalogues, and Qt's own catalogues are
# loaded beside them; with the sources of the German locale the tests build, umockdev's fake
# sysfs, and sigrok-cli, whose I2C decoder reads the bus dumps); the icons' renderer; the
# validators, package tools and man that the install tests use.
packages="cmake ninja-build g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgtest-dev libgmock-dev xvfb xauth fonts-liberation2 fonts-dejavu-core clang libclang-rt-14-dev libudev-dev
  locales umockdev libumockdev-dev pkg-config sigrok-cli
  librsvg2-bin desktop-file-utils appstream dpkg-dev man-db"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi

build="$top/build"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build"
