#!/usr/bin/env bash
# Whole-screen pictures of the desktop under a real window manager (openbox, with its frames),
# as a new user first sees each window: the main window alone, then with the flux window
# (calculation mode), the annual balance, the wall comparison (of one wall, then four), the help
# and the condensation risk (on a project of the weather of Mâcon and a room of humidity class
# 3), each opened afresh (no remembered place), at 1024 × 768 and 1920 × 1080. Saves docs/images/screen-<size>-<name>.png.
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

# Starts the program (on the project given, if any) on a fresh settings folder and waits for its
# main window.
start_app() {
    home=$(mktemp -d)
    XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data "$app" "$@" &
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

# The new project with the weather of Mâcon outside (exterior ambiance 11), the constant 20 °C
# inside (interior ambiance 1) and a room of humidity class 3: the condensation window's subject.
moisture_project=$(mktemp -d)/condensation.ksl
"$PWD/$build/src/quelvan-cli" new "$moisture_project" >/dev/null
python3 - "$moisture_project" <<'PY'
import sys
path = sys.argv[1]
lines = open(path, encoding="latin-1", newline="").read().split("\r\n")
selections = [i for i, line in enumerate(lines) if line.startswith("C=") and line.endswith(" :")]
lines[selections[-2]] = "C=          11 :"
lines[selections[-1]] = "C=           1 :"
separator = "=" * 60
materials = next(i for i, line in enumerate(lines) if "nb de materiaux" in line)
end = next(i for i in range(materials, len(lines)) if lines[i] == separator)
lines[end + 1:end + 1] = ["N=  1  : nb de reglages d'humidite", "H=1 V=           3 T=          20",
                          separator]
open(path, "w", encoding="latin-1", newline="").write("\r\n".join(lines))
PY

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

    # Four walls: the current one, reversed, with twice and half its insulation (the
    # window's Alt keys), their layers on as many lines as the columns need.
    start_app
    xdotool windowactivate --sync "$main" key alt+d p
    sleep 4
    xdotool key alt+p
    sleep 2
    xdotool key alt+i
    sleep 2
    xdotool key alt+2
    shot compare4 12
    stop_app

    # F1 on the form: the help window beside it, whole on the screen.
    start_app
    xdotool windowactivate --sync "$main" key F1
    shot help 4
    stop_app

    start_app "$moisture_project"
    xdotool windowactivate --sync "$main" key alt+d o
    shot condensation 12
    stop_app

    cleanup
    pids=()
done
