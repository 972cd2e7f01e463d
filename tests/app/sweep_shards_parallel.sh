#!/bin/sh
# A sweep split into three shards run through GNU parallel, then merged as docs/scaling.md shows,
# equals the single run byte for byte, as CSV and as JSON Lines.
# Usage: sweep_shards_parallel.sh QUELVAN-CLI
set -eu
cli=$1
if ! command -v parallel >/dev/null 2>&1; then
    echo "GNU parallel est absent (scripts/setup.sh l'installe)"
    exit 77
fi
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
"$cli" new mur.ksl >/dev/null
sweep="sweep mur.ksl --layer 2 --thickness 20:300:20 --reverse --azimuth Sud,Ouest"

"$cli" $sweep --csv >whole.csv
parallel --will-cite "$cli" $sweep --csv --shard {}/3 -o part{}.csv ::: 0 1 2 >/dev/null
{ head -n 1 part0.csv; tail -q -n +2 part0.csv part1.csv part2.csv | sort -t, -k1,1n; } >merged.csv
cmp whole.csv merged.csv

"$cli" $sweep --json >whole.jsonl
parallel --will-cite "$cli" $sweep --json --shard {}/3 -o part{}.jsonl ::: 0 1 2 >/dev/null
sort -t: -k2,2n part0.jsonl part1.jsonl part2.jsonl >merged.jsonl
cmp whole.jsonl merged.jsonl

test "$(wc -l <whole.csv)" -eq 61
echo "trois parts par GNU parallel, fusionnées : identiques au calcul d'un seul tenant (60 variantes)"
