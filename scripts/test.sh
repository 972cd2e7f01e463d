#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds Quelvan and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset release -DQUELVAN_PCH=ON >/dev/null
cmake --build --preset release -j "$(nproc)"
ctest --preset release -j "$(nproc)"
