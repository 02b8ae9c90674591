#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds kest and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh build
cmake --preset default >/dev/null
cmake --build --preset default --target kest
exec build/app/kest
