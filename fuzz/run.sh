#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in
# build/fuzz and runs one target, or every target in turn, for the given number of seconds:
#   fuzz/run.sh numbers 600        fuzz/run.sh all 60
# Each target starts from its seeds in fuzz/corpus/<target>/ and keeps what it finds in
# build/fuzz/corpus/<target>/; crash inputs land in build/fuzz/artifacts/<target>/ and make
# the script fail. Copy a crash input to fuzz/regressions/<target>/ once it is fixed, so
# that the normal test suite replays it. The log of each run is build/fuzz/logs/<target>.log.
set -euo pipefail
cd "$(dirname "$0")/.."

TARGETS=(numbers text_table project profile epw engine)
target=${1:-}
seconds=${2:-60}
if [[ -z "$target" ]]; then
    echo "usage: fuzz/run.sh TARGET|all [SECONDS]   targets: ${TARGETS[*]}" >&2
    exit 2
fi
if [[ "$target" == all ]]; then
    selected=("${TARGETS[@]}")
else
    selected=("$target")
fi

build=build/fuzz
if [[ ! -f "$build/CMakeCache.txt" ]]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUELVAN_BUILD_FUZZERS=ON -DQUELVAN_WITH_QT=OFF -DQUELVAN_BUILD_TESTS=OFF \
        -DQUELVAN_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j "${QUELVAN_JOBS:-2}" --target "${selected[@]/#/fuzz_}"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
status=0
for t in "${selected[@]}"; do
    corpus="$build/corpus/$t"
    artifacts="$build/artifacts/$t"
    mkdir -p "$corpus" "$artifacts" "$build/logs"
    seeds=(fuzz/corpus/"$t")
    [[ -d fuzz/regressions/"$t" ]] && seeds+=(fuzz/regressions/"$t")
    echo "== $t: $seconds s"
    if ! "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "${seeds[@]}" \
        >"$build/logs/$t.log" 2>&1; then
        echo "!! $t failed, see $build/logs/$t.log and $artifacts/" >&2
        status=1
    fi
    grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE)' "$build/logs/$t.log" | tail -1 || true
    grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$build/logs/$t.log" || true
done
exit $status
