#!/usr/bin/env bash
# Whole-screen pictures of the desktop under a real window manager (openbox, with its frames),
# as a new user first sees each window: the main window alone, then with the flux window
# (calculation mode), the annual balance, the wall comparison (of one wall, then four), the help
# and the condensation risk (on a project of the weather of Mâcon and a room of humidity class
# 3), each opened afresh (no remembered place), at 1024 × 768 and 1920 × 1080. Saves docs/images/screen-<size>-<name>.png.
# Each time, the windows' places are checked: every window lies on the screen, and the flux,
# annual, comparison and help windows leave the form uncovered (the condensation window, too
# large for a small screen beside the form, is only checked to lie on it).
# Needs Xvfb, openbox, xdotool and ImageMagick's import (scripts/setup.sh installs them).
# Usage: scripts/desktop-screens.sh [--check] [size...]   (sizes such as 1024x768; both by
# default). --check only checks the places and saves no picture (continuous integration).
set -euo pipefail
cd "$(dirname "$0")/.."
check_only=
if [[ ${1:-} == --check ]]; then
    check_only=1
    shift
fi
build=${QUELVAN_BUILD_DIR:-build/release}
[[ -n ${QUELVAN_NO_BUILD:-} ]] || cmake --build "$build" -j2 --target quelvan >/dev/null
app=$PWD/$build/src/quelvan
out=docs/images
sizes=("$@")
faults=0
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

# The geometry (x y width height) of each window of the program that the window manager shows
# (it has a WM_STATE; the program's native child windows have none), its frame included
# (_NET_FRAME_EXTENTS around the client's absolute place).
window_frames() {
    local id info x y w h extents left right top bottom
    for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        xprop -id "$id" WM_STATE 2>/dev/null | grep -q 'window state' || continue
        # A window may go between the search and this question (a menu closing).
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
        y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
        w=$(sed -n 's/^ *Width: *//p' <<<"$info")
        h=$(sed -n 's/^ *Height: *//p' <<<"$info")
        extents=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ',')
        read -r left right top bottom <<<"${extents:-0 0 0 0}"
        echo "$id $((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
    done
}

# Checks the places of the windows now shown: on the screen, and (unless "may-cover") off the
# form.
check_places() {
    local name=$1 cover=${2:-}
    window_frames | python3 -c '
import sys
main, name, cover, size = sys.argv[1:5]
width, height = map(int, size.split("x"))
frames = {f[0]: tuple(map(int, f[1:])) for f in (l.split() for l in sys.stdin) if len(f) == 5}
faults = []
form = frames.get(main)
for wid, (x, y, w, h) in frames.items():
    if x < 0 or y < 0 or x + w > width or y + h > height:
        faults.append(f"window {wid} at {x},{y} {w}x{h} runs off the {size} screen")
    if form and wid != main and not cover:
        fx, fy, fw, fh = form
        if x < fx + fw and fx < x + w and y < fy + fh and fy < y + h:
            faults.append(f"window {wid} at {x},{y} {w}x{h} covers the form at {fx},{fy} {fw}x{fh}")
for fault in faults:
    print(f"places ({name}, {size}): {fault}")
sys.exit(1 if faults else 0)
' "$main" "$name" "$cover" "$size" || faults=$((faults + 1))
}

shot() {
    sleep "$2"
    check_places "$1" "${3:-}"
    [[ -z $check_only ]] || return 0
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
    shot condensation 12 may-cover
    stop_app

    cleanup
    pids=()
done
if [[ $faults -gt 0 ]]; then
    echo "desktop-screens: $faults window place(s) wrong" >&2
    exit 1
fi
echo "desktop-screens: every window in its place"
