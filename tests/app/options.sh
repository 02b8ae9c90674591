#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# kest's command line: a refused option gives its French message and status 2 before anything
# else (here with no display at all, which would give status 1 later), an option Qt does not
# take either is refused once the application has taken its own, and --help needs no display.
# Usage: options.sh <path of kest>
set -uo pipefail

kest=${1:?usage: options.sh <path of kest>}
echecs=0
# Runs kest; checks its status and its standard error's first line.
attend() {
    local statut=$1 message=$2
    shift 2
    local erreurs s
    erreurs=$(timeout 20 "$@" 2>&1 >/dev/null)
    s=$?
    # Qt's notices of a missing runtime folder and of the offscreen plugin's limits aside.
    erreurs=$(grep -v -e '^QStandardPaths' -e '^This plugin does not support' <<<"$erreurs" | head -n 1)
    if [ "$s" != "$statut" ] || [ "$erreurs" != "$message" ]; then
        echo "FAIL: $* -> $s « $erreurs », attendu $statut « $message »"
        echecs=$((echecs + 1))
    fi
}

sans_ecran=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$kest")
attend 2 "kest : 'abc' n'est pas une valeur entière correcte." "${sans_ecran[@]}" --p abc
attend 2 "kest : Division par zéro en virgule flottante." "${sans_ecran[@]}" --lien '#p=2&m=0'
attend 2 "kest : L'option p (du lien) est donnée deux fois." \
    "${sans_ecran[@]}" --p 2 --lien 'https://exemple.org/kest/#p=3'
attend 2 "kest : Clé inconnue « cle » dans le lien." "${sans_ecran[@]}" --lien 'cle=1'
attend 2 "kest : L'option p (du lien) est donnée deux fois." "${sans_ecran[@]}" --lien '#p=2&p=3'
attend 2 "kest : L'option --lien est donnée deux fois." \
    "${sans_ecran[@]}" --lien '#p=2' --lien=m=3
attend 2 "kest : L'option --langue est donnée deux fois." \
    "${sans_ecran[@]}" --langue fr --langue=fr
attend 2 "kest : '1e308' n'est pas un temps correct (0 à 2000 s)." "${sans_ecran[@]}" --t 1e308
attend 1 "kest : impossible d'ouvrir l'écran (la variable DISPLAY est vide)" \
    "${sans_ecran[@]}" --p 2 --lien '#m=3'
attend 2 "kest : Option inconnue « --couleur » (voir kest --help)." \
    env QT_QPA_PLATFORM=offscreen "$kest" -platform offscreen --p 2 --couleur rouge
attend 2 "kest : Argument inattendu « figure » (voir kest --help)." \
    env QT_QPA_PLATFORM=offscreen "$kest" figure
# The language is no stray option: the window starts with it and runs until stopped (timeout's
# status 124), saying nothing.
for langue in "--langue en" "--langue fr" "--langue=en"; do
    # shellcheck disable=SC2086
    attend 124 "" env QT_QPA_PLATFORM=offscreen timeout 3 "$kest" --p 2 $langue --sans-onde
done
# An English locale other than en_US speaks English (Qt names it en-GB, with no bare en).
attend 2 "kest: 'abc' is not a valid integer value." env -u LANGUAGE -u LC_ALL -u LC_MESSAGES \
    LANG=en_GB.UTF-8 "${sans_ecran[@]}" --p abc
aide=$("${sans_ecran[@]}" --m 3 --help)
for option in --p --m --Y --distribution --sans-onde --intervalle --marche --lien --help; do
    if ! grep -q -- "  $option " <<<"$aide"; then
        echo "FAIL: --help sans $option"
        echecs=$((echecs + 1))
    fi
done
[ "$echecs" -eq 0 ] && echo "OK"
exit $((echecs > 0))
