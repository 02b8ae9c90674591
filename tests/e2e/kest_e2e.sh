#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end: the real kest binary in a real X server (Xvfb), driven with the real keyboard and
# pointer (xdotool), read back through screenshots, xwininfo and a real clipboard client (xclip).
#
# Usage: kest_e2e.sh <path of kest> [<path of kest-export> [<path of the sanitizer build's kest>]]
#   KEST_E2E_SCREENSHOT=<file.png>  also saves the window as it opens (the README's picture).
#   KEST_E2E_ASAN=<path of kest>    the sanitizer build, when not given as third argument.
# Optional parts, skipped with a line saying so when their tool is missing: the window under a
# real window manager (openbox), the sanitizer build's run, the EMF read by LibreOffice.
# Exit codes: 0 all checks passed, 1 a check failed, 77 a tool is missing (CTest: skipped).
set -uo pipefail

kest=${1:?usage: kest_e2e.sh <path of kest> [<path of kest-export> [<path of the sanitizer kest>]]}
kest_asan=${3:-${KEST_E2E_ASAN:-}}
for outil in Xvfb xdotool xclip xwininfo xdpyinfo import convert identify inkscape od timeout; do
    if ! command -v "$outil" >/dev/null 2>&1; then
        echo "SKIP: $outil is not installed (scripts/deps.sh test installs it)"
        exit 77
    fi
done

travail=$(mktemp -d "${TMPDIR:-/tmp}/kest-e2e.XXXXXX")
xvfb_pid=""
kest_pid=""
wm_pid=""
echecs=0

# Only the processes this script started are stopped, by their PID.
nettoyer() {
    [ -n "$kest_pid" ] && kill "$kest_pid" 2>/dev/null && wait "$kest_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$travail"
}
trap nettoyer EXIT

ok() { echo "ok     - $*"; }
ko() { echo "NOT OK - $*"; echecs=$((echecs + 1)); }
verifie() {  # verifie <description> <command...>
    local quoi=$1
    shift
    if "$@"; then ok "$quoi"; else ko "$quoi"; fi
}
abandon() {
    echo "NOT OK - $* (cannot go on)"
    [ -f "$travail/kest.log" ] && sed 's/^/  kest: /' "$travail/kest.log"
    exit 1
}

# attend <seconds> <command...>: polls every 0.1 s until the command succeeds.
attend() {
    local fin=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -ge "$fin" ] && return 1
        sleep 0.1
    done
}

# --- X server on a free display -----------------------------------------------------------
# 96 pixels per inch, the resolution the window's layout is given at; it also makes the core
# screen size (xdpyinfo) agree with the RandR monitor size that Qt reads for the copy's frame.
# -noreset: the server stays up between clients; one that resets drops a client connecting then.
demarre_xvfb() {
    local n
    for n in $(seq 90 190); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset >"$travail/xvfb.log" 2>&1 &
        xvfb_pid=$!
        # Another server may take the number between the check and the start: try the next.
        if attend 10 xdpyinfo -display ":$n" >/dev/null 2>&1; then
            export DISPLAY=":$n"
            return 0
        fi
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=""
    done
    return 1
}
demarre_xvfb || abandon "no free display for Xvfb"
echo "# Xvfb on $DISPLAY: $(xdpyinfo | grep -E '^ *dimensions:' | sed 's/^ *//')"

# --- Pixels -------------------------------------------------------------------------------
# Screenshots are turned into plain PPM text and read by awk: exact colours, since the window
# draws without antialiasing.
ppm() { convert "$1" -depth 8 -compress none ppm:-; }

# pixels <png> <x,y>...: prints "r,g,b" for each point, one a line.
pixels() {
    local png=$1
    shift
    ppm "$png" | awk -v points="$*" '
        NR == 2 { W = $1; H = $2 }
        NR > 3 { for (i = 1; i <= NF; i++) v[n++] = $i }
        END {
            k = split(points, p, " ")
            for (i = 1; i <= k; i++) {
                split(p[i], xy, ",")
                x = xy[1] + 0; y = xy[2] + 0
                if (x < 0 || y < 0 || x >= W || y >= H) { print "outside"; continue }
                o = 3 * (y * W + x)
                print v[o] "," v[o + 1] "," v[o + 2]
            }
        }'
}

