#!/usr/bin/env bash
# Builds kest and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEST_BUILD_TESTS=OFF -DKEST_BUILD_BENCH=OFF
cmake --build build --target kest
exec build/app/kest
