#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The scene's figure in a process without Qt beside the same figure after the application and a
# first paint. Printed for the CI log, never a failure: a tenfold gap is the sign that the
# graphics library's vector state is slowing the scene again.
# Usage: bench/registres.sh <bench_scene> <bench_kest>
set -u
sans_qt=$1
avec_qt=$2
figure() {  # the median of 3 repetitions, in microseconds
    "$@" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
        --benchmark_min_time=0.2 --benchmark_format=csv 2>/dev/null |
        awk -F, '/_median/ { print $3; exit }'
}
a=$(figure "$sans_qt")
b=$(QT_QPA_PLATFORM=offscreen figure "$avec_qt" --benchmark_filter='^Garde/')
echo "processor:$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2), $(nproc) cores"
echo "Scene/defaut/Parfaite without Qt:                   ${a:-?} us"
echo "Scene/defaut/Parfaite after QGuiApplication, paint: ${b:-?} us"
awk -v a="${a:-0}" -v b="${b:-0}" 'BEGIN {
    if (a > 0 && b > 0) printf "ratio: %.2f%s\n", b / a, (b > 3 * a ? "  (SLOWER WITH QT: see bench/README.md)" : "")
}'
exit 0