# Finds where the scene's origin lies in a window screenshot by fitting the black stator
# circle (centre (500, 300), radius 100 in scene pixels) at every offset and keeping the one
# that lands most of its 360 sample points on black pixels. Prints "dx dy hits runner_up".
origine_scene() {
    ppm "$1" | awk '
        NR == 2 { W = $1; H = $2 }
        NR > 3 { for (i = 1; i <= NF; i++) v[n++] = $i }
        function noir(x, y, o) {
            if (x < 0 || y < 0 || x >= W || y >= H) return 0
            o = 3 * (y * W + x)
            return v[o] == 0 && v[o + 1] == 0 && v[o + 2] == 0
        }
        END {
            pi = atan2(0, -1)
            for (a = 0; a < 360; a++) {
                cx[a] = int(500 + 100 * cos(a * pi / 180) + 0.5)
                cy[a] = int(300 - 100 * sin(a * pi / 180) + 0.5)
            }
            best = -1; second = -1
            for (dy = 0; dy <= 120; dy++)
                for (dx = -8; dx <= 8; dx++) {
                    s = 0
                    for (a = 0; a < 360; a++) s += noir(cx[a] + dx, cy[a] + dy)
                    if (s > best) { second = best; best = s; bx = dx; by = dy }
                    else if (s > second) second = s
                }
            print bx, by, best, second
        }'
}

# The phasor area (scene (355, 55) to (445, 145)) of a screenshot, as a checksum.
empreinte_phaseurs() {
    convert "$1" -crop "91x91+$((355 + dx))+$((55 + dy))" +repage -depth 8 ppm:- | cksum
}

# --- Windows ------------------------------------------------------------------------------
geometrie() {  # prints "x y w h" of a window, outer frame as X knows it
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
                            /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}
