#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the page and serves it on http://127.0.0.1:8000/ (another port as first argument).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
site="$("$racine/web/build.sh" "$racine/build-web" | tail -n 1)"
exec node "$racine/web/serveur.js" "$site" "${1:-8000}"
