#!/usr/bin/env bash
# The Debian package as a user meets it (continuous integration, as root): installed with
# apt-get, used from an empty folder outside the build tree, its desktop files validated, the
# desktop program opened and closed under Xvfb, then removed with nothing of it left in the
# system folders. Any failure fails the script. Run scripts/package.sh first.
set -euo pipefail
cd "$(dirname "$0")/.."
repository=$PWD

shopt -s nullglob
debs=(build/package/quelvan_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    echo "package-check: expected one build/package/quelvan_*.deb, found ${#debs[@]}" >&2
    exit 1
fi
deb=$(realpath "${debs[0]}")
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

fail() {
    echo "package-check: FAILED: $*" >&2
    exit 1
}

# The programs could fall back on the build tree's weather folder: it is hidden while they run,
# so that only the installed folder can serve.
build_weather=$repository/build/release/data/weather
hidden_weather=$build_weather.hidden-by-package-check
build_materials=$repository/build/release/data/materials
hidden_materials=$build_materials.hidden-by-package-check
work=$(mktemp -d)
cleanup() {
    [ -d "$hidden_weather" ] && mv "$hidden_weather" "$build_weather"
    [ -d "$hidden_materials" ] && mv "$hidden_materials" "$build_materials"
    if dpkg-query -W -f='${Status}' quelvan 2>/dev/null | grep -q 'install ok installed'; then
        "${sudo_cmd[@]}" apt-get purge -y -qq quelvan >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

echo "== install $(basename "$deb")"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get install -y -qq "$deb" 2>&1 \
    | grep -v -e '^N: Download is performed unsandboxed' -e '^(Reading database' || true
dpkg-query -W -f='${Status}\n' quelvan | grep -q 'install ok installed' || fail "not installed"
version=$(dpkg-query -W -f='${Version}' quelvan)
dpkg-query -L quelvan >"$work/files"
[ -d "$build_weather" ] && mv "$build_weather" "$hidden_weather"
[ -d "$build_materials" ] && mv "$build_materials" "$hidden_materials"

echo "== quelvan-cli from an empty folder"
mkdir "$work/user" "$work/home"
cd "$work/user"
export HOME=$work/home
unset XDG_DATA_HOME
[ "$(command -v quelvan-cli)" = /usr/bin/quelvan-cli ] || fail "quelvan-cli is not /usr/bin/quelvan-cli"
[ "$(quelvan-cli --version)" = "quelvan-cli $version" ] || fail "quelvan-cli --version: $(quelvan-cli --version)"
quelvan-cli --version
quelvan-cli new mur.ksl
# The exterior ambiance becomes "Météo de la ville de Mâcon" (index 11), whose weather file only
# the installed folder holds.
sed -E -i '0,/^C= +[0-9]+ :(\r?)$/s//C=          11 :\1/' mur.ksl
quelvan-cli check mur.ksl
quelvan-cli run mur.ksl
[ "$(grep -c . mur.res)" -gt 168 ] || fail "mur.res holds no week of results"
quelvan-cli annual mur.ksl --json >annuel.json
grep -q '"months"' annuel.json || fail "annual --json gave no months: $(head -c 300 annuel.json)"
quelvan-cli report mur.ksl -o rapport.pdf
file rapport.pdf | grep -q 'PDF document' || fail "report wrote no PDF"
pdftotext rapport.pdf - | grep -q 'Quelvan 1.20a' || fail "the report's footer is missing"
ls -l mur.ksl mur.res annuel.json rapport.pdf
# The catalogue of materials is found in the installed folder only.
quelvan-cli materials --search pare-vapeur | grep -q 'Pare-vapeur renforcé' \
    || fail "materials does not list the installed catalogue"

echo "== desktop files"
desktop-file-validate /usr/share/applications/quelvan.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.quelvan.Quelvan.metainfo.xml
[ -f /usr/share/icons/hicolor/256x256/apps/quelvan.png ] || fail "icon missing"

echo "== manual pages and completion"
MANPAGER=cat MANWIDTH=80 man quelvan-cli | head -n 12
MANPAGER=cat man quelvan | grep -q 'quelvan \[FICHIER\]' || fail "man quelvan"
bash -c 'source /usr/share/bash-completion/bash_completion
    __load_completion quelvan-cli || exit 1
    COMP_WORDS=(quelvan-cli ru); COMP_CWORD=1; COMP_LINE="quelvan-cli ru"; COMP_POINT=14
    _quelvan_cli quelvan-cli ru quelvan-cli
    [ "${COMPREPLY[*]}" = run ]' || fail "the installed completion does not complete run"
echo "completion: quelvan-cli ru<TAB> gives run"

echo "== quelvan under Xvfb"
# The main window must show (its title ends with " - Quelvan"); the program is then ended.
xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
    quelvan >quelvan.log 2>&1 &
    pid=$!
    for _ in $(seq 1 60); do
        window=$(xwininfo -root -tree | grep -m1 " - Quelvan\"" | awk "{print \$1}")
        if [ -n "$window" ] && xwininfo -id "$window" | grep -q "Map State: IsViewable"; then
            xwininfo -id "$window" | grep -E "Window id|Width|Height|Map State"
            kill -TERM $pid
            wait $pid || true
            exit 0
        fi
        kill -0 $pid 2>/dev/null || { cat quelvan.log; exit 1; }
        sleep 0.5
    done
    kill -KILL $pid
    exit 1' || fail "quelvan did not open its window: $(cat quelvan.log 2>/dev/null)"
cd "$repository"

echo "== remove"
"${sudo_cmd[@]}" apt-get purge -y -qq quelvan >/dev/null
if dpkg-query -W -f='${Status}' quelvan 2>/dev/null | grep -q 'installed'; then
    fail "still installed after purge"
fi
left=()
while IFS= read -r path; do
    # The package's own files and folders; shared folders (/usr/share/man/man1...) stay.
    if [ -f "$path" ] || [ -L "$path" ]; then
        left+=("$path")
    fi
done <"$work/files"
while IFS= read -r path; do
    left+=("$path")
done < <(find /usr /etc /var/lib/dpkg/info -iname '*quelvan*' 2>/dev/null)
if [ ${#left[@]} -gt 0 ]; then
    printf '  %s\n' "${left[@]}"
    fail "files left after removal"
fi
echo "removed: none of the package's $(wc -l <"$work/files") paths is left as a file, nothing"
echo "named quelvan under /usr, /etc or /var/lib/dpkg/info"
echo "package-check: $(basename "$deb") installed, used, validated and removed cleanly"
