#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds kest and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh test
cmake --preset test >/dev/null
cmake --build --preset test
# The soak (label soak, a few minutes) is left to CI: ctest --test-dir build-test -L soak
ctest --preset test
