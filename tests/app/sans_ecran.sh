#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# kest started where no X server answers: one French line on standard error naming the
# display, status 1, nothing on standard output; never Qt's abort (status 134) or a core dump.
# Usage: sans_ecran.sh <path of kest>
set -uo pipefail

kest=${1:?usage: sans_ecran.sh <path of kest>}
travail=$(mktemp -d "${TMPDIR:-/tmp}/kest-sans-ecran.XXXXXX")
xvfb_pid=""
arreter() {  # only the server this script started, by its PID
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$travail"
}
trap arreter EXIT
echecs=0

# A display number with neither a socket nor a lock file: no server listens there.
libre=""
for n in $(seq 150 250); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        libre=$n
        break
    fi
done
[ -n "$libre" ] || { echo "SKIP: no free display number"; exit 77; }

# essai <description> <expected line> <env arguments...>: Qt is left to choose X by itself.
essai() {
    local quoi=$1 attendu=$2
    shift 2
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE "$@" \
        timeout 30 "$kest" >"$travail/sortie" 2>"$travail/erreur"
    local code=$?
    local erreur
    erreur=$(cat "$travail/erreur")
    if [ "$code" -eq 1 ] && [ "$erreur" = "$attendu" ] && [ ! -s "$travail/sortie" ]; then
        echo "ok     - $quoi: status $code, stderr \"$erreur\""
    else
        echo "NOT OK - $quoi: status $code (expected 1), stderr:"
        sed 's/^/  /' "$travail/erreur"
        echo "  expected: $attendu"
        echecs=$((echecs + 1))
    fi
}

essai "DISPLAY=:$libre, no server there" "kest : impossible d'ouvrir l'écran « :$libre »" \
    DISPLAY=":$libre"
essai "QT_QPA_PLATFORM=xcb and DISPLAY=:$libre" "kest : impossible d'ouvrir l'écran « :$libre »" \
    QT_QPA_PLATFORM=xcb DISPLAY=":$libre"
essai "DISPLAY unset" "kest : impossible d'ouvrir l'écran (la variable DISPLAY est vide)" \
    -u DISPLAY

# A server that is there but refuses this client: it asks for a cookie that kest does not have.
if command -v Xvfb >/dev/null 2>&1 && command -v xauth >/dev/null 2>&1; then
    ferme=""
    for n in $(seq $((libre + 1)) 260); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            ferme=$n
            break
        fi
    done
    xauth -q -f "$travail/cookie" add ":$ferme" . "$(od -A n -N 16 -t x1 /dev/urandom | tr -d ' \n')" 2>/dev/null
    Xvfb ":$ferme" -auth "$travail/cookie" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$ferme" ] && break
        sleep 0.1
    done
    if XAUTHORITY="$travail/cookie" DISPLAY=":$ferme" xdpyinfo >/dev/null 2>&1 ||
        ! command -v xdpyinfo >/dev/null 2>&1; then
        essai "DISPLAY=:$ferme, a server that refuses kest" \
            "kest : impossible d'ouvrir l'écran « :$ferme »" DISPLAY=":$ferme" \
            XAUTHORITY="$travail/aucun"
    else
        echo "# skipped: the refusing server (Xvfb :$ferme did not start)"
    fi
else
    echo "# skipped: the refusing server (Xvfb or xauth is not installed)"
fi
exit $((echecs > 0))
