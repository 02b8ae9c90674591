#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The house's layers, held apart: every include of the tree names its folder, and a folder
# includes only the folders below it; the model and the scene include no Qt; the surfaces
# include and link no Qt Widgets and nothing of the windows; nor does the exporter; the page's
# C++ sees only the model, the scene, its own folder, the standard library and emscripten.
# $1: the render library's link line; $2: the exporter's (its program and its library).
set -uo pipefail
echec=0
faute() { echo "$1"; echec=1; }

# The quoted includes of a folder's sources that name none of the given folders.
hors_de() {
    local dossier=$1 motif
    shift
    motif=$(printf '%s/|' "$@")
    grep -nE '#include *"' "$dossier"/*.cpp "$dossier"/*.h | grep -vE "#include *\"(${motif%|})"
}

hors_de model model && faute "model/ includes beyond the model"
hors_de scene model scene && faute "scene/ includes beyond the model and the scene"
hors_de render model scene render && faute "render/ includes beyond model, scene and render"
hors_de cli model scene render cli && faute "cli/ includes beyond model, scene, render and cli"
hors_de app model scene render app && faute "app/ includes beyond model, scene, render and app"
hors_de web model scene web && faute "web/ includes beyond the model, the scene and the page"
# Angle brackets in the page's C++: the standard library's headers and emscripten's only.
grep -nE '#include *<' web/*.cpp web/*.h | grep -vE '#include *<(emscripten[/.][^>]*|[a-z_]+)>' \
  && faute "web/ includes a library other than the standard one and emscripten"

grep -rnE '#include *<Q' model scene && faute "model/ or scene/ includes Qt"
grep -rnE '#include *<Q(Application|Widget|Dialog|MainWindow|Label|Menu|Action|PushButton)' render \
  && faute "render/ includes Qt Widgets"
# The dialogs report by signals: none includes the main window, which listens to them.
grep -nE '#include *"app/TkestForm.h"' app/T*Dlg.* && faute "a dialog includes the main window's header"
case "${1:-}" in *Widgets*) faute "render/ links Qt Widgets: $1" ;; esac
grep -rnE '#include *<Q(Application|Widget|Dialog|MainWindow|Label|Menu|Action|PushButton)' cli \
  && faute "cli/ includes Qt Widgets"
case "${2:-}" in *Widgets* | *kest_app*) faute "cli/ links Qt Widgets or the windows: $2" ;; esac
[ "$echec" -eq 0 ] && echo "layers held apart (render links: ${1:-}; cli links: ${2:-})"
exit "$echec"
