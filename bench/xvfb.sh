# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmarks that run the real window: starts Xvfb on $DISPLAY and, on exit,
# stops what the script started ($kest_pid when set, then Xvfb), by PID, waiting for each so
# that the display is free again.
if [ -e "/tmp/.X${DISPLAY#:}-lock" ]; then
    echo "display $DISPLAY is taken; give another as the third argument" >&2
    exit 1
fi
# -noreset: a server that resets when its last client leaves drops the client that connects
# during the reset, and one start in five then failed.
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
kest_pid=
fin() {
    set +e
    [ -n "$kest_pid" ] && kill "$kest_pid" 2>/dev/null && wait "$kest_pid" 2>/dev/null
    kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
}
trap fin EXIT
trap 'exit 1' INT TERM

i=0
until xdpyinfo >/dev/null 2>&1; do
    i=$((i + 1))
    [ "$i" -lt 100 ] || { echo "Xvfb did not start on $DISPLAY" >&2; exit 1; }
    sleep 0.1
done
