#!/usr/bin/env bash
# The reliability part of continuous integration, run after ./scripts/test.sh:
#   1. every C++ file formatted with .clang-format (scripts/format.sh --check);
#   2. clang-tidy (.clang-tidy) on the Qt-free sources, from the compile database of the
#      release build that test.sh left (scripts/tidy.sh);
#   3. every test under AddressSanitizer and UndefinedBehaviorSanitizer (preset "asan"), which
#      also replays the saved fuzz inputs of fuzz/regressions/ and fuzz/corpus/; its soak plays
#      a random user drawn here (the default test run plays a fixed one), printed for replay;
#   4. the command-line tool and its tests without Qt (preset "noqt");
#   5. the Debian package made from the release build, installed, used and removed
#      (scripts/package.sh, scripts/package-check.sh);
#   6. the desktop under a window manager with frames (openbox in Xvfb) on a 1024 × 768
#      screen, where room is scarcest: each window opens on the screen, and the flux, annual,
#      comparison and help windows beside the form, not over it (scripts/desktop-screens.sh
#      --check; the large screen's places are checked by the placement tests);
#   7. optionally (QUELVAN_CI_FUZZ_SECONDS=n) n seconds of every fuzz target.
# Each step prints its duration; the whole must stay within the CI's time budget. At the end,
# the tests skipped on this machine are listed with their reasons.
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

# The no-Qt command-line tests, one shard per core (the program runs its tests in turn).
noqt_tests() {
    local pids=() status=0 shard
    for ((shard = 0; shard < jobs; ++shard)); do
        GTEST_TOTAL_SHARDS=$jobs GTEST_SHARD_INDEX=$shard ./build/noqt/tests/test_app \
            --gtest_brief=1 &
        pids+=("$!")
    done
    for pid in "${pids[@]}"; do
        wait "$pid" || status=1
    done
    return "$status"
}

./scripts/setup.sh
step "format: clang-format check" scripts/format.sh --check
step "clang-tidy: Qt-free sources" env QUELVAN_JOBS="$jobs" scripts/tidy.sh
# The soak's random user: a seed drawn now (or the one given, to replay a run).
soak_seed=${QUELVAN_SOAK_SEED:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}
export QUELVAN_SOAK_SEED=$soak_seed
soak_replay="QUELVAN_SOAK_SEED=$soak_seed ctest --preset asan -R ui_soak"
echo "== soak seed $soak_seed (replay: $soak_replay)"
step "asan: configure" cmake --preset asan
step "asan: build" cmake --build --preset asan -j "$jobs"
step "asan: tests" ctest --preset asan -j "$jobs" --output-junit "$PWD/build/asan/ctest-junit.xml"
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
step "noqt: tests" noqt_tests
# The package is made from the release build that test.sh left: no second build.
step "package: build" scripts/package.sh
step "package: install, use, remove" scripts/package-check.sh
step "desktop: window places" timeout 600 env QUELVAN_NO_BUILD=1 scripts/desktop-screens.sh --check 1024x768
if [[ "${QUELVAN_CI_FUZZ_SECONDS:-0}" -gt 0 ]]; then
    step "fuzz: all targets" fuzz/run.sh all "$QUELVAN_CI_FUZZ_SECONDS"
fi

echo "== durations"
printf '%s\n' "${timings[@]}"
echo "== soak seed of the sanitizer run: $soak_seed (replay: $soak_replay)"
# Coverage this machine could not give: tests that need a file outside the repository or a tool
# that is not installed.
echo "== tests skipped on this machine"
scripts/skipped-tests.sh build/release/ctest-junit.xml build/asan/ctest-junit.xml
