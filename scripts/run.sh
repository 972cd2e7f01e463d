#!/usr/bin/env bash
# Sets everything up on a fresh Debian machine, builds Quelvan and starts it on a new project
# (or on the project given as argument).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
exec ./build/release/src/quelvan "$@"
