#!/usr/bin/env bash
# Builds the Debian package build/package/quelvan_VERSION_ARCH.deb with CPack from the release
# build tree (build/release, which ./scripts/test.sh leaves; configured and built here when
# missing). The package's folders and dependencies: packaging/Package.cmake.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${QUELVAN_BUILD_DIR:-build/release}
if [ ! -f "$build/CPackConfig.cmake" ]; then
    ./scripts/setup.sh
    cmake --preset release -DQUELVAN_PCH=ON >/dev/null
fi
# Nothing to do when the tree is up to date (after ./scripts/test.sh).
cmake --build "$build" -j "$(nproc)"
output=$PWD/build/package
rm -rf "$output"
mkdir -p "$output"
(cd "$build" && cpack -G DEB -B "$output" >/dev/null)
rm -rf "$output/_CPack_Packages"
ls "$output"/quelvan_*.deb
