#!/usr/bin/env bash
# Formats every C++ file of the repository with its .clang-format (clang-format 14, Debian 12's).
#   scripts/format.sh           formats the files in place;
#   scripts/format.sh --check   changes nothing, names the files that differ from their
#                               formatted text and fails if there is one (continuous integration).
set -euo pipefail
cd "$(dirname "$0")/.."

check=0
case "${1:-}" in
    --check) check=1 ;;
    "") ;;
    *) echo "usage: scripts/format.sh [--check]" >&2; exit 2 ;;
esac

formatter=${CLANG_FORMAT:-clang-format}
"$formatter" --version

# The C++ files git knows (generated and build files are not in it).
mapfile -t files < <(git ls-files -- '*.cpp' '*.h' '*.hpp')
if [ ${#files[@]} -eq 0 ]; then
    echo "format: no C++ file found" >&2
    exit 1
fi

if [ "$check" -eq 0 ]; then
    "$formatter" -i --style=file -- "${files[@]}"
    echo "format: ${#files[@]} files formatted"
    exit 0
fi

# One clang-format for every file: it names each file that differs ("FILE:LINE:COL: error:
# code should be clang-formatted").
report=$("$formatter" --style=file --dry-run -- "${files[@]}" 2>&1 || true)
mapfile -t drifted < <(grep -F 'code should be clang-formatted' <<<"$report" | cut -d: -f1 | sort -u)
if [ ${#drifted[@]} -gt 0 ]; then
    echo "format: ${#drifted[@]} of ${#files[@]} files differ from clang-format's text:"
    printf '  %s\n' "${drifted[@]}"
    echo "format: run scripts/format.sh and commit the result"
    exit 1
fi
if grep -q 'error:' <<<"$report"; then
    echo "$report" >&2
    exit 1
fi
echo "format: all ${#files[@]} C++ files are formatted"
