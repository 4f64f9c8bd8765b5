#!/usr/bin/env bash
# Runs the in-process benchmark: the suite and a bare main window with the same
# number of widgets, alternately, and prints the median of each figure.
#   bench/run.sh [RUNS] [BUILD_DIR]
# Uses the current display, or the offscreen platform when there is none.
set -euo pipefail
runs=${1:-7}
build=${2:-build/release}
cd "$(dirname "$0")/.."
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" >/dev/null
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
bench="$build/bench/suite-bench"
bare="$build/bench/suite-bench-bare"
"$bench" suite >/dev/null 2>&1 # warm the file cache
suite_out=$(mktemp) bare_out=$(mktemp)
for _ in $(seq "$runs"); do
    "$bench" suite 2>/dev/null >>"$suite_out"
    widgets=$(tail -n1 "$suite_out" | sed -n 's/.* widgets=\([0-9]*\).*/\1/p')
    "$bare" "$widgets" 2>/dev/null >>"$bare_out"
done
median() { # median FILE KEY
    sed -n "s/.* $2=\([0-9.]*\).*/\1/p" "$1" | sort -g | awk '{a[NR]=$1} END{print (NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2}'
}
for key in startup_ms switch_aroma_first_ms switch_zodiac_first_ms switch_aroma_ms switch_zodiac_ms peak_rss_kb; do
    echo "suite $key $(median "$suite_out" "$key")"
done
for key in startup_ms peak_rss_kb; do
    echo "bare  $key $(median "$bare_out" "$key")"
done
awk -v s="$(median "$suite_out" startup_ms)" -v b="$(median "$bare_out" startup_ms)" \
    'BEGIN{printf "startup ratio suite/bare %.2f\n", s/b}'
awk -v s="$(median "$suite_out" peak_rss_kb)" -v b="$(median "$bare_out" peak_rss_kb)" \
    'BEGIN{printf "peak RSS ratio suite/bare %.2f\n", s/b}'
rm -f "$suite_out" "$bare_out"
# Instructions to the first paint, counted by callgrind: the figure noise does not move.
if command -v valgrind >/dev/null; then
    instructions() { # instructions PROGRAM ARGS...
        local out; out=$(mktemp)
        valgrind --tool=callgrind --callgrind-out-file="$out" "$@" >/dev/null 2>&1
        sed -n 's/^summary: *\([0-9]*\).*/\1/p' "$out"
        rm -f "$out"
    }
    suite_ir=$(instructions "$bench" suite-start)
    bare_ir=$(instructions "$bare" "$widgets" --start)
    echo "suite start_instructions $suite_ir"
    echo "bare  start_instructions $bare_ir"
    awk -v s="$suite_ir" -v b="$bare_ir" 'BEGIN{printf "start-up instructions ratio suite/bare %.2f\n", s/b}'
fi
# Per-module figures (bench/modules/): each program prints its own lines.
for program in "$build"/bench/bench-*; do
    [ -x "$program" ] && "$program" 2>/dev/null
done
