#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets in build-fuzz/ (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS, or until RUNS executions when
# RUNS is set. Prints one line per target and exits 1 when any target found a crash, a
# leak, a sanitizer report or a broken property; the input that shows it is kept in
# build-fuzz/findings/TARGET/. ONLY=a,b runs some targets only; JOBS=N runs N at once
# (the machine's cores when unset).
#   bench/fuzz/run.sh 20                 # what CI runs
#   RUNS=10000000 bench/fuzz/run.sh 7200 # a campaign
#   bench/fuzz/run.sh --tests            # the tests that need no display, sanitized
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

if [ "${1:-}" = "--tests" ]; then
    shift
    build="$here/build-sanitize"
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLEVAR_SANITIZE=ON \
        "${launcher[@]}" >/dev/null
    cmake --build "$build" -j"$(nproc)"
    cd "$build"
    # Qt's own libraries are not instrumented; what they leak at exit is not ours.
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    exec ctest -LE xvfb --output-on-failure -j"$(nproc)" "$@"
fi

seconds=${1:?usage: bench/fuzz/run.sh SECONDS | --tests}
build="$here/build-fuzz"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLEVAR_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
built=$SECONDS

mapfile -t targets < <(grep '^[a-z]' "$here/bench/fuzz/targets.txt")
if [ -n "${ONLY:-}" ]; then IFS=, read -r -a targets <<<"$ONLY"; fi

# Each target runs on a core of its own, JOBS (the machine's cores) at a time; a
# target's CPU time is what its fuzzer used, read from the subshell that waited for it.
ticks=$(getconf CLK_TCK)
fuzz() {
    local target=$1 corpus="$build/corpus/$1" findings="$build/findings/$1"
    local log="$build/fuzz-$1.log" status=0 stat
    mkdir -p "$corpus" "$findings"
    local limits=(-max_total_time="$seconds")
    if [ -n "${RUNS:-}" ]; then limits+=(-runs="$RUNS"); fi
    "$build/fuzz-$target" "${limits[@]}" -print_final_stats=1 -max_len=8192 -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$findings/" "$corpus" \
        "$here/bench/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    read -r -a stat <"/proc/$BASHPID/stat"
    echo "$status $(((stat[15] + stat[16]) / ticks))" >"$build/fuzz-$target.status"
}
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "${JOBS:-$(nproc)}" ]; do wait -n || true; done
    rm -f "$build/fuzz-$target.status"
    fuzz "$target" &
done
wait

failed=0
printf '%-16s %12s %10s %8s %8s %7s %s\n' target executions exec/s cov features "cpu s" findings
for target in "${targets[@]}"; do
    log="$build/fuzz-$target.log"
    read -r status cpu <"$build/fuzz-$target.status" || { status=1; cpu=?; }
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    found=$(find "$build/findings/$target" -type f | wc -l)
    printf '%-16s %12s %10s %8s %8s %7s %s\n' "$target" "${runs:-?}" "${speed:-?}" \
        "${cov:-?}" "${ft:-?}" "$cpu" "$found"
    if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
        failed=1
        echo "  $target failed (exit $status); its log: $log; inputs: $build/findings/$target"
        grep -m3 -E 'ERROR:|runtime error|property broken|SUMMARY' "$log" | sed 's/^/  /' || true
    fi
done
echo "fuzzing took $((SECONDS - built)) s after a build of ${built} s"
exit $failed
