#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Line and branch coverage of model/ and scene/ reached by the committed corpora: each target is
# rebuilt with clang's source-based coverage (no sanitizers), replayed once over its corpus,
# and llvm-cov reports file by file. Not run in CI; the figures go to fuzz/README.md.
# Usage: fuzz/couverture.sh [target...]   (default: both targets)
set -euo pipefail
cd "$(dirname "$0")/.."
dossier=build-fuzz/couverture
mkdir -p "$dossier"
cibles=("$@")
[ ${#cibles[@]} -gt 0 ] || cibles=(fuzz_conversions fuzz_etat)

for cible in "${cibles[@]}"; do
  # Only the code the target exercises, so that the totals mean something.
  sources=(fuzz/"$cible".cpp model/Conversions.cpp)
  [ "$cible" = fuzz_etat ] && sources=(fuzz/"$cible".cpp model/*.cpp scene/*.cpp)
  nice -n 19 clang++-14 -std=c++20 -O1 -g -ffp-contract=off -fno-fast-math -Imodel -Iscene \
    -fsanitize=fuzzer -fprofile-instr-generate -fcoverage-mapping "${sources[@]}" \
    -o "$dossier/$cible"
  rm -f "$dossier/$cible".profraw
  LLVM_PROFILE_FILE="$dossier/$cible.profraw" nice -n 19 "$dossier/$cible" \
    "fuzz/corpus/$cible" -runs=0 >"$dossier/$cible.log" 2>&1
  llvm-profdata-14 merge -sparse "$dossier/$cible.profraw" -o "$dossier/$cible.profdata"
  echo "== $cible"
  llvm-cov-14 report "$dossier/$cible" -instr-profile="$dossier/$cible.profdata" \
    -ignore-filename-regex='fuzz/|/usr/' | tee "$dossier/$cible.txt"
done
