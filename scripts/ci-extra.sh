#!/usr/bin/env bash
# The reliability part of continuous integration, run after ./scripts/test.sh:
#   1. clang-tidy (.clang-tidy) on the Qt-free sources, from the compile database of the
#      release build that test.sh left (scripts/tidy.sh);
#   2. every test under AddressSanitizer and UndefinedBehaviorSanitizer (preset "asan"), which
#      also replays the saved fuzz inputs of fuzz/regressions/ and fuzz/corpus/;
#   3. the command-line tool and its tests without Qt (preset "noqt");
#   4. optionally (QUELVAN_CI_FUZZ_SECONDS=n) n seconds of every fuzz target.
# Each step prints its duration; the whole must stay within the CI's time budget.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=${QUELVAN_JOBS:-$(nproc)}
timings=()
step() {
    local name=$1
    shift
    local start
    start=$(date +%s)
    echo "== $name"
    "$@"
    timings+=("$(printf '%-28s %5d s' "$name" $(($(date +%s) - start)))")
}

./scripts/setup.sh
step "clang-tidy: Qt-free sources" env QUELVAN_JOBS="$jobs" scripts/tidy.sh
step "asan: configure" cmake --preset asan
step "asan: build" cmake --build --preset asan -j "$jobs"
step "asan: tests" ctest --preset asan -j "$jobs"
# The file-safety cases (tests/app/CliFilesTest.cpp, the hostile files of
# tests/data/hostile-files/, the engine fuzz target's saved inputs) ran in the step above, through
# the sanitized quelvan-cli; make sure they were not filtered out or lost from the list.
step "asan: file-safety cases" bash -c \
    'ctest --preset asan -N -R "CliOutputRefusal|CliNotAFile|CliFiles\.|FuzzRegressionTest.*engine" \
        | grep -Eq "Total Tests: [1-9][0-9]"'
# The no-Qt build checks that this configuration builds and passes; it is compiled at -O1
# without debug information to keep the CI short (the release build is checked by test.sh).
step "noqt: configure" cmake --preset noqt -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O1"
# Only the command-line tool and its tests: the core and its other test folders are the same
# code in every configuration and were built and run twice above.
step "noqt: build" cmake --build --preset noqt -j "$jobs" --target quelvan-cli test_app
step "noqt: tests" ./build/noqt/tests/test_app --gtest_brief=1
if [[ "${QUELVAN_CI_FUZZ_SECONDS:-0}" -gt 0 ]]; then
    step "fuzz: all targets" fuzz/run.sh all "$QUELVAN_CI_FUZZ_SECONDS"
fi

echo "== durations"
printf '%s\n' "${timings[@]}"
