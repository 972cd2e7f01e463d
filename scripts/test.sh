#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds Quelvan and runs every test.
# QUELVAN_PRESET=ci (continuous integration) builds with every warning an error; both presets
# build into build/release.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${QUELVAN_PRESET:-release}
./scripts/setup.sh
cmake --preset "$preset" -DQUELVAN_PCH=ON >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
# The JUnit report names the tests skipped on this machine (scripts/skipped-tests.sh).
ctest --preset "$preset" -j "$(nproc)" --output-junit "$PWD/build/release/ctest-junit.xml"
