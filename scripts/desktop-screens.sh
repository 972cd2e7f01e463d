#!/usr/bin/env bash
# Whole-screen pictures of the desktop under a real window manager (openbox, with its frames),
# as a new user first sees each window: the main window alone, then with the flux window
# (calculation mode), the annual balance and the wall comparison, each opened afresh (no
# remembered place), at 1024 × 768 and 1920 × 1080. Saves docs/images/screen-<size>-<name>.png.
# Needs Xvfb, openbox, xdotool and ImageMagick's import (scripts/setup.sh installs them).
# Usage: scripts/desktop-screens.sh [size...]   (sizes such as 1024x768; both by default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUELVAN_BUILD_DIR:-build/release}
[[ -n ${QUELVAN_NO_BUILD:-} ]] || cmake --build "$build" -j2 --target quelvan >/dev/null
app=$PWD/$build/src/quelvan
out=docs/images
sizes=("$@")
[[ ${#sizes[@]} -gt 0 ]] || sizes=(1024x768 1920x1080)
export QT_STYLE_OVERRIDE=Fusion

pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT

# Starts the program on a fresh settings folder and waits for its main window.
start_app() {
    home=$(mktemp -d)
    XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data "$app" &
    app_pid=$!
    pids+=("$app_pid")
    main=$(xdotool search --sync --onlyvisible --name ' - Quelvan$' | head -n 1)
    sleep 2
}

stop_app() {
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
}

shot() {
    sleep "$2"
    import -window root "$out/screen-$size-$1.png"
    echo "saved $out/screen-$size-$1.png"
}

for size in "${sizes[@]}"; do
    display=:$((70 + RANDOM % 200))
    Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp &
    pids+=("$!")
    export DISPLAY=$display
    sleep 1
    openbox &
    pids+=("$!")
    sleep 1

    start_app
    shot main 0
    # "Mode Calcul" (bottom right of the form) opens the flux window.
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove --window "$main" $((WIDTH - 70)) $((HEIGHT - 160)) click 1
    shot flux 2
    stop_app

    # Each study window on a fresh start, so that none is placed by another's memory.
    start_app
    xdotool windowactivate --sync "$main" key alt+d b
    shot annual 12
    stop_app

    start_app
    xdotool windowactivate --sync "$main" key alt+d p
    shot compare 12
    stop_app

    cleanup
    pids=()
done
