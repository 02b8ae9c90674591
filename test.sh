#!/usr/bin/env bash
# Builds kest and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh test
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-test
# The soak (label soak, a few minutes) is left to CI: ctest --test-dir build-test -L soak
ctest --test-dir build-test --output-on-failure -j2 -LE soak
