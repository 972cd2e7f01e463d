#!/usr/bin/env bash
# clang-tidy with the repository's .clang-tidy (bugprone, performance and modernize checks that
# the code passes, every finding an error), on the files of a build's compile database
# (build/release by default, QUELVAN_BUILD_DIR to choose another). By default it checks the
# Qt-free sources: the core (text, model, persistence, pacing, the engine and its folders), the
# weather tools, the validation and the command-line tool. --all adds the graphics, the
# printing and the desktop application, whose every file parses the Qt headers (about three
# times as long). Exit 1 on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUELVAN_BUILD_DIR:-build/release}
src="$(pwd)/src"
files="$src/(core|model|persistence|pacing|engine|weather|validation)/.*\.cpp"
files+="|$src/app/cli/[^/]*\.cpp|$src/app/cli_main\.cpp"
if [[ ${1:-} == --all ]]; then
    files="$src/.*\.cpp"
fi
if [[ ! -f $build/compile_commands.json ]]; then
    echo "tidy: $build/compile_commands.json is missing: configure and build that tree first" >&2
    exit 2
fi
run-clang-tidy -j "${QUELVAN_JOBS:-$(nproc)}" -p "$build" -quiet "$files" >"$build/clang-tidy.log" 2>&1 || {
    grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u >&2
    echo "tidy: findings above (whole log: $build/clang-tidy.log)" >&2
    exit 1
}
echo "tidy: no finding in $(grep -c '^clang-tidy' "$build/clang-tidy.log" || true) files"
