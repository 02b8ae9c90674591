#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the tests are worth, measured by the mistakes they catch: each one-line mistake of
# scripts/mutations.txt is put into its file in turn, the tests of its area are built
# (incrementally, only their targets) and run, and the file is put back whatever happens. A
# mistake is caught when a test fails; one that does not build is left out of the count.
#   scripts/mutations.sh <build dir of the test preset> [area...]
# FILTRE=<extended regex> keeps only the mistakes whose "file: word" matches.
# Prints each mistake's outcome, then per area caught/total, and the total. The page's area
# needs the page built in <build dir>/web-wasm and puppeteer in <build dir>/tests/web/npm
# (ctest --test-dir <build dir> -R 'web_build|web_npm').
set -uo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
[ $# -ge 1 ] || { echo "usage: $0 <build dir> [area...]" >&2; exit 2; }
B="$(cd "$1" && pwd)" || exit 2
shift
zones=("$@")
[ ${#zones[@]} -gt 0 ] || zones=(model scene app render page)
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$racine")}"

# The tests of each area: the C++ test programs built and run, or the page's node tests.
declare -A TESTS=(
  [model]="test_monophase test_bobinages test_personnalise test_tableaux test_encoches test_harmoniques test_etoile test_champ_tournant test_bobinage_dlg"
  [scene]="test_etoile test_champ_tournant test_dessine test_moteur"
  [app]="test_bobinage_dlg test_harmoniques_dlg"
  [render]="test_tableaux"
  [page]="page.test.js telephone.test.js"
)

tmp=$(mktemp -d)
fichier="" copie=""
# Put back by writing (not copying the old time stamp): the build must see the file change.
restaure() {
  if [ -n "$copie" ]; then
    cat "$copie" > "$racine/$fichier"
    copie=""
  fi
}
trap 'restaure; rm -rf "$tmp"' EXIT
trap 'exit 130' INT TERM

journal="$tmp/journal"
construit() {  # construit <area>: builds what the area's tests need
  if [ "$1" = page ]; then
    cmake --build "$B/web-wasm" --target kest_scripts > "$journal" 2>&1
  else
    cmake --build "$B" --target ${TESTS[$1]} > "$journal" 2>&1
  fi
}
essaie() {  # essaie <area>: 0 when every test passes; stops at the first failing program
  local t
  for t in ${TESTS[$1]}; do
    if [ "$1" = page ]; then
      KEST_SITE="$B/web-wasm/site" NODE_PATH="$B/tests/web/npm/node_modules" \
        KEST_DUMP_CALLS="$B/tests/web/dump_calls" KEST_EXPORT="$B/cli/kest-export" \
        KEST_LIRE_EMF="$B/tests/web/lire_emf" KEST_CAPTURE="$tmp/web.png" \
        timeout 600 node --test "$racine/tests/web/$t" > "$journal" 2>&1 || return 1
    else
      local programme
      programme=$(find "$B/tests" -name "$t" -type f -perm -u+x | head -1)
      [ -n "$programme" ] || { echo "no program $t in $B/tests" >&2; return 2; }
      (cd "$tmp" && QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$tmp/reglages" \
        timeout 600 "$programme" > "$journal" 2>&1) || return 1
    fi
  done
  return 0
}

# The suite must pass before any mistake is put in.
for z in "${zones[@]}"; do
  [ -n "${TESTS[$z]:-}" ] || { echo "unknown area: $z" >&2; exit 2; }
  if ! construit "$z" || ! essaie "$z"; then
    echo "the tests of $z fail without any mistake:" >&2
    tail -30 "$journal" >&2
    exit 1
  fi
done

declare -A pris total
for z in "${zones[@]}"; do pris[$z]=0 total[$z]=0; done
n=0
# Records: "@ area file | note", then "- line", then "+ line".
while IFS= read -r ligne || [ -n "$ligne" ]; do
  case "$ligne" in
    "@ "*)
      entete=${ligne#@ }
      zone=${entete%% *}
      reste=${entete#* }
      fichier=${reste%% | *}
      note=${reste#* | }
      avant="" ;;
    "- "*) avant=${ligne#- } ;;
    "+"*)
      apres=${ligne#+}
      apres=${apres# }
      [[ " ${zones[*]} " == *" $zone "* ]] || continue
      [[ "$fichier: $note" =~ ${FILTRE:-.} ]] || continue
      n=$((n + 1))
      copie="$tmp/copie"
      cp -p "$racine/$fichier" "$copie"
      # The one line whose text (indentation aside) is `avant` becomes `apres`, indented alike.
      if ! A="$avant" M="$apres" LC_ALL=C awk '
          { l = $0; sub(/^[ \t]+/, "", l)
            if (l == ENVIRON["A"]) { k++; print substr($0, 1, length($0) - length(l)) ENVIRON["M"]; next }
            print }
          END { exit k == 1 ? 0 : 3 }' "$copie" > "$tmp/mute"; then
        restaure
        echo "stale    $zone  $fichier: $note (the line is not there once)"
        continue
      fi
      cat "$tmp/mute" > "$racine/$fichier"
      if ! construit "$zone"; then
        resultat=build
      elif essaie "$zone"; then
        resultat=missed
      else
        resultat=caught
        pris[$zone]=$((pris[$zone] + 1))
        # The first test that failed: a GoogleTest name, or a node test's.
        par=$(grep -m1 -oE '^\[  FAILED  \] [^ ]+|^not ok [0-9]+ - .*' "$journal" |
          sed -E 's/^\[  FAILED  \] //; s/^not ok [0-9]+ - //' | cut -c1-70)
      fi
      [ "$resultat" = build ] || total[$zone]=$((total[$zone] + 1))
      restaure
      printf '%-8s %-6s %s: %s%s\n' "$resultat" "$zone" "$fichier" "$note" \
        "$([ "$resultat" = caught ] && echo " [$par]")"
      ;;
  esac
done < "$racine/scripts/mutations.txt"

# The build tree back to the sources as they are.
for z in "${zones[@]}"; do construit "$z" || echo "rebuild of $z failed" >&2; done

echo
printf '%-8s %7s %6s %6s\n' area caught total '%'
somme=0 tous=0
for z in "${zones[@]}"; do
  t=${total[$z]} c=${pris[$z]}
  somme=$((somme + c)) tous=$((tous + t))
  printf '%-8s %7d %6d %6s\n' "$z" "$c" "$t" "$([ "$t" -gt 0 ] && echo $((100 * c / t)) || echo -)"
done
printf '%-8s %7d %6d %6s\n' total "$somme" "$tous" "$([ "$tous" -gt 0 ] && echo $((100 * somme / tous)) || echo -)"
