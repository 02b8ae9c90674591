#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Start to a mapped window, and resident memory after the first paint, under Xvfb.
# The window is looked for with xwininfo every 20 ms: xdotool search --sync looks only twice a
# second, and a tight xdotool loop floods Xvfb until it refuses new clients.
# Usage: bench/demarrage.sh [kest executable] [runs] [display]
set -eu
kest_exe=${1:-build-bench/app/kest}
fois=${2:-5}
export DISPLAY=${3:-:58}

. "$(dirname "$0")/xvfb.sh"

echo "$(nproc) cores,$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2), load $(cut -d' ' -f1-3 /proc/loadavg)"
n=1
while [ "$n" -le "$fois" ]; do
    debut=$(date +%s%N)
    QT_QPA_PLATFORM=xcb "$kest_exe" &
    kest_pid=$!
    essais=0
    until xwininfo -name kestForm 2>/dev/null | grep -q IsViewable; do
        essais=$((essais + 1))
        [ "$essais" -lt 500 ] || { echo "no mapped kestForm window after 10 s" >&2; exit 1; }
        sleep 0.02
    done
    carte=$(date +%s%N)
    sleep 1  # the first paints are over
    rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$kest_pid/status")
    printf 'run %d: mapped after %4d ms, resident %5.1f MB after the first paint\n' "$n" \
        $(((carte - debut) / 1000000)) "$(echo "$rss" | awk '{ print $1 / 1024 }')"
    kill "$kest_pid"
    wait "$kest_pid" 2>/dev/null || true
    kest_pid=
    n=$((n + 1))
done
