# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmarks that run the real window: starts Xvfb on $DISPLAY (screen size
# KEST_ECRAN, 1280x1024 unless given) and, on exit, stops what the script started ($kest_pid
# when set, then Xvfb), by PID, waiting for each so that the display is free again. kest's
# settings go to a fresh folder: the window opens at 100 %, or in full screen with
# KEST_PLEIN_ECRAN=1, whatever the user chose.
if [ -e "/tmp/.X${DISPLAY#:}-lock" ]; then
    echo "display $DISPLAY is taken; give another as the third argument" >&2
    exit 1
fi
# -noreset: a server that resets when its last client leaves drops the client that connects
# during the reset, and one start in five then failed.
Xvfb "$DISPLAY" -screen 0 "${KEST_ECRAN:-1280x1024}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
kest_pid=
XDG_CONFIG_HOME=$(mktemp -d "${TMPDIR:-/tmp}/kest-bench.XXXXXX")
export XDG_CONFIG_HOME
if [ "${KEST_PLEIN_ECRAN:-0}" = 1 ]; then
    mkdir -p "$XDG_CONFIG_HOME/kest"
    printf '[General]\npleinEcran=true\n' >"$XDG_CONFIG_HOME/kest/kest.conf"
fi
fin() {
    set +e
    [ -n "$kest_pid" ] && kill "$kest_pid" 2>/dev/null && wait "$kest_pid" 2>/dev/null
    kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$XDG_CONFIG_HOME"
}
trap fin EXIT
trap 'exit 1' INT TERM

i=0
until xdpyinfo >/dev/null 2>&1; do
    i=$((i + 1))
    [ "$i" -lt 100 ] || { echo "Xvfb did not start on $DISPLAY" >&2; exit 1; }
    sleep 0.1
done
