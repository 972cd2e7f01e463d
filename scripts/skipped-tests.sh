#!/usr/bin/env bash
# Names the tests that a ctest run skipped, with the reason each gave (a sample file outside the
# repository, a tool missing), so that coverage lost on a machine is said rather than silent.
#   scripts/skipped-tests.sh JUNIT.xml...    (ctest --output-junit JUNIT.xml)
set -euo pipefail

if [ $# -eq 0 ]; then
    echo "usage: scripts/skipped-tests.sh JUNIT.xml..." >&2
    exit 2
fi
status=0
for report in "$@"; do
    if [ ! -f "$report" ]; then
        echo "  $report: missing (the tests did not run)"
        status=1
        continue
    fi
    # A skipped case is a testcase of status "notrun"; GoogleTest writes its reason on the line
    # after "Skipped", a script its reason first.
    awk -v report="$report" '
        function unescape(text) {
            gsub(/&quot;/, "\"", text); gsub(/&apos;/, "\047", text); gsub(/&lt;/, "<", text)
            gsub(/&gt;/, ">", text); gsub(/&amp;/, "\\&", text)
            return text
        }
        /<testcase / {
            match($0, /name="[^"]*"/); name = unescape(substr($0, RSTART + 6, RLENGTH - 7))
            skipped = ($0 ~ /status="notrun"/); reason = ""; first = ""; after = 0; next
        }
        skipped && /<system-out>/ { sub(/.*<system-out>/, ""); first = $0 }
        skipped && after { reason = $0; after = 0 }
        skipped && / Skipped$/ { after = 1 }
        skipped && /<\/testcase>/ {
            why = reason != "" ? reason : first
            printf "  %s\n      %s\n", name, (why == "" ? "(no reason given)" : unescape(why))
            ++count; skipped = 0
        }
        END { printf "  %s: %d skipped\n", report, count }' "$report"
done
exit $status
