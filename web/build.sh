#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser page with emscripten into <build dir>/site (default build-web/site).
# Usage: web/build.sh [build dir] [more targets, e.g. kest_web_trace for the node test]
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
sortie="${1:-$racine/build-web}"
# Debian's emscripten loads acorn from the system's node modules.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
command -v emcmake >/dev/null || { echo "emscripten manque : scripts/deps.sh test" >&2; exit 1; }
emcmake cmake -S "$racine" -B "$sortie" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKEST_BUILD_APP=OFF -DKEST_BUILD_TESTS=OFF -DKEST_BUILD_BENCH=OFF >/dev/null
cmake --build "$sortie" -j2 --target all "${@:2}"
echo "$sortie/site"
