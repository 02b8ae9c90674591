#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a scratch prefix and checks the layout a desktop expects.
# Usage: check_install.sh <build dir> <scratch prefix> <AppStream id>
set -euo pipefail
build=$1
prefix=$2
id=$3

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

fautes=0
for f in bin/kest bin/kest-export share/applications/kest.desktop share/icons/hicolor/scalable/apps/kest.svg \
    "share/metainfo/$id.metainfo.xml" share/doc/kest/copyright; do
    if [ -e "$prefix/$f" ]; then echo "ok     - $f"; else echo "NOT OK - $f missing"; fautes=1; fi
done
for p in kest kest-export; do
    [ -x "$prefix/bin/$p" ] || { echo "NOT OK - bin/$p is not executable"; fautes=1; }
done

# The menu entry starts the installed program and shows the installed icon.
entree=$prefix/share/applications/kest.desktop
exec_=$(sed -n 's/^Exec=//p' "$entree")
icone=$(sed -n 's/^Icon=//p' "$entree")
[ "$exec_" = kest ] || { echo "NOT OK - Exec=$exec_, expected kest"; fautes=1; }
[ -e "$prefix/share/icons/hicolor/scalable/apps/$icone.svg" ] ||
    { echo "NOT OK - no icon named $icone"; fautes=1; }
# The metainfo's launchable names the desktop file that is installed.
lance=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' \
    "$prefix/share/metainfo/$id.metainfo.xml")
[ -e "$prefix/share/applications/$lance" ] ||
    { echo "NOT OK - launchable $lance is not installed"; fautes=1; }
# The icon is a picture, not just a file: an SVG document of its own.
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/kest.svg" ||
    { echo "NOT OK - kest.svg holds no <svg>"; fautes=1; }
# AppStream's own view of the installed tree: metainfo and desktop entry together.
if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$prefix" || fautes=1
fi

# The Debian package names, among its dependencies or recommendations, the package that brings
# Qt's own French translation, which the program loads from the system.
if command -v dpkg >/dev/null && qm=$(dpkg -S '*/qtbase_fr.qm' 2>/dev/null); then
    paquet=${qm%%:*}
    if grep -E '^set\(CPACK_DEBIAN_PACKAGE_(DEPENDS|RECOMMENDS) ' "$build/CPackConfig.cmake" |
        grep -qw -- "$paquet"; then
        echo "ok     - the package names $paquet (qtbase_fr.qm)"
    else
        echo "NOT OK - the package names neither in Depends nor in Recommends $paquet (qtbase_fr.qm)"
        fautes=1
    fi
fi

rm -rf "$prefix"
exit "$fautes"
