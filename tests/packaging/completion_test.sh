#!/usr/bin/env bash
# The bash completion of quelvan-cli, sourced in bash as bash-completion loads it and asked for
# completions: the commands, each command's long options against the command's own --help (so
# that an option added to the program and not to the completion fails here), and the files each
# argument expects.
#   completion_test.sh COMPLETION_FILE QUELVAN_CLI
set -uo pipefail
completion=$1 program=$2
loader=/usr/share/bash-completion/bash_completion
if [ ! -f "$loader" ]; then
    echo "bash-completion is not installed ($loader)"
    exit 77
fi
# shellcheck disable=SC1090
source "$loader"
# shellcheck disable=SC1090
source "$completion"

failures=0
# Completes the line (its last word may be empty) and prints the candidates sorted, one a line.
complete_line() {
    local line=$1
    read -r -a COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _quelvan_cli quelvan-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort
}
expect() {
    local line=$1 expected actual
    expected=$(printf '%s\n' "${@:2}" | sed '/^$/d' | sort)
    actual=$(complete_line "$line")
    if [ "$actual" != "$expected" ]; then
        echo "FAIL: '$line<TAB>'"
        echo "  expected: $(echo $expected)"
        echo "  got:      $(echo $actual)"
        failures=$((failures + 1))
    fi
}

# The commands the program lists ("  quelvan-cli run FICHIER.ksl ..."), groups by their name.
mapfile -t commands < <("$program" --help | awk '$1 == "quelvan-cli" && NF > 1 && /^  / {
    path = ""; for (i = 2; i <= NF && $i ~ /^[a-z][a-z-]*$/; ++i) path = path (path == "" ? "" : " ") $i
    print path }')
[ ${#commands[@]} -ge 10 ] || { echo "FAIL: the help lists ${#commands[@]} commands"; exit 1; }
mapfile -t first < <(printf '%s\n' "${commands[@]}" | cut -d' ' -f1 | sort -u)
expect "quelvan-cli " "${first[@]}" help
expect "quelvan-cli ru" run
expect "quelvan-cli --v" --version
expect "quelvan-cli weather " generate import
expect "quelvan-cli help we" weather

# Every command's long options, as its --help names them in its options table.
for command in "${commands[@]}"; do
    # shellcheck disable=SC2086 # the words of the command are separate arguments
    mapfile -t options < <("$program" $command --help | awk '
        /^Options :/ { table = 1; next }
        table && /^  -/ { names = $0; sub(/^  /, "", names); sub(/  .*/, "", names)
            n = split(names, parts, /[ ,]+/)
            for (i = 1; i <= n; ++i) if (parts[i] ~ /^--[a-z]/) print parts[i] }
        table && !/^  / { table = 0 }')
    [ ${#options[@]} -ge 1 ] || { echo "FAIL: no option found in $command --help"; failures=$((failures + 1)); }
    expect "quelvan-cli $command --" "${options[@]}"
done

# The files each argument expects.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
mkdir etudes
touch mur.ksl autre.ksl lyon.epw FR_Lyon.wth heures.csv notes.txt image.png
expect "quelvan-cli run " autre.ksl etudes mur.ksl
expect "quelvan-cli run m" mur.ksl
expect "quelvan-cli run mur.ksl --weather-dir " etudes
expect "quelvan-cli compare mur.ksl " autre.ksl etudes mur.ksl
expect "quelvan-cli weather import " etudes lyon.epw
expect "quelvan-cli weather import lyon.epw -o " etudes FR_Lyon.wth
expect "quelvan-cli annual mur.ksl --hourly " etudes heures.csv
expect "quelvan-cli weather generate --normals " etudes heures.csv
expect "quelvan-cli weather generate --out " etudes
expect "quelvan-cli weather generate --city M" Mâcon Millau
expect "quelvan-cli dynamic mur.ksl --period " 

if [ "$failures" -gt 0 ]; then
    echo "$failures completion(s) wrong"
    exit 1
fi
echo "completion: ${#commands[@]} commands, their options and files complete as expected"
