#!/usr/bin/env bash
# Installs the Debian packages that are missing, through sudo when not run as root.
# Usage: scripts/deps.sh build|test
set -euo pipefail

build=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-qpa-plugins libqt6svg6-dev libgl-dev
       libemf-dev libgif-dev fonts-dejavu-core)
test=(libgtest-dev libbenchmark-dev xvfb xauth xdotool xclip x11-utils imagemagick inkscape
      desktop-file-utils appstream)

want=("${build[@]}")
[ "${1:-build}" = test ] && want+=("${test[@]}")

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
