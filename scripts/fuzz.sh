#!/usr/bin/env bash
# Runs every fuzz target (fuzz/) for SECONDS each (default 60) under
# AddressSanitizer and UndefinedBehaviorSanitizer, on a copy of its seed corpus,
# and prints per target the runs, the coverage reached and any finding.
# Exits non-zero when a target found a crash or a broken property; the input
# that did it is kept in build/fuzz/findings/<target>/.
# FUZZ_SEED picks libFuzzer's random seed (default 0: a new one each run); the
# test command fixes it, so a finding there comes back with the same seed.
# Usage: [FUZZ_SEED=N] scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
seed=${FUZZ_SEED:-0}
build=build/fuzz
targets=(reading_file settings goal_notes handover progress_waiting card_database dream_database)

if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    scripts/setup.sh
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DSUITE_FUZZ=ON -DBUILD_TESTING=OFF -DSUITE_BUILD_TOOLS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
printf '%-16s %12s %8s %8s  %s\n' target runs cov ft findings
for t in "${targets[@]}"; do
    corpus=$build/corpus/$t
    findings=$build/findings/$t
    rm -rf "$findings"
    mkdir -p "$corpus" "$findings"
    cp -n fuzz/corpus/"$t"/* "$corpus"/ 2>/dev/null || true
    log=$build/$t.log
    status=0
    "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -seed="$seed" -print_final_stats=1 -timeout=20 \
        -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1 || status=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    last=$(grep -E '^#[0-9]+' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' <<<"$last" | grep -o '[0-9]*' || echo "?")
    ft=$(grep -o 'ft: [0-9]*' <<<"$last" | grep -o '[0-9]*' || echo "?")
    found=$(find "$findings" -type f | wc -l)
    verdict="none"
    if [ "$status" -ne 0 ] || [ "$found" -gt 0 ]; then
        verdict="$found in $findings (see $log)"
        failed=1
    fi
    printf '%-16s %12s %8s %8s  %s\n' "$t" "$runs" "$cov" "$ft" "$verdict"
done
exit "$failed"
