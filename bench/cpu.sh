#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The running program's share of one core under Xvfb, read from /proc/PID/stat (utime + stime)
# over a fixed time: clock off, clock on at the start-up 60 ms, clock on at 10 ms.
# Usage: bench/cpu.sh [kest executable] [seconds per figure] [display]
# KEST_ECRAN=1920x1080 KEST_PLEIN_ECRAN=1 bench/cpu.sh ...: the window in full screen there.
set -eu
kest_exe=${1:-build-bench/app/kest}
duree=${2:-20}
export DISPLAY=${3:-:59}

. "$(dirname "$0")/xvfb.sh"

QT_QPA_PLATFORM=xcb "$kest_exe" &
kest_pid=$!
fenetre=$(timeout 20 xdotool search --sync --onlyvisible --pid "$kest_pid" --name '^kestForm$' |
    head -n 1)
[ -n "$fenetre" ] || { echo "no kestForm window" >&2; exit 1; }
xdotool windowfocus --sync "$fenetre"
sleep 2  # the first paints are over

hz=$(getconf CLK_TCK)
temps_cpu() { awk '{ print $14 + $15 }' "/proc/$kest_pid/stat"; }  # utime + stime, in 1/hz s
mesure() {
    avant=$(temps_cpu)
    sleep "$duree"
    apres=$(temps_cpu)
    awk -v a="$avant" -v b="$apres" -v hz="$hz" -v d="$duree" -v nom="$1" 'BEGIN {
        printf "%-18s %6.2f %% of one core  (%d/%d s of CPU in %d s)\n", nom,
               100 * (b - a) / hz / d, b - a, hz, d }'
}

echo "kest PID $kest_pid on $DISPLAY, $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2)"
mesure "clock off"

# Simulation > Play from the keyboard: Alt+S opens the menu, P is the item's access letter.
xdotool key alt+s
sleep 0.5
xdotool key p
sleep 1
mesure "clock on, 60 ms"

# A click on the speed bar's left arrow gives it the focus (one step faster), Home goes to its
# left end: 10 ms. The bar is at (448, 0)-(569, 16) below the menu bar, in full screen as far
# from the screen's right edge as from the 700-pixel window's.
gauche=455
if [ "${KEST_PLEIN_ECRAN:-0}" = 1 ]; then
    gauche=$(($(xdotool getdisplaygeometry | cut -d' ' -f1) - 700 + 455))
fi
xdotool mousemove --window "$fenetre" "$gauche" 30 click 1
sleep 0.3
xdotool key Home
xdotool mousemove --window "$fenetre" 150 420  # off the controls: no status hint changes
sleep 1
mesure "clock on, 10 ms"