visibles() { xdotool search --onlyvisible --pid "$kest_pid" 2>/dev/null | sort; }
override() { xwininfo -id "$1" 2>/dev/null | grep -q 'Override Redirect State: yes'; }
menus_ouverts() {  # how many popup menus kest shows now
    local id c=0
    for id in $(visibles); do override "$id" && c=$((c + 1)); done
    echo "$c"
}
menu_ouvert() { [ "$(menus_ouverts)" -gt 0 ]; }
menu_ferme() { [ "$(menus_ouverts)" -eq 0 ]; }
fenetre_titree() {  # the visible, framed (not a popup menu) window of kest with this exact title
    local id
    for id in $(visibles); do
        if [ "$(xdotool getwindowname "$id")" = "$1" ] && ! override "$id"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
presente() { fenetre_titree "$1" >/dev/null; }
absente() { ! presente "$1"; }
# Running, and not a zombie waiting for this script to collect its exit code.
vivant() { [ -r "/proc/$kest_pid/stat" ] && ! awk '{ exit $3 != "Z" }' "/proc/$kest_pid/stat"; }

# Keys go to the focused window; without a window manager the script gives the focus itself
# and keeps the pointer over the window's empty lower left.
focus_principale() {
    timeout 10 xdotool windowfocus --sync "$fenetre" || ko "could not give the focus to kestForm"
    xdotool mousemove --window "$fenetre" 150 420
}
# menu <access letter> <item letter>: Alt+letter opens the menu, the item's letter chooses.
menu() {
    focus_principale
    xdotool key "alt+$1"
    attend 5 menu_ouvert || { ko "the menu of Alt+$1 did not open"; return 1; }
    xdotool key "$2"
    attend 5 menu_ferme || { ko "the menu of Alt+$1 did not close after $2"; return 1; }
}
capture() { import -window "$fenetre" "$travail/$1.png"; }

# --- Start --------------------------------------------------------------------------------
mkdir -m 700 "$travail/run"
env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$travail/run" LC_ALL=C.UTF-8 \
    "$kest" >"$travail/kest.log" 2>&1 &
kest_pid=$!
echo "# kest started as PID $kest_pid: $kest"

fenetre=$(timeout 20 xdotool search --sync --onlyvisible --name '^kestForm$' | head -n 1)
[ -n "$fenetre" ] || abandon "no window titled kestForm within 20 s"
verifie "window titled \"$(xdotool getwindowname "$fenetre")\"" \
    test "$(xdotool getwindowname "$fenetre")" = kestForm
read -r gx gy gw gh < <(geometrie "$fenetre")
verifie "outer frame at ($gx, $gy) sized ${gw}x${gh}, expected (100, 100) 700x500" \
    test "$gx $gy $gw $gh" = "100 100 700 500"

# The first paint may come a little after the map: poll until the stator circle shows.
scene_trouvee() {
    capture debut
    read -r dx dy touches suivant < <(origine_scene "$travail/debut.png")
    [ "$touches" -ge 180 ]
}
attend 10 scene_trouvee || abandon "no black stator circle in the window (best fit $touches/360)"
ok "black stator circle, centre (500, 300) radius 100: $touches of 360 points black (next best fit $suivant)"
verifie "the drawing area starts below the menu bar: scene origin at ($dx, $dy) in the window" \
    test "$dx" -eq 0 -a "$dy" -gt 0 -a "$dy" -lt 60
if [ -n "${KEST_E2E_SCREENSHOT:-}" ]; then
    cp "$travail/debut.png" "$KEST_E2E_SCREENSHOT" && echo "# start picture saved as $KEST_E2E_SCREENSHOT"
fi

# A pixel in scene coordinates: "x,y" moved by the scene origin.
s() { echo "$(($1 + dx)),$(($2 + dy))"; }

# Phase 0's phasor at t = 0: a blue 1-pixel line from (400, 100) to (440, 100). Its first pixel
# lies under phases 1 and 2, which start there too; a 1-pixel line leaves out its end pixel.
phaseur=$(for x in $(seq 401 439); do s "$x" 100; done)
bleus=$(pixels "$travail/debut.png" $phaseur | grep -c '^0,0,255$')
verifie "blue phasor of phase 0 along y = 100 from x = 401 to 439: $bleus of 39 pixels 0,0,255" \
    test "$bleus" -eq 39
autour=$(pixels "$travail/debut.png" "$(s 420 99)" "$(s 420 101)" "$(s 441 100)" | grep -c '^0,0,255$')
verifie "the phasor is one pixel thick and ends at x = 440 ($autour blue pixels beside it)" \
    test "$autour" -eq 0

# Filled (return-side) conductors of the default winding, p = 1 and m = 2, at 180 ± 15 degrees
# for phase 0 and 120 degrees further per phase: their centres carry the phase colours.
conducteurs=(
    "403 274 0,0,255 blue" "403 325 0,0,255 blue"
    "525 396 255,0,0 red" "570 370 255,0,0 red"
    "570 229 0,128,0 green" "525 203 0,128,0 green"
)
for c in "${conducteurs[@]}"; do
    read -r cx cy rgb nom <<<"$c"
    vu=$(pixels "$travail/debut.png" "$(s "$cx" "$cy")")
    verifie "conductor at ($cx, $cy) is $nom ($rgb): $vu" test "$vu" = "$rgb"
done
axe=$(for y in $(seq 52 96); do s 400 "$y"; done)
gris=$(pixels "$travail/debut.png" $axe | grep -c '^128,128,128$')
verifie "gray dotted axis of the phasor diagram at x = 400: $gris gray pixels" test "$gris" -ge 10

# --- Clipboard ----------------------------------------------------------------------------
# Copied before the animation first runs, so that the picture is the one of t = 0.
presse_papiers() { xclip -selection clipboard -t "$1" -o 2>/dev/null; }
cibles() { presse_papiers TARGETS >"$travail/targets" && grep -qx 'image/x-emf' "$travail/targets"; }
focus_principale
xdotool key ctrl+c
if attend 10 cibles; then
    for type in image/x-emf image/svg+xml image/png; do
        verifie "Ctrl+C: the clipboard offers $type" grep -qx "$type" "$travail/targets"
    done
    presse_papiers image/x-emf >"$travail/copie.emf"
    presse_papiers image/png >"$travail/copie.png"
    presse_papiers image/svg+xml >"$travail/copie.svg"

    # The EMF header: little-endian 32-bit fields.
    u32() { od -A n -t u4 -j "$1" -N 4 --endian=little "$travail/copie.emf" | tr -d ' '; }
    i32() { od -A n -t d4 -j "$1" -N 4 --endian=little "$travail/copie.emf" | tr -d ' '; }
    taille=$(stat -c %s "$travail/copie.emf")
    verifie "EMF: $taille bytes, first record of type $(u32 0) (1, the header)" test "$(u32 0)" = 1
    signature=$(dd if="$travail/copie.emf" bs=1 skip=40 count=4 2>/dev/null)
    verifie "EMF: signature \"$signature\" at offset 40" test "$signature" = " EMF"
    verifie "EMF: the header's total size $(u32 48) is the size of the bytes read" \
        test "$(u32 48)" = "$taille"

    # The frame in hundredths of a millimetre: outer size scaled by the screen's mm per pixel,
    # MulDiv-style (rounded to nearest).
    read -r px py mmx mmy < <(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x\([0-9]*\) pixels (\([0-9]*\)x\([0-9]*\) millimeters).*/\1 \2 \3 \4/p')
    muldiv() { echo $((($1 * $2 + $3 / 2) / $3)); }
    fw=$(muldiv "$gw" $((mmx * 100)) "$px")
    fh=$(muldiv "$gh" $((mmy * 100)) "$py")
    cadre="$(i32 24) $(i32 28) $(i32 32) $(i32 36)"
    verifie "EMF: frame ($cadre) = (0 0 $fw $fh) for ${gw}x${gh} px on ${px}x${py} px of ${mmx}x${mmy} mm" \
        test "$cadre" = "0 0 $fw $fh"
    verifie "PNG on the clipboard: $(identify -format '%wx%h' "$travail/copie.png" 2>&1)" \
        test "$(identify -format '%wx%h' "$travail/copie.png" 2>/dev/null)" = "${gw}x${gh}"
    verifie "SVG on the clipboard is an <svg> document" grep -q '<svg' "$travail/copie.svg"

    # Inkscape reads the metafile as another program pasting it would.
    if HOME="$travail" XDG_CONFIG_HOME="$travail/config" timeout 120 inkscape \
        --export-type=png --export-filename="$travail/inkscape.png" "$travail/copie.emf" \
        >"$travail/inkscape.log" 2>&1 && [ -s "$travail/inkscape.png" ]; then
        read -r iw ih < <(identify -format '%w %h\n' "$travail/inkscape.png")
        couvert=$(convert "$travail/inkscape.png" -alpha extract -format '%[fx:mean]' info:)
        verifie "Inkscape turns the EMF into a ${iw}x${ih} PNG with ${couvert} of it covered" \
            awk -v c="$couvert" -v w="$iw" 'BEGIN { exit !(c > 0.01 && c < 0.6 && w > 600 && w < 800) }'
        # Inkscape antialiases and smooths the outlines: most of a filled conductor's 5 x 5
        # middle must be clearly of its colour.
        for c in "${conducteurs[@]}"; do
            read -r cx cy rgb nom <<<"$c"
            mx=$((cx * iw / 700))
            my=$((cy * ih / 500))
            carre=$(for y in $(seq $((my - 2)) $((my + 2))); do
                for x in $(seq $((mx - 2)) $((mx + 2))); do echo "$x,$y"; done
            done)
            n=$(pixels "$travail/inkscape.png" $carre | awk -F, -v nom="$nom" '
                nom == "blue" && $3 > 200 && $1 < 80 && $2 < 80 { n++ }
                nom == "red" && $1 > 200 && $2 < 80 && $3 < 80 { n++ }
                nom == "green" && $2 > 90 && $1 < 60 && $3 < 60 { n++ }
                END { print n + 0 }')
            verifie "Inkscape's picture shows the $nom conductor at ($cx, $cy): $n of 25 pixels" \
                test "$n" -ge 13
        done
    else
        ko "Inkscape could not convert the EMF"
        sed 's/^/  inkscape: /' "$travail/inkscape.log"
    fi
else
    ko "Ctrl+C: no EMF on the clipboard within 10 s"
fi

# --- Play and Stop ------------------------------------------------------------------------
if menu s p; then
    capture play1
    sleep 1
    capture play2
    verifie "Simulation > Play (Alt+S, P): the phasor area changes within a second" \
        test "$(empreinte_phaseurs "$travail/play1.png")" != "$(empreinte_phaseurs "$travail/play2.png")"
fi
if menu s s; then
    # A paint asked for by the last tick may still be on its way: wait until the picture rests.
    au_repos() {
        capture stop1
        sleep 0.2
        capture stop2
        [ "$(empreinte_phaseurs "$travail/stop1.png")" = "$(empreinte_phaseurs "$travail/stop2.png")" ]
    }
    attend 5 au_repos
    capture stop1
    sleep 1
    capture stop2
    verifie "Simulation > Stop (Alt+S, S): the phasor area stays the same for a second" \
        test "$(empreinte_phaseurs "$travail/stop1.png")" = "$(empreinte_phaseurs "$travail/stop2.png")"
fi

# --- Options dialog and the error box -----------------------------------------------------
if menu o d; then
    if attend 10 presente Options; then
        options=$(fenetre_titree Options)
        read -r ox oy _ _ < <(geometrie "$options")
        # Beside the picture, 8 px right of the main frame, tops aligned.
        ex=$((gx + gw + 8))
        ey=$gy
        verifie "Options > Dimensions (Alt+O, D) opens \"Options\" at ($ox, $oy), expected ($ex, $ey)" \
            test "$ox $oy" = "$ex $ey"
        # The pole-pair field IDC_p: left 224, top 8, 33 x 21 in the dialog's client area.
        xdotool mousemove --window "$options" 240 18 click 1
        xdotool key ctrl+a
        xdotool type --delay 30 abc
        xdotool key Return
        if attend 10 presente kest; then
            boite=$(fenetre_titree kest)
            ok "abc and Enter in the pole-pair field open an error box titled \"$(xdotool getwindowname "$boite")\""
            xdotool key Return
            verifie "Enter closes the error box" attend 10 absente kest
            verifie "kest is still running after the error" vivant
            verifie "the Options dialog stays open after the error" presente Options
        else
            ko "no error box titled kest after abc and Enter in the pole-pair field"
        fi
        menu o d && verifie "Options > Dimensions again hides the dialog" attend 10 absente Options
    else
        ko "Options > Dimensions (Alt+O, D) opened no window titled Options"
    fi
fi

# --- Quit ---------------------------------------------------------------------------------
if menu f q; then
    if attend 10 eval '! vivant'; then
        wait "$kest_pid"
        code=$?
        kest_pid=""
        verifie "Fichier > Quitter (Alt+F, Q) ends kest with exit code $code" test "$code" -eq 0
    else
        ko "kest still runs 10 s after Fichier > Quitter"
    fi
fi

# --- The copy read by LibreOffice -------------------------------------------------------------
# A second reader of the metafile: LibreOffice Draw renders it to PNG. The filled conductors and
# the middle of each phasor must show their phase's colour where the scene puts them.
controle_libreoffice() {
    local emf=$1
    if ! command -v soffice >/dev/null 2>&1; then
        echo "# skipped: LibreOffice's reading of the EMF (soffice is not installed)"
        return 0
    fi
    [ -s "$emf" ] || { ko "LibreOffice: no EMF from the clipboard to read"; return 1; }
    local dossier="$travail/libreoffice" png
    mkdir -p "$dossier"
    cp "$emf" "$dossier/copie.emf"
    if ! HOME="$dossier" timeout 180 soffice --headless --norestore \
        "-env:UserInstallation=file://$dossier/profil" --convert-to png --outdir "$dossier/png" \
        "$dossier/copie.emf" >"$dossier/soffice.log" 2>&1 || [ ! -s "$dossier/png/copie.png" ]; then
        ko "LibreOffice could not convert the EMF"
        sed 's/^/  soffice: /' "$dossier/soffice.log"
        return 1
    fi
    png="$dossier/png/copie.png"
    # Draw puts the picture at its own size (the EMF frame, hundredths of a millimetre) in the
    # middle of a page, and exports the page at 96 pixels per inch.
    local lw lh ox oy
    read -r lw lh < <(identify -format '%w %h\n' "$png")
    read -r ox oy < <(od -A n -t d4 -j 24 -N 16 --endian=little "$emf" | awk -v w="$lw" -v h="$lh" '
        { printf "%d %d\n", (w - ($3 - $1) * 96 / 2540) / 2 + 0.5, (h - ($4 - $2) * 96 / 2540) / 2 + 0.5 }')
    verifie "LibreOffice renders the EMF on a ${lw}x${lh} page, the picture's corner at ($ox, $oy)" \
        test "$ox" -ge 0 -a "$oy" -ge 0
    # phase colour, where: filled conductors (their middle) and the phasors' middles at t = 0.
    local lieux=(
        "403 274 blue conductor" "403 325 blue conductor"
        "525 396 red conductor" "570 370 red conductor"
        "570 229 green conductor" "525 203 green conductor"
        "420 100 blue phasor" "390 117 red phasor" "390 83 green phasor"
    )
    local l cx cy nom quoi mx my carre n
    for l in "${lieux[@]}"; do
        read -r cx cy nom quoi <<<"$l"
        mx=$((cx + ox))
        my=$((cy + oy))
        carre=$(for y in $(seq $((my - 2)) $((my + 2))); do
            for x in $(seq $((mx - 2)) $((mx + 2))); do echo "$x,$y"; done
        done)
        # A pixel of the phase's hue: its channel clearly above the other two.
        n=$(pixels "$png" $carre | awk -F, -v nom="$nom" '
            nom == "blue" && $3 > 120 && $3 > $1 + 80 && $3 > $2 + 80 { n++ }
            nom == "red" && $1 > 120 && $1 > $2 + 80 && $1 > $3 + 80 { n++ }
            nom == "green" && $2 > 60 && $2 > $1 + 40 && $2 > $3 + 40 { n++ }
            END { print n + 0 }')
        if [ "$quoi" = conductor ]; then
            verifie "LibreOffice's picture shows the $nom conductor at ($cx, $cy): $n of 25 pixels" \
                test "$n" -ge 13
        else
            verifie "LibreOffice's picture shows the $nom phasor through ($cx, $cy): $n of 25 pixels" \
                test "$n" -ge 3
        fi
    done
}

# --- Starting and stopping one more kest ---------------------------------------------------
# lance_kest <binary> <log> [VAR=value...]: starts it as the first run did; sets kest_pid and
# fenetre once its main window shows.
lance_kest() {
    local binaire=$1 journal=$2
    shift 2
    env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$travail/run" LC_ALL=C.UTF-8 \
        "$@" "$binaire" >"$journal" 2>&1 &
    kest_pid=$!
    fenetre=$(timeout 60 xdotool search --sync --onlyvisible --name '^kestForm$' | head -n 1)
    [ -n "$fenetre" ]
}
# quitte_kest: Fichier > Quitter; sets code_sortie to the exit code, "none" when kest does not
# end within 30 s (it is then stopped).
quitte_kest() {
    menu f q
    if attend 30 eval '! vivant'; then
        wait "$kest_pid"
        code_sortie=$?
    else
        kill "$kest_pid" 2>/dev/null
        wait "$kest_pid" 2>/dev/null
        code_sortie=none
    fi
    kest_pid=""
}

# The outer frame of a window, decorations included: its ancestor just below the root, with
# that window's own X border. Prints "x y w h"; fails when the tree cannot be read. (awk reads
# xwininfo's whole output: a reader that stops early would fail the pipe under pipefail.)
cadre_exterieur() {
    local id=$1 parent sous_racine
    while :; do
        read -r parent sous_racine < <(xwininfo -tree -id "$id" 2>/dev/null |
            awk '/^ *Parent window id:/ { print $4, /\(the root window\)/ ? 1 : 0 }')
        case "$parent" in 0x0 | "") return 1 ;; esac
        [ "$sous_racine" = 1 ] && break
        id=$parent
    done
    xwininfo -id "$id" | awk '/Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } /Border width:/ { b = $NF }
        END { print x - b, y - b, w + 2 * b, h + 2 * b }'
}

# --- Under a real window manager -----------------------------------------------------------
# openbox frames the windows: the main window's frame, title bar and borders included, must
# still be 700x500 at (100, 100), and the options dialog's frame must open beside it, 8 px to
# its right with the same top, as a tool window.
controle_openbox() {
    if ! command -v openbox >/dev/null 2>&1; then
        echo "# skipped: the window-manager run (openbox is not installed)"
        return 0
    fi
    mkdir -p "$travail/openbox"
    HOME="$travail/openbox" XDG_CONFIG_HOME="$travail/openbox" openbox --sm-disable \
        >"$travail/openbox.log" 2>&1 &
    wm_pid=$!
    gere() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]; }
    if ! attend 20 gere; then
        ko "openbox did not start"
        sed 's/^/  openbox: /' "$travail/openbox.log"
        return 1
    fi
    echo "# openbox manages $DISPLAY (PID $wm_pid)"
    if ! lance_kest "$kest" "$travail/kest-openbox.log"; then
        ko "under openbox: no window titled kestForm within 60 s"
        return 1
    fi
    local fx fy fw fh
    # The frame is final once the window manager has framed the window and kest has
    # shrunk its client to keep the outer size.
    a_sa_place() {
        read -r fx fy fw fh < <(cadre_exterieur "$fenetre")
        [ "$fx $fy $fw $fh" = "100 100 700 500" ]
    }
    attend 10 a_sa_place
    verifie "under openbox the outer frame, decorations included, is at ($fx, $fy) sized ${fw}x${fh}, expected (100, 100) 700x500" \
        test "$fx $fy $fw $fh" = "100 100 700 500"
    read -r cx cy cw ch < <(geometrie "$fenetre")
    verifie "under openbox the client area ${cw}x${ch} at ($cx, $cy) lies inside a real frame" \
        test "$cx" -gt "$fx" -a "$cy" -gt "$fy" -a "$cw" -lt "$fw" -a "$ch" -lt "$fh"
    if menu o d && attend 10 presente Options; then
        local options ox oy ow oh
        options=$(fenetre_titree Options)
        attend 5 eval 'read -r ox oy ow oh < <(cadre_exterieur "$options"); [ "$ox $oy" = "$((fx + fw + 8)) $fy" ]'
        read -r ox oy ow oh < <(cadre_exterieur "$options")
        verifie "under openbox the Options dialog's outer frame opens at ($ox, $oy), expected ($((fx + fw + 8)), $fy)" \
            test "$ox $oy" = "$((fx + fw + 8)) $fy"
        # A tool window: openbox lets it be closed, not maximised (it still offers to minimise
        # a utility window, with its transient parent).
        local type actions
        type=$(xprop -id "$options" _NET_WM_WINDOW_TYPE 2>/dev/null)
        actions=$(xprop -id "$options" _NET_WM_ALLOWED_ACTIONS 2>/dev/null)
        verifie "under openbox the Options dialog is a utility window that can be closed, not maximised ($type; $actions)" \
            eval '[[ $type == *"= _NET_WM_WINDOW_TYPE_UTILITY"* && $actions == *_NET_WM_ACTION_CLOSE* && $actions != *MAXIMIZE* ]]'
        menu o d && verifie "under openbox Options > Dimensions again hides the dialog" \
            attend 10 absente Options
    else
        ko "under openbox Options > Dimensions opened no window titled Options"
    fi
    quitte_kest
    verifie "under openbox Fichier > Quitter ends kest with exit code $code_sortie" \
        test "$code_sortie" = 0
    kill "$wm_pid" 2>/dev/null
    wait "$wm_pid" 2>/dev/null
    wm_pid=""
}

# --- The sanitizer build -------------------------------------------------------------------
# The same gestures on the build with the address and undefined-behaviour sanitizers: start,
# Play, the dialog with a refused value and its error box, Ctrl+C, Quitter; the run must end
# with status 0 and leave no sanitizer report.
controle_asan() {
    local binaire=$1 journal="$travail/kest-asan.log"
    if [ -z "$binaire" ]; then
        echo "# skipped: the sanitizer build's run (no path given; KEST_E2E_ASAN or a 3rd argument)"
        return 0
    fi
    if [ ! -x "$binaire" ]; then
        ko "sanitizer build: $binaire is not an executable"
        return 1
    fi
    # LeakSanitizer at exit; any report ends the run with status 23. libdbus, which Qt's X
    # platform opens for the desktop's services, keeps a buffer to the end of the process on
    # purpose: that one library is left out, nothing of Qt or kest.
    printf 'leak:libdbus-1.so\n' >"$travail/lsan.supp"
    if ! lance_kest "$binaire" "$journal" \
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:exitcode=23 \
        LSAN_OPTIONS="suppressions=$travail/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:exitcode=23; then
        ko "sanitizer build: no window titled kestForm within 60 s"
        sed 's/^/  kest-asan: /' "$journal"
        return 1
    fi
    ok "sanitizer build: $binaire shows kestForm"
    menu s p && sleep 1 && ok "sanitizer build: Simulation > Play, a second of animation"
    if menu o d && attend 20 presente Options; then
        local options
        options=$(fenetre_titree Options)
        xdotool mousemove --window "$options" 240 18 click 1
        xdotool key ctrl+a
        xdotool type --delay 30 abc
        xdotool key Return
        if attend 20 presente kest; then
            xdotool key Return
            verifie "sanitizer build: abc refused with an error box, closed with Enter" \
                attend 20 absente kest
        else
            ko "sanitizer build: no error box after abc and Enter in the pole-pair field"
        fi
        menu o d
    else
        ko "sanitizer build: Options > Dimensions opened no window titled Options"
    fi
    focus_principale
    xdotool key ctrl+c
    verifie "sanitizer build: Ctrl+C puts an EMF on the clipboard" attend 20 cibles
    menu s s
    quitte_kest
    verifie "sanitizer build: Fichier > Quitter ends kest with exit code $code_sortie" \
        test "$code_sortie" = 0
    verifie "sanitizer build: no AddressSanitizer, LeakSanitizer or UBSan report in its output" \
        eval "! grep -Eq 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: .*Sanitizer' \"$journal\""
    [ "$code_sortie" = 0 ] || sed 's/^/  kest-asan: /' "$journal" | head -n 60
}

# --- The English edition: an English locale, no option -------------------------------------
# The menus keep their access keys (File > Quit, Help > About...) and the About box its title.
controle_anglais() {
    if ! lance_kest "$kest" "$travail/kest-en.log" LC_ALL= LANGUAGE= LANG=en_US.UTF-8; then
        ko "LANG=en_US.UTF-8: no window titled kestForm within 60 s"
        return 1
    fi
    if menu h a && attend 20 presente "About kest"; then
        ok "LANG=en_US.UTF-8: Help > About... (Alt+H, A) opens \"About kest\""
        xdotool key Return
        verifie "LANG=en_US.UTF-8: Enter closes the About box" attend 10 absente "About kest"
    else
        ko "LANG=en_US.UTF-8: Help > About... opened no window titled \"About kest\""
    fi
    quitte_kest
    verifie "LANG=en_US.UTF-8: File > Quit (Alt+F, Q) ends kest with exit code $code_sortie" \
        test "$code_sortie" = 0
}

controle_libreoffice "$travail/copie.emf"
controle_asan "$kest_asan"
controle_openbox
controle_anglais

# --- The exporter, with no display at all --------------------------------------------------
if [ -n "${2:-}" ]; then
    for f in f.emf f.svg f.png f.gif; do
        verifie "kest-export --p 2 --m 3 --distribution reelle --ticks 25 --sortie $f, DISPLAY unset" \
            env -u DISPLAY -u QT_QPA_PLATFORM "$2" --p 2 --m 3 --distribution reelle --ticks 25 \
            --sortie "$travail/$f"
    done
    verifie "the exported PNG is 700x500 and the GIF has 100 frames of 700x500" test \
        "$(identify -format '%Wx%H ' "$travail/f.png" "$travail/f.gif" | wc -w) $(identify -format '%Wx%H\n' "$travail/f.png" "$travail/f.gif" | sort -u)" = "101 700x500"
fi

if [ "$echecs" -gt 0 ]; then
    echo "# $echecs check(s) failed"
    sed 's/^/  kest: /' "$travail/kest.log"
    exit 1
fi
echo "# all checks passed"
