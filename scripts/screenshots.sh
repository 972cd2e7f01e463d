#!/usr/bin/env bash
# Saves the screenshots of docs/images: builds quelvan-screenshots, which opens the desktop
# application on a new project and drives it, and runs it under a virtual X server (Xvfb,
# 24-bit colour) or, with --offscreen or without Xvfb, on Qt's offscreen platform.
# Usage: scripts/screenshots.sh [--offscreen] [capture name...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUELVAN_BUILD_DIR:-build/release}
offscreen=0
if [[ ${1:-} == --offscreen ]]; then
    offscreen=1
    shift
fi
if [[ ! -f $build/build.ninja && ! -f $build/Makefile ]]; then
    cmake --preset release >/dev/null
fi
cmake --build "$build" -j2 --target quelvan-screenshots >/dev/null
driver=$build/src/quelvan-screenshots
out=docs/images
# The same look on every machine: the Fusion style, whatever the desktop's settings; settings
# and imported weather in a folder of their own, never the user's.
export QT_STYLE_OVERRIDE=Fusion
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
if [[ $offscreen == 0 ]] && command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x1024x24" "$driver" "$out" "$@"
else
    QT_QPA_PLATFORM=offscreen "$driver" "$out" "$@"
fi
