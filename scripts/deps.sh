#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The one list of the Debian packages kest needs; installs those that are missing, through sudo
# when not run as root.
# Usage: scripts/deps.sh build|test|ci
#   build: the program and the exporter; test: + the tests, the end-to-end tools and the
#   browser build; ci: + the fuzzers' compiler, valgrind and the format check.
set -euo pipefail

build=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-qpa-plugins qt6-svg-dev libgl-dev
       libemf-dev libgif-dev qt6-charts-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
       fonts-dejavu-core
       libqt6opengl6-dev libxcb1-dev)
test=(libgtest-dev libbenchmark-dev xvfb xauth xdotool xclip x11-utils imagemagick inkscape
      openbox libreoffice-draw desktop-file-utils appstream emscripten chromium)
ci=(clang-14 libclang-rt-14-dev valgrind clang-format-14)

want=("${build[@]}")
case "${1:-build}" in
  test) want+=("${test[@]}") ;;
  ci) want+=("${test[@]}" "${ci[@]}") ;;
esac

missing=()
for pkg in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installation de : ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
