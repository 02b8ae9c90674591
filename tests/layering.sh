#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The house's layers, held apart: the model and the scene include no Qt; the surfaces include
# and link no Qt Widgets and nothing of the windows; nor does the exporter. $1: the render
# library's link line; $2: the exporter's (its program and its library).
set -uo pipefail
echec=0
faute() { echo "$1"; echec=1; }

grep -rnE '#include *<Q' model scene && faute "model/ or scene/ includes Qt"
grep -rnE '#include *<Q(Application|Widget|Dialog|MainWindow|Label|Menu|Action|PushButton)' render \
  && faute "render/ includes Qt Widgets"
app_headers=$(cd app && ls -- *.h | paste -sd'|')
grep -rnE "#include *\"($app_headers)\"" render && faute "render/ includes a header of app/"
# The dialogs report by signals: none includes the main window, which listens to them.
grep -nE '#include *"TkestForm.h"' app/T*Dlg.* && faute "a dialog includes the main window's header"
case "${1:-}" in *Widgets*) faute "render/ links Qt Widgets: $1" ;; esac
grep -rnE '#include *<Q(Application|Widget|Dialog|MainWindow|Label|Menu|Action|PushButton)' cli \
  && faute "cli/ includes Qt Widgets"
grep -rnE "#include *\"($app_headers)\"" cli && faute "cli/ includes a header of app/"
case "${2:-}" in *Widgets* | *kest_app*) faute "cli/ links Qt Widgets or the windows: $2" ;; esac
[ "$echec" -eq 0 ] && echo "layers held apart (render links: ${1:-}; cli links: ${2:-})"
exit "$echec"
