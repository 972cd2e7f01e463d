#!/usr/bin/env bash
# A manual page made by packaging/manpage.sh, as man shows it: read without a groff warning,
# with its French sections and the program's version, and every line of the program's help (and
# of each command's help) shown as the program prints it.
#   manpage_test.sh PAGE.1 PROGRAM [--commands]
set -uo pipefail
page=$1 program=$2 commands=${3:-}
if ! command -v man >/dev/null; then
    echo "man (man-db) is not installed"
    exit 77
fi

rendered=$(mktemp)
warnings=$(mktemp)
trap 'rm -f "$rendered" "$warnings"' EXIT
LC_ALL=C.UTF-8 MANWIDTH=200 MANPAGER=cat man --warnings -l "$page" >"$rendered" 2>"$warnings"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
[ -s "$warnings" ] && fail "man warns: $(cat "$warnings")"
for section in NOM SYNOPSIS DESCRIPTION VERSION "VOIR AUSSI"; do
    grep -q "^$section\$" "$rendered" || fail "no section $section"
done
version=$("$program" --version)
grep -qF "$version" "$rendered" || fail "the version \"$version\" is missing"

# Every help line, trimmed, appears in the page as the program printed it.
check_help() {
    local line
    while IFS= read -r line; do
        line=$(sed -e 's/^ *//' -e 's/ *$//' <<<"$line")
        [ -z "$line" ] && continue
        grep -qF -- "$line" "$rendered" || fail "help line missing: $line"
    done
}
"$program" --help | check_help
if [ "$commands" = "--commands" ]; then
    "$program" --help | awk '$1 == "quelvan-cli" && NF > 1 && /^  / {
        path = ""; for (i = 2; i <= NF && $i ~ /^[a-z][a-z-]*$/; ++i) path = path (path == "" ? "" : " ") $i
        print path }' >"$warnings.commands"
    count=0
    while IFS= read -r command; do
        # shellcheck disable=SC2086 # the words of the command are separate arguments
        "$program" $command --help | check_help
        count=$((count + 1))
    done <"$warnings.commands"
    rm -f "$warnings.commands"
    [ "$count" -ge 10 ] || fail "only $count commands in the help"
fi
if [ "$failures" -gt 0 ]; then
    echo "$failures fault(s) in $page"
    exit 1
fi
echo "manual page $page: readable, every help line present"
